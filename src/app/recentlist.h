#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVector>

// One recently calculated input set.
struct RecentEntry
{
    QString fullName;
    QString shortName;
    QDate birthDate;
    bool female = true;
    QString partnerFullName;
    QString partnerShortName;
    QDate partnerBirthDate;
    QDate petBirthDate;
    QString petName;
    QVector<int> fullMarks;
    QVector<int> shortMarks;
    QVector<int> partnerFullMarks;
    QVector<int> partnerShortMarks;
    bool chaldean = false;

    // Same person and partner, whatever pet, marks or options.
    bool samePeopleAs(const RecentEntry &other) const;
};

const int MAX_RECENT_ENTRIES = 8;

// Puts the entry at the front of the list: an entry for the same person and
// partner moves there (replaced by the new one); otherwise the oldest entry
// makes room when the list is full.
void addRecentEntry(QList<RecentEntry> &list, const RecentEntry &entry);
