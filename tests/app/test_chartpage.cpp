// The chart page: the chooser with the shipped and the user's own templates
// marked apart, the choice kept across reloads, Delete (own templates only,
// only after "Yes"), and the board - the person's picture drawn lazily and
// afresh after every change, the note when there is nothing to draw.

#include "app/pages/chartpage.h"
#include "app/pages/painterboard.h"
#include "charts/chartdocument.h"
#include "charts/chartelements.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/messagereporter.h"
#include "files/checkedfilewriter.h"
#include "files/personinput.h"

#include <QComboBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct RecordingReporter : CMessageReporter
{
    QStringList messages;
    void critical(const QString &title, const QString &text) override
    {
        messages.append(title + ": " + text);
    }
};

// A template of one page in one colour, with the person's full name on it.
QByteArray templateBytes(const QColor &colour, const QSizeF &size = QSizeF(400, 300))
{
    ChartDocument document;
    ChartPage *page = document.firstPage();
    page->size = size;
    page->backgroundMode = BACKGROUND_COLOUR;
    page->backgroundColour = colour;
    auto name = std::make_unique<ChartItem>();
    name->type = ITEM_TEXT_FIELD;
    name->fieldFlag = true;
    name->code = QStringLiteral("#full_name");
    name->size = QSizeF(size.width() - 20, 60);
    name->font.setPixelSize(40);
    page->addItem(makeElement(std::move(name), QPointF(10, 10)));
    return document.toBytes();
}

// The shipped templates the build made beside the test.
QString builtTemplate(const QString &name)
{
    return QCoreApplication::applicationDirPath() + "/images/templates/" + name + ".snc";
}

// One person's engines, calculated as the window does.
struct Person
{
    CNumerology chart;
    CNumerologyPMatrix square;
    Person(const QString &fullName, const QDate &birth)
    {
        PersonInput input;
        input.fullName = fullName;
        input.birthDate = birth;
        input.forecastDate = QDate(2024, 6, 21);
        input = cleanedInput(input);
        chart.CalcNumerology(personRecord(input));
        square.CalcPsychomatrix(input.fullName, input.birthDate);
    }
    ChartDataContext data() const
    {
        ChartDataContext context;
        context.person = &chart;
        context.personMatrix = &square;
        context.printDate = QDate(2024, 6, 21);
        return context;
    }
};

} // namespace

class TestChartPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void chooserLists_data();
    void chooserLists();
    void choiceKeptAcrossReloads();
    void deleteOwnTemplate_data();
    void deleteOwnTemplate();
    void failedDeleteIsShown();

    void boardDrawsThePerson();
    void boardShowsTheChosenTemplate();
    void nothingToDraw_data();
    void nothingToDraw();
    void hiddenBoardWaits();
    void resizeDrawsForTheNewSize();
    void exportPictureSize();

private:
    // Writes templates named names into folder.
    void addTemplates(const QString &folder, const QStringList &names, const QColor &colour = Qt::green);
    // Each entry of the chooser: "name (shipped)", "name (own)", "[heading]" or "--".
    QStringList describeChooser();
    bool choose(const QString &name);

    QTemporaryDir m_dir;
    QString m_shipped;
    QString m_own;
    QWidget *m_frame = nullptr;
    CChartPage *m_page = nullptr;
    QStringList m_asked;
    int m_answer = -1;
    RecordingReporter m_reporter;
};

void TestChartPage::init()
{
    QVERIFY(m_dir.isValid());
    static int run = 0;
    ++run;
    m_shipped = m_dir.filePath(QString("shipped%1").arg(run));
    m_own = m_dir.filePath(QString("own%1").arg(run));
    QVERIFY(QDir().mkpath(m_shipped));
    QVERIFY(QDir().mkpath(m_own));
    m_frame = new QWidget;
    m_frame->resize(800, 600);
    m_page = new CChartPage(m_frame, nullptr, m_shipped, m_own);
    m_page->setAsker([this](const QString &title, const QString &text) {
        m_asked << title + ": " + text;
        return m_answer;
    });
    m_asked.clear();
    m_answer = -1;
    setMessageReporter(&m_reporter);
    m_reporter.messages.clear();
}

void TestChartPage::cleanup()
{
    delete m_frame;
    m_frame = nullptr;
    setMessageReporter(nullptr);
}

void TestChartPage::addTemplates(const QString &folder, const QStringList &names, const QColor &colour)
{
    for (const QString &name : names)
        QVERIFY(writeFileChecked(folder + "/" + name + ".snc", templateBytes(colour)));
}

