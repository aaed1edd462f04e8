#include "qrpng.h"

#include "qrencoder.h"

#include <png.h>

#include <csetjmp>
#include <memory>
#include <vector>

namespace {

// Qt writes its pictures at 100 dots per inch; a QR file from the command
// line says the same as one saved from a chart.
const png_uint_32 DOTS_PER_METRE = 3937;

void appendToBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto *bytes = static_cast<std::string *>(png_get_io_ptr(png));
    bytes->append(reinterpret_cast<const char *>(data), length);
}

void flushNothing(png_structp)
{
}

// One pixel row of a module row, one bit a pixel: palette entry 1 (dark)
// for a dark module, 0 (white) for a light one, each module
// QR_MODULE_PIXELS wide, after quiet light modules; y outside the symbol
// is a row of the quiet zone.
std::vector<png_byte> moduleRow(const CQrEncoder &encoder, int y, int quiet)
{
    const int size = encoder.symbolSize();
    std::vector<png_byte> row((size_t(size + 2 * quiet) * QR_MODULE_PIXELS + 7) / 8, 0);
    if (y < 0 || y >= size)
        return row;
    for (int x = 0; x < size; ++x) {
        if (!encoder.isDark(x, y))
            continue;
        for (int i = 0; i < QR_MODULE_PIXELS; ++i) {
            const int pixel = (x + quiet) * QR_MODULE_PIXELS + i;
            row[size_t(pixel / 8)] |= png_byte(0x80 >> (pixel % 8));
        }
    }
    return row;
}

// Writes the picture; false when libpng reports an error. Kept apart from
// QrPngBytes so the long jump of an error passes no object with a destructor.
bool writePng(png_structp png, png_infop info, const CQrEncoder &encoder, std::uint32_t darkRgb, int quiet,
              std::string &bytes)
{
    const int size = encoder.symbolSize() + 2 * quiet;
    std::vector<std::vector<png_byte>> rows(static_cast<size_t>(size));
    for (int y = 0; y < size; ++y)
        rows[size_t(y)] = moduleRow(encoder, y - quiet, quiet);
    png_color palette[2] = {{255, 255, 255},
                            {png_byte(darkRgb >> 16), png_byte(darkRgb >> 8), png_byte(darkRgb)}};
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, &bytes, appendToBytes, flushNothing);
    const png_uint_32 pixels = png_uint_32(size * QR_MODULE_PIXELS);
    png_set_IHDR(png, info, pixels, pixels, 1, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette, 2);
    png_set_pHYs(png, info, DOTS_PER_METRE, DOTS_PER_METRE, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (int y = 0; y < size; ++y) {
        // Every pixel row of a module row is the same row.
        for (int i = 0; i < QR_MODULE_PIXELS; ++i)
            png_write_row(png, rows[size_t(y)].data());
    }
    png_write_end(png, info);
    return true;
}

} // namespace

std::string QrPngBytes(const CQrEncoder &encoder, std::uint32_t darkRgb, int quietModules)
{
    if (encoder.symbolSize() == 0 || quietModules < 0 || quietModules > MAX_QUIET_MODULES)
        return std::string();
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return std::string();
    png_infop info = png_create_info_struct(png);
    std::string bytes;
    const bool written = info && writePng(png, info, encoder, darkRgb, quietModules, bytes);
    png_destroy_write_struct(&png, &info);
    return written ? bytes : std::string();
}

bool EncodeSymbolText(CQrEncoder &encoder, const char *text, int length)
{
    return length > 0 && encoder.EncodeQr(QR_LEVEL_L, 0, true, -1, text, length);
}

std::string QrCodePng(const std::string &text, std::uint32_t darkRgb, int quietModules)
{
    const auto encoder = std::make_unique<CQrEncoder>();
    if (!EncodeSymbolText(*encoder, text.data(), int(text.size())))
        return std::string();
    return QrPngBytes(*encoder, darkRgb, quietModules);
}
