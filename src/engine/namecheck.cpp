#include "namecheck.h"

#include "engine/namecleaning.h"

QString nameFailure(const QString &nameOwner, const QString &kind, const QString &name, const char *why)
{
    const QString whose = nameOwner.isEmpty() ? QString() : nameOwner + QLatin1String("'s ");
    if (name.isEmpty())
        return QStringLiteral("The %1%2 is empty once cleaned: only Latin letters, digits and spaces count.")
            .arg(whose, kind);
    return QStringLiteral("The %1%2 \"%3\" has %4.").arg(whose, kind, name, QLatin1String(why));
}

QString nameCheckFailure(const PersonRecord &person, const CNumerology &engine, const QString &nameOwner)
{
    const NumerologyResult &r = engine.result();
    const NumerologyReportValues &v = engine.reportValues();
    const QString full = QStringLiteral("full name");
    const QString shortName = QStringLiteral("short name");
    // Marks can turn every vowel into a consonant or the other way round.
    const char *noVowelsFull = person.fullMarks.isEmpty() ? "no vowels" : "no vowels with the marks given";
    const char *noConsonantsFull =
        person.fullMarks.isEmpty() ? "no consonants" : "no consonants with the marks given";
    const char *noVowelsShort = person.shortMarks.isEmpty() ? "no vowels" : "no vowels with the marks given";
    if (r.expression == 0)
        return nameFailure(nameOwner, full, person.fullName, "no letters");
    if (v.heartsDesire == 0)
        return nameFailure(nameOwner, full, person.fullName, noVowelsFull);
    if (v.personality == 0)
        return nameFailure(nameOwner, full, person.fullName, noConsonantsFull);
    if (v.minorExpression == 0)
        return nameFailure(nameOwner, shortName, person.shortName, "no letters");
    if (v.minorHeartsDesire == 0)
        return nameFailure(nameOwner, shortName, person.shortName, noVowelsShort);
    return QString();
}

QString nameCheckFailure(const PersonRecord &person, const QString &nameOwner)
{
    // Only the names' letters matter here: no report, no messages.
    PersonRecord probe = person;
    probe.calcOnly = true;
    CNumerology engine;
    engine.CalcNumerology(probe);
    return nameCheckFailure(person, engine, nameOwner);
}

QString ignoredNameCharacters(const QString &typed)
{
    QString ignored;
    for (const QChar c : typed) {
        if (c.isSpace() || c == QLatin1Char('\'') || ignored.contains(c))
            continue;
        if (CleanName(QString(c)).isEmpty())
            ignored.append(c);
    }
    return ignored;
}
