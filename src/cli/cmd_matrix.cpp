// sorvel-cli matrix: the psychomatrix of a birth date, and its report.

#include "cliutil.h"
#include "commands.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/namecleaning.h"
#include "readingutil.h"

void usageMatrix(QTextStream &out)
{
    out << "  matrix --full TEXT --birth YYYY-MM-DD [--texts FILE] [--out FILE]\n"
           "    Prints the 18 psychomatrix values {\"values\": [...]}: the counts of the\n"
           "    digits 0 to 9, then the sums 1-2-3, 4-5-6, 7-8-9, 1-4-7, 2-5-8, 3-6-9,\n"
           "    1-5-9 and 3-5-7.\n"
           "    --full TEXT            the name that heads the report (required)\n"
           "    --birth YYYY-MM-DD     birth date (required)\n";
    writeReportOptionsUsage(out);
}

int runMatrix(const QStringList &args)
{
    const QString command = QStringLiteral("matrix");
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("full"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("birth"), QString(), QStringLiteral("DATE")));
    addReportOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;

    if (!parser.isSet(QStringLiteral("full")))
        return usageError(QStringLiteral("matrix: missing --full"));
    QDate birth;
    QString error;
    if (!readBirthDateOption(parser, QStringLiteral("birth"), true, birth, error))
        return usageError(QLatin1String("matrix: ") + error);
    if (const int status = loadReportTexts(parser, command))
        return status;

    CNumerologyPMatrix matrix;
    matrix.setImageFolder(CReportTools::programImageFolder());
    matrix.CalcPsychomatrix(CleanName(parser.value(QStringLiteral("full"))), birth);
    if (const int status = writeReportFile(parser, command, matrix.document()))
        return status;

    QJsonObject o;
    o[QStringLiteral("values")] = intArray(matrix.values().data(), int(matrix.values().size()));
    return writeJson(o, command);
}
