// The linear symbologies without a decoder: pattern texts (kept characters,
// check characters, start and stop), module patterns worked out by hand for
// MSI, Postnet and Interleaved 2 of 5, image geometry and refusals.

#include "barcodes/barcode.h"

#include <QPainter>
#include <QtTest>

namespace {

const QColor BAR_COLOUR(0x1a, 0x5c, 0x2e);

bool isBar(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == BAR_COLOUR.rgb();
}

bool isWhite(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

} // namespace

class TestLinearBarcodes : public QObject
{
    Q_OBJECT

private slots:
    void patterns_data();
    void patterns();
    void handModules_data();
    void handModules();
    void imageFollowsModules_data();
    void imageFollowsModules();
    void postnetImage();
    void printedText_data();
    void printedText();
    void refusals_data();
    void refusals();
    void longTextIsDrawnWhole();
};

void TestLinearBarcodes::patterns_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("pattern");

    // Codabar: digits and - $ : / . + kept, start A and stop B added.
    QTest::newRow("Codabar 12-34") << 1 << QByteArray("12-34") << true << QByteArray("A12-34B");
    QTest::newRow("Codabar drops letters") << 1 << QByteArray("12xy34") << true << QByteArray("A1234B");
    QTest::newRow("Codabar punctuation") << 1 << QByteArray("$1.50+:/") << true << QByteArray("A$1.50+:/B");
    QTest::newRow("Codabar nothing to keep") << 1 << QByteArray("xy") << false << QByteArray();

    // Code 128: Start B (byte 204), data, check, Stop (byte 206). "A":
    // (104 + 1 x 33) mod 103 = 34, the character B.
    QTest::newRow("Code 128 A") << 2 << QByteArray("A") << true << QByteArray("\xCC") + "AB" + "\xCE";
    // "~": (104 + 94) mod 103 = 95, written as byte 195.
    QTest::newRow("Code 128 check 95") << 2 << QByteArray("~") << true << QByteArray("\xCC~\xC3\xCE");
    // A space is value 0: (104 + 0 + 2 x 48) mod 103 = 97, byte 197.
    QTest::newRow("Code 128 space") << 2 << QByteArray(" P") << true << QByteArray("\xCC P\xC5\xCE");
    // Bytes outside code set B are dropped: "1" gives (104 + 17) mod 103 = 18.
    QTest::newRow("Code 128 drops non-ASCII") << 2 << QByteArray("\xC3\xA9") + "1\n"
                                              << true << QByteArray("\xCC") + "12" + "\xCE";

    // Code 39: start and stop * around the characters it has.
    QTest::newRow("Code 39") << 3 << QByteArray("CODE 39-TEST") << true << QByteArray("*CODE 39-TEST*");
    QTest::newRow("Code 39 drops lower case") << 3 << QByteArray("abc-12") << true << QByteArray("*-12*");
    QTest::newRow("Code 39 nothing to keep") << 3 << QByteArray("abc") << false << QByteArray();

    // Code 93: the published example TEST93 has check characters + and 6.
    QTest::newRow("Code 93 TEST93") << 4 << QByteArray("TEST93") << true << QByteArray("*TEST93+6*");
    // "F" (15): C = 15 (F), K = 15 + 2 x 15 = 45, the shift character (/).
    QTest::newRow("Code 93 shift check") << 4 << QByteArray("F") << true << QByteArray("*FF\x82*");
    // The check characters cover only the characters drawn: TET93 gives
    // C = (3 + 2 x 9 + 3 x 29 + 4 x 14 + 5 x 29) mod 47 = 27 (R) and
    // K = (27 + 2 x 3 + 3 x 9 + 4 x 29 + 5 x 14 + 6 x 29) mod 47 = 44 ((%)).
    QTest::newRow("Code 93 drops lower case")
        << 4 << QByteArray("TEsT93") << true << QByteArray("*TET93R\x81*");

    // EAN-13: check digit of 400638133393 is 1 (weights 1, 3 from the left).
    QTest::newRow("EAN-13 12 digits")
        << 5 << QByteArray("400638133393") << true << QByteArray("4006381333931");
    QTest::newRow("EAN-13 13 digits")
        << 5 << QByteArray("4006381333931") << true << QByteArray("4006381333931");
    QTest::newRow("EAN-13 wrong check digit") << 5 << QByteArray("4006381333932") << false << QByteArray();
    QTest::newRow("EAN-13 separators dropped")
        << 5 << QByteArray("400-6381-33393") << true << QByteArray("4006381333931");
    QTest::newRow("EAN-13 14 digits")
        << 5 << QByteArray("40063813339312") << true << QByteArray("4006381333931 12");
    QTest::newRow("EAN-13 15 digits")
        << 5 << QByteArray("400638133393112") << true << QByteArray("4006381333931 12");
    QTest::newRow("EAN-13 17 digits")
        << 5 << QByteArray("40063813339312345") << true << QByteArray("4006381333931 12345");
    QTest::newRow("EAN-13 18 digits")
        << 5 << QByteArray("400638133393112345") << true << QByteArray("4006381333931 12345");
    QTest::newRow("EAN-13 5 digits") << 5 << QByteArray("12345") << true << QByteArray("0000000000000");
    QTest::newRow("EAN-13 16 digits")
        << 5 << QByteArray("4006381333931123") << true << QByteArray("0000000000000");
    QTest::newRow("EAN-13 19 digits")
        << 5 << QByteArray("4006381333931123456") << true << QByteArray("0000000000000");
    QTest::newRow("EAN-13 no digits") << 5 << QByteArray("abc") << true << QByteArray("0000000000000");

