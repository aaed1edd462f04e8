#include "yearaheadreport.h"

#include "document/creporttools.h"
#include "document/reporthtml.h"
#include "document/reportsections.h"
#include "engine/numbertext.h"
#include "engine/personalnumbers.h"
#include "engine/readingtext.h"
#include "texts/textstore.h"
#include "texts/topics.h"

namespace {

using reporthtml::BR;
using reporthtml::CRLF;

const char *const MONTH_NAMES[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const char *const WEEKDAYS[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// A month's days in weeks from Monday: each cell the day of the month over
// its personal day number; the cells before the 1st and after the last day
// stay empty.
QString monthCalendar(int year, const PersonalNumbers::MonthNumbers &month)
{
    QString html =
        QStringLiteral("<table class=\"yearcalendar\" comment=\"st_fs\">") + CRLF + QLatin1String("<tr>");
    for (const char *weekday : WEEKDAYS)
        html += QLatin1String("<th>") + QLatin1String(weekday) + QLatin1String("</th>");
    html += QLatin1String("</tr>") + CRLF;
    const int lead = QDate(year, month.month, 1).dayOfWeek() - 1;
    const int cells = (lead + month.days.size() + 6) / 7 * 7;
    for (int cell = 0; cell < cells; ++cell) {
        if (cell % 7 == 0)
            html += QLatin1String("<tr>");
        const int day = cell - lead; // 0 for the 1st
        if (day < 0 || day >= month.days.size())
            html += QLatin1String("<td></td>");
        else
            html += QLatin1String("<td><b>") + numberText(day + 1) + QLatin1String("</b><br />") +
                    numberText(month.days.at(day)) + QLatin1String("</td>");
        if (cell % 7 == 6)
            html += QLatin1String("</tr>") + CRLF;
    }
    return html + QLatin1String("</table>") + CRLF;
}

} // namespace

void BuildYearAheadReport(const QString &fullName, const QDate &birthDate, int year, const TextStore &texts,
                          CReportTools &doc)
{
    const PersonalNumbers::YearNumbers numbers = PersonalNumbers::forBirthDate(birthDate).yearAhead(year);
    doc.beginDocument(QStringLiteral("Sorvel Numerology Year Ahead"));
    ReportSections out(doc);

    out.section(QString(),
                {QLatin1String("The Year ") + numberText(year) + QLatin1String(" Ahead for"),
                 NameAndDate(fullName, birthDate)},
                {QLatin1String("Personal Year ") + numberText(numbers.personalYear)});
    out.section(
        QStringLiteral("res15.jpg"),
        QLatin1String("Personal Year Number: ") + numberText(numbers.personalYear),
        {texts.text(topics::PERSONAL_YEAR, 0) + BR, texts.text(topics::PERSONAL_YEAR, numbers.personalYear)});

    for (const PersonalNumbers::MonthNumbers &month : numbers.months) {
        out.section(QString(),
                    QLatin1String(MONTH_NAMES[month.month - 1]) + QLatin1Char(' ') + numberText(year) +
                        QLatin1String(": Personal Month ") + numberText(month.personalMonth),
                    {texts.text(topics::PERSONAL_MONTH_DAY, month.personalMonth)});
        doc.appendHtml(monthCalendar(year, month));
    }
    doc.endDocument();
}
