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
