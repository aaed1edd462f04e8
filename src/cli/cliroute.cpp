#include "cliroute.h"

#include "commandlist.h"

#include <cstring>

namespace {

// The commands that need nothing of QtGui (barcode is decided apart).
#define SORVEL_CLI_NAME(name, Stem) name,
const char *const CORE_COMMANDS[] = {SORVEL_CLI_TEXT_COMMANDS(SORVEL_CLI_NAME)};
#undef SORVEL_CLI_NAME

bool isCoreCommand(const char *command)
{
    for (const char *core : CORE_COMMANDS) {
        if (std::strcmp(command, core) == 0)
            return true;
    }
    return false;
}

} // namespace

bool cliOptionAt(int argc, const char *const argv[], int &i, const char *name, const char *&value)
{
    const size_t length = std::strlen(name);
    if (std::strcmp(argv[i], name) == 0) {
        value = i + 1 < argc ? argv[++i] : nullptr;
        return true;
    }
    if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=') {
        value = argv[i] + length + 1;
        return true;
    }
    return false;
}

const char *cliOptionValue(int argc, const char *const argv[], const char *name)
{
    const char *value = nullptr;
    for (int i = 2; i < argc; ++i) {
        if (cliOptionAt(argc, argv, i, name, value))
            return value;
    }
    return nullptr;
}

CliProgram cliProgramFor(int argc, const char *const argv[])
{
    if (argc < 2)
        return CliProgram::Draw;
    // A QR Code carries no text under it: its PNG is written without Qt's
    // GUI. Linear symbols print their text with a font.
    if (std::strcmp(argv[1], "barcode") == 0) {
        const char *kind = cliOptionValue(argc, argv, "--kind");
        return kind && std::strcmp(kind, "0") == 0 ? CliProgram::Core : CliProgram::Draw;
    }
    // A person from the client book: Qt SQL is the drawing program's.
    for (int i = 2; i < argc; ++i) {
        const char *value = nullptr;
        if (cliOptionAt(argc, argv, i, "--client", value))
            return CliProgram::Draw;
    }
    return isCoreCommand(argv[1]) ? CliProgram::Core : CliProgram::Draw;
}

const char *cliProgramFileName(CliProgram program)
{
    return program == CliProgram::Core ? "sorvel-cli-core" : "sorvel-cli-draw";
}
