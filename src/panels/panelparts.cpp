#include "panelparts.h"

#include "skins/cskintint.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPainter>

namespace panelparts {

QFont panelFont(PanelFace face, int pixelSize, bool bold)
{
    QFont font;
    switch (face) {
    case PanelFace::Arial:
        font.setFamily(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        break;
    case PanelFace::Tahoma:
        font.setFamily(QStringLiteral("Tahoma"));
        font.setStyleHint(QFont::SansSerif);
        break;
    case PanelFace::Courier:
        font.setFamily(QStringLiteral("Courier"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        break;
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel *makeTitleLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setStyleSheet(
        QStringLiteral("QLabel { color:black; font: bold 12px; background:none; border:none; }"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void placeTitleLabel(QLabel *label, const QImage &picture)
{
    label->setGeometry(10, 1, qMax(0, picture.width() - 20), qMax(0, picture.height() - 2));
}

namespace {

// The psychomatrix square as the panels show it: three digit columns with
// their row totals on the right and the column totals and the two diagonals
// in the bottom row.
// clang-format off
const MatrixCell MATRIX_TABLE[MATRIX_CELLS] = {
    // caption           value  digit  column  row      k
    {"Character",        1,     1,     1,      0},  //  0
    {"Health",           4,     4,     2,      0},  //  1
    {"Luck",             7,     7,     3,      0},  //  2
    {"Purposeful",       13,    0,     4,      0},  //  3: row 1-4-7
    {"Energy",           2,     2,     1,      1},  //  4
    {"Intuition",        5,     5,     2,      1},  //  5
    {"Duty",             8,     8,     3,      1},  //  6
    {"Family forming",   14,    0,     4,      1},  //  7: row 2-5-8
    {"Interest",         3,     3,     1,      2},  //  8
    {"Labour",           6,     6,     2,      2},  //  9
    {"Memory",           9,     9,     3,      2},  // 10
    {"Stability",        15,    0,     4,      2},  // 11: row 3-6-9
    {"Self appraisal",   10,    0,     1,      3},  // 12: column 1-2-3
    {"Finance",          11,    0,     2,      3},  // 13: column 4-5-6
    {"Talent",           12,    0,     3,      3},  // 14: column 7-8-9
    {"Spirituality",     16,    0,     4,      3},  // 15: diagonal
    {"Sexual life",      17,    0,     0,      3},  // 16: other diagonal
};
// clang-format on

// Where the panels draw their cells: x of grid columns 0 to 4, y of rows.
const int MATR_CELL_X[5] = {12, 130, 248, 366, 484};
const int COMP_CELL_X[5] = {12, 131, 250, 369, 488};
const int CELL_Y0 = 35;
const int CELL_ROW_STEP = 63;

const QColor MATRIX_BODY(44, 36, 32);
const QColor MATRIX_CELL(61, 49, 41);
const QColor MATRIX_CELL_EDGE(93, 84, 78);
const QColor VALUE_COLOUR("#9cb62d");
const QColor CAPTION_COLOUR("#eddbb2");

QColor mapped(const CSkinTint *skin, const QColor &colour)
{
    return skin ? skin->mapColor(colour) : colour;
}

} // namespace

const MatrixCell &matrixCell(int k)
{
    return MATRIX_TABLE[qBound(0, k, MATRIX_CELLS - 1)];
}

QVector<int> matrixPanelValues(const QVector<int> &psychomatrix)
{
    QVector<int> values(MATRIX_CELLS, 0);
    for (int k = 0; k < MATRIX_CELLS; ++k)
        values[k] = psychomatrix.value(MATRIX_TABLE[k].matrixIndex, 0);
    return values;
}

QVector<int> matrixNumbers(const QVector<int> &values)
{
    QVector<int> out(MATRIX_CELLS, 0);
    for (int k = 0; k < MATRIX_CELLS; ++k)
        out[k] = values.value(k, 0);
    return out;
}

QPoint matrixCellOrigin(int k, bool compatibility)
{
    const MatrixCell &cell = matrixCell(k);
    const int *columnX = compatibility ? COMP_CELL_X : MATR_CELL_X;
    return QPoint(columnX[cell.column], CELL_Y0 + CELL_ROW_STEP * cell.row);
}

void paintMatrixBackground(QPainter &painter, const CSkinTint *skin, const CSkinPicture &title)
{
    // The body first, so a picture smaller than the panel leaves no hole.
    painter.fillRect(0, 0, 600, 291, mapped(skin, MATRIX_BODY));
    if (skin && !skin->matrixImage().isNull()) {
        painter.drawImage(0, 0, skin->matrixImage());
    } else {
        // Without the picture: a plain frame around each cell of the square.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(mapped(skin, MATRIX_CELL_EDGE));
        painter.setBrush(mapped(skin, MATRIX_CELL));
        for (int k = 0; k < MATRIX_CELLS; ++k)
            painter.drawRoundedRect(
                QRectF(QPointF(matrixCellOrigin(k, false)), QSizeF(105, 57)).adjusted(0.5, 2.5, -0.5, 0.5), 5,
                5);
        painter.restore();
    }
    painter.drawImage(0, 0, title.image(skin));
}

void drawMatrixCell(QPainter &painter, const CSkinTint *skin, const QPoint &origin, const QString &caption,
                    const QString &value)
{
    painter.setFont(panelFont(PanelFace::Tahoma, 14, true));
    painter.setPen(mapped(skin, VALUE_COLOUR));
    painter.drawText(QRect(origin.x(), origin.y() + 10, 105, 57), Qt::AlignCenter, value);
    painter.setFont(panelFont(PanelFace::Tahoma, 11));
    painter.setPen(mapped(skin, CAPTION_COLOUR));
    painter.drawText(QRect(origin.x(), origin.y() + 5, 105, 18), Qt::AlignCenter, caption);
}

} // namespace panelparts
