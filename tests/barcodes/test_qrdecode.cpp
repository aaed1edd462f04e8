// QR symbols read back by an independent decoder (zbarimg): every version
// and each level, every mode, all eight masks, Kanji, version 40 at its capacity,
// and texts with accents and CJK characters through MakeBarcodeImage.

#include "barcodes/barcode.h"
#include "barcodes/qrencoder.h"
#include "qrsamples.h"
#include "zbardecoder.h"

#include <QtTest>

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

// Four modules of quiet zone around the 10-pixel modules.
constexpr int QUIET_ZONE = 4 * QR_MODULE_PIXELS;

QByteArray lettersAndDigits(int length)
{
    static const char SOURCE[] = "The reading of 17 May 1990 - Life Path 5/23; ";
    QByteArray text;
    while (text.size() < length)
        text += SOURCE;
    text.truncate(length);
    return text;
}

} // namespace

class TestQrDecode : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionsAndLevels_data();
    void versionsAndLevels();
    void modes_data();
    void modes();
    void masks_data();
    void masks();
    void kanji_data();
    void kanji();
    void capacityLimit_data();
    void capacityLimit();
    void benchmarkSamples_data();
    void benchmarkSamples();

private:
    // Decodes the encoder's current symbol and compares it with expected.
    void expectDecoded(const QImage &image, const QByteArray &expected);

    std::unique_ptr<CQrEncoder> m_encoder = std::make_unique<CQrEncoder>();
};

void TestQrDecode::initTestCase()
{
    QVERIFY2(!zbarPath().isEmpty(), "zbarimg not found: install zbar-tools (scripts/setup-debian.sh)");
}

void TestQrDecode::expectDecoded(const QImage &image, const QByteArray &expected)
{
    QVERIFY(!image.isNull());
    QString error;
    const QByteArrayList texts = zbarDecode(image, QUIET_ZONE, {QStringLiteral("qrcode.enable")}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.first(), expected);
}

void TestQrDecode::versionsAndLevels_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("length");

    // A text of about two thirds of each symbol's byte capacity; versions
    // with one, two and many blocks, short and long blocks, each group of
    // count field lengths, with and without version information.
    struct Row
    {
        int version;
        int level;
        int length;
    };
    const Row rows[] = {
        {1, QR_LEVEL_L, 12},    {1, QR_LEVEL_H, 5},     {2, QR_LEVEL_M, 16},   {3, QR_LEVEL_Q, 20},
        {5, QR_LEVEL_Q, 40},    {6, QR_LEVEL_H, 40},    {7, QR_LEVEL_L, 120},  {9, QR_LEVEL_M, 120},
        {10, QR_LEVEL_H, 80},   {14, QR_LEVEL_M, 300},  {21, QR_LEVEL_Q, 400}, {26, QR_LEVEL_H, 400},
        {27, QR_LEVEL_L, 1000}, {33, QR_LEVEL_M, 1000}, {36, QR_LEVEL_Q, 900}, {40, QR_LEVEL_H, 800},
    };
    for (const Row &row : rows)
        QTest::addRow("%d-%c", row.version, "LMQH"[row.level]) << row.version << row.level << row.length;

    // Every other version once, so each version's alignment pattern centres
    // and version information are read back: levels in turn, 7 bytes per
    // version, which fits even at level H.
    for (int version = 1; version <= CQrEncoder::MAX_VERSION; ++version) {
        const auto tested = [version](const Row &row) { return row.version == version; };
        if (std::any_of(std::begin(rows), std::end(rows), tested))
            continue;
        const int level = version % 4;
        QTest::addRow("%d-%c", version, "LMQH"[level]) << version << level << 7 * version;
    }
}

void TestQrDecode::versionsAndLevels()
{
    QFETCH(int, version);
    QFETCH(int, level);
    QFETCH(int, length);

    const QByteArray text = lettersAndDigits(length);
    QVERIFY(m_encoder->EncodeQr(level, version, false, -1, text.constData(), text.size()));
    QCOMPARE(m_encoder->version(), version);
    expectDecoded(MakeQrImage(*m_encoder, Qt::black), text);
}

void TestQrDecode::modes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("modes"); // segment modes of the 40-L encoding

    QTest::newRow("numeric") << QStringLiteral("0123456789012345678901234567890123") << "N";
    QTest::newRow("alphanumeric") << QStringLiteral("HELLO WORLD $%*+-./: 42") << "A";
    QTest::newRow("lower case is 8-bit") << QStringLiteral("hello world") << "B";
    // Byte, a long digit run, an upper-case run, lower case again.
    QTest::newRow("mixed") << QStringLiteral("Client no. 00012345678901234567 - SORVEL-CHART-2024 - ok")
                           << "BNAB";
    // Four trailing digits are cheaper in numeric mode (28 bits, not 32).
    QTest::newRow("accents") << QString::fromUtf8("Zo\u00eb M\u00fcller-Fran\u00e7ois, n\u00e9e 1990")
                             << "BN";
    QTest::newRow("CJK") << QString::fromUtf8("\u6570\u79d8\u672f\u7684\u751f\u547d\u4e4b\u8def") << "B";
    QTest::newRow("Greek and symbols")
        << QString::fromUtf8("\u03a9 \u2013 \u201cquote\u201d \u20ac 5") << "B";
    QTest::newRow("outside the BMP") << QString::fromUtf8("star \U0001F31F") << "B";
}

