// The frame of the QR pipeline (see qrencoder.h) and step 2, the version.

#include "qrencoder.h"

#include "qr_tables.h"

#include <cstring>

// Step 2. Precondition: 1 <= length <= MAX_INPUT_BYTES, m_level is set.
// For each version group in turn (from the requested version's group), the
// segments are analysed with that group's count field lengths; the first
// version of the group whose data codewords hold the stream, rounded up to
// whole bytes, wins. Leaves the winning group's segments in m_segments.
int CQrEncoder::chooseVersion(const uint8_t *data, int length, int requested, bool allowGrowth,
                              QrCharset charset)
{
    const int first = requested > 0 ? requested : MIN_VERSION;
    const int last = requested > 0 && !allowGrowth ? requested : MAX_VERSION;
    for (int group = qr::versionGroup(first); group <= qr::versionGroup(last); ++group) {
        const int bits = analyseSegments(data, length, group, charset);
        if (bits < 0)
            continue;
        const int bytes = (bits + 7) / 8;
        const int from = first > qr::groupFirstVersion(group) ? first : qr::groupFirstVersion(group);
        const int to = last < qr::groupLastVersion(group) ? last : qr::groupLastVersion(group);
        for (int version = from; version <= to; ++version) {
            if (bytes <= qr::dataCodewords(version, m_level)) {
                m_bitLength = bits;
                return version;
            }
        }
    }
    return 0;
}

bool CQrEncoder::EncodeQr(int level, int version, bool allowGrowth, int mask, const char *data, int length,
                          QrCharset charset)
{
    m_size = 0;
    m_version = 0;
    m_mask = -1;
    m_bitLength = 0;
    m_segmentCount = 0;
    m_codewordCount = 0;
    m_eci = 0;
    for (int &score : m_maskPenalty)
        score = -1;

    // Validate the arguments and find the input's length.
    if (level < QR_LEVEL_L || level > QR_LEVEL_H || version < 0 || version > MAX_VERSION || mask < -1 ||
        mask > 7 || !data || length < 0)
        return false;
    if (length == 0)
        length = int(strnlen(data, MAX_INPUT_BYTES + 1));
    if (length == 0 || length > MAX_INPUT_BYTES)
        return false;
    m_level = level;
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(data);
    m_eci = charset == QrCharset::Utf8 && needsUtf8Eci(bytes, length) ? ECI_UTF8 : 0;

    // 1., 2. Segments and version.
    m_version = chooseVersion(bytes, length, version, allowGrowth, charset);
    if (m_version == 0) {
        m_segmentCount = 0;
        m_eci = 0;
        return false;
    }
    m_size = 17 + 4 * m_version;

    // 3., 4. Codewords with error correction.
    writeDataCodewords(bytes);
    addErrorCorrection();

    // 5.-7. The matrix.
    clearMatrix();
    drawFunctionPatterns();
    placeCodewords();
    m_mask = mask >= 0 ? mask : chooseMask();
    applyMask(m_mask);
    return true;
}
