// The lists the finder reads: the given-name list (the shipped source and
// damaged ones) and the user's own lists through the CSV reader.

#include "names/givennames.h"
#include "names/namelist.h"

#include <QtTest>

class TestNameLists : public QObject
{
    Q_OBJECT
private slots:
    void shippedSource();
    void damagedGivenNames_data();
    void damagedGivenNames();
    void shippedFormRoundTrip();
    void plainList();
    void csvColumn_data();
    void csvColumn();
    void missingHeader();
};

void TestNameLists::shippedSource()
{
    QFile file(QStringLiteral(SORVEL_GIVEN_NAMES_SOURCE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVector<GivenName> names;
    QString error;
    QVERIFY2(ReadGivenNames(QString::fromUtf8(file.readAll()), names, error), qPrintable(error));
    QVERIFY(names.size() >= 5000);
    int genders[3] = {};
    for (const GivenName &given : names) {
        for (const QChar c : given.name)
            QVERIFY2(c >= QLatin1Char('A') && c <= QLatin1Char('Z'), qPrintable(given.name));
        genders[given.gender == 'f' ? 0 : given.gender == 'm' ? 1 : 2]++;
    }
    // Ranks run from 1 without a gap; each gender use is there.
    QSet<int> ranks;
    for (const GivenName &given : names)
        ranks.insert(given.rank);
    QCOMPARE(ranks.size(), names.size());
    QVERIFY(ranks.contains(1) && ranks.contains(names.size()));
    QVERIFY(genders[0] > 1000 && genders[1] > 1000 && genders[2] > 100);
}

void TestNameLists::damagedGivenNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("accented letter") << "Anna,f,1\nJosé,m,2\n" << "line 2: the name \"José\" is not Latin letters only";
    QTest::newRow("two words") << "Mary Ann,f,1\n" << "line 1: the name \"Mary Ann\" is not Latin letters only";
    QTest::newRow("unknown gender") << "Anna,x,1\n" << "line 1: the gender is not f, m or u";
    QTest::newRow("rank 0") << "Anna,f,0\n" << "line 1: the rank is not a number from 1";
    QTest::newRow("rank not a number") << "Anna,f,first\n" << "line 1: the rank is not a number from 1";
    QTest::newRow("name twice") << "Anna,f,1\nANNA,f,2\n" << "line 2: the name ANNA is listed twice";
    QTest::newRow("rank twice") << "Anna,f,1\nJohn,m,1\n" << "line 2: the rank 1 is given twice";
    QTest::newRow("two fields") << "# list\nAnna,f\n" << "line 2: expected name,gender,rank";
    QTest::newRow("quote never closed") << "\"Anna,f,1\n" << "line 1: ";
}

void TestNameLists::damagedGivenNames()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    QVector<GivenName> names;
    QString got;
    QVERIFY(!ReadGivenNames(text, names, got));
    QVERIFY2(got.startsWith(error), qPrintable(got));
    QVERIFY(names.isEmpty());
}

void TestNameLists::shippedFormRoundTrip()
{
    QVector<GivenName> names;
    QString error;
    QVERIFY(ReadGivenNames(QStringLiteral("# comment\n\nZoe,f,3\nalex,u,2\nLiam,m,1\n"), names, error));
    const QByteArray shipped = WriteGivenNames(names);
    QCOMPARE(shipped, QByteArray("LIAM,m,1\nALEX,u,2\nZOE,f,3\n"));
    QVector<GivenName> again;
    QVERIFY(ReadGivenNames(QString::fromLatin1(shipped), again, error));
    QCOMPARE(again.size(), 3);
    QCOMPARE(again.at(1).name, QStringLiteral("ALEX"));
    QCOMPARE(again.at(1).gender, 'u');
}

void TestNameLists::plainList()
{
    // One name a line: commas dropped, accents cleaned, empty lines skipped,
    // a line without letters reported by its number.
    NameListRead list;
    QString error;
    QVERIFY(ReadNameList(QStringLiteral("Acme, Inc\n\nCafé  Nova\n1234\n\"Blue \"\"Sky\"\"\"\n"), -1, QString(), list,
                         error));
    QCOMPARE(list.entries.size(), 3);
    QCOMPARE(list.entries.at(0).name, QStringLiteral("ACME INC"));
    QCOMPARE(list.entries.at(1).name, QStringLiteral("CAFE NOVA"));
    QCOMPARE(list.entries.at(1).line, 3);
    QCOMPARE(list.entries.at(2).name, QStringLiteral("BLUE SKY"));
    QCOMPARE(list.skipped, QVector<int>{4});
}

void TestNameLists::csvColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("expected");
    const QString text = QStringLiteral("id,Business name,city\n1,Acme,Oslo\n2,\"Nova, Ltd\",Rome\n3,,Bern\n");
    QTest::newRow("by number") << 1 << QString() << QStringList{"BUSINESS NAME", "ACME", "NOVA LTD"};
    QTest::newRow("by title") << -1 << "business NAME" << QStringList{"ACME", "NOVA LTD"};
    QTest::newRow("a column past the end") << 7 << QString() << QStringList();
}

void TestNameLists::csvColumn()
{
    QFETCH(int, column);
    QFETCH(QString, header);
    QFETCH(QStringList, expected);
    NameListRead list;
    QString error;
    QVERIFY(ReadNameList(QStringLiteral("id,Business name,city\n1,Acme,Oslo\n2,\"Nova, Ltd\",Rome\n3,,Bern\n"), column,
                         header, list, error));
    QStringList got;
    for (const NameListEntry &entry : list.entries)
        got.append(entry.name);
    QCOMPARE(got, expected);
}

void TestNameLists::missingHeader()
{
    NameListRead list;
    QString error;
    QVERIFY(!ReadNameList(QStringLiteral("id,name\n1,Acme\n"), -1, QStringLiteral("title"), list, error));
    QCOMPARE(error, QStringLiteral("no column \"title\" in the first line"));
}

QTEST_GUILESS_MAIN(TestNameLists)
#include "test_namelists.moc"
