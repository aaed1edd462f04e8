#include "boundedfile.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace {

BoundedFile refused(const QString &reason)
{
    BoundedFile file;
    file.reason = reason;
    return file;
}

QString tooLarge(qint64 size, qint64 maxBytes)
{
    return QStringLiteral("too large: %1 bytes, the limit is %2 MB").arg(size).arg(maxBytes / (1024 * 1024));
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

// What a path that is not a regular file is, for the reason.
QString notRegular(mode_t mode)
{
    const char *kind = S_ISDIR(mode)    ? "a directory"
                       : S_ISFIFO(mode) ? "a FIFO"
                       : S_ISCHR(mode)  ? "a character device"
                       : S_ISBLK(mode)  ? "a block device"
                       : S_ISSOCK(mode) ? "a socket"
                                        : "something else";
    return QLatin1String(kind) + QLatin1String(", not a regular file");
}

// Reads fd to its end into at most maxBytes + 1 bytes, so a file that grew
// past the limit after it was measured is noticed.
bool readAll(int fd, qint64 expected, qint64 maxBytes, QByteArray &bytes, QString &reason)
{
    const qint64 room = maxBytes + 1;
    bytes.resize(int(qMin(expected + 1, room)));
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total == room)
                break;
            bytes.resize(int(qMin(total + 64 * 1024, room)));
        }
        const ssize_t n = ::read(fd, bytes.data() + total, size_t(bytes.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = QLatin1String("cannot read: ") + qt_error_string(errno);
            return false;
        }
        if (n == 0)
            break;
        total += n;
    }
    if (total > maxBytes) {
        reason = tooLarge(total, maxBytes);
        return false;
    }
    bytes.resize(int(total));
    return true;
}

} // namespace

BoundedFile readBoundedFile(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            BoundedFile missing;
            missing.status = BoundedFile::Missing;
            missing.reason = QStringLiteral("no such file");
            return missing;
        }
        return refused(QLatin1String("cannot open: ") + qt_error_string(errno));
    }
    // Refused before opening: opening a FIFO would wait for a writer.
    if (!S_ISREG(info.st_mode))
        return refused(notRegular(info.st_mode));
    if (info.st_size > maxBytes)
        return refused(tooLarge(info.st_size, maxBytes));

    // Non-blocking, and checked again once open, in case the path was
    // replaced by something else in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refused(QLatin1String("cannot open: ") + qt_error_string(errno));
    BoundedFile file;
    if (::fstat(fd, &info) != 0)
        file.reason = QLatin1String("cannot read: ") + qt_error_string(errno);
    else if (!S_ISREG(info.st_mode))
        file.reason = notRegular(info.st_mode);
    else if (readAll(fd, info.st_size, maxBytes, file.bytes, file.reason))
        file.status = BoundedFile::Read;
    ::close(fd);
    if (file.status != BoundedFile::Read)
        file.bytes.clear();
    return file;
}

#else

BoundedFile readBoundedFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        BoundedFile missing;
        missing.status = BoundedFile::Missing;
        missing.reason = QStringLiteral("no such file");
        return missing;
    }
    if (!info.isFile())
        return refused(QStringLiteral("not a regular file"));
    if (info.size() > maxBytes)
        return refused(tooLarge(info.size(), maxBytes));
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return refused(QLatin1String("cannot open: ") + source.errorString());
    BoundedFile file;
    file.bytes = source.read(maxBytes + 1);
    if (file.bytes.size() > maxBytes)
        return refused(tooLarge(file.bytes.size(), maxBytes));
    file.status = BoundedFile::Read;
    return file;
}

#endif
