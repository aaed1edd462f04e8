#pragma once

// CInfoCalendarWidget: twelve consecutive years, months and days from the
// forecast date, each with its personal number. The panel receives the
// finished cell texts ("2024 (3)", "Jun (9)", "21 (3)"; the engine's
// PersonalNumbers::calendar makes them) and only draws them. Until cells are
// set the panel shows only its captions.

#include "cinfowidget.h"

#include <QStringList>

class CInfoCalendarWidget : public CInfoWidget
{
    Q_OBJECT
public:
    static constexpr int COLUMNS = 12;
    static constexpr int CELL_WIDTH = 46;
    static constexpr int FIRST_CELL_X = 44;

    CInfoCalendarWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent = nullptr);

    // The cells of the three rows, at most COLUMNS texts each; texts past
    // COLUMNS are not drawn.
    void setCells(const QStringList &years, const QStringList &months, const QStringList &days);
    // True while no row has a cell: only the captions show.
    bool isBlank() const;
    // Empty values and no cells.
    void clearValues() override;

    // The text of one cell (row 0 years, 1 months, 2 days; column 0 to 11);
    // empty where none was set.
    QString cellText(int row, int column) const;

    void paintPanel(QPainter &painter) override;
    QSize sizeHint() const override { return QSize(600, 90); }

private:
    static constexpr int ROWS = 3;
    QStringList m_cells[ROWS];
};
