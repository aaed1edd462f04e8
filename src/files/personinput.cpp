#include "personinput.h"

#include "engine/namecleaning.h"

bool PersonInput::samePeopleAs(const PersonInput &other) const
{
    return fullName == other.fullName && shortName == other.shortName && birthDate == other.birthDate
        && partnerFullName == other.partnerFullName && partnerShortName == other.partnerShortName
        && partnerBirthDate == other.partnerBirthDate;
}

PersonInput cleanedInput(const PersonInput &typed)
{
    const auto cleanPair = [](QString &full, QString &shortName) {
        full = CleanName(full);
        shortName = CleanName(shortName);
        if (shortName.isEmpty())
            shortName = ShortNameFromFull(full);
    };
    PersonInput input = typed;
    cleanPair(input.fullName, input.shortName);
    cleanPair(input.partnerFullName, input.partnerShortName);
    input.petName = CleanName(input.petName);
    if (input.vowelMode != 0 && input.vowelMode != 1)
        input.vowelMode = 0;
    return input;
}

PersonRecord personRecord(const PersonInput &input)
{
    PersonRecord person;
    person.fullName = input.fullName;
    person.shortName = input.shortName;
    person.fullMarks = input.fullMarks;
    person.shortMarks = input.shortMarks;
    person.chaldean = input.chaldean;
    person.birthDate = input.birthDate;
    person.forecastDate = input.forecastDate;
    person.vowelMode = input.vowelMode;
    return person;
}

PersonRecord partnerRecord(const PersonInput &input)
{
    PersonRecord partner = personRecord(input);
    partner.fullName = input.partnerFullName;
    partner.shortName = input.partnerShortName;
    partner.fullMarks = input.partnerFullMarks;
    partner.shortMarks = input.partnerShortMarks;
    partner.birthDate = input.partnerBirthDate;
    return partner;
}
