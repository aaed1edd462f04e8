#include "personfile.h"

#include "files/checkedfilewriter.h"
#include "files/regularfilereader.h"

#include <QStringList>

#include <climits>

namespace {

const int NO_LIMIT = INT_MAX;

// Field positions, counted from 0.
enum Field {
    BIRTH_DATE,
    FULL_NAME,
    SHORT_NAME,
    GENDER,
    PARTNER_BIRTH_DATE,
    PARTNER_FULL_NAME,
    PARTNER_SHORT_NAME,
    PET_BIRTH_DATE,
    PET_NAME,
    FORECAST_DATE,
    FULL_MARKS,
    SHORT_MARKS,
    PARTNER_FULL_MARKS,
    PARTNER_SHORT_MARKS,
    CHALDEAN,
};

// --- writing ---------------------------------------------------------------

// A comma would split the record; runs of white space, line breaks included,
// become one blank.
QString textField(const QString &text)
{
    return QString(text).remove(QLatin1Char(',')).simplified();
}

// "dd.MM.yyyy" in ASCII digits whatever the user's locale; an unset date is
// empty.
QString dateField(const QDate &date)
{
    if (!date.isValid())
        return QString();
    const QLatin1Char zero('0');
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, zero)
        .arg(date.month(), 2, 10, zero)
        .arg(date.year(), 4, 10, zero);
}

// One digit per mark, at most maxDigits of them. Marks are 0, 1 or 2; a value
// that is not one digit is written as 0 (automatic).
QString marksField(const QVector<int> &marks, int maxDigits)
{
    const int count = qMin(marks.size(), maxDigits);
    QString field;
    field.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int mark = marks.at(i);
        field += QLatin1Char(char('0' + (mark >= 0 && mark <= 9 ? mark : 0)));
    }
    return field;
}

struct MarksLimits
{
    int full;
    int shortName;
    int partnerFull;
    int partnerShort;
};

QString record(const PersonInput &person, bool genderDigitOne, const QDate &forecast,
               const MarksLimits &limits)
{
    const QStringList fields = {
        dateField(person.birthDate),
        textField(person.fullName),
        textField(person.shortName),
        genderDigitOne ? QStringLiteral("1") : QStringLiteral("0"),
        dateField(person.partnerBirthDate),
        textField(person.partnerFullName),
        textField(person.partnerShortName),
        dateField(person.petBirthDate),
        textField(person.petName),
        dateField(forecast),
        marksField(person.fullMarks, limits.full),
        marksField(person.shortMarks, limits.shortName),
        marksField(person.partnerFullMarks, limits.partnerFull),
        marksField(person.partnerShortMarks, limits.partnerShort),
        person.chaldean ? QStringLiteral("1") : QStringLiteral("0"),
    };
    return fields.join(QLatin1Char(','));
}

// --- reading ---------------------------------------------------------------

