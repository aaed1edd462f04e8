// The report framework's overloads that take pictures and fonts: they need
// QtGui, so they sit apart from the rest of CReportTools.

#include "creporttools.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QImage>

namespace {

// A picture embedded as Base64 PNG; empty when the image does not encode.
QString inlineImage(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG") || png.isEmpty())
        return QString();
    return QLatin1String("<img src = \"data:image/png;base64,") + QLatin1String(png.toBase64()) +
           QLatin1String("\" style=\"margin-left: 15px;\" align=\"right\" />");
}

QString hexByte(int value)
{
    return QString::number(value, 16).rightJustified(2, QLatin1Char('0'));
}

} // namespace

void CReportTools::addHeading(const QImage &image, const QFont &font, const QColor &colour,
                              const QString &text)
{
    if (!image.isNull())
        m_pendingImage = inlineImage(image);

    QString style;
    if (font.pixelSize() > 0)
        style += QLatin1String("font-size: ") + QString::number(font.pixelSize()) + QLatin1String("px;");
    if (!font.family().isEmpty())
        style += QLatin1String(" face:") + font.family() + QLatin1Char(';');
    style += QLatin1String(" color:#") + hexByte(colour.red()) + hexByte(colour.green()) +
             hexByte(colour.blue()) + QLatin1Char(';');
    writeHeading(style, font.underline(), font.style() != QFont::StyleNormal, text);
}

void CReportTools::addParagraph(const QString &text, const QImage &image)
{
    if (!image.isNull()) {
        const QString inlined = inlineImage(image);
        if (!inlined.isEmpty())
            m_pendingImage = inlined;
    }
    addParagraph(text);
}
