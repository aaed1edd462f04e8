// The frame of a calculation: the order of the stages, the reset and the
// name check. The stages themselves live in the other numerology_*.cpp files.

#include "cnumerology.h"

#include "messagereporter.h"
#include "texts/textstore.h"
#include "uppercase.h"

#include <algorithm>

namespace {

// What an engine that was handed no options calculates with.
const CalcOptions DEFAULT_OPTIONS;

} // namespace

CNumerology::CNumerology(QObject *parent)
    : CReportTools(parent)
    , m_options(&DEFAULT_OPTIONS)
{
    m_res.masterMode = 0;
    m_res.chaldean = false;
    ResetResults();
}

void CNumerology::setCalcOptions(const CalcOptions *options)
{
    m_options = options ? options : &DEFAULT_OPTIONS;
}

const TextStore &CNumerology::textStore() const
{
    return m_texts ? *m_texts : TextStore::instance();
}

void CNumerology::SetMasterMode(int mode)
{
    m_res.masterMode = mode;
}

void CNumerology::ResetResults()
{
    resetKeepingDates();
    m_res.birthDate = QDate::currentDate();
    m_res.forecastDate = QDate::currentDate();
}

// Everything a reset clears but the dates. The Life Path methods reset
// between runs while the record keeps the person's dates throughout, and
// asking the clock is the dearest step of a reset.
void CNumerology::resetKeepingDates()
{
    std::fill(std::begin(m_res.numberCounters), std::end(m_res.numberCounters), 0);
    m_res.lifePath = -1;
    std::fill(std::begin(m_res.planeGroupCounts), std::end(m_res.planeGroupCounts), 0);
    std::fill(std::begin(m_res.letterCounts), std::end(m_res.letterCounts), 0);
    // Emptied, not freed: the next calculation writes into the same buffers.
    for (QString &cell : m_res.planesLetters)
        cell.truncate(0);
    for (QString &cell : m_res.planesValues)
        cell.truncate(0);
    m_res.physicalTransits.truncate(0);
    m_res.mentalTransits.truncate(0);
    m_res.spiritualTransits.truncate(0);
    clearSummaryText();
    std::fill(std::begin(m_res.essenceTotals), std::end(m_res.essenceTotals), 0);
    std::fill(std::begin(m_res.essenceNumbers), std::end(m_res.essenceNumbers), 0);
}

bool CNumerology::CalcNumerology(const PersonRecord &person)
{
    // Stages 1 and 2: the record starts afresh with the person's names and dates.
    m_res.chaldean = person.chaldean;
    writeUpperCase(m_res.fullName, person.fullName);
    writeUpperCase(m_res.shortName, person.shortName);
    resetKeepingDates(); // a reset whose dates are the person's
    m_res.birthDate = person.birthDate;
    m_res.forecastDate = person.forecastDate;
    m_res.forecastYear = person.forecastDate.year();
    m_values = NumerologyReportValues();
    m_values.chaldean = person.chaldean;
    m_values.reduceMasterLetters = calcOptions().reduceMasterLetters;

    // Stages 3 to 5: the birth date numbers; the karmic debt counters start
    // from what the birth date met; then the life cycles.
    calcBirthDateNumbers();
    std::copy(std::begin(m_res.numberCounters), std::end(m_res.numberCounters),
              std::begin(m_values.karmicDebtCounters));
    calcLifeCycles();

    // Stages 6 and 7: the numbers of the two names, each from clean counters.
    std::fill(std::begin(m_res.numberCounters), std::end(m_res.numberCounters), 0);
    calcFullNameNumbers(m_res.fullName, person.fullMarks, person.vowelMode);
    std::fill(std::begin(m_res.numberCounters), std::end(m_res.numberCounters), 0);
    calcShortNameNumbers(m_res.shortName, person.shortMarks, person.vowelMode);

    // Stage 8: a name without letters, vowels or consonants gives no reading.
    if (!person.calcOnly && !namesPassCheck()) {
        messageReporter().critical(QString(), QStringLiteral("Error! Incorrect full or short name!"));
        return false;
    }

    // Stages 9 to 11.
    calcDerivedNumbers();
    calcTransitsAndEssence();
    if (!person.calcOnly)
        buildReport();
    return true;
}

bool CNumerology::namesPassCheck() const
{
    return m_res.expression != 0 && m_values.heartsDesire != 0 && m_values.personality != 0
        && m_values.minorExpression != 0 && m_values.minorHeartsDesire != 0;
}