QStringList TestChartPage::describeChooser()
{
    QComboBox *chooser = m_page->chooser();
    QStringList entries;
    for (int i = 0; i < chooser->count(); ++i) {
        const QString path = chooser->itemData(i).toString();
        if (chooser->itemData(i, Qt::AccessibleDescriptionRole).toString() == "separator") {
            entries << "--";
        } else if (path.isEmpty()) {
            // A heading cannot be chosen: the choice stays where it was.
            const QString before = m_page->currentTemplateFile();
            chooser->setCurrentIndex(i);
            entries << "[" + chooser->itemText(i) + "]";
            if (m_page->currentTemplateFile() != before)
                entries << "heading chosen!";
        } else {
            chooser->setCurrentIndex(i);
            const bool own = m_page->currentIsUserTemplate();
            entries << chooser->itemText(i) + (own ? " (own)" : " (shipped)");
            if (m_page->currentTemplateFile() != path || m_page->deleteButton()->isEnabled() != own)
                entries << "wrong path or Delete button!";
        }
    }
    return entries;
}

bool TestChartPage::choose(const QString &name)
{
    const int index = m_page->chooser()->findText(name);
    m_page->chooser()->setCurrentIndex(index);
    return index >= 0 && m_page->currentTemplateName() == name;
}

// --- the chooser ---------------------------------------------------------------------

void TestChartPage::chooserLists_data()
{
    QTest::addColumn<QStringList>("shipped");
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("shipped only, no headings")
        << QStringList{"Beta", "alpha"} << QStringList() << QStringList{"alpha (shipped)", "Beta (shipped)"};
    QTest::newRow("shipped and own under headings")
        << QStringList{"Beta", "alpha"} << QStringList{"mine"}
        << QStringList{"[SHIPPED LAYOUTS]", "alpha (shipped)", "Beta (shipped)", "--",
                       "[MY LAYOUTS]",      "mine (own)"};
    QTest::newRow("own only") << QStringList() << QStringList{"zeta", "Eta"}
                              << QStringList{"[MY LAYOUTS]", "Eta (own)", "zeta (own)"};
    // The same name in both folders is two templates.
    QTest::newRow("same name twice") << QStringList{"Chart"} << QStringList{"Chart"}
                                     << QStringList{"[SHIPPED LAYOUTS]", "Chart (shipped)", "--",
                                                    "[MY LAYOUTS]", "Chart (own)"};
    QTest::newRow("nothing") << QStringList() << QStringList() << QStringList();
}

void TestChartPage::chooserLists()
{
    QFETCH(QStringList, shipped);
    QFETCH(QStringList, own);
    QFETCH(QStringList, listed);
    addTemplates(m_shipped, shipped);
    addTemplates(m_own, own);
    // Other files in the folders are no templates.
    QVERIFY(writeFileChecked(m_own + "/notes.txt", "x"));
    QVERIFY(writeFileChecked(m_shipped + "/old.snc.bak", "x"));
    m_page->reloadTemplates();
    QCOMPARE(describeChooser(), listed);
    if (listed.isEmpty()) {
        QCOMPARE(m_page->currentTemplateFile(), QString());
        QVERIFY(!m_page->deleteButton()->isEnabled());
    }
}

void TestChartPage::choiceKeptAcrossReloads()
{
    addTemplates(m_shipped, {"Alpha", "Beta"});
    m_page->reloadTemplates();
    QCOMPARE(m_page->currentTemplateName(), QString("Alpha")); // the first by default
    QVERIFY(choose("Beta"));

    // A new own template brings the headings; the choice stays.
    addTemplates(m_own, {"Mine"});
    m_page->reloadTemplates();
    QCOMPARE(m_page->currentTemplateName(), QString("Beta"));
    QVERIFY(!m_page->currentIsUserTemplate());

    // The designer names the template it saved.
    m_page->reloadTemplates(m_own + "/Mine.snc");
    QCOMPARE(m_page->currentTemplateName(), QString("Mine"));
    QVERIFY(m_page->currentIsUserTemplate());
    QVERIFY(m_page->deleteButton()->isEnabled());

    // A named template that is not listed leaves the choice alone.
    m_page->reloadTemplates(m_own + "/Gone.snc");
    QCOMPARE(m_page->currentTemplateName(), QString("Mine"));

    // The chosen file went away: the first template is chosen.
    QVERIFY(QFile::remove(m_own + "/Mine.snc"));
    m_page->reloadTemplates();
    QCOMPARE(m_page->currentTemplateName(), QString("Alpha"));
    QCOMPARE(m_page->chooser()->count(), 2); // the headings left with the last own template
}

