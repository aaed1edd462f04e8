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
};

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
    for (const QString &entry : entries) {
        const QString path = root.filePath(entry);
        if (entry.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
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

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_programfolder.moc"
