// The finder's constraints and ranking on names whose numbers are worked out
// here by hand from the letter tables.
//
// Western values (A..Z): 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8
// Chaldean values:       1 2 3 4 5 8 3 5 1 1 2 3 4 5 7 8 1 2 3 4 6 6 6 5 1 7
//
// Western, English vowels, each word reduced (master numbers kept):
//   SMITH  all 1+4+9+2+8=24 -> 6   vowels I=9        consonants 15 -> 6
//   ANNA   all 12 -> 3             vowels 2           consonants 10 -> 1
//   JOHN   all 20 -> 2             vowels 6           consonants 14 -> 5
//   MARY   all 21 -> 3             vowels A+Y=8       consonants 13 -> 4
//   DAVID  all 22 (kept)           vowels 10 -> 1     consonants 12 -> 3
//   EMMA   all 14 -> 5             vowels 6           consonants 8
//   LIAM   all 17 -> 8             vowels 10 -> 1     consonants 7
//   NOAH   all 20 -> 2             vowels 7           consonants 13 -> 4
// With SMITH:        Expression      Heart's Desire   Personality   debt
//   ANNA SMITH       3+6=9           2+9=11           1+6=7         -
//   JOHN SMITH       2+6=8           6+9=15 -> 6      5+6=11        -
//   MARY SMITH       3+6=9           8+9=17 -> 8      4+6=10 -> 1   -
//   DAVID SMITH      22+6=28 -> 1    1+9=10 -> 1      3+6=9         -
//   EMMA SMITH       5+6=11          6+9=15 -> 6      8+6=14 -> 5   14
//   LIAM SMITH       8+6=14 -> 5     1+9=10 -> 1      7+6=13 -> 4   14, 13
//   NOAH SMITH       2+6=8           7+9=16 -> 7      4+6=10 -> 1   16

#include "names/namefinder.h"

#include <QtTest>

