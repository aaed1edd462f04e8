#pragma once

// One person input: what the input overlay holds, what a person file and the
// recent list store, and what the command line builds. The window, the files
// and the tool all hand this record around; the engine's PersonRecord is made
// from it in one place.

#include "engine/cnumerology.h"

#include <QDate>
#include <QString>
#include <QVector>

struct PersonInput
{
    QString fullName;
    QString shortName;
    QDate birthDate;
    bool female = true;
    QString partnerFullName;
    QString partnerShortName;
    QDate partnerBirthDate;
    QString petName;
    QDate petBirthDate;
    QDate forecastDate;
    // Letter marks per character of the cleaned name: 0 automatic, 1 always
    // a vowel, 2 always a consonant.
    QVector<int> fullMarks;
    QVector<int> shortMarks;
    QVector<int> partnerFullMarks;
    QVector<int> partnerShortMarks;
    bool chaldean = false;
    int vowelMode = 0; // 0 "English", 1 "Universal"

    bool hasPartner() const { return !partnerFullName.isEmpty() && !partnerShortName.isEmpty(); }

    // Same person and partner, whatever pet, marks or options.
    bool samePeopleAs(const PersonInput &other) const;
};

// Which typed short names cleaned away to nothing although something other
// than blanks was typed; the cleaned input then has one made from the full name.
struct ShortNamesCleanedAway
{
    bool person = false;
    bool partner = false;
};

// The input with every name cleaned as the calculation receives it; an empty
// short name is made from the full name. With cleanedAway, says which typed
// short names that happened to.
PersonInput cleanedInput(const PersonInput &typed, ShortNamesCleanedAway *cleanedAway = nullptr);

// The engine's record of the person, or of the partner, of a cleaned input.
PersonRecord personRecord(const PersonInput &input);
PersonRecord partnerRecord(const PersonInput &input);

// The marks a pair of digit rows shows, as the input overlay rebuilds them
// from the engine whenever a name changes: 1 where the vowel row has a digit,
// else 2 where the consonant row has one, else 0.
QVector<int> marksFromDigitRows(const QString &vowelRow, const QString &consonantRow);

// The typed input with the four mark arrays the engine's own vowel rule
// gives its cleaned names: what the overlay holds right after the names were
// typed, before any letter is clicked.
PersonInput withAutomaticMarks(const PersonInput &typed);
// The same when the caller holds cleanedInput(typed) already.
PersonInput withAutomaticMarks(const PersonInput &typed, const PersonInput &cleaned);

// A click on a letter swaps vowel and consonant; other characters and
// positions outside the name stay as they are.
void toggleMark(QVector<int> &marks, int index);
