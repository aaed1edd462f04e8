// sorvel-cli is a launcher and two programs: which one runs a command, what
// each loads, and that a QR Code written by the launcher itself is the file
// the program would write.

#include "clirunner.h"
#include "cli/commandlist.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

QString binary(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// The shared libraries a program names as needed, from readelf.
QStringList neededLibraries(const QString &program)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), program});
    if (!readelf.waitForFinished(30000) || readelf.exitCode() != 0)
        return {QStringLiteral("(readelf failed)")};
    QStringList needed;
    const QStringList lines = QString::fromUtf8(readelf.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.contains(QLatin1String("(NEEDED)")))
            needed.append(line.section(QLatin1Char('['), 1).section(QLatin1Char(']'), 0, 0));
    }
    return needed;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCliPrograms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void programsLoadWhatTheyUse();
    void commandsReachTheirProgram_data();
    void commandsReachTheirProgram();
    void plainQrMatchesTheProgram_data();
    void plainQrMatchesTheProgram();

private:
    QTemporaryDir m_dir;
};

void TestCliPrograms::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

// The launcher loads no Qt; the text program no Qt GUI.
void TestCliPrograms::programsLoadWhatTheyUse()
{
    const QStringList launcher = neededLibraries(binary(QStringLiteral("sorvel-cli")));
    QVERIFY2(launcher.filter(QStringLiteral("Qt5")).isEmpty(), qPrintable(launcher.join(' ')));
    const QStringList core = neededLibraries(binary(QStringLiteral("sorvel-cli-core")));
    QVERIFY2(core.contains(QStringLiteral("libQt5Core.so.5")), qPrintable(core.join(' ')));
    QVERIFY2(core.filter(QStringLiteral("Qt5Gui")).isEmpty(), qPrintable(core.join(' ')));
    const QStringList draw = neededLibraries(binary(QStringLiteral("sorvel-cli-draw")));
    QVERIFY2(draw.contains(QStringLiteral("libQt5Gui.so.5")), qPrintable(draw.join(' ')));
}

void TestCliPrograms::commandsReachTheirProgram_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("program"); // empty: the launcher does it alone

    const QStringList person = {"--full", "Ada Reed", "--birth", "1990-05-17"};
    const QString out = m_dir.filePath(QStringLiteral("alone.png"));
    QTest::newRow("chart") << QStringList{"chart"} + person << "sorvel-cli-core";
    QTest::newRow("matrix") << QStringList{"matrix"} + person << "sorvel-cli-core";
    // The client book needs Qt SQL, which the text program does not load.
    QTest::newRow("chart of a client") << QStringList{"chart", "--client", "3"} << "sorvel-cli-draw";
    QTest::newRow("compat of a client, joined") << QStringList{"compat", "--client=3"} << "sorvel-cli-draw";
    QTest::newRow("texts") << QStringList{"texts", "dump", "x.dat"} << "sorvel-cli-core";
    QTest::newRow("plain QR Code") << QStringList{"barcode", "--kind", "0", "--text", "HELLO", "--out", out}
                                   << "";
    QTest::newRow("plain QR Code, joined options")
        << QStringList{"barcode", "--kind=0", "--text=HELLO", "--color=#336699", "--out=" + out} << "";
    // What the launcher leaves to the program: text the locale decides how
    // to read, and every mistake, which the program explains.
    QTest::newRow("QR Code beyond ASCII")
        << QStringList{"barcode", "--kind", "0", "--text", QString::fromUtf8("Zo\u00eb"), "--out", out}
        << "sorvel-cli-core";
    QTest::newRow("QR Code, colour by name")
        << QStringList{"barcode", "--kind", "0", "--text", "A", "--color", "red", "--out", out}
        << "sorvel-cli-core";
    QTest::newRow("QR Code, option twice")
        << QStringList{"barcode", "--kind", "0", "--text", "A", "--text", "B", "--out", out}
        << "sorvel-cli-core";
    QTest::newRow("QR Code without --out")
        << QStringList{"barcode", "--kind", "0", "--text", "A"} << "sorvel-cli-core";
    QTest::newRow("QR Code, text too long")
        << QStringList{"barcode", "--kind", "0", "--text", QString(3000, QLatin1Char('x')), "--out", out}
        << "sorvel-cli-core";
    QTest::newRow("QR Code help") << QStringList{"barcode", "--kind", "0", "--help"} << "sorvel-cli-core";
    QTest::newRow("Code 128") << QStringList{"barcode", "--kind", "2", "--text", "A", "--out", out}
                              << "sorvel-cli-draw";
    QTest::newRow("pdf") << QStringList{"pdf"} + person + QStringList{"--out", "x.pdf"} << "sorvel-cli-draw";
    QTest::newRow("batch") << QStringList{"batch", "clients.csv"} << "sorvel-cli-draw";
    QTest::newRow("help") << QStringList{"--help"} << "sorvel-cli-draw";
    QTest::newRow("version") << QStringList{"--version"} << "sorvel-cli-draw";
    QTest::newRow("nothing") << QStringList{} << "sorvel-cli-draw";
    QTest::newRow("unknown command") << QStringList{"horoscope"} << "sorvel-cli-draw";

    // Every listed command reaches the program it is listed for; barcode
    // is decided by its kind above.
