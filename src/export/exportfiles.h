#pragma once

// The files export writes: the saved report, the chart picture, the PDF and
// the temporary document the PDF is printed from.

#include <QByteArray>
#include <QString>

// Every file export writes goes through here: the bytes replace the file only
// once they are all on disk, so a failed write leaves the previous file as it
// was. On failure error (when given) gets the system's reason.
bool saveExportBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The chosen name with suffix (".html", ".png", ".pdf") appended when the
// file name has none; a name that has a suffix of its own keeps it.
QString withDefaultSuffix(const QString &path, const QString &suffix);

// Writes the combined HTML as UTF-8 into a new file of the temporary folder
// named "reportXXXXXX.html", which the caller removes. Returns its path, or
// an empty string with error set.
QString writeTemporaryReport(const QString &html, QString *error = nullptr);
