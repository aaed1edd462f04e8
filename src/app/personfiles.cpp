#include "personfiles.h"

#include "engine/messagereporter.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace {
const QString ERROR_TITLE = QStringLiteral("Error");
const QString FILTER = QStringLiteral("Files (*.num)");
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

bool CPersonFiles::saveAs(const PersonInput &typed, const QDate &forecast)
{
    const QString path = QFileDialog::getSaveFileName(m_window, QStringLiteral("Save"), startFolder(), FILTER);
    if (path.isEmpty())
        return false;
    QString reason;
    if (!saveSavedPerson(path, typed, forecast, &reason)) {
        messageReporter().critical(ERROR_TITLE, QLatin1String(CANT_CREATE_FILE_MESSAGE) + path
                                                    + (reason.isEmpty() ? QString() : QLatin1String("\r\n") + reason));
        return false;
    }
    return true;
}

bool CPersonFiles::open(PersonInput &person, int &fieldCount)
{
    const QString path = QFileDialog::getOpenFileName(m_window, QStringLiteral("Open file"), startFolder(), FILTER);
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
