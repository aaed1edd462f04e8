// sorvel-cli barcode: the PNG it writes reads back with zbarimg; exit status
// 1 when a text cannot be encoded, 2 for bad usage.

#include "../barcodes/zbardecoder.h"
#include "clirunner.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Runs sorvel-cli with the locale variables set to locale.
CliRun runCliInLocale(const QStringList &args, const QString &locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_CTYPE", "LANG"})
        environment.insert(QLatin1String(name), locale);
    return runCli(args, environment);
}

} // namespace

class TestCliBarcode : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesReadablePng_data();
    void writesReadablePng();
    void localeKeepsCharacters_data();
    void localeKeepsCharacters();
    void cannotEncode_data();
    void cannotEncode();
    void quietZone_data();
    void quietZone();
    void badUsage_data();
    void badUsage();
    void unwritableOutput();
    void qrCodeNeedsNoDisplay_data();
    void qrCodeNeedsNoDisplay();
    void help();

private:
    QTemporaryDir m_dir;
};

void TestCliBarcode::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!zbarPath().isEmpty(), "zbarimg not found: install zbar-tools (scripts/setup-debian.sh)");
}

void TestCliBarcode::writesReadablePng_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("setting"); // the zbar symbology to enable
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("colour"); // of the first pixel

    QTest::newRow("QR HELLO WORLD") << QStringList{"--kind", "0", "--text", "HELLO WORLD"} << "qrcode.enable"
                                    << QByteArray("HELLO WORLD") << QSize(290, 290) << "#ffffff";
    QTest::newRow("QR colour, no margin")
        << QStringList{"--kind", "0", "--text", "HELLO WORLD", "--color", "#8B1A4C", "--margin", "0"}
        << "qrcode.enable" << QByteArray("HELLO WORLD") << QSize(210, 210) << "#8b1a4c";
    const QString accents = QString::fromUtf8("Zo\u00eb M\u00fcller \u6570\u79d8");
    QTest::newRow("QR accents and CJK") << QStringList{"--kind", "0", "--text", accents} << "qrcode.enable"
                                        << accents.toUtf8() << QSize() << "#ffffff";
    QTest::newRow("Code 128") << QStringList{"--kind", "2", "--text", "Client 104729"} << "code128.enable"
                              << QByteArray("Client 104729") << QSize() << "#000000";
    QTest::newRow("EAN-13") << QStringList{"--kind", "5", "--text", "400638133393", "--color", "#003366"}
                            << "ean13.enable" << QByteArray("4006381333931") << QSize(209, 150) << "#ffffff";
    QTest::newRow("Codabar") << QStringList{"--kind", "1", "--text", "12-34"} << "codabar.enable"
                             << QByteArray("A12-34B") << QSize() << "#000000";
}

void TestCliBarcode::writesReadablePng()
{
    QFETCH(QStringList, options);
    QFETCH(QString, setting);
    QFETCH(QByteArray, expected);
    QFETCH(QSize, size);
    QFETCH(QString, colour);

    const QString path =
        m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".png");
    const CliRun run = runCli(QStringList{"barcode"} + options + QStringList{"--out", path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());

    const QImage image(path, "PNG");
    QVERIFY(!image.isNull());
    if (size.isValid())
        QCOMPARE(image.size(), size);
    QCOMPARE(QColor(image.pixel(0, 0)).name(), colour);

    QString error;
    const QByteArrayList texts = zbarDecode(image, 40, {setting}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(texts, QByteArrayList{expected});
}

void TestCliBarcode::qrCodeNeedsNoDisplay_data()
{
    QTest::addColumn<QStringList>("kind");
    QTest::addColumn<bool>("drawsText");
    QTest::newRow("QR Code") << QStringList{"--kind", "0"} << false;
    QTest::newRow("QR Code, joined option") << QStringList{"--kind=0"} << false;
    QTest::newRow("Code 128 draws its text") << QStringList{"--kind", "2"} << true;
}

// A QR Code is drawn without fonts, so it starts no display platform: with a
// platform that does not exist it still succeeds, where a linear symbol, whose
// text needs one, fails.
void TestCliBarcode::qrCodeNeedsNoDisplay()
{
    QFETCH(QStringList, kind);
    QFETCH(bool, drawsText);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    const QString path = m_dir.filePath(QStringLiteral("noplatform.png"));
    QFile::remove(path);
    const CliRun run = runCli(QStringList{"barcode"} + kind + QStringList{"--text", "SORVEL", "--out", path},
                              environment);
    QCOMPARE(run.exitCode == 0, !drawsText);
    QCOMPARE(QFile::exists(path), !drawsText);
}

void TestCliBarcode::localeKeepsCharacters_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("POSIX") << "POSIX";
    QTest::newRow("C.UTF-8") << "C.UTF-8";
}

