#include "qr_tables.h"

#include <cstring>

namespace qr {

namespace {

// ISO/IEC 18004, Table 1 - Codeword capacity of all versions: total number
// of codewords. Index 0 is no version.
// clang-format off
const int16_t TOTAL_CODEWORDS[41] = {
    //   +0    +1    +2    +3    +4    +5    +6    +7    +8    +9      versions
    -1, 26, 44, 70, 100, 134, 172, 196, 242, 292,                    // 0-9
    346, 404, 466, 532, 581, 655, 733, 815, 901, 991,                // 10-19
    1085, 1156, 1258, 1364, 1474, 1588, 1706, 1828, 1921, 2051,      // 20-29
    2185, 2323, 2465, 2611, 2761, 2876, 3034, 3196, 3362, 3532,      // 30-39
    3706,                                                            // 40
};
// clang-format on

// ISO/IEC 18004, Table 9 - Error correction characteristics: error
// correction codewords in each block. Index 0 is no version.
// clang-format off
const int8_t EC_CODEWORDS_PER_BLOCK[4][41] = {
    // 0, 1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
    //   21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40     level
    {-1, 7, 10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},      // L
    {-1, 10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},      // M
    {-1, 13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},      // Q
    {-1, 17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},      // H
};
// clang-format on

// ISO/IEC 18004, Table 9 - Error correction characteristics: number of
// error correction blocks (short and long blocks together).
// clang-format off
const int8_t EC_BLOCKS[4][41] = {
    // 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
    //   21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40     level
    {-1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 4, 4, 4, 4, 4, 6, 6, 6, 6, 7, 8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},         // L
    {-1, 1, 1, 1, 2, 2, 4, 4, 4, 5, 5, 5, 8, 9, 9, 10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},      // M
    {-1, 1, 1, 2, 2, 4, 4, 6, 6, 8, 8, 8, 10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},      // Q
    {-1, 1, 1, 2, 4, 4, 4, 5, 6, 8, 8, 11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},      // H
};
// clang-format on

// ISO/IEC 18004, Table 3 - Number of bits in character count indicator.
// clang-format off
const int8_t CHARACTER_COUNT_BITS[4][3] = {
    // 1-9, 10-26, 27-40      mode
    {10, 12, 14},          // numeric
    {9, 11, 13},           // alphanumeric
    {8, 16, 16},           // byte
    {8, 10, 12},           // Kanji
};
// clang-format on

// ISO/IEC 18004, Annex E, Table E.1 - Row/column coordinates of the centres
// of the alignment patterns. Unused entries are 0.
// clang-format off
const uint8_t ALIGNMENT_POSITIONS[41][7] = {
    // coordinates                            version
    {0},                                   // 0
    {0},                                   // 1
    {6, 18},                               // 2
    {6, 22},                               // 3
    {6, 26},                               // 4
    {6, 30},                               // 5
    {6, 34},                               // 6
    {6, 22, 38},                           // 7
    {6, 24, 42},                           // 8
    {6, 26, 46},                           // 9
    {6, 28, 50},                           // 10
    {6, 30, 54},                           // 11
    {6, 32, 58},                           // 12
    {6, 34, 62},                           // 13
    {6, 26, 46, 66},                       // 14
    {6, 26, 48, 70},                       // 15
    {6, 26, 50, 74},                       // 16
    {6, 30, 54, 78},                       // 17
    {6, 30, 56, 82},                       // 18
    {6, 30, 58, 86},                       // 19
    {6, 34, 62, 90},                       // 20
    {6, 28, 50, 72, 94},                   // 21
    {6, 26, 50, 74, 98},                   // 22
    {6, 30, 54, 78, 102},                  // 23
    {6, 28, 54, 80, 106},                  // 24
    {6, 32, 58, 84, 110},                  // 25
    {6, 30, 58, 86, 114},                  // 26
    {6, 34, 62, 90, 118},                  // 27
    {6, 26, 50, 74, 98, 122},              // 28
    {6, 30, 54, 78, 102, 126},             // 29
    {6, 26, 52, 78, 104, 130},             // 30
    {6, 30, 56, 82, 108, 134},             // 31
    {6, 34, 60, 86, 112, 138},             // 32
    {6, 30, 58, 86, 114, 142},             // 33
    {6, 34, 62, 90, 118, 146},             // 34
    {6, 30, 54, 78, 102, 126, 150},        // 35
    {6, 24, 50, 76, 102, 128, 154},        // 36
    {6, 28, 54, 80, 106, 132, 158},        // 37
    {6, 32, 58, 84, 110, 136, 162},        // 38
    {6, 26, 54, 82, 110, 138, 166},        // 39
    {6, 30, 58, 86, 114, 142, 170},        // 40
};
// clang-format on

// ISO/IEC 18004, Annex C, Table C.1 - Valid format information bit
// sequences: BCH(15,5) code of level and mask, XORed with 101010000010010.
// clang-format off
const uint16_t FORMAT_BITS[4][8] = {
    // mask 0,    1,      2,      3,      4,      5,      6,      7          level
    {0x77C4, 0x72F3, 0x7DAA, 0x789D, 0x662F, 0x6318, 0x6C41, 0x6976},     // L (01)
    {0x5412, 0x5125, 0x5E7C, 0x5B4B, 0x45F9, 0x40CE, 0x4F97, 0x4AA0},     // M (00)
    {0x355F, 0x3068, 0x3F31, 0x3A06, 0x24B4, 0x2183, 0x2EDA, 0x2BED},     // Q (11)
    {0x1689, 0x13BE, 0x1CE7, 0x19D0, 0x0762, 0x0255, 0x0D0C, 0x083B},     // H (10)
};
// clang-format on

// ISO/IEC 18004, Annex D, Table D.1 - Version information bit stream:
// BCH(18,6) code of the version. Versions below 7 carry none (0).
// clang-format off
const uint32_t VERSION_BITS[41] = {
    //    +0        +1        +2        +3        +4        +5          versions
    0, 0, 0, 0, 0, 0, 0,                                                // 0-6
    0x07C94, 0x085BC, 0x09A99, 0x0A4D3, 0x0BBF6, 0x0C762,               // 7-12
    0x0D847, 0x0E60D, 0x0F928, 0x10B78, 0x1145D, 0x12A17,               // 13-18
    0x13532, 0x149A6, 0x15683, 0x168C9, 0x177EC, 0x18EC4,               // 19-24
    0x191E1, 0x1AFAB, 0x1B08E, 0x1CC1A, 0x1D33F, 0x1ED75,               // 25-30
    0x1F250, 0x209D5, 0x216F0, 0x228BA, 0x2379F, 0x24B0B,               // 31-36
    0x2542E, 0x26A64, 0x27541, 0x28C69,                                 // 37-40
};
// clang-format on

// ISO/IEC 18004, Table 5 - Encoding/decoding table for Alphanumeric mode:
// 0-9 are the digits, 10-35 the letters A-Z, then these nine characters.
constexpr char ALPHANUMERIC_SYMBOLS[] = " $%*+-./:";

// Byte classes for step 1, built at compile time: the alphanumeric value or -1.
struct ByteClasses
{
    int8_t alphanumeric[256] = {};
    constexpr ByteClasses()
    {
        for (int c = 0; c < 256; ++c)
            alphanumeric[c] = -1;
        for (int c = '0'; c <= '9'; ++c)
            alphanumeric[c] = int8_t(c - '0');
        for (int c = 'A'; c <= 'Z'; ++c)
            alphanumeric[c] = int8_t(c - 'A' + 10);
        for (int i = 0; ALPHANUMERIC_SYMBOLS[i]; ++i)
            alphanumeric[uint8_t(ALPHANUMERIC_SYMBOLS[i])] = int8_t(36 + i);
    }
};
constexpr ByteClasses BYTE_CLASSES;

// GF(256) with the primitive polynomial x^8 + x^4 + x^3 + x^2 + 1 (0x11D) of
// ISO/IEC 18004, 7.5.2, and the generator polynomials of Annex A, Table A.1.
// Computed at compile time instead of tabulated: g(x) = (x - a^0)(x - a^1)...(x - a^(n-1)).
struct Galois
{
    uint8_t exp[512] = {}; // a^i, doubled so a sum of two logs needs no modulo
    uint8_t log[256] = {}; // log[0] unused
    // Generator coefficients of degree n, highest power first without the
    // leading 1, as logarithms; NO_LOG marks a zero coefficient.
    uint8_t generatorLog[31][30] = {};
    static constexpr uint8_t NO_LOG = 255;

