#pragma once

// Person files (".num"): what "Save" and "Open" on the input overlay write
// and read, and the recent list the program keeps between runs.
//
// UTF-8 text, one person per line, lines joined by "\n" with none after the
// last. A record has 15 comma-separated fields (empty fields stay):
//
//    1 birth date            "dd.MM.yyyy"     9 pet name
//    2 full name                              10 forecast date "dd.MM.yyyy"
//    3 short name                             11 full-name letter marks
//    4 gender digit                           12 short-name letter marks
//    5 partner birth date    "dd.MM.yyyy"     13 partner full-name marks
//    6 partner full name                      14 partner short-name marks
//    7 partner short name                     15 Chaldean, "0" or "1"
//    8 pet birth date        "dd.MM.yyyy"
//
// Text fields lose their commas and have their white space simplified
// before they are written. Marks are one digit per character, no separator.
// Files of the older format have the first 10 fields only (no marks, no
// Chaldean flag) and are still read.
//
// The two kinds of file differ in the gender digit and in what they hold:
//
//   saved person  one record of the names as typed; field 4 is the gender
//                 box's index, "0" female, "1" male
//   recent list   one record per recent entry, newest first, names cleaned;
//                 field 4 is the entry's female flag, "1" female, "0" male

#include "files/recentlist.h"

#include <QDate>
#include <QList>
#include <QString>

enum class PersonFileKind { SavedPerson, RecentList };

enum class PersonFileStatus { Ok, CannotOpen, WrongFormat };

const int PERSON_FILE_FIELDS = 15;
const int OLD_PERSON_FILE_FIELDS = 10;
// No person file comes near this; anything larger is not one.
const qint64 MAX_PERSON_FILE_BYTES = 1024 * 1024;

// What the window shows when a person file fails. The first is followed by
// the file's path.
constexpr char CANT_CREATE_FILE_MESSAGE[] = "Can't create file!\r\n";
constexpr char CANT_OPEN_FILE_MESSAGE[] = "Can't open file!";
constexpr char WRONG_FILE_FORMAT_MESSAGE[] = "Wrong file format!";

struct PersonFileContent
{
    PersonFileStatus status = PersonFileStatus::WrongFormat;
    // Fields of the first record: 15 or 10 when the status is Ok.
    int fieldCount = 0;
    // The persons read, female flag already decoded for the kind of file:
    //  - a 10-field file: its first record, to go into the input (also when
    //    it was read as the recent list);
    //  - a 15-field saved person: its first record;
    //  - a 15-field recent list: every record of 15 fields, at most
    //    MAX_RECENT_ENTRIES; records of another shape are skipped.
    // The pet of a 15-field record is kept here, but the window puts it back
    // only from a 10-field file. The file's forecast date is not kept:
    // opening a file always forecasts for today.
    QList<PersonInput> persons;
    // Why the file was refused (the system's reason for CannotOpen).
    QString reason;
};

// The saved person record of the input as typed (names uncleaned), with
// forecast as field 10. Each marks array is written in full but never longer
// than its name field's length plus two.
QString formatSavedPerson(const PersonInput &typed, const QDate &forecast);

// The recent list, one record per entry, forecast as field 10 of each. The
// full-name marks are cut to the full name's length; the other three
// arrays are written in full.
QString formatRecentList(const QList<RecentEntry> &entries, const QDate &forecast);

// The text of a person file's bytes (UTF-8; a leading byte order mark is
// skipped).
QString decodePersonFile(const QByteArray &bytes);

// Reads the text of a person file of the given kind. The first line decides
// the format: 15 or 10 fields, anything else is WrongFormat. A marks field
// longer than twice its name's field is ignored (the marks stay empty, so
// the engine's own rule applies); any other character becomes one mark, its
// digit value, a non-digit counting as 0.
PersonFileContent parsePersonFile(const QString &text, PersonFileKind kind);

// Reads the person file at path: only a regular file of at most
// MAX_PERSON_FILE_BYTES. A file that cannot be opened gives CannotOpen with
// the reason; a larger one is WrongFormat.
PersonFileContent readPersonFile(const QString &path, PersonFileKind kind);

// Write the file through the checked writer; on failure return false and
// set error to the system's reason. The previous file then stays intact.
bool saveSavedPerson(const QString &path, const PersonInput &typed, const QDate &forecast,
                     QString *error = nullptr);
bool saveRecentList(const QString &path, const QList<RecentEntry> &entries, const QDate &forecast,
                    QString *error = nullptr);
