// The QR encoder's steps checked without a decoder: segments and version
// choice, codewords against worked examples, Reed-Solomon blocks, function
// patterns, format and version information, the mask choice against a plain
// per-module penalty count, bad arguments and the symbol image.

#include "barcodes/barcode.h"
#include "barcodes/qr_tables.h"
#include "barcodes/qrencoder.h"
#include "barcodes/qrpng.h"

#include <QtTest>

#include <memory>

namespace {

// Mode letters of the segments, e.g. "BN" for a byte then a numeric segment.
QString segmentModes(const CQrEncoder &encoder)
{
    static const char LETTERS[] = "NABK";
    QString modes;
    for (int i = 0; i < encoder.segmentCount(); ++i)
        modes += QLatin1Char(LETTERS[encoder.segment(i).mode]);
    return modes;
}

QByteArray firstCodewords(const CQrEncoder &encoder, int count)
{
    return QByteArray(reinterpret_cast<const char *>(encoder.codewords()), count);
}

// GF(256) multiplication modulo x^8 + x^4 + x^3 + x^2 + 1, bit by bit.
int gfMultiply(int a, int b)
{
    int product = 0;
    for (; b; b >>= 1) {
        if (b & 1)
            product ^= a;
        a <<= 1;
        if (a & 0x100)
            a ^= 0x11D;
    }
    return product;
}

// True when the codeword polynomial vanishes at a^0 .. a^(ecLength - 1),
// i.e. the block is a valid Reed-Solomon codeword of the QR generator.
bool isReedSolomonCodeword(const QByteArray &block, int ecLength)
{
    int alpha = 1;
    for (int i = 0; i < ecLength; ++i) {
        int value = 0;
        for (const char c : block)
            value = gfMultiply(value, alpha) ^ uint8_t(c);
        if (value != 0)
            return false;
        alpha = gfMultiply(alpha, 2);
    }
    return true;
}

// value followed by the BCH remainder of value x^degree divided by the
// generator polynomial of that degree.
int bchCode(int value, int degree, int generator)
{
    int remainder = value << degree;
    for (int bit = 30; bit >= degree; --bit) {
        if (remainder & (1 << bit))
            remainder ^= generator << (bit - degree);
    }
    return (value << degree) | remainder;
}

// Reads bits most significant first.
class BitReader
{
public:
    explicit BitReader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }
    int read(int bits)
    {
        int value = 0;
        for (int i = 0; i < bits; ++i, ++m_position)
            value = (value << 1) | ((uint8_t(m_bytes[m_position / 8]) >> (7 - m_position % 8)) & 1);
        return value;
    }

private:
    QByteArray m_bytes;
    int m_position = 0;
};

// The format information of the standard: 5 data bits (level L 01, M 00,
// Q 11, H 10 and the mask), BCH(15,5) with generator 10100110111, XOR
// 101010000010010.
int expectedFormatBits(int level, int mask)
{
    static const int LEVEL_BITS[4] = {1, 0, 3, 2};
    return bchCode((LEVEL_BITS[level] << 3) | mask, 10, 0x537) ^ 0x5412;
}

// The version information: 6 bits, BCH(18,6) with generator 1111100100101.
int expectedVersionBits(int version)
{
    return bchCode(version, 12, 0x1F25);
}

bool module(const CQrEncoder &e, int x, int y)
{
    return e.isDark(x, y);
}

