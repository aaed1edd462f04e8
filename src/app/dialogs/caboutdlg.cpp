#include "caboutdlg.h"

#include "app/cskinmanager.h"
#include "app/openlink.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

const char *const CAboutDlg::VERSION_TEXT = "Version 7.8.0";

QString CAboutDlg::noticesPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/third-party-notices.txt");
}

CAboutDlg::CAboutDlg(const CSkinManager *skin, const QImage &logo, QWidget *parent)
    : QDialog(parent)
    , m_logo(logo)
{
    setFixedSize(400, 220);
    setWindowTitle(QStringLiteral("About"));
    const int w = width();
    const int h = height();
    auto *visit = new QPushButton(QStringLiteral("Visit Sorvel"), this);
    visit->setObjectName(QStringLiteral("visitButton"));
    visit->setGeometry(w / 2 - 135, h - 40, 120, 30);
    connect(visit, &QPushButton::clicked, this, &CAboutDlg::OnVisit);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setGeometry(w / 2 + 15, h - 40, 120, 30);
    connect(close, &QPushButton::clicked, this, &CAboutDlg::OnOk);
    // Between the version line and the buttons: the licences of the parts
    // made by others (Qt, the web engine), in the file beside the program.
    // The link in the skin's accent colour: the default link blue is lost on
    // the darker skins.
    const QColor linkColour = skin ? skin->mapColor("#9cb62d") : QColor(156, 182, 45);
    auto *notices = new QLabel(
        QStringLiteral("<a href=\"%1\"><span style=\"color: %2;\">Third-party notices and licences</span></a>")
            .arg(QUrl::fromLocalFile(noticesPath()).toString(), linkColour.name()),
        this);
    notices->setObjectName(QStringLiteral("noticesLink"));
    notices->setAlignment(Qt::AlignCenter);
    notices->setGeometry(0, h - 72, w, 22);
    connect(notices, &QLabel::linkActivated, this, [](const QString &link) { openLink(QUrl(link)); });
    if (skin) {
        // The emblem's backdrop follows the skin like every other picture.
        m_logo = skin->tintImage(m_logo);
        skin->applyStyle(this, CSkinManager::KIND_WINDOW);
        skin->applyStyle(visit, CSkinManager::KIND_DEFAULT);
        skin->applyStyle(close, CSkinManager::KIND_DEFAULT);
    }
    if (QWidget *owner = parentWidget()) {
        const QRect area = owner->window()->geometry();
        move(qMax(0, area.x() + (area.width() - w) / 2), qMax(0, area.y() + (area.height() - h) / 2));
    }
}

void CAboutDlg::paintFace(QPainter &painter) const
{
    const int w = width();
    const int h = height();
    painter.save();
    // The emblem fits the space above the name, whatever size its picture has.
    if (!m_logo.isNull()) {
        const QSize size = m_logo.size().scaled(w - 40, h - 126 - 30 - 6, Qt::KeepAspectRatio).boundedTo(m_logo.size());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint((w - size.width()) / 2, 30), size), m_logo);
    }
    painter.setPen(QColor(156, 182, 45));
    painter.setFont(QFont(QStringLiteral("Arial"), 16));
    painter.drawText(QRect(0, h - 126, w, 26), Qt::AlignCenter, QStringLiteral("Sorvel Numerology"));
    painter.setFont(QFont(QStringLiteral("Arial"), 11));
    painter.drawText(QRect(0, h - 100, w, 24), Qt::AlignCenter, QLatin1String(VERSION_TEXT));
    painter.restore();
}

void CAboutDlg::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    paintFace(painter);
}

void CAboutDlg::OnVisit()
{
    accept();
}

void CAboutDlg::OnOk()
{
    close();
}
