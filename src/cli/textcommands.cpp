#include "commands.h"

namespace {

int runQrBarcode(const QStringList &args)
{
    return runBarcodeWith(args, nullptr);
}

const CliCommand TEXT_COMMANDS[] = {
    {"chart", runChart, usageChart},
    {"person", runPerson, usagePerson},
    {"texts", runTexts, usageTexts},
    {"report", runReport, usageReport},
    {"matrix", runMatrix, usageMatrix},
    {"compat", runCompat, usageCompat},
    {"pet", runPet, usagePet},
    {"celebrities", runCelebrities, usageCelebrities},
    {"analyze", runAnalyze, usageAnalyze},
    {"barcode", runQrBarcode, usageBarcode},
    {"celebrity-texts", runCelebrityTexts, usageCelebrityTexts},
    {"names", runNames, usageNames},
};

} // namespace

CliCommandList textCommands()
{
    return {TEXT_COMMANDS, int(std::size(TEXT_COMMANDS))};
}
