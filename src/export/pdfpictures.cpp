#include "pdfpictures.h"

#include "picturepaths.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>

using namespace picturepaths;

namespace {

const int PICTURE_PADDING = 20; // white pixels left of a picture in the PDF
const int JPEG_QUALITY = 95;    // a padded photograph, kept sharp

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
