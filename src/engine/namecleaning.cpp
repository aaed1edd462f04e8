#include "namecleaning.h"

#include <QStringList>

QString CleanName(const QString &text)
{
    // Decompose, so accented letters become a base letter plus marks, then
    // drop the marks.
    const QString decomposed = text.left(MAX_NAME_LENGTH).normalized(QString::NormalizationForm_D);
    QString kept;
    kept.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining)
            continue;
        const ushort u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
            kept.append(c);
        else if (u != '\'') // O'Neil is one word
            kept.append(QLatin1Char(' '));
    }
    return kept.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

QString ShortNameFromFull(const QString &cleanedFullName)
{
    const QStringList words = cleanedFullName.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() > 2)
        return words.first() + QLatin1Char(' ') + words.last();
    return cleanedFullName;
}
