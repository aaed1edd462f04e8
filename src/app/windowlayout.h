#pragma once

// Geometry of the main window's pages: where the report area of each page
// lies and where the panels of the left column and the bottom band stand,
// for any window size. Pure functions, so the layout is testable without a
// window.

#include <QPair>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

namespace WindowLayout {

enum Page {
    NumerologyPage = 0,
    PsychomatrixPage = 1,
    CompatibilityPage = 2,
    CelebritiesPage = 3,
    PetPage = 4,
    ChartPage = 5,
    AdvisorPage = 6,
    ForecastPage = 7,
    GuidePage = 8,
    PAGE_COUNT = 9
};

const int REPORT_X = 216;
const int MAX_REPORT_WIDTH = 1024;
const int LEFT_COLUMN_X = 8;
const int PARKED_LEFT_X = -300; // left column panels slide out to here

// The report area of a page in a window of the given size.
QRect reportRect(int page, const QSize &window);

// The report frame: the report area shrunk by one pixel on every side, with
// room below for the views' bottom edge.
QRect reportFrameRect(const QRect &report);

// Left edge of the bottom band panels (centred under a 1024-pixel band).
int bottomBandX(const QSize &window);

// Bottom band panels: their y when shown and when parked below the window.
enum BottomPanel { NamePanel, PlanesPanel, MatrixPanel, CompMatrixPanel, CalendarPanel, EssencePanel, PetNamePanel };
int bottomBandShownY(BottomPanel panel, const QSize &window);
int bottomBandHiddenY(BottomPanel panel, const QSize &window);

// The module column and the lower right controls.
QRect moduleColumnRect(const QSize &window);
QPoint todayPanelPos(const QSize &window);

// The image buttons along the bottom right: save, print, reset, menu, about.
enum ImageButton { SaveButton, PrintButton, ResetButton, MenuButton, AboutButton };
QPoint imageButtonPos(ImageButton button, const QSize &window);

// The name button in the lower left corner.
const int NAME_BUTTON_HEIGHT = 80;
const int NAME_BUTTON_MARGIN = 8;

// The left column's panels of one page, given as their resting y and height
// in top to bottom order, keep their places unless the window is too short
// for them above the name button; then the gaps between them shrink (never
// below MIN_LEFT_GAP) so the lowest panel ends above it. Returns the ys.
const int MIN_LEFT_GAP = 4;
QVector<int> leftColumnYs(const QVector<QPair<int, int>> &yAndHeight, const QSize &window);

// The module buttons stand one under the other, 80 pixels high while the
// column has room for all nine. A shorter column shares its height among
// them down to MIN_MODULE_BUTTON_HEIGHT each (at the default 700-pixel
// window all nine show); below that the column scrolls.
const int MODULE_BUTTON_HEIGHT = 80;
const int MIN_MODULE_BUTTON_HEIGHT = 56;
int moduleButtonHeight(const QSize &window);
// The button's icon: 64 x 60 in a full-height button, smaller in step with
// a shorter one.
QSize moduleIconSize(int buttonHeight);

// Y of each module button in the column, by page.
int moduleButtonY(int page, int buttonHeight = MODULE_BUTTON_HEIGHT);

} // namespace WindowLayout
