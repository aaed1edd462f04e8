#include "cexpandwidget.h"

#include <QLabel>
#include <QPixmap>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTextBrowser>

CExpandWidget::CExpandWidget(const CSkinTint *skin, QWidget *parent, int openWidth, int duration)
    : QWidget(parent)
    , m_skin(skin)
    , m_openWidth(openWidth)
    , m_duration(duration)
    , m_background(new QWidget(this))
    , m_handle(new QLabel(this))
    , m_handleButton(new QPushButton(this))
    , m_text(new QTextBrowser(this))
    , m_animation(new QPropertyAnimation(this, "geometry", this))
{
    m_background->setGeometry(HANDLE_WIDTH, 0, m_openWidth, DRAWER_HEIGHT);
    m_handle->setGeometry(0, 0, 15, DRAWER_HEIGHT);
    m_handleButton->setGeometry(0, 0, 15, DRAWER_HEIGHT);
    m_handleButton->setStyleSheet(QStringLiteral("border: transparent; background: transparent;"));
    m_handleButton->setCursor(Qt::PointingHandCursor);
    m_handleButton->setFocusPolicy(Qt::NoFocus);
    connect(m_handleButton, &QPushButton::clicked, this, &CExpandWidget::slotExpand);

    m_text->setGeometry(25, 12, m_openWidth - 50, DRAWER_HEIGHT - 20);
    m_text->setStyleSheet(QStringLiteral(
        "QTextBrowser { background:transparent; border:transparent; color: #ffffff; font: 14px; }"));
    m_text->setOpenLinks(false);

    m_animation->setDuration(m_duration);
    resize(HANDLE_WIDTH, DRAWER_HEIGHT);
    slotUpdate();
}

void CExpandWidget::setText(const QString &html)
{
    m_text->setHtml(html);
}

QString CExpandWidget::text() const
{
    return m_text->toPlainText();
}

QRect CExpandWidget::openGeometry() const
{
    return QRect(m_anchor.x() - m_openWidth, m_anchor.y(), m_openWidth + HANDLE_WIDTH, DRAWER_HEIGHT);
}

QRect CExpandWidget::closedGeometry() const
{
    return QRect(m_anchor, QSize(HANDLE_WIDTH, DRAWER_HEIGHT));
}

void CExpandWidget::setAnchor(const QPoint &topLeft)
{
    const bool open = m_animation->state() == QAbstractAnimation::Running ? m_opening : isOpen();
    m_animation->stop();
    m_anchor = topLeft + QPoint(width() - HANDLE_WIDTH, 0);
    setGeometry(open ? openGeometry() : closedGeometry());
}

void CExpandWidget::slotExpand()
{
    m_animation->stop();
    m_animation->setDuration(m_duration);
    m_opening = !isOpen();
    m_animation->setStartValue(geometry());
    m_animation->setEndValue(m_opening ? openGeometry() : closedGeometry());
    m_animation->start();
}

void CExpandWidget::slotUpdate()
{
    const QColor background = m_skin ? m_skin->mapColor("#352821") : QColor("#352821");
    m_background->setStyleSheet(
        QStringLiteral("QWidget { background: %1; border: none; }").arg(background.name()));
    const QImage handle = m_skin ? m_skin->handleImage() : QImage();
    if (handle.isNull()) {
        // Without its picture the handle is a plain strip in the button colours.
        const QColor strip = m_skin ? m_skin->mapColor("#54443a") : QColor("#54443a");
        const QColor edge = m_skin ? m_skin->mapColor("#9cb62d") : QColor("#9cb62d");
        m_handle->setPixmap(QPixmap());
        m_handle->setStyleSheet(QStringLiteral("QLabel { background: %1; border: none; "
                                               "border-left: 2px solid %2; }")
                                    .arg(strip.name(), edge.name()));
    } else {
        m_handle->setStyleSheet(QString());
        m_handle->setPixmap(QPixmap::fromImage(handle));
    }
}

void CExpandWidget::paintEvent(QPaintEvent *)
{
    // The drawer is its children; it paints nothing of its own.
}
