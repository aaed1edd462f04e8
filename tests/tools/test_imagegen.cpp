// sorvel-imagegen: every picture the program looks for is written, loads in
// its format and has its size; hovered buttons are lighter than plain ones;
// the title bars stay light under black text; the report emblems are all
// different; the celebrity cards show each person, coloured by Life Path, and
// a card without a person stays plain; and a folder that cannot be written or
// a broken celebrity file ends the run with an error.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestImageGen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureIsWritten_data();
    void everyPictureIsWritten();
    void hoveredButtonsAreLighter_data();
    void hoveredButtonsAreLighter();
    void titleBarsCarryBlackText();
    void reportPicturesAreDistinctOnWhite();
    void celebrityCardsShowThePerson();
    void brokenCelebrityFileFails();
    void unwritableOutputFails_data();
    void unwritableOutputFails();
    void missingFolderIsAUsageError();

private:
    struct Run
    {
        int exitCode = -1;
        QString errorText;
    };
    static Run runGenerator(const QStringList &args);
    QString writeFile(const QString &name, const QByteArray &content) const;
    QString picture(const QString &name) const { return m_dir.path() + "/images/" + name; }

    QTemporaryDir m_dir;
};

static QString generatorPath()
{
    return QCoreApplication::applicationDirPath() + "/sorvel-imagegen";
}

TestImageGen::Run TestImageGen::runGenerator(const QStringList &args)
{
    QProcess process;
    process.start(generatorPath(), args);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.errorText = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Mean brightness (channel average) of the opaque part of a picture.
static double meanBrightness(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    double sum = 0, weight = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            const double a = qAlpha(p) / 255.0;
            sum += a * (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
            weight += a;
        }
    return weight > 0 ? sum / weight : 0;
}

static QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
}

QString TestImageGen::writeFile(const QString &name, const QByteArray &content) const
{
    const QString path = m_dir.path() + "/" + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

// Celebrity entries as the build generates them: records under #601NN and
// #611NN (index 100 + NN), each followed by Life Path, birthday number,
// Expression, name, note and date; remark entries in between are skipped.
static const char CELEBRITY_ENTRIES[] = "#60100\n7\n5\n9\nAda Lovelace\nmathematician\n10.12.1815\n\n"
                                        "#60200\nA remark that is not a record.\n\n"
                                        "#60101\n7\n5\n1\nAlan Turing\nmathematician\n23.6.1912\n\n"
                                        "#60102\n3\n7\n4\nMarie Curie\nphysicist\n7.11.1867\n\n"
                                        "#61100\n11\n2\n6\nVincent van Gogh\npainter\n30.3.1853\n\n";

void TestImageGen::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFile::exists(generatorPath()), qPrintable(generatorPath()));
    const QString entries = writeFile("600-celebrities.txt", CELEBRITY_ENTRIES);
    QVERIFY(!entries.isEmpty());
    const Run run = runGenerator({m_dir.path() + "/images", "--celebrities", entries});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errorText));
}

