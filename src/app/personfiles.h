#pragma once

// The window's side of person files: the save and open dialogs, the
// messages of a failed file, and the recent list kept in the data folder.
// The formats themselves live in files/personfile.h.

#include "files/personfile.h"
#include "files/personinput.h"
#include "files/recentlist.h"

#include <QObject>

class QWidget;

class CPersonFiles : public QObject
{
    Q_OBJECT
public:
    // recentListPath: the recent list's file in the data folder.
    CPersonFiles(const QString &recentListPath, QWidget *window);

    // Asks for a file name (proposing one made of the typed full name) and
    // saves the typed input to it; a failed write says so with the path.
    // Returns the file written, empty when none was.
    QString saveAs(const PersonInput &typed, const QDate &forecast);
    // Asks for a person file and reads its first person; a file that fails
    // says why. Returns whether a person was read (with its field count).
    bool open(PersonInput &person, int &fieldCount);

    // The recent list on disk, read silently: the caller decides what a
    // missing or foreign file means.
    PersonFileContent readRecentList() const;
    bool writeRecentList(const QList<RecentEntry> &entries, const QDate &forecast);

    // The folder the dialogs start in: the user's documents.
    static QString startFolder();
    // A chosen name without a suffix gets ".num"; any other is kept.
    static QString withPersonSuffix(const QString &path);
    // The file the save dialog proposes: the full name made safe for a file
    // name, ".num", in the start folder; the folder alone without a name.
    static QString proposedPath(const PersonInput &typed);

private:
    QString askSavePath(const PersonInput &typed);

    QString m_recentListPath;
    QWidget *m_window;
};
