#pragma once

// The psychomatrix: a 3 x 3 square of digit counts from the birth date.
//
//   birth date digits (day, month, year; no leading zeros)
//     -> working numbers W1 (digit sum), W2 (its digit sum),
//        W3 (W1 - 2 x the day's first digit), W4 (digit sum of W3)
//     -> counts of the digits 0..9 over the date and the working digits
//     -> the eight line sums of the square (columns, rows, diagonals)
//     -> summary text and report
//
// The square is read with 1, 2, 3 in its first column, 4, 5, 6 in the second
// and 7, 8, 9 in the third.

#include "document/creporttools.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

class TextStore;

// The 18 values: counts of the digits 0..9, then the line sums.
using PsychomatrixValues = std::array<int, 18>;

// Indices of the line sums in PsychomatrixValues.
enum PsychomatrixLine {
    PM_SELF_APPRAISAL = 10, // 1 + 2 + 3
    PM_FINANCE = 11,        // 4 + 5 + 6
    PM_TALENT = 12,         // 7 + 8 + 9
    PM_PURPOSEFUL = 13,     // 1 + 4 + 7
    PM_FAMILY = 14,         // 2 + 5 + 8
    PM_STABILITY = 15,      // 3 + 6 + 9
    PM_SPIRITUALITY = 16,   // 1 + 5 + 9
    PM_SEXUAL_LIFE = 17,    // 3 + 5 + 7
};

// One chapter of the psychomatrix report, in report order.
struct PsychomatrixChapter
{
    const char *label;   // "Character (1) - ", followed by the value
    int valueIndex;      // into PsychomatrixValues
    int topic;           // interpretation topic; entry 0 is the introduction
    const char *picture; // report picture
    char form;           // 'A', 'B' or 'C': how introduction and text are laid out
};
extern const PsychomatrixChapter PSYCHOMATRIX_CHAPTERS[17];

class CNumerologyPMatrix : public CReportTools
{
    Q_OBJECT
public:
    explicit CNumerologyPMatrix(QObject *parent = nullptr);

    // Resets, counts the square of birthDate and builds the report headed by
    // name, reading its text store. Always true.
    bool CalcPsychomatrix(const QString &name, const QDate &birthDate);
    // Zeroes the 18 values and clears the report document and its summary.
    void ResetMatrix();

    // The interpretation texts the report reads (not owned); nullptr, the
    // default, means TextStore::instance().
    void setTextStore(const TextStore *texts) { m_texts = texts; }
    const TextStore &textStore() const;
    // Appends the decimal digits of n (its last four, no leading zeros) to
    // list. A negative n gives a negative last digit.
    static void SplitDigits(QList<int> &list, int n);

    const PsychomatrixValues &values() const { return m_values; }
    int value(int index) const { return m_values.at(size_t(index)); }

    // The four working numbers of the last calculation, W1 to W4.
    const std::array<int, 4> &workingNumbers() const { return m_working; }

    // Writes the report of the current values (title block, then the 17
    // chapters) from texts; name and birthDate head it. Defined in
    // reports/psychomatrixreport.cpp.
    void BuildReport(const QString &name, const QDate &birthDate, const TextStore &texts);

private:
    void count(const QList<int> &digits);
    QString summary() const;

    PsychomatrixValues m_values{};
    std::array<int, 4> m_working{};
    const TextStore *m_texts = nullptr;
};
