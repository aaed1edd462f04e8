// Skins: the tint formula, style sheet mapping, style kinds, pictures and the
// base style sheets.

#include "app/cimagebutton.h"
#include "app/cskinmanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int BLUE = 1;

// Warnings Qt prints while a test runs (a sheet it cannot parse says so).
QStringList g_warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        g_warnings << message;
}

QImage solidImage(int w, int h, const QColor &colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestCSkinManager : public QObject
{
    Q_OBJECT

private slots:
    void skinsInMenuOrder();
    void tintFormula_data();
    void tintFormula();
    void percentageUsesHsvValue();
    void selectSkinClampsTheIndex_data();
    void selectSkinClampsTheIndex();
    void mapStyleSheet_data();
    void mapStyleSheet();
    void sheetForKind_data();
    void sheetForKind();
    void applyStyle();
    void styleSheetOutsideTheRangeIsEmpty();
    void baseSheetsUseOnlyThePalette();
    void sheetsParse_data();
    void sheetsParse();
    void nameButtonColourSurvivesTinting();
    void sheetPicturesComeFromTheImageFolderOrTheBuiltInCopy();
    void imageFolderWithHashIsNotTinted();
    void missingPicturesStayNull();
    void imageButtonFollowsSkinAndPointer();
    void picturesAreReadOnceAndTintedPerSkin();
    void tintImageKeepsAlpha();
    void matrixPictureFollowsTheSkin();
    void modulePictureIsFramed();
    void skinPictureCachesPerSkin();
};

void TestCSkinManager::skinsInMenuOrder()
{
    CSkinManager skins(QString{});
    QCOMPARE(skins.skinNames(),
             (QStringList{"Chocolate", "Blue", "Blue Sky", "Lavender", "Rose", "Moss", "Beige"}));
    QCOMPARE(skins.currentSkin(), 0);
    QVERIFY(skins.skin(0).plain);
    for (int i = 1; i < skins.skinCount(); ++i) {
        QVERIFY(!skins.skin(i).plain);
        QCOMPARE(skins.skin(i).percent, 0);
    }
    QCOMPARE(skins.skin(2).tint, QColor(99, 188, 249));
}

void TestCSkinManager::tintFormula_data()
{
    QTest::addColumn<int>("skin");
    QTest::addColumn<QColor>("source");
    QTest::addColumn<int>("lightness");
    // Lightness = channel average: (0x2c + 0x24 + 0x20) / 3 = 37,
    // (0xed + 0xdb + 0xb2) / 3 = 211, (0x9c + 0xb6 + 0x2d) / 3 = 127.
    QTest::newRow("Blue field background") << BLUE << QColor("#2c2420") << 37;
    QTest::newRow("Blue text") << BLUE << QColor("#eddbb2") << 211;
    QTest::newRow("Moss accent") << 5 << QColor("#9cb62d") << 127;
    QTest::newRow("Rose white") << 4 << QColor(255, 255, 255) << 255;
    QTest::newRow("Lavender black") << 3 << QColor(0, 0, 0) << 0;
}

void TestCSkinManager::tintFormula()
{
    QFETCH(int, skin);
    QFETCH(QColor, source);
    QFETCH(int, lightness);
    CSkinManager skins(QString{});
    skins.selectSkin(skin);
    const QColor tint = skins.skin(skin).tint;
    const QColor mapped = skins.mapColor(source);
    const QColor expected(QColor::fromHsl(tint.hslHue(), tint.hsvSaturation(), lightness).rgb());
    QCOMPARE(mapped, expected);
    QCOMPARE(mapped.alpha(), 255);
    QVERIFY2(qAbs(mapped.lightness() - lightness) <= 1, qPrintable(mapped.name()));
    if (lightness > 0 && lightness < 255)
        QVERIFY2(qAbs(mapped.hslHue() - tint.hslHue()) <= 2, qPrintable(mapped.name()));

    // The base skin leaves every colour exactly as written.
    skins.selectSkin(0);
    QCOMPARE(skins.mapColor(source), source);
}

void TestCSkinManager::percentageUsesHsvValue()
{
    const QColor tint(200, 220, 255);
    // Level 37 at 50 % gives HSV value 18; a percentage above 100 is held at 255.
    QCOMPARE(CSkinManager::tintColor(QColor("#2c2420"), tint, 50, false),
             QColor(QColor::fromHsv(tint.hslHue(), tint.hsvSaturation(), 18).rgb()));
    QCOMPARE(CSkinManager::tintColor(QColor(250, 250, 250), tint, 200, false).value(), 255);
    QCOMPARE(CSkinManager::tintColor(QColor("#2c2420"), tint, 50, true), QColor("#2c2420"));
}

void TestCSkinManager::selectSkinClampsTheIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("current");
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("last") << 6 << 6;
    QTest::newRow("stored index beyond the list") << 9 << 0;
    QTest::newRow("one past the end") << 7 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestCSkinManager::selectSkinClampsTheIndex()
{
    QFETCH(int, index);
    QFETCH(int, current);
    CSkinManager skins(QString{});
    skins.selectSkin(3);
    skins.selectSkin(index);
    QCOMPARE(skins.currentSkin(), current);
    QString expected = skins.skin(current).sheets.at(0);
    expected.replace(QStringLiteral("%IMAGES%/"), QStringLiteral(":/styles/"));
    QCOMPARE(skins.styleSheet(0), expected);
}

void TestCSkinManager::mapStyleSheet_data()
{
    QTest::addColumn<int>("skin");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    CSkinManager skins(QString{});
    skins.selectSkin(BLUE);
    const QString field = skins.mapColor("#2c2420").name();
    const QString black = skins.mapColor(QColor(0, 0, 0)).name();
    QVERIFY(field != QLatin1String("#2c2420"));

    QTest::newRow("plain skin unchanged") << 0 << "a { color: #2C2420; b: #zz; }"
                                          << "a { color: #2C2420; b: #zz; }";
    QTest::newRow("lower-case result") << BLUE << "QWidget { background: #2C2420; }"
                                       << "QWidget { background: " + field + "; }";
    QTest::newRow("rgb() untouched") << BLUE << "color: rgb(44, 36, 32); c: #2c2420"
                                     << "color: rgb(44, 36, 32); c: " + field;
    QTest::newRow("unreadable number counts as 0") << BLUE << "x: #2c24zz;"
                                                   << "x: " + black + ";";
    QTest::newRow("text ends early") << BLUE << "x: #2c2"
                                     << "x: " + black;
    QTest::newRow("two in a row") << BLUE << "#2c2420#2c2420" << field + field;
}

void TestCSkinManager::mapStyleSheet()
{
    QFETCH(int, skin);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    CSkinManager skins(QString{});
    skins.selectSkin(skin);
    QCOMPARE(skins.mapStyleSheet(text), expected);
}

void TestCSkinManager::sheetForKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sheet");
    QTest::newRow("window") << 0 << 1;
    QTest::newRow("check box") << 10 << 1;
    QTest::newRow("module buttons") << 2 << 8;
    QTest::newRow("keeps its sheet") << 3 << -1;
    QTest::newRow("name button") << 5 << 9;
    QTest::newRow("kind 6") << 6 << 10;
    QTest::newRow("overlay boxes") << 7 << 11;
    QTest::newRow("overlay inner area") << 8 << 12;
    QTest::newRow("Phonetic label") << 9 << 2;
    QTest::newRow("kind 12") << 12 << 13;
    QTest::newRow("kind 16") << 16 << 3;
    QTest::newRow("kind 25") << 25 << 6;
    QTest::newRow("buttons, kind 1") << 1 << 0;
    QTest::newRow("kind 14") << 14 << 0;
    QTest::newRow("negative kind") << -4 << 0;
    QTest::newRow("large kind") << 1000 << 0;
}

