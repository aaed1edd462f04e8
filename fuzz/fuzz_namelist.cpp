// The name finder's lists: any bytes, read as the user's list of names (the
// first byte chooses whole lines, a column by number or a column by title)
// and as a given-name list. Every entry is a cleaned name with a letter,
// lines only grow, and every entry can be numbered and ranked; a given-name
// list is either refused with a reason or holds only valid records.

#include "fuzzcheck.h"
#include "names/namefinder.h"

#include <cstdint>

namespace {

bool isCleaned(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' ')) ||
        name.contains(QLatin1String("  ")))
        return false;
    for (const QChar c : name) {
        if (!((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              c == QLatin1Char(' ')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 64 * 1024)
        return 0;
    const int choice = data[0] % 4;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1));

    NameListRead list;
    QString error;
    const int column = choice == 0 ? -1 : choice - 1; // -1, 0, 1, and a title for 3
    const QString header = choice == 3 ? QStringLiteral("name") : QString();
    if (ReadNameList(text, choice == 3 ? -1 : column, header, list, error)) {
        int lastLine = 0;
        for (const NameListEntry &entry : list.entries) {
            fuzzCheck(isCleaned(entry.name), "an entry is a cleaned, upper-case name");
            fuzzCheck(entry.line > lastLine, "entries come in the order of their lines");
            lastLine = entry.line;
        }
        NameSettings settings;
        settings.birthDate = QDate(1990, 5, 17);
        const NameFinder finder(settings, NameConstraints());
        const QVector<NameResult> ranked = finder.rankList(list.entries, true);
        fuzzCheck(ranked.size() == list.entries.size(), "every entry is ranked");
        for (const NameResult &r : ranked)
            fuzzCheck(r.numbers.expression >= 0 && r.numbers.expression <= 33, "a number of mode 0");
    } else {
        fuzzCheck(!error.isEmpty(), "a refused list says why");
    }

    QVector<GivenName> names;
    if (ReadGivenNames(text, names, error)) {
        for (const GivenName &given : names) {
            fuzzCheck(!given.name.isEmpty() && given.rank >= 1, "a given name has a name and a rank");
            fuzzCheck(given.gender == 'f' || given.gender == 'm' || given.gender == 'u', "a known gender use");
        }
    } else {
        fuzzCheck(!error.isEmpty() && names.isEmpty(), "a refused given-name list says why and holds nothing");
    }
    return 0;
}
