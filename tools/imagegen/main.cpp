// sorvel-imagegen: draws every picture of the window and the reports and
// writes them into an images/ folder. The build runs it, so the pictures are
// made from these sources and never kept as files in the repository.

#include "pictures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

static void printUsage(QTextStream &out)
{
    out << "Usage: sorvel-imagegen OUTPUT_FOLDER [--celebrities FILE] [--sheet FILE_PREFIX [--scale N] "
           "[--only PATTERN]]\n"
           "\n"
           "Draws the program's pictures into OUTPUT_FOLDER (created when missing).\n"
           "  --celebrities FILE   the celebrity entries generated for the data file: the\n"
           "                       celebrity cards show each person's initials and Life Path.\n"
           "                       Without it the cards show no person.\n"
           "  --sheet FILE_PREFIX  also writes contact sheets FILE_PREFIX-01.png, ...:\n"
           "                       every picture enlarged (twice by default), with its name.\n"
           "  --scale N            enlarge the sheets' pictures N times (1 to 8).\n"
           "  --only PATTERN       put on the sheets only the pictures whose path\n"
           "                       matches a wildcard (\"doc/*\", \"*but*\"; a * stops at /).\n"
           "\n"
           "Exit status: 0 success, 1 a file or folder could not be written, 2 bad usage.\n";
}

int main(int argc, char *argv[])
{
    // The pictures are drawn without a display, also on build machines.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Build machines often have no runtime folder, and Qt would warn about it
    // on every build: lend it a private one for the run.
    QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString folder;
    QString sheetPrefix;
    QString only;
    QString celebrityFile;
    int scale = 2;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            printUsage(out);
            return 0;
        }
        if (arg == QLatin1String("--sheet") && i + 1 < args.size()) {
            sheetPrefix = args.at(++i);
        } else if (arg == QLatin1String("--celebrities") && i + 1 < args.size()) {
            celebrityFile = args.at(++i);
        } else if (arg == QLatin1String("--only") && i + 1 < args.size()) {
            only = args.at(++i);
        } else if (arg == QLatin1String("--scale") && i + 1 < args.size()) {
            bool ok = false;
            scale = args.at(++i).toInt(&ok);
            if (!ok || scale < 1 || scale > 8) {
                err << "sorvel-imagegen: --scale takes a whole number from 1 to 8\n";
                return 2;
            }
        } else if (!arg.startsWith(QLatin1Char('-')) && folder.isEmpty()) {
            folder = arg;
        } else {
            err << "sorvel-imagegen: unexpected argument " << arg << "\n";
            printUsage(err);
            return 2;
        }
    }
    if (folder.isEmpty()) {
        err << "sorvel-imagegen: no output folder given\n";
        printUsage(err);
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    QString error;
    QVector<imagegen::CelebrityCard> celebrities;
    if (!celebrityFile.isEmpty() && !imagegen::readCelebrityCards(celebrityFile, &celebrities, &error)) {
        err << "sorvel-imagegen: " << error << "\n";
        return 1;
    }
    const imagegen::PictureList pictures = imagegen::allPictures(celebrities);
    if (!imagegen::writePictures(pictures, folder, &error)) {
        err << "sorvel-imagegen: " << error << "\n";
        return 1;
    }
    out << "sorvel-imagegen: " << pictures.size() << " pictures in " << folder << " (" << timer.elapsed()
        << " ms)\n";
    if (!sheetPrefix.isEmpty()) {
        imagegen::PictureList shown;
        const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(only));
        for (const imagegen::Picture &picture : pictures)
            if (only.isEmpty() || match.match(picture.path).hasMatch())
                shown.append(picture);
        const QStringList sheets = imagegen::writeContactSheets(shown, sheetPrefix, scale, &error);
        if (!error.isEmpty()) {
            err << "sorvel-imagegen: " << error << "\n";
            return 1;
        }
        out << "sorvel-imagegen: contact sheets " << sheets.join(QLatin1Char(' ')) << "\n";
    }
    return 0;
}
