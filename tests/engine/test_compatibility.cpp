// The compatibility of two persons: each rating rule, the texts, a whole
// comparison worked by hand, and the symmetry between person and partner.

#include "enginefixture.h"
#include "engine/ccompnumerology.h"
#include "readingtexts.h"

#include <QtTest>

class TestCompatibility : public QObject
{
    Q_OBJECT

private slots:
    void lifePathRating_data();
    void lifePathRating();
    void birthdayRating_data();
    void birthdayRating();
    void nameRating_data();
    void nameRating();
    void familyScore_data();
    void familyScore();
    void familyRating_data();
    void familyRating();
    void carnalRating_data();
    void carnalRating();
    void traitCode_data();
    void traitCode();
    void ratingTablesAreSymmetric();
    void wholeComparison();
    void swappingChangesNoRating();
    void equalStabilitiesGiveEitherAsTerm();
    void resetZeroes();
    void report();
};

namespace {

NumerologyResult chart(int lifePath, int birthDay, int expression)
{
    NumerologyResult r;
    r.lifePath = lifePath;
    r.birthDate = QDate(1990, 1, birthDay);
    r.expression = expression;
    return r;
}

PsychomatrixValues squareOf(const QDate &birth)
{
    CNumerologyPMatrix matrix;
    matrix.CalcPsychomatrix(QStringLiteral("X"), birth);
    return matrix.values();
}

} // namespace

// Life Paths as given (masters included); the rating looks the partner's
// digit up in the person's lists: natural 90, compatible 75, neutral 50,
// challenging 35.
void TestCompatibility::lifePathRating_data()
{
    QTest::addColumn<int>("lifePath1");
    QTest::addColumn<int>("lifePath2");
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sum");
    // 11 counts as 2, in the challenging list "2, 4, 6" of 5; 5 + 2 = 7.
    QTest::newRow("5 and 11") << 5 << 11 << 35 << 7 << "5+11=7";
    QTest::newRow("1 and 1: natural") << 1 << 1 << 90 << 2 << "1+1=2";
    QTest::newRow("3 and 2: compatible") << 3 << 2 << 75 << 5 << "3+2=5";
    // Row 8's neutral list is written "1,5".
    QTest::newRow("8 and 5: neutral without blank") << 8 << 5 << 50 << 4 << "8+5=4";
    QTest::newRow("9 and 7: neutral") << 9 << 7 << 50 << 7 << "9+7=7";
    QTest::newRow("4 and 9: challenging") << 4 << 9 << 35 << 4 << "4+9=4";
    // 22 counts as 4 and 33 as 6: 4's compatible "6, 7"; 4 + 6 = 10 -> 1.
    QTest::newRow("22 and 33") << 22 << 33 << 75 << 1 << "22+33=1";
    // A reset chart (Life Path -1) has digit 0, in no list: the rating stays 50.
    QTest::newRow("no Life Path") << -1 << 5 << 50 << 5 << "-1+5=5";
}

void TestCompatibility::lifePathRating()
{
    QFETCH(int, lifePath1);
    QFETCH(int, lifePath2);
    QFETCH(int, rating);
    QFETCH(int, code);
    QFETCH(QString, sum);
    const PsychomatrixValues square{};
    const CompatibilityResult r
        = CCompNumerology::Compare(chart(lifePath1, 1, 1), chart(lifePath2, 1, 1), square, square);
    QCOMPARE(r.lifePathRating, rating);
    QCOMPARE(r.lifePathCode, code);
    QCOMPARE(r.texts[CT_LIFE_PATH_SUM], sum);
    QCOMPARE(r.texts[CT_LIFE_PATH_RATING], QString::number(rating) + QLatin1Char('%'));
}

