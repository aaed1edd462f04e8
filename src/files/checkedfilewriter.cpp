#include "checkedfilewriter.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The kernel gives up on link chains at 40 hops; so do we.
const int MAX_LINK_HOPS = 40;
const int TEMPORARY_NAME_ATTEMPTS = 100;
// The target's name in the temporary name is cut, so the temporary name stays
// within the 255 bytes a folder entry may have.
const int MAX_NAME_IN_TEMPORARY = 200;
// One write() call moves at most this much; the loop does the rest.
const qint64 MAX_WRITE_CHUNK = qint64(1) << 30;

struct Injection
{
    bool active = false;
    CheckedFileWriter::Step step = CheckedFileWriter::Step::Open;
    int errorNumber = 0;
};
Injection g_injection;

// The errno a test asked for at this step, or 0.
int injectedError(CheckedFileWriter::Step step)
{
    return g_injection.active && g_injection.step == step ? g_injection.errorNumber : 0;
}

QByteArray folderOf(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Follows a chain of symbolic links to the path it finally names. A dangling
// link's target is returned as it is: writing creates it. Returns 0 or errno.
int followLinks(QByteArray &path)
{
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat status;
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return 0;
        QByteArray link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), link.data(), size_t(link.size()));
        if (length < 0)
            return errno;
        link.truncate(int(length));
        // A relative link is relative to the folder the link lives in.
        if (!link.startsWith('/'))
            link.prepend(path.left(path.lastIndexOf('/') + 1));
        path = link;
    }
    return ELOOP;
}

// Best effort: makes the rename itself durable. A folder that cannot be
// opened or synced does not undo a save that already replaced the file.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fsync(fd) != 0) {
        // nothing to undo; see above
    }
    ::close(fd);
}

} // namespace

CheckedFileWriter::InjectedFailure::InjectedFailure(Step step, int errorNumber)
{
    g_injection = Injection{true, step, errorNumber};
}

CheckedFileWriter::InjectedFailure::~InjectedFailure()
{
    g_injection = Injection();
}

CheckedFileWriter::CheckedFileWriter(const QString &path)
    : m_path(path)
{
}

CheckedFileWriter::~CheckedFileWriter()
{
    if (!m_committed)
        discard();
}

bool CheckedFileWriter::write(const QByteArray &bytes)
{
    if (m_committed)
        return fail(EBADF);
    if (m_failed || (!m_opened && !open()))
        return false;
    if (const int error = injectedError(Step::Write)) {
        writeAll(bytes.constData(), bytes.size() / 2);
        return fail(error);
    }
    return writeAll(bytes.constData(), bytes.size());
}

bool CheckedFileWriter::commit()
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
        if (!error && ::rename(m_temporary.constData(), m_target.constData()) != 0)
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

bool CheckedFileWriter::open()
{
    m_opened = true;
    if (m_path == QLatin1String("-")) {
        // Whatever the program printed before goes first.
        std::fflush(stdout);
        m_fd = STDOUT_FILENO;
        m_ownsFd = false;
        m_direct = true;
        return true;
    }
    if (const int error = injectedError(Step::Open))
        return fail(error);
    if (m_path.isEmpty())
        return fail(ENOENT);

    QByteArray target = QFile::encodeName(m_path);
    if (const int error = followLinks(target))
        return fail(error);
    m_target = target;

    struct stat status;
    if (::stat(target.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return fail(EISDIR);
        if (!S_ISREG(status.st_mode))
            return openDirect(target);
        // A file its owner made read-only is not ours to replace.
        if (::access(target.constData(), W_OK) != 0)
            return fail(errno);
        return openTemporary(target, true, status.st_mode & 07777, status.st_uid, status.st_gid);
    }
    if (errno != ENOENT)
        return fail(errno);
    return openTemporary(target, false, 0, 0, 0);
}

bool CheckedFileWriter::openDirect(const QByteArray &target)
{
    m_direct = true;
    m_fd = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    return m_fd >= 0 || fail(errno);
}

bool CheckedFileWriter::openTemporary(const QByteArray &target, bool replacing, unsigned mode, unsigned owner,
                                      unsigned group)
{
    const QByteArray folder = folderOf(target);
    const QByteArray name = target.mid(target.lastIndexOf('/') + 1).left(MAX_NAME_IN_TEMPORARY);
    for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS && m_fd < 0; ++attempt) {
        const QByteArray candidate = folder + "/." + name + '.' +
                                     QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        // 0666 lets the umask decide, as for any new file.
        m_fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

bool CheckedFileWriter::writeAll(const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(qMin(size, MAX_WRITE_CHUNK)));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (written == 0)
            return fail(EIO);
        data += written;
        size -= written;
    }
    return true;
}

bool CheckedFileWriter::fail(int errorNumber)
{
    if (!m_failed)
        m_error = qt_error_string(errorNumber);
    m_failed = true;
    return false;
}

void CheckedFileWriter::discard()
{
    if (m_fd >= 0 && m_ownsFd)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
}

bool writeFileChecked(const QString &path, const QByteArray &bytes, QString *error)
{
    CheckedFileWriter writer(path);
    if (writer.write(bytes) && writer.commit())
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}
