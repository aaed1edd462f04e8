#pragma once

// The question asked before anything is destroyed: a small yes/no dialog in
// the program's own skin instead of the platform's message box.

#include <QDialog>

class CSkinManager;
class QLabel;
class QPushButton;

// The content: the text and the two buttons.
class CInfoDlg : public QWidget
{
    Q_OBJECT
public:
    CInfoDlg(const CSkinManager *skin, QWidget *window);

    int result() const { return m_result; }
    QLabel *label() const { return m_label; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    // A third button, "Cancel", right of the other two: it, and closing the
    // window, answer 1. Null until addCancelButton().
    QPushButton *thirdButton() const { return m_third; }
    void addCancelButton();

public slots:
    void OnOk();
    void OnCancel();

private:
    int m_result = -1;
    qreal m_scale = 1;
    int m_width = 400;
    QLabel *m_label;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_third = nullptr;
    const CSkinManager *m_skin;
};

// The window that holds it.
class CInfoDlgWin : public QDialog
{
    Q_OBJECT
public:
    CInfoDlgWin(const CSkinManager *skin, QWidget *parent);
    CInfoDlg *content() const { return m_content; }

private:
    CInfoDlg *m_content;
};

// Asks modally; 0 when the user answered "Yes", -1 for "No" or a closed window.
int askQuestion(const CSkinManager *skin, const QString &title, const QString &text, QWidget *parent);
// Asks modally with "Yes", "No" and "Cancel"; 0 for "Yes", -1 for "No", 1
// for "Cancel" or a closed window.
int askQuestionOrCancel(const CSkinManager *skin, const QString &title, const QString &text, QWidget *parent);
// The chart designer asks its questions with these dialogs, in skin's look
// (while skin lives; plainly after).
void useSkinnedDesignerQuestions(const CSkinManager *skin);
