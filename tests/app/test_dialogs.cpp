// The small dialogs and the update check: settings, question, start-up guide,
// About, and the rule that reads the update service's answer.

#include "softwarerendering.h"
#include "app/cskinmanager.h"
#include "app/dialogs/caboutdlg.h"
#include "app/dialogs/cinfodlg.h"
#include "app/dialogs/cmanualview.h"
#include "app/dialogs/csettingsdlg.h"
#include "app/dialogs/explanationdialog.h"
#include "app/myqwebengineview.h"
#include "app/updatecheck.h"
#include "designer/designerquestion.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QCheckBox>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QShortcut>
#include <QTemporaryDir>
#include <QWebEngineHistory>
#include <QtTest>

#include <unistd.h>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void settingsRoundTrip();
    void restoreDefaultsThenCancelChangesNothing();
    void masterModeBoxNeverShows();
    void practitionerContactAndLogo_data();
    void practitionerContactAndLogo();

    void questionAnswers_data();
    void questionAnswers();
    void questionWithCancelAnswers_data();
    void questionWithCancelAnswers();
    void designerAsksWithTheSkinnedDialog();
    void questionWindowCannotBeResized();

    void guideRemembersTheBoxOnlyThroughOk_data();
    void guideRemembersTheBoxOnlyThroughOk();

    void escapeClosesWebDialogs_data();
    void escapeClosesWebDialogs();
    void explanationTitleNamesTheNumber();
    void guideViewsUseTheReportMenu_data();
    void guideViewsUseTheReportMenu();
    void guideBackReturnsToTheLinkingPage();
    void aboutShowsNameAndVersion();
    void aboutLinksTheShippedNotices();

    void updateAnswers_data();
    void updateAnswers();
    void updateCheckIsWeekly_data();
    void updateCheckIsWeekly();
    void updateCheckAsksTheServiceOnceAWeek_data();
    void updateCheckAsksTheServiceOnceAWeek();
};

