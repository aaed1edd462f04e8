#pragma once

// The input overlay: as large as the window, it slides in from the left when
// the name button is pressed. It holds the person's and the partner's input
// boxes with their live name and number panels, the file buttons and the
// recent persons. It hands the window one person input and tells it, by
// signals, what the user did; its widgets stay its own.

#include "files/recentlist.h"

#include <QList>
#include <QWidget>

class CInfoNameWidget;
class CInfoWidget;
class CSkinManager;
class QCheckBox;
class QComboBox;
class CDateEdit;
class QLabel;
class QLineEdit;
class CImageButton;
class QPushButton;
struct NumerologyResult;

class CInputOverlay : public QWidget
{
    Q_OBJECT
public:
    static const int RECENT_BUTTONS = MAX_RECENT_ENTRIES;

    CInputOverlay(CSkinManager *skin, const QImage &titleBar, QWidget *parent);

    // Applies the skin's style kinds to the overlay's widgets.
    void applyStyle();

    // The input as typed (names not cleaned) with the current letter marks;
    // pet and forecast fields live elsewhere and stay empty.
    PersonInput input() const;
    // What is wrong with the person's or the partner's birth date when it
    // was typed as a day or month that does not exist ("The birth date
    // 02/30/1990 does not exist: February 1990 has no day 30."); empty
    // for any other date.
    QString impossibleDate(bool partner) const;
    // Puts a person into the fields. Setting the names discards and rebuilds
    // their marks (nameEdited); the input's marks, where it has any, are set
    // afterwards and win.
    void setInput(const PersonInput &input);
    // Empty names, 1 Jan 2000, female, Western letters.
    void clear();
    bool hasFullName() const;
    // The full name field takes the keyboard, so typing starts at once.
    void focusFullName();
    void setDateFormat(const QString &format);
    // K and V show their master values when master letter values are kept.
    void setMasterLetterDigits(bool on);

    // Letter marks of the person (partner false) or the partner; row 0 is
    // the full name, row 1 the short name.
    QVector<int> marks(bool partner, int row) const;
    void setMarks(bool partner, const QVector<int> &fullMarks, const QVector<int> &shortMarks);
    void toggleMark(bool partner, int row, int index);

    // The live panels of the person or the partner from a calculate-only
    // result; the names are the cleaned names the engine received.
    void showPreview(bool partner, const NumerologyResult &result, const QString &fullName,
                     const QString &shortName);
    void clearPreview();
    // The live panels of one side only: a side without a usable name shows
    // no numbers (they would belong to nobody).
    void clearPreview(bool partner);

    // The recent persons, newest first; buttons without an entry hide.
    void setRecentEntries(const QList<RecentEntry> &entries);
    // The text of a recent button: name, birth date and partner's name.
    static QString recentButtonText(const RecentEntry &entry);

signals:
    // A name field changed; its marks are already discarded.
    void nameEdited(bool partner);
    // Chaldean letters, the vowel mode or a birth date changed.
    void optionsEdited();
    void letterClicked(bool partner, int row, int index);
    void saveRequested();
    void openRequested();
    void newRequested();
    void recentClicked(int index);
    void clearRecentRequested();
    // Enter pressed in a name field: the input is to be applied.
    void applyRequested();
    void clientsRequested();

private:
    // Room lost to the buttons' sheet: a 1-pixel frame and 12 pixels of
    // padding on either side, and a little air.
    static const int RECENT_TEXT_MARGIN = 30;
    // Each recent button's caption from its tool tip (the whole text).
    void fitRecentTexts();

    struct PersonFields
    {
        QWidget *box = nullptr;
        QLineEdit *fullName = nullptr;
        QLineEdit *shortName = nullptr;
        CDateEdit *birthDate = nullptr;
        CInfoNameWidget *namePanel = nullptr;
        CInfoWidget *numbers = nullptr;
        QVector<int> fullMarks;
        QVector<int> shortMarks;
    };

    void buildPersonFields(PersonFields &fields, bool partner, const QString &caption, const QRect &geometry,
                           const QImage &titleBar);
    void buildRecentButtons();
    QLineEdit *nameField(QWidget *box, int x, int width, const QString &objectName, const QString &toolTip);
    CDateEdit *dateField(QWidget *box, const QString &objectName);
    PersonFields &fieldsOf(bool partner) { return partner ? m_partner : m_person; }
    const PersonFields &fieldsOf(bool partner) const { return partner ? m_partner : m_person; }

    CSkinManager *m_skin;
    QWidget *m_inner = nullptr;
    PersonFields m_person;
    PersonFields m_partner;
    QComboBox *m_gender = nullptr;
    CImageButton *m_saveButton = nullptr;
    CImageButton *m_openButton = nullptr;
    CImageButton *m_newButton = nullptr;
    QCheckBox *m_chaldean = nullptr;
    QLabel *m_vowelModeCaption = nullptr;
    QComboBox *m_vowelMode = nullptr;
    QPushButton *m_recentButtons[RECENT_BUTTONS] = {};
    QPushButton *m_clearRecent = nullptr;
    QPushButton *m_clientsButton = nullptr;
};
