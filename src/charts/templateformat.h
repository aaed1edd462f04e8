#pragma once

// The template file's fixed parts, shared by its reader and writer.
//
// A template is a Qt data stream (version 12, big-endian):
//
//   header "CorvalaneReportFile->"   as a zero-terminated char string
//   version                          written as 263; 256 to 263 are read
//   title, the integer 1, the first page's thumbnail
//   show grid, snap to grid, show boundaries, grid steps     (from 257; 262)
//   blocks: count, page records                              (from 258)
//   page lists: count, then per list a count and page records
//
// Page and item records lose fields the older the version is; the reader
// (templatereader.cpp) names each version rule where it applies.

#include <QtGlobal>

constexpr char TEMPLATE_HEADER[] = "CorvalaneReportFile->";
constexpr int TEMPLATE_HEADER_BYTES = sizeof(TEMPLATE_HEADER); // with the zero

// The stream version of template files (Qt 4.6).
constexpr int TEMPLATE_STREAM_VERSION = 12;

class QDataStream;
// Sets stream to the template encoding.
void setTemplateEncoding(QDataStream &stream);

// Item flags are stored inverted: the byte 0 means true.
inline qint8 invertedFlag(bool flag)
{
    return flag ? 0 : 1;
}
