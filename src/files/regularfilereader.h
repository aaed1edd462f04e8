#pragma once

// Reads the small files the program keeps for the user (person files, the
// recent list, the configuration): only a regular file is read, and only up
// to a size no such file comes near, so a FIFO never blocks, a device such
// as /dev/zero is never drained, and a huge file is refused before it is
// loaded.

#include <QByteArray>
#include <QString>

struct FileReadResult
{
    enum Status { Ok, CannotOpen, NotRegular, TooLarge }; // NotRegular: a FIFO, a device, a socket
    Status status = CannotOpen;
    QByteArray bytes;
    QString reason; // why it was not read: the system's reason or ours
};

FileReadResult readRegularFile(const QString &path, qint64 maxBytes);
