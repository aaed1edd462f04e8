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
        // Ends above the pet's name panel.
        return QRect(x, 10, width, h - 159);
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
        // The name panel's full height stands above the window's lower margin.
        return h - 143;
    }
    return h;
}

// Parked panels wait 1000 pixels lower than where they show.
int bottomBandHiddenY(BottomPanel panel, const QSize &window)
{
    return bottomBandShownY(panel, window) + 1000;
}

QVector<int> leftColumnYs(const QVector<QPair<int, int>> &yAndHeight, const QSize &window)
{
    // What each gap (above panel i) could give up.
    QVector<int> spare(yAndHeight.size(), 0);
    int totalSpare = 0;
    for (int i = 1; i < yAndHeight.size(); ++i) {
        const int gap = yAndHeight[i].first - (yAndHeight[i - 1].first + yAndHeight[i - 1].second);
        spare[i] = qMax(0, gap - MIN_LEFT_GAP);
        totalSpare += spare[i];
    }
    QVector<int> ys;
    for (const auto &panel : yAndHeight)
        ys.append(panel.first);
    const int limit = window.height() - NAME_BUTTON_HEIGHT - NAME_BUTTON_MARGIN - MIN_LEFT_GAP;
    const int overflow = ys.isEmpty() ? 0 : ys.last() + yAndHeight.last().second - limit;
    if (overflow <= 0 || totalSpare == 0)
        return ys;
    // Every gap gives up the same share of what it can spare; each panel
    // moves up by what the gaps above it gave.
    const double share = qMin(1.0, double(overflow) / totalSpare);
    int given = 0;
    for (int i = 1; i < ys.size(); ++i) {
        given += spare[i];
        ys[i] -= qRound(share * given);
    }
    return ys;
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

int moduleButtonHeight(const QSize &window)
{
    const int share = moduleColumnRect(window).height() / PAGE_COUNT;
    return qBound(MIN_MODULE_BUTTON_HEIGHT, share, MODULE_BUTTON_HEIGHT);
}

QSize moduleIconSize(int buttonHeight)
{
    // 64 x 60 leaves 20 pixels of an 80-pixel button free; a shorter
    // button keeps that margin and the icon's proportions.
    const int height = qMin(60, buttonHeight - 20);
    return QSize(height * 64 / 60, height);
}

int moduleButtonY(int page, int buttonHeight)
{
    // Buttons top to bottom: Numerology, Psycho Matrix, Forecast, Love
    // Compatibility, Celebrities, Pet, Graphic Chart, Name Advisor, Guide.
    //                             page: 0  1  2  3  4  5  6  7  8
    static const int SLOT[PAGE_COUNT] = { 0, 1, 3, 4, 5, 6, 7, 2, 8 };
    return (page >= 0 && page < PAGE_COUNT) ? SLOT[page] * buttonHeight : 0;
}

} // namespace WindowLayout
