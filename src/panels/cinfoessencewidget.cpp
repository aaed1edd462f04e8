#include "cinfoessencewidget.h"

#include "panelparts.h"

#include <QPainter>
#include <QPushButton>

using namespace panelparts;

namespace {

const QColor ODD_COLUMN(78, 64, 55);
const QColor STRIP_LINE(139, 126, 117);
const QColor STRIP_TEXT(236, 231, 224);
const QColor CELL_LINE(104, 90, 81);

const char *const ROW_NAMES[7] = {"Age", "Year", "Physical", "Mental", "Spiritual", "Total", "Essence"};

// Rows of the strip and their tops.
enum StripRow { AGE_ROW, YEAR_ROW, PHYSICAL_ROW, MENTAL_ROW, SPIRITUAL_ROW, TOTAL_ROW, ESSENCE_ROW };
const int STRIP_ROW_Y[7] = {3, 19, 35, 51, 67, 83, 99};
const int LETTERS_Y = 35;
const int TOTAL_Y = 83;

} // namespace

CInfoEssenceWidget::CInfoEssenceWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent)
    : CInfoWidget(skin, titlePicture, parent)
    , m_numbers(ESSENCE_AGES, 0)
    , m_totals(ESSENCE_AGES, 0)
    , m_chart(1800, 120)
    , m_ageButton(new QPushButton(QStringLiteral("< Age >"), this))
{
    setCaptions({QString(), QString(), QString()});
    m_chart.fill(skinColor(BODY));
    m_ageButton->setStyleSheet(
        QStringLiteral("QPushButton { color: #101010; background-color: none; border: none; }"));
    m_ageButton->setFont(panelFont(PanelFace::Arial, 12, true));
    m_ageButton->setCursor(Qt::PointingHandCursor);
    m_ageButton->setFocusPolicy(Qt::NoFocus);
    connect(m_ageButton, &QPushButton::clicked, this, &CInfoEssenceWidget::OnSwitchAge);
    titlePictureChanged();
    resize(600, 148);
}

void CInfoEssenceWidget::clearValues()
{
    setCaptions(emptyTexts(STRIP_ROWS));
    setValues(emptyTexts(STRIP_ROWS));
    setEssence(QVector<int>(), QVector<int>(), 0);
}

void CInfoEssenceWidget::setEssence(const QVector<int> &numbers, const QVector<int> &totals, int birthYear)
{
    for (int a = 0; a < ESSENCE_AGES; ++a) {
        m_numbers[a] = numbers.value(a, 0);
        m_totals[a] = totals.value(a, 0);
    }
    m_birthYear = birthYear;
    updateData();
}

QString CInfoEssenceWidget::stripText(int row, int age) const
{
    if (age < 0 || age >= AGES)
        return QString();
    switch (row) {
    case AGE_ROW:
        return QString::number(age);
    case YEAR_ROW:
        return m_birthYear > 0 ? QString::number((m_birthYear + age) % 100) : QString();
    case PHYSICAL_ROW:
    case MENTAL_ROW:
    case SPIRITUAL_ROW: {
        const QString letters = captions().value(row - PHYSICAL_ROW);
        return age < letters.size() ? QString(letters.at(age)) : QString();
    }
    case TOTAL_ROW:
    case ESSENCE_ROW:
        // Totals and essence go with the transits; without them they are blank.
        if (captions().value(0).isEmpty())
            return QString();
        return QString::number(row == TOTAL_ROW ? m_totals.at(age) : m_numbers.at(age));
    default:
        return QString();
    }
}

void CInfoEssenceWidget::OnSwitchAge()
{
    m_page = (m_page + 1) % PAGES;
    update();
}

void CInfoEssenceWidget::updateData()
{
    QPainter painter(&m_chart);
    updateData(&painter);
    painter.end();
    update();
}

void CInfoEssenceWidget::updateData(QPainter *painter)
{
    const int stripWidth = COLUMN_WIDTH * AGES;
    // Background with every other column a shade lighter.
    painter->fillRect(0, 0, m_chart.width(), ROW_HEIGHT * STRIP_ROWS + 6, skinColor(BODY));
    for (int x = COLUMN_WIDTH; x < stripWidth; x += 2 * COLUMN_WIDTH)
        painter->fillRect(x, 0, COLUMN_WIDTH, ROW_HEIGHT * STRIP_ROWS + 6, skinColor(ODD_COLUMN));

    // A fine line between the columns keeps two-digit numbers apart.
    painter->setPen(skinColor(CELL_LINE));
    for (int x = COLUMN_WIDTH; x < stripWidth; x += COLUMN_WIDTH)
        painter->drawLine(x, 0, x, ROW_HEIGHT * STRIP_ROWS + 3);

    // Texts: numbers in Arial, the transit letters in Courier.
    painter->setPen(STRIP_TEXT);
    const QFont numberFont = panelFont(PanelFace::Arial, 10);
    const QFont letterFont = panelFont(PanelFace::Courier, 12);
    const int flags = Qt::AlignCenter | Qt::TextDontClip;
    for (int row = AGE_ROW; row <= ESSENCE_ROW; ++row) {
        const bool letters = row >= PHYSICAL_ROW && row <= SPIRITUAL_ROW;
        painter->setFont(letters ? letterFont : numberFont);
        for (int a = 0; a < AGES; ++a)
            painter->drawText(QRect(COLUMN_WIDTH * a, STRIP_ROW_Y[row], COLUMN_WIDTH, ROW_HEIGHT), flags,
                              stripText(row, a));
    }

    // Lines under the years and under the letters.
    painter->setPen(skinColor(STRIP_LINE));
    painter->drawLine(0, LETTERS_Y, stripWidth, LETTERS_Y);
    painter->drawLine(0, TOTAL_Y, stripWidth, TOTAL_Y);
}

void CInfoEssenceWidget::paintPanel(QPainter &painter)
{
    paintBody(painter, STRIP_ROWS);
    painter.save();
    painter.setClipRect(bodyRect(STRIP_ROWS).adjusted(STRIP_LEFT, 0, 0, 0));
    painter.translate(STRIP_LEFT - PAGE_SHIFT * m_page, titleHeight());
    painter.drawPixmap(0, 0, m_chart);
    painter.restore();

    // The row names, which do not scroll with the ages.
    painter.setPen(STRIP_TEXT);
    painter.setFont(panelFont(PanelFace::Arial, 9, true));
    for (int row = AGE_ROW; row <= ESSENCE_ROW; ++row)
        painter.drawText(QRect(6, titleHeight() + STRIP_ROW_Y[row], LABEL_WIDTH - 4, ROW_HEIGHT),
                         Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(ROW_NAMES[row]));
    painter.setPen(skinColor(STRIP_LINE));
    painter.drawLine(STRIP_LEFT - 1, titleHeight(), STRIP_LEFT - 1, titleHeight() + ROW_HEIGHT * STRIP_ROWS + 6);
    paintFrameAndTitle(painter, STRIP_ROWS);
}

void CInfoEssenceWidget::titlePictureChanged()
{
    m_ageButton->setGeometry(528, 0, 64, titleHeight());
}
