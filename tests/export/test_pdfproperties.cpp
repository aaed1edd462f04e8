// The properties appended to a printed PDF: a new information dictionary and
// a trailer pointing back to the printer's, or nothing for a file that does
// not end as a printed PDF does. (test_cli_document reads them back from a
// real PDF with pdfinfo.)

#include "export/pdfproperties.h"

#include <QtTest>

namespace {

// A stream's binary bytes, NUL included, may sit close before the trailer.
const QByteArray PRINTED =
    QByteArray("%PDF-1.4\n2 0 obj\n<</Length 3>>stream\n\x01\0\x02\nendstream\nendobj\n", 58) +
    "1 0 obj\n<</Producer (Skia/PDF m87)>>\nendobj\n"
    "xref\n0 2\n0000000000 65535 f \n0000000009 00000 n \n"
    "trailer\n<</Size 9\n/Root 7 0 R\n/Info 1 0 R>>\nstartxref\n52\n%%EOF";

} // namespace

class TestPdfProperties : public QObject
{
    Q_OBJECT

private slots:
    void appendsAnUpdate();
    void refusesWhatIsNotAPrintedPdf_data();
    void refusesWhatIsNotAPrintedPdf();
};

void TestPdfProperties::appendsAnUpdate()
{
    const PdfProperties properties{QStringLiteral("Numerology reading for Zoë"), QStringLiteral("Ann"),
                                   QStringLiteral("Sorvel Numerology 1.0")};
    const QByteArray updated = withPdfProperties(PRINTED, properties);
    QVERIFY(updated.startsWith(PRINTED + '\n')); // the printed bytes stay as they were
    const QByteArray update = updated.mid(PRINTED.size() + 1);
    QVERIFY(update.startsWith("9 0 obj\n<</Title <FEFF"));
    // "ë" as UTF-16 big-endian.
    QVERIFY(update.contains("005A006F00EB>"));
    QVERIFY(update.contains("/Author <FEFF0041006E006E>"));
    QVERIFY(update.contains("/Root 7 0 R /Info 9 0 R /Prev 52>>"));
    QVERIFY(update.contains("/Size 10 "));
    // The new cross-reference entry and startxref point at the object and
    // the section.
    const int objectAt = PRINTED.size() + 1;
    QVERIFY(update.contains("xref\n9 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') +
                            " 00000 n \n"));
    const int xrefAt = updated.lastIndexOf("xref\n9 1");
    QVERIFY(updated.endsWith("startxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n"));

    // Without a practitioner there is no author.
    QVERIFY(!withPdfProperties(PRINTED, {"T", QString(), "C"}).contains("/Author"));
}

void TestPdfProperties::refusesWhatIsNotAPrintedPdf_data()
{
    QTest::addColumn<QByteArray>("pdf");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no startxref") << QByteArray(PRINTED).replace("startxref", "xrefstart");
    QTest::newRow("no trailer") << QByteArray(PRINTED).replace("trailer", "reliart");
    QTest::newRow("no root") << QByteArray(PRINTED).replace("/Root", "/Toor");
    QTest::newRow("cut short") << PRINTED.left(PRINTED.size() - 3);
}

void TestPdfProperties::refusesWhatIsNotAPrintedPdf()
{
    QFETCH(QByteArray, pdf);
    QVERIFY(withPdfProperties(pdf, {"T", "A", "C"}).isEmpty());
}

QTEST_GUILESS_MAIN(TestPdfProperties)
#include "test_pdfproperties.moc"
