#include "namefinder.h"

#include <algorithm>
#include <climits>

#include <QStringList>

namespace {

void fillSet(bool (&set)[100], const QList<int> &numbers)
{
    for (const int n : numbers) {
        if (n >= 0 && n < 100)
            set[n] = true;
    }
}

bool inSet(const bool (&set)[100], bool anyAllowed, int n)
{
    return anyAllowed || (n >= 0 && n < 100 && set[n]);
}

} // namespace

NameFinder::NameFinder(const NameSettings &settings, const NameConstraints &constraints)
    : m_settings(settings)
    , m_constraints(constraints)
{
    fillSet(m_expression, constraints.expression);
    fillSet(m_heartsDesire, constraints.heartsDesire);
    fillSet(m_personality, constraints.personality);
    m_include = letterSet(constraints.includeLetters.toUpper());
    m_avoid = letterSet(constraints.avoidLetters.toUpper());
    for (CNumerology *engine : {&m_engine, &m_lineEngine}) {
        engine->setCalcOptions(&m_settings.options);
        engine->SetMasterMode(settings.masterMode);
        engine->SetChaldean(settings.chaldean);
    }
    if (settings.birthDate.isValid())
        m_lifePath = m_engine.LifePathOf(settings.birthDate);
}

void NameFinder::setGivenNames(const QVector<GivenName> *names)
{
    m_listed.clear();
    if (!names)
        return;
    for (const GivenName &given : *names)
        m_listed.insert(given.name, &given);
}

quint32 NameFinder::letterSet(QStringView text, int *letters)
{
    quint32 set = 0;
    int count = 0;
    for (const QChar c : text) {
        const unsigned index = c.unicode() - 'A';
        if (index < 26u) {
            set |= 1u << index;
            ++count;
        }
    }
    if (letters)
        *letters = count;
    return set;
}

bool NameFinder::spellingMeets(QStringView varied) const
{
    int letters = 0;
    const quint32 set = letterSet(varied, &letters);
    if ((set & m_include) != m_include || (set & m_avoid) != 0)
        return false;
    if (m_constraints.minLength > 0 && letters < m_constraints.minLength)
        return false;
    return m_constraints.maxLength <= 0 || letters <= m_constraints.maxLength;
}

bool NameFinder::numbersMeet(const NameNumbers &numbers, int *bridge) const
{
    *bridge = -1;
    if (m_lifePath > 0)
        *bridge = CNumerology::Bridge(m_lifePath, numbers.expression).distance;
    if (!inSet(m_expression, m_constraints.expression.isEmpty(), numbers.expression) ||
        !inSet(m_heartsDesire, m_constraints.heartsDesire.isEmpty(), numbers.heartsDesire) ||
        !inSet(m_personality, m_constraints.personality.isEmpty(), numbers.personality))
        return false;
    if (m_constraints.noKarmicDebt && numbers.karmicDebt)
        return false;
    // A bridge bound without a birth date cannot be met.
    return m_constraints.maxBridge < 0 || (*bridge >= 0 && *bridge <= m_constraints.maxBridge);
}

bool NameFinder::genderMeets(char gender) const
{
    switch (m_constraints.gender) {
    case NameGender::Female:
        return gender == 'f' || gender == 'u';
    case NameGender::Male:
        return gender == 'm' || gender == 'u';
    case NameGender::Any:
        break;
    }
    return true;
}

void NameFinder::sumWords(const QString &name, QVector<WordNumberSums> &sums) const
{
    // Words at every space, as the chart splits a name.
    int start = 0;
    for (int i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name.at(i) == QLatin1Char(' ')) {
            sums.append(m_engine.WordNumbers(QStringView(name).mid(start, i - start), m_settings.vowelMode));
            start = i + 1;
        }
    }
}

NameResult NameFinder::resultFor(const QString &name, const QString &varied, const NameNumbers &numbers, int bridge,
                                 bool meets) const
{
    NameResult result;
    result.name = name;
    result.varied = varied;
    result.numbers = numbers;
    result.lifePath = m_lifePath;
    result.bridge = bridge;
    result.meets = meets;
    if (const GivenName *given = m_listed.value(varied)) {
        result.rank = given->rank;
        result.gender = given->gender;
    }
    return result;
}

NameResult NameFinder::evaluate(const QString &name, const QString &varied) const
{
    QVector<WordNumberSums> sums;
    sumWords(name, sums);
    const NameNumbers numbers = m_engine.NameNumbersOf(sums.constData(), sums.size());
    int bridge = -1;
    const bool meets = numbersMeet(numbers, &bridge) && spellingMeets(varied);
    return resultFor(name, varied, numbers, bridge, meets);
}

