#pragma once

// File names for the files a batch run writes, one per client, made from the
// client's name: letters and digits of any script are kept, as are "-", "."
// and "_"; spaces and every other character (path separators, quotes,
// colons, control characters) become "_", runs of "_" fold into one, and the
// name never starts or ends with ".", "-" or "_", so it can neither leave the
// output folder nor hide in it. A name with nothing left is "client".
//
// Two clients of the same name (ignoring case, for file systems that ignore
// it) get "-2", "-3", ... in the order they come. The next counter to try is
// kept per stem, so a list of many clients of one name is named in time
// proportional to its length:
//
//   "Smith, John Adam"  -> Smith_John_Adam.pdf
//   "John Smith"        -> John_Smith.pdf
//   "JOHN SMITH"        -> JOHN_SMITH-2.pdf
//   "../../etc/passwd"  -> etc_passwd.pdf

#include <QHash>
#include <QSet>
#include <QString>

class ClientFileNames
{
public:
    // Longest stem kept from a name, in characters; the counter and the
    // suffix come on top.
    static constexpr int MAX_STEM_LENGTH = 80;

    // The safe stem of a name, without the counter or the suffix.
    static QString stem(const QString &clientName);

    // The next file name for the client: stem, counter when the stem was
    // taken before in this run, "." and the suffix.
    QString take(const QString &clientName, const QString &suffix);

private:
    QSet<QString> m_taken;          // lower-cased stems with their counters
    QHash<QString, int> m_counters; // lower-cased stem -> the next counter to try
};
