#include "cdateedit.h"

#include "app/datetyping.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

void setBirthDateRange(QDateEdit *field)
{
    field->setDateRange(QDate(1800, 1, 1), QDate::currentDate().addYears(1));
}

CDateEdit::CDateEdit(const QDate &date, QWidget *parent)
    : QDateEdit(date, parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &CDateEdit::markRefusal);
    // The text is edited freely, so the cursor no longer walks the format's
    // sections (which would put the last good date back over a half-typed one).
    disconnect(lineEdit(), SIGNAL(cursorPositionChanged(int, int)), this, nullptr);
}

bool CDateEdit::dayFirst() const
{
    return displayFormat().startsWith(QLatin1Char('d'));
}

QDate CDateEdit::typedDate() const
{
    return readTypedDate(text(), dayFirst(), minimumDate(), maximumDate()).date;
}

QValidator::State CDateEdit::validate(QString &input, int &) const
{
    return readTypedDate(input, dayFirst(), minimumDate(), maximumDate()).state;
}

void CDateEdit::fixup(QString &input) const
{
    input = withFullYear(input, QDate::currentDate().year());
}

QDateTime CDateEdit::dateTimeFromText(const QString &text) const
{
    const QDate date = readTypedDate(text, dayFirst(), minimumDate(), maximumDate()).date;
    return QDateTime(date.isValid() ? date : this->date(), QTime(0, 0));
}

void CDateEdit::keyPressEvent(QKeyEvent *event)
{
    // Enter would put the last good date back over a refused one.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_refused) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (!printable) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    // A character typed into the date as shown starts a new date, wherever
    // the click left the cursor; a selection is replaced, and a date being
    // typed takes it where the cursor is. Either way it is not pushed into
    // the sections of the displayed format.
    QLineEdit *edit = lineEdit();
    if (edit->text() == textFromDateTime(dateTime()) && !edit->hasSelectedText())
        edit->selectAll();
    QAbstractSpinBox::keyPressEvent(event);
}

bool CDateEdit::focusNextPrevChild(bool next)
{
    // Tab leaves the field, as in every other field of the form, instead of
    // walking the format's sections.
    return QWidget::focusNextPrevChild(next);
}

void CDateEdit::focusInEvent(QFocusEvent *event)
{
    // Entered, the whole date is selected, so typing replaces it.
    QDateEdit::focusInEvent(event);
    lineEdit()->selectAll();
}

void CDateEdit::focusOutEvent(QFocusEvent *event)
{
    // A refused date stays as typed, in red, rather than being replaced by
    // the last good one; a short year is written out first.
    QString text = lineEdit()->text();
    fixup(text);
    if (text != lineEdit()->text())
        lineEdit()->setText(text);
    const bool refused = readTypedDate(text, dayFirst(), minimumDate(), maximumDate()).state
        != QValidator::Acceptable;
    if (refused) {
        QWidget::focusOutEvent(event);
        markRefusal();
        return;
    }
    QDateEdit::focusOutEvent(event);
}

void CDateEdit::markRefusal()
{
    const bool refused =
        readTypedDate(lineEdit()->text(), dayFirst(), minimumDate(), maximumDate()).state != QValidator::Acceptable;
    if (refused == m_refused)
        return;
    m_refused = refused;
    setProperty("invalid", refused);
    if (refused) {
        m_plainToolTip = toolTip();
        setToolTip(QStringLiteral("Not a date between %1 and %2")
                       .arg(minimumDate().toString(displayFormat()), maximumDate().toString(displayFormat())));
    } else {
        setToolTip(m_plainToolTip);
    }
    style()->unpolish(this);
    style()->polish(this);
}
