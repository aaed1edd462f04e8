// sorvel-cli analyze: the name advisor's quick reading of any name and date,
// and its report.

#include "cliutil.h"
#include "commands.h"
#include "engine/analyzerinput.h"
#include "readingutil.h"

void usageAnalyze(QTextStream &out)
{
    out << "  analyze --name TEXT --date YYYY-MM-DD [--chaldean] [--no-word-reduce]\n"
           "    Prints the name advisor's numbers as one JSON object. The name is\n"
           "    prepared as the advisor page does: cut to 300 characters, commas\n"
           "    removed, cleaned, words joined by single blanks.\n"
           "    --name TEXT            the name to analyse (required)\n"
           "    --date YYYY-MM-DD      the date to analyse (required)\n"
           "    --chaldean             use the Chaldean letter table\n"
           "    --no-word-reduce       add the words' sums without reducing each word\n";
    writeReportOptionsUsage(out);
}

int runAnalyze(const QStringList &args)
{
    const QString command = QStringLiteral("analyze");
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("name"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("date"), QString(), QStringLiteral("DATE")));
    parser.addOption(QCommandLineOption(QStringLiteral("chaldean")));
    parser.addOption(QCommandLineOption(QStringLiteral("no-word-reduce")));
    addReportOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;

    if (!parser.isSet(QStringLiteral("name")))
        return usageError(QStringLiteral("analyze: missing --name"));
    QDate date;
    QString error;
    if (!readDateOption(parser, QStringLiteral("date"), true, date, error))
        return usageError(QLatin1String("analyze: ") + error);
    // A name that prepares to nothing is refused with the page's message.
    QString name;
    CliReporter reporter;
    bool prepared = false;
    {
        const ScopedMessageReporter installed(reporter);
        prepared = PrepareAnalyzerName(parser.value(QStringLiteral("name")), name);
    }
    reporter.flush();
    if (!prepared)
        return EXIT_USAGE;
    if (const int status = loadReportTexts(parser, command))
        return status;

    CalcOptions options;
    options.reduceEachWord = !parser.isSet(QStringLiteral("no-word-reduce"));
    CNumerology advisor;
    advisor.setCalcOptions(&options);
    advisor.setImageFolder(CReportTools::programImageFolder());
    advisor.CalcAnNum(name, date, parser.isSet(QStringLiteral("chaldean")));
    if (const int status = writeReportFile(parser, command, advisor.document()))
        return status;

    const NumerologyResult &r = advisor.result();
    QJsonObject o;
    o[QStringLiteral("name")] = r.fullName;
    o[QStringLiteral("dateNumber")] = r.lifePath;
    o[QStringLiteral("dateNumberText")] = r.lifePathText;
    o[QStringLiteral("nameNumber")] = r.expression;
    o[QStringLiteral("nameNumberText")] = r.expressionText;
    o[QStringLiteral("compoundNumber")] = r.compoundNumber;
    o[QStringLiteral("heartsDesireText")] = r.heartsDesireText;
    o[QStringLiteral("personalityText")] = r.personalityText;
    o[QStringLiteral("karmicLessonsText")] = r.karmicLessonsText;
    o[QStringLiteral("hiddenPassionText")] = r.hiddenPassionText;
    o[QStringLiteral("subconsciousConfidenceText")] = r.subconsciousConfidenceText;
    o[QStringLiteral("vowelRow")] = r.fullVowelRow;
    o[QStringLiteral("consonantRow")] = r.fullConsonantRow;
    o[QStringLiteral("nameLine")] = r.expressionLine;
    o[QStringLiteral("vowelLine")] = r.heartsDesireLine;
    o[QStringLiteral("consonantLine")] = r.personalityLine;
    return writeJson(o, command);
}
