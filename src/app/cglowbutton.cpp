#include "cglowbutton.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// The name button's style sheet draws a 1-pixel border with 6-pixel corners.
constexpr qreal CORNER_RADIUS = 6.0;
constexpr qreal BORDER = 1.0;
} // namespace

CGlowButton::CGlowButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
}

void CGlowButton::setGlowColours(const QColor &rest, const QColor &brightest)
{
    m_light = QColor(qMax(0, brightest.red() - rest.red()), qMax(0, brightest.green() - rest.green()),
                     qMax(0, brightest.blue() - rest.blue()));
    update();
}

void CGlowButton::setGlowLevel(qreal level)
{
    level = qBound(0.0, level, 1.0);
    if (qFuzzyCompare(level + 1.0, m_level + 1.0))
        return;
    m_level = level;
    update();
}

void CGlowButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (m_level <= 0.0 || isDown())
        return;
    // Adding the light raises the background to the glow colour at the
    // height of the pulse; the text brightens by as little.
    const QColor light(qRound(m_light.red() * m_level), qRound(m_light.green() * m_level),
                       qRound(m_light.blue() * m_level));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    QPainterPath inside;
    inside.addRoundedRect(QRectF(rect()).adjusted(BORDER, BORDER, -BORDER, -BORDER), CORNER_RADIUS - BORDER,
                          CORNER_RADIUS - BORDER);
    painter.fillPath(inside, light);
}
