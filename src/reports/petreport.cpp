// The pet report: the three pet numbers, the meaning of the pet number and
// the forecast of one day.

#include "engine/cnumerology.h"
#include "engine/numbertext.h"
#include "engine/readingtext.h"
#include "texts/textstore.h"
#include "texts/topics.h"

void CNumerology::buildPetReport(const TextStore &texts, int forecastDayCode)
{
    const QDate &day = m_res.forecastDate;
    beginDocument(QStringLiteral("Pet Numerology Report"));

    openBlock(true);
    addHeading(QStringLiteral("Pet Numerology Chart"));
    closeBlock();

    openBlock(true);
    addParagraph(summaryText());
    addParagraph(QString());
    closeBlock();

    openBlock(true);
    addHeading(QLatin1String("Pet number ") + m_res.expressionText);
    addParagraph(texts.text(topics::PET_NUMBER, 0) + QLatin1String("<br />") +
                 texts.text(topics::PET_NUMBER, m_res.expression));
    closeBlock();

    openBlock(true);
    addHeading(QLatin1String("Day Forecast for ") + MonthAbbreviation(day.month()) + QLatin1Char(' ') +
               numberText(day.day()) + QLatin1Char(' ') + numberText(day.year()));
    addParagraph(texts.text(topics::PET_DAY, forecastDayCode));
    closeBlock();

    endDocument();
}
