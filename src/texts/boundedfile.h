#pragma once

// Reading a whole file that someone else supplied, without trusting it: only
// a regular file is read, and only up to a size limit. A directory, a device
// such as /dev/zero or a FIFO without a writer is refused at once, before a
// byte is read, so it can neither block the reader nor fill its memory.

#include <QByteArray>
#include <QString>

struct BoundedFile
{
    enum Status { Read, Missing, Refused };
    Status status = Refused;
    QByteArray bytes; // the whole file, when Read
    // Why it was not read, in a few words without the path: "no such file",
    // "a directory, not a regular file", "cannot open: Permission denied".
    QString reason;
};

// Reads the file at path when it is a regular file of at most maxBytes.
BoundedFile readBoundedFile(const QString &path, qint64 maxBytes);
