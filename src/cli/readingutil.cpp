#include "readingutil.h"

#include "cliutil.h"
#include "commands.h"
#include "document/programfolder.h"
#include "export/htmlpictures.h"
#include "texts/textstore.h"


void addReportOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("texts"), QString(), QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE")));
}

void writeReportOptionsUsage(QTextStream &out)
{
    out << "    --texts FILE           interpretation data file (default: eng.dat in the\n"
           "                           program's data folder, refused unless it holds\n"
           "                           every text the readings print; FILE may hold any\n"
           "                           part of them)\n"
           "    --out FILE             also write the reading's HTML report to FILE, as\n"
           "                           \"Save Report\" does: pictures inlined, UTF-8\n";
}

int loadReportTexts(const QCommandLineParser &parser, const QString &command)
{
    TextStore &texts = TextStore::instance();
    const bool named = parser.isSet(QStringLiteral("texts"));
    const QString path = named ? parser.value(QStringLiteral("texts"))
                               : programDataFolder() + QLatin1String("eng.dat");
    const TextLoadResult result = named ? texts.loadFrom(path) : texts.load();
    // Without --texts a missing data file leaves the texts empty, as in the
    // window; a file that is there must be one we can trust.
    if (result.loaded() || (!named && result.status == TextLoadResult::Missing))
        return EXIT_OK;
    QTextStream err(stderr);
    err << "sorvel-cli: " << command << ": " << shownText(path) << ": ";
    if (result.status == TextLoadResult::Missing)
        err << "cannot read the data file: " << result.reason << "\n";
    else
        err << "refused as a data file: " << result.reason << "\n";
    return EXIT_FAILED;
}

int writeReportOutput(const QCommandLineParser &parser, const QString &document)
{
    const QString out = parser.value(QStringLiteral("out"));
    if (!out.isEmpty() && out != QLatin1String("-"))
        return writeOutputFile(out, QStringLiteral("report"), savedReportHtml(document));
    return writeTextFile(QStringLiteral("-"), QStringLiteral("report"), document);
}

int writeReportFile(const QCommandLineParser &parser, const QString &command, const QString &document)
{
    if (!parser.isSet(QStringLiteral("out")))
        return EXIT_OK;
    return writeOutputFile(parser.value(QStringLiteral("out")), command, savedReportHtml(document));
}

int writeTextFile(const QString &path, const QString &command, const QString &text)
{
    return writeOutputFile(path, command, text.toUtf8());
}
