#pragma once

// The colours of the current skin, as the custom-painted panels need them.
// Every colour of the base design is re-tinted by one formula (tintColor)
// that keeps the colour's brightness and takes hue and saturation from the
// skin's tint colour. The skin manager of the window derives from this and
// adds the skins' style sheets; the panels see only this part.

#include <QColor>
#include <QImage>

// One skin's tint: its colour, a percentage (0 for every listed skin) and the
// plain flag of the base skin, whose colours stay as written.
struct SkinTint
{
    QColor tint;
    int percent = 0;
    bool plain = true;
};

class CSkinTint
{
public:
    virtual ~CSkinTint() = default;

    // The tint formula for one colour (alpha 255); a plain skin leaves it as it is.
    static QColor tintColor(const QColor &source, const QColor &tint, int percent, bool plain);
    // Every pixel tinted; the alpha channel is kept. A null picture stays null.
    static QImage tintImage(const QImage &image, const SkinTint &tint);

    // The number of the current skin; changes whenever the tint does.
    int currentSkin() const { return m_current; }
    // The current skin's colour for a colour of the base palette.
    QColor mapColor(const QColor &color) const;
    QColor mapColor(const char *name) const { return mapColor(QColor(QLatin1String(name))); }
    QImage tintImage(const QImage &image) const { return tintImage(image, m_tint); }

    // The psychomatrix background before tinting and in the current skin.
    QImage baseMatrixImage() const { return m_baseMatrix; }
    QImage matrixImage() const { return m_matrix; }
    // The day text drawer's handle in the current skin (null when missing).
    QImage handleImage() const { return m_handle; }

protected:
    void setBasePictures(const QImage &matrix, const QImage &handle);
    // Makes a tint current and re-tints the pictures.
    void setCurrentTint(int index, const SkinTint &tint);

private:
    int m_current = 0;
    SkinTint m_tint;
    QImage m_baseMatrix;
    QImage m_matrix;
    QImage m_baseHandle;
    QImage m_handle;
};

// A picture that follows the skin: the source as given, and its tinted copy
// made again only when the current skin changes.
class CSkinPicture
{
public:
    CSkinPicture() = default;
    explicit CSkinPicture(const QImage &source)
        : m_source(source)
    {
    }

    void setSource(const QImage &source);
    const QImage &source() const { return m_source; }
    // The picture in the skin's colours; the source itself without a skin.
    const QImage &image(const CSkinTint *skin) const;

private:
    QImage m_source;
    mutable QImage m_tinted;
    mutable int m_tintedSkin = -1;
};
