#include "datetyping.h"

#include <QList>
#include <QLocale>
#include <QRegularExpression>

namespace {

const char *const MONTH_NAMES[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
// A written month is known by its first three letters.
const int MONTH_LETTERS = 3;

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool isAsciiLetter(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isMark(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char(',');
}

struct Token
{
    bool word = false;
    QString text;
    bool closed = false; // something follows it: it cannot grow any more
};

// The runs of digits and of letters in the text. Between two runs stand
// blanks with at most one mark ("/", ".", "-", ","): "17 May, 1990" and
// "17-05-1990" read, "11//22" does not. False for any other character.
bool tokenize(const QString &text, QList<Token> &tokens)
{
    tokens.clear();
    int i = 0;
    const int n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (isAsciiDigit(c) || isAsciiLetter(c)) {
            const bool word = isAsciiLetter(c);
            Token token;
            token.word = word;
            while (i < n && (word ? isAsciiLetter(text.at(i)) : isAsciiDigit(text.at(i))))
                token.text += text.at(i++);
            if (!tokens.isEmpty())
                tokens.last().closed = true;
            tokens.append(token);
            continue;
        }
        if (!isMark(c) && c != QLatin1Char(' '))
            return false;
        if (tokens.isEmpty())
            return false;
        int marks = 0;
        for (; i < n && (isMark(text.at(i)) || text.at(i) == QLatin1Char(' ')); ++i)
            marks += isMark(text.at(i));
        if (marks > 1)
            return false;
        tokens.last().closed = true;
    }
    return true;
}

// 1 to 12 for a written month of three letters or more; 0 for fewer letters
// that may still become one; -1 for letters no month starts with.
int writtenMonth(const QString &word)
{
    for (int m = 0; m < 12; ++m) {
        if (QLatin1String(MONTH_NAMES[m]).startsWith(word, Qt::CaseInsensitive))
            return word.size() >= MONTH_LETTERS ? m + 1 : 0;
    }
    return -1;
}

// What each place of a date's shape takes.
enum Slot {
    SmallNumber, // day or month: one or two digits
    Year,        // two or four digits
    LongYear,    // four digits (the year that comes first)
    MonthWord,   // a month written out
    EightDigits, // the whole date without separators
};

enum Fit { NoFit, Partly, Whole };

Fit fitOf(Slot slot, const Token &token)
{
    if (slot == MonthWord) {
        if (!token.word)
            return NoFit;
        const int month = writtenMonth(token.text);
        return month > 0 ? Whole : (month == 0 && !token.closed ? Partly : NoFit);
    }
    if (token.word)
        return NoFit;
    const int length = token.text.size();
    switch (slot) {
    case SmallNumber:
        return length <= 2 ? Whole : NoFit;
    case Year:
        if (length == 2 || length == 4)
            return Whole;
        return length < 4 && !token.closed ? Partly : NoFit;
    case LongYear:
        if (length == 4)
            return Whole;
        return length < 4 && !token.closed ? Partly : NoFit;
    case EightDigits:
        if (length == 8)
            return Whole;
        return length < 8 && !token.closed ? Partly : NoFit;
    case MonthWord:
        break;
    }
    return NoFit;
}

// The shapes a date can have: which order its parts come in, and what each
// place takes.
enum Order { Numeric, YearFirst, DayWordYear, WordDayYear, Eight };
struct Shape
{
    Order order;
    QList<Slot> places;
};

const QList<Shape> &shapes()
{
    static const QList<Shape> list = {
        {Numeric, {SmallNumber, SmallNumber, Year}},
        {YearFirst, {LongYear, SmallNumber, SmallNumber}},
        {DayWordYear, {SmallNumber, MonthWord, Year}},
        {WordDayYear, {MonthWord, SmallNumber, Year}},
        {Eight, {EightDigits}},
    };
    return list;
}

Fit fitOf(const Shape &shape, const QList<Token> &tokens)
{
    if (tokens.size() > shape.places.size())
        return NoFit;
    bool whole = tokens.size() == shape.places.size();
    for (int i = 0; i < tokens.size(); ++i) {
        const Fit fit = fitOf(shape.places.at(i), tokens.at(i));
        if (fit == NoFit)
            return NoFit;
        whole = whole && fit == Whole;
    }
    if (!whole && !tokens.isEmpty() && tokens.last().closed && tokens.size() == shape.places.size())
        return NoFit;
    return whole ? Whole : Partly;
}

int fullYear(const QString &digits, int thisYear)
{
    const int year = digits.toInt();
    if (digits.size() != 2)
        return year;
    int full = thisYear - thisYear % 100 + year;
    if (full > thisYear)
        full -= 100;
    return full;
}

} // namespace

TypedDate readTypedDate(const QString &typed, bool dayFirst, const QDate &minimum, const QDate &maximum,
                        int thisYear)
{
    TypedDate result;
    if (thisYear == 0)
        thisYear = QDate::currentDate().year();
    QList<Token> tokens;
    if (!tokenize(typed.trimmed(), tokens))
        return result;
    if (tokens.isEmpty()) {
        result.state = QValidator::Intermediate;
        return result;
    }

    const Shape *whole = nullptr;
    bool partly = false;
    for (const Shape &shape : shapes()) {
        const Fit fit = fitOf(shape, tokens);
        if (fit == Whole && !whole)
            whole = &shape;
        partly = partly || fit == Partly;
    }
    if (!whole) {
        result.state = partly ? QValidator::Intermediate : QValidator::Invalid;
        return result;
    }

    // The day, month and year the shape puts where.
    QString first, second, third;
    if (whole->order == Eight) {
        const QString digits = tokens.first().text;
        first = digits.left(2);
        second = digits.mid(2, 2);
        third = digits.mid(4);
    } else {
        first = tokens.at(0).text;
        second = tokens.at(1).text;
        third = tokens.at(2).text;
    }
    switch (whole->order) {
    case Numeric:
    case Eight:
        result.day = (dayFirst ? first : second).toInt();
        result.month = (dayFirst ? second : first).toInt();
        result.year = fullYear(third, thisYear);
        break;
    case YearFirst:
        result.year = first.toInt();
        result.month = second.toInt();
        result.day = third.toInt();
        break;
    case DayWordYear:
        result.day = first.toInt();
        result.month = writtenMonth(second);
        result.year = fullYear(third, thisYear);
        break;
    case WordDayYear:
        result.month = writtenMonth(first);
        result.day = second.toInt();
        result.year = fullYear(third, thisYear);
        break;
    }

    result.shortYear = third.size() == 2 && whole->order != YearFirst;
    result.state = QValidator::Intermediate; // a whole date, refused unless all is well
    const QDate date(result.year, result.month, result.day);
    if (result.month < 1 || result.month > 12)
        result.problem = TypedDate::NoSuchMonth;
    else if (!date.isValid())
        result.problem = TypedDate::NoSuchDay;
    else if (date < minimum || date > maximum)
        result.problem = TypedDate::OutOfRange;
    else {
        result.state = QValidator::Acceptable;
        result.date = date;
    }
    return result;
}

QString typedDateProblem(const TypedDate &typed, const QDate &minimum, const QDate &maximum)
{
    switch (typed.problem) {
    case TypedDate::NoProblem:
        return QString();
    case TypedDate::NoSuchMonth:
        return QStringLiteral("There is no month %1.").arg(typed.month);
    case TypedDate::NoSuchDay:
        return QStringLiteral("%1 %2 has no day %3.")
            .arg(QLatin1String(MONTH_NAMES[typed.month - 1]))
            .arg(typed.year)
            .arg(typed.day);
    case TypedDate::OutOfRange: {
        const QLocale english = QLocale::c();
        const QString format = QStringLiteral("d MMMM yyyy");
        return QStringLiteral("Not a date between %1 and %2.")
            .arg(english.toString(minimum, format), english.toString(maximum, format));
    }
    }
    return QString();
}

QString withFullYear(const QString &text, int thisYear)
{
    static const QRegularExpression SHORT_YEAR(
        QStringLiteral("^(\\s*(?:\\d{1,2}|[A-Za-z]{3,})[/.,\\- ]+(?:\\d{1,2}|[A-Za-z]{3,})[/.,\\- ]+)(\\d{2})\\s*$"));
    const QRegularExpressionMatch match = SHORT_YEAR.match(text);
    if (!match.hasMatch())
        return text;
    return match.captured(1) + QString::number(fullYear(match.captured(2), thisYear));
}
