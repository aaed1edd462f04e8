// The name advisor: a quick reading of any name and date. The date number is
// the sum of the reduced day, month and year, whatever the Life Path options
// say; the name numbers are those of a full name. Its report is in
// reports/advisorreport.cpp.

#include "cnumerology.h"

#include "analyzerinput.h"
#include "messagereporter.h"
#include "namecleaning.h"
#include "numbertext.h"
#include "texts/textstore.h"

#include <QStringList>

#include <algorithm>

namespace {

const int ADVISOR_INPUT_LENGTH = 300;

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

    buildAnalyzerReport(textStore());
    return true;
}
