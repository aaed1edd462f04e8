#pragma once

// The linear symbologies' shared types and entry points. Internal to
// src/barcodes; the public face is barcode.h.
//
// Every symbology file provides two functions with the same signatures:
//
//   bool EncodeX(const QByteArray &text, QByteArray &pattern)
//       validate and add check characters: the pattern text, or false.
//   bool LayoutX(const QByteArray &pattern, BarLayout &layout)
//       the modules and printed text of each pattern character, in drawing
//       order; false when the pattern cannot be drawn.
//
// barcode_patterns.cpp registers them in one table indexed by barcode kind.

#include <QByteArray>
#include <QString>
#include <QVector>

// One drawn piece of a symbol: its modules ('1' bar, '0' space) and the
// text printed centred under them (empty: nothing printed).
struct BarElement
{
    QByteArray modules;
    QString label;
};
using BarLayout = QVector<BarElement>;

bool EncodeCodabar(const QByteArray &text, QByteArray &pattern);
bool LayoutCodabar(const QByteArray &pattern, BarLayout &layout);
bool EncodeCode128(const QByteArray &text, QByteArray &pattern);
bool LayoutCode128(const QByteArray &pattern, BarLayout &layout);
bool EncodeCode39(const QByteArray &text, QByteArray &pattern);
bool LayoutCode39(const QByteArray &pattern, BarLayout &layout);
bool EncodeCode93(const QByteArray &text, QByteArray &pattern);
bool LayoutCode93(const QByteArray &pattern, BarLayout &layout);
bool EncodeEan13(const QByteArray &text, QByteArray &pattern);
bool LayoutEan13(const QByteArray &pattern, BarLayout &layout);
bool EncodeEan8(const QByteArray &text, QByteArray &pattern);
bool LayoutEan8(const QByteArray &pattern, BarLayout &layout);
bool EncodeUpcA(const QByteArray &text, QByteArray &pattern);
bool LayoutUpcA(const QByteArray &pattern, BarLayout &layout);
bool EncodeItf(const QByteArray &text, QByteArray &pattern);
bool LayoutItf(const QByteArray &pattern, BarLayout &layout);
bool EncodeMsi(const QByteArray &text, QByteArray &pattern);
bool LayoutMsi(const QByteArray &pattern, BarLayout &layout);
bool EncodePostnet(const QByteArray &text, QByteArray &pattern);
bool LayoutPostnet(const QByteArray &pattern, BarLayout &layout);

// The layout of a pattern text of a linear kind; false for another kind or
// a pattern that cannot be drawn.
bool LayoutBarcode(int kind, const QByteArray &pattern, BarLayout &layout);

// Helpers shared by the symbology files (barcode_patterns.cpp).

// Modules of a width string such as "131112": alternating bar and space
// widths, starting with a bar.
QByteArray ModulesFromWidths(const char *widths);
// Modules of a narrow/wide string such as "000110100" ('0' narrow, '1'
// wide), starting with a bar; a wide element is wideModules modules.
QByteArray ModulesFromNarrowWide(const char *elements, int wideModules);
// The bytes of text that are in allowed, in order.
QByteArray KeepBytes(const QByteArray &text, const char *allowed);
QByteArray KeepDigits(const QByteArray &text);
bool AllDigits(const QByteArray &text);
