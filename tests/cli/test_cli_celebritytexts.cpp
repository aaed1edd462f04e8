// sorvel-cli celebrity-texts: the celebrity list turned into data file
// entries, and the celebrities of the built eng.dat.

#include "clirunner.h"
#include "engine/cnumerology.h"
#include "engine/namecleaning.h"
#include "texts/textstore.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestCliCelebrityTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesEntries_data();
    void writesEntries();
    void indexHundredUsesSecondCodes();
    void atMostTwoHundred();
    void refusesSource_data();
    void refusesSource();
    void badUsage_data();
    void badUsage();
    void builtDataFileHasEveryCelebrity();
    void listUsesRegisteredNamesAndHyphens();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QByteArray convert(const QByteArray &source, CliRun *run = nullptr);
    QTemporaryDir m_dir;
    int m_files = 0;
};

namespace {

// A well-formed block for person i of a generated list.
QByteArray generatedBlock(int i)
{
    const QByteArray letters = QByteArray(1, char('A' + i % 26)) + char('a' + i / 26);
    const QByteArray date = QByteArray::number(1 + i % 28) + '.' + QByteArray::number(1 + i % 12) + '.'
        + QByteArray::number(1900 + i);
    return "name: Person " + letters + "\nnote: note " + QByteArray::number(i) + "\nborn: " + date
        + "\nlifepath: path " + QByteArray::number(i) + "\nbirthday: day " + QByteArray::number(i)
        + "\nexpression: name " + QByteArray::number(i) + "\n\n";
}

QByteArray generatedList(int count)
{
    QByteArray source;
    for (int i = 0; i < count; ++i)
        source += generatedBlock(i);
    return source;
}

// The numbers the engine gives a name and birth date: default options,
// master mode 0, Western letters.
struct Numbers
{
    int lifePath;
    int birthdayNumber;
    int expression;
};

Numbers engineNumbers(const QString &name, const QDate &birth)
{
    const CalcOptions defaults;
    CNumerology engine;
    engine.setCalcOptions(&defaults);
    engine.SetMasterMode(0);
    PersonRecord person;
    person.fullName = CleanName(name);
    person.shortName = ShortNameFromFull(person.fullName);
    person.birthDate = birth;
    person.forecastDate = birth;
    person.calcOnly = true;
    engine.CalcNumerology(person);
    return {engine.result().lifePath, engine.reportValues().birthDayReduced, engine.result().expression};
}

// One person of the hand-written list, read independently of the tool.
struct ListedPerson
{
    QMap<QString, QString> fields;
};

QList<ListedPerson> readList(const QString &path)
{
    QList<ListedPerson> people;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return people;
    ListedPerson current;
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &raw : lines + QStringList{QString()}) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.isEmpty()) {
            if (!current.fields.isEmpty())
                people.append(current);
            current = ListedPerson();
            continue;
        }
        const int colon = line.indexOf(QLatin1Char(':'));
        current.fields.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    return people;
}

QDate unpackDate(int packed)
{
    return QDate(packed >> 16, (packed >> 8) & 0xFF, packed & 0xFF);
}

QString stripParagraph(const QString &entry)
{
    QString text = entry;
    if (text.startsWith(QLatin1String("<p>")) && text.endsWith(QLatin1String("</p>")))
        text = text.mid(3, text.size() - 7);
    return text;
}

} // namespace

