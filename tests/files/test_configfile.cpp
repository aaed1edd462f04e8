// The configuration file: its stream format, every reading rule for old,
// damaged and cut files, and the choice between this version's file and the
// previous one's.

#include "files/checkedfilewriter.h"
#include "files/configfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

Q_DECLARE_METATYPE(ConfigVersion)
Q_DECLARE_METATYPE(AppConfig)

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void streamLayout();
    void wrongTag_data();
    void wrongTag();
    void optionBlock_data();
    void optionBlock();
    void truncatedStream_data();
    void truncatedStream();
    void fileWithoutNumerologist();
    void choiceOfFile();
    void failedSaveKeepsPreviousFile();

private:
    QTemporaryDir m_dir;
};

// Every value away from its default (the master mode is written as held but
// always read back as 0).
static AppConfig changedConfig()
{
    AppConfig config;
    config.lastUpdateCheck = QDateTime(QDate(2024, 6, 21), QTime(13, 45, 10));
    config.options.lifePathMethod1 = true;
    config.options.lifePathMethod2 = false;
    config.options.lifePathMethod3 = true;
    config.options.reduceEachWord = false;
    config.options.reduceMasterLetters = true;
    config.options.noSubstituteTransits = true;
    config.skipGuideDialog = true;
    config.styleIndex = 3;
    config.dayFirstDates = true;
    config.masterMode = 1;
    config.numerologist = QStringLiteral("Ada");
    config.numerologistContact = QStringLiteral("tel");
    config.logoPng = QByteArray("\x89PNG");
    return config;
}

static bool sameOptions(const CalcOptions &a, const CalcOptions &b)
{
    return a.lifePathMethod1 == b.lifePathMethod1 && a.lifePathMethod2 == b.lifePathMethod2 &&
           a.lifePathMethod3 == b.lifePathMethod3 && a.reduceEachWord == b.reduceEachWord &&
           a.reduceMasterLetters == b.reduceMasterLetters && a.noSubstituteTransits == b.noSubstituteTransits;
}

static void compareConfigs(const AppConfig &actual, const AppConfig &expected)
{
    QCOMPARE(actual.lastUpdateCheck, expected.lastUpdateCheck);
    QVERIFY(sameOptions(actual.options, expected.options));
    QCOMPARE(actual.skipGuideDialog, expected.skipGuideDialog);
    QCOMPARE(actual.styleIndex, expected.styleIndex);
    QCOMPARE(actual.dayFirstDates, expected.dayFirstDates);
    QCOMPARE(actual.masterMode, 0);
    QCOMPARE(actual.numerologist, expected.numerologist);
    QCOMPARE(actual.numerologistContact, expected.numerologistContact);
    QCOMPARE(actual.logoPng, expected.logoPng);
}

// The values in file order, for the tables of partly read streams.
enum ReadUpTo { NOTHING, LAST_CHECK, OPTIONS, SKIP_GUIDE, STYLE, DAY_FIRST, MASTER_MODE, NUMEROLOGIST, CONTACT, LOGO };

// The changed configuration's first `count` values over the defaults.
static AppConfig partlyRead(int count)
{
    const AppConfig changed = changedConfig();
    AppConfig config;
    if (count >= LAST_CHECK)
        config.lastUpdateCheck = changed.lastUpdateCheck;
    if (count >= OPTIONS)
        config.options = changed.options;
    if (count >= SKIP_GUIDE)
        config.skipGuideDialog = changed.skipGuideDialog;
    if (count >= STYLE)
        config.styleIndex = changed.styleIndex;
    if (count >= DAY_FIRST)
        config.dayFirstDates = changed.dayFirstDates;
    if (count >= NUMEROLOGIST)
        config.numerologist = changed.numerologist;
    if (count >= CONTACT)
        config.numerologistContact = changed.numerologistContact;
    if (count >= LOGO)
        config.logoPng = changed.logoPng;
    return config;
}

// A stream of the given values in the file's order, made without writeConfig.
static QByteArray stream(const QString &tag, const QByteArray *options, bool withNumerologist,
                         bool withContactAndLogo = true)
{
    const AppConfig c = changedConfig();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(12);
    out << tag << c.lastUpdateCheck;
    if (options)
        out << *options;
    out << c.skipGuideDialog << qint32(c.styleIndex) << c.dayFirstDates << qint32(c.masterMode);
    if (withNumerologist)
        out << c.numerologist;
    if (withNumerologist && withContactAndLogo)
        out << c.numerologistContact << c.logoPng;
    return bytes;
}

