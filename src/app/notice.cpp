#include "notice.h"

#include "skins/cskintint.h"

#include <QLabel>
#include <QTimer>

QLabel *showNotice(QWidget *window, const CSkinTint *skin, const QString &text)
{
    auto *label = window->findChild<QLabel *>(QStringLiteral("notice"), Qt::FindDirectChildrenOnly);
    if (!label) {
        label = new QLabel(window);
        label->setObjectName(QStringLiteral("notice"));
        label->setAlignment(Qt::AlignCenter);
        auto *timer = new QTimer(label);
        timer->setObjectName(QStringLiteral("noticeTimer"));
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, label, &QWidget::hide);
    }
    const auto colour = [skin](const char *base) {
        return skin ? skin->mapColor(base).name() : QString::fromLatin1(base);
    };
    label->setStyleSheet(QStringLiteral("QLabel#notice { background: %1; color: %2; border: 1px solid %3;"
                                        " border-radius: 4px; padding: 4px 12px; font: 12px \"Arial\"; }")
                             .arg(colour("#44372f"), colour("#eddbb2"), colour("#9cb62d")));
    label->setText(text);
    label->adjustSize();
    const int width = qMin(label->width(), window->width() - 20);
    label->resize(width, label->height());
    label->move((window->width() - width) / 2, window->height() - label->height() - 12);
    label->show();
    label->raise();
    label->findChild<QTimer *>(QStringLiteral("noticeTimer"))->start(NOTICE_MILLISECONDS);
    return label;
}
