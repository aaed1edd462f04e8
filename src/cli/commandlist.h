#pragma once

// Every command of sorvel-cli, listed once. The launcher routes a command
// line by these lists (cliroute.cpp) and both programs build their command
// tables from them (textcommands.cpp, drawcommands.cpp), so a command is
// known to all three or to none: one missing here runs nowhere. No Qt here:
// the launcher includes it.
//
// Each entry is X(name, Stem): the command's name on the command line and
// the stem of its two functions, run<Stem>(args) and usage<Stem>(out),
// which commands.h declares from these lists. A new command is one entry in
// the list of the program it needs, plus its cmd_*.cpp file. Both lists are
// in the order --help shows them.

// The commands that need QtCore alone: sorvel-cli-core runs them, and
// sorvel-cli-draw too. Of barcode the core program writes QR Codes only;
// the launcher sends the other kinds to the drawing program.
#define SORVEL_CLI_TEXT_COMMANDS(X)       \
    X("chart", Chart)                     \
    X("person", Person)                   \
    X("texts", Texts)                     \
    X("report", Report)                   \
    X("year", Year)                       \
    X("matrix", Matrix)                   \
    X("compat", Compat)                   \
    X("pet", Pet)                         \
    X("celebrities", Celebrities)         \
    X("analyze", Analyze)                 \
    X("barcode", Barcode)                 \
    X("celebrity-texts", CelebrityTexts)  \
    X("names", Names)

// The commands that draw or print: sorvel-cli-draw alone.
#define SORVEL_CLI_DRAWING_COMMANDS(X) \
    X("pdf", Pdf)                      \
    X("template", Template)            \
    X("chart-image", ChartImage)       \
    X("batch", Batch)                  \
    X("clients", Clients)
