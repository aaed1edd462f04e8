#include "personfiles.h"

#include "engine/messagereporter.h"

#include "files/clientfilenames.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString ERROR_TITLE = QStringLiteral("Error");
const QString FILTER = QStringLiteral("Files (*.num)");
const char SUFFIX[] = "num";
} // namespace

CPersonFiles::CPersonFiles(const QString &recentListPath, QWidget *window)
    : QObject(window)
    , m_recentListPath(recentListPath)
    , m_window(window)
{
}

QString CPersonFiles::startFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString CPersonFiles::withPersonSuffix(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + QLatin1String(SUFFIX);
}

QString CPersonFiles::proposedPath(const PersonInput &typed)
{
    const QString name = typed.fullName.simplified();
    const QString stem = name.isEmpty() ? QString() : ClientFileNames::stem(name);
    return QDir(startFolder()).filePath(stem.isEmpty() || stem == QLatin1String("client")
                                            ? QString()
                                            : stem + QLatin1Char('.') + QLatin1String(SUFFIX));
}

QString CPersonFiles::askSavePath(const PersonInput &typed)
{
    // Qt's own dialog, so the suffix is added before it asks about
    // overwriting; a name typed without one gets ".num" either way, or the
    // Open dialog would never list the file.
    QFileDialog dialog(m_window, QStringLiteral("Save"), QString(), FILTER);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QLatin1String(SUFFIX));
    const QString proposed = proposedPath(typed);
    dialog.setDirectory(startFolder());
    if (!QFileInfo(proposed).fileName().isEmpty())
        dialog.selectFile(QFileInfo(proposed).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return withPersonSuffix(dialog.selectedFiles().constFirst());
}

QString CPersonFiles::saveAs(const PersonInput &typed, const QDate &forecast)
{
    const QString path = askSavePath(typed);
    if (path.isEmpty())
        return QString();
    QString reason;
    if (!saveSavedPerson(path, typed, forecast, &reason)) {
        messageReporter().critical(ERROR_TITLE, QLatin1String(CANT_CREATE_FILE_MESSAGE) + path
                                                    + (reason.isEmpty() ? QString() : QLatin1String("\r\n") + reason));
        return QString();
    }
    return path;
}

bool CPersonFiles::open(PersonInput &person, int &fieldCount)
{
    QFileDialog dialog(m_window, QStringLiteral("Open file"), startFolder(), FILTER);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString path = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    if (path.size() < 2)
        return false;
    const PersonFileContent content = readPersonFile(path, PersonFileKind::SavedPerson);
    switch (content.status) {
    case PersonFileStatus::CannotOpen:
        messageReporter().critical(ERROR_TITLE, QLatin1String(CANT_OPEN_FILE_MESSAGE));
        return false;
    case PersonFileStatus::WrongFormat:
        messageReporter().critical(ERROR_TITLE, QLatin1String(WRONG_FILE_FORMAT_MESSAGE));
        return false;
    case PersonFileStatus::Ok:
        break;
    }
    if (content.persons.isEmpty())
        return false;
    person = content.persons.first();
    fieldCount = content.fieldCount;
    return true;
}

PersonFileContent CPersonFiles::readRecentList() const
{
    return readPersonFile(m_recentListPath, PersonFileKind::RecentList);
}

bool CPersonFiles::writeRecentList(const QList<RecentEntry> &entries, const QDate &forecast)
{
    QString reason;
    if (saveRecentList(m_recentListPath, entries, forecast, &reason))
        return true;
    messageReporter().critical(ERROR_TITLE, QLatin1String(CANT_CREATE_FILE_MESSAGE) + m_recentListPath
                                                + QLatin1String("\r\n") + reason);
    return false;
}
