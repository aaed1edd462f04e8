#include "charttemplates.h"

#include "chartdocument.h"
#include "document/programfolder.h"
#include "files/checkedfilewriter.h"
#include "files/regularfilereader.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

const char CANT_SAVE_REPORT[] = "Can't save report!";

namespace {

const char TEMPLATE_SUFFIX[] = ".snc";
const char PARTIAL_SUFFIX[] = ".000";
constexpr int MAX_NAME_NUMBER = 9999;

bool sameFile(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

bool isFree(const QString &path, const QString &replaceable)
{
    return !QFileInfo::exists(path) || sameFile(path, replaceable);
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool fail(QString *error)
{
    if (error)
        *error = QLatin1String(CANT_SAVE_REPORT);
    return false;
}

} // namespace

QList<ChartTemplateEntry> listChartTemplates(const QString &folder, bool userOwned)
{
    QList<ChartTemplateEntry> entries;
    if (folder.isEmpty())
        return entries;
    const QDir dir(folder);
    const QStringList files =
        dir.entryList(QStringList{QStringLiteral("*.snc")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files)
        entries.append({file.left(file.size() - 4), dir.path() + QLatin1Char('/') + file, userOwned});
    return entries;
}

QList<ChartTemplateEntry> listAllChartTemplates(const QString &shippedFolder, const QString &userFolder)
{
    return listChartTemplates(shippedFolder, false) + listChartTemplates(userFolder, true);
}

QString shippedTemplateFolder()
{
    return programDataFolder() + QStringLiteral("images/templates");
}

QString userTemplateFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Sorvel Numerology/");
}

QString chooseTemplateFileName(const QString &folder, const QString &title, const QString &replaceable)
{
    QString name = title;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    const QString base = withSlash(folder) + name;
    const QString plain = base + QLatin1String(TEMPLATE_SUFFIX);
    if (isFree(plain, replaceable))
        return plain;
    for (int number = 0; number <= MAX_NAME_NUMBER; ++number) {
        const QString numbered = base + QString::number(number) + QLatin1String(TEMPLATE_SUFFIX);
        if (isFree(numbered, replaceable))
            return numbered;
    }
    return QString();
}

QString copyTemplateTitle(const QString &title)
{
    const QString suffix = QStringLiteral(" (copy)");
    return title.endsWith(suffix) ? title : title + suffix;
}

bool saveChartTemplate(ChartDocument &document, const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder))
        return fail(error);
    // Only a file of this folder is the user's own, which the save replaces.
    const QString opened = document.fileName;
    const bool ownFile = QFileInfo(opened).isFile() &&
                         QFileInfo(opened).absoluteDir() == QDir(QFileInfo(withSlash(folder)).absolutePath());
    // A template from elsewhere (a shipped one) that keeps its name is
    // saved as a copy, so the two are told apart in the chart list.
    const QString title = document.title;
    if (!ownFile && QFileInfo(opened).isFile() && title == QFileInfo(opened).completeBaseName())
        document.title = copyTemplateTitle(title);
    const auto failWithTitle = [&] {
        document.title = title;
        return fail(error);
    };
    const QString chosen = chooseTemplateFileName(folder, document.title, ownFile ? opened : QString());
    const QByteArray bytes = document.toBytes();
    if (chosen.isEmpty() || bytes.isEmpty())
        return failWithTitle();

    // The complete file is written beside the chosen name, then renamed
    // over it, so a failed save never leaves a half file or loses the old.
    const QString partial = chosen + QLatin1String(PARTIAL_SUFFIX);
    if (!writeFileChecked(partial, bytes))
        return failWithTitle();
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(chosen).constData()) != 0) {
        QFile::remove(partial);
        return failWithTitle();
    }
    if (ownFile && !sameFile(opened, chosen))
        QFile::remove(opened);
    document.fileName = chosen;
    return true;
}

ChartTemplateRead readChartTemplate(const QString &path)
{
    ChartTemplateRead read;
    FileReadResult file = readRegularFile(path, MAX_TEMPLATE_FILE_BYTES);
    switch (file.status) {
    case FileReadResult::Ok:
        break;
    case FileReadResult::CannotOpen:
        read.status = ChartTemplateRead::CannotRead;
        read.reason = file.reason;
        return read;
    case FileReadResult::NotRegular:
    case FileReadResult::TooLarge:
        read.status = ChartTemplateRead::Refused;
        read.reason = file.reason;
        return read;
    }
    QBuffer buffer(&file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    if (read.document.read(stream) != 0) {
        read.document.newDocument();
        read.status = ChartTemplateRead::NotTemplate;
        read.reason = QStringLiteral("not a chart template of version 256 to 263, or a damaged one");
        return read;
    }
    read.document.fileName = path;
    read.status = ChartTemplateRead::Ok;
    return read;
}