// The four penalty features of ISO/IEC 18004, counted module by module.
// Beyond the symbol is the light quiet zone.
int referencePenalty(const CQrEncoder &e)
{
    const int n = e.symbolSize();
    int score = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int a = 0; a < n; ++a) {
            const auto at = [&](int b) {
                if (b < 0 || b >= n)
                    return false;
                return pass == 0 ? module(e, b, a) : module(e, a, b);
            };
            // Feature 1: runs of five or more.
            int run = 1;
            for (int b = 1; b <= n; ++b) {
                if (b < n && at(b) == at(b - 1)) {
                    ++run;
                } else {
                    if (run >= 5)
                        score += 3 + (run - 5);
                    run = 1;
                }
            }
            // Feature 3: 1011101 with four light modules before or after.
            for (int b = -4; b < n; ++b) {
                const bool core =
                    at(b) && !at(b + 1) && at(b + 2) && at(b + 3) && at(b + 4) && !at(b + 5) && at(b + 6);
                if (!core || b + 6 >= n)
                    continue;
                if (!at(b - 1) && !at(b - 2) && !at(b - 3) && !at(b - 4))
                    score += 40;
                if (!at(b + 7) && !at(b + 8) && !at(b + 9) && !at(b + 10))
                    score += 40;
            }
        }
    }
    // Feature 2: 2 x 2 blocks of one colour.
    int dark = 0;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            dark += module(e, x, y);
            if (x + 1 < n && y + 1 < n && module(e, x, y) == module(e, x + 1, y) &&
                module(e, x, y) == module(e, x, y + 1) && module(e, x, y) == module(e, x + 1, y + 1))
                score += 3;
        }
    }
    // Feature 4: 10 points per full 5 % away from half dark.
    const double share = 100.0 * dark / (n * n);
    score += 10 * int(qAbs(share - 50.0) / 5.0);
    return score;
}

} // namespace

class TestQrEncoder : public QObject
{
    Q_OBJECT

private slots:
    void versionAndSegments_data();
    void versionAndSegments();
    void beyondCapacityFails_data();
    void beyondCapacityFails();
    void requestedVersion_data();
    void requestedVersion();
    void knownCodewords_data();
    void knownCodewords();
    void kanjiNeedsValidShiftJisPairs_data();
    void kanjiNeedsValidShiftJisPairs();
    void utf8EciHeader_data();
    void utf8EciHeader();
    void reedSolomonBlocks_data();
    void reedSolomonBlocks();
    void functionPatterns_data();
    void functionPatterns();
    void formatAndVersionInformation_data();
    void formatAndVersionInformation();
    void automaticMaskHasLowestPenalty_data();
    void automaticMaskHasLowestPenalty();
    void badArguments_data();
    void badArguments();
    void lengthZeroStopsAtNul();
    void symbolImage();
    void imageRefusals_data();
    void imageRefusals();
    void pngHasTheImagesPixels_data();
    void pngHasTheImagesPixels();
    void pngRefusals_data();
    void pngRefusals();

private:
    std::unique_ptr<CQrEncoder> m_encoder = std::make_unique<CQrEncoder>();
};

void TestQrEncoder::versionAndSegments_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("modes");
    QTest::addColumn<int>("bits");

    // Bits by hand: 4 mode + count field (numeric 10, alphanumeric 9, byte 8
    // in versions 1-9) + data (3 digits 10 bits, 2 alphanumerics 11 bits).
    QTest::newRow("HELLO WORLD fits 1-L") << QByteArray("HELLO WORLD") << 0 << 1 << "A" << 4 + 9 + 5 * 11 + 6;
    QTest::newRow("HELLO WORLD fits 1-M") << QByteArray("HELLO WORLD") << 1 << 1 << "A" << 74;
    // 74 bits need 10 bytes; 1-H holds 9 data codewords.
    QTest::newRow("HELLO WORLD needs 2-H") << QByteArray("HELLO WORLD") << 3 << 2 << "A" << 74;
    // 41 digits: 4 + 10 + 13 x 10 + 7 = 151 bits <= 19 x 8.
    QTest::newRow("41 digits fit 1-L") << QByteArray(41, '7') << 0 << 1 << "N" << 151;
    // 42 digits: 4 + 10 + 14 x 10 = 154 bits > 152.
    QTest::newRow("42 digits need 2-L") << QByteArray(42, '7') << 0 << 2 << "N" << 154;
    QTest::newRow("lower case forces 8-bit") << QByteArray("hello world") << 0 << 1 << "B" << 4 + 8 + 11 * 8;
    // "Hello " in byte mode (60 bits) then 20 digits (4 + 10 + 67 = 81).
    QTest::newRow("byte then numeric") << QByteArray("Hello 12345678901234567890") << 0 << 1 << "BN" << 141;
    // One alphanumeric segment (13 + 88 = 101 bits) beats three (108).
    QTest::newRow("short digit run merges") << QByteArray("ABC1234567890DEF") << 0 << 1 << "A" << 101;
    // Three segments (30 + 61 + 30 = 121 bits) beat one (4 + 9 + 110 = 123).
    QTest::newRow("long digit run splits") << QByteArray("ABC12345678901234DEF") << 0 << 1 << "ANA" << 121;
    // A lone digit after a letter stays in byte mode: 12 + 16 bits.
    QTest::newRow("lone digit stays byte") << QByteArray("a1") << 0 << 1 << "B" << 28;
    // Count fields grow from version 10: byte count 16 bits.
    QTest::newRow("2953 bytes fit 40-L") << QByteArray(2953, 'a') << 0 << 40 << "B" << 4 + 16 + 2953 * 8;
    QTest::newRow("7089 digits fit 40-L") << QByteArray(7089, '1') << 0 << 40 << "N" << 4 + 14 + 2363 * 10;
    QTest::newRow("4296 alphanumerics fit 40-L")
        << QByteArray(4296, 'Q') << 0 << 40 << "A" << 4 + 13 + 2148 * 11;
    QTest::newRow("1273 bytes fit 40-H") << QByteArray(1273, 'a') << 3 << 40 << "B" << 4 + 16 + 1273 * 8;
}

