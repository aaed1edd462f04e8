#include "reportviews.h"

#include "app/myqwebengineview.h"
#include "app/windowlayout.h"
#include "document/presentation.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QWebEngineHistory>
#include <QWebEngineSettings>

#include <algorithm>
#include <iterator>

using namespace WindowLayout;

const QString CReportViews::BLANK_PAGE = QStringLiteral("<html><body><p>&nbsp;</p></body></html>");

namespace {
const QUrl REPORT_BASE_URL(QStringLiteral("file://localhost/"));
// The forecast page's switch: its height above the view.
const int SWITCH_HEIGHT = 30;
} // namespace

CReportViews::CReportViews(QWidget *parent)
    : QObject(parent)
    , m_frame(new QWidget(parent))
    , m_guideBack(new QPushButton(QStringLiteral("Back"), parent))
{
    m_frame->setObjectName(QStringLiteral("reportFrame"));
    m_guideBack->setObjectName(QStringLiteral("guideBack"));
    m_guideBack->setGeometry(LEFT_COLUMN_X, 10, 200, 30);
    m_guideBack->setEnabled(false);
    m_guideBack->hide();
    connect(m_guideBack, &QPushButton::clicked, this, [this] {
        if (m_views[Guide])
            m_views[Guide]->back();
    });
    for (int report = 0; report < REPORT_COUNT; ++report)
        m_shown[report] = emptyPage(Report(report));
    buildForecastSwitch();
}

void CReportViews::buildForecastSwitch()
{
    m_forecastSwitch = new QWidget(m_frame);
    m_forecastSwitch->setObjectName(QStringLiteral("forecastSwitch"));
    auto *row = new QHBoxLayout(m_forecastSwitch);
    row->setContentsMargins(0, 2, 0, 4);
    row->setSpacing(6);
    m_forecastChoice = new QButtonGroup(this);
    m_forecastChoice->setExclusive(true);
    const struct
    {
        Report report;
        const char *caption;
        const char *objectName;
    } CHOICES[] = {
        {Numerology, "Numerology Report", "forecastShowsNumerology"},
        {YearAhead, "Year Ahead", "forecastShowsYearAhead"},
    };
    for (const auto &choice : CHOICES) {
        auto *button = new QPushButton(QLatin1String(choice.caption), m_forecastSwitch);
        button->setObjectName(QLatin1String(choice.objectName));
        button->setCheckable(true);
        button->setChecked(choice.report == m_forecastReport);
        button->setMinimumWidth(130);
        m_forecastChoice->addButton(button, int(choice.report));
        row->addWidget(button);
    }
    row->addStretch(1);
    connect(m_forecastChoice, &QButtonGroup::idClicked, this,
            [this](int report) { setForecastReport(Report(report)); });
    m_forecastSwitch->hide();
}

QPushButton *CReportViews::forecastSwitchButton(Report report) const
{
    return qobject_cast<QPushButton *>(m_forecastChoice->button(int(report)));
}

int CReportViews::reportShownOn(int page) const
{
    return page == ForecastPage ? int(m_forecastReport) : reportOfPage(page);
}

void CReportViews::setForecastReport(Report report)
{
    if (report != Numerology && report != YearAhead)
        return;
    m_forecastReport = report;
    if (QAbstractButton *button = m_forecastChoice->button(int(report)))
        button->setChecked(true);
    if (m_shownPage == ForecastPage)
        showPage(m_shownPage, m_shownSize);
}

MyQWebEngineView *CReportViews::ensureView(Report report)
{
    MyQWebEngineView *&view = m_views[report];
    if (view)
        return view;
    view = new MyQWebEngineView(m_frame);
    view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    view->setMaximumWidth(1200);
    view->setStyleSheet(QStringLiteral("background: white;"));
    view->move(1, 1);
    view->hide();
    // A large page may finish without a word; the view's own timer answers then.
    const auto loaded = [this, report] {
        if (report == m_shownReport)
            shownViewLoaded();
    };
    connect(view, QOverload<bool>::of(&MyQWebEngineView::pageLoaded), this, loaded);
    connect(view, QOverload<>::of(&MyQWebEngineView::pageLoaded), this, loaded);
    if (report == Guide)
        connect(view, &QWebEngineView::urlChanged, m_guideBack,
                [this, view] { m_guideBack->setEnabled(view->history()->canGoBack()); });
    fillView(report);
    return view;
}

void CReportViews::fillView(Report report)
{
    MyQWebEngineView *view = m_views[report];
    if (!view)
        return;
    const bool shown = report == m_shownReport;
    if (!shown && m_shownLoading) {
        m_waiting[report] = true;
        return;
    }
    m_waiting[report] = false;
    m_shownLoading = m_shownLoading || shown;
    if (!m_files[report].isEmpty())
        view->load(QUrl::fromLocalFile(m_files[report]));
    else
        view->showHtml(m_shown[report], REPORT_BASE_URL);
}

