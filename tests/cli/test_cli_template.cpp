// sorvel-cli template copy, template dump and chart-image, run on the
// templates the build ships (images/templates beside the program).

#include "../charts/templatefixture.h"
#include "clirunner.h"

#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QString shippedTemplate(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/templates/") + name +
           QStringLiteral(".snc");
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList sortedKeys(const QJsonObject &object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

QStringList sorted(QStringList keys)
{
    keys.sort();
    return keys;
}

const QStringList DOCUMENT_KEYS = sorted({"version", "title", "showGrid", "snapToGrid", "showBoundaries",
                                          "gridStepX", "gridStepY", "blocks", "pageLists"});
const QStringList PAGE_KEYS = sorted({"width", "height", "name", "count", "secondInteger", "backgroundColour",
                                      "backgroundMode", "hasBackgroundImage", "items"});
const QStringList ITEM_KEYS = sorted(
    {"type",        "fieldFlag",  "freeTextFlag", "label",          "code",        "transform",   "rotation",
     "size",        "secondSize", "colour",       "hasImage",       "flagA",       "flagB",       "text",
     "font",        "alignment",  "penStyle",     "penWidth",       "penColour",   "imageNumber", "frame",
     "frameColour", "fit",        "order",        "imageSetNumber", "barcodeKind", "background",  "content"});
const QStringList FONT_KEYS = sorted({"family", "pointSize", "pixelSize", "weight", "italic"});

// Checks an item's keys, colours and transform, and its content's.
void checkItem(const QJsonObject &item)
{
    QCOMPARE(sortedKeys(item), ITEM_KEYS);
    QCOMPARE(sortedKeys(item.value("font").toObject()), FONT_KEYS);
    static const QRegularExpression argb(QStringLiteral("^#[0-9A-F]{8}$"));
    for (const char *colour : {"colour", "penColour", "frameColour", "background"})
        QVERIFY2(argb.match(item.value(QLatin1String(colour)).toString()).hasMatch(), colour);
    QCOMPARE(item.value("transform").toArray().size(), 9);
    QCOMPARE(item.value("size").toArray().size(), 2);
    const QJsonValue content = item.value("content");
    QVERIFY(content.isNull() || content.isObject());
    if (content.isObject())
        checkItem(content.toObject());
}

} // namespace

class TestCliTemplate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void copyKeepsEveryByte_data();
    void copyKeepsEveryByte();
    void refused_data();
    void refused();
    void dumpShippedTemplate();
    void dumpOldVersion();
    void chartImageSize_data();
    void chartImageSize();
    void fifoTemplateIsRefused_data();
    void fifoTemplateIsRefused();
    void chartImageRefused_data();
    void chartImageRefused();

private:
    QTemporaryDir m_dir;
};

void TestCliTemplate::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QStringList shipped =
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/images/templates"))
            .entryList({"*.snc"});
    QCOMPARE(shipped, (QStringList{"Compact Card.snc", "Forecast Sheet.snc", "Numerology Chart.snc",
                                   "Psychomatrix Sheet.snc"}));
}

void TestCliTemplate::copyKeepsEveryByte_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Numerology Chart", "Compact Card", "Forecast Sheet", "Psychomatrix Sheet"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Our templates are written in the current version, so a copy is the same
// file byte for byte.
void TestCliTemplate::copyKeepsEveryByte()
{
    QFETCH(QString, name);
    const QString copy = m_dir.filePath(name + QStringLiteral(".copy.snc"));
    const CliRun run = runCli({"template", "copy", shippedTemplate(name), copy});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(contents(copy), contents(shippedTemplate(name)));
}

void TestCliTemplate::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("reason"); // part of the message
    QTest::addColumn<int>("exitCode");   // 1 a file that cannot be used, 2 bad usage
    const QString text = m_dir.filePath(QStringLiteral("notes.txt"));
    write(text, "not a template");
    const QString cut = m_dir.filePath(QStringLiteral("cut.snc"));
    write(cut, contents(shippedTemplate(QStringLiteral("Compact Card"))).left(5000));
    const QString good = shippedTemplate(QStringLiteral("Compact Card"));
    QTest::newRow("not a template") << QStringList{"template", "copy", text, m_dir.filePath("a.snc")}
                                    << "not a chart template" << 1;
    QTest::newRow("truncated") << QStringList{"template", "dump", cut} << "damaged" << 1;
    QTest::newRow("missing file") << QStringList{"template", "copy", m_dir.filePath("missing.snc"),
                                                 m_dir.filePath("b.snc")}
                                  << "cannot read" << 1;
    QTest::newRow("unwritable output")
        << QStringList{"template", "copy", good, m_dir.filePath("no/such/c.snc")} << "cannot write" << 1;
    QTest::newRow("no action") << QStringList{"template"} << "expected" << 2;
    QTest::newRow("copy without OUT") << QStringList{"template", "copy", good} << "expected" << 2;
    QTest::newRow("unknown action") << QStringList{"template", "print", good} << "expected" << 2;
    QTest::newRow("an option") << QStringList{"template", "dump", "--json", good} << "unknown option" << 2;
}

void TestCliTemplate::refused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, reason);
    QFETCH(int, exitCode);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(reason.toUtf8()), run.err.constData());
    QVERIFY(run.out.isEmpty());
}

