// The worked examples of the shipped guide, recomputed with the engine: each
// row names the sentences of the guide that state a result and the result the
// engine gives for the same person. A guide sentence that is edited away, or
// an engine whose numbers no longer match the guide, fails its row.

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "texts/textstore.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>

namespace {

// The words of an HTML fragment, tags removed, single spaces between them.
QString plainWords(QString html)
{
    html.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    return html.simplified();
}

const QDate ANNA_BORN(1987, 3, 14);
const QDate CLARA_BORN(1996, 11, 4);
const QDate PETER_BORN(1968, 10, 22);
// The guide's forecast examples look at June 2025.
const QDate FORECAST(2025, 6, 15);

using Field = std::function<QString(const CNumerology &)>;

QString number(int n)
{
    return QString::number(n);
}

// The chart results the guide quotes, by the name the rows use.
const QMap<QString, Field> &chartFields()
{
    static const QMap<QString, Field> fields{
        {QStringLiteral("lifePath"), [](const CNumerology &e) { return number(e.result().lifePath); }},
        {QStringLiteral("birthday"), [](const CNumerology &e) { return e.result().birthdayText; }},
        {QStringLiteral("expression"), [](const CNumerology &e) { return e.result().expressionText; }},
        {QStringLiteral("minorExpression"),
         [](const CNumerology &e) { return e.result().minorExpressionText; }},
        {QStringLiteral("heartsDesire"), [](const CNumerology &e) { return e.result().heartsDesireText; }},
        {QStringLiteral("minorHeartsDesire"),
         [](const CNumerology &e) { return e.result().minorHeartsDesireText; }},
        {QStringLiteral("personality"), [](const CNumerology &e) { return e.result().personalityText; }},
        {QStringLiteral("balance"), [](const CNumerology &e) { return e.result().balanceText; }},
        {QStringLiteral("maturity"), [](const CNumerology &e) { return e.result().maturityText; }},
        {QStringLiteral("karmicLessons"), [](const CNumerology &e) { return e.result().karmicLessonsText; }},
        {QStringLiteral("karmicDebts"), [](const CNumerology &e) { return e.result().karmicDebtsText; }},
        {QStringLiteral("hiddenPassion"), [](const CNumerology &e) { return e.result().hiddenPassionText; }},
        {QStringLiteral("pinnacles"), [](const CNumerology &e) { return e.result().pinnaclesText; }},
        {QStringLiteral("personalYear"), [](const CNumerology &e) { return e.result().personalYearText; }},
        {QStringLiteral("personalMonth"),
         [](const CNumerology &e) { return number(e.PersonalMonth(FORECAST.year(), FORECAST.month())); }},
        {QStringLiteral("essenceAt38"),
         [](const CNumerology &e) { return number(e.result().essenceNumbers[38]); }},
    };
    return fields;
}

} // namespace

class TestGuideExamples : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chart_data();
    void chart();
    void psychomatrix_data();
    void psychomatrix();
    void pet_data();
    void pet();

private:
    // The sentences must be on one of the guide's pages.
    void verifyStated(const QStringList &sentences) const;

    QString m_guide; // the words of all 40 pages
};

void TestGuideExamples::initTestCase()
{
    TextStore store;
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/eng.dat");
    QVERIFY2(store.loadFile(path), qPrintable(QStringLiteral("cannot read ") + path));
    QStringList pages;
    for (int page = 0; page < 40; ++page)
        pages.append(plainWords(store.guidePage(page, QString())));
    m_guide = pages.join(QLatin1Char('\n'));
}

void TestGuideExamples::verifyStated(const QStringList &sentences) const
{
    for (const QString &sentence : sentences)
        QVERIFY2(m_guide.contains(sentence),
                 qPrintable(QStringLiteral("the guide no longer says: ") + sentence));
}