    // EAN-8: the first 7 digits and their check digit (weights 3, 1).
    QTest::newRow("EAN-8 7 digits") << 6 << QByteArray("9638507") << true << QByteArray("96385074");
    QTest::newRow("EAN-8 8th digit replaced")
        << 6 << QByteArray("96385079") << true << QByteArray("96385074");
    QTest::newRow("EAN-8 6 digits") << 6 << QByteArray("963850") << true << QByteArray("00050005");

    // Interleaved 2 of 5: an odd count gets a leading 0.
    QTest::newRow("I2of5 123") << 7 << QByteArray("123") << true << QByteArray("0123");
    QTest::newRow("I2of5 even") << 7 << QByteArray("12a34") << true << QByteArray("1234");
    QTest::newRow("I2of5 no digits") << 7 << QByteArray("ab") << false << QByteArray();

    // MSI: Luhn check digit. 1234: 4 x 2 = 8, 3, 2 x 2 = 4, 1; sum 16 -> 4.
    QTest::newRow("MSI 1234") << 8 << QByteArray("1234") << true << QByteArray("12344");
    // 80523: 3 x 2 = 6, 2, 5 x 2 = 10 -> 1, 0, 8 x 2 = 16 -> 7; sum 16 -> 4.
    QTest::newRow("MSI 80523") << 8 << QByteArray("80523") << true << QByteArray("805234");
    QTest::newRow("MSI non-digit") << 8 << QByteArray("12a") << false << QByteArray();

    // Postnet: digit sum 15 -> check digit 5.
    QTest::newRow("Postnet 12345") << 9 << QByteArray("12345") << true << QByteArray("123455");
    QTest::newRow("Postnet ZIP+4") << 9 << QByteArray("55555-1237") << true << QByteArray("5555512372");
    QTest::newRow("Postnet no digits") << 9 << QByteArray("-") << false << QByteArray();

    // UPC-A: check digit of 03600029145 is 2 (weights 3, 1 from the left).
    QTest::newRow("UPC-A 11 digits") << 10 << QByteArray("03600029145") << true << QByteArray("036000291452");
    QTest::newRow("UPC-A 12 digits") << 10 << QByteArray("036000291452") << true
                                     << QByteArray("036000291452");
    QTest::newRow("UPC-A wrong check digit") << 10 << QByteArray("036000291453") << false << QByteArray();
    QTest::newRow("UPC-A 10 digits") << 10 << QByteArray("0360002914") << true << QByteArray("000000000000");

    // Every kind: empty and over-long texts, kinds that are not linear.
    QTest::newRow("empty") << 3 << QByteArray() << false << QByteArray();
    QTest::newRow("500 characters") << 3 << QByteArray(500, 'A') << true << '*' + QByteArray(500, 'A') + '*';
    QTest::newRow("501 characters") << 3 << QByteArray(501, 'A') << false << QByteArray();
    QTest::newRow("501 EAN characters") << 5 << QByteArray(501, '1') << false << QByteArray();
    QTest::newRow("QR is not linear") << 0 << QByteArray("A") << false << QByteArray();
    QTest::newRow("kind 11") << 11 << QByteArray("A") << false << QByteArray();
}

void TestLinearBarcodes::patterns()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(QByteArray, pattern);

    QByteArray result;
    QCOMPARE(EncodeBarcode(kind, text, result), ok);
    QCOMPARE(result, pattern);
}

