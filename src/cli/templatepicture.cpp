#include "templatepicture.h"

#include "charts/chartdocument.h"
#include "charts/chartpicture.h"

#include <QDataStream>
#include <QFile>

bool drawTemplateFile(const QString &path, const ChartDataContext &data, const QSize &size, QImage &picture,
                      QString &error)
{
    picture = QImage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": cannot read: ") + file.errorString();
        return false;
    }
    // The data goes in before the document is read: block views keep the
    // thumbnails drawn while reading.
    ChartDocument document;
    document.dataContext = data;
    QDataStream stream(&file);
    if (document.read(stream) != 0) {
        error = path + QStringLiteral(": not a chart template of version 256 to 263, or a damaged one");
        return false;
    }
    picture = renderChartPicture(document, data, size);
    return true;
}
