// Steps 5 to 7 of the QR pipeline: function patterns, codeword placement and
// masking. The matrix is kept as bit lines (rows and, for the penalty rules,
// columns), so a mask is applied and scored a whole line at a time.

#include "qr_tables.h"
#include "qrencoder.h"

#include <cstring>

namespace {

inline void setBit(uint64_t *line, int i)
{
    line[i >> 6] |= uint64_t(1) << (i & 63);
}

inline void clearBit(uint64_t *line, int i)
{
    line[i >> 6] &= ~(uint64_t(1) << (i & 63));
}

inline bool testBit(const uint64_t *line, int i)
{
    return (line[i >> 6] >> (i & 63)) & 1;
}

// Which square ring around a pattern's centre (dx, dy) lies on.
inline int ringOf(int dx, int dy)
{
    dx = dx < 0 ? -dx : dx;
    dy = dy < 0 ? -dy : dy;
    return dx > dy ? dx : dy;
}

// Bit i of word w set for 0 <= 64 w + i < n.
inline uint64_t firstBitsWord(int n, int w)
{
    const int k = n - 64 * w;
    return k >= 64 ? ~uint64_t(0) : k <= 0 ? 0 : (uint64_t(1) << k) - 1;
}

// ISO/IEC 18004, 7.8.2, Table 10 - Data mask pattern generation conditions;
// i is the row, j the column. A module is inverted where the condition holds.
// clang-format off
constexpr bool maskCondition(int mask, int i, int j)
{
    switch (mask) {
    case 0: return (i + j) % 2 == 0;
    case 1: return i % 2 == 0;
    case 2: return j % 3 == 0;
    case 3: return (i + j) % 3 == 0;
    case 4: return (i / 2 + j / 3) % 2 == 0;
    case 5: return (i * j) % 2 + (i * j) % 3 == 0;
    case 6: return ((i * j) % 2 + (i * j) % 3) % 2 == 0;
    default: return ((i + j) % 2 + (i * j) % 3) % 2 == 0;
    }
}
// clang-format on

// Every condition repeats after 12 rows and 12 columns, so the mask of row y
// is row[mask][y % 12] and that of column x is column[mask][x % 12], built
// at compile time for the widest symbol.
struct MaskLines
{
    uint64_t row[8][12][3] = {};
    uint64_t column[8][12][3] = {};
    constexpr MaskLines()
    {
        for (int mask = 0; mask < 8; ++mask) {
            for (int r = 0; r < 12; ++r) {
                for (int k = 0; k < 192; ++k) {
                    if (maskCondition(mask, r, k))
                        row[mask][r][k >> 6] |= uint64_t(1) << (k & 63);
                    if (maskCondition(mask, k, r))
                        column[mask][r][k >> 6] |= uint64_t(1) << (k & 63);
                }
            }
        }
    }
};
constexpr MaskLines MASK_LINES;

// A line of up to 64 x W modules; bit i is module i.
template <int W> struct Bits
{
    uint64_t w[W];
};

template <int W> inline Bits<W> load(const uint64_t *line)
{
    Bits<W> r;
    for (int i = 0; i < W; ++i)
        r.w[i] = line[i];
    return r;
}

template <int W> inline Bits<W> operator&(const Bits<W> &a, const Bits<W> &b)
{
    Bits<W> r;
    for (int i = 0; i < W; ++i)
        r.w[i] = a.w[i] & b.w[i];
    return r;
}

template <int W> inline Bits<W> operator|(const Bits<W> &a, const Bits<W> &b)
{
    Bits<W> r;
    for (int i = 0; i < W; ++i)
        r.w[i] = a.w[i] | b.w[i];
    return r;
}

// a & ~b
template <int W> inline Bits<W> andNot(const Bits<W> &a, const Bits<W> &b)
{
    Bits<W> r;
    for (int i = 0; i < W; ++i)
        r.w[i] = a.w[i] & ~b.w[i];
    return r;
}

// Bit i of the result is bit i + k of a (0 < k < 64).
template <int W> inline Bits<W> down(const Bits<W> &a, int k)
{
    Bits<W> r;
    for (int i = 0; i < W; ++i)
        r.w[i] = (a.w[i] >> k) | (i + 1 < W ? a.w[i + 1] << (64 - k) : 0);
    return r;
}

// Bit i + k of the result is bit i of a (0 < k < 64).
template <int W> inline Bits<W> up(const Bits<W> &a, int k)
{
    Bits<W> r;
    for (int i = W - 1; i >= 0; --i)
        r.w[i] = (a.w[i] << k) | (i > 0 ? a.w[i - 1] >> (64 - k) : 0);
    return r;
}

inline int popcount(uint64_t x)
{
    return __builtin_popcountll(x);
}

template <int W> inline int count(const Bits<W> &a)
{
    int n = 0;
    for (int i = 0; i < W; ++i)
        n += popcount(a.w[i]);
    return n;
}

// Bits 0..n-1 set.
template <int W> inline Bits<W> firstBits(int n)
{
    Bits<W> r;
    for (int i = 0; i < W; ++i)
        r.w[i] = firstBitsWord(n, i);
    return r;
}

// ISO/IEC 18004, 7.8.3, Table 11 - Scoring penalties.
constexpr int PENALTY_N1 = 3;
constexpr int PENALTY_N2 = 3;
constexpr int PENALTY_N3 = 40;
constexpr int PENALTY_N4 = 10;

// Features 1 and 3 of one row or column of n modules.
template <int W> inline int linePenalty(const Bits<W> &dark, const Bits<W> &valid, const Bits<W> &paddedValid)
{
    // Feature 1: runs of five or more modules of one colour score N1 + (run - 5).
    // A run of L modules holds L - 4 windows of five, so the score is the
    // number of windows plus 2 per run.
    const Bits<W> light = andNot(valid, dark);
    const Bits<W> dark2 = dark & down(dark, 1);
    const Bits<W> light2 = light & down(light, 1);
    const Bits<W> windows =
        (dark2 & down(dark2, 2) & down(dark, 4)) | (light2 & down(light2, 2) & down(light, 4));
    const Bits<W> runStarts = andNot(windows, up(windows, 1));
    int score = count(windows) + (PENALTY_N1 - 1) * count(runStarts);

    // Feature 3: dark-light-dark-dark-dark-light-dark with four light modules
    // before or after it. Beyond the symbol lies the light quiet zone, so the
    // line is padded with four light modules on each side.
    const Bits<W> p = up(dark, 4);
    const Bits<W> q = andNot(paddedValid, p);
    const Bits<W> core =
        down(p, 4) & down(q, 5) & down(p, 6) & down(p, 7) & down(p, 8) & down(q, 9) & down(p, 10);
    const Bits<W> lightBefore = q & down(q, 1) & down(q, 2) & down(q, 3);
    const Bits<W> lightAfter = down(q, 11) & down(q, 12) & down(q, 13) & down(q, 14);
    score += PENALTY_N3 * (count(core & lightBefore) + count(core & lightAfter));
    return score;
}

// Feature 2: each 2 x 2 block of one colour in rows a and b scores N2.
template <int W> inline int blockPenalty(const Bits<W> &a, const Bits<W> &b, const Bits<W> &valid)
{
    const Bits<W> bothDark = a & b;
    const Bits<W> bothLight = andNot(valid, a | b);
    return PENALTY_N2 * count((bothDark & down(bothDark, 1)) | (bothLight & down(bothLight, 1)));
}

// The score of the symbol with a mask applied to every non-function module.
template <int W>
int scoreMask(int size, int mask, const uint64_t (*rows)[3], const uint64_t (*funcRows)[3],
              const uint64_t (*cols)[3], const uint64_t (*funcCols)[3])
{
    const Bits<W> valid = firstBits<W>(size);
    const Bits<W> paddedValid = firstBits<W>(size + 8);
    int score = 0;
    int dark = 0;

    // Rows: features 1, 2, 3 and the dark count of feature 4.
    Bits<W> previous = {};
    for (int y = 0; y < size; ++y) {
        const Bits<W> flip = andNot(load<W>(MASK_LINES.row[mask][y % 12]), load<W>(funcRows[y])) & valid;
        Bits<W> line = load<W>(rows[y]);
        for (int i = 0; i < W; ++i)
            line.w[i] ^= flip.w[i];
        score += linePenalty(line, valid, paddedValid);
        if (y > 0)
            score += blockPenalty(previous, line, valid);
        dark += count(line);
        previous = line;
    }

    // Columns: features 1 and 3.
    for (int x = 0; x < size; ++x) {
        const Bits<W> flip = andNot(load<W>(MASK_LINES.column[mask][x % 12]), load<W>(funcCols[x])) & valid;
        Bits<W> line = load<W>(cols[x]);
        for (int i = 0; i < W; ++i)
            line.w[i] ^= flip.w[i];
        score += linePenalty(line, valid, paddedValid);
    }

    // Feature 4: N4 for every full 5 % by which the dark share departs from 50 %.
    const int total = size * size;
    const int deviation = dark * 20 - total * 10;
    score += PENALTY_N4 * ((deviation < 0 ? -deviation : deviation) / total);
    return score;
}

} // namespace

