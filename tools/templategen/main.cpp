// sorvel-templategen: turns the readable template descriptions of
// data/templates/ into the chart template files shipped beside the program
// (images/templates/*.snc). The build runs it, so no template is ever kept
// as a binary file in the repository.

#include "templatesource.h"

#include "charts/chartrenderer.h"
#include "charts/charttemplates.h"
#include "files/checkedfilewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

void printUsage(QTextStream &out)
{
    out << "Usage: sorvel-templategen OUTPUT_FOLDER SOURCE.json...\n"
           "\n"
           "Builds one chart template per description and writes it to\n"
           "OUTPUT_FOLDER/<name>.snc (the folder is created when missing).\n"
           "\n"
           "Exit status: 0 success, 1 a file could not be written, 2 bad usage or a bad\n"
           "description.\n";
}

// Reads, builds and writes one template; returns the exit status.
int generate(const QString &sourcePath, const QString &folder, QTextStream &err)
{
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "sorvel-templategen: " << sourcePath << ": " << file.errorString() << "\n";
        return 2;
    }
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!json.isObject()) {
        err << "sorvel-templategen: " << sourcePath << ": " << parseError.errorString() << " at offset "
            << parseError.offset << "\n";
        return 2;
    }
    ChartDocument document;
    QString error;
    if (!buildTemplate(json.object(), document, error)) {
        err << "sorvel-templategen: " << sourcePath << ": " << error << "\n";
        return 2;
    }
    // The file carries its first page's thumbnail, drawn without a person.
    if (ChartPage *first = document.firstPage())
        refreshThumbnail(*first, ChartDataContext());
    const QString target =
        folder + QLatin1Char('/') + templateFileName(json.object()) + QStringLiteral(".snc");
    if (!writeFileChecked(target, document.toBytes(), &error)) {
        err << "sorvel-templategen: " << target << ": " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Thumbnails are drawn with fonts, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments().mid(1);
    if (args.contains(QLatin1String("--help"))) {
        printUsage(out);
        return 0;
    }
    if (args.size() < 2) {
        printUsage(err);
        return 2;
    }
    const QString folder = args.first();
    if (!QDir().mkpath(folder)) {
        err << "sorvel-templategen: cannot create " << folder << "\n";
        return 1;
    }
    for (const QString &source : args.mid(1)) {
        if (const int status = generate(source, folder, err))
            return status;
    }
    return 0;
}
