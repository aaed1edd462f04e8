#include "cpapersizedlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <iterator>

namespace {

struct PaperPreset
{
    const char *name; // null: a separator
    double width;
    double height;
    bool millimetres;
};

// clang-format off
// name                             width  height  mm
const PaperPreset PAPER_PRESETS[] = {
    {"Custom",                      0,     0,      false},
    {nullptr,                       0,     0,      false},
    {"Letter (8.5\" x 11\")",       8.5,   11,     false},
    {"Legal (8.5\" x 14\")",        8.5,   14,     false},
    {"Junior Legal (8\" x 5\")",    8,     5,      false},
    {"Ledger (17\" x 11\")",        17,    11,     false},
    {"Tabloid (11\" x 17\")",       11,    17,     false},
    {nullptr,                       0,     0,      false},
    {"A3 (297mm x 420mm)",          297,   420,    true},
    {"A4 (210mm x 297mm)",          210,   297,    true},
    {"A5 (148.5mm x 210mm)",        148.5, 210,    true},
    {"A6 (105mm x 148.5mm)",        105,   148.5,  true},
};
// clang-format on

constexpr double CARD_MIN = 1.0;
constexpr double CARD_MAX = 5000.0;

QString twoDecimals(double value)
{
    return QString::number(value, 'f', 2);
}

} // namespace

CPaperSizeDlg::CPaperSizeDlg(Variant variant, QWidget *parent)
    : QDialog(parent)
    , m_variant(variant)
    , m_title(new QLineEdit(tr("Untitled")))
    , m_width(new QLineEdit)
    , m_height(new QLineEdit)
{
    const bool paper = variant == Variant::Paper;
    setWindowTitle(paper ? tr("Paper Size") : tr("Card Size"));
    auto *grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(new QLabel(tr("Title")), row, 0);
    grid->addWidget(m_title, row++, 1);
    if (paper) {
        m_paper = new QComboBox;
        buildPaperList();
        grid->addWidget(new QLabel(tr("Paper size")), row, 0);
        grid->addWidget(m_paper, row++, 1);
    } else {
        grid->addWidget(new QLabel(tr("Card Size")), row++, 0, 1, 2);
    }
    grid->addWidget(new QLabel(tr("Width")), row, 0);
    grid->addWidget(m_width, row++, 1);
    grid->addWidget(new QLabel(tr("Height")), row, 0);
    grid->addWidget(m_height, row++, 1);
    if (paper) {
        m_orientation = new QComboBox;
        m_orientation->addItems({tr("Vertical"), tr("Horizontal")});
        m_units = new QComboBox;
        m_units->addItems({tr("inches"), tr("mm")});
        grid->addWidget(new QLabel(tr("Orientation")), row, 0);
        grid->addWidget(m_orientation, row++, 1);
        grid->addWidget(new QLabel(tr("Units")), row, 0);
        grid->addWidget(m_units, row++, 1);
        m_countLabel = new QLabel(tr("Count"));
        m_count = new QSpinBox;
        m_count->setRange(0, MAX_COUNT);
        m_count->setSpecialValueText(QStringLiteral("\u221E"));
        m_countLabel->hide();
        m_count->hide();
        grid->addWidget(m_countLabel, row, 0);
        grid->addWidget(m_count, row++, 1);
    }
    // Room for the caller's own buttons above OK and Cancel.
    grid->setRowMinimumHeight(row++, paper ? 8 : 40);
    auto *ok = new QPushButton(tr("OK"));
    auto *cancel = new QPushButton(tr("Cancel"));
    ok->setDefault(true);
    grid->addWidget(ok, row, 0);
    grid->addWidget(cancel, row, 1);

    setLines(paper ? 8.5 : 3, paper ? 11 : 2);
    connect(ok, &QPushButton::clicked, this, &CPaperSizeDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &CPaperSizeDlg::OnCancel);
    connect(m_width, &QLineEdit::textEdited, this, &CPaperSizeDlg::OnTextChanged);
    connect(m_height, &QLineEdit::textEdited, this, &CPaperSizeDlg::OnTextChanged);
    if (paper) {
        connect(m_paper, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &CPaperSizeDlg::OnPSCombo);
        connect(m_orientation, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &CPaperSizeDlg::OnOrientationCombo);
        connect(m_units, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &CPaperSizeDlg::OnUnitsCombo);
    }
}

