#pragma once

// CInfoTodayWidget: the personal day of the forecast date in large type with
// the personal month and year beside it, always visible at the window's lower
// right. Values 0, 1 and 2 hold the year text ("2024 (8)"), the month text
// ("Jun (5)") and the personal day ("6"). A press anywhere on it emits
// clicked(), which opens the day text drawer.

#include "cinfowidget.h"

class CInfoTodayWidget : public CInfoWidget
{
    Q_OBJECT
public:
    // picture: the today panel's picture, drawn at (0, 0) in the skin's colours.
    CInfoTodayWidget(const CSkinTint *skin, const QImage &picture, QWidget *parent = nullptr);

    // The title names the date shown: "Today", or the date itself.
    void setTitle(const QString &title);
    QString title() const { return m_title; }

    void paintPanel(QPainter &painter) override;
    QSize sizeHint() const override { return QSize(180, 104); }
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_title = QStringLiteral("Today");
};
