#include "datetyping.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char(' ');
}

// The day, month and year fields of the text, or false when its characters
// or field lengths can never make a date.
bool splitFields(const QString &text, QStringList &fields)
{
    fields.clear();
    QString field;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            field.append(c);
        } else if (isSeparator(c) && !field.isEmpty()) {
            fields.append(field);
            field.clear();
        } else {
            return false;
        }
    }
    if (!field.isEmpty() || !fields.isEmpty())
        fields.append(field); // the field being typed, perhaps still empty
    if (fields.size() > 3)
        return false;
    if (fields.size() == 1 && !text.isEmpty() && fields.first().size() > 8)
        return false;
    for (int i = 0; i < fields.size() && fields.size() > 1; ++i) {
        if (fields.at(i).size() > (i < 2 ? 2 : 4))
            return false;
    }
    return true;
}

} // namespace

TypedDate readTypedDate(const QString &typed, bool dayFirst, const QDate &minimum, const QDate &maximum)
{
    TypedDate result;
    const QString text = typed.trimmed();
    QStringList fields;
    if (!splitFields(text, fields))
        return result;
    result.state = QValidator::Intermediate;

    // Eight digits in a row are the whole date without separators.
    if (fields.size() == 1) {
        if (fields.first().size() != 8)
            return result;
        const QString digits = fields.first();
        fields = QStringList{digits.left(2), digits.mid(2, 2), digits.mid(4)};
    }
    if (fields.size() != 3 || fields.at(2).size() != 4)
        return result;
    const int first = fields.at(0).toInt();
    const int second = fields.at(1).toInt();
    const QDate date(fields.at(2).toInt(), dayFirst ? second : first, dayFirst ? first : second);
    if (date.isValid() && date >= minimum && date <= maximum) {
        result.state = QValidator::Acceptable;
        result.date = date;
    }
    return result;
}

QString withFullYear(const QString &text, int thisYear)
{
    static const QRegularExpression SHORT_YEAR(QStringLiteral("^(\\s*\\d{1,2}[/.\\- ]\\d{1,2}[/.\\- ])(\\d{2})\\s*$"));
    const QRegularExpressionMatch match = SHORT_YEAR.match(text);
    if (!match.hasMatch())
        return text;
    const int shortYear = match.captured(2).toInt();
    int year = thisYear - thisYear % 100 + shortYear;
    if (year > thisYear)
        year -= 100;
    return match.captured(1) + QString::number(year);
}
