#pragma once

// The name advisor page's input: any name (a person, a child, a business)
// with a date and the letter table, and the button that calculates them. The
// box and the name panel sit above the page's report.

#include <QDate>
#include <QObject>
#include <QRect>

class CInfoNameWidget;
class CNameFinderPanel;
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
    // The "Find names" section, over the report while it is open.
    CNameFinderPanel *finder() const { return m_finder; }
    bool finderOpen() const { return m_finderOpen; }
    void setFinderOpen(bool open);

signals:
    void calculateRequested();

private:
    CInfoNameWidget *m_namePanel;
    QWidget *m_box;
    QLineEdit *m_name;
    CDateEdit *m_date;
    QCheckBox *m_chaldean;
    QPushButton *m_calculate;
    QPushButton *m_findNames;
    CNameFinderPanel *m_finder;
    bool m_finderOpen = false;
    QRect m_report;
    bool m_shown = false;
};
