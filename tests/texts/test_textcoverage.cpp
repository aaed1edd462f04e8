// The interpretation texts shipped in the built eng.dat: every entry a report
// or a guide page can ask for is there and long enough to be a reading.
// A failure names each missing or short entry. The program's own load
// refuses a data file that lacks any of them - cut short, or built without
// some topic - naming what is missing.

#include "texts/requiredtexts.h"
#include "texts/textcipher.h"
#include "texts/textstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

namespace {

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(n);
    return numbers;
}

const QList<int> CORE_NUMBERS = range(1, 9) + QList<int>{11, 22, 33};

// Pair codes of two digits 1..9, larger digit first: 11, 21, 22, 31, ...
QList<int> largerFirstPairs()
{
    QList<int> codes;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= a; ++b)
            codes.append(10 * a + b);
    return codes;
}

// Pair codes of two digits, smaller digit first: 11, 12, ..., 19, 22, ...
QList<int> smallerFirstPairs(int highest)
{
    QList<int> codes;
    for (int a = 1; a <= highest; ++a)
        for (int b = a; b <= highest; ++b)
            codes.append(10 * a + b);
    return codes;
}

// The words of an HTML fragment, tags removed, single spaces between them.
QString plainWords(QString html)
{
    html.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    return html.simplified();
}

int wordCount(QString html)
{
    html.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    return html.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
}

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class TestTextCoverage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void topics_data();
    void topics();
    void lifeAreas_data();
    void lifeAreas();
    void guidePages();
    void everyGuideEntryCanBeShown();
    void readersAskForEveryEntry_data();
    void readersAskForEveryEntry();
    void noteTopicHoldsOnlyTheChartNote();
    void shippedFileIsComplete();
    void incompleteFileIsRefused_data();
    void incompleteFileIsRefused();

private:
    TextStore m_store;
    QString m_path;
};

void TestTextCoverage::initTestCase()
{
    m_path = QCoreApplication::applicationDirPath() + QStringLiteral("/eng.dat");
    QVERIFY2(m_store.loadFile(m_path), qPrintable(QStringLiteral("cannot read ") + m_path));
}

void TestTextCoverage::topics_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QList<int>>("entries");
    QTest::addColumn<int>("introWords"); // entry 0, when listed
    QTest::addColumn<int>("minWords");   // every other entry

    const QList<int> intro{0};
    // The numerology report.
    // The main numbers carry paragraphs on love, work and health as well.
    for (const int topic : {101, 104, 108, 109})
        QTest::addRow("%d core number", topic) << topic << intro + CORE_NUMBERS << 50 << 190;
    for (const int topic : {105, 111, 117})
        QTest::addRow("%d core number", topic) << topic << intro + CORE_NUMBERS << 50 << 120;
    QTest::newRow("102 birthday") << 102 << intro + range(1, 31) << 50 << 170;
    QTest::newRow("106 personal year") << 106 << intro + range(1, 9) << 50 << 240;
    QTest::newRow("103 karmic debts") << 103 << QList<int>{0, 13, 14, 16, 19} << 50 << 120;
    for (const int topic : {107, 110, 112, 113, 114, 116, 118})
        QTest::addRow("%d digits", topic) << topic << intro + range(1, 9) << 50 << 120;
    // Challenges and bridges read value + 1.
    for (const int topic : {115, 128, 130})
        QTest::addRow("%d value plus one", topic) << topic << intro + range(1, 9) << 50 << 120;
    QTest::newRow("119 transit letters") << 119 << intro + range(1, 26) << 50 << 120;
    QTest::newRow("120 essence") << 120 << intro + range(1, 9) + QList<int>{11, 16, 19, 22, 33} << 50 << 120;
    QTest::newRow("121 double-digit names") << 121 << range(10, 99) << 0 << 100;
    QTest::newRow("122 Chaldean compounds") << 122 << range(10, 99) << 0 << 100;
    QTest::newRow("123 planes introduction") << 123 << intro << 50 << 0;
    for (const int topic : {124, 125, 126, 127})
        QTest::addRow("%d plane", topic) << topic << CORE_NUMBERS << 0 << 120;
    QTest::newRow("129 life path and expression") << 129 << largerFirstPairs() << 0 << 40;
    QTest::newRow("131 heart and personality") << 131 << largerFirstPairs() << 0 << 40;
    QTest::newRow("501 name advisor") << 501 << CORE_NUMBERS << 0 << 40;
    QTest::newRow("900 chart note") << 900 << intro << 50 << 0;

    // Psychomatrix chapters: entry k reads a count of k - 1, entry 7 six or more.
    // The nine cells (204-212) read in two paragraphs, the lines in one.
    for (int topic = 201; topic <= 217; ++topic) {
        const bool cell = topic >= 204 && topic <= 212;
        QTest::addRow("%d psychomatrix chapter", topic) << topic << range(0, 7) << 60 << (cell ? 100 : 55);
    }
    // Pet and compatibility.
    QTest::newRow("301 pet number") << 301 << range(0, 9) << 60 << 60;
    QTest::newRow("302 pet day") << 302 << range(1, 9) << 0 << 60;
    QTest::newRow("401 birthday code") << 401 << range(1, 9) << 0 << 40;
    QTest::newRow("402 chapters and birthday pairs") << 402 << range(0, 3) + smallerFirstPairs(9) << 40 << 40;
    // Each pairing: what it means, then a paragraph of practical advice.
    QTest::newRow("403 name pairs") << 403 << smallerFirstPairs(9) << 0 << 95;
    QTest::newRow("404 life path pairs") << 404 << smallerFirstPairs(9) << 0 << 95;
    QTest::newRow("405 character") << 405 << intro + smallerFirstPairs(7) << 40 << 95;
    QTest::newRow("406 energy") << 406 << smallerFirstPairs(7) << 0 << 95;
}

