#pragma once

// Comma-separated values as spreadsheets save them: records end at a line
// break, fields at a comma; a field in double quotes may hold commas, line
// breaks and doubled quotes ("" for one "). A byte order mark before the
// first record is dropped. Line breaks are LF or CR LF.
//
//     CsvReader reader(text);
//     CsvRecord record;
//     while (reader.next(record))
//         use(record.line, record.fields, record.error);
//
// A malformed record (a quote never closed, text after a closing quote) is
// still returned, with its error set, so the caller can name the line and go
// on with the next record. Every call consumes at least one character, so
// no input makes the reader loop.

#include <QString>
#include <QStringList>

struct CsvRecord
{
    int line = 0;       // the line the record starts on, from 1
    QStringList fields; // an empty line is one empty field
    QString error;      // empty when the record is well-formed
};

class CsvReader
{
public:
    explicit CsvReader(const QString &text);

    // The next record; false once the text is used up.
    bool next(CsvRecord &record);

private:
    bool readQuotedField(QString &field, QString &error);
    void readPlainField(QString &field);
    bool atRecordEnd() const;
    void skipRecordEnd();

    QString m_text;
    int m_pos = 0;
    int m_line = 1;
};
