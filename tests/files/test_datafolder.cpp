// The data folder: made when missing, and the three files the program
// keeps there.

#include "files/datafolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void folderIsMadeWhenMissing();
};

void TestDataFolder::folderIsMadeWhenMissing()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    // The platform's data location follows XDG_DATA_HOME on this system.
    const QString dataHome = home.filePath("not/yet/there");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    QCoreApplication::setApplicationName("sorvel");

    const QString folder = dataFolder();
    QVERIFY2(folder.startsWith(dataHome + "/"), qPrintable(folder));
    QVERIFY(folder.endsWith('/'));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(configFilePath(), folder + "sorvel7.cfg");
    QCOMPARE(previousConfigFilePath(), folder + "sorvel6.cfg");
    QCOMPARE(recentListPath(), folder + "sorvel7.num");
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