bool CQrEncoder::isDark(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_size || y >= m_size)
        return false;
    return testBit(m_rows[y], x);
}

void CQrEncoder::clearMatrix()
{
    const size_t bytes = size_t(m_size) * sizeof m_rows[0];
    memset(m_rows, 0, bytes);
    memset(m_cols, 0, bytes);
    memset(m_funcRows, 0, bytes);
    memset(m_funcCols, 0, bytes);
}

void CQrEncoder::setFunctionModule(int x, int y, bool dark)
{
    setBit(m_funcRows[y], x);
    setBit(m_funcCols[x], y);
    if (dark) {
        setBit(m_rows[y], x);
        setBit(m_cols[x], y);
    } else {
        clearBit(m_rows[y], x);
        clearBit(m_cols[x], y);
    }
}

// Finder pattern (7.3.2) centred on (cx, cy) with its light separator (7.3.3).
void CQrEncoder::drawFinder(int cx, int cy)
{
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            const int x = cx + dx;
            const int y = cy + dy;
            if (x < 0 || y < 0 || x >= m_size || y >= m_size)
                continue;
            const int ring = ringOf(dx, dy);
            setFunctionModule(x, y, ring != 2 && ring != 4);
        }
    }
}

// Alignment pattern (7.3.5): 5 x 5 dark ring, light ring, dark centre.
void CQrEncoder::drawAlignment(int cx, int cy)
{
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx)
            setFunctionModule(cx + dx, cy + dy, ringOf(dx, dy) != 1);
    }
}