#define LISTED_ROW(name, Stem, program)                                                        \
    if (std::strcmp(name, "barcode") != 0)                                                     \
        QTest::addRow("listed: %s", name) << QStringList{name} << program;
#define TEXT_ROW(name, Stem) LISTED_ROW(name, Stem, "sorvel-cli-core")
#define DRAWING_ROW(name, Stem) LISTED_ROW(name, Stem, "sorvel-cli-draw")
    SORVEL_CLI_TEXT_COMMANDS(TEXT_ROW)
    SORVEL_CLI_DRAWING_COMMANDS(DRAWING_ROW)
#undef DRAWING_ROW
#undef TEXT_ROW
#undef LISTED_ROW
}

// The launcher alone in a folder: a command for a program names the program
// it could not find; a plain QR Code is written all the same.
void TestCliPrograms::commandsReachTheirProgram()
{
    QFETCH(QStringList, args);
    QFETCH(QString, program);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString launcher = folder.filePath(QStringLiteral("sorvel-cli"));
    QVERIFY(QFile::copy(binary(QStringLiteral("sorvel-cli")), launcher));
    QFile::remove(m_dir.filePath(QStringLiteral("alone.png")));

    QProcess process;
    process.start(launcher, args);
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    if (program.isEmpty()) {
        QVERIFY2(process.exitCode() == 0, err.constData());
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("alone.png"))));
    } else {
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(err), QStringLiteral("sorvel-cli: %1 is not installed beside sorvel-cli "
                                                        "(looked in %2)\n")
                                             .arg(program, QFileInfo(folder.path()).canonicalFilePath()));
    }
}

void TestCliPrograms::plainQrMatchesTheProgram_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("black") << QStringList{"--text", "HELLO WORLD"};
    QTest::newRow("colour") << QStringList{"--text", "https://example.org/?q=7", "--color", "#8B1A4c"};
    QTest::newRow("digits, a larger symbol") << QStringList{"--text", QString(600, QLatin1Char('7'))};
}

// The launcher's QR Code and the program's are the same file, byte for byte.
void TestCliPrograms::plainQrMatchesTheProgram()
{
    QFETCH(QStringList, options);
    const QString byLauncher = m_dir.filePath(QStringLiteral("launcher.png"));
    const QString byProgram = m_dir.filePath(QStringLiteral("program.png"));
    const QStringList args = QStringList{"barcode", "--kind", "0"} + options;

    const CliRun launcher = runCli(args + QStringList{"--out", byLauncher});
    QCOMPARE(launcher.exitCode, 0);
    QProcess program;
    program.start(binary(QStringLiteral("sorvel-cli-core")), args + QStringList{"--out", byProgram});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);

    const QByteArray bytes = fileBytes(byLauncher);
    QVERIFY(bytes.startsWith("\x89PNG"));
    QCOMPARE(bytes, fileBytes(byProgram));
}

QTEST_GUILESS_MAIN(TestCliPrograms)
#include "test_cli_programs.moc"
