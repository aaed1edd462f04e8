// sorvel-manualgen: the Markdown of the manual's pages, the rules that keep
// its worked examples checkable, and the book it writes.

#include "manualbook.h"
#include "markdown.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace manualgen;

class TestManualGen : public QObject
{
    Q_OBJECT

private slots:
    void markdown_data();
    void markdown();
    void sourceErrors_data();
    void sourceErrors();
    void rebase_data();
    void rebase();
    void bookWritesPagesAndDropsStaleOnes();
    void bookRefusesContentsWithoutStartPage();
};

void TestManualGen::markdown_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("html"); // a part of the result
    QTest::newRow("text escaped") << "a < b & c"
                                  << "<p>a &lt; b &amp; c</p>";
    QTest::newRow("entities and tags kept") << "5&nbsp;% <kbd>Ctrl</kbd>"
                                            << "<p>5&nbsp;% <kbd>Ctrl</kbd></p>";
    QTest::newRow("arithmetic is no emphasis") << "2 * 3 * 4"
                                               << "<p>2 * 3 * 4</p>";
    QTest::newRow("strong and emphasis") << "**a** *b*"
                                         << "<p><strong>a</strong> <em>b</em></p>";
    QTest::newRow("window caption") << "[[APPLY]]"
                                    << "<p><span class=\"ui\">APPLY</span></p>";
    QTest::newRow("link label ends at its bracket") << "[a] and [b](x.html)"
                                                    << "<p>[a] and <a href=\"x.html\">b</a></p>";
    QTest::newRow("list item continued") << "- one\n  two\n- three"
                                         << "<ul>\n<li>one two</li>\n<li>three</li>\n</ul>";
    QTest::newRow("ordered list") << "1. one\n2. two"
                                  << "<ol>\n<li>one</li>\n<li>two</li>\n</ol>";
    QTest::newRow("table alignment") << "| a | b |\n|:---:|---:|\n| 1 | 2 |"
                                     << "<tr><td class=\"c\">1</td><td class=\"r\">2</td></tr>";
    QTest::newRow("heading id from text") << "## Heart's Desire"
                                          << "<h2 id=\"hearts-desire\">Heart's Desire</h2>";
    QTest::newRow("heading id given") << "### Why {#why-not}"
                                      << "<h3 id=\"why-not\">Why</h3>";
    QTest::newRow("raw html untouched") << "<div class=\"x\">a < b\n</div>"
                                        << "<div class=\"x\">a < b\n</div>";
    QTest::newRow("example carries its arguments")
        << ":::example chart --full \"A B\" --birth 1990-05-17\n{{lifePath: 5}}\n:::"
        << "<aside class=\"example\" data-cli='[&quot;chart&quot;,&quot;--full&quot;,&quot;A B&quot;,"
           "&quot;--birth&quot;,&quot;1990-05-17&quot;]'>";
    QTest::newRow("checked number")
        << ":::example chart\nLP {{lifePathText: 8+5+1/19=14=5}}.\n:::"
        << "<p>LP <span class=\"num\" data-check=\"lifePathText\">8+5+1/19=14=5</span>.</p>";
    QTest::newRow("checked number with index") << ":::example matrix\n{{values[3]: 3}}\n:::"
                                               << "<span class=\"num\" data-check=\"values[3]\">3</span>";
}

void TestManualGen::markdown()
{
    QFETCH(QString, source);
    QFETCH(QString, html);
    const MarkdownResult result = markdownToHtml(source);
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join(QLatin1String("; "))));
    QVERIFY2(result.html.contains(html), qPrintable(result.html));
}

// Each of these would let a page show a number nobody checks, or break it.
void TestManualGen::sourceErrors_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("error");
    QTest::newRow("check outside an example") << "Life Path {{lifePath: 5}}"
                                              << "line 1: the checked number";
    QTest::newRow("raw check outside an example")
        << "text\n\n<span class=\"num\" data-check=\"lifePath\">5</span>"
        << "line 3: a checked number stands outside";
    QTest::newRow("example without a check") << ":::example chart\nno numbers\n:::"
                                             << "without a checked number";
    QTest::newRow("example without arguments") << ":::example\n{{lifePath: 5}}\n:::"
                                               << "names the sorvel-cli arguments";
    QTest::newRow("unbalanced quote") << ":::example chart --full \"A\n{{lifePath: 5}}\n:::"
                                      << "names the sorvel-cli arguments";
    QTest::newRow("malformed check") << ":::example chart\n{{lifePath 5}}\n:::"
                                     << "reads {{key: value}}";
    QTest::newRow("never closed") << ":::note\ntext"
                                  << "line 1: :::note is never closed";
    QTest::newRow("nested blocks") << ":::note\n:::tip\n:::"
                                   << ":::tip inside :::note";
    QTest::newRow("close without open") << "text\n:::"
                                        << "line 2: ::: closes nothing";
    QTest::newRow("unknown block") << ":::warning\ntext\n:::"
                                   << "unknown block :::warning";
    QTest::newRow("same id twice") << "## A\n\n## A"
                                   << "line 3: a second heading with the id \"a\"";
    QTest::newRow("table without rule") << "| a |\n| b |"
                                        << "line 1: a table's second line is its |---| rule";
    QTest::newRow("short table row") << "| a | b |\n|---|---|\n| 1 |"
                                     << "line 3: 1 cells where the rule has 2";
}

