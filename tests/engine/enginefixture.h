#pragma once

// Small helpers shared by the engine tests: a person record built in one
// line and a reporter that records what the engine would show. Tests that
// change an option give the engine options of their own (setCalcOptions).

#include "engine/cnumerology.h"
#include "engine/messagereporter.h"

#include <QStringList>

struct RecordingReporter : CMessageReporter
{
    QStringList messages;
    RecordingReporter() { setMessageReporter(this); }
    ~RecordingReporter() override { setMessageReporter(nullptr); }
    void critical(const QString &title, const QString &text) override
    {
        messages.append(title + QLatin1Char('|') + text);
    }
};

inline PersonRecord makePerson(const QString &full, const QDate &birth,
                               const QDate &forecast = QDate(2024, 6, 21),
                               const QString &shortName = QString())
{
    PersonRecord person;
    person.fullName = full;
    person.shortName = shortName.isEmpty() ? full : shortName;
    person.birthDate = birth;
    person.forecastDate = forecast;
    return person;
}

inline PersonRecord calcOnly(PersonRecord person)
{
    person.calcOnly = true;
    return person;
}
