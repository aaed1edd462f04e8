// sorvel-cli texts: our tool for the interpretation data file.
//
//   texts encode IN... OUT   enciphers plain-text sources into a data file
//   texts decode FILE        prints the deciphered lines of a data file
//
// A source is UTF-8 (or ASCII) text in the deciphered line format: "#CCCNN"
// headers and content lines. Each line is written as its Latin-1 bytes, so a
// character outside Latin-1 is refused.

#include "cliutil.h"
#include "commands.h"
#include "texts/boundedfile.h"
#include "texts/textcipher.h"
#include "texts/textstore.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>

namespace {

int failure(const QString &message)
{
    QTextStream(stderr) << "sorvel-cli: texts: " << shownText(message) << "\n";
    return EXIT_FAILED;
}

// The lines of a file without their "\n" or "\r\n"; a final line end does
// not start another line.
QList<QByteArray> fileLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// Appends the enciphered lines of one source to out; on a line the data
// file cannot hold, sets error to "FILE:LINE: reason".
bool encodeSource(const QString &path, QByteArray &out, QString &error)
{
    const BoundedFile file = readBoundedFile(path, TextStore::MAX_FILE_BYTES);
    if (file.status != BoundedFile::Read) {
        error = path + QLatin1String(": cannot read: ") + file.reason;
        return false;
    }
    QByteArray bytes = file.bytes;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    const QList<QByteArray> lines = fileLines(bytes);
    for (int i = 0; i < lines.size(); ++i) {
        const QString where = path + QLatin1Char(':') + QString::number(i + 1) + QLatin1String(": ");
        QTextCodec::ConverterState state;
        const QString line = utf8->toUnicode(lines.at(i).constData(), lines.at(i).size(), &state);
        if (state.invalidChars > 0) {
            error = where + QLatin1String("not valid UTF-8");
            return false;
        }
        for (const uint codePoint : line.toUcs4()) {
            const QString character =
                QString::number(codePoint, 16).toUpper().rightJustified(4, QLatin1Char('0'));
            if (codePoint > 0xFF) {
                error = where + QStringLiteral("character U+%1 is outside Latin-1").arg(character);
                return false;
            }
            // The reader takes only text: no control character but the tab.
            if ((codePoint < 0x20 && codePoint != '\t') || (codePoint >= 0x7F && codePoint < 0xA0)) {
                error = where + QStringLiteral("control character U+%1").arg(character);
                return false;
            }
        }
        // The reader refuses a "#" line that is long enough to be a header
        // but has no topic code.
        if (line.size() >= 6 && line.startsWith(QLatin1Char('#')) &&
            !QRegularExpression(QStringLiteral("^#[0-9]{3}")).match(line).hasMatch()) {
            error = where + QLatin1String("a header without a three-digit topic code: ") + line.left(6);
            return false;
        }
        // Longer lines would be dropped by the reader.
        if (line.size() * 2 > TextStore::MAX_LINE_LENGTH) {
            error = where + QStringLiteral("line of %1 characters; at most %2 fit")
                                .arg(line.size())
                                .arg(TextStore::MAX_LINE_LENGTH / 2);
            return false;
        }
        out += encipherLine(line.toLatin1());
        out += '\n';
    }
    return true;
}

int encode(const QStringList &inputs, const QString &output)
{
    QByteArray data;
    QString error;
    for (const QString &input : inputs)
        if (!encodeSource(input, data, error))
            return failure(error);
    if (data.size() > TextStore::MAX_FILE_BYTES)
        return failure(output + QStringLiteral(": %1 bytes; a data file may have at most %2 MB")
                                    .arg(data.size())
                                    .arg(TextStore::MAX_FILE_BYTES / (1024 * 1024)));

    return writeOutputFile(output, QStringLiteral("texts"), data);
}

int decode(const QString &path)
{
    const BoundedFile file = readBoundedFile(path, TextStore::MAX_FILE_BYTES);
    if (file.status != BoundedFile::Read)
        return failure(path + QLatin1String(": cannot read: ") + file.reason);
    QByteArray out;
    for (const QByteArray &raw : fileLines(file.bytes)) {
        QString line = QString::fromLatin1(raw);
        decipherLine(line);  // lines of fewer than 2 characters stay as they are
        out += line.toUtf8();
        out += '\n';
    }
    return writeOutputFile(QStringLiteral("-"), QStringLiteral("texts"), out);
}

} // namespace

void usageTexts(QTextStream &out)
{
    out << "  texts encode IN... OUT\n"
           "    Enciphers plain-text sources (UTF-8, \"#CCCNN\" headers and content\n"
           "    lines, Latin-1 characters only) into the data file OUT.\n"
           "  texts decode FILE\n"
           "    Prints the deciphered lines of a data file as UTF-8.\n";
}

int runTexts(const QStringList &args)
{
    const QString action = args.value(0);
    const QStringList operands = args.mid(1);
    for (const QString &operand : operands)
        if (operand.startsWith(QLatin1String("--")))
            return usageError(QLatin1String("texts: unknown option ") + operand);
    if (action == QLatin1String("encode")) {
        if (operands.size() < 2)
            return usageError(QStringLiteral("texts encode: expected IN... OUT"));
        return encode(operands.mid(0, operands.size() - 1), operands.last());
    }
    if (action == QLatin1String("decode")) {
        if (operands.size() != 1)
            return usageError(QStringLiteral("texts decode: expected one FILE"));
        return decode(operands.first());
    }
    return usageError(QStringLiteral("texts: expected encode or decode"));
}
