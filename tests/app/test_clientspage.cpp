// The client book's page in the window: it fits, searches as one types,
// opens a client into the input, adds the current person, asks before
// deleting and keeps notes. Offscreen, with a book in a temporary folder.

#include "app/cinputoverlay.h"
#include "app/cskinmanager.h"
#include "app/csorvel.h"
#include "nostartuptimer.h"
#include "app/pages/clientspage.h"
#include "clients/clienttablemodel.h"
#include "files/personfile.h"
#include "engine/messagereporter.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

struct SilentReporter : CMessageReporter
{
    void critical(const QString &, const QString &) override {}
};

PersonInput person(const QString &full, const QDate &birth)
{
    PersonInput p;
    p.fullName = full;
    p.birthDate = birth;
    return p;
}

} // namespace

class TestClientsPage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensFromTheOverlay();
    void fitsTheWindowInEverySkin_data();
    void fitsTheWindowInEverySkin();
    void searchFiltersAsOneTypes_data();
    void searchFiltersAsOneTypes();
    void doubleClickOpensIntoTheInput();
    void addsTheCurrentPerson();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void notesAndConsultationsBesideTheTable();
    void unusableBookIsTold();
    void exportsTheSelectionOrTheBook_data();
    void exportsTheSelectionOrTheBook();

private:
    CClientsPage *page() const { return m_window->clientsPage(); }
    template <typename T>
    T *child(QObject *parent, const char *name) const
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    void fillBook();

    std::unique_ptr<QTemporaryDir> m_dir;
    CSorvel *m_window = nullptr;
    SilentReporter m_reporter;
    QStringList m_told;
    QStringList m_asked;
    int m_answer = 0;
};

void TestClientsPage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = new CSorvel;
    m_window->resize(1024, 700);
    QVERIFY(stopStartUpTimer(m_window));
    setMessageReporter(&m_reporter);
    m_told.clear();
    m_asked.clear();
    page()->setBookPath(m_dir->filePath(QStringLiteral("clients.sqlite")));
    page()->setTell([this](const QString &, const QString &text) { m_told << text; });
    page()->setAsk([this](const QString &, const QString &text) {
        m_asked << text;
        return m_answer;
    });
}

void TestClientsPage::cleanup()
{
    // The search field's clear button fades in and out over 160 ms with an
    // animation of no parent that frees itself when it ends; one still running
    // when the window goes would never end, and never be freed.
    QTest::qWait(500);
    delete m_window;
    m_window = nullptr;
    setMessageReporter(nullptr);
}

// Hand calculations as in the core's tests: John Smith LP 5 EX 8, Mary Lee
// LP 9 EX 7, Anna Jones LP 4 EX 3, Jon Smithe LP 1.
void TestClientsPage::fillBook()
{
    page()->showPage();
    QVERIFY(page()->book() && page()->book()->isOpen());
    CalcOptions options;
    page()->setCalculation(options, 0);
    for (const PersonInput &p : {person(QStringLiteral("John Smith"), QDate(1990, 5, 17)),
                                 person(QStringLiteral("Mary Lee"), QDate(1983, 3, 12)),
                                 person(QStringLiteral("Anna Jones"), QDate(2000, 1, 1)),
                                 person(QStringLiteral("Jon Smithe"), QDate(1990, 1, 17))})
        QCOMPARE(page()->book()->addClient(p, nullptr), ClientBook::AddResult::Added);
    page()->model()->reload();
}

void TestClientsPage::opensFromTheOverlay()
{
    m_window->show();
    QVERIFY(!page()->isVisible());
    QVERIFY(!page()->book()); // nothing opened until shown
    QPushButton *button = child<QPushButton>(m_window->inputOverlay(), "clientsButton");
    QVERIFY(button->width() >= button->sizeHint().width()); // its caption whole
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(page()->isVisible());
    QVERIFY(page()->book()->isOpen());
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("clients.sqlite"))));
    QTest::mouseClick(child<QPushButton>(page(), "clientsClose"), Qt::LeftButton);
    QVERIFY(!page()->isVisible());
}

