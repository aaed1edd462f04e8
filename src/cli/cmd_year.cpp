// sorvel-cli year and report year-ahead: a person's personal year, months
// and days of one calendar year, as JSON numbers or as the year-ahead
// reading's HTML document.
//
//   year --full TEXT --birth YYYY-MM-DD [--year YYYY]
//   report year-ahead --full TEXT --birth YYYY-MM-DD [--year YYYY] [--texts FILE] [--out FILE]

#include "cliutil.h"
#include "commands.h"
#include "document/creporttools.h"
#include "engine/namecleaning.h"
#include "engine/personalnumbers.h"
#include "readingutil.h"
#include "reports/yearaheadreport.h"
#include "texts/textstore.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const int FIRST_YEAR = 1;
const int LAST_YEAR = 9999;

struct YearRequest
{
    QString fullName;
    QDate birth;
    int year = 0;
};

void addYearOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("full"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("birth"), QString(), QStringLiteral("DATE")));
    parser.addOption(QCommandLineOption(QStringLiteral("year"), QString(), QStringLiteral("YYYY")));
}

void writeYearOptionsUsage(QTextStream &out)
{
    out << "    --full TEXT            the person's full name (required)\n"
           "    --birth YYYY-MM-DD     birth date (required)\n"
           "    --year YYYY            the calendar year, 1 to 9999 (default: this year,\n"
           "                           the forecast date's year)\n";
}

bool readYearRequest(const QCommandLineParser &parser, YearRequest &request, QString &error)
{
    request.fullName = CleanName(parser.value(QStringLiteral("full")));
    if (request.fullName.isEmpty()) {
        error = QStringLiteral("missing --full");
        return false;
    }
    if (!readDateOption(parser, QStringLiteral("birth"), true, request.birth, error))
        return false;
    request.year = QDate::currentDate().year();
    if (parser.isSet(QStringLiteral("year"))) {
        bool ok = false;
        request.year = parser.value(QStringLiteral("year")).toInt(&ok);
        if (!ok || request.year < FIRST_YEAR || request.year > LAST_YEAR) {
            error = QLatin1String("--year: expected a year from 1 to 9999, not '") +
                    parser.value(QStringLiteral("year")) + QLatin1Char('\'');
            return false;
        }
    }
    return true;
}

} // namespace

void usageYear(QTextStream &out)
{
    out << "  year --full TEXT --birth YYYY-MM-DD [--year YYYY]\n"
           "    Prints the personal numbers of one calendar year as JSON: {\"year\": Y,\n"
           "    \"personalYear\": n, \"months\": [{\"month\": 1, \"personalMonth\": n,\n"
           "    \"days\": [n, ...]}, ...]}, one personal day per day of the month.\n";
    writeYearOptionsUsage(out);
}

int runYear(const QStringList &args)
{
    const QString command = QStringLiteral("year");
    QCommandLineParser parser;
    addYearOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;
    YearRequest request;
    QString error;
    if (!readYearRequest(parser, request, error))
        return usageError(QLatin1String("year: ") + error);

    const PersonalNumbers::YearNumbers numbers =
        PersonalNumbers::forBirthDate(request.birth).yearAhead(request.year);
    QJsonArray months;
    for (const PersonalNumbers::MonthNumbers &month : numbers.months) {
        QJsonArray days;
        for (const int day : month.days)
            days.append(day);
        QJsonObject m;
        m[QStringLiteral("month")] = month.month;
        m[QStringLiteral("personalMonth")] = month.personalMonth;
        m[QStringLiteral("days")] = days;
        months.append(m);
    }
    QJsonObject o;
    o[QStringLiteral("year")] = numbers.year;
    o[QStringLiteral("personalYear")] = numbers.personalYear;
    o[QStringLiteral("months")] = months;
    return writeJson(o, command);
}

void usageYearAheadReport(QTextStream &out)
{
    out << "  report year-ahead --full TEXT --birth YYYY-MM-DD [--year YYYY] [options]\n"
           "    Writes the year-ahead reading: the personal year, then each month with\n"
           "    its text and a calendar of its personal days.\n";
    writeYearOptionsUsage(out);
}

int runYearAheadReport(const QStringList &args)
{
    const QString command = QStringLiteral("report year-ahead");
    QCommandLineParser parser;
    addYearOptions(parser);
    addReportOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;
    YearRequest request;
    QString error;
    if (!readYearRequest(parser, request, error))
        return usageError(command + QLatin1String(": ") + error);
    if (const int status = loadReportTexts(parser, QStringLiteral("report")))
        return status;

    CReportTools doc;
    doc.setImageFolder(CReportTools::programImageFolder());
    BuildYearAheadReport(request.fullName, request.birth, request.year, TextStore::instance(), doc);
    return writeReportOutput(parser, doc.document());
}
