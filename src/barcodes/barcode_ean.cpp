// The EAN/UPC family: EAN-13 with its 2- and 5-digit add-ons (kind 5),
// EAN-8 (kind 6) and UPC-A (kind 10).
//
// Each digit is seven modules, two bars and two spaces, from one of three
// number sets: A (odd parity) and B (even parity) on the left, C on the
// right. Normal guards 101 frame the symbol, the centre guard 01010 splits
// it. EAN-13 carries its first digit in the A/B choice of the next six.
//
// Pattern text: the digits of the number, check digit included; for an
// add-on a space and its 2 or 5 digits follow.

#include "linear_barcodes.h"

#include <QList>

namespace {

// ISO/IEC 15420, number sets A, B and C for digits 0 to 9; B is C read
// backwards, C is A with bars and spaces swapped.
// clang-format off
const char *const SET_A[10] = {
    "0001101", "0011001", "0010011", "0111101", "0100011",   // 0-4
    "0110001", "0101111", "0111011", "0110111", "0001011",   // 5-9
};
const char *const SET_B[10] = {
    "0100111", "0110011", "0011011", "0100001", "0011101",   // 0-4
    "0111001", "0000101", "0010001", "0001001", "0010111",   // 5-9
};
const char *const SET_C[10] = {
    "1110010", "1100110", "1101100", "1000010", "1011100",   // 0-4
    "1001110", "1010000", "1000100", "1001000", "1110100",   // 5-9
};
// clang-format on

// ISO/IEC 15420, number sets of the left half of EAN-13 by its first
// digit ('A' odd, 'B' even parity); a first digit 0 gives a UPC-A symbol.
// clang-format off
const char *const EAN13_LEFT_SETS[10] = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",   // 0-4
    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",   // 5-9
};
// clang-format on

// ISO/IEC 15420, add-on symbols: number sets of the EAN-2 add-on by its
// value modulo 4, and of the EAN-5 add-on by its check value.
const char *const ADDON2_SETS[4] = {"AA", "AB", "BA", "BB"};
// clang-format off
const char *const ADDON5_SETS[10] = {
    "BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",   // 0-4
    "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB",   // 5-9
};
// clang-format on

const char NORMAL_GUARD[] = "101";
const char CENTRE_GUARD[] = "01010";
const char ADDON_GUARD[] = "1011";
const char ADDON_SEPARATOR[] = "01";
// Light modules between the main symbol and an add-on (7 to 12 allowed).
const char ADDON_GAP[] = "000000000";
// The light space left of an EAN-13 symbol that carries its first digit.
const char EAN13_LEAD[] = "0000000";

int digit(const QByteArray &digits, int i)
{
    return digits[i] - '0';
}

// GS1 General Specifications, 7.9.1 (standard check digit calculation):
// weights 3 and 1 alternately from the rightmost data digit; the check
// digit brings the weighted sum to a multiple of 10.
char checkDigit(const QByteArray &data)
{
    int sum = 0;
    for (int i = data.size() - 1, weight = 3; i >= 0; --i, weight = 4 - weight)
        sum += digit(data, i) * weight;
    return char('0' + (10 - sum % 10) % 10);
}

// dataLength digits get their check digit appended; a number one digit
// longer must already end in its correct check digit.
bool completeNumber(const QByteArray &number, int dataLength, QByteArray &complete)
{
    complete = number.left(dataLength) + checkDigit(number.left(dataLength));
    return number.size() == dataLength || number == complete;
}

void appendDigit(BarLayout &layout, const char *const set[10], int value)
{
    layout.append({QByteArray(set[value]), QString(QLatin1Char(char('0' + value)))});
}

void appendGuard(BarLayout &layout, const char *guard)
{
    layout.append({QByteArray(guard), QString()});
}

// Left half in the given sets, centre guard, right half in set C.
void appendHalves(BarLayout &layout, const QByteArray &digits, int from, const char *leftSets)
{
    const int half = (digits.size() - from) / 2;
    appendGuard(layout, NORMAL_GUARD);
    for (int i = 0; i < half; ++i)
        appendDigit(layout, leftSets[i] == 'A' ? SET_A : SET_B, digit(digits, from + i));
    appendGuard(layout, CENTRE_GUARD);
    for (int i = from + half; i < digits.size(); ++i)
        appendDigit(layout, SET_C, digit(digits, i));
    appendGuard(layout, NORMAL_GUARD);
}