void TestQrEncoder::versionAndSegments()
{
    QFETCH(QByteArray, text);
    QFETCH(int, level);
    QFETCH(int, version);
    QFETCH(QString, modes);
    QFETCH(int, bits);

    QVERIFY(m_encoder->EncodeQr(level, 0, true, -1, text.constData(), text.size()));
    QCOMPARE(m_encoder->version(), version);
    QCOMPARE(m_encoder->symbolSize(), 17 + 4 * version);
    QCOMPARE(segmentModes(*m_encoder), modes);
    QCOMPARE(m_encoder->bitLength(), bits);
    QCOMPARE(m_encoder->eci(), 0);
}

void TestQrEncoder::beyondCapacityFails_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("level");

    QTest::newRow("2954 bytes at L") << QByteArray(2954, 'a') << 0;
    QTest::newRow("7090 digits at L") << QByteArray(7090, '1') << 0;
    QTest::newRow("4297 alphanumerics at L") << QByteArray(4297, 'Q') << 0;
    QTest::newRow("2332 bytes at M") << QByteArray(2332, 'a') << 1;
    QTest::newRow("1664 bytes at Q") << QByteArray(1664, 'a') << 2;
    QTest::newRow("1274 bytes at H") << QByteArray(1274, 'a') << 3;
    QTest::newRow("far too long") << QByteArray(20000, '1') << 0;
}

void TestQrEncoder::beyondCapacityFails()
{
    QFETCH(QByteArray, text);
    QFETCH(int, level);

    QVERIFY(!m_encoder->EncodeQr(level, 0, true, -1, text.constData(), text.size()));
    QCOMPARE(m_encoder->symbolSize(), 0);
    QVERIFY(!m_encoder->isDark(0, 0));
}

void TestQrEncoder::requestedVersion_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("requested");
    QTest::addColumn<bool>("growth");
    QTest::addColumn<int>("version"); // 0: the call fails

    QTest::newRow("room to spare keeps the version") << QByteArray("HELLO") << 5 << false << 5;
    QTest::newRow("version 40 for a short text") << QByteArray("HELLO") << 40 << true << 40;
    QTest::newRow("grows when allowed") << QByteArray(42, '7') << 1 << true << 2;
    QTest::newRow("fails when it may not grow") << QByteArray(42, '7') << 1 << false << 0;
    // 1000 bytes need 22-L (1006 data codewords; 21-L has 932).
    QTest::newRow("grows across version groups") << QByteArray(1000, 'a') << 3 << true << 22;
    QTest::newRow("group 3 start") << QByteArray(1000, 'a') << 27 << false << 27;
}

