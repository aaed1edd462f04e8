#pragma once

#include <QString>
#include <QStringView>

// True when every character of text is ASCII, so upper-casing it character
// by character gives what QString::toUpper gives.
bool isAscii(QStringView text);

// Writes text upper-cased over target. ASCII text, which a cleaned name
// always is, reuses target's buffer instead of allocating a new string.
void writeUpperCase(QString &target, const QString &text);
