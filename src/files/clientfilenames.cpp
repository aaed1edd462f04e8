#include "clientfilenames.h"

namespace {

const QChar FILL = QLatin1Char('_');

bool keeps(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == FILL;
}

bool trimmedAtEnds(QChar c)
{
    return c == QLatin1Char('-') || c == QLatin1Char('.') || c == FILL;
}

} // namespace

QString ClientFileNames::stem(const QString &clientName)
{
    QString stem;
    stem.reserve(clientName.size());
    for (const QChar c : clientName) {
        const QChar kept = keeps(c) ? c : FILL;
        if (kept == FILL && stem.endsWith(FILL))
            continue;
        stem += kept;
    }
    int first = 0;
    while (first < stem.size() && trimmedAtEnds(stem.at(first)))
        ++first;
    stem = stem.mid(first, MAX_STEM_LENGTH);
    while (!stem.isEmpty() && trimmedAtEnds(stem.back()))
        stem.chop(1);
    return stem.isEmpty() ? QStringLiteral("client") : stem;
}

QString ClientFileNames::take(const QString &clientName, const QString &suffix)
{
    const QString base = stem(clientName);
    const QString key = base.toLower();
    QString name = base;
    if (m_taken.contains(key)) {
        // Counters below the kept one are all taken already; one taken by a
        // client whose own name looks numbered ("John-3") is passed over.
        int &counter = m_counters[key];
        if (counter < 2)
            counter = 2;
        do
            name = base + QLatin1Char('-') + QString::number(counter++);
        while (m_taken.contains(name.toLower()));
    }
    m_taken.insert(name.toLower());
    return name + QLatin1Char('.') + suffix;
}
