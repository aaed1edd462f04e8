#include "namelist.h"

#include "engine/namecleaning.h"
#include "files/csvreader.h"
#include "files/regularfilereader.h"

#include <QStringList>

namespace {

const qint64 MAX_LIST_BYTES = 16 * 1024 * 1024;

QString cleanedEntry(const QString &text)
{
    QString cut = text;
    cut.remove(QLatin1Char(','));
    return CleanName(cut).split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' ')).toUpper();
}

bool hasLetter(const QString &name)
{
    for (const QChar c : name) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            return true;
    }
    return false;
}

} // namespace

bool ReadNameList(const QString &text, int column, const QString &header, NameListRead &list, QString &error)
{
    list = NameListRead();
    CsvReader reader(text);
    CsvRecord record;
    bool first = true;
    while (reader.next(record)) {
        if (first && !header.isEmpty()) {
            first = false;
            column = -1;
            for (int i = 0; i < record.fields.size(); ++i) {
                if (record.fields.at(i).trimmed().compare(header.trimmed(), Qt::CaseInsensitive) == 0) {
                    column = i;
                    break;
                }
            }
            if (column < 0) {
                error = QStringLiteral("no column \"%1\" in the first line").arg(header);
                return false;
            }
            continue;
        }
        first = false;
        QString raw;
        if (column < 0)
            raw = record.fields.join(QLatin1Char(' '));
        else
            raw = record.fields.value(column);
        const QString name = cleanedEntry(raw);
        if (!record.error.isEmpty() || !hasLetter(name)) {
            // An empty line in a plain list is no entry, not a fault worth naming.
            if (!(record.fields.size() == 1 && record.fields.at(0).trimmed().isEmpty()))
                list.skipped.append(record.line);
            continue;
        }
        list.entries.append({record.line, name});
    }
    return true;
}

bool LoadNameList(const QString &path, int column, const QString &header, NameListRead &list, QString &error)
{
    const FileReadResult file = readRegularFile(path, MAX_LIST_BYTES);
    if (file.status != FileReadResult::Ok) {
        error = file.reason;
        return false;
    }
    return ReadNameList(QString::fromUtf8(file.bytes), column, header, list, error);
}
