#pragma once

#include <QString>

// The characters of a typed name a calculation reads; the window's name
// fields take no more, so nothing is cut off unseen.
constexpr int MAX_NAME_LENGTH = 300;

// Names as every calculation receives them: at most MAX_NAME_LENGTH
// characters, accents dropped, only A-Z, a-z, 0-9 and single spaces between
// words.
QString CleanName(const QString &text);

// The everyday name when none was given: first and last word of a longer
// name, otherwise the whole name.
QString ShortNameFromFull(const QString &cleanedFullName);
