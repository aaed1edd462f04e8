// Where the program looks for its data: beside the executable in a build
// tree, under ../share/sorvel once installed, and what it names when neither
// holds anything.

#include "document/programfolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void layouts_data();
    void layouts();
    void installedTreeFoundThroughRelativeExecutablePath();
    void helperProgramFolder_data();
    void helperProgramFolder();
};

// Lays out entries under root: folders end in "/", everything else is an
// empty file.
static bool makeTree(const QTemporaryDir &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString path = root.filePath(entry);
        if (entry.endsWith(QLatin1Char('/'))) {
            if (!QDir().mkpath(path))
                return false;
        } else {
            QFile file(path);
            if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly))
                return false;
        }
    }
    return true;
}

// Each row lays out a small tree under a temporary root: "bin" is the
// executable's folder; folders end in "/", everything else is an empty file.
void TestProgramFolder::layouts_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expected"); // relative to the root

    QTest::newRow("build tree with the data file") << QStringList{"bin/eng.dat"} << "bin/";
    QTest::newRow("build tree with pictures only") << QStringList{"bin/images/"} << "bin/";
    QTest::newRow("installed") << QStringList{"bin/", "share/sorvel/images/"} << "share/sorvel/";
    QTest::newRow("installed, data folder still empty")
        << QStringList{"bin/", "share/sorvel/"} << "share/sorvel/";
    // A build tree next to an installed one: what is beside the program wins.
    QTest::newRow("both") << QStringList{"bin/eng.dat", "share/sorvel/eng.dat"} << "bin/";
    // Nothing anywhere: the build tree's place, so a missing-file message
    // names the folder beside the program.
    QTest::newRow("nothing") << QStringList{"bin/"} << "bin/";
    // A file called images is not the pictures' folder, and a file called
    // share/sorvel is not an installed tree.
    QTest::newRow("images is a file") << QStringList{"bin/images", "share/sorvel/"} << "share/sorvel/";
    QTest::newRow("share/sorvel is a file") << QStringList{"bin/", "share/sorvel"} << "bin/";
    // A folder called eng.dat is not the data file.
    QTest::newRow("eng.dat is a folder") << QStringList{"bin/eng.dat/", "share/sorvel/"} << "share/sorvel/";
}

void TestProgramFolder::layouts()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(makeTree(root, entries));
    QCOMPARE(programDataFolderFor(root.filePath(QStringLiteral("bin"))), root.filePath(expected));
}

// The executable's folder may come with a trailing slash or "." parts; the
// answer is a clean path ending in one slash.
void TestProgramFolder::installedTreeFoundThroughRelativeExecutablePath()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("usr/bin"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("usr/share/sorvel"))));
    QCOMPARE(programDataFolderFor(root.filePath(QStringLiteral("usr/./bin/"))),
             root.filePath(QStringLiteral("usr/share/sorvel/")));
}

// sorvel-cli's programs are installed in libexec/sorvel-numerology/ and
// read the same data as the window.
void TestProgramFolder::helperProgramFolder_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expected"); // relative to the root

    const QString helpers = QStringLiteral("libexec/sorvel-numerology/");
    QTest::newRow("installed") << QStringList{helpers, "share/sorvel/eng.dat"} << "share/sorvel/";
    QTest::newRow("nothing installed") << QStringList{helpers} << helpers;
    QTest::newRow("data beside the helper") << QStringList{helpers + "eng.dat", "share/sorvel/"} << helpers;
}

void TestProgramFolder::helperProgramFolder()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(makeTree(root, entries));
    QCOMPARE(programDataFolderFor(root.filePath(QStringLiteral("libexec/sorvel-numerology"))),
             root.filePath(expected));
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_programfolder.moc"