void TestDialogs::settingsRoundTrip()
{
    CSettingsDlg dialog;
    CalcOptions options;
    options.lifePathMethod1 = false;
    options.lifePathMethod3 = true;
    options.reduceEachWord = false;
    options.noSubstituteTransits = true;
    dialog.setOptions(options);
    dialog.setDayFirstDates(true);
    dialog.setNumerologist(QStringLiteral("  Ada   Lovelace "));
    const CalcOptions back = dialog.options();
    QCOMPARE(back.lifePathMethod1, false);
    QCOMPARE(back.lifePathMethod2, false);
    QCOMPARE(back.lifePathMethod3, true);
    QCOMPARE(back.reduceEachWord, false);
    QCOMPARE(back.reduceMasterLetters, true);
    QCOMPARE(back.noSubstituteTransits, true);
    QVERIFY(dialog.dayFirstDates());
    QCOMPARE(dialog.numerologist(), QStringLiteral("Ada Lovelace"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(dialog.objectName(), QStringLiteral("CSettingsDlg"));
}

void TestDialogs::restoreDefaultsThenCancelChangesNothing()
{
    // The window reads the boxes only after an accepted dialog; a cancelled
    // one must leave what the boxes were loaded with untouched by the caller.
    CSettingsDlg dialog;
    CalcOptions loaded;
    loaded.lifePathMethod1 = false;
    loaded.lifePathMethod2 = true;
    dialog.setOptions(loaded);
    dialog.setDayFirstDates(true);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("defaultSettingsBut")), Qt::LeftButton);
    QVERIFY(dialog.checkBoxLP1->isChecked());
    QVERIFY(!dialog.checkBoxLP2->isChecked());
    QVERIFY(!dialog.dayFirstDates());
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

void TestDialogs::masterModeBoxNeverShows()
{
    CSettingsDlg dialog;
    dialog.setMasterMode(1);
    dialog.show();
    QVERIFY(!dialog.checkBoxNameEMM->isVisible());
    QVERIFY(!dialog.checkBoxNameEMM->isEnabled());
}

// The practitioner's contact line and logo: a picture is kept as PNG, no
// larger than MAX_LOGO_SIDE; a file that is no picture keeps the logo there
// was and says why under it; Remove takes it away.
void TestDialogs::practitionerContactAndLogo_data()
{
    QTest::addColumn<QByteArray>("format"); // how the file is written; empty: text
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("kept"); // invalid: refused
    QTest::addColumn<QString>("note");
    QTest::newRow("small PNG kept as it is") << QByteArray("PNG") << QSize(120, 40) << QSize(120, 40) << "";
    QTest::newRow("large JPEG scaled down") << QByteArray("JPG") << QSize(1600, 800) << QSize(400, 200) << "";
    QTest::newRow("tall picture scaled down") << QByteArray("BMP") << QSize(300, 900) << QSize(133, 400) << "";
    QTest::newRow("a text file") << QByteArray() << QSize() << QSize() << "Not a picture";
    QTest::newRow("no file") << QByteArray("none") << QSize() << QSize() << "No such file";
}

void TestDialogs::practitionerContactAndLogo()
{
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(QSize, kept);
    QFETCH(QString, note);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logo"));
    if (format.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("my logo, in words\n");
    } else if (format != "none") {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path, format.constData()));
    }
    CSettingsDlg dialog;
    dialog.setNumerologistContact(QStringLiteral("  +44 20   7946 0000 "));
    QCOMPARE(dialog.numerologistContact(), QStringLiteral("+44 20 7946 0000"));
    // An earlier logo, which a refused file leaves alone.
    const QByteArray earlier = [] {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(10, 10, QImage::Format_RGB32).save(&buffer, "PNG");
        return png;
    }();
    dialog.setLogoPng(earlier);
    auto *remove = dialog.findChild<QPushButton *>(QStringLiteral("logoRemove"));
    QVERIFY(remove && remove->isEnabled());
    auto *preview = dialog.findChild<QLabel *>(QStringLiteral("logoPreview"));
    QVERIFY(preview);

    QCOMPARE(dialog.chooseLogoFile(path), kept.isValid());
    if (kept.isValid()) {
        QVERIFY(dialog.logoPng().startsWith("\x89PNG"));
        const QImage logo = QImage::fromData(dialog.logoPng());
        QCOMPARE(logo.size(), kept);
        QVERIFY(!preview->pixmap(Qt::ReturnByValue).isNull());
    } else {
        QCOMPARE(dialog.logoPng(), earlier);
        QVERIFY2(preview->text().contains(note, Qt::CaseInsensitive), qPrintable(preview->text()));
    }
    QTest::mouseClick(remove, Qt::LeftButton);
    QVERIFY(dialog.logoPng().isEmpty());
    QVERIFY(!remove->isEnabled());
    QCOMPARE(preview->text(), QStringLiteral("No logo"));
}

void TestDialogs::questionAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << "okButton" << 0;
    QTest::newRow("no") << "cancelButton" << -1;
    QTest::newRow("closed") << "" << -1;
}

void TestDialogs::questionAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, expected);
    CSkinManager skin(QString{});
    QString seenText;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<CInfoDlgWin *>(QApplication::activeModalWidget());
        QVERIFY(window);
        seenText = window->content()->label()->text();
        QCOMPARE(window->content()->okButton()->text(), QStringLiteral("Yes"));
        QCOMPARE(window->content()->cancelButton()->text(), QStringLiteral("No"));
        if (button.isEmpty())
            window->close();
        else
            QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(askQuestion(&skin, QStringLiteral("Question"), QStringLiteral("Do you want to remove \"A.snc\"?"),
                         nullptr),
             expected);
    QCOMPARE(seenText, QStringLiteral("Do you want to remove \"A.snc\"?"));
}

void TestDialogs::questionWithCancelAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << "okButton" << 0;
    QTest::newRow("no") << "cancelButton" << -1;
    QTest::newRow("cancel") << "thirdButton" << 1;
    QTest::newRow("closed is cancel") << "" << 1;
}