void TestLinearBarcodes::handModules_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QByteArray>("modules"); // spaces only for reading

    // MSI: start 110; each digit's four bits, 1 -> 110, 0 -> 100; stop 1001.
    // 12344: 1 = 0001, 2 = 0010, 3 = 0011, 4 = 0100, check digit 4.
    QTest::newRow("MSI 12344") << 8 << QByteArray("12344")
                               << QByteArray("110 100100100110 100100110100 100100110110 100110100100 "
                                             "100110100100 1001");
    QTest::newRow("MSI 9 and 0") << 8 << QByteArray("90") << QByteArray("110 110100100110 100100100100 1001");
    // Postnet: frame bar, five bars a digit (weights 7 4 2 1 0), frame bar.
    QTest::newRow("Postnet 123455") << 9 << QByteArray("123455")
                                    << QByteArray("1 00011 00101 00110 01001 01010 01010 1");
    QTest::newRow("Postnet 0 and 9") << 9 << QByteArray("09") << QByteArray("1 11000 10100 1");
    // Interleaved 2 of 5: start 1010; 1 (wide narrow narrow narrow wide) as
    // bars interleaved with 2 (narrow wide narrow narrow wide) as spaces,
    // wide = two modules; stop 1101.
    QTest::newRow("I2of5 12") << 7 << QByteArray("12") << QByteArray("1010 11 0 1 00 1 0 1 0 11 00 1101");
    // 0 (nnwwn) bars with 9 (nwnwn) spaces.
    QTest::newRow("I2of5 09") << 7 << QByteArray("09") << QByteArray("1010 1 0 1 00 11 0 11 00 1 0 1101");
}

void TestLinearBarcodes::handModules()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, pattern);
    QFETCH(QByteArray, modules);

    QCOMPARE(BarcodeModules(kind, pattern), QByteArray(modules).replace(' ', ""));
}

void TestLinearBarcodes::imageFollowsModules_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("modules"); // worked out per symbology

    // Codabar A(13) 1(11) B(13) and two one-module gaps.
    QTest::newRow("Codabar 1") << 1 << QByteArray("1") << 39;
    // Code 128: start, A, check 11 modules each, stop 13.
    QTest::newRow("Code 128 A") << 2 << QByteArray("A") << 46;
    // Code 39: 6 narrow + 3 wide x 3 = 15 modules, one gap between characters.
    QTest::newRow("Code 39 A") << 3 << QByteArray("A") << 15 * 3 + 2;
    // Code 93: start, A, C, K, stop of 9 and the termination bar.
    QTest::newRow("Code 93 A") << 4 << QByteArray("A") << 46;
    // EAN-13: 7 light modules for the first digit, 95 for the symbol.
    QTest::newRow("EAN-13") << 5 << QByteArray("400638133393") << 102;
    // Add-ons: gap 9, guard 4, 7 a digit, separators 2.
    QTest::newRow("EAN-13 + 2") << 5 << QByteArray("40063813339312") << 102 + 9 + 4 + 7 + 2 + 7;
    QTest::newRow("EAN-13 + 5") << 5 << QByteArray("40063813339312345") << 102 + 9 + 4 + 5 * 7 + 4 * 2;
    QTest::newRow("EAN-8") << 6 << QByteArray("9638507") << 67;
    // Interleaved 2 of 5: start 4, a pair 6 narrow + 4 wide x 2 = 14, stop 4.
    QTest::newRow("I2of5") << 7 << QByteArray("1234") << 4 + 2 * 14 + 4;
    // MSI: start 3, 12 a digit with the check digit, stop 4.
    QTest::newRow("MSI") << 8 << QByteArray("1") << 3 + 12 + 12 + 4;
    QTest::newRow("UPC-A") << 10 << QByteArray("03600029145") << 95;
}

