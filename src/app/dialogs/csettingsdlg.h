#pragma once

// The calculation settings: the six calculation options, the date input
// order and the practitioner's block that charts and the documents' cover
// print: name, contact line and logo. The dialog only
// shows the values and restores the defaults; the window loads them before
// and stores them after.

#include "engine/cnumerology.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CSettingsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CSettingsDlg(QWidget *parent = nullptr);

    void setOptions(const CalcOptions &options);
    CalcOptions options() const;
    void setDayFirstDates(bool dayFirst);
    bool dayFirstDates() const;
    void setMasterMode(int mode);
    void setNumerologist(const QString &name);
    QString numerologist() const;
    void setNumerologistContact(const QString &line);
    QString numerologistContact() const;
    // The logo as PNG bytes; empty for none.
    void setLogoPng(const QByteArray &png);
    QByteArray logoPng() const { return m_logoPng; }
    // Takes the picture of a file as the logo, scaled to fit MAX_LOGO_SIDE;
    // a file that is no picture leaves the logo as it was, says so under it
    // and returns false. ("Choose..." asks for the file, then calls this.)
    bool chooseLogoFile(const QString &path);

    // The check boxes, for the caller and for tests.
    QCheckBox *checkBoxLP1 = nullptr;
    QCheckBox *checkBoxLP2 = nullptr;
    QCheckBox *checkBoxLP3 = nullptr;
    QCheckBox *checkBoxNameWD = nullptr;
    QCheckBox *checkBoxNameDD = nullptr;
    QCheckBox *checkBoxTransits = nullptr;
    QCheckBox *checkBoxNameEMM = nullptr;
    QCheckBox *checkBoxDateFormat = nullptr;
    QLineEdit *numerologistEdit = nullptr;
    QLineEdit *contactEdit = nullptr;
    QLabel *logoPreview = nullptr;
    QPushButton *logoRemove = nullptr;

public slots:
    void on_defaultSettingsBut_clicked();

private:
    QCheckBox *checkBox(const char *objectName, const QString &text, const QRect &geometry);
    QLabel *label(const char *objectName, const QString &text, const QRect &geometry);
    void showLogo(const QString &note = QString());

    QByteArray m_logoPng;
};
