#pragma once

// A list of clients for batch work: a CSV file (UTF-8, see csvreader.h)
// whose first record names the columns, one client per record after it.
//
//   full name,short name,birth date,partner full name,partner birth date
//   "Smith, John Adam",John,1990-05-17,Mary Lee,1991-02-01
//
// Column names are matched without regard to case, spaces, "-" and "_"
// ("Birth Date", "birth_date", "BIRTHDATE"). "full name" and "birth date" are
// required; the others may be left out or left empty in a row. A column
// with an empty name is passed over. Dates are
// YYYY-MM-DD. Empty lines are passed over; any other row that cannot make a
// client comes back with its line number and the reason, and the list goes
// on with the next row.

#include "csvreader.h"
#include "files/personinput.h"

#include <QByteArray>
#include <QVector>

struct ClientRow
{
    int line = 0;      // the line of the file the row starts on
    PersonInput input; // the names as typed (not yet cleaned), the dates;
                       // a refused row keeps the full name when it has one
    QString error;     // why the row was refused; empty for a usable row
};

class ClientList
{
public:
    // A client list larger than this is refused before it is read: it would
    // hold hundreds of thousands of clients.
    static constexpr qint64 MAX_FILE_BYTES = 32 * 1024 * 1024;

    // The columns a list may have, in the order of the names below.
    enum Column {
        FullName,
        ShortName,
        BirthDate,
        PartnerFullName,
        PartnerShortName,
        PartnerBirthDate,
        PetName,
        PetBirthDate,
        COLUMN_COUNT
    };
    // "full name", "short name", ...: for messages and help texts.
    static QString columnName(Column column);

    // Decodes the file's bytes (UTF-8) and reads the header. False, with
    // headerError() saying why, when the header is missing, names a column
    // twice or one we do not know, or lacks a required column.
    bool open(const QByteArray &bytes);
    QString headerError() const { return m_headerError; }

    // The next client row, empty lines skipped; false after the last.
    bool next(ClientRow &row);

private:
    void fillRow(const CsvRecord &record, ClientRow &row) const;
    QString field(const CsvRecord &record, Column column) const;

    CsvReader m_reader{QString()};
    QVector<int> m_columnOf = QVector<int>(COLUMN_COUNT, -1); // index in a record, -1 absent
    int m_headerFields = 0;
    QString m_headerError;
};
