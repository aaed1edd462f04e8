// sorvel-cli pet: the pet reading of a name and two dates, and its report.

#include "cliutil.h"
#include "commands.h"
#include "engine/namecleaning.h"
#include "readingutil.h"

void usagePet(QTextStream &out)
{
    out << "  pet --name TEXT --birth YYYY-MM-DD [--forecast YYYY-MM-DD]\n"
           "    Prints the pet number, birthday code, forecast day code, digit rows and\n"
           "    calculation lines as one JSON object.\n"
           "    --name TEXT            the pet's name (required)\n"
           "    --birth YYYY-MM-DD     the pet's birth date (required)\n"
           "    --forecast YYYY-MM-DD  the day of the forecast (default: today)\n";
    writeReportOptionsUsage(out);
}

int runPet(const QStringList &args)
{
    const QString command = QStringLiteral("pet");
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("name"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("birth"), QString(), QStringLiteral("DATE")));
    parser.addOption(QCommandLineOption(QStringLiteral("forecast"), QString(), QStringLiteral("DATE")));
    addReportOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;

    if (!parser.isSet(QStringLiteral("name")))
        return usageError(QStringLiteral("pet: missing --name"));
    // The window never reads a name that cleans to nothing.
    const QString name = CleanName(parser.value(QStringLiteral("name")));
    if (name.isEmpty())
        return usageError(QStringLiteral("pet: --name: no letters or digits in ") +
                          parser.value(QStringLiteral("name")));
    QDate birth;
    QDate forecast = QDate::currentDate();
    QString error;
    if (!readDateOption(parser, QStringLiteral("birth"), true, birth, error) ||
        !readDateOption(parser, QStringLiteral("forecast"), false, forecast, error))
        return usageError(QLatin1String("pet: ") + error);
    if (const int status = loadReportTexts(parser, command))
        return status;

    CNumerology pet;
    pet.setImageFolder(CReportTools::programImageFolder());
    CliReporter reporter;
    bool ok = false;
    {
        const ScopedMessageReporter installed(reporter);
        ok = pet.CalcPetNum(name, birth, forecast);
    }
    // A name worth 0 (digits 0 only) is refused; the message says so.
    reporter.flush(ok ? QString() : nameFailure(QString(), QStringLiteral("pet name"), name, "no letters"));
    if (!ok)
        return EXIT_NAME_CHECK;
    if (const int status = writeReportFile(parser, command, pet.document()))
        return status;

    const NumerologyResult &r = pet.result();
    QJsonObject o;
    o[QStringLiteral("name")] = r.fullName;
    o[QStringLiteral("petNumber")] = r.expression;
    o[QStringLiteral("petNumberText")] = r.expressionText;
    o[QStringLiteral("birthdayCode")] = r.birthdayText.toInt();
    o[QStringLiteral("dayCode")] = r.personalYearText.toInt();
    o[QStringLiteral("vowelRow")] = r.fullVowelRow;
    o[QStringLiteral("consonantRow")] = r.fullConsonantRow;
    o[QStringLiteral("line")] = r.expressionLine;
    o[QStringLiteral("vowelLine")] = r.heartsDesireLine;
    o[QStringLiteral("consonantLine")] = r.personalityLine;
    return writeJson(o, command);
}
