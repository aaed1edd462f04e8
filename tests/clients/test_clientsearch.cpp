// The search line of the client book: how its words are read, and what
// they find in a small book.

#include "clients/clientbook.h"
#include "clients/clientsearch.h"

#include <QtTest>

class TestClientSearch : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void slashedDates_data();
    void slashedDates();
    void find_data();
    void find();
    void conditionNeverCarriesTypedText();
};

void TestClientSearch::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("nameParts");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("expression");
    QTest::addColumn<int>("errors");

    const QDate none;
    QTest::newRow("empty") << "" << QStringList() << none << 0 << 0 << 0 << 0;
    QTest::newRow("blanks only") << "   " << QStringList() << none << 0 << 0 << 0 << 0;
    QTest::newRow("name parts upper-cased") << "smith Jo" << QStringList{"SMITH", "JO"} << none << 0 << 0 << 0 << 0;
    QTest::newRow("accents and punctuation dropped") << "Zoë O'Neil" << QStringList{"ZOE", "ONEIL"} << none << 0 << 0
                                                     << 0 << 0;
    QTest::newRow("iso date") << "1990-05-17" << QStringList() << QDate(1990, 5, 17) << 0 << 0 << 0 << 0;
    QTest::newRow("dotted date") << "17.5.1990" << QStringList() << QDate(1990, 5, 17) << 0 << 0 << 0 << 0;
    QTest::newRow("no such day") << "1990-02-30 ann" << QStringList{"ANN"} << none << 0 << 0 << 0 << 1;
    QTest::newRow("year") << "1990" << QStringList() << none << 1990 << 0 << 0 << 0;
    QTest::newRow("life path") << "lp:7" << QStringList() << none << 0 << 7 << 0 << 0;
    QTest::newRow("master life path, upper case key") << "LP:11" << QStringList() << none << 0 << 11 << 0 << 0;
    QTest::newRow("expression") << "ex:8" << QStringList() << none << 0 << 0 << 8 << 0;
    QTest::newRow("all together") << "ann lp:4 ex:3 2000" << QStringList{"ANN"} << none << 2000 << 4 << 3 << 0;
    QTest::newRow("lp without number") << "lp: smith" << QStringList{"SMITH"} << none << 0 << 0 << 0 << 1;
    QTest::newRow("lp out of range") << "lp:10" << QStringList() << none << 0 << 0 << 0 << 1;
    QTest::newRow("unknown key") << "id:3 ann" << QStringList{"ANN"} << none << 0 << 0 << 0 << 1;
    QTest::newRow("symbols only narrow nothing") << "- &" << QStringList() << none << 0 << 0 << 0 << 0;
}

void TestClientSearch::parse()
{
    QFETCH(QString, text);
    const ClientFilter filter = parseClientSearch(text);
    QTEST(filter.nameParts, "nameParts");
    QTEST(filter.birthDate, "birth");
    QTEST(filter.birthYear, "year");
    QTEST(filter.lifePath, "lifePath");
    QTEST(filter.expression, "expression");
    QTEST(int(filter.errors.size()), "errors");
}

// The window's table shows dates with slashes in its own order, and the
// search reads them back the same way.
void TestClientSearch::slashedDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("errors");

    QTest::newRow("month first") << "05/17/1990" << false << QDate(1990, 5, 17) << 0;
    QTest::newRow("day first") << "17/05/1990" << true << QDate(1990, 5, 17) << 0;
    QTest::newRow("one digit each") << "5/7/1990" << false << QDate(1990, 5, 7) << 0;
    QTest::newRow("same text, other order") << "5/7/1990" << true << QDate(1990, 7, 5) << 0;
    QTest::newRow("no 17th month") << "17/05/1990" << false << QDate() << 1;
    QTest::newRow("no such day") << "02/30/1990" << false << QDate() << 1;
}

