#pragma once

// File pictures of a report inlined for the combined PDF and the explanation
// pages. The walk is the one of htmlpictures.h; the pictures are decoded and
// padded, so this needs QtGui.

#include <QString>

// The report with each file picture inlined, padded with 20 white pixels on
// its left and given hspace="50": the form the combined PDF and the
// explanation pages use. A JPEG picture stays JPEG (quality 95), any other
// becomes PNG; a picture that does not load leaves its element out.
QString embedImages(const QString &html);
