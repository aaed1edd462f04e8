#pragma once

// The text a report prints for a number. With master mode 1 the engine keeps
// 44, 55, 66, 77, 88 and 99 as well as 11, 22 and 33, but the data file
// writes texts only for the numbers that mode 0 can produce. A doubled
// number without an entry of its own therefore reads the entry of the digit
// it reduces to (44 -> 8, 55 -> 1, ...), opened by a paragraph on the doubled
// digit, so that no section of such a report is left without prose.

#include "textstore.h"

#include <QString>

// True for 44, 55, 66, 77, 88 and 99: the numbers only master mode 1 keeps.
bool isDoubledMasterNumber(int number);

// The digit a doubled master number reduces to: 44 -> 8, 55 -> 1, 99 -> 9.
int doubledMasterDigit(int number);

// text(topic, number) of the store; for a doubled master number whose entry
// is empty, the reduced digit's entry after a paragraph on the doubled digit.
// Empty when neither entry has text.
QString numberReading(const TextStore &store, int topic, int number);
