#include "numberreading.h"

namespace {

// One sentence per doubled digit, 4 to 9. Each says what the doubling adds to
// the reduced digit's reading that follows it.
const char *const DOUBLED_DIGIT_SENTENCES[6] = {
    "Here the number stands as 44, a doubled 4: the reading below is that of 8, the digit it reduces to, "
    "and the two 4s add an unusual capacity for building slowly and for carrying heavy "
    "practical responsibility, together with the risk of rigidity when plans change.",
    "Here the number stands as 55, a doubled 5: the reading below is that of 1, the digit it reduces to, "
    "and the two 5s add restless curiosity and a strong appetite for change, which "
    "turn into real independence once they are given a direction.",
    "Here the number stands as 66, a doubled 6: the reading below is that of 3, the digit it reduces to, "
    "and the two 6s add a deep wish to care for others and to make a home beautiful, "
    "which asks you to look after yourself as faithfully as you look after them.",
    "Here the number stands as 77, a doubled 7: the reading below is that of 5, the digit it reduces to, "
    "and the two 7s add a searching, reflective mind that needs solitude and study, "
    "so that freedom is sought as much inwardly as in the outside world.",
    "Here the number stands as 88, a doubled 8: the reading below is that of 7, the digit it reduces to, "
    "and the two 8s add ambition, authority and a sure feel for material matters, "
    "which the quiet 7 asks you to use with judgement rather than force.",
    "Here the number stands as 99, a doubled 9: the reading below is that of 9, the digit it reduces to, "
    "and the doubling strengthens its breadth of sympathy and its wish to serve a "
    "larger cause, along with the task of letting go of what has run its course.",
};

} // namespace

bool isDoubledMasterNumber(int number)
{
    return number >= 44 && number <= 99 && number % 11 == 0;
}

int doubledMasterDigit(int number)
{
    int digit = number;
    while (digit > 9)
        digit = digit / 10 + digit % 10;
    return digit;
}

QString numberReading(const TextStore &store, int topic, int number)
{
    const QString own = store.text(topic, number);
    if (!own.isEmpty() || !isDoubledMasterNumber(number))
        return own;
    const QString reduced = store.text(topic, doubledMasterDigit(number));
    if (reduced.isEmpty())
        return reduced;
    const int doubledDigit = number / 11;
    return QLatin1String("<p>") + QLatin1String(DOUBLED_DIGIT_SENTENCES[doubledDigit - 4]) +
           QLatin1String("</p>") + reduced;
}
