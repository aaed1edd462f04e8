#include "checkedfile.h"

#include <sys/random.h>

#include <dirent.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// The kernel gives up on link chains at 40 hops; so do we.
const int MAX_LINK_HOPS = 40;
const int TEMPORARY_NAME_ATTEMPTS = 100;
// The target's name in the temporary name is cut, so the temporary name stays
// within the 255 bytes a folder entry may have.
const int MAX_NAME_IN_TEMPORARY = 200;
// One write() call moves at most this much; the loop does the rest.
const size_t MAX_WRITE_CHUNK = size_t(1) << 30;

struct Injection
{
    bool active = false;
    CheckedFile::Step step = CheckedFile::Step::Open;
    int errorNumber = 0;
};
Injection g_injection;

// The errno a test asked for at this step, or 0.
int injectedError(CheckedFile::Step step)
{
    return g_injection.active && g_injection.step == step ? g_injection.errorNumber : 0;
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A short random word for a temporary name, in base 36.
std::string randomWord()
{
    unsigned int value = 0;
    if (::getrandom(&value, sizeof value, 0) != sizeof value)
        value = unsigned(::getpid()) * 2654435761u ^ unsigned(std::clock());
    std::string word;
    do {
        word += "0123456789abcdefghijklmnopqrstuvwxyz"[value % 36];
        value /= 36;
    } while (value);
    return word;
}

// Follows a chain of symbolic links to the path it finally names. A dangling
// link's target is returned as it is: writing creates it. Returns 0 or errno.
int followLinks(std::string &path)
{
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat status;
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return 0;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), &link[0], link.size());
        if (length < 0)
            return errno;
        link.resize(size_t(length));
        // A relative link is relative to the folder the link lives in.
        if (link.empty() || link[0] != '/')
            link.insert(0, path.substr(0, path.rfind('/') + 1));
        path = link;
    }
    return ELOOP;
}

// Best effort: makes the rename itself durable. A folder that cannot be
// opened or synced does not undo a save that already replaced the file.
void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fsync(fd) != 0) {
        // nothing to undo; see above
    }
    ::close(fd);
}

} // namespace

CheckedFile::InjectedFailure::InjectedFailure(Step step, int errorNumber)
{
    g_injection = Injection{true, step, errorNumber};
}

CheckedFile::InjectedFailure::~InjectedFailure()
{
    g_injection = Injection();
}

CheckedFile::CheckedFile(std::string path)
    : m_path(std::move(path))
{
}

CheckedFile::~CheckedFile()
{
    if (!m_committed)
        discard();
}

bool CheckedFile::write(const char *data, size_t size)
{
    if (m_committed)
        return fail(EBADF);
    if (m_failed || (!m_opened && !open()))
        return false;
    if (const int error = injectedError(Step::Write)) {
        writeAll(data, size / 2);
        return fail(error);
    }
    return writeAll(data, size);
}

bool CheckedFile::commit()
{
    if (m_committed)
        return true;
    if (!m_failed && !m_opened)
        open();
    if (m_failed) {
        discard();
        return false;
    }

    // Flush to the disk. Devices, pipes and terminals cannot be synced, and
    // need not be: what they took is gone from our hands.
    int error = injectedError(Step::Sync);
    if (!error && ::fsync(m_fd) != 0)
        error = errno;
    if (error && !(m_direct && (error == EINVAL || error == EROFS || error == ENOTSUP))) {
        fail(error);
        discard();
        return false;
    }
    if (m_ownsFd) {
        const int fd = m_fd;
        m_fd = -1;
        // Linux closes the descriptor even when close() is interrupted.
        if (::close(fd) != 0 && errno != EINTR) {
            fail(errno);
            discard();
            return false;
        }
    }

    // Only a complete, synced file takes the target's place.
    if (!m_direct) {
        error = injectedError(Step::Rename);
        if (!error && ::rename(m_temporary.c_str(), m_target.c_str()) != 0)
            error = errno;
        if (error) {
            fail(error);
            discard();
            return false;
        }
        m_temporary.clear();
        syncFolder(folderOf(m_target));
    }
    m_committed = true;
    return true;
}

