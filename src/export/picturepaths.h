#pragma once

// The walk shared by the ways a report's file pictures are inlined
// (htmlpictures.h, pdfpictures.h): a report is cut at every IMG_SRC, and the
// text up to the next QUOTE is the picture's path.

#include <QString>
#include <QStringList>

namespace picturepaths {

const QString IMG_SRC = QStringLiteral("<img src=\"");
const QString QUOTE = QStringLiteral("\"");
const QString FILE_SCHEME = QStringLiteral("file:///");

// The local file a picture path names: "file:///" removed in any letter case.
inline QString localPath(QString path)
{
    return path.remove(FILE_SCHEME, Qt::CaseInsensitive);
}

// Everything after the picture's path, each piece behind the quote that
// separated it.
inline QString afterPath(const QStringList &segments)
{
    QString rest;
    for (int i = 1; i < segments.size(); ++i)
        rest += QUOTE + segments.at(i);
    return rest;
}

} // namespace picturepaths
