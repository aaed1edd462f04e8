#pragma once

// The pictures of the shipped chart templates, drawn from a short JSON
// description ("art") instead of being kept as image files:
//
//   {"type": "gradient", "from": "#1F3A5F", "to": "#3C6E91"}
//       a band shading from left to right
//   {"type": "wheel", "colour": "#B08D57"}
//       the nine digits on a ring, joined by a nine-pointed star
//   {"type": "rule", "colour": "#B08D57"}
//       a thin line with a diamond at its middle, to divide sections
//   {"type": "panel", "fill": "#FFFFFF", "border": "#D8CBB0", "radius": 12}
//       a rounded card behind a group of elements
//
// Every picture is drawn at the given size in units times the resolution
// (pixels per unit) on a transparent background. Pictures cost memory in
// every program that reads the template, so each is drawn no finer than it
// needs: a gradient stays smooth at half a pixel per unit, lines and
// lettering want two. Texts belong in text items, which stay sharp.

#include <QImage>
#include <QJsonObject>
#include <QSizeF>
#include <QString>

// Draws art at size units; on a bad description sets error and returns a
// null image.
QImage drawArtwork(const QJsonObject &art, const QSizeF &size, double pixelsPerUnit, QString &error);
