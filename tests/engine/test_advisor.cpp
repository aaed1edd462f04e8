// The name advisor: its input preparation, the date number (one method
// only), the name and compound numbers and the other full-name numbers.

#include "enginefixture.h"
#include "engine/analyzerinput.h"
#include "readingtexts.h"

#include <QtTest>

class TestAdvisor : public QObject
{
    Q_OBJECT

private slots:

    void inputPreparation_data();
    void inputPreparation();
    void emptyInputIsReported();
    void dateNumber_data();
    void dateNumber();
    void dateNumberIgnoresLifePathOptions();
    void nameNumber_data();
    void nameNumber();
    void otherNumbers();
    void report_data();
    void report();

private:
    QTemporaryDir m_dir;
};

void TestAdvisor::inputPreparation_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("name");
    QTest::newRow("comma between words") << "Anna, Maria" << "Anna Maria";
    // The comma is removed, not turned into a blank.
    QTest::newRow("comma inside a word") << "Anna,Maria" << "AnnaMaria";
    QTest::newRow("blanks and marks") << "  Jos\u00e9   O'Neil-Smith " << "Jose ONeil Smith";
    QTest::newRow("400 letters are cut to 300") << QString(400, QLatin1Char('a')) << QString(300, QLatin1Char('a'));
    // The cut comes before the commas go: 299 letters, then ",," and more
    // letters keep only the first 299 letters.
    QTest::newRow("cut before the commas go") << QString(299, QLatin1Char('b')) + QLatin1String(",,cc")
                                              << QString(299, QLatin1Char('b'));
}

void TestAdvisor::inputPreparation()
{
    QFETCH(QString, input);
    QFETCH(QString, name);
    QCOMPARE(AnalyzerName(input), name);
    RecordingReporter reporter;
    QString prepared;
    QVERIFY(PrepareAnalyzerName(input, prepared));
    QCOMPARE(prepared, name);
    QVERIFY(reporter.messages.isEmpty());
}

void TestAdvisor::emptyInputIsReported()
{
    for (const QString &input : {QString(), QStringLiteral(" , ,"), QStringLiteral("!?")}) {
        RecordingReporter reporter;
        QString prepared = QStringLiteral("old");
        QVERIFY(!PrepareAnalyzerName(input, prepared));
        QVERIFY(prepared.isEmpty());
        QCOMPARE(reporter.messages, QStringList{QStringLiteral("|Enter your data before calculation!")});
    }
}

// D, M and Y reduced keeping masters, added, and the sum reduced again.
void TestAdvisor::dateNumber_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("17 May 1990") << QDate(1990, 5, 17) << 5 << "8+5+1=14=5";
    // 2 + 1 + 8 (2006) = 11: a master date number, shown once.
    QTest::newRow("2 Jan 2006") << QDate(2006, 1, 2) << 11 << "2+1+8=11";
    // 29 -> 11, November 11, 1985 -> 23 -> 5: 27 -> 9.
    QTest::newRow("29 Nov 1985") << QDate(1985, 11, 29) << 9 << "11+11+5=27=9";
    // 3 + 1 + 2 (2000) = 6: the sum is the number.
    QTest::newRow("3 Jan 2000") << QDate(2000, 1, 3) << 6 << "3+1+2=6";
}

void TestAdvisor::dateNumber()
{
    QFETCH(QDate, date);
    QFETCH(int, number);
    QFETCH(QString, text);
    CNumerology advisor;
    QVERIFY(advisor.CalcAnNum(QStringLiteral("John Smith"), date, false));
    QCOMPARE(advisor.result().lifePath, number);
    QCOMPARE(advisor.result().lifePathText, text);
    QCOMPARE(advisor.result().birthDate, date);
}