void TestTextCoverage::topics()
{
    QFETCH(int, topic);
    QFETCH(QList<int>, entries);
    QFETCH(int, introWords);
    QFETCH(int, minWords);
    QStringList problems;
    for (const int number : entries) {
        const int words = wordCount(m_store.text(topic, number));
        const int needed = number == 0 ? introWords : minWords;
        if (words == 0)
            problems.append(QStringLiteral("%1/%2 missing").arg(topic).arg(number));
        else if (words < needed)
            problems.append(QStringLiteral("%1/%2 has %3 of %4 words").arg(topic).arg(number).arg(words).arg(needed));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

// The main numbers speak to love, to work and money, and to health and
// energy, each in a paragraph of its own that opens with its theme.
void TestTextCoverage::lifeAreas_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QList<int>>("entries");

    QTest::newRow("101 life path") << 101 << CORE_NUMBERS;
    QTest::newRow("102 birthday") << 102 << range(1, 31);
    QTest::newRow("104 expression") << 104 << CORE_NUMBERS;
    QTest::newRow("106 personal year") << 106 << range(1, 9);
    QTest::newRow("108 heart's desire") << 108 << CORE_NUMBERS;
    QTest::newRow("109 personality") << 109 << CORE_NUMBERS;
}

void TestTextCoverage::lifeAreas()
{
    QFETCH(int, topic);
    QFETCH(QList<int>, entries);
    static const char *const OPENINGS[] = {"<p>In love, ", "<p>At work and with money, ",
                                           "<p>For health and energy, "};
    QStringList problems;
    for (const int number : entries) {
        const QString text = m_store.text(topic, number);
        for (const char *opening : OPENINGS) {
            const int at = text.indexOf(QLatin1String(opening));
            const int end = text.indexOf(QLatin1String("</p>"), at);
            if (at < 0)
                problems.append(QStringLiteral("%1/%2 lacks \"%3\"").arg(topic).arg(number).arg(opening + 3));
            else if (wordCount(text.mid(at, end - at)) < 15)
                problems.append(
                    QStringLiteral("%1/%2 \"%3\" is too short").arg(topic).arg(number).arg(opening + 3));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

// Every page has its title and description, its calculation and its
// interpretation; pages 19 to 34 show page 18's calculation.
void TestTextCoverage::guidePages()
{
    QStringList problems;
    for (int page = 0; page < 40; ++page) {
        for (int slot = 0; slot < 3; ++slot) {
            // The slot the page shows: pages 19 to 34 borrow page 18's calculation.
            const int shownPage = slot == 1 && page >= 19 && page <= 34 ? 18 : page;
            const QString text = m_store.guideSlot(shownPage, slot);
            const int words = wordCount(text);
            if (words < 60)
                problems.append(QStringLiteral("page %1 slot %2 has %3 words").arg(page).arg(slot).arg(words));
        }
        if (!m_store.guideSlot(page, 0).startsWith(QLatin1String("<h2><p>")))
            problems.append(QStringLiteral("page %1 has no title").arg(page));
        const QString html = m_store.guidePage(page, QString());
        if (!html.contains(QLatin1String("<h2>Calculating</h2>"))
            || !html.contains(QLatin1String("<h2>Interpretation</h2>")))
            problems.append(QStringLiteral("page %1 is not a full page").arg(page));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

// A guide entry that no page shows is prose nobody can read: pages 19 to 34
// show page 18's calculation, so their own calculation slots must stay
// empty, and slot 3 of every page is never read.
void TestTextCoverage::everyGuideEntryCanBeShown()
{
    // The page's HTML dresses each paragraph; compare the words only.
    QStringList pages;
    for (int page = 0; page < 40; ++page)
        pages.append(plainWords(m_store.guidePage(page, QString())));
    QStringList unreachable;
    for (int index = 0; index < TextStore::GUIDE_ENTRIES; ++index) {
        const QString text = plainWords(m_store.guideSlot(index / 4, index % 4));
        if (text.isEmpty())
            continue;
        const bool shown = std::any_of(pages.cbegin(), pages.cend(),
                                       [&text](const QString &html) { return html.contains(text); });
        if (!shown)
            unreachable.append(QStringLiteral("page %1 slot %2").arg(index / 4).arg(index % 4));
    }
    QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(QLatin1String("; "))));
}

// Topics whose readers ask for a known set of entries: anything else the data
// file fills there is never printed.
void TestTextCoverage::readersAskForEveryEntry_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QList<int>>("read");

    const QList<int> intro{0};
    QTest::newRow("102 birthday") << 102 << intro + range(1, 31);
    QTest::newRow("103 karmic debts") << 103 << QList<int>{0, 13, 14, 16, 19};
    for (const int topic : {106, 107, 110, 112, 113, 114, 116, 118})
        QTest::addRow("%d digits", topic) << topic << intro + range(1, 9);
    for (const int topic : {115, 128, 130})
        QTest::addRow("%d value plus one", topic) << topic << intro + range(1, 9);
    QTest::newRow("119 transit letters") << 119 << intro + range(1, 26);
    QTest::newRow("129 life path and expression") << 129 << largerFirstPairs();
    QTest::newRow("131 heart and personality") << 131 << largerFirstPairs();
    for (int topic = 201; topic <= 217; ++topic)
        QTest::addRow("%d psychomatrix chapter", topic) << topic << range(0, 7);
    QTest::newRow("301 pet number") << 301 << range(0, 9);
    QTest::newRow("302 pet day") << 302 << range(1, 9);
    QTest::newRow("403 name pairs") << 403 << smallerFirstPairs(9);
    QTest::newRow("404 life path pairs") << 404 << smallerFirstPairs(9);
    QTest::newRow("405 character") << 405 << intro + smallerFirstPairs(7);
    QTest::newRow("406 energy") << 406 << smallerFirstPairs(7);
}

void TestTextCoverage::readersAskForEveryEntry()
{
    QFETCH(int, topic);
    QFETCH(QList<int>, read);
    QStringList unread;
    for (int number = 0; number < 100; ++number) {
        if (!read.contains(number) && !m_store.text(topic, number).isEmpty())
            unread.append(QStringLiteral("%1/%2").arg(topic).arg(number));
    }
    QVERIFY2(unread.isEmpty(), qPrintable(unread.join(QLatin1String(", ")) + QLatin1String(" never read")));
}

void TestTextCoverage::noteTopicHoldsOnlyTheChartNote()
{
    for (int number = 1; number < 16; ++number)
        QVERIFY2(m_store.text(900, number).isEmpty(), qPrintable(QString::number(number)));
}

void TestTextCoverage::shippedFileIsComplete()
{
    QCOMPARE(missingRequiredTexts(m_store), QStringList());
    TextStore store;
    const TextLoadResult result = store.loadFrom(m_path, TextStore::Extent::Complete);
    QVERIFY2(result.loaded(), qPrintable(result.reason));
}

namespace {

// The shipped file's lines, enciphered as they are.
QByteArrayList shippedLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().split('\n');
}

// The lines without the entry of one header: its header and content lines
// up to the next header.
QByteArrayList withoutEntry(const QByteArrayList &lines, const QByteArray &header)
{
    QByteArrayList kept;
    bool dropping = false;
    for (const QByteArray &line : lines) {
        QString plain = QString::fromLatin1(line);
        decipherLine(plain);
        if (plain.startsWith(QLatin1Char('#')) && plain.size() >= 6)
            dropping = plain.left(6) == QLatin1String(header);
        if (!dropping)
            kept.append(line);
    }
    return kept;
}

} // namespace

// Every line of these files is sound: only what they lack can refuse them.
void TestTextCoverage::incompleteFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("named"); // what the reason names
    const QByteArrayList lines = shippedLines(m_path);
    QVERIFY(lines.size() > 100);
    QTest::newRow("cut at half, at a line end")
        << QByteArrayList(lines.mid(0, lines.size() / 2)).join('\n') << "are missing (a file cut short?): ";
    QTest::newRow("one personal year reading left out")
        << withoutEntry(lines, "#10607").join('\n') << "texts the readings print are missing (a file cut "
                                                        "short?): topic 106 entry 7";
    QTest::newRow("one guide page left out")
        << withoutEntry(lines, "#70120").join('\n') << "guide page 12";
}

void TestTextCoverage::incompleteFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, named);
    TextStore store;
    const TextLoadResult result = store.loadBytes(bytes, TextStore::Extent::Complete);
    QCOMPARE(result.status, TextLoadResult::Refused);
    QVERIFY2(result.reason.contains(named), qPrintable(result.reason));
    QVERIFY(store.text(101, 0).isEmpty()); // nothing of a refused file is kept
    // A file in the making may hold any part of the texts.
    QVERIFY(store.loadBytes(bytes, TextStore::Extent::Any).loaded());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eng.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
    file.close();
    QCOMPARE(store.loadFrom(path, TextStore::Extent::Complete).reason, result.reason);
}

QTEST_GUILESS_MAIN(TestTextCoverage)
#include "test_textcoverage.moc"
