#pragma once

// The panels that slide with the pages: those of the current page slide in
// (left column) or up (bottom band), all others leave. The animator owns the
// running slides, so none outlives the window.

#include "app/windowlayout.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QVector>

class QEasingCurve;
class QPropertyAnimation;
class QVariant;
class QWidget;

class CPageAnimator : public QObject
{
    Q_OBJECT
public:
    explicit CPageAnimator(QObject *parent = nullptr);

    // A panel of the left column resting at y on the given pages.
    void addLeftPanel(QWidget *widget, const QVector<int> &pages, int y);
    // A panel of the bottom band, shown on one page.
    void addBottomPanel(QWidget *widget, int page, WindowLayout::BottomPanel which);

    // Moves every panel towards its place for the page in a window of the
    // given size; without animation they jump there.
    void slideTo(int page, const QSize &window, bool animated);
    bool isSliding() const;
    void stop();

private:
    struct SlidingPanel
    {
        QWidget *widget;
        QVector<int> pages;
        int y;                            // left column
        WindowLayout::BottomPanel bottom; // bottom band
        bool leftColumn;
    };

    // Where the page's left column panels rest in a window of this size.
    QHash<QWidget *, int> leftColumnFor(int page, const QSize &window) const;
    void animate(QWidget *widget, const QPoint &target, int duration, const QEasingCurve &curve);

    QList<SlidingPanel> m_panels;
    QList<QPropertyAnimation *> m_animations;
};
