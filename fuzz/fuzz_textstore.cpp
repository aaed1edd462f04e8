// The interpretation data file loader: any bytes as the data file, then a
// look at every kind of entry the reports ask for.

#include "texts/textstore.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TextStore store; // loadBytes empties it first
    store.loadBytes(QByteArray(reinterpret_cast<const char *>(data), int(size)));
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
