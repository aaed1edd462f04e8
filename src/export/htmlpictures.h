#pragma once

// File pictures of a report turned into inline data, so the report stands on
// its own outside this machine.
//
// A report links a picture as <img src="file:///<folder>/res01.jpg" ...>
// (CReportTools::setImageFile). These functions, and embedImages for the
// combined PDF (pdfpictures.h), cut the report at every
// "<img src=\"" and treat the text up to the next quote as the picture's
// path; pictures a report already carries inline ("<img src = " with
// blanks) do not match and pass unchanged.

#include <QString>

class QTextStream;

// Writes the report with each file picture replaced by its bytes in Base64:
// "data:image/png;base64," for a path ending in "png", "data:image/jpg;base64,"
// for "jpg" (either in any letter case). The walk keeps its historical
// quirks, which saved files rely on: a path with another ending (".gif")
// loses "<img src=\"" and gets no data prefix, so its picture is lost; an
// unreadable picture gives empty data; a piece without any quote after
// "<img src=\"" is dropped.
void writeHtmlWithImages(const QString &html, QTextStream &out);

// A report as "Save Report" writes it: line height for the tables before
// each "</head>", pictures inlined by writeHtmlWithImages, UTF-8 bytes.
QByteArray savedReportHtml(const QString &report);
