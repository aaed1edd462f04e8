#pragma once

// A list of names the user hands the finder to rank: business names one a
// line, or one column of a CSV file. Read through the CSV reader; every
// entry is cleaned as the advisor cleans a name (accents dropped, only
// letters, digits and single spaces).

#include <QString>
#include <QVector>

struct NameListEntry
{
    int line = 0;  // the line the entry starts on, from 1
    QString name;  // cleaned, upper-cased
};

struct NameListRead
{
    QVector<NameListEntry> entries;
    QVector<int> skipped; // lines that gave no name (empty, no letters, malformed)
};

// column: -1 reads every record whole (a line with commas is one name, its
// commas dropped); 0 and up the column with that index. header: a column
// title to look for in the first record instead (then the first record is
// not a name); empty for none. Returns false and sets error when the header
// is not found.
bool ReadNameList(const QString &text, int column, const QString &header, NameListRead &list, QString &error);

// Reads the file at path (a regular file of at most 16 MB) with ReadNameList.
bool LoadNameList(const QString &path, int column, const QString &header, NameListRead &list, QString &error);
