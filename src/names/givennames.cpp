#include "givennames.h"

#include "document/programfolder.h"
#include "files/csvreader.h"
#include "files/regularfilereader.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// The shipped list is some hundred kilobytes; nothing near this is a list.
const qint64 MAX_LIST_BYTES = 16 * 1024 * 1024;
const int MAX_NAME_LENGTH = 40;

bool isLatinName(const QString &name)
{
    if (name.isEmpty() || name.size() > MAX_NAME_LENGTH)
        return false;
    for (const QChar c : name) {
        if (!((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))))
            return false;
    }
    return true;
}

} // namespace

bool ReadGivenNames(const QString &text, QVector<GivenName> &names, QString &error)
{
    names.clear();
    QSet<QString> seenNames;
    QSet<int> seenRanks;
    CsvReader reader(text);
    CsvRecord record;
    while (reader.next(record)) {
        const QString first = record.fields.value(0).trimmed();
        if (record.fields.size() == 1 && (first.isEmpty() || first.startsWith(QLatin1Char('#'))))
            continue;
        const auto fail = [&](const QString &why) {
            error = QStringLiteral("line %1: %2").arg(record.line).arg(why);
            names.clear();
            return false;
        };
        if (!record.error.isEmpty())
            return fail(record.error);
        if (first.startsWith(QLatin1Char('#')))
            continue;
        if (record.fields.size() != 3)
            return fail(QStringLiteral("expected name,gender,rank"));
        GivenName given;
        given.name = first.toUpper();
        if (!isLatinName(given.name))
            return fail(QStringLiteral("the name \"%1\" is not Latin letters only").arg(first));
        const QString gender = record.fields.at(1).trimmed();
        if (gender != QLatin1String("f") && gender != QLatin1String("m") && gender != QLatin1String("u"))
            return fail(QStringLiteral("the gender is not f, m or u"));
        given.gender = gender.at(0).toLatin1();
        bool ok = false;
        given.rank = record.fields.at(2).trimmed().toInt(&ok);
        if (!ok || given.rank < 1)
            return fail(QStringLiteral("the rank is not a number from 1"));
        if (seenNames.contains(given.name))
            return fail(QStringLiteral("the name %1 is listed twice").arg(given.name));
        if (seenRanks.contains(given.rank))
            return fail(QStringLiteral("the rank %1 is given twice").arg(given.rank));
        seenNames.insert(given.name);
        seenRanks.insert(given.rank);
        names.append(given);
    }
    return true;
}

QByteArray WriteGivenNames(QVector<GivenName> names)
{
    std::sort(names.begin(), names.end(), [](const GivenName &a, const GivenName &b) { return a.rank < b.rank; });
    QByteArray out;
    for (const GivenName &given : names) {
        out += given.name.toLatin1();
        out += ',';
        out += given.gender;
        out += ',';
        out += QByteArray::number(given.rank);
        out += '\n';
    }
    return out;
}

QString givenNamesPath()
{
    return programDataFolder() + QStringLiteral("givennames.txt");
}

bool LoadGivenNames(const QString &path, QVector<GivenName> &names, QString &error)
{
    const FileReadResult file = readRegularFile(path, MAX_LIST_BYTES);
    if (file.status != FileReadResult::Ok) {
        error = file.reason;
        return false;
    }
    return ReadGivenNames(QString::fromUtf8(file.bytes), names, error);
}