void TestCompatibility::birthdayRating_data()
{
    QTest::addColumn<int>("day1");
    QTest::addColumn<int>("day2");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("pairCode");
    QTest::addColumn<QString>("sum");
    // 17 -> 8, 29 -> 11 -> 2; 8 + 2 = 10 -> 1; pair: smaller digit first.
    QTest::newRow("17 and 29") << 17 << 29 << 1 << 80 << 28 << "17+29=1";
    QTest::newRow("29 and 17") << 29 << 17 << 1 << 80 << 28 << "29+17=1";
    QTest::newRow("1 and 1") << 1 << 1 << 2 << 75 << 11 << "1+1=2";
    QTest::newRow("3 and 3: code 6") << 3 << 3 << 6 << 95 << 33 << "3+3=6";
    QTest::newRow("4 and 5: code 9") << 4 << 5 << 9 << 50 << 45 << "4+5=9";
    QTest::newRow("31 and 4: code 8") << 31 << 4 << 8 << 65 << 44 << "31+4=8";
}

void TestCompatibility::birthdayRating()
{
    QFETCH(int, day1);
    QFETCH(int, day2);
    QFETCH(int, code);
    QFETCH(int, rating);
    QFETCH(int, pairCode);
    QFETCH(QString, sum);
    const PsychomatrixValues square{};
    const CompatibilityResult r = CCompNumerology::Compare(chart(1, day1, 1), chart(1, day2, 1), square, square);
    QCOMPARE(r.birthdayCode, code);
    QCOMPARE(r.birthdayRating, rating);
    QCOMPARE(r.birthdayPairCode, pairCode);
    QCOMPARE(r.texts[CT_BIRTHDAY_SUM], sum);
}

void TestCompatibility::nameRating_data()
{
    QTest::addColumn<int>("expression1");
    QTest::addColumn<int>("expression2");
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("pairCode");
    QTest::addColumn<QString>("sum");
    // Row 3, column 8 of the name table.
    QTest::newRow("8 and 3") << 8 << 3 << 50 << 2 << 38 << "8+3=2";
    QTest::newRow("1 and 9") << 1 << 9 << 95 << 1 << 19 << "1+9=1";
    QTest::newRow("2 and 2") << 2 << 2 << 40 << 4 << 22 << "2+2=4";
    // 11 counts as 2: row 2, column 4.
    QTest::newRow("11 and 4") << 11 << 4 << 95 << 6 << 24 << "11+4=6";
    QTest::newRow("9 and 9") << 9 << 9 << 60 << 9 << 99 << "9+9=9";
    QTest::newRow("6 and 3") << 6 << 3 << 95 << 9 << 36 << "6+3=9";
}

void TestCompatibility::nameRating()
{
    QFETCH(int, expression1);
    QFETCH(int, expression2);
    QFETCH(int, rating);
    QFETCH(int, code);
    QFETCH(int, pairCode);
    QFETCH(QString, sum);
    const PsychomatrixValues square{};
    const CompatibilityResult r
        = CCompNumerology::Compare(chart(1, 1, expression1), chart(1, 1, expression2), square, square);
    QCOMPARE(r.nameRating, rating);
    QCOMPARE(r.nameCode, code);
    QCOMPARE(r.namePairCode, pairCode);
    QCOMPARE(r.texts[CT_NAME_SUM], sum);
}

// max(0, 20 x (5 - |2 - |difference of the 1-4-7 sums||)).
void TestCompatibility::familyScore_data()
{
    QTest::addColumn<int>("purposeful1");
    QTest::addColumn<int>("purposeful2");
    QTest::addColumn<int>("score");
    QTest::newRow("difference 2") << 5 << 3 << 100;
    QTest::newRow("equal") << 4 << 4 << 60;
    QTest::newRow("difference 1") << 1 << 2 << 80;
    QTest::newRow("difference 3") << 0 << 3 << 80;
    QTest::newRow("difference 7") << 9 << 2 << 0;
    QTest::newRow("difference 9: not below 0") << 9 << 0 << 0;
}

