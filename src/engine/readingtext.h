#pragma once

// Small pieces of text shared by the readings' reports.

#include <QDate>
#include <QString>

// "Jan" to "Dec", the month names of reports and charts.
QString MonthAbbreviation(int month);

// A person as report headings name them: name + ", " + month abbreviation
// + " " + day + " " + year, as in "JOHN SMITH, May 17 1990".
QString NameAndDate(const QString &name, const QDate &date);