namespace {

QVector<GivenName> smallList()
{
    // Ranks out of alphabetical order, so the ranking shows.
    return {{"ANNA", 'f', 4}, {"JOHN", 'm', 2}, {"MARY", 'f', 7}, {"DAVID", 'm', 1},
            {"EMMA", 'f', 3}, {"LIAM", 'm', 5}, {"NOAH", 'u', 6}};
}

QStringList names(const QVector<NameResult> &results)
{
    QStringList out;
    for (const NameResult &r : results)
        out.append(r.name);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(NameConstraints)

class TestNameFinder : public QObject
{
    Q_OBJECT
private slots:
    void constraints_data();
    void constraints();
    void numbersOfResults();
    void chaldean();
    void vowelMode();
    void lifePathBridge();
    void rankingOfAList();
    void unmetEntriesFollow();
    void calculationLines();
    void csvExport();
};

void TestNameFinder::constraints_data()
{
    QTest::addColumn<NameConstraints>("constraints");
    QTest::addColumn<QStringList>("expected"); // in rank order

    const auto with = [](auto set) {
        NameConstraints c;
        set(c);
        return c;
    };
    QTest::newRow("none: every name, most given first")
        << NameConstraints()
        << QStringList{"DAVID SMITH", "JOHN SMITH", "EMMA SMITH", "ANNA SMITH", "LIAM SMITH", "NOAH SMITH",
                       "MARY SMITH"};
    QTest::newRow("expression 9") << with([](NameConstraints &c) { c.expression = {9}; })
                                  << QStringList{"ANNA SMITH", "MARY SMITH"};
    QTest::newRow("expression master 11, not 2")
        << with([](NameConstraints &c) { c.expression = {11}; }) << QStringList{"EMMA SMITH"};
    QTest::newRow("expression 2 is not 11") << with([](NameConstraints &c) { c.expression = {2}; })
                                            << QStringList();
    QTest::newRow("expression 1 or 8") << with([](NameConstraints &c) { c.expression = {1, 8}; })
                                       << QStringList{"DAVID SMITH", "JOHN SMITH", "NOAH SMITH"};
    QTest::newRow("hearts desire 11") << with([](NameConstraints &c) { c.heartsDesire = {11}; })
                                      << QStringList{"ANNA SMITH"};
    QTest::newRow("personality 11") << with([](NameConstraints &c) { c.personality = {11}; })
                                    << QStringList{"JOHN SMITH"};
    QTest::newRow("all three") << with([](NameConstraints &c) {
        c.expression = {9};
        c.heartsDesire = {8};
        c.personality = {1};
    }) << QStringList{"MARY SMITH"};
    QTest::newRow("no karmic debt")
        << with([](NameConstraints &c) { c.noKarmicDebt = true; })
        << QStringList{"DAVID SMITH", "JOHN SMITH", "ANNA SMITH", "MARY SMITH"};
    QTest::newRow("female, u counts for both")
        << with([](NameConstraints &c) { c.gender = NameGender::Female; })
        << QStringList{"EMMA SMITH", "ANNA SMITH", "NOAH SMITH", "MARY SMITH"};
    QTest::newRow("male") << with([](NameConstraints &c) { c.gender = NameGender::Male; })
                          << QStringList{"DAVID SMITH", "JOHN SMITH", "LIAM SMITH", "NOAH SMITH"};
    QTest::newRow("include A, avoid N") << with([](NameConstraints &c) {
        c.includeLetters = QStringLiteral("a");
        c.avoidLetters = QStringLiteral("N");
    }) << QStringList{"DAVID SMITH", "EMMA SMITH", "LIAM SMITH", "MARY SMITH"};
    QTest::newRow("letters of the first name only: avoid S")
        << with([](NameConstraints &c) { c.avoidLetters = QStringLiteral("S"); })
        << QStringList{"DAVID SMITH", "JOHN SMITH", "EMMA SMITH", "ANNA SMITH", "LIAM SMITH", "NOAH SMITH",
                       "MARY SMITH"};
    QTest::newRow("length 5") << with([](NameConstraints &c) { c.minLength = 5; })
                              << QStringList{"DAVID SMITH"};
    QTest::newRow("length at most 4, no debt") << with([](NameConstraints &c) {
        c.maxLength = 4;
        c.noKarmicDebt = true;
    }) << QStringList{"JOHN SMITH", "ANNA SMITH", "MARY SMITH"};
}

void TestNameFinder::constraints()
{
    QFETCH(NameConstraints, constraints);
    QFETCH(QStringList, expected);
    const NameFinder finder(NameSettings{}, constraints);
    QCOMPARE(names(finder.findInList(smallList(), QStringLiteral("SMITH"))), expected);
}

void TestNameFinder::numbersOfResults()
{
    const NameFinder finder(NameSettings{}, NameConstraints{});
    QHash<QString, NameResult> byName;
    for (const NameResult &r : finder.findInList(smallList(), QStringLiteral("SMITH")))
        byName.insert(r.name, r);
    // The table at the top of this file: value, then the total it came from.
    const NameNumbers anna = byName.value(QStringLiteral("ANNA SMITH")).numbers;
    QCOMPARE(anna.expression, 9);
    QCOMPARE(anna.heartsDesire, 11);
    QCOMPARE(anna.heartsDesireTotal, 11);
    QCOMPARE(anna.personality, 7);
    QVERIFY(!anna.karmicDebt);
    const NameNumbers david = byName.value(QStringLiteral("DAVID SMITH")).numbers;
    QCOMPARE(david.expressionTotal, 28); // DAVID's 22 is kept, not reduced to 4
    QCOMPARE(david.expression, 1);
    const NameNumbers noah = byName.value(QStringLiteral("NOAH SMITH")).numbers;
    QCOMPARE(noah.heartsDesireTotal, 16);
    QCOMPARE(noah.heartsDesire, 7);
    QVERIFY(noah.karmicDebt);
    const NameResult john = byName.value(QStringLiteral("JOHN SMITH"));
    QCOMPARE(john.rank, 2);
    QCOMPARE(john.gender, 'm');
    QCOMPARE(john.lifePath, 0); // no birth date
    QCOMPARE(john.bridge, -1);

    // Eleven Ms are worth 44: master mode 1 keeps it, mode 0 reduces it to 8.
    NameSettings everyDouble;
    everyDouble.masterMode = 1;
    const NameFinder masters(everyDouble, NameConstraints());
    const NameResult m44 = masters.evaluate(QStringLiteral("MMMMMMMMMMM"), QStringLiteral("MMMMMMMMMMM"));
    QCOMPARE(m44.numbers.expression, 44);
    const NameFinder plain(NameSettings{}, NameConstraints{});
    QCOMPARE(plain.evaluate(QStringLiteral("MMMMMMMMMMM"), QString()).numbers.expression, 8);
}

void TestNameFinder::chaldean()
{
    // Chaldean: SMITH 3+4+1+4+5 = 17 -> 8, vowels I = 1, consonants 16 -> 7.
    // ANNA 12 -> 3 (vowels 2, consonants 10 -> 1): ANNA SMITH 3+8 = 11.
    // EMMA 14 -> 5: EMMA SMITH 5+8 = 13 -> 4, a karmic debt.
    // JOHN 1+7+5+5 = 18 -> 9, consonants 11 kept: Personality 11+7 = 18 -> 9.
    NameSettings settings;
    settings.chaldean = true;
    NameConstraints eleven;
    eleven.expression = {11};
    QCOMPARE(names(NameFinder(settings, eleven).findInList(smallList(), QStringLiteral("SMITH"))),
             QStringList{"ANNA SMITH"});
    const NameFinder all(settings, NameConstraints());
    const NameResult emma = all.evaluate(QStringLiteral("EMMA SMITH"), QStringLiteral("EMMA"));
    QCOMPARE(emma.numbers.expressionTotal, 13);
    QCOMPARE(emma.numbers.expression, 4);
    QVERIFY(emma.numbers.karmicDebt);
    const NameResult john = all.evaluate(QStringLiteral("JOHN SMITH"), QStringLiteral("JOHN"));
    QCOMPARE(john.numbers.expression, 8);  // 9 + 8 = 17
    QCOMPARE(john.numbers.heartsDesire, 8); // 7 + 1
    QCOMPARE(john.numbers.personalityTotal, 18);
    QCOMPARE(john.numbers.personality, 9);
}

void TestNameFinder::vowelMode()
{
    // WAYNE (5 1 7 5 5 = 23): English vowels A, E = 6, consonants W, Y, N = 17 -> 8;
    // Universal vowels A, Y, E = 13 -> 4, consonants W, N = 10 -> 1.
    // With SMITH: English HD 6+9 = 15 -> 6, P 8+6 = 14 -> 5;
    //             Universal HD 4+9 = 13 -> 4, P 1+6 = 7.
    NameSettings english;
    NameSettings universal;
    universal.vowelMode = 1;
    const NameResult e = NameFinder(english, {}).evaluate(QStringLiteral("WAYNE SMITH"), QString());
    const NameResult u = NameFinder(universal, {}).evaluate(QStringLiteral("WAYNE SMITH"), QString());
    QCOMPARE(e.numbers.heartsDesire, 6);
    QCOMPARE(e.numbers.personality, 5);
    QCOMPARE(u.numbers.heartsDesire, 4);
    QCOMPARE(u.numbers.personality, 7);
    QCOMPARE(e.numbers.expression, u.numbers.expression);
}

void TestNameFinder::lifePathBridge()
{
    // 17 May 1990: 8 + 5 + 1/19 = 14 -> Life Path 5. Bridges |5 - R(Ex)|:
    // DAVID 1 -> 4, JOHN 8 -> 3, EMMA 11 -> |5 - 2| = 3, ANNA 9 -> 4,
    // LIAM 5 -> 0, NOAH 8 -> 3, MARY 9 -> 4.
    NameSettings settings;
    settings.birthDate = QDate(1990, 5, 17);
    NameConstraints close;
    close.maxBridge = 3;
    const NameFinder finder(settings, close);
    const QVector<NameResult> found = finder.findInList(smallList(), QStringLiteral("SMITH"));
    QCOMPARE(finder.lifePath(), 5);
    QCOMPARE(names(found), (QStringList{"JOHN SMITH", "EMMA SMITH", "LIAM SMITH", "NOAH SMITH"}));
    QCOMPARE(found.at(2).bridge, 0);
    QCOMPARE(found.at(1).bridge, 3);
    QCOMPARE(found.at(0).lifePath, 5);

    // Without a birth date a bridge bound is never met.
    QVERIFY(NameFinder(NameSettings(), close).findInList(smallList(), QStringLiteral("SMITH")).isEmpty());
}

void TestNameFinder::rankingOfAList()
{
    // Business names, Western: ACME 1+3+4+5 = 13 -> 4; NOVA 5+6+4+1 = 16 -> 7;
    // ORBIT 6+9+2+9+2 = 28 -> 10 -> 1; ZEN 8+5+5 = 18 -> 9; KAI 2+1+9 = 12 -> 3;
    // SOL 1+6+3 = 10 -> 1; BLUE SKY: BLUE 2+3+3+5 = 13 -> 4, SKY 1+2+7 = 10 -> 1: 5.
    const QVector<NameListEntry> entries = {{1, "ACME"}, {2, "NOVA"}, {3, "ORBIT"}, {4, "ZEN"},
                                            {5, "KAI"},  {6, "SOL"},  {7, "BLUE SKY"}};
    NameConstraints ones;
    ones.expression = {1, 9};
    const QVector<NameResult> ranked = NameFinder(NameSettings(), ones).rankList(entries, false);
    // All met, none listed, no edits: the list's own order decides.
    QCOMPARE(names(ranked), (QStringList{"ORBIT", "ZEN", "SOL"}));
    QCOMPARE(ranked.at(1).line, 4);

    // Variants first by edits, then by popularity in the list, then by name.
    QVector<NameResult> results(4);
    results[0].name = QStringLiteral("C");
    results[0].edits = 2;
    results[1].name = QStringLiteral("B");
    results[1].edits = 1;
    results[2].name = QStringLiteral("A");
    results[2].edits = 1;
    results[2].rank = 40;
    results[3].name = QStringLiteral("D");
    results[3].edits = 1;
    results[3].rank = 12;
    NameFinder::rankResults(results);
    QCOMPARE(names(results), (QStringList{"D", "A", "B", "C"}));
}

void TestNameFinder::unmetEntriesFollow()
{
    const QVector<NameListEntry> entries = {{1, "ACME"}, {2, "ORBIT"}, {3, "NOVA"}, {4, "ZEN"}};
    NameConstraints nine;
    nine.expression = {9};
    const QVector<NameResult> ranked = NameFinder(NameSettings(), nine).rankList(entries, true);
    QCOMPARE(names(ranked), (QStringList{"ZEN", "ACME", "ORBIT", "NOVA"}));
    QVERIFY(ranked.at(0).meets);
    QVERIFY(!ranked.at(1).meets);
    QCOMPARE(ranked.at(3).order, 3);
}

void TestNameFinder::calculationLines()
{
    // JOHN SMITH as the chart writes it: =2/20+6/24=8; vowels =6+9=15=6;
    // consonants =5/14+6/15=11.
    const NameFinder finder(NameSettings{}, NameConstraints{});
    const NameLines lines = finder.lines(finder.evaluate(QStringLiteral("JOHN SMITH"), QString()));
    QCOMPARE(lines.expression, QStringLiteral("=2/20+6/24=8"));
    QCOMPARE(lines.heartsDesire, QStringLiteral("=6+9=15=6"));
    QCOMPARE(lines.personality, QStringLiteral("=5/14+6/15=11"));
}

void TestNameFinder::csvExport()
{
    NameSettings settings;
    settings.birthDate = QDate(1990, 5, 17);
    const NameFinder finder(settings, NameConstraints{});
    QVector<NameResult> results = {finder.evaluate(QStringLiteral("JOHN SMITH"), QStringLiteral("JOHN"))};
    results[0].edit = QStringLiteral("drop \"H\"");
    results[0].edits = 1;
    const QList<QByteArray> lines = finder.csv(results).split('\n');
    QCOMPARE(lines.size(), 3); // title, one result, the empty end
    QVERIFY(lines.at(0).startsWith("name,expression,expression line,"));
    QCOMPARE(lines.at(1), QByteArray("\"JOHN SMITH\",8,\"'=2/20+6/24=8\",6,\"'=6+9=15=6\",11,\"'=5/14+6/15=11\","
                                     "5,3,no,1,\"drop \"\"H\"\"\",,\r"));
}

QTEST_GUILESS_MAIN(TestNameFinder)
#include "test_namefinder.moc"
