#pragma once

// QR Code model 2 encoder (ISO/IEC 18004).
//
// EncodeQr runs a fixed pipeline of small steps; each step may assume what
// the steps before it established:
//
//   1. segments          (qr_segments.cpp)  the input is 1 to MAX_INPUT_BYTES
//                        bytes; splits it into numeric, alphanumeric, byte
//                        and Kanji segments with the shortest bit stream for
//                        one group of versions (their character-count fields
//                        differ).
//                        UTF-8 text with non-ASCII characters is preceded by
//                        the ECI designator 26 (UTF-8), so that decoders do
//                        not guess another code page for its bytes.
//   2. version choice    (qrencoder.cpp)    the segments' exact bit length is
//                        known; picks the smallest allowed version whose data
//                        capacity at the level holds it.
//   3. data codewords    (qr_codewords.cpp) the stream fits the version;
//                        writes mode, count and data, terminator, pad bytes.
//   4. error correction  (qr_codewords.cpp) all data codewords are written;
//                        splits them into blocks, adds Reed-Solomon codewords
//                        and interleaves the blocks.
//   5. function patterns (qr_matrix.cpp)    the version is fixed; draws
//                        finders, separators, timing, alignment, dark module,
//                        version information and reserves the format area.
//   6. placement         (qr_matrix.cpp)    every function module is marked;
//                        lays the codeword bits in the zig-zag order.
//   7. mask              (qr_matrix.cpp)    the data modules are placed;
//                        scores the masks by the four penalty rules (or takes
//                        the forced one), applies it, writes format info.
//
// The encoder keeps everything in fixed arrays sized for version 40, so one
// call allocates nothing on the heap. The module matrix is kept as bit rows.

#include <cstdint>

// Each QR module is 10 x 10 pixels in every picture of a symbol.
constexpr int QR_MODULE_PIXELS = 10;

enum QrLevel { QR_LEVEL_L = 0, QR_LEVEL_M = 1, QR_LEVEL_Q = 2, QR_LEVEL_H = 3 };

// What the input bytes are. Kanji segments are only used for Shift-JIS input:
// the bytes of UTF-8 text often look like Shift-JIS pairs, and a decoder would
// turn such a "Kanji" pair into a different character.
enum class QrCharset { Utf8, ShiftJis };

enum QrMode { QR_NUMERIC = 0, QR_ALPHANUMERIC = 1, QR_BYTE = 2, QR_KANJI = 3 };

// One run of input in one mode: bytes [start, start + bytes), chars characters
// (a Kanji character takes two bytes).
struct QrSegment
{
    QrMode mode;
    int start;
    int bytes;
    int chars;
};

class CQrEncoder
{
public:
    static constexpr int MIN_VERSION = 1;
    static constexpr int MAX_VERSION = 40;
    static constexpr int MAX_SIZE = 17 + 4 * MAX_VERSION; // 177 modules
    static constexpr int MAX_INPUT_BYTES = 7089;          // digits in version 40-L
    static constexpr int MAX_CODEWORDS = 3706;            // version 40
    static constexpr int MAX_DATA_CODEWORDS = 2956;       // version 40-L
    // A segment costs at least 18 bits, so no stream that fits version 40
    // (23648 data bits) has more segments than this.
    static constexpr int MAX_SEGMENTS = 1400;
    // ECI designator of UTF-8 (AIM ECI specification).
    static constexpr int ECI_UTF8 = 26;

    CQrEncoder() = default;

    // Encodes length bytes of data (length 0: up to the first zero byte).
    // level: QR_LEVEL_L..QR_LEVEL_H. version: 1..40, or 0 for the smallest
    // that fits; allowGrowth lets a requested version grow when the data
    // needs more room. mask: 0..7, or -1 to choose by penalty score.
    // Returns false (and leaves no symbol) for bad arguments, empty input or
    // more data than the allowed versions hold.
    bool EncodeQr(int level, int version, bool allowGrowth, int mask, const char *data, int length = 0,
                  QrCharset charset = QrCharset::Utf8);

    // The symbol of the last successful call; size 0 after a failure.
    int symbolSize() const { return m_size; }
    int version() const { return m_version; }
    int level() const { return m_level; }
    int mask() const { return m_mask; }
    bool isDark(int x, int y) const;

    // Diagnostics of the last successful call: the data bit stream before
    // the terminator, its segments, and the final interleaved codewords.
    int bitLength() const { return m_bitLength; }
    int eci() const { return m_eci; } // 0: no ECI header
    // The penalty score of mask 0..7 when the mask was chosen automatically
    // (-1 when it was forced).
    int maskPenalty(int mask) const { return m_maskPenalty[mask]; }
    int segmentCount() const { return m_segmentCount; }
    const QrSegment &segment(int i) const { return m_segments[i]; }
    int codewordCount() const { return m_codewordCount; }
    const uint8_t *codewords() const { return m_codewords; }

private:
    // 1. segments (qr_segments.cpp); returns the exact bit length, or -1
    //    when no stream for this group can fit version 40.
    int analyseSegments(const uint8_t *data, int length, int group, QrCharset charset);
    static bool needsUtf8Eci(const uint8_t *data, int length);
    // 2. version choice (qrencoder.cpp); 0 when nothing fits.
    int chooseVersion(const uint8_t *data, int length, int requested, bool allowGrowth, QrCharset charset);
    // 3., 4. codewords (qr_codewords.cpp)
    void writeDataCodewords(const uint8_t *data);
    void addErrorCorrection();
    // 5.-7. matrix (qr_matrix.cpp)
    void clearMatrix();
    void setFunctionModule(int x, int y, bool dark);
    void drawFunctionPatterns();
    void drawFinder(int cx, int cy);
    void drawAlignment(int cx, int cy);
    void drawFormatBits(int mask);
    void drawVersionBits();
    void placeCodewords();
    int chooseMask();
    int penalty(int mask) const;
    void applyMask(int mask);

    int m_level = 0;
    int m_version = 0;
    int m_mask = -1;
    int m_size = 0;
    int m_bitLength = 0;
    int m_dataCodewords = 0;
    int m_codewordCount = 0;
    int m_segmentCount = 0;
    int m_eci = 0;
    int m_maskPenalty[8] = {-1, -1, -1, -1, -1, -1, -1, -1};

    // Step 1 working space: for each byte position and mode, the mode of the
    // character that ends there on the cheapest path (see qr_segments.cpp).
    uint8_t m_pathMode[MAX_INPUT_BYTES + 1][4];
    QrSegment m_segments[MAX_SEGMENTS];

    uint8_t m_data[MAX_DATA_CODEWORDS];
    uint8_t m_codewords[MAX_CODEWORDS];

    // The matrix as bit lines: bit x of m_rows[y] is module (x, y); m_cols
    // holds the same modules by column for the penalty rules; the m_func*
    // arrays mark function modules, which the mask leaves alone.
    uint64_t m_rows[MAX_SIZE][3];
    uint64_t m_cols[MAX_SIZE][3];
    uint64_t m_funcRows[MAX_SIZE][3];
    uint64_t m_funcCols[MAX_SIZE][3];
};
