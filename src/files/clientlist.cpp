#include "clientlist.h"

#include <QRegularExpression>

namespace {

// Column names as the header may spell them, in the order of the enum.
const char *const COLUMN_NAMES[] = {
    "full name",          "short name",         "birth date", "partner full name",
    "partner short name", "partner birth date", "pet name",   "pet birth date",
};
static_assert(sizeof(COLUMN_NAMES) / sizeof(COLUMN_NAMES[0]) == ClientList::COLUMN_COUNT,
              "one name per column");

// "Birth_Date" and "birth-date" both read as "birthdate".
QString columnKey(const QString &name)
{
    static const QRegularExpression IGNORED(QStringLiteral("[\\s_-]"));
    return name.toLower().remove(IGNORED);
}

bool isBlank(const CsvRecord &record)
{
    for (const QString &field : record.fields) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

// A strict YYYY-MM-DD date; null when the text is anything else or no real
// day. The error names the column.
QDate readDate(const QString &text, const QString &column, QString &error)
{
    static const QRegularExpression ISO(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QString trimmed = text.trimmed();
    const QDate date = ISO.match(trimmed).hasMatch() ? QDate::fromString(trimmed, Qt::ISODate) : QDate();
    if (!date.isValid())
        error = column + QStringLiteral(" '%1' is not a date (YYYY-MM-DD)").arg(trimmed);
    return date;
}

} // namespace

QString ClientList::columnName(Column column)
{
    return QLatin1String(COLUMN_NAMES[column]);
}

bool ClientList::open(const QByteArray &bytes)
{
    m_reader = CsvReader(QString::fromUtf8(bytes));
    m_columnOf.fill(-1);
    m_headerError.clear();

    CsvRecord header;
    while (m_reader.next(header) && isBlank(header)) {
    }
    if (header.fields.isEmpty() || isBlank(header)) {
        m_headerError = QStringLiteral("the file has no header line naming the columns");
        return false;
    }
    if (!header.error.isEmpty()) {
        m_headerError = QStringLiteral("header, line %1: %2").arg(header.line).arg(header.error);
        return false;
    }
    m_headerFields = header.fields.size();
    for (int i = 0; i < header.fields.size(); ++i) {
        const QString key = columnKey(header.fields.at(i));
        if (key.isEmpty())
            continue; // a column without a name, as spreadsheets leave after the last
        int column = 0;
        while (column < COLUMN_COUNT && columnKey(QLatin1String(COLUMN_NAMES[column])) != key)
            ++column;
        if (column == COLUMN_COUNT) {
            QStringList known;
            for (const char *name : COLUMN_NAMES)
                known << QLatin1String(name);
            m_headerError = QStringLiteral("unknown column '%1' (the columns are: %2)")
                                .arg(header.fields.at(i).trimmed(), known.join(QStringLiteral(", ")));
            return false;
        }
        if (m_columnOf.at(column) >= 0) {
            m_headerError = QStringLiteral("the column '%1' is named twice").arg(columnName(Column(column)));
            return false;
        }
        m_columnOf[column] = i;
    }
    for (const Column required : {FullName, BirthDate}) {
        if (m_columnOf.at(required) < 0) {
            m_headerError = QStringLiteral("the header has no '%1' column").arg(columnName(required));
            return false;
        }
    }
    return true;
}

QString ClientList::field(const CsvRecord &record, Column column) const
{
    const int index = m_columnOf.at(column);
    return index >= 0 && index < record.fields.size() ? record.fields.at(index).trimmed() : QString();
}

bool ClientList::next(ClientRow &row)
{
    CsvRecord record;
    while (m_reader.next(record)) {
        if (isBlank(record) && record.error.isEmpty())
            continue;
        row = ClientRow();
        row.line = record.line;
        fillRow(record, row);
        return true;
    }
    return false;
}

void ClientList::fillRow(const CsvRecord &record, ClientRow &row) const
{
    // 1. The record's shape. A record with its fields in the wrong number
    // still names the client where it can, for the list of skipped rows.
    if (!record.error.isEmpty()) {
        row.error = record.error;
        return;
    }
    if (record.fields.size() != m_headerFields) {
        row.input.fullName = field(record, FullName);
        row.error = QStringLiteral("%1 fields where the header names %2")
                        .arg(record.fields.size())
                        .arg(m_headerFields);
        return;
    }

    // 2. The person.
    PersonInput &input = row.input;
    input.fullName = field(record, FullName);
    input.shortName = field(record, ShortName);
    if (input.fullName.isEmpty()) {
        row.error = QStringLiteral("no full name");
        return;
    }
    if (field(record, BirthDate).isEmpty()) {
        row.error = QStringLiteral("no birth date");
        return;
    }
    input.birthDate = readDate(field(record, BirthDate), columnName(BirthDate), row.error);
    if (!row.error.isEmpty())
        return;

    // 3. A partner and a pet, each complete or absent.
    input.partnerFullName = field(record, PartnerFullName);
    input.partnerShortName = field(record, PartnerShortName);
    const QString partnerBirth = field(record, PartnerBirthDate);
    if (!input.partnerFullName.isEmpty() || !input.partnerShortName.isEmpty() || !partnerBirth.isEmpty()) {
        if (input.partnerFullName.isEmpty() || partnerBirth.isEmpty()) {
            row.error = QStringLiteral("a partner needs a partner full name and a partner birth date");
            return;
        }
        input.partnerBirthDate = readDate(partnerBirth, columnName(PartnerBirthDate), row.error);
        if (!row.error.isEmpty())
            return;
    }
    input.petName = field(record, PetName);
    const QString petBirth = field(record, PetBirthDate);
    if (!input.petName.isEmpty() || !petBirth.isEmpty()) {
        if (input.petName.isEmpty() || petBirth.isEmpty()) {
            row.error = QStringLiteral("a pet needs a pet name and a pet birth date");
            return;
        }
        input.petBirthDate = readDate(petBirth, columnName(PetBirthDate), row.error);
    }
}
