// Codabar (kind 1).
//
// Each character is four bars and three spaces, two or three of them wide,
// followed by a narrow inter-character gap. The text keeps its digits and
// - $ : / . + and is framed by start character A and stop character B.

#include "linear_barcodes.h"

namespace {

// Wide elements are three modules: the wide-to-narrow ratio of 3:1 is the
// upper end of the range AIM USS-Codabar permits, the easiest to scan.
constexpr int WIDE_MODULES = 3;

// ANSI/AIM BC3 (USS-Codabar) and EN 798, table of symbol characters:
// the element widths of each character, '0' narrow and '1' wide, in the
// order bar space bar space bar space bar.
struct CodabarCharacter
{
    char character;
    const char *elements;
};
// clang-format off
const CodabarCharacter CODABAR_TABLE[] = {
    // character, b s b s b s b
    {'0', "0000011"},
    {'1', "0000110"},
    {'2', "0001001"},
    {'3', "1100000"},
    {'4', "0010010"},
    {'5', "1000010"},
    {'6', "0100001"},
    {'7', "0100100"},
    {'8', "0110000"},
    {'9', "1001000"},
    {'-', "0001100"},
    {'$', "0011000"},
    {':', "1000101"},
    {'/', "1010001"},
    {'.', "1010100"},
    {'+', "0010101"},
    {'A', "0011010"},   // start/stop
    {'B', "0101001"},   // start/stop
    {'C', "0001011"},   // start/stop
    {'D', "0001110"},   // start/stop
};
// clang-format on

// The modules of every character with its inter-character gap, built once.
struct CodabarModules
{
    QByteArray byCharacter[256];
    CodabarModules()
    {
        for (const CodabarCharacter &c : CODABAR_TABLE)
            byCharacter[uint8_t(c.character)] = ModulesFromNarrowWide(c.elements, WIDE_MODULES) + '0';
    }
};

const CodabarModules &codabarModules()
{
    static const CodabarModules modules;
    return modules;
}

} // namespace

bool EncodeCodabar(const QByteArray &text, QByteArray &pattern)
{
    const QByteArray kept = KeepBytes(text, "0123456789-$:/.+");
    if (kept.isEmpty())
        return false;
    pattern = 'A' + kept + 'B';
    return true;
}

bool LayoutCodabar(const QByteArray &pattern, BarLayout &layout)
{
    const CodabarModules &table = codabarModules();
    for (const char c : pattern) {
        const QByteArray &modules = table.byCharacter[uint8_t(c)];
        if (!modules.isEmpty())
            layout.append({modules, QString(QLatin1Char(c))});
    }
    // The last character needs no gap after it.
    if (!layout.isEmpty())
        layout.last().modules.chop(1);
    return !layout.isEmpty();
}