static const QByteArray CHANGED_OPTIONS("\x01\x00\x01\x00\x01\x01", 6);

void TestConfigFile::roundTrip_data()
{
    QTest::addColumn<AppConfig>("config");
    QTest::newRow("defaults") << AppConfig();
    QTest::newRow("every value changed") << changedConfig();
    AppConfig longName = changedConfig();
    longName.numerologist = QString::fromUtf8("Dr. Zoë Ångström-Quill, certified");
    longName.styleIndex = -5;
    QTest::newRow("name outside Latin-1, odd style") << longName;
}

void TestConfigFile::roundTrip()
{
    QFETCH(AppConfig, config);
    compareConfigs(readConfig(writeConfig(config), ConfigVersion::Current), config);
}

// Tag, last check and the values after it, byte for byte: a data stream of
// version 12, big-endian, strings as UTF-16.
void TestConfigFile::streamLayout()
{
    const QByteArray bytes = writeConfig(changedConfig());
    QCOMPARE(bytes.left(26), QByteArray("\0\0\0\x16\0T\0R\0U\0V\0N\0U\0M\0F\0I\0L\0E", 26));
    // The date time of version 12 is 9 bytes: day, milliseconds, time spec.
    const QByteArray rest("\0\0\0\x06"
                          "\x01\0\x01\0\x01\x01" // the six options
                          "\x01"                 // skip guide dialog
                          "\0\0\0\x03"           // style index
                          "\x01"                 // day-first dates
                          "\0\0\0\x01"           // master mode, as held
                          "\0\0\0\x06\0A\0d\0a" // numerologist
                          "\0\0\0\x06\0t\0e\0l" // contact line
                          "\0\0\0\x04\x89PNG",   // logo
                          48);
    QCOMPARE(bytes.mid(26 + 9), rest);
}

void TestConfigFile::wrongTag_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("one letter short") << stream("TRUVNUMFIL", &CHANGED_OPTIONS, true);
    QTest::newRow("lower case") << stream("truvnumfile", &CHANGED_OPTIONS, true);
    QTest::newRow("empty tag") << stream(QString(), &CHANGED_OPTIONS, true);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("not a stream") << QByteArray("[settings]\nstyle=3\n");
}

void TestConfigFile::wrongTag()
{
    QFETCH(QByteArray, bytes);
    compareConfigs(readConfig(bytes, ConfigVersion::Current), AppConfig());
}

void TestConfigFile::optionBlock_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ConfigVersion>("version");
    QTest::addColumn<bool>("optionsRead");
    const QByteArray five = CHANGED_OPTIONS.left(5);
    const QByteArray seven = CHANGED_OPTIONS + '\x01';
    QTest::newRow("six bytes") << stream("TRUVNUMFILE", &CHANGED_OPTIONS, true) << ConfigVersion::Current
                               << true;
    QTest::newRow("five bytes ignored")
        << stream("TRUVNUMFILE", &five, true) << ConfigVersion::Current << false;
    QTest::newRow("seven bytes ignored")
        << stream("TRUVNUMFILE", &seven, true) << ConfigVersion::Current << false;
    // The previous version's file has no options block at all.
    QTest::newRow("previous version")
        << stream("TRUVNUMFILE", nullptr, true) << ConfigVersion::Previous << false;
}

void TestConfigFile::optionBlock()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ConfigVersion, version);
    QFETCH(bool, optionsRead);
    AppConfig expected = changedConfig();
    if (!optionsRead)
        expected.options = CalcOptions();
    // The values after the block are read either way.
    compareConfigs(readConfig(bytes, version), expected);
}

