// Person files: the saved person and the recent list, their exact text, the
// older 10-field format, the marks rule and the files on disk.

#include "files/checkedfilewriter.h"
#include "files/personfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>

Q_DECLARE_METATYPE(PersonInput)
Q_DECLARE_METATYPE(PersonFileKind)
Q_DECLARE_METATYPE(PersonFileStatus)

class TestPersonFile : public QObject
{
    Q_OBJECT

private slots:
    void savedPersonText_data();
    void savedPersonText();
    void savedPersonRoundTrip_data();
    void savedPersonRoundTrip();
    void recentListRoundTrip();
    void recentListSkipsOddLinesAndKeepsEight();
    void olderFormat_data();
    void olderFormat();
    void marksField_data();
    void marksField();
    void datesAsWritten_data();
    void datesAsWritten();
    void wrongFieldCount_data();
    void wrongFieldCount();
    void filesOnDisk();
    void refusedFiles_data();
    void refusedFiles();
    void failedSaveKeepsPreviousFile();

private:
    QTemporaryDir m_dir;
};

static const QDate FORECAST(2024, 6, 21);

// John with a partner and no pet, as typed into the overlay.
static PersonInput johnAndMary()
{
    PersonInput p;
    p.fullName = "John Quincy Smith";
    p.shortName = "John";
    p.birthDate = QDate(1990, 5, 17);
    p.female = false;
    p.partnerFullName = "Mary Ann Lee";
    p.partnerShortName = "Mary";
    p.partnerBirthDate = QDate(1991, 2, 1);
    p.petBirthDate = QDate(2000, 1, 1);
    p.fullMarks = {2, 1, 2, 2, 0, 2, 2, 1, 1, 2, 1, 0, 2, 2, 1, 2, 2};
    p.shortMarks = {2, 1, 2, 2};
    p.partnerFullMarks = {2, 1, 2, 1, 0, 1, 2, 2, 0, 2, 1, 1};
    p.partnerShortMarks = {2, 1, 2, 1};
    p.chaldean = true;
    return p;
}

static void compareInputs(const PersonInput &actual, const PersonInput &expected)
{
    QCOMPARE(actual.fullName, expected.fullName);
    QCOMPARE(actual.shortName, expected.shortName);
    QCOMPARE(actual.birthDate, expected.birthDate);
    QCOMPARE(actual.female, expected.female);
    QCOMPARE(actual.partnerFullName, expected.partnerFullName);
    QCOMPARE(actual.partnerShortName, expected.partnerShortName);
    QCOMPARE(actual.partnerBirthDate, expected.partnerBirthDate);
    QCOMPARE(actual.petName, expected.petName);
    QCOMPARE(actual.petBirthDate, expected.petBirthDate);
    QCOMPARE(actual.fullMarks, expected.fullMarks);
    QCOMPARE(actual.shortMarks, expected.shortMarks);
    QCOMPARE(actual.partnerFullMarks, expected.partnerFullMarks);
    QCOMPARE(actual.partnerShortMarks, expected.partnerShortMarks);
    QCOMPARE(actual.chaldean, expected.chaldean);
}

// --- the saved person --------------------------------------------------------

void TestPersonFile::savedPersonText_data()
{
    QTest::addColumn<PersonInput>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("partner without pet keeps 15 fields")
        << johnAndMary()
        << "17.05.1990,John Quincy Smith,John,1,01.02.1991,Mary Ann Lee,Mary,01.01.2000,,21.06.2024,"
           "21220221121022122,2122,212101220211,2121,1";

    PersonInput comma;
    comma.fullName = "  Smith,  John\tQ  ";
    comma.shortName = "J,o";
    comma.birthDate = QDate(1985, 12, 3);
    comma.petName = "Rex, the dog";
    comma.petBirthDate = QDate(2019, 7, 4);
    QTest::newRow("commas removed, white space simplified, female")
        << comma << "03.12.1985,Smith John Q,Jo,0,,,,04.07.2019,Rex the dog,21.06.2024,,,,,0";

    // Marks never run more than two digits past the typed name's length.
    PersonInput longMarks;
    longMarks.fullName = "Al";
    longMarks.birthDate = QDate(2001, 1, 9);
    longMarks.fullMarks = {1, 2, 1, 2, 1, 2};
    longMarks.shortMarks = {1, 2, 1};
    QTest::newRow("marks cut at the name's length plus two")
        << longMarks << "09.01.2001,Al,,0,,,,,,21.06.2024,1212,12,,,0";
}

