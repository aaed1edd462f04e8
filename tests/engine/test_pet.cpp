// The pet reading: pet number, lines and digit rows, the two codes, the
// failure for a name worth nothing, and its independence of the instance's
// table.

#include "enginefixture.h"
#include "readingtexts.h"

#include <QtTest>

class TestPet : public QObject
{
    Q_OBJECT

private slots:
    void petNumber_data();
    void petNumber();
    void digitRows_data();
    void digitRows();
    void codes_data();
    void codes();
    void nameWorthNothing_data();
    void nameWorthNothing();
    void alwaysWestern();
    void masterLetterOptionApplies();
    void summaryText();
    void report();
};

// Western values: R 9, E 5, X 6, B 2, I 9, M 4, A 1.
void TestPet::petNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("vowelLine");
    QTest::addColumn<QString>("consonantLine");
    // 20 -> 2; vowels E 5; consonants R + X = 15 -> 6.
    QTest::newRow("REX") << "Rex" << "2" << "=2/20=2" << "=5=5" << "=6/15=6";
    // 11 stays a master number, the pet number is its digit.
    QTest::newRow("BI") << "BI" << "2/11" << "=11=11=2" << "=9=9" << "=2=2";
    // Words 20 -> 2, an empty word 0, MAX 11: total 13 -> 4.
    QTest::newRow("REX  MAX") << "REX  MAX" << "4/13" << "=2/20+0+11=13=4" << "=5+0+1=6"
                              << "=6/15+0+1/10=7";
    // Digits count at face value: 2 + 5 = 7; no vowels or consonants.
    QTest::newRow("digits") << "25" << "7" << "=7=7" << "=0=0" << "=0=0";
}

void TestPet::petNumber()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, line);
    QFETCH(QString, vowelLine);
    QFETCH(QString, consonantLine);
    CNumerology pet;
    QVERIFY(pet.CalcPetNum(name, QDate(2020, 2, 29), QDate(2024, 1, 5)));
    QCOMPARE(pet.result().expressionText, text);
    QCOMPARE(pet.result().expressionLine, line);
    QCOMPARE(pet.result().heartsDesireLine, vowelLine);
    QCOMPARE(pet.result().personalityLine, consonantLine);
}

void TestPet::digitRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("vowels");
    QTest::addColumn<QString>("consonants");
    QTest::newRow("MAX  II") << "MAX  II" << " 1   99" << "4 6    ";
    // English vowel rules: the final Y after R is a vowel (Y 7).
    QTest::newRow("MARY") << "Mary" << " 1 7" << "4 9 ";
    // W opening the name is a consonant, W closing it a vowel (W 5).
    QTest::newRow("WOW") << "WOW" << " 65" << "5  ";
}

void TestPet::digitRows()
{
    QFETCH(QString, name);
    QFETCH(QString, vowels);
    QFETCH(QString, consonants);
    CNumerology pet;
    QVERIFY(pet.CalcPetNum(name, QDate(2020, 2, 29), QDate(2024, 1, 5)));
    QCOMPARE(pet.result().fullVowelRow, vowels);
    QCOMPARE(pet.result().fullConsonantRow, consonants);
}

// Birthday code: R(R(year) + R(month) + R(day)); day code: R(pet number +
// birthday code + the same code of the forecast date).
void TestPet::codes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("forecast");
    QTest::addColumn<QString>("birthdayCode");
    QTest::addColumn<QString>("dayCode");
    // R(2020) 4 + R(2) 2 + R(29) 2 = 8; forecast R(2024) 8 + 1 + 5 = 14 -> 5;
    // day code R(2 + 8 + 5) = 6.
    QTest::newRow("29 Feb 2020") << "REX" << QDate(2020, 2, 29) << QDate(2024, 1, 5) << "8" << "6";
    // R(2015) 8 + R(10) 1 + R(31) 4 = 13 -> 4; forecast 2024-06-21:
    // 8 + 6 + 3 = 17 -> 8; R(4 + 4 + 8) = 7.
    QTest::newRow("31 Oct 2015") << "REX  MAX" << QDate(2015, 10, 31) << QDate(2024, 6, 21) << "4" << "7";
}

void TestPet::codes()
{
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(QDate, forecast);
    QFETCH(QString, birthdayCode);
    QFETCH(QString, dayCode);
    CNumerology pet;
    QVERIFY(pet.CalcPetNum(name, birth, forecast));
    QCOMPARE(pet.result().birthdayText, birthdayCode);
    QCOMPARE(pet.result().personalYearText, dayCode);
}

void TestPet::nameWorthNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("only zeros") << "0 00";
    QTest::newRow("only spaces") << "  ";
    QTest::newRow("empty") << QString();
}

