// Chart template folders: the listing of a folder, the designer's file
// names (Chart, Chart0, Chart1, ...) and saving, which replaces only the
// user's own file and never leaves a half-written one; reading a template
// file, which refuses what is not a regular file before it can block.

#include "charts/chartdocument.h"
#include "charts/charttemplates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

void touch(const QString &path, const QByteArray &bytes = QByteArray("x"))
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ChartDocument titled(const QString &title)
{
    ChartDocument document;
    document.title = title;
    return document;
}

} // namespace

class TestChartTemplates : public QObject
{
    Q_OBJECT

private slots:
    void listing();
    void fileName_data();
    void fileName();
    void saveNewDocument();
    void saveNextFreeName();
    void saveReplacesOwnFile_data();
    void saveReplacesOwnFile();
    void saveKeepsShippedTemplate_data();
    void saveKeepsShippedTemplate();
    void failedCopyKeepsTheTitle();
    void saveFailures_data();
    void saveFailures();
    void readTemplateFile_data();
    void readTemplateFile();
};

// "*.snc" files in name order ignoring case, shown without ".snc".
void TestChartTemplates::listing()
{
    QTemporaryDir shipped;
    QTemporaryDir user;
    for (const char *name : {"beta.snc", "Alpha.snc", "notes.txt", "Gamma.snc"})
        touch(shipped.filePath(QLatin1String(name)));
    touch(user.filePath(QStringLiteral("Mine.snc")));
    QDir(shipped.path()).mkdir(QStringLiteral("folder.snc"));

    const QList<ChartTemplateEntry> entries = listAllChartTemplates(shipped.path(), user.path());
    QStringList names;
    for (const ChartTemplateEntry &entry : entries)
        names << entry.name + (entry.userOwned ? QStringLiteral(" (own)") : QString());
    QCOMPARE(names, (QStringList{"Alpha", "beta", "Gamma", "Mine (own)"}));
    QCOMPARE(entries.first().path, shipped.path() + QStringLiteral("/Alpha.snc"));
    QVERIFY(listChartTemplates(shipped.path() + QStringLiteral("/missing"), false).isEmpty());
}

void TestChartTemplates::fileName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("replaceable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free") << "Chart" << QStringList{} << ""
                          << "Chart.snc";
    QTest::newRow("Chart taken") << "Chart" << QStringList{"Chart.snc"} << ""
                                 << "Chart0.snc";
    QTest::newRow("Chart and Chart0 taken") << "Chart" << QStringList{"Chart.snc", "Chart0.snc"} << ""
                                            << "Chart1.snc";
    QTest::newRow("a gap") << "Chart" << QStringList{"Chart.snc", "Chart0.snc", "Chart2.snc"} << ""
                           << "Chart1.snc";
    QTest::newRow("the document's own file") << "Chart" << QStringList{"Chart.snc"} << "Chart.snc"
                                             << "Chart.snc";
    QTest::newRow("another name taken") << "Other" << QStringList{"Chart.snc"} << ""
                                        << "Other.snc";
    QTest::newRow("a slash in the title") << "Mine/Yours" << QStringList{} << ""
                                          << "Mine_Yours.snc";
}

void TestChartTemplates::fileName()
{
    QFETCH(QString, title);
    QFETCH(QStringList, existing);
    QFETCH(QString, replaceable);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    for (const QString &name : existing)
        touch(folder.filePath(name));
    const QString own = replaceable.isEmpty() ? QString() : folder.filePath(replaceable);
    QCOMPARE(chooseTemplateFileName(folder.path(), title, own), folder.filePath(expected));
}

void TestChartTemplates::saveNewDocument()
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("Sorvel Numerology/"));
    ChartDocument document = titled(QStringLiteral("Chart"));
    QVERIFY(saveChartTemplate(document, folder));
    const QString saved = QDir(folder).filePath(QStringLiteral("Chart.snc"));
    QCOMPARE(QFileInfo(document.fileName).absoluteFilePath(), QFileInfo(saved).absoluteFilePath());
    QCOMPARE(contents(saved), titled(QStringLiteral("Chart")).toBytes());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Chart.snc"});
}

