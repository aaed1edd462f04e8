// The main window as a whole: pages, the input overlay, the calculation
// driver, the today panel and the recent list. Runs offscreen with the
// report views alive.

#include "softwarerendering.h"
#include "app/cglowbutton.h"
#include "app/cinputoverlay.h"
#include "app/cdateedit.h"
#include "app/appfolders.h"
#include "app/calculationdriver.h"
#include "app/cskinmanager.h"
#include "app/csorvel.h"
#include "app/reportexporter.h"
#include "app/dialogs/cinfodlg.h"
#include "designer/designerquestion.h"
#include "nostartuptimer.h"
#include "app/myqwebengineview.h"
#include "app/openlink.h"
#include "app/personfiles.h"
#include "app/reportviews.h"
#include "app/windowlayout.h"
#include "files/configfile.h"
#include "files/datafolder.h"
#include "files/personfile.h"
#include "engine/cnumerology.h"
#include "engine/messagereporter.h"
#include "panels/cexpandwidget.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QBuffer>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
struct SilentReporter : CMessageReporter
{
    QStringList messages;
    QStringList notes; // information boxes
    void critical(const QString &, const QString &text) override { messages.append(text); }
    void information(const QString &, const QString &text) override { notes.append(text); }
};

// Answers the next file dialog as a user would: notes the file name it
// proposes, types path into it and accepts.
struct FileDialogAnswer
{
    QString proposed;
    bool answered = false;
};
void answerFileDialog(const QString &path, FileDialogAnswer *answer)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, path, answer] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            answer->proposed = name->text();
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own accept, as the Save button does
        answer->answered = true;
    });
    timer->start();
}
} // namespace

class TestCSorvel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnTheNumerologyPage();
    void pageButtonsSwitchPages();
    void pagesIgnoredWhileTheOverlayIsOpen();
    void nameButtonGlowRests();
    void pagesFitTheWindow_data();
    void pagesFitTheWindow();
    void everyPageButtonShows_data();
    void everyPageButtonShows();
    void designerAsksInTheSkinnedQuestion();
    void guidePageHasBack();
    void typingFillsTheOverlayPanels();
    void clickingALetterSwapsItsMark();
    void optionChangeDiscardsHandMarks();
    void nameChangeDiscardsHandMarks();
    void calculationFillsPanelsAndRecentList();
    void cleanedNamesAndDerivedShortName();
    void sameInputTwiceKeepsOneRecentEntry();
    void refusedNameKeepsEverything_data();
    void refusedNameKeepsEverything();
    void emptyPagesSayWhatToDo();
    void reportViewsAreMadeWhenFirstShown();
    void forecastSwitchesToTheYearAhead();
    void todayPanel();
    void todayPanelWaitsForACalculation();
    void resetButtons();
    void recentListSurvivesARestart();
    void recentListIsKeptAsSoonAsItChanges();
    void nineCalculationsLeaveEightButtons();
    void settingsAreReadAtStartUp();
    void fifosInTheDataFolderNeverBlock();
    void savedFileGetsTheSuffix();
    void reopenedFileBringsThePetBack_data();
    void reopenedFileBringsThePetBack();
    void enterInANameFieldApplies();
    void emptyPartnerShowsNoNumbers();
    void impossibleBirthDateIsNamed();
    void linksWithoutAProgramGiveTheAddress();
    void petWithoutANameSaysSo();

private:
    void startUp(bool skipGuide = true);
    int visibleRecentButtons() const;
    void typePerson(const QString &full, const QDate &birth, const QString &shortName = QString());
    template <typename T>
    T *overlayChild(const char *name) const
    {
        T *child = m_window->inputOverlay()->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("the input overlay has no %s", name);
        return child;
    }

    CSorvel *m_window = nullptr;
    SilentReporter m_reporter;
};

void TestCSorvel::init()
{
    m_window = new CSorvel;
    m_window->resize(1100, 700);
    QVERIFY(stopStartUpTimer(m_window));
    setMessageReporter(&m_reporter); // after the window installed its own
    m_reporter.messages.clear();
}

// The deferred start-up, run at once, with the start-up guide switched off
// so that no modal dialog waits.
void TestCSorvel::startUp(bool skipGuide)
{
    AppConfig config = loadConfig(configFilePath(), previousConfigFilePath());
    config.skipGuideDialog = skipGuide;
    config.lastUpdateCheck = QDateTime::currentDateTime(); // no query leaves the test
    QVERIFY(saveConfig(configFilePath(), config));
    m_window->OnFinishedSU();
}

int TestCSorvel::visibleRecentButtons() const
{
    int visible = 0;
    for (QPushButton *button : m_window->inputOverlay()->findChildren<QPushButton *>(QStringLiteral("recentButton")))
        visible += button->isVisibleTo(m_window->inputOverlay());
    return visible;
}

void TestCSorvel::cleanup()
{
    delete m_window;
    m_window = nullptr;
    setMessageReporter(nullptr);
}

void TestCSorvel::typePerson(const QString &full, const QDate &birth, const QString &shortName)
{
    overlayChild<QDateEdit>("birthDate")->setDate(birth);
    overlayChild<QLineEdit>("fullName")->setText(full);
    overlayChild<QLineEdit>("shortName")->setText(shortName);
}

