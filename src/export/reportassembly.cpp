#include "reportassembly.h"

#include "document/presentation.h"
#include "export/pdfpictures.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

QList<DocumentPart> reportParts(const ReportSet &reports, const ReportSelection &selection, bool chaldean)
{
    QList<DocumentPart> parts;
    for (int i = 0; i < REPORT_DOCUMENT_COUNT; ++i) {
        const ReportKind kind = ReportKind(i);
        if (isChoosable(kind) && !selection[kind])
            continue;
        const QString &document = reports[kind];
        const QString report = reportKind(kind).embedPictures ? embedImages(document) : document;
        // The length rule counts the report itself, not the presentation
        // added to it.
        if (report.size() >= MIN_REPORT_LENGTH)
            parts.append({reportTitle(kind, chaldean), withPresentationStyle(report)});
    }
    if (selection[ChartReport] && !reports.chart.isNull())
        parts.append({reportTitle(ChartReport, chaldean), chartPictureHtml(reports.chart)});
    return parts;
}

QString assembleAllReports(const ReportSet &reports, const ReportSelection &selection)
{
    // The chart closes the walk, so every report is followed by a break,
    // even when nothing comes after it.
    QString combined;
    const QList<DocumentPart> parts = reportParts(reports, selection, false);
    for (const DocumentPart &part : parts) {
        const bool chart = selection[ChartReport] && !reports.chart.isNull() && &part == &parts.last();
        combined += chart ? part.html : part.html + REPORT_PAGE_BREAK;
    }
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

namespace {
const QString JOB_MARK = QStringLiteral("<!--sorvel-print-job ");
const QString JOB_END = QStringLiteral(" -->");
} // namespace

QString ClientPrintJob::toFile() const
{
    QJsonArray partList;
    for (const DocumentPart &part : parts)
        partList.append(QJsonObject{{"title", part.title}, {"html", part.html}});
    const QJsonObject job{{"cover", cover},
                          {"parts", partList},
                          {"clientName", clientName},
                          {"title", properties.title},
                          {"author", properties.author},
                          {"creator", properties.creator}};
    // Base64 keeps "--" and any other text of the reports out of the comment.
    return JOB_MARK + QLatin1String(QJsonDocument(job).toJson(QJsonDocument::Compact).toBase64()) + JOB_END +
           QLatin1Char('\n');
}

bool ClientPrintJob::fromFile(const QString &text, ClientPrintJob &job)
{
    if (!text.startsWith(JOB_MARK))
        return false;
    const int end = text.indexOf(JOB_END, JOB_MARK.size());
    if (end < 0)
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromBase64(text.mid(JOB_MARK.size(), end - JOB_MARK.size()).toLatin1()), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    job = ClientPrintJob();
    job.cover = object.value("cover").toString();
    job.clientName = object.value("clientName").toString();
    job.properties.title = object.value("title").toString();
    job.properties.author = object.value("author").toString();
    job.properties.creator = object.value("creator").toString();
    for (const QJsonValue &value : object.value("parts").toArray()) {
        const QJsonObject part = value.toObject();
        job.parts.append({part.value("title").toString(), part.value("html").toString()});
    }
    return true;
}

ClientPrintJob clientPrintJob(const ReportSet &reports, const ReportSelection &selection, bool chaldean,
                              const CoverPage *cover)
{
    ClientPrintJob job;
    job.parts = reportParts(reports, selection, chaldean);
    if (!cover || job.parts.isEmpty())
        return job;
    QStringList readings;
    for (const DocumentPart &part : job.parts)
        readings << part.title;
    job.cover = coverPageHtml(*cover, readings);
    job.cover.chop(REPORT_PAGE_BREAK.size()); // printed on its own
    job.clientName = cover->clientName;
    job.properties = PdfProperties::forClient(cover->clientName, cover->numerologist);
    return job;
}

QString contentsPageHtml(const QList<QPair<QString, int>> &entries)
{
    QString html = QStringLiteral("<html><head><title>Contents</title></head><body><div class=\"contents\">"
                                  "<h1 class=\"contents-heading\">Contents</h1><table class=\"contents-list\">");
    for (const auto &entry : entries)
        html += QLatin1String("<tr><td class=\"contents-title\">") + entry.first.toHtmlEscaped() +
                QLatin1String("</td><td class=\"contents-page\">") + QString::number(entry.second) +
                QLatin1String("</td></tr>");
    return withPresentationStyle(html + QLatin1String("</table></div></body></html>"));
}