void TestDialogs::questionWithCancelAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, expected);
    CSkinManager skin(QString{});
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<CInfoDlgWin *>(QApplication::activeModalWidget());
        QVERIFY(window);
        CInfoDlg *content = window->content();
        seen << window->windowTitle() << content->label()->text() << content->cancelButton()->text()
             << content->okButton()->text() << content->thirdButton()->text();
        // "No", "Yes", "Cancel" from left to right, inside the window.
        QVERIFY(content->cancelButton()->x() < content->okButton()->x());
        QVERIFY(content->okButton()->geometry().right() < content->thirdButton()->x());
        QVERIFY(content->thirdButton()->geometry().right() < window->width());
        if (button.isEmpty())
            window->close();
        else
            QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(askQuestionOrCancel(&skin, QStringLiteral("Warning"), QStringLiteral("Save changes?"), nullptr),
             expected);
    QCOMPARE(seen, (QStringList{"Warning", "Save changes?", "No", "Yes", "Cancel"}));
}

// The designer's questions come in the skinned dialog once the program installs it.
void TestDialogs::designerAsksWithTheSkinnedDialog()
{
    CSkinManager skin(QString{});
    useSkinnedDesignerQuestions(&skin);
    QStringList buttons;
    const auto answerWith = [&buttons](const char *name) {
        QTimer::singleShot(0, [&buttons, name] {
            auto *window = qobject_cast<CInfoDlgWin *>(QApplication::activeModalWidget());
            QVERIFY(window);
            buttons << QString::number(window->findChildren<QPushButton *>().size());
            QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
        });
    };
    answerWith("okButton");
    QVERIFY(askDesignerQuestion(nullptr, QStringLiteral("Question"), QStringLiteral("Delete?")));
    answerWith("thirdButton");
    QCOMPARE(askDesignerChoice(nullptr, QStringLiteral("Warning"), QStringLiteral("Save changes?")),
             DesignerAnswer::Cancel);
    answerWith("cancelButton");
    QCOMPARE(askDesignerChoice(nullptr, QStringLiteral("Warning"), QStringLiteral("Save changes?")),
             DesignerAnswer::No);
    setDesignerQuestion({});
    // Two buttons for a yes/no question, three with "Cancel".
    QCOMPARE(buttons, (QStringList{"2", "3", "3"}));
}

void TestDialogs::questionWindowCannotBeResized()
{
    CInfoDlgWin window(nullptr, nullptr);
    QCOMPARE(window.minimumSize(), QSize(400, 230));
    QCOMPARE(window.maximumSize(), QSize(400, 230));
    // "Cancel" stands left of "Ok".
    QVERIFY(window.content()->cancelButton()->x() < window.content()->okButton()->x());
}

void TestDialogs::guideRemembersTheBoxOnlyThroughOk_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("pressOk");
    QTest::addColumn<bool>("answered");
    QTest::newRow("ok, box checked") << true << true << true;
    QTest::newRow("ok, box unchecked") << false << true << true;
    QTest::newRow("closed, box checked") << true << false << false;
}

