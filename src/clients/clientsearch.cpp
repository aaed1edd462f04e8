#include "clientsearch.h"

#include "engine/namecleaning.h"

#include <QRegularExpression>

namespace {

// "lp:7" -> 7; 0 with error set when the number is missing or is no
// number a chart can have (1-9, 11, 22, 33).
int readNumberWord(const QString &word, int prefixLength, QString &error)
{
    bool ok = false;
    const int n = word.mid(prefixLength).toInt(&ok);
    if (!ok || !((n >= 1 && n <= 9) || n == 11 || n == 22 || n == 33)) {
        error = QStringLiteral("'%1': expected a number 1-9, 11, 22 or 33 after '%2'")
                    .arg(word, word.left(prefixLength));
        return 0;
    }
    return n;
}

// A word shaped as a date; *shaped tells whether it looked like one, so a
// day that does not exist is refused rather than read as a name.
QDate readDateWord(const QString &word, SlashedDates slashed, bool *shaped)
{
    static const QRegularExpression ISO(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    static const QRegularExpression DOTTED(QStringLiteral("^\\d{1,2}\\.\\d{1,2}\\.\\d{4}$"));
    static const QRegularExpression SLASHED(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{4}$"));
    *shaped = true;
    if (ISO.match(word).hasMatch())
        return QDate::fromString(word, Qt::ISODate);
    if (DOTTED.match(word).hasMatch())
        return QDate::fromString(word, QStringLiteral("d.M.yyyy"));
    if (SLASHED.match(word).hasMatch())
        return QDate::fromString(word, slashed == SlashedDates::DayFirst ? QStringLiteral("d/M/yyyy")
                                                                          : QStringLiteral("M/d/yyyy"));
    *shaped = false;
    return QDate();
}

} // namespace

ClientFilter parseClientSearch(const QString &text, SlashedDates slashed)
{
    static const QRegularExpression YEAR(QStringLiteral("^\\d{4}$"));
    ClientFilter filter;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const QString lower = word.toLower();
        QString error;
        bool dateShaped = false;
        const QDate date = readDateWord(word, slashed, &dateShaped);
        if (lower.startsWith(QLatin1String("lp:"))) {
            filter.lifePath = readNumberWord(lower, 3, error);
        } else if (lower.startsWith(QLatin1String("ex:"))) {
            filter.expression = readNumberWord(lower, 3, error);
        } else if (YEAR.match(word).hasMatch()) {
            filter.birthYear = word.toInt();
        } else if (dateShaped) {
            if (date.isValid())
                filter.birthDate = date;
            else
                error = QStringLiteral("'%1': no such day").arg(word);
        } else if (word.contains(QLatin1Char(':'))) {
            error = QStringLiteral("'%1': unknown search word; use lp:N or ex:N").arg(word);
        } else {
            // A word with nothing a name keeps ("-", "&") narrows nothing.
            const QString part = CleanName(word).toUpper();
            for (const QString &piece : part.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                filter.nameParts << piece;
        }
        if (!error.isEmpty())
            filter.errors << error;
    }
    return filter;
}

SqlCondition filterCondition(const ClientFilter &filter)
{
    SqlCondition condition;
    QStringList parts;
    // Cleaned name parts hold only letters, digits and spaces, so they never
    // carry LIKE's own wildcards.
    for (const QString &part : filter.nameParts) {
        parts << QStringLiteral("match_key LIKE ?");
        condition.values << QString(QLatin1Char('%') + part + QLatin1Char('%'));
    }
    if (filter.birthDate.isValid()) {
        parts << QStringLiteral("birth_date = ?");
        condition.values << filter.birthDate.toString(Qt::ISODate);
    }
    if (filter.birthYear != 0) {
        // A range, so the birth date's index answers it.
        parts << QStringLiteral("birth_date BETWEEN ? AND ?");
        condition.values << QStringLiteral("%1-01-01").arg(filter.birthYear, 4, 10, QLatin1Char('0'))
                         << QStringLiteral("%1-12-31").arg(filter.birthYear, 4, 10, QLatin1Char('0'));
    }
    if (filter.lifePath != 0) {
        parts << QStringLiteral("life_path = ?");
        condition.values << filter.lifePath;
    }
    if (filter.expression != 0) {
        parts << QStringLiteral("expression = ?");
        condition.values << filter.expression;
    }
    condition.sql = parts.isEmpty() ? QStringLiteral("1") : parts.join(QLatin1String(" AND "));
    return condition;
}