// One JSON object with exactly the documented keys on every level.
void TestCliTemplate::dumpShippedTemplate()
{
    const CliRun run = runCli({"template", "dump", shippedTemplate(QStringLiteral("Numerology Chart"))});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject document = run.json();
    QCOMPARE(sortedKeys(document), DOCUMENT_KEYS);
    QCOMPARE(document.value("version").toInt(), 263);
    QCOMPARE(document.value("title").toString(), QStringLiteral("Numerology Chart"));
    const QJsonArray lists = document.value("pageLists").toArray();
    QCOMPARE(lists.size(), 1);
    const QJsonObject page = lists.at(0).toArray().at(0).toObject();
    QCOMPARE(sortedKeys(page), PAGE_KEYS);
    QCOMPARE(page.value("width").toDouble(), 840.0);
    QCOMPARE(page.value("height").toDouble(), 1188.0);
    QCOMPARE(page.value("backgroundColour").toString(), QStringLiteral("#FFFCFAF5"));
    const QJsonArray items = page.value("items").toArray();
    QVERIFY(items.size() > 20);
    QStringList codes;
    for (const QJsonValue &item : items) {
        checkItem(item.toObject());
        QCOMPARE(item.toObject().value("type").toInt(), 1);
        codes << item.toObject().value("content").toObject().value("code").toString();
    }
    for (const char *code :
         {"#full_name", "#birthdate", "#numerologist", "Name", "Psychomatrix", "Planes of Expression",
          "Personal numbers calendar", "Main Features", "Additional Features", "Life Cycles", "Bridges"})
        QVERIFY2(codes.contains(QLatin1String(code)), code);
}

// The version as read, and a version 256 page named "Pages".
void TestCliTemplate::dumpOldVersion()
{
    ChartDocument source;
    source.title = QStringLiteral("Old");
    const QString path = m_dir.filePath(QStringLiteral("old.snc"));
    write(path, templateBytes(256, source));
    const CliRun run = runCli({"template", "dump", path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.json().value("version").toInt(), 256);
    QCOMPARE(run.json().value("blocks").toArray().size(), 0);
    const QJsonObject page = run.json().value("pageLists").toArray().at(0).toArray().at(0).toObject();
    QCOMPARE(page.value("name").toString(), QStringLiteral("Pages"));
    QCOMPARE(page.value("backgroundMode").toInt(), -1);
}

void TestCliTemplate::chartImageSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("size");
    QTest::addColumn<QSize>("expected");
    // Units / 1.334 cut to whole pixels, times 4: A4 is 629 x 890 pixels.
    QTest::newRow("A4 export") << "Numerology Chart" << QStringList{} << QSize(2516, 3560);
    QTest::newRow("A4 landscape export") << "Forecast Sheet" << QStringList{} << QSize(3560, 2516);
    QTest::newRow("card export") << "Compact Card" << QStringList{} << QSize(1076, 644);
    QTest::newRow("A4 fitted") << "Psychomatrix Sheet" << QStringList{"--width", "600", "--height", "600"}
                               << QSize(424, 600);
}

void TestCliTemplate::chartImageSize()
{
    QFETCH(QString, name);
    QFETCH(QStringList, size);
    QFETCH(QSize, expected);
    const QString out = m_dir.filePath(name + QStringLiteral(".png"));
    const CliRun run =
        runCli(QStringList{"chart-image", "--template", shippedTemplate(name), "--full", "John Adam Smith",
                           "--birth", "1990-05-17", "--partner-full", "Maria Elena Rossi", "--partner-birth",
                           "1988-11-02", "--numerologist", "Anna Weber", "--out", out} +
               size);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const QImage picture(out);
    QCOMPARE(picture.size(), expected);
}

// A template that is a FIFO without a writer is refused at once (exit 1)
// instead of blocking the command for ever; runCli gives up after a minute,
// so a hang fails the test instead of stopping the suite.
void TestCliTemplate::fifoTemplateIsRefused_data()
{
    QTest::addColumn<QStringList>("args");
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.snc"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QTest::newRow("template dump") << QStringList{"template", "dump", fifo};
    QTest::newRow("template copy") << QStringList{"template", "copy", fifo, m_dir.filePath("fifo-copy.snc")};
    QTest::newRow("chart-image --template")
        << QStringList{"chart-image", "--template", fifo,         "--full", "John Adam Smith",
                       "--birth",     "1990-05-17", "--out", m_dir.filePath("fifo.png")};
}

void TestCliTemplate::fifoTemplateIsRefused()
{
    QFETCH(QStringList, args);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("fifo.snc: cannot read: not a regular file"), run.err.constData());
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath("fifo-copy.snc")));
    QVERIFY(!QFile::exists(m_dir.filePath("fifo.png")));
}

void TestCliTemplate::chartImageRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("exitCode"); // 1 a template that cannot be used, 2 bad usage
    const QString cut = m_dir.filePath(QStringLiteral("cut-chart.snc"));
    write(cut, contents(shippedTemplate(QStringLiteral("Compact Card"))).left(9000));
    const QString good = shippedTemplate(QStringLiteral("Compact Card"));
    const QStringList person{"--full",     "John Adam Smith", "--birth",
                             "1990-05-17", "--out",           m_dir.filePath("refused.png")};
    QTest::newRow("damaged template") << QStringList{"chart-image", "--template", cut} + person << "damaged"
                                      << 1;
    QTest::newRow("missing template file")
        << QStringList{"chart-image", "--template", m_dir.filePath("none.snc")} + person << "cannot read" << 1;
    QTest::newRow("no template") << QStringList{"chart-image"} + person << "missing --template" << 2;
    QTest::newRow("width alone") << QStringList{"chart-image", "--template", good, "--width", "300"} + person
                                 << "go together" << 2;
    QTest::newRow("partner without a birth date")
        << QStringList{"chart-image", "--template", good, "--partner-full", "Maria Rossi"} + person
        << "--partner-birth" << 2;
}

void TestCliTemplate::chartImageRefused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, reason);
    QFETCH(int, exitCode);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(reason.toUtf8()), run.err.constData());
    QVERIFY(!QFile::exists(m_dir.filePath("refused.png")));
}

QTEST_MAIN(TestCliTemplate)
#include "test_cli_template.moc"
