// Code 128, code set B (kind 2).
//
// Each symbol character is 11 modules: three bars and three spaces of one to
// four modules (the stop is 13 modules with its final bar). The text keeps
// the characters of code set B (bytes 32 to 127, a space being value 0) and
// is framed by Start B, the modulo 103 check character and Stop.
//
// Pattern text: data bytes as themselves (value = byte - 32); the check
// character as byte - 32 when below 95, else as byte 195 to 202 (values 95
// to 102); Start B as byte 204 (value 104) and Stop as byte 206 (value 106).

#include "linear_barcodes.h"

namespace {

constexpr int VALUE_START_B = 104;
constexpr int VALUE_STOP = 106;

// ISO/IEC 15417, Code 128 symbol character table: bar and space widths in
// modules, bar first, by symbol character value.
// clang-format off
const char *const CODE128_WIDTHS[107] = {
    // widths                                                      values
    "212222", "222122", "222221", "121223", "121322", "131222",   // 0-5
    "122213", "122312", "132212", "221213", "221312", "231212",   // 6-11
    "112232", "122132", "122231", "113222", "123122", "123221",   // 12-17
    "223211", "221132", "221231", "213212", "223112", "312131",   // 18-23
    "311222", "321122", "321221", "312212", "322112", "322211",   // 24-29
    "212123", "212321", "232121", "111323", "131123", "131321",   // 30-35
    "112313", "132113", "132311", "211313", "231113", "231311",   // 36-41
    "112133", "112331", "132131", "113123", "113321", "133121",   // 42-47
    "313121", "211331", "231131", "213113", "213311", "213131",   // 48-53
    "311123", "311321", "331121", "312113", "312311", "332111",   // 54-59
    "314111", "221411", "431111", "111224", "111422", "121124",   // 60-65
    "121421", "141122", "141221", "112214", "112412", "122114",   // 66-71
    "122411", "142112", "142211", "241211", "221114", "413111",   // 72-77
    "241112", "134111", "111242", "121142", "121241", "114212",   // 78-83
    "124112", "124211", "411212", "421112", "421211", "212141",   // 84-89
    "214121", "412121", "111143", "111341", "131141", "114113",   // 90-95
    "114311", "411113", "411311", "113141", "114131", "311141",   // 96-101
    "411131", "211412", "211214", "211232", "2331112",            // 102-106 (103-105 starts, 106 stop)
};
// clang-format on

int valueOfByte(uint8_t byte)
{
    if (byte >= 32 && byte <= 127)
        return byte - 32;
    if (byte >= 195 && byte <= 206)
        return byte - 100;
    return -1;
}

char byteOfCheckValue(int value)
{
    return char(value < 95 ? value + 32 : value + 100);
}

// Modules by symbol character value, built once.
struct Code128Modules
{
    QByteArray byValue[107];
    Code128Modules()
    {
        for (int value = 0; value < 107; ++value)
            byValue[value] = ModulesFromWidths(CODE128_WIDTHS[value]);
    }
};

const Code128Modules &code128Modules()
{
    static const Code128Modules modules;
    return modules;
}

} // namespace

bool EncodeCode128(const QByteArray &text, QByteArray &pattern)
{
    QByteArray data;
    for (const char c : text) {
        if (uint8_t(c) >= 32 && uint8_t(c) <= 127)
            data += c;
    }
    if (data.isEmpty())
        return false;

    // ISO/IEC 15417, symbol check character: the start value plus each data
    // value times its position (from 1), modulo 103.
    int sum = VALUE_START_B;
    for (int i = 0; i < data.size(); ++i)
        sum += (i + 1) * (uint8_t(data[i]) - 32);
    pattern = char(VALUE_START_B + 100) + data + byteOfCheckValue(sum % 103) + char(VALUE_STOP + 100);
    return true;
}

bool LayoutCode128(const QByteArray &pattern, BarLayout &layout)
{
    const Code128Modules &table = code128Modules();
    // Data characters are printed; start, check character and stop are not.
    for (int i = 0; i < pattern.size(); ++i) {
        const uint8_t byte = uint8_t(pattern[i]);
        const int value = valueOfByte(byte);
        if (value < 0)
            continue;
        const bool printed = i >= 1 && i < pattern.size() - 2 && byte >= 32 && byte < 127;
        layout.append({table.byValue[value], printed ? QString(QLatin1Char(char(byte))) : QString()});
    }
    return !layout.isEmpty();
}
