#pragma once

// The input overlay: as large as the window, it slides in from the left when
// the name button is pressed. It holds the person's and the partner's input
// boxes with their live name and number panels, and the file buttons. The
// window connects the widgets' signals to its own slots.

#include <QWidget>

class CInfoNameWidget;
class CInfoWidget;
class CSkinManager;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

class CInputOverlay : public QWidget
{
    Q_OBJECT
public:
    CInputOverlay(CSkinManager *skin, const QImage &titleBar, QWidget *parent);

    // Applies the skin's style kinds to the overlay's widgets.
    void applyStyle();

    // Inner area and its two boxes.
    QWidget *inner = nullptr;
    QWidget *personBox = nullptr;
    QWidget *partnerBox = nullptr;

    // Person.
    QLineEdit *fullName = nullptr;
    QLineEdit *shortName = nullptr;
    QDateEdit *birthDate = nullptr;
    QComboBox *gender = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *resetButton = nullptr;
    CInfoNameWidget *namePanel = nullptr;
    CInfoWidget *numbers = nullptr;
    QCheckBox *chaldean = nullptr;
    QLabel *vowelModeCaption = nullptr;
    QComboBox *vowelMode = nullptr;

    // Partner.
    QLineEdit *partnerFullName = nullptr;
    QLineEdit *partnerShortName = nullptr;
    QDateEdit *partnerBirthDate = nullptr;
    CInfoNameWidget *partnerNamePanel = nullptr;
    CInfoWidget *partnerNumbers = nullptr;

private:
    QWidget *buildBox(const QString &caption, const QRect &geometry);
    QLineEdit *nameField(QWidget *box, int x, int width, const QString &toolTip);
    QDateEdit *dateField(QWidget *box);

    CSkinManager *m_skin;
};
