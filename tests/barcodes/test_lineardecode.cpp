// Linear symbols read back by an independent decoder (zbarimg): Codabar,
// Code 128, Code 39, Code 93, EAN-13 with and without add-ons, EAN-8,
// Interleaved 2 of 5 and UPC-A. The texts cover every character of each
// symbology's table, every EAN-13 first digit, and check characters that
// only a check position can hold. (zbar does not read MSI or Postnet;
// test_linearbarcodes checks their modules by hand.)

#include "barcodes/barcode.h"
#include "zbardecoder.h"

#include <QtTest>

#include <algorithm>

namespace {

// Ten modules of quiet zone at 2 pixels a module, and a little more.
constexpr int QUIET_ZONE = 40;

} // namespace

class TestLinearDecode : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decode_data();
    void decode();
};

void TestLinearDecode::initTestCase()
{
    QVERIFY2(!zbarPath().isEmpty(), "zbarimg not found: install zbar-tools (scripts/setup-debian.sh)");
}

void TestLinearDecode::decode_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("settings");    // zbar settings
    QTest::addColumn<QByteArrayList>("expected"); // what zbar reports, sorted

    const QStringList codabar{QStringLiteral("codabar.enable")};
    QTest::newRow("Codabar 12-34") << 1 << QStringLiteral("12-34") << codabar << QByteArrayList{"A12-34B"};
    QTest::newRow("Codabar 12xy34") << 1 << QStringLiteral("12xy34") << codabar << QByteArrayList{"A1234B"};
    QTest::newRow("Codabar all characters")
        << 1 << QStringLiteral("0123456789-$:/.+") << codabar << QByteArrayList{"A0123456789-$:/.+B"};

    const QStringList code128{QStringLiteral("code128.enable")};
    QTest::newRow("Code 128") << 2 << QStringLiteral("Hello, World! 123") << code128
                              << QByteArrayList{"Hello, World! 123"};
    // Code set B, values 0 to 94, in three symbols.
    for (int first = 32; first < 127; first += 32) {
        QByteArray chunk;
        for (int c = first; c < qMin(first + 32, 127); ++c)
            chunk += char(c);
        QTest::addRow("Code 128 bytes %d-%d", first, first + chunk.size() - 1)
            << 2 << QString::fromLatin1(chunk) << code128 << QByteArrayList{chunk};
    }
    // Texts whose check character is each value 95 to 102 (see
    // test_linearbarcodes: (104 + sum of position x value) mod 103).
    const char *const checkTexts[] = {"~", "!O", " P", "!P", " Q", "!Q", " R", "!R"};
    for (int i = 0; i < 8; ++i) {
        QTest::addRow("Code 128 check value %d", 95 + i)
            << 2 << QString::fromLatin1(checkTexts[i]) << code128 << QByteArrayList{checkTexts[i]};
    }
    QTest::newRow("Code 128 drops accents")
        << 2 << QString::fromUtf8("Caf\u00e9 42") << code128 << QByteArrayList{"Caf 42"};

    const QStringList code39{QStringLiteral("code39.enable")};
    QTest::newRow("Code 39") << 3 << QStringLiteral("CODE 39-TEST") << code39
                             << QByteArrayList{"CODE 39-TEST"};
    QTest::newRow("Code 39 all characters")
        << 3 << QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%") << code39
        << QByteArrayList{"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"};

    const QStringList code93{QStringLiteral("code93.enable")};
    QTest::newRow("Code 93 TEST93") << 4 << QStringLiteral("TEST93") << code93 << QByteArrayList{"TEST93"};
    QTest::newRow("Code 93 all characters")
        << 4 << QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%") << code93
        << QByteArrayList{"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"};
    QTest::newRow("Code 93 drops lower case")
        << 4 << QStringLiteral("TEsT93") << code93 << QByteArrayList{"TET93"};
    // Two-character texts whose C or K check character is a shift
    // character ($) (%) (/) (+), values 43 to 46.
    const char *const shiftTexts[] = {"1+", "1%", "2+", "2%", "0U", "1D", "0F", "0V"};
    for (const char *text : shiftTexts) {
        QTest::addRow("Code 93 check characters of %s", text)
            << 4 << QString::fromLatin1(text) << code93 << QByteArrayList{text};
    }

    const QStringList ean13{QStringLiteral("ean13.enable")};
    const QStringList ean13AddOns{QStringLiteral("ean13.enable"), QStringLiteral("ean2.enable"),
                                  QStringLiteral("ean5.enable")};
    QTest::newRow("EAN-13 12 digits")
        << 5 << QStringLiteral("400638133393") << ean13 << QByteArrayList{"4006381333931"};
    QTest::newRow("EAN-13 13 digits")
        << 5 << QStringLiteral("9780201379624") << ean13 << QByteArrayList{"9780201379624"};
    // Each first digit selects another A/B pattern for the left half.
    const char *const firstDigits[] = {"0012345678905", "1123456789011", "2123456789010", "3123456789019",
                                       "4123456789018", "5123456789017", "6123456789016", "7123456789015",
                                       "8123456789014", "9123456789013"};
    for (const char *number : firstDigits) {
        QTest::addRow("EAN-13 first digit %c", number[0])
            << 5 << QString::fromLatin1(number) << ean13 << QByteArrayList{number};
    }
    QTest::newRow("EAN-13 with 2-digit add-on")
        << 5 << QStringLiteral("40063813339312") << ean13AddOns << QByteArrayList{"12", "4006381333931"};
    QTest::newRow("EAN-13 with add-on 3 (mod 4)")
        << 5 << QStringLiteral("978020137962499") << ean13AddOns << QByteArrayList{"9780201379624", "99"};
    QTest::newRow("EAN-13 with 5-digit add-on") << 5 << QStringLiteral("97802013796245678") << ean13AddOns
                                                << QByteArrayList{"45678", "9780201379624"};
    QTest::newRow("EAN-13 with add-on 90000") << 5 << QStringLiteral("978020137962490000") << ean13AddOns
                                              << QByteArrayList{"90000", "9780201379624"};
    QTest::newRow("EAN-13 5 digits") << 5 << QStringLiteral("12345") << ean13
                                     << QByteArrayList{"0000000000000"};

    const QStringList ean8{QStringLiteral("ean8.enable")};
    QTest::newRow("EAN-8") << 6 << QStringLiteral("9638507") << ean8 << QByteArrayList{"96385074"};
    QTest::newRow("EAN-8 all digits")
        << 6 << QStringLiteral("0123456789") << ean8 << QByteArrayList{"01234565"};
    QTest::newRow("EAN-8 short") << 6 << QStringLiteral("12") << ean8 << QByteArrayList{"00050005"};

    // zbar reads Interleaved 2 of 5 from 6 digits unless told otherwise.
    const QStringList itf{QStringLiteral("i25.enable"), QStringLiteral("i25.min-length=2")};
    QTest::newRow("I2of5 123") << 7 << QStringLiteral("123") << itf << QByteArrayList{"0123"};
    QTest::newRow("I2of5 all pairs") << 7 << QStringLiteral("00112233445566778899012345678909") << itf
                                     << QByteArrayList{"00112233445566778899012345678909"};

    // zbar reads UPC-A through its EAN-13 decoder.
    const QStringList upca{QStringLiteral("ean13.enable"), QStringLiteral("upca.enable")};
    QTest::newRow("UPC-A 11 digits") << 10 << QStringLiteral("03600029145") << upca
                                     << QByteArrayList{"036000291452"};
    QTest::newRow("UPC-A 12 digits") << 10 << QStringLiteral("123456789012") << upca
                                     << QByteArrayList{"123456789012"};
}

void TestLinearDecode::decode()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QStringList, settings);
    QFETCH(QByteArrayList, expected);

    const QImage image = MakeBarcodeImage(text, kind, QColor(0x10, 0x10, 0x60));
    QVERIFY(!image.isNull());
    QString error;
    QByteArrayList texts = zbarDecode(image, QUIET_ZONE, settings, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    std::sort(texts.begin(), texts.end());
    QCOMPARE(texts, expected);
}

QTEST_MAIN(TestLinearDecode)
#include "test_lineardecode.moc"
