// The psychomatrix: digit splitting, the working numbers, the 18 values with
// negative working digits, the summary and the reset.

#include "engine/cnumerologypmatrix.h"
#include "readingtexts.h"

#include <QtTest>

#include <array>

// Compared as vectors, so a failure prints both sides.
template <size_t N>
static QVector<int> toVector(const std::array<int, N> &values)
{
    return QVector<int>(values.begin(), values.end());
}

class TestPsychomatrix : public QObject
{
    Q_OBJECT

private slots:
    void splitDigits_data();
    void splitDigits();
    void values_data();
    void values();
    void summaryText();
    void resetClearsEverything();
    void report_data();
    void report();
};

void TestPsychomatrix::splitDigits_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("digits");
    QTest::newRow("1990") << 1990 << QList<int>{1, 9, 9, 0};
    QTest::newRow("5") << 5 << QList<int>{5};
    QTest::newRow("10") << 10 << QList<int>{1, 0};
    QTest::newRow("0") << 0 << QList<int>{0};
    QTest::newRow("2000: inner zeros kept") << 2000 << QList<int>{2, 0, 0, 0};
    QTest::newRow("105") << 105 << QList<int>{1, 0, 5};
    QTest::newRow("12345: last four digits") << 12345 << QList<int>{2, 3, 4, 5};
    // Truncating remainders: only the last digit of a negative number shows.
    QTest::newRow("-6") << -6 << QList<int>{-6};
    QTest::newRow("-16") << -16 << QList<int>{-6};
}

void TestPsychomatrix::splitDigits()
{
    QFETCH(int, n);
    QFETCH(QList<int>, digits);
    QList<int> list{7}; // appends to what is there
    CNumerologyPMatrix::SplitDigits(list, n);
    QCOMPARE(list, QList<int>{7} + digits);
}

// Expected values counted by hand: date digits, W1..W4 and their digits.
void TestPsychomatrix::values_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QVector<int>>("working");
    QTest::addColumn<QVector<int>>("expected");
    //              counts of 0..9                    1-2-3 4-5-6 7-8-9 1-4-7 2-5-8 3-6-9 1-5-9 3-5-7
    // 1,7,5,1,9,9,0; W 32, 5, 30, 3 -> working digits 3,2,5,3,0,3.
    QTest::newRow("17 May 1990") << QDate(1990, 5, 17) << QVector<int>{32, 5, 30, 3}
                                 << QVector<int>{2, 2, 1, 3, 0, 2, 0, 1, 0, 2, 6, 2, 3, 3, 3, 5, 6, 6};
    // 1,1,2,0,0,0; W 4, 4, 2, 2.
    QTest::newRow("1 Jan 2000") << QDate(2000, 1, 1) << QVector<int>{4, 4, 2, 2}
                                << QVector<int>{3, 2, 3, 0, 2, 0, 0, 0, 0, 0, 5, 2, 0, 4, 3, 0, 2, 0};
    // 2,9,1,1,1,9,8,5; W 36, 9, 32 (36 - 2 x 2), 5.
    QTest::newRow("29 Nov 1985: two-digit day") << QDate(1985, 11, 29) << QVector<int>{36, 9, 32, 5}
                                                << QVector<int>{0, 3, 2, 2, 0, 2, 1, 0, 1, 3,
                                                                      7, 3, 4, 3, 5, 6, 8, 4};
    // 3,1,1,2,2,0,0,0; W 9, 9, 3 (9 - 2 x 3), 3 -> working digits 9,9,3,3.
    QTest::newRow("31 Dec 2000: day from 30") << QDate(2000, 12, 31) << QVector<int>{9, 9, 3, 3}
                                              << QVector<int>{3, 2, 2, 3, 0, 0, 0, 0, 0, 2,
                                                                    7, 0, 2, 2, 2, 5, 4, 3};
    // 9,1,2,0,0,0; W 12, 3, -6, -6: the negative digits of W3 and W4 name no
    // cell and are left out; 1, 2 and 3 from W1 and W2 count.
    QTest::newRow("9 Jan 2000: negative W3") << QDate(2000, 1, 9) << QVector<int>{12, 3, -6, -6}
                                             << QVector<int>{3, 2, 2, 1, 0, 0, 0, 0, 0, 1,
                                                                   5, 0, 1, 2, 2, 2, 3, 1};
    // 8,2,2,0,0,0,0 (8 Feb 2000): W 12, 3, -4, -4.
    QTest::newRow("8 Feb 2000: negative W3") << QDate(2000, 2, 8) << QVector<int>{12, 3, -4, -4}
                                             << QVector<int>{3, 1, 3, 1, 0, 0, 0, 0, 1, 0,
                                                                   5, 0, 1, 1, 4, 1, 1, 1};
}

