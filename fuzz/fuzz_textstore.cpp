// The interpretation data file loader: any bytes as the data file, then a
// look at every kind of entry the reports ask for.

#include "texts/textstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The loader reads a file by name; one file is rewritten for each input,
    // in memory where the system has a RAM-backed folder.
    static QTemporaryDir folder(
        (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
        QStringLiteral("/sorvel-fuzz-XXXXXX"));
    static const QString path = folder.filePath(QStringLiteral("eng.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    static TextStore store; // loadFile empties it first
    store.loadFile(path);
    for (const int topic : {101, 122, 131, 201, 302, 406, 501, 900})
        store.text(topic, 1);
    store.celebrity(0);
    store.celebrity(199);
    store.celebrityText(602, 0);
    store.celebrityText(614, 199);
    store.guidePage(0, QString());
    store.guidePage(1, QStringLiteral("picture.png"));
    return 0;
}
