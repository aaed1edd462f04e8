// Code 93 (kind 4).
//
// Each character is nine modules: three bars and three spaces of one to four
// modules. The text keeps the 43 data characters (those of Code 39) and gets
// the two modulo 47 check characters C and K, then start and stop (*) and a
// final termination bar.
//
// Pattern text: the data characters as themselves, * for start and stop, and
// the bytes 0x80 to 0x83 for the four shift characters ($) (%) (/) (+),
// values 43 to 46, which can only appear as check characters here.

#include "linear_barcodes.h"

namespace {

// Values 0 to 42, in order.
const char CODE93_DATA[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr int CODE93_SHIFT_VALUE = 43;
constexpr uint8_t CODE93_SHIFT_BYTE = 0x80;

// ANSI/AIM BC5 (USS-93), table of symbol characters: bar and space widths
// in modules, bar first, by character value.
// clang-format off
const char *const CODE93_WIDTHS[47] = {
    // widths                                              values
    "131112", "111213", "111312", "111411", "121113",   // 0-4   0 1 2 3 4
    "121212", "121311", "111114", "131211", "141111",   // 5-9   5 6 7 8 9
    "211113", "211212", "211311", "221112", "221211",   // 10-14 A B C D E
    "231111", "112113", "112212", "112311", "122112",   // 15-19 F G H I J
    "132111", "111123", "111222", "111321", "121122",   // 20-24 K L M N O
    "131121", "212112", "212211", "211122", "211221",   // 25-29 P Q R S T
    "221121", "222111", "112122", "112221", "122121",   // 30-34 U V W X Y
    "123111", "121131", "311112", "311211", "321111",   // 35-39 Z - . space $
    "112131", "113121", "211131",                       // 40-42 / + %
    "121221", "312111", "311121", "122211",             // 43-46 ($) (%) (/) (+)
};
// clang-format on
const char CODE93_START_STOP[] = "111141";

// Modules by pattern byte, built once; the stop gets its termination bar in
// LayoutCode93.
struct Code93Modules
{
    QByteArray byByte[256];
    Code93Modules()
    {
        for (int value = 0; value < 47; ++value) {
            const uint8_t byte = value < CODE93_SHIFT_VALUE
                                     ? uint8_t(CODE93_DATA[value])
                                     : uint8_t(CODE93_SHIFT_BYTE + value - CODE93_SHIFT_VALUE);
            byByte[byte] = ModulesFromWidths(CODE93_WIDTHS[value]);
        }
        byByte[uint8_t('*')] = ModulesFromWidths(CODE93_START_STOP);
    }
};

const Code93Modules &code93Modules()
{
    static const Code93Modules modules;
    return modules;
}

int code93Value(char c)
{
    for (int value = 0; value < CODE93_SHIFT_VALUE; ++value) {
        if (CODE93_DATA[value] == c)
            return value;
    }
    const int shift = uint8_t(c) - CODE93_SHIFT_BYTE;
    return shift >= 0 && shift < 4 ? CODE93_SHIFT_VALUE + shift : -1;
}

char code93Byte(int value)
{
    return value < CODE93_SHIFT_VALUE ? CODE93_DATA[value]
                                      : char(CODE93_SHIFT_BYTE + value - CODE93_SHIFT_VALUE);
}

// ANSI/AIM BC5 (USS-93), check characters: the sum of each value times its
// weight, weights 1, 2, ... counted from the right and restarting after
// maxWeight, modulo 47.
int code93Check(const QByteArray &values, int maxWeight)
{
    int sum = 0;
    for (int i = values.size() - 1, weight = 1; i >= 0; --i) {
        sum += code93Value(values[i]) * weight;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 47;
}

} // namespace

bool EncodeCode93(const QByteArray &text, QByteArray &pattern)
{
    // The check characters are computed over exactly the characters drawn.
    QByteArray data = KeepBytes(text, CODE93_DATA);
    if (data.isEmpty())
        return false;
    data += code93Byte(code93Check(data, 20)); // C
    data += code93Byte(code93Check(data, 15)); // K, over the data and C
    pattern = '*' + data + '*';
    return true;
}

bool LayoutCode93(const QByteArray &pattern, BarLayout &layout)
{
    const Code93Modules &table = code93Modules();
    // Data characters are printed; start, check characters and stop are not.
    const int lastData = pattern.size() - 4;
    for (int i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const QByteArray &modules = table.byByte[uint8_t(c)];
        if (modules.isEmpty())
            continue;
        const bool printed = i >= 1 && i <= lastData && c != '*';
        layout.append({modules, printed ? QString(QLatin1Char(c)) : QString()});
    }
    if (layout.isEmpty())
        return false;
    layout.last().modules += '1'; // termination bar after the stop
    return true;
}