void TestCompatibility::familyScore()
{
    QFETCH(int, purposeful1);
    QFETCH(int, purposeful2);
    QFETCH(int, score);
    QCOMPARE(CCompNumerology::FamilyScore(purposeful1, purposeful2), score);
    PsychomatrixValues p1{};
    PsychomatrixValues p2{};
    p1[PM_PURPOSEFUL] = purposeful1;
    p2[PM_PURPOSEFUL] = purposeful2;
    QCOMPARE(CCompNumerology::Compare(chart(1, 1, 1), chart(1, 1, 1), p1, p2).familyScore, score);
}

// min(100, term x 111 / 35), truncating.
void TestCompatibility::familyRating_data()
{
    QTest::addColumn<int>("term");
    QTest::addColumn<int>("rating");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("10") << 10 << 31;   // 1110 / 35 = 31.7
    QTest::newRow("31") << 31 << 98;   // 3441 / 35 = 98.3
    QTest::newRow("32") << 32 << 100;  // 3552 / 35 = 101.5
    QTest::newRow("80") << 80 << 100;
}

void TestCompatibility::familyRating()
{
    QFETCH(int, term);
    QFETCH(int, rating);
    QCOMPARE(CCompNumerology::FamilyRating(term), rating);
}

// The 3-5-7 sums, each capped at 5: distance 0..5 gives 100, 90, 75, 50, 40, 30.
void TestCompatibility::carnalRating_data()
{
    QTest::addColumn<int>("sexualLife1");
    QTest::addColumn<int>("sexualLife2");
    QTest::addColumn<int>("rating");
    QTest::newRow("both 5 or more") << 6 << 9 << 100;
    QTest::newRow("1 and 2") << 1 << 2 << 90;
    QTest::newRow("1 and 3") << 1 << 3 << 75;
    QTest::newRow("0 and 3") << 0 << 3 << 50;
    QTest::newRow("4 and 0") << 4 << 0 << 40;
    QTest::newRow("0 and 8") << 0 << 8 << 30;
}

void TestCompatibility::carnalRating()
{
    QFETCH(int, sexualLife1);
    QFETCH(int, sexualLife2);
    QFETCH(int, rating);
    PsychomatrixValues p1{};
    PsychomatrixValues p2{};
    p1[PM_SEXUAL_LIFE] = sexualLife1;
    p2[PM_SEXUAL_LIFE] = sexualLife2;
    const CompatibilityResult r = CCompNumerology::Compare(chart(1, 1, 1), chart(1, 1, 1), p1, p2);
    QCOMPARE(r.carnalRating, rating);
    QCOMPARE(r.texts[CT_CARNAL_RATING], QString::number(rating) + QLatin1Char('%'));
}

// Smaller count + 1, then larger count + 1, each count capped at 6.
void TestCompatibility::traitCode_data()
{
    QTest::addColumn<int>("count1");
    QTest::addColumn<int>("count2");
    QTest::addColumn<int>("code");
    QTest::newRow("0 and 9: larger capped") << 0 << 9 << 17;
    QTest::newRow("9 and 0") << 9 << 0 << 17;
    QTest::newRow("2 and 3") << 2 << 3 << 34;
    QTest::newRow("0 and 0") << 0 << 0 << 11;
    QTest::newRow("6 and 8: both capped") << 6 << 8 << 77;
}

void TestCompatibility::traitCode()
{
    QFETCH(int, count1);
    QFETCH(int, count2);
    QFETCH(int, code);
    PsychomatrixValues p1{};
    PsychomatrixValues p2{};
    p1[1] = count1; // counts of 1: the character code
    p2[1] = count2;
    p1[2] = count1; // counts of 2: the energy code
    p2[2] = count2;
    const CompatibilityResult r = CCompNumerology::Compare(chart(1, 1, 1), chart(1, 1, 1), p1, p2);
    QCOMPARE(r.characterCode, code);
    QCOMPARE(r.energyCode, code);
}

