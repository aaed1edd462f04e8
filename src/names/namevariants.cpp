#include "namevariants.h"

#include <QHash>

namespace {

const int MIN_WORD_LENGTH = 2;

bool isVowel(QChar c)
{
    return c == QLatin1Char('A') || c == QLatin1Char('E') || c == QLatin1Char('I') || c == QLatin1Char('O') ||
           c == QLatin1Char('U') || c == QLatin1Char('Y');
}

// The letter swaps, each with the letter it becomes.
//                                     from  to
const char LETTER_SWAPS[][2] = {{'I', 'Y'}, {'Y', 'I'}, {'U', 'W'}, {'W', 'U'}, {'C', 'K'}, {'K', 'C'}};

struct Spelling
{
    QStringList words;
    int variedWord = 0;
    QString edit;
};

// Every spelling one edit away from s, in a fixed order.
QVector<Spelling> oneEditAway(const Spelling &s)
{
    QVector<Spelling> out;
    const QString word = s.words.at(s.variedWord);
    const auto withWord = [&](const QString &changed, const QString &edit) {
        Spelling next = s;
        next.words[s.variedWord] = changed;
        next.edit = edit;
        out.append(next);
    };

    // Doubled and dropped letters.
    for (int i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        const bool twinBefore = i > 0 && word.at(i - 1) == c;
        const bool twinAfter = i + 1 < word.size() && word.at(i + 1) == c;
        if (!twinBefore && !twinAfter)
            withWord(QString(word).insert(i, c), QStringLiteral("double ") + c);
        const bool finalE = c == QLatin1Char('E') && i == word.size() - 1;
        if ((twinBefore || c == QLatin1Char('H') || finalE) && word.size() - 1 >= MIN_WORD_LENGTH)
            withWord(QString(word).remove(i, 1), QStringLiteral("drop ") + c);
    }

    // A letter added at the end.
    const QChar last = word.isEmpty() ? QChar() : word.at(word.size() - 1);
    if (!word.isEmpty() && isVowel(last))
        withWord(word + QLatin1Char('H'), QStringLiteral("add H"));
    else if (!word.isEmpty() && last != QLatin1Char('H') && last != QLatin1Char('E'))
        withWord(word + QLatin1Char('E'), QStringLiteral("add E"));

    // Letter choices.
    for (int i = 0; i < word.size(); ++i) {
        for (const auto &swap : LETTER_SWAPS) {
            if (word.at(i) != QLatin1Char(swap[0]))
                continue;
            QString changed = word;
            changed[i] = QLatin1Char(swap[1]);
            withWord(changed, QStringLiteral("%1 to %2").arg(QLatin1Char(swap[0])).arg(QLatin1Char(swap[1])));
        }
    }

    // A middle initial added after the varied word.
    const bool initialFollows = s.variedWord + 1 < s.words.size() && s.words.at(s.variedWord + 1).size() == 1;
    if (s.words.size() > 1 && !initialFollows) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            Spelling next = s;
            next.words.insert(s.variedWord + 1, QString(QLatin1Char(letter)));
            next.edit = QStringLiteral("add initial ") + QLatin1Char(letter);
            out.append(next);
        }
    }

    // An initial left out.
    for (int w = 0; w < s.words.size(); ++w) {
        if (w == s.variedWord || s.words.at(w).size() != 1 || s.words.size() < 2)
            continue;
        Spelling next = s;
        next.words.removeAt(w);
        if (w < s.variedWord)
            --next.variedWord;
        next.edit = QStringLiteral("drop initial ") + s.words.at(w);
        out.append(next);
    }
    return out;
}

} // namespace

QVector<NameVariant> NameVariants(const QStringList &words, int variedWord, int maxEdits)
{
    QVector<NameVariant> variants;
    if (variedWord < 0 || variedWord >= words.size())
        return variants;
    QHash<QString, int> seen;
    seen.insert(words.join(QLatin1Char(' ')), -1);

    QVector<Spelling> level{{words, variedWord, QString()}};
    for (int edits = 1; edits <= maxEdits; ++edits) {
        QVector<Spelling> next;
        for (const Spelling &from : level) {
            for (Spelling &to : oneEditAway(from)) {
                const QString key = to.words.join(QLatin1Char(' '));
                if (seen.contains(key))
                    continue;
                seen.insert(key, variants.size());
                if (!from.edit.isEmpty())
                    to.edit = from.edit + QStringLiteral(", ") + to.edit;
                variants.append({to.words, to.variedWord, edits, to.edit});
                next.append(to);
            }
        }
        level = next;
    }
    return variants;
}