void TestDialogs::guideRemembersTheBoxOnlyThroughOk()
{
    QFETCH(bool, checked);
    QFETCH(bool, pressOk);
    QFETCH(bool, answered);
    CManualVieW guide(QStringLiteral("/nonexistent/start.html"), nullptr);
    guide.findChild<QCheckBox *>(QStringLiteral("skipGuide"))->setChecked(checked);
    if (pressOk)
        QTest::mouseClick(guide.findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
    else
        guide.close();
    QCOMPARE(guide.answered(), answered);
    QCOMPARE(guide.skipNextTime(), checked);
}

void TestDialogs::escapeClosesWebDialogs_data()
{
    QTest::addColumn<bool>("manual"); // the manual, or an explanation
    QTest::newRow("explanation") << false;
    QTest::newRow("manual") << true;
}

// The web view inside keeps Escape to itself once it has the focus, so the
// dialog closes through a window-wide Escape shortcut. (Showing a web view
// needs OpenGL, which the offscreen platform lacks; the key itself was tried
// under X.)
void TestDialogs::escapeClosesWebDialogs()
{
    QFETCH(bool, manual);
    std::unique_ptr<QDialog> dialog;
    if (manual)
        dialog = std::make_unique<CManualVieW>(QStringLiteral("/nonexistent/start.html"), nullptr);
    else
        dialog = std::make_unique<ExplanationDialog>(QStringLiteral("<p>x</p>"), QString(), nullptr);
    QShortcut *escape = nullptr;
    for (QShortcut *shortcut : dialog->findChildren<QShortcut *>()) {
        if (shortcut->key() == QKeySequence(Qt::Key_Escape) && shortcut->context() == Qt::WindowShortcut)
            escape = shortcut;
    }
    QVERIFY(escape);
    dialog->setResult(QDialog::Accepted);
    emit escape->activated();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void TestDialogs::explanationTitleNamesTheNumber()
{
    const ExplanationDialog named(QStringLiteral("<p>x</p>"), QStringLiteral("Life Path Number"), nullptr);
    QCOMPARE(named.windowTitle(), QStringLiteral("Life Path Number - Sorvel Numerology"));
    const ExplanationDialog untitled(QStringLiteral("<p>x</p>"), QString(), nullptr);
    QCOMPARE(untitled.windowTitle(), QStringLiteral("Sorvel Numerology"));
}

void TestDialogs::guideViewsUseTheReportMenu_data()
{
    QTest::addColumn<bool>("manual");
    QTest::newRow("explanation") << false;
    QTest::newRow("manual") << true;
}

// The engine's own context menu offers "View page source" and "Save page",
// which lead nowhere here; the report view's menu has Back, Forward, Copy
// and Select All.
void TestDialogs::guideViewsUseTheReportMenu()
{
    QFETCH(bool, manual);
    std::unique_ptr<QDialog> dialog;
    if (manual)
        dialog = std::make_unique<CManualVieW>(QStringLiteral("/nonexistent/start.html"), nullptr);
    else
        dialog = std::make_unique<ExplanationDialog>(QStringLiteral("<p>x</p>"), QString(), nullptr);
    const QList<QWebEngineView *> views = dialog->findChildren<QWebEngineView *>();
    QCOMPARE(views.size(), 1);
    QVERIFY(qobject_cast<MyQWebEngineView *>(views.first()));
}

// A link followed inside the start-up guide can be gone back from.
void TestDialogs::guideBackReturnsToTheLinkingPage()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto write = [&](const QString &name, const QByteArray &html) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(html);
    };
    write(QStringLiteral("start.html"), "<p><a href=\"next.html\">next</a></p>");
    write(QStringLiteral("next.html"), "<p>next page</p>");

    CManualVieW guide(folder.filePath(QStringLiteral("start.html")), nullptr);
    auto *view = guide.findChild<QWebEngineView *>();
    auto *back = guide.findChild<QPushButton *>(QStringLiteral("backButton"));
    QVERIFY(view && back);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    QVERIFY(loaded.wait(60000));
    QVERIFY(!back->isEnabled()); // nowhere to go back to yet

    view->load(QUrl::fromLocalFile(folder.filePath(QStringLiteral("next.html"))));
    QVERIFY(loaded.wait(60000));
    QTRY_VERIFY(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(loaded.wait(60000));
    QCOMPARE(view->url(), QUrl::fromLocalFile(folder.filePath(QStringLiteral("start.html"))));
    QTRY_VERIFY(!back->isEnabled());
}

void TestDialogs::aboutShowsNameAndVersion()
{
    // Drawn into a picture: the version line sits in its band near the bottom.
    CAboutDlg about(nullptr, QImage());
    QImage face(about.size(), QImage::Format_ARGB32);
    face.fill(Qt::black);
    QPainter painter(&face);
    about.paintFace(painter);
    painter.end();
    const QRgb green = qRgb(156, 182, 45);
    int greenInVersionBand = 0;
    for (int y = about.height() - 100; y < about.height() - 76; ++y)
        for (int x = 0; x < face.width(); ++x)
            greenInVersionBand += face.pixel(x, y) == green;
    QVERIFY(greenInVersionBand > 20);
    QCOMPARE(QLatin1String(CAboutDlg::VERSION_TEXT), QLatin1String("Version 7.8.0"));
}

// The link opens the notices file the build puts beside the program, and it
// sits between the version line and the buttons without covering either.
void TestDialogs::aboutLinksTheShippedNotices()
{
    CAboutDlg about(nullptr, QImage());
    const auto *link = about.findChild<QLabel *>(QStringLiteral("noticesLink"));
    QVERIFY(link);
    QVERIFY2(link->text().contains(QUrl::fromLocalFile(CAboutDlg::noticesPath()).toString()),
             qPrintable(link->text()));
    QVERIFY(link->geometry().top() >= about.height() - 76);
    const auto *close = about.findChild<QPushButton *>(QStringLiteral("closeButton"));
    QVERIFY(close);
    QVERIFY(link->geometry().bottom() < close->geometry().top());

    QFile notices(CAboutDlg::noticesPath());
    QVERIFY2(notices.open(QIODevice::ReadOnly), qPrintable(notices.fileName()));
    const QString text = QString::fromUtf8(notices.readAll());
    for (const char *needed : {"Qt 5", "GNU Lesser General Public License", "Qt WebEngine", "Chromium"})
        QVERIFY2(text.contains(QLatin1String(needed)), needed);
}

void TestDialogs::updateAnswers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("offered");
    QTest::newRow("newer patch, comma") << QByteArray("70801,") << true;
    QTest::newRow("newer minor with more fields") << QByteArray("70900,http://x") << true;
    QTest::newRow("same version") << QByteArray("70800") << false;
    QTest::newRow("older, shorter") << QByteArray("7080") << false;
    QTest::newRow("not hexadecimal") << QByteArray("zz") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestDialogs::updateAnswers()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, offered);
    QCOMPARE(CUpdateCheck::offersUpdate(body), offered);
}

