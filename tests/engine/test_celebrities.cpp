// The celebrities reading: matches by whole Life Path, by day of birth (only
// with a positive birthday number) and by Expression, in index order, and
// the report with its conditional headings and photographs.

#include "enginefixture.h"
#include "readingtexts.h"

#include <QtTest>

class TestCelebrities : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void matches_data();
    void matches();
    void usesTheGivenTableAndOptions();
    void reportWithoutDayOrExpressionMatches();
    void reportWithEveryList();
    void emptyCelebrityList();
    void matchAtTheLastIndexOfAFullList();

private:
    QTemporaryDir m_dir;
    TextStore m_texts;
};

// Records (life path, birthday number, expression, name, note, date):
//   0    5   1   8  Ann Able   17.3.1879
//   1    2   0   3  Ben Brook  17.6.1901   (birthday number 0 is stored as -1)
//   2   11   4   1  Cy Cole    2.1.1950    (a line before it is not a date)
//   3    5   2   9  Di Dunn    no date
//   100  7   5   8  Ed Erl     17.12.1960  (code 611, number 0)
static QStringList celebritySource()
{
    QStringList lines;
    const auto record = [&](int code, int number, const QStringList &fields) {
        lines << textHeader(code, number) << fields;
    };
    record(601, 0, {"5", "1", "8", "Ann Able", "painter", "17.3.1879"});
    record(601, 1, {"2", "0", "3", "Ben Brook", "singer", "17.6.1901"});
    record(601, 2, {"11", "4", "1", "Cy Cole", "pilot", "born in winter", "2.1.1950"});
    record(601, 3, {"5", "2", "9", "Di Dunn", "writer"});
    record(611, 0, {"7", "5", "8", "Ed Erl", "actor", "17.12.1960"});
    for (const int i : {0, 1, 2, 3}) {
        lines << textHeader(602, i) << QStringLiteral("LP remark %1").arg(i);
        lines << textHeader(603, i) << QStringLiteral("Day remark %1").arg(i);
        lines << textHeader(604, i) << QStringLiteral("Ex remark %1").arg(i);
    }
    lines << textHeader(612, 0) << QStringLiteral("LP remark 100");
    lines << textHeader(613, 0) << QStringLiteral("Day remark 100");
    lines << textHeader(614, 0) << QStringLiteral("Ex remark 100");
    return lines;
}

void TestCelebrities::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(loadReadingTexts(m_dir, celebritySource(), m_texts));
    QCOMPARE(m_texts.celebrity(100).name, QStringLiteral("Ed Erl"));
}

void TestCelebrities::matches_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QList<int>>("byLifePath");
    QTest::addColumn<QList<int>>("byBirthDay");
    QTest::addColumn<QList<int>>("byExpression");
    // Life Path 5, Expression 8 (JOHN 2 + SMITH 6), day 17. Ben Brook shares
    // the day but his birthday number is not positive.
    QTest::newRow("17 May 1990") << "John Smith" << QDate(1990, 5, 17) << QList<int>{0, 3}
                                 << QList<int>{0, 100} << QList<int>{0, 100};
    // Life Path 11 (2 + 1 + 8) matches 11 only, not Ben Brook's 2.
    QTest::newRow("master Life Path") << "John Smith" << QDate(2006, 1, 2) << QList<int>{2}
                                      << QList<int>{2} << QList<int>{0, 100};
    // A birth day match ignores the month: Cy Cole was born in January.
    QTest::newRow("same day, other month") << "John Smith" << QDate(2006, 8, 2) << QList<int>{}
                                           << QList<int>{2} << QList<int>{0, 100};
    // O is 6; Life Path 5 + 5 + 1 = 11; nobody born on a 5th.
    QTest::newRow("only a Life Path match") << "O" << QDate(1990, 5, 5) << QList<int>{2} << QList<int>{}
                                            << QList<int>{};
}

void TestCelebrities::matches()
{
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(QList<int>, byLifePath);
    QFETCH(QList<int>, byBirthDay);
    QFETCH(QList<int>, byExpression);
    CNumerology celebrities;
    celebrities.setTextStore(&m_texts);
    QVERIFY(celebrities.CalcCelebrities(name, birth, false, 0));
    QCOMPARE(celebrities.celebrityMatches().lifePath, byLifePath);
    QCOMPARE(celebrities.celebrityMatches().birthDay, byBirthDay);
    QCOMPARE(celebrities.celebrityMatches().expression, byExpression);
    QCOMPARE(celebrities.result().fullName, name.toUpper());
    QCOMPARE(celebrities.result().birthDate, birth);
}

