// The text a number section prints: its own entry, or for a doubled master
// number of master mode 1 without one, the reduced digit's entry after a
// paragraph on the doubled digit.

#include "texts/numberreading.h"
#include "textfixture.h"

#include <QTemporaryDir>
#include <QtTest>

class TestNumberReading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reading_data();
    void reading();
    void reducedDigit_data();
    void reducedDigit();

private:
    QTemporaryDir m_dir;
    TextStore m_store;
};

// Topic 101 has texts for 1..9 and 11 and its own 77; topic 104 only for 1.
void TestNumberReading::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStringList lines;
    for (const int n : {1, 3, 5, 7, 8, 9, 11, 77})
        lines << header(101, n) << marker(101, n);
    lines << header(104, 1) << marker(104, 1);
    const QString path = m_dir.filePath(QStringLiteral("eng.dat"));
    QVERIFY(writeDataFile(path, lines));
    QVERIFY(m_store.loadFile(path));
}

void TestNumberReading::reading_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("opening"); // the doubled digit's paragraph starts so; empty: none
    QTest::addColumn<QString>("entry");   // the entry text that follows; empty: no reading

    const QString own;
    QTest::newRow("digit reads its own entry") << 101 << 7 << own << marker(101, 7);
    QTest::newRow("master of mode 0 reads its own entry") << 101 << 11 << own << marker(101, 11);
    QTest::newRow("44 reads 8") << 101 << 44 << QStringLiteral("<p>Here the number stands as 44, a doubled 4")
                                << marker(101, 8);
    QTest::newRow("55 reads 1, not 10")
        << 101 << 55 << QStringLiteral("<p>Here the number stands as 55, a doubled 5") << marker(101, 1);
    QTest::newRow("66 reads 3") << 101 << 66 << QStringLiteral("<p>Here the number stands as 66, a doubled 6")
                                << marker(101, 3);
    QTest::newRow("88 reads 7") << 101 << 88 << QStringLiteral("<p>Here the number stands as 88, a doubled 8")
                                << marker(101, 7);
    QTest::newRow("99 reads 9") << 101 << 99 << QStringLiteral("<p>Here the number stands as 99, a doubled 9")
                                << marker(101, 9);
    QTest::newRow("an entry of its own wins") << 101 << 77 << own << marker(101, 77);
    QTest::newRow("not doubled: no fallback") << 101 << 45 << own << QString();
    QTest::newRow("33 has no fallback in mode 0's range") << 101 << 33 << own << QString();
    QTest::newRow("reduced digit empty too") << 104 << 44 << own << QString();
    QTest::newRow("unknown topic") << 199 << 44 << own << QString();
}

void TestNumberReading::reading()
{
    QFETCH(int, topic);
    QFETCH(int, number);
    QFETCH(QString, opening);
    QFETCH(QString, entry);

    const QString text = numberReading(m_store, topic, number);
    if (entry.isEmpty()) {
        QCOMPARE(text, QString());
        return;
    }
    const QString entryHtml = QLatin1String("<p>") + entry + QLatin1String("</p>");
    if (opening.isEmpty()) {
        QCOMPARE(text, entryHtml);
        return;
    }
    QVERIFY2(text.startsWith(opening), qPrintable(text));
    QVERIFY2(text.endsWith(QLatin1String("</p>") + entryHtml), qPrintable(text));
    // Exactly one paragraph comes before the entry.
    QCOMPARE(text.count(QLatin1String("<p>")), 2);
}

void TestNumberReading::reducedDigit_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("doubled");
    QTest::addColumn<int>("digit");

    QTest::newRow("11") << 11 << false << 2;
    QTest::newRow("33") << 33 << false << 6;
    QTest::newRow("44") << 44 << true << 8;
    QTest::newRow("55") << 55 << true << 1;
    QTest::newRow("66") << 66 << true << 3;
    QTest::newRow("77") << 77 << true << 5;
    QTest::newRow("88") << 88 << true << 7;
    QTest::newRow("99") << 99 << true << 9;
    QTest::newRow("46") << 46 << false << 1;
    QTest::newRow("110") << 110 << false << 2;
}

void TestNumberReading::reducedDigit()
{
    QFETCH(int, number);
    QFETCH(bool, doubled);
    QFETCH(int, digit);
    QCOMPARE(isDoubledMasterNumber(number), doubled);
    QCOMPARE(doubledMasterDigit(number), digit);
}

QTEST_GUILESS_MAIN(TestNumberReading)
#include "test_numberreading.moc"
