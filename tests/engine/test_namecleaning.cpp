// Name cleaning and the short name taken from the full name.

#include "engine/namecleaning.h"

#include <QtTest>

class TestNameCleaning : public QObject
{
    Q_OBJECT

private slots:
    void cleanName_data();
    void cleanName();
    void cutsTo300CharactersFirst();
    void shortName_data();
    void shortName();
};

void TestNameCleaning::cleanName_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("accents, hyphen and apostrophe")
        << QString::fromUtf8("Jos\xc3\xa9-Mar\xc3\xad""a O'Neil") << "Jose Maria ONeil";
    QTest::newRow("spaces collapse") << "  John   Smith  " << "John Smith";
    QTest::newRow("digits stay") << "Louis 14" << "Louis 14";
    QTest::newRow("punctuation becomes a gap") << "Smith,John.Q" << "Smith John Q";
    QTest::newRow("letters without a decomposition are dropped")
        << QString::fromUtf8("\xc3\x86r\xc3\xb8") << "r";
    QTest::newRow("non-Latin script vanishes") << QString::fromUtf8("\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd Ivan") << "Ivan";
    QTest::newRow("tabs and new lines are gaps") << "Anna\tMaria\nLee" << "Anna Maria Lee";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("only punctuation") << "-- ' --" << "";
}

void TestNameCleaning::cleanName()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(CleanName(input), expected);
}

void TestNameCleaning::cutsTo300CharactersFirst()
{
    QCOMPARE(CleanName(QString(400, QLatin1Char('A'))), QString(300, QLatin1Char('A')));
    // The cut comes before the clean-up: 299 letters, a gap, then more.
    const QString input = QString(299, QLatin1Char('B')) + QStringLiteral("  CDE");
    QCOMPARE(CleanName(input), QString(299, QLatin1Char('B')));
}

void TestNameCleaning::shortName_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three words: first and last") << "Jose Maria ONeil" << "Jose ONeil";
    QTest::newRow("four words") << "John Ronald Reuel Tolkien" << "John Tolkien";
    QTest::newRow("two words: all of it") << "John Smith" << "John Smith";
    QTest::newRow("one word") << "Madonna" << "Madonna";
    QTest::newRow("empty") << "" << "";
}

void TestNameCleaning::shortName()
{
    QFETCH(QString, full);
    QFETCH(QString, expected);
    QCOMPARE(ShortNameFromFull(full), expected);
}

QTEST_GUILESS_MAIN(TestNameCleaning)
#include "test_namecleaning.moc"
