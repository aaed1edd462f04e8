#include "cchartnumerology.h"

#include <QPainter>

CChartNumerology::CChartNumerology(QObject *parent)
    : QObject(parent)
{
}

void CChartNumerology::SetPicture(const QImage &picture)
{
    m_picture = picture;
    m_working = QImage();
    if (picture.isNull())
        return;
    m_working = QImage(picture.size(), QImage::Format_ARGB32);
    m_working.fill(Qt::white);
    drawStoredOnWorking();
}

void CChartNumerology::ResetChart()
{
    if (!m_working.isNull())
        drawStoredOnWorking();
}

void CChartNumerology::drawStoredOnWorking()
{
    QPainter painter(&m_working);
    painter.drawImage(0, 0, m_picture);
}