void TestQrEncoder::requestedVersion()
{
    QFETCH(QByteArray, text);
    QFETCH(int, requested);
    QFETCH(bool, growth);
    QFETCH(int, version);

    const bool ok = m_encoder->EncodeQr(QR_LEVEL_L, requested, growth, -1, text.constData(), text.size());
    QCOMPARE(ok, version != 0);
    QCOMPARE(m_encoder->version(), version);
}

void TestQrEncoder::knownCodewords_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QByteArray>("codewords"); // hex, all of version 1

    // ISO/IEC 18004, Annex I: "01234567" at 1-M, data then error correction.
    QTest::newRow("01234567 1-M") << QByteArray("01234567") << 1 << 0
                                  << QByteArray("10200C566180EC11EC11EC11EC11EC11A524D4C1ED36C7872C55");
    // The widely published HELLO WORLD example at 1-M and 1-Q.
    QTest::newRow("HELLO WORLD 1-M") << QByteArray("HELLO WORLD") << 1 << 0
                                     << QByteArray("205B0B78D172DC4D4340EC11EC11EC11"
                                                   "C4232777EBD7E7E25D17");
    QTest::newRow("HELLO WORLD 1-Q") << QByteArray("HELLO WORLD") << 2 << 0
                                     << QByteArray("205B0B78D172DC4D4340EC11EC"
                                                   "A8481652D9369C002E0FB47A10");
    // Kanji mode, the standard's example characters 0x935F 0xE4AA (values
    // 0x0D9F, 0x1AAA): 1000 00000010 0110110011111 1101010101010, then the
    // terminator 0000 and zero bits to the byte: 80 26 CF EA A8 00, pads.
    QTest::newRow("Kanji 1-H") << QByteArray("\x93\x5F\xE4\xAA") << 3 << 1
                               << QByteArray("8026CFEAA800EC11EC");
}

void TestQrEncoder::knownCodewords()
{
    QFETCH(QByteArray, text);
    QFETCH(int, level);
    QFETCH(int, charset);
    QFETCH(QByteArray, codewords);

    const QByteArray expected = QByteArray::fromHex(codewords);
    QVERIFY(m_encoder->EncodeQr(level, 1, false, -1, text.constData(), text.size(),
                                charset ? QrCharset::ShiftJis : QrCharset::Utf8));
    QCOMPARE(firstCodewords(*m_encoder, expected.size()).toHex().toUpper(), expected.toHex().toUpper());
}

void TestQrEncoder::kanjiNeedsValidShiftJisPairs_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("modes");

    QTest::newRow("two Kanji") << QByteArray("\x93\x5F\xE4\xAA") << 1 << "K";
    QTest::newRow("first and last of the ranges")
        << QByteArray("\x81\x40\x9F\xFC\xE0\x40\xEB\xBF") << 1 << "K";
    // Bytes that are not a Kanji-mode character go in a byte segment.
    // Six Kanji and a lone lead byte: 12 + 78 + 20 bits beat 12 + 13 x 8.
    QTest::newRow("lead byte at the end") << QByteArray("\x93\x5F\xE4\xAA").repeated(3) + '\x81' << 1 << "KB";
    QTest::newRow("trail byte 0x7F") << QByteArray("\x81\x7F") << 1 << "B";
    QTest::newRow("trail byte below 0x40") << QByteArray("\x81\x3F") << 1 << "B";
    QTest::newRow("beyond 0xEBBF") << QByteArray("\xEB\xC0") << 1 << "B";
    QTest::newRow("lead byte 0xA0") << QByteArray("\xA0\x40") << 1 << "B";
    // The same Shift-JIS bytes read as UTF-8 are never Kanji.
    QTest::newRow("Shift-JIS bytes as UTF-8") << QByteArray("\x93\x5F\xE4\xAA") << 0 << "B";
    // UTF-8 for 日本: E6 97 looks like a Shift-JIS pair, but is not one here.
    QTest::newRow("UTF-8 CJK") << QByteArray("\xE6\x97\xA5\xE6\x9C\xAC") << 0 << "B";
}

