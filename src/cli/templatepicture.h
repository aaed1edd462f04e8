#pragma once

// What chart-image and pdf share: a chart template file drawn with a
// person's numbers, as the chart page draws it.

#include "charts/chartdatacontext.h"

#include <QImage>
#include <QSize>
#include <QString>

// Reads the chart template at path and draws its picture for data at size
// (0 x 0: the export's size). A file that cannot be read or is refused
// leaves picture null, sets error to "PATH: why" and returns false.
bool drawTemplateFile(const QString &path, const ChartDataContext &data, const QSize &size, QImage &picture,
                      QString &error);
