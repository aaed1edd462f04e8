// The report document operations: the exact head, blocks, pictures,
// headings, paragraphs, splitting and the end of a document.

#include "document/creporttools.h"

#include <QBuffer>
#include <QtTest>

namespace {

const QString BLOCK_OPEN = QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n");
const QString SEGMENT_END = QStringLiteral("</td></tr></table>\r\n");
const QString SEGMENT_OPEN = QStringLiteral("<table class=maindoc border=\"0\"><tr><td>\r\n");
const QString P_OPEN = QStringLiteral("<p comment=\"st_fs\"   >");

// What an operation appended to the document.
struct Appended
{
    CReportTools &doc;
    int from;
    explicit Appended(CReportTools &d) : doc(d), from(d.document().size()) {}
    QString text() const { return doc.document().mid(from); }
};

QString fileImage(const QString &path)
{
    return QLatin1String("<img src=\"file:///") + path
        + QLatin1String("\" style=\"margin-left: 15px;\" align=\"right\" />");
}

} // namespace

class TestCReportTools : public QObject
{
    Q_OBJECT

private slots:
    void headIsExact();
    void beginDocumentKeepsPendingImage();
    void blocks();
    void pendingImageGoesIntoNextHeadingOnly();
    void headingMarkup_data();
    void headingMarkup();
    void headingWithImageInlinesPng();
    void paragraph_data();
    void paragraph();
    void paragraphWithImageArgument();
    void splitParagraphs_data();
    void splitParagraphs();
    void splitResultClosesTheCallersBlock();
    void endDocument();
    void replaceInDocumentFromPosition();
    void replaceInDocumentMatchesQString_data();
    void replaceInDocumentMatchesQString();
    void masterEmphasis_data();
    void masterEmphasis();
    void programImageFolder();
};

void TestCReportTools::headIsExact()
{
    CReportTools doc;
    doc.appendHtml(QStringLiteral("old content"));
    doc.beginDocument(QStringLiteral("My Title"));
    // XHTML 1.0 Transitional head with the shared style block, CR LF line
    // ends; the title line runs straight into the body tag.
    const QString expected = QStringLiteral(
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n"
        "<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\r\n"
        "<style type=\"text/css\">\r\n"
        "body { font-family: Arial, Helvetica, sans-serif; font-size: 16px; line-height: 1.6; color: #111111; }\r\n"
        "h2 { font-size: 18px; line-height: 1.4; color: #222222; margin-left: 4px; }\r\n"
        "table { page-break-inside:auto }\r\n"
        "tr { page-break-inside:avoid; page-break-after:auto }\r\n"
        "</style>\r\n"
        "<title>My Title</title></head><body style=\"background-color:#FFFFFF\">\r\n");
    QCOMPARE(doc.document(), expected);
    QCOMPARE(doc.bodyStart(), expected.size());
}

void TestCReportTools::beginDocumentKeepsPendingImage()
{
    CReportTools doc;
    doc.setImageFolder(QStringLiteral("/img/"));
    doc.setImageFile(QStringLiteral("a.jpg"));
    doc.beginDocument(QString());
    QCOMPARE(doc.pendingImage(), fileImage(QStringLiteral("/img/a.jpg")));
}

void TestCReportTools::blocks()
{
    CReportTools doc;
    doc.setImageFolder(QStringLiteral("/img/"));

    doc.setImageFile(QStringLiteral("a.jpg"));
    Appended open(doc);
    doc.openBlock(false);
    QCOMPARE(open.text(), BLOCK_OPEN);
    QVERIFY(!doc.pendingImage().isEmpty());  // kept without clearImage

    doc.openBlock(true);
    QVERIFY(doc.pendingImage().isEmpty());

    doc.setImageFile(QStringLiteral("b.jpg"));
    Appended close(doc);
    doc.closeBlock();
    QCOMPARE(close.text(), SEGMENT_END);
    QVERIFY(doc.pendingImage().isEmpty());
}

void TestCReportTools::pendingImageGoesIntoNextHeadingOnly()
{
    CReportTools doc;
    doc.setImageFolder(QStringLiteral("/opt/sorvel/images/doc/"));
    doc.setImageFile(QStringLiteral("res01.jpg"));
    Appended added(doc);
    doc.addHeading(QStringLiteral("One"));
    doc.addHeading(QStringLiteral("Two"));
    QCOMPARE(added.text(),
             QLatin1String("<h2>") + fileImage(QStringLiteral("/opt/sorvel/images/doc/res01.jpg"))
                 + QLatin1String("<font style=\" color:#000000;\">One</font></h2>\r\n"
                                 "<h2><font style=\" color:#000000;\">Two</font></h2>\r\n"));
}

