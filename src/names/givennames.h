#pragma once

// The list of given names the finder offers: one name a record, with its
// gender use and its popularity rank (1 the most given).
//
//   source   data/names/givennames.csv   "Name,gender,rank", # comments
//   shipped  givennames.txt              "NAME,gender,rank", upper case,
//                                        in rank order, checked at build time
//
// Both are read by ReadGivenNames; the build writes the shipped form with
// WriteGivenNames, so a damaged source stops the build instead of the finder.

#include <QByteArray>
#include <QString>
#include <QVector>

struct GivenName
{
    QString name;     // upper-case Latin letters, one word
    char gender = 'u'; // 'f' female, 'm' male, 'u' given to both
    int rank = 0;
};

// Reads list text through the CSV reader. Every record must be a name of
// Latin letters only, f, m or u, and a rank from 1; names are upper-cased.
// A bad record, a repeated name or a repeated rank fails the whole list with
// error naming the line. Lines starting with # and empty lines are skipped.
bool ReadGivenNames(const QString &text, QVector<GivenName> &names, QString &error);

// The shipped form of a list: in rank order, upper case, one record a line.
QByteArray WriteGivenNames(QVector<GivenName> names);

// Where the program finds the shipped list: beside the other shipped data.
QString givenNamesPath();

// Reads the shipped list (or the file at path); error says why not.
bool LoadGivenNames(const QString &path, QVector<GivenName> &names, QString &error);
