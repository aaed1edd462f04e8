// The pet report: the three pet numbers, the meaning of the pet number and
// the forecast of one day.

#include "document/reporthtml.h"
#include "document/reportsections.h"
#include "engine/cnumerology.h"
#include "engine/numbertext.h"
#include "engine/readingtext.h"
#include "texts/textstore.h"
#include "texts/topics.h"

using reporthtml::BR;

void CNumerology::buildPetReport(const TextStore &texts, int forecastDayCode)
{
    const QDate &day = m_res.forecastDate;
    beginDocument(QStringLiteral("Pet Numerology Report"));
    ReportSections out(*this);
    out.section(QString(), QStringLiteral("Pet Numerology Chart"));
    out.block({summaryText()});
    out.section(QString(), QLatin1String("Pet number ") + m_res.expressionText,
                {texts.text(topics::PET_NUMBER, 0) + BR + texts.text(topics::PET_NUMBER, m_res.expression)});
    out.section(QString(),
                QLatin1String("Day Forecast for ") + MonthAbbreviation(day.month()) + QLatin1Char(' ') +
                    numberText(day.day()) + QLatin1Char(' ') + numberText(day.year()),
                {texts.text(topics::PET_DAY, forecastDayCode)});
    endDocument();
}