// Method 2 alone would give 2012 -> 5 with the text "2012=5"; the advisor
// keeps to its own sum. Master mode 1 set on the instance is not used.
void TestAdvisor::dateNumberIgnoresLifePathOptions()
{
    CalcOptions options;
    options.lifePathMethod1 = false;
    options.lifePathMethod2 = true;
    CNumerology advisor;
    advisor.setCalcOptions(&options);
    advisor.SetMasterMode(1);
    QVERIFY(advisor.CalcAnNum(QStringLiteral("John Smith"), QDate(1990, 5, 17), false));
    QCOMPARE(advisor.result().lifePathText, QStringLiteral("8+5+1=14=5"));
    QCOMPARE(advisor.masterMode(), 0);
}

void TestAdvisor::nameNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<bool>("reduceEachWord");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("compound");
    QTest::addColumn<QString>("line");
    // JOHN 20 -> 2, SMITH 24 -> 6.
    QTest::newRow("western") << "John Smith" << false << true << "8" << 8 << "=2/20+6/24=8";
    // The raw word values added and reduced once.
    QTest::newRow("western, words not reduced") << "John Smith" << false << false << "8/44" << 44
                                                << "=2/20+6/24=44=8";
    // Chaldean: JOHN 1+7+5+5 = 18 -> 9, SMITH 3+4+1+4+5 = 17 -> 8; 17 -> 8.
    QTest::newRow("chaldean") << "John Smith" << true << true << "8/17" << 17 << "=9/18+8/17=17=8";
}

void TestAdvisor::nameNumber()
{
    QFETCH(QString, name);
    QFETCH(bool, chaldean);
    QFETCH(bool, reduceEachWord);
    QFETCH(QString, text);
    QFETCH(int, compound);
    QFETCH(QString, line);
    CalcOptions options;
    options.reduceEachWord = reduceEachWord;
    CNumerology advisor;
    advisor.setCalcOptions(&options);
    QVERIFY(advisor.CalcAnNum(name, QDate(1990, 5, 17), chaldean));
    QCOMPARE(advisor.result().fullName, name.toUpper());
    QCOMPARE(advisor.result().expressionText, text);
    QCOMPARE(advisor.result().compoundNumber, compound);
    QCOMPARE(advisor.result().expressionLine, line);
    QCOMPARE(advisor.result().chaldean, chaldean);
}

// The other numbers as for a person's full name, with the English vowel
// rules: JOHN SMITH's vowels O, I (6 + 9 = 15 -> 6), consonants J H N S M
// T H (1+8+5 = 14 -> 5, 1+4+2+8 = 15 -> 6; 11).
void TestAdvisor::otherNumbers()
{
    CNumerology advisor;
    QVERIFY(advisor.CalcAnNum(QStringLiteral("John Smith"), QDate(1990, 5, 17), false));
    const NumerologyResult &r = advisor.result();
    QCOMPARE(r.heartsDesireText, QStringLiteral("6/15"));
    QCOMPARE(r.heartsDesireLine, QStringLiteral("=6+9=15=6"));
    QCOMPARE(r.personalityText, QStringLiteral("11"));
    QCOMPARE(r.personalityLine, QStringLiteral("=5/14+6/15=11"));
    // Letter values present: 1 2 4 5 6 8 9 (J S / T / M / N / O / H H / I).
    QCOMPARE(r.karmicLessonsText, QStringLiteral("3, 7"));
    QCOMPARE(r.hiddenPassionText, QStringLiteral("1, 8"));
    QCOMPARE(r.subconsciousConfidenceText, QStringLiteral("7"));
    QCOMPARE(r.fullVowelRow, QStringLiteral(" 6     9  "));
    QCOMPARE(r.fullConsonantRow, QStringLiteral("1 85 14 28"));
}

