#include "commands.h"

namespace {

const CliCommand TEXT_COMMANDS[] = {SORVEL_CLI_TEXT_COMMANDS(SORVEL_CLI_COMMAND)};

} // namespace

// sorvel-cli-core's barcode: QR Codes only, their PNG needs no fonts.
int runBarcode(const QStringList &args)
{
    return runBarcodeWith(args, nullptr);
}

CliCommandList textCommands()
{
    return {TEXT_COMMANDS, int(std::size(TEXT_COMMANDS))};
}
