#include "windowlayout.h"

namespace WindowLayout {

QRect reportRect(int page, const QSize &window)
{
    const int w = window.width();
    const int h = window.height();
    if (page == ChartPage)
        return QRect(10, 10, w - 209, h - 70);

    int x = REPORT_X;
    int width = w - 415;
    if (width > MAX_REPORT_WIDTH) {
        width = MAX_REPORT_WIDTH;
        x = REPORT_X + (w - 1439) / 2;
    }
    switch (page) {
    case NumerologyPage:
    case ForecastPage:
        return QRect(x, 10, width, h - 265);
    case PsychomatrixPage:
    case CompatibilityPage:
        return QRect(x, 10, width, h - 314);
    case PetPage:
        return QRect(x, 10, width, h - 110);
    case AdvisorPage:
        return QRect(x, 280, width, h - 285);
    case CelebritiesPage:
    case GuidePage:
    default:
        return QRect(x, 10, width, h - 20);
    }
}

QRect reportFrameRect(const QRect &report)
{
    return QRect(report.x() + 1, report.y() + 1, report.width() - 2, report.height() - 2 + 50);
}

int bottomBandX(const QSize &window)
{
    return (window.width() - 1024) / 2 + 220;
}

// Panels below another one keep a fixed distance from it.
int bottomBandShownY(BottomPanel panel, const QSize &window)
{
    const int h = window.height();
    switch (panel) {
    case NamePanel:
    case CalendarPanel:
        return h - 249;
    case PlanesPanel:
        return h - 249 + 141;
    case EssencePanel:
        return h - 249 + 94;
    case MatrixPanel:
    case CompMatrixPanel:
        return h - 298;
    case PetNamePanel:
        return h - 95;
    }
    return h;
}

// Parked panels wait 1000 pixels lower than where they show.
int bottomBandHiddenY(BottomPanel panel, const QSize &window)
{
    return bottomBandShownY(panel, window) + 1000;
}

QRect moduleColumnRect(const QSize &window)
{
    return QRect(window.width() - 190, 10, 180, window.height() - 160);
}

QPoint todayPanelPos(const QSize &window)
{
    return QPoint(window.width() - 190, window.height() - 110);
}

QPoint imageButtonPos(ImageButton button, const QSize &window)
{
    //                          save print reset menu about
    static const int RIGHT[] = { 190, 160, 120,  70,  30 };
    return QPoint(window.width() - RIGHT[button], window.height() - 140);
}

int moduleButtonY(int page)
{
    // Buttons top to bottom: Numerology, Psycho Matrix, Forecast, Love
    // Compatibility, Celebrities, Pet, Graphic Chart, Name Advisor, Guide.
    //                          page: 0   1    2    3    4    5    6    7    8
    static const int Y[PAGE_COUNT] = { 0, 80, 240, 320, 400, 480, 560, 160, 640 };
    return (page >= 0 && page < PAGE_COUNT) ? Y[page] : 0;
}

} // namespace WindowLayout