void TestGuideExamples::chart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("born");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("stated");

    const QString anna = QStringLiteral("Anna Marie Cole");
    const QString clara = QStringLiteral("Clara Jean Whitaker");
    const QString peter = QStringLiteral("Peter Owen Dalby");
    QTest::newRow("Anna life path")
        << anna << ANNA_BORN << "lifePath"
        << "6" << QStringList{"Anna Marie Cole adds her Life Path 6 and Expression 3 to reach 9"};
    QTest::newRow("Anna maturity") << anna << ANNA_BORN << "maturity"
                                   << "9"
                                   << QStringList{
                                          "Anna Marie Cole adds her Life Path 6 and Expression 3 to reach 9"};
    QTest::newRow("Anna birthday") << anna << ANNA_BORN << "birthday"
                                   << "14 (5)" << QStringList{"so her row reads 14 (5), since 1+4 = 5"};
    QTest::newRow("Anna expression")
        << anna << ANNA_BORN << "expression"
        << "3/12"
        << QStringList{"ANNA gives 1+5+5+1 = 12, which reduces to 3; MARIE gives 4+1+9+9+5 = 28, then 10, "
                       "then 1; COLE gives 3+6+3+5 = 17, then 8",
                       "Anna's 3 comes from 12"};
    QTest::newRow("Anna minor expression")
        << anna << ANNA_BORN << "minorExpression"
        << "11" << QStringList{"Anna's birth Expression of 3 meets a Minor Expression of 11"};
    QTest::newRow("Anna minor heart's desire")
        << anna << ANNA_BORN << "minorHeartsDesire"
        << "4/13" << QStringList{"whose vowels give 2+11 = 13 on the way to a Minor Heart's Desire of 4"};
    QTest::newRow("Anna balance") << anna << ANNA_BORN << "balance"
                                  << "8"
                                  << QStringList{
                                         "Anna Marie Cole has A, M and C, worth 1, 4 and 3, giving 8"};
    QTest::newRow("Anna karmic lessons")
        << anna << ANNA_BORN << "karmicLessons"
        << "2, 7, 8" << QStringList{"the three missing digits, 2, 7 and 8, are her Karmic Lessons"};
    QTest::newRow("Anna karmic debts") << anna << ANNA_BORN << "karmicDebts"
                                       << "13, 14, 19" << QStringList{"Anna Marie Cole shows 13, 14, 19"};
    QTest::newRow("Anna pinnacles") << anna << ANNA_BORN << "pinnacles"
                                    << "8, 3, 2/11, 1"
                                    << QStringList{"Anna's third pinnacle of 11, from 39 to 48"};
    QTest::newRow("Anna personal year")
        << anna << ANNA_BORN << "personalYear"
        << "8" << QStringList{"During 2025 Anna Marie Cole is in Personal Year 8"};
    QTest::newRow("Anna personal month")
        << anna << ANNA_BORN << "personalMonth"
        << "5" << QStringList{"A Personal Month 5 inside a Personal Year 8, as for Anna in June 2025"};
    QTest::newRow("Anna essence") << anna << ANNA_BORN << "essenceAt38"
                                  << "2" << QStringList{"Anna's Essence of 2 at 38"};
    QTest::newRow("Clara birthday") << clara << CLARA_BORN << "birthday"
                                    << "4" << QStringList{"Clara Jean Whitaker, born on the 4th, shows 4"};
    QTest::newRow("Clara life path")
        << clara << CLARA_BORN << "lifePath"
        << "22" << QStringList{"Clara Jean Whitaker has a Life Path of 22 and an Expression of 7"};
    QTest::newRow("Clara expression")
        << clara << CLARA_BORN << "expression"
        << "7/16"
        << QStringList{"Clara Jean Whitaker has a Life Path of 22 and an Expression of 7",
                       "her Expression total is 8+3+5 = 16"};
    QTest::newRow("Clara maturity") << clara << CLARA_BORN << "maturity"
                                    << "11/29" << QStringList{"Clara's 11 suggests"};
    QTest::newRow("Clara balance") << clara << CLARA_BORN << "balance"
                                   << "9"
                                   << QStringList{
                                          "their sum 9 is already a single digit, so her Balance is 9"};
    QTest::newRow("Clara karmic debts")
        << clara << CLARA_BORN << "karmicDebts"
        << "13, 14, 16" << QStringList{"Clara Jean Whitaker shows 13, 14, 16"};
    QTest::newRow("Clara karmic lessons") << clara << CLARA_BORN << "karmicLessons"
                                          << "4, 6, 7" << QStringList{"Clara's lessons 4, 6 and 7"};
    QTest::newRow("Clara hidden passion")
        << clara << CLARA_BORN << "hiddenPassion"
        << "1" << QStringList{"no other digit reaches five, so her Hidden Passion is 1"};
    QTest::newRow("Peter birthday") << peter << PETER_BORN << "birthday"
                                    << "22"
                                    << QStringList{"Peter Owen Dalby, born on the 22nd, simply shows 22"};
    QTest::newRow("Peter life path")
        << peter << PETER_BORN << "lifePath"
        << "11" << QStringList{"Peter Owen Dalby combines a Life Path of 11 with an Expression of 3"};
    QTest::newRow("Peter maturity") << peter << PETER_BORN << "maturity"
                                    << "5/14" << QStringList{"11+3 = 14, which reduces to 5, shown as 5/14"};
    QTest::newRow("Peter balance") << peter << PETER_BORN << "balance"
                                   << "8/17"
                                   << QStringList{"the sum 17 reduces to 8, and the chart writes 8/17"};
    QTest::newRow("Peter heart's desire")
        << peter << PETER_BORN << "heartsDesire"
        << "2/20" << QStringList{"his Heart's Desire of 2 wants closeness and cooperation"};
    QTest::newRow("Peter personality")
        << peter << PETER_BORN << "personality"
        << "1/19" << QStringList{"Peter's 1 means he may strike strangers as independent"};
    QTest::newRow("Peter hidden passion")
        << peter << PETER_BORN << "hiddenPassion"
        << "5"
        << QStringList{"give five letters worth 5, more than any other value, so his Hidden Passion is 5"};
}