QVector<NameResult> NameFinder::findInList(const QVector<GivenName> &names, const QString &fixedAfter) const
{
    // The fixed words are summed once; each list name adds its one word.
    QVector<WordNumberSums> sums(1);
    if (!fixedAfter.isEmpty())
        sumWords(fixedAfter, sums);
    const QString tail = fixedAfter.isEmpty() ? QString() : QLatin1Char(' ') + fixedAfter;

    QVector<NameResult> results;
    for (const GivenName &given : names) {
        if (!genderMeets(given.gender) || !spellingMeets(given.name))
            continue;
        sums[0] = m_engine.WordNumbers(given.name, m_settings.vowelMode);
        const NameNumbers numbers = m_engine.NameNumbersOf(sums.constData(), sums.size());
        int bridge = -1;
        if (!numbersMeet(numbers, &bridge))
            continue;
        NameResult result = resultFor(given.name + tail, given.name, numbers, bridge, true);
        result.rank = given.rank;
        result.gender = given.gender;
        results.append(result);
    }
    rankResults(results);
    return results;
}

QVector<NameResult> NameFinder::findVariants(const QString &fullName, int variedWord) const
{
    QVector<NameResult> results;
    const QStringList words = fullName.split(QLatin1Char(' '));
    if (variedWord < 0 || variedWord >= words.size())
        return results;
    const auto consider = [&](const QStringList &name, int varied, int edits, const QString &edit) {
        NameResult result = evaluate(name.join(QLatin1Char(' ')), name.at(varied));
        if (!result.meets || (result.gender && !genderMeets(result.gender)))
            return;
        result.edits = edits;
        result.edit = edit;
        results.append(result);
    };
    consider(words, variedWord, 0, QString());
    for (const NameVariant &variant : NameVariants(words, variedWord))
        consider(variant.words, variant.variedWord, variant.edits, variant.edit);
    rankResults(results);
    return results;
}

QVector<NameResult> NameFinder::rankList(const QVector<NameListEntry> &entries, bool includeUnmet) const
{
    QVector<NameResult> results;
    for (int i = 0; i < entries.size(); ++i) {
        NameResult result = evaluate(entries.at(i).name, entries.at(i).name);
        if (!result.meets && !includeUnmet)
            continue;
        result.order = i + 1;
        result.line = entries.at(i).line;
        results.append(result);
    }
    rankResults(results);
    return results;
}

void NameFinder::rankResults(QVector<NameResult> &results)
{
    // Unlisted names (rank 0) come after every listed one.
    const auto popularity = [](const NameResult &r) { return r.rank > 0 ? r.rank : INT_MAX; };
    // Without a birth date every bridge is -1 and decides nothing.
    std::stable_sort(results.begin(), results.end(), [&](const NameResult &a, const NameResult &b) {
        if (a.meets != b.meets)
            return a.meets;
        if (a.edits != b.edits)
            return a.edits < b.edits;
        if (popularity(a) != popularity(b))
            return popularity(a) < popularity(b);
        if (a.order != b.order)
            return a.order < b.order;
        if (a.bridge != b.bridge)
            return a.bridge < b.bridge;
        return a.name < b.name;
    });
}

NameLines NameFinder::lines(const NameResult &result) const
{
    QVector<WordNumberSums> sums;
    sumWords(result.name, sums);
    QList<int> all, vowels, consonants;
    for (const WordNumberSums &word : sums) {
        all.append(word.all);
        vowels.append(word.vowels);
        consonants.append(word.consonants);
    }
    return {m_lineEngine.NameNumberLine(all), m_lineEngine.NameNumberLine(vowels),
            m_lineEngine.NameNumberLine(consonants)};
}

QByteArray NameFinder::csv(const QVector<NameResult> &results) const
{
    // Calculation lines begin with "=": an apostrophe before them keeps a
    // spreadsheet from taking them for formulas.
    const auto quoted = [](const QString &text) -> QString {
        return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    };
    QString out = QStringLiteral("name,expression,expression line,hearts desire,hearts desire line,personality,"
                                 "personality line,life path,bridge,karmic debt,edits,edit,popularity,gender\r\n");
    for (const NameResult &r : results) {
        const NameLines l = lines(r);
        QStringList fields = {quoted(r.name),
                              QString::number(r.numbers.expression),
                              quoted(QLatin1Char('\'') + l.expression),
                              QString::number(r.numbers.heartsDesire),
                              quoted(QLatin1Char('\'') + l.heartsDesire),
                              QString::number(r.numbers.personality),
                              quoted(QLatin1Char('\'') + l.personality),
                              r.lifePath > 0 ? QString::number(r.lifePath) : QString(),
                              r.bridge >= 0 ? QString::number(r.bridge) : QString(),
                              r.numbers.karmicDebt ? QStringLiteral("yes") : QStringLiteral("no"),
                              QString::number(r.edits),
                              quoted(r.edit),
                              r.rank > 0 ? QString::number(r.rank) : QString(),
                              r.gender ? QString(QLatin1Char(r.gender)) : QString()};
        out += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}
