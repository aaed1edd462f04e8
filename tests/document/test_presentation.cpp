// The presentation sheet is added on the way out, once, directly before the
// end of the head; a report without a head is left alone.

#include "document/presentation.h"

#include <QtTest>

class TestPresentation : public QObject
{
    Q_OBJECT

private slots:
    void insertion_data();
    void insertion();
    void sheetIsTheShippedOne();
};

void TestPresentation::insertion_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("expected"); // "@" stands for the sheet's element
    QTest::newRow("report") << "<html><head><title>R</title></head><body>x</body></html>"
                            << "<html><head><title>R</title>@</head><body>x</body></html>";
    QTest::newRow("only the first head") << "<head></head>a<head></head>" << "<head>@</head>a<head></head>";
    QTest::newRow("no head") << "<p>blank</p>" << "<p>blank</p>";
    QTest::newRow("empty") << "" << "";
}

void TestPresentation::insertion()
{
    QFETCH(QString, document);
    QFETCH(QString, expected);
    expected.replace(QLatin1Char('@'), presentationStyleElement());
    const QString styled = withPresentationStyle(document);
    QCOMPARE(styled, expected);
    QCOMPARE(withPresentationStyle(styled), styled); // a second pass adds nothing
}

void TestPresentation::sheetIsTheShippedOne()
{
    const QString element = presentationStyleElement();
    QVERIFY(element.startsWith(QLatin1String("<style type=\"text/css\" title=\"presentation\">")));
    QVERIFY(element.endsWith(QLatin1String("</style>\n")));
    QFile source(QStringLiteral(SORVEL_SOURCE_DIR "/data/styles/report-presentation.css"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QVERIFY(element.contains(QString::fromUtf8(source.readAll())));
}

QTEST_GUILESS_MAIN(TestPresentation)
#include "test_presentation.moc"