void TestCSkinManager::sheetForKind()
{
    QFETCH(int, kind);
    QFETCH(int, sheet);
    QCOMPARE(CSkinManager::sheetForKind(kind), sheet);
}

void TestCSkinManager::applyStyle()
{
    CSkinManager skins(QString{});
    skins.selectSkin(BLUE);
    QLineEdit edit;
    skins.applyStyle(&edit, 1);
    QCOMPARE(edit.styleSheet(), skins.styleSheet(0));
    QPushButton name;
    skins.applyStyle(&name, 5);
    QCOMPARE(name.styleSheet(), skins.styleSheet(9));

    QLabel kept;
    kept.setStyleSheet(QStringLiteral("QLabel { color: red; }"));
    skins.applyStyle(&kept, 3);
    QCOMPARE(kept.styleSheet(), QStringLiteral("QLabel { color: red; }"));
    skins.applyStyle(nullptr, 0); // no widget, nothing to do
}

void TestCSkinManager::styleSheetOutsideTheRangeIsEmpty()
{
    CSkinManager skins(QString{});
    QVERIFY(skins.styleSheet(-1).isEmpty());
    QVERIFY(skins.styleSheet(CSkinManager::SHEET_COUNT).isEmpty());
    QVERIFY(skins.baseStyleSheet(99).isEmpty());
    for (int i = 0; i < CSkinManager::SHEET_COUNT; ++i)
        QVERIFY2(!skins.styleSheet(i).isEmpty(), qPrintable(QString::number(i)));
}

