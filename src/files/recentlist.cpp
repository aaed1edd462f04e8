#include "recentlist.h"

void addRecentEntry(QList<RecentEntry> &list, const RecentEntry &entry)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).samePeopleAs(entry)) {
            list.removeAt(i);
            list.prepend(entry);
            return;
        }
    }
    while (list.size() >= MAX_RECENT_ENTRIES)
        list.removeLast();
    list.prepend(entry);
}
