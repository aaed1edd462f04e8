#pragma once

#include "commandlist.h"

#include <QStringList>
#include <QTextStream>

// Exit statuses shared by every subcommand.
enum CliExit {
    EXIT_OK = 0,
    EXIT_FAILED = 1,     // the request was understood but could not be carried out
    EXIT_USAGE = 2,      // unknown option, missing or malformed argument
    EXIT_NAME_CHECK = 3, // the engine rejected the names
};

// One subcommand of sorvel-cli: run() gets the arguments after the
// subcommand's name; usage() writes its help paragraph.
struct CliCommand
{
    const char *name;
    int (*run)(const QStringList &args);
    void (*usage)(QTextStream &out);
};

// The subcommands, one file each: run<Stem> and usage<Stem> of every entry
// of the lists in commandlist.h. The text program's runBarcode writes QR
// Codes only (runBarcodeWith below).
#define SORVEL_DECLARE_CLI_COMMAND(name, Stem) \
    int run##Stem(const QStringList &args);    \
    void usage##Stem(QTextStream &out);
SORVEL_CLI_TEXT_COMMANDS(SORVEL_DECLARE_CLI_COMMAND)
SORVEL_CLI_DRAWING_COMMANDS(SORVEL_DECLARE_CLI_COMMAND)
#undef SORVEL_DECLARE_CLI_COMMAND

// A command table's entry for an entry of the lists in commandlist.h.
#define SORVEL_CLI_COMMAND(name, Stem) CliCommand{name, run##Stem, usage##Stem},

// report year-ahead, a report of its own behind the report command.
int runYearAheadReport(const QStringList &args);
void usageYearAheadReport(QTextStream &out);

// The client book's reader of --client ID (cliutil.h), in the clients
// command's file: sorvel-cli-draw installs it.
struct PersonInput;
bool readBookClient(const QString &dbPath, qint64 id, PersonInput &person, QString &error);

// The subcommands one program of the tool carries, in the order --help
// lists them: sorvel-cli-core the text commands, sorvel-cli-draw those
// and the drawing commands after them.
struct CliCommandList
{
    const CliCommand *first;
    int count;
    const CliCommand *begin() const { return first; }
    const CliCommand *end() const { return first + count; }
};

// The commands that need QtCore alone; their barcode command writes QR
// Codes only (textcommands.cpp).
CliCommandList textCommands();

// The barcode command with a writer for the linear kinds, whose printed
// text needs fonts; without one (sorvel-cli-core) it writes QR Codes only.
using LinearBarcodeWriter = QByteArray (*)(const QString &text, int kind, unsigned int rgb);
int runBarcodeWith(const QStringList &args, LinearBarcodeWriter writeLinear);

// Runs a command line (arguments[0] the program) with one of the lists:
// help, version, or the command named by the first argument. Returns the
// exit status.
int runCommandLine(const QStringList &arguments, CliCommandList commands);