// Format information (7.9): two copies of the 15 bits, bit 0 least
// significant, around the top-left finder and split between the other two;
// the dark module sits beside the lower copy.
void CQrEncoder::drawFormatBits(int mask)
{
    const int bits = qr::formatBits(m_level, mask);
    const auto bit = [bits](int i) { return ((bits >> i) & 1) != 0; };
    for (int i = 0; i <= 5; ++i)
        setFunctionModule(8, i, bit(i));
    setFunctionModule(8, 7, bit(6));
    setFunctionModule(8, 8, bit(7));
    setFunctionModule(7, 8, bit(8));
    for (int i = 9; i < 15; ++i)
        setFunctionModule(14 - i, 8, bit(i));

    for (int i = 0; i < 8; ++i)
        setFunctionModule(m_size - 1 - i, 8, bit(i));
    for (int i = 8; i < 15; ++i)
        setFunctionModule(8, m_size - 15 + i, bit(i));
    setFunctionModule(8, m_size - 8, true);
}

// Version information (7.10), from version 7: two 6 x 3 blocks beside the
// top-right and bottom-left finders.
void CQrEncoder::drawVersionBits()
{
    if (m_version < 7)
        return;
    const uint32_t bits = qr::versionBits(m_version);
    for (int i = 0; i < 18; ++i) {
        const bool dark = ((bits >> i) & 1) != 0;
        const int a = m_size - 11 + i % 3;
        const int b = i / 3;
        setFunctionModule(a, b, dark);
        setFunctionModule(b, a, dark);
    }
}

