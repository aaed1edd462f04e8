#include "cinfomatrwidget.h"

#include "panelparts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace panelparts;

namespace {

// Grid of the matrix panel's items: column and row starts.
const int ITEM_X[5] = {10, 128, 246, 364, 482};
const int ITEM_Y0 = 38;
const int ITEM_ROW_STEP = 63;
const int HIT_HEIGHT = 56; // a click counts from the row start to 94 + 63 * row

// No cell of the square needs more than a dozen digits; a larger count is
// shown cut, so a broken value cannot make a huge text.
const int MAX_REPEAT = 12;

const QColor HIGHLIGHT(130, 106, 92);

bool isActive(int column, int row)
{
    return row == 3 || column >= 1;
}

} // namespace

CInfoMatrWidget::CInfoMatrWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent)
    : QWidget(parent)
    , m_skin(skin)
    , m_title(titlePicture)
    , m_titleLabel(makeTitleLabel(this))
    , m_values(MATRIX_CELLS, 0)
{
    setMouseTracking(true);
    placeTitleLabel(m_titleLabel, titlePicture);
    resize(600, 291);
}

void CInfoMatrWidget::setTitle(const QString &title)
{
    m_titleLabel->setText(title);
}

QString CInfoMatrWidget::title() const
{
    return m_titleLabel->text();
}

void CInfoMatrWidget::setTitlePicture(const QImage &picture)
{
    m_title.setSource(picture);
    placeTitleLabel(m_titleLabel, picture);
    update();
}

void CInfoMatrWidget::setValues(const QVector<int> &values)
{
    m_values = matrixNumbers(values);
    update();
}

void CInfoMatrWidget::setMatrix(const QVector<int> &psychomatrix)
{
    setValues(matrixPanelValues(psychomatrix));
}

void CInfoMatrWidget::setHoverEnabled(bool on)
{
    m_hover = on;
    update();
}

QString CInfoMatrWidget::cellText(int k) const
{
    if (k < 0 || k >= MATRIX_CELLS)
        return QString();
    const MatrixCell &cell = matrixCell(k);
    const int n = m_values.at(k);
    QString text;
    if (cell.digit > 0)
        text = QString(qBound(0, n, MAX_REPEAT), QChar(QLatin1Char('0' + cell.digit)));
    else if (n > 0)
        text = QString::number(n);
    return text.isEmpty() ? QStringLiteral("-") : text;
}

int CInfoMatrWidget::itemAt(const QPoint &pos)
{
    for (int row = 0; row < 4; ++row) {
        const int top = ITEM_Y0 + ITEM_ROW_STEP * row;
        if (pos.y() < top || pos.y() >= top + HIT_HEIGHT)
            continue;
        for (int column = 0; column < 5; ++column)
            if (isActive(column, row) && pos.x() >= ITEM_X[column] - 1 &&
                pos.x() < ITEM_X[column] + ITEM_WIDTH)
                return 5 * row + column;
    }
    return NO_ITEM;
}

QRect CInfoMatrWidget::itemRect(int item)
{
    if (item < 0 || item >= 20)
        return QRect();
    const int row = item / 5;
    const int column = item % 5;
    return QRect(ITEM_X[column], ITEM_Y0 + ITEM_ROW_STEP * row, ITEM_WIDTH, ITEM_HEIGHT);
}

void CInfoMatrWidget::paintPanel(QPainter &painter)
{
    paintMatrixBackground(painter, m_skin, m_title);

    // The item under the pointer, lightly lit.
    if (m_hover && !m_mouseOutside) {
        const int item = itemAt(m_hoverPos);
        if (item != NO_ITEM) {
            QColor light = m_skin ? m_skin->mapColor(HIGHLIGHT) : HIGHLIGHT;
            light.setAlpha(50);
            painter.fillRect(itemRect(item), light);
        }
    }

    for (int k = 0; k < MATRIX_CELLS; ++k)
        drawMatrixCell(painter, m_skin, matrixCellOrigin(k, false), QLatin1String(matrixCell(k).caption),
                       cellText(k));
}

void CInfoMatrWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPanel(painter);
}

void CInfoMatrWidget::mousePressEvent(QMouseEvent *event)
{
    if (!m_hover || m_mouseOutside)
        return;
    const int item = itemAt(event->pos());
    if (item != NO_ITEM)
        emit itemCliked(item);
}

void CInfoMatrWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_hoverPos = event->pos();
    m_mouseOutside = false;
    update();
}

void CInfoMatrWidget::enterEvent(QEvent *)
{
    m_mouseOutside = false;
}

void CInfoMatrWidget::leaveEvent(QEvent *)
{
    m_mouseOutside = true;
    update();
}
