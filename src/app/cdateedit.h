#pragma once

// A date field that takes dates as people type them (see datetyping.h)
// instead of digit by digit into fixed sections, and shows a refused date
// in red rather than turning it into another one. Everything else, the
// calendar pop-up and the arrow keys included, is QDateEdit's.

#include <QDateEdit>

// Birth dates: from 1800 to a year from today.
void setBirthDateRange(QDateEdit *field);

class CDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit CDateEdit(const QDate &date, QWidget *parent = nullptr);

    // The date the text shows, or an invalid date while the text is not a
    // whole date within the range (date() then still holds the last one).
    QDate typedDate() const;
    // True while the text is refused; the style sheets draw such a field
    // with the property invalid="true".
    bool showsRefusal() const { return m_refused; }
    // Why the text is refused, for the tool tip and the window's message:
    // a day or month that does not exist, a date outside the range, or not
    // a whole date yet. Empty while the text is a good date.
    QString refusalText() const;
    // Takes text as pasted from the clipboard (what Ctrl+V does).
    void pasteDate(const QString &pasted);

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

protected:
    QDateTime dateTimeFromText(const QString &text) const override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool dayFirst() const;
    void markRefusal(bool force = false);

    bool m_refused = false;
    QString m_problem; // the tool tip shown while refused
    QString m_plainToolTip; // the field's own tool tip, back once the date is good
};
