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

// The same for raw characters, as read from the file: deciphers the
// length characters at data (an odd last one ignored) into plain, one byte
// per pair.
void decipherBytes(const char *data, int length, QByteArray &plain);

// decipherBytes() for a line of even length that checks, in the same pass,
// that every character is one the encoder writes at its place: false (and
// plain of no use) when one is not; firstForeignCharacter() then finds it.
bool decipherCheckedBytes(const char *data, int length, QByteArray &plain);

// The index of the first character that the encoder never writes at its
// place ('a'..'p' at even, 'A'..'P' at odd indices), or -1 when there is none.
int firstForeignCharacter(const char *data, int length);

// The inverse: enciphers the Latin-1 bytes of one plain line into the
// letters of the data file.
QByteArray encipherLine(const QByteArray &latin1);