void TestCSorvel::startsOnTheNumerologyPage()
{
    QCOMPARE(m_window->currentPage(), 0);
    QVERIFY(!m_window->inputShown());
    QCOMPARE(m_window->nameButtonText(), QStringLiteral("ENTER YOUR NAME"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Sorvel Numerology 7"));
}

void TestCSorvel::pageButtonsSwitchPages()
{
    const QList<QPushButton *> buttons = m_window->findChildren<QPushButton *>(QStringLiteral("moduleButton"));
    QCOMPARE(buttons.size(), 9);
    // Captions top to bottom, with the pages they open.
    const QList<QPair<QString, int>> expected = {{"Numerology", 0}, {"Psycho Matrix", 1}, {"Forecast", 7},
                                                 {"Love\nCompatibility", 2}, {"Celebrities", 3}, {"Pet", 4},
                                                 {"Graphic\nChart", 5}, {"Name\nAdvisor", 6}, {"Guide", 8}};
    QList<QPushButton *> byY = buttons;
    std::sort(byY.begin(), byY.end(), [](QPushButton *a, QPushButton *b) { return a->y() < b->y(); });
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(byY.at(i)->text(), expected.at(i).first);
        byY.at(i)->click();
        QCOMPARE(m_window->currentPage(), expected.at(i).second);
    }
    // Forecast and Numerology share the numerology report view.
    QCOMPARE(m_window->pageReportView(7), m_window->pageReportView(0));
}

void TestCSorvel::pagesFitTheWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("button");
    const QSize sizes[] = {{1015, 570}, {1100, 700}, {1440, 900}, {1920, 1080}};
    const char *buttons[] = {"Numerology", "Psycho Matrix", "Forecast", "Love\nCompatibility", "Celebrities",
                             "Pet", "Graphic\nChart", "Name\nAdvisor", "Guide"};
    for (const QSize &size : sizes)
        for (const char *button : buttons)
            QTest::addRow("%dx%d %s", size.width(), size.height(), QByteArray(button).replace('\n', ' ').constData())
                << size << QString::fromLatin1(button);
}

// At rest, whatever a page shows lies inside the window, and nothing covers
// the report or another panel: not the name button, not the left column,
// not the bottom band.
void TestCSorvel::pagesFitTheWindow()
{
    QFETCH(QSize, size);
    QFETCH(QString, button);
    startUp(true);
    m_window->resize(size);
    for (QPushButton *module : m_window->findChildren<QPushButton *>(QStringLiteral("moduleButton")))
        if (module->text() == button)
            module->click();
    m_window->finishSliding();

    QWidget *central = m_window->centralWidget();
    const QRect window(QPoint(), size); // the central widget fills the window
    QWidget *view = m_window->pageReportView(m_window->currentPage());
    QVector<QPair<QString, QRect>> shown;
    if (view)
        shown.append({QStringLiteral("report"), QRect(view->mapTo(central, QPoint()), view->size())});
    const auto describe = [](const QPair<QString, QRect> &item) {
        const QRect &r = item.second;
        return QStringLiteral("%1 (%2,%3 %4x%5)").arg(item.first).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    for (QWidget *child : central->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        // The report frame only holds the views; the page's own view stands for it.
        if (child->isHidden() || child == m_window->inputOverlay() || child->objectName() == "reportFrame")
            continue;
        if (!child->geometry().intersects(window))
            continue; // parked for another page
        const QString name = child->objectName().isEmpty() ? QString::fromLatin1(child->metaObject()->className())
                                                           : child->objectName();
        shown.append({name, child->geometry()});
        QVERIFY2(window.contains(child->geometry()), qPrintable(describe(shown.last()) + " is cut off"));
    }
    // The day text drawer slides out from behind the Today panel.
    const auto drawerAndToday = [](const QString &a, const QString &b) {
        return QSet<QString>{a, b} == QSet<QString>{QStringLiteral("CExpandWidget"), QStringLiteral("CInfoTodayWidget")};
    };
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            if (!drawerAndToday(shown[i].first, shown[j].first))
                QVERIFY2(!shown[i].second.intersects(shown[j].second),
                         qPrintable(describe(shown[i]) + " overlaps " + describe(shown[j])));
}

void TestCSorvel::everyPageButtonShows_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("buttonHeight");
    QTest::newRow("1024x700") << QSize(1024, 700) << 60;
    QTest::newRow("1100x700, the first size") << QSize(1100, 700) << 60;
    QTest::newRow("1440x900") << QSize(1440, 900) << 80;
}

// All nine page buttons lie in the column's visible part, not below it.
void TestCSorvel::everyPageButtonShows()
{
    QFETCH(QSize, size);
    QFETCH(int, buttonHeight);
    m_window->resize(size);
    m_window->finishSliding(); // lays the hidden window out
    auto *scroll = m_window->findChild<QScrollArea *>(QStringLiteral("moduleScroll"));
    QVERIFY(scroll);
    // The column starts at the scroll area's top (it has no frame).
    const QRect visible(0, 0, 170, scroll->height());
    const QList<QPushButton *> buttons = m_window->findChildren<QPushButton *>(QStringLiteral("moduleButton"));
    QCOMPARE(buttons.size(), 9);
    for (QPushButton *button : buttons) {
        QCOMPARE(button->height(), buttonHeight);
        QVERIFY2(visible.contains(button->geometry()), qPrintable(button->text()));
    }
    // The selection mark covers the current page's button.
    auto *mark = m_window->findChild<QLabel *>(QStringLiteral("selectionMark"));
    QVERIFY(mark);
    QTRY_COMPARE(mark->height(), buttonHeight);
}