void TestLinearBarcodes::imageFollowsModules()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, text);
    QFETCH(int, modules);

    QByteArray pattern;
    QVERIFY(EncodeBarcode(kind, text, pattern));
    const QByteArray expected = BarcodeModules(kind, pattern);
    QCOMPARE(expected.size(), modules);

    // 2 pixels per module plus a 5-pixel margin; 130 pixels of bars and a
    // 20-pixel text band.
    const QImage image = MakeBarcodeImage(QString::fromLatin1(text), kind, BAR_COLOUR);
    QCOMPARE(image.size(), QSize(2 * modules + 5, 150));
    for (int x = 0; x < image.width(); ++x) {
        const bool bar = x < 2 * modules && expected[x / 2] == '1';
        for (const int y : {0, 64, 129}) {
            if (bar ? !isBar(image, x, y) : !isWhite(image, x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestLinearBarcodes::postnetImage()
{
    // 1 + five bars for each of 1, 2 and the check digit 7 + 1: 17 bars.
    const QImage image = MakeBarcodeImage(QStringLiteral("12"), BARCODE_POSTNET, BAR_COLOUR);
    QCOMPARE(image.size(), QSize(16 * 6 + 2 + 5, 20));
    const QByteArray bars = BarcodeModules(BARCODE_POSTNET, "127");
    QCOMPARE(bars, QByteArray("1 00011 00101 10001 1").replace(' ', ""));
    for (int i = 0; i < bars.size(); ++i) {
        const int x = i * 6;
        // Every bar stands on the bottom line; a full bar reaches the top,
        // a half bar is 8 pixels high; the gaps are white.
        QVERIFY(isBar(image, x, 19) && isBar(image, x + 1, 19));
        QCOMPARE(isBar(image, x, 0), bars[i] == '1');
        QVERIFY(isBar(image, x, 12));
        QCOMPARE(isBar(image, x, 11), bars[i] == '1');
        for (int gap = 2; gap < 6 && x + gap < image.width(); ++gap)
            QVERIFY(isWhite(image, x + gap, 19));
    }
}

void TestLinearBarcodes::printedText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("cellStarts"); // left edge of each printed character's modules
    QTest::addColumn<int>("cellWidth");         // pixels
    QTest::addColumn<QString>("printed");       // one character per cell

    // Code 39: 16 modules per character with its gap; the start and stop *
    // are not printed.
    QTest::newRow("Code 39 data only") << 3 << QByteArray("A") << QList<int>{32} << 32 << "A";
    QTest::newRow("Code 39 in order") << 3 << QByteArray("AB1") << QList<int>{32, 64, 96} << 32 << "AB1";
    // EAN-13: the first digit in the light space before the guard, six digits
    // after the 3-module guard, six after the 5-module centre guard; the
    // check digit 1 is printed last.
    QTest::newRow("EAN-13 every digit")
        << 5 << QByteArray("400638133393")
        << QList<int>{0, 20, 34, 48, 62, 76, 90, 114, 128, 142, 156, 170, 184} << 14 << "4006381333931";
}

// The text band must be exactly the expected characters, each drawn
// centred in its cell as the drawer draws them, and nothing else: a wrong,
// missing, extra or shifted character changes pixels.
void TestLinearBarcodes::printedText()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, cellStarts);
    QFETCH(int, cellWidth);
    QFETCH(QString, printed);
    QCOMPARE(cellStarts.size(), printed.size());

    const QImage image = MakeBarcodeImage(QString::fromLatin1(text), kind, BAR_COLOUR);
    QVERIFY(!image.isNull());
    QImage expected(image.width(), BAR_IMAGE_HEIGHT, image.format());
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(BAR_LABEL_PIXEL_SIZE);
        painter.setFont(font);
        painter.setPen(BAR_COLOUR);
        for (int i = 0; i < printed.size(); ++i)
            painter.drawText(QRect(cellStarts.at(i), BAR_HEIGHT, cellWidth, BAR_IMAGE_HEIGHT - BAR_HEIGHT),
                             Qt::AlignCenter | Qt::TextDontClip, printed.mid(i, 1));
    }
    int inked = 0;
    for (int y = BAR_HEIGHT; y < BAR_IMAGE_HEIGHT; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("text band differs at %1, %2").arg(x).arg(y)));
            inked += isWhite(image, x, y) ? 0 : 1;
        }
    }
    QVERIFY(inked > 0); // the fonts drew something to compare
}

void TestLinearBarcodes::refusals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");

    for (int kind = 1; kind <= 10; ++kind)
        QTest::addRow("empty, kind %d", kind) << QString() << kind;
    QTest::newRow("MSI with a letter") << QStringLiteral("12a") << 8;
    QTest::newRow("MSI with a space") << QStringLiteral("12 3") << 8;
    QTest::newRow("Code 39 lower case only") << QStringLiteral("abc") << 3;
    QTest::newRow("Codabar letters only") << QStringLiteral("xyz") << 1;
    QTest::newRow("EAN-13 wrong check digit") << QStringLiteral("4006381333932") << 5;
    QTest::newRow("501 characters") << QString(501, QLatin1Char('1')) << 7;
    QTest::newRow("501 bytes of UTF-8") << QString(250, QChar(0x00e9)) + QStringLiteral("1") << 2;
}

void TestLinearBarcodes::refusals()
{
    QFETCH(QString, text);
    QFETCH(int, kind);

    QVERIFY(MakeBarcodeImage(text, kind, BAR_COLOUR).isNull());
}

void TestLinearBarcodes::longTextIsDrawnWhole()
{
    // 500 characters of Code 128 need 2 x (11 x 502 + 13) pixels, far more
    // than a 5000-pixel canvas: the image is as wide as the symbol.
    const QString text(500, QLatin1Char('x'));
    const QImage image = MakeBarcodeImage(text, BARCODE_CODE128, BAR_COLOUR);
    QCOMPARE(image.width(), 2 * (11 * 502 + 13) + 5);
    // The stop pattern 2331112 ends in a two-module bar just before the margin.
    const int end = image.width() - 5;
    QVERIFY(isBar(image, end - 1, 0) && isBar(image, end - 4, 0));
    QVERIFY(isWhite(image, end - 5, 0));
}

QTEST_MAIN(TestLinearBarcodes)
#include "test_linearbarcodes.moc"
