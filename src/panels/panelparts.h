#pragma once

// Pieces the chart panels share: their fonts, the title label over the title
// picture, and the cells of the psychomatrix square.

#include <QFont>
#include <QPoint>
#include <QString>
#include <QVector>

class CSkinTint;
class CSkinPicture;
class QImage;
class QLabel;
class QPainter;
class QWidget;

namespace panelparts {

// --- fonts ---
// The three faces the panels draw with, at pixel sizes. A style hint goes
// with each family name, so a machine without the face still picks a font
// of the same kind (a fixed-pitch one for the name grid).
enum class PanelFace { Arial, Tahoma, Courier };
QFont panelFont(PanelFace face, int pixelSize, bool bold = false);

// --- title ---
// The black bold title text over the title picture.
QLabel *makeTitleLabel(QWidget *parent);
// At (10, 1), picture width - 20 by picture height - 2.
void placeTitleLabel(QLabel *label, const QImage &picture);

// --- psychomatrix cells ---
// The 17 cells of the square in the order the panels hold their numbers.
struct MatrixCell
{
    const char *caption;
    int matrixIndex; // index among the 18 psychomatrix values
    int digit;       // 1 to 9 for a digit cell, 0 for a total
    int column;      // grid column 0 to 4
    int row;         // grid row 0 to 3
};
constexpr int MATRIX_CELLS = 17;
constexpr int MATRIX_VALUES = 18; // digit counts 0 to 9 and eight line sums
const MatrixCell &matrixCell(int k);
// The 17 panel numbers from the 18 psychomatrix values; missing ones are 0.
QVector<int> matrixPanelValues(const QVector<int> &psychomatrix);
// Exactly 17 panel numbers: the first 17 given, missing ones 0.
QVector<int> matrixNumbers(const QVector<int> &values);
// Top left of cell k on the matrix panel or, a little wider, on the
// compatibility matrix panel.
QPoint matrixCellOrigin(int k, bool compatibility);
// The skin's matrix picture (the body colour when it is missing), then the
// title picture over it.
void paintMatrixBackground(QPainter &painter, const CSkinTint *skin, const CSkinPicture &title);
// Draws one cell whose top left is origin: the value text in the accent
// colour under the caption, both centred.
void drawMatrixCell(QPainter &painter, const CSkinTint *skin, const QPoint &origin, const QString &caption,
                    const QString &value);

} // namespace panelparts
