// File pictures of a report inlined as data: the walk of a saved report
// (writeHtmlWithImages, with its historical quirks), the padded pictures of
// the PDF (embedImages) and the saved file's bytes (savedReportHtml).

#include "document/presentation.h"
#include "export/htmlpictures.h"
#include "export/pdfpictures.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextStream>
#include <QtTest>

namespace {

const QString TAIL = QStringLiteral("\" style=\"margin-left: 15px;\" align=\"right\" />");

// A picture as CReportTools::setImageFile links it.
QString fileImage(const QString &path)
{
    return QLatin1String("<img src=\"file:///") + path + TAIL;
}

QString written(const QString &html)
{
    QString out;
    QTextStream stream(&out);
    writeHtmlWithImages(html, stream);
    stream.flush();
    return out;
}

// The picture behind the first "data:<mime>;base64," of a document.
QImage firstInlinePicture(const QString &html, const QString &mime)
{
    const QString prefix = QStringLiteral("data:") + mime + QStringLiteral(";base64,");
    if (!html.contains(prefix))
        return QImage();
    const int start = html.indexOf(prefix) + prefix.size();
    const int end = html.indexOf(QLatin1Char('"'), start);
    return QImage::fromData(QByteArray::fromBase64(html.mid(start, end - start).toLatin1()));
}

} // namespace

class TestHtmlPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writeHtmlWithImages_data();
    void writeHtmlWithImages();
    void embedImagesPadsPictures_data();
    void embedImagesPadsPictures();
    void embedImagesWalk_data();
    void embedImagesWalk();
    void savedReportAddsLineHeight();
    void savedReportIsUtf8WhateverTheLocale();

private:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QString base64Of(const char *name) const;

    QTemporaryDir m_dir;
    QImage m_picture; // 3 x 2, a different colour in every pixel
};

void TestHtmlPictures::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_picture = QImage(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            m_picture.setPixel(x, y, qRgb(200 - 40 * x, 30 + 60 * y, 90));
    QVERIFY(m_picture.save(path("pic.png"), "PNG"));
    QVERIFY(m_picture.save(path("shot.PNG"), "PNG"));
    QVERIFY(m_picture.save(path("photo.jpg"), "JPG"));
    QFile gif(path("anim.gif"));
    QVERIFY(gif.open(QIODevice::WriteOnly));
    gif.write("GIF89a-not-really-a-picture");
}

QString TestHtmlPictures::base64Of(const char *name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll().toBase64());
}

void TestHtmlPictures::writeHtmlWithImages_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    const QString png = QStringLiteral("<img src=\"data:image/png;base64,");
    const QString jpg = QStringLiteral("<img src=\"data:image/jpg;base64,");

    QTest::newRow("no picture") << "<p>Life Path 5</p>"
                                << "<p>Life Path 5</p>";
    QTest::newRow("png") << "<h2>" + fileImage(path("pic.png")) + "Life</h2>"
                         << "<h2>" + png + base64Of("pic.png") + TAIL + "Life</h2>";
    QTest::newRow("PNG in capitals is a png")
        << fileImage(path("shot.PNG")) << png + base64Of("shot.PNG") + TAIL;
    QTest::newRow("jpg") << fileImage(path("photo.jpg")) << jpg + base64Of("photo.jpg") + TAIL;
    QTest::newRow("scheme in any letter case")
        << "<img src=\"FILE:///" + path("pic.png") + TAIL << png + base64Of("pic.png") + TAIL;
    // Neither png nor jpg: no "<img src=" and no data prefix, the Base64 is
    // left bare in the text and the picture is lost.
    QTest::newRow("gif loses its prefix") << "a" + fileImage(path("anim.gif")) + "b"
                                          << "a" + base64Of("anim.gif") + TAIL + "b";
    QTest::newRow("piece without a quote dropped") << "before<img src=\"no closing quote here"
                                                   << "before";
    QTest::newRow("unreadable picture gives empty data")
        << fileImage(path("missing.png")) + "<p>after</p>" << png + TAIL + "<p>after</p>";
    QTest::newRow("inline picture with blanks passes") << "<img src = \"data:image/png;base64,AAAA\" />"
                                                       << "<img src = \"data:image/png;base64,AAAA\" />";
    QTest::newRow("every quote after the path kept")
        << fileImage(path("pic.png")) + "<p class=\"x\">\"quoted\"</p>"
        << png + base64Of("pic.png") + TAIL + "<p class=\"x\">\"quoted\"</p>";
    QTest::newRow("two pictures") << fileImage(path("photo.jpg")) + "<br>" + fileImage(path("pic.png"))
                                  << jpg + base64Of("photo.jpg") + TAIL + "<br>" + png + base64Of("pic.png") +
                                         TAIL;
}

