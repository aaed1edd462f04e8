#include "reportassembly.h"

#include "document/presentation.h"
#include "export/pdfpictures.h"

#include <QBuffer>
#include <QPageSize>

const QString REPORT_PAGE_BREAK = QStringLiteral("<p style=\"page-break-after: always;  \"></p>");

namespace {

// One report of the walk: whether it is chosen, and whether its file
// pictures are inlined (the pet report has none).
struct Entry
{
    const QString *document;
    bool chosen;
    bool embed;
};

QString pngBase64(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QLatin1String(png.toBase64());
}

} // namespace

QString assembleAllReports(const ReportSet &reports, const ReportSelection &selection)
{
    const Entry entries[] = {
        {&reports.numerology, selection.numerology, true},
        {&reports.psychomatrix, selection.psychomatrix, true},
        {&reports.compatibility, selection.compatibility, true},
        {&reports.celebrities, selection.celebrities, true},
        {&reports.pet, true, false},
        {&reports.advisor, true, true},
    };
    QString combined;
    for (const Entry &entry : entries) {
        if (!entry.chosen)
            continue;
        const QString report = entry.embed ? embedImages(*entry.document) : *entry.document;
        // The chart closes the walk, so every report is followed by a break,
        // even when nothing comes after it. The length rule counts the
        // report itself, not the presentation added to it.
        if (report.size() >= MIN_REPORT_LENGTH)
            combined += withPresentationStyle(report) + REPORT_PAGE_BREAK;
    }
    if (selection.graphicChart && !reports.chart.isNull())
        combined += chartPictureHtml(reports.chart);
    return combined;
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
