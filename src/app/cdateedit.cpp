#include "cdateedit.h"

#include "app/datetyping.h"

#include <QClipboard>
#include <QGuiApplication>
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
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { markRefusal(); });
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
    // A two-digit year may be the start of a four-digit one: the date is
    // taken when the field is left (fixup writes the year out), not while
    // it is typed; typedDate() takes it at once.
    const TypedDate typed = readTypedDate(input, dayFirst(), minimumDate(), maximumDate());
    return typed.shortYear && typed.state == QValidator::Acceptable ? QValidator::Intermediate : typed.state;
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
    // A pasted date replaces the one shown, whatever it looked like.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteDate(QGuiApplication::clipboard()->text());
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

void CDateEdit::pasteDate(const QString &pasted)
{
    // One line of text, however it was copied; a date the field takes is
    // shown in the field's own format, anything else stays as pasted, in red,
    // so the user sees what arrived.
    const QString text = pasted.simplified();
    if (text.isEmpty())
        return;
    const TypedDate typed = readTypedDate(text, dayFirst(), minimumDate(), maximumDate());
    if (typed.state == QValidator::Acceptable) {
        setDate(typed.date);
        lineEdit()->setText(textFromDateTime(QDateTime(typed.date, QTime(0, 0))));
        markRefusal();
        return;
    }
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(text);
    markRefusal(true);
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

void CDateEdit::markRefusal(bool force)
{
    const TypedDate typed = readTypedDate(lineEdit()->text(), dayFirst(), minimumDate(), maximumDate());
    const bool refused = typed.state != QValidator::Acceptable;
    const QString problem = refused ? refusalText() : QString();
    if (!force && refused == m_refused && problem == m_problem)
        return;
    if (refused && !m_refused)
        m_plainToolTip = toolTip();
    m_refused = refused;
    m_problem = problem;
    setProperty("invalid", refused);
    setToolTip(refused ? problem : m_plainToolTip);
    style()->unpolish(this);
    style()->polish(this);
}

QString CDateEdit::refusalText() const
{
    const TypedDate typed = readTypedDate(lineEdit()->text(), dayFirst(), minimumDate(), maximumDate());
    if (typed.state == QValidator::Acceptable)
        return QString();
    const QString problem = typedDateProblem(typed, minimumDate(), maximumDate());
    if (!problem.isEmpty())
        return problem;
    // Not a whole date yet: say what the field takes.
    return QStringLiteral("Not a date between %1 and %2")
        .arg(minimumDate().toString(displayFormat()), maximumDate().toString(displayFormat()));
}