void TestPersonFile::savedPersonText()
{
    QFETCH(PersonInput, typed);
    QFETCH(QString, expected);
    QCOMPARE(formatSavedPerson(typed, FORECAST), expected);
}

void TestPersonFile::savedPersonRoundTrip_data()
{
    QTest::addColumn<PersonInput>("typed");
    QTest::newRow("male, partner, Chaldean, marks") << johnAndMary();

    PersonInput woman;
    woman.fullName = "Anna Wade";
    woman.shortName = "Anna";
    woman.birthDate = QDate(1975, 11, 30);
    woman.female = true;
    woman.petName = "Rex";
    woman.petBirthDate = QDate(2015, 3, 8);
    woman.fullMarks = {1, 2, 2, 1, 0, 2, 1, 2, 1};
    QTest::newRow("female with a pet") << woman;

    PersonInput unicode;
    unicode.fullName = QString::fromUtf8("Zoë Ångström");
    unicode.birthDate = QDate(1999, 9, 9);
    QTest::newRow("UTF-8 names") << unicode;
}

void TestPersonFile::savedPersonRoundTrip()
{
    QFETCH(PersonInput, typed);
    const PersonFileContent read =
        parsePersonFile(formatSavedPerson(typed, FORECAST), PersonFileKind::SavedPerson);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    QCOMPARE(read.fieldCount, 15);
    QCOMPARE(read.persons.size(), 1);
    compareInputs(read.persons.first(), typed);
}

// --- the recent list ---------------------------------------------------------

void TestPersonFile::recentListRoundTrip()
{
    RecentEntry man = johnAndMary();
    man.fullName = "JOHN QUINCY SMITH"; // the recent list holds cleaned names
    man.fullMarks.append({1, 2, 1});    // longer than the name: cut on writing
    RecentEntry woman;
    woman.fullName = "ANNA WADE";
    woman.shortName = "ANNA";
    woman.birthDate = QDate(1975, 11, 30);
    woman.female = true;
    woman.partnerBirthDate = QDate(2000, 1, 1);
    woman.petBirthDate = QDate(2000, 1, 1);
    woman.shortMarks = {1, 2, 2, 1, 0, 0}; // other arrays are written in full

    const QString text = formatRecentList({man, woman}, FORECAST);
    const QStringList lines = text.split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(!text.endsWith('\n'));
    // The recent list's gender digit is the female flag, the opposite of "Save".
    QCOMPARE(lines.at(0).section(',', 3, 3), QStringLiteral("0"));
    QCOMPARE(lines.at(1).section(',', 3, 3), QStringLiteral("1"));
    QCOMPARE(lines.at(0).section(',', 10, 10).size(), man.fullName.size());
    QCOMPARE(lines.at(1).section(',', 11, 11), QStringLiteral("122100"));

    const PersonFileContent read = parsePersonFile(text, PersonFileKind::RecentList);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    QCOMPARE(read.persons.size(), 2);
    man.fullMarks.resize(man.fullName.size());
    compareInputs(read.persons.at(0), man);
    compareInputs(read.persons.at(1), woman);

    // Opened as a saved person, the same digit means the other gender.
    const PersonFileContent asSaved = parsePersonFile(text, PersonFileKind::SavedPerson);
    QCOMPARE(asSaved.persons.size(), 1);
    QCOMPARE(asSaved.persons.first().female, true);
}

void TestPersonFile::recentListSkipsOddLinesAndKeepsEight()
{
    QStringList lines;
    for (int i = 0; i < 12; ++i) {
        RecentEntry entry;
        entry.fullName = QStringLiteral("PERSON %1").arg(i);
        entry.birthDate = QDate(1980, 1, 1 + i);
        lines.append(formatRecentList({entry}, FORECAST));
        if (i == 1)
            lines.append(QStringLiteral("a,line,of,the,wrong,shape"));
    }
    lines.append(QString()); // a final line break
    const PersonFileContent read = parsePersonFile(lines.join('\n'), PersonFileKind::RecentList);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    QCOMPARE(read.persons.size(), MAX_RECENT_ENTRIES);
    QCOMPARE(read.persons.at(1).fullName, QStringLiteral("PERSON 1"));
    QCOMPARE(read.persons.at(2).fullName, QStringLiteral("PERSON 2"));
    QCOMPARE(read.persons.last().fullName, QStringLiteral("PERSON 7"));
}

// --- the older format and the marks rule --------------------------------------