// The letter table comes from the caller (TRY: Chaldean 4 + 2 + 1 = 7,
// Western 2 + 9 + 7 = 18 -> 9); "Down to digit every word" applies as on the
// person's chart; the instance's master mode is always 0, so a total of 44
// falls to 8.
void TestCelebrities::usesTheGivenTableAndOptions()
{
    CalcOptions options;
    CNumerology celebrities;
    celebrities.setCalcOptions(&options);
    celebrities.setTextStore(&m_texts);
    celebrities.SetMasterMode(1);
    QVERIFY(celebrities.CalcCelebrities(QStringLiteral("Try"), QDate(1990, 5, 17), true, 0));
    QCOMPARE(celebrities.result().expressionText, QStringLiteral("7"));
    QVERIFY(celebrities.CalcCelebrities(QStringLiteral("Try"), QDate(1990, 5, 17), false, 0));
    QCOMPARE(celebrities.result().expressionText, QStringLiteral("9"));
    QCOMPARE(celebrities.masterMode(), 0);

    options.reduceEachWord = false;
    QVERIFY(celebrities.CalcCelebrities(QStringLiteral("John Smith"), QDate(1990, 5, 17), false, 0));
    QCOMPARE(celebrities.result().expressionText, QStringLiteral("8/44"));
    QCOMPARE(celebrities.celebrityMatches().expression, (QList<int>{0, 100}));
}

namespace {

const QString OPEN = QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n");
const QString CLOSE = QStringLiteral("</td></tr></table>\r\n");

QString heading(const QString &text, const QString &image = QString())
{
    return QLatin1String("<h2>") + image + QLatin1String("<font style=\" color:#000000;\">") + text
        + QLatin1String("</font></h2>\r\n");
}

QString para(const QString &text)
{
    QString marked = text;
    marked.replace(QLatin1String("<p"), QLatin1String("<p comment=\"st_fs\"   "));
    return QLatin1String("<p comment=\"st_fs\"   >") + marked + QLatin1String("</p>\r\n");
}

QString photo(const QString &file)
{
    return QLatin1String("<img src=\"file:///img/doc2/") + file
        + QLatin1String("\" style=\"margin-left: 15px;\" align=\"right\" />");
}

QString head(const QString &title)
{
    CReportTools doc;
    doc.beginDocument(title);
    return doc.document();
}

QString breakBlock()
{
    return OPEN + para(QStringLiteral("<br />")) + CLOSE;
}

} // namespace

void TestCelebrities::reportWithoutDayOrExpressionMatches()
{
    CNumerology celebrities;
    celebrities.setTextStore(&m_texts);
    celebrities.setImageFolder(QStringLiteral("img/doc2/"));
    QVERIFY(celebrities.CalcCelebrities(QStringLiteral("O"), QDate(1990, 5, 5), false, 0));
    const QString expected = head(QStringLiteral("Sorvel Numerology Celebrities Report"))
        + OPEN + heading(QStringLiteral("Celebrities Report for")) + heading(QStringLiteral("O, May 5 1990"))
        + para(QStringLiteral("Date Number 5+5+1/19=11<br />Name Number 6"))
        + heading(QStringLiteral("Celebrities with same Life Path")) + CLOSE
        + OPEN + heading(QStringLiteral("Cy Cole, 1/2/1950"), photo(QStringLiteral("002.jpg")))
        + para(QStringLiteral("<br /><p>LP remark 2</p>")) + CLOSE
        + breakBlock() + breakBlock() + breakBlock() + QLatin1String("</body></html>\r\n");
    QCOMPARE(celebrities.document(), expected);
}

