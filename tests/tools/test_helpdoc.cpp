// sorvel-helpdoc: the help text read back into its parts, the manual page
// made of them (on a small help of our own, and on the real sorvel-cli and
// sorvel pages, which groff must read without a warning and which must hold
// every command), and the bash completion, run in bash.

#include "helptext.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString MAN_FOLDER = QStringLiteral(SORVEL_GENERATED_MAN);
const QString COMPLETION = QStringLiteral(SORVEL_GENERATED_COMPLETION);

// A help in the programs' layout with the cases the reader must tell apart.
const char *const SAMPLE_HELP = "Usage: tool COMMAND [OPTIONS]\n"
                                "       tool --help\n"
                                "\n"
                                "Does things from a terminal.\n"
                                "\n"
                                "Commands:\n"
                                "\n"
                                "  make --name TEXT --out FILE.png\n"
                                "       [--size N]\n"
                                "    Makes a picture.\n"
                                "    --name TEXT            the name; a back\\slash and\n"
                                "                           a second line\n"
                                "    --style plain|bold     how it looks\n"
                                "    --out FILE.png         where it goes\n"
                                "    Kinds:\n"
                                "      0  round\n"
                                "      1  square\n"
                                "  copy IN OUT\n"
                                "    .dots start this line\n"
                                "\n"
                                "Exit status: 0 success, 1 failure,\n"
                                "2 bad usage.\n";

QString run(const QString &program, const QStringList &args, const QString &folder = QString())
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, args);
    if (!process.waitForFinished(60000))
        return QStringLiteral("(did not finish)");
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

} // namespace

class TestHelpDoc : public QObject
{
    Q_OBJECT

private slots:
    void manPageOfSample();
    void generatedPagesRender_data();
    void generatedPagesRender();
    void completion_data();
    void completion();
};

void TestHelpDoc::manPageOfSample()
{
    helpdoc::ManPage page;
    page.program = QStringLiteral("tool");
    page.summary = QStringLiteral("makes pictures");
    page.version = QStringLiteral("Tool 1.0");
    page.seeAlso = QStringList{QStringLiteral("other")};
    const QString roff = helpdoc::manPage(page, helpdoc::parseHelp(QString::fromUtf8(SAMPLE_HELP)));
    const QStringList expected = {
        ".TH TOOL 1 \"\" \"Tool 1.0\" \"User Commands\"",
        ".SH NAME\ntool \\- makes pictures\n",
        ".SH SYNOPSIS\n.B tool\nCOMMAND [OPTIONS]\n.br\n.B tool\n\\-\\-help\n",
        ".SH DESCRIPTION\n.PP\nDoes things from a terminal.\n",
        ".SH \"COMMANDS\"\n",
        // The synopsis' second line joins the first.
        ".PP\n.B make \\-\\-name TEXT \\-\\-out FILE.png [\\-\\-size N]\n",
        ".RS 4\nMakes a picture.\n.RE\n",
        // Option text continued, a backslash escaped.
        ".TP\n.B \\-\\-name TEXT\nthe name; a back\\eslash and a second line\n",
        ".TP\n.B \\-\\-style plain|bold\nhow it looks\n",
        // A list under prose keeps a line per entry.
        ".RS 4\nKinds:\n.br\n0  round\n.br\n1  square\n.RE\n",
        // A line starting with a dot is text, not a request.
        ".PP\n.B copy IN OUT\n.RS 4\n\\&.dots start this line\n.RE\n",
        ".SH \"EXIT STATUS\"\n.PP\n0 success, 1 failure, 2 bad usage.\n",
        ".SH \"SEE ALSO\"\n.BR other (1)\n",
    };
    for (const QString &part : expected)
        QVERIFY2(roff.contains(part), qPrintable(QStringLiteral("missing:\n%1\nin:\n%2").arg(part, roff)));
}

void TestHelpDoc::generatedPagesRender_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("sorvel-cli") << "sorvel-cli";
    QTest::newRow("sorvel") << "sorvel";
}

