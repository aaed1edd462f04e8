#include "regularfilereader.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileReadResult refused(FileReadResult::Status status, const QString &reason)
{
    FileReadResult result;
    result.status = status;
    result.reason = reason;
    return result;
}

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("larger than %1 bytes").arg(maxBytes);
}

} // namespace

FileReadResult readRegularFile(const QString &path, qint64 maxBytes)
{
    // Non-blocking, so that opening a FIFO without a writer returns at once;
    // it changes nothing for a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refused(FileReadResult::CannotOpen, qt_error_string(errno));

    struct stat status;
    FileReadResult result;
    if (::fstat(fd, &status) != 0) {
        result = refused(FileReadResult::CannotOpen, qt_error_string(errno));
    } else if (S_ISDIR(status.st_mode)) {
        result = refused(FileReadResult::CannotOpen, qt_error_string(EISDIR));
    } else if (!S_ISREG(status.st_mode)) {
        result = refused(FileReadResult::NotRegular, QStringLiteral("not a regular file"));
    } else if (status.st_size > maxBytes) {
        result = refused(FileReadResult::TooLarge, tooLarge(maxBytes));
    } else {
        // The size may change while we read; never take more than the limit.
        result.status = FileReadResult::Ok;
        result.bytes.resize(int(maxBytes + 1));
        qint64 total = 0;
        while (total <= maxBytes) {
            const ssize_t got = ::read(fd, result.bytes.data() + total, size_t(maxBytes + 1 - total));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                result = refused(FileReadResult::CannotOpen, qt_error_string(errno));
                break;
            }
            if (got == 0)
                break;
            total += got;
        }
        if (result.status == FileReadResult::Ok) {
            if (total > maxBytes)
                result = refused(FileReadResult::TooLarge, tooLarge(maxBytes));
            else
                result.bytes.truncate(int(total));
        }
    }
    ::close(fd);
    return result;
}
