// The psychomatrix: digit counts of the birth date and its working numbers,
// and the eight line sums. The report is in reports/psychomatrixreport.cpp.

#include "cnumerologypmatrix.h"

#include "document/reporthtml.h"
#include "numbertext.h"
#include "texts/textstore.h"
#include "texts/topics.h"

// The report's chapters in report order. Labels are those every text about
// the square uses; topics 201..217 hold the chapters' texts, pictures are in
// the report picture folder.
//   label, index of the value, topic, picture, form
const PsychomatrixChapter PSYCHOMATRIX_CHAPTERS[17] = {
    {"Character (1) - ", 1, topics::MATRIX_CHARACTER, "res16.jpg", 'A'},
    {"Energy (2) - ", 2, topics::MATRIX_ENERGY, "res17.jpg", 'A'},
    {"Interest (3) - ", 3, topics::MATRIX_INTEREST, "res18.jpg", 'A'},
    {"Health (4) - ", 4, topics::MATRIX_HEALTH, "res19.jpg", 'A'},
    {"Intuition (5) - ", 5, topics::MATRIX_INTUITION, "res20.jpg", 'A'},
    {"Labour (6) - ", 6, topics::MATRIX_LABOUR, "res21.jpg", 'A'},
    {"Luck (7) - ", 7, topics::MATRIX_LUCK, "res22.jpg", 'B'},
    {"Duty (8) - ", 8, topics::MATRIX_DUTY, "res23.jpg", 'A'},
    {"Memory (9) - ", 9, topics::MATRIX_MEMORY, "res24.jpg", 'C'},
    {"Purposeful (1-4-7) - ", PM_PURPOSEFUL, topics::MATRIX_PURPOSEFUL, "res25.jpg", 'C'},
    {"Family formation (2-5-8) - ", PM_FAMILY, topics::MATRIX_FAMILY, "res26.jpg", 'C'},
    {"Stability (3-6-9) - ", PM_STABILITY, topics::MATRIX_STABILITY, "res27.jpg", 'C'},
    {"Self appraisal (1-2-3) - ", PM_SELF_APPRAISAL, topics::MATRIX_SELF_APPRAISAL, "res28.jpg", 'C'},
    {"Finance (4-5-6) - ", PM_FINANCE, topics::MATRIX_FINANCE, "res29.jpg", 'C'},
    {"Talent (7-8-9) - ", PM_TALENT, topics::MATRIX_TALENT, "res30.jpg", 'C'},
    {"Spirituality (1-5-9) - ", PM_SPIRITUALITY, topics::MATRIX_SPIRITUALITY, "res31.jpg", 'C'},
    {"Sexual life (3-5-7) - ", PM_SEXUAL_LIFE, topics::MATRIX_SEXUAL_LIFE, "res32.jpg", 'C'},
};

namespace {

// The digits 1..9 that make up each line sum, by line index 10..17.
//                                 first  second third   line
const int LINE_DIGITS[8][3] = {{1, 2, 3},  // 10 self appraisal (first column)
                               {4, 5, 6},  // 11 finance
                               {7, 8, 9},  // 12 talent
                               {1, 4, 7},  // 13 purposeful (first row)
                               {2, 5, 8},  // 14 family formation
                               {3, 6, 9},  // 15 stability
                               {1, 5, 9},  // 16 spirituality (diagonal)
                               {3, 5, 7}}; // 17 sexual life (diagonal)

using reporthtml::LINE_END;

int sum(const QList<int> &digits)
{
    int total = 0;
    for (const int d : digits)
        total += d;
    return total;
}

int digitSum(int n)
{
    QList<int> digits;
    CNumerologyPMatrix::SplitDigits(digits, n);
    return sum(digits);
}

} // namespace

CNumerologyPMatrix::CNumerologyPMatrix(QObject *parent)
    : CReportTools(parent)
{
}

const TextStore &CNumerologyPMatrix::textStore() const
{
    return m_texts ? *m_texts : TextStore::instance();
}

void CNumerologyPMatrix::SplitDigits(QList<int> &list, int n)
{
    const int m = n % 10000; // truncating: keeps the sign of n
    bool started = false;
    for (const int divisor : {1000, 100, 10}) {
        const int digit = m % (divisor * 10) / divisor;
        if (digit > 0 || started) {
            list.append(digit);
            started = true;
        }
    }
    list.append(m % 10);
}

void CNumerologyPMatrix::ResetMatrix()
{
    m_values.fill(0);
    m_working.fill(0);
    m_document.clear();
    clearSummaryText();
}

bool CNumerologyPMatrix::CalcPsychomatrix(const QString &name, const QDate &birthDate)
{
    ResetMatrix();

    // The date's digits, then the four working numbers and their digits.
    QList<int> dateDigits;
    SplitDigits(dateDigits, birthDate.day());
    SplitDigits(dateDigits, birthDate.month());
    SplitDigits(dateDigits, birthDate.year());
    const int w1 = sum(dateDigits);
    const int w2 = digitSum(w1);
    const int w3 = w1 - 2 * dateDigits.first();
    const int w4 = digitSum(w3);
    m_working = {w1, w2, w3, w4};
    QList<int> workingDigits;
    for (const int w : m_working)
        SplitDigits(workingDigits, w);

    count(dateDigits);
    count(workingDigits);

    for (int line = 0; line < 8; ++line)
        for (const int digit : LINE_DIGITS[line])
            m_values[size_t(PM_SELF_APPRAISAL + line)] += m_values[size_t(digit)];

    setSummaryText(summary());
    BuildReport(name, birthDate, textStore());
    return true;
}

// Adds the digits to the counts. A birth day with a large first digit and a
// small digit sum (9 January 2000: W1 12, W3 -6) gives a negative W3 and W4;
// their negative digits name no cell of the square and are not counted.
void CNumerologyPMatrix::count(const QList<int> &digits)
{
    for (const int d : digits)
        if (d >= 0 && d <= 9)
            ++m_values[size_t(d)];
}

QString CNumerologyPMatrix::summary() const
{
    QString text;
    for (const PsychomatrixChapter &chapter : PSYCHOMATRIX_CHAPTERS)
        text += QLatin1String(chapter.label) + numberText(value(chapter.valueIndex)) + LINE_END;
    return text + LINE_END;
}
