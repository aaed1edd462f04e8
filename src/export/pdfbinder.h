#pragma once

// Binds the separately printed pieces of a client's document into one PDF:
// the pages of each piece in order (blank ones left out), a running footer stamped on every page
// after the cover ("page N of M" and the client's name), and the document
// properties. The footer is drawn with Qt's own PDF writer on pages of the
// printed pages' size and laid over each page as a form; the pages' own
// content is left as the printer made it.

#include "export/pdfproperties.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A page that shows nothing - no text, no picture, no drawn form, only the
// background the printer lays under every page - is left out: the printer
// adds one when a report's last lines fill its last page to the bottom. A
// piece that shows nothing keeps its first page.

// The number of pages of a PDF held in memory that bindPdf keeps; -1 when
// it cannot be read.
int pdfPageCount(const QByteArray &pdf, QString *error = nullptr);

struct PdfBinding
{
    QList<QByteArray> pieces; // printed PDFs, bound in this order
    int unnumberedPages = 0;  // the leading pages without a footer: the cover
    QString clientName;       // the footer's name; no footer when empty
    PdfProperties properties;
};

// The bound PDF; an empty array with error set when a piece cannot be read
// or the result cannot be written. The footer counts every page, the cover
// included, so its numbers are those the contents page gives.
QByteArray bindPdf(const PdfBinding &binding, QString *error);

// The footer's text on page (1-based) of pages.
QString footerPageText(int page, int pages);
