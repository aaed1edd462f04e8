#pragma once

// What the reading subcommands (report, matrix, compat, pet, celebrities,
// analyze) share: the interpretation texts and the report file.

#include "cliutil.h"

#include <QCommandLineParser>
#include <QDate>
#include <QString>
#include <QTextStream>

// --texts FILE and --out FILE.
void addReportOptions(QCommandLineParser &parser);
void writeReportOptionsUsage(QTextStream &out);

// Loads the process-wide text store from --texts FILE, which must exist,
// or else from eng.dat in the program's data folder (a missing file leaves the texts
// empty, as in the window). A file the store refuses (not a regular file,
// too large, damaged) is an error either way. Returns EXIT_OK, or
// EXIT_FAILED after a message with the reason.
int loadReportTexts(const QCommandLineParser &parser, const QString &command);

// Writes the report to the --out file, when one is given, as the window's
// "Save Report" does: one self-contained UTF-8 file, pictures inlined.
// Returns EXIT_OK, or EXIT_FAILED after a message.
int writeReportFile(const QCommandLineParser &parser, const QString &command, const QString &document);

// The `report` commands' output: the file named by --out, self-contained
// as "Save Report" writes it, or the document as built to standard output
// for "-" or no --out.
int writeReportOutput(const QCommandLineParser &parser, const QString &document);

// Writes text as UTF-8 to path ("-": standard output) through the checked
// writer, so a file is replaced only once it is complete. Returns EXIT_OK,
// or EXIT_FAILED after a message naming the command and the reason.
int writeTextFile(const QString &path, const QString &command, const QString &text);
