#include "reportassembly.h"

#include "document/presentation.h"
#include "export/pdfpictures.h"

#include <QBuffer>
#include <QLocale>
#include <QPageSize>

namespace {
// The logo is shown at most this many pixels wide and high.
const int COVER_LOGO_SIZE = 160;
} // namespace

const QString REPORT_PAGE_BREAK = QStringLiteral("<p style=\"page-break-after: always;  \"></p>");

namespace {

QString pngBase64(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QLatin1String(png.toBase64());
}

} // namespace

ReportSelection::ReportSelection()
{
    for (bool &flag : chosen)
        flag = true;
}

namespace {

bool takesPart(const ReportSet &reports, const ReportSelection &selection, ReportKind kind)
{
    return (!isChoosable(kind) || selection[kind]) && reports[kind].size() >= MIN_REPORT_LENGTH;
}

} // namespace

bool hasChosenReport(const ReportSet &reports, const ReportSelection &selection)
{
    for (int kind = 0; kind < REPORT_DOCUMENT_COUNT; ++kind)
        if (takesPart(reports, selection, ReportKind(kind)))
            return true;
    return false;
}

QString assembleAllReports(const ReportSet &reports, const ReportSelection &selection)
{
    QString combined;
    for (int i = 0; i < REPORT_DOCUMENT_COUNT; ++i) {
        const ReportKind kind = ReportKind(i);
        if (isChoosable(kind) && !selection[kind])
            continue;
        const QString &document = reports[kind];
        const QString report = reportKind(kind).embedPictures ? embedImages(document) : document;
        // The chart closes the walk, so every report is followed by a break,
        // even when nothing comes after it. The length rule counts the
        // report itself, not the presentation added to it.
        if (report.size() >= MIN_REPORT_LENGTH)
            combined += withPresentationStyle(report) + REPORT_PAGE_BREAK;
    }
    if (selection[ChartReport] && !reports.chart.isNull())
        combined += chartPictureHtml(reports.chart);
    return combined;
}

QStringList includedReportTitles(const ReportSet &reports, const ReportSelection &selection, bool chaldean)
{
    QStringList titles;
    for (int kind = 0; kind < REPORT_DOCUMENT_COUNT; ++kind)
        if (takesPart(reports, selection, ReportKind(kind)))
            titles << reportTitle(ReportKind(kind), chaldean);
    if (selection[ChartReport] && !reports.chart.isNull())
        titles << reportTitle(ChartReport, chaldean);
    return titles;
}

QString coverPageHtml(const CoverPage &cover, const QStringList &readings)
{
    const QString name = cover.clientName.toHtmlEscaped();
    QString html = QLatin1String("<html><head><title>Numerology reading for ") + name +
                   QLatin1String("</title></head><body><div class=\"cover\">") +
                   QLatin1String("<p class=\"cover-kicker\">Numerology reading for</p>") +
                   QLatin1String("<h1 class=\"cover-name\">") + name + QLatin1String("</h1>");
    if (cover.birthDate.isValid())
        html += QLatin1String("<p class=\"cover-birth\">born ") +
                QLocale::c().toString(cover.birthDate, QStringLiteral("d MMMM yyyy")) + QLatin1String("</p>");
    if (!readings.isEmpty()) {
        html += QLatin1String("<p class=\"cover-heading\">In this reading</p><ul class=\"cover-contents\">");
        for (const QString &reading : readings)
            html += QLatin1String("<li>") + reading.toHtmlEscaped() + QLatin1String("</li>");
        html += QLatin1String("</ul>");
    }
    if (cover.madeOn.isValid())
        html += QLatin1String("<p class=\"cover-date\">Prepared on ") +
                QLocale::c().toString(cover.madeOn, QStringLiteral("d MMMM yyyy")) + QLatin1String("</p>");
    if (!cover.numerologist.isEmpty()) {
        html += QLatin1String("<div class=\"cover-practitioner\">");
        if (!cover.logo.isNull()) {
            const QSize shown = cover.logo.size().boundedTo(QSize(COVER_LOGO_SIZE, COVER_LOGO_SIZE));
            const QSize fitted = cover.logo.size().scaled(shown, Qt::KeepAspectRatio);
            html += QLatin1String("<img class=\"cover-logo\" width=\"") + QString::number(fitted.width()) +
                    QLatin1String("\" height=\"") + QString::number(fitted.height()) +
                    QLatin1String("\" src=\"data:image/png;base64,") + pngBase64(cover.logo) +
                    QLatin1String("\">");
        }
        html += QLatin1String("<p class=\"cover-numerologist\">") + cover.numerologist.toHtmlEscaped() +
                QLatin1String("</p>");
        if (!cover.numerologistContact.isEmpty())
            html += QLatin1String("<p class=\"cover-contact\">") + cover.numerologistContact.toHtmlEscaped() +
                    QLatin1String("</p>");
        html += QLatin1String("</div>");
    }
    return withPresentationStyle(html + QLatin1String("</div></body></html>")) + REPORT_PAGE_BREAK;
}

QString assembleClientDocument(const ReportSet &reports, const ReportSelection &selection, bool chaldean,
                               const CoverPage &cover, bool coverAlways)
{
    const QStringList readings = includedReportTitles(reports, selection, chaldean);
    const QString body = assembleAllReports(reports, selection);
    const bool withCover = coverAlways ? !readings.isEmpty() : readings.size() > 1;
    return withCover ? coverPageHtml(cover, readings) + body : body;
}

QString chartPictureHtml(const QImage &chart)
{
    // The page shows the picture at the fitted size; the data keeps up to
    // three times as many pixels, so the chart prints sharp rather than at
    // screen resolution.
    const QSize shown = chart.size().scaled(CHART_MAX_WIDTH, CHART_MAX_HEIGHT, Qt::KeepAspectRatio);
    const QSize kept = shown * CHART_PRINT_SCALE;
    const QImage data = chart.width() > kept.width() || chart.height() > kept.height()
                            ? chart.scaled(kept, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            : chart;
    return QLatin1String("<p style=\"text-align: center;\" >") +
           QLatin1String("<img align=\"middle\" vertical-align=\"middle\" ") + QLatin1String("width=\"") +
           QString::number(shown.width()) + QLatin1String("\" height=\"") + QString::number(shown.height()) +
           QLatin1String("\" src=\"") + QLatin1String("data:image/png;base64,") + pngBase64(data) +
           QLatin1String("\"></p>");
}

QPageLayout allReportsPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0.6, 0.6, 0.6, 0.7),
                       QPageLayout::Inch, QMarginsF(0, 0, 0, 0));
}