void TestImageGen::everyPictureIsWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    auto add = [](const QString &name, int w, int h) { QTest::newRow(qPrintable(name)) << name << QSize(w, h); };
    for (const char *name : {"numer-but", "matr-but", "love-but", "cel-but", "pet-but", "chart-but", "an-but",
                             "fore-but", "guide-but"})
        add(QString(name) + ".png", 64, 60);
    for (const char *name : {"savebut", "printbut", "resbut", "menubut", "infobut"}) {
        add(QString(name) + ".png", 20, 20);
        add(QString(name) + "h.png", 20, 20);
    }
    for (const char *name : {"savebbut", "openbbut", "newbbut"}) {
        add(QString(name) + ".png", 24, 24);
        add(QString(name) + "h.png", 24, 24);
    }
    add("tbar.png", 200, 22);
    add("tbar2.png", 800, 22);
    add("todaywidg.png", 180, 100);
    add("logo.png", 300, 120);
    add("logoh.png", 420, 200);
    for (const char *name : {"input-top.png", "input-top-opt.png", "input2-top-opt.png"})
        add(name, 820, 30);
    add("input-field.png", 820, 4);
    add("input2-field.png", 820, 4);
    add("input-bot.png", 820, 12);
    add("input2-bot.png", 820, 12);
    add("hline.png", 170, 2);
    add("handle.png", 15, 98);
    add("matrix.png", 600, 291);
    add("arrow-down.png", 9, 6);
    add("arrow-left.png", 6, 9);
    add("arrow-right.png", 6, 9);
    for (int i = 1; i <= 39; ++i)
        add(QString("doc/res%1.jpg").arg(i, 2, 10, QChar('0')), 150, 150);
    for (int i = 0; i < 200; ++i)
        add(QString("doc2/%1.jpg").arg(i, 3, 10, QChar('0')), 100, 120);
    for (const char *name : {"bzoomn", "bzoomi", "bzoomo", "bprops", "bdelete", "bgrid", "bsnap", "bbound",
                             "bbringfront", "bbringback", "move-s", "rotate-s", "scale-s"})
        add(QString(name) + ".png", 20, 20);
    for (const char *name : {"datafield-i", "datafieldtitle-i", "thumb"})
        add(QString(name) + ".png", 16, 16);
    add("sorvel.png", 256, 256);
    for (const int size : {16, 32, 48, 64, 128, 256})
        add(QString("icons/hicolor/%1x%1/apps/org.sorvel_numerology.Sorvel.png").arg(size), size, size);
}

void TestImageGen::everyPictureIsWritten()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString path = picture(name);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    // The name's suffix and the file's content agree.
    QCOMPARE(reader.format(), QByteArray(name.endsWith(".jpg") ? "jpeg" : "png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    // Something was drawn: the picture is not one flat colour.
    const QRgb first = image.pixel(0, 0);
    bool varies = false;
    for (int y = 0; y < image.height() && !varies; ++y)
        for (int x = 0; x < image.width() && !varies; ++x)
            varies = image.pixel(x, y) != first;
    QVERIFY(varies);
}

void TestImageGen::hoveredButtonsAreLighter_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("hovered");
    for (const char *name : {"savebut", "printbut", "resbut", "menubut", "infobut", "savebbut", "openbbut", "newbbut"})
        QTest::newRow(name) << QString(name) + ".png" << QString(name) + "h.png";
}

void TestImageGen::hoveredButtonsAreLighter()
{
    QFETCH(QString, plain);
    QFETCH(QString, hovered);
    const QImage a(picture(plain)), b(picture(hovered));
    QVERIFY(!a.isNull() && !b.isNull());
    QVERIFY2(meanBrightness(b) > meanBrightness(a) + 8,
             qPrintable(QString("%1 vs %2").arg(meanBrightness(a)).arg(meanBrightness(b))));
}

void TestImageGen::titleBarsCarryBlackText()
{
    for (const char *name : {"tbar.png", "tbar2.png"}) {
        const QImage bar(picture(name));
        QVERIFY(!bar.isNull());
        // Light enough for a black title, closed by a darker lower edge.
        const QImage body = bar.copy(0, 2, bar.width(), bar.height() - 4);
        const QImage edge = bar.copy(0, bar.height() - 1, bar.width(), 1);
        QVERIFY2(meanBrightness(body) > 170, name);
        QVERIFY2(meanBrightness(edge) < meanBrightness(body) - 40, name);
    }
}

void TestImageGen::reportPicturesAreDistinctOnWhite()
{
    QSet<QByteArray> seen;
    for (int i = 1; i <= 39; ++i) {
        const QString name = QString("doc/res%1.jpg").arg(i, 2, 10, QChar('0'));
        const QImage image(picture(name));
        QVERIFY2(!image.isNull(), qPrintable(name));
        // The corners are the page's white (JPEG may shift a level or two).
        for (const QPoint &corner : {QPoint(1, 1), QPoint(148, 1), QPoint(1, 148), QPoint(148, 148)})
            QVERIFY2(qGray(image.pixel(corner)) > 245, qPrintable(name));
        seen.insert(fileHash(picture(name)));
    }
    QCOMPARE(seen.size(), 39);
}

