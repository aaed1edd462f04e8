#pragma once

// The name button: a push button that can glow to call for attention. The
// glow is painted over the styled button as a light added to every pixel,
// so a step of the pulse repaints this one button and never restyles it.

#include <QColor>
#include <QPushButton>

class CGlowButton : public QPushButton
{
    Q_OBJECT
public:
    CGlowButton(const QString &text, QWidget *parent);

    // The button's background colour at rest and at the height of the glow;
    // the difference is the light the glow adds.
    void setGlowColours(const QColor &rest, const QColor &brightest);
    // 0: at rest, 1: the height of the glow.
    void setGlowLevel(qreal level);
    qreal glowLevel() const { return m_level; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_light; // brightest minus rest, per channel
    qreal m_level = 0.0;
};
