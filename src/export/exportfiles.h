#pragma once

// The names of the files export writes, and the temporary document the PDF
// is printed from. The files themselves go through the checked writer.

#include <QString>

// The chosen name with suffix (".html", ".png", ".pdf") appended when the
// file name has none; a name that has a suffix of its own keeps it.
QString withDefaultSuffix(const QString &path, const QString &suffix);

// Writes the combined HTML as UTF-8 into a new file of the temporary folder
// named "reportXXXXXX.html", which the caller removes. Returns its path, or
// an empty string with error set.
QString writeTemporaryReport(const QString &html, QString *error = nullptr);
