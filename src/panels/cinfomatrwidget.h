#pragma once

// CInfoMatrWidget: the person's psychomatrix, a 3 x 3 square of the digits 1
// to 9 - each cell shows its digit as often as it occurs, such as 111 - with
// the totals of every row, column and diagonal. Cells and totals highlight
// under the pointer and report a click by item number (5 * row + column of
// the grid, so items 0, 5 and 10, the empty left cells, never do).
//
// The panel holds 17 numbers in its own order (see panelparts.cpp);
// setMatrix takes the 18 psychomatrix values and picks them.

#include <QImage>
#include <QVector>
#include <QWidget>

#include "skins/cskintint.h"

class QLabel;

class CInfoMatrWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ITEM_WIDTH = 108;
    static constexpr int ITEM_HEIGHT = 55;
    static constexpr int NO_ITEM = -1;

    CInfoMatrWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const;
    QLabel *titleLabel() const { return m_titleLabel; }
    void setTitlePicture(const QImage &picture);

    // The 17 panel numbers (missing ones are 0).
    void setValues(const QVector<int> &values);
    const QVector<int> &values() const { return m_values; }
    // The 18 psychomatrix values: digit counts 0 to 9, then the line sums.
    void setMatrix(const QVector<int> &psychomatrix);
    // The hover flag: items highlight under the pointer and take clicks.
    void setHoverEnabled(bool on);
    bool hoverEnabled() const { return m_hover; }

    // The text a cell shows: the digit repeated for a digit cell, the number
    // for a total, "-" for nothing.
    QString cellText(int k) const;
    // The active item under a point, or NO_ITEM.
    static int itemAt(const QPoint &pos);
    static QRect itemRect(int item);

    void paintPanel(QPainter &painter);
    QSize sizeHint() const override { return QSize(600, 291); }
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void itemCliked(int idx);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    const CSkinTint *m_skin;
    CSkinPicture m_title;
    QLabel *m_titleLabel;
    QVector<int> m_values;
    bool m_hover = false;
    bool m_mouseOutside = true;
    QPoint m_hoverPos{-1, -1};
};
