#include "cimagebutton.h"

#include "app/cskinmanager.h"

CImageButton::CImageButton(const QString &picture, QWidget *parent)
    : QPushButton(parent)
    , m_picture(picture)
{
    setObjectName(picture);
    setCursor(Qt::PointingHandCursor);
    setFlat(true);
    setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; padding: 0; }"));
}

void CImageButton::applySkin(const CSkinManager *skin)
{
    m_normal = QPixmap::fromImage(skin->loadTinted(m_picture + QStringLiteral(".png")));
    m_lit = QPixmap::fromImage(skin->loadTinted(m_picture + QStringLiteral("h.png")));
    if (m_lit.isNull())
        m_lit = m_normal;
    if (!m_normal.isNull())
        setIconSize(m_normal.size()); // drawn for the button's size
    setIcon(underMouse() ? m_lit : m_normal);
}

void CImageButton::enterEvent(QEvent *event)
{
    setIcon(m_lit);
    QPushButton::enterEvent(event);
}

void CImageButton::leaveEvent(QEvent *event)
{
    setIcon(m_normal);
    QPushButton::leaveEvent(event);
}
