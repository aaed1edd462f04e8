#pragma once

#include "engine/cnumerology.h"
#include "engine/messagereporter.h"
#include "engine/namecheck.h"
#include "files/personinput.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

// Text from the user (a client's name from a list, a path, an option's
// value) as it may go to a terminal: control characters, which a terminal
// would obey (ESC starts an escape sequence, BEL rings), and the marks that
// reorder a line's direction are shown escaped: "\x1b", "\u202e".
QString shownText(const QString &text);

// Prints "sorvel-cli: <message>" on stderr and returns the usage exit status.
// The message is shown as shownText() shows it.
int usageError(const QString &message);

// Parses the arguments after the subcommand's name; on failure prints the
// parser's complaint and returns false. Positional arguments are refused.
bool parseArguments(QCommandLineParser &parser, const QString &command, const QStringList &args);

// A strict YYYY-MM-DD date, nothing before or after it; invalid (null)
// when the text is not a real day.
QDate parseIsoDate(const QString &text);

// Reads the YYYY-MM-DD date of option name into date. A missing option is
// an error when required and leaves date alone otherwise. On bad input sets
// error to a one-line reason and returns false.
bool readDateOption(const QCommandLineParser &parser, const QString &name, bool required, QDate &date,
                    QString &error);

// The same for a birth date, which must also lie between 1800-01-01 and a
// year from today, as in the window.
bool readBirthDateOption(const QCommandLineParser &parser, const QString &name, bool required, QDate &date,
                         QString &error);

// Prints the object as indented JSON on standard output. Returns EXIT_OK, or
// EXIT_FAILED after a message when standard output refuses the bytes.
int writeJson(const QJsonObject &object, const QString &command);
QJsonArray intArray(const int *values, int count);
QJsonArray stringArray(const QString *values, int count);

// Writes engine messages to stderr, as the window would show them in a box,
// one line each. They are held until flush() (or the reporter's end), so a
// command can add to the last one why its request was refused.
class CliReporter : public CMessageReporter
{
public:
    ~CliReporter() override;
    void critical(const QString &title, const QString &text) override;
    bool reported() const { return m_reported; }
    // Prints the held messages; detail, when given, ends the last one's line.
    void flush(const QString &detail = QString());

private:
    bool m_reported = false;
    QStringList m_pending;
};

// While one lives, every CliReporter hands its messages to it instead of
// printing them: a batch run lists them with the client they belong to.
class CliMessageCapture
{
public:
    CliMessageCapture();
    ~CliMessageCapture();
    CliMessageCapture(const CliMessageCapture &) = delete;
    CliMessageCapture &operator=(const CliMessageCapture &) = delete;
    // The messages so far, one line each.
    QStringList lines() const { return m_lines; }

private:
    friend class CliReporter;
    QStringList m_lines;
    CliMessageCapture *m_previous;
};

// The engine's name check message, for readings that check a name without
// the engine's check.
const char *const NAME_CHECK_MESSAGE = "Error! Incorrect full or short name!";

// The person and calculation options shared by every command that computes
// a chart: --full, --birth, --short, --forecast, --chaldean, --vowels,
// --marks-full, --marks-short, --lp-methods, --no-word-reduce,
// --keep-master-letters, --no-missed-transits, --master-mode.
struct ChartRequest
{
    PersonRecord person;
    CalcOptions options;
    int masterMode = 0;
    QString nameOwner; // whose names, in messages: empty for the person, "partner"
};
void addChartOptions(QCommandLineParser &parser);
void writeChartOptionsUsage(QTextStream &out);
// The options of the calculation alone, without the person's names, birth
// date and marks: --forecast, --chaldean, --vowels, --lp-methods, ...
void writeCalculationOptionsUsage(QTextStream &out);
// Fills the request from parsed options (names cleaned, a missing short
// name derived); on bad input sets error to a one-line reason. With fromFile
// the person's names, birth date, marks and Chaldean flag come from that
// person file record instead, and the options they replace are refused.
bool readChartOptions(const QCommandLineParser &parser, ChartRequest &request, QString &error,
                      const PersonInput *fromFile = nullptr);

// The calculation's part of readChartOptions: the forecast date and vowel
// mode of request.person, request.options and request.masterMode. The
// person's names, birth date, marks and Chaldean flag are left alone.
bool readCalculationOptions(const QCommandLineParser &parser, ChartRequest &request, QString &error);

// Letter marks given as digits 0, 1 and 2, one per character; false for any
// other character.
bool readMarks(const QString &text, QVector<int> &marks);

// --person FILE.num: a saved person file in place of the person's options;
// --client ID [--db FILE]: the same person kept in the client book.
void addPersonFileOption(QCommandLineParser &parser);
// Their lines of --help; replaces says what they give ("person, partner and pet").
void writePersonFileOptionUsage(QTextStream &out, const char *replaces);
// When --person or --client is given, reads that person (a file's first
// record, or the client as kept) into person and sets fromFile. A file that
// cannot be opened, or is not a person file ("Wrong file format!"), a book
// that cannot be opened and an id the book does not hold are reported with
// the file's path; returns EXIT_FAILED then.
int readPersonFileOption(const QCommandLineParser &parser, const QString &command, PersonInput &person,
                         bool &fromFile);
// "--client" or "--person", whichever gave the person, for messages.
QString personSourceOption(const QCommandLineParser &parser);

// Reads client id of the book at dbPath (empty: the window's book) as it was
// typed; false with error set ("FILE: reason", "no client ID in FILE"). The
// client book needs Qt SQL, which the text program does not load: the
// drawing program sets the reader, and the launcher sends every command
// line with --client there.
using ClientPersonReader = bool (*)(const QString &dbPath, qint64 id, PersonInput &person, QString &error);
void setClientPersonReader(ClientPersonReader reader);

// Writes bytes to path through the checked writer ("-": standard output).
// On failure prints "sorvel-cli: COMMAND: PATH: cannot write: REASON" and
// returns EXIT_FAILED; a file that was there stays as it was.
int writeOutputFile(const QString &path, const QString &command, const QByteArray &bytes);

// Applies the request's options and runs the engine with a reporter that
// prints to stderr. Returns EXIT_OK, or EXIT_NAME_CHECK when the names were
// rejected; the engine's message then says which name failed and why.
int calculateChart(const ChartRequest &request, CNumerology &engine);
