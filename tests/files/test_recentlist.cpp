// The recent list: one entry per person and partner, newest first, at most eight.

#include "files/recentlist.h"

#include <QtTest>

class TestRecentList : public QObject
{
    Q_OBJECT

private slots:
    void newEntriesGoFirst();
    void samePeopleMoveToTheFront();
    void ninthPersonDropsTheOldest();
    void partnerMakesADifferentEntry();
};

static RecentEntry person(const QString &name, const QString &partner = QString())
{
    RecentEntry entry;
    entry.fullName = name;
    entry.shortName = name;
    entry.birthDate = QDate(1990, 5, 17);
    entry.partnerFullName = partner;
    entry.partnerShortName = partner;
    return entry;
}

static QStringList names(const QList<RecentEntry> &list)
{
    QStringList result;
    for (const RecentEntry &entry : list)
        result.append(entry.fullName + (entry.partnerFullName.isEmpty() ? QString() : "+" + entry.partnerFullName));
    return result;
}

void TestRecentList::newEntriesGoFirst()
{
    QList<RecentEntry> list;
    addRecentEntry(list, person("A"));
    addRecentEntry(list, person("B"));
    QCOMPARE(names(list), (QStringList{"B", "A"}));
}

void TestRecentList::samePeopleMoveToTheFront()
{
    QList<RecentEntry> list;
    addRecentEntry(list, person("A"));
    addRecentEntry(list, person("B"));
    RecentEntry again = person("A");
    again.petName = "Rex"; // the newer input set replaces the old one
    addRecentEntry(list, again);
    QCOMPARE(names(list), (QStringList{"A", "B"}));
    QCOMPARE(list.first().petName, QStringLiteral("Rex"));
}

void TestRecentList::ninthPersonDropsTheOldest()
{
    QList<RecentEntry> list;
    for (int i = 1; i <= 9; ++i)
        addRecentEntry(list, person(QString::number(i)));
    QCOMPARE(list.size(), 8);
    QCOMPARE(list.first().fullName, QStringLiteral("9"));
    QCOMPARE(list.last().fullName, QStringLiteral("2"));
}

void TestRecentList::partnerMakesADifferentEntry()
{
    QList<RecentEntry> list;
    addRecentEntry(list, person("A"));
    addRecentEntry(list, person("A", "P"));
    QCOMPARE(names(list), (QStringList{"A+P", "A"}));
    RecentEntry otherDate = person("A", "P");
    otherDate.partnerBirthDate = QDate(1991, 1, 1);
    addRecentEntry(list, otherDate);
    QCOMPARE(list.size(), 3);
}

QTEST_GUILESS_MAIN(TestRecentList)
#include "test_recentlist.moc"
