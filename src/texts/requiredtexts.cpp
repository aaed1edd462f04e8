#include "requiredtexts.h"

#include "textstore.h"
#include "topics.h"

namespace {

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(n);
    return numbers;
}

// The core numbers: 1..9 and the master numbers.
QList<int> coreNumbers()
{
    return range(1, 9) + QList<int>{11, 22, 33};
}

// Two digits 1..9, the larger first: 11, 21, 22, 31, ...
QList<int> largerFirstPairs()
{
    QList<int> codes;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= a; ++b)
            codes.append(10 * a + b);
    return codes;
}

// Two digits up to highest, the smaller first: 11, 12, ..., 19, 22, ...
QList<int> smallerFirstPairs(int highest)
{
    QList<int> codes;
    for (int a = 1; a <= highest; ++a)
        for (int b = a; b <= highest; ++b)
            codes.append(10 * a + b);
    return codes;
}

QList<RequiredTopic> buildTopics()
{
    using namespace topics;
    const QList<int> intro{0};
    QList<RequiredTopic> list;
    for (const int topic : {LIFE_PATH, EXPRESSION, HEARTS_DESIRE, PERSONALITY, MINOR_EXPRESSION,
                            MINOR_HEARTS_DESIRE, MATURITY})
        list.append({topic, intro + coreNumbers()});
    list.append({BIRTHDAY, intro + range(1, 31)});
    list.append({KARMIC_DEBT, {0, 13, 14, 16, 19}});
    // Digits 1..9; challenges and bridges read value + 1.
    for (const int topic : {PERSONAL_YEAR, PERSONAL_MONTH_DAY, HIDDEN_PASSION, KARMIC_LESSONS,
                            SUBCONSCIOUS_CONFIDENCE, BALANCE, PINNACLES, RATIONAL_THOUGHT, CHALLENGES,
                            BRIDGE_LIFE_PATH_EXPRESSION, BRIDGE_HEARTS_DESIRE_PERSONALITY})
        list.append({topic, intro + range(1, 9)});
    list.append({TRANSITS, intro + range(1, 26)});
    list.append({ESSENCE, intro + range(1, 9) + QList<int>{11, 16, 19, 22, 33}});
    list.append({DOUBLE_DIGIT_NAME, range(10, 99)});
    list.append({COMPOUND, range(10, 99)});
    list.append({PLANES, intro});
    for (const int topic : {PLANE_PHYSICAL, PLANE_MENTAL, PLANE_EMOTIONAL, PLANE_INTUITIVE})
        list.append({topic, coreNumbers()});
    list.append({PAIR_LIFE_PATH_EXPRESSION, largerFirstPairs()});
    list.append({PAIR_HEARTS_DESIRE_PERSONALITY, largerFirstPairs()});
    list.append({GENERAL_NOTES, intro});
    // Psychomatrix chapters: entry k reads a count of k - 1, entry 7 six or more.
    for (int topic = MATRIX_PURPOSEFUL; topic <= MATRIX_SEXUAL_LIFE; ++topic)
        list.append({topic, range(0, 7)});
    list.append({PET_NUMBER, range(0, 9)});
    list.append({PET_DAY, range(1, 9)});
    list.append({COMPAT_BIRTHDAY_CODE, range(1, 9)});
    list.append({COMPAT_GENERAL, range(0, 3) + smallerFirstPairs(9)});
    list.append({COMPAT_NAME_PAIR, smallerFirstPairs(9)});
    list.append({COMPAT_LIFE_PATH_PAIR, smallerFirstPairs(9)});
    list.append({COMPAT_CHARACTER, intro + smallerFirstPairs(7)});
    list.append({COMPAT_ENERGY, smallerFirstPairs(7)});
    list.append({ADVISOR_NUMBER, coreNumbers()});
    return list;
}

// "5-9, 11, 22": runs of consecutive numbers folded.
QString numberList(const QList<int> &numbers)
{
    QStringList parts;
    for (int i = 0; i < numbers.size();) {
        int j = i;
        while (j + 1 < numbers.size() && numbers.at(j + 1) == numbers.at(j) + 1)
            ++j;
        parts.append(j > i ? QStringLiteral("%1-%2").arg(numbers.at(i)).arg(numbers.at(j))
                           : QString::number(numbers.at(i)));
        i = j + 1;
    }
    return parts.join(QLatin1String(", "));
}

// An entry that holds no paragraph; topic 122 starts as a single blank.
bool isEmptyEntry(const QString &text)
{
    return text.trimmed().isEmpty();
}

const int GUIDE_PAGES = 40;

} // namespace

const QList<RequiredTopic> &requiredTopics()
{
    static const QList<RequiredTopic> TOPICS = buildTopics();
    return TOPICS;
}

QStringList missingRequiredTexts(const TextStore &store)
{
    QStringList missing;
    for (const RequiredTopic &required : requiredTopics()) {
        QList<int> lacking;
        for (const int number : required.entries)
            if (isEmptyEntry(store.text(required.topic, number)))
                lacking.append(number);
        if (!lacking.isEmpty())
            missing.append(QStringLiteral("topic %1 %2 %3")
                               .arg(required.topic)
                               .arg(lacking.size() == 1 ? QStringLiteral("entry") : QStringLiteral("entries"))
                               .arg(numberList(lacking)));
    }
    // Each guide page: its title, its calculation (pages 19 to 34 show that
    // of page 18) and its interpretation.
    QList<int> lackingPages;
    for (int page = 0; page < GUIDE_PAGES; ++page) {
        const bool sharesCalculation = page >= 19 && page <= 34;
        for (int slot = 0; slot < 3; ++slot) {
            if (slot == 1 && sharesCalculation)
                continue;
            if (isEmptyEntry(store.guideSlot(page, slot))) {
                lackingPages.append(page);
                break;
            }
        }
    }
    if (!lackingPages.isEmpty())
        missing.append(QStringLiteral("guide %1 %2")
                           .arg(lackingPages.size() == 1 ? QStringLiteral("page") : QStringLiteral("pages"))
                           .arg(numberList(lackingPages)));
    // The celebrities report needs the list itself; how long it is, is the
    // data's choice.
    if (store.celebrity(0).name.isEmpty())
        missing.append(QStringLiteral("the celebrity records"));
    return missing;
}
