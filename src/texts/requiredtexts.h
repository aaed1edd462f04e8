#pragma once

// The entries of the text store that the readings print, topic by topic:
// what a data file must hold for every report, reading and guide page to be
// whole. The program's own eng.dat is checked against it when it loads
// (TextStore::load), so a file cut short or built from part of the sources
// is refused with the list of what it lacks, instead of reports that
// silently lose their prose.

#include <QList>
#include <QString>

class TextStore;

struct RequiredTopic
{
    int topic;          // a plain text topic code (topics.h)
    QList<int> entries; // the numbers its readers ask for
};

// Every plain text topic the readings read, with its entries.
const QList<RequiredTopic> &requiredTopics();

// What the store lacks of the required texts, one item per topic, guide
// page or table, each naming the missing numbers: "topic 106 entries 5-9",
// "guide page 3 slots 1, 2", "celebrity records". Empty when complete.
QStringList missingRequiredTexts(const TextStore &store);