void CReportViews::shownViewLoaded()
{
    m_shownLoading = false;
    for (int report = 0; report < REPORT_COUNT; ++report)
        if (m_waiting[report])
            fillView(Report(report));
}

int CReportViews::reportOfPage(int page)
{
    switch (page) {
    case NumerologyPage:
    case ForecastPage:
        return Numerology;
    case PsychomatrixPage:
        return Psychomatrix;
    case CompatibilityPage:
        return Compatibility;
    case CelebritiesPage:
        return Celebrities;
    case PetPage:
        return Pet;
    case AdvisorPage:
        return Advisor;
    case GuidePage:
        return Guide;
    default:
        return -1;
    }
}

QWidget *CReportViews::viewOfPage(int page)
{
    const int report = reportShownOn(page);
    return report < 0 ? nullptr : ensureView(Report(report));
}

QString CReportViews::emptyPage(Report report)
{
    struct Hint
    {
        Report report;
        const char *title;
        const char *text;
    };
    // The guide has no hint: it shows a blank page until its manual loads.
    static const Hint HINTS[] = {
        {Numerology, "Welcome to Sorvel Numerology",
         "Press <b>ENTER YOUR NAME</b> at the lower left, type the full name given at birth and the "
         "birth date, then press <b>APPLY</b>. The numbers appear in the panels, and their reading here."},
        {YearAhead, "The year ahead",
         "Once a person has been calculated, the personal year of the forecast date's year, and each of "
         "its months and days, are read here."},
        {Psychomatrix, "The psychomatrix",
         "The square of a birth date and what each of its cells says appear here once a person has been "
         "calculated: press <b>ENTER YOUR NAME</b> at the lower left."},
        {Compatibility, "Love compatibility",
         "Fill in the <b>Partner</b> fields of the input panel as well (the name button at the lower left "
         "opens it) and press <b>APPLY</b>: how the two charts meet is read here."},
        {Celebrities, "Celebrities",
         "Once a person has been calculated, the well-known people who share their numbers are listed "
         "here."},
        {Pet, "Pet numerology",
         "Type your pet's name and birth date into the fields of this page and press <b>CALCULATE</b>."},
        {Advisor, "Name advisor",
         "Type any name (a person, a child, a business) and a date into the fields of this page and press "
         "<b>CALCULATE</b> to see what its numbers say."},
    };
    static_assert(sizeof HINTS / sizeof *HINTS == REPORT_COUNT - 1, "one hint per report view");
    const Hint *hint = std::find_if(std::begin(HINTS), std::end(HINTS),
                                    [report](const Hint &candidate) { return candidate.report == report; });
    if (hint == std::end(HINTS))
        return BLANK_PAGE;
    return withPresentationStyle(QStringLiteral("<html><head><title></title></head><body>"
                                                "<table class=maindoc border=\"0\" width=100%><tr><td>"
                                                "<h2><font>%1</font></h2><p>%2</p>"
                                                "</td></tr></table></body></html>")
                                     .arg(QLatin1String(hint->title), QLatin1String(hint->text)));
}

void CReportViews::show(Report report, const QString &html, bool ok)
{
    m_documents[report] = ok ? html : QString();
    m_shown[report] = ok ? withPresentationStyle(html) : emptyPage(report);
    m_files[report].clear();
    fillView(report);
}

void CReportViews::showBlank()
{
    // The guide shows the manual, which no reset takes away.
    for (int report = 0; report < REPORT_COUNT; ++report)
        if (report != Guide)
            show(Report(report), QString(), false);
}

void CReportViews::showFile(Report report, const QString &path)
{
    m_documents[report].clear();
    m_shown[report].clear();
    m_files[report] = path;
    fillView(report);
}

void CReportViews::showPage(int page, const QSize &size)
{
    m_shownPage = page;
    m_shownSize = size;
    m_shownReport = reportShownOn(page);
    m_shownLoading = false; // what the page showed before no longer holds the others back
    const QWidget *shown = viewOfPage(page);
    if (m_shownReport >= 0 && m_waiting[m_shownReport])
        fillView(Report(m_shownReport));
    if (!m_shownLoading)
        shownViewLoaded();
    m_guideBack->setVisible(m_shownReport == Guide);
    for (MyQWebEngineView *view : m_views) {
        if (view)
            view->setVisible(view == shown);
    }
    resizeShown(page, size);
}

void CReportViews::resizeShown(int page, const QSize &size)
{
    if (page == m_shownPage)
        m_shownSize = size;
    // The forecast page's switch takes the top of its report's room.
    const bool withSwitch = page == ForecastPage;
    const int top = withSwitch ? SWITCH_HEIGHT : 0;
    m_forecastSwitch->setGeometry(1, 1, size.width(), SWITCH_HEIGHT);
    m_forecastSwitch->setVisible(withSwitch);
    if (QWidget *view = viewOfPage(page)) {
        view->move(1, 1 + top);
        view->resize(size.width(), size.height() - top);
    }
}
