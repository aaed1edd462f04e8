#include "pageanimator.h"

#include <QPropertyAnimation>
#include <QWidget>

#include <algorithm>

using namespace WindowLayout;

CPageAnimator::CPageAnimator(QObject *parent)
    : QObject(parent)
{
}

void CPageAnimator::addLeftPanel(QWidget *widget, const QVector<int> &pages, int y)
{
    m_panels.append({widget, pages, y, NamePanel, true});
}

void CPageAnimator::addBottomPanel(QWidget *widget, int page, BottomPanel which)
{
    m_panels.append({widget, {page}, 0, which, false});
}

void CPageAnimator::stop()
{
    for (QPropertyAnimation *animation : qAsConst(m_animations))
        animation->stop();
    qDeleteAll(m_animations);
    m_animations.clear();
}

bool CPageAnimator::isSliding() const
{
    for (const QPropertyAnimation *animation : m_animations)
        if (animation->state() == QAbstractAnimation::Running)
            return true;
    return false;
}

void CPageAnimator::animate(QWidget *widget, const QPoint &target, int duration, const QEasingCurve &curve)
{
    auto *animation = new QPropertyAnimation(widget, "pos", this);
    animation->setDuration(duration);
    animation->setEasingCurve(curve);
    animation->setEndValue(target);
    animation->start();
    m_animations.append(animation);
}

QHash<QWidget *, int> CPageAnimator::leftColumnFor(int page, const QSize &window) const
{
    QVector<const SlidingPanel *> column;
    for (const SlidingPanel &panel : m_panels)
        if (panel.leftColumn && panel.pages.contains(page))
            column.append(&panel);
    std::sort(column.begin(), column.end(),
              [](const SlidingPanel *a, const SlidingPanel *b) { return a->y < b->y; });
    QVector<QPair<int, int>> places;
    for (const SlidingPanel *panel : column)
        places.append({panel->y, panel->widget->height()});
    const QVector<int> ys = leftColumnYs(places, window);
    QHash<QWidget *, int> byWidget;
    for (int i = 0; i < column.size(); ++i)
        byWidget.insert(column[i]->widget, ys[i]);
    return byWidget;
}

void CPageAnimator::slideTo(int page, const QSize &window, bool animated)
{
    QEasingCurve inCurve(QEasingCurve::OutBack);
    inCurve.setOvershoot(0.5);
    const int bandX = bottomBandX(window);
    const QHash<QWidget *, int> columnYs = leftColumnFor(page, window);
    for (const SlidingPanel &panel : qAsConst(m_panels)) {
        const bool here = panel.pages.contains(page);
        QPoint target;
        int duration;
        QEasingCurve curve;
        if (panel.leftColumn) {
            target = QPoint(here ? LEFT_COLUMN_X : PARKED_LEFT_X, columnYs.value(panel.widget, panel.y));
            duration = here ? 500 : 166;
            curve = here ? inCurve : QEasingCurve(QEasingCurve::InBack);
        } else {
            target = QPoint(bandX, here ? bottomBandShownY(panel.bottom, window)
                                        : bottomBandHiddenY(panel.bottom, window));
            duration = here ? 700 : 300;
            curve = here ? inCurve : QEasingCurve(QEasingCurve::Linear);
        }
        if (animated && panel.widget->pos() != target)
            animate(panel.widget, target, duration, curve);
        else
            panel.widget->move(target);
    }
}
