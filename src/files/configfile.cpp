#include "configfile.h"

#include "files/checkedfilewriter.h"
#include "files/regularfilereader.h"

#include <QtEndian>

#include <type_traits>

namespace {

// The option flags in their order in the file.
bool CalcOptions::*const OPTION_FLAGS[CONFIG_OPTION_BYTES] = {
    &CalcOptions::lifePathMethod1, &CalcOptions::lifePathMethod2,     &CalcOptions::lifePathMethod3,
    &CalcOptions::reduceEachWord,  &CalcOptions::reduceMasterLetters, &CalcOptions::noSubstituteTransits,
};

// Whether the length in front of a string or byte array fits in what is
// left of the data. A damaged length could claim gigabytes; such a value is
// cut, and is refused before the stream allocates room for it.
bool lengthFits(QDataStream &in)
{
    const QByteArray prefix = in.device()->peek(sizeof(quint32));
    if (prefix.size() < int(sizeof(quint32)))
        return false;
    const quint32 length = qFromBigEndian<quint32>(prefix.constData());
    const quint32 NULL_MARK = 0xFFFFFFFF; // a null string or byte array
    return length == NULL_MARK || qint64(length) <= in.device()->bytesAvailable() - qint64(sizeof(quint32));
}

// Reads one value into target when the stream has more and the value is
// complete; a cut value leaves target alone. Returns whether it was read.
template <typename StreamType, typename Target> bool readIfPresent(QDataStream &in, Target &target)
{
    if (in.atEnd())
        return false;
    if constexpr (std::is_same_v<StreamType, QString> || std::is_same_v<StreamType, QByteArray>) {
        if (!lengthFits(in))
            return false;
    }
    StreamType value{};
    in >> value;
    if (in.status() != QDataStream::Ok)
        return false;
    target = Target(value);
    return true;
}

// The values after the last update check, each while the stream has more.
void readSettings(QDataStream &in, ConfigVersion version, AppConfig &config)
{
    if (version == ConfigVersion::Current) {
        QByteArray options;
        if (!readIfPresent<QByteArray>(in, options))
            return;
        if (options.size() == CONFIG_OPTION_BYTES) {
            for (int i = 0; i < CONFIG_OPTION_BYTES; ++i)
                config.options.*OPTION_FLAGS[i] = options.at(i) != 0;
        }
    }
    // The first value missing ends the reading.
    if (readIfPresent<bool>(in, config.skipGuideDialog) && readIfPresent<qint32>(in, config.styleIndex) &&
        readIfPresent<bool>(in, config.dayFirstDates) && readIfPresent<qint32>(in, config.masterMode) &&
        readIfPresent<QString>(in, config.numerologist) && readIfPresent<QString>(in, config.numerologistContact))
        readIfPresent<QByteArray>(in, config.logoPng);
}

} // namespace

AppConfig readConfig(const QByteArray &bytes, ConfigVersion version)
{
    AppConfig config;
    QDataStream in(bytes);
    in.setVersion(CONFIG_STREAM_VERSION);

    QString tag;
    if (readIfPresent<QString>(in, tag) && tag == QLatin1String(CONFIG_TAG)) {
        QDateTime lastCheck;
        // An impossible date would stop the weekly update check for good.
        if (readIfPresent<QDateTime>(in, lastCheck) && lastCheck.isValid()) {
            config.lastUpdateCheck = lastCheck;
            readSettings(in, version, config);
        }
    }
    // The program never runs with the wider master numbers.
    config.masterMode = 0;
    return config;
}

QByteArray writeConfig(const AppConfig &config)
{
    QByteArray options(CONFIG_OPTION_BYTES, '\0');
    for (int i = 0; i < CONFIG_OPTION_BYTES; ++i)
        options[i] = char(config.options.*OPTION_FLAGS[i] ? 1 : 0);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(CONFIG_STREAM_VERSION);
    out << QString::fromLatin1(CONFIG_TAG) << config.lastUpdateCheck << options << config.skipGuideDialog
        << qint32(config.styleIndex) << config.dayFirstDates << qint32(config.masterMode)
        << config.numerologist << config.numerologistContact << config.logoPng;
    return bytes;
}

AppConfig loadConfig(const QString &currentPath, const QString &previousPath)
{
    const FileReadResult current = readRegularFile(currentPath, MAX_CONFIG_FILE_BYTES);
    if (current.status == FileReadResult::Ok)
        return readConfig(current.bytes, ConfigVersion::Current);
    const FileReadResult previous = readRegularFile(previousPath, MAX_CONFIG_FILE_BYTES);
    if (previous.status == FileReadResult::Ok)
        return readConfig(previous.bytes, ConfigVersion::Previous);
    return AppConfig();
}

bool saveConfig(const QString &path, const AppConfig &config, QString *error)
{
    return writeOwnFileChecked(path, writeConfig(config), error);
}
