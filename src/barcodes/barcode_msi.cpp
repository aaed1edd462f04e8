// MSI (kind 8).
//
// Each digit is its four binary digits, most significant first, each drawn
// as a bar and a space in three modules: 110 for a one, 100 for a zero. The
// text must be digits only; the modulo 10 check digit follows them, and
// start 110 and stop 1001 frame the symbol.
//
// Pattern text: the digits and the check digit.

#include "linear_barcodes.h"

namespace {

// MSI Data Corporation, MSI/Plessey code: bit patterns, start and stop.
const char MSI_ONE[] = "110";
const char MSI_ZERO[] = "100";
const char MSI_START[] = "110";
const char MSI_STOP[] = "1001";

// Modules of each digit, built once.
struct MsiDigits
{
    QByteArray modules[10];
    MsiDigits()
    {
        for (int d = 0; d < 10; ++d) {
            for (int bit = 3; bit >= 0; --bit)
                modules[d] += (d >> bit) & 1 ? MSI_ONE : MSI_ZERO;
        }
    }
};

const MsiDigits &msiDigits()
{
    static const MsiDigits digits;
    return digits;
}

// MSI modulo 10 check digit (the Luhn scheme): from the rightmost digit,
// every second digit is doubled and the digits of the products are summed
// with the others; the check digit brings the sum to a multiple of 10.
char msiCheckDigit(const QByteArray &digits)
{
    int sum = 0;
    bool doubled = true;
    for (int i = digits.size() - 1; i >= 0; --i, doubled = !doubled) {
        int value = digits[i] - '0';
        if (doubled) {
            value *= 2;
            value = value / 10 + value % 10;
        }
        sum += value;
    }
    return char('0' + (10 - sum % 10) % 10);
}

} // namespace

bool EncodeMsi(const QByteArray &text, QByteArray &pattern)
{
    if (text.isEmpty() || !AllDigits(text))
        return false;
    pattern = text + msiCheckDigit(text);
    return true;
}

bool LayoutMsi(const QByteArray &pattern, BarLayout &layout)
{
    const MsiDigits &digits = msiDigits();
    layout.append({QByteArray(MSI_START), QString()});
    for (const char c : pattern) {
        if (c >= '0' && c <= '9')
            layout.append({digits.modules[c - '0'], QString(QLatin1Char(c))});
    }
    if (layout.size() == 1)
        return false;
    layout.append({QByteArray(MSI_STOP), QString()});
    return true;
}