// The designer's questions come in the window's skinned dialog, with "No"
// left of "Yes" as the window's own.
void TestCSorvel::designerAsksInTheSkinnedQuestion()
{
    for (const bool yes : {true, false}) {
        QTimer::singleShot(0, [yes] {
            auto *question = qobject_cast<CInfoDlgWin *>(QApplication::activeModalWidget());
            QVERIFY(question);
            CInfoDlg *content = question->content();
            QCOMPARE(content->okButton()->text(), QStringLiteral("Yes"));
            QVERIFY(content->cancelButton()->x() < content->okButton()->x());
            (yes ? content->okButton() : content->cancelButton())->click();
        });
        QCOMPARE(askDesignerQuestion(m_window, QStringLiteral("Question"), QStringLiteral("Delete?")), yes);
    }
}

// The Guide page's "Back" shows with the guide only and takes a followed
// link back.
void TestCSorvel::guidePageHasBack()
{
    auto *back = m_window->findChild<QPushButton *>(QStringLiteral("guideBack"));
    QVERIFY(back);
    QVERIFY(back->isHidden());
    m_window->OnCtrlButGuide();
    QVERIFY(!back->isHidden());
    QVERIFY(!back->isEnabled());

    QTemporaryDir folder;
    const auto write = [&](const QString &name) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<p>" + name.toUtf8() + "</p>");
    };
    write(QStringLiteral("a.html"));
    write(QStringLiteral("b.html"));
    auto *view = qobject_cast<QWebEngineView *>(m_window->pageReportView(8));
    QVERIFY(view);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    view->load(QUrl::fromLocalFile(folder.filePath(QStringLiteral("a.html"))));
    QVERIFY(loaded.wait(60000));
    view->load(QUrl::fromLocalFile(folder.filePath(QStringLiteral("b.html"))));
    QVERIFY(loaded.wait(60000));
    QTRY_VERIFY(back->isEnabled());
    back->click();
    QTRY_COMPARE(view->url(), QUrl::fromLocalFile(folder.filePath(QStringLiteral("a.html"))));

    m_window->OnCtrlButNumer();
    QVERIFY(back->isHidden());
}

// The name button glows for half a minute (thirty one-second halves), then
// rests; closing the input without a name lights it again. The glow is
// painted: the button keeps its sheet at every step, and lights up.
void TestCSorvel::nameButtonGlowRests()
{
    QVERIFY(m_window->nameButtonGlows());
    auto *button = m_window->findChild<CGlowButton *>(QStringLiteral("nameButton"));
    QVERIFY(button);
    const QString sheet = m_window->skinManager()->styleSheetForKind(CSkinManager::KIND_NAME_BUTTON);
    const auto background = [button] {
        return button->grab().toImage().pixelColor(8, button->height() / 2).value();
    };
    m_window->OnPersButAnim(0);
    const int dark = background();
    m_window->OnPersButAnim(20);
    QCOMPARE(button->glowLevel(), 1.0);
    QCOMPARE(button->styleSheet(), sheet);
    QVERIFY2(background() >= dark + 15, qPrintable(QStringLiteral("%1 -> %2").arg(dark).arg(background())));
    for (int half = 1; half < 30; ++half)
        m_window->OnPersButAnimFinish();
    QVERIFY(m_window->nameButtonGlows());
    m_window->OnPersButAnimFinish();
    QVERIFY(!m_window->nameButtonGlows());
    QCOMPARE(button->glowLevel(), 0.0);
    QCOMPARE(background(), dark);
    QCOMPARE(button->styleSheet(), sheet);
    m_window->OnNameSel();
    m_window->OnNameSel();
    QVERIFY(m_window->nameButtonGlows());
}

void TestCSorvel::pagesIgnoredWhileTheOverlayIsOpen()
{
    m_window->OnNameSel();
    QVERIFY(m_window->inputShown());
    QCOMPARE(m_window->nameButtonText(), QStringLiteral("APPLY"));
    m_window->OnCtrlButPMatr();
    QCOMPARE(m_window->currentPage(), 0);
    m_window->OnNameSel();
    QVERIFY(!m_window->inputShown());
    m_window->OnCtrlButPMatr();
    QCOMPARE(m_window->currentPage(), 1);
}

void TestCSorvel::typingFillsTheOverlayPanels()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    QCOMPARE(overlayChild<CInfoWidget>("numbers")->values().value(0), QStringLiteral("8+5+1/19=14=5"));
    QCOMPARE(overlayChild<CInfoWidget>("numbers")->values().value(2), QStringLiteral("8 (8)"));
    QCOMPARE(overlayChild<CInfoWidget>("numbers")->values().value(5), QStringLiteral("3,7"));
    QCOMPARE(overlayChild<CInfoNameWidget>("namePanel")->captions().value(1), QStringLiteral("John Smith"));
    QCOMPARE(overlayChild<CInfoNameWidget>("namePanel")->values().value(1), QStringLiteral("=2/20+6/24=8"));
    // Marks follow the engine: J consonant, O vowel, the space neither.
    QCOMPARE(m_window->personMarks(0), (QVector<int>{2, 1, 2, 2, 0, 2, 2, 1, 2, 2}));
}

