#pragma once

// What the reading subcommands (matrix, compat, pet, celebrities, analyze)
// share: a date option, the interpretation texts and the report file.

#include <QCommandLineParser>
#include <QDate>
#include <QString>
#include <QTextStream>

// Reads the YYYY-MM-DD date of option name into date. A missing option is
// an error when required and leaves date alone otherwise. On bad input sets
// error to a one-line reason and returns false.
bool readDateOption(const QCommandLineParser &parser, const QString &name, bool required, QDate &date,
                    QString &error);

// --texts FILE and --out FILE.
void addReportOptions(QCommandLineParser &parser);
void writeReportOptionsUsage(QTextStream &out);

// Loads the process-wide text store from --texts FILE, which must be
// readable, or else from eng.dat beside the program (a missing file leaves
// the texts empty, as in the window). Returns EXIT_OK, or EXIT_FAILED after
// a message.
int loadReportTexts(const QCommandLineParser &parser, const QString &command);

// Writes the report document as UTF-8 to the --out file, when one is given.
// Returns EXIT_OK, or EXIT_FAILED after a message.
int writeReportFile(const QCommandLineParser &parser, const QString &command, const QString &document);