void TestAdvisor::report_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<bool>("reduceEachWord");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<int>("dateNumber");
    QTest::addColumn<QString>("nameText");
    QTest::addColumn<int>("nameNumber");
    QTest::addColumn<QString>("section"); // heading and paragraph of a two-digit total, or none

    // Entries of topic 122 start with the store's single blank.
    const auto section = [](const QString &title, int topic, int number) {
        return QStringLiteral("<h2><font style=\" color:#000000;\">%1</font></h2>\r\n").arg(title)
            + QStringLiteral("<p comment=\"st_fs\"   >%1<p comment=\"st_fs\"   >[T%2.%3]</p><br /></p>\r\n")
                  .arg(topic == 122 ? QStringLiteral(" ") : QString())
                  .arg(topic)
                  .arg(number);
    };
    // Compound number 8: no two-digit section.
    QTest::newRow("western, compound 8") << "John Smith" << QDate(1990, 5, 17) << false << true << "8+5+1=14=5" << 5
                                         << "8" << 8 << QString();
    QTest::newRow("western, compound 44")
        << "John Smith" << QDate(1990, 5, 17) << false << false << "8+5+1=14=5" << 5 << "8/44" << 8
        << section(QStringLiteral("People with double-digit name number 44"), 121, 44);
    // Chaldean JOHN 18 -> 9, SMITH 17 -> 8: compound 17, which has a text.
    QTest::newRow("chaldean, compound with a text")
        << "John Smith" << QDate(1990, 5, 17) << true << true << "8+5+1=14=5" << 5 << "8/17" << 8
        << section(QStringLiteral("Compound Number 17"), 122, 17);
    // Chaldean JOHN 9 + ANN 11 = 20: entry 122/20 holds only its blank.
    QTest::newRow("chaldean, compound without a text")
        << "John Ann" << QDate(1990, 5, 17) << true << true << "8+5+1=14=5" << 5 << "2/20" << 2 << QString();
    // Twelve words worth 9: compound 108, beyond the two-digit texts.
    QTest::newRow("compound of three digits")
        << "I I I I I I I I I I I I" << QDate(1990, 5, 17) << false << true << "8+5+1=14=5" << 5 << "9/108"
        << 9 << QString();
    // A master date number reads its own entry.
    QTest::newRow("date number 11") << "John Smith" << QDate(2006, 1, 2) << false << true << "2+1+8=11" << 11
                                    << "8" << 8 << QString();
}

void TestAdvisor::report()
{
    QFETCH(QString, name);
    QFETCH(QDate, date);
    QFETCH(bool, chaldean);
    QFETCH(bool, reduceEachWord);
    QFETCH(QString, dateText);
    QFETCH(int, dateNumber);
    QFETCH(QString, nameText);
    QFETCH(int, nameNumber);
    QFETCH(QString, section);
    QVERIFY(m_dir.isValid());
    TextStore texts;
    QVERIFY(loadReadingTexts(m_dir, markerEntries(501, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22, 33})
                                        + markerEntries(121, {44}) + markerEntries(122, {17}),
                             texts));
    CalcOptions options;
    options.reduceEachWord = reduceEachWord;
    CNumerology advisor;
    advisor.setCalcOptions(&options);
    advisor.setTextStore(&texts);
    QVERIFY(advisor.CalcAnNum(name, date, chaldean));

    CReportTools head;
    head.beginDocument(QStringLiteral("Sorvel Numerology Report"));
    const QString h2 = QStringLiteral("<h2><font style=\" color:#000000;\">%1</font></h2>\r\n");
    const QString p = QStringLiteral("<p comment=\"st_fs\"   >%1</p>\r\n");
    const QString marked = QStringLiteral("<p comment=\"st_fs\"   >[T501.%1]</p><br />");
    const QString expected = head.document()
        + QLatin1String("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n")
        + h2.arg(QLatin1String("Express Numerology chart for"))
        + h2.arg(name.toUpper() + (date.month() == 5 ? QLatin1String(", May 17 1990") : QLatin1String(", Jan 2 2006")))
        + p.arg(QLatin1String("Date Number ") + dateText + QLatin1String("<br />Name Number ") + nameText)
        + p.arg(QLatin1String("<br />")) + h2.arg(QLatin1String("Your name number: ") + nameText)
        + p.arg(marked.arg(nameNumber)) + section + h2.arg(QLatin1String("Your date number:"))
        + p.arg(marked.arg(dateNumber)) + QLatin1String("</td></tr></table>\r\n</body></html>\r\n");
    QCOMPARE(advisor.document(), expected);
}

QTEST_GUILESS_MAIN(TestAdvisor)
#include "test_advisor.moc"