void TestGuideExamples::chart()
{
    QFETCH(QString, name);
    QFETCH(QDate, born);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QFETCH(QStringList, stated);

    verifyStated(stated);
    PersonRecord person;
    person.fullName = name;
    // The guide's short names are first and last name, as the program's default.
    const QStringList words = name.split(QLatin1Char(' '));
    person.shortName = words.first() + QLatin1Char(' ') + words.last();
    person.birthDate = born;
    person.forecastDate = FORECAST;
    person.calcOnly = true;
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(person));
    QVERIFY2(chartFields().contains(field), qPrintable(field));
    QCOMPARE(chartFields().value(field)(engine), expected);
}

void TestGuideExamples::psychomatrix_data()
{
    QTest::addColumn<QDate>("born");
    // Values 1..17: the cells 1 to 9, then 1-2-3, 4-5-6, 7-8-9, 1-4-7,
    // 2-5-8, 3-6-9, 1-5-9 and 3-5-7.
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QStringList>("stated");

    QTest::newRow("Anna 14.03.1987")
        << ANNA_BORN << QList<int>{3, 0, 4, 2, 0, 1, 1, 1, 1, 7, 3, 3, 6, 1, 6, 4, 5}
        << QStringList{
               "The digits 1, 4, 0, 3, 1, 9, 8, 7 add up to 33; then 3+3 = 6; then 33-2 = 31; then 3+1 = 4",
               "giving three 1s, no 2, four 3s, two 4s, no 5 and one each of 6, 7, 8 and 9",
               "For Anna the rows give 6, 1 and 6, the columns 7, 3 and 3, the diagonals 4 and 5",
               "14.03.1987, and her working numbers 33, 6, 31 and 4 contain no 2",
               "four in all",
               "holds three 1s, two 4s and one 7, so her row totals 6",
               "has no 2, no 5 and one 8, so the row totals just 1",
               "there are four 3s, one 6 and one 9, giving 6",
               "has three 1s, no 2 and four 3s, so the column totals 7",
               "has two 4s, no 5 and one 6, giving 3",
               "holds one 7, one 8 and one 9, all from her birth year, so the column totals 3",
               "has three 1s, no 5 and one 9, totalling 4",
               "has four 3s, no 5 and one 7, totalling 5",
           };
    QTest::newRow("17.05.1990")
        << QDate(1990, 5, 17) << QList<int>{2, 1, 3, 0, 2, 0, 1, 0, 2, 6, 2, 3, 3, 3, 5, 6, 6}
        << QStringList{
               "The date 17.05.1990 gets one 2 from its first working number, 32",
               "The date 17.05.1990 collects three, from its working numbers 32, 30 and 3",
               "The date 17.05.1990 has no 4 in the date or in its working numbers 32, 5, 30 and 3",
               "The date 17.05.1990 gets one 5 from May and another from its second working number, 5, "
               "giving two",
               "The date 17.05.1990 holds two, both in the year",
               "The date 17.05.1990 gives two 1s, no 4 and one 7, a total of 3",
               "The date 17.05.1990 gives one 2, two 5s and no 8, a total of 3",
               "The date 17.05.1990 has three 3s, no 6 and two 9s, a total of 5",
               "The date 17.05.1990 gives two 1s, one 2 and three 3s, a total of 6",
               "The date 17.05.1990 has no 4, two 5s and no 6, giving 2",
               "The date 17.05.1990 has one 7, no 8 and two 9s, also 3",
               "The date 17.05.1990 gives two 1s, two 5s and two 9s, so 6",
               "The date 17.05.1990 gives three 3s, two 5s and one 7, so 6",
           };
    QTest::newRow("Clara 4.11.1996")
        << CLARA_BORN << QList<int>{4, 1, 2, 2, 1, 1, 0, 0, 2, 7, 4, 2, 6, 2, 5, 7, 3}
        << QStringList{
               "For a single-digit day such as 4.11.1996, the third number is 31-8 = 23",
               "gets a single 5 from her fourth working number",
               "has no 7 in her date or in her working numbers 31, 4, 23 and 5",
               "reaches 6 too, through four 1s and two 4s with no 7",
               "has one 2, one 5 and no 8, giving 2",
               "holds two 3s, one 6 and two 9s, also a total of 5",
               "reaches 7 as well, with four 1s, one 2 and two 3s",
               "has two 4s, one 5 and one 6, a total of 4",
               "has no 7 and no 8 but two 9s, giving 2",
               "has four 1s, one 5 and two 9s, giving 7",
               "has two 3s, one 5 and no 7, giving 3",
           };
}

