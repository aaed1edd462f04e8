// The default suffix of exported files and the temporary document the PDF
// is printed from.

#include "export/exportfiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestExportFiles : public QObject
{
    Q_OBJECT

private slots:
    void defaultSuffix_data();
    void defaultSuffix();
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