void TestCliCelebrityTexts::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestCliCelebrityTexts::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// Runs the tool on a source; returns what it wrote (empty on failure).
QByteArray TestCliCelebrityTexts::convert(const QByteArray &source, CliRun *run)
{
    const QString number = QString::number(++m_files);
    const QString in = write(QStringLiteral("list") + number + QStringLiteral(".txt"), source);
    const QString out = m_dir.filePath(QStringLiteral("out") + number + QStringLiteral(".txt"));
    const CliRun result = runCli({"celebrity-texts", in, out});
    if (run)
        *run = result;
    QFile file(out);
    if (result.exitCode != 0 || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Numbers worked by hand (Western letters, each word reduced, masters kept):
//   John Quincy Smith, 17.5.1990: Life Path 8 + 5 + 1 (1990 -> 19 -> 10 -> 1)
//     = 14 -> 5; birthday 17 -> 8; Expression JOHN 20 -> 2, QUINCY 35 -> 8,
//     SMITH 24 -> 6: 16 -> 7.
//   Ada Byron, 29.2.2000: day 29 -> 11 (kept), Life Path 11 + 2 + 2 = 15 -> 6;
//     birthday number 11; Expression ADA 6, BYRON 29 -> 11 (kept): 17 -> 8.
void TestCliCelebrityTexts::writesEntries_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::newRow("plain") << QByteArray("name: John Quincy Smith\nnote: test person\nborn: 17.5.1990\n"
                                         "lifepath: Same path remark.\nbirthday: Same day remark.\n"
                                         "expression: Same name remark.\n\n"
                                         "name: Ada Byron\nnote: leap day person\nborn: 29.2.2000\n"
                                         "lifepath: Ada path.\nbirthday: Ada day.\nexpression: Ada name.\n");
    // Comments, CR LF, several blank lines, keys in another order, spaces
    // around values and leading zeros in the date read the same.
    QTest::newRow("loose layout")
        << QByteArray("# a comment\r\n\r\nexpression:   Same name remark.  \r\nname:John Quincy Smith\r\n"
                      "born: 17.05.1990\r\nnote: test person\r\n# inside a block\r\n"
                      "birthday: Same day remark.\r\nlifepath: Same path remark.\r\n\r\n\r\n\r\n"
                      "name: Ada Byron\r\nnote: leap day person\r\nborn: 29.02.2000\r\n"
                      "lifepath: Ada path.\r\nbirthday: Ada day.\r\nexpression: Ada name.");
}

void TestCliCelebrityTexts::writesEntries()
{
    QFETCH(QByteArray, source);
    CliRun run;
    const QByteArray out = convert(source, &run);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(out, QByteArray("#60100\n5\n8\n7\nJohn Quincy Smith\ntest person\n17.5.1990\n\n"
                             "#60200\nSame path remark.\n\n"
                             "#60300\nSame day remark.\n\n"
                             "#60400\nSame name remark.\n\n"
                             "#60101\n6\n11\n8\nAda Byron\nleap day person\n29.2.2000\n\n"
                             "#60201\nAda path.\n\n"
                             "#60301\nAda day.\n\n"
                             "#60401\nAda name.\n"));
}

// Person 99 is the last under 601..604; person 100 starts 611..614 at
// number 0. The entries load into the store at those indexes.
void TestCliCelebrityTexts::indexHundredUsesSecondCodes()
{
    const QByteArray out = convert(generatedList(101));
    QVERIFY(!out.isEmpty());
    const QList<QByteArray> lines = out.split('\n');
    const int at99 = lines.indexOf("#60199");
    const int at100 = lines.indexOf("#61100");
    QVERIFY(at99 >= 0);
    QVERIFY(at100 > at99);
    QCOMPARE(lines.mid(at99 + 4, 3), (QList<QByteArray>{"Person Vd", "note 99", "16.4.1999"}));
    QCOMPARE(lines.mid(at100 + 4, 3), (QList<QByteArray>{"Person Wd", "note 100", "17.5.2000"}));
    for (const char *header : {"#61200", "#61300", "#61400"})
        QVERIFY2(lines.contains(header), header);
    QVERIFY(!lines.contains("#601100"));
    QVERIFY(!lines.contains("#61101"));

    const QString source = write(QStringLiteral("hundred.txt"), out);
    const QString data = m_dir.filePath(QStringLiteral("hundred.dat"));
    QCOMPARE(runCli({"texts", "encode", source, data}).exitCode, 0);
    TextStore store;
    QVERIFY(store.loadFile(data));
    const CelebrityRecord person = store.celebrity(100);
    QCOMPARE(person.name, QStringLiteral("Person Wd"));
    QCOMPARE(person.note, QStringLiteral("note 100"));
    QCOMPARE(person.birthDate, 17 + 256 * 5 + 65536 * 2000);
    const Numbers expected = engineNumbers(person.name, QDate(2000, 5, 17));
    QCOMPARE(person.lifePath, expected.lifePath);
    QCOMPARE(person.birthdayNumber, 8); // 17 -> 8
    QCOMPARE(person.expression, expected.expression);
    QCOMPARE(store.celebrityText(602, 100), QStringLiteral("<p>path 100</p>"));
    QCOMPARE(store.celebrityText(603, 100), QStringLiteral("<p>day 100</p>"));
    QCOMPARE(store.celebrityText(604, 100), QStringLiteral("<p>name 100</p>"));
    QCOMPARE(store.celebrity(99).name, QStringLiteral("Person Vd"));
    QCOMPARE(store.celebrityText(604, 99), QStringLiteral("<p>name 99</p>"));
    QCOMPARE(store.celebrity(101).name, QString());
}

// 200 people fit; the 201st block is refused by its first line.
void TestCliCelebrityTexts::atMostTwoHundred()
{
    const QByteArray full = convert(generatedList(200));
    int records = 0;
    for (const QByteArray &line : full.split('\n'))
        records += line.startsWith("#601") || line.startsWith("#611");
    QCOMPARE(records, 200);
    QVERIFY(full.endsWith("#61499\nname 199\n"));

    CliRun run;
    QVERIFY(convert(generatedList(201), &run).isEmpty());
    QCOMPARE(run.exitCode, 1);
    // Each generated block is six lines and a blank: block 201 starts on line 1401.
    QVERIFY2(run.err.contains(":1401: more than 200 celebrities"), run.err.constData());
}

void TestCliCelebrityTexts::refusesSource_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("where");  // ":LINE: reason" the message must contain

    const QByteArray good = generatedBlock(0);  // lines 1 to 7
    QTest::newRow("missing key") << good + "name: B\nnote: n\nborn: 1.1.2000\nlifepath: a\nbirthday: b\n"
                                 << ":8: block has no \"expression\" line";
    QTest::newRow("unknown key") << good + "name: B\nnotes: n\n" << ":9: unknown key \"notes\"";
    QTest::newRow("key twice") << good + "name: B\nname: C\n" << ":9: \"name\" given twice";
    QTest::newRow("no colon") << QByteArray("name Albert\n") << ":1: expected \"key: value\"";
    QTest::newRow("empty value") << QByteArray("name: A\nnote:   \n") << ":2: \"note\" is empty";
    QTest::newRow("value starting with #") << QByteArray("name: A\nnote: #1\n") << ":2: a value must not start";
    QTest::newRow("not ASCII") << QByteArray("name: Dvo\xc5\x99\xc3\xa1k\n") << ":1: only printable ASCII";
    QTest::newRow("31 February") << good + "\n\nname: B\nnote: n\nborn: 31.2.1990\nlifepath: a\nbirthday: b\nexpression: c\n"
                                 << ":12: \"31.2.1990\" is not a date";
    QTest::newRow("29 February 1900") << QByteArray("name: B\nnote: n\nborn: 29.2.1900\nlifepath: a\nbirthday: b\nexpression: c\n")
                                      << ":3: \"29.2.1900\" is not a date";
    QTest::newRow("ISO date") << QByteArray("born: 1990-05-17\nname: B\nnote: n\nlifepath: a\nbirthday: b\nexpression: c\n")
                              << ":1: \"1990-05-17\" is not a date";
    QTest::newRow("two parts") << QByteArray("name: B\nnote: n\nborn: 5.1990\nlifepath: a\nbirthday: b\nexpression: c\n")
                               << ":3: \"5.1990\" is not a date";
    QTest::newRow("name without letters") << QByteArray("note: n\nname: -- !\nborn: 1.1.2000\nlifepath: a\nbirthday: b\nexpression: c\n")
                                          << ":2: the name has no letters";
}