void TestGuideExamples::psychomatrix()
{
    QFETCH(QDate, born);
    QFETCH(QList<int>, values);
    QFETCH(QStringList, stated);

    verifyStated(stated);
    CNumerologyPMatrix matrix;
    QVERIFY(matrix.CalcPsychomatrix(QStringLiteral("A"), born));
    QList<int> computed;
    for (int i = 1; i <= 17; ++i)
        computed.append(matrix.values()[i]);
    QCOMPARE(computed, values);
}

void TestGuideExamples::pet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");     // the pet number as the program shows it
    QTest::addColumn<QString>("vowels");     // the vowel calculation line
    QTest::addColumn<QString>("consonants"); // the consonant calculation line
    QTest::addColumn<QStringList>("stated");

    QTest::newRow("Biscuit")
        << "BISCUIT"
        << "2/11"
        << "=3/21=3"
        << "=8=8"
        << QStringList{
               "The sum is 29, which reduces first to 11 and then to 1+1 = 2, so Biscuit's pet number "
               "is 2 and the program shows it as 2/11",
               "Its vowels I, U and I give 21, which reduces to 3; its consonants B, S, C and T give 8",
               "Biscuit's 2 describes a gentle cat"};
}

void TestGuideExamples::pet()
{
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QString, vowels);
    QFETCH(QString, consonants);
    QFETCH(QStringList, stated);

    verifyStated(stated);
    CNumerology pet;
    QVERIFY(pet.CalcPetNum(name, QDate(2020, 2, 29), FORECAST));
    QCOMPARE(pet.result().expressionText, number);
    QCOMPARE(pet.result().heartsDesireLine, vowels);
    QCOMPARE(pet.result().personalityLine, consonants);
}

QTEST_GUILESS_MAIN(TestGuideExamples)
#include "test_guideexamples.moc"
