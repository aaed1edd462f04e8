#pragma once

// The rows of the designer's property table for one element, and writing
// edited rows back. Plain values, no widgets: the table (CPropertiesWidget)
// shows them and the tests check them directly. Which rows an element has
// is its kind's entry in the element table (chartelements.cpp); how each
// row is shown and written back is one entry of the table here:
//
//   content                 rows
//   free text ("#text")     Text, Color, Font, Frame, Frame Color
//   picture                 Frame, Frame Color
//   block view              Order #, Frame, Frame Color
//   barcode                 Field, Bar code, Text, Color, Alignement
//   text field              Color, Font, Alignement, Frame, Frame Color
//   charts (11 to 15)       Color, Font, Alignement, Frame, Frame Color, Background, Opacity

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct ChartItem;
struct ChartPage;

struct PropertyRow
{
    enum Kind { Line, Choice, Colour, Font };

    QString name;
    Kind kind = Line;
    QVariant value;      // QString (Line), int index (Choice), QColor, QFont
    QStringList choices; // Choice only

    bool operator==(const PropertyRow &other) const
    {
        return name == other.name && kind == other.kind && value == other.value && choices == other.choices;
    }
    bool operator!=(const PropertyRow &other) const { return !(*this == other); }
};
using PropertyRows = QVector<PropertyRow>;

// The alignment choices and the values they store.
extern const char *const ALIGNMENT_CHOICES[3];
int alignmentChoiceIndex(int alignment);
int alignmentFromChoice(int index);
// The barcode kinds in the order of the "Bar code" row (the index is the kind).
QStringList barcodeKindNames();
// The opacity step (0 to 10) a background alpha shows as.
int opacityStep(int alpha);

// The rows for frame's content; none for a frame without content.
// A block view's "Order #" renumbers the page's block views 0, 1, ... first.
PropertyRows propertyRowsFor(ChartItem &frame, ChartPage &page);
// The geometry every element shows below its own rows: "X (mm)", "Y (mm)"
// (the top-left corner of what it covers on the page), "Width (mm)",
// "Height (mm)" (its own size, before any turn) and "Angle" (degrees).
PropertyRows geometryRowsFor(const ChartItem &frame);
// Writes edited geometry rows back: the element takes the size (its
// covered corner staying), turns about its centre to the angle and moves;
// a row that was not changed changes nothing. Sizes below 1 mm and values
// that are not numbers are ignored.
void applyGeometryRows(ChartItem &frame, const PropertyRows &rows);

// Writes rows (as propertyRowsFor made them, values edited) back into
// frame's content. A changed "Order #" moves the block view among the
// page's block views.
void applyPropertyRows(ChartItem &frame, ChartPage &page, const PropertyRows &rows);