void TestCReportTools::headingMarkup_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("expected");

    // The report's own heading: no family, 12 points (no pixel size), black.
    QTest::newRow("report heading") << QFont(QString(), 12) << QColor(Qt::black)
                                    << "<h2><font style=\" color:#000000;\">Text</font></h2>\r\n";
    QFont pixels(QString(), 12);
    pixels.setPixelSize(20);
    QTest::newRow("pixel size") << pixels << QColor(Qt::black)
                                << "<h2><font style=\"font-size: 20px; color:#000000;\">Text</font></h2>\r\n";
    QTest::newRow("family") << QFont(QStringLiteral("Tahoma"), 12) << QColor(Qt::black)
                            << "<h2><font style=\" face:Tahoma; color:#000000;\">Text</font></h2>\r\n";
    QFont styled(QString(), 12);
    styled.setUnderline(true);
    styled.setItalic(true);
    QTest::newRow("underlined italic")
        << styled << QColor(Qt::black)
        << "<h2><u><i><font style=\" color:#000000;\">Text</font></i></u></h2>\r\n";
    QTest::newRow("colour in lower-case hex") << QFont(QString(), 12) << QColor(0x1A, 0x2B, 0x0C)
                                              << "<h2><font style=\" color:#1a2b0c;\">Text</font></h2>\r\n";
}

void TestCReportTools::headingMarkup()
{
    QFETCH(QFont, font);
    QFETCH(QColor, colour);
    QFETCH(QString, expected);
    CReportTools doc;
    Appended added(doc);
    doc.addHeading(QImage(), font, colour, QStringLiteral("Text"));
    QCOMPARE(added.text(), expected);
}

void TestCReportTools::headingWithImageInlinesPng()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    CReportTools doc;
    doc.setImageFile(QStringLiteral("replaced.jpg"));
    Appended added(doc);
    doc.addHeading(image, QFont(QString(), 12), Qt::black, QStringLiteral("Pic"));

    const QString html = added.text();
    const QString start = QStringLiteral("<h2><img src = \"data:image/png;base64,");
    const QString end = QStringLiteral("\" style=\"margin-left: 15px;\" align=\"right\" />"
                                       "<font style=\" color:#000000;\">Pic</font></h2>\r\n");
    QVERIFY2(html.startsWith(start), qPrintable(html.left(80)));
    QVERIFY(html.endsWith(end));
    QVERIFY(!html.contains(QLatin1String("replaced.jpg")));
    // The Base64 decodes to a PNG of the same picture.
    const QByteArray base64 = html.mid(start.size(), html.size() - start.size() - end.size()).toLatin1();
    QImage decoded;
    QVERIFY(decoded.loadFromData(QByteArray::fromBase64(base64), "PNG"));
    QCOMPARE(decoded.size(), image.size());
    QCOMPARE(decoded.pixelColor(1, 1), QColor(10, 20, 30));
    QVERIFY(doc.pendingImage().isEmpty());
}

void TestCReportTools::paragraph_data()
{
    QTest::addColumn<QString>("pending");  // image file set before the paragraph
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString img = fileImage(QStringLiteral("res39.jpg"));
    QTest::newRow("empty text, no picture: nothing") << QString() << QString() << QString();
    QTest::newRow("plain text") << QString() << "Body" << P_OPEN + "Body</p>\r\n";
    QTest::newRow("picture alone") << "res39.jpg" << QString() << P_OPEN + img + "</p>\r\n";
    // An inner paragraph nests inside the marked outer one, marked the same way.
    QTest::newRow("inner paragraph with picture")
        << "res39.jpg" << "<p>Inner</p>"
        << P_OPEN + img + "<p comment=\"st_fs\"   >Inner</p></p>\r\n";
    QTest::newRow("cells are marked")
        << QString() << "<td>a</td><td class=x>b</td>"
        << P_OPEN + "<td comment=\"st_fs\"   >a</td><td comment=\"st_fs\"    class=x>b</td></p>\r\n";
}

void TestCReportTools::paragraph()
{
    QFETCH(QString, pending);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    CReportTools doc;
    if (!pending.isEmpty())
        doc.setImageFile(pending);
    Appended added(doc);
    doc.addParagraph(text);
    QCOMPARE(added.text(), expected);
    QVERIFY(doc.pendingImage().isEmpty());
}

