#include "messagereporter.h"

#include <QDebug>

namespace {

class LoggingReporter : public CMessageReporter
{
public:
    void critical(const QString &title, const QString &text) override
    {
        qCritical().noquote() << (title.isEmpty() ? text : title + QLatin1String(": ") + text);
    }
};

LoggingReporter g_loggingReporter;
CMessageReporter *g_reporter = nullptr;

} // namespace

void CMessageReporter::information(const QString &title, const QString &text)
{
    qInfo().noquote() << (title.isEmpty() ? text : title + QLatin1String(": ") + text);
}

CMessageReporter &messageReporter()
{
    return g_reporter ? *g_reporter : g_loggingReporter;
}

void setMessageReporter(CMessageReporter *reporter)
{
    g_reporter = reporter;
}

ScopedMessageReporter::ScopedMessageReporter(CMessageReporter &reporter)
    : m_reporter(reporter)
    , m_previous(g_reporter)
{
    g_reporter = &reporter;
}

ScopedMessageReporter::~ScopedMessageReporter()
{
    if (g_reporter == &m_reporter)
        g_reporter = m_previous;
}