bool CheckedFile::open()
{
    m_opened = true;
    if (m_path == "-") {
        // Whatever the program printed before goes first.
        std::fflush(stdout);
        m_fd = STDOUT_FILENO;
        m_ownsFd = false;
        m_direct = true;
        return true;
    }
    if (const int error = injectedError(Step::Open))
        return fail(error);
    if (m_path.empty())
        return fail(ENOENT);

    m_target = m_path;
    if (const int error = followLinks(m_target))
        return fail(error);

    struct stat status;
    if (::stat(m_target.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return fail(EISDIR);
        if (!S_ISREG(status.st_mode)) {
            if (m_regularOnly)
                return failWith("Not a regular file");
            return openDirect(S_ISFIFO(status.st_mode));
        }
        // A file its owner made read-only is not ours to replace.
        if (::access(m_target.c_str(), W_OK) != 0)
            return fail(errno);
        return openTemporary(true, status.st_mode & 07777, status.st_uid, status.st_gid);
    }
    if (errno != ENOENT)
        return fail(errno);
    return openTemporary(false, 0, 0, 0);
}

// Opened without blocking: a FIFO without a reader, or a device that waits
// for a line, must not hold the program. The writes that follow block as
// usual once the target is open.
bool CheckedFile::openDirect(bool fifo)
{
    m_direct = true;
    if (fifo)
        return openFifo();
    m_fd = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        return fail(errno);
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return fail(errno);
    return true;
}

// A FIFO opens for writing only while a program has it open for reading;
// without one, the open fails with ENXIO at once. A reader that is about
// to come (a shell's "<(...)", a viewer starting) gets FIFO_WAIT_MS.
bool CheckedFile::openFifo()
{
    const int stepMs = 20;
    for (int waited = 0;; waited += stepMs) {
        m_fd = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (m_fd >= 0)
            break;
        if (errno == EINTR)
            continue;
        if (errno != ENXIO)
            return fail(errno);
        if (waited >= FIFO_WAIT_MS)
            return failWith("No program reads from this FIFO");
        const timespec step{0, stepMs * 1000L * 1000L};
        ::nanosleep(&step, nullptr);
    }
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return fail(errno);
    return true;
}

bool CheckedFile::openTemporary(bool replacing, unsigned mode, unsigned owner, unsigned group)
{
    const std::string folder = folderOf(m_target);
    const std::string name = m_target.substr(m_target.rfind('/') + 1, MAX_NAME_IN_TEMPORARY);
    for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS && m_fd < 0; ++attempt) {
        const std::string candidate = folder + "/." + name + '.' + randomWord() + ".tmp";
        // 0666 lets the umask decide, as for any new file.
        m_fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0)
            m_temporary = candidate;
        else if (errno != EEXIST)
            return fail(errno);
    }
    if (m_fd < 0)
        return fail(EEXIST);

    if (replacing) {
        // Owner first: a change of owner clears the set-id bits. Only root
        // may give a file away; for anyone else the owner is already right.
        if ((owner != ::geteuid() || group != ::getegid()) && ::fchown(m_fd, owner, group) != 0) {
            // the permission bits below still apply
        }
        if (::fchmod(m_fd, mode) != 0)
            return fail(errno);
    }
    return true;
}

bool CheckedFile::writeAll(const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_fd, data, size < MAX_WRITE_CHUNK ? size : MAX_WRITE_CHUNK);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (written == 0)
            return fail(EIO);
        data += written;
        size -= size_t(written);
    }
    return true;
}

bool CheckedFile::fail(int errorNumber)
{
    if (!m_failed)
        m_error = std::strerror(errorNumber);
    m_failed = true;
    return false;
}

bool CheckedFile::failWith(const char *reason)
{
    if (!m_failed)
        m_error = reason;
    m_failed = true;
    return false;
}

int CheckedFile::removeStaleTemporaries(const std::string &path)
{
    std::string target = path;
    if (target.empty() || target == "-" || followLinks(target) != 0)
        return 0;
    const std::string folder = folderOf(target);
    const std::string name = target.substr(target.rfind('/') + 1, MAX_NAME_IN_TEMPORARY);
    const std::string prefix = "." + name + ".";
    const std::string suffix = ".tmp";
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const time_t now = ::time(nullptr);
    int removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string entryName = entry->d_name;
        if (entryName.size() <= prefix.size() + suffix.size() || entryName.compare(0, prefix.size(), prefix) != 0
            || entryName.compare(entryName.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        // The random word between them: base 36, as randomWord() writes it.
        const std::string word =
            entryName.substr(prefix.size(), entryName.size() - prefix.size() - suffix.size());
        if (word.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyz") != std::string::npos)
            continue;
        const std::string candidate = folder + "/" + entryName;
        struct stat status;
        if (::lstat(candidate.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()
            || now - status.st_mtime < STALE_TEMPORARY_SECONDS)
            continue;
        if (::unlink(candidate.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

void CheckedFile::discard()
{
    if (m_fd >= 0 && m_ownsFd)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}
