// The "Find names" section: a search from the form fills the table in the
// finder's order, a column title sorts it, a double-click hands the name to
// the advisor, and the advisor's date becomes the Life Path.

#include "app/pages/namefinderpanel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

namespace {

template <typename T>
T *child(QWidget &panel, const char *name)
{
    return panel.findChild<T *>(QLatin1String(name));
}

} // namespace

class TestNameFinderPanel : public QObject
{
    Q_OBJECT
private slots:
    void listSearchWithBirthDate();
    void variantsAndDoubleClick();
};

void TestNameFinderPanel::listSearchWithBirthDate()
{
    CNameFinderPanel panel(nullptr);
    panel.resize(800, 600);
    child<QLineEdit>(panel, "finderFixed")->setText(QStringLiteral("Garcia"));
    child<QLineEdit>(panel, "finderExpression")->setText(QStringLiteral("8"));
    child<QSpinBox>(panel, "finderBridge")->setValue(0);
    child<QComboBox>(panel, "finderGender")->setCurrentIndex(1); // female
    // 14 March 2025: 5 + 3 + 9 = 17, Life Path 8.
    panel.setAdvisorInput(QDate(2025, 3, 14), false);
    QVERIFY(panel.search());

    const QVector<NameResult> &results = panel.model().results();
    QVERIFY(results.size() > 100);
    int lastRank = 0;
    for (const NameResult &r : results) {
        QCOMPARE(r.numbers.expression, 8);
        QCOMPARE(r.lifePath, 8);
        QCOMPARE(r.bridge, 0);
        QVERIFY(r.gender == 'f' || r.gender == 'u');
        QVERIFY(r.rank > lastRank);
        lastRank = r.rank;
    }
    // The table shows the finder's order until a title is clicked.
    QAbstractItemModel *shown = panel.table()->model();
    QCOMPARE(shown->rowCount(), results.size());
    QCOMPARE(shown->index(0, CNameResultModel::Name).data().toString(), results.first().name);
    panel.table()->sortByColumn(CNameResultModel::HeartsDesire, Qt::DescendingOrder);
    int last = 99;
    for (int row = 0; row < shown->rowCount(); ++row) {
        const int hd = shown->index(row, CNameResultModel::HeartsDesire).data().toInt();
        QVERIFY(hd <= last);
        last = hd;
    }
    // The tool tip spells out the numbers.
    QVERIFY(shown->index(0, 0).data(Qt::ToolTipRole).toString().startsWith(QLatin1String("Expression =")));
}

void TestNameFinderPanel::variantsAndDoubleClick()
{
    CNameFinderPanel panel(nullptr);
    panel.resize(800, 600);
    panel.show();
    child<QComboBox>(panel, "finderMode")->setCurrentIndex(1); // spelling variants
    child<QLineEdit>(panel, "finderFixed")->setText(QStringLiteral("Jo Smith"));
    child<QLineEdit>(panel, "finderExpression")->setText(QStringLiteral("5, 9"));
    QVERIFY(panel.search());
    const QVector<NameResult> &results = panel.model().results();
    QVERIFY(!results.isEmpty());
    for (const NameResult &r : results) {
        QVERIFY(r.numbers.expression == 5 || r.numbers.expression == 9);
        QVERIFY(r.edits >= 1 && r.edits <= 2); // JO SMITH itself is 13 -> 4
    }

    QSignalSpy chosen(&panel, &CNameFinderPanel::nameChosen);
    QTableView *table = panel.table();
    const QRect cell = table->visualRect(table->model()->index(0, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toString(), results.first().name);
}

QTEST_MAIN(TestNameFinderPanel)
#include "test_namefinderpanel.moc"
