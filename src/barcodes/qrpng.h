#pragma once

// A QR symbol as a PNG file, written with libpng: the same pixel colours as
// MakeQrImage (barcode.h) without Qt, so a QR Code on the command line loads
// no Qt library at all.

#include <cstdint>
#include <string>

class CQrEncoder;

// Widest quiet zone a picture may have, in modules.
constexpr int MAX_QUIET_MODULES = 100;

// The PNG bytes of the symbol of a successful EncodeQr call:
// QR_MODULE_PIXELS per module, dark modules in darkRgb (0xRRGGBB) on white,
// framed by quietModules light modules on every side (a chart's picture has
// none; scanners want four), at 100 dots per inch. The file has a two-colour palette,
// one bit a pixel: a tenth of an RGB file's size, and quick to compress.
// Empty without a symbol, for a quiet zone outside 0 to MAX_QUIET_MODULES
// or when libpng fails.
std::string QrPngBytes(const CQrEncoder &encoder, std::uint32_t darkRgb, int quietModules = 0);

// Encodes text (length bytes) as every QR picture of ours has it: level L,
// the smallest version that fits, the mask chosen by penalty. False when the
// text is empty or does not fit.
bool EncodeSymbolText(CQrEncoder &encoder, const char *text, int length);

// The QR Code of text (its bytes, UTF-8 for any text beyond ASCII) as a
// chart draws it, as PNG: level L, the smallest version that fits, the mask
// chosen by penalty. Empty when the text is empty or does not fit.
std::string QrCodePng(const std::string &text, std::uint32_t darkRgb, int quietModules = 0);
