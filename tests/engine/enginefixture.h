#pragma once

// Small helpers shared by the engine tests: a person record built in one
// line, a reporter that records what the engine would show, and a guard that
// restores the process-wide calculation options after each test.

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

// Restores the default options when it goes out of scope.
struct OptionsGuard
{
    ~OptionsGuard() { CNumerology::options() = CalcOptions(); }
};
