// Interleaved 2 of 5 (kind 7).
//
// Digits are encoded in pairs: the first digit's five elements are bars, the
// second's five are the spaces between them; two of each five are wide. A
// wide element is two modules, a narrow one one module. The text keeps its
// digits, with a leading 0 when their count is odd; start 1010 and stop 1101
// frame the pairs.
//
// Pattern text: the digits, an even number of them.

#include "linear_barcodes.h"

namespace {

constexpr int WIDE_MODULES = 2;

// ISO/IEC 16390, Table 1 - Interleaved 2 of 5 character encodation: the
// five element widths of each digit, '0' narrow and '1' wide.
// clang-format off
const char *const ITF_ELEMENTS[10] = {
    "00110", "10001", "01001", "11000", "00101",   // 0-4
    "10100", "01100", "00011", "10010", "01010",   // 5-9
};
// clang-format on

// ISO/IEC 16390, start and stop patterns in modules.
const char ITF_START[] = "1010";
const char ITF_STOP[] = "1101";

// Modules of every digit pair "00" to "99", built once.
struct ItfPairs
{
    QByteArray modules[100];
    ItfPairs()
    {
        for (int pair = 0; pair < 100; ++pair) {
            const char *bars = ITF_ELEMENTS[pair / 10];
            const char *spaces = ITF_ELEMENTS[pair % 10];
            for (int i = 0; i < 5; ++i) {
                modules[pair].append(bars[i] == '1' ? WIDE_MODULES : 1, '1');
                modules[pair].append(spaces[i] == '1' ? WIDE_MODULES : 1, '0');
            }
        }
    }
};

const ItfPairs &itfPairs()
{
    static const ItfPairs pairs;
    return pairs;
}

} // namespace

bool EncodeItf(const QByteArray &text, QByteArray &pattern)
{
    const QByteArray digits = KeepDigits(text);
    if (digits.isEmpty())
        return false;
    pattern = digits.size() % 2 ? '0' + digits : digits;
    return true;
}

bool LayoutItf(const QByteArray &pattern, BarLayout &layout)
{
    if (pattern.isEmpty() || pattern.size() % 2 || !AllDigits(pattern))
        return false;
    const ItfPairs &pairs = itfPairs();
    layout.append({QByteArray(ITF_START), QString()});
    for (int i = 0; i < pattern.size(); i += 2) {
        const int pair = (pattern[i] - '0') * 10 + (pattern[i + 1] - '0');
        layout.append({pairs.modules[pair], QString::fromLatin1(pattern.mid(i, 2))});
    }
    layout.append({QByteArray(ITF_STOP), QString()});
    return true;
}
