#include "cinfotodaywidget.h"

#include "panelparts.h"

#include <QPainter>

using namespace panelparts;

CInfoTodayWidget::CInfoTodayWidget(const CSkinTint *skin, const QImage &picture, QWidget *parent)
    : CInfoWidget(skin, picture, parent)
{
    setCaptions({QStringLiteral("Years"), QStringLiteral("Months"), QStringLiteral("Days")});
    setCursor(Qt::PointingHandCursor);
    resize(180, 104);
}

void CInfoTodayWidget::paintPanel(QPainter &painter)
{
    painter.drawImage(0, 0, skinnedTitlePicture());
    if (values().size() >= 3) {
        painter.setPen(skinColor(QColor("#eddbb2")));
        painter.setFont(panelFont(PanelFace::Arial, 32, true));
        painter.drawText(QPoint(40, 60), values().at(2));
        painter.setFont(panelFont(PanelFace::Arial, 12, true));
        painter.drawText(QPoint(90, 40), values().at(1));
        painter.drawText(QPoint(90, 60), values().at(0));
    }
    painter.setPen(skinColor(QColor("#9cb62d")));
    painter.setFont(panelFont(PanelFace::Arial, 12, true));
    painter.drawText(QRect(15, 0, 165, 25), Qt::AlignCenter, m_title);
}

void CInfoTodayWidget::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    update();
}

void CInfoTodayWidget::mousePressEvent(QMouseEvent *)
{
    emit clicked();
}
