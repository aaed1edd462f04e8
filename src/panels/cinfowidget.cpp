#include "cinfowidget.h"

#include "panelparts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStaticText>
#include <QToolTip>

using namespace panelparts;

// Base colours of the panels, mapped through the skin before use.
const QColor CInfoWidget::BODY(65, 53, 46);
const QColor CInfoWidget::HIGHLIGHT(130, 106, 92);
const QColor CInfoWidget::OUTER_FRAME(93, 84, 78);
const QColor CInfoWidget::INNER_FRAME(57, 46, 40);
const QColor CInfoWidget::PEN(236, 231, 224);

namespace {

const QString TEXT_COLOUR_OPEN = QStringLiteral("<font color=\"#ece7e0\">");
const QString MASTER_COLOUR_OPEN = QStringLiteral("<font color=\"#F06040\">");
const QString FONT_CLOSE = QStringLiteral("</font>");

bool isDigitAt(const QString &text, int i)
{
    return i >= 0 && i < text.size() && text.at(i).isDigit();
}

void appendEscaped(QString &out, QChar c)
{
    if (c == QLatin1Char('<'))
        out += QLatin1String("&lt;");
    else if (c == QLatin1Char('>'))
        out += QLatin1String("&gt;");
    else if (c == QLatin1Char('&'))
        out += QLatin1String("&amp;");
    else
        out += c;
}

} // namespace

CInfoWidget::CInfoWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent)
    : QWidget(parent)
    , m_skin(skin)
    , m_title(titlePicture)
    , m_titleLabel(makeTitleLabel(this))
{
    setMouseTracking(true);
    placeTitleLabel(m_titleLabel, titlePicture);
    resize(200, 100);
}

void CInfoWidget::setTitle(const QString &title)
{
    m_titleLabel->setText(title);
}

QString CInfoWidget::title() const
{
    return m_titleLabel->text();
}

void CInfoWidget::setTitlePicture(const QImage &picture)
{
    m_title.setSource(picture);
    placeTitleLabel(m_titleLabel, picture);
    titlePictureChanged();
    update();
}

void CInfoWidget::setCaptions(const QStringList &captions)
{
    m_captions = captions;
    update();
}

void CInfoWidget::setValues(const QStringList &values)
{
    m_values = values;
    update();
}

void CInfoWidget::setValue(int row, const QString &value)
{
    if (row < 0)
        return;
    while (m_values.size() <= row)
        m_values << QString();
    m_values[row] = value;
    update();
}

void CInfoWidget::clearValues()
{
    setValues(emptyTexts(m_captions.size()));
}

void CInfoWidget::setExtraWidth(int extra)
{
    m_extraWidth = extra;
    update();
}

void CInfoWidget::setHoverHighlight(bool on)
{
    m_hoverHighlight = on;
    update();
}

void CInfoWidget::setClickableRows(int limit)
{
    m_clickableRows = limit;
    update();
}

void CInfoWidget::setPlainText(bool plain)
{
    m_plainText = plain;
    update();
}

int CInfoWidget::titleHeight() const
{
    return m_title.source().height();
}

QRect CInfoWidget::bodyRect(int rows) const
{
    return QRect(0, titleHeight(), paintWidth(), ROW_HEIGHT * rows + 6);
}

int CInfoWidget::rowAt(const QPoint &pos) const
{
    const int dy = pos.y() - titleHeight() - 3;
    if (dy < 0)
        return -1;
    const int row = dy / ROW_HEIGHT;
    if (row >= m_captions.size() || row >= m_clickableRows)
        return -1;
    if (pos.x() <= 0 || pos.x() >= paintWidth())
        return -1;
    return row;
}

QString CInfoWidget::panelRichText(const QString &text, bool plain)
{
    QString out = TEXT_COLOUR_OPEN;
    for (int i = 0; i < text.size(); ++i) {
        // A pair of equal digits with no digit on either side is a master number.
        const bool master = !plain && isDigitAt(text, i) && isDigitAt(text, i + 1) &&
                            text.at(i) == text.at(i + 1) && !isDigitAt(text, i - 1) &&
                            !isDigitAt(text, i + 2);
        if (master) {
            out += MASTER_COLOUR_OPEN + text.midRef(i, 2) + FONT_CLOSE;
            ++i;
        } else {
            appendEscaped(out, text.at(i));
        }
    }
    return out + FONT_CLOSE;
}

