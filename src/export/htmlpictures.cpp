#include "htmlpictures.h"

#include "document/presentation.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextStream>

namespace {

const QString IMG_SRC = QStringLiteral("<img src=\"");
const QString QUOTE = QStringLiteral("\"");
const QString FILE_SCHEME = QStringLiteral("file:///");
const int PICTURE_PADDING = 20; // white pixels left of a picture in the PDF
const int JPEG_QUALITY = 95;    // a padded photograph, kept sharp

// The table line height a saved report gets, so it reads as in the window.
const QString SAVED_REPORT_STYLE =
    QStringLiteral("<style type=\"text/css\"> body table { line-height: 20px;  }</style>");

// The local file a picture path names: "file:///" removed in any letter case.
QString localPath(QString path)
{
    return path.remove(FILE_SCHEME, Qt::CaseInsensitive);
}

// Everything after the picture's path, each piece behind the quote that
// separated it.
QString afterPath(const QStringList &segments)
{
    QString rest;
    for (int i = 1; i < segments.size(); ++i)
        rest += QUOTE + segments.at(i);
    return rest;
}

QByteArray fileBase64(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll().toBase64();
}

// The picture widened by the padding, white on its left, as the data of an
// image URI: a JPEG stays JPEG, since the web engine puts JPEG data into a PDF
// as it is but decodes and compresses every other picture again (most of
// the time a PDF of all reports takes); anything else becomes PNG. Empty
// when the picture does not load.
QString paddedPictureData(const QString &path)
{
    QImageReader reader(path);
    const bool jpeg = reader.format() == "jpeg";
    const QImage picture = reader.read();
    if (picture.isNull())
        return QString();
    QImage padded(picture.width() + PICTURE_PADDING, picture.height(), QImage::Format_RGB32);
    padded.fill(Qt::white);
    QPainter painter(&padded);
    painter.drawImage(PICTURE_PADDING, 0, picture);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    padded.save(&buffer, jpeg ? "JPG" : "PNG", jpeg ? JPEG_QUALITY : -1);
    return (jpeg ? QLatin1String("data:image/jpeg;base64,") : QLatin1String("data:image/png;base64,")) +
           QLatin1String(bytes.toBase64());
}

} // namespace

void writeHtmlWithImages(const QString &html, QTextStream &out)
{
    const QStringList parts = html.split(IMG_SRC);
    out << parts.first();
    for (int i = 1; i < parts.size(); ++i) {
        const QStringList segments = parts.at(i).split(QUOTE);
        if (segments.size() < 2)
            continue; // a piece without a quote names no picture
        const QString &path = segments.first();
        if (path.endsWith(QLatin1String("png"), Qt::CaseInsensitive))
            out << QLatin1String("<img src=\"data:image/png;base64,");
        else if (path.endsWith(QLatin1String("jpg"), Qt::CaseInsensitive))
            out << QLatin1String("<img src=\"data:image/jpg;base64,");
        out << QLatin1String(fileBase64(localPath(path))) << afterPath(segments);
    }
}

QString embedImages(const QString &html)
{
    const QStringList parts = html.split(IMG_SRC);
    QString result = parts.first();
    for (int i = 1; i < parts.size(); ++i) {
        const QStringList segments = parts.at(i).split(QUOTE);
        if (segments.size() < 2)
            continue;
        const QString data = paddedPictureData(localPath(segments.first()));
        const QString rest = afterPath(segments);
        // A picture that does not load leaves its whole element out, rather
        // than a broken-picture mark on the printed page.
        if (data.isEmpty())
            result += rest.mid(rest.indexOf(QLatin1Char('>')) + 1);
        else
            result += QLatin1String("<img hspace=\"50\"   src=\"") + data + rest;
    }
    return result;
}

QByteArray savedReportHtml(const QString &report)
{
    QString styled = report;
    styled.replace(QLatin1String("</head>"), SAVED_REPORT_STYLE + QLatin1String("</head>"));
    styled = withPresentationStyle(styled);
    QByteArray bytes;
    QTextStream out(&bytes, QIODevice::WriteOnly);
    out.setCodec("UTF-8");
    writeHtmlWithImages(styled, out);
    out.flush();
    return bytes;
}
