#pragma once

// The pet page's input: a pet's name and birth date with a button that
// calculates them on their own. Its box slides in with the page's panels.

#include <QDate>
#include <QObject>

class CSkinManager;
class CDateEdit;
class QLineEdit;
class QPushButton;
class QWidget;

class CPetPage : public QObject
{
    Q_OBJECT
public:
    explicit CPetPage(QWidget *parent);

    QWidget *box() const { return m_box; }
    QString name() const;
    QDate birthDate() const;
    void setPet(const QString &name, const QDate &birthDate);
    void clear();
    void setDateFormat(const QString &format);
    void applyStyle(const CSkinManager *skin);

signals:
    void calculateRequested();

private:
    QWidget *m_box;
    QLineEdit *m_name;
    CDateEdit *m_birth;
    QPushButton *m_calculate;
};
