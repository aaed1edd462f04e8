#pragma once

#include <QString>

// The decimal text of a number. The engine writes thousands of small numbers
// into its texts on every keystroke; those from 0 to 9999 come from a table
// filled as they are first asked for and are shared, not formatted and
// allocated anew.
QString numberText(int n);