void TestCSkinManager::baseSheetsUseOnlyThePalette()
{
    // Every colour of the base sheets is one of the base palette, written as
    // "#" and six hexadecimal digits - anything else after a "#" (an id
    // selector, a short colour) would be mangled by the tinting.
    const QStringList palette = {"#2c2420", "#1e1917", "#44372f", "#54443a", "#2d241f", "#5c524c",
                                 "#594f49", "#403935", "#3e3733", "#352821", "#eddbb2", "#9cb62d"};
    CSkinManager skins(QString{});
    for (int sheet = 0; sheet < CSkinManager::SHEET_COUNT; ++sheet) {
        const QString text = skins.baseStyleSheet(sheet);
        for (int i = text.indexOf(QLatin1Char('#')); i >= 0; i = text.indexOf(QLatin1Char('#'), i + 1))
            QVERIFY2(palette.contains(text.mid(i, 7)),
                     qPrintable(QStringLiteral("sheet %1: %2").arg(sheet).arg(text.mid(i, 12))));
    }
}

void TestCSkinManager::sheetsParse_data()
{
    QTest::addColumn<int>("skin");
    QTest::newRow("Chocolate") << 0;
    QTest::newRow("Blue") << BLUE;
}

void TestCSkinManager::sheetsParse()
{
    // Qt warns "Could not parse stylesheet" for a sheet it cannot read.
    QFETCH(int, skin);
    CSkinManager skins(QString{});
    skins.selectSkin(skin);
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    for (int sheet = 0; sheet < CSkinManager::SHEET_COUNT; ++sheet) {
        QMainWindow window;
        auto *edit = new QLineEdit(&window);
        auto *date = new QDateEdit(&window);
        date->setCalendarPopup(true);
        auto *check = new QCheckBox(&window);
        window.setStyleSheet(skins.styleSheet(sheet));
        edit->setStyleSheet(skins.styleSheet(sheet));
        window.ensurePolished();
        edit->ensurePolished();
        date->ensurePolished();
        check->ensurePolished();
    }
    qInstallMessageHandler(previous);
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
}

void TestCSkinManager::nameButtonColourSurvivesTinting()
{
    // The window brightens the name button by replacing the skin's colour
    // for "#44372f" in sheet 9; that colour must be there in every skin.
    CSkinManager skins(QString{});
    for (int i = 0; i < skins.skinCount(); ++i) {
        skins.selectSkin(i);
        QVERIFY2(skins.styleSheet(9).contains(skins.mapColor("#44372f").name()),
                 qPrintable(skins.skinNames().at(i)));
    }
}