void TestClientSearch::slashedDates()
{
    QFETCH(QString, text);
    QFETCH(bool, dayFirst);
    const ClientFilter filter = parseClientSearch(text, dayFirst ? SlashedDates::DayFirst : SlashedDates::MonthFirst);
    QTEST(filter.birthDate, "birth");
    QTEST(int(filter.errors.size()), "errors");
    QVERIFY(filter.nameParts.isEmpty()); // never read as a name
}

// Numbers by hand, Western letters, each word reduced, Life Path as
// DIG(DIG(Y) + DIG(M) + DIG(D)):
//   John Smith  1990-05-17  LP 1+5+8 = 14 -> 5   EX JOHN 20 -> 2, SMITH 24 -> 6: 8
//   Mary Lee    1983-03-12  LP 3+3+3 = 9         EX MARY 21 -> 3, LEE 13 -> 4: 7
//   Anna Jones  2000-01-01  LP 2+1+1 = 4         EX ANNA 12 -> 3, JONES 18 -> 9: 12 -> 3
//   Jon Smithe  1990-01-17  LP 1+1+8 = 10 -> 1   (a near name)
void TestClientSearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("everyone") << "" << QStringList{"Anna Jones", "John Smith", "Jon Smithe", "Mary Lee"};
    QTest::newRow("name part anywhere") << "smith" << QStringList{"John Smith", "Jon Smithe"};
    QTest::newRow("two parts must both match") << "jo smithe" << QStringList{"Jon Smithe"};
    QTest::newRow("short name too") << "mimi" << QStringList{"Mary Lee"};
    QTest::newRow("date") << "17.05.1990" << QStringList{"John Smith"};
    QTest::newRow("year") << "1990" << QStringList{"John Smith", "Jon Smithe"};
    QTest::newRow("lp:5") << "lp:5" << QStringList{"John Smith"};
    QTest::newRow("lp:9") << "lp:9" << QStringList{"Mary Lee"};
    QTest::newRow("ex:8") << "ex:8" << QStringList{"John Smith"};
    QTest::newRow("ex:3 with name") << "ex:3 anna" << QStringList{"Anna Jones"};
    QTest::newRow("nothing") << "lp:22" << QStringList();
    QTest::newRow("refused word ignored") << "foo:1 lee" << QStringList{"Mary Lee"};
}

void TestClientSearch::find()
{
    QFETCH(QString, text);
    ClientBook book;
    QVERIFY2(book.open(QStringLiteral(":memory:")), qPrintable(book.error().message));
    CalcOptions options; // the defaults the hand calculation above uses
    QVERIFY(book.setCalculation(options, 0));
    const struct
    {
        const char *full;
        const char *shortName;
        QDate birth;
    } clients[] = {
        {"John Smith", "", QDate(1990, 5, 17)},
        {"Mary Lee", "Mimi", QDate(1983, 3, 12)},
        {"Anna Jones", "", QDate(2000, 1, 1)},
        {"Jon Smithe", "", QDate(1990, 1, 17)},
    };
    for (const auto &c : clients) {
        PersonInput person;
        person.fullName = QLatin1String(c.full);
        person.shortName = QLatin1String(c.shortName);
        person.birthDate = c.birth;
        QString reason;
        QVERIFY2(book.addClient(person, nullptr, &reason) == ClientBook::AddResult::Added,
                 qPrintable(reason + book.error().message));
    }
    QStringList found;
    for (const ClientSummary &row : book.find(parseClientSearch(text)))
        found << row.fullName;
    QVERIFY2(book.error().kind == BookError::None, qPrintable(book.error().message));
    QTEST(found, "found");
}

void TestClientSearch::conditionNeverCarriesTypedText()
{
    const SqlCondition condition = filterCondition(parseClientSearch(QStringLiteral("o'brien 1990 lp:7 ex:8")));
    QVERIFY(!condition.sql.contains(QLatin1String("OBRIEN")));
    QVERIFY(!condition.sql.contains(QLatin1String("1990")));
    QCOMPARE(condition.sql.count(QLatin1Char('?')), condition.values.size());
    QCOMPARE(condition.values.size(), 5); // the year is a range
}

QTEST_GUILESS_MAIN(TestClientSearch)
#include "test_clientsearch.moc"
