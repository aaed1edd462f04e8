#pragma once

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

// The subcommands, one file each.
int runChart(const QStringList &args);
void usageChart(QTextStream &out);
int runTexts(const QStringList &args);
void usageTexts(QTextStream &out);
int runReport(const QStringList &args);
void usageReport(QTextStream &out);
int runMatrix(const QStringList &args);
void usageMatrix(QTextStream &out);
int runCompat(const QStringList &args);
void usageCompat(QTextStream &out);
int runPet(const QStringList &args);
void usagePet(QTextStream &out);
int runCelebrities(const QStringList &args);
void usageCelebrities(QTextStream &out);
int runAnalyze(const QStringList &args);
void usageAnalyze(QTextStream &out);
int runPdf(const QStringList &args);
void usagePdf(QTextStream &out);
void usageBarcode(QTextStream &out);
int runCelebrityTexts(const QStringList &args);
void usageCelebrityTexts(QTextStream &out);
int runPerson(const QStringList &args);
void usagePerson(QTextStream &out);
int runTemplate(const QStringList &args);
void usageTemplate(QTextStream &out);
int runChartImage(const QStringList &args);
void usageChartImage(QTextStream &out);
int runBatch(const QStringList &args);
void usageBatch(QTextStream &out);
int runClients(const QStringList &args);
void usageClients(QTextStream &out);

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