void TestQrEncoder::kanjiNeedsValidShiftJisPairs()
{
    QFETCH(QByteArray, text);
    QFETCH(int, charset);
    QFETCH(QString, modes);

    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_L, 0, true, -1, text.constData(), text.size(),
                                charset ? QrCharset::ShiftJis : QrCharset::Utf8));
    QCOMPARE(segmentModes(*m_encoder), modes);
}

void TestQrEncoder::utf8EciHeader_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("eci");
    QTest::addColumn<QByteArray>("codewords"); // hex, leading ones

    // ECI 0111 00011010, byte 0100 00000010, C3 A9, terminator and pad.
    QTest::newRow("accent") << QString::fromUtf8("\u00e9").toUtf8() << 26 << QByteArray("71A402C3A900EC11");
    QTest::newRow("ASCII needs none") << QByteArray("abc") << 0 << QByteArray("4036162630EC");
    QTest::newRow("not UTF-8 needs none") << QByteArray("\xFF\xFE") << 0 << QByteArray("402FFFE0EC");
    QTest::newRow("cut UTF-8 needs none") << QByteArray("a\xC3") << 0 << QByteArray("40261C30EC");
}

void TestQrEncoder::utf8EciHeader()
{
    QFETCH(QByteArray, text);
    QFETCH(int, eci);
    QFETCH(QByteArray, codewords);

    const QByteArray expected = QByteArray::fromHex(codewords);
    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_L, 1, false, -1, text.constData(), text.size()));
    QCOMPARE(m_encoder->eci(), eci);
    QCOMPARE(firstCodewords(*m_encoder, expected.size()).toHex().toUpper(), expected.toHex().toUpper());
}

void TestQrEncoder::reedSolomonBlocks_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("level");

    // Single blocks, equal blocks, and short plus long blocks.
    const int versions[] = {1, 2, 5, 6, 7, 10, 13, 15, 20, 21, 27, 33, 36, 40};
    for (const int version : versions) {
        for (int level = 0; level < 4; ++level)
            QTest::addRow("%d-%c", version, "LMQH"[level]) << version << level;
    }
}

void TestQrEncoder::reedSolomonBlocks()
{
    QFETCH(int, version);
    QFETCH(int, level);

    QByteArray text;
    for (int i = 0; i < 300; ++i)
        text += char('a' + i % 26);
    text.truncate(qr::dataCodewords(version, level) - 3);
    QVERIFY(m_encoder->EncodeQr(level, version, false, 0, text.constData(), text.size()));

    // Undo the interleaving: block b's codeword i sits at i x blocks + b,
    // the long blocks' extra data codeword after the short blocks' last.
    const int blocks = qr::ecBlocks(version, level);
    const int ecLength = qr::ecCodewordsPerBlock(version, level);
    const int total = qr::totalCodewords(version);
    const int dataTotal = qr::dataCodewords(version, level);
    QCOMPARE(m_encoder->codewordCount(), total);
    const int shortBlocks = blocks - total % blocks;
    const int shortData = total / blocks - ecLength;
    const uint8_t *codewords = m_encoder->codewords();
    QByteArray data;
    for (int b = 0; b < blocks; ++b) {
        QByteArray block;
        for (int i = 0; i < shortData; ++i)
            block += char(codewords[i * blocks + b]);
        if (b >= shortBlocks)
            block += char(codewords[shortData * blocks + b - shortBlocks]);
        data += block;
        for (int i = 0; i < ecLength; ++i)
            block += char(codewords[dataTotal + i * blocks + b]);
        QVERIFY2(isReedSolomonCodeword(block, ecLength), qPrintable(QStringLiteral("block %1").arg(b)));
    }
    // The data in block order is the bit stream: byte mode, count, text.
    QCOMPARE(data.size(), dataTotal);
    BitReader stream(data);
    QCOMPARE(stream.read(4), 0x4);
    QCOMPARE(stream.read(version <= 9 ? 8 : 16), text.size());
    for (int i = 0; i < text.size(); ++i)
        QCOMPARE(stream.read(8), int(uint8_t(text[i])));
}

