// Binding printed pieces into one PDF: pages in order, the running footer on
// every page after the unnumbered ones, the document properties, and what a
// piece that is not a PDF does. The pieces are drawn with Qt's PDF writer
// and read back with poppler-utils.

#include "export/pdfbinder.h"
#include "export/popplertools.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A printed piece: one page for each label, the label written on it; a
// page labelled "-" has only a white background, one labelled "#" only a
// picture.
QByteArray piece(const QStringList &labels)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    for (int i = 0; i < labels.size(); ++i) {
        if (i > 0)
            writer.newPage();
        if (labels.at(i) == QLatin1String("-")) {
            painter.fillRect(QRectF(0, 0, writer.width(), writer.height()), Qt::white);
        } else if (labels.at(i) == QLatin1String("#")) {
            QImage picture(40, 40, QImage::Format_RGB32);
            picture.fill(Qt::blue);
            painter.drawImage(QPointF(200, 400), picture);
        } else {
            painter.drawText(QPointF(200, 400), labels.at(i));
        }
    }
    painter.end();
    return bytes;
}

} // namespace

class TestPdfBinder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageCount_data();
    void pageCount();
    void bindsInOrderWithFooterAndProperties();
    void withoutNameNoFooterAndWithoutTitleNoProperties();
    void blankPagesLeftOut_data();
    void blankPagesLeftOut();
    void pieceThatIsNotAPdf();
    void nothingToBind();

private:
    QString saved(const QByteArray &pdf, const QString &name);
    QString pageText(const QString &pdf, int page);
    QString info(const QString &pdf, const QString &field);

    QTemporaryDir m_dir;
};

void TestPdfBinder::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const char *tool : {"pdftotext", "pdfinfo"})
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), "poppler-utils are not installed");
}

QString TestPdfBinder::saved(const QByteArray &pdf, const QString &name)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return QString();
    return path;
}

QString TestPdfBinder::pageText(const QString &pdf, int page)
{
    return runTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"}).simplified();
}

