// The checked writer: a save either completes or leaves the previous file as
// it was, with the system's reason; devices and FIFOs are written in place,
// a FIFO nobody reads fails instead of blocking, symbolic links are followed
// and kept; the program's own files refuse FIFOs and devices, and clear what
// killed saves left behind.

#include "files/checkedfilewriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

Q_DECLARE_METATYPE(CheckedFileWriter::Step)

class TestCheckedFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesNewAndReplacesOldFiles_data();
    void writesNewAndReplacesOldFiles();
    void keepsPermissions();
    void failureKeepsPreviousFile_data();
    void failureKeepsPreviousFile();
    void abandonedWriterLeavesNoTrace();
    void fullDeviceIsWrittenInPlace();
    void nullDeviceAndFifoAreWrittenInPlace();
    void fifoWithoutReaderFails();
    void ownFilesRefuseSpecialFiles_data();
    void ownFilesRefuseSpecialFiles();
    void staleTemporariesAreRemoved();
    void symbolicLinksAreFollowed_data();
    void symbolicLinksAreFollowed();
    void folderIsRefused();
    void fullFileSystem();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList folderEntries() const
    {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static void put(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), qint64(bytes.size()));
    }
    static mode_t fileType(const QString &file)
    {
        struct stat status;
        return ::lstat(QFile::encodeName(file).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCheckedFileWriter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCheckedFileWriter::writesNewAndReplacesOldFiles_data()
{
    QTest::addColumn<QByteArray>("previous"); // null: no file yet
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::newRow("new file") << QByteArray() << QByteArrayList{"one", " two"};
    QTest::newRow("longer file replaced")
        << QByteArray("old content that is longer") << QByteArrayList{"new"};
    QTest::newRow("emptied") << QByteArray("old") << QByteArrayList{};
}

void TestCheckedFileWriter::writesNewAndReplacesOldFiles()
{
    QFETCH(QByteArray, previous);
    QFETCH(QByteArrayList, pieces);
    const QString target = path("person.num");
    if (!previous.isNull())
        put(target, previous);

    CheckedFileWriter writer(target);
    for (const QByteArray &piece : pieces)
        QVERIFY(writer.write(piece));
    QVERIFY(writer.commit());
    QVERIFY(writer.errorString().isEmpty());
    QVERIFY(!writer.writesDirectly());
    QCOMPARE(contents(target), pieces.join());
    QCOMPARE(folderEntries(), QStringList{"person.num"}); // no temporary file left
}

void TestCheckedFileWriter::keepsPermissions()
{
    const QString target = path("private.cfg");
    put(target, "old");
    QVERIFY(::chmod(QFile::encodeName(target).constData(), 0640) == 0);
    QVERIFY(writeFileChecked(target, "new"));
    struct stat status;
    QVERIFY(::stat(QFile::encodeName(target).constData(), &status) == 0);
    QCOMPARE(int(status.st_mode & 07777), 0640);
    QCOMPARE(contents(target), QByteArray("new"));
}

void TestCheckedFileWriter::failureKeepsPreviousFile_data()
{
    QTest::addColumn<CheckedFileWriter::Step>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("hadPrevious");
    QTest::addColumn<QString>("reason");
    using Step = CheckedFileWriter::Step;
    QTest::newRow("cannot create") << Step::Open << int(EACCES) << true << "Permission denied";
    QTest::newRow("disk full while writing")
        << Step::Write << int(ENOSPC) << true << "No space left on device";
    QTest::newRow("disk full, new file") << Step::Write << int(ENOSPC) << false << "No space left on device";
    QTest::newRow("flush fails") << Step::Sync << int(EIO) << true << "Input/output error";
    QTest::newRow("killed before the rename")
        << Step::Rename << int(EINTR) << true << "Interrupted system call";
}

void TestCheckedFileWriter::failureKeepsPreviousFile()
{
    QFETCH(CheckedFileWriter::Step, step);
    QFETCH(int, error);
    QFETCH(bool, hadPrevious);
    QFETCH(QString, reason);
    const QString target = path("sorvel7.num");
    if (hadPrevious)
        put(target, "previous person");

    QString message;
    {
        CheckedFileWriter::InjectedFailure failure(step, error);
        QVERIFY(!writeFileChecked(target, QByteArray(10000, 'x'), &message));
    }
    QCOMPARE(message, reason);
    QCOMPARE(folderEntries(), hadPrevious ? QStringList{"sorvel7.num"} : QStringList());
    if (hadPrevious)
        QCOMPARE(contents(target), QByteArray("previous person"));

    // The seam is gone with its guard.
    QVERIFY(writeFileChecked(target, "next"));
    QCOMPARE(contents(target), QByteArray("next"));
}

void TestCheckedFileWriter::abandonedWriterLeavesNoTrace()
{
    const QString target = path("report.html");
    put(target, "previous");
    {
        CheckedFileWriter writer(target);
        QVERIFY(writer.write("half a report"));
        QCOMPARE(folderEntries().size(), 2); // the temporary file exists meanwhile
    }
    QCOMPARE(folderEntries(), QStringList{"report.html"});
    QCOMPARE(contents(target), QByteArray("previous"));
}

void TestCheckedFileWriter::fullDeviceIsWrittenInPlace()
{
    if (fileType("/dev/full") != S_IFCHR)
        QSKIP("this system has no /dev/full");
    CheckedFileWriter writer(QStringLiteral("/dev/full"));
    QVERIFY(!writer.write("report"));
    QVERIFY(!writer.commit());
    QVERIFY(writer.writesDirectly());
    QCOMPARE(writer.errorString(), QStringLiteral("No space left on device"));
    QCOMPARE(fileType("/dev/full"), mode_t(S_IFCHR));
}

void TestCheckedFileWriter::nullDeviceAndFifoAreWrittenInPlace()
{
    QString error;
    QVERIFY2(writeFileChecked(QStringLiteral("/dev/null"), "gone", &error), qPrintable(error));
    QCOMPARE(fileType("/dev/null"), mode_t(S_IFCHR));

    // A reader waits on the FIFO, so the writer's open does not block.
    const QString fifo = path("pipe");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QVERIFY2(writeFileChecked(fifo, "through the pipe", &error), qPrintable(error));
    char buffer[64] = {};
    const ssize_t got = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    QCOMPARE(QByteArray(buffer, int(got)), QByteArray("through the pipe"));
    QCOMPARE(fileType(fifo), mode_t(S_IFIFO));
    QCOMPARE(folderEntries(), QStringList{"pipe"});
}

// Nobody reads the FIFO: the writer waits a little for a reader, then gives
// up with a reason instead of blocking for ever.
void TestCheckedFileWriter::fifoWithoutReaderFails()
{
    const QString fifo = path("pipe");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    CheckedFileWriter writer(fifo);
    QVERIFY(!writer.write("nobody listens"));
    QVERIFY(!writer.commit());
    QVERIFY(writer.writesDirectly());
    QCOMPARE(writer.errorString(), QStringLiteral("No program reads from this FIFO"));
    QCOMPARE(fileType(fifo), mode_t(S_IFIFO));
    QCOMPARE(folderEntries(), QStringList{"pipe"});
}

void TestCheckedFileWriter::ownFilesRefuseSpecialFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO with a reader") << "fifo";
    QTest::newRow("device") << "device";
    QTest::newRow("link to a FIFO") << "link";
}

// The configuration and the recent list are written only as regular files:
// a FIFO or a device in their place is refused before it is opened, even
// while a reader waits on the FIFO, so the window never blocks at its end.
void TestCheckedFileWriter::ownFilesRefuseSpecialFiles()
{
    QFETCH(QString, kind);
    const QString fifo = path("sorvel7.num");
    QString target = fifo;
    int reader = -1;
    if (kind == "device") {
        target = QStringLiteral("/dev/null");
    } else {
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        if (kind == "link") {
            target = path("link.num");
            QVERIFY(QFile::link(fifo, target));
        }
    }
    const auto closeReader = qScopeGuard([reader] {
        if (reader >= 0)
            ::close(reader);
    });
    QString error;
    QVERIFY(!writeOwnFileChecked(target, "recent people", &error));
    QCOMPARE(error, QStringLiteral("Not a regular file"));
    if (reader >= 0) {
        char buffer[16];
        QCOMPARE(::read(reader, buffer, sizeof buffer), ssize_t(0)); // no writer ever came
        QCOMPARE(fileType(fifo), mode_t(S_IFIFO));
    }
    // A regular file, or none yet, is written as by every save.
    QVERIFY2(writeOwnFileChecked(path("sorvel7.cfg"), "settings", &error), qPrintable(error));
    QCOMPARE(contents(path("sorvel7.cfg")), QByteArray("settings"));
}

// A save killed between its temporary file and the rename leaves
// ".NAME.RANDOM.tmp"; the next save of the same file removes those that are
// old enough not to be another save's in progress, and nothing else.
void TestCheckedFileWriter::staleTemporariesAreRemoved()
{
    const auto putAged = [this](const QString &name, int ageSeconds) {
        put(path(name), "cut short");
        const timeval now{::time(nullptr) - ageSeconds, 0};
        const timeval times[2] = {now, now};
        QVERIFY(::utimes(QFile::encodeName(path(name)).constData(), times) == 0);
    };
    const int old = CheckedFile::STALE_TEMPORARY_SECONDS + 60;
    putAged(".sorvel7.num.k3j9a.tmp", old);  // a killed save: removed
    putAged(".sorvel7.num.z0.tmp", old);     // another: removed
    putAged(".sorvel7.num.q1w2.tmp", 5);     // a save in progress: kept
    putAged(".sorvel7.cfg.k3j9a.tmp", old);  // another file's: kept
    putAged(".sorvel7.num.K3-9.tmp", old);   // not a name the writer makes: kept
    putAged(".sorvel7.num.tmp", old);        // no random word: kept
    QString error;
    QVERIFY2(writeOwnFileChecked(path("sorvel7.num"), "recent people", &error), qPrintable(error));
    QCOMPARE(folderEntries(), (QStringList{".sorvel7.cfg.k3j9a.tmp", ".sorvel7.num.K3-9.tmp",
                                           ".sorvel7.num.q1w2.tmp", ".sorvel7.num.tmp", "sorvel7.num"}));
}

void TestCheckedFileWriter::symbolicLinksAreFollowed_data()
{
    QTest::addColumn<QStringList>("links"); // each link points to the next entry
    QTest::addColumn<QString>("finalTarget");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("relative link") << QStringList{"link.num"} << "data/person.num" << true;
    QTest::newRow("chain of links") << QStringList{"first", "data/second"} << "data/person.num" << true;
    QTest::newRow("dangling link") << QStringList{"link.num"} << "data/new.num" << false;
}

void TestCheckedFileWriter::symbolicLinksAreFollowed()
{
    QFETCH(QStringList, links);
    QFETCH(QString, finalTarget);
    QFETCH(bool, targetExists);
    QVERIFY(QDir(m_dir->path()).mkdir("data"));
    if (targetExists)
        put(path(finalTarget), "old");
    // Each link holds a path relative to its own folder.
    QStringList chain = links;
    chain.append(finalTarget);
    for (int i = 0; i < links.size(); ++i) {
        const QString relative = QFileInfo(path(chain.at(i))).dir().relativeFilePath(path(chain.at(i + 1)));
        QVERIFY(::symlink(QFile::encodeName(relative).constData(),
                          QFile::encodeName(path(chain.at(i))).constData()) == 0);
    }

    QString error;
    QVERIFY2(writeFileChecked(path(links.first()), "new", &error), qPrintable(error));
    QCOMPARE(contents(path(finalTarget)), QByteArray("new"));
    QCOMPARE(fileType(path(finalTarget)), mode_t(S_IFREG));
    for (const QString &link : links)
        QCOMPARE(fileType(path(link)), mode_t(S_IFLNK));
    // The data folder holds the final target and the links kept there; no
    // temporary file.
    QStringList expected{QFileInfo(finalTarget).fileName()};
    for (const QString &link : links)
        if (link.startsWith("data/"))
            expected.append(QFileInfo(link).fileName());
    expected.sort();
    QCOMPARE(
        QDir(path("data"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
        expected);
}

void TestCheckedFileWriter::folderIsRefused()
{
    QString error;
    QVERIFY(!writeFileChecked(m_dir->path(), "x", &error));
    QCOMPARE(error, QStringLiteral("Is a directory"));
    QVERIFY(!writeFileChecked(path("no/such/folder/x.num"), "x", &error));
    QCOMPARE(error, QStringLiteral("No such file or directory"));
    QVERIFY(!writeFileChecked(QString(), "x", &error));
}

// A real full disk: a 64 KiB tmpfs, mounted only when the test runs as root.
void TestCheckedFileWriter::fullFileSystem()
{
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    const QString mountPoint = path("small");
    QVERIFY(QDir(m_dir->path()).mkdir("small"));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
        QSKIP("cannot mount a tmpfs here");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mountPoint}); });

    const QString target = mountPoint + "/sorvel7.num";
    put(target, "previous person");
    QString error;
    QVERIFY(!writeFileChecked(target, QByteArray(200 * 1024, 'x'), &error));
    QCOMPARE(error, QStringLiteral("No space left on device"));
    QCOMPARE(contents(target), QByteArray("previous person"));
    QCOMPARE(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden), QStringList{"sorvel7.num"});
    // What fits still goes in.
    QVERIFY2(writeFileChecked(target, QByteArray(16 * 1024, 'y'), &error), qPrintable(error));
    QCOMPARE(contents(target).size(), 16 * 1024);
}

QTEST_GUILESS_MAIN(TestCheckedFileWriter)
#include "test_checkedfilewriter.moc"