void CPaperSizeDlg::buildPaperList()
{
    for (const PaperPreset &preset : PAPER_PRESETS) {
        if (preset.name)
            m_paper->addItem(QString::fromUtf8(preset.name));
        else
            m_paper->insertSeparator(m_paper->count());
    }
}

void CPaperSizeDlg::setTitleText(const QString &title)
{
    m_title->setText(title);
}

QString CPaperSizeDlg::titleText() const
{
    return m_title->text();
}

void CPaperSizeDlg::setSizeValues(double width, double height)
{
    if (m_units && millimetres())
        setLines(width * MM_PER_INCH, height * MM_PER_INCH);
    else
        setLines(width, height);
    // The orientation says how the given size lies.
    if (m_orientation) {
        const QSignalBlocker quiet(m_orientation);
        m_orientation->setCurrentIndex(width > height ? 1 : 0);
    }
}

QPushButton *CPaperSizeDlg::addButton(const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, this);
    button->setGeometry(geometry);
    return button;
}

void CPaperSizeDlg::showCount(int count)
{
    if (!m_count)
        return;
    m_count->setValue(count);
    m_countLabel->show();
    m_count->show();
}

int CPaperSizeDlg::chosenCount() const
{
    return m_count ? m_count->value() : 0;
}

double CPaperSizeDlg::lineValue(const QLineEdit *line) const
{
    return line->text().trimmed().toDouble();
}

void CPaperSizeDlg::setLines(double width, double height)
{
    if (m_variant == Variant::Card) {
        m_width->setText(QString::number(width));
        m_height->setText(QString::number(height));
        return;
    }
    m_width->setText(twoDecimals(width));
    m_height->setText(twoDecimals(height));
}

bool CPaperSizeDlg::millimetres() const
{
    return m_units && m_units->currentIndex() == 1;
}

void CPaperSizeDlg::OnPSCombo(int index)
{
    if (index < 0 || index >= int(std::size(PAPER_PRESETS)))
        return;
    const PaperPreset &preset = PAPER_PRESETS[index];
    const bool custom = preset.width <= 0;
    m_width->setEnabled(custom);
    m_height->setEnabled(custom);
    if (custom)
        return;
    // The units first (without converting the lines), then the preset's size.
    m_units->blockSignals(true);
    m_units->setCurrentIndex(preset.millimetres ? 1 : 0);
    m_lastUnits = m_units->currentIndex();
    m_units->blockSignals(false);
    setLines(preset.width, preset.height);
    m_orientation->blockSignals(true);
    m_orientation->setCurrentIndex(preset.width > preset.height ? 1 : 0);
    m_orientation->blockSignals(false);
}

void CPaperSizeDlg::OnOrientationCombo(int index)
{
    const double width = lineValue(m_width);
    const double height = lineValue(m_height);
    const bool horizontal = index == 1;
    if ((horizontal && width < height) || (!horizontal && width > height))
        setLines(height, width);
}

void CPaperSizeDlg::OnUnitsCombo(int index)
{
    if (index == m_lastUnits)
        return;
    const double factor = index == 1 ? MM_PER_INCH : 1.0 / MM_PER_INCH;
    m_lastUnits = index;
    setLines(lineValue(m_width) * factor, lineValue(m_height) * factor);
}

void CPaperSizeDlg::OnTextChanged()
{
    // A typed size is a custom size.
    if (m_paper && m_paper->currentIndex() != 0) {
        m_paper->blockSignals(true);
        m_paper->setCurrentIndex(0);
        m_paper->blockSignals(false);
    }
}

void CPaperSizeDlg::OnOk()
{
    double width = lineValue(m_width);
    double height = lineValue(m_height);
    if (m_variant == Variant::Card) {
        m_chosen = QSizeF(std::clamp(width, CARD_MIN, CARD_MAX), std::clamp(height, CARD_MIN, CARD_MAX));
    } else {
        if (millimetres()) {
            width /= MM_PER_INCH;
            height /= MM_PER_INCH;
        }
        m_chosen =
            QSizeF(std::clamp(width, MIN_INCHES, MAX_INCHES), std::clamp(height, MIN_INCHES, MAX_INCHES));
    }
    accept();
}

void CPaperSizeDlg::OnCancel()
{
    reject();
}

void CPaperSizeDlg::OnExit()
{
    reject();
}
