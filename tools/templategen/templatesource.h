#pragma once

// A chart template described in JSON (data/templates/*.json), turned into
// a chart document. The keys are listed in data/templates/README.md.

#include "charts/chartdocument.h"

#include <QJsonObject>
#include <QString>

// Fills document from the description; on a bad description sets error
// (naming the item) and returns false.
bool buildTemplate(const QJsonObject &source, ChartDocument &document, QString &error);

// The file name the template is written under (less ".snc").
QString templateFileName(const QJsonObject &source);