// A fault stops the tool with the file and line; no output file is left.
void TestCliCelebrityTexts::refusesSource()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, where);
    CliRun run;
    QVERIFY(convert(source, &run).isEmpty());
    QCOMPARE(run.exitCode, 1);
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.startsWith(QLatin1String("sorvel-cli: celebrity-texts: ")), run.err.constData());
    QVERIFY2(err.contains(QStringLiteral(".txt") + where), run.err.constData());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out") + QString::number(m_files) + QStringLiteral(".txt"))));
}

void TestCliCelebrityTexts::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no operands") << QStringList{"celebrity-texts"} << 2;
    QTest::newRow("one operand") << QStringList{"celebrity-texts", "in.txt"} << 2;
    QTest::newRow("three operands") << QStringList{"celebrity-texts", "a", "b", "c"} << 2;
    QTest::newRow("option") << QStringList{"celebrity-texts", "--force", "a", "b"} << 2;
    QTest::newRow("missing input") << QStringList{"celebrity-texts", "/nonexistent/list.txt", "out.txt"} << 1;
}

void TestCliCelebrityTexts::badUsage()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith("sorvel-cli: celebrity-texts"), run.err.constData());
}

// Every person of data/celebrities/celebrities.txt is in the eng.dat the
// build made, in list order, with all six fields, a real birth date, the
// numbers our engine computes and three remarks of at least 15 words.
void TestCliCelebrityTexts::builtDataFileHasEveryCelebrity()
{
    const QList<ListedPerson> listed = readList(QStringLiteral(SORVEL_CELEBRITY_LIST));
    QVERIFY(listed.size() >= 190);
    QVERIFY(listed.size() <= 200);

    TextStore store;
    QVERIFY(store.loadFile(QCoreApplication::applicationDirPath() + QStringLiteral("/eng.dat")));

    static const QRegularExpression dayMonthYear(QStringLiteral("^(\\d+)\\.(\\d+)\\.(\\d+)$"));
    static const int chapters[3] = {602, 603, 604};
    static const char *const keys[3] = {"lifepath", "birthday", "expression"};
    QSet<QString> names;
    QSet<QString> remarks;
    for (int i = 0; i < listed.size(); ++i) {
        const QMap<QString, QString> &source = listed.at(i).fields;
        const CelebrityRecord person = store.celebrity(i);
        const QByteArray where = QByteArray::number(i) + ' ' + source.value(QStringLiteral("name")).toLatin1();

        QVERIFY2(!person.name.isEmpty() && !person.note.isEmpty(), where.constData());
        QVERIFY2(person.lifePath > 0 && person.birthdayNumber > 0 && person.expression > 0, where.constData());
        QCOMPARE(person.name, source.value(QStringLiteral("name")));
        QCOMPARE(person.note, source.value(QStringLiteral("note")));
        QVERIFY2(!names.contains(person.name), where.constData());
        names.insert(person.name);

        const QRegularExpressionMatch born = dayMonthYear.match(source.value(QStringLiteral("born")));
        QVERIFY2(born.hasMatch(), where.constData());
        const QDate listedDate(born.captured(3).toInt(), born.captured(2).toInt(), born.captured(1).toInt());
        const QDate date = unpackDate(person.birthDate);
        QVERIFY2(date.isValid(), where.constData());
        QCOMPARE(date, listedDate);
        QVERIFY2(date < QDate(2010, 1, 1), where.constData());  // grown-up, widely known people

        const Numbers expected = engineNumbers(person.name, date);
        QCOMPARE(person.lifePath, expected.lifePath);
        QCOMPARE(person.birthdayNumber, expected.birthdayNumber);
        QCOMPARE(person.expression, expected.expression);

        for (int c = 0; c < 3; ++c) {
            const QString remark = stripParagraph(store.celebrityText(chapters[c], i));
            QCOMPARE(remark, source.value(QLatin1String(keys[c])));
            const int words = remark.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
            QVERIFY2(words >= 15, (where + ' ' + keys[c]).constData());
            QVERIFY2(!remarks.contains(remark), (where + ' ' + keys[c]).constData());
            remarks.insert(remark);
        }
    }
    // Nothing beyond the list.
    QVERIFY(store.celebrity(listed.size()).name.isEmpty());
    QCOMPARE(store.celebrityText(602, listed.size()), QString());

    // Two records worked by hand, so the engine itself is checked too:
    // Albert Einstein, 14.3.1879: 5 + 3 + 7 (1879 -> 25 -> 7) = 15 -> 6;
    //   ALBERT 22 (kept) + EINSTEIN 41 -> 5 = 27 -> 9.
    // Marie Curie, 7.11.1867: 7 + 11 + 22 (1867 -> 22) = 40 -> 4;
    //   MARIE 28 -> 1 + CURIE 29 -> 11 = 12 -> 3.
    int checked = 0;
    for (int i = 0; i < listed.size(); ++i) {
        const CelebrityRecord person = store.celebrity(i);
        if (person.name == QLatin1String("Albert Einstein")) {
            QCOMPARE(person.lifePath, 6);
            QCOMPARE(person.birthdayNumber, 5);
            QCOMPARE(person.expression, 9);
            ++checked;
        } else if (person.name == QLatin1String("Marie Curie")) {
            QCOMPARE(person.lifePath, 4);
            QCOMPARE(person.birthdayNumber, 7);
            QCOMPARE(person.expression, 3);
            ++checked;
        }
    }
    QCOMPARE(checked, 2);
}