// Every table answers the same for both orders of its two digits, so the
// partner may be entered first.
void TestCompatibility::ratingTablesAreSymmetric()
{
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            const QByteArray pair = QByteArray::number(a) + '/' + QByteArray::number(b);
            QVERIFY2(CCompNumerology::LifePathRating(a, b) == CCompNumerology::LifePathRating(b, a), pair);
            QVERIFY2(CCompNumerology::NameRating(a, b) == CCompNumerology::NameRating(b, a), pair);
            QVERIFY2(CCompNumerology::NameRating(a, b) >= 40, pair);
            const int rating = CCompNumerology::LifePathRating(a, b);
            QVERIFY2(rating == 90 || rating == 75 || rating == 50 || rating == 35, pair);
        }
    }
}

// JOHN SMITH, 17 May 1990 (Life Path 5, Expression 8) and MARY JONES,
// 29 November 1985 (Life Path 9, Expression 3/12), worked by hand:
// squares 17 May 1990 (1-4-7 3, 1-2-3 6, 1-5-9 6, 3-6-9 5, 2-5-8 3, 3-5-7 6,
// ones 2, twos 1) and 29 Nov 1985 (3, 7, 8, 6, 5, 4, ones 3, twos 2).
void TestCompatibility::wholeComparison()
{
    CNumerology person;
    CNumerology partner;
    QVERIFY(person.CalcNumerology(calcOnly(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17)))));
    QVERIFY(partner.CalcNumerology(calcOnly(makePerson(QStringLiteral("MARY JONES"), QDate(1985, 11, 29)))));
    QCOMPARE(partner.result().lifePath, 9);
    QCOMPARE(partner.result().expression, 3);

    CCompNumerology comp;
    QVERIFY(comp.CalcCompatibility(person.result(), partner.result(), squareOf(QDate(1990, 5, 17)),
                                   squareOf(QDate(1985, 11, 29)), true));
    const CompatibilityResult &r = comp.result();
    QCOMPARE(r.lifePathDigits[0], 5);
    QCOMPARE(r.lifePathDigits[1], 9);
    QCOMPARE(r.lifePathRating, 75);          // 9 in 5's compatible "3, 9"
    QCOMPARE(r.lifePathCode, 5);             // 14 -> 5
    QCOMPARE(r.lifePathPairCode, 59);
    QCOMPARE(r.birthdayRating, 80);
    QCOMPARE(r.familyScore, 60);             // 1-4-7 sums equal
    QCOMPARE(r.homeProducts[0], 90);         // 5 x 3 x 6
    QCOMPARE(r.homeProducts[1], 120);        // 6 x 5 x 4
    QCOMPARE(r.spiritualProducts[0], 108);   // 3 x 6 x 6
    QCOMPARE(r.spiritualProducts[1], 168);   // 3 x 7 x 8
    QCOMPARE(r.homeStability, 30);           // (10800 + 180) / 365
    QCOMPARE(r.spiritualStability, 50);      // (18144 + 180) / 365
    QCOMPARE(r.marriageStabilityTerm, 80);   // unequal: the sum
    QCOMPARE(r.familyRating, 100);
    QCOMPARE(r.carnalRating, 90);            // 3-5-7: 6 (capped 5) and 4
    QCOMPARE(r.characterCode, 34);
    QCOMPARE(r.energyCode, 23);
    QCOMPARE(r.nameCode, 2);                 // 8 + 3 = 11 -> 2
    QCOMPARE(r.nameRating, 50);              // row 3, column 8
    QCOMPARE(r.namePairCode, 38);
    QCOMPARE(r.overallRating, 81);           // (150 + 200 + 90 + 80 + 50) / 7
    QVERIFY(comp.female());

    const QStringList texts(std::begin(r.texts), std::end(r.texts));
    QCOMPARE(texts, (QStringList{"90", "120", "108", "168", "30", "50", "80", "5+9=5", "75%", "17+29=1",
                                 "80%", "100%", "90%", "8+3=2", "50%", "81%"}));
}