void TestPersonFile::olderFormat_data()
{
    QTest::addColumn<QString>("genderField");
    QTest::addColumn<PersonFileKind>("kind");
    QTest::addColumn<bool>("female");
    // Field 4 is the gender box's index in both kinds; an index the box does
    // not have counts as the first entry, "Female".
    QTest::newRow("0, saved person") << "0" << PersonFileKind::SavedPerson << true;
    QTest::newRow("1, saved person") << "1" << PersonFileKind::SavedPerson << false;
    QTest::newRow("1, recent list") << "1" << PersonFileKind::RecentList << false;
    QTest::newRow("2 counts as 0") << "2" << PersonFileKind::SavedPerson << true;
    QTest::newRow("-1 counts as 0") << "-1" << PersonFileKind::SavedPerson << true;
    QTest::newRow("not a number") << "x" << PersonFileKind::SavedPerson << true;
}

void TestPersonFile::olderFormat()
{
    QFETCH(QString, genderField);
    QFETCH(PersonFileKind, kind);
    QFETCH(bool, female);
    const QString text = "17.05.1990,John Smith,John," + genderField +
                         ",01.02.1991,Mary Lee,Mary,08.03.2015,Rex,21.06.2024\nsecond,line";
    const PersonFileContent read = parsePersonFile(text, kind);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    QCOMPARE(read.fieldCount, 10);
    QCOMPARE(read.persons.size(), 1);
    const PersonInput &p = read.persons.first();
    QCOMPARE(p.female, female);
    QCOMPARE(p.birthDate, QDate(1990, 5, 17));
    QCOMPARE(p.fullName, QStringLiteral("John Smith"));
    QCOMPARE(p.partnerShortName, QStringLiteral("Mary"));
    QCOMPARE(p.partnerBirthDate, QDate(1991, 2, 1));
    QCOMPARE(p.petName, QStringLiteral("Rex"));
    QCOMPARE(p.petBirthDate, QDate(2015, 3, 8));
    QVERIFY(p.fullMarks.isEmpty());
    QVERIFY(!p.chaldean);
}

void TestPersonFile::marksField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QVector<int>>("expected");
    // clang-format off
    QTest::newRow("one per letter") << "Ray" << "121" << QVector<int>{1, 2, 1};
    QTest::newRow("exactly twice the name") << "Al" << "1212" << QVector<int>{1, 2, 1, 2};
    QTest::newRow("longer than twice: ignored") << "Al" << "12121" << QVector<int>{};
    QTest::newRow("marks without a name: ignored") << "" << "1" << QVector<int>{};
    QTest::newRow("a non-digit counts as 0") << "Ray" << "1x2" << QVector<int>{1, 0, 2};
    QTest::newRow("empty") << "Ray" << "" << QVector<int>{};
    // clang-format on
}

void TestPersonFile::marksField()
{
    QFETCH(QString, name);
    QFETCH(QString, marks);
    QFETCH(QVector<int>, expected);
    const QString text = "17.05.1990," + name + ",Ray,0,,,,,,," + marks + ",,,,0";
    const PersonFileContent read = parsePersonFile(text, PersonFileKind::SavedPerson);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    QCOMPARE(read.persons.first().fullMarks, expected);
}

void TestPersonFile::datesAsWritten_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QDate>("expected"); // null: no date
    QTest::newRow("as written") << "07.05.1990" << QDate(1990, 5, 7);
    QTest::newRow("leap day") << "29.02.2024" << QDate(2024, 2, 29);
    QTest::newRow("early year") << "01.01.0800" << QDate(800, 1, 1);
    QTest::newRow("no such day") << "29.02.2023" << QDate();
    QTest::newRow("month 13") << "01.13.2000" << QDate();
    QTest::newRow("single digits") << "7.5.1990" << QDate();
    QTest::newRow("other separator") << "07/05/1990" << QDate();
    QTest::newRow("blank in front") << " 7.05.1990" << QDate();
    QTest::newRow("year 0") << "01.01.0000" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestPersonFile::datesAsWritten()
{
    QFETCH(QString, field);
    QFETCH(QDate, expected);
    const PersonFileContent read =
        parsePersonFile(field + ",Ray,,0,,,,,,,,,,,0", PersonFileKind::SavedPerson);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    QCOMPARE(read.persons.first().birthDate, expected);
    if (expected.isValid())
        QCOMPARE(formatSavedPerson(read.persons.first(), QDate()).section(',', 0, 0), field);
}