void TestCSkinManager::sheetPicturesComeFromTheImageFolderOrTheBuiltInCopy()
{
    QVERIFY(!QImage(QStringLiteral(":/styles/arrow-down.png")).isNull());
    CSkinManager withoutFolder(QString{});
    QVERIFY(withoutFolder.styleSheet(0).contains(QStringLiteral("url(:/styles/arrow-down.png)")));
    QVERIFY(!withoutFolder.styleSheet(0).contains(QStringLiteral("%IMAGES%")));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(solidImage(9, 6, Qt::white).save(dir.filePath(QStringLiteral("arrow-down.png"))));
    CSkinManager skins(dir.path()); // no trailing "/": the manager adds it
    QVERIFY(skins.styleSheet(0).contains("url(" + dir.path() + "/arrow-down.png)"));
    QVERIFY(skins.styleSheet(0).contains(QStringLiteral("url(:/styles/arrow-left.png)")));
}

void TestCSkinManager::imageFolderWithHashIsNotTinted()
{
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    const QString folder = parent.path() + QStringLiteral("/x#2c2420/");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(solidImage(9, 6, Qt::white).save(folder + QStringLiteral("arrow-down.png")));
    CSkinManager skins(folder);
    skins.selectSkin(BLUE);
    QVERIFY(skins.styleSheet(0).contains("url(" + folder + "arrow-down.png)"));
}

void TestCSkinManager::missingPicturesStayNull()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    CSkinManager skins(empty.path() + QLatin1Char('/'));
    for (int i = 0; i < skins.skinCount(); ++i) {
        skins.selectSkin(i);
        QVERIFY(skins.matrixImage().isNull());
        QVERIFY(skins.handleImage().isNull());
    }
    QVERIFY(skins.baseMatrixImage().isNull());
    QVERIFY(skins.loadTinted(QStringLiteral("tbar.png")).isNull());
    QVERIFY(skins.modulePicture(QStringLiteral("numer-but.png")).isNull());
    QVERIFY(skins.editorImage(QStringLiteral("move-s.png")).isNull());
    QVERIFY(skins.tintImage(QImage()).isNull());
}

// The small picture buttons take the skin's tint, and their lit picture
// while the pointer is over them.
void TestCSkinManager::imageButtonFollowsSkinAndPointer()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(solidImage(20, 20, QColor("#44372f")).save(folder.filePath(QStringLiteral("savebut.png"))));
    QVERIFY(solidImage(20, 20, QColor("#9cb62d")).save(folder.filePath(QStringLiteral("savebuth.png"))));
    CSkinManager skins(folder.path() + QLatin1Char('/'));
    CImageButton button(QStringLiteral("savebut"), nullptr);
    button.resize(20, 20);
    const auto shown = [&button] { return button.icon().pixmap(20, 20).toImage().pixelColor(10, 10); };

    skins.selectSkin(0);
    button.applySkin(&skins);
    QCOMPARE(shown(), QColor("#44372f"));
    skins.selectSkin(BLUE);
    button.applySkin(&skins);
    const QColor blueNormal = shown();
    QVERIFY2(blueNormal != QColor("#44372f"), "the picture keeps the base colours in another skin");
    QCOMPARE(blueNormal, skins.mapColor(QColor("#44372f")));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&button, &enter);
    QCOMPARE(shown(), skins.mapColor(QColor("#9cb62d")));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    QCOMPARE(shown(), blueNormal);
}

// A picture is read from disk once; its tint follows the skin in force.
void TestCSkinManager::picturesAreReadOnceAndTintedPerSkin()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("tbar.png"));
    QVERIFY(solidImage(4, 4, QColor("#44372f")).save(path));
    CSkinManager skins(folder.path() + QLatin1Char('/'));
    skins.selectSkin(0);
    QCOMPARE(skins.loadTinted(QStringLiteral("tbar.png")).pixelColor(1, 1), QColor("#44372f"));
    QVERIFY(QFile::remove(path)); // from now on only the copy in memory exists
    skins.selectSkin(BLUE);
    QCOMPARE(skins.loadTinted(QStringLiteral("tbar.png")).pixelColor(1, 1), skins.mapColor(QColor("#44372f")));
    skins.selectSkin(0);
    QCOMPARE(skins.loadTinted(QStringLiteral("tbar.png")).pixelColor(1, 1), QColor("#44372f"));
}