void appendAddOn(BarLayout &layout, const QByteArray &digits)
{
    const char *sets;
    if (digits.size() == 2) {
        sets = ADDON2_SETS[(digit(digits, 0) * 10 + digit(digits, 1)) % 4];
    } else {
        // Check value: 3 x (digits 1, 3, 5) + 9 x (digits 2, 4), modulo 10.
        const int check = (3 * (digit(digits, 0) + digit(digits, 2) + digit(digits, 4)) +
                           9 * (digit(digits, 1) + digit(digits, 3))) %
                          10;
        sets = ADDON5_SETS[check];
    }
    appendGuard(layout, ADDON_GAP);
    appendGuard(layout, ADDON_GUARD);
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0)
            appendGuard(layout, ADDON_SEPARATOR);
        appendDigit(layout, sets[i] == 'A' ? SET_A : SET_B, digit(digits, i));
    }
}

} // namespace

// 12 or 13 digits: the number; 14 or 15: the first 12 or 13 and a 2-digit
// add-on; 17 or 18: the first 12 or 13 and a 5-digit add-on; any other
// count: thirteen zeros. A 13th digit must be the right check digit.
bool EncodeEan13(const QByteArray &text, QByteArray &pattern)
{
    const QByteArray digits = KeepDigits(text);
    int addOn = 0;
    switch (digits.size()) {
    case 12:
    case 13:
        addOn = 0;
        break;
    case 14:
    case 15:
        addOn = 2;
        break;
    case 17:
    case 18:
        addOn = 5;
        break;
    default: {
        pattern = QByteArray(13, '0');
        return true;
    }
    }
    QByteArray number;
    if (!completeNumber(digits.left(digits.size() - addOn), 12, number))
        return false;
    pattern = number;
    if (addOn > 0)
        pattern += ' ' + digits.right(addOn);
    return true;
}

bool LayoutEan13(const QByteArray &pattern, BarLayout &layout)
{
    const QList<QByteArray> parts = pattern.split(' ');
    const QByteArray &number = parts[0];
    if (number.size() != 13 || !AllDigits(number) || parts.size() > 2)
        return false;
    if (parts.size() == 2 && ((parts[1].size() != 2 && parts[1].size() != 5) || !AllDigits(parts[1])))
        return false;
    layout.append({QByteArray(EAN13_LEAD), QString(QLatin1Char(number[0]))});
    appendHalves(layout, number, 1, EAN13_LEFT_SETS[digit(number, 0)]);
    if (parts.size() == 2)
        appendAddOn(layout, parts[1]);
    return true;
}

// Fewer than 7 digits: 0005000; else the first 7 digits and their check digit.
bool EncodeEan8(const QByteArray &text, QByteArray &pattern)
{
    QByteArray digits = KeepDigits(text);
    if (digits.size() < 7)
        digits = "0005000";
    completeNumber(digits.left(7), 7, pattern);
    return true;
}

bool LayoutEan8(const QByteArray &pattern, BarLayout &layout)
{
    if (pattern.size() != 8 || !AllDigits(pattern))
        return false;
    appendHalves(layout, pattern, 0, "AAAA");
    return true;
}

// Fewer than 11 digits: eleven zeros; else the first 11 digits and their
// check digit. A 12th digit must be the right check digit.
bool EncodeUpcA(const QByteArray &text, QByteArray &pattern)
{
    QByteArray digits = KeepDigits(text);
    if (digits.size() < 11)
        digits = QByteArray(11, '0');
    return completeNumber(digits.left(12), 11, pattern);
}

// UPC-A is the EAN-13 symbol of its number with a leading 0.
bool LayoutUpcA(const QByteArray &pattern, BarLayout &layout)
{
    if (pattern.size() != 12 || !AllDigits(pattern))
        return false;
    appendHalves(layout, pattern, 0, EAN13_LEFT_SETS[0]);
    return true;
}
