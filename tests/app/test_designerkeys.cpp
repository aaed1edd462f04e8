// The designer alone ("sorvel --designer FILE") driven only by the
// keyboard, as a user would: the page editor has the keys when the window
// opens, the deletion is confirmed with Return in the skinned question the
// program installs, and Ctrl+S writes the file that was given.

#include "app/cskinmanager.h"
#include "app/dialogs/cinfodlg.h"
#include "charts/chartediting.h"
#include "charts/chartelements.h"
#include "charts/charttemplates.h"
#include "designer/creportcreator.h"
#include "designer/creportpe.h"
#include "designer/designeralone.h"
#include "designer/designerquestion.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A page of three elements: a chart, a free text and a barcode.
ChartDocument threeElements()
{
    ChartDocument document;
    document.title = QStringLiteral("Keys");
    ChartPage *page = document.firstPage();
    page->addItem(makeElement(makeFieldContent(QStringLiteral("Main Features")), QPointF(20, 30)));
    page->addItem(makeElement(makeFieldContent(QStringLiteral("Text")), QPointF(300, 40)));
    page->addItem(makeElement(makeFieldContent(QStringLiteral("Bar Codes")), QPointF(400, 300)));
    return document;
}

// The file's bytes less its thumbnail, which every save draws afresh.
QByteArray withoutThumbnail(const ChartDocument &document)
{
    ChartDocument copy = copyDocument(document);
    if (ChartPage *first = copy.firstPage())
        first->thumbnail = QImage();
    return copy.toBytes();
}

// One key the way a user presses it: to whatever has the keyboard, in the
// question while one is open, else in the designer (the offscreen platform
// does not always hand the keyboard back when a question closes, as a
// desktop does).
void press(const QKeySequence &keys, QWidget *designer)
{
    const int code = keys[0];
    QWidget *window = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : designer;
    // Its window shortcuts (Ctrl+S) work in the active window.
    if (QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
    QWidget *target = QApplication::focusWidget() && QApplication::focusWidget()->window() == window
                          ? QApplication::focusWidget()
                      : window->focusWidget() ? window->focusWidget()
                                              : window;
    QTest::keyClick(target, Qt::Key(code & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(code & Qt::KeyboardModifierMask));
}

} // namespace

class TestDesignerKeys : public QObject
{
    Q_OBJECT
private slots:
    void keyboardAlone_data();
    void keyboardAlone();
};

void TestDesignerKeys::keyboardAlone_data()
{
    QTest::addColumn<QStringList>("keys"); // "Return" answers the question the key before asked
    QTest::addColumn<int>("elements");     // on the saved page
    QTest::addColumn<bool>("asWasOpened"); // the saved page is the opened one
    QTest::newRow("select all, copy, paste, save: twice the elements")
        << QStringList{"Ctrl+A", "Ctrl+C", "Ctrl+V", "Ctrl+S"} << 6 << false;
    QTest::newRow("select all, delete, confirm, save: an empty page")
        << QStringList{"Ctrl+A", "Del", "Return", "Ctrl+S"} << 0 << false;
    QTest::newRow("the same with an undo before saving: the page as it was")
        << QStringList{"Ctrl+A", "Del", "Return", "Ctrl+Z", "Ctrl+S"} << 3 << true;
    QTest::newRow("paste, undo, redo: pasted again")
        << QStringList{"Ctrl+A", "Ctrl+C", "Ctrl+V", "Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+S"} << 6 << false;
}

void TestDesignerKeys::keyboardAlone()
{
    QFETCH(QStringList, keys);
    QFETCH(int, elements);
    QFETCH(bool, asWasOpened);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("keys.snc"));
    ChartDocument opened = threeElements();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(opened.toBytes());
    }
    const CSkinManager skin(QString{});
    useSkinnedDesignerQuestions(&skin);
    const DesignerSample sample;
    std::unique_ptr<CReportCreatorWin> window = makeDesignerAlone(path, sample.data());
    QVERIFY(window);
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->creator()->editor()));

    int answered = 0;
    for (int i = 0; i < keys.size(); ++i) {
        if (keys.at(i) == QLatin1String("Return"))
            continue;
        // The next key answers the question this one asks, once it shows.
        if (i + 1 < keys.size() && keys.at(i + 1) == QLatin1String("Return")) {
            QTimer::singleShot(0, [&answered, &window] {
                QWidget *question = QApplication::activeModalWidget();
                QVERIFY(qobject_cast<CInfoDlgWin *>(question));
                // "Yes" is the question's default button, so Return answers it.
                const auto *yes = question->findChild<QPushButton *>(QStringLiteral("okButton"));
                if (!yes || !yes->isDefault())
                    question->close(); // the run goes on, the check below fails
                press(QKeySequence(Qt::Key_Return), window.get());
                ++answered;
            });
        }
        press(QKeySequence(keys.at(i)), window.get());
    }
    QCOMPARE(answered, int(keys.count(QStringLiteral("Return"))));

    ChartTemplateRead saved = readChartTemplate(path);
    QCOMPARE(saved.status, ChartTemplateRead::Ok);
    // Saved: the file written at first has no thumbnail, a save draws one
    // into it, so even the page as it was makes other bytes.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() != opened.toBytes());
    QCOMPARE(int(saved.document.firstPage()->items.size()), elements);
    if (asWasOpened)
        QCOMPARE(withoutThumbnail(saved.document), withoutThumbnail(opened));
    QVERIFY(!window->creator()->isModified());
    setDesignerQuestion({});
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestDesignerKeys test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_designerkeys.moc"
