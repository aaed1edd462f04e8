// The QR Code encoder: four bytes of settings (level, version, mask,
// growth and character set), then the text.

#include "barcodes/barcode.h"
#include "barcodes/qrencoder.h"
#include "fuzzcheck.h"

#include <cstdint>

namespace {
const int SMALL_VERSION = 2; // 25 x 25 modules, a 250-pixel picture
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The encoder takes length 0 as "up to the first zero byte"; an empty
    // text is not what is fuzzed here.
    const size_t SETTINGS = 4;
    if (size <= SETTINGS)
        return 0;
    const int level = data[0] & 3;
    const int version = data[1] % (CQrEncoder::MAX_VERSION + 1); // 0: smallest that fits
    const int mask = int(data[2] % 9) - 1;                       // -1: chosen by penalty
    const bool allowGrowth = data[3] & 1;
    const QrCharset charset = (data[3] & 2) ? QrCharset::ShiftJis : QrCharset::Utf8;
    const char *text = reinterpret_cast<const char *>(data + SETTINGS);
    const int length = int(size - SETTINGS);

    static CQrEncoder encoder; // fixed arrays for version 40: too large for the stack
    if (!encoder.EncodeQr(level, version, allowGrowth, mask, text, length, charset)) {
        fuzzCheck(encoder.symbolSize() == 0, "a failed encoding leaves no symbol");
        return 0;
    }
    fuzzCheck(encoder.version() >= CQrEncoder::MIN_VERSION && encoder.version() <= CQrEncoder::MAX_VERSION,
              "the version is 1 to 40");
    fuzzCheck(encoder.symbolSize() == 17 + 4 * encoder.version(), "the symbol size matches the version");
    fuzzCheck((version == 0 || allowGrowth) ? encoder.version() >= version : encoder.version() == version,
              "a requested version is kept unless it may grow");
    fuzzCheck(mask < 0 ? (encoder.mask() >= 0 && encoder.mask() <= 7) : encoder.mask() == mask,
              "the mask is the one forced, or one of the eight");
    // The picture is plain arithmetic over the modules; drawn for the smaller
    // versions only, since large ones would time the allocator, not the code.
    if (encoder.version() <= SMALL_VERSION) {
        const QImage image = MakeQrImage(encoder, Qt::black);
        fuzzCheck(image.width() == encoder.symbolSize() * QR_MODULE_PIXELS,
                  "the image is 10 pixels a module");
    }
    return 0;
}