// Step 5. Precondition: m_version, m_size and m_level are set, the matrix
// is cleared.
void CQrEncoder::drawFunctionPatterns()
{
    // Timing patterns (7.3.4) along row 6 and column 6.
    for (int i = 0; i < m_size; ++i) {
        setFunctionModule(6, i, i % 2 == 0);
        setFunctionModule(i, 6, i % 2 == 0);
    }

    // Finder patterns with separators at three corners; they overwrite the
    // ends of the timing patterns.
    drawFinder(3, 3);
    drawFinder(m_size - 4, 3);
    drawFinder(3, m_size - 4);

    // Alignment patterns at every pair of listed coordinates, except the
    // three corners taken by the finders (Annex E).
    int positions[7];
    const int count = qr::alignmentPositions(m_version, positions);
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < count; ++j) {
            const bool finderCorner =
                (i == 0 && j == 0) || (i == 0 && j == count - 1) || (i == count - 1 && j == 0);
            if (!finderCorner)
                drawAlignment(positions[i], positions[j]);
        }
    }

    // Reserve the format area (rewritten with the chosen mask) and draw the
    // version information.
    drawFormatBits(0);
    drawVersionBits();
}

// Step 6 (7.7.3). Precondition: every function module is marked and
// m_codewords holds the final sequence. Bits go most significant first up
// and down two-module columns from the right, skipping the vertical timing
// pattern; remainder modules stay light.
void CQrEncoder::placeCodewords()
{
    const int totalBits = m_codewordCount * 8;
    int bit = 0;
    for (int right = m_size - 1; right >= 1; right -= 2) {
        if (right == 6)
            right = 5;
        const bool upward = ((right + 1) & 2) == 0;
        for (int step = 0; step < m_size; ++step) {
            const int y = upward ? m_size - 1 - step : step;
            for (int x = right; x >= right - 1; --x) {
                if (testBit(m_funcRows[y], x))
                    continue;
                if (bit < totalBits && ((m_codewords[bit >> 3] >> (7 - (bit & 7))) & 1)) {
                    setBit(m_rows[y], x);
                    setBit(m_cols[x], y);
                }
                ++bit;
            }
        }
    }
}

int CQrEncoder::penalty(int mask) const
{
    if (m_size + 8 <= 64)
        return scoreMask<1>(m_size, mask, m_rows, m_funcRows, m_cols, m_funcCols);
    if (m_size + 8 <= 128)
        return scoreMask<2>(m_size, mask, m_rows, m_funcRows, m_cols, m_funcCols);
    return scoreMask<3>(m_size, mask, m_rows, m_funcRows, m_cols, m_funcCols);
}

// Step 7 (7.8.3): the mask with the lowest penalty, format bits included.
// Precondition: the data modules are placed, unmasked.
int CQrEncoder::chooseMask()
{
    int best = 0;
    int bestScore = 0;
    for (int mask = 0; mask < 8; ++mask) {
        drawFormatBits(mask);
        const int score = penalty(mask);
        m_maskPenalty[mask] = score;
        if (mask == 0 || score < bestScore) {
            best = mask;
            bestScore = score;
        }
    }
    return best;
}

void CQrEncoder::applyMask(int mask)
{
    const uint64_t valid[3] = {firstBitsWord(m_size, 0), firstBitsWord(m_size, 1), firstBitsWord(m_size, 2)};
    for (int k = 0; k < m_size; ++k) {
        for (int i = 0; i < 3; ++i) {
            m_rows[k][i] ^= MASK_LINES.row[mask][k % 12][i] & ~m_funcRows[k][i] & valid[i];
            m_cols[k][i] ^= MASK_LINES.column[mask][k % 12][i] & ~m_funcCols[k][i] & valid[i];
        }
    }
    drawFormatBits(mask);
}
