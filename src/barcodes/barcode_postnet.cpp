// Postnet (kind 9).
//
// Each digit is five bars, two full and three half height. The text keeps
// its digits; a check digit brings the digit sum to a multiple of 10, and a
// full bar stands at each end.
//
// Pattern text: the digits and the check digit. In the modules, '1' is a
// full bar and '0' a half bar.

#include "linear_barcodes.h"

namespace {

// USPS Publication 25 (Postnet), bar patterns of the digits: weights 7 4 2
// 1 0 for the full bars, 0 being 7 + 4.
// clang-format off
const char *const POSTNET_BARS[10] = {
    "11000", "00011", "00101", "00110", "01001",   // 0-4
    "01010", "01100", "10001", "10010", "10100",   // 5-9
};
// clang-format on
const char POSTNET_FRAME[] = "1";

} // namespace

bool EncodePostnet(const QByteArray &text, QByteArray &pattern)
{
    const QByteArray digits = KeepDigits(text);
    if (digits.isEmpty())
        return false;
    // USPS Publication 25, correction character: (10 - sum mod 10) mod 10.
    int sum = 0;
    for (const char c : digits)
        sum += c - '0';
    pattern = digits + char('0' + (10 - sum % 10) % 10);
    return true;
}

bool LayoutPostnet(const QByteArray &pattern, BarLayout &layout)
{
    layout.append({QByteArray(POSTNET_FRAME), QString()});
    for (const char c : pattern) {
        if (c >= '0' && c <= '9')
            layout.append({QByteArray(POSTNET_BARS[c - '0']), QString()});
    }
    if (layout.size() == 1)
        return false;
    layout.append({QByteArray(POSTNET_FRAME), QString()});
    return true;
}
