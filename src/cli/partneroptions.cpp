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

bool readPartnerOptions(const QCommandLineParser &parser, const ChartRequest &person, ChartRequest &partner,
                        QString &error)
{
    if (!parser.isSet(QStringLiteral("partner-full"))) {
        error = QStringLiteral("missing --partner-full");
        return false;
    }
    partner = person;
    PersonRecord &p = partner.person;
    p.fullName = CleanName(parser.value(QStringLiteral("partner-full")));
    p.shortName = CleanName(parser.value(QStringLiteral("partner-short")));
    if (p.shortName.isEmpty())
        p.shortName = ShortNameFromFull(p.fullName);
    p.fullMarks.clear();
    p.shortMarks.clear();
    return readDateOption(parser, QStringLiteral("partner-birth"), true, p.birthDate, error);
}
