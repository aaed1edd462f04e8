#include "chartpicture.h"

#include "chartdocument.h"
#include "chartrenderer.h"
#include "charttemplates.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int EMPTY_PICTURE_PIXELS = 10;
// Keeps four times a side within an int.
constexpr double MAX_PAGE_PIXELS = 100.0 * 1000 * 1000;

QImage whitePicture(const QSize &size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

QSize chartPictureSize(const QSizeF &pageUnits, const QSize &requested)
{
    const double width = std::floor(pageUnits.width() / UNITS_PER_PICTURE_PIXEL);
    const double height = std::floor(pageUnits.height() / UNITS_PER_PICTURE_PIXEL);
    if (!(width >= 1.0 && height >= 1.0 && width <= MAX_PAGE_PIXELS && height <= MAX_PAGE_PIXELS))
        return QSize();
    QSize size{int(width), int(height)};
    if (requested == QSize(0, 0)) {
        size *= EXPORT_PICTURE_FACTOR;
    } else {
        if (requested.width() <= 0 || requested.height() <= 0)
            return QSize();
        size = size.scaled(requested, Qt::KeepAspectRatio);
    }
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > MAX_CHART_PICTURE_PIXELS) {
        const double shrink = std::sqrt(double(MAX_CHART_PICTURE_PIXELS) / double(pixels));
        size = QSize(qMax(1, int(size.width() * shrink)), qMax(1, int(size.height() * shrink)));
    }
    return size.isEmpty() ? QSize() : size;
}

QImage renderChartPicture(const ChartDocument &document, const ChartDataContext &data, const QSize &requested)
{
    if (!document.currentPage)
        return whitePicture(QSize(EMPTY_PICTURE_PIXELS, EMPTY_PICTURE_PIXELS));
    const QSize size = chartPictureSize(document.currentPage->size, requested);
    if (size.isEmpty())
        return QImage();

    QImage picture;
    for (const ChartPage *page : document.allPages()) {
        picture = whitePicture(size);
        QPainter painter(&picture);
        drawPageFitted(painter, *page, QRectF(picture.rect()), data, pictureOptions());
        painter.end();
        // A page with a caption text, record image or barcode uses up the
        // person's record; the others let the walk go on.
        if (page->holdsContentKind({ITEM_CAPTION_TEXT, ITEM_RECORD_IMAGE, ITEM_BARCODE}))
            break;
    }
    return picture;
}

QImage chartPictureFromFile(const QString &path, const ChartDataContext &data, const QSize &requested,
                            QString *error)
{
    ChartTemplateRead read = readChartTemplate(path);
    if (read.status != ChartTemplateRead::Ok) {
        if (error)
            *error = read.reason;
        return QImage();
    }
    // Block views nested in a block draw their thumbnails.
    refreshThumbnails(read.document, data);
    return renderChartPicture(read.document, data, requested);
}
