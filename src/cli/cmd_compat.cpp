// sorvel-cli compat: the compatibility of a person and a partner, and its
// report. Both charts are calculated with the person's options, as the
// window does.

#include "cliutil.h"
#include "commands.h"
#include "engine/ccompnumerology.h"
#include "partneroptions.h"
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

} // namespace

void usageCompat(QTextStream &out)
{
    out << "  compat --full TEXT --birth YYYY-MM-DD --partner-full TEXT\n"
           "         --partner-birth YYYY-MM-DD [options]\n"
           "  compat --person FILE.num [options]\n"
           "  compat --client ID [--db FILE] [options]\n"
           "    Prints the compatibility of the person and the partner as one JSON object.\n";
    writeChartOptionsUsage(out);
    writePartnerOptionsUsage(out);
    writePersonFileOptionUsage(out, "person and partner");
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
    if (!readChartOptions(parser, person, error, file) || !readPartnerOptions(parser, person, partner, error, file))
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