void TestPsychomatrix::values()
{
    QFETCH(QDate, birth);
    QFETCH(QVector<int>, working);
    QFETCH(QVector<int>, expected);
    CNumerologyPMatrix matrix;
    QVERIFY(matrix.CalcPsychomatrix(QStringLiteral("John Smith"), birth));
    QCOMPARE(toVector(matrix.workingNumbers()), working);
    QCOMPARE(toVector(matrix.values()), expected);
}

void TestPsychomatrix::summaryText()
{
    CNumerologyPMatrix matrix;
    matrix.CalcPsychomatrix(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    const QString expected = QStringLiteral(
        "Character (1) - 2<br />\r\n"
        "Energy (2) - 1<br />\r\n"
        "Interest (3) - 3<br />\r\n"
        "Health (4) - 0<br />\r\n"
        "Intuition (5) - 2<br />\r\n"
        "Labour (6) - 0<br />\r\n"
        "Luck (7) - 1<br />\r\n"
        "Duty (8) - 0<br />\r\n"
        "Memory (9) - 2<br />\r\n"
        "Purposeful (1-4-7) - 3<br />\r\n"
        "Family formation (2-5-8) - 3<br />\r\n"
        "Stability (3-6-9) - 5<br />\r\n"
        "Self appraisal (1-2-3) - 6<br />\r\n"
        "Finance (4-5-6) - 2<br />\r\n"
        "Talent (7-8-9) - 3<br />\r\n"
        "Spirituality (1-5-9) - 6<br />\r\n"
        "Sexual life (3-5-7) - 6<br />\r\n"
        "<br />\r\n");
    QCOMPARE(matrix.summaryText(), expected);
}

void TestPsychomatrix::resetClearsEverything()
{
    CNumerologyPMatrix matrix;
    matrix.CalcPsychomatrix(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    QVERIFY(!matrix.document().isEmpty());
    matrix.ResetMatrix();
    QCOMPARE(toVector(matrix.values()), QVector<int>(18, 0));
    QVERIFY(matrix.document().isEmpty());
    QVERIFY(matrix.summaryText().isEmpty());

    // A second calculation starts from zero, not from the first one's counts.
    matrix.CalcPsychomatrix(QStringLiteral("A"), QDate(2000, 1, 1));
    matrix.CalcPsychomatrix(QStringLiteral("A"), QDate(2000, 1, 1));
    QCOMPARE(matrix.value(2), 3);
}

void TestPsychomatrix::report_data()
{
    QTest::addColumn<QString>("luckIntroduction");
    QTest::newRow("Luck introduction in two parts") << "Luck one<br />Luck two";
    QTest::newRow("Luck introduction in one part") << "Luck alone";
}

// The whole document for 5 May 1990 (date digits 5,5,1,9,9,0; W 29, 11, 19,
// 10): counts 0:2 1:5 2:1 5:2 9:4; lines 1-2-3 6, 4-5-6 2, 7-8-9 4, 1-4-7 5,
// 2-5-8 3, 3-6-9 4, 1-5-9 11, 3-5-7 2. Every topic has entries 0..7 except
// Health (207), which has none.
void TestPsychomatrix::report()
{
    QFETCH(QString, luckIntroduction);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QStringList source;
    for (int topic = 201; topic <= 217; ++topic)
        if (topic != 207)
            source += markerEntries(topic, {0, 1, 2, 3, 4, 5, 6, 7});
    source << textHeader(210, 0) << luckIntroduction; // a second paragraph after the marker
    TextStore texts;
    QVERIFY(loadReadingTexts(dir, source, texts));

    CNumerologyPMatrix matrix;
    matrix.setTextStore(&texts);
    matrix.setImageFolder(QStringLiteral("img/doc/"));
    QVERIFY(matrix.CalcPsychomatrix(QStringLiteral("John Smith"), QDate(1990, 5, 5)));

    const QString &open = EXPECTED_BLOCK_OPEN;
    const QString &close = EXPECTED_BLOCK_CLOSE;
    const auto heading = expectedHeading;
    const auto para = expectedParagraph;
    const auto entry = [](int topic, int number) { return topic == 207 ? QString() : markerText(topic, number); };

    CReportTools head;
    head.beginDocument(QStringLiteral("Sorvel Numerology Report"));
    QString expected = head.document() + open + heading(QStringLiteral("Numerology Psychomatrix Chart for"), QString())
        + heading(QStringLiteral("John Smith, May 5 1990"), QString()) + para(matrix.summaryText()) + close;

    struct Chapter
    {
        const char *heading;
        int topic;
        const char *picture;
        char form;
        int number; // min(value + 1, 7)
    };
    const Chapter chapters[17] = {
        {"Character (1) - 5", 204, "res16.jpg", 'A', 6},
        {"Energy (2) - 1", 205, "res17.jpg", 'A', 2},
        {"Interest (3) - 0", 206, "res18.jpg", 'A', 1},
        {"Health (4) - 0", 207, "res19.jpg", 'A', 1},
        {"Intuition (5) - 2", 208, "res20.jpg", 'A', 3},
        {"Labour (6) - 0", 209, "res21.jpg", 'A', 1},
        {"Luck (7) - 0", 210, "res22.jpg", 'B', 1},
        {"Duty (8) - 0", 211, "res23.jpg", 'A', 1},
        {"Memory (9) - 4", 212, "res24.jpg", 'C', 5},
        {"Purposeful (1-4-7) - 5", 201, "res25.jpg", 'C', 6},
        {"Family formation (2-5-8) - 3", 202, "res26.jpg", 'C', 4},
        {"Stability (3-6-9) - 4", 203, "res27.jpg", 'C', 5},
        {"Self appraisal (1-2-3) - 6", 213, "res28.jpg", 'C', 7},
        {"Finance (4-5-6) - 2", 214, "res29.jpg", 'C', 3},
        {"Talent (7-8-9) - 4", 215, "res30.jpg", 'C', 5},
        {"Spirituality (1-5-9) - 11", 216, "res31.jpg", 'C', 7},
        {"Sexual life (3-5-7) - 2", 217, "res32.jpg", 'C', 3},
    };
    for (const Chapter &c : chapters) {
        QString introduction = entry(c.topic, 0);
        if (c.topic == 210)
            introduction += paragraph(luckIntroduction);
        const QString meaning = entry(c.topic, c.number);
        expected += open + heading(QLatin1String(c.heading), QLatin1String(c.picture));
        if (c.form == 'C') {
            expected += para(introduction + QLatin1String("<br /><br />") + meaning) + close;
            continue;
        }
        const QStringList parts = c.form == 'B' ? introduction.split(QLatin1String("<br />"))
                                                : QStringList{introduction};
        expected += para(parts.first()) + close;
        for (int i = 1; i < parts.size(); ++i)
            expected += open + para(parts.at(i)) + close;
        expected += open + para(meaning) + close;
    }
    expected += QLatin1String("</body></html>\r\n");
    QCOMPARE(matrix.document(), expected);

    // Split at its break, the second part of the Luck introduction opens a
    // block of its own (its paragraph closes twice: the stored "</p>" and ours).
    const bool twoParts = luckIntroduction.contains(QLatin1String("<br />"));
    QCOMPARE(matrix.document().contains(open + QLatin1String("<p comment=\"st_fs\"   >Luck two</p></p>\r\n")),
             twoParts);
}

QTEST_GUILESS_MAIN(TestPsychomatrix)
#include "test_psychomatrix.moc"