void TestCSorvel::clickingALetterSwapsItsMark()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    emit overlayChild<CInfoNameWidget>("namePanel")->symbolCliked(0, 0); // J becomes a vowel
    QCOMPARE(m_window->personMarks(0).value(0), 1);
    // Heart's Desire now counts J: 7 + 9.
    QCOMPARE(overlayChild<CInfoNameWidget>("namePanel")->values().value(0), QStringLiteral("=7+9=16=7"));
    emit overlayChild<CInfoNameWidget>("namePanel")->symbolCliked(0, 4); // the space stays neither
    QCOMPARE(m_window->personMarks(0).value(4), 0);
    emit overlayChild<CInfoNameWidget>("namePanel")->symbolCliked(0, 99); // outside the name: nothing
    QCOMPARE(m_window->personMarks(0).size(), 10);
}

void TestCSorvel::optionChangeDiscardsHandMarks()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    emit overlayChild<CInfoNameWidget>("namePanel")->symbolCliked(0, 0);
    QCOMPARE(m_window->personMarks(0).value(0), 1);
    overlayChild<QComboBox>("vowelMode")->setCurrentIndex(1);
    QCOMPARE(m_window->personMarks(0).value(0), 2);
}

void TestCSorvel::nameChangeDiscardsHandMarks()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    emit overlayChild<CInfoNameWidget>("namePanel")->symbolCliked(0, 0);
    QCOMPARE(m_window->personMarks(0).value(0), 1);
    overlayChild<QLineEdit>("fullName")->setText(QStringLiteral("John Smyth"));
    QCOMPARE(m_window->personMarks(0).value(0), 2);
    // J is a consonant again; the Y of SMYTH sounds as a vowel: 6 + 7.
    QCOMPARE(overlayChild<CInfoNameWidget>("namePanel")->values().value(0), QStringLiteral("=6+7=13=4"));
}

void TestCSorvel::calculationFillsPanelsAndRecentList()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    m_window->OnCalcNum();
    QVERIFY(m_window->calculated());
    const QStringList values = m_window->mainFeaturesPanel()->values();
    QCOMPARE(values.value(0), QStringLiteral("8+5+1/19=14=5"));
    QCOMPARE(values.value(1), QStringLiteral("17 (8)"));
    QCOMPARE(values.value(5), QStringLiteral("14"));
    QCOMPARE(m_window->recentList().size(), 1);
    QCOMPARE(m_window->nameButtonText(), QStringLiteral("John Smith\n05/17/1990"));
}

void TestCSorvel::cleanedNamesAndDerivedShortName()
{
    typePerson(QString::fromUtf8("Jos\xc3\xa9-Mar\xc3\xad""a O'Neil"), QDate(1990, 5, 17));
    m_window->OnCalcNum();
    QCOMPARE(m_window->recentList().first().fullName, QStringLiteral("Jose Maria ONeil"));
    QCOMPARE(m_window->recentList().first().shortName, QStringLiteral("Jose ONeil"));
    QCOMPARE(m_window->personEngine()->result().shortName, QStringLiteral("JOSE ONEIL"));
}

void TestCSorvel::sameInputTwiceKeepsOneRecentEntry()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    m_window->OnCalcNum();
    typePerson(QStringLiteral("Mary Jones"), QDate(1985, 11, 29));
    m_window->OnCalcNum();
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    m_window->OnCalcNum();
    QCOMPARE(m_window->recentList().size(), 2);
    QCOMPARE(m_window->recentList().first().fullName, QStringLiteral("John Smith"));
}

void TestCSorvel::refusedNameKeepsEverything_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString ivan = QString::fromUtf8("\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd");
    const QString ivanLetters = QString::fromUtf8("\xd0\x98, \xd0\xb2, \xd0\xb0, \xd0\xbd");
    QTest::newRow("cyrillic") << ivan
                              << QString("The full name is empty once cleaned: only Latin letters, digits and "
                                         "spaces count. Ignored: " + ivanLetters
                                         + ". Please write the full name in Latin letters (A to Z).");
    QTest::newRow("no vowel") << "Bcd" << "The full name \"Bcd\" has no vowels.";
    QTest::newRow("digits only") << "12345 67890" << "The full name \"12345 67890\" has no vowels.";
}

// A refused name is explained, the fields keep what was typed, and every
// page keeps showing the last person.
void TestCSorvel::refusedNameKeepsEverything()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    QVERIFY(m_window->OnCalcNum());
    const QStringList before = m_window->mainFeaturesPanel()->values();
    const QString report = m_window->reportViews()->document(CReportViews::Numerology);
    const QString matrix = m_window->reportViews()->document(CReportViews::Psychomatrix);
    typePerson(name, QDate(1985, 1, 2));
    QVERIFY(!m_window->OnCalcNum());
    QCOMPARE(m_reporter.messages, QStringList{message});
    QCOMPARE(overlayChild<QLineEdit>("fullName")->text(), name);
    QCOMPARE(overlayChild<QDateEdit>("birthDate")->date(), QDate(1985, 1, 2));
    QVERIFY(m_window->calculated());
    QCOMPARE(m_window->mainFeaturesPanel()->values(), before);
    QCOMPARE(m_window->reportViews()->document(CReportViews::Numerology), report);
    QCOMPARE(m_window->reportViews()->document(CReportViews::Psychomatrix), matrix);
    QCOMPARE(m_window->recentList().size(), 1);
    QCOMPARE(m_window->nameButtonText(), QStringLiteral("John Smith\n05/17/1990"));
}