static QString card(int index)
{
    return QString("doc2/%1.jpg").arg(index, 3, 10, QChar('0'));
}

void TestImageGen::celebrityCardsShowThePerson()
{
    // Cards 0, 1, 2 and 100 carry people; the rest of the 200 have none.
    const QByteArray plain = fileHash(picture(card(3)));
    QVERIFY(!plain.isEmpty());
    for (int i = 4; i < 200; ++i)
        if (i != 100)
            QVERIFY2(fileHash(picture(card(i))) == plain, qPrintable(card(i)));
    QSet<QByteArray> people;
    for (const int i : {0, 1, 2, 100})
        people.insert(fileHash(picture(card(i))));
    people.remove(plain);
    QCOMPARE(people.size(), 4);

    // The medallion's rim carries the Life Path's colour: Lovelace and Turing
    // (both 7) share it, Curie (3) and van Gogh (11) differ from them.
    const auto rimHue = [this](int index) {
        return QImage(picture(card(index))).pixelColor(50, 13).hsvHue();
    };
    QVERIFY(qAbs(rimHue(0) - rimHue(1)) <= 6);
    QVERIFY(qAbs(rimHue(0) - rimHue(2)) > 30);
    QVERIFY(QImage(picture(card(100))).pixelColor(50, 13) != QImage(picture(card(0))).pixelColor(50, 13));
}

void TestImageGen::brokenCelebrityFileFails()
{
    const QString broken = writeFile("broken.txt", "#60100\nseven\n5\n9\nAda Lovelace\nx\n10.12.1815\n");
    const Run missing =
        runGenerator({m_dir.path() + "/out-missing", "--celebrities", m_dir.path() + "/none.txt"});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.errorText.contains("none.txt"), qPrintable(missing.errorText));
    const Run run = runGenerator({m_dir.path() + "/out-broken", "--celebrities", broken});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errorText.contains("broken.txt:2:"), qPrintable(run.errorText));
}

void TestImageGen::unwritableOutputFails_data()
{
    QTest::addColumn<QString>("blocker");   // a path made into a plain file (or folder) first
    QTest::addColumn<bool>("blockerIsFolder");
    QTest::addColumn<QString>("output");    // the folder handed to the generator
    QTest::addColumn<QString>("message");   // part of the error expected on stderr

    QTest::newRow("output folder under a file") << "blocked" << false << "blocked/images" << "cannot create";
    QTest::newRow("subfolder taken by a file") << "out/doc" << false << "out" << "cannot create";
    QTest::newRow("picture name taken by a folder") << "out2/logo.png" << true << "out2" << "cannot write";
}

void TestImageGen::unwritableOutputFails()
{
    QFETCH(QString, blocker);
    QFETCH(bool, blockerIsFolder);
    QFETCH(QString, output);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString blockerPath = dir.path() + "/" + blocker;
    QVERIFY(QDir().mkpath(QFileInfo(blockerPath).absolutePath()));
    if (blockerIsFolder) {
        QVERIFY(QDir().mkpath(blockerPath));
    } else {
        QFile file(blockerPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    const Run run = runGenerator({dir.path() + "/" + output});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errorText.contains(message), qPrintable(run.errorText));
    QVERIFY2(run.errorText.contains(blocker.section('/', -1)), qPrintable(run.errorText));
}

void TestImageGen::missingFolderIsAUsageError()
{
    const Run run = runGenerator({});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errorText.contains("Usage"));
}

QTEST_GUILESS_MAIN(TestImageGen)
#include "test_imagegen.moc"
