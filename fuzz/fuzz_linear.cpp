// The linear barcode encoders: one byte picks the kind (1 to 10), the rest
// is the text. The same bytes also go in as a pattern text, which the
// drawing steps must survive whatever it holds.

#include "barcodes/barcode.h"
#include "fuzzcheck.h"

#include <cstdint>

namespace {

// The image width the drawing gives a module string.
int expectedWidth(int kind, int modules)
{
    if (kind == BARCODE_POSTNET)
        return (modules - 1) * POSTNET_PITCH + BAR_MODULE_PIXELS + BAR_RIGHT_MARGIN;
    return modules * BAR_MODULE_PIXELS + BAR_RIGHT_MARGIN;
}

// The picture is plain arithmetic over the modules; drawn for smaller
// symbols only, since large ones would time the allocator, not the code.
const int MAX_DRAWN_MODULES = 1000;

void checkDrawing(int kind, const QByteArray &pattern)
{
    const QByteArray modules = BarcodeModules(kind, pattern);
    fuzzCheck(modules.count('0') + modules.count('1') == modules.size(), "modules are '0' and '1' only");
    if (modules.size() > MAX_DRAWN_MODULES)
        return;
    const QImage image = DrawBarcode(kind, pattern, Qt::black);
    if (modules.isEmpty()) {
        fuzzCheck(image.isNull(), "nothing to draw gives no image");
        return;
    }
    fuzzCheck(image.width() == expectedWidth(kind, modules.size()), "the image is as wide as its modules");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int kind = BARCODE_CODABAR + data[0] % (BARCODE_KIND_COUNT - BARCODE_CODABAR);
    const QByteArray text(reinterpret_cast<const char *>(data + 1), int(size - 1));

    QByteArray pattern;
    if (EncodeBarcode(kind, text, pattern)) {
        fuzzCheck(!pattern.isEmpty(), "an encoded text has a pattern");
        checkDrawing(kind, pattern);
    }
    // Patterns only ever come from EncodeBarcode, so they are never much
    // longer than its longest text; longer ones would only measure QImage.
    if (text.size() <= MAX_BARCODE_TEXT)
        checkDrawing(kind, text);
    return 0;
}
