#pragma once

// The barcode kinds and their text side: names, validation, check characters
// and modules. Needs QtCore alone; the pictures are in barcode.h.

#include <QByteArray>
#include <QString>

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

// The display name of a kind ("Code 39"), empty for an unknown kind.
QString BarcodeKindName(int kind);

// Linear kinds only. The pattern text of text (8-bit bytes): the kept
// characters with check characters and any start and stop characters.
// False when the text cannot be encoded.
bool EncodeBarcode(int kind, const QByteArray &text, QByteArray &pattern);

// True when the symbol of kind carries text whole, as given: EncodeBarcode
// accepts it and neither drops a character the symbology lacks nor puts
// zeros in place of a number of the wrong length. A QR Code carries any
// text that is not empty (whether it fits is the encoder's answer).
bool BarcodeKeepsWholeText(int kind, const QByteArray &text);

// The modules of a pattern text, '1' for a bar and '0' for a space (Postnet:
// '1' a full bar, '0' a half bar). Characters not in the symbology are
// skipped; empty when nothing can be drawn.
QByteArray BarcodeModules(int kind, const QByteArray &pattern);
