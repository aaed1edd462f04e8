// The reporter the core tells its failures to: installed for a scope, and
// what comes back when the scope ends.

#include "engine/messagereporter.h"

#include <QtTest>

namespace {

struct Recorder : CMessageReporter
{
    QStringList messages;
    void critical(const QString &, const QString &text) override { messages.append(text); }
};

} // namespace

class TestMessageReporter : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setMessageReporter(nullptr); }
    void scopesNest();
    void reporterInstalledMeanwhileStays();
};

// Each guard's reporter hears while it lives; the one before it hears again after.
void TestMessageReporter::scopesNest()
{
    Recorder outer;
    Recorder inner;
    {
        const ScopedMessageReporter outerScope(outer);
        messageReporter().critical(QString(), QStringLiteral("one"));
        {
            const ScopedMessageReporter innerScope(inner);
            messageReporter().critical(QString(), QStringLiteral("two"));
        }
        messageReporter().critical(QString(), QStringLiteral("three"));
    }
    QCOMPARE(outer.messages, (QStringList{"one", "three"}));
    QCOMPARE(inner.messages, QStringList{"two"});
    // Without a reporter the core logs: nobody of ours hears.
    QTest::ignoreMessage(QtCriticalMsg, "four");
    messageReporter().critical(QString(), QStringLiteral("four"));
    QCOMPARE(outer.messages.size(), 2);
}

// A window's guard ends after a test put its own reporter in: the test's stays.
void TestMessageReporter::reporterInstalledMeanwhileStays()
{
    Recorder mine;
    Recorder later;
    {
        const ScopedMessageReporter scope(mine);
        setMessageReporter(&later);
    }
    messageReporter().critical(QString(), QStringLiteral("after"));
    QCOMPARE(later.messages, QStringList{"after"});
    QVERIFY(mine.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestMessageReporter)
#include "test_messagereporter.moc"
