// Steps 3 and 4 of the QR pipeline: the data codewords and the final,
// interleaved codeword sequence with Reed-Solomon error correction.

#include "qr_tables.h"
#include "qrencoder.h"

namespace {

// ISO/IEC 18004, Table 2 - Mode indicators.
constexpr uint32_t ECI_MODE_INDICATOR = 0x7; // 0111
// clang-format off
constexpr uint32_t MODE_INDICATOR[4] = {
    0x1, // numeric      0001
    0x2, // alphanumeric 0010
    0x4, // byte         0100
    0x8, // Kanji        1000
};
// clang-format on

// Pad codewords 11101100 and 00010001, alternately (7.4.10).
constexpr uint8_t PAD_CODEWORDS[2] = {0xEC, 0x11};

// Writes bits most significant first into a byte buffer.
class BitWriter
{
public:
    explicit BitWriter(uint8_t *out)
        : m_out(out)
    {
    }

    // value has at most 16 significant bits.
    void put(uint32_t value, int bits)
    {
        m_pending = (m_pending << bits) | value;
        m_pendingBits += bits;
        while (m_pendingBits >= 8) {
            m_pendingBits -= 8;
            m_out[m_written++] = uint8_t(m_pending >> m_pendingBits);
        }
    }
    int bitCount() const { return m_written * 8 + m_pendingBits; }
    // Fills the last byte with zero bits.
    void flushByte()
    {
        if (m_pendingBits > 0)
            put(0, 8 - m_pendingBits);
    }
    int byteCount() const { return m_written; }
    void putByte(uint8_t byte) { m_out[m_written++] = byte; }

private:
    uint8_t *m_out;
    uint64_t m_pending = 0;
    int m_pendingBits = 0;
    int m_written = 0;
};

} // namespace

// Step 3. Precondition: m_segments hold the stream for m_version's group and
// its m_bitLength bits fit the version's data codewords at m_level.
void CQrEncoder::writeDataCodewords(const uint8_t *data)
{
    const int group = qr::versionGroup(m_version);
    m_dataCodewords = qr::dataCodewords(m_version, m_level);
    BitWriter out(m_data);

    // ECI header (7.4.2): mode indicator and a one-byte designator (< 128).
    if (m_eci) {
        out.put(ECI_MODE_INDICATOR, 4);
        out.put(uint32_t(m_eci), 8);
    }

    // Segments: mode indicator, character count, data (7.4.3 to 7.4.6).
    for (int s = 0; s < m_segmentCount; ++s) {
        const QrSegment &segment = m_segments[s];
        const uint8_t *bytes = data + segment.start;
        out.put(MODE_INDICATOR[segment.mode], 4);
        out.put(uint32_t(segment.chars), qr::characterCountBits(segment.mode, group));
        switch (segment.mode) {
        case QR_NUMERIC: {
            int i = 0;
            for (; i + 3 <= segment.bytes; i += 3)
                out.put(uint32_t((bytes[i] - '0') * 100 + (bytes[i + 1] - '0') * 10 + (bytes[i + 2] - '0')),
                        10);
            if (segment.bytes - i == 2)
                out.put(uint32_t((bytes[i] - '0') * 10 + (bytes[i + 1] - '0')), 7);
            else if (segment.bytes - i == 1)
                out.put(uint32_t(bytes[i] - '0'), 4);
            break;
        }
        case QR_ALPHANUMERIC: {
            int i = 0;
            for (; i + 2 <= segment.bytes; i += 2)
                out.put(uint32_t(qr::alphanumericValue(bytes[i]) * 45 + qr::alphanumericValue(bytes[i + 1])),
                        11);
            if (i < segment.bytes)
                out.put(uint32_t(qr::alphanumericValue(bytes[i])), 6);
            break;
        }
        case QR_BYTE:
            for (int i = 0; i < segment.bytes; ++i)
                out.put(bytes[i], 8);
            break;
        case QR_KANJI:
            for (int i = 0; i < segment.bytes; i += 2)
                out.put(uint32_t(qr::kanjiValue(bytes[i], bytes[i + 1])), 13);
            break;
        }
    }

    // Terminator of up to four zero bits (7.4.9), zero bits to the byte
    // boundary, then pad codewords up to the capacity (7.4.10).
    const int capacityBits = m_dataCodewords * 8;
    const int terminator = capacityBits - out.bitCount() < 4 ? capacityBits - out.bitCount() : 4;
    if (terminator > 0)
        out.put(0, terminator);
    out.flushByte();
    for (int i = 0; out.byteCount() < m_dataCodewords; ++i)
        out.putByte(PAD_CODEWORDS[i & 1]);
}

// Step 4. Precondition: m_data holds m_dataCodewords codewords.
// The blocks and their interleaving follow 7.5.2 and 7.6: the first blocks
// are one data codeword shorter than the last ones; codeword i of every
// block comes before codeword i + 1 of any block, data before error
// correction.
void CQrEncoder::addErrorCorrection()
{
    const int blocks = qr::ecBlocks(m_version, m_level);
    const int ecLength = qr::ecCodewordsPerBlock(m_version, m_level);
    const int total = qr::totalCodewords(m_version);
    const int shortBlocks = blocks - total % blocks;
    const int shortData = total / blocks - ecLength;

    uint8_t ec[30];
    int offset = 0;
    for (int b = 0; b < blocks; ++b) {
        const int length = shortData + (b < shortBlocks ? 0 : 1);
        for (int i = 0; i < shortData; ++i)
            m_codewords[i * blocks + b] = m_data[offset + i];
        if (length > shortData)
            m_codewords[shortData * blocks + (b - shortBlocks)] = m_data[offset + shortData];
        qr::reedSolomon(m_data + offset, length, ecLength, ec);
        for (int i = 0; i < ecLength; ++i)
            m_codewords[m_dataCodewords + i * blocks + b] = ec[i];
        offset += length;
    }
    m_codewordCount = total;
}
