#include "readingutil.h"

#include "cliutil.h"
#include "commands.h"
#include "engine/namecleaning.h"
#include "export/exportfiles.h"
#include "export/htmlpictures.h"
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
           "    --out FILE             also write the reading's HTML report to FILE, as\n"
           "                           \"Save Report\" does: pictures inlined, UTF-8\n";
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
    return writeExportFile(parser.value(QStringLiteral("out")), command, savedReportHtml(document));
}

int writeTextFile(const QString &path, const QString &command, const QString &text)
{
    return writeExportFile(path, command, text.toUtf8());
}

int writeExportFile(const QString &path, const QString &command, const QByteArray &bytes)
{
    QString reason;
    if (!saveExportBytes(path, bytes, &reason)) {
        QTextStream(stderr) << "sorvel-cli: " << command << ": " << path << ": cannot write: " << reason
                            << "\n";
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

void addPartnerOptions(QCommandLineParser &parser)
{
    for (const char *name : {"partner-full", "partner-short"})
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("partner-birth"), QString(), QStringLiteral("DATE")));
}

bool readPartnerRequest(const QCommandLineParser &parser, const ChartRequest &person, ChartRequest &partner,
                        QString &error)
{
    if (!parser.isSet(QStringLiteral("partner-full"))) {
        error = QStringLiteral("missing --partner-full");
        return false;
    }
    partner = person;
    PersonRecord &p = partner.person;
    p.fullName = CleanName(parser.value(QStringLiteral("partner-full")));
    p.shortName = CleanName(parser.value(QStringLiteral("partner-short")));
    if (p.shortName.isEmpty())
        p.shortName = ShortNameFromFull(p.fullName);
    p.fullMarks.clear();
    p.shortMarks.clear();
    return readDateOption(parser, QStringLiteral("partner-birth"), true, p.birthDate, error);
}