// Before a report exists its page says what to do; a report replaces the
// hint, and a reset brings it back.
void TestCSorvel::emptyPagesSayWhatToDo()
{
    const CReportViews *views = m_window->reportViews();
    QVERIFY(views->shownHtml(CReportViews::Numerology).contains(QLatin1String("Welcome to Sorvel Numerology")));
    QVERIFY(views->shownHtml(CReportViews::Pet).contains(QLatin1String("CALCULATE")));
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    QVERIFY(m_window->OnCalcNum());
    QVERIFY(!views->shownHtml(CReportViews::Numerology).contains(QLatin1String("Welcome to Sorvel Numerology")));
    QVERIFY(views->shownHtml(CReportViews::Numerology).contains(QLatin1String("title=\"presentation\"")));
    // No partner yet: the compatibility page says how to add one.
    QVERIFY(views->shownHtml(CReportViews::Compatibility).contains(QLatin1String("<b>Partner</b>")));
    m_window->OnResData();
    QVERIFY(views->shownHtml(CReportViews::Numerology).contains(QLatin1String("Welcome to Sorvel Numerology")));
}

// A report view (and its renderer) is made when its page is first shown,
// and it then shows what the page had been given meanwhile.
void TestCSorvel::reportViewsAreMadeWhenFirstShown()
{
    const CReportViews *views = m_window->reportViews();
    QVERIFY(views->view(CReportViews::Numerology));
    for (const auto report :
         {CReportViews::Psychomatrix, CReportViews::Compatibility, CReportViews::Celebrities,
          CReportViews::Pet, CReportViews::Advisor, CReportViews::Guide})
        QVERIFY2(!views->view(report), qPrintable(QString::number(report)));
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    QVERIFY(m_window->OnCalcNum());
    QVERIFY(!views->view(CReportViews::Psychomatrix));
    QCOMPARE(views->view(CReportViews::Numerology)->givenHtml(), views->shownHtml(CReportViews::Numerology));

    m_window->OnCtrlButPMatr();
    m_window->finishSliding();
    const MyQWebEngineView *matrix = views->view(CReportViews::Psychomatrix);
    QVERIFY(matrix);
    QVERIFY(matrix->isVisibleTo(views->frame()));
    QVERIFY(!views->view(CReportViews::Numerology)->isVisibleTo(views->frame()));
    QVERIFY(views->shownHtml(CReportViews::Psychomatrix).contains(QLatin1String("John Smith")));
    QCOMPARE(matrix->givenHtml(), views->shownHtml(CReportViews::Psychomatrix));
    // A view once made follows every later report.
    m_window->OnResData();
    QCOMPARE(matrix->givenHtml(), CReportViews::emptyPage(CReportViews::Psychomatrix));

    // The shown report loads first; a hidden view takes its new page once
    // the shown one has loaded.
    m_window->OnCtrlButNumer();
    m_window->finishSliding();
    typePerson(QStringLiteral("Mary Ann Jones"), QDate(1988, 11, 22));
    QVERIFY(m_window->OnCalcNum());
    const MyQWebEngineView *numerology = views->view(CReportViews::Numerology);
    QCOMPARE(numerology->givenHtml(), views->shownHtml(CReportViews::Numerology));
    QVERIFY(views->shownHtml(CReportViews::Psychomatrix).contains(QLatin1String("Mary Ann Jones")));
    QVERIFY(matrix->givenHtml() != views->shownHtml(CReportViews::Psychomatrix));
    QTRY_COMPARE(matrix->givenHtml(), views->shownHtml(CReportViews::Psychomatrix));
}

// The forecast page's switch: the numerology report by default, the
// year-ahead reading at a click, each in the room under the switch; no other
// page shows the switch, and the numerology page keeps its report.
void TestCSorvel::forecastSwitchesToTheYearAhead()
{
    m_window->show();
    const CReportViews *views = m_window->reportViews();
    QWidget *bar = views->forecastSwitch();
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    QVERIFY(m_window->OnCalcNum());
    QVERIFY(views->shownHtml(CReportViews::YearAhead).contains(QLatin1String("John Smith")));
    QVERIFY(!bar->isVisibleTo(views->frame()));

    m_window->OnCtrlButForecast();
    m_window->finishSliding();
    QVERIFY(bar->isVisibleTo(views->frame()));
    QVERIFY(views->forecastSwitchButton(CReportViews::Numerology)->isChecked());
    QCOMPARE(m_window->pageReportView(WindowLayout::ForecastPage), views->view(CReportViews::Numerology));

    QTest::mouseClick(views->forecastSwitchButton(CReportViews::YearAhead), Qt::LeftButton);
    QCOMPARE(views->forecastReport(), CReportViews::YearAhead);
    const MyQWebEngineView *yearAhead = views->view(CReportViews::YearAhead);
    QVERIFY(yearAhead && yearAhead->isVisibleTo(views->frame()));
    QVERIFY(!views->view(CReportViews::Numerology)->isVisibleTo(views->frame()));
    QCOMPARE(yearAhead->givenHtml(), views->shownHtml(CReportViews::YearAhead));
    // Under the switch, to the bottom of the report's room.
    QVERIFY(yearAhead->geometry().top() > bar->geometry().bottom());
    const QRect room = WindowLayout::reportRect(WindowLayout::ForecastPage, m_window->size());
    QCOMPARE(yearAhead->geometry().bottom(), room.height());

    // The numerology page shows its own report, without the switch; the
    // forecast page keeps the choice.
    m_window->OnCtrlButNumer();
    m_window->finishSliding();
    QVERIFY(!bar->isVisibleTo(views->frame()));
    QVERIFY(views->view(CReportViews::Numerology)->isVisibleTo(views->frame()));
    QCOMPARE(views->view(CReportViews::Numerology)->geometry().top(), 1);
    m_window->OnCtrlButForecast();
    m_window->finishSliding();
    QVERIFY(yearAhead->isVisibleTo(views->frame()));
    QTest::mouseClick(views->forecastSwitchButton(CReportViews::Numerology), Qt::LeftButton);
    QVERIFY(views->view(CReportViews::Numerology)->isVisibleTo(views->frame()));
    QVERIFY(!yearAhead->isVisibleTo(views->frame()));
}

