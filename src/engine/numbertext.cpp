#include "numbertext.h"

#include <QVector>

#include <mutex>

namespace {
const int CACHED_NUMBERS = 10000;
// The table is built a hundred numbers at a time, when one of them is first
// asked for: a run of sorvel-cli uses a few blocks (ages, years) and should
// not pay for ten thousand strings at start-up.
const int BLOCK_SIZE = 100;
const int BLOCK_COUNT = CACHED_NUMBERS / BLOCK_SIZE;

QVector<QString> buildBlock(int block)
{
    QVector<QString> texts(BLOCK_SIZE);
    for (int i = 0; i < BLOCK_SIZE; ++i)
        texts[i] = QString::number(block * BLOCK_SIZE + i);
    return texts;
}
} // namespace

QString numberText(int n)
{
    if (n < 0 || n >= CACHED_NUMBERS)
        return QString::number(n);
    static std::once_flag built[BLOCK_COUNT];
    static QVector<QString> blocks[BLOCK_COUNT];
    const int block = n / BLOCK_SIZE;
    std::call_once(built[block], [block] { blocks[block] = buildBlock(block); });
    return blocks[block].at(n % BLOCK_SIZE);
}
