#pragma once

// The graphic chart page: the board that shows the chosen template drawn
// with the person's numbers, the template chooser and the buttons that edit,
// create and delete templates. Its widgets live in the report frame.

#include <QObject>

class CSkinManager;
class QComboBox;
class QLabel;
class QPushButton;
class QRect;
class QWidget;

class CChartPage : public QObject
{
    Q_OBJECT
public:
    explicit CChartPage(QWidget *reportFrame);

    QWidget *board() const { return m_board; }
    QComboBox *chooser() const { return m_chooser; }
    void setVisible(bool visible);
    void applyStyle(const CSkinManager *skin);
    // Places the controls under the board in a report area of this size.
    void layout(const QRect &report, bool current);

signals:
    void templateChosen(int index);
    void editRequested();
    void newRequested();
    void deleteRequested();

private:
    QWidget *m_board;
    QLabel *m_label;
    QComboBox *m_chooser;
    QPushButton *m_buttons[3] = {};
};