void TestCSorvel::todayPanel()
{
    // b = R(3 + 6) = 9; year R(9 + 8) = 8; month R(9 + 8 + 6) = 5; day R(9 + 8 + 6 + 1) = 6.
    typePerson(QStringLiteral("John Smith"), QDate(1985, 3, 15));
    m_window->OnCalcNum();
    m_window->forecastDateField()->setDate(QDate(2024, 6, 10));
    QCOMPARE(m_window->todayPanel()->values(),
             (QStringList{QStringLiteral("2024 (8)"), QStringLiteral("Jun (5)"), QStringLiteral("6")}));
    // The title says which date is shown.
    QCOMPARE(m_window->todayPanel()->title(), QStringLiteral("Jun 10, 2024"));
    m_window->forecastDateField()->setDate(QDate::currentDate());
    QCOMPARE(m_window->todayPanel()->title(), QStringLiteral("Today"));
}

void TestCSorvel::todayPanelWaitsForACalculation()
{
    const QStringList before = m_window->todayPanel()->values();
    m_window->forecastDateField()->setDate(QDate(2024, 6, 10));
    QCOMPARE(m_window->todayPanel()->values(), before);
    // The day's drawer says how to fill it, and after a calculation reads the day.
    QVERIFY(m_window->dayTextDrawer()->text().contains(QLatin1String("ENTER YOUR NAME")));
    typePerson(QStringLiteral("John Smith"), QDate(1985, 3, 15));
    QVERIFY(m_window->OnCalcNum());
    QVERIFY(!m_window->dayTextDrawer()->text().contains(QLatin1String("ENTER YOUR NAME")));
    QVERIFY(!m_window->dayTextDrawer()->text().isEmpty());
    m_window->OnResData();
    QVERIFY(m_window->dayTextDrawer()->text().contains(QLatin1String("ENTER YOUR NAME")));
}

void TestCSorvel::resetButtons()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    m_window->OnCalcNum();
    m_window->OnResDataI();
    QCOMPARE(m_window->nameButtonText(), QStringLiteral("APPLY"));
    QVERIFY(overlayChild<QLineEdit>("fullName")->text().isEmpty());
    QCOMPARE(overlayChild<QDateEdit>("birthDate")->date(), QDate(2000, 1, 1));
    QVERIFY(m_window->mainFeaturesPanel()->values().value(0).isEmpty());
    m_window->OnResData();
    QCOMPARE(m_window->nameButtonText(), QStringLiteral("ENTER YOUR NAME"));
    // The recent list survives a reset.
    QCOMPARE(m_window->recentList().size(), 1);
}

void TestCSorvel::recentListSurvivesARestart()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    emit overlayChild<CInfoNameWidget>("namePanel")->symbolCliked(0, 0); // J becomes a vowel
    m_window->OnCalcNum();
    typePerson(QStringLiteral("Mary Jones"), QDate(1985, 11, 29));
    overlayChild<QComboBox>("gender")->setCurrentIndex(1);
    m_window->OnCalcNum();
    delete m_window; // the shutdown writes the list

    m_window = new CSorvel;
    startUp();
    QCOMPARE(m_window->recentList().size(), 2);
    QCOMPARE(visibleRecentButtons(), 2);
    // The newest person is back in the input, gender included; the older one
    // keeps its hand-set mark.
    QCOMPARE(overlayChild<QLineEdit>("fullName")->text(), QStringLiteral("Mary Jones"));
    QCOMPARE(overlayChild<QComboBox>("gender")->currentIndex(), 1);
    QCOMPARE(m_window->recentList().at(1).fullMarks.value(0), 1);
    QVERIFY(m_window->calculated());
}

void TestCSorvel::recentListIsKeptAsSoonAsItChanges()
{
    startUp();
    m_window->OnClearRecent();
    typePerson(QStringLiteral("Alan Turing"), QDate(1912, 6, 23));
    m_window->OnCalcNum();
    // Nothing waits for the shutdown: the file already holds the person.
    const PersonFileContent onDisk = readPersonFile(recentListPath(), PersonFileKind::RecentList);
    QCOMPARE(onDisk.status, PersonFileStatus::Ok);
    QCOMPARE(onDisk.persons.value(0).fullName, QStringLiteral("Alan Turing"));
}

void TestCSorvel::nineCalculationsLeaveEightButtons()
{
    startUp();
    m_window->OnClearRecent();
    QCOMPARE(visibleRecentButtons(), 0);
    for (int i = 0; i < 9; ++i) {
        typePerson(QStringLiteral("Person Number"), QDate(1980 + i, 1, 1));
        m_window->OnCalcNum();
    }
    QCOMPARE(visibleRecentButtons(), 8);
    QCOMPARE(m_window->recentList().last().birthDate, QDate(1981, 1, 1));
}

