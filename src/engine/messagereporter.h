#pragma once

#include <QString>

// How the core tells the user about a failed request. The window shows a
// modal message box; the command-line tool prints to stderr; tests record.
// The core never talks to widgets itself, so it stays usable headless.
class CMessageReporter
{
public:
    virtual ~CMessageReporter() = default;
    // A failure the user must acknowledge (a critical box with an OK button).
    virtual void critical(const QString &title, const QString &text) = 0;
    // Something the user should know and may want to copy (a file's place,
    // an address no program here could open): an information box.
    virtual void information(const QString &title, const QString &text);
};

// The process-wide reporter. Without one installed, messages go to the Qt log.
CMessageReporter &messageReporter();
// Installs a reporter (not owned); nullptr restores the logging default.
void setMessageReporter(CMessageReporter *reporter);

// Installs a reporter for as long as the guard lives. At its end the reporter
// that was in force before comes back, unless someone installed another one
// meanwhile: that one then stays.
class ScopedMessageReporter
{
public:
    explicit ScopedMessageReporter(CMessageReporter &reporter);
    ~ScopedMessageReporter();
    ScopedMessageReporter(const ScopedMessageReporter &) = delete;
    ScopedMessageReporter &operator=(const ScopedMessageReporter &) = delete;

private:
    CMessageReporter &m_reporter;
    CMessageReporter *m_previous;
};
