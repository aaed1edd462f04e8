#pragma once

// CInfoExprPlanWidget: the planes of expression - letter counts of the full
// name by Mental, Physical, Emotional and Intuitive (columns) and Creative,
// Dual and Grounded (rows), with the totals of every row and column.
//
// Captions: an empty text, then "Creative", "Dual", "Grounded". Values: the
// twenty texts of the planes value grid, indexed row * 5 + column, column 4
// holding the row total and indices 15 to 18 the column totals.

#include "cinfowidget.h"

#include <QRect>
#include <QVector>

class CInfoExprPlanWidget : public CInfoWidget
{
    Q_OBJECT
public:
    static constexpr int CELL_WIDTH = 120;
    static constexpr int FIRST_CELL_X = 121;

    CInfoExprPlanWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent = nullptr);

    static constexpr int PLANE_VALUES = 20;

    // Twenty empty value texts.
    void clearValues() override;
    void paintPanel(QPainter &painter) override;
    // A cell, header or row caption too wide for its place is drawn without
    // its beginning; this gives it whole.
    QString toolTipAt(const QPoint &pos) const override;
    QSize sizeHint() const override { return QSize(600, 100); }

    // One text of the table and where it stands.
    struct Cell
    {
        QRect rect;
        int alignment;
        QString text;
    };
    // The header, the twelve cells and the three row captions.
    QVector<Cell> cells() const;
};
