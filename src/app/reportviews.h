#pragma once

// The report views of the pages, in one frame beside the panels. Each view
// keeps the document it shows, so the export reads exactly what the user
// sees; the pages that share a view (numerology and forecast) share its
// document.
//
// A web view costs a renderer process of its own, so a view is made (and
// given the page it should show) only when its page is first shown; until
// then only the page is kept. The report the user looks at loads first: a
// hidden view is given its new page once the shown one has loaded, or when
// its own page is shown, whichever comes first.
//
// The forecast page has a switch at its top between the numerology report
// and the year-ahead reading; the view under it shows the one chosen.

#include "reports/reportkinds.h"

#include <QObject>
#include <QSize>
#include <QString>

class MyQWebEngineView;
class QButtonGroup;
class QPushButton;
class QWidget;

class CReportViews : public QObject
{
    Q_OBJECT
public:
    // One view per document kind of reports/reportkinds.h, numbered as the
    // kinds are, then the guide's.
    enum Report {
        Numerology = NumerologyReport,
        YearAhead = YearAheadReport,
        Psychomatrix = PsychomatrixReport,
        Compatibility = CompatibilityReport,
        Celebrities = CelebritiesReport,
        Pet = PetReport,
        Advisor = AdvisorReport,
        Guide = REPORT_DOCUMENT_COUNT,
        REPORT_COUNT
    };
    // The view of a document kind.
    static Report viewOf(ReportKind kind) { return Report(int(kind)); }

    // A page that shows nothing yet.
    static const QString BLANK_PAGE;
    // What a report's page shows before there is a report: a short hint in
    // the reports' own presentation, saying what to do.
    static QString emptyPage(Report report);

    explicit CReportViews(QWidget *parent);

    QWidget *frame() const { return m_frame; }
    // "Back" in the Guide page's left column: back to the manual page a
    // link came from; shown with the guide only, enabled when there is one.
    QPushButton *guideBack() const { return m_guideBack; }
    // The report's view; null while its page was never shown.
    MyQWebEngineView *view(Report report) const { return m_views[report]; }
    // The report a page shows by default; -1 for the chart page, which has none.
    static int reportOfPage(int page);
    // The report a page shows now: the forecast page's switch decides there.
    int reportShownOn(int page) const;
    // The forecast page's choice, Numerology or YearAhead; the page shows it
    // at once when it is the page shown.
    void setForecastReport(Report report);
    Report forecastReport() const { return m_forecastReport; }
    // The switch at the top of the forecast page, for the skin and tests.
    QWidget *forecastSwitch() const { return m_forecastSwitch; }
    QPushButton *forecastSwitchButton(Report report) const;
    // The page's view, made now if need be; null for the chart page.
    QWidget *viewOfPage(int page);

    // Shows a document; without one (a failed calculation) the page shows
    // its hint.
    void show(Report report, const QString &html, bool ok = true);
    // Every report blank; the guide keeps the manual.
    void showBlank();
    // Shows a file (the guide's manual) instead of a document.
    void showFile(Report report, const QString &path);
    // The document a view shows; empty for a file or a hint.
    QString document(Report report) const { return m_documents[report]; }
    // The page the view was last given, hint or styled report.
    QString shownHtml(Report report) const { return m_shown[report]; }

    // The page's view shows at the given size; the others hide.
    void showPage(int page, const QSize &size);
    // The page's view (made if need be) and the forecast page's switch take
    // the new size of the report's room.
    void resizeShown(int page, const QSize &size);

private:
    MyQWebEngineView *ensureView(Report report);
    // Hands the view what the report should show now, if the view exists;
    // a hidden one waits while the shown one is loading.
    void fillView(Report report);
    // The shown view has loaded: the waiting views take their pages.
    void shownViewLoaded();
    void buildForecastSwitch();

    QWidget *m_frame;
    QWidget *m_forecastSwitch = nullptr;
    QButtonGroup *m_forecastChoice = nullptr;
    Report m_forecastReport = Numerology;
    int m_shownPage = -1;
    QSize m_shownSize;
    QPushButton *m_guideBack;
    MyQWebEngineView *m_views[REPORT_COUNT] = {};
    QString m_documents[REPORT_COUNT];
    QString m_shown[REPORT_COUNT];
    QString m_files[REPORT_COUNT]; // a file shown instead of a page
    bool m_waiting[REPORT_COUNT] = {};
    int m_shownReport = -1;
    bool m_shownLoading = false;
};