void TestClientsPage::fitsTheWindowInEverySkin_data()
{
    QTest::addColumn<int>("skin");
    const CSkinManager skins(QStringLiteral("/"));
    const QStringList names = skins.skinNames();
    for (int k = 0; k < names.size(); ++k)
        QTest::newRow(qPrintable(names.at(k))) << k;
}

void TestClientsPage::fitsTheWindowInEverySkin()
{
    QFETCH(int, skin);
    m_window->OnApplyStyle(skin);
    m_window->show();
    fillBook();
    QApplication::processEvents();
    const QRect area = page()->rect();
    QCOMPARE(page()->geometry(), page()->parentWidget()->rect());
    // Every control inside the page, none squeezed below what it needs.
    for (QWidget *widget : page()->findChildren<QWidget *>()) {
        if (!widget->isVisible() || !qobject_cast<QPushButton *>(widget))
            continue;
        const QRect where(widget->mapTo(page(), QPoint(0, 0)), widget->size());
        QVERIFY2(area.contains(where), qPrintable(widget->objectName() + widget->property("text").toString()));
        QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(widget->property("text").toString()));
    }
    QTableView *table = page()->table();
    QVERIFY(table->height() > 200);
    QVERIFY(table->width() > 400);
    // The table shows the clients in name order.
    QCOMPARE(table->model()->index(0, 0).data().toString(), QStringLiteral("Anna Jones"));
}

void TestClientsPage::searchFiltersAsOneTypes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("note"); // the page says a word was refused
    QTest::newRow("name part") << "smi" << QStringList{"John Smith", "Jon Smithe"} << false;
    QTest::newRow("life path") << "lp:9" << QStringList{"Mary Lee"} << false;
    QTest::newRow("expression and name") << "ex:8 john" << QStringList{"John Smith"} << false;
    QTest::newRow("date") << "1990-01-17" << QStringList{"Jon Smithe"} << false;
    QTest::newRow("refused word") << "lp:10 anna" << QStringList{"Anna Jones"} << true;
}

void TestClientsPage::searchFiltersAsOneTypes()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    m_window->show();
    fillBook();
    QTest::keyClicks(page()->searchField(), typed);
    QStringList names;
    for (int row = 0; row < page()->model()->rowCount(); ++row)
        names << page()->model()->index(row, 0).data().toString();
    QCOMPARE(names, shown);
    QTEST(!child<QLabel>(page(), "clientsSearchNote")->text().isEmpty(), "note");
    // Clearing the field shows everyone again.
    page()->searchField()->clear();
    QCOMPARE(page()->model()->rowCount(), 4);
}