void TestCompatibility::swappingChangesNoRating()
{
    const QDate births[3] = {QDate(1990, 5, 17), QDate(1985, 11, 29), QDate(2000, 1, 9)};
    const char *names[3] = {"JOHN SMITH", "MARY JONES", "ZOE QUIRK"};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            CNumerology a;
            CNumerology b;
            a.CalcNumerology(calcOnly(makePerson(QLatin1String(names[i]), births[i])));
            b.CalcNumerology(calcOnly(makePerson(QLatin1String(names[j]), births[j])));
            const PsychomatrixValues pa = squareOf(births[i]);
            const PsychomatrixValues pb = squareOf(births[j]);
            const CompatibilityResult ab = CCompNumerology::Compare(a.result(), b.result(), pa, pb);
            const CompatibilityResult ba = CCompNumerology::Compare(b.result(), a.result(), pb, pa);
            QCOMPARE(ab.lifePathRating, ba.lifePathRating);
            QCOMPARE(ab.birthdayRating, ba.birthdayRating);
            QCOMPARE(ab.nameRating, ba.nameRating);
            QCOMPARE(ab.familyRating, ba.familyRating);
            QCOMPARE(ab.carnalRating, ba.carnalRating);
            QCOMPARE(ab.overallRating, ba.overallRating);
            QCOMPARE(ab.familyScore, ba.familyScore);
            QCOMPARE(ab.characterCode, ba.characterCode);
            QCOMPARE(ab.energyCode, ba.energyCode);
            QCOMPARE(ab.lifePathPairCode, ba.lifePathPairCode);
            QCOMPARE(ab.birthdayPairCode, ba.birthdayPairCode);
            QCOMPARE(ab.namePairCode, ba.namePairCode);
            QCOMPARE(ab.homeProducts[0], ba.homeProducts[1]);
            QCOMPARE(ab.spiritualProducts[1], ba.spiritualProducts[0]);
            QCOMPARE(ab.marriageStabilityTerm, ba.marriageStabilityTerm);
        }
    }
    // Only the order inside the sum texts changes.
    CNumerology a;
    CNumerology b;
    a.CalcNumerology(calcOnly(makePerson(QStringLiteral("JOHN SMITH"), births[0])));
    b.CalcNumerology(calcOnly(makePerson(QStringLiteral("MARY JONES"), births[1])));
    const PsychomatrixValues none{};
    QCOMPARE(CCompNumerology::Compare(b.result(), a.result(), none, none).texts[CT_LIFE_PATH_SUM],
             QStringLiteral("9+5=5"));
    QCOMPARE(CCompNumerology::Compare(b.result(), a.result(), none, none).texts[CT_NAME_SUM],
             QStringLiteral("3+8=2"));
}

void TestCompatibility::equalStabilitiesGiveEitherAsTerm()
{
    // Home: 3-6-9 x 2-5-8 x 3-5-7 = 2 x 3 x 4 = 24 for both; spirit:
    // 1-4-7 x 1-2-3 x 1-5-9 = 4 x 3 x 2 = 24 for both: (576 + 180) / 365 = 2.
    PsychomatrixValues p{};
    p[PM_STABILITY] = 2;
    p[PM_FAMILY] = 3;
    p[PM_SEXUAL_LIFE] = 4;
    p[PM_PURPOSEFUL] = 4;
    p[PM_SELF_APPRAISAL] = 3;
    p[PM_SPIRITUALITY] = 2;
    const CompatibilityResult r = CCompNumerology::Compare(chart(1, 1, 1), chart(1, 1, 1), p, p);
    QCOMPARE(r.homeStability, 2);
    QCOMPARE(r.spiritualStability, 2);
    QCOMPARE(r.marriageStabilityTerm, 2);
    QCOMPARE(r.familyRating, 6); // 222 / 35
}

void TestCompatibility::resetZeroes()
{
    CNumerology a;
    a.CalcNumerology(calcOnly(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17))));
    CCompNumerology comp;
    comp.CalcCompatibility(a.result(), a.result(), squareOf(QDate(1990, 5, 17)),
                           squareOf(QDate(1990, 5, 17)), true);
    QVERIFY(comp.result().overallRating > 0);
    QVERIFY(!comp.document().isEmpty());
    comp.ResetCompatibility();
    QCOMPARE(comp.result().overallRating, 0);
    QCOMPARE(comp.result().lifePathRating, 0);
    QVERIFY(comp.result().texts[CT_OVERALL_RATING].isEmpty());
    QVERIFY(comp.document().isEmpty());
    QVERIFY(!comp.female());
}

