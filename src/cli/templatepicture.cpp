#include "templatepicture.h"

#include "charts/chartpicture.h"
#include "charts/chartrenderer.h"
#include "charts/charttemplates.h"
#include "commands.h"

#include <QTextStream>

int readTemplateFile(const QString &command, const QString &path, ChartDocument &document)
{
    ChartTemplateRead read = readChartTemplate(path);
    // Whatever keeps the template from being read is a failure of the run,
    // as for every file a command reads.
    QString why = read.reason;
    switch (read.status) {
    case ChartTemplateRead::Ok:
        document = std::move(read.document);
        return EXIT_OK;
    case ChartTemplateRead::Refused:
    case ChartTemplateRead::CannotRead:
        why = QStringLiteral("cannot read: ") + read.reason;
        break;
    case ChartTemplateRead::NotTemplate:
        break;
    }
    QTextStream(stderr) << "sorvel-cli: " << command << ": " << path << ": " << why << "\n";
    return EXIT_FAILED;
}

int drawTemplateFile(const QString &command, const QString &path, const ChartDataContext &data,
                     const QSize &size, QImage &picture)
{
    picture = QImage();
    ChartDocument document;
    if (const int status = readTemplateFile(command, path, document))
        return status;
    // Block views nested in a block draw their thumbnails.
    refreshThumbnails(document, data);
    picture = renderChartPicture(document, data, size);
    return EXIT_OK;
}
