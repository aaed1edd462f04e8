#pragma once

#include <QString>

// The decimal text of a number. The engine writes thousands of small numbers
// into its texts on every keystroke; those from 0 to 9999 come from a table
// built once and are shared, not formatted and allocated anew.
QString numberText(int n);

// Appends the decimal text of n. The engine writes its texts over the
// strings of the previous calculation, so appending reuses their buffers.
void appendNumber(QString &text, int n);