void TestCSorvel::settingsAreReadAtStartUp()
{
    AppConfig config;
    config.skipGuideDialog = true;
    config.dayFirstDates = true;
    config.styleIndex = 2;
    config.numerologist = QStringLiteral("Ada");
    config.numerologistContact = QStringLiteral("ada@example.org");
    QImage logo(30, 20, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    QBuffer png(&config.logoPng);
    QVERIFY(png.open(QIODevice::WriteOnly) && logo.save(&png, "PNG"));
    config.lastUpdateCheck = QDateTime::currentDateTime().addDays(-2); // not due: no query leaves the test
    QVERIFY(saveConfig(configFilePath(), config));
    m_window->OnFinishedSU();
    QCOMPARE(m_window->config().styleIndex, 2);
    QCOMPARE(m_window->config().numerologist, QStringLiteral("Ada"));
    // The documents' cover carries the practitioner's whole block.
    QVERIFY(m_window->exporter()->coverSource());
    const CoverPage cover = m_window->exporter()->coverSource()();
    QCOMPARE(cover.numerologist, QStringLiteral("Ada"));
    QCOMPARE(cover.numerologistContact, QStringLiteral("ada@example.org"));
    QCOMPARE(cover.logo.size(), QSize(30, 20));
    QCOMPARE(cover.logo.pixelColor(5, 5), QColor(Qt::darkBlue));
    QCOMPARE(overlayChild<QDateEdit>("birthDate")->displayFormat(), QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(loadConfig(configFilePath(), QString()).lastUpdateCheck.date(), config.lastUpdateCheck.date());
}

// The recent list and the configuration are FIFOs that nobody reads: a
// calculation and the window's end neither open them nor wait. Before, the
// window blocked for ever at its end, opening the recent list to write it.
void TestCSorvel::fifosInTheDataFolderNeverBlock()
{
    startUp();
    QFile::remove(recentListPath());
    QFile::remove(configFilePath());
    QVERIFY(::mkfifo(QFile::encodeName(recentListPath()).constData(), 0600) == 0);
    QVERIFY(::mkfifo(QFile::encodeName(configFilePath()).constData(), 0600) == 0);
    const auto removeFifos = qScopeGuard([] {
        QFile::remove(recentListPath());
        QFile::remove(configFilePath());
    });
    typePerson(QStringLiteral("Alan Turing"), QDate(1912, 6, 23));
    m_window->OnCalcNum();
    QCOMPARE(m_window->recentList().value(0).fullName, QStringLiteral("Alan Turing"));
    QVERIFY2(!m_reporter.messages.isEmpty() && m_reporter.messages.last().contains(recentListPath()),
             qPrintable(m_reporter.messages.join(" | ")));
    delete m_window; // the end of the window saves what it keeps
    m_window = nullptr;
    QFileInfo recent(recentListPath());
    QVERIFY(!recent.isFile() && recent.exists()); // still the FIFO
}

// A name typed without a suffix is saved as a person file the Open dialog
// lists; the dialog proposes the client's name, and the save is confirmed.
void TestCSorvel::savedFileGetsTheSuffix()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    FileDialogAnswer answer;
    answerFileDialog(dir.filePath(QStringLiteral("john")), &answer);
    m_window->OnSaveFile();
    QVERIFY(answer.answered);
    QCOMPARE(answer.proposed, QStringLiteral("John_Smith.num"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("john"))));
    const PersonFileContent saved = readPersonFile(dir.filePath(QStringLiteral("john.num")), PersonFileKind::SavedPerson);
    QCOMPARE(saved.status, PersonFileStatus::Ok);
    QCOMPARE(saved.persons.value(0).fullName, QStringLiteral("John Smith"));
    auto *notice = m_window->findChild<QLabel *>(QStringLiteral("notice"));
    QVERIFY(notice);
    QVERIFY(notice->isVisibleTo(m_window));
    QVERIFY2(notice->text().endsWith(QDir::toNativeSeparators(dir.filePath(QStringLiteral("john.num")))),
             qPrintable(notice->text()));

    QVERIFY(m_reporter.messages.isEmpty());
    // A suffix the user typed is kept; a dot in a folder's name is no suffix.
    QCOMPARE(CPersonFiles::withPersonSuffix(QStringLiteral("/tmp/mary.txt")), QStringLiteral("/tmp/mary.txt"));
    QCOMPARE(CPersonFiles::withPersonSuffix(QStringLiteral("/tmp/a.b/mary")), QStringLiteral("/tmp/a.b/mary.num"));
    QCOMPARE(CPersonFiles::withPersonSuffix(QString()), QString());
}

void TestCSorvel::reopenedFileBringsThePetBack_data()
{
    QTest::addColumn<QString>("petName");
    QTest::addColumn<QDate>("petBirth");
    QTest::newRow("with a pet") << "Rex" << QDate(2015, 3, 9);
    QTest::newRow("without a pet") << "" << QDate();
}

