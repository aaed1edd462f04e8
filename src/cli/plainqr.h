#pragma once

// A QR Code asked for in the plainest way is written by sorvel-cli itself,
// without starting a program that loads Qt: a QR Code then costs about what
// a small C program costs. Everything else - help, a mistake to explain,
// text beyond ASCII that the locale decides how to read, a text too long for
// a symbol - goes to sorvel-cli-core, which writes the same file.

#include <cstdint>
#include <string>

// The light modules around a QR Code written as a PNG on the command line:
// the four a scanner expects.
constexpr int DEFAULT_QR_MARGIN = 4;

struct PlainQrRequest
{
    std::string text;
    std::uint32_t rgb = 0x000000;
    int margin = DEFAULT_QR_MARGIN; // quiet zone, in modules
    std::string out;
};

// True when argv is "barcode" with --kind 0, a non-empty ASCII --text, a
// non-empty --out, at most a well-formed --color (#RRGGBB) and at most a
// well-formed --margin (0 to MAX_QUIET_MODULES), each given
// once as "--name value" or "--name=value", and nothing else.
bool parsePlainQr(int argc, const char *const argv[], PlainQrRequest &request);

// A quiet zone of 0 to MAX_QUIET_MODULES modules, in decimal digits; false
// for anything else.
bool parseQrMargin(const std::string &text, int &modules);

// "#RRGGBB" into rgb; false for anything else.
bool parseHexColour(const std::string &text, std::uint32_t &rgb);

// What writing a plain request came to.
enum class PlainQrResult {
    Written,
    TooLong,     // the text does not fit a symbol: sorvel-cli-core explains
    WriteFailed, // the message is on standard error
};

// Writes the request's PNG through the checked writer.
PlainQrResult writePlainQr(const PlainQrRequest &request);
