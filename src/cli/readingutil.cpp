#include "readingutil.h"

#include "cliutil.h"
#include "commands.h"
#include "reports/textstore.h"

#include <QSaveFile>

bool readDateOption(const QCommandLineParser &parser, const QString &name, bool required, QDate &date,
                    QString &error)
{
    const QString option = QLatin1String("--") + name;
    if (!parser.isSet(name)) {
        if (required)
            error = QLatin1String("missing ") + option;
        return !required;
    }
    const QDate parsed = parseIsoDate(parser.value(name));
    if (!parsed.isValid()) {
        error = option + QLatin1String(": not a valid date (YYYY-MM-DD): ") + parser.value(name);
        return false;
    }
    date = parsed;
    return true;
}

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
    const QString path = parser.value(QStringLiteral("out"));
    const QByteArray bytes = document.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        QTextStream(stderr) << "sorvel-cli: " << command << ": " << path
                            << ": cannot write: " << file.errorString() << "\n";
        return EXIT_FAILED;
    }
    return EXIT_OK;
}