void CInfoWidget::drawPanelText(QPainter &painter, const QPoint &pos, const QString &text, bool plain)
{
    QStaticText rich(panelRichText(text, plain));
    rich.setTextFormat(Qt::RichText);
    painter.drawStaticText(pos, rich);
}

QString CInfoWidget::fittedText(const QString &text, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    return metrics.elidedText(text, Qt::ElideLeft, width);
}

QString CInfoWidget::toolTipAt(const QPoint &pos) const
{
    const int dy = pos.y() - titleHeight() - 3;
    const int row = dy < 0 ? -1 : dy / ROW_HEIGHT;
    if (row < 0 || row >= m_captions.size() || row >= m_values.size() || pos.x() < VALUE_X)
        return QString();
    const QString &value = m_values.at(row);
    const QFont font = panelFont(PanelFace::Arial, 12);
    return fittedText(value, font, valueWidth()) == value ? QString() : value;
}

bool CInfoWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void CInfoWidget::paintPanel(QPainter &painter)
{
    const int rows = m_captions.size();
    const int width = paintWidth();
    paintBody(painter, rows);

    // Rows: the highlight under the pointer, the caption and the value.
    if (rows > 0 && m_values.size() == rows) {
        const QFont normal = panelFont(PanelFace::Arial, 12);
        const QPoint hover = m_hoverPos;
        for (int i = 0; i < rows; ++i) {
            const int top = rowTop(i);
            if (m_hoverHighlight && !m_mouseOutside && i < m_clickableRows && hover.y() >= top &&
                hover.y() <= top + ROW_HEIGHT - 1)
                painter.fillRect(2, top, width - 2, ROW_HEIGHT, skinColor(HIGHLIGHT));
            painter.setFont(normal);
            drawPanelText(painter, QPoint(4, top), m_captions.at(i), m_plainText);
            // Every value in the captions' font: a long one loses its
            // beginning rather than shrink beside its neighbours.
            drawPanelText(painter, QPoint(VALUE_X, top), fittedText(m_values.at(i), normal, valueWidth()),
                          m_plainText);
        }
    }
    paintFrameAndTitle(painter, rows);
}

void CInfoWidget::paintBody(QPainter &painter, int rows) const
{
    painter.fillRect(bodyRect(rows), skinColor(BODY));
}

void CInfoWidget::paintFrameAndTitle(QPainter &painter, int rows) const
{
    const int t = titleHeight();
    const int width = paintWidth();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(skinColor(OUTER_FRAME));
    painter.drawRect(0, t - 1, width - 1, ROW_HEIGHT * rows + 6);
    painter.setPen(skinColor(INNER_FRAME));
    painter.drawRect(1, t - 1, width - 3, ROW_HEIGHT * rows + 5);
    painter.restore();
    // The title picture goes last, over the frame's top edge.
    painter.drawImage(0, 0, skinnedTitlePicture());
}

QStringList CInfoWidget::emptyTexts(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString();
    return texts;
}

QColor CInfoWidget::skinColor(const QColor &base) const
{
    return m_skin ? m_skin->mapColor(base) : base;
}

QSize CInfoWidget::sizeHint() const
{
    return QSize(200, qMax(100, titleHeight() + ROW_HEIGHT * m_captions.size() + 6));
}

QSize CInfoWidget::minimumSizeHint() const
{
    return QSize(110, titleHeight() + 6);
}

void CInfoWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPanel(painter);
}

void CInfoWidget::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(event->pos());
    if (row >= 0)
        emit itemCliked(row);
}

void CInfoWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_hoverPos = event->pos();
    m_mouseOutside = false;
    update();
}

void CInfoWidget::enterEvent(QEvent *)
{
    m_mouseOutside = false;
}

void CInfoWidget::leaveEvent(QEvent *)
{
    m_mouseOutside = true;
    update();
}
