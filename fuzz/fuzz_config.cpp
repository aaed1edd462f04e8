// The configuration reader: any bytes, as this version's file and as the
// previous version's. What it reads must be written and read back alike.

#include "files/configfile.h"
#include "fuzzcheck.h"

#include <cstdint>

namespace {

bool sameSettings(const AppConfig &a, const AppConfig &b)
{
    const CalcOptions &x = a.options;
    const CalcOptions &y = b.options;
    return x.lifePathMethod1 == y.lifePathMethod1 && x.lifePathMethod2 == y.lifePathMethod2 &&
           x.lifePathMethod3 == y.lifePathMethod3 && x.reduceEachWord == y.reduceEachWord &&
           x.reduceMasterLetters == y.reduceMasterLetters &&
           x.noSubstituteTransits == y.noSubstituteTransits && a.skipGuideDialog == b.skipGuideDialog &&
           a.styleIndex == b.styleIndex && a.dayFirstDates == b.dayFirstDates &&
           a.numerologist == b.numerologist;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    for (const ConfigVersion version : {ConfigVersion::Current, ConfigVersion::Previous}) {
        const AppConfig config = readConfig(bytes, version);
        fuzzCheck(config.masterMode == 0, "the master mode is always 0 after reading");
        fuzzCheck(config.lastUpdateCheck.isValid(), "the last update check is a real time");
        const AppConfig again = readConfig(writeConfig(config), ConfigVersion::Current);
        fuzzCheck(sameSettings(config, again), "a written configuration reads back alike");
    }
    return 0;
}