void TestConfigFile::truncatedStream_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("readUpTo");
    // Offsets: tag 0-25, last check 26-34, options 35-44, skip guide 45,
    // style 46-49, day first 50, master mode 51-54, numerologist 55-64,
    // contact 65-74, logo 75-82.
    QTest::newRow("tag only") << 26 << int(NOTHING);
    QTest::newRow("inside the last check") << 30 << int(NOTHING);
    QTest::newRow("after the last check") << 35 << int(LAST_CHECK);
    QTest::newRow("inside the options") << 41 << int(LAST_CHECK);
    QTest::newRow("after the options") << 45 << int(OPTIONS);
    QTest::newRow("after skip guide") << 46 << int(SKIP_GUIDE);
    QTest::newRow("inside the style index") << 48 << int(SKIP_GUIDE);
    QTest::newRow("after the style index") << 50 << int(STYLE);
    QTest::newRow("after day first") << 51 << int(DAY_FIRST);
    QTest::newRow("inside the master mode") << 53 << int(DAY_FIRST);
    QTest::newRow("after the master mode") << 55 << int(MASTER_MODE);
    QTest::newRow("inside the numerologist") << 61 << int(MASTER_MODE);
    QTest::newRow("after the numerologist") << 65 << int(NUMEROLOGIST);
    QTest::newRow("inside the contact") << 70 << int(NUMEROLOGIST);
    QTest::newRow("after the contact") << 75 << int(CONTACT);
    QTest::newRow("inside the logo") << 81 << int(CONTACT);
    QTest::newRow("whole") << 83 << int(LOGO);
}

void TestConfigFile::truncatedStream()
{
    QFETCH(int, length);
    QFETCH(int, readUpTo);
    const QByteArray whole = writeConfig(changedConfig());
    QCOMPARE(whole.size(), 83);
    compareConfigs(readConfig(whole.left(length), ConfigVersion::Current), partlyRead(readUpTo));
}

// A file written before the numerologist's name existed.
void TestConfigFile::fileWithoutNumerologist()
{
    AppConfig expected = changedConfig();
    expected.numerologist.clear();
    expected.numerologistContact.clear();
    expected.logoPng.clear();
    compareConfigs(readConfig(stream("TRUVNUMFILE", &CHANGED_OPTIONS, false), ConfigVersion::Current),
                   expected);
    // One written with the name but before the contact line and the logo:
    // everything it has is read, and the new values keep their defaults.
    expected.numerologist = changedConfig().numerologist;
    compareConfigs(readConfig(stream("TRUVNUMFILE", &CHANGED_OPTIONS, true, false), ConfigVersion::Current),
                   expected);
    // And one with them all reads them all.
    compareConfigs(readConfig(stream("TRUVNUMFILE", &CHANGED_OPTIONS, true, true), ConfigVersion::Current),
                   changedConfig());
}

void TestConfigFile::choiceOfFile()
{
    QTemporaryDir dir;
    const QString current = dir.filePath("sorvel7.cfg");
    const QString previous = dir.filePath("sorvel6.cfg");

    // Nothing there: defaults, the last check at the start of 2000.
    AppConfig read = loadConfig(current, previous);
    compareConfigs(read, AppConfig());
    QCOMPARE(read.lastUpdateCheck, QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)));

    // Only the previous version's file: read without an options block.
    QVERIFY(writeFileChecked(previous, stream("TRUVNUMFILE", nullptr, false)));
    AppConfig fromPrevious = changedConfig();
    fromPrevious.options = CalcOptions();
    fromPrevious.numerologist.clear();
    fromPrevious.numerologistContact.clear();
    fromPrevious.logoPng.clear();
    compareConfigs(loadConfig(current, previous), fromPrevious);

    // This version's file wins once it can be opened ...
    QVERIFY(saveConfig(current, changedConfig()));
    compareConfigs(loadConfig(current, previous), changedConfig());

    // ... and a folder in its place is not a file that opens.
    QVERIFY(QFile::remove(current));
    QVERIFY(QDir().mkpath(current));
    compareConfigs(loadConfig(current, previous), fromPrevious);
}

void TestConfigFile::failedSaveKeepsPreviousFile()
{
    const QString path = m_dir.filePath("sorvel7.cfg");
    QVERIFY(saveConfig(path, changedConfig()));
    AppConfig other;
    other.styleIndex = 7;
    QString error;
    {
        CheckedFileWriter::InjectedFailure full(CheckedFileWriter::Step::Write, ENOSPC);
        QVERIFY(!saveConfig(path, other, &error));
    }
    QCOMPARE(error, QStringLiteral("No space left on device"));
    compareConfigs(loadConfig(path, QString()), changedConfig());
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "test_configfile.moc"
