#pragma once

// Symbol images for the chart designer's barcode elements.
//
// MakeBarcodeImage turns an element's text, barcode kind and colour into an
// image, or a null image when the text cannot be encoded. Kind 0 is a QR
// Code (qrencoder.h); kinds 1 to 10 are linear symbologies, one file each
// (barcode_*.cpp), which all run the same steps:
//
//   validate  -> keep the characters the symbology has
//   check     -> add check characters, start and stop: the pattern text
//   modules   -> each pattern character's bars and spaces and printed text
//   image     -> 2 pixels per module, 130 pixels of bars, 20 of text
//
// EncodeBarcode is the first two steps, DrawBarcode the last two.

#include "barcodekinds.h"

#include <QColor>
#include <QImage>

class CQrEncoder;

// Image geometry.
constexpr int BAR_MODULE_PIXELS = 2;     // each linear module is 2 pixels wide
constexpr int BAR_HEIGHT = 130;          // bars run from y = 0 to 130
constexpr int BAR_IMAGE_HEIGHT = 150;    // text band from y = 130 to 150
constexpr int BAR_RIGHT_MARGIN = 5;      // pixels after the last module
constexpr int BAR_LABEL_PIXEL_SIZE = 18; // Arial, in the barcode colour
constexpr int POSTNET_PITCH = 6;         // Postnet: a bar every 6 pixels
constexpr int POSTNET_HEIGHT = 20;       // full bar height
constexpr int POSTNET_SHORT_HEIGHT = 8;  // half bar height

// The symbol image of text as barcode kind, bars in color on white; null
// when the kind is unknown or the text cannot be encoded (empty, no
// character the symbology has, MSI with a non-digit, a linear text longer
// than MAX_BARCODE_TEXT, more data than a QR version 40-L symbol holds).
QImage MakeBarcodeImage(const QString &text, int kind, const QColor &color);

// The QR symbol of a successful EncodeQr call: QR_MODULE_PIXELS per module,
// dark modules in color on white, no quiet zone. Null without a symbol.
QImage MakeQrImage(const CQrEncoder &encoder, const QColor &color);

// The image of a pattern text; null when nothing can be drawn. The printed
// text under the bars needs a QGuiApplication; without one the image has
// the bars only.
QImage DrawBarcode(int kind, const QByteArray &pattern, const QColor &color);
