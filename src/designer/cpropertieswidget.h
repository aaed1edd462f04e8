#pragma once

// The designer's property table: two columns, "Property" and "Value", one
// row (CPWItem) per property of the selected element. Lines and choices are
// edited in place; colours through a button that opens the colour dialog,
// fonts through the text style dialog (which also sets the row's colour and
// alignment rows, when the element has them).

#include "elementproperties.h"

#include <QTableWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

class CPWItem : public QObject
{
    Q_OBJECT
public:
    CPWItem(const PropertyRow &row, QObject *parent);

    const PropertyRow &row() const { return m_row; }
    // The editor shown in the value column (owned by the table once placed).
    QWidget *createEditor();
    // Sets the value (chosen in a dialog) and shows it in the editor.
    void setValue(const QVariant &value);

signals:
    // The colour or font button was pressed.
    void itemButtonClicked(CPWItem *item);
    void valueChanged();

private:
    void showValueOnButton();

    PropertyRow m_row;
    QPushButton *m_button = nullptr;
    QLineEdit *m_line = nullptr;
    QComboBox *m_combo = nullptr;
};

class CPropertiesWidget : public QTableWidget
{
    Q_OBJECT
public:
    explicit CPropertiesWidget(QWidget *parent = nullptr);

    // Rebuilds the table from rows (an empty list clears it).
    void setRows(const PropertyRows &rows);
    // The rows with their current values.
    PropertyRows rows() const;
    // The row item called name, or null.
    CPWItem *rowItem(const QString &name) const;
    // The editor of the row called name, or null.
    QWidget *editor(const QString &name) const;
    // What the element shows, previewed by the text style dialog (a "Text"
    // row's own value wins).
    void setSampleText(const QString &text) { m_sampleText = text; }

signals:
    // A value was edited.
    void dataChanged();

private slots:
    void chooseValue(CPWItem *item);

private:
    QList<CPWItem *> m_items;
    QString m_sampleText;
};
