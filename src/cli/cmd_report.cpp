// sorvel-cli report: a reading's HTML document, exactly as the engine builds it.
//
//   report numerology [chart options] [--texts FILE] [--out FILE]
//   report year-ahead (cmd_year.cpp)

#include "cliutil.h"
#include "commands.h"
#include "readingutil.h"

namespace {

int runNumerologyReport(const QStringList &args)
{
    QCommandLineParser parser;
    addChartOptions(parser);
    addReportOptions(parser);
    if (!parseArguments(parser, QStringLiteral("report numerology"), args))
        return EXIT_USAGE;

    ChartRequest request;
    QString error;
    if (!readChartOptions(parser, request, error))
        return usageError(QLatin1String("report numerology: ") + error);

    // The program's own data file may be missing (the report then has no
    // prose, as in the window); a file named on the command line must exist,
    // and a damaged file is refused either way.
    if (const int status = loadReportTexts(parser, QStringLiteral("report")))
        return status;

    CNumerology engine;
    engine.setImageFolder(CReportTools::programImageFolder());
    const int status = calculateChart(request, engine);
    if (status != EXIT_OK)
        return status;
    return writeReportOutput(parser, engine.document());
}

} // namespace

void usageReport(QTextStream &out)
{
    out << "  report numerology --full TEXT --birth YYYY-MM-DD [options]\n"
           "    Writes the numerology report, the HTML document the window shows.\n";
    writeChartOptionsUsage(out);
    out << "    --texts FILE           interpretation data file (default: eng.dat in the\n"
           "                           program's data folder)\n"
           "    --out FILE             write the report to FILE as \"Save Report\" does\n"
           "                           (pictures inlined); - or none: the document to stdout\n";
    usageYearAheadReport(out);
    out << "    --texts FILE, --out FILE   as for report numerology\n";
}

int runReport(const QStringList &args)
{
    const QString kind = args.value(0);
    if (kind == QLatin1String("numerology"))
        return runNumerologyReport(args.mid(1));
    if (kind == QLatin1String("year-ahead"))
        return runYearAheadReport(args.mid(1));
    if (kind.isEmpty())
        return usageError(QStringLiteral("report: expected a reading (numerology, year-ahead)"));
    return usageError(QLatin1String("report: unknown reading '") + kind +
                      QLatin1String("' (expected numerology, year-ahead)"));
}
