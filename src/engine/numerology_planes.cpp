// Planes of expression: the full name's letters sorted into twelve plane
// groups (four planes times three kinds) and totalled in a 4 x 5 grid.

#include "cnumerology.h"
#include "numbertext.h"

namespace {

// Plane group of each letter; group g lies on plane g % 4 (mental, physical,
// emotional, intuitive) and is of kind g / 4 (creative, dual, grounded).
//                             A  B   C  D  E  F  G  H  I  J  K  L  M
const int PLANE_GROUP[26] = {  0, 6, 11, 9, 1, 7, 8, 4, 2, 4, 3, 8, 9,
//                             N  O   P  Q  R  S  T  U   V  W  X  Y  Z
                               4, 2,  4, 7, 2, 6, 6, 7, 11, 5, 6, 7, 2 };

const int GRID_ROWS = 4;    // three kinds, then the column totals
const int GRID_COLUMNS = 5; // four planes, then the row totals

int cellIndex(int row, int column)
{
    return row * GRID_COLUMNS + column;
}

// Appends "sum, count" with the sum as "reduced/sum" when they differ.
void appendTotal(QString &text, int reduced, int sum, int count)
{
    appendNumber(text, reduced);
    if (reduced != sum) {
        text.append(QLatin1Char('/'));
        appendNumber(text, sum);
    }
    text.append(QLatin1String(", "));
    appendNumber(text, count);
}

} // namespace

void CNumerology::calcPlanes(const QString &name)
{
    for (const QChar c : name) {
        const char latin1 = c.toLatin1();
        if (latin1 < 'A' || latin1 > 'Z')
            continue;
        ++m_res.planeGroupCounts[PLANE_GROUP[latin1 - 'A']];
        ++m_res.letterCounts[latin1 - 'A'];
    }

    // Fill the cells letter by letter, in alphabetical order.
    int cellCount[GRID_ROWS * GRID_COLUMNS] = {};
    int cellSum[GRID_ROWS * GRID_COLUMNS] = {};
    int planeCount[4] = {};
    int kindCount[3] = {};
    for (int letter = 0; letter < 26; ++letter) {
        const int n = m_res.letterCounts[letter];
        if (n == 0)
            continue;
        const int group = PLANE_GROUP[letter];
        const int plane = group % 4;
        const int kind = group / 4;
        const int cell = cellIndex(kind, plane);
        m_res.planesLetters[cell].append(QLatin1Char(char('A' + letter)));
        appendNumber(m_res.planesLetters[cell], n);
        cellCount[cell] += n;
        cellSum[cell] += n * ReducePlain(LetterValue(QLatin1Char(char('A' + letter))));
        planeCount[plane] += n;
        kindCount[kind] += n;
    }

    int rowTotal[GRID_ROWS] = {};
    int columnTotal[GRID_COLUMNS] = {};
    for (int row = 0; row < GRID_ROWS; ++row) {
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            const int reduced = ReduceToFinal(cellSum[cellIndex(row, column)]);
            rowTotal[row] += reduced;
            columnTotal[column] += reduced;
        }
    }

    // Value cells: "A2=2, 2" - letters, reduced sum, letter count.
    for (int cell = 0; cell < GRID_ROWS * GRID_COLUMNS; ++cell) {
        if (m_res.planesLetters[cell].isEmpty())
            continue;
        QString &value = m_res.planesValues[cell];
        value.truncate(0);
        value.append(m_res.planesLetters[cell]);
        value.append(QLatin1Char('='));
        appendTotal(value, ReduceToFinal(cellSum[cell]), cellSum[cell], cellCount[cell]);
    }
    for (int row = 0; row < GRID_ROWS; ++row) {
        appendTotal(m_res.planesValues[cellIndex(row, GRID_COLUMNS - 1)],
                    ReduceToFinal(rowTotal[row]), rowTotal[row], row < 3 ? kindCount[row] : 0);
    }
    for (int column = 0; column < GRID_COLUMNS; ++column) {
        appendTotal(m_res.planesValues[cellIndex(GRID_ROWS - 1, column)],
                    ReduceToFinal(columnTotal[column]), columnTotal[column],
                    column < 4 ? planeCount[column] : 0);
    }
    for (int plane = 0; plane < 4; ++plane)
        m_values.planeNumbers[plane] = ReduceToFinal(columnTotal[plane]);
}