// A date exactly as written, "dd.MM.yyyy"; anything else, or a day the
// calendar does not have, is no date.
QDate dateOf(const QString &field)
{
    if (field.size() != 10 || field.at(2) != QLatin1Char('.') || field.at(5) != QLatin1Char('.'))
        return QDate();
    const auto number = [&field](int from, int digits) {
        int value = 0;
        for (int i = from; i < from + digits; ++i) {
            const char16_t c = field.at(i).unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const int day = number(0, 2);
    const int month = number(3, 2);
    const int year = number(6, 4);
    if (day < 0 || month < 0 || year < 0)
        return QDate();
    return QDate(year, month, day);
}

// The marks of a name; a field longer than twice its name is not trusted.
QVector<int> marksOf(const QString &field, const QString &name)
{
    QVector<int> marks;
    if (field.size() > 2 * name.size())
        return marks;
    marks.reserve(field.size());
    for (const QChar c : field) {
        const int digit = c.digitValue();
        marks.append(digit < 0 ? 0 : digit);
    }
    return marks;
}

// Fields 1 to 9, common to both formats. The gender is read by the caller.
PersonInput personOf(const QStringList &fields)
{
    PersonInput person;
    person.birthDate = dateOf(fields.at(BIRTH_DATE));
    person.fullName = fields.at(FULL_NAME);
    person.shortName = fields.at(SHORT_NAME);
    person.partnerBirthDate = dateOf(fields.at(PARTNER_BIRTH_DATE));
    person.partnerFullName = fields.at(PARTNER_FULL_NAME);
    person.partnerShortName = fields.at(PARTNER_SHORT_NAME);
    person.petBirthDate = dateOf(fields.at(PET_BIRTH_DATE));
    person.petName = fields.at(PET_NAME);
    return person;
}

// A record of the older format: field 4 is the gender box's index, and an
// index the box does not have counts as 0 (female).
PersonInput oldFormatPerson(const QStringList &fields)
{
    PersonInput person = personOf(fields);
    person.female = fields.at(GENDER).toInt() != 1;
    return person;
}

PersonInput currentFormatPerson(const QStringList &fields, PersonFileKind kind)
{
    PersonInput person = personOf(fields);
    const bool digitIsZero = fields.at(GENDER).toInt() == 0;
    person.female = kind == PersonFileKind::SavedPerson ? digitIsZero : !digitIsZero;
    person.fullMarks = marksOf(fields.at(FULL_MARKS), person.fullName);
    person.shortMarks = marksOf(fields.at(SHORT_MARKS), person.shortName);
    person.partnerFullMarks = marksOf(fields.at(PARTNER_FULL_MARKS), person.partnerFullName);
    person.partnerShortMarks = marksOf(fields.at(PARTNER_SHORT_MARKS), person.partnerShortName);
    person.chaldean = fields.at(CHALDEAN).toInt() != 0;
    return person;
}

// The fields of one line. A "\r" left by an editor that writes CR LF is not
// part of the last field.
QStringList fieldsOf(QStringView line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line.toString().split(QLatin1Char(','));
}

} // namespace

QString formatSavedPerson(const PersonInput &typed, const QDate &forecast)
{
    const MarksLimits limits = {typed.fullName.size() + 2, typed.shortName.size() + 2,
                                typed.partnerFullName.size() + 2, typed.partnerShortName.size() + 2};
    return record(typed, !typed.female, forecast, limits);
}

QString formatRecentList(const QList<RecentEntry> &entries, const QDate &forecast)
{
    QStringList records;
    for (const RecentEntry &entry : entries) {
        const MarksLimits limits = {entry.fullName.size(), NO_LIMIT, NO_LIMIT, NO_LIMIT};
        records.append(record(entry, entry.female, forecast, limits));
    }
    return records.join(QLatin1Char('\n'));
}

QString decodePersonFile(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

PersonFileContent parsePersonFile(const QString &text, PersonFileKind kind)
{
    const QStringView all(text);
    const int firstEnd = all.indexOf(QLatin1Char('\n'));
    const QStringList first = fieldsOf(firstEnd < 0 ? all : all.left(firstEnd));

    PersonFileContent content;
    content.fieldCount = first.size();
    if (first.size() == OLD_PERSON_FILE_FIELDS) {
        content.persons.append(oldFormatPerson(first));
    } else if (first.size() != PERSON_FILE_FIELDS) {
        content.reason = QStringLiteral("expected %1 or %2 fields, found %3")
                             .arg(PERSON_FILE_FIELDS)
                             .arg(OLD_PERSON_FILE_FIELDS)
                             .arg(first.size());
        return content;
    } else if (kind == PersonFileKind::SavedPerson) {
        content.persons.append(currentFormatPerson(first, kind));
    } else {
        // Every well-formed line is one recent entry, up to the list's size.
        int start = 0;
        while (start <= text.size() && content.persons.size() < MAX_RECENT_ENTRIES) {
            int end = all.indexOf(QLatin1Char('\n'), start);
            if (end < 0)
                end = text.size();
            const QStringList fields = fieldsOf(all.mid(start, end - start));
            if (fields.size() == PERSON_FILE_FIELDS)
                content.persons.append(currentFormatPerson(fields, kind));
            start = end + 1;
        }
    }
    content.status = PersonFileStatus::Ok;
    return content;
}

PersonFileContent readPersonFile(const QString &path, PersonFileKind kind)
{
    const FileReadResult file = readRegularFile(path, MAX_PERSON_FILE_BYTES);
    if (file.status != FileReadResult::Ok) {
        PersonFileContent content;
        content.status = file.status == FileReadResult::TooLarge ? PersonFileStatus::WrongFormat
                                                                 : PersonFileStatus::CannotOpen;
        content.reason = file.reason;
        return content;
    }
    return parsePersonFile(decodePersonFile(file.bytes), kind);
}

bool saveSavedPerson(const QString &path, const PersonInput &typed, const QDate &forecast, QString *error)
{
    return writeFileChecked(path, formatSavedPerson(typed, forecast).toUtf8(), error);
}

bool saveRecentList(const QString &path, const QList<RecentEntry> &entries, const QDate &forecast,
                    QString *error)
{
    return writeOwnFileChecked(path, formatRecentList(entries, forecast).toUtf8(), error);
}
