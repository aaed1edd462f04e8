// Spelling variants: every variant of a short name listed by hand, the edit
// count of each checked against the letters it changes, and the finder's
// variants mode over them.

#include "names/namefinder.h"
#include "names/namevariants.h"

#include <QtTest>

namespace {

// The smallest number of single-letter insertions, deletions and
// substitutions between two words.
int letterDistance(const QString &a, const QString &b)
{
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

QMap<QString, int> spelledWithEdits(const QVector<NameVariant> &variants)
{
    QMap<QString, int> out;
    for (const NameVariant &v : variants)
        out.insert(v.words.join(QLatin1Char(' ')), v.edits);
    return out;
}

} // namespace

class TestNameVariants : public QObject
{
    Q_OBJECT
private slots:
    void everyVariantOfAShortName();
    void editsOfALongerName_data();
    void editsOfALongerName();
    void editCountsMatchTheLetters();
    void middleInitials();
    void finderKeepsOnlyWhatMeets();
};

void TestNameVariants::everyVariantOfAShortName()
{
    // JO, by the rules of namevariants.h:
    //   one edit:  double J (JJO), double O (JOO), add H after the final vowel (JOH)
    //   two edits: JJO + double O or add H; JOO + add H; JOH + double H.
    // Dropping letters leads back to JO; no I, Y, U, W, C or K to swap; one word
    // takes no initial.
    const QMap<QString, int> expected = {{"JJO", 1},  {"JOO", 1},  {"JOH", 1}, {"JJOO", 2},
                                         {"JJOH", 2}, {"JOOH", 2}, {"JOHH", 2}};
    QCOMPARE(spelledWithEdits(NameVariants({"JO"}, 0)), expected);
    // One edit only.
    QCOMPARE(spelledWithEdits(NameVariants({"JO"}, 0, 1)),
             (QMap<QString, int>{{"JJO", 1}, {"JOO", 1}, {"JOH", 1}}));
}

void TestNameVariants::editsOfALongerName_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("edits");
    QTest::addColumn<QString>("edit");
    QTest::newRow("one of a doubled pair dropped") << "ANA" << 1 << "drop N";
    QTest::newRow("H after the final vowel") << "ANNAH" << 1 << "add H";
    QTest::newRow("a doubled letter") << "AANNA" << 1 << "double A";
    QTest::newRow("two edits") << "ANAH" << 2 << "drop N, add H";
}

void TestNameVariants::editsOfALongerName()
{
    QFETCH(QString, variant);
    QFETCH(int, edits);
    QFETCH(QString, edit);
    for (const NameVariant &v : NameVariants({"ANNA"}, 0)) {
        if (v.words.join(QLatin1Char(' ')) == variant) {
            QCOMPARE(v.edits, edits);
            QCOMPARE(v.edit, edit);
            return;
        }
    }
    QFAIL("variant not found");
}

void TestNameVariants::editCountsMatchTheLetters()
{
    // Every spelling edit changes one letter of the varied word, so the
    // word's letter distance is at least 1 and at most the edit count; each
    // edit is named once; nothing is listed twice; the original is not listed.
    const QStringList original = {"KATHY", "LYNN", "SMITH"};
    const QVector<NameVariant> variants = NameVariants(original, 0);
    QSet<QString> seen;
    for (const NameVariant &v : variants) {
        const QString spelled = v.words.join(QLatin1Char(' '));
        QVERIFY2(!seen.contains(spelled), qPrintable(spelled));
        seen.insert(spelled);
        QVERIFY(v.edits == 1 || v.edits == 2);
        QCOMPARE(v.edit.split(QStringLiteral(", ")).size(), v.edits);
        QCOMPARE(v.words.at(v.variedWord).isEmpty(), false);
        const int initials = v.edit.count(QStringLiteral("initial"));
        const int letters = letterDistance(v.words.at(v.variedWord), QStringLiteral("KATHY"));
        QVERIFY2(letters + initials <= v.edits, qPrintable(spelled + QLatin1String(": ") + v.edit));
        QVERIFY2(letters > 0 || initials > 0, qPrintable(spelled));
        // The fixed words stay as they were, apart from initials.
        QVERIFY(v.words.contains(QStringLiteral("LYNN")) && v.words.contains(QStringLiteral("SMITH")));
        QVERIFY(v.words.at(v.variedWord).size() >= 2);
    }
    QVERIFY(!seen.contains(original.join(QLatin1Char(' '))));
    // Y/I, C/K choices and the dropped H are among them.
    for (const char *wanted : {"KATHI LYNN SMITH", "CATHY LYNN SMITH", "KATY LYNN SMITH", "CATHI LYNN SMITH"})
        QVERIFY2(seen.contains(QLatin1String(wanted)), wanted);
}

void TestNameVariants::middleInitials()
{
    const QVector<NameVariant> added = NameVariants({"ANNA", "SMITH"}, 0, 1);
    int initials = 0;
    for (const NameVariant &v : added) {
        if (v.edit.startsWith(QLatin1String("add initial"))) {
            ++initials;
            QCOMPARE(v.words.size(), 3);
            QCOMPARE(v.words.at(1).size(), 1);
        }
    }
    QCOMPARE(initials, 26);

    // An initial already there can be dropped, and no second one is added beside it.
    const QMap<QString, int> dropped = spelledWithEdits(NameVariants({"ANNA", "M", "SMITH"}, 0, 1));
    QCOMPARE(dropped.value(QStringLiteral("ANNA SMITH")), 1);
    QVERIFY(!dropped.contains(QStringLiteral("ANNA A M SMITH")));

    // A one-word name gets no initial.
    for (const NameVariant &v : NameVariants({"ANNA"}, 0))
        QVERIFY(!v.edit.contains(QLatin1String("initial")));
}

void TestNameVariants::finderKeepsOnlyWhatMeets()
{
    // ANNA SMITH is 9 (see test_namefinder.cpp); ANA SMITH: ANA 7, 7+6 = 13 -> 4;
    // ANNAH SMITH: ANNAH 20 -> 2, 2+6 = 8; ANNA A SMITH: 3+1+6 = 10 -> 1.
    NameConstraints wanted;
    wanted.expression = {8};
    const NameFinder finder(NameSettings(), wanted);
    const QVector<NameResult> found = finder.findVariants(QStringLiteral("ANNA SMITH"), 0);
    QVERIFY(!found.isEmpty());
    bool sawAnnah = false;
    int lastEdits = 0;
    for (const NameResult &r : found) {
        QCOMPARE(r.numbers.expression, 8);
        QVERIFY(r.edits >= lastEdits); // fewest edits first
        lastEdits = r.edits;
        sawAnnah = sawAnnah || (r.name == QLatin1String("ANNAH SMITH") && r.edit == QLatin1String("add H"));
    }
    QVERIFY(sawAnnah);

    // The original comes first, with no edits, when it meets the constraints.
    wanted.expression = {9};
    const QVector<NameResult> nine = NameFinder(NameSettings(), wanted).findVariants(QStringLiteral("ANNA SMITH"), 0);
    QCOMPARE(nine.first().name, QStringLiteral("ANNA SMITH"));
    QCOMPARE(nine.first().edits, 0);
}

QTEST_GUILESS_MAIN(TestNameVariants)
#include "test_namevariants.moc"
