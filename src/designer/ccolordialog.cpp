#include "ccolordialog.h"

#include "charts/chartdocument.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// clang-format off
const QRgb BASIC_COLOURS[] = {
    0x000000, 0x404040, 0x808080, 0xc0c0c0, 0xffffff, 0xfff5e1, 0xf4e4bf, 0xe6d5ad,
    0x800000, 0xff0000, 0xff8040, 0xffff00, 0x80ff00, 0x008000, 0x008080, 0x00ffff,
    0x000080, 0x0000ff, 0x8000ff, 0xff00ff, 0x804000, 0x4a3c34, 0x9cb62d, 0xd05030,
};
// spin box    label     maximum
const struct { const char *label; int maximum; } SPINS[] = {
    {"Hue:", 359}, {"Sat:", 255}, {"Val:", 255}, {"Red:", 255}, {"Green:", 255}, {"Blue:", 255},
};
// clang-format on
constexpr int BASIC_COLUMNS = 8;

} // namespace

// --- spectrum and strip ---

CColorSpectrum::CColorSpectrum(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(160, 120);
    setCursor(Qt::CrossCursor);
}

void CColorSpectrum::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void CColorSpectrum::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QImage spectrum(width(), height(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y) {
        const int saturation = 255 - y * 255 / std::max(1, height() - 1);
        for (int x = 0; x < width(); ++x)
            spectrum.setPixel(x, y,
                              QColor::fromHsv(x * 359 / std::max(1, width() - 1), saturation, 255).rgb());
    }
    painter.drawImage(0, 0, spectrum);
    // A cross at the chosen hue and saturation.
    const int hue = std::max(0, m_colour.hsvHue());
    const QPoint mark(hue * (width() - 1) / 359, (255 - m_colour.hsvSaturation()) * (height() - 1) / 255);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(mark - QPoint(6, 0), mark + QPoint(6, 0));
    painter.drawLine(mark - QPoint(0, 6), mark + QPoint(0, 6));
}

void CColorSpectrum::mousePressEvent(QMouseEvent *event)
{
    pick(event->pos());
}

void CColorSpectrum::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->pos());
}

void CColorSpectrum::pick(const QPoint &point)
{
    const int x = std::clamp(point.x(), 0, width() - 1);
    const int y = std::clamp(point.y(), 0, height() - 1);
    emit huePicked(x * 359 / std::max(1, width() - 1), 255 - y * 255 / std::max(1, height() - 1));
}

CValueStrip::CValueStrip(QWidget *parent)
    : QWidget(parent)
{
    setFixedWidth(22);
    setMinimumHeight(120);
}

void CValueStrip::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void CValueStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient ramp(0, 0, 0, height());
    ramp.setColorAt(0, QColor::fromHsv(std::max(0, m_colour.hsvHue()), m_colour.hsvSaturation(), 255));
    ramp.setColorAt(1, Qt::black);
    painter.fillRect(rect().adjusted(0, 0, -6, 0), ramp);
    const int y = (255 - m_colour.value()) * (height() - 1) / 255;
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({QPoint(width() - 6, y), QPoint(width(), y - 4), QPoint(width(), y + 4)}));
}

void CValueStrip::mousePressEvent(QMouseEvent *event)
{
    pick(event->pos().y());
}

void CValueStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->pos().y());
}

void CValueStrip::pick(int y)
{
    emit valuePicked(255 - std::clamp(y, 0, height() - 1) * 255 / std::max(1, height() - 1));
}

// --- the dialog ---