void TestChartPage::deleteOwnTemplate_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question"); // empty: nothing asked
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("chosenAfter");
    const QString title = "Question: ";
    QTest::newRow("own, yes") << "Second" << 0 << title + "Do you want to remove \"Second\"?" << true
                              << "Third";
    QTest::newRow("own, no") << "Second" << -1 << title + "Do you want to remove \"Second\"?" << false
                             << "Second";
    QTest::newRow("the last own, yes: the one before")
        << "Third" << 0 << title + "Do you want to remove \"Third\"?" << true << "Second";
    QTest::newRow("shipped: never asked") << "Shipped" << 0 << QString() << false << "Shipped";
}

void TestChartPage::deleteOwnTemplate()
{
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, removed);
    QFETCH(QString, chosenAfter);
    addTemplates(m_shipped, {"Shipped"});
    addTemplates(m_own, {"First", "Second", "Third"});
    m_page->reloadTemplates();
    QVERIFY(choose(chosen));
    const QString path = m_page->currentTemplateFile();
    QCOMPARE(m_page->deleteButton()->isEnabled(), !question.isEmpty());

    m_answer = answer;
    QCOMPARE(m_page->deleteCurrentTemplate(), removed);
    QCOMPARE(m_asked, question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(QFile::exists(path), !removed);
    QCOMPARE(m_page->chooser()->findText(chosen) >= 0, !removed);
    QCOMPARE(m_page->currentTemplateName(), chosenAfter);
    QVERIFY(m_reporter.messages.isEmpty());
}

// A template that cannot be removed stays listed, and the user hears why.
// (A folder in the file's place cannot be unlinked, whoever runs the test.)
void TestChartPage::failedDeleteIsShown()
{
    addTemplates(m_own, {"Locked"});
    m_page->reloadTemplates();
    const QString path = m_own + "/Locked.snc";
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path + "/inside"));
    m_answer = 0;
    QVERIFY(!m_page->deleteCurrentTemplate());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(m_page->currentTemplateName(), QString("Locked"));
    QCOMPARE(m_reporter.messages.size(), 1);
    QVERIFY2(m_reporter.messages.first().startsWith("Error: Cannot remove the layout " + path),
             qPrintable(m_reporter.messages.first()));
}

// --- the board ---------------------------------------------------------------------

// The shipped chart drawn for a person, fitted to the board; another person
// or another template draws afresh.
void TestChartPage::boardDrawsThePerson()
{
    const QString numerology = builtTemplate("Numerology Chart");
    const QString psychomatrix = builtTemplate("Psychomatrix Sheet");
    QVERIFY2(QFile::exists(numerology), qPrintable(numerology));
    QVERIFY(QFile::copy(numerology, m_shipped + "/Numerology Chart.snc"));
    QVERIFY(QFile::copy(psychomatrix, m_shipped + "/Psychomatrix Sheet.snc"));
    m_page->reloadTemplates();
    QVERIFY(choose("Numerology Chart"));

    const Person john("John Quincy Smith", QDate(1990, 5, 17));
    const Person mary("Mary Ann Jones", QDate(1985, 11, 29));
    CPainterBoard *board = m_page->board();
    board->resize(412, 612);
    m_page->setChartData(john.data());
    board->renderIfStale();
    const QImage johnPicture = board->picture();
    // A4 (840 x 1188 units) fitted into 400 x 600 (the board less its margin).
    QCOMPARE(johnPicture.size(), QSize(400, 565));
    QCOMPARE(board->note(), QString());

    m_page->setChartData(mary.data());
    QVERIFY(board->isStale());
    board->renderIfStale();
    QCOMPARE(board->picture().size(), johnPicture.size());
    QVERIFY2(board->picture() != johnPicture, "Mary's chart is John's");
    // The same person again draws the same picture.
    m_page->setChartData(john.data());
    board->renderIfStale();
    QVERIFY(board->picture() == johnPicture);

    QVERIFY(choose("Psychomatrix Sheet"));
    QVERIFY(board->isStale());
    board->renderIfStale();
    QVERIFY2(board->picture() != johnPicture, "the template change was not drawn");
}

// What the screen shows: the chosen template's page, centred, edged.
void TestChartPage::boardShowsTheChosenTemplate()
{
    addTemplates(m_own, {"Green"}, QColor(0, 200, 0));
    addTemplates(m_own, {"Red"}, QColor(200, 0, 0));
    m_page->reloadTemplates();
    QVERIFY(choose("Red"));
    const Person john("John Quincy Smith", QDate(1990, 5, 17));
    m_page->setChartData(john.data());
    CPainterBoard *board = m_page->board();
    board->resize(512, 312);
    board->setColours(Qt::yellow, Qt::cyan, Qt::magenta);
    QImage shown = board->grab().toImage();
    // The 400 x 300 page fits 500 x 300 as 400 x 300, centred in the board.
    QCOMPARE(shown.pixelColor(256, 290), QColor(200, 0, 0));
    QCOMPARE(shown.pixelColor(56, 290), QColor(200, 0, 0));
    QCOMPARE(shown.pixelColor(455, 290), QColor(200, 0, 0));
    QCOMPARE(shown.pixelColor(54, 290), QColor(Qt::magenta)); // the edge
    QVERIFY(shown.pixelColor(20, 150) != QColor(200, 0, 0));  // outside the page

    QVERIFY(choose("Green"));
    shown = board->grab().toImage();
    QCOMPARE(shown.pixelColor(256, 290), QColor(0, 200, 0));
}

