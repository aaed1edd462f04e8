// The numerology report: golden documents for a few fixed persons, and the
// conditions of its sections checked one by one.
//
// The interpretation texts come from a marker file: every entry the report
// may read holds "[T<topic>.<number>]", so each paragraph shows which entry
// it was taken from.
//
// Golden files live in tests/data/. After a deliberate change of the report,
// refresh them with
//     SORVEL_REFRESH_GOLDEN=1 ctest -R test_numerologyreport
// and review the difference before committing it.

#include "engine/cnumerology.h"
#include "reports/numerologyreport.h"
#include "texts/textstore.h"
#include "texts/textfixture.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString IMAGE_FOLDER = QStringLiteral("images/doc/");
const QString BLOCK_OPEN = QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n");
const QString BLOCK_CLOSE = QStringLiteral("</td></tr></table>\r\n");
const QString P_OPEN = QStringLiteral("<p comment=\"st_fs\"   >");
const QString ROW_OPEN = QStringLiteral("<tr style=\"font-size: 12px; line-height: 1.2;\" >");

// A marker entry as it reads inside an added paragraph.
QString entry(int topic, int number)
{
    return QLatin1String("<p comment=\"st_fs\"   >") + marker(topic, number) + QLatin1String("</p>");
}

QString paragraph(const QString &inner)
{
    return P_OPEN + inner + QLatin1String("</p>\r\n");
}

QString heading(const QString &text)
{
    return QLatin1String("<h2><font style=\" color:#000000;\">") + text + QLatin1String("</font></h2>\r\n");
}

QString pictureHeading(const QString &picture, const QString &text)
{
    return QLatin1String("<h2><img src=\"file:///") + IMAGE_FOLDER + picture
        + QLatin1String("\" style=\"margin-left: 15px;\" align=\"right\" /><font style=\" color:#000000;\">")
        + text + QLatin1String("</font></h2>\r\n");
}

QString cell(const QString &content)
{
    return QLatin1String("<td comment=\"st_ttd\">") + content + QLatin1String("</td>");
}

QString boldCell(const QString &content)
{
    return QLatin1String("<td comment=\"st_ttd\"><b>") + content + QLatin1String("</b></td>");
}

// The part of a document between two markers (exclusive), empty if absent.
QString between(const QString &doc, const QString &from, const QString &to)
{
    const int start = doc.indexOf(from);
    const int end = doc.indexOf(to, start + 1);
    return start < 0 || end < 0 ? QString() : doc.mid(start, end - start);
}

struct Person
{
    QString full;
    QString shortName;
    QDate birth;
    QDate forecast;
    bool chaldean = false;
};

} // namespace

Q_DECLARE_METATYPE(Person)

class TestNumerologyReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void goldenReports_data();
    void goldenReports();
    void titles_data();
    void titles();
    void summary();
    void sectionOrderAndPictures();
    void compoundNumber_data();
    void compoundNumber();
    void minorPersonality();
    void karmicDebts();
    void challengeAndBridgeZeroReadEntryOne();
    void bridgePairTextsOnlyWhenPresent();
    void listsOfLessons();
    void planesSectionsOnlyAbovezero();
    void masterEmphasisStopsBeforeCalendar();
    void transitsAndEssenceNeedAgeZeroTo99_data();
    void transitsAndEssenceNeedAgeZeroTo99();
    void personalMonthsFromJanuary31();
    void nameTableMasterLetters_data();
    void nameTableMasterLetters();
    void reportWithoutTexts();
    void reportRebuiltByEachCalculation();
    void doubledMasterLifePathReadsItsDigit();

private:
    // The document of person from the marker texts, on engine with the
    // options it was given, or on an engine of its own with options.
    QString build(const Person &person, CNumerology &engine);
    QString build(const Person &person, const CalcOptions &options = CalcOptions());

    QTemporaryDir m_dir;
    TextStore m_texts;
};

void TestNumerologyReport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("markers.dat"));
    QVERIFY(writeDataFile(path, reportSource()));
    QVERIFY(m_texts.loadFile(path));
}

QString TestNumerologyReport::build(const Person &person, CNumerology &engine)
{
    PersonRecord record;
    record.fullName = person.full;
    record.shortName = person.shortName.isEmpty() ? person.full : person.shortName;
    record.birthDate = person.birth;
    record.forecastDate = person.forecast;
    record.chaldean = person.chaldean;
    engine.setImageFolder(IMAGE_FOLDER);
    engine.setTextStore(&m_texts);
    if (!engine.CalcNumerology(record))
        return QString();
    return engine.document();
}

