// Planes of expression: the full name's letters sorted into twelve plane
// groups (four planes times three kinds) and totalled in a 4 x 5 grid.

#include "cnumerology.h"
#include "textbuilder.h"

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

const int CELLS = GRID_ROWS * GRID_COLUMNS;

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
    TextBuilder cellLetters[CELLS];
    int cellCount[CELLS] = {};
    int cellSum[CELLS] = {};
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
        cellLetters[cell].add(QLatin1Char(char('A' + letter))).number(n);
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

    // Value cells: "A2=2, 2" - letters, reduced sum, letter count; the last
    // column adds the row totals, the last row the column totals, and the
    // corner both.
    const auto addTotal = [this](TextBuilder &text, int sum, int count) {
        text.reduced(ReduceToFinal(sum), sum).add(QLatin1String(", ")).number(count);
    };
    for (int row = 0; row < GRID_ROWS; ++row) {
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            const int cell = cellIndex(row, column);
            TextBuilder value;
            if (!cellLetters[cell].isEmpty()) {
                value.add(cellLetters[cell].view()).add(QLatin1Char('='));
                addTotal(value, cellSum[cell], cellCount[cell]);
            }
            if (column == GRID_COLUMNS - 1)
                addTotal(value, rowTotal[row], row < 3 ? kindCount[row] : 0);
            if (row == GRID_ROWS - 1)
                addTotal(value, columnTotal[column], column < 4 ? planeCount[column] : 0);
            cellLetters[cell].writeTo(m_res.planesLetters[cell]);
            value.writeTo(m_res.planesValues[cell]);
        }
    }
    for (int plane = 0; plane < 4; ++plane)
        m_values.planeNumbers[plane] = ReduceToFinal(columnTotal[plane]);
}
