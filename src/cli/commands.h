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
int runBarcode(const QStringList &args);
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

// Every subcommand the tool knows, in the order --help lists them.
inline const CliCommand CLI_COMMANDS[] = {
    {"chart", runChart, usageChart},
    {"person", runPerson, usagePerson},
    {"texts", runTexts, usageTexts},
    {"report", runReport, usageReport},
    {"matrix", runMatrix, usageMatrix},
    {"compat", runCompat, usageCompat},
    {"pet", runPet, usagePet},
    {"celebrities", runCelebrities, usageCelebrities},
    {"analyze", runAnalyze, usageAnalyze},
    {"pdf", runPdf, usagePdf},
    {"barcode", runBarcode, usageBarcode},
    {"celebrity-texts", runCelebrityTexts, usageCelebrityTexts},
    {"template", runTemplate, usageTemplate},
    {"chart-image", runChartImage, usageChartImage},
    {"batch", runBatch, usageBatch},
};
