// sorvel-cli chart: every number of a person's chart as one JSON object.

#include "chartjson.h"
#include "commands.h"

QJsonObject chartJson(const CNumerology &engine)
{
    const NumerologyResult &r = engine.result();
    const QDate &forecast = r.forecastDate;
    QJsonObject o;
    o[QStringLiteral("fullName")] = r.fullName;
    o[QStringLiteral("shortName")] = r.shortName;
    o[QStringLiteral("birthDate")] = r.birthDate.toString(Qt::ISODate);
    o[QStringLiteral("forecastDate")] = forecast.toString(Qt::ISODate);
    o[QStringLiteral("lifePath")] = r.lifePath;
    o[QStringLiteral("lifePathText")] = r.lifePathText;
    o[QStringLiteral("birthdayText")] = r.birthdayText;
    o[QStringLiteral("expression")] = r.expression;
    o[QStringLiteral("expressionText")] = r.expressionText;
    o[QStringLiteral("compoundNumber")] = r.compoundNumber;
    o[QStringLiteral("minorExpressionText")] = r.minorExpressionText;
    o[QStringLiteral("heartsDesireText")] = r.heartsDesireText;
    o[QStringLiteral("minorHeartsDesireText")] = r.minorHeartsDesireText;
    o[QStringLiteral("personalityText")] = r.personalityText;
    o[QStringLiteral("minorPersonalityText")] = r.minorPersonalityText;
    o[QStringLiteral("maturityText")] = r.maturityText;
    o[QStringLiteral("rationalThoughtText")] = r.rationalThoughtText;
    o[QStringLiteral("karmicDebtsText")] = r.karmicDebtsText;
    o[QStringLiteral("karmicLessonsText")] = r.karmicLessonsText;
    o[QStringLiteral("hiddenPassionText")] = r.hiddenPassionText;
    o[QStringLiteral("subconsciousConfidenceText")] = r.subconsciousConfidenceText;
    o[QStringLiteral("balanceText")] = r.balanceText;
    o[QStringLiteral("lifePathExpressionBridgeText")] = r.lifePathExpressionBridgeText;
    o[QStringLiteral("heartsDesirePersonalityBridgeText")] = r.heartsDesirePersonalityBridgeText;
    o[QStringLiteral("challenges")] = intArray(r.challenges, 4);
    o[QStringLiteral("challengesText")] = r.challengesText;
    o[QStringLiteral("pinnacles")] = intArray(engine.reportValues().pinnacles, 4);
    o[QStringLiteral("pinnaclesText")] = r.pinnaclesText;
    o[QStringLiteral("ageSpansText")] = r.ageSpansText;
    o[QStringLiteral("lifePathPeriodsText")] = r.lifePathPeriodsText;
    o[QStringLiteral("periodSpansText")] = r.periodSpansText;
    o[QStringLiteral("personalYearText")] = r.personalYearText;
    o[QStringLiteral("personalMonth")] = engine.PersonalMonth(forecast.year(), forecast.month());
    o[QStringLiteral("personalDay")] = engine.PersonalDay(forecast);
    o[QStringLiteral("age")] = CNumerology::AgeAt(r.birthDate, forecast);
    o[QStringLiteral("birthDayMonthDigit")] = r.birthDayMonthDigit;
    o[QStringLiteral("forecastYear")] = r.forecastYear;
    o[QStringLiteral("fullVowelRow")] = r.fullVowelRow;
    o[QStringLiteral("fullConsonantRow")] = r.fullConsonantRow;
    o[QStringLiteral("shortVowelRow")] = r.shortVowelRow;
    o[QStringLiteral("shortConsonantRow")] = r.shortConsonantRow;
    o[QStringLiteral("expressionLine")] = r.expressionLine;
    o[QStringLiteral("heartsDesireLine")] = r.heartsDesireLine;
    o[QStringLiteral("personalityLine")] = r.personalityLine;
    o[QStringLiteral("minorExpressionLine")] = r.minorExpressionLine;
    o[QStringLiteral("minorHeartsDesireLine")] = r.minorHeartsDesireLine;
    o[QStringLiteral("minorPersonalityLine")] = r.minorPersonalityLine;
    o[QStringLiteral("planesLetters")] = stringArray(r.planesLetters, 20);
    o[QStringLiteral("planesValues")] = stringArray(r.planesValues, 20);
    o[QStringLiteral("planeNumbers")] = intArray(engine.reportValues().planeNumbers, 4);
    o[QStringLiteral("planeGroupCounts")] = intArray(r.planeGroupCounts, 12);
    o[QStringLiteral("letterCounts")] = intArray(r.letterCounts, 26);
    o[QStringLiteral("physicalTransits")] = r.physicalTransits;
    o[QStringLiteral("mentalTransits")] = r.mentalTransits;
    o[QStringLiteral("spiritualTransits")] = r.spiritualTransits;
    o[QStringLiteral("essenceTotals")] = intArray(r.essenceTotals, 128);
    o[QStringLiteral("essenceNumbers")] = intArray(r.essenceNumbers, 128);
    return o;
}

void usageChart(QTextStream &out)
{
    out << "  chart --full TEXT --birth YYYY-MM-DD [options] [--calc-only]\n"
           "  chart --person FILE.num [options] [--calc-only]\n"
           "  chart --client ID [--db FILE] [options] [--calc-only]\n"
           "    Prints every number of the person's chart as one JSON object.\n";
    writeChartOptionsUsage(out);
    writePersonFileOptionUsage(out, "the person");
    out << "    --calc-only            skip the name check (as while typing in the window)\n";
}

int runChart(const QStringList &args)
{
    QCommandLineParser parser;
    addChartOptions(parser);
    addPersonFileOption(parser);
    parser.addOption(QCommandLineOption(QStringLiteral("calc-only")));
    if (!parseArguments(parser, QStringLiteral("chart"), args))
        return EXIT_USAGE;

    PersonInput filePerson;
    bool fromFile = false;
    if (const int status = readPersonFileOption(parser, QStringLiteral("chart"), filePerson, fromFile))
        return status;
    ChartRequest request;
    QString error;
    if (!readChartOptions(parser, request, error, fromFile ? &filePerson : nullptr))
        return usageError(QLatin1String("chart: ") + error);
    request.person.calcOnly = parser.isSet(QStringLiteral("calc-only"));

    CNumerology engine;
    if (const int status = calculateChart(request, engine))
        return status;
    return writeJson(chartJson(engine), QStringLiteral("chart"));
}
