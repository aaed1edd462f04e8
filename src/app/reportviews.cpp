#include "reportviews.h"

#include "app/myqwebengineview.h"
#include "app/windowlayout.h"
#include "document/presentation.h"

#include <QWebEngineSettings>

using namespace WindowLayout;

const QString CReportViews::BLANK_PAGE = QStringLiteral("<html><body><p>&nbsp;</p></body></html>");

namespace {
const QUrl REPORT_BASE_URL(QStringLiteral("file://localhost/"));
} // namespace

CReportViews::CReportViews(QWidget *parent)
    : QObject(parent)
    , m_frame(new QWidget(parent))
{
    m_frame->setObjectName(QStringLiteral("reportFrame"));
    for (MyQWebEngineView *&view : m_views) {
        view = new MyQWebEngineView(m_frame);
        view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        view->setMaximumWidth(1200);
        view->setStyleSheet(QStringLiteral("background: white;"));
        view->move(1, 1);
    }
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

QWidget *CReportViews::viewOfPage(int page) const
{
    const int report = reportOfPage(page);
    return report < 0 ? nullptr : m_views[report];
}

void CReportViews::show(Report report, const QString &html, bool ok)
{
    m_documents[report] = ok ? html : QString();
    m_views[report]->showHtml(ok ? withPresentationStyle(html) : BLANK_PAGE, REPORT_BASE_URL);
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
    m_views[report]->load(QUrl::fromLocalFile(path));
}

void CReportViews::showPage(int page, const QSize &size)
{
    const QWidget *shown = viewOfPage(page);
    for (MyQWebEngineView *view : m_views) {
        view->setVisible(view == shown);
        if (view == shown)
            view->resize(size);
    }
}
