#include "plainqr.h"

#include "barcodes/qrpng.h"
#include "cliroute.h"
#include "files/checkedfile.h"

#include <cstdio>
#include <cstring>

namespace {

bool isAscii(const std::string &text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

bool parseHexColour(const std::string &text, std::uint32_t &rgb)
{
    if (text.size() != 7 || text[0] != '#')
        return false;
    rgb = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        rgb = rgb << 4 | std::uint32_t(digit);
    }
    return true;
}

bool parseQrMargin(const std::string &text, int &modules)
{
    if (text.empty() || text.size() > 3)
        return false;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value > MAX_QUIET_MODULES)
        return false;
    modules = value;
    return true;
}

bool parsePlainQr(int argc, const char *const argv[], PlainQrRequest &request)
{
    if (argc < 2 || std::strcmp(argv[1], "barcode") != 0)
        return false;
    static const char *const NAMES[] = {"--kind", "--text", "--color", "--out", "--margin"};
    constexpr int OPTIONS = 5;
    std::string values[OPTIONS];
    bool given[OPTIONS] = {};
    for (int i = 2; i < argc; ++i) {
        int option = -1;
        const char *value = nullptr;
        for (int n = 0; n < OPTIONS && option < 0; ++n) {
            if (cliOptionAt(argc, argv, i, NAMES[n], value))
                option = n;
        }
        if (option < 0 || !value || given[option])
            return false;
        given[option] = true;
        values[option] = value;
    }
    if (!given[0] || values[0] != "0" || !given[1] || !given[3])
        return false;
    request.text = values[1];
    request.out = values[3];
    request.rgb = 0x000000;
    if (given[2] && !parseHexColour(values[2], request.rgb))
        return false;
    request.margin = DEFAULT_QR_MARGIN;
    if (given[4] && !parseQrMargin(values[4], request.margin))
        return false;
    return !request.text.empty() && isAscii(request.text) && !request.out.empty();
}

PlainQrResult writePlainQr(const PlainQrRequest &request)
{
    const std::string png = QrCodePng(request.text, request.rgb, request.margin);
    if (png.empty())
        return PlainQrResult::TooLong;
    CheckedFile file(request.out);
    if (file.write(png.data(), png.size()) && file.commit())
        return PlainQrResult::Written;
    const char *where = request.out == "-" ? "standard output" : request.out.c_str();
    std::fprintf(stderr, "sorvel-cli: barcode: %s: cannot write: %s\n", where, file.errorString().c_str());
    return PlainQrResult::WriteFailed;
}
