#pragma once

// The start-up guide: the manual's "getting started" page, with a box that
// switches the guide off for the next starts and a Back button for the
// links followed inside it.

#include <QDialog>

class QCheckBox;
class QPushButton;
class QWebEngineView;
class CSkinManager;

class CManualVieW : public QDialog
{
    Q_OBJECT
public:
    CManualVieW(const QString &startPage, const CSkinManager *skin, QWidget *parent = nullptr);

    // Whether "Ok" was pressed with "Do not show this dialog again" checked;
    // closing the dialog otherwise leaves the setting as it was (notAnswered).
    bool answered() const { return m_answered; }
    bool skipNextTime() const;

public slots:
    void OnOk();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWebEngineView *m_view;
    QPushButton *m_ok;
    QPushButton *m_back;
    QCheckBox *m_skip;
    bool m_answered = false;
};
