#include "readingutil.h"

#include "cliutil.h"
#include "commands.h"
#include "texts/textstore.h"

void addReportOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("texts"), QString(), QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE")));
}

void writeReportOptionsUsage(QTextStream &out)
{
    out << "    --texts FILE           interpretation data file (default: eng.dat beside\n"
           "                           the program)\n"
           "    --out FILE             also write the reading's HTML report to FILE\n";
}

int loadReportTexts(const QCommandLineParser &parser, const QString &command)
{
    TextStore &texts = TextStore::instance();
    if (!parser.isSet(QStringLiteral("texts"))) {
        texts.load();
        return EXIT_OK;
    }
    const QString path = parser.value(QStringLiteral("texts"));
    if (!texts.loadFile(path)) {
        QTextStream(stderr) << "sorvel-cli: " << command << ": " << path << ": cannot read the data file\n";
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

int writeReportFile(const QCommandLineParser &parser, const QString &command, const QString &document)
{
    if (!parser.isSet(QStringLiteral("out")))
        return EXIT_OK;
    return writeTextFile(parser.value(QStringLiteral("out")), command, document);
}

int writeTextFile(const QString &path, const QString &command, const QString &text)
{
    return writeOutputFile(path, command, text.toUtf8());
}