void TestQrEncoder::functionPatterns_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("7") << 7;
    QTest::newRow("40") << 40;
}

void TestQrEncoder::functionPatterns()
{
    QFETCH(int, version);

    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_M, version, false, 3, "FINDER", 6));
    const int n = m_encoder->symbolSize();
    QCOMPARE(n, 17 + 4 * version);

    // Finders: dark outer ring, light ring, dark 3 x 3 centre; light separator.
    const QPoint corners[3] = {{0, 0}, {n - 7, 0}, {0, n - 7}};
    for (const QPoint &corner : corners) {
        for (int dy = -1; dy <= 7; ++dy) {
            for (int dx = -1; dx <= 7; ++dx) {
                const int x = corner.x() + dx;
                const int y = corner.y() + dy;
                if (x < 0 || y < 0 || x >= n || y >= n)
                    continue;
                const int ring = qMax(qAbs(dx - 3), qAbs(dy - 3));
                const bool dark = ring == 3 || ring <= 1;
                QVERIFY2(module(*m_encoder, x, y) == dark,
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
    }
    // Timing patterns between the finders, dark on even coordinates.
    for (int i = 8; i < n - 8; ++i) {
        QCOMPARE(module(*m_encoder, i, 6), i % 2 == 0);
        QCOMPARE(module(*m_encoder, 6, i), i % 2 == 0);
    }
    // The dark module beside the lower format copy.
    QVERIFY(module(*m_encoder, 8, n - 8));
    // From version 2, an alignment pattern centred 7 modules in from the
    // bottom-right corner: dark centre, light ring, dark ring.
    if (version >= 2) {
        const int c = n - 7;
        QVERIFY(module(*m_encoder, c, c));
        for (int d = -1; d <= 1; ++d) {
            QVERIFY(!module(*m_encoder, c + d, c - 1));
            QVERIFY(!module(*m_encoder, c + d, c + 1));
            QVERIFY(module(*m_encoder, c + 2 * d, c - 2));
            QVERIFY(module(*m_encoder, c + 2 * d, c + 2));
        }
    }
}

void TestQrEncoder::formatAndVersionInformation_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("version");

    for (int level = 0; level < 4; ++level) {
        for (int mask = 0; mask < 8; ++mask)
            QTest::addRow("%c mask %d", "LMQH"[level], mask)
                << level << mask << 1 + (level * 8 + mask) % 10 * 4;
    }
}

void TestQrEncoder::formatAndVersionInformation()
{
    QFETCH(int, level);
    QFETCH(int, mask);
    QFETCH(int, version);

    QVERIFY(m_encoder->EncodeQr(level, version, false, mask, "FORMAT", 6));
    QCOMPARE(m_encoder->mask(), mask);
    const int n = m_encoder->symbolSize();

    // Two copies of the 15 format bits, bit 14 first: along row 8 and down
    // column 8 around the top-left finder; along column 8 at the bottom
    // left (bits 14..8) and row 8 at the top right (bits 7..0).
    int first = 0;
    int second = 0;
    for (int i = 14; i >= 9; --i)
        first = (first << 1) | module(*m_encoder, 14 - i, 8);
    first = (first << 1) | module(*m_encoder, 7, 8);
    first = (first << 1) | module(*m_encoder, 8, 8);
    first = (first << 1) | module(*m_encoder, 8, 7);
    for (int i = 5; i >= 0; --i)
        first = (first << 1) | module(*m_encoder, 8, i);
    for (int i = 14; i >= 8; --i)
        second = (second << 1) | module(*m_encoder, 8, n - 15 + i);
    for (int i = 7; i >= 0; --i)
        second = (second << 1) | module(*m_encoder, n - 1 - i, 8);
    QCOMPARE(first, expectedFormatBits(level, mask));
    QCOMPARE(second, first);

    // Version information from version 7: bit i at (n - 11 + i % 3, i / 3)
    // and mirrored.
    int topRight = 0;
    int bottomLeft = 0;
    for (int i = 17; i >= 0; --i) {
        topRight = (topRight << 1) | module(*m_encoder, n - 11 + i % 3, i / 3);
        bottomLeft = (bottomLeft << 1) | module(*m_encoder, i / 3, n - 11 + i % 3);
    }
    if (version >= 7) {
        QCOMPARE(topRight, expectedVersionBits(version));
        QCOMPARE(bottomLeft, topRight);
    }
}

void TestQrEncoder::automaticMaskHasLowestPenalty_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("tiedLowest"); // masks known to share the lowest score

    QTest::newRow("HELLO WORLD") << QByteArray("HELLO WORLD") << 0 << QList<int>();
    QTest::newRow("digits") << QByteArray("31415926535897932384626433832795028841971") << 1 << QList<int>();
    QTest::newRow("link 3-Q") << QByteArray("https://sorvel.example/reading?client=104729") << 2
                              << QList<int>();
    QTest::newRow("version 7") << QByteArray(150, 'w') << 0 << QList<int>();
    QTest::newRow("version 15") << QByteArray(400, 'k') << 0 << QList<int>();
    QByteArray mixed;
    for (int i = 0; i < 1500; ++i)
        mixed += char(32 + (i * 37) % 95);
    QTest::newRow("version 30") << mixed << 0 << QList<int>();
    // Masks 2 and 4 score alike here: the first of them must win.
    QTest::newRow("tie of masks 2 and 4") << QByteArray("SORVEL-58880-0") << 0 << QList<int>{2, 4};
}

