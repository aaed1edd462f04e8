#include "cinfonamewidget.h"

#include "panelparts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace panelparts;

namespace {

const QColor LETTER_PEN(236, 231, 224);
const QColor MASTER_LETTER_PEN(240, 96, 64);

// The name row whose letters stand above and below a row: the full name
// (row 1) for rows 0 to 2, the short name (row 4) for rows 3 to 5.
int nameRowOf(int row)
{
    return row < 3 ? 1 : 4;
}

bool isNameRow(int row)
{
    return row == 1 || row == 4;
}

} // namespace

CInfoNameWidget::CInfoNameWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent)
    : CInfoWidget(skin, titlePicture, parent)
    , m_marker(new QLabel(this))
{
    m_marker->setStyleSheet(
        QStringLiteral("QLabel { background-color: rgba(156, 182, 45, 21%); border: none; }"));
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_marker->resize(CELL_WIDTH, 47);
    m_marker->hide();
    resize(600, 133);
}

void CInfoNameWidget::clearValues()
{
    setCaptions(emptyTexts(NAME_ROWS));
    setValues(emptyTexts(NAME_ROWS));
}

void CInfoNameWidget::setClickable(bool on)
{
    m_clickable = on;
    if (!on)
        m_marker->hide();
    update();
}

void CInfoNameWidget::setWestern(bool on)
{
    m_western = on;
    update();
}

void CInfoNameWidget::setMasterLetterDigits(bool on)
{
    m_masterLetterDigits = on;
    update();
}

bool CInfoNameWidget::letterAt(const QPoint &pos, int *block, int *column) const
{
    // Integer division truncates toward zero, so the three pixels left of
    // the first letter still select it. Nothing above the first digit row
    // (the title picture) selects a letter.
    const int dy = pos.y() - titleHeight() - 2;
    if (dy < 0)
        return false;
    const int b = dy / BLOCK_HEIGHT;
    const int c = (pos.x() - 3) / CELL_WIDTH;
    if (c < 0 || (b != 0 && b != 1))
        return false;
    const int nameRow = b == 0 ? 1 : 4;
    if (c >= captions().value(nameRow).size())
        return false;
    *block = b;
    *column = c;
    return true;
}

void CInfoNameWidget::paintPanel(QPainter &painter)
{
    const int rows = captions().size();
    paintBody(painter, rows);
    for (int i = 0; i < rows; ++i) {
        // The line between the full-name block and the short-name block.
        if (i == 3) {
            painter.setPen(skinColor(OUTER_FRAME));
            painter.drawLine(2, rowTop(3), paintWidth() - 3, rowTop(3));
        }
        paintRow(painter, i);
    }
    paintFrameAndTitle(painter, rows);
}

void CInfoNameWidget::paintRow(QPainter &painter, int row) const
{
    const QString &text = captions().at(row);
    if (text.isEmpty())
        return;
    const int top = rowTop(row);
    const QString name = captions().value(nameRowOf(row)).toUpper();
    const bool masterDigits = m_western && m_masterLetterDigits;
    const QFont letterFont = panelFont(PanelFace::Courier, 12);
    const QFont stackedFont = panelFont(PanelFace::Courier, 10);

    // The grid: one 9 x 16 cell per character.
    for (int j = 0; j < text.size(); ++j) {
        const QRect cell(4 + CELL_WIDTH * j, top, CELL_WIDTH, ROW_HEIGHT);
        const QChar letter = j < name.size() ? name.at(j) : QChar(QLatin1Char(' '));
        const bool master = m_western && (letter == QLatin1Char('K') || letter == QLatin1Char('V'));
        painter.setPen(master ? MASTER_LETTER_PEN : LETTER_PEN);
        if (!isNameRow(row) && master && masterDigits && text.at(j) != QLatin1Char(' ')) {
            // K counts 11 and V 22: the two digits stacked in the cell, on
            // baselines 7 and 15 pixels down, so both stay inside its 16 pixels.
            const QString digit = letter == QLatin1Char('K') ? QStringLiteral("1") : QStringLiteral("2");
            painter.setFont(stackedFont);
            painter.drawText(QPoint(cell.left() + 1, top + 7), digit);
            painter.drawText(QPoint(cell.left() + 1, top + 15), digit);
            continue;
        }
        painter.setFont(letterFont);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, QString(text.at(j)));
    }

    // The calculation line after the row.
    painter.setFont(panelFont(PanelFace::Arial, 12));
    drawPanelText(painter, QPoint(CELL_WIDTH * text.size() + 13, top), values().value(row), false);
}

void CInfoNameWidget::mousePressEvent(QMouseEvent *event)
{
    int block = 0;
    int column = 0;
    if (m_clickable && event->button() == Qt::LeftButton && letterAt(event->pos(), &block, &column))
        emit symbolCliked(block, column);
}

void CInfoNameWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_clickable)
        return;
    int block = 0;
    int column = 0;
    if (letterAt(event->pos(), &block, &column)) {
        m_marker->move(CELL_WIDTH * column + 3, BLOCK_HEIGHT * block + titleHeight() + 2);
        m_marker->show();
    } else {
        m_marker->hide();
    }
}

void CInfoNameWidget::leaveEvent(QEvent *)
{
    m_marker->hide();
}
