// The person file reader: any bytes, read as a saved person and as the
// recent list. Whatever it accepts must survive being written and read again.

#include "files/personfile.h"
#include "fuzzcheck.h"

#include <cstdint>

namespace {

QString asWritten(const QString &text)
{
    return QString(text).remove(QLatin1Char(',')).simplified();
}

void checkRewritten(const PersonInput &person)
{
    const QDate forecast(2024, 6, 21);
    const PersonFileContent saved =
        parsePersonFile(formatSavedPerson(person, forecast), PersonFileKind::SavedPerson);
    fuzzCheck(saved.status == PersonFileStatus::Ok && saved.fieldCount == PERSON_FILE_FIELDS &&
                  saved.persons.size() == 1,
              "a written saved person reads back as one 15-field record");
    const PersonInput &again = saved.persons.first();
    fuzzCheck(again.fullName == asWritten(person.fullName) &&
                  again.shortName == asWritten(person.shortName) &&
                  again.partnerFullName == asWritten(person.partnerFullName) &&
                  again.petName == asWritten(person.petName),
              "names come back without commas, white space simplified");
    fuzzCheck(again.female == person.female && again.chaldean == person.chaldean,
              "gender and Chaldean flag come back");
    fuzzCheck(again.birthDate == person.birthDate || !person.birthDate.isValid(),
              "the birth date comes back");

    const PersonFileContent recent =
        parsePersonFile(formatRecentList({person, person}, forecast), PersonFileKind::RecentList);
    fuzzCheck(recent.status == PersonFileStatus::Ok && recent.persons.size() == 2 &&
                  recent.persons.first().female == person.female,
              "a written recent list reads back, gender kept");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QString text = decodePersonFile(bytes);
    for (const PersonFileKind kind : {PersonFileKind::SavedPerson, PersonFileKind::RecentList}) {
        const PersonFileContent content = parsePersonFile(text, kind);
        if (content.status != PersonFileStatus::Ok)
            continue;
        fuzzCheck(!content.persons.isEmpty() && content.persons.size() <= MAX_RECENT_ENTRIES,
                  "an accepted file holds one to eight persons");
        for (const PersonInput &person : content.persons)
            checkRewritten(person);
    }
    return 0;
}
