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

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

class CQrEncoder;

// Barcode kinds, in the order of the designer's list.
enum BarcodeKind {
    BARCODE_QR = 0,
    BARCODE_CODABAR = 1,
    BARCODE_CODE128 = 2, // code set B
    BARCODE_CODE39 = 3,
    BARCODE_CODE93 = 4,
    BARCODE_EAN13 = 5, // with an optional 2- or 5-digit add-on
    BARCODE_EAN8 = 6,
    BARCODE_ITF = 7, // Interleaved 2 of 5
    BARCODE_MSI = 8,
    BARCODE_POSTNET = 9,
    BARCODE_UPCA = 10,
    BARCODE_KIND_COUNT = 11,
};

// Longest text (in bytes of its 8-bit form) a linear barcode accepts.
constexpr int MAX_BARCODE_TEXT = 500;

// Image geometry.
constexpr int QR_MODULE_PIXELS = 10;     // each QR module is 10 x 10 pixels
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

// The display name of a kind ("Code 39"), empty for an unknown kind.
QString BarcodeKindName(int kind);

// The QR symbol of a successful EncodeQr call: QR_MODULE_PIXELS per module,
// dark modules in color on white, no quiet zone. Null without a symbol.
QImage MakeQrImage(const CQrEncoder &encoder, const QColor &color);

// Linear kinds only. The pattern text of text (8-bit bytes): the kept
// characters with check characters and any start and stop characters.
// False when the text cannot be encoded.
bool EncodeBarcode(int kind, const QByteArray &text, QByteArray &pattern);

// The modules of a pattern text, '1' for a bar and '0' for a space (Postnet:
// '1' a full bar, '0' a half bar). Characters not in the symbology are
// skipped; empty when nothing can be drawn.
QByteArray BarcodeModules(int kind, const QByteArray &pattern);

// The image of a pattern text; null when nothing can be drawn. The printed
// text under the bars needs a QGuiApplication; without one the image has
// the bars only.
QImage DrawBarcode(int kind, const QByteArray &pattern, const QColor &color);
