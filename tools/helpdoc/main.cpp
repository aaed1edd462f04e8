// sorvel-helpdoc: runs a program with --help and writes its manual page and,
// for a program with commands, its bash completion from what it prints. The
// build runs it, so neither is ever written by hand.

#include "files/checkedfilewriter.h"
#include "helptext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>

static const char *const USAGE =
    "Usage: sorvel-helpdoc PROGRAM --summary TEXT --version TEXT --man FILE.1\n"
    "                      [--completion FILE] [--see-also PAGE]...\n"
    "\n"
    "Runs PROGRAM --help and writes its manual page to FILE.1 (the NAME line is\n"
    "the program's file name and TEXT) and, with --completion, a bash completion\n"
    "script for its commands.\n"
    "\n"
    "Exit status: 0 success, 1 the program failed or a file could not be written,\n"
    "2 bad usage.\n";

// PROGRAM --help, or empty with error set.
static QString helpOf(const QString &program, QString &error)
{
    QProcess process;
    process.start(program, {QStringLiteral("--help")});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        error = program + QLatin1String(" --help failed: ") + process.errorString() +
                QString::fromLocal8Bit(process.readAllStandardError());
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

static bool write(const QString &path, const QString &text)
{
    QString error;
    if (writeFileChecked(path, text.toUtf8(), &error))
        return true;
    QTextStream(stderr) << "sorvel-helpdoc: " << path << ": " << error << "\n";
    return false;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    for (const char *name : {"summary", "version", "man", "completion", "see-also"})
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("VALUE")));
    QTextStream err(stderr);
    if (!parser.parse(app.arguments()) || parser.positionalArguments().size() != 1 ||
        !parser.isSet(QStringLiteral("man"))) {
        err << USAGE;
        return 2;
    }
    const QString program = parser.positionalArguments().first();
    QString error;
    const QString text = helpOf(program, error);
    if (text.isEmpty()) {
        err << "sorvel-helpdoc: " << error << "\n";
        return 1;
    }
    const helpdoc::HelpText help = helpdoc::parseHelp(text);
    helpdoc::ManPage page;
    page.program = program.section(QLatin1Char('/'), -1);
    page.summary = parser.value(QStringLiteral("summary"));
    page.version = parser.value(QStringLiteral("version"));
    page.seeAlso = parser.values(QStringLiteral("see-also"));
    if (!write(parser.value(QStringLiteral("man")), helpdoc::manPage(page, help)))
        return 1;
    if (parser.isSet(QStringLiteral("completion")) &&
        !write(parser.value(QStringLiteral("completion")), helpdoc::bashCompletion(page.program, help)))
        return 1;
    return 0;
}