void TestCReportTools::paragraphWithImageArgument()
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::red);
    CReportTools doc;
    Appended added(doc);
    doc.addParagraph(QStringLiteral("x"), image);
    QVERIFY(added.text().startsWith(P_OPEN + QLatin1String("<img src = \"data:image/png;base64,")));
    QVERIFY(added.text().endsWith(QLatin1String("x</p>\r\n")));
    QVERIFY(doc.pendingImage().isEmpty());
}

void TestCReportTools::splitParagraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty text") << QString() << "P" << "S" << QString();
    QTest::newRow("one segment") << "Only" << QString() << QString() << "Only" + SEGMENT_END;
    QTest::newRow("two segments")
        << "First<br />Second" << QString() << QString()
        << "First" + SEGMENT_END + SEGMENT_OPEN + "Second" + SEGMENT_END;
    QTest::newRow("trailing break gives an empty table")
        << "Text<br />" << QString() << QString() << "Text" + SEGMENT_END + SEGMENT_OPEN + SEGMENT_END;
    QTest::newRow("paragraphs and every break spelling")
        << "<p>a</p><p>b</p>c<br/>d<br>e" << QString() << QString()
        << "a" + SEGMENT_END + SEGMENT_OPEN + "b" + SEGMENT_END + SEGMENT_OPEN + "c" + SEGMENT_END
               + SEGMENT_OPEN + "d" + SEGMENT_END + SEGMENT_OPEN + "e" + SEGMENT_END;
    QTest::newRow("prefix and suffix around each segment")
        << "a<br />b" << "[" << "]" << "[a]" + SEGMENT_END + SEGMENT_OPEN + "[b]" + SEGMENT_END;
    // The span is closed at the end of the first segment and reopened with a
    // copy of its opening tag at the start of the second.
    QTest::newRow("span across two segments")
        << "<span style=\"color:#ff0000\">red<br />still red</span> plain" << QString() << QString()
        << "<span style=\"color:#ff0000\">red</span>" + SEGMENT_END + SEGMENT_OPEN
               + "<span style=\"color:#ff0000\">still red</span> plain" + SEGMENT_END;
    QTest::newRow("span across three segments")
        << "<span class=k>a<br />b<br />c</span>d" << QString() << QString()
        << "<span class=k>a</span>" + SEGMENT_END + SEGMENT_OPEN + "<span class=k>b</span>" + SEGMENT_END
               + SEGMENT_OPEN + "<span class=k>c</span>d" + SEGMENT_END;
    QTest::newRow("span reopened after the prefix")
        << "<span class=k>a<br />b</span>" << "[" << "]"
        << "[<span class=k>a</span>]" + SEGMENT_END + SEGMENT_OPEN + "[<span class=k>b</span>]" + SEGMENT_END;
    QTest::newRow("span closed within its segment carries nothing")
        << "<span class=k>a</span><br />b" << QString() << QString()
        << "<span class=k>a</span>" + SEGMENT_END + SEGMENT_OPEN + "b" + SEGMENT_END;
    // A span that closes at the very start of a segment ends the styling
    // there; the segments after it are plain.
    QTest::newRow("span closing at a segment's start")
        << "<span class=k>a<br /></span>b<br />c" << QString() << QString()
        << "<span class=k>a</span>" + SEGMENT_END + SEGMENT_OPEN + "<span class=k></span>b" + SEGMENT_END
               + SEGMENT_OPEN + "c" + SEGMENT_END;
    QTest::newRow("opening tag cut off at the segment end")
        << "a<span class=k<br />b" << QString() << QString()
        << "a<span class=k</span>" + SEGMENT_END + SEGMENT_OPEN + "<span class=kb</span>" + SEGMENT_END;
}

void TestCReportTools::splitParagraphs()
{
    QFETCH(QString, text);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    QFETCH(QString, expected);
    QCOMPARE(CReportTools::splitParagraphs(text, prefix, suffix), expected);
}

// The typical section: the split result, added as a paragraph, ends the
// block the caller opened; each further segment is a marked one-row table.
void TestCReportTools::splitResultClosesTheCallersBlock()
{
    CReportTools doc;
    Appended added(doc);
    doc.openBlock(true);
    doc.addParagraph(CReportTools::splitParagraphs(QStringLiteral("<p>One</p><p>Two</p>") + "<br />",
                                                   QString(), QString()));
    QCOMPARE(added.text(),
             BLOCK_OPEN + P_OPEN + "One" + SEGMENT_END
                 + "<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\nTwo" + SEGMENT_END
                 + "<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\n" + SEGMENT_END
                 + "<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\n" + SEGMENT_END
                 + "</p>\r\n");
}