CColorDialog::CColorDialog(QWidget *parent)
    : QDialog(parent)
    , m_spectrum(new CColorSpectrum)
    , m_strip(new CValueStrip)
    , m_preview(new QLabel)
    , m_addImage(new QCheckBox(tr("Add Image")))
    , m_fitSize(new QCheckBox(tr("Fit Size")))
{
    setWindowTitle(tr("Background"));
    m_imageChooser = [](QWidget *owner) {
        return QFileDialog::getOpenFileName(owner, tr("Open Image"), QString(),
                                            tr("Image Files (*.png *.jpg *.jpeg *.tiff *.tif *.bmp)"));
    };
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Basic colors")), 0, 0);
    grid->addWidget(buildBasicColours(), 1, 0);
    auto *spectrumRow = new QHBoxLayout;
    spectrumRow->addWidget(m_spectrum, 1);
    spectrumRow->addWidget(m_strip);
    grid->addLayout(spectrumRow, 0, 1, 2, 1);

    auto *numbers = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        auto *spin = new QSpinBox;
        spin->setRange(0, SPINS[i].maximum);
        spin->setObjectName(QLatin1String(SPINS[i].label));
        numbers->addWidget(new QLabel(tr(SPINS[i].label)), i % 3, (i / 3) * 2);
        numbers->addWidget(spin, i % 3, (i / 3) * 2 + 1);
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &CColorDialog::takeSpins);
        m_spins.append(spin);
    }
    grid->addLayout(numbers, 2, 1);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(new QLabel(tr("Preview")));
    m_preview->setFixedSize(120, 60);
    m_preview->setFrameShape(QFrame::Box);
    previewColumn->addWidget(m_preview);
    grid->addLayout(previewColumn, 2, 0);

    auto *imageRow = new QHBoxLayout;
    auto *open = new QPushButton(tr("Open Image"));
    imageRow->addWidget(m_addImage);
    imageRow->addWidget(open);
    imageRow->addWidget(m_fitSize);
    imageRow->addStretch();
    grid->addLayout(imageRow, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("OK"));
    auto *cancel = new QPushButton(tr("Cancel"));
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(m_spectrum, &CColorSpectrum::huePicked, this, [this](int hue, int saturation) {
        setColour(QColor::fromHsv(hue, saturation, std::max(m_colour.value(), 1)));
    });
    connect(m_strip, &CValueStrip::valuePicked, this, [this](int value) {
        setColour(QColor::fromHsv(std::max(0, m_colour.hsvHue()), m_colour.hsvSaturation(), value));
    });
    connect(open, &QPushButton::clicked, this, &CColorDialog::OnOpenImage);
    connect(ok, &QPushButton::clicked, this, &CColorDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showColour();
}

QWidget *CColorDialog::buildBasicColours()
{
    auto *panel = new QWidget;
    auto *grid = new QGridLayout(panel);
    grid->setSpacing(2);
    grid->setContentsMargins(0, 0, 0, 0);
    int index = 0;
    for (QRgb rgb : BASIC_COLOURS) {
        auto *swatch = new QPushButton;
        swatch->setFixedSize(18, 16);
        swatch->setStyleSheet(
            QStringLiteral("background: %1; border: 1px solid #555;").arg(QColor(rgb).name()));
        connect(swatch, &QPushButton::clicked, this, [this, rgb] { setColour(QColor(rgb)); });
        grid->addWidget(swatch, index / BASIC_COLUMNS, index % BASIC_COLUMNS);
        ++index;
    }
    return panel;
}

void CColorDialog::setColour(const QColor &colour)
{
    m_colour = colour;
    showColour();
}

QSpinBox *CColorDialog::spin(const QString &label) const
{
    for (QSpinBox *spin : m_spins) {
        if (spin->objectName() == label)
            return spin;
    }
    return nullptr;
}

int CColorDialog::mode() const
{
    if (m_addImage->isChecked() && !m_image.isNull())
        return m_fitSize->isChecked() ? BACKGROUND_STRETCHED : BACKGROUND_IMAGE;
    return BACKGROUND_COLOUR;
}

void CColorDialog::showColour()
{
    m_updating = true;
    const int values[] = {std::max(0, m_colour.hsvHue()),
                          m_colour.hsvSaturation(),
                          m_colour.value(),
                          m_colour.red(),
                          m_colour.green(),
                          m_colour.blue()};
    for (int i = 0; i < 6; ++i)
        m_spins.at(i)->setValue(values[i]);
    m_updating = false;
    m_spectrum->setColour(m_colour);
    m_strip->setColour(m_colour);
    if (m_addImage->isChecked() && !m_image.isNull())
        m_preview->setPixmap(QPixmap::fromImage(m_image.scaled(m_preview->size(), Qt::KeepAspectRatio)));
    else
        m_preview->setStyleSheet(QStringLiteral("background: %1;").arg(m_colour.name()));
}

void CColorDialog::takeSpins()
{
    if (m_updating)
        return;
    const QObject *from = sender();
    const int index = m_spins.indexOf(qobject_cast<QSpinBox *>(const_cast<QObject *>(from)));
    if (index < 3)
        m_colour = QColor::fromHsv(m_spins[0]->value(), m_spins[1]->value(), m_spins[2]->value());
    else
        m_colour = QColor(m_spins[3]->value(), m_spins[4]->value(), m_spins[5]->value());
    showColour();
}

void CColorDialog::OnOpenImage()
{
    const QString path = m_imageChooser(this);
    if (path.isEmpty())
        return;
    QImage image(path);
    if (image.isNull())
        return;
    m_image = image;
    m_addImage->setChecked(true);
    m_preview->setStyleSheet(QString());
    showColour();
}

void CColorDialog::OnOk()
{
    if (m_addImage->isChecked() && m_image.isNull()) {
        QMessageBox::warning(this, tr("Warning"), tr("Image no selected"));
        return;
    }
    accept();
}
