// Dates typed as people type them: the reading of a typed text, the
// date field driven key by key and pasted into, and what a refusal says.

#include "app/cdateedit.h"
#include "app/datetyping.h"

#include <QClipboard>
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
    void refusalSaysWhy_data();
    void refusalSaysWhy();
    void pasting_data();
    void pasting();
};

namespace {
const QDate MINIMUM(1800, 1, 1);
const QDate MAXIMUM(2027, 12, 10);
const int THIS_YEAR = 2026;
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
    QTest::newRow("short year, last century") << "11/22/77" << false << ok << QDate(1977, 11, 22);
    QTest::newRow("short year, no zeros") << "3/4/85" << false << ok << QDate(1985, 3, 4);
    QTest::newRow("short year, day first") << "3/4/85" << true << ok << QDate(1985, 4, 3);
    QTest::newRow("short year, this century") << "1.2.05" << true << ok << QDate(2005, 2, 1);
    QTest::newRow("short year, next year is last century") << "1/2/27" << false << ok << QDate(1927, 1, 2);
    QTest::newRow("three-digit year waits") << "11/22/197" << false << partly << QDate();
    QTest::newRow("ISO") << "1990-05-17" << false << ok << QDate(1990, 5, 17);
    QTest::newRow("ISO whatever the order") << "1990-05-17" << true << ok << QDate(1990, 5, 17);
    QTest::newRow("ISO being typed") << "1990-" << false << partly << QDate();
    QTest::newRow("ISO month typed") << "1990-05" << false << partly << QDate();
    QTest::newRow("ISO no such day") << "1990-02-30" << false << partly << QDate();
    QTest::newRow("ISO three-digit month") << "1990-123" << false << never << QDate();
    QTest::newRow("day, written month, year") << "17 May 1990" << false << ok << QDate(1990, 5, 17);
    QTest::newRow("written month, day, year") << "May 17, 1990" << true << ok << QDate(1990, 5, 17);
    QTest::newRow("written month with dashes") << "17-sep-1990" << false << ok << QDate(1990, 9, 17);
    QTest::newRow("written month in full") << "17 SEPTEMBER 1990" << false << ok << QDate(1990, 9, 17);
    QTest::newRow("written month cut short") << "17 Sept 1990" << false << ok << QDate(1990, 9, 17);
    QTest::newRow("written month, short year") << "17 May 90" << false << ok << QDate(1990, 5, 17);
    QTest::newRow("written month being typed") << "17 Ma" << false << partly << QDate();
    QTest::newRow("written month, two letters and on") << "17 Ma 1990" << false << never << QDate();
    QTest::newRow("no such month name") << "17 Mx" << false << never << QDate();
    QTest::newRow("month name too long") << "17 Mayo 1990" << false << never << QDate();
    QTest::newRow("written month, no such day") << "31 April 1990" << false << partly << QDate();
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
    const TypedDate typed = readTypedDate(text, dayFirst, MINIMUM, MAXIMUM, THIS_YEAR);
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
    QTest::newRow("written month") << "17 May 90" << "17 May 1990";
    QTest::newRow("written month first") << "May 17, 05" << "May 17, 2005";
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
    QTest::newRow("ISO keeps its hyphens") << "MM/dd/yyyy" << "1990-05-17" << QDate(1990, 5, 17);
    QTest::newRow("ISO, day first") << "dd/MM/yyyy" << "1990-05-17" << QDate(1990, 5, 17);
    QTest::newRow("written month") << "dd/MM/yyyy" << "17 May 1990" << QDate(1990, 5, 17);
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
    QCOMPARE(field->toolTip(), QStringLiteral("February 1990 has no day 31."));

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
    QCOMPARE(field->typedDate(), QDate(1977, 11, 22)); // what APPLY reads, at once
    QVERIFY(!field->showsRefusal());
    QCOMPARE(field->date(), QDate(1990, 3, 1)); // typing on could still make it another year
    other->setFocus();
    QCOMPARE(field->date(), QDate(1977, 11, 22));
    QCOMPARE(field->text(), QStringLiteral("11/22/1977"));
}

void TestDateEdit::refusalSaysWhy_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("30 February") << "02/30/1990" << "February 1990 has no day 30.";
    QTest::newRow("29 February of a common year") << "02/29/1900" << "February 1900 has no day 29.";
    QTest::newRow("31 April written") << "31 April 1990" << "April 1990 has no day 31.";
    QTest::newRow("day 0") << "1990-05-00" << "May 1990 has no day 0.";
    QTest::newRow("month 13") << "13/01/1990" << "There is no month 13.";
    QTest::newRow("ISO month 0") << "1990-00-10" << "There is no month 0.";
    QTest::newRow("before the range") << "12/31/1799" << "Not a date between 1 January 1800 and 10 December 2027.";
    QTest::newRow("after the range") << "2090-12-31" << "Not a date between 1 January 1800 and 10 December 2027.";
    QTest::newRow("a good date") << "02/28/1990" << "";
    QTest::newRow("not whole yet") << "02/30" << "";
}

void TestDateEdit::refusalSaysWhy()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    const TypedDate typed = readTypedDate(text, false, MINIMUM, MAXIMUM, THIS_YEAR);
    QCOMPARE(typedDateProblem(typed, MINIMUM, MAXIMUM), message);

    // The field's tool tip says the same, or what it takes while not whole.
    CDateEdit field(QDate(2000, 1, 1));
    field.setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    field.setDateRange(MINIMUM, MAXIMUM);
    field.findChild<QLineEdit *>()->setText(text);
    if (!message.isEmpty())
        QCOMPARE(field.toolTip(), message);
    else if (typed.state == QValidator::Acceptable)
        QVERIFY(!field.showsRefusal());
    else
        QVERIFY(field.toolTip().startsWith(QLatin1String("Not a date between")));
}

void TestDateEdit::pasting_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ISO") << "MM/dd/yyyy" << "1990-05-17" << QDate(1990, 5, 17) << "05/17/1990";
    QTest::newRow("written month, day first") << "dd/MM/yyyy" << "17 May 1990" << QDate(1990, 5, 17) << "17/05/1990";
    QTest::newRow("copied with a line break") << "MM/dd/yyyy" << "  May 17, 1990\n" << QDate(1990, 5, 17)
                                              << "05/17/1990";
    QTest::newRow("impossible day stays, refused") << "MM/dd/yyyy" << "1990-02-30" << QDate() << "1990-02-30";
    QTest::newRow("not a date stays, refused") << "MM/dd/yyyy" << "next Tuesday" << QDate() << "next Tuesday";
}

// Ctrl+V replaces the date shown, wherever the cursor stands; what the
// field cannot take is kept in red, never dropped.
void TestDateEdit::pasting()
{
    QFETCH(QString, format);
    QFETCH(QString, clipboard);
    QFETCH(QDate, expected);
    QFETCH(QString, shown);
    CDateEdit field(QDate(2000, 1, 1));
    field.setDisplayFormat(format);
    field.setDateRange(MINIMUM, MAXIMUM);
    field.show();
    field.setFocus();
    field.findChild<QLineEdit *>()->setCursorPosition(3);
    field.findChild<QLineEdit *>()->deselect();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field.text(), shown);
    QCOMPARE(field.typedDate(), expected);
    QCOMPARE(field.showsRefusal(), !expected.isValid());
    QCOMPARE(field.date(), expected.isValid() ? expected : QDate(2000, 1, 1));
}

QTEST_MAIN(TestDateEdit)
#include "test_dateedit.moc"