void TestQrDecode::modes()
{
    QFETCH(QString, text);
    QFETCH(QString, modes);

    // The product's path: level L, smallest version, automatic mask, UTF-8.
    const QByteArray bytes = text.toUtf8();
    expectDecoded(MakeBarcodeImage(text, BARCODE_QR, Qt::black), bytes);

    // The same call on the encoder shows the segments it used.
    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_L, 0, true, -1, bytes.constData(), bytes.size()));
    QString found;
    for (int i = 0; i < m_encoder->segmentCount(); ++i)
        found += QLatin1Char("NABK"[m_encoder->segment(i).mode]);
    QCOMPARE(found, modes);
}

void TestQrDecode::masks_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("version");
    for (int mask = 0; mask < 8; ++mask) {
        QTest::addRow("mask %d version 2", mask) << mask << 2;
        QTest::addRow("mask %d version 8", mask) << mask << 8;
    }
}

void TestQrDecode::masks()
{
    QFETCH(int, mask);
    QFETCH(int, version);

    const QByteArray text = "Mask " + QByteArray::number(mask) + ", version " + QByteArray::number(version);
    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_M, version, false, mask, text.constData(), text.size()));
    QCOMPARE(m_encoder->mask(), mask);
    expectDecoded(MakeQrImage(*m_encoder, Qt::black), text);
}

void TestQrDecode::kanji_data()
{
    QTest::addColumn<QByteArray>("shiftJis");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("modes");

    // Shift-JIS (JIS X 0208) codes: 点 935F, 茗 E4AA; 数 9094, 秘 94E9, 術 8F70,
    // の 82CC; 日 93FA, 本 967B; カ 834A, ナ 8369.
    QTest::newRow("the standard's two characters")
        << QByteArray("\x93\x5F\xE4\xAA") << QString::fromUtf8("\u70b9\u8317") << "K";
    QTest::newRow("kanji and kana") << QByteArray(
                                           "\x90\x94\x94\xE9\x8F\x70\x82\xCC\x93\xFA\x96\x7B\x83\x4A\x83\x69")
                                    << QString::fromUtf8("\u6570\u79d8\u8853\u306e\u65e5\u672c\u30ab\u30ca")
                                    << "K";
    QTest::newRow("Kanji between digits")
        << QByteArray("1990\x93\xFA\x96\x7B\x90\x94\x94\xE9\x8F\x70\x82\xCC"
                      "2024")
        << QString::fromUtf8("1990\u65e5\u672c\u6570\u79d8\u8853\u306e2024") << "NKN";
}

void TestQrDecode::kanji()
{
    QFETCH(QByteArray, shiftJis);
    QFETCH(QString, text);
    QFETCH(QString, modes);

    QVERIFY(m_encoder->EncodeQr(QR_LEVEL_M, 0, true, -1, shiftJis.constData(), shiftJis.size(),
                                QrCharset::ShiftJis));
    QString found;
    for (int i = 0; i < m_encoder->segmentCount(); ++i)
        found += QLatin1Char("NABK"[m_encoder->segment(i).mode]);
    QCOMPARE(found, modes);
    // The decoder turns the Kanji mode characters into UTF-8 text.
    expectDecoded(MakeQrImage(*m_encoder, Qt::black), text.toUtf8());
}

void TestQrDecode::capacityLimit_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("level");

    QTest::newRow("2953 bytes 40-L") << lettersAndDigits(2953) << int(QR_LEVEL_L);
    QByteArray digits;
    for (int i = 0; i < 7089; ++i)
        digits += char('0' + (i * 7 + i / 10) % 10);
    QTest::newRow("7089 digits 40-L") << digits << int(QR_LEVEL_L);
    QByteArray alphanumerics;
    for (int i = 0; i < 4296; ++i)
        alphanumerics += "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:"[(i * 13) % 45];
    QTest::newRow("4296 alphanumerics 40-L") << alphanumerics << int(QR_LEVEL_L);
    QTest::newRow("1273 bytes 40-H") << lettersAndDigits(1273) << int(QR_LEVEL_H);
}

void TestQrDecode::capacityLimit()
{
    QFETCH(QByteArray, text);
    QFETCH(int, level);

    QVERIFY(m_encoder->EncodeQr(level, 0, true, -1, text.constData(), text.size()));
    QCOMPARE(m_encoder->version(), 40);
    expectDecoded(MakeQrImage(*m_encoder, Qt::black), text);
    // One more byte no longer fits.
    const QByteArray more = text + text.right(1);
    QVERIFY(!m_encoder->EncodeQr(level, 0, true, -1, more.constData(), more.size()));
}

void TestQrDecode::benchmarkSamples_data()
{
    QTest::addColumn<QByteArray>("text");
    for (const QrSample &sample : qrSamples())
        QTest::newRow(sample.name) << sample.text;
}

// The texts bench_barcodes times encode to symbols that read back.
void TestQrDecode::benchmarkSamples()
{
    QFETCH(QByteArray, text);
    expectDecoded(MakeBarcodeImage(QString::fromUtf8(text), BARCODE_QR, Qt::black), text);
}

QTEST_GUILESS_MAIN(TestQrDecode)
#include "test_qrdecode.moc"
