#pragma once

#include <QString>

// Names as every calculation receives them: at most 300 characters, accents
// dropped, only A-Z, a-z, 0-9 and single spaces between words.
QString CleanName(const QString &text);

// The everyday name when none was given: first and last word of a longer
// name, otherwise the whole name.
QString ShortNameFromFull(const QString &cleanedFullName);
