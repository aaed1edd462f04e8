#include "htmlpictures.h"
#include "picturepaths.h"

#include "document/presentation.h"

#include <QFile>
#include <QTextStream>

using namespace picturepaths;

namespace {

// The table line height a saved report gets, so it reads as in the window.
const QString SAVED_REPORT_STYLE =
    QStringLiteral("<style type=\"text/css\"> body table { line-height: 20px;  }</style>");

QByteArray fileBase64(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll().toBase64();
}

} // namespace

void writeHtmlWithImages(const QString &html, QTextStream &out)
{
    const QStringList parts = html.split(IMG_SRC);
    out << parts.first();
    for (int i = 1; i < parts.size(); ++i) {
        const QStringList segments = parts.at(i).split(QUOTE);
        if (segments.size() < 2)
            continue; // a piece without a quote names no picture
        const QString &path = segments.first();
        if (path.endsWith(QLatin1String("png"), Qt::CaseInsensitive))
            out << QLatin1String("<img src=\"data:image/png;base64,");
        else if (path.endsWith(QLatin1String("jpg"), Qt::CaseInsensitive))
            out << QLatin1String("<img src=\"data:image/jpg;base64,");
        out << QLatin1String(fileBase64(localPath(path))) << afterPath(segments);
    }
}

QByteArray savedReportHtml(const QString &report)
{
    QString styled = report;
    styled.replace(QLatin1String("</head>"), SAVED_REPORT_STYLE + QLatin1String("</head>"));
    styled = withPresentationStyle(styled);
    QByteArray bytes;
    QTextStream out(&bytes, QIODevice::WriteOnly);
    out.setCodec("UTF-8");
    writeHtmlWithImages(styled, out);
    out.flush();
    return bytes;
}