// The whole document for the pair of wholeComparison. Texts: 402/0..3, the
// pair and code entries the pair reads (404/59, 401/1, 402/28, 405/0,
// 405/34, 406/23), but no name pair text 403/38 (only 37 and 83): that
// paragraph is left out.
void TestCompatibility::report()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TextStore texts;
    QVERIFY(loadReadingTexts(dir, markerEntries(402, {0, 1, 2, 3, 28}) + markerEntries(404, {59})
                                      + markerEntries(401, {1}) + markerEntries(403, {37, 83})
                                      + markerEntries(405, {0, 34}) + markerEntries(406, {23}),
                             texts));
    CNumerology person;
    CNumerology partner;
    person.CalcNumerology(calcOnly(makePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17))));
    partner.CalcNumerology(calcOnly(makePerson(QStringLiteral("Mary Jones"), QDate(1985, 11, 29))));
    CCompNumerology comp;
    comp.setImageFolder(QStringLiteral("img/doc/"));
    comp.setTextStore(&texts);
    comp.CalcCompatibility(person.result(), partner.result(), squareOf(QDate(1990, 5, 17)),
                           squareOf(QDate(1985, 11, 29)), false);

    const QString table = QStringLiteral(
        "<table class=maindoc width=\"500\" style=\"border-style: solid; color:#000000; border: 0px; "
        "border-collapse:collapse;\">\r\n"
        "<tr class=\"tab2\" style = \"border-bottom: 2px solid #117711\">"
        "<td style=\"padding: 5px 20px 5px 20px; font: large bold; color:#6f2a0b;\">"
        "JOHN SMITH, May 17 1990<br />and<br />MARY JONES, Nov 29 1985"
        "</td><td style=\"color:#6f2a0b; font: large bold;\">81%</td></tr>"
        "<tr class=\"tab2\" style = \"border-bottom: 2px solid #117711\">"
        "<td colspan=\"2\" style=\"padding: 15px 20px 5px 20px; font-weight: bold; color: #117711;\" "
        "comment=\"lc_fs\">Core numbers Compatibility</td></tr>"
        "<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\">"
        "<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">Life path</td><td  comment=\"lc_fs\" >75%</td></tr>"
        "<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\">"
        "<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">Birthday</td><td comment=\"lc_fs\" >80%</td></tr>"
        "<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\">"
        "<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">Name</td><td comment=\"lc_fs\" >50%</td></tr>"
        "<tr class=\"tab2\" style = \"border-bottom: 2px solid #117711\">"
        "<td colspan=\"2\" style=\"padding: 15px 20px 5px 20px; font-weight: bold; color: #117711;\" "
        "comment=\"lc_fs\">Psycho-matrix Compatibility</td></tr>"
        "<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\"> "
        "<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">Marriage stability term</td>"
        "<td comment=\"lc_fs\" >80 years</td></tr>"
        "<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\">"
        "<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">Family</td><td comment=\"lc_fs\" >100%</td></tr>"
        "<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\">"
        "<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">Carnal interests</td>"
        "<td comment=\"lc_fs\" >90%</td></tr>"
        "</table>\r\n");
    QCOMPARE(comp.SummaryTable(person.result(), partner.result()), table);

    const QString &open = EXPECTED_BLOCK_OPEN;
    const QString &close = EXPECTED_BLOCK_CLOSE;
    const auto heading = expectedHeading;
    const auto para = expectedParagraph;
    const auto text = [&](int topic, int number) { return para(markerText(topic, number)); };

    CReportTools head;
    head.beginDocument(QStringLiteral("Numerology Compatibility Report"));
    const QString expected = head.document()
        + open + heading(QStringLiteral("Numerology Compatibility Report"), QString()) + close
        + table + open + close + open + text(402, 0) + close
        + open + heading(QStringLiteral("Life Path Compatibility"), QStringLiteral("res35.jpg"))
        + para(QStringLiteral("Life path compatibility = 75%<br />\r\n"
                              "Life path - 8+5+1/19=14=5 / 11/11+11+5/23=27=9<br />\r\n"
                              "Life path compatibility code - 5<br /><br />\r\n\r\n"))
        + text(404, 59) + close
        + open + heading(QStringLiteral("Birthday Compatibility"), QStringLiteral("res37.jpg"))
        + para(QStringLiteral("Birthday compatibility = 80%<br />\r\n"
                              "Birthday - 17 (8) / 29 (11)<br />\r\n"
                              "Birthday code - 1<br /><br />\r\n\r\n"))
        + text(401, 1) + text(402, 28) + close
        + open + heading(QStringLiteral("Name Compatibility"), QStringLiteral("res34.jpg"))
        + para(QStringLiteral("Name compatibility = 50%<br />\r\n"
                              "Name numbers (expression) - 8 / 3/12<br />\r\n"
                              "Name compatibility code - 8+3=2<br /><br />\r\n\r\n"))
        + close
        + open + heading(QStringLiteral("Psycho-matrix"), QString())
        + para(QStringLiteral("Character (1) - 2 / 3<br/>\r\n"
                              "Energy (2) - 1 / 2<br/>\r\n"
                              "Interest (3) - 3 / 2<br/>\r\n"
                              "Health (4) - 0 / 0<br/>\r\n"
                              "Intuition (5) - 2 / 2<br/>\r\n"
                              "Labour (6) - 0 / 1<br/>\r\n"
                              "Luck (7) - 1 / 0<br/>\r\n"
                              "Duty (8) - 0 / 1<br/>\r\n"
                              "Memory (9) - 2 / 3<br/>\r\n"
                              "Purposeful (1-4-7) - 3 / 3<br/>\r\n"
                              "Family formation (2-5-8) - 3 / 5<br/>\r\n"
                              "Stability (3-6-9) - 5 / 6<br/>\r\n"
                              "Self appraisal (1-2-3) - 6 / 7<br/>\r\n"
                              "Finance (4-5-6) - 2 / 3<br/>\r\n"
                              "Talent (7-8-9) - 3 / 4<br/>\r\n"
                              "Spirituality (1-5-9) - 6 / 8<br/>\r\n"
                              "Sexual life (3-5-7) - 6 / 4<br/>\r\n"))
        + close
        + open + heading(QStringLiteral("Family"), QStringLiteral("res36.jpg"))
        + para(QStringLiteral("Family Compatibility = 100%<br />\r\n"
                              "Home stability 30<br />\r\n"
                              "Spiritual stability 50<br />\r\n\r\n"
                              "Marriage stability term 80<br /><br />\r\n"))
        + text(402, 1) + close
        + open + heading(QStringLiteral("Character"), QStringLiteral("res38.jpg"))
        + para(QStringLiteral("Character Compatibility (1) - 2 / 3<br/><br/><br/><br/><br/>\r\n"))
        + text(405, 0) + text(405, 34) + close
        // The Energy chapter has no introduction.
        + open + heading(QStringLiteral("Energy"), QStringLiteral("res17.jpg"))
        + para(QStringLiteral("Energy Compatibility (2) - 1 / 2<br/><br/><br/><br/><br/>\r\n"))
        + text(406, 23) + close
        + open + heading(QStringLiteral("Carnal Interests"), QStringLiteral("res33.jpg"))
        + para(QStringLiteral("Compatibility = 90%<br />\r\n"
                              "Values (3-5-7) - 6 / 4<br /><br /><br /><br />\r\n"))
        + text(402, 2) + close
        // The closing chapter under an empty heading.
        + open + heading(QString(), QString()) + text(402, 3) + close
        + QLatin1String("</body></html>\r\n");
    QCOMPARE(comp.document(), expected);
}

QTEST_GUILESS_MAIN(TestCompatibility)
#include "test_compatibility.moc"