// The file holds the pet; opened again, it is back on the pet page, and a
// file without one leaves no earlier pet behind.
void TestCSorvel::reopenedFileBringsThePetBack()
{
    QFETCH(QString, petName);
    QFETCH(QDate, petBirth);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    PersonInput person;
    person.fullName = QStringLiteral("Mary Jones");
    person.birthDate = QDate(1985, 11, 29);
    person.partnerFullName = QStringLiteral("John Smith");
    person.partnerBirthDate = QDate(1990, 5, 17);
    person.petName = petName;
    person.petBirthDate = petBirth;
    const QString path = dir.filePath(QStringLiteral("mary.num"));
    QVERIFY(saveSavedPerson(path, person, QDate(2024, 6, 21)));
    QCOMPARE(readPersonFile(path, PersonFileKind::SavedPerson).fieldCount, PERSON_FILE_FIELDS);

    auto *petNameField = m_window->findChild<QLineEdit *>(QStringLiteral("petName"));
    auto *petBirthField = m_window->findChild<QDateEdit *>(QStringLiteral("petBirth"));
    QVERIFY(petNameField && petBirthField);
    petNameField->setText(QStringLiteral("Earlier Pet"));
    FileDialogAnswer answer;
    answerFileDialog(path, &answer);
    m_window->OnOpenFile();
    QVERIFY(answer.answered);
    QCOMPARE(overlayChild<QLineEdit>("fullName")->text(), QStringLiteral("Mary Jones"));
    QCOMPARE(overlayChild<QLineEdit>("partnerFullName")->text(), QStringLiteral("John Smith"));
    QCOMPARE(petNameField->text(), petName);
    if (petBirth.isValid())
        QCOMPARE(petBirthField->date(), petBirth);
}

void TestCSorvel::enterInANameFieldApplies()
{
    m_window->OnNameSel(); // the overlay opens
    QVERIFY(m_window->inputShown());
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    QTest::keyClick(overlayChild<QLineEdit>("fullName"), Qt::Key_Return);
    QVERIFY(m_window->calculated());
    QVERIFY(!m_window->inputShown());
    QCOMPARE(m_window->nameButtonText(), QStringLiteral("John Smith\n05/17/1990"));

    // A refused name keeps the overlay open, as APPLY does.
    m_window->OnNameSel();
    overlayChild<QLineEdit>("fullName")->setText(QStringLiteral("1990"));
    QTest::keyClick(overlayChild<QLineEdit>("fullName"), Qt::Key_Return);
    QVERIFY(m_window->inputShown());
    QCOMPARE(m_reporter.messages.size(), 1);
}

// With no partner typed, or a name of no Latin letters, the live panels
// show nothing rather than the numbers of an empty name.
void TestCSorvel::emptyPartnerShowsNoNumbers()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    auto *person = overlayChild<CInfoWidget>("numbers");
    auto *partner = overlayChild<CInfoWidget>("partnerNumbers");
    QVERIFY(!person->values().value(0).isEmpty());
    overlayChild<QDateEdit>("partnerBirthDate")->setDate(QDate(1991, 2, 3));
    QVERIFY(partner->values().join(QString()).isEmpty());
    overlayChild<QLineEdit>("partnerFullName")->setText(QStringLiteral("Mary Jones"));
    QVERIFY(!partner->values().value(0).isEmpty());
    overlayChild<QLineEdit>("partnerFullName")->clear();
    QVERIFY(partner->values().join(QString()).isEmpty());
    overlayChild<QLineEdit>("fullName")->setText(QString::fromUtf8("\u0418\u0432\u0430\u043d"));
    QVERIFY(person->values().join(QString()).isEmpty());
}

void TestCSorvel::impossibleBirthDateIsNamed()
{
    typePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    auto *birth = overlayChild<CDateEdit>("birthDate");
    birth->findChild<QLineEdit *>()->setText(QStringLiteral("02/30/1990"));
    QVERIFY(!m_window->OnCalcNum());
    QCOMPARE(m_reporter.messages,
             QStringList{QStringLiteral("The birth date 02/30/1990 does not exist: February 1990 has no day 30.")});
    // Outside the range it stays the range's message.
    m_reporter.messages.clear();
    birth->findChild<QLineEdit *>()->setText(QStringLiteral("01/01/1700"));
    QVERIFY(!m_window->OnCalcNum());
    QCOMPARE(m_reporter.messages,
             QStringList{QString::fromLatin1(CCalculationDriver::BIRTH_DATE_REFUSAL)});
}

// The offscreen platform opens nothing, as a desktop without a browser or a
// mail program: the address is then given to the user, never dropped.
void TestCSorvel::linksWithoutAProgramGiveTheAddress()
{
    m_reporter.notes.clear();
    m_window->OnSupport();
    QCOMPARE(m_reporter.notes.size(), 1);
    QVERIFY2(m_reporter.notes.first().endsWith(QLatin1String("\nsupport@sorvel-numerology.org")),
             qPrintable(m_reporter.notes.first()));
    // A finished PDF without a viewer: where the file is.
    QCOMPARE(unopenedLinkText(QUrl::fromLocalFile(QStringLiteral("/home/ann/Smith reports.pdf"))),
             QStringLiteral("No program on this computer opens this file. You will find it at:\n"
                            "/home/ann/Smith reports.pdf"));
    // Help shows the manual that ships with the program, on the Guide page.
    m_reporter.notes.clear();
    m_window->OnHelp();
    if (QFile::exists(imageFolder() + QStringLiteral("manual/index.html"))) {
        QCOMPARE(m_window->currentPage(), int(WindowLayout::GuidePage));
        QVERIFY(m_reporter.notes.isEmpty());
    } else {
        QVERIFY(m_reporter.notes.value(0).contains(QLatin1String("https://sorvel-numerology.org/help/")));
    }
}

void TestCSorvel::petWithoutANameSaysSo()
{
    m_window->OnCalcPetNum();
    QCOMPARE(m_reporter.messages, QStringList{QStringLiteral("Type the pet's name first.")});
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    useSoftwareRendering();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    TestCSorvel test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_csorvel.moc"