void TestCelebrities::reportWithEveryList()
{
    CNumerology celebrities;
    celebrities.setTextStore(&m_texts);
    celebrities.setImageFolder(QStringLiteral("img/doc2/"));
    QVERIFY(celebrities.CalcCelebrities(QStringLiteral("John Smith"), QDate(1990, 5, 17), false, 0));
    const auto entry = [](const QString &line, const QString &file, const QString &remark) {
        return heading(line, photo(file)) + para(QLatin1String("<br /><p>") + remark + QLatin1String("</p>"));
    };
    const QString expected = head(QStringLiteral("Sorvel Numerology Celebrities Report"))
        + OPEN + heading(QStringLiteral("Celebrities Report for"))
        + heading(QStringLiteral("JOHN SMITH, May 17 1990"))
        + para(QStringLiteral("Date Number 8+5+1/19=14=5<br />Name Number 8"))
        + heading(QStringLiteral("Celebrities with same Life Path")) + CLOSE
        // Life Path 5: Ann Able and Di Dunn, whose missing date prints 0/0/0.
        + OPEN + entry(QStringLiteral("Ann Able, 3/17/1879"), QStringLiteral("000.jpg"), QStringLiteral("LP remark 0"))
        + CLOSE
        + OPEN + entry(QStringLiteral("Di Dunn, 0/0/0"), QStringLiteral("003.jpg"), QStringLiteral("LP remark 3"))
        + CLOSE + breakBlock()
        // Day 17: the heading inside the first match's block only.
        + OPEN + heading(QStringLiteral("Celebrities with same Birth day"))
        + entry(QStringLiteral("Ann Able, 3/17/1879"), QStringLiteral("000.jpg"), QStringLiteral("Day remark 0"))
        + CLOSE
        + OPEN + entry(QStringLiteral("Ed Erl, 12/17/1960"), QStringLiteral("100.jpg"), QStringLiteral("Day remark 100"))
        + CLOSE + breakBlock()
        // Expression 8.
        + OPEN + heading(QStringLiteral("Celebrities with same Expression number"))
        + entry(QStringLiteral("Ann Able, 3/17/1879"), QStringLiteral("000.jpg"), QStringLiteral("Ex remark 0"))
        + CLOSE
        + OPEN + entry(QStringLiteral("Ed Erl, 12/17/1960"), QStringLiteral("100.jpg"), QStringLiteral("Ex remark 100"))
        + CLOSE + breakBlock() + QLatin1String("</body></html>\r\n");
    QCOMPARE(celebrities.document(), expected);
}

// Without celebrity data: the header block, the Life Path heading, no match.
void TestCelebrities::emptyCelebrityList()
{
    QTemporaryDir dir;
    TextStore empty;
    QVERIFY(loadReadingTexts(dir, {textHeader(501, 1), QStringLiteral("no celebrities here")}, empty));
    CNumerology celebrities;
    celebrities.setTextStore(&empty);
    QVERIFY(celebrities.CalcCelebrities(QStringLiteral("John Smith"), QDate(1990, 5, 17), false, 0));
    QVERIFY(celebrities.celebrityMatches().lifePath.isEmpty());
    QVERIFY(celebrities.celebrityMatches().birthDay.isEmpty());
    QVERIFY(celebrities.celebrityMatches().expression.isEmpty());
    QVERIFY(celebrities.document().contains(QLatin1String("Celebrities with same Life Path")));
    QVERIFY(!celebrities.document().contains(QLatin1String("<img")));
}

// A full list of 200: only the last record (611, number 99) shares the
// person's numbers and day, and it is found in every list.
void TestCelebrities::matchAtTheLastIndexOfAFullList()
{
    QStringList lines;
    for (int i = 0; i < 200; ++i) {
        const bool last = i == 199;
        lines << textHeader(i < 100 ? 601 : 611, i % 100) << (last ? "5" : "9") << (last ? "8" : "1")
              << (last ? "8" : "9") << QStringLiteral("Person %1").arg(i) << QStringLiteral("note")
              << (last ? "17.6.1960" : "3.3.1950");
    }
    QTemporaryDir full;
    TextStore fullList;
    QVERIFY(loadReadingTexts(full, lines, fullList));
    QCOMPARE(fullList.celebrity(199).name, QStringLiteral("Person 199"));

    CNumerology celebrities;
    celebrities.setTextStore(&fullList);
    celebrities.setImageFolder(QStringLiteral("img/doc2/"));
    // JOHN SMITH: Life Path 5, Expression 8, born on the 17th.
    QVERIFY(celebrities.CalcCelebrities(QStringLiteral("John Smith"), QDate(1990, 5, 17), false, 0));
    QCOMPARE(celebrities.celebrityMatches().lifePath, QList<int>{199});
    QCOMPARE(celebrities.celebrityMatches().birthDay, QList<int>{199});
    QCOMPARE(celebrities.celebrityMatches().expression, QList<int>{199});
    QCOMPARE(celebrities.document().count(photo(QStringLiteral("199.jpg"))), 3);
}

QTEST_GUILESS_MAIN(TestCelebrities)
#include "test_celebrities.moc"