// Chart.snc and Chart0.snc exist: the document titled Chart is saved as
// Chart1.snc and the others are untouched.
void TestChartTemplates::saveNextFreeName()
{
    QTemporaryDir folder;
    touch(folder.filePath(QStringLiteral("Chart.snc")), "first");
    touch(folder.filePath(QStringLiteral("Chart0.snc")), "second");
    ChartDocument document = titled(QStringLiteral("Chart"));
    QVERIFY(saveChartTemplate(document, folder.path()));
    QCOMPARE(QFileInfo(document.fileName).fileName(), QStringLiteral("Chart1.snc"));
    QCOMPARE(contents(folder.filePath(QStringLiteral("Chart.snc"))), QByteArray("first"));
    QCOMPARE(contents(folder.filePath(QStringLiteral("Chart0.snc"))), QByteArray("second"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 3);
}

void TestChartTemplates::saveReplacesOwnFile_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("files");
    // A document opened from Chart.snc keeps its name; retitled, it moves.
    QTest::newRow("same title") << "Chart" << QStringList{"Chart.snc"};
    QTest::newRow("new title") << "Renamed" << QStringList{"Renamed.snc"};
}

void TestChartTemplates::saveReplacesOwnFile()
{
    QFETCH(QString, title);
    QFETCH(QStringList, files);
    QTemporaryDir folder;
    const QString opened = folder.filePath(QStringLiteral("Chart.snc"));
    touch(opened, "old contents");
    ChartDocument document = titled(title);
    document.fileName = opened;
    QVERIFY(saveChartTemplate(document, folder.path()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), files);
    QCOMPARE(contents(document.fileName), titled(title).toBytes());
}

// A template opened from the shipped folder is saved as a new template of
// the user's, named as its copy unless it was given a title of its own;
// the shipped one stays as it was. Saved again, the copy replaces itself.
void TestChartTemplates::saveKeepsShippedTemplate_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("saved"); // the title, and the file name less ".snc"
    QTest::newRow("same name: a copy") << "Chart"
                                       << "Chart (copy)";
    QTest::newRow("a title of its own stays") << "My Card"
                                              << "My Card";
    QTest::newRow("a copy of a copy is not copied twice") << "Chart (copy)"
                                                          << "Chart (copy)";
}

void TestChartTemplates::saveKeepsShippedTemplate()
{
    QFETCH(QString, title);
    QFETCH(QString, saved);
    QTemporaryDir shipped;
    QTemporaryDir user;
    const QString opened =
        shipped.filePath(title == QLatin1String("Chart (copy)") ? QStringLiteral("Chart (copy).snc")
                                                                : QStringLiteral("Chart.snc"));
    touch(opened, "shipped");
    ChartDocument document = titled(title);
    document.fileName = opened;
    QVERIFY(saveChartTemplate(document, user.path()));
    QCOMPARE(contents(opened), QByteArray("shipped"));
    QCOMPARE(QFileInfo(document.fileName).absoluteDir(), QDir(user.path()));
    QCOMPARE(document.title, saved);
    QCOMPARE(QFileInfo(document.fileName).fileName(), saved + QStringLiteral(".snc"));
    QCOMPARE(contents(document.fileName), titled(saved).toBytes());
    QVERIFY(saveChartTemplate(document, user.path()));
    QCOMPARE(QDir(user.path()).entryList(QDir::Files), QStringList{saved + QStringLiteral(".snc")});
    QCOMPARE(document.title, saved);
}

// A save that fails leaves the title as it was.
void TestChartTemplates::failedCopyKeepsTheTitle()
{
    QTemporaryDir shipped;
    QTemporaryDir user;
    const QString opened = shipped.filePath(QStringLiteral("Chart.snc"));
    touch(opened, "shipped");
    // A folder where the copy's bytes would be written first.
    QVERIFY(QDir(user.path()).mkdir(QStringLiteral("Chart (copy).snc.000")));
    ChartDocument document = titled(QStringLiteral("Chart"));
    document.fileName = opened;
    QVERIFY(!saveChartTemplate(document, user.path()));
    QCOMPARE(document.title, QStringLiteral("Chart"));
    QCOMPARE(document.fileName, opened);
}

