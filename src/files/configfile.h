#pragma once

// The configuration file: calculation options, skin, date format, the guide
// dialog's choice, the last update check and the numerologist's name,
// contact line and logo for the cover of the documents a client takes home.
//
// A QDataStream of version 12 (big-endian), in this order:
//
//   QString     "TRUVNUMFILE", the format tag
//   QDateTime   last update check
//   QByteArray  the six calculation option flags, one byte each, in the
//               order of CalcOptions (this version's file only)
//   bool        skip the guide dialog
//   qint32      style index
//   bool        day-first dates
//   qint32      master mode
//   QString     numerologist (added later; older files end before it)
//   QString     the numerologist's contact line (added later still)
//   QByteArray  the numerologist's logo, a PNG picture; empty for none
//
// Reading forgives what older or damaged files lack: a wrong tag stops at
// once, an options block that is not exactly six bytes is ignored, and each
// value after the options is read only while the stream has more. Whatever
// was not read keeps its default. The master mode is always 0 afterwards.
//
// The stream format works on bytes, apart from the choice of file, so both
// can be tested and fuzzed on their own.

#include "engine/cnumerology.h"

#include <QByteArray>
#include <QDataStream>
#include <QDateTime>
#include <QString>

struct AppConfig
{
    QDateTime lastUpdateCheck = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    CalcOptions options;
    bool skipGuideDialog = false;
    int styleIndex = 0;
    bool dayFirstDates = false;
    int masterMode = 0;
    QString numerologist; // the practitioner's name
    QString numerologistContact; // a line under the name: telephone, address, web site
    QByteArray logoPng;          // the practitioner's logo as PNG bytes; empty for none
};

// Which file the stream came from: the previous major version's file
// (sorvel6.cfg) has no options block.
enum class ConfigVersion { Current, Previous };

const int CONFIG_STREAM_VERSION = QDataStream::Qt_4_6; // version 12
constexpr char CONFIG_TAG[] = "TRUVNUMFILE";
const int CONFIG_OPTION_BYTES = 6;
// A configuration is well under a kilobyte, its logo a few hundred at most
// (the window keeps it scaled to MAX_LOGO_SIDE); anything near this is not one.
const qint64 MAX_CONFIG_FILE_BYTES = 4 * 1024 * 1024;
const int MAX_LOGO_SIDE = 400;

// The stream format.
AppConfig readConfig(const QByteArray &bytes, ConfigVersion version);
QByteArray writeConfig(const AppConfig &config);

// The files: this version's configuration at currentPath, or, when that
// cannot be opened (or is not a regular file of a sane size), the previous
// version's at previousPath. When neither can, the defaults.
AppConfig loadConfig(const QString &currentPath, const QString &previousPath);

// Writes the configuration to path through the checked writer. On failure
// returns false, sets error to the system's reason and leaves the previous
// file intact.
bool saveConfig(const QString &path, const AppConfig &config, QString *error = nullptr);