void TestManualGen::sourceErrors()
{
    QFETCH(QString, source);
    QFETCH(QString, error);
    const QStringList errors = markdownToHtml(source).errors;
    QVERIFY2(errors.join(QLatin1String("; ")).contains(error), qPrintable(errors.join(QLatin1String("; "))));
}

void TestManualGen::rebase_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("rebased");
    QTest::newRow("relative page") << "<a href=\"life-path.html#x\">"
                                   << "<a href=\"../life-path.html#x\">";
    QTest::newRow("relative picture") << "<img src=\"../doc/res01.jpg\">"
                                      << "<img src=\"../../doc/res01.jpg\">";
    QTest::newRow("fragment only") << "<a href=\"#top\">"
                                   << "<a href=\"#top\">";
    QTest::newRow("web address") << "<a href=\"https://example.org/\">"
                                 << "<a href=\"https://example.org/\">";
    QTest::newRow("mail") << "<a href=\"mailto:a@b.c\">"
                          << "<a href=\"mailto:a@b.c\">";
    QTest::newRow("absolute path") << "<img src=\"/usr/x.png\">"
                                   << "<img src=\"/usr/x.png\">";
    QTest::newRow("no attribute") << "<p data-href=\"x\">href=x</p>"
                                  << "<p data-href=\"x\">href=x</p>";
}

void TestManualGen::rebase()
{
    QFETCH(QString, html);
    QFETCH(QString, rebased);
    QCOMPARE(rebaseAddresses(html, QStringLiteral("../")), rebased);
}

static void writeSource(const QString &folder, const QString &name, const QString &text)
{
    QFile file(folder + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

static void writeSmallBook(const QString &folder, const QString &contents)
{
    writeSource(folder, QStringLiteral("contents.txt"), contents);
    writeSource(folder, QStringLiteral("index.md"),
                QStringLiteral("title: Manual\nsummary: All.\n\n@contents\n"));
    writeSource(
        folder, QStringLiteral("start.md"),
        QStringLiteral("title: Getting started\nsummary: Begin.\n\nSee [the numbers](numbers.html).\n"));
    writeSource(folder, QStringLiteral("numbers.md"),
                QStringLiteral("title: Numbers\nsummary: Them.\n\nText.\n"));
    writeSource(
        folder, QStringLiteral("template.html"),
        QStringLiteral("<title>{{title}}</title><link href=\"manual.css\">{{heading}}<nav>{{sidebar}}</nav>"
                       "{{body}}<nav>{{pager}}</nav>"));
    writeSource(folder, QStringLiteral("manual.css"), QStringLiteral("body {}"));
}

void TestManualGen::bookWritesPagesAndDropsStaleOnes()
{
    QTemporaryDir source;
    QTemporaryDir output;
    writeSmallBook(source.path(), QStringLiteral("[Basics]\nstart\nnumbers\n"));
    writeSource(output.path(), QStringLiteral("renamed-page.html"), QStringLiteral("old"));

    ManualBook book;
    QVERIFY2(book.load(source.path()) && book.write(output.path()),
             qPrintable(book.errors().join(QLatin1String("; "))));
    const QDir out(output.path());
    QVERIFY(!out.exists(QStringLiteral("renamed-page.html")));
    QVERIFY(out.exists(QStringLiteral("manual.css")));

    QFile index(out.filePath(QStringLiteral("index.html")));
    QVERIFY(index.open(QIODevice::ReadOnly));
    const QString indexHtml = QString::fromUtf8(index.readAll());
    QVERIFY(indexHtml.contains(QLatin1String("<a href=\"manual/start.html\">")));
    QVERIFY(indexHtml.contains(QLatin1String("<a class=\"next\" rel=\"next\" href=\"manual/start.html\">")));

    // The start-up guide's page lives one folder down and sees everything from there.
    QFile start(out.filePath(QStringLiteral("manual/start.html")));
    QVERIFY(start.open(QIODevice::ReadOnly));
    const QString startHtml = QString::fromUtf8(start.readAll());
    QVERIFY(startHtml.contains(QLatin1String("<link href=\"../manual.css\">")));
    QVERIFY(startHtml.contains(QLatin1String("<a href=\"../numbers.html\">the numbers</a>")));
    QVERIFY(startHtml.contains(QLatin1String("<li class=\"current\"><a href=\"../manual/start.html\">")));
}

void TestManualGen::bookRefusesContentsWithoutStartPage()
{
    QTemporaryDir source;
    writeSmallBook(source.path(), QStringLiteral("[Basics]\nnumbers\n"));
    ManualBook book;
    QVERIFY(!book.load(source.path()));
    QVERIFY2(book.errors().join(QLatin1Char(' ')).contains(QLatin1String("\"start\" is missing")),
             qPrintable(book.errors().join(QLatin1String("; "))));
}

QTEST_GUILESS_MAIN(TestManualGen)
#include "test_manualgen.moc"
