// sorvel-cli: starts the program of sorvel-cli that a command needs
// (cliroute.h), so a chart loads no GUI library. It replaces itself by that
// program with the same arguments; the program's exit status is the tool's.
// A plainly given QR Code it writes itself (plainqr.h).

#include "cliroute.h"
#include "plainqr.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// Where the programs may be, relative to this executable's folder: beside
// it in a build tree, in the package's helper folder once installed.
const char *const PROGRAM_FOLDERS[] = {"/", "/../libexec/sorvel-numerology/"};

// The folder of this executable, without the final slash, into folder;
// false when the system does not say.
bool ownFolder(char (&folder)[PATH_MAX])
{
    const ssize_t length = readlink("/proc/self/exe", folder, sizeof folder - 1);
    if (length <= 0)
        return false;
    folder[length] = '\0';
    char *slash = std::strrchr(folder, '/');
    if (!slash)
        return false;
    *slash = '\0';
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    PlainQrRequest qr;
    if (parsePlainQr(argc, argv, qr)) {
        const PlainQrResult result = writePlainQr(qr);
        if (result != PlainQrResult::TooLong)
            return result == PlainQrResult::Written ? 0 : 1;
    }
    const char *program = cliProgramFileName(cliProgramFor(argc, argv));
    char folder[PATH_MAX];
    if (!ownFolder(folder)) {
        std::fprintf(stderr, "sorvel-cli: cannot find the folder of sorvel-cli: %s\n", std::strerror(errno));
        return 1;
    }
    for (const char *relative : PROGRAM_FOLDERS) {
        char candidate[PATH_MAX];
        const int length = std::snprintf(candidate, sizeof candidate, "%s%s%s", folder, relative, program);
        if (length < 0 || size_t(length) >= sizeof candidate || access(candidate, X_OK) != 0)
            continue;
        execv(candidate, argv);
        std::fprintf(stderr, "sorvel-cli: cannot run %s: %s\n", candidate, std::strerror(errno));
        return 1;
    }
    std::fprintf(stderr, "sorvel-cli: %s is not installed beside sorvel-cli (looked in %s)\n", program,
                 folder);
    return 1;
}
