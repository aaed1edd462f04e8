// The data folder: made when missing, and the three files the program
// keeps there.

#include "files/configfile.h"
#include "files/datafolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void folderIsMadeWhenMissing();
    void unwritableFolderIsNamedWithItsReason();
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

// A data folder that cannot be written (here a file stands where it should
// be, which stops root too): the save fails, and the message names the
// folder and the system's reason.
void TestDataFolder::unwritableFolderIsNamedWithItsReason()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QFile blocker(home.filePath("data"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString config = home.filePath("data/sorvel7.cfg");
    QString reason;
    QVERIFY(!saveConfig(config, AppConfig(), &reason));
    QCOMPARE(reason, QStringLiteral("Not a directory"));
    const QString message = unwritableDataFolderMessage(config, reason);
    QVERIFY2(message.contains(home.filePath("data") + ": Not a directory."), qPrintable(message));
    QVERIFY(message.contains("licence agreement is shown at every start"));
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