void TestQrEncoder::automaticMaskHasLowestPenalty()
{
    QFETCH(QByteArray, text);
    QFETCH(int, level);
    QFETCH(QList<int>, tiedLowest);

    QVERIFY(m_encoder->EncodeQr(level, 0, true, -1, text.constData(), text.size()));
    const int chosen = m_encoder->mask();
    int scores[8];
    for (int mask = 0; mask < 8; ++mask)
        scores[mask] = m_encoder->maskPenalty(mask);

    // Each mask's score equals the plain count on the symbol drawn with
    // that mask; the chosen mask is the first with the lowest score.
    int best = 0;
    for (int mask = 0; mask < 8; ++mask) {
        QVERIFY(m_encoder->EncodeQr(level, 0, true, mask, text.constData(), text.size()));
        QCOMPARE(m_encoder->maskPenalty(mask), -1);
        QCOMPARE(scores[mask], referencePenalty(*m_encoder));
        if (scores[mask] < scores[best])
            best = mask;
    }
    QCOMPARE(chosen, best);

    // The row's tie is real, so the row tells "first lowest" from "last lowest".
    if (!tiedLowest.isEmpty()) {
        QList<int> lowest;
        for (int mask = 0; mask < 8; ++mask)
            if (scores[mask] == scores[best])
                lowest.append(mask);
        QCOMPARE(lowest, tiedLowest);
        QCOMPARE(chosen, tiedLowest.first());
    }
}

void TestQrEncoder::badArguments_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("nullData");
    QTest::addColumn<int>("length");

    QTest::newRow("level below L") << -1 << 0 << -1 << false << 3;
    QTest::newRow("level above H") << 4 << 0 << -1 << false << 3;
    QTest::newRow("version -1") << 0 << -1 << -1 << false << 3;
    QTest::newRow("version 41") << 0 << 41 << -1 << false << 3;
    QTest::newRow("mask -2") << 0 << 0 << -2 << false << 3;
    QTest::newRow("mask 8") << 0 << 0 << 8 << false << 3;
    QTest::newRow("no data") << 0 << 0 << -1 << true << 3;
    QTest::newRow("negative length") << 0 << 0 << -1 << false << -1;
}

void TestQrEncoder::badArguments()
{
    QFETCH(int, level);
    QFETCH(int, version);
    QFETCH(int, mask);
    QFETCH(bool, nullData);
    QFETCH(int, length);

    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_L, 0, true, -1, "ABC", 3));
    QVERIFY(!m_encoder->EncodeQr(level, version, true, mask, nullData ? nullptr : "ABC", length));
    QCOMPARE(m_encoder->symbolSize(), 0);
    QVERIFY(!m_encoder->EncodeQr(QR_LEVEL_L, 0, true, -1, "", 0));
}

