#include "cskintint.h"

#include <QHash>

QColor CSkinTint::tintColor(const QColor &source, const QColor &tint, int percent, bool plain)
{
    if (plain)
        return source;
    // The brightness is the channel average; hue and saturation are the tint's.
    const int level = (source.red() + source.green() + source.blue()) / 3;
    const int hue = tint.hslHue();
    const int saturation = tint.hsvSaturation();
    // Rounded to 8-bit channels, so a panel, a sheet and a picture agree.
    if (percent != 0)
        return QColor(QColor::fromHsv(hue, saturation, qBound(0, level * percent / 100, 255)).rgb());
    return QColor(QColor::fromHsl(hue, saturation, level).rgb());
}

QImage CSkinTint::tintImage(const QImage &image, const SkinTint &tint)
{
    if (image.isNull() || tint.plain)
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    // Pictures hold few distinct colours; tint each of them once.
    QHash<QRgb, QRgb> done;
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb colour = line[x] & 0xffffff;
            auto it = done.constFind(colour);
            if (it == done.constEnd())
                it = done.insert(colour, tintColor(QColor(colour), tint.tint, tint.percent, false).rgb());
            line[x] = (it.value() & 0xffffff) | (line[x] & 0xff000000);
        }
    }
    return out;
}

QColor CSkinTint::mapColor(const QColor &color) const
{
    return tintColor(color, m_tint.tint, m_tint.percent, m_tint.plain);
}

void CSkinTint::setBasePictures(const QImage &matrix, const QImage &handle)
{
    m_baseMatrix = matrix;
    m_baseHandle = handle;
    m_matrix = tintImage(m_baseMatrix);
    m_handle = tintImage(m_baseHandle);
}

void CSkinTint::setCurrentTint(int index, const SkinTint &tint)
{
    m_current = index;
    m_tint = tint;
    m_matrix = tintImage(m_baseMatrix);
    m_handle = tintImage(m_baseHandle);
}

void CSkinPicture::setSource(const QImage &source)
{
    m_source = source;
    m_tinted = QImage();
    m_tintedSkin = -1;
}

const QImage &CSkinPicture::image(const CSkinTint *skin) const
{
    if (!skin || m_source.isNull())
        return m_source;
    if (m_tintedSkin != skin->currentSkin()) {
        m_tinted = skin->tintImage(m_source);
        m_tintedSkin = skin->currentSkin();
    }
    return m_tinted;
}