void TestPersonFile::wrongFieldCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fieldCount");
    QTest::newRow("empty file") << "" << 1;
    QTest::newRow("plain text") << "Dear diary" << 1;
    QTest::newRow("14 fields") << "17.05.1990,John,John,0,,,,,,21.06.2024,,,," << 14;
    QTest::newRow("16 fields") << "17.05.1990,John,John,0,,,,,,21.06.2024,,,,,0," << 16;
    QTest::newRow("11 fields") << "17.05.1990,John,John,0,,,,,,21.06.2024," << 11;
    QTest::newRow("good second line does not help")
        << "header,line\n17.05.1990,John,John,0,,,,,,21.06.2024,,,,,0" << 2;
}

void TestPersonFile::wrongFieldCount()
{
    QFETCH(QString, text);
    QFETCH(int, fieldCount);
    for (const PersonFileKind kind : {PersonFileKind::SavedPerson, PersonFileKind::RecentList}) {
        const PersonFileContent read = parsePersonFile(text, kind);
        QCOMPARE(read.status, PersonFileStatus::WrongFormat);
        QCOMPARE(read.fieldCount, fieldCount);
        QVERIFY(read.persons.isEmpty());
    }
}

// --- files -------------------------------------------------------------------

void TestPersonFile::filesOnDisk()
{
    const QString saved = m_dir.filePath("john.num");
    QString error;
    QVERIFY2(saveSavedPerson(saved, johnAndMary(), FORECAST, &error), qPrintable(error));
    PersonFileContent read = readPersonFile(saved, PersonFileKind::SavedPerson);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    compareInputs(read.persons.first(), johnAndMary());

    const QString recent = m_dir.filePath("sorvel7.num");
    QVERIFY2(saveRecentList(recent, {johnAndMary()}, FORECAST, &error), qPrintable(error));
    read = readPersonFile(recent, PersonFileKind::RecentList);
    QCOMPARE(read.persons.size(), 1);
    QCOMPARE(read.persons.first().female, false);

    // A file edited elsewhere: byte order mark and CR LF line ends.
    const QString edited = m_dir.filePath("edited.num");
    QFile file(edited);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF" + formatSavedPerson(johnAndMary(), FORECAST).toUtf8() + "\r\n");
    file.close();
    read = readPersonFile(edited, PersonFileKind::SavedPerson);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    compareInputs(read.persons.first(), johnAndMary());
}

void TestPersonFile::refusedFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PersonFileStatus>("status");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing.num" << PersonFileStatus::CannotOpen << "No such file or directory";
    QTest::newRow("folder") << "folder" << PersonFileStatus::CannotOpen << "Is a directory";
    QTest::newRow("FIFO without a writer") << "fifo" << PersonFileStatus::CannotOpen << "not a regular file";
    QTest::newRow("larger than a person file")
        << "huge.num" << PersonFileStatus::WrongFormat << "larger than 1048576 bytes";
}

void TestPersonFile::refusedFiles()
{
    QFETCH(QString, name);
    QFETCH(PersonFileStatus, status);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(name);
    if (name == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (name == "fifo") {
        QVERIFY(QFile::exists(path) || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (name == "huge.num") {
        QVERIFY(writeFileChecked(path, formatSavedPerson(johnAndMary(), FORECAST).toUtf8() +
                                           QByteArray(int(MAX_PERSON_FILE_BYTES), ' ')));
    }
    const PersonFileContent read = readPersonFile(path, PersonFileKind::SavedPerson);
    QCOMPARE(read.status, status);
    QCOMPARE(read.reason, reason);
    QVERIFY(read.persons.isEmpty());
}

// A save killed before the rename leaves the previous person readable.
void TestPersonFile::failedSaveKeepsPreviousFile()
{
    const QString path = m_dir.filePath("kept.num");
    QVERIFY(saveSavedPerson(path, johnAndMary(), FORECAST));
    PersonInput other = johnAndMary();
    other.fullName = "Somebody Else";
    QString error;
    {
        CheckedFileWriter::InjectedFailure killed(CheckedFileWriter::Step::Rename, EINTR);
        QVERIFY(!saveSavedPerson(path, other, FORECAST, &error));
    }
    QCOMPARE(error, QStringLiteral("Interrupted system call"));
    const PersonFileContent read = readPersonFile(path, PersonFileKind::SavedPerson);
    QCOMPARE(read.status, PersonFileStatus::Ok);
    compareInputs(read.persons.first(), johnAndMary());
}

QTEST_GUILESS_MAIN(TestPersonFile)
#include "test_personfile.moc"
