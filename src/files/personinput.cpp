#include "personinput.h"

#include "engine/namecleaning.h"

bool PersonInput::samePeopleAs(const PersonInput &other) const
{
    return fullName == other.fullName && shortName == other.shortName && birthDate == other.birthDate
        && partnerFullName == other.partnerFullName && partnerShortName == other.partnerShortName
        && partnerBirthDate == other.partnerBirthDate;
}

PersonInput cleanedInput(const PersonInput &typed, ShortNamesCleanedAway *cleanedAway)
{
    ShortNamesCleanedAway away;
    const auto cleanPair = [](QString &full, QString &shortName, bool &shortCleanedAway) {
        full = CleanName(full);
        const bool typedShort = !shortName.trimmed().isEmpty();
        shortName = CleanName(shortName);
        if (shortName.isEmpty()) {
            shortCleanedAway = typedShort;
            shortName = ShortNameFromFull(full);
        }
    };
    PersonInput input = typed;
    cleanPair(input.fullName, input.shortName, away.person);
    cleanPair(input.partnerFullName, input.partnerShortName, away.partner);
    if (cleanedAway)
        *cleanedAway = away;
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

QVector<int> marksFromDigitRows(const QString &vowelRow, const QString &consonantRow)
{
    QVector<int> marks(vowelRow.size(), 0);
    for (int i = 0; i < vowelRow.size(); ++i) {
        if (vowelRow.at(i) != QLatin1Char(' '))
            marks[i] = 1;
        else if (i < consonantRow.size() && consonantRow.at(i) != QLatin1Char(' '))
            marks[i] = 2;
    }
    return marks;
}

PersonInput withAutomaticMarks(const PersonInput &typed)
{
    return withAutomaticMarks(typed, cleanedInput(typed));
}

PersonInput withAutomaticMarks(const PersonInput &typed, const PersonInput &cleaned)
{
    PersonInput result = typed;
    CNumerology engine;
    // A calculate-only run without marks, as the overlay's pre-calculation.
    const auto rebuild = [&engine](PersonRecord record, QVector<int> &fullMarks, QVector<int> &shortMarks) {
        record.fullMarks.clear();
        record.shortMarks.clear();
        record.calcOnly = true;
        engine.CalcNumerology(record);
        const NumerologyResult &r = engine.result();
        fullMarks = marksFromDigitRows(r.fullVowelRow, r.fullConsonantRow);
        shortMarks = marksFromDigitRows(r.shortVowelRow, r.shortConsonantRow);
    };
    rebuild(personRecord(cleaned), result.fullMarks, result.shortMarks);
    rebuild(partnerRecord(cleaned), result.partnerFullMarks, result.partnerShortMarks);
    return result;
}

void toggleMark(QVector<int> &marks, int index)
{
    if (index < 0 || index >= marks.size())
        return;
    if (marks[index] == 1)
        marks[index] = 2;
    else if (marks[index] == 2)
        marks[index] = 1;
}
