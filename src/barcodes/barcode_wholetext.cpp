// Whether a linear symbol carries its text whole. The symbologies' own rule
// (what a chart's barcode element draws) keeps the characters they have and
// fills a number that is too short with zeros; a program asked for one
// barcode of one text should rather refuse than print another.

#include "barcodekinds.h"
#include "linear_barcodes.h"

#include <QList>

namespace {

// How many characters a pattern adds to the data it keeps: start, stop and
// check characters.
int patternOverhead(int kind)
{
    switch (kind) {
    case BARCODE_CODABAR:
    case BARCODE_CODE39:
        return 2; // start, stop
    case BARCODE_CODE128:
        return 3; // start, check, stop
    case BARCODE_CODE93:
        return 4; // start, two checks, stop
    default:
        return -1;
    }
}

} // namespace

bool BarcodeKeepsWholeText(int kind, const QByteArray &text)
{
    if (kind == BARCODE_QR)
        return !text.isEmpty();
    QByteArray pattern;
    if (text.isEmpty() || !EncodeBarcode(kind, text, pattern))
        return false;
    switch (kind) {
    case BARCODE_CODABAR:
    case BARCODE_CODE39:
    case BARCODE_CODE128:
    case BARCODE_CODE93:
        // The data kept is a part of the text in order; as long as the
        // text, it is the text.
        return pattern.size() == text.size() + patternOverhead(kind);
    case BARCODE_EAN13:
        // 12 or 13 digits, with an add-on of 2 or 5: other counts are zeros.
        return AllDigits(text) && QList<int>{12, 13, 14, 15, 17, 18}.contains(text.size());
    case BARCODE_EAN8:
        // Seven digits and the check digit computed, or eight whose last is
        // that check digit; more would be dropped, fewer are zeros.
        return AllDigits(text) && (text.size() == 7 ? pattern.startsWith(text) : pattern == text);
    case BARCODE_UPCA:
        return AllDigits(text) && (text.size() == 11 ? pattern.startsWith(text) : pattern == text);
    case BARCODE_ITF:
    case BARCODE_MSI:
    case BARCODE_POSTNET:
        return AllDigits(text);
    default:
        return false;
    }
}
