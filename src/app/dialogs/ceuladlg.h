#pragma once

#include <QDialog>

class CSkinManager;

// The licence agreement shown at the first start. The program asks
// accepted() afterwards rather than the dialog's result, so closing the
// window by its frame counts as a refusal.
class CEulaDlg : public QDialog
{
    Q_OBJECT
public:
    // With a skin the agreement is shown in the program's own colours.
    explicit CEulaDlg(const CSkinManager *skin = nullptr, QWidget *parent = nullptr);

    bool accepted() const { return m_accepted; }

    // Our agreement text, shipped inside the program.
    static QString agreementText();

public slots:
    void OnOk();
    void OnCancel();

private:
    bool m_accepted = false;
};