void TestQrEncoder::lengthZeroStopsAtNul()
{
    static const char TEXT[] = "AB\0CD";
    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_L, 0, true, -1, TEXT, 0));
    QCOMPARE(m_encoder->bitLength(), 4 + 9 + 11);
    // With an explicit length the zero byte is data (byte mode).
    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_L, 0, true, -1, TEXT, 5));
    QCOMPARE(m_encoder->bitLength(), 4 + 8 + 5 * 8);
}

void TestQrEncoder::symbolImage()
{
    const QColor colour(0x20, 0x40, 0x80);
    const QImage image = MakeBarcodeImage(QStringLiteral("HELLO WORLD"), BARCODE_QR, colour);
    QCOMPARE(image.size(), QSize(210, 210));

    // Each module is 10 x 10 pixels of the colour or white; the image
    // matches the encoder's matrix for the same call.
    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_L, 0, true, -1, "HELLO WORLD", 11));
    for (int y = 0; y < 210; ++y) {
        for (int x = 0; x < 210; ++x) {
            const QRgb expected = module(*m_encoder, x / 10, y / 10) ? colour.rgb() : qRgb(255, 255, 255);
            if (image.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
    }
    // No quiet zone: the top-left finder's corner is the first pixel.
    QCOMPARE(image.pixel(0, 0), colour.rgb());
}

void TestQrEncoder::imageRefusals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");

    QTest::newRow("empty text") << QString() << 0;
    QTest::newRow("beyond 40-L") << QString(2954, QLatin1Char('a')) << 0;
    QTest::newRow("beyond 40-L in UTF-8 bytes") << QString(1477, QChar(0x00e9)) << 0;
    QTest::newRow("unknown kind") << QStringLiteral("HELLO") << 11;
    QTest::newRow("negative kind") << QStringLiteral("HELLO") << -1;
}

void TestQrEncoder::imageRefusals()
{
    QFETCH(QString, text);
    QFETCH(int, kind);

    QVERIFY(MakeBarcodeImage(text, kind, Qt::black).isNull());
}

void TestQrEncoder::pngHasTheImagesPixels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("HELLO WORLD, black") << QStringLiteral("HELLO WORLD") << QColor(Qt::black);
    QTest::newRow("a link, in colour")
        << QStringLiteral("https://example.org/a?b=1") << QColor(0x8b, 0x1a, 0x4c);
    QTest::newRow("version 10 digits, white on white") << QString(500, QLatin1Char('9')) << QColor(Qt::white);
    QTest::newRow("UTF-8") << QString::fromUtf8("Zo\u00eb \u6570\u79d8") << QColor(0x00, 0x33, 0x66);
}

// The PNG written without Qt (the command line's QR Code) reads back as the
// picture a chart draws, pixel for pixel.
void TestQrEncoder::pngHasTheImagesPixels()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    const QImage image = MakeBarcodeImage(text, BARCODE_QR, colour);
    QVERIFY(!image.isNull());
    const std::string png = QrCodePng(text.toUtf8().toStdString(), colour.rgb() & 0xffffff);
    const QImage read = QImage::fromData(reinterpret_cast<const uchar *>(png.data()), int(png.size()), "PNG");
    QVERIFY(!read.isNull());
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(read.dotsPerMeterX(), 3937);
}

void TestQrEncoder::pngRefusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("beyond 40-L") << QByteArray(2954, 'a');
}

void TestQrEncoder::pngRefusals()
{
    QFETCH(QByteArray, text);
    QVERIFY(QrCodePng(text.toStdString(), 0).empty());
    QVERIFY(QrPngBytes(*std::make_unique<CQrEncoder>(), 0).empty()); // no symbol encoded
}

QTEST_GUILESS_MAIN(TestQrEncoder)
#include "test_qrencoder.moc"
