// The manual the build writes into images/manual/: the pages the program
// opens exist, every page of the contents exists, every internal link and
// picture resolves, and every worked example shows the numbers sorvel-cli
// prints for its person.

#include "cli/clirunner.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString manualFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/manual");
}

QString readPage(const QString &relativePath)
{
    QFile file(manualFolder() + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Every page of the manual, as paths below the manual folder.
QStringList allPages()
{
    QStringList pages;
    QDirIterator it(manualFolder(), {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << QDir(manualFolder()).relativeFilePath(it.next());
    pages.sort();
    return pages;
}

// Text of an HTML element or attribute back to plain text.
QString unescapeHtml(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QStringList addresses(const QString &html)
{
    static const QRegularExpression address(QStringLiteral("(?<![\\w-])(?:href|src)=\"([^\"]*)\""));
    QStringList found;
    QRegularExpressionMatchIterator it = address.globalMatch(html);
    while (it.hasNext())
        found << unescapeHtml(it.next().captured(1));
    return found;
}

// Why the relative address does not resolve from the page, or empty when it
// does: the file must exist and a #fragment must name an id in it.
QString brokenAddress(const QString &page, const QString &address)
{
    const int hash = address.indexOf(QLatin1Char('#'));
    const QString path = hash < 0 ? address : address.left(hash);
    const QString fragment = hash < 0 ? QString() : address.mid(hash + 1);
    const QString pageFolder = QFileInfo(manualFolder() + QLatin1Char('/') + page).absolutePath();
    const QString target =
        path.isEmpty() ? manualFolder() + QLatin1Char('/') + page : QDir(pageFolder).absoluteFilePath(path);
    QFile file(target);
    if (!file.open(QIODevice::ReadOnly))
        return address + QLatin1String(": no such file");
    if (!fragment.isEmpty() &&
        !QString::fromUtf8(file.readAll()).contains(QLatin1String("id=\"") + fragment + QLatin1Char('"')))
        return address + QLatin1String(": no element with this id");
    return QString();
}

struct CheckedNumber
{
    QString key; // "lifePathText", "values[3]"
    QString shown;
};

QList<CheckedNumber> checkedNumbers(const QString &html)
{
    static const QRegularExpression check(
        QStringLiteral("<span class=\"num\" data-check=\"([^\"]+)\">([^<]*)</span>"));
    QList<CheckedNumber> found;
    QRegularExpressionMatchIterator it = check.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        found.append({match.captured(1), unescapeHtml(match.captured(2))});
    }
    return found;
}

// The value a key names in sorvel-cli's JSON, as the manual would write it;
// a null string when the key names nothing.
QString jsonValue(const QJsonObject &object, const QString &key)
{
    static const QRegularExpression form(QStringLiteral("^(\\w+)(?:\\[(\\d+)\\])?$"));
    const QRegularExpressionMatch match = form.match(key);
    if (!match.hasMatch() || !object.contains(match.captured(1)))
        return QString();
    QJsonValue value = object.value(match.captured(1));
    if (!match.captured(2).isEmpty()) {
        const int index = match.captured(2).toInt();
        if (value.isString())
            return value.toString().mid(index, 1);
        value = value.toArray().at(index);
    }
    if (value.isDouble())
        return QString::number(value.toInt());
    return value.isString() ? value.toString() : QString();
}

// One row per page of the manual.
void addPageRows()
{
    QTest::addColumn<QString>("page");
    const QStringList pages = allPages();
    QVERIFY(!pages.isEmpty());
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << page;
}

const QRegularExpression &exampleForm()
{
    static const QRegularExpression form(
        QStringLiteral("<aside class=\"example\" data-cli='([^']*)'>(.*?)</aside>"),
        QRegularExpression::DotMatchesEverythingOption);
    return form;
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT

private slots:
    void pagesTheProgramOpens();
    void contentsPagesExist();
    void linksResolve_data() { addPageRows(); }
    void linksResolve();
    void checkedNumbersSitInExamples_data() { addPageRows(); }
    void checkedNumbersSitInExamples();
    void workedExamples_data();
    void workedExamples();
};

// The Guide page opens index.html, the start-up guide manual/start.html.
void TestManual::pagesTheProgramOpens()
{
    QVERIFY2(readPage(QStringLiteral("index.html")).contains(QLatin1String("<ul class=\"toc\">")),
             qPrintable(manualFolder()));
    QVERIFY(
        readPage(QStringLiteral("manual/start.html")).contains(QLatin1String("<h1>Getting started</h1>")));
}

void TestManual::contentsPagesExist()
{
    static const QRegularExpression list(QStringLiteral("<ul class=\"toc\">(.*?)</ul>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QString index = readPage(QStringLiteral("index.html"));
    QStringList linked;
    QRegularExpressionMatchIterator it = list.globalMatch(index);
    while (it.hasNext()) {
        for (const QString &address : addresses(it.next().captured(1))) {
            if (address.endsWith(QLatin1String(".html")))
                linked << address;
        }
    }
    QVERIFY2(linked.size() >= 10, qPrintable(linked.join(QLatin1Char(' '))));
    QVERIFY(linked.contains(QStringLiteral("manual/start.html")));
    QStringList missing;
    for (const QString &page : linked) {
        if (!QFileInfo::exists(manualFolder() + QLatin1Char('/') + page))
            missing << page;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
}

void TestManual::linksResolve()
{
    QFETCH(QString, page);
    static const QRegularExpression external(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    QStringList broken;
    for (const QString &address : addresses(readPage(page))) {
        // The manual is read offline: an address with a scheme (a web page,
        // an e-mail address) is no internal link.
        if (external.match(address).hasMatch())
            continue;
        const QString reason = brokenAddress(page, address);
        if (!reason.isEmpty())
            broken << reason;
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1String("; "))));
}

// A number outside a worked example would be shown without being checked.
void TestManual::checkedNumbersSitInExamples()
{
    QFETCH(QString, page);
    const QString html = readPage(page);
    int inExamples = 0;
    QRegularExpressionMatchIterator it = exampleForm().globalMatch(html);
    while (it.hasNext())
        inExamples += checkedNumbers(it.next().captured(2)).size();
    QCOMPARE(checkedNumbers(html).size(), inExamples);
}

void TestManual::workedExamples_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("example");
    int examples = 0;
    for (const QString &page : allPages()) {
        QRegularExpressionMatchIterator it = exampleForm().globalMatch(readPage(page));
        for (int n = 1; it.hasNext(); ++n) {
            const QRegularExpressionMatch match = it.next();
            const QJsonArray args = QJsonDocument::fromJson(unescapeHtml(match.captured(1)).toUtf8()).array();
            QStringList arguments;
            for (const QJsonValue &arg : args)
                arguments << arg.toString();
            QTest::addRow("%s #%d", qPrintable(page), n) << arguments << match.captured(2);
            ++examples;
        }
    }
    QVERIFY(examples > 0);
}

void TestManual::workedExamples()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, example);
    const QList<CheckedNumber> numbers = checkedNumbers(example);
    QVERIFY(!numbers.isEmpty());

    const CliRun run = runCli(arguments);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QJsonObject json = run.json();
    QStringList wrong;
    for (const CheckedNumber &number : numbers) {
        const QString printed = jsonValue(json, number.key);
        if (printed != number.shown)
            wrong << QStringLiteral("%1 shows \"%2\", sorvel-cli prints \"%3\"")
                         .arg(number.key, number.shown,
                              printed.isNull() ? QStringLiteral("(nothing)") : printed);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(arguments.join(QLatin1Char(' ')) + QLatin1String(": ") +
                                         wrong.join(QLatin1String("; "))));
}

QTEST_GUILESS_MAIN(TestManual)
#include "test_manual.moc"