void TestPet::nameWorthNothing()
{
    QFETCH(QString, name);
    CNumerology pet;
    QVERIFY(pet.CalcPetNum(QStringLiteral("REX"), QDate(2020, 2, 29), QDate(2024, 1, 5)));
    QVERIFY(!pet.document().isEmpty());

    RecordingReporter reporter;
    QVERIFY(!pet.CalcPetNum(name, QDate(2020, 2, 29), QDate(2024, 1, 5)));
    QCOMPARE(reporter.messages, QStringList{QStringLiteral("|Error! Incorrect pet name!")});
    QVERIFY(pet.document().isEmpty());
    QVERIFY(pet.summaryText().isEmpty());
    QCOMPARE(pet.result().lifePath, -1);
    QCOMPARE(pet.result().expression, 0);
}

// The instance's earlier Chaldean calculation in master mode 1 leaves no
// trace: C is 3 in both tables, but O is 6 (Western) against 7 (Chaldean);
// and 44 is no master number in mode 0.
void TestPet::alwaysWestern()
{
    CNumerology pet;
    PersonRecord chaldean = calcOnly(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17)));
    chaldean.chaldean = true;
    pet.SetMasterMode(1);
    pet.CalcNumerology(chaldean);
    QVERIFY(pet.CalcPetNum(QStringLiteral("COCO"), QDate(2020, 2, 29), QDate(2024, 1, 5)));
    QCOMPARE(pet.result().expressionLine, QStringLiteral("=9/18=9")); // 3 + 6 + 3 + 6
    QVERIFY(!pet.result().chaldean);
    QCOMPARE(pet.masterMode(), 0);
    // IIIIH: 4 x 9 + 8 = 44 -> 8.
    QVERIFY(pet.CalcPetNum(QStringLiteral("IIIIH"), QDate(2020, 2, 29), QDate(2024, 1, 5)));
    QCOMPARE(pet.result().expressionLine, QStringLiteral("=8/44=8"));
}

// The option on letter values still applies: with master letters kept, K
// is 11 and KIT = 11 + 9 + 2 = 22 stays a master number.
void TestPet::masterLetterOptionApplies()
{
    CalcOptions options;
    options.reduceMasterLetters = false;
    CNumerology pet;
    pet.setCalcOptions(&options);
    QVERIFY(pet.CalcPetNum(QStringLiteral("KIT"), QDate(2020, 2, 29), QDate(2024, 1, 5)));
    QCOMPARE(pet.result().expressionLine, QStringLiteral("=22=22=4"));
    QCOMPARE(pet.result().expressionText, QStringLiteral("4/22"));
}

void TestPet::summaryText()
{
    CNumerology pet;
    QVERIFY(pet.CalcPetNum(QStringLiteral("BI"), QDate(2020, 2, 29), QDate(2024, 1, 5)));
    // Pet number 2 (from 11), birthday code 8, day code R(2 + 8 + 5) = 6.
    QCOMPARE(pet.summaryText(), QStringLiteral("Pet number 2/11<br />\r\n"
                                               "Pet Birthday Code 8<br />\r\n"
                                               "Forecast Day Code 6<br />\r\n"));
}

// The whole document for BI, born 29 Feb 2020, on 5 Jan 2024: pet number 2,
// day code 6.
void TestPet::report()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TextStore texts;
    QVERIFY(loadReadingTexts(dir, {textHeader(301, 0), "About pet numbers", textHeader(301, 2), "A two",
                                   textHeader(301, 3), "A three", textHeader(302, 6), "Day six"},
                             texts));
    CNumerology pet;
    pet.setTextStore(&texts);
    QVERIFY(pet.CalcPetNum(QStringLiteral("BI"), QDate(2020, 2, 29), QDate(2024, 1, 5)));

    CReportTools head;
    head.beginDocument(QStringLiteral("Pet Numerology Report"));
    const QString &open = EXPECTED_BLOCK_OPEN;
    const QString &close = EXPECTED_BLOCK_CLOSE;
    const QString h2 = QStringLiteral("<h2><font style=\" color:#000000;\">%1</font></h2>\r\n");
    const QString p = QStringLiteral("<p comment=\"st_fs\"   >%1</p>\r\n");
    const QString expected = head.document()
        + open + h2.arg(QLatin1String("Pet Numerology Chart")) + close
        // The summary; the empty paragraph after it writes nothing.
        + open + p.arg(pet.summaryText()) + close
        + open + h2.arg(QLatin1String("Pet number 2/11"))
        + p.arg(QLatin1String("<p comment=\"st_fs\"   >About pet numbers</p><br />"
                              "<p comment=\"st_fs\"   >A two</p>")) + close
        + open + h2.arg(QLatin1String("Day Forecast for Jan 5 2024"))
        + p.arg(QLatin1String("<p comment=\"st_fs\"   >Day six</p>")) + close
        + QLatin1String("</body></html>\r\n");
    QCOMPARE(pet.document(), expected);
}

QTEST_GUILESS_MAIN(TestPet)
#include "test_pet.moc"
