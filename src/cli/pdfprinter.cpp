// sorvel-pdf-printer: prints one HTML report to a PDF on the web engine.
// sorvel-cli runs it for its PDF commands, so that the terminal tool itself
// never loads the web engine: every other command starts as fast as a plain
// console program.
//
//   sorvel-pdf-printer --own-report IN.html OUT.pdf
//
// IN is the temporary report sorvel-cli wrote for it (writeTemporaryReport):
// an absolute path to a regular file of this user, "reportXXXXXX.html" in
// the temporary folder. The printer takes nothing else - no URL, no other
// file - since it removes IN once the page has loaded it. The page loads
// nothing but IN and its inline pictures (genpdffromhtml.h).
//
// Exit status: 0 the PDF was written, 1 printing failed, 2 bad usage or an
// input that is not the printer's own. The reason of a failure is the line
// "sorvel-pdf-printer: REASON" on standard error, where the libraries may
// have left notes of their own (sorvel-cli shows the reason alone).

#include "webprint/genpdffromhtml.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A guard against a web engine that never answers, not a speed limit: on a
// busy machine a long PDF takes minutes.
const int PRINT_TIMEOUT_MS = 600000;
const char *const USAGE = "usage: sorvel-pdf-printer --own-report IN.html OUT.pdf";

// Why path is not a report this printer may read and remove; empty when it is.
QString notOwnReport(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return QStringLiteral("%1 is not an absolute local path").arg(path);
    const QFileInfo info(path);
    static const QRegularExpression NAME(QStringLiteral("^report[A-Za-z0-9]{6}\\.html$"));
    if (!NAME.match(info.fileName()).hasMatch())
        return QStringLiteral("%1 is not a report sorvel-cli wrote for printing").arg(path);
    if (QFileInfo(info.absolutePath()).canonicalFilePath() != QFileInfo(QDir::tempPath()).canonicalFilePath())
        return QStringLiteral("%1 is not in the temporary folder %2").arg(path, QDir::tempPath());
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("%1 cannot be read").arg(path);
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("%1 is not a regular file").arg(path);
    if (status.st_uid != ::geteuid())
        return QStringLiteral("%1 belongs to another user").arg(path);
    return QString();
}

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
    const auto fail = [&err](const QString &reason) { err << "sorvel-pdf-printer: " << reason << "\n"; };
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3 || args.at(0) != QLatin1String("--own-report")) {
        fail(QLatin1String(USAGE));
        return 2;
    }
    const QString report = args.at(1);
    if (const QString refusal = notOwnReport(report); !refusal.isEmpty()) {
        fail(refusal);
        return 2;
    }

    GenPDFfromHTML task(report, args.at(2));
    task.setOpenWhenDone(false);
    int status = 1;
    QObject::connect(&task, &GenPDFfromHTML::finished, &app, [&](bool ok) {
        status = ok ? 0 : 1;
        if (!ok)
            fail(task.errorString());
        app.quit();
    });
    QTimer::singleShot(PRINT_TIMEOUT_MS, &app, [&] {
        fail(QStringLiteral("the web engine did not finish the PDF in time"));
        app.quit();
    });
    task.run();
    app.exec();
    return status;
}
