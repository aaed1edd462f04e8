// The name advisor's report: the date and name numbers with their meanings,
// and the text of a two-digit name total.

#include "document/reporthtml.h"
#include "engine/cnumerology.h"
#include "engine/numbertext.h"
#include "engine/readingtext.h"
#include "texts/textstore.h"
#include "texts/topics.h"

using reporthtml::BR;

void CNumerology::buildAnalyzerReport(const TextStore &texts)
{
    beginDocument(QStringLiteral("Sorvel Numerology Report"));
    openBlock(true);
    addHeading(QStringLiteral("Express Numerology chart for"));
    addHeading(NameAndDate(m_res.fullName, m_res.birthDate));
    addParagraph(QLatin1String("Date Number ") + m_res.lifePathText + QLatin1String("<br />Name Number ") +
                 m_res.expressionText);
    addParagraph(BR);

    addHeading(QLatin1String("Your name number: ") + m_res.expressionText);
    addParagraph(texts.text(topics::ADVISOR_NUMBER, m_res.expression) + BR);
    addParagraph(QString());

    // A two-digit total has a text of its own: the compound number in the
    // Chaldean table (only where one is given), the double-digit name number
    // in the Western.
    const int compound = m_res.compoundNumber;
    if (compound >= 10 && compound <= 99) {
        if (m_res.chaldean) {
            const QString text = texts.text(topics::COMPOUND, compound);
            if (!text.isEmpty() && text != QLatin1String(" ")) {
                addHeading(QLatin1String("Compound Number ") + numberText(compound));
                addParagraph(text + BR);
            }
        } else {
            addHeading(QLatin1String("People with double-digit name number ") + numberText(compound));
            addParagraph(texts.text(topics::DOUBLE_DIGIT_NAME, compound) + BR);
        }
    }

    addHeading(QStringLiteral("Your date number:"));
    addParagraph(texts.text(topics::ADVISOR_NUMBER, m_res.lifePath) + BR);
    closeBlock();
    endDocument();
}