void TestCSkinManager::tintImageKeepsAlpha()
{
    CSkinManager skins(QString{});
    skins.selectSkin(BLUE);
    QImage source(3, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(0x2c, 0x24, 0x20, 255));
    source.setPixel(1, 0, qRgba(0x9c, 0xb6, 0x2d, 128));
    source.setPixel(2, 0, qRgba(0x2c, 0x24, 0x20, 0));
    const QImage tinted = skins.tintImage(source);
    QCOMPARE(tinted.size(), source.size());
    QCOMPARE(QColor(tinted.pixel(0, 0)), skins.mapColor("#2c2420"));
    QCOMPARE(qAlpha(tinted.pixel(1, 0)), 128);
    QCOMPARE(tinted.pixel(1, 0) & 0xffffff, skins.mapColor("#9cb62d").rgb() & 0xffffff);
    QCOMPARE(qAlpha(tinted.pixel(2, 0)), 0);

    skins.selectSkin(0);
    QCOMPARE(skins.tintImage(source), source);
}

void TestCSkinManager::matrixPictureFollowsTheSkin()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(solidImage(600, 291, QColor("#2c2420"))
                .save(dir.filePath(QLatin1String(CSkinManager::MATRIX_PICTURE))));
    CSkinManager skins(dir.path() + QLatin1Char('/'));
    QCOMPARE(skins.matrixImage().size(), QSize(600, 291));
    QCOMPARE(QColor(skins.matrixImage().pixel(300, 150)), QColor("#2c2420"));
    skins.selectSkin(BLUE);
    QCOMPARE(QColor(skins.matrixImage().pixel(300, 150)), skins.mapColor("#2c2420"));
    QCOMPARE(QColor(skins.baseMatrixImage().pixel(300, 150)), QColor("#2c2420"));
    skins.selectSkin(42);
    QCOMPARE(QColor(skins.matrixImage().pixel(300, 150)), QColor("#2c2420"));
}

void TestCSkinManager::modulePictureIsFramed()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(solidImage(64, 60, QColor("#eddbb2")).save(dir.filePath(QStringLiteral("numer-but.png"))));
    CSkinManager skins(dir.path());
    skins.selectSkin(BLUE);
    const QImage icon = skins.modulePicture(QStringLiteral("numer-but.png")).toImage();
    QCOMPARE(icon.size(), QSize(64, 60));
    const QColor frame = skins.mapColor("#5c524c");
    // The frame runs around (0, 0, 59, 59): its last row is 59, which the
    // 60-pixel-high icon still holds; column 60 onwards keeps the picture.
    QCOMPARE(QColor(icon.pixel(0, 0)), frame);
    QCOMPARE(QColor(icon.pixel(59, 30)), frame);
    QCOMPARE(QColor(icon.pixel(30, 59)), frame);
    QCOMPARE(QColor(icon.pixel(30, 30)), skins.mapColor("#eddbb2"));
    QCOMPARE(QColor(icon.pixel(62, 30)), skins.mapColor("#eddbb2"));
}

void TestCSkinManager::skinPictureCachesPerSkin()
{
    CSkinManager skins(QString{});
    CSkinPicture picture(solidImage(4, 4, QColor("#9cb62d")));
    QCOMPARE(QColor(picture.image(&skins).pixel(1, 1)), QColor("#9cb62d"));
    skins.selectSkin(BLUE);
    QCOMPARE(QColor(picture.image(&skins).pixel(1, 1)), skins.mapColor("#9cb62d"));
    skins.selectSkin(0);
    QCOMPARE(QColor(picture.image(&skins).pixel(1, 1)), QColor("#9cb62d"));
    QCOMPARE(QColor(picture.image(nullptr).pixel(1, 1)), QColor("#9cb62d"));
}

QTEST_MAIN(TestCSkinManager)
#include "test_cskinmanager.moc"
