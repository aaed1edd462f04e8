#pragma once

// The page background dialog ("Background"): a colour chosen on a hue and
// saturation spectrum with a value strip, from the basic colours or by
// numbers, or a picture, drawn at its own size or fitted to the page.
//
// Result: colour(), image() and mode(), the page background mode
// (BACKGROUND_COLOUR, BACKGROUND_IMAGE, BACKGROUND_STRETCHED).

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QSpinBox;

// The hue (across) and saturation (down) square at the dialog's value.
class CColorSpectrum : public QWidget
{
    Q_OBJECT
public:
    explicit CColorSpectrum(QWidget *parent = nullptr);
    void setColour(const QColor &colour);
    QSize sizeHint() const override { return QSize(240, 160); }

signals:
    void huePicked(int hue, int saturation);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void pick(const QPoint &point);
    QColor m_colour;
};

// The value strip beside the spectrum: the chosen hue from light to dark.
class CValueStrip : public QWidget
{
    Q_OBJECT
public:
    explicit CValueStrip(QWidget *parent = nullptr);
    void setColour(const QColor &colour);
    QSize sizeHint() const override { return QSize(22, 160); }

signals:
    void valuePicked(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void pick(int y);
    QColor m_colour;
};

class CColorDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CColorDialog(QWidget *parent = nullptr);

    void setColour(const QColor &colour);
    QColor colour() const { return m_colour; }
    QImage image() const { return m_image; }
    int mode() const;

    // Picks the picture file (a file dialog unless replaced, for tests).
    void setImageChooser(const std::function<QString(QWidget *)> &chooser) { m_imageChooser = chooser; }
    QSpinBox *spin(const QString &label) const;
    QCheckBox *addImageCheck() const { return m_addImage; }
    QCheckBox *fitSizeCheck() const { return m_fitSize; }

public slots:
    void OnOpenImage();
    void OnOk();

private:
    QWidget *buildBasicColours();
    void showColour();
    void takeSpins();

    QColor m_colour{Qt::white};
    QImage m_image;
    CColorSpectrum *m_spectrum;
    CValueStrip *m_strip;
    QList<QSpinBox *> m_spins; // hue, sat, val, red, green, blue
    QLabel *m_preview;
    QCheckBox *m_addImage;
    QCheckBox *m_fitSize;
    bool m_updating = false;
    std::function<QString(QWidget *)> m_imageChooser;
};