// Whatever the locale variables say, the text reaches the symbol as UTF-8.
void TestCliBarcode::localeKeepsCharacters()
{
    QFETCH(QString, locale);

    const QString text = QString::fromUtf8("Fran\u00e7oise \u65e5\u672c \u20ac");
    const QString path = m_dir.filePath("locale-" + locale + ".png");
    const CliRun run = runCliInLocale({"barcode", "--kind", "0", "--text", text, "--out", path}, locale);
    QCOMPARE(run.exitCode, 0);
    const QImage image(path, "PNG");
    QVERIFY(!image.isNull());
    QString error;
    const QByteArrayList texts = zbarDecode(image, 40, {QStringLiteral("qrcode.enable")}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(texts, QByteArrayList{text.toUtf8()});
}

void TestCliBarcode::cannotEncode_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty text") << "3"
                                << "";
    QTest::newRow("MSI with a letter") << "8"
                                       << "12a";
    QTest::newRow("Code 39 without its characters") << "3"
                                                    << "abc";
    QTest::newRow("EAN-13 wrong check digit") << "5"
                                              << "4006381333932";
    QTest::newRow("QR beyond version 40") << "0" << QString(3000, QLatin1Char('x'));
    QTest::newRow("linear text over 500") << "2" << QString(501, QLatin1Char('x'));
    // The symbology would print another number than the one asked for.
    QTest::newRow("EAN-13 of letters would be zeros") << "5"
                                                      << "hello";
    QTest::newRow("EAN-13 of 11 digits would be zeros") << "5"
                                                        << "12345678901";
    QTest::newRow("EAN-8 of 2 digits would be 0005000") << "6"
                                                        << "12";
    QTest::newRow("EAN-8 of 9 digits would lose two") << "6"
                                                      << "123456789";
    QTest::newRow("EAN-8 with a wrong check digit") << "6"
                                                    << "55123458";
    QTest::newRow("UPC-A of 5 digits would be zeros") << "10"
                                                      << "12345";
    QTest::newRow("Code 39 would drop the lower case") << "3"
                                                       << "Hello";
    QTest::newRow("Codabar would drop the letters") << "1"
                                                    << "12ab34";
    QTest::newRow("Postnet would drop the dash") << "9"
                                                 << "12345-6789";
    QTest::newRow("ITF would drop the blank") << "7"
                                              << "12 34";
    QTest::newRow("Code 128 would drop the accent") << "2" << QString::fromUtf8("Zo\u00eb");
}

void TestCliBarcode::cannotEncode()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);

    const QString path = m_dir.filePath(QStringLiteral("refused.png"));
    QFile::remove(path);
    const CliRun run = runCli({"barcode", "--kind", kind, "--text", text, "--out", path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains("cannot be encoded"));
    QVERIFY(!QFile::exists(path));
}

void TestCliBarcode::quietZone_data()
{
    QTest::addColumn<QStringList>("margin");
    QTest::addColumn<int>("modules");
    QTest::newRow("default") << QStringList() << 4;
    QTest::newRow("--margin 2") << QStringList{"--margin", "2"} << 2;
    QTest::newRow("--margin=10") << QStringList{"--margin=10"} << 10;
    QTest::newRow("--margin 0") << QStringList{"--margin", "0"} << 0;
}

