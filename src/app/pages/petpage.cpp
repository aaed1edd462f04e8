#include "petpage.h"

#include "app/cdateedit.h"
#include "app/cskinmanager.h"
#include "app/pages/pagebox.h"

#include <QLineEdit>
#include <QPushButton>

CPetPage::CPetPage(QWidget *parent)
    : QObject(parent)
    , m_box(newPageBox(parent, QSize(200, 170)))
{
    pageCaption(QStringLiteral("Pet Name"), m_box, QRect(0, 0, 200, 25));
    m_name = new QLineEdit(m_box);
    m_name->setObjectName(QStringLiteral("petName"));
    m_name->setGeometry(20, 25, 160, 25);
    pageCaption(QStringLiteral("Birth Date"), m_box, QRect(0, 60, 200, 25));
    m_birth = newPageDateField(m_box, QStringLiteral("petBirth"));
    m_birth->setGeometry(20, 85, 160, 25);
    m_calculate = new QPushButton(QStringLiteral("CALCULATE"), m_box);
    m_calculate->setGeometry(20, 130, 160, 25);
    connect(m_calculate, &QPushButton::clicked, this, &CPetPage::calculateRequested);
}

QString CPetPage::name() const
{
    return m_name->text();
}

QDate CPetPage::birthDate() const
{
    return m_birth->date();
}

void CPetPage::setPet(const QString &name, const QDate &birthDate)
{
    m_name->setText(name);
    m_birth->setDate(birthDate);
}

void CPetPage::clear()
{
    setPet(QString(), PAGE_EMPTY_DATE);
}

void CPetPage::setDateFormat(const QString &format)
{
    m_birth->setDisplayFormat(format);
}

void CPetPage::applyStyle(const CSkinManager *skin)
{
    skin->applyStyle(m_name, CSkinManager::KIND_DEFAULT);
    skin->applyStyle(m_birth, CSkinManager::KIND_DEFAULT);
    skin->applyStyle(m_calculate, CSkinManager::KIND_DEFAULT);
}