void TestCReportTools::endDocument()
{
    CReportTools doc;
    doc.beginDocument(QStringLiteral("T"));
    doc.appendHtml(QStringLiteral("<span style=\"font-weight:600\">a</span><b style=\"font-weight:600;\">"));
    doc.setImageFile(QStringLiteral("x.jpg"));
    doc.endDocument();
    QVERIFY(doc.document().endsWith(
        QLatin1String("<span style=\"font-weight:bold\">a</span><b style=\"font-weight:bold;\">"
                      "</body></html>\r\n")));
    QVERIFY(!doc.document().contains(QLatin1String("font-weight:600")));
    QVERIFY(doc.pendingImage().isEmpty());
}

void TestCReportTools::replaceInDocumentFromPosition()
{
    CReportTools doc;
    doc.appendHtml(QStringLiteral("11 head|11 body 11"));
    doc.replaceInDocument(QStringLiteral("11"), QStringLiteral("<b>11</b>"), 8);
    QCOMPARE(doc.document(), QStringLiteral("11 head|<b>11</b> body <b>11</b>"));
    doc.replaceInDocument(QStringLiteral("head"), QStringLiteral("HEAD"));
    QCOMPARE(doc.document(), QStringLiteral("11 HEAD|<b>11</b> body <b>11</b>"));
}

// The document's own search must replace exactly what QString::replace does.
void TestCReportTools::replaceInDocumentMatchesQString_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("left to right, no overlap") << "1111 111 11 1" << "11" << "<b>11</b>";
    QTest::newRow("needle at the very end") << "x<td" << "<td" << "<td comment=\"st_fs\"   ";
    QTest::newRow("near misses") << "<t <tr <td><td" << "<td" << "[TD]";
    QTest::newRow("long needle") << "a font-weight:600;font-weight:60 font-weight:600" << "font-weight:600"
                                 << "font-weight:bold";
    QTest::newRow("removal") << "<p><p>x<p>" << "<p>" << QString();
    QTest::newRow("no match") << "plain text" << "<br>" << "X";
    QTest::newRow("replacement contains the needle") << "a<pb<p" << "<p" << "<p comment=\"st_fs\"   ";
}

void TestCReportTools::replaceInDocumentMatchesQString()
{
    QFETCH(QString, document);
    QFETCH(QString, before);
    QFETCH(QString, after);
    CReportTools doc;
    doc.appendHtml(document);
    doc.replaceInDocument(before, after);
    QCOMPARE(doc.document(), QString(document).replace(before, after));
}

void TestCReportTools::masterEmphasis_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a master alone") << "Life Path 11 and 22/4" << 0 << "Life Path <b>11</b> and <b>22</b>/4";
    QTest::newRow("inside a longer number") << "1/118, 1990, 2011, 112" << 0 << "1/118, 1990, 2011, 112";
    QTest::newRow("unequal and zero pairs") << "12 00 10 99" << 0 << "12 00 10 <b>99</b>";
    QTest::newRow("at both ends") << "33" << 0 << "<b>33</b>";
    QTest::newRow("next to letters and markup") << "<td>44</td>x55y" << 0 << "<td><b>44</b></td>x<b>55</b>y";
    QTest::newRow("attributes are markup") << "<td colspan=\"11\" width='22'>66</td>" << 0
                                           << "<td colspan=\"11\" width='22'><b>66</b></td>";
    QTest::newRow("character references") << "&#33; &#8211; 77" << 0 << "&#33; &#8211; <b>77</b>";
    QTest::newRow("from a position on") << "11 head|11 body" << 8 << "11 head|<b>11</b> body";
    QTest::newRow("nothing to do") << "no numbers here" << 0 << "no numbers here";
}

void TestCReportTools::masterEmphasis()
{
    QFETCH(QString, document);
    QFETCH(int, from);
    QFETCH(QString, expected);
    CReportTools doc;
    doc.appendHtml(document);
    doc.emphasizeMasterNumbers(from);
    QCOMPARE(doc.document(), expected);
}

void TestCReportTools::programImageFolder()
{
    QCOMPARE(CReportTools::programImageFolder(),
             QCoreApplication::applicationDirPath() + QLatin1String("/images/doc/"));
    QCOMPARE(CReportTools::programImageFolder(QStringLiteral("doc2/")),
             QCoreApplication::applicationDirPath() + QLatin1String("/images/doc2/"));
}

QTEST_GUILESS_MAIN(TestCReportTools)
#include "test_creporttools.moc"
