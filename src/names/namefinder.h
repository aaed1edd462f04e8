#pragma once

// The name finder: names and spellings whose numbers are the ones a client
// wants. Three modes share one evaluation:
//
//   list      first names of the given-name list, before fixed parts (a
//             middle name, a surname)
//   variants  spellings of one word of a name, at most two edits away
//   ranking   the names of a list the user gives (business names)
//
// Every candidate is numbered by the engine's fast path (WordNumbers and
// NameNumbersOf), which gives what a chart gives for the same unmarked
// name; fixed words are summed once per search. Results are ranked by
// rankResults: constraints met first, then the fewest edits, popularity in
// the given-name list, the order of the user's list, the Life
// Path-Expression bridge and the name.

#include "engine/cnumerology.h"
#include "names/givennames.h"
#include "names/namelist.h"
#include "names/namevariants.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

enum class NameGender { Any, Female, Male };

// What the numbers of a wanted name must be. Empty sets allow any number.
struct NameConstraints
{
    QList<int> expression;
    QList<int> heartsDesire;
    QList<int> personality;
    int maxBridge = -1;       // Life Path-Expression bridge at most; -1 any (needs a birth date)
    bool noKarmicDebt = false; // no 13, 14, 16 or 19 in the name's three totals
    QString includeLetters;   // each must be in the varied part
    QString avoidLetters;     // none may be in the varied part
    int minLength = 0;        // letters of the varied part; 0 no bound
    int maxLength = 0;
    NameGender gender = NameGender::Any; // list names only
};

// How the numbers are calculated.
struct NameSettings
{
    bool chaldean = false;
    int vowelMode = 0;   // 0 "English", 1 "Universal"
    int masterMode = 0;  // 0 keeps 11, 22, 33; 1 every double digit
    CalcOptions options; // reduce each word, master letters, Life Path methods
    QDate birthDate;     // optional: Life Path and bridge
};

struct NameResult
{
    QString name;      // the whole name, upper case, single spaces
    QString varied;    // the varied part (the first name, the variant's word, the entry)
    QString edit;      // the variant's edits, "double N, add H"; empty otherwise
    int edits = 0;
    int rank = 0;      // popularity in the given-name list, 1 the most given; 0 not listed
    char gender = 0;   // 'f', 'm', 'u', or 0 when not listed
    int order = 0;     // position in the user's list, from 1
    int line = 0;      // line of the user's list
    NameNumbers numbers;
    int lifePath = 0;  // 0 without a birth date
    int bridge = -1;   // -1 without a birth date
    bool meets = true;
};

// The calculation lines of a result, as the chart shows them.
struct NameLines
{
    QString expression;
    QString heartsDesire;
    QString personality;
};

class NameFinder
{
public:
    NameFinder(const NameSettings &settings, const NameConstraints &constraints);
    NameFinder(const NameFinder &) = delete;
    NameFinder &operator=(const NameFinder &) = delete;

    // The given-name list, for the popularity and gender of variants and of
    // ranked entries that are listed names.
    void setGivenNames(const QVector<GivenName> *names);

    // Every list name that meets the constraints as the first word before
    // fixedAfter (a middle name and a surname, either may be empty), ranked.
    QVector<NameResult> findInList(const QVector<GivenName> &names, const QString &fixedAfter) const;

    // The name itself and its variants that meet the constraints, ranked.
    // variedWord: index of the word to vary.
    QVector<NameResult> findVariants(const QString &fullName, int variedWord) const;

    // The entries, ranked; with includeUnmet also those that miss a
    // constraint, after the others and marked.
    QVector<NameResult> rankList(const QVector<NameListEntry> &entries, bool includeUnmet) const;

    NameLines lines(const NameResult &result) const;

    // The Life Path of the settings' birth date; 0 without one.
    int lifePath() const { return m_lifePath; }

    // Any name's evaluation, for a name of the caller's own (upper case,
    // single spaces); varied is the part the letter and length rules see.
    NameResult evaluate(const QString &name, const QString &varied) const;

    static void rankResults(QVector<NameResult> &results);

    // The results as CSV, one a line under a title line: the name, its
    // numbers with their calculation lines, Life Path and bridge (empty
    // without a birth date), karmic debt, edits, popularity and gender use.
    QByteArray csv(const QVector<NameResult> &results) const;

private:
    // The letters A-Z of a text as a 26-bit set, and their count.
    static quint32 letterSet(QStringView text, int *letters = nullptr);
    bool spellingMeets(QStringView varied) const;
    bool numbersMeet(const NameNumbers &numbers, int *bridge) const;
    bool genderMeets(char gender) const;
    void sumWords(const QString &name, QVector<WordNumberSums> &sums) const;
    NameResult resultFor(const QString &name, const QString &varied, const NameNumbers &numbers, int bridge,
                         bool meets) const;

    NameSettings m_settings;
    NameConstraints m_constraints;
    // Wanted numbers by value, 0..99; an empty set allows all.
    bool m_expression[100] = {};
    bool m_heartsDesire[100] = {};
    bool m_personality[100] = {};
    quint32 m_include = 0;
    quint32 m_avoid = 0;
    int m_lifePath = 0;
    mutable CNumerology m_engine; // the fast path; counts nothing
    mutable CNumerology m_lineEngine; // writes calculation lines
    QHash<QString, const GivenName *> m_listed;
};
