// The "Find names" section: a search from the form fills the table in the
// finder's order, a column title sorts it, a double-click hands the name to
// the advisor, and the advisor's date becomes the Life Path.

#include "app/cskinmanager.h"
#include "app/pages/namefinderpanel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
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
    void fitsTheNarrowestReportInEverySkin_data();
    void fitsTheNarrowestReportInEverySkin();
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

void TestNameFinderPanel::fitsTheNarrowestReportInEverySkin_data()
{
    QTest::addColumn<int>("skin");
    QTest::newRow("Chocolate") << 0;
    QTest::newRow("Blue") << 1;
    QTest::newRow("Rose") << 4;
}

// In the skin's sheets, at the report's narrowest (600 pixels, the smallest
// window), every caption shows whole and the count fields' text is not cut
// ("any" read "anv" when the sheet padded the field's inner line twice).
void TestNameFinderPanel::fitsTheNarrowestReportInEverySkin()
{
    QFETCH(int, skin);
    CSkinManager skins{QString()};
    skins.selectSkin(skin);
    QWidget window;
    window.resize(800, 600);
    skins.applyStyle(&window, CSkinManager::KIND_WINDOW); // as the main window's sheet
    CNameFinderPanel panel(&window);
    panel.applyStyle(&skins);
    panel.setGeometry(0, 0, 600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(panel.layout()->minimumSize().width() <= 600,
             qPrintable(QString::number(panel.layout()->minimumSize().width())));
    for (QLabel *label : panel.findChildren<QLabel *>()) {
        if (label->wordWrap() || label->text().isEmpty() || !label->isVisible())
            continue;
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), qPrintable(label->text()));
    }
    const QList<QSpinBox *> counts = panel.findChildren<QSpinBox *>();
    QVERIFY(!counts.isEmpty());
    for (QSpinBox *count : counts) {
        auto *line = count->findChild<QLineEdit *>();
        QVERIFY(line);
        QVERIFY2(line->contentsRect().height() >= line->fontMetrics().height(),
                 qPrintable(QStringLiteral("%1 < %2").arg(line->contentsRect().height()).arg(line->fontMetrics().height())));
    }
}

QTEST_MAIN(TestNameFinderPanel)
#include "test_namefinderpanel.moc"
