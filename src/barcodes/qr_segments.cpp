// Step 1 of the QR pipeline: split the input into mode segments.
//
// Precondition: 1 <= length <= MAX_INPUT_BYTES bytes, group 0..2.
//
// The split is the cheapest path through the input found by dynamic
// programming, as ISO/IEC 18004, Annex J (optimisation of bit stream length)
// suggests: for every byte position and mode it keeps the cost of the
// cheapest stream that has encoded the bytes so far and is "in" that mode.
// A character either extends the current segment of its mode, or a segment
// ends (rounded to whole bits) and a new one pays its mode indicator and
// character count. Costs are in sixths of a bit so that numeric (10 bits per
// 3 digits) and alphanumeric (11 bits per 2 characters) costs are whole.
// Neighbouring runs therefore merge whenever one longer segment is cheaper
// than two headers, e.g. "A1B" stays one alphanumeric segment.

#include "qr_tables.h"
#include "qrencoder.h"

namespace {

// Per character, in sixths of a bit (ISO/IEC 18004, 7.4.3 to 7.4.6).
// clang-format off
constexpr int CHARACTER_COST[4] = {
    20, // numeric: 10 bits per 3 digits
    33, // alphanumeric: 11 bits per 2 characters
    48, // byte: 8 bits
    78, // Kanji: 13 bits per double-byte character
};
// clang-format on
constexpr int NO_PATH = 1 << 28;

inline int roundUpToBit(int cost)
{
    return (cost + 5) / 6 * 6;
}

// Exact data bits of a segment of chars characters (7.4.3 to 7.4.6).
int dataBits(int mode, int chars)
{
    switch (mode) {
    case QR_NUMERIC:
        return chars / 3 * 10 + (chars % 3 == 1 ? 4 : chars % 3 == 2 ? 7 : 0);
    case QR_ALPHANUMERIC:
        return chars / 2 * 11 + chars % 2 * 6;
    case QR_BYTE:
        return chars * 8;
    default:
        return chars * 13;
    }
}

// Continuation bytes after a UTF-8 lead byte; -1 for a byte that cannot
// start a character.
int utf8TrailBytes(uint8_t lead)
{
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

} // namespace

// True for well-formed UTF-8 with at least one non-ASCII character. Plain
// ASCII needs no ECI; bytes that are not UTF-8 must not claim to be.
bool CQrEncoder::needsUtf8Eci(const uint8_t *data, int length)
{
    bool nonAscii = false;
    for (int i = 0; i < length;) {
        const int trail = utf8TrailBytes(data[i]);
        if (trail < 0 || i + trail >= length)
            return false;
        for (int k = 1; k <= trail; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return false;
        }
        nonAscii = nonAscii || trail > 0;
        i += trail + 1;
    }
    return nonAscii;
}

int CQrEncoder::analyseSegments(const uint8_t *data, int length, int group, QrCharset charset)
{
    const int modes = charset == QrCharset::ShiftJis ? 4 : 3;
    int header[4];
    for (int m = 0; m < 4; ++m)
        header[m] = (4 + qr::characterCountBits(m, group)) * 6;

    // Forward pass: costs at positions i - 2, i - 1 and i.
    int before2[4] = {NO_PATH, NO_PATH, NO_PATH, NO_PATH};
    int before1[4] = {header[0], header[1], header[2], modes == 4 ? header[3] : NO_PATH};
    int cost[4] = {NO_PATH, NO_PATH, NO_PATH, NO_PATH};
    for (int i = 1; i <= length; ++i) {
        const uint8_t byte = data[i - 1];
        uint8_t *path = m_pathMode[i];

        // Extend each mode's open segment by the character ending here.
        cost[QR_NUMERIC] = qr::isDigit(byte) ? before1[QR_NUMERIC] + CHARACTER_COST[0] : NO_PATH;
        cost[QR_ALPHANUMERIC] =
            qr::alphanumericValue(byte) >= 0 ? before1[QR_ALPHANUMERIC] + CHARACTER_COST[1] : NO_PATH;
        cost[QR_BYTE] = before1[QR_BYTE] + CHARACTER_COST[2];
        if (modes == 4) {
            const bool kanji = i >= 2 && qr::kanjiValue(data[i - 2], byte) >= 0;
            cost[QR_KANJI] = kanji ? before2[QR_KANJI] + CHARACTER_COST[3] : NO_PATH;
        }
        for (int m = 0; m < 4; ++m)
            path[m] = uint8_t(m);

        // Or close the cheapest segment here and open one in another mode.
        int best = QR_BYTE;
        for (int m = 0; m < modes; ++m) {
            if (roundUpToBit(cost[m]) < roundUpToBit(cost[best]))
                best = m;
        }
        const int closed = roundUpToBit(cost[best]);
        for (int m = 0; m < modes; ++m) {
            if (m != best && closed + header[m] < cost[m]) {
                cost[m] = closed + header[m];
                path[m] = uint8_t(best);
            }
        }
        for (int m = 0; m < 4; ++m) {
            before2[m] = before1[m];
            before1[m] = cost[m];
        }
    }

    // Backward pass: follow the cheapest path from the end, collecting runs
    // of one mode as segments (in reverse order).
    int mode = QR_BYTE;
    for (int m = 0; m < modes; ++m) {
        if (before1[m] < before1[mode])
            mode = m;
    }
    int count = 0;
    for (int pos = length; pos > 0;) {
        const int charMode = m_pathMode[pos][mode];
        const int charBytes = charMode == QR_KANJI ? 2 : 1;
        if (count > 0 && m_segments[count - 1].mode == charMode) {
            QrSegment &segment = m_segments[count - 1];
            segment.start -= charBytes;
            segment.bytes += charBytes;
            ++segment.chars;
        } else {
            if (count == MAX_SEGMENTS)
                return -1;
            m_segments[count++] = QrSegment{QrMode(charMode), pos - charBytes, charBytes, 1};
        }
        pos -= charBytes;
        mode = charMode;
    }
    for (int i = 0, j = count - 1; i < j; ++i, --j) {
        const QrSegment swap = m_segments[i];
        m_segments[i] = m_segments[j];
        m_segments[j] = swap;
    }
    m_segmentCount = count;

    // Exact length: ECI header (mode indicator and one designator byte),
    // then per segment mode indicator, character count, data. A count that
    // overflows its field cannot fit this group (its data alone would be
    // longer than the group's largest symbol).
    int bits = m_eci ? 4 + 8 : 0;
    for (int i = 0; i < count; ++i) {
        const QrSegment &segment = m_segments[i];
        const int countBits = qr::characterCountBits(segment.mode, group);
        if (segment.chars >= (1 << countBits))
            return -1;
        bits += 4 + countBits + dataBits(segment.mode, segment.chars);
    }
    return bits;
}
