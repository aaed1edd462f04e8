// sorvel-pdf-printer: prints one HTML report to a PDF on the web engine.
// sorvel-cli runs it for its PDF commands, so that the terminal tool itself
// never loads the web engine: every other command starts as fast as a plain
// console program.
//
//   sorvel-pdf-printer IN.html OUT.pdf
//
// IN is removed once the page has loaded it. Exit status: 0 the PDF was
// written, 1 printing failed (the reason on stderr), 2 bad usage.

#include "app/export/genpdffromhtml.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {
const int PRINT_TIMEOUT_MS = 120000;
} // namespace

int main(int argc, char *argv[])
{
    prepareHeadlessWebEngine();
    QTemporaryDir runtimeFolder; // lent to Qt when the machine has none, so it does not warn
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    // The printer's progress notes are for the window's log, not the terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("sorvel.export.debug=false"));
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        err << "Usage: sorvel-pdf-printer IN.html OUT.pdf\n";
        return 2;
    }

    GenPDFfromHTML task(args.at(0), args.at(1));
    task.setOpenWhenDone(false);
    int status = 1;
    QObject::connect(&task, &GenPDFfromHTML::finished, &app, [&](bool ok) {
        status = ok ? 0 : 1;
        if (!ok)
            err << task.errorString() << "\n";
        app.quit();
    });
    QTimer::singleShot(PRINT_TIMEOUT_MS, &app, [&] {
        err << "the web engine did not finish the PDF in time\n";
        app.quit();
    });
    task.run();
    app.exec();
    return status;
}
