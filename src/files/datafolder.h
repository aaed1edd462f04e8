#pragma once

// Where the program keeps what it writes for itself: the configuration and
// the recent list.

#include <QString>

// The data folder, ending in "/", created when missing. On Windows it is the
// user's local application data folder (the temporary folder's parent);
// elsewhere the platform's application data folder, since the temporary
// folder there (/tmp) has no parent of the user's own.
QString dataFolder();

// The configuration of this version, "sorvel7.cfg" in the data folder.
QString configFilePath();
// Whether that file exists, asked without creating the data folder (the
// first start asks before the licence is accepted).
bool configFileExists();

// The configuration of the previous major version, "sorvel6.cfg", read only
// when this version's cannot be opened.
QString previousConfigFilePath();

// The recent list, "sorvel7.num" in the data folder, in person file format.
QString recentListPath();

// What the window tells the user, once, when the configuration file cannot
// be written in the data folder (read-only, full, not a folder): which
// folder, the system's reason, and what follows from it - the licence
// agreement comes back at every start and no setting is kept.
QString unwritableDataFolderMessage(const QString &configPath, const QString &reason);