QString TestPdfBinder::info(const QString &pdf, const QString &field)
{
    const QRegularExpressionMatch m =
        QRegularExpression("^" + field + ":\\s+(.*)$", QRegularExpression::MultilineOption)
            .match(runTool("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

void TestPdfBinder::pageCount_data()
{
    QTest::addColumn<QByteArray>("pdf");
    QTest::addColumn<int>("pages");
    QTest::newRow("one page") << piece({"A"}) << 1;
    QTest::newRow("three pages") << piece({"A", "B", "C"}) << 3;
    QTest::newRow("not a PDF") << QByteArray("<html>a report</html>") << -1;
    QTest::newRow("cut short") << piece({"A", "B"}).left(200) << -1;
}

void TestPdfBinder::pageCount()
{
    QFETCH(QByteArray, pdf);
    QFETCH(int, pages);
    QString error;
    QCOMPARE(pdfPageCount(pdf, &error), pages);
    QCOMPARE(error.isEmpty(), pages > 0);
}

// A one-page cover, a contents page and two parts of two and three pages:
// seven pages, numbered from the cover on, the cover without a footer.
void TestPdfBinder::bindsInOrderWithFooterAndProperties()
{
    PdfBinding binding;
    binding.pieces = {piece({"COVER"}), piece({"CONTENTS"}), piece({"FIRST-1", "FIRST-2"}),
                      piece({"SECOND-1", "SECOND-2", "SECOND-3"})};
    binding.unnumberedPages = 1;
    binding.clientName = QStringLiteral("Zoë Adams");
    binding.properties = PdfProperties::forClient(binding.clientName, QStringLiteral("Ann Example"));
    QString error;
    const QByteArray bound = bindPdf(binding, &error);
    QVERIFY2(!bound.isEmpty(), qPrintable(error));
    QCOMPARE(pdfPageCount(bound), 7);
    const QString pdf = saved(bound, "bound.pdf");
    QVERIFY(!pdf.isEmpty());

    const QStringList labels = {"COVER", "CONTENTS", "FIRST-1", "FIRST-2", "SECOND-1", "SECOND-2", "SECOND-3"};
    for (int page = 1; page <= labels.size(); ++page) {
        const QString text = pageText(pdf, page);
        QVERIFY2(text.contains(labels.at(page - 1)), qPrintable(QString("page %1: %2").arg(page).arg(text)));
        const bool footer = page > 1;
        QCOMPARE(text.contains(QString("page %1 of 7").arg(page)), footer);
        QCOMPARE(text.contains("Zoë Adams"), footer);
        if (!footer)
            QCOMPARE(text, QStringLiteral("COVER"));
    }
    QCOMPARE(info(pdf, "Title"), QStringLiteral("Numerology reading for Zoë Adams"));
    QCOMPARE(info(pdf, "Author"), QStringLiteral("Ann Example"));
    QVERIFY(info(pdf, "Creator").startsWith("Sorvel Numerology "));
    QCOMPARE(info(pdf, "Pages"), QStringLiteral("7"));
}

void TestPdfBinder::withoutNameNoFooterAndWithoutTitleNoProperties()
{
    PdfBinding binding;
    binding.pieces = {piece({"ONLY-1", "ONLY-2"})};
    QString error;
    const QByteArray bound = bindPdf(binding, &error);
    QVERIFY2(!bound.isEmpty(), qPrintable(error));
    const QString pdf = saved(bound, "plain.pdf");
    QCOMPARE(pageText(pdf, 1), QStringLiteral("ONLY-1"));
    QCOMPARE(pageText(pdf, 2), QStringLiteral("ONLY-2"));
    QCOMPARE(info(pdf, "Title"), QString());
    QCOMPARE(footerPageText(2, 9), QStringLiteral("page 2 of 9"));
}

void TestPdfBinder::blankPagesLeftOut_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("blank last page") << QStringList{"A", "B", "-"} << QStringList{"A", "B"};
    QTest::newRow("blank between") << QStringList{"A", "-", "B"} << QStringList{"A", "B"};
    QTest::newRow("picture alone") << QStringList{"A", "#"} << QStringList{"A", "#"};
    QTest::newRow("nothing but blank pages keeps one") << QStringList{"-", "-"} << QStringList{"-"};
}

// The pages the printer leaves over are neither counted nor bound; the
// footer numbers the pages that stay.
void TestPdfBinder::blankPagesLeftOut()
{
    QFETCH(QStringList, labels);
    QFETCH(QStringList, kept);
    const QByteArray printed = piece(labels);
    QCOMPARE(pdfPageCount(printed), kept.size());
    PdfBinding binding;
    binding.pieces = {printed};
    binding.clientName = QStringLiteral("Ann");
    QString error;
    const QByteArray bound = bindPdf(binding, &error);
    QVERIFY2(!bound.isEmpty(), qPrintable(error));
    const QString pdf = saved(bound, "kept.pdf");
    QCOMPARE(info(pdf, "Pages").toInt(), kept.size());
    for (int page = 1; page <= kept.size(); ++page) {
        const QString label = kept.at(page - 1);
        const QString expected = QStringLiteral("page %1 of %2").arg(page).arg(kept.size());
        const QString text = pageText(pdf, page);
        QVERIFY2(text.endsWith(expected), qPrintable(text));
        if (label != "-" && label != "#")
            QVERIFY2(text.startsWith(label), qPrintable(text));
    }
}

void TestPdfBinder::pieceThatIsNotAPdf()
{
    PdfBinding binding;
    binding.pieces = {piece({"A"}), QByteArray("not a PDF at all")};
    binding.clientName = QStringLiteral("Ann");
    QString error;
    QVERIFY(bindPdf(binding, &error).isEmpty());
    QVERIFY2(error.startsWith("the printed pages cannot be bound: "), qPrintable(error));
}

void TestPdfBinder::nothingToBind()
{
    QString error;
    QVERIFY(bindPdf(PdfBinding(), &error).isEmpty());
    QCOMPARE(error, QStringLiteral("the printed document has no pages"));
}

QTEST_MAIN(TestPdfBinder)
#include "test_pdfbinder.moc"
