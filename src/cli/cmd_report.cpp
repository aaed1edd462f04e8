// sorvel-cli report: a reading's HTML document, exactly as the engine builds it.
//
//   report numerology [chart options] [--texts FILE] [--out FILE]

#include "cliutil.h"
#include "commands.h"
#include "reports/textstore.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

// Writes the document as UTF-8 to FILE, or to stdout for "-" or no file.
int writeDocument(const QString &document, const QString &out)
{
    const QByteArray bytes = document.toUtf8();
    if (out.isEmpty() || out == QLatin1String("-")) {
        fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        fflush(stdout);
        return EXIT_OK;
    }
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        QTextStream(stderr) << "sorvel-cli: report: " << out << ": cannot write: " << file.errorString()
                            << "\n";
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

int runNumerologyReport(const QStringList &args)
{
    QCommandLineParser parser;
    addChartOptions(parser);
    parser.addOption(QCommandLineOption(QStringLiteral("texts"), QString(), QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE")));
    if (!parseArguments(parser, QStringLiteral("report numerology"), args))
        return EXIT_USAGE;

    ChartRequest request;
    QString error;
    if (!readChartOptions(parser, request, error))
        return usageError(QLatin1String("report numerology: ") + error);

    // The program's own data file may be missing (the report then has no
    // prose, as in the window); a file named on the command line must exist.
    TextStore &texts = TextStore::instance();
    if (parser.isSet(QStringLiteral("texts"))) {
        const QString path = parser.value(QStringLiteral("texts"));
        if (!texts.loadFile(path)) {
            QTextStream(stderr) << "sorvel-cli: report: " << path << ": cannot read the data file\n";
            return EXIT_FAILED;
        }
    } else {
        texts.load();
    }

    CNumerology engine;
    engine.setImageFolder(CReportTools::programImageFolder());
    const int status = calculateChart(request, engine);
    if (status != EXIT_OK)
        return status;
    return writeDocument(engine.document(), parser.value(QStringLiteral("out")));
}

} // namespace

void usageReport(QTextStream &out)
{
    out << "  report numerology --full TEXT --birth YYYY-MM-DD [options]\n"
           "    Writes the numerology report, the HTML document the window shows.\n";
    writeChartOptionsUsage(out);
    out << "    --texts FILE           interpretation data file (default: eng.dat beside\n"
           "                           the program)\n"
           "    --out FILE             where to write the document; - or none: stdout\n";
}

int runReport(const QStringList &args)
{
    const QString kind = args.value(0);
    if (kind == QLatin1String("numerology"))
        return runNumerologyReport(args.mid(1));
    if (kind.isEmpty())
        return usageError(QStringLiteral("report: expected a reading (numerology)"));
    return usageError(QLatin1String("report: unknown reading '") + kind + QLatin1String("' (expected numerology)"));
}