void TestChartTemplates::saveFailures_data()
{
    QTest::addColumn<bool>("unwritableFolder");
    QTest::addColumn<bool>("withoutPages");
    QTest::newRow("the folder cannot be made") << true << false;
    QTest::newRow("a document without pages") << false << true;
}

// "Can't save report!", nothing written, the document's file unchanged.
void TestChartTemplates::saveFailures()
{
    QFETCH(bool, unwritableFolder);
    QFETCH(bool, withoutPages);
    QTemporaryDir parent;
    touch(parent.filePath(QStringLiteral("a file")));
    const QString folder =
        unwritableFolder ? parent.filePath(QStringLiteral("a file/inside")) : parent.path();
    ChartDocument document = titled(QStringLiteral("Chart"));
    document.fileName = QStringLiteral("untitled.cvr");
    if (withoutPages)
        document.pageLists.front().clear();
    QString error;
    QVERIFY(!saveChartTemplate(document, folder, &error));
    QCOMPARE(error, QStringLiteral("Can't save report!"));
    QCOMPARE(document.fileName, QStringLiteral("untitled.cvr"));
    QCOMPARE(QDir(parent.path()).entryList(QDir::Files), QStringList{"a file"});
}

void TestChartTemplates::readTemplateFile_data()
{
    QTest::addColumn<QString>("name"); // made in the test's folder by readTemplateFile
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason"); // part of it
    QTest::newRow("a template") << "good.snc" << int(ChartTemplateRead::Ok) << "";
    QTest::newRow("missing") << "missing.snc" << int(ChartTemplateRead::CannotRead)
                             << "No such file or directory";
    QTest::newRow("a folder") << "folder.snc" << int(ChartTemplateRead::CannotRead) << "Is a directory";
    QTest::newRow("a FIFO without a writer") << "fifo.snc" << int(ChartTemplateRead::Refused)
                                             << "not a regular file";
    QTest::newRow("over the size limit") << "huge.snc" << int(ChartTemplateRead::Refused) << "larger than";
    QTest::newRow("not a template") << "notes.snc" << int(ChartTemplateRead::NotTemplate)
                                    << "not a chart template";
    QTest::newRow("cut short") << "cut.snc" << int(ChartTemplateRead::NotTemplate) << "damaged";
}

void TestChartTemplates::readTemplateFile()
{
    QFETCH(QString, name);
    QFETCH(int, status);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QByteArray bytes = titled(QStringLiteral("Read me")).toBytes();
    touch(folder.filePath(QStringLiteral("good.snc")), bytes);
    touch(folder.filePath(QStringLiteral("notes.snc")), "not a template at all");
    touch(folder.filePath(QStringLiteral("cut.snc")), bytes.left(bytes.size() / 2));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.snc")));
    QCOMPARE(mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("fifo.snc"))).constData(), 0600), 0);
    {
        // Sparse: no disk is spent on it.
        QFile huge(folder.filePath(QStringLiteral("huge.snc")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(MAX_TEMPLATE_FILE_BYTES + 1));
    }

    const QString path = folder.filePath(name);
    const ChartTemplateRead read = readChartTemplate(path);
    QCOMPARE(int(read.status), status);
    if (status == ChartTemplateRead::Ok) {
        QVERIFY(read.reason.isEmpty());
        QCOMPARE(read.document.title, QStringLiteral("Read me"));
        QCOMPARE(read.document.fileName, path);
        QCOMPARE(read.document.currentPage, read.document.firstPage());
    } else {
        QVERIFY2(read.reason.contains(reason), qPrintable(read.reason));
        // A refused file leaves a new document, never half a template.
        QCOMPARE(read.document.title, QStringLiteral("New report"));
        QCOMPARE(read.document.allPages().size(), size_t(1));
    }
}

QTEST_MAIN(TestChartTemplates)
#include "test_charttemplates.moc"