QString TestNumerologyReport::build(const Person &person, const CalcOptions &options)
{
    CNumerology engine;
    engine.setCalcOptions(&options);
    return build(person, engine);
}

void TestNumerologyReport::goldenReports_data()
{
    QTest::addColumn<Person>("person");
    QTest::addColumn<bool>("keepMasterLetters");

    // Karmic debts 14 and 19, Minor Personality 11 beside Personality 1/19.
    QTest::newRow("western_john_adam_smith")
        << Person{"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}, false} << false;
    // Chaldean with Compound Number 17; months listed from 31 January.
    QTest::newRow("chaldean_maria_elena_rossi")
        << Person{"Maria Elena Rossi", "Maria Rossi", {1985, 11, 29}, {2025, 1, 31}, true} << false;
    // Born 11 November; K keeps 11; forecast days run through the 11th.
    QTest::newRow("western_mark_master_letters")
        << Person{"Mark", "Mark", {1975, 11, 11}, {2024, 11, 5}, false} << true;
    // Forecast before the birth: no transits and essence sections.
    QTest::newRow("western_anna_wade_before_birth")
        << Person{"Anna Wade", "Anna", {1962, 7, 16}, {1960, 3, 1}, false} << false;
}

void TestNumerologyReport::goldenReports()
{
    QFETCH(Person, person);
    QFETCH(bool, keepMasterLetters);
    CalcOptions options;
    options.reduceMasterLetters = !keepMasterLetters;
    const QByteArray actual = build(person, options).toUtf8();
    QVERIFY(!actual.isEmpty());

    const QString golden = QStringLiteral(SORVEL_GOLDEN_DIR "/numerology_%1.html")
                               .arg(QString::fromLatin1(QTest::currentDataTag()));
    if (qEnvironmentVariableIsSet("SORVEL_REFRESH_GOLDEN")) {
        QFile out(golden);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(actual);
        qInfo("refreshed %s", qPrintable(golden));
        return;
    }
    QFile in(golden);
    QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(golden + " is missing; see SORVEL_REFRESH_GOLDEN"));
    const QByteArray expected = in.readAll();
    if (actual != expected) {
        int at = 0;
        while (at < actual.size() && at < expected.size() && actual.at(at) == expected.at(at))
            ++at;
        const QString saved = m_dir.filePath(QFileInfo(golden).fileName());
        QFile out(saved);
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
        QFAIL(qPrintable(QStringLiteral("differs from %1 at byte %2 (actual saved as %3):\n  actual:   %4\n  expected: %5")
                             .arg(golden)
                             .arg(at)
                             .arg(saved)
                             .arg(QString::fromUtf8(actual.mid(at, 80)))
                             .arg(QString::fromUtf8(expected.mid(at, 80)))));
    }
}

void TestNumerologyReport::titles_data()
{
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("chartHeading");
    QTest::newRow("western") << false << "Sorvel Numerology Report" << "Numerology Chart for";
    QTest::newRow("chaldean") << true << "Sorvel Chaldean Numerology Report" << "Chaldean Numerology Chart for";
}