    constexpr Galois()
    {
        int x = 1;
        for (int i = 0; i < 255; ++i) {
            exp[i] = uint8_t(x);
            log[x] = uint8_t(i);
            x <<= 1;
            if (x & 0x100)
                x ^= 0x11D;
        }
        for (int i = 255; i < 512; ++i)
            exp[i] = exp[i - 255];
        log[0] = 0;

        for (int degree = 1; degree <= 30; ++degree) {
            // poly[0..degree] with poly[0] = 1 the leading coefficient.
            uint8_t poly[31] = {1};
            for (int root = 0; root < degree; ++root) {
                // multiply by (x + a^root)
                for (int i = root + 1; i > 0; --i)
                    poly[i] = poly[i] ^ multiply(poly[i - 1], exp[root]);
            }
            for (int i = 0; i < degree; ++i)
                generatorLog[degree][i] = poly[i + 1] ? log[poly[i + 1]] : NO_LOG;
        }
    }
    constexpr uint8_t multiply(uint8_t a, uint8_t b) const { return (a && b) ? exp[log[a] + log[b]] : 0; }
};
constexpr Galois GALOIS;

} // namespace

int totalCodewords(int version)
{
    return TOTAL_CODEWORDS[version];
}

int ecCodewordsPerBlock(int version, int level)
{
    return EC_CODEWORDS_PER_BLOCK[level][version];
}

int ecBlocks(int version, int level)
{
    return EC_BLOCKS[level][version];
}

int dataCodewords(int version, int level)
{
    return TOTAL_CODEWORDS[version] - EC_BLOCKS[level][version] * EC_CODEWORDS_PER_BLOCK[level][version];
}

int versionGroup(int version)
{
    return version <= 9 ? 0 : version <= 26 ? 1 : 2;
}

int groupFirstVersion(int group)
{
    static const int FIRST[3] = {1, 10, 27};
    return FIRST[group];
}

int groupLastVersion(int group)
{
    static const int LAST[3] = {9, 26, 40};
    return LAST[group];
}

int characterCountBits(int mode, int group)
{
    return CHARACTER_COUNT_BITS[mode][group];
}

int alignmentPositions(int version, int *positions)
{
    int count = 0;
    while (count < 7 && ALIGNMENT_POSITIONS[version][count] != 0) {
        positions[count] = ALIGNMENT_POSITIONS[version][count];
        ++count;
    }
    return count;
}

uint16_t formatBits(int level, int mask)
{
    return FORMAT_BITS[level][mask];
}

uint32_t versionBits(int version)
{
    return VERSION_BITS[version];
}

int alphanumericValue(uint8_t byte)
{
    return BYTE_CLASSES.alphanumeric[byte];
}

bool isDigit(uint8_t byte)
{
    return byte >= '0' && byte <= '9';
}

// ISO/IEC 18004, 7.4.6 Kanji mode: subtract 0x8140 (or 0xC140 from 0xE040
// on), then most significant byte x 0xC0 plus least significant byte.
int kanjiValue(uint8_t first, uint8_t second)
{
    if (second < 0x40 || second > 0xFC || second == 0x7F)
        return -1;
    const int code = (first << 8) | second;
    int offset;
    if (code >= 0x8140 && code <= 0x9FFC)
        offset = code - 0x8140;
    else if (code >= 0xE040 && code <= 0xEBBF)
        offset = code - 0xC140;
    else
        return -1;
    return (offset >> 8) * 0xC0 + (offset & 0xFF);
}

void reedSolomon(const uint8_t *data, int dataLength, int ecLength, uint8_t *ec)
{
    const uint8_t *generator = GALOIS.generatorLog[ecLength];
    memset(ec, 0, size_t(ecLength));
    for (int i = 0; i < dataLength; ++i) {
        const uint8_t factor = data[i] ^ ec[0];
        memmove(ec, ec + 1, size_t(ecLength - 1));
        ec[ecLength - 1] = 0;
        if (factor == 0)
            continue;
        const int factorLog = GALOIS.log[factor];
        for (int j = 0; j < ecLength; ++j) {
            if (generator[j] != Galois::NO_LOG)
                ec[j] ^= GALOIS.exp[factorLog + generator[j]];
        }
    }
}

} // namespace qr