void TestClientsPage::doubleClickOpensIntoTheInput()
{
    m_window->show();
    fillBook();
    PersonInput mary = person(QStringLiteral("Mary Lee"), QDate(1983, 3, 12));
    mary.shortName = QStringLiteral("Mimi");
    mary.partnerFullName = QStringLiteral("Sam Oak");
    mary.partnerShortName = QStringLiteral("Sam");
    mary.partnerBirthDate = QDate(1980, 2, 1);
    const qint64 id = page()->book()->findDuplicate(mary);
    QVERIFY(page()->book()->updateClient(id, mary));
    page()->model()->reload();
    QTest::keyClicks(page()->searchField(), QStringLiteral("mary"));
    QCOMPARE(page()->model()->rowCount(), 1);

    QTableView *table = page()->table();
    const QRect cell = table->visualRect(table->model()->index(0, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(!page()->isVisible());
    const PersonInput input = m_window->inputOverlay()->input();
    QCOMPARE(input.fullName, QStringLiteral("Mary Lee"));
    QCOMPARE(input.shortName, QStringLiteral("Mimi"));
    QCOMPARE(input.birthDate, QDate(1983, 3, 12));
    QCOMPARE(input.partnerFullName, QStringLiteral("Sam Oak"));
    QCOMPARE(input.partnerBirthDate, QDate(1980, 2, 1));
}

void TestClientsPage::addsTheCurrentPerson()
{
    m_window->show();
    page()->showPage();
    CInputOverlay *overlay = m_window->inputOverlay();
    child<QDateEdit>(overlay, "birthDate")->setDate(QDate(1975, 12, 31));
    child<QLineEdit>(overlay, "fullName")->setText(QStringLiteral("Kim Ng"));
    QPushButton *add = child<QPushButton>(page(), "clientsAdd");
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(page()->book()->clientCount(), 1);
    QCOMPARE(page()->model()->rowCount(), 1);
    QCOMPARE(page()->currentClient(), page()->model()->clientId(0));
    QVERIFY(m_told.isEmpty());
    // The same person again is told, not doubled.
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(page()->book()->clientCount(), 1);
    QCOMPARE(m_told.size(), 1);
    QVERIFY(m_told.at(0).contains(QLatin1String("already in the book")));
}

void TestClientsPage::deleteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("left");
    QTest::newRow("yes") << 0 << 3;
    QTest::newRow("no") << -1 << 4;
}

void TestClientsPage::deleteAsksFirst()
{
    QFETCH(int, answer);
    m_answer = answer;
    m_window->show();
    fillBook();
    page()->selectClient(page()->model()->clientId(0));
    QTest::mouseClick(child<QPushButton>(page(), "clientsDelete"), Qt::LeftButton);
    QCOMPARE(m_asked.size(), 1);
    QVERIFY(m_asked.at(0).contains(QLatin1String("Anna Jones")));
    QTEST(page()->book()->clientCount(), "left");
    QTEST(page()->model()->rowCount(), "left");
}

void TestClientsPage::notesAndConsultationsBesideTheTable()
{
    m_window->show();
    fillBook();
    const qint64 id = page()->model()->clientId(1);
    page()->selectClient(id);
    QTest::keyClicks(child<QPlainTextEdit>(page(), "clientNoteText"), QStringLiteral("asked about a move"));
    QPushButton *addNote = nullptr;
    for (QPushButton *button : page()->findChildren<QPushButton *>()) {
        if (button->text() == QLatin1String("Add Note"))
            addNote = button;
    }
    QVERIFY(addNote && addNote->isEnabled());
    QTest::mouseClick(addNote, Qt::LeftButton);
    QCOMPARE(page()->book()->notes(id).value(0).text, QStringLiteral("asked about a move"));
    QCOMPARE(child<QListWidget>(page(), "clientNotes")->count(), 1);

    page()->addConsultation(QDate(2026, 4, 2), QStringLiteral("career"), QString());
    QCOMPARE(page()->book()->consultations(id).size(), 1);
    QCOMPARE(child<QListWidget>(page(), "clientConsultations")->count(), 1);
    // The table's last column shows it, dated as the rest of the window
    // dates (month first unless the options say day first).
    const int row = page()->model()->rowOfClient(id);
    const QModelIndex last = page()->model()->index(row, int(ClientColumn::LastConsultation));
    ClientRecord record;
    QVERIFY(page()->book()->client(id, record));
    const QDate born = record.person.birthDate;
    QCOMPARE(last.data().toString(), QStringLiteral("04/02/2026"));
    QVERIFY(child<QLabel>(page(), "clientLabel")->text().contains(born.toString(QStringLiteral("MM/dd/yyyy"))));
    page()->setDateFormat(QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(last.data().toString(), QStringLiteral("02/04/2026"));
    QCOMPARE(page()->model()->index(row, int(ClientColumn::BirthDate)).data().toString(),
             born.toString(QStringLiteral("dd/MM/yyyy")));
    QVERIFY(child<QLabel>(page(), "clientLabel")->text().contains(born.toString(QStringLiteral("dd/MM/yyyy"))));
    QVERIFY(child<QListWidget>(page(), "clientConsultations")->item(0)->text().startsWith(QLatin1String("02/04/2026")));
    // A date typed as the table shows it finds the client.
    child<QLineEdit>(page(), "clientsSearch")->setText(born.toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(page()->model()->rowCount(), 1);
    QCOMPARE(page()->model()->clientId(0), id);
}

void TestClientsPage::unusableBookIsTold()
{
    const QString path = m_dir->filePath(QStringLiteral("not-a-book.sqlite"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("just some text, not a database at all\n").repeated(10));
    file.close();
    page()->setBookPath(path);
    m_window->show();
    page()->showPage();
    QCOMPARE(m_told.size(), 1);
    QVERIFY(m_told.at(0).startsWith(path));
    QVERIFY(m_told.at(0).contains(QLatin1String("not a client book")));
    QCOMPARE(QFileInfo(path).size(), qint64(380));
}

// Export writes the chosen rows, or the whole book when none is chosen, as
// a client list or as one person file per client; a person file already in
// the folder is kept and the new one takes a counter.
void TestClientsPage::exportsTheSelectionOrTheBook_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<bool>("personFiles");
    QTest::addColumn<QStringList>("written"); // files in the folder, or the list's names, sorted

    const QStringList all{"Anna Jones", "John Smith", "Jon Smithe", "Mary Lee"};
    QTest::newRow("list of the book") << QStringList() << false << all;
    QTest::newRow("list of the chosen") << QStringList{"Mary Lee", "John Smith"} << false
                                        << QStringList{"John Smith", "Mary Lee"};
    QTest::newRow("files of the book")
        << QStringList() << true
        << QStringList{"Anna_Jones.num", "John_Smith-2.num", "John_Smith.num", "Jon_Smithe.num", "Mary_Lee.num"};
    QTest::newRow("files of the chosen") << QStringList{"John Smith"} << true
                                         << QStringList{"John_Smith-2.num", "John_Smith.num"};
}

void TestClientsPage::exportsTheSelectionOrTheBook()
{
    QFETCH(QStringList, chosen);
    QFETCH(bool, personFiles);
    QFETCH(QStringList, written);
    m_window->show();
    fillBook();
    QTableView *table = page()->table();
    for (int row = 0; row < page()->model()->rowCount(); ++row) {
        const QModelIndex index = page()->model()->index(row, int(ClientColumn::Name));
        if (chosen.contains(index.data().toString()))
            table->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    const QString folder = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    // A file of the same name that is there before.
    const QString earlier = folder + QStringLiteral("/John_Smith.num");
    {
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept as it was\n");
    }
    if (personFiles) {
        QVERIFY(page()->exportPersonFilesTo(folder));
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), written);
        const PersonFileContent john = readPersonFile(folder + QStringLiteral("/John_Smith-2.num"),
                                                      PersonFileKind::SavedPerson);
        QCOMPARE(int(john.status), int(PersonFileStatus::Ok));
        QCOMPARE(john.persons.value(0).fullName, QStringLiteral("John Smith"));
        QCOMPARE(john.persons.value(0).birthDate, QDate(1990, 5, 17));
        QVERIFY2(m_told.value(0).startsWith(QString::number(written.size() - 1) + QStringLiteral(" person file")),
                 qPrintable(m_told.value(0)));
    } else {
        const QString list = m_dir->filePath(QStringLiteral("clients.csv"));
        QVERIFY(page()->exportCsvTo(list));
        QFile file(list);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList names;
        for (const QByteArray &line : file.readAll().split('\n').mid(1)) {
            if (!line.isEmpty())
                names << QString::fromUtf8(line.left(line.indexOf(',')));
        }
        names.sort();
        QCOMPARE(names, written);
        QVERIFY(m_told.isEmpty());
    }
    QFile file(earlier);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("kept as it was\n"));
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    TestClientsPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_clientspage.moc"
