// The input overlay on its own: it hides the window under it in every skin,
// Enter in a name field asks for the input to be applied, and an impossible
// birth date is named as such.

#include "app/cdateedit.h"
#include "app/cinputoverlay.h"
#include "app/cskinmanager.h"
#include "app/namefield.h"
#include "engine/namecleaning.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    void cutAtWord_data();
    void cutAtWord();
    void pastedLongNameIsCutAtAWordAndSaidSo();
    void recentButtonsFitTheirText_data();
    void recentButtonsFitTheirText();
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

void TestInputOverlay::cutAtWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("kept");
    QTest::newRow("fits") << "Ann Lee" << 10 << "Ann Lee";
    QTest::newRow("exactly max") << "Ann Leeson" << 10 << "Ann Leeson";
    QTest::newRow("cut inside a word: the word goes") << "Ann Leeson Smith" << 12 << "Ann Leeson";
    QTest::newRow("cut at a space") << "Ann Leeson Smith" << 10 << "Ann Leeson";
    QTest::newRow("cut after a space: no trailing space") << "Ann Leeson Smith" << 11 << "Ann Leeson";
    QTest::newRow("one long word: cut at max") << "Wolfeschlegelstein" << 5 << "Wolfe";
    QTest::newRow("empty") << "" << 5 << "";
}

void TestInputOverlay::cutAtWord()
{
    QFETCH(QString, text);
    QFETCH(int, max);
    QFETCH(QString, kept);
    QCOMPARE(::cutAtWord(text, max), kept);
}

// A pasted name longer than a calculation reads loses its last words, not
// part of a word, and the window says so.
void TestInputOverlay::pastedLongNameIsCutAtAWordAndSaidSo()
{
    CSkinManager skins{QString()};
    QWidget window;
    window.resize(1100, 700);
    CInputOverlay overlay(&skins, QImage(), &window);
    auto *edit = overlay.findChild<QLineEdit *>(QStringLiteral("fullName"));
    QVERIFY(edit);
    // 31 words of nine letters and a space: 310 characters, the 300th in
    // the middle of the last word.
    QString name;
    for (int i = 0; i < 31; ++i)
        name += QStringLiteral("Maximilia ");
    name += QStringLiteral("Featherstonehaugh");
    QVERIFY(name.size() > MAX_NAME_LENGTH);
    QApplication::clipboard()->setText(name);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QVERIFY2(edit->text().size() <= MAX_NAME_LENGTH, qPrintable(QString::number(edit->text().size())));
    QVERIFY(edit->text().endsWith(QStringLiteral("Maximilia")));
    QVERIFY(name.startsWith(edit->text() + QLatin1Char(' ')));
    auto *notice = window.findChild<QLabel *>(QStringLiteral("notice"));
    QVERIFY(notice);
    QCOMPARE(notice->text(), nameCutNotice(MAX_NAME_LENGTH));

    // A name that fits is taken as pasted, with no notice.
    notice->hide();
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("Ann Lee"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("Ann Lee"));
    QVERIFY(notice->isHidden());
}

void TestInputOverlay::recentButtonsFitTheirText_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("short") << "Ann Lee" << "" << false;
    QTest::newRow("long name") << "Maximiliana Alexandrina Theodora Evangeline" << "" << true;
    QTest::newRow("long partner") << "Ann Lee" << "Bartholomew Featherstonehaugh Wolfeschlegel" << true;
}

// Each line of a recent button fits inside the skin's padding and frame in
// the skin's bold font; a shortened one ends in dots, and the tool tip has
// the whole text.
void TestInputOverlay::recentButtonsFitTheirText()
{
    QFETCH(QString, fullName);
    QFETCH(QString, partner);
    QFETCH(bool, shortened);
    CSkinManager skins{QString()};
    CInputOverlay overlay(&skins, QImage(), nullptr);
    overlay.applyStyle();
    RecentEntry entry;
    entry.fullName = fullName;
    entry.birthDate = QDate(1987, 11, 29);
    entry.partnerFullName = partner;
    overlay.setRecentEntries({entry});
    auto *button = overlay.findChild<QPushButton *>(QStringLiteral("recentButton"));
    QVERIFY(button);
    button->ensurePolished();
    const QFontMetrics metrics(button->font());
    QVERIFY(button->font().bold()); // the sheet's font, not the default one
    const QStringList lines = button->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), partner.isEmpty() ? 2 : 3);
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= button->width() - 2 * (12 + 1), qPrintable(line));
    QCOMPARE(button->text().contains(QChar(0x2026)), shortened);
    QVERIFY(button->toolTip().startsWith(fullName + QLatin1Char('\n')));
}

QTEST_MAIN(TestInputOverlay)
#include "test_inputoverlay.moc"