void TestDialogs::updateCheckIsWeekly_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("due");
    QTest::newRow("yesterday") << 1 << false;
    QTest::newRow("exactly a week") << 7 << false;
    QTest::newRow("eight days") << 8 << true;
}

void TestDialogs::updateCheckIsWeekly()
{
    QFETCH(int, daysAgo);
    QFETCH(bool, due);
    const QDateTime now(QDate(2026, 12, 10), QTime(12, 0));
    QCOMPARE(CUpdateCheck::isDue(now.addDays(-daysAgo), now), due);
}

namespace {
// A local HTTP server that answers every request with one body and counts
// the requests it saw.
class OneAnswerServer : public QTcpServer
{
public:
    explicit OneAnswerServer(const QByteArray &body)
        : m_body(body)
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray request = socket->readAll();
                ++requests;
                userAgent = request.contains("User-Agent: Check for updates");
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(m_body.size())
                              + "\r\nConnection: close\r\n\r\n" + m_body);
                socket->disconnectFromHost();
            });
        });
    }
    int requests = 0;
    bool userAgent = false;

private:
    QByteArray m_body;
};
} // namespace

void TestDialogs::updateCheckAsksTheServiceOnceAWeek_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("offered");
    QTest::newRow("newer") << QByteArray("70801,") << true;
    QTest::newRow("same") << QByteArray("70800") << false;
}

void TestDialogs::updateCheckAsksTheServiceOnceAWeek()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, offered);
    OneAnswerServer server(body);
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QNetworkAccessManager network;
    CUpdateCheck check(&network, QUrl(QStringLiteral("http://127.0.0.1:%1/sorvelupd.php").arg(server.serverPort())));
    connect(&network, &QNetworkAccessManager::finished, &check, &CUpdateCheck::handleReply);
    QSignalSpy available(&check, &CUpdateCheck::updateAvailable);
    QSignalSpy finished(&network, &QNetworkAccessManager::finished);

    const QDateTime now = QDateTime::currentDateTime();
    QCOMPARE(check.checkIfDue(now.addDays(-1), now), now.addDays(-1)); // not due: nothing sent
    QCOMPARE(check.checkIfDue(now.addDays(-8), now), now);
    QVERIFY(finished.wait(120000)); // the local server answers at once; a busy machine is slow
    QCOMPARE(server.requests, 1);
    QVERIFY(server.userAgent);
    QCOMPARE(available.count(), offered ? 1 : 0);
}

int main(int argc, char *argv[])
{
    useSoftwareRendering();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_dialogs.moc"
