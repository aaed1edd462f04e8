#include "clientimport.h"

#include "files/checkedfilewriter.h"
#include "files/clientfilenames.h"
#include "files/clientlist.h"
#include "files/datafolder.h"
#include "files/personfile.h"
#include "files/regularfilereader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// The date fields a saved person file carries when they were never set.
const QDate UNSET_DATE(2000, 1, 1);

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

} // namespace

void ClientImporter::importFile(const QString &path, ImportReport &report, ImportKind kind)
{
    const qint64 limit = ClientList::MAX_FILE_BYTES;
    const FileReadResult read = readRegularFile(path, limit);
    if (read.status != FileReadResult::Ok) {
        ++report.unusable;
        report.problems.append({path, 0, QString(), read.reason, false});
        return;
    }
    if (kind == ImportKind::Guess) {
        if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
            kind = ImportKind::Csv;
        } else {
            const bool ownRecentList = QFileInfo(path).fileName() == QFileInfo(recentListPath()).fileName();
            kind = ownRecentList || read.bytes.trimmed().contains('\n') ? ImportKind::RecentList
                                                                         : ImportKind::SavedPerson;
        }
    }
    importBytes(read.bytes, path, kind, report);
}

void ClientImporter::importBytes(const QByteArray &bytes, const QString &label, ImportKind kind,
                                 ImportReport &report)
{
    if (kind == ImportKind::Csv)
        importCsv(bytes, label, report);
    else
        importPersons(bytes, label, kind == ImportKind::Guess ? ImportKind::SavedPerson : kind, report);
}

void ClientImporter::importCsv(const QByteArray &bytes, const QString &label, ImportReport &report)
{
    ClientList list;
    if (!list.open(bytes)) {
        ++report.unusable;
        report.problems.append({label, 1, QString(), list.headerError(), false});
        return;
    }
    QVector<QPair<int, PersonInput>> rows;
    ClientRow row;
    while (list.next(row)) {
        if (!row.error.isEmpty()) {
            ++report.unusable;
            report.problems.append({label, row.line, row.input.fullName, row.error, false});
            continue;
        }
        row.input.forecastDate = QDate();
        rows.append({row.line, row.input});
    }
    addRows(label, rows, report);
}

void ClientImporter::importPersons(const QByteArray &bytes, const QString &label, ImportKind kind,
                                   ImportReport &report)
{
    const PersonFileKind fileKind = kind == ImportKind::RecentList ? PersonFileKind::RecentList
                                                                   : PersonFileKind::SavedPerson;
    const PersonFileContent content = parsePersonFile(decodePersonFile(bytes), fileKind);
    if (content.status != PersonFileStatus::Ok) {
        ++report.unusable;
        report.problems.append({label, 0, QString(),
                                content.reason.isEmpty() ? QLatin1String(WRONG_FILE_FORMAT_MESSAGE) : content.reason,
                                false});
        return;
    }
    QVector<QPair<int, PersonInput>> rows;
    int line = 0;
    for (PersonInput person : content.persons) {
        ++line;
        // Dates the overlay shows for untouched fields are not the client's.
        if (!person.hasPartner())
            person.partnerBirthDate = QDate();
        if (person.petName.isEmpty())
            person.petBirthDate = QDate();
        person.forecastDate = QDate();
        rows.append({line, person});
    }
    addRows(label, rows, report);
}

bool ClientImporter::addRows(const QString &label, const QVector<QPair<int, PersonInput>> &rows,
                             ImportReport &report)
{
    ImportReport file;
    const bool ok = m_book.inTransaction([&] {
        int added = 0;
        for (const auto &row : rows) {
            qint64 id = 0;
            QString reason;
            switch (m_book.addClient(row.second, &id, &reason)) {
            case ClientBook::AddResult::Added:
                ++file.added;
                if (m_progress)
                    m_progress(++added);
                break;
            case ClientBook::AddResult::Duplicate:
                ++file.duplicates;
                file.problems.append({label, row.first, row.second.fullName, reason, true});
                break;
            case ClientBook::AddResult::Refused:
                ++file.unusable;
                file.problems.append({label, row.first, row.second.fullName, reason, false});
                break;
            case ClientBook::AddResult::Failed:
                return false;
            }
        }
        return true;
    });
    if (!ok) {
        // Nothing of this file stayed; say so once.
        report.bookError = m_book.error().message;
        report.problems.append({label, 0, QString(),
                                QStringLiteral("nothing of this file was added: ") + m_book.error().message, false});
        ++report.unusable;
        return false;
    }
    report.added += file.added;
    report.duplicates += file.duplicates;
    report.unusable += file.unusable;
    report.problems += file.problems;
    return true;
}

QByteArray clientsCsv(const QVector<PersonInput> &clients)
{
    QStringList header;
    for (int c = 0; c < ClientList::COLUMN_COUNT; ++c)
        header << ClientList::columnName(ClientList::Column(c));
    QString text = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const PersonInput &p : clients) {
        const QStringList fields = {
            csvField(p.fullName),        csvField(p.shortName),        csvDate(p.birthDate),
            csvField(p.partnerFullName), csvField(p.partnerShortName), csvDate(p.partnerBirthDate),
            csvField(p.petName),         csvDate(p.petBirthDate),
        };
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QVector<PersonInput> bookPersons(ClientBook &book, const QVector<qint64> &ids)
{
    QVector<qint64> wanted = ids;
    if (wanted.isEmpty()) {
        for (const ClientSummary &row : book.find(ClientFilter(), ClientColumn::Name))
            wanted << row.id;
        std::sort(wanted.begin(), wanted.end());
    }
    QVector<PersonInput> persons;
    persons.reserve(wanted.size());
    for (qint64 id : wanted) {
        ClientRecord record;
        if (book.client(id, record))
            persons << record.person;
    }
    return persons;
}

bool exportCsv(ClientBook &book, const QString &path, const QVector<qint64> &ids, QString *error)
{
    return writeFileChecked(path, clientsCsv(bookPersons(book, ids)), error);
}

bool exportPersonFiles(ClientBook &book, const QString &folder, const QVector<qint64> &ids, QStringList *written,
                       QString *error)
{
    ClientFileNames names;
    for (PersonInput person : bookPersons(book, ids)) {
        if (!person.partnerBirthDate.isValid())
            person.partnerBirthDate = UNSET_DATE;
        if (!person.petBirthDate.isValid())
            person.petBirthDate = UNSET_DATE;
        // A file already in the folder is never replaced: the name takes the
        // next counter instead.
        QString path;
        do
            path = QDir(folder).filePath(names.take(person.fullName, QStringLiteral("num")));
        while (QFileInfo::exists(path));
        QString reason;
        if (!saveSavedPerson(path, person, QDate::currentDate(), &reason)) {
            if (error)
                *error = path + QStringLiteral(": ") + reason;
            return false;
        }
        if (written)
            *written << path;
    }
    return true;
}