// A title in the name would enter the person's Expression number, so the list
// uses the names people were registered under; spelled-out compound numbers
// keep their hyphen.
void TestCliCelebrityTexts::listUsesRegisteredNamesAndHyphens()
{
    // A title before the name, or a generational suffix after it.
    static const QRegularExpression title(
        QStringLiteral("^(Queen|King|Lord|Lady|Sir|Dame|Saint|St|Pope|Prince|Princess|Emperor|Empress|"
                       "Mahatma|Dalai)\\s|\\s(Jr|Sr|II|III|IV)\\.?$"));
    static const QRegularExpression unhyphenated(
        QStringLiteral("\\b(twenty|thirty|forty|fifty|sixty|seventy|eighty|ninety) "
                       "(one|two|three|four|five|six|seven|eight|nine)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList problems;
    for (const ListedPerson &person : readList(QStringLiteral(SORVEL_CELEBRITY_LIST))) {
        const QString name = person.fields.value(QStringLiteral("name"));
        if (title.match(name).hasMatch())
            problems.append(QStringLiteral("title in \"%1\"").arg(name));
        for (const char *key : {"lifepath", "birthday", "expression"}) {
            const QRegularExpressionMatch match = unhyphenated.match(person.fields.value(QLatin1String(key)));
            if (match.hasMatch())
                problems.append(
                    QStringLiteral("%1 %2: \"%3\"").arg(name, QLatin1String(key), match.captured(0)));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

QTEST_GUILESS_MAIN(TestCliCelebrityTexts)
#include "test_cli_celebritytexts.moc"
