// Code 39 (kind 3).
//
// Each character is five bars and four spaces, three of the nine wide,
// followed by a narrow inter-character gap. The text keeps the 43 characters
// of the symbology (digits, upper-case letters, space and - . $ / + %) and
// is framed by the start/stop character *. No check character is added.

#include "linear_barcodes.h"

namespace {

// Wide elements are three modules (ISO/IEC 16388 allows ratios 2:1 to 3:1).
constexpr int WIDE_MODULES = 3;

const char CODE39_DATA[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// ISO/IEC 16388, Table 1 - Code 39 symbol character set: the element
// widths, '0' narrow and '1' wide, bar space bar space ... bar.
struct Code39Character
{
    char character;
    const char *elements;
};
// clang-format off
const Code39Character CODE39_TABLE[] = {
    // character, b s b s b s b s b
    {'0', "000110100"}, {'1', "100100001"}, {'2', "001100001"}, {'3', "101100000"},
    {'4', "000110001"}, {'5', "100110000"}, {'6', "001110000"}, {'7', "000100101"},
    {'8', "100100100"}, {'9', "001100100"}, {'A', "100001001"}, {'B', "001001001"},
    {'C', "101001000"}, {'D', "000011001"}, {'E', "100011000"}, {'F', "001011000"},
    {'G', "000001101"}, {'H', "100001100"}, {'I', "001001100"}, {'J', "000011100"},
    {'K', "100000011"}, {'L', "001000011"}, {'M', "101000010"}, {'N', "000010011"},
    {'O', "100010010"}, {'P', "001010010"}, {'Q', "000000111"}, {'R', "100000110"},
    {'S', "001000110"}, {'T', "000010110"}, {'U', "110000001"}, {'V', "011000001"},
    {'W', "111000000"}, {'X', "010010001"}, {'Y', "110010000"}, {'Z', "011010000"},
    {'-', "010000101"}, {'.', "110000100"}, {' ', "011000100"}, {'$', "010101000"},
    {'/', "010100010"}, {'+', "010001010"}, {'%', "000101010"},
    {'*', "010010100"},   // start/stop
};
// clang-format on

// The modules of every character with its inter-character gap, built once.
struct Code39Modules
{
    QByteArray byCharacter[256];
    Code39Modules()
    {
        for (const Code39Character &c : CODE39_TABLE)
            byCharacter[uint8_t(c.character)] = ModulesFromNarrowWide(c.elements, WIDE_MODULES) + '0';
    }
};

const Code39Modules &code39Modules()
{
    static const Code39Modules modules;
    return modules;
}

} // namespace

bool EncodeCode39(const QByteArray &text, QByteArray &pattern)
{
    const QByteArray kept = KeepBytes(text, CODE39_DATA);
    if (kept.isEmpty())
        return false;
    pattern = '*' + kept + '*';
    return true;
}

bool LayoutCode39(const QByteArray &pattern, BarLayout &layout)
{
    const Code39Modules &table = code39Modules();
    for (const char c : pattern) {
        const QByteArray &modules = table.byCharacter[uint8_t(c)];
        if (!modules.isEmpty())
            layout.append({modules, c == '*' ? QString() : QString(QLatin1Char(c))});
    }
    if (!layout.isEmpty())
        layout.last().modules.chop(1);
    return !layout.isEmpty();
}
