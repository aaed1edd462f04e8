#pragma once

// The name advisor page's input: any name (a person, a child, a business)
// with a date and the letter table, and the button that calculates them. The
// box and the name panel sit above the page's report.

#include <QDate>
#include <QObject>

class CInfoNameWidget;
class CSkinManager;
class QCheckBox;
class CDateEdit;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

class CAdvisorPage : public QObject
{
    Q_OBJECT
public:
    // namePanel: the page's name panel, placed with the box.
    CAdvisorPage(QWidget *parent, CInfoNameWidget *namePanel);

    QString name() const;
    QDate date() const;
    bool chaldean() const;
    void clear();
    void setDateFormat(const QString &format);
    void applyStyle(const CSkinManager *skin);
    // Places the box above the page's report, or parks it off the window
    // when another page shows.
    void layout(const QRect &report, bool shown);

signals:
    void calculateRequested();

private:
    CInfoNameWidget *m_namePanel;
    QWidget *m_box;
    QLineEdit *m_name;
    CDateEdit *m_date;
    QCheckBox *m_chaldean;
    QPushButton *m_calculate;
};
