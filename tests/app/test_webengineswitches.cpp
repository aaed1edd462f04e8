// The Chromium switches the window adds to the user's, and where they go.

#include "app/webengineswitches.h"

#include <QtTest>

class TestWebEngineSwitches : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addedOnlyWhereTheUserChoseNothing_data();
    void addedOnlyWhereTheUserChoseNothing();
    void setVariableKeepsTheUsersSwitches();
    void withoutTheVariableTheSwitchesJoinTheArguments();
};

namespace {
const char *const FLAGS_VARIABLE = "QTWEBENGINE_CHROMIUM_FLAGS";

QByteArrayList words(const char *text)
{
    return QByteArray(text).split(' ');
}
} // namespace

// The sandbox switch of the user's environment stays out of every case.
void TestWebEngineSwitches::init()
{
    qunsetenv(FLAGS_VARIABLE);
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
}

void TestWebEngineSwitches::cleanup()
{
    qunsetenv(FLAGS_VARIABLE);
}

void TestWebEngineSwitches::addedOnlyWhereTheUserChoseNothing_data()
{
    QTest::addColumn<QByteArrayList>("given");
    QTest::addColumn<bool>("sandboxDisabled");
    QTest::addColumn<QByteArrayList>("expected");

    QTest::newRow("nothing given, sandbox on: one renderer, zygote kept")
        << QByteArrayList() << false << words("--renderer-process-limit=1");
    QTest::newRow("sandbox off: the renderer starts without the zygote")
        << words("--no-sandbox --disable-gpu") << true << words("--renderer-process-limit=1 --no-zygote");
    QTest::newRow("the user's own renderer limit stands")
        << words("--renderer-process-limit=4") << false << QByteArrayList();
    QTest::newRow("a switch of a longer name is another switch")
        << words("--renderer-process-limit-x=4") << false << words("--renderer-process-limit=1");
    QTest::newRow("no zygote given already")
        << words("--no-sandbox --no-zygote") << true << words("--renderer-process-limit=1");
}

void TestWebEngineSwitches::addedOnlyWhereTheUserChoseNothing()
{
    QFETCH(QByteArrayList, given);
    QFETCH(bool, sandboxDisabled);
    QFETCH(QByteArrayList, expected);
    QCOMPARE(WebEngineSwitches::added(given, sandboxDisabled), expected);
}

// The engine ignores the program's arguments while the variable is set, so
// the switches join the variable, after the user's.
void TestWebEngineSwitches::setVariableKeepsTheUsersSwitches()
{
    qputenv(FLAGS_VARIABLE, "  --no-sandbox   --disable-gpu ");
    char program[] = "sorvel";
    char noSandbox[] = "--no-sandbox";
    QVERIFY(WebEngineSwitches::prepare({program, noSandbox}).isEmpty());
    QCOMPARE(qgetenv(FLAGS_VARIABLE),
             QByteArray("--no-sandbox --disable-gpu --renderer-process-limit=1 --no-zygote"));

    // The sandbox is judged by what the engine reads: the variable.
    qputenv(FLAGS_VARIABLE, "--disable-gpu");
    QVERIFY(WebEngineSwitches::prepare({program, noSandbox}).isEmpty());
    QCOMPARE(qgetenv(FLAGS_VARIABLE), QByteArray("--disable-gpu --renderer-process-limit=1"));
}

void TestWebEngineSwitches::withoutTheVariableTheSwitchesJoinTheArguments()
{
    char program[] = "sorvel";
    char noSandbox[] = "--no-sandbox";
    QCOMPARE(WebEngineSwitches::prepare({program, noSandbox}),
             words("--renderer-process-limit=1 --no-zygote"));
    QCOMPARE(WebEngineSwitches::prepare({program}), words("--renderer-process-limit=1"));
    QVERIFY(!qEnvironmentVariableIsSet(FLAGS_VARIABLE));
}

QTEST_GUILESS_MAIN(TestWebEngineSwitches)
#include "test_webengineswitches.moc"
