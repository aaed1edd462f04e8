// Dates typed as people type them: the reading of a typed text, and the
// date field driven key by key.

#include "app/cdateedit.h"
#include "app/datetyping.h"

#include <QLineEdit>
#include <QtTest>

class TestDateEdit : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void fullYear_data();
    void fullYear();
    void typing_data();
    void typing();
    void refusedDateStaysAsTyped();
};

namespace {
const QDate MINIMUM(1800, 1, 1);
const QDate MAXIMUM(2027, 12, 10);
} // namespace

void TestDateEdit::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<int>("state");
    QTest::addColumn<QDate>("date");
    const int ok = QValidator::Acceptable;
    const int partly = QValidator::Intermediate;
    const int never = QValidator::Invalid;
    QTest::newRow("month first") << "11/22/1977" << false << ok << QDate(1977, 11, 22);
    QTest::newRow("no leading zeros") << "7/5/1990" << false << ok << QDate(1990, 7, 5);
    QTest::newRow("day first") << "7/5/1990" << true << ok << QDate(1990, 5, 7);
    QTest::newRow("full stops") << "22.11.1977" << true << ok << QDate(1977, 11, 22);
    QTest::newRow("dashes and blanks") << " 22-11-1977 " << true << ok << QDate(1977, 11, 22);
    QTest::newRow("eight digits, day first") << "31021990" << true << partly << QDate();
    QTest::newRow("eight digits, month first") << "02281990" << false << ok << QDate(1990, 2, 28);
    QTest::newRow("eight digits, a real day") << "28021990" << true << ok << QDate(1990, 2, 28);
    QTest::newRow("no such day") << "02/31/1990" << false << partly << QDate();
    QTest::newRow("no such month") << "13/01/1990" << false << partly << QDate();
    QTest::newRow("29 February of a leap year") << "02/29/2000" << false << ok << QDate(2000, 2, 29);
    QTest::newRow("29 February otherwise") << "02/29/1900" << false << partly << QDate();
    QTest::newRow("before the range") << "12/31/1799" << false << partly << QDate();
    QTest::newRow("after the range") << "01/01/2199" << false << partly << QDate();
    QTest::newRow("being typed") << "11/2" << false << partly << QDate();
    QTest::newRow("short year waits") << "11/22/77" << false << partly << QDate();
    QTest::newRow("empty") << "" << false << partly << QDate();
    QTest::newRow("letters") << "11/2a" << false << never << QDate();
    QTest::newRow("two separators") << "11//22" << false << never << QDate();
    QTest::newRow("four fields") << "1/2/3/4" << false << never << QDate();
    QTest::newRow("three-digit day") << "111/2/1990" << false << never << QDate();
    QTest::newRow("five-digit year") << "1/2/19900" << false << never << QDate();
    QTest::newRow("nine digits") << "123456789" << false << never << QDate();
    QTest::newRow("other digits") << QString::fromUtf8("\u0661/2/1990") << false << never << QDate();
}

void TestDateEdit::reading()
{
    QFETCH(QString, text);
    QFETCH(bool, dayFirst);
    QFETCH(int, state);
    QFETCH(QDate, date);
    const TypedDate typed = readTypedDate(text, dayFirst, MINIMUM, MAXIMUM);
    QCOMPARE(int(typed.state), state);
    QCOMPARE(typed.date, date);
}

void TestDateEdit::fullYear_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("last century") << "11/22/77" << "11/22/1977";
    QTest::newRow("this century") << "1/2/05" << "1/2/2005";
    QTest::newRow("this very year") << "1/2/26" << "1/2/2026";
    QTest::newRow("next year is last century") << "1/2/27" << "1/2/1927";
    QTest::newRow("full year kept") << "1/2/1990" << "1/2/1990";
    QTest::newRow("not a date kept") << "1/2" << "1/2";
}

void TestDateEdit::fullYear()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(withFullYear(text, 2026), expected);
}

void TestDateEdit::typing_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected"); // typedDate() once typed
    QTest::newRow("month first, zeros") << "MM/dd/yyyy" << "11/22/1977" << QDate(1977, 11, 22);
    QTest::newRow("month first, no zeros") << "MM/dd/yyyy" << "7/5/1990" << QDate(1990, 7, 5);
    QTest::newRow("day first") << "dd/MM/yyyy" << "7/5/1990" << QDate(1990, 5, 7);
    QTest::newRow("digits only, day first") << "dd/MM/yyyy" << "28021990" << QDate(1990, 2, 28);
    QTest::newRow("impossible day") << "MM/dd/yyyy" << "02/31/1990" << QDate();
    QTest::newRow("digits only, impossible") << "dd/MM/yyyy" << "31021990" << QDate();
    QTest::newRow("beyond the range") << "MM/dd/yyyy" << "01/01/2199" << QDate();
}

// Typing over the date shown replaces it whole, whatever section the cursor
// was in, and the field ends with exactly the date typed or none.
void TestDateEdit::typing()
{
    QFETCH(QString, format);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    CDateEdit field(QDate(2000, 1, 1));
    field.setDisplayFormat(format);
    field.setDateRange(MINIMUM, MAXIMUM);
    field.show();
    field.setFocus();
    QTest::keyClicks(&field, keys);
    QCOMPARE(field.typedDate(), expected);
    QCOMPARE(field.showsRefusal(), !expected.isValid());
    if (expected.isValid())
        QCOMPARE(field.date(), expected);
    else
        QCOMPARE(field.date(), QDate(2000, 1, 1)); // the last good date, never another one
}

void TestDateEdit::refusedDateStaysAsTyped()
{
    QWidget window;
    auto *field = new CDateEdit(QDate(2000, 1, 1), &window);
    field->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    field->setDateRange(MINIMUM, MAXIMUM);
    field->setToolTip(QStringLiteral("Birth Date"));
    auto *other = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window); // focus changes reach only the active window
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("02/31/1990"));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Tab); // leaves the field, not just the section
    QVERIFY(!field->hasFocus());
    QTest::qWait(0);
    QCOMPARE(field->text(), QStringLiteral("02/31/1990"));
    QVERIFY(field->showsRefusal());
    QCOMPARE(field->property("invalid").toBool(), true);
    QVERIFY(field->toolTip().contains(QLatin1String("Not a date")));

    // Corrected, the field takes the date and forgets the refusal.
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("03/01/1990"));
    other->setFocus();
    QCOMPARE(field->date(), QDate(1990, 3, 1));
    QVERIFY(!field->showsRefusal());
    QCOMPARE(field->toolTip(), QStringLiteral("Birth Date"));

    // A short year is written out when the field is left.
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("11/22/77"));
    other->setFocus();
    QCOMPARE(field->date(), QDate(1977, 11, 22));
}

QTEST_MAIN(TestDateEdit)
#include "test_dateedit.moc"
