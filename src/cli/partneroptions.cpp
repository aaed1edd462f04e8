#include "partneroptions.h"

#include "engine/namecleaning.h"

void addPartnerOptions(QCommandLineParser &parser)
{
    for (const char *name : {"partner-full", "partner-short"})
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("partner-birth"), QString(), QStringLiteral("DATE")));
}

void writePartnerOptionsUsage(QTextStream &out)
{
    out << "    --partner-full TEXT    the partner's full birth name\n"
           "    --partner-short TEXT   the partner's everyday name (derived as for --short)\n"
           "    --partner-birth YYYY-MM-DD   the partner's birth date\n";
}

namespace {

// The partner of a person file's record.
bool takeFilePartner(const QCommandLineParser &parser, const PersonInput &file, ChartRequest &partner,
                     QString &error)
{
    for (const char *name : {"partner-full", "partner-short", "partner-birth"}) {
        if (parser.isSet(QLatin1String(name))) {
            error = personSourceOption(parser) + QLatin1String(" replaces --") + QLatin1String(name);
            return false;
        }
    }
    const PersonInput input = cleanedInput(file);
    if (input.partnerFullName.isEmpty()) {
        const bool client = parser.isSet(QStringLiteral("client"));
        error = client ? QStringLiteral("--client: the client has no partner")
                       : QStringLiteral("--person: the file has no partner");
        return false;
    }
    if (!input.partnerBirthDate.isValid()) {
        error = personSourceOption(parser) + QStringLiteral(": the partner's birth date is not a valid date");
        return false;
    }
    const PersonRecord person = partner.person;
    partner.person = partnerRecord(input);
    partner.person.forecastDate = person.forecastDate;
    partner.person.vowelMode = person.vowelMode;
    return true;
}

} // namespace

bool readPartnerOptions(const QCommandLineParser &parser, const ChartRequest &person, ChartRequest &partner,
                        QString &error, const PersonInput *fromFile)
{
    partner = person;
    partner.nameOwner = QStringLiteral("partner");
    if (fromFile)
        return takeFilePartner(parser, *fromFile, partner, error);
    if (!parser.isSet(QStringLiteral("partner-full"))) {
        error = QStringLiteral("missing --partner-full");
        return false;
    }
    PersonRecord &p = partner.person;
    p.fullName = CleanName(parser.value(QStringLiteral("partner-full")));
    p.shortName = CleanName(parser.value(QStringLiteral("partner-short")));
    if (p.shortName.isEmpty())
        p.shortName = ShortNameFromFull(p.fullName);
    p.fullMarks.clear();
    p.shortMarks.clear();
    return readBirthDateOption(parser, QStringLiteral("partner-birth"), true, p.birthDate, error);
}