void TestHtmlPictures::writeHtmlWithImages()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(written(html), expected);
}

void TestHtmlPictures::embedImagesPadsPictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mime");
    QTest::addColumn<bool>("exactColours"); // JPEG changes colours slightly
    QTest::newRow("png") << "pic.png"
                         << "image/png" << true;
    QTest::newRow("PNG") << "shot.PNG"
                         << "image/png" << true;
    // The web engine passes JPEG data into the PDF as it is.
    QTest::newRow("jpg stays jpeg") << "photo.jpg"
                                    << "image/jpeg" << false;
}

// 20 white pixels on the left, then the picture; same height.
void TestHtmlPictures::embedImagesPadsPictures()
{
    QFETCH(QString, file);
    QFETCH(QString, mime);
    QFETCH(bool, exactColours);
    const QString html = embedImages("<h2>" + fileImage(m_dir.filePath(file)) + "Life</h2>");
    QVERIFY2(html.startsWith("<h2><img hspace=\"50\"   src=\"data:" + mime + ";base64,"),
             qPrintable(html.left(60)));
    QVERIFY(html.endsWith(TAIL + "Life</h2>"));
    const QImage padded = firstInlinePicture(html, mime);
    QCOMPARE(padded.size(), QSize(23, 2));
    // JPEG blurs the 16-pixel block that holds the picture's edge.
    const int surelyWhite = exactColours ? 20 : 16;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < surelyWhite; ++x) {
            const QRgb pixel = padded.pixel(x, y);
            QVERIFY2(qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245, "white padding");
        }
        for (int x = 0; x < 3; ++x) {
            if (exactColours)
                QCOMPARE(padded.pixel(20 + x, y), m_picture.pixel(x, y));
            else
                QVERIFY(qAbs(qRed(padded.pixel(20 + x, y)) - qRed(m_picture.pixel(x, y))) < 60);
        }
    }
}

void TestHtmlPictures::embedImagesWalk_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no picture") << "<p>text</p>"
                                << "<p>text</p>";
    // No broken-picture mark on the printed page.
    QTest::newRow("missing picture leaves its element out")
        << "<p>" + fileImage(path("gone.jpg")) + "text</p>"
        << "<p>text</p>";
    QTest::newRow("unreadable picture leaves its element out")
        << "<h2>" + fileImage(path("anim.gif")) + "Life</h2>"
        << "<h2>Life</h2>";
    QTest::newRow("piece without a quote dropped") << "x<img src=\"open"
                                                   << "x";
    QTest::newRow("inline picture with blanks passes") << "<img src = \"data:image/png;base64,AA\" />"
                                                       << "<img src = \"data:image/png;base64,AA\" />";
}

void TestHtmlPictures::embedImagesWalk()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(embedImages(html), expected);
}

void TestHtmlPictures::savedReportAddsLineHeight()
{
    const QString style = "<style type=\"text/css\"> body table { line-height: 20px;  }</style>";
    const QString report = "<html><head><title>A</title></head><body>" + fileImage(path("pic.png")) +
                           "</body></html><html><head></head><body></body></html>";
    const QString saved = QString::fromUtf8(savedReportHtml(report));
    // Every head gets the line height; the first also the presentation
    // sheet, directly before its end.
    QCOMPARE(saved.count(style + presentationStyleElement() + "</head>"), 1);
    QCOMPARE(saved.count(style + "</head>"), 1);
    QCOMPARE(saved.count(presentationStyleElement()), 1);
    QVERIFY(!saved.contains("file:///"));
    QVERIFY(saved.contains("data:image/png;base64," + base64Of("pic.png")));
}

// A name outside Latin-1 survives even where the platform's own encoding
// would lose it.
void TestHtmlPictures::savedReportIsUtf8WhateverTheLocale()
{
    QTextCodec *platform = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    const QString name = QString::fromUtf8("Zo\u00eb \u0141uk\u00e1\u0161 \u6771\u4eac");
    const QByteArray bytes = savedReportHtml("<html><head></head><body>" + name + "</body></html>");
    QTextCodec::setCodecForLocale(platform);
    QVERIFY(bytes.contains(name.toUtf8()));
    QCOMPARE(QString::fromUtf8(bytes).count(name), 1);
}

QTEST_GUILESS_MAIN(TestHtmlPictures)
#include "test_htmlpictures.moc"