void TestNumerologyReport::titles()
{
    QFETCH(bool, chaldean);
    QFETCH(QString, title);
    QFETCH(QString, chartHeading);
    const QString doc = build({"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}, chaldean});
    QVERIFY(doc.contains(QLatin1String("<title>") + title + QLatin1String("</title></head>")));
    // Title block: both headings open the body, the second with the birth date.
    CNumerology engine;
    build({"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}, chaldean}, engine);
    QVERIFY(engine.document().midRef(engine.bodyStart()).startsWith(
        BLOCK_OPEN + heading(chartHeading) + heading(QStringLiteral("JOHN ADAM SMITH (JOHN SMITH), May 17 1990"))
        + P_OPEN + QLatin1String("Life path number ")));
    QVERIFY(doc.endsWith(QLatin1String("</body></html>\r\n")));
}

// Worked from the engine's chart of JOHN ADAM SMITH, 17 May 1990.
void TestNumerologyReport::summary()
{
    CNumerology engine;
    build({"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}}, engine);
    const QString expected = QStringLiteral(
        "Life path number 8+5+1/19=14=5<br />\r\n"
        "Birthday 17 (8)<br />\r\n"
        "Karmic Debts 14, 19<br />\r\n"
        "Expression number 9<br />\r\n"
        "Minor Expression number 8<br />\r\n"
        "Heart Desire number 8/17<br />\r\n"
        "Minor Heart Desire number 6/15<br />\r\n"
        "Personality number 1/19<br />\r\n"
        "Minor personality number 11<br />\r\n"
        "Maturity number 5/14<br />\r\n"
        "Rational Thought number 1/28<br />\r\n"
        "Karmic Lessons numbers 3, 7<br />\r\n"
        "Balance number 3<br />\r\n"
        "Hidden Passion number 1<br />\r\n"
        "Subconscious Confidence number 7<br />\r\n"
        "Age span periods for challenges and pinnacles 0-31-40-49-E<br />\r\n"
        "Challenge numbers: 3, 7, 4, 4<br />\r\n"
        "Pinnacle numbers: 4, 9, 4, 6<br />\r\n"
        "Life Path periods 5, 8, 1<br />\r\n"
        "Time span of Life Path periods 0-31,32-58,59-E<br />\r\n"
        "Life Path - Expression Bridge number 4<br />\r\n"
        "Heart's Desire - Personality Bridge number 7<br />\r\n");
    QCOMPARE(BuildNumberSummary(engine), expected);
    QCOMPARE(engine.summaryText(), expected);
    // In the document the summary is emphasised like the rest of the chart.
    QVERIFY(engine.document().contains(QLatin1String("Minor personality number <b>11</b><br />\r\n")));
}

void TestNumerologyReport::sectionOrderAndPictures()
{
    // Chaldean, so the Compound Number appears; every optional section is due.
    const QString doc = build({"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}, true});
    const struct {
        const char *heading;
        const char *picture;
    } SECTIONS[] = {
        {"Life Path Number ", "res01.jpg"},
        {"Birthday Number ", "res02.jpg"},
        {"Expression Number ", "res03.jpg"},
        {"Minor Expression Number ", nullptr},
        {"Heart Desire Number ", "res04.jpg"},
        {"Minor Heart Desire Number ", nullptr},
        {"Compound Number ", nullptr},
        {"Personality Number ", "res05.jpg"},
        {"Minor Personality Number ", nullptr},
        {"Karmic Debts Numbers", "res06.jpg"},
        {"Karmic Debt Number: 14", nullptr},  // from the birth date's Life Path chain
        {"Maturity Number ", "res07.jpg"},
        {"Rational Thought Number ", "res08.jpg"},
        {"Karmic Lessons Number ", "res09.jpg"},
        {"Balance Number ", "res10.jpg"},
        {"Hidden Passion Number ", "res11.jpg"},
        {"Subconscious Confidence Number ", "res12.jpg"},
        {"Planes of Expression", "res03.jpg"},
        {"Planes of Expression Mental Number ", nullptr},
        {"Pinnacles Numbers ", "res13.jpg"},
        {"Age span for life cycles ", nullptr},
        {"Challenges Numbers ", "res14.jpg"},
        {"Bridge Life Path - Expression ", nullptr},
        {"Bridge Heart's Desire - Personality ", nullptr},
        {"Personal Year Number: ", "res15.jpg"},
        {"Personal Month Number: ", "res15.jpg"},
        {"Personal Day Number: ", nullptr},
        {"Transits for age ", nullptr},
        {"Essence for age ", nullptr},
    };
    int last = doc.indexOf(QLatin1String("res39.jpg"));
    QVERIFY(last > 0);
    for (const auto &section : SECTIONS) {
        const QString font = QLatin1String("<font style=\" color:#000000;\">") + QLatin1String(section.heading);
        const int at = doc.indexOf(font, last);
        QVERIFY2(at > last, section.heading);
        const int h2 = doc.lastIndexOf(QLatin1String("<h2>"), at);
        const QString before = doc.mid(h2, at - h2);
        if (section.picture)
            QCOMPARE(before, QLatin1String("<h2><img src=\"file:///") + IMAGE_FOLDER + QLatin1String(section.picture)
                                 + QLatin1String("\" style=\"margin-left: 15px;\" align=\"right\" />"));
        else
            QCOMPARE(before, QStringLiteral("<h2>"));
        last = at;
    }
    // The chart note: picture, the general note and two breaks.
    QVERIFY(doc.contains(BLOCK_OPEN + P_OPEN + QLatin1String("<img src=\"file:///images/doc/res39.jpg\" style=\"margin-left: 15px;\" align=\"right\" />")
                         + entry(900, 0) + QLatin1String("<br /><br /></p>\r\n") + BLOCK_CLOSE));
    // The usual section: heading block with the introduction, then the
    // number's text split into one-row tables.
    QVERIFY(doc.contains(BLOCK_OPEN + pictureHeading(QStringLiteral("res01.jpg"),
                                                     QStringLiteral("Life Path Number 8+5+1/19=14=5"))
                         + paragraph(entry(101, 0)) + BLOCK_CLOSE + BLOCK_OPEN + P_OPEN + marker(101, 5)
                         + QLatin1String("</td></tr></table>\r\n<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\n")
                         + QLatin1String("</td></tr></table>\r\n<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\n")
                         + QLatin1String("</td></tr></table>\r\n</p>\r\n")));
}

void TestNumerologyReport::compoundNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<bool>("reduceEachWord");
    QTest::addColumn<int>("compound");
    QTest::addColumn<bool>("section");
    QTest::addColumn<bool>("summaryLine");

    QTest::newRow("western never") << "Ed Abe" << false << true << 17 << false << false;
    QTest::newRow("chaldean 17") << "Ed Abe" << true << true << 17 << true << true;
    QTest::newRow("chaldean below 10") << "Ada" << true << true << 6 << false << false;
    // Only the section stops at 99; the summary line has no upper bound.
    QTest::newRow("chaldean above 99") << "Bartholomew Maximilian Montgomery Worthington" << true << false << 163
                                       << false << true;
}

void TestNumerologyReport::compoundNumber()
{
    QFETCH(QString, name);
    QFETCH(bool, chaldean);
    QFETCH(bool, reduceEachWord);
    QFETCH(int, compound);
    QFETCH(bool, section);
    QFETCH(bool, summaryLine);
    CalcOptions options;
    options.reduceEachWord = reduceEachWord;
    CNumerology engine;
    engine.setCalcOptions(&options);
    const QString doc = build({name, QString(), {1985, 11, 29}, {2024, 6, 21}, chaldean}, engine);
    QCOMPARE(engine.result().compoundNumber, compound);
    const QString number = QString::number(compound);

    QCOMPARE(doc.contains(QLatin1String("Compound Number ")), section);
    if (section) {
        // One block: heading, introduction and text in one paragraph; topic
        // 122 starts each entry with its blank.
        QVERIFY(doc.contains(BLOCK_OPEN + heading(QLatin1String("Compound Number ") + number)
                             + paragraph(QLatin1Char(' ') + entry(122, 0) + QLatin1String("<br /> ")
                                         + entry(122, compound) + QLatin1String("<br />"))
                             + BLOCK_CLOSE));
    }
    QCOMPARE(engine.summaryText().contains(QLatin1String("Compound number ") + number + QLatin1String("<br />\r\n")),
             summaryLine);
    QCOMPARE(engine.summaryText().contains(QLatin1String("Compound number")), summaryLine);
}

void TestNumerologyReport::minorPersonality()
{
    // Personality 1/19, Minor Personality 11: a section with no introduction.
    const QString differs = build({"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}});
    QVERIFY(differs.contains(BLOCK_OPEN + heading(QStringLiteral("Minor Personality Number 11"))
                             + paragraph(entry(109, 11) + QLatin1String("<br />")) + BLOCK_CLOSE));

    // Both 1/10: no section, while the summary still lists both.
    CNumerology engine;
    const QString same = build({"Anna Wade", "Anna Wade", {1962, 7, 16}, {2024, 6, 21}}, engine);
    QVERIFY(!same.contains(QLatin1String("Minor Personality Number")));
    QVERIFY(engine.summaryText().contains(QLatin1String("Personality number 1/10<br />\r\n")));
    QVERIFY(engine.summaryText().contains(QLatin1String("Minor personality number 1/10<br />\r\n")));
}

void TestNumerologyReport::karmicDebts()
{
    // No karmic debt at all: neither the summary line nor the section.
    CNumerology none;
    const QString noDebt = build({"Anna Wade", QString(), {1985, 11, 29}, {2024, 6, 21}}, none);
    QCOMPARE(none.result().karmicDebtsText, QStringLiteral("-"));
    QVERIFY(!noDebt.contains(QLatin1String("Karmic Debt")));

    // Only 16: the section with its single sub-block.
    CNumerology one;
    const QString debt16 = build({"Anna Wade", QString(), {1962, 7, 16}, {2024, 6, 21}}, one);
    QVERIFY(one.summaryText().contains(QLatin1String("<br />\r\nKarmic Debts 16<br />\r\n")));
    QVERIFY(debt16.contains(BLOCK_OPEN + pictureHeading(QStringLiteral("res06.jpg"), QStringLiteral("Karmic Debts Numbers"))
                            + paragraph(entry(103, 0)) + BLOCK_CLOSE + BLOCK_OPEN
                            + heading(QStringLiteral("Karmic Debt Number: 16"))
                            + paragraph(entry(103, 16) + QLatin1String("<br />")) + BLOCK_CLOSE));
    QCOMPARE(debt16.count(QLatin1String("Karmic Debt Number: ")), 1);
}

void TestNumerologyReport::challengeAndBridgeZeroReadEntryOne()
{
    // 29 November 1985: challenges 0, 3, 3, 3; ANNA WADE's Life Path -
    // Expression bridge is 0 (pair code 11).
    CNumerology engine;
    const QString doc = build({"Anna Wade", QString(), {1985, 11, 29}, {2024, 6, 21}}, engine);
    QCOMPARE(engine.result().challenges[0], 0);
    QCOMPARE(engine.reportValues().lifePathExpressionBridge, 0);
    const QString span1 = engine.reportValues().lifeCycleSpans[0];
    QVERIFY(doc.contains(paragraph(QLatin1String("<b>Life cycle 1 (") + span1 + QLatin1String(")</b> ")
                                   + entry(115, 1))));
    QVERIFY(doc.contains(paragraph(QLatin1String("<b>Life cycle 4 (") + engine.reportValues().lifeCycleSpans[3]
                                   + QLatin1String(")</b> ") + entry(115, 4) + QLatin1String("<br />"))));
    const int pair = engine.reportValues().lifePathExpressionPair;
    QVERIFY(doc.contains(BLOCK_OPEN + heading(QStringLiteral("Bridge Life Path - Expression 0"))
                         + paragraph(entry(128, 0)) + BLOCK_CLOSE + BLOCK_OPEN + paragraph(entry(128, 1))
                         + paragraph(QLatin1String("<br />") + entry(129, pair)) + paragraph(QStringLiteral("<br />"))
                         + BLOCK_CLOSE));
}

void TestNumerologyReport::bridgePairTextsOnlyWhenPresent()
{
    TextStore store;
    const QString path = m_dir.filePath(QStringLiteral("nopairs.dat"));
    QVERIFY(writeDataFile(path, reportSource(1, 0, {129, 131})));
    QVERIFY(store.loadFile(path));

    CNumerology engine;
    build({"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}}, engine);
    const NumerologyReportValues &v = engine.reportValues();
    BuildNumerologyReport(engine, store, engine);
    const QString doc = engine.document();
    QVERIFY(doc.contains(BLOCK_OPEN + paragraph(entry(128, v.lifePathExpressionBridge + 1))
                         + paragraph(QStringLiteral("<br />")) + BLOCK_CLOSE));
    QVERIFY(doc.contains(BLOCK_OPEN + paragraph(entry(130, v.heartsDesirePersonalityBridge + 1)) + BLOCK_CLOSE));

    // With pair texts, the Heart's Desire - Personality pair carries its break inside.
    const QString full = build({"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}});
    QVERIFY(full.contains(BLOCK_OPEN + paragraph(entry(130, v.heartsDesirePersonalityBridge + 1))
                          + paragraph(QLatin1String("<br />") + entry(131, v.heartsDesirePersonalityPair)
                                      + QLatin1String("<br />"))
                          + BLOCK_CLOSE));
}

void TestNumerologyReport::listsOfLessons()
{
    // ANNA WADE lacks 2, 3, 6, 7, 8 and 9: one block per lesson, a break
    // paragraph after the last only.
    const QString doc = build({"Anna Wade", QString(), {1985, 11, 29}, {2024, 6, 21}});
    QString expected = BLOCK_OPEN + pictureHeading(QStringLiteral("res09.jpg"), QStringLiteral("Karmic Lessons Number 2, 3, 6, 7, 8, 9"))
        + paragraph(entry(112, 0)) + BLOCK_CLOSE;
    for (const int lesson : {2, 3, 6, 7, 8})
        expected += BLOCK_OPEN + paragraph(entry(112, lesson)) + BLOCK_CLOSE;
    expected += BLOCK_OPEN + paragraph(entry(112, 9)) + paragraph(QStringLiteral("<br />")) + BLOCK_CLOSE;
    QVERIFY(doc.contains(expected));
    // Hidden passions follow the same form.
    QVERIFY(doc.contains(QLatin1String("Hidden Passion Number ")));
}

void TestNumerologyReport::planesSectionsOnlyAbovezero()
{
    // ANNA WADE has no emotional or intuitive letters: planes 4, 5, 0, 0.
    CNumerology engine;
    const QString doc = build({"Anna Wade", QString(), {1985, 11, 29}, {2024, 6, 21}}, engine);
    const NumerologyResult &r = engine.result();
    QVERIFY(doc.contains(BLOCK_OPEN + pictureHeading(QStringLiteral("res03.jpg"), QStringLiteral("Planes of Expression"))
                         + paragraph(entry(123, 0) + QLatin1String("<br />")) + BLOCK_CLOSE + BLOCK_OPEN
                         + heading(QLatin1String("Planes of Expression Mental Number ") + r.planesValues[15])
                         + paragraph(entry(125, 4) + QLatin1String("<br />")) + BLOCK_CLOSE + BLOCK_OPEN
                         + heading(QLatin1String("Planes of Expression Physical Number ") + r.planesValues[16])
                         + paragraph(entry(124, 5) + QLatin1String("<br />")) + BLOCK_CLOSE + BLOCK_OPEN
                         + pictureHeading(QStringLiteral("res13.jpg"), QLatin1String("Pinnacles Numbers ") + r.pinnaclesText)));
}

void TestNumerologyReport::masterEmphasisStopsBeforeCalendar()
{
    CNumerology engine;
    const QString doc = build({"Mark", QString(), {1975, 11, 11}, {2024, 11, 5}}, engine);
    // The chart heading's day is emphasised.
    QVERIFY(doc.contains(heading(QStringLiteral("MARK (MARK), Nov <b>11</b> 1975"))));
    // The calendar's day 11 and the essence table's age 11 are not.
    const QString calendar = between(doc, QStringLiteral("Personal numbers calendar"),
                                     QStringLiteral("Essence and Transits Cycles"));
    QVERIFY(calendar.contains(QLatin1String("<td comment=\"st_ttd\" width=\"60\" align=\"center\">11 (")));
    QVERIFY(!calendar.contains(QLatin1String("<b>11</b>")));
    const QString essence = between(doc, QStringLiteral("Essence and Transits Cycles"), QStringLiteral("res39.jpg"));
    QVERIFY(essence.contains(QLatin1String("align=\"center\" >11</td>")));
    QVERIFY(!essence.contains(QLatin1String("<b>11</b>")));
    // The head keeps its colours (#111111), and the colspans are plain.
    QVERIFY(doc.contains(QLatin1String("color: #111111;")));
    QVERIFY(doc.contains(QLatin1String("<tr><td colspan=\"5\"><b>Full name</b></td></tr>\r\n")));
}

void TestNumerologyReport::transitsAndEssenceNeedAgeZeroTo99_data()
{
    QTest::addColumn<QDate>("forecast");
    QTest::addColumn<int>("age");
    QTest::newRow("before the birth") << QDate(1920, 1, 1) << -6;
    QTest::newRow("birthday 0") << QDate(1925, 6, 21) << 0;
    QTest::newRow("day before 99th birthday") << QDate(2024, 6, 20) << 98;
    QTest::newRow("99") << QDate(2024, 6, 21) << 99;
    QTest::newRow("100") << QDate(2025, 6, 21) << 100;
}

void TestNumerologyReport::transitsAndEssenceNeedAgeZeroTo99()
{
    QFETCH(QDate, forecast);
    QFETCH(int, age);
    CNumerology engine;
    const QString doc = build({"John Adam Smith", QString(), {1925, 6, 21}, forecast}, engine);
    QCOMPARE(CNumerology::AgeAt(engine.result().birthDate, forecast), age);
    const bool shown = age >= 0 && age <= 99;
    QCOMPARE(doc.contains(QLatin1String("Transits for age ")), shown);
    QCOMPARE(doc.contains(QLatin1String("Essence for age ")), shown);
    if (!shown) {
        // The document ends right after the Personal Day list.
        QVERIFY(doc.endsWith(paragraph(QStringLiteral("<br />")) + BLOCK_CLOSE + QLatin1String("</body></html>\r\n")));
        return;
    }
    const NumerologyResult &r = engine.result();
    const auto level = [&](const char *label, const QString &letters) {
        const QChar letter = letters.at(age);
        QString block = BLOCK_OPEN + paragraph(QLatin1String(label));
        if (letter >= QLatin1Char('A') && letter <= QLatin1Char('Z'))
            block += paragraph(entry(119, letter.unicode() - 64));
        return block + BLOCK_CLOSE;
    };
    const QString number = QString::number(r.essenceNumbers[age]);
    const QString tail = BLOCK_OPEN + heading(QLatin1String("Transits for age ") + QString::number(age))
        + paragraph(entry(119, 0)) + BLOCK_CLOSE + level("Physical", r.physicalTransits)
        + level("Mental", r.mentalTransits) + level("Spiritual", r.spiritualTransits) + BLOCK_OPEN
        + paragraph(QStringLiteral("<br />"))
        + heading(QLatin1String("Essence for age ") + QString::number(age) + QLatin1String(": ") + number
                  + QLatin1Char('/') + QString::number(r.essenceTotals[age]))
        + paragraph(entry(120, 0)) + BLOCK_CLOSE + BLOCK_OPEN + paragraph(entry(120, r.essenceNumbers[age]))
        + BLOCK_CLOSE + QLatin1String("</body></html>\r\n");
    QVERIFY2(doc.endsWith(tail), qPrintable(doc.right(tail.size())));
}

void TestNumerologyReport::personalMonthsFromJanuary31()
{
    CNumerology engine;
    const QString doc = build({"John Adam Smith", QString(), {1990, 5, 17}, {2025, 1, 31}}, engine);
    // The next month is the last day of February, then 31 March again.
    const QString months = between(doc, QStringLiteral("Personal Month Number: "), QStringLiteral("Personal Day Number: "));
    int last = 0;
    for (int month = 1; month <= 12; ++month) {
        const int p = engine.PersonalMonth(2025, month);
        const QString line = P_OPEN + QStringLiteral("%1/2025 (%2). ").arg(month).arg(p) + entry(107, p);
        const int at = months.indexOf(line, last);
        QVERIFY2(at > last, qPrintable(line));
        last = at;
    }
    const QString calendar = between(doc, QStringLiteral("<b>Months</b>"), QStringLiteral("<b>Days</b>"));
    QVERIFY(calendar.contains(QLatin1String("align=\"center\">Jan (") + QString::number(engine.PersonalMonth(2025, 1))
                              + QLatin1String(")</td><td comment=\"st_ttd\" width=\"60\" align=\"center\">Feb (")
                              + QString::number(engine.PersonalMonth(2025, 2)) + QLatin1String(")</td>")));
    // The days run on from 31 January into February.
    QVERIFY(doc.contains(P_OPEN + QStringLiteral("2/1/2025 (%1). ").arg(engine.PersonalDay({2025, 2, 1}))));
}

void TestNumerologyReport::nameTableMasterLetters_data()
{
    QTest::addColumn<bool>("keepMasterLetters");
    QTest::addColumn<QString>("kCell");
    // MARK: M 4, A 1 (vowel), R 9, K 2 or 11. The emphasis step that follows
    // the tables bolds every 11 once more.
    QTest::newRow("reduced (default)") << false << boldCell(QStringLiteral("2"));
    QTest::newRow("kept") << true << boldCell(QStringLiteral("<b>11</b>"));
}

void TestNumerologyReport::nameTableMasterLetters()
{
    QFETCH(bool, keepMasterLetters);
    QFETCH(QString, kCell);
    CalcOptions options;
    options.reduceMasterLetters = !keepMasterLetters;
    const QString doc = build({"Mark", QString(), {1990, 5, 17}, {2024, 6, 21}}, options);
    const QString table = between(doc, QStringLiteral("<b>Full name</b>"), QStringLiteral("<b>Short name</b>"));
    QVERIFY(table.contains(ROW_OPEN + cell(" ") + cell("1") + cell(" ") + cell(" ") + QLatin1String("<td")));
    QVERIFY(table.contains(ROW_OPEN + cell("M") + cell("A") + cell("R") + boldCell("K") + QLatin1String("<td")));
    QVERIFY2(table.contains(ROW_OPEN + cell("4") + cell(" ") + cell("9") + kCell + QLatin1String("<td")),
             qPrintable(table));
}

void TestNumerologyReport::reportWithoutTexts()
{
    TextStore empty;
    QVERIFY(!empty.loadFile(m_dir.filePath(QStringLiteral("missing.dat"))));
    CNumerology engine;
    build({"John Adam Smith", "John Smith", {1990, 5, 17}, {2024, 6, 21}}, engine);
    BuildNumerologyReport(engine, empty, engine);
    const QString doc = engine.document();
    QVERIFY(!doc.contains(QLatin1String("[T")));
    QVERIFY(doc.contains(QLatin1String("Life Path Number 8+5+1/19=14=5")));
    QVERIFY(doc.contains(QLatin1String("Essence and Transits Cycles")));
    // A split paragraph of an empty text closes its block and adds one empty table.
    QVERIFY(doc.contains(QLatin1String("Life Path Number 8+5+1/19=14=5</font></h2>\r\n") + BLOCK_CLOSE + BLOCK_OPEN
                         + P_OPEN + QLatin1String("</td></tr></table>\r\n<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\n</td></tr></table>\r\n</p>\r\n")
                         + BLOCK_OPEN));
}

void TestNumerologyReport::reportRebuiltByEachCalculation()
{
    CNumerology engine;
    const QString first = build({"John Adam Smith", QString(), {1990, 5, 17}, {2024, 6, 21}}, engine);
    const QString second = build({"Anna Wade", QString(), {1962, 7, 16}, {2024, 6, 21}}, engine);
    QVERIFY(!second.contains(QLatin1String("JOHN")));
    QCOMPARE(second.count(QLatin1String("<!DOCTYPE")), 1);
    QCOMPARE(build({"John Adam Smith", QString(), {1990, 5, 17}, {2024, 6, 21}}, engine), first);

    // A calculate-only run leaves the previous document alone.
    PersonRecord record;
    record.fullName = record.shortName = QStringLiteral("Anna Wade");
    record.birthDate = QDate(1962, 7, 16);
    record.forecastDate = QDate(2024, 6, 21);
    record.calcOnly = true;
    QVERIFY(engine.CalcNumerology(record));
    QCOMPARE(engine.document(), first);
}


// Master mode 1 keeps a Life Path of 44, for which the data file has no text:
// the section prints the text of 8 after the paragraph on the doubled 4.
void TestNumerologyReport::doubledMasterLifePathReadsItsDigit()
{
    // The marker texts without the Life Path entries above 33.
    QStringList lines;
    const QStringList all = reportSource();
    for (int i = 0; i < all.size(); i += 2) {
        if (all.at(i).startsWith(QLatin1String("#101")) && all.at(i).midRef(4).toInt() > 33)
            continue;
        lines << all.at(i) << all.at(i + 1);
    }
    const QString path = m_dir.filePath(QStringLiteral("no-doubled.dat"));
    QVERIFY(writeDataFile(path, lines));
    TextStore texts;
    QVERIFY(texts.loadFile(path));

    // 22 + 11 + 11 (1910) = 44.
    PersonRecord record;
    record.fullName = record.shortName = QStringLiteral("Anna Wade");
    record.birthDate = QDate(1910, 11, 22);
    record.forecastDate = QDate(2024, 6, 21);
    CNumerology engine;
    engine.SetMasterMode(1);
    engine.setImageFolder(IMAGE_FOLDER);
    engine.setTextStore(&texts);
    QVERIFY(engine.CalcNumerology(record));
    QCOMPARE(engine.result().lifePath, 44);
    const QString section =
        between(engine.document(), QStringLiteral("Life Path Number "), QStringLiteral("Birthday Number "));
    QVERIFY2(section.contains(QLatin1String("Here the number stands as 44, a doubled 4")),
             qPrintable(section));
    QVERIFY2(section.contains(marker(101, 8)), qPrintable(section));
    QVERIFY(!section.contains(marker(101, 4)));
}

QTEST_GUILESS_MAIN(TestNumerologyReport)
#include "test_numerologyreport.moc"