// groff reads the page without a warning, and every synopsis line of the
// program's help (a command, or the program's own usage) is on the page.
void TestHelpDoc::generatedPagesRender()
{
    QFETCH(QString, program);
    const QString page = MAN_FOLDER + QLatin1Char('/') + program + QStringLiteral(".1");
    QVERIFY2(QFile::exists(page), qPrintable(page));
    QProcess groff;
    groff.start(QStringLiteral("groff"), {"-man", "-Tutf8", "-ww", "-rLL=200n", page});
    QVERIFY(groff.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(groff.readAllStandardError()), QString());
    // Rendered text without bold (backspace over-striking) and hyphenation.
    QString rendered = QString::fromUtf8(groff.readAllStandardOutput());
    rendered.remove(QRegularExpression(QStringLiteral(".\b")));
    rendered = rendered.simplified();

    const QString help = run(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, {"--help"});
    const helpdoc::HelpText parsed = helpdoc::parseHelp(help);
    QVERIFY(!parsed.usage.isEmpty());
    for (const QString &usage : parsed.usage)
        QVERIFY2(rendered.contains(usage.section(QLatin1Char(' '), 1)), qPrintable(usage));
    int synopses = 0;
    for (const helpdoc::HelpBlock &block : parsed.blocks) {
        if (block.kind == helpdoc::HelpBlock::Synopsis) {
            ++synopses;
            QVERIFY2(rendered.contains(block.text.simplified()), qPrintable(block.text));
        }
    }
    if (program == QLatin1String("sorvel-cli"))
        QVERIFY2(rendered.contains(QStringLiteral("batch CLIENTS.csv --out DIR")), qPrintable(rendered));
    else
        QCOMPARE(synopses, 0); // the window has no commands
}

void TestHelpDoc::completion_data()
{
    QTest::addColumn<QString>("line"); // what was typed, the last word being completed
    QTest::addColumn<QString>("offered");

    QTest::newRow("command") << "sorvel-cli bat"
                             << "batch";
    QTest::newRow("commands sharing a start") << "sorvel-cli ba"
                                              << "barcode batch";
    QTest::newRow("program's own options") << "sorvel-cli --"
                                           << "--help --version";
    QTest::newRow("second word") << "sorvel-cli texts "
                                 << "encode decode";
    QTest::newRow("a command's options") << "sorvel-cli batch --f"
                                         << "--forecast --format --force --find";
    QTest::newRow("choices of a value") << "sorvel-cli batch --format "
                                        << "json html pdf";
    QTest::newRow("choices, started") << "sorvel-cli chart --vowels u"
                                      << "universal";
    QTest::newRow("a free value: nothing") << "sorvel-cli chart --full "
                                           << "";
    QTest::newRow("a file value") << "sorvel-cli chart --person "
                                  << "clients.csv out";
    QTest::newRow("a folder value") << "sorvel-cli batch --out "
                                    << "out";
    QTest::newRow("the list itself") << "sorvel-cli batch cl"
                                     << "clients.csv";
    QTest::newRow("an option of another command") << "sorvel-cli chart --for"
                                                  << "--forecast";
}

void TestHelpDoc::completion()
{
    QFETCH(QString, line);
    QFETCH(QString, offered);
    QVERIFY2(QFile::exists(COMPLETION), qPrintable(COMPLETION));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("out")));
    QFile list(folder.filePath(QStringLiteral("clients.csv")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.close();

    // COMP_WORDS as bash fills it, the word being completed last (empty
    // after a space).
    QStringList words = line.split(QLatin1Char(' '));
    QString script = QStringLiteral("source '%1'\nCOMP_WORDS=(").arg(COMPLETION);
    for (const QString &word : words)
        script += QLatin1Char('\'') + word + QStringLiteral("' ");
    script += QStringLiteral(
                  ")\nCOMP_CWORD=%1\n_sorvel_cli\nprintf '%s\\n' \"${COMPREPLY[@]}\" | sort | tr '\\n' ' '\n")
                  .arg(words.size() - 1);
    const QString reply = run(QStringLiteral("bash"), {"-c", script}, folder.path()).trimmed();
    QStringList expected = offered.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    expected.sort();
    QCOMPARE(reply, expected.join(QLatin1Char(' ')));
}

QTEST_GUILESS_MAIN(TestHelpDoc)
#include "test_helpdoc.moc"
