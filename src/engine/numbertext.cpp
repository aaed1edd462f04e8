#include "numbertext.h"

#include <QVector>

namespace {
const int CACHED_NUMBERS = 10000;

QVector<QString> buildNumberTexts()
{
    QVector<QString> texts(CACHED_NUMBERS);
    for (int n = 0; n < CACHED_NUMBERS; ++n)
        texts[n] = QString::number(n);
    return texts;
}
} // namespace

QString numberText(int n)
{
    static const QVector<QString> texts = buildNumberTexts();
    return (n >= 0 && n < CACHED_NUMBERS) ? texts.at(n) : QString::number(n);
}

void appendNumber(QString &text, int n)
{
    char digits[12]; // sign, ten digits of a 32-bit number, one spare
    char *end = digits + sizeof(digits);
    char *p = end;
    // Work on the negative value: its range holds every int.
    int rest = n < 0 ? n : -n;
    do {
        *--p = char('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (n < 0)
        *--p = '-';
    text.append(QLatin1String(p, int(end - p)));
}
