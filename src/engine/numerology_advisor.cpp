// The name advisor: a quick reading of any name and date. The date number is
// the sum of the reduced day, month and year, whatever the Life Path options
// say; the name numbers are those of a full name.

#include "cnumerology.h"

#include "analyzerinput.h"
#include "messagereporter.h"
#include "namecleaning.h"
#include "numbertext.h"
#include "readingtext.h"
#include "texts/textstore.h"

#include <QStringList>

#include <algorithm>

namespace {

const int ADVISOR_INPUT_LENGTH = 300;

// Interpretation topics of the advisor's report.
const int NUMBER_TOPIC = 501;       // name and date numbers: 1..9, 11, 22, 33
const int DOUBLE_DIGIT_TOPIC = 121; // Western name totals 10..99
const int COMPOUND_TOPIC = 122;     // Chaldean compound numbers 10..99

} // namespace

QString AnalyzerName(const QString &text)
{
    QString cut = text.left(ADVISOR_INPUT_LENGTH);
    cut.remove(QLatin1Char(','));
    return CleanName(cut).split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

bool PrepareAnalyzerName(const QString &text, QString &name)
{
    name = AnalyzerName(text);
    if (!name.isEmpty())
        return true;
    messageReporter().critical(QString(), QStringLiteral("Enter your data before calculation!"));
    return false;
}

bool CNumerology::CalcAnNum(const QString &name, const QDate &date, bool chaldean)
{
    m_res.chaldean = chaldean;
    m_res.masterMode = 0;
    m_res.fullName = name.toUpper();
    resetKeepingDates();
    m_res.birthDate = date;
    m_res.forecastDate = QDate::currentDate();
    m_values = NumerologyReportValues();
    m_values.chaldean = chaldean;

    // Date number: the reduced day, month and year added and reduced again.
    const int d = ReduceKeepMasters(date.day());
    const int m = ReduceKeepMasters(date.month());
    const int y = ReduceKeepMasters(date.year());
    const int sum = d + m + y;
    m_res.lifePath = ReduceKeepMasters(sum);
    m_res.lifePathText = numberText(d) + QLatin1Char('+') + numberText(m) + QLatin1Char('+') + numberText(y) +
                         QLatin1Char('=') + numberText(sum);
    if (m_res.lifePath != sum)
        m_res.lifePathText += QLatin1Char('=') + numberText(m_res.lifePath);

    // Name number, compound number and the other numbers of a full name,
    // with the English vowel rules and no letter marks.
    std::fill(std::begin(m_res.numberCounters), std::end(m_res.numberCounters), 0);
    calcFullNameNumbers(m_res.fullName, QVector<int>(), 0);

    buildAnalyzerReport(TextStore::instance());
    return true;
}

void CNumerology::buildAnalyzerReport(const TextStore &texts)
{
    const QString BR = QStringLiteral("<br />");
    beginDocument(QStringLiteral("Sorvel Numerology Report"));
    openBlock(true);
    addHeading(QStringLiteral("Express Numerology chart for"));
    addHeading(NameAndDate(m_res.fullName, m_res.birthDate));
    addParagraph(QLatin1String("Date Number ") + m_res.lifePathText + QLatin1String("<br />Name Number ") +
                 m_res.expressionText);
    addParagraph(BR);

    addHeading(QLatin1String("Your name number: ") + m_res.expressionText);
    addParagraph(texts.text(NUMBER_TOPIC, m_res.expression) + BR);
    addParagraph(QString());

    // A two-digit total has a text of its own: the compound number in the
    // Chaldean table (only where one is given), the double-digit name number
    // in the Western.
    const int compound = m_res.compoundNumber;
    if (compound >= 10 && compound <= 99) {
        if (m_res.chaldean) {
            const QString text = texts.text(COMPOUND_TOPIC, compound);
            if (!text.isEmpty() && text != QLatin1String(" ")) {
                addHeading(QLatin1String("Compound Number ") + numberText(compound));
                addParagraph(text + BR);
            }
        } else {
            addHeading(QLatin1String("People with double-digit name number ") + numberText(compound));
            addParagraph(texts.text(DOUBLE_DIGIT_TOPIC, compound) + BR);
        }
    }

    addHeading(QStringLiteral("Your date number:"));
    addParagraph(texts.text(NUMBER_TOPIC, m_res.lifePath) + BR);
    closeBlock();
    endDocument();
}
