#pragma once

// The document properties of a printed PDF - title, author, creator - set
// after printing, as an incremental update appended to the file: a new
// information dictionary, a cross-reference section naming it and a trailer
// that points back to the printer's own. The pages stay byte for byte.

#include <QByteArray>
#include <QString>

struct PdfProperties
{
    QString title;
    QString author;  // empty: no author
    QString creator; // the program and its version

    // The properties of a client's document: "Numerology reading for NAME",
    // the practitioner as author, this program as creator.
    static PdfProperties forClient(const QString &clientName, const QString &numerologist);
};

// The PDF with the properties appended; an empty array when the file does
// not end in a classic trailer (startxref, trailer with /Root and /Size).
QByteArray withPdfProperties(const QByteArray &pdf, const PdfProperties &properties);

// Reads the PDF at path, appends the properties and writes it back through
// the checked writer. False with reason on failure.
bool setPdfProperties(const QString &path, const PdfProperties &properties, QString *reason);
