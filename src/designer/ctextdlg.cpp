#include "ctextdlg.h"

#include "elementproperties.h"

#include "charts/chartdocument.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr int MIN_PIXELS = 4;
constexpr int MAX_PIXELS = 200;

} // namespace

CTextDlg::CTextDlg(QWidget *parent)
    : QDialog(parent)
    , m_font(QStringLiteral("Arial"))
    , m_alignment(ALIGN_LEFT_VALUE)
    , m_family(new QFontComboBox)
    , m_size(new QSpinBox)
    , m_bold(new QCheckBox(tr("Bold")))
    , m_italic(new QCheckBox(tr("Italic")))
    , m_underline(new QCheckBox(tr("Underline")))
    , m_align(new QComboBox)
    , m_colourButton(new QPushButton(tr("Color")))
    , m_sample(new QLabel(tr("Sorvel 123")))
{
    setWindowTitle(tr("Text"));
    m_font.setPixelSize(11);
    m_size->setRange(MIN_PIXELS, MAX_PIXELS);
    for (const char *name : ALIGNMENT_CHOICES)
        m_align->addItem(tr(name));
    m_sample->setMinimumSize(260, 60);
    m_sample->setWordWrap(true);
    m_sample->setAutoFillBackground(true);
    m_sample->setStyleSheet(QStringLiteral("background: white; border: 1px solid #b0a898;"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Font")), 0, 0);
    grid->addWidget(m_family, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Size")), 1, 0);
    grid->addWidget(m_size, 1, 1);
    grid->addWidget(m_bold, 2, 0);
    grid->addWidget(m_italic, 2, 1);
    grid->addWidget(m_underline, 2, 2);
    grid->addWidget(new QLabel(tr("Alignment")), 3, 0);
    grid->addWidget(m_align, 3, 1);
    grid->addWidget(m_colourButton, 3, 2);
    grid->addWidget(m_sample, 4, 0, 1, 3);
    auto *ok = new QPushButton(tr("OK"));
    auto *cancel = new QPushButton(tr("Cancel"));
    ok->setDefault(true);
    grid->addWidget(ok, 5, 1);
    grid->addWidget(cancel, 5, 2);

    connect(m_family, &QFontComboBox::currentFontChanged, this, &CTextDlg::OnTextFamily);
    connect(m_size, QOverload<int>::of(&QSpinBox::valueChanged), this, &CTextDlg::OnTextSize);
    connect(m_bold, &QCheckBox::toggled, this, &CTextDlg::OnTextBold);
    connect(m_italic, &QCheckBox::toggled, this, &CTextDlg::OnTextItalic);
    connect(m_underline, &QCheckBox::toggled, this, &CTextDlg::OnTextUnderline);
    connect(m_align, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CTextDlg::OnTextAlign);
    connect(m_colourButton, &QPushButton::clicked, this, &CTextDlg::OnTextColor);
    connect(ok, &QPushButton::clicked, this, &CTextDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &CTextDlg::OnCancel);
    setStyle(m_font, m_alignment, m_colour);
}

void CTextDlg::setStyle(const QFont &font, int alignment, const QColor &colour)
{
    // The controls are set first with their signals held, then the style
    // is taken as given (the family list may not know the font's family).
    const QSignalBlocker blockFamily(m_family), blockSize(m_size), blockBold(m_bold), blockItalic(m_italic),
        blockUnderline(m_underline), blockAlign(m_align);
    m_family->setCurrentFont(font);
    // The list shows the family the element names, even one this computer
    // lacks and draws with another (the list alone would show that other).
    m_family->setEditText(font.family());
    m_size->setValue(font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 4 / 3));
    m_bold->setChecked(font.bold());
    m_italic->setChecked(font.italic());
    m_underline->setChecked(font.underline());
    m_align->setCurrentIndex(alignmentChoiceIndex(alignment));
    m_font = font;
    m_alignment = alignmentFromChoice(alignmentChoiceIndex(alignment));
    m_colour = colour;
    showSample();
}

void CTextDlg::setSampleText(const QString &text)
{
    m_sample->setText(text.isEmpty() ? tr("Sorvel 123") : text);
}

QString CTextDlg::sampleText() const
{
    return m_sample->text();
}

void CTextDlg::OnTextFamily(const QFont &family)
{
    m_font.setFamily(family.family());
    showSample();
}

void CTextDlg::OnTextSize(int pixels)
{
    m_font.setPixelSize(pixels);
    showSample();
}

void CTextDlg::OnTextBold(bool on)
{
    m_font.setBold(on);
    showSample();
}

void CTextDlg::OnTextItalic(bool on)
{
    m_font.setItalic(on);
    showSample();
}

void CTextDlg::OnTextUnderline(bool on)
{
    m_font.setUnderline(on);
    showSample();
}

void CTextDlg::OnTextAlign(int index)
{
    m_alignment = alignmentFromChoice(index);
    showSample();
}

void CTextDlg::OnTextColor()
{
    const QColor colour = QColorDialog::getColor(m_colour, this, tr("Color"));
    if (!colour.isValid())
        return;
    m_colour = colour;
    showSample();
}

void CTextDlg::OnOk()
{
    accept();
}

void CTextDlg::OnCancel()
{
    reject();
}

void CTextDlg::showSample()
{
    m_sample->setFont(m_font);
    m_sample->setAlignment(Qt::Alignment(m_alignment) | Qt::AlignVCenter);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, m_colour);
    m_sample->setPalette(palette);
    m_sample->setStyleSheet(
        QStringLiteral("background: white; border: 1px solid #b0a898; color: %1;").arg(m_colour.name()));
    m_colourButton->setStyleSheet(
        QStringLiteral("border-left: 14px solid %1; padding: 3px;").arg(m_colour.name()));
}
