// Program entry of the window application.

#include "app/appfolders.h"
#include "app/cskinmanager.h"
#include "app/csorvel.h"
#include "app/dialogs/ceuladlg.h"
#include "app/dialogs/cinfodlg.h"
#include "app/messageboxreporter.h"
#include "app/programinfo.h"
#include "app/webengineswitches.h"
#include "designer/designeralone.h"
#include "files/configfile.h"
#include "files/datafolder.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <unistd.h>

#include <memory>
#include <vector>

int main(int argc, char *argv[])
{
    // --help and --version answer on a terminal, with or without a display.
    if (const int status = answerInfoOption(argc, argv); status >= 0)
        return status;

    // 1 and 2. Screen scaling, and the web engine switch: as root the engine
    // needs its sandbox off, which it otherwise refuses to run without. Web
    // security stays on: every page is local, JavaScript is off, and a page
    // with a file:// base (reports, explanations) or loaded from a file (the
    // manual) shows file:// pictures with it on.
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "1");
    std::vector<char *> args(argv, argv + argc);
    char noSandbox[] = "--no-sandbox";
    if (geteuid() == 0)
        args.push_back(noSandbox);
    // One renderer for every view, painted without OpenGL (see webengineswitches.h).
    QByteArrayList switches;
    int count = WebEngineSwitches::apply(args, switches);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(count, args.data());
    QApplication::setApplicationName(QStringLiteral("Sorvel Numerology"));
    QApplication::setOrganizationName(QStringLiteral("Sorvel"));
    QGuiApplication::setDesktopFileName(QLatin1String(DESKTOP_ID));
    Q_INIT_RESOURCE(app);
    Q_INIT_RESOURCE(styles);
    // Every window of the program, the licence and the designer alone too.
    QApplication::setWindowIcon(QIcon(imageFolder() + QStringLiteral("sorvel.png")));

    // The chart designer alone: "--designer [FILE.snc]".
    const QString designerFile = designerArgument(QCoreApplication::arguments());
    if (!designerFile.isNull()) {
        CMessageBoxReporter reporter(nullptr);
        const ScopedMessageReporter installed(reporter);
        const CSkinManager skin(imageFolder());
        useSkinnedDesignerQuestions(&skin);
        return runDesignerAlone(designerFile);
    }

    // 3. The licence agreement, once: before the first configuration exists.
    if (!configFileExists()) {
        const CSkinManager skin(imageFolder()); // the first start has the base skin
        CEulaDlg eula(&skin);
        eula.exec();
        if (!eula.accepted())
            return 0;
        // Kept at once: a program killed before it ends normally must not
        // ask again. A folder that cannot be written is told here, once
        // per start: without the file the agreement comes back every time.
        QString reason;
        if (!saveConfig(configFilePath(), AppConfig(), &reason)) {
            CMessageBoxReporter reporter(nullptr);
            reporter.critical(QStringLiteral("Sorvel Numerology"),
                              unwritableDataFolderMessage(configFilePath(), reason));
        }
    }

    // 4. The window.
    auto window = std::make_unique<CSorvel>();
    window->show();
    const int result = app.exec();
    window.reset();
    return result;
}