void TestChartPage::nothingToDraw_data()
{
    QTest::addColumn<bool>("withTemplate");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("withPerson");
    QTest::addColumn<QString>("headline");
    QTest::newRow("no person") << true << false << false << "Nothing to draw yet";
    QTest::newRow("no template") << false << false << true << "No chart layouts found";
    QTest::newRow("no template, no person") << false << false << false << "No chart layouts found";
    QTest::newRow("damaged template") << true << true << true << "This layout cannot be drawn";
}

void TestChartPage::nothingToDraw()
{
    QFETCH(bool, withTemplate);
    QFETCH(bool, damaged);
    QFETCH(bool, withPerson);
    QFETCH(QString, headline);
    if (withTemplate)
        QVERIFY(writeFileChecked(m_own + "/Chart.snc", templateBytes(Qt::green).left(damaged ? 100 : -1)));
    m_page->reloadTemplates();
    const Person john("John Quincy Smith", QDate(1990, 5, 17));
    m_page->setChartData(withPerson ? john.data() : ChartDataContext());
    CPainterBoard *board = m_page->board();
    board->resize(500, 400);
    board->setColours(QColor(255, 0, 0), QColor(0, 0, 255), Qt::magenta);
    const QImage shown = board->grab().toImage();
    QVERIFY(board->picture().isNull());
    QCOMPARE(board->note().section('\n', 0, 0), headline);
    QVERIFY(!board->note().section('\n', 1).isEmpty()); // and what to do about it
    if (damaged)
        QVERIFY2(board->note().contains("Chart: "), qPrintable(board->note()));
    QVERIFY(m_page->exportPicture().isNull());

    // The note is drawn in the skin's colours: the headline above the text.
    int headlineTop = -1;
    int textTop = -1;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c == QColor(255, 0, 0) && headlineTop < 0)
                headlineTop = y;
            if (c == QColor(0, 0, 255) && textTop < 0)
                textTop = y;
        }
    }
    QVERIFY2(headlineTop >= 0 && textTop > headlineTop,
             qPrintable(QString("%1 %2").arg(headlineTop).arg(textTop)));
}

// A board that is not on screen draws nothing until it is shown.
void TestChartPage::hiddenBoardWaits()
{
    addTemplates(m_own, {"Chart"});
    m_page->reloadTemplates();
    m_page->board()->resize(300, 300);
    const Person john("John Quincy Smith", QDate(1990, 5, 17));
    m_page->setChartData(john.data());
    QTest::qWait(50);
    QVERIFY(m_page->board()->isStale());
    QVERIFY(m_page->board()->picture().isNull());

    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QTRY_VERIFY(!m_page->board()->isStale());
    QVERIFY(!m_page->board()->picture().isNull());
}

// A board on screen keeps its picture while it is being resized, and then
// draws one for the new size.
void TestChartPage::resizeDrawsForTheNewSize()
{
    addTemplates(m_own, {"Chart"}); // 400 x 300 units: 299 x 224 pixels
    m_page->reloadTemplates();
    const Person john("John Quincy Smith", QDate(1990, 5, 17));
    m_page->setChartData(john.data());
    CPainterBoard *board = m_page->board();
    board->resize(312, 612);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QTRY_COMPARE(board->picture().size(), QSize(300, 224));

    board->resize(612, 412);
    QCOMPARE(board->picture().size(), QSize(300, 224)); // not yet
    QTRY_COMPARE(board->picture().size(), QSize(533, 400));
}

// Save Report and the PDF take the page at four times its pixels.
void TestChartPage::exportPictureSize()
{
    QVERIFY(QFile::copy(builtTemplate("Numerology Chart"), m_shipped + "/Numerology Chart.snc"));
    m_page->reloadTemplates();
    QVERIFY(m_page->exportPicture().isNull()); // no person yet
    const Person john("John Quincy Smith", QDate(1990, 5, 17));
    m_page->setChartData(john.data());
    // 840 / 1.334 = 629 and 1188 / 1.334 = 890 pixels, times four.
    QCOMPARE(m_page->exportPicture().size(), QSize(2516, 3560));
}

QTEST_MAIN(TestChartPage)
#include "test_chartpage.moc"
