// The files export writes: complete or not at all, the default suffix and
// the temporary document the PDF is printed from.

#include "export/exportfiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestExportFiles : public QObject
{
    Q_OBJECT

private slots:
    void defaultSuffix_data();
    void defaultSuffix();
    void saveReplacesTheFile();
    void failedSaveGivesTheReason();
    void failedSaveKeepsThePreviousFile();
    void temporaryReportIsUtf8();
};

void TestExportFiles::defaultSuffix_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no suffix gets .html") << "/home/ann/report"
                                          << ".html"
                                          << "/home/ann/report.html";
    QTest::newRow("no suffix gets .png") << "/home/ann/chart"
                                         << ".png"
                                         << "/home/ann/chart.png";
    QTest::newRow("own suffix kept") << "/home/ann/report.htm"
                                     << ".html"
                                     << "/home/ann/report.htm";
    QTest::newRow("a dotted folder is no suffix") << "/home/ann/v1.2/report"
                                                  << ".pdf"
                                                  << "/home/ann/v1.2/report.pdf";
}

void TestExportFiles::defaultSuffix()
{
    QFETCH(QString, chosen);
    QFETCH(QString, suffix);
    QFETCH(QString, expected);
    QCOMPARE(withDefaultSuffix(chosen, suffix), expected);
}

void TestExportFiles::saveReplacesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.html");
    QVERIFY(saveExportBytes(path, "first"));
    QVERIFY(saveExportBytes(path, "second"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("second"));
}

void TestExportFiles::failedSaveGivesTheReason()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(!saveExportBytes(dir.filePath("no/such/folder/report.html"), "x", &error));
    QVERIFY(!error.isEmpty());
}

// A folder that takes no new file: the old one stays as it was.
void TestExportFiles::failedSaveKeepsThePreviousFile()
{
    if (geteuid() == 0)
        QSKIP("root writes into a read-only folder");
    QTemporaryDir dir;
    const QString path = dir.filePath("report.html");
    QVERIFY(saveExportBytes(path, "previous"));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QString error;
    const bool saved = saveExportBytes(path, "new", &error);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("previous"));
}

void TestExportFiles::temporaryReportIsUtf8()
{
    const QString html = QString::fromUtf8("<p>Zo\u00eb \u6771\u4eac</p>");
    const QString path = writeTemporaryReport(html);
    QVERIFY(!path.isEmpty());
    QVERIFY(QFileInfo(path).fileName().startsWith("report"));
    QVERIFY(path.endsWith(".html"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), html);
    file.close();
    QVERIFY(QFile::remove(path));
}

QTEST_GUILESS_MAIN(TestExportFiles)
#include "test_exportfiles.moc"