// The QR Code's PNG has its light frame of whole modules on every side, so
// a scanner reads the file itself, as written, without padding. Both the
// launcher's own writer (ASCII text) and the Qt program (other text) frame it.
void TestCliBarcode::quietZone()
{
    QFETCH(QStringList, margin);
    QFETCH(int, modules);
    const int module = 10;
    for (const QString &text : {QStringLiteral("HELLO WORLD"), QString::fromUtf8("Zo\u00eb")}) {
        const QString path = m_dir.filePath(QStringLiteral("quiet.png"));
        QFile::remove(path);
        const CliRun run = runCli(QStringList{"barcode", "--kind", "0", "--text", text, "--out", path} + margin);
        QCOMPARE(run.exitCode, 0);
        const QImage image(path, "PNG");
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(21 + 2 * modules, 21 + 2 * modules) * module); // version 1
        const int zone = modules * module;
        // Nothing dark in the frame; the finder pattern starts right inside it.
        for (int i = 0; i < image.width(); ++i) {
            for (const QPoint &p : {QPoint(i, 0), QPoint(i, zone - 1), QPoint(0, i), QPoint(zone - 1, i),
                                    QPoint(i, image.height() - zone), QPoint(image.width() - zone, i)}) {
                if (zone > 0)
                    QVERIFY2(QColor(image.pixel(p)) == Qt::white, qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
            }
        }
        QCOMPARE(QColor(image.pixel(zone, zone)), QColor(Qt::black));
        if (modules < 4)
            continue; // scanners may want more than that
        QString error;
        const QByteArrayList texts = zbarDecodeFile(path, {QStringLiteral("qrcode.enable")}, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(texts, QByteArrayList{text.toUtf8()});
    }
}

void TestCliBarcode::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("message");

    const QString out = QStringLiteral("x.png");
    QTest::newRow("no options") << QStringList{"barcode"} << QByteArray("missing --kind");
    QTest::newRow("missing text") << QStringList{"barcode", "--kind", "0", "--out", out}
                                  << QByteArray("missing --text");
    QTest::newRow("missing out") << QStringList{"barcode", "--kind", "0", "--text", "A"}
                                 << QByteArray("missing --out");
    QTest::newRow("kind 11") << QStringList{"barcode", "--kind", "11", "--text", "A", "--out", out}
                             << QByteArray("--kind");
    QTest::newRow("kind -1") << QStringList{"barcode", "--kind", "-1", "--text", "A", "--out", out}
                             << QByteArray("--kind");
    QTest::newRow("kind word") << QStringList{"barcode", "--kind", "qr", "--text", "A", "--out", out}
                               << QByteArray("--kind");
    QTest::newRow("colour name") << QStringList{"barcode", "--kind", "0",     "--text", "A",
                                                "--color", "red",    "--out", out}
                                 << QByteArray("--color");
    QTest::newRow("colour too short")
        << QStringList{"barcode", "--kind", "0", "--text", "A", "--color", "#12345", "--out", out}
        << QByteArray("--color");
    QTest::newRow("unknown option") << QStringList{"barcode", "--kind", "0",      "--text", "A",
                                                   "--out",   out,      "--size", "3"}
                                    << QByteArray("size");
    QTest::newRow("margin on a linear symbol")
        << QStringList{"barcode", "--kind", "2", "--text", "A", "--margin", "4", "--out", out}
        << QByteArray("--margin");
    QTest::newRow("margin too wide")
        << QStringList{"barcode", "--kind", "0", "--text", "A", "--margin", "101", "--out", out}
        << QByteArray("--margin");
    QTest::newRow("margin not a number")
        << QStringList{"barcode", "--kind", "0", "--text", "A", "--margin", "-1", "--out", out}
        << QByteArray("--margin");
    QTest::newRow("positional argument")
        << QStringList{"barcode", "--kind", "0", "--text", "A", "--out", out, "extra"} << QByteArray("extra");
}

void TestCliBarcode::badUsage()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, message);

    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), run.err.constData());
    QVERIFY(!QFile::exists(QStringLiteral("x.png")));
}

void TestCliBarcode::unwritableOutput()
{
    const QString path = m_dir.filePath(QStringLiteral("no/such/folder/x.png"));
    const CliRun run = runCli({"barcode", "--kind", "0", "--text", "HELLO", "--out", path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains("cannot write"));
}

void TestCliBarcode::help()
{
    const CliRun run = runCli({"barcode", "--help"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("barcode --kind N --text TEXT"));
    QVERIFY(run.out.contains("10  UPC-A"));
    QVERIFY(runCli({"--help"}).out.contains("barcode --kind N"));
}

QTEST_GUILESS_MAIN(TestCliBarcode)
#include "test_cli_barcode.moc"
