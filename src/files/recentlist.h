#pragma once

#include "files/personinput.h"

#include <QList>

// One recently calculated input set, names cleaned.
using RecentEntry = PersonInput;

const int MAX_RECENT_ENTRIES = 8;

// Puts the entry at the front of the list: an entry for the same person and
// partner moves there (replaced by the new one); otherwise the oldest entry
// makes room when the list is full.
void addRecentEntry(QList<RecentEntry> &list, const RecentEntry &entry);
