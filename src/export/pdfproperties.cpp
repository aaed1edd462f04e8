#include "pdfproperties.h"

#include "files/checkedfilewriter.h"
#include "files/regularfilereader.h"

#include <QRegularExpression>

namespace {

// A PDF that large is not one we printed.
const qint64 MAX_PDF_BYTES = 512 * 1024 * 1024;
// The trailer and startxref sit in the file's last bytes.
const int TAIL_BYTES = 4096;

// A text string: UTF-16 big-endian with its byte order mark, in hex, so any
// name prints and nothing needs escaping.
QByteArray textString(const QString &text)
{
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xFF));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

} // namespace

PdfProperties PdfProperties::forClient(const QString &clientName, const QString &numerologist)
{
    return {QLatin1String("Numerology reading for ") + clientName, numerologist,
            QStringLiteral("Sorvel Numerology " SORVEL_VERSION_TEXT)};
}

QByteArray withPdfProperties(const QByteArray &pdf, const PdfProperties &properties)
{
    // With its length: the tail holds binary stream data, NUL bytes too.
    const QByteArray tailBytes = pdf.right(TAIL_BYTES);
    const QString tail = QString::fromLatin1(tailBytes.constData(), tailBytes.size());
    const QRegularExpressionMatch startxref =
        QRegularExpression(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$")).match(tail);
    const int trailerAt = tail.lastIndexOf(QLatin1String("trailer"));
    if (!startxref.hasMatch() || trailerAt < 0)
        return QByteArray();
    const QString trailer = tail.mid(trailerAt, startxref.capturedStart() - trailerAt);
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(trailer);
    const QRegularExpressionMatch root =
        QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(trailer);
    if (!size.hasMatch() || !root.hasMatch())
        return QByteArray();

    const int object = size.captured(1).toInt();
    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out += '\n';
    const int objectAt = out.size();
    out += QByteArray::number(object) + " 0 obj\n<</Title " + textString(properties.title);
    if (!properties.author.isEmpty())
        out += " /Author " + textString(properties.author);
    out += " /Creator " + textString(properties.creator) + ">>\nendobj\n";
    const int xrefAt = out.size();
    out += "xref\n" + QByteArray::number(object) + " 1\n" +
           QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<</Size " + QByteArray::number(object + 1) + " /Root " + root.captured(1).toLatin1() +
           " /Info " + QByteArray::number(object) + " 0 R /Prev " + startxref.captured(1).toLatin1() + ">>\n";
    out += "startxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return out;
}

bool setPdfProperties(const QString &path, const PdfProperties &properties, QString *reason)
{
    const FileReadResult file = readRegularFile(path, MAX_PDF_BYTES);
    if (file.status != FileReadResult::Ok) {
        if (reason)
            *reason = file.reason;
        return false;
    }
    const QByteArray updated = withPdfProperties(file.bytes, properties);
    if (updated.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("the PDF does not end as a printed PDF does");
        return false;
    }
    return writeFileChecked(path, updated, reason);
}
