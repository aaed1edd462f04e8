#include "painterboard.h"

#include <QPainter>
#include <QResizeEvent>

namespace {

// Room left around the picture, so the page's edge stays visible.
const int PICTURE_MARGIN = 6;
// A resize waits this long for the next before drawing a sharp picture.
const int SETTLE_MS = 150;
// The note: a headline and a few lines of text, centred.
const int NOTE_WIDTH = 420;
const int HEADLINE_PIXELS = 16;
const int TEXT_PIXELS = 12;

QRect insideMargin(const QRect &area)
{
    return area.adjusted(PICTURE_MARGIN, PICTURE_MARGIN, -PICTURE_MARGIN, -PICTURE_MARGIN);
}

} // namespace

CPainterBoard::CPainterBoard(QWidget *parent)
    : QWidget(parent)
{
    setStyleSheet(QStringLiteral("QWidget, QLabel { background:none; border:none; }"));
    m_settle.setSingleShot(true);
    m_settle.setInterval(SETTLE_MS);
    connect(&m_settle, &QTimer::timeout, this, &CPainterBoard::invalidate);
}

void CPainterBoard::setRenderer(Renderer renderer)
{
    m_renderer = std::move(renderer);
    invalidate();
}

void CPainterBoard::setColours(const QColor &headline, const QColor &text, const QColor &edge)
{
    m_headline = headline;
    m_text = text;
    m_edge = edge;
    update();
}

void CPainterBoard::invalidate()
{
    m_stale = true;
    update();
}

void CPainterBoard::renderIfStale()
{
    if (!m_stale)
        return;
    m_stale = false;
    m_note.clear();
    const QRect inner = insideMargin(rect());
    if (!m_renderer || inner.isEmpty()) {
        m_picture = QImage();
        return;
    }
    // Drawn for the screen's pixels, shown at the widget's size.
    const qreal ratio = devicePixelRatioF();
    m_renderedFor = inner.size();
    m_picture = m_renderer(inner.size() * ratio, &m_note);
    if (!m_picture.isNull())
        m_picture.setDevicePixelRatio(ratio);
}

void CPainterBoard::paintEvent(QPaintEvent *)
{
    // Only a board on screen paints: this is where a stale picture is made.
    if (!m_settle.isActive())
        renderIfStale();
    QPainter painter(this);
    paintBoard(painter, rect());
}

void CPainterBoard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (insideMargin(rect()).size() == m_renderedFor)
        return;
    // Without a picture, or off screen, there is nothing to scale meanwhile.
    if (m_picture.isNull() || !isVisible())
        invalidate();
    else
        m_settle.start();
}

void CPainterBoard::paintBoard(QPainter &painter, const QRect &area) const
{
    if (m_picture.isNull())
        paintNote(painter, area);
    else
        paintPicture(painter, area);
}

// The picture scaled to the space, aspect kept, centred, one pixel larger
// than its scaled size on every side, with a thin edge around the page.
void CPainterBoard::paintPicture(QPainter &painter, const QRect &area) const
{
    const QRect inner = insideMargin(area);
    const QSize scaled = (QSizeF(m_picture.size()) / m_picture.devicePixelRatioF())
                             .toSize()
                             .scaled(inner.size(), Qt::KeepAspectRatio);
    if (scaled.isEmpty())
        return;
    const QRect target(inner.x() + (inner.width() - scaled.width()) / 2 - 1,
                       inner.y() + (inner.height() - scaled.height()) / 2 - 1, scaled.width() + 2,
                       scaled.height() + 2);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
    painter.setPen(QPen(m_edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
    painter.restore();
}

// The note: its first line as a headline, the rest as text under it.
void CPainterBoard::paintNote(QPainter &painter, const QRect &area) const
{
    if (m_note.isEmpty())
        return;
    const QString headline = m_note.section(QLatin1Char('\n'), 0, 0);
    const QString text = m_note.section(QLatin1Char('\n'), 1);
    const int width = qMin(NOTE_WIDTH, area.width() - 2 * PICTURE_MARGIN);
    const int left = area.x() + (area.width() - width) / 2;
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

    painter.save();
    QFont headlineFont(QStringLiteral("Arial"));
    headlineFont.setPixelSize(HEADLINE_PIXELS);
    headlineFont.setBold(true);
    QFont textFont(QStringLiteral("Arial"));
    textFont.setPixelSize(TEXT_PIXELS);
    const QRect headlineBox =
        QFontMetrics(headlineFont).boundingRect(QRect(0, 0, width, area.height()), flags, headline);
    const QRect textBox =
        text.isEmpty() ? QRect()
                       : QFontMetrics(textFont).boundingRect(QRect(0, 0, width, area.height()), flags, text);
    const int gap = text.isEmpty() ? 0 : 8;
    // The two blocks together stand a little above the middle.
    int top = area.y() + (area.height() - headlineBox.height() - gap - textBox.height()) * 2 / 5;

    painter.setFont(headlineFont);
    painter.setPen(m_headline);
    painter.drawText(QRect(left, top, width, headlineBox.height()), flags, headline);
    top += headlineBox.height() + gap;
    if (!text.isEmpty()) {
        painter.setFont(textFont);
        painter.setPen(m_text);
        painter.drawText(QRect(left, top, width, textBox.height()), flags, text);
    }
    painter.restore();
}
