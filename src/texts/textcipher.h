#pragma once

// The line cipher of the interpretation data file "eng.dat".
//
// Every line is enciphered on its own: the Latin-1 bytes of the plain line
// are XORed with an RC4 keystream started afresh for the line, and each
// resulting byte is written as two letters, 'a' + low nibble followed by
// 'A' + high nibble. An empty line stays empty.

#include <QByteArray>
#include <QString>

// Deciphers line in place: one character (by its Latin-1 code) per result
// byte. Returns false and leaves the line unchanged when it has fewer than
// 2 characters; an odd last character is ignored.
bool decipherLine(QString &line);

// The inverse: enciphers the Latin-1 bytes of one plain line into the
// letters of the data file.
QByteArray encipherLine(const QByteArray &latin1);
