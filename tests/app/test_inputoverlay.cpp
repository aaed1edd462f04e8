// The input overlay on its own: it hides the window under it in every skin,
// Enter in a name field asks for the input to be applied, and an impossible
// birth date is named as such.

#include "app/cdateedit.h"
#include "app/cinputoverlay.h"
#include "app/cskinmanager.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestInputOverlay : public QObject
{
    Q_OBJECT

private slots:
    void opaqueInEverySkin_data();
    void opaqueInEverySkin();
    void enterInANameFieldApplies_data();
    void enterInANameFieldApplies();
    void impossibleDateIsNamed_data();
    void impossibleDateIsNamed();
};

void TestInputOverlay::opaqueInEverySkin_data()
{
    QTest::addColumn<int>("skin");
    const QStringList names = CSkinManager(QString()).skinNames();
    QCOMPARE(names.size(), 7);
    for (int i = 0; i < names.size(); ++i)
        QTest::newRow(qPrintable(names.at(i))) << i;
}

// The overlay lies over the pages, buttons and reports of the window: a
// red window must not show through it. Sampled below and right of the inner
// area (1016 x 570), where only the overlay's own background is.
void TestInputOverlay::opaqueInEverySkin()
{
    QFETCH(int, skin);
    CSkinManager skins{QString()};
    skins.selectSkin(skin);
    QWidget window;
    window.resize(1100, 700);
    window.setStyleSheet(QStringLiteral("QWidget#under { background: #ff0000; }"));
    auto *under = new QWidget(&window);
    under->setObjectName(QStringLiteral("under"));
    under->setAttribute(Qt::WA_StyledBackground);
    under->setGeometry(0, 0, 1100, 700);
    auto *overlay = new CInputOverlay(&skins, QImage(), &window);
    overlay->setGeometry(0, 0, 1100, 700);
    overlay->applyStyle();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage picture = window.grab().toImage();
    const QColor expected = skins.mapColor("#1e1917");
    for (const QPoint &point : {QPoint(1060, 100), QPoint(500, 650), QPoint(1090, 690)})
        QCOMPARE(QColor(picture.pixel(point)).name(), expected.name());
}

void TestInputOverlay::enterInANameFieldApplies_data()
{
    QTest::addColumn<QString>("field");
    for (const char *name : {"fullName", "shortName", "partnerFullName", "partnerShortName"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestInputOverlay::enterInANameFieldApplies()
{
    QFETCH(QString, field);
    CSkinManager skins{QString()};
    CInputOverlay overlay(&skins, QImage(), nullptr);
    QSignalSpy apply(&overlay, &CInputOverlay::applyRequested);
    auto *edit = overlay.findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QTest::keyClicks(edit, QStringLiteral("John"));
    QCOMPARE(apply.count(), 0);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(apply.count(), 1);
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(apply.count(), 2);
}

void TestInputOverlay::impossibleDateIsNamed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("partner");
    QTest::addColumn<QString>("message");
    QTest::newRow("30 February") << "02/30/1990" << false
                                 << "The birth date 02/30/1990 does not exist: February 1990 has no day 30.";
    QTest::newRow("month 13") << "13/01/1990" << false << "The birth date 13/01/1990 does not exist: There is no month 13.";
    QTest::newRow("partner, 29 February 1900")
        << "02/29/1900" << true << "The partner's birth date 02/29/1900 does not exist: February 1900 has no day 29.";
    QTest::newRow("a real date") << "02/28/1990" << false << "";
    QTest::newRow("outside the range is not impossible") << "01/01/1700" << false << "";
    QTest::newRow("not whole yet") << "02/30" << false << "";
}

void TestInputOverlay::impossibleDateIsNamed()
{
    QFETCH(QString, typed);
    QFETCH(bool, partner);
    QFETCH(QString, message);
    CSkinManager skins{QString()};
    CInputOverlay overlay(&skins, QImage(), nullptr);
    overlay.setDateFormat(QStringLiteral("MM/dd/yyyy"));
    auto *field = overlay.findChild<CDateEdit *>(partner ? "partnerBirthDate" : "birthDate");
    QVERIFY(field);
    field->findChild<QLineEdit *>()->setText(typed);
    QCOMPARE(overlay.impossibleDate(partner), message);
    QCOMPARE(overlay.impossibleDate(!partner), QString());
}

QTEST_MAIN(TestInputOverlay)
#include "test_inputoverlay.moc"
