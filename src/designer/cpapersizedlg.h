#pragma once

// The size dialog of the designer. Two variants:
//   paper  a title, a paper list (presets fill and lock the size), width and
//          height in inches or millimetres, and the orientation; the caller
//          reads the size in inches, each side 0.1 to 50.
//          Pages offer a count besides (showCount), 0 to 100000, 0 shown as
//          the infinity sign.
//   card   a title and a card size in the designer's card units, no paper
//          list, orientation or units.

#include <QDialog>
#include <QSizeF>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class CPaperSizeDlg : public QDialog
{
    Q_OBJECT
public:
    enum class Variant { Paper, Card };

    static constexpr double MIN_INCHES = 0.1;
    static constexpr double MAX_INCHES = 50.0;
    static constexpr double MM_PER_INCH = 25.4;
    static constexpr int MAX_COUNT = 100000;

    explicit CPaperSizeDlg(Variant variant, QWidget *parent = nullptr);

    void setTitleText(const QString &title);
    QString titleText() const;
    // Width and height in the variant's measure (paper: inches).
    void setSizeValues(double width, double height);
    // The size OK accepted (paper: inches).
    QSizeF chosenSize() const { return m_chosen; }
    // Offers the count of a page (paper variant only), starting at count.
    void showCount(int count);
    // The count as OK accepted it.
    int chosenCount() const;

    QComboBox *paperCombo() const { return m_paper; }
    QComboBox *orientationCombo() const { return m_orientation; }
    QComboBox *unitsCombo() const { return m_units; }
    QLineEdit *widthLine() const { return m_width; }
    QLineEdit *heightLine() const { return m_height; }
    QLineEdit *titleLine() const { return m_title; }
    QSpinBox *countBox() const { return m_count; }
    // A button of the caller's (the card variant's "Set Background").
    QPushButton *addButton(const QString &text, const QRect &geometry);

public slots:
    void OnOk();
    void OnCancel();
    void OnExit();
    void OnPSCombo(int index);
    void OnOrientationCombo(int index);
    void OnUnitsCombo(int index);
    void OnTextChanged();

private:
    void buildPaperList();
    double lineValue(const QLineEdit *line) const;
    void setLines(double width, double height);
    bool millimetres() const;

    Variant m_variant;
    QLineEdit *m_title;
    QComboBox *m_paper = nullptr;
    QLineEdit *m_width;
    QLineEdit *m_height;
    QComboBox *m_orientation = nullptr;
    QComboBox *m_units = nullptr;
    QLabel *m_countLabel = nullptr;
    QSpinBox *m_count = nullptr;
    int m_lastUnits = 0;
    QSizeF m_chosen;
};
