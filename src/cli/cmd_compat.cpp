// sorvel-cli compat: the compatibility of a person and a partner, and its
// report. Both charts are calculated with the person's options, as the
// window does.

#include "cliutil.h"
#include "commands.h"
#include "engine/ccompnumerology.h"
#include "readingutil.h"

namespace {

QJsonObject compatibilityJson(const CompatibilityResult &r)
{
    QJsonObject o;
    o[QStringLiteral("lifePathRating")] = r.lifePathRating;
    o[QStringLiteral("birthdayRating")] = r.birthdayRating;
    o[QStringLiteral("nameRating")] = r.nameRating;
    o[QStringLiteral("familyRating")] = r.familyRating;
    o[QStringLiteral("carnalRating")] = r.carnalRating;
    o[QStringLiteral("overallRating")] = r.overallRating;
    o[QStringLiteral("lifePathCode")] = r.lifePathCode;
    o[QStringLiteral("birthdayCode")] = r.birthdayCode;
    o[QStringLiteral("nameCode")] = r.nameCode;
    o[QStringLiteral("familyScore")] = r.familyScore;
    o[QStringLiteral("homeProducts")] = intArray(r.homeProducts, 2);
    o[QStringLiteral("spiritualProducts")] = intArray(r.spiritualProducts, 2);
    o[QStringLiteral("homeStability")] = r.homeStability;
    o[QStringLiteral("spiritualStability")] = r.spiritualStability;
    o[QStringLiteral("marriageStabilityTerm")] = r.marriageStabilityTerm;
    o[QStringLiteral("characterCode")] = r.characterCode;
    o[QStringLiteral("energyCode")] = r.energyCode;
    o[QStringLiteral("texts")] = stringArray(r.texts, CT_COUNT);
    return o;
}

// The partner of a person file's record, with the person's table, vowel
// mode, forecast date and options.
bool takeFilePartner(const QCommandLineParser &parser, const PersonInput &file, ChartRequest &partner,
                     QString &error)
{
    for (const char *name : {"partner-full", "partner-short", "partner-birth"}) {
        if (parser.isSet(QLatin1String(name))) {
            error = QLatin1String("--person replaces --") + QLatin1String(name);
            return false;
        }
    }
    const PersonInput input = cleanedInput(file);
    if (input.partnerFullName.isEmpty()) {
        error = QStringLiteral("--person: the file has no partner");
        return false;
    }
    if (!input.partnerBirthDate.isValid()) {
        error = QStringLiteral("--person: the file's partner birth date is not a valid date");
        return false;
    }
    const PersonRecord person = partner.person;
    partner.person = partnerRecord(input);
    partner.person.forecastDate = person.forecastDate;
    partner.person.vowelMode = person.vowelMode;
    return true;
}

// The partner's request, from the person file when one was given.
bool readPartner(const QCommandLineParser &parser, const ChartRequest &person, ChartRequest &partner,
                 QString &error, const PersonInput *fromFile)
{
    if (!fromFile)
        return readPartnerRequest(parser, person, partner, error);
    partner = person;
    partner.nameOwner = QStringLiteral("partner");
    return takeFilePartner(parser, *fromFile, partner, error);
}

} // namespace

void usageCompat(QTextStream &out)
{
    out << "  compat --full TEXT --birth YYYY-MM-DD --partner-full TEXT\n"
           "         --partner-birth YYYY-MM-DD [options]\n"
           "  compat --person FILE.num [options]\n"
           "    Prints the compatibility of the person and the partner as one JSON object.\n";
    writeChartOptionsUsage(out);
    out << "    --partner-full TEXT    the partner's full birth name (required)\n"
           "    --partner-short TEXT   the partner's everyday name (derived as for --short)\n"
           "    --partner-birth YYYY-MM-DD   the partner's birth date (required)\n"
           "    --person FILE.num      person and partner of a saved person file in place\n"
           "                           of the person's and the partner's names, birth\n"
           "                           dates, marks and --chaldean\n";
    writeReportOptionsUsage(out);
}

int runCompat(const QStringList &args)
{
    const QString command = QStringLiteral("compat");
    QCommandLineParser parser;
    addChartOptions(parser);
    addPartnerOptions(parser);
    addPersonFileOption(parser);
    addReportOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;

    PersonInput filePerson;
    bool fromFile = false;
    if (const int status = readPersonFileOption(parser, command, filePerson, fromFile))
        return status;
    const PersonInput *file = fromFile ? &filePerson : nullptr;
    ChartRequest person;
    ChartRequest partner;
    QString error;
    if (!readChartOptions(parser, person, error, file) || !readPartner(parser, person, partner, error, file))
        return usageError(QLatin1String("compat: ") + error);
    if (const int status = loadReportTexts(parser, command))
        return status;

    // Both charts must pass the name check, as in the window.
    CNumerology personChart;
    CNumerology partnerChart;
    if (const int status = calculateChart(person, personChart))
        return status;
    if (const int status = calculateChart(partner, partnerChart))
        return status;
    CNumerologyPMatrix personSquare;
    CNumerologyPMatrix partnerSquare;
    personSquare.CalcPsychomatrix(person.person.fullName, person.person.birthDate);
    partnerSquare.CalcPsychomatrix(partner.person.fullName, partner.person.birthDate);

    CCompNumerology compatibility;
    compatibility.setImageFolder(CReportTools::programImageFolder());
    compatibility.CalcCompatibility(personChart.result(), partnerChart.result(), personSquare.values(),
                                    partnerSquare.values(), false);
    if (const int status = writeReportFile(parser, command, compatibility.document()))
        return status;
    return writeJson(compatibilityJson(compatibility.result()), command);
}
