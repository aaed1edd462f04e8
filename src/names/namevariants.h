#pragma once

// Spelling variants of a name: the spellings a practitioner weighs when a
// name's numbers are nearly right. One edit is one of
//
//   double X         a letter written twice (JON -> JONN), not beside its twin
//   drop X           one letter of a doubled pair (ANNA -> ANA), an H
//                    (JOHN -> JON) or a final E (ANNE -> ANN)
//   add H, add E     H after a final vowel (SARA -> SARAH), E after a final
//                    consonant (ANN -> ANNE)
//   I to Y, Y to I, U to W, W to U, C to K, K to C
//                    the letters whose choice changes the sound sums
//   add initial X    a middle initial after the varied word (only when the
//                    name has another word and no initial stands there)
//   drop initial X   a word of one letter left out
//
// Spelling edits touch the varied word alone; no word falls below two
// letters. Variants are at most two edits from the original; each is listed
// once, with the fewest edits that reach it, in the order they are found.

#include <QString>
#include <QStringList>
#include <QVector>

struct NameVariant
{
    QStringList words; // the whole name, upper case
    int variedWord = 0; // index of the varied word in words
    int edits = 0;      // 1 or 2
    QString edit;       // "double N, add H"
};

// words: the name's words, upper case (A-Z); variedWord: the index of the
// word to vary. maxEdits: 1 or 2.
QVector<NameVariant> NameVariants(const QStringList &words, int variedWord, int maxEdits = 2);
