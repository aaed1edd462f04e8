#pragma once

// What template, chart-image and pdf share: a chart template file read
// through the one template reader, and drawn with a person's numbers as the
// chart page draws it.

#include "charts/chartdatacontext.h"

#include <QImage>
#include <QSize>
#include <QString>

class ChartDocument;

// Reads the chart template at path into document. On failure prints
// "sorvel-cli: COMMAND: PATH: why" and returns the exit status: 1 for a
// file that is refused unread (not a regular file, or too large), 2 for one
// that cannot be read or is not a template of version 256 to 263.
int readTemplateFile(const QString &command, const QString &path, ChartDocument &document);

// Reads the template at path and draws its picture for data at size (0 x 0:
// the export's size) into picture. Returns 0, or the status of
// readTemplateFile after its message (picture then null).
int drawTemplateFile(const QString &command, const QString &path, const ChartDataContext &data,
                     const QSize &size, QImage &picture);
