#include "advisorpage.h"

#include "app/cdateedit.h"
#include "app/cskinmanager.h"
#include "app/pages/namefinderpanel.h"
#include "app/pages/pagebox.h"
#include "panels/cinfonamewidget.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QPoint PARKED(-1000, -1000);
} // namespace

CAdvisorPage::CAdvisorPage(QWidget *parent, CInfoNameWidget *namePanel)
    : QObject(parent)
    , m_namePanel(namePanel)
    , m_box(newPageBox(parent, QSize(580, 115)))
{
    pageCaption(QStringLiteral("Name (a person, a child, a business...)"), m_box, QRect(0, 0, 580, 25));
    m_name = new QLineEdit(m_box);
    m_name->setObjectName(QStringLiteral("advisorName"));
    m_name->setGeometry(20, 25, 540, 25);
    m_name->setPlaceholderText(QStringLiteral("Any name"));
    pageCaption(QStringLiteral("Date"), m_box, QRect(0, 60, 200, 25));
    m_date = newPageDateField(m_box, QStringLiteral("advisorDate"));
    m_date->setGeometry(20, 85, 160, 25);
    m_chaldean = new QCheckBox(QStringLiteral("Use Chaldean calculator"), m_box);
    m_chaldean->move(200, 88);
    m_calculate = new QPushButton(QStringLiteral("CALCULATE"), m_box);
    m_calculate->setGeometry(400, 85, 160, 25); // ends the date row
    connect(m_calculate, &QPushButton::clicked, this, &CAdvisorPage::calculateRequested);
    connect(m_name, &QLineEdit::returnPressed, this, &CAdvisorPage::calculateRequested);

    // The name finder: its button in the caption row, its section over the report.
    m_findNames = new QPushButton(QStringLiteral("FIND NAMES"), m_box);
    m_findNames->setObjectName(QStringLiteral("advisorFindNames"));
    m_findNames->setToolTip(QStringLiteral("Names and spellings that give the numbers you want"));
    m_findNames->setGeometry(440, 3, 120, 21);
    m_finder = new CNameFinderPanel(parent);
    m_finder->move(PARKED);
    connect(m_findNames, &QPushButton::clicked, this, [this] { setFinderOpen(!m_finderOpen); });
    connect(m_finder, &CNameFinderPanel::closeRequested, this, [this] { setFinderOpen(false); });
    connect(m_finder, &CNameFinderPanel::nameChosen, this, [this](const QString &name) {
        m_name->setText(name);
        setFinderOpen(false);
        emit calculateRequested();
    });
    // The finder reads the advisor's date and letter table.
    const auto passInput = [this] { m_finder->setAdvisorInput(m_date->date(), m_chaldean->isChecked()); };
    connect(m_date, &QDateTimeEdit::dateChanged, this, passInput);
    connect(m_chaldean, &QCheckBox::toggled, this, passInput);
    passInput();
}

void CAdvisorPage::setFinderOpen(bool open)
{
    m_finderOpen = open;
    m_findNames->setText(open ? QStringLiteral("CLOSE FINDER") : QStringLiteral("FIND NAMES"));
    layout(m_report, m_shown);
}

QString CAdvisorPage::name() const
{
    return m_name->text();
}

QDate CAdvisorPage::date() const
{
    return m_date->date();
}

bool CAdvisorPage::chaldean() const
{
    return m_chaldean->isChecked();
}

void CAdvisorPage::clear()
{
    m_name->clear();
    m_date->setDate(PAGE_EMPTY_DATE);
}

void CAdvisorPage::setDateFormat(const QString &format)
{
    m_date->setDisplayFormat(format);
}

void CAdvisorPage::applyStyle(const CSkinManager *skin)
{
    skin->applyStyle(m_name, CSkinManager::KIND_DEFAULT);
    skin->applyStyle(m_date, CSkinManager::KIND_DEFAULT);
    skin->applyStyle(m_calculate, CSkinManager::KIND_DEFAULT);
    skin->applyStyle(m_chaldean, CSkinManager::KIND_WINDOW);
    skin->applyStyle(m_findNames, CSkinManager::KIND_DEFAULT);
    m_finder->applyStyle(skin);
}

void CAdvisorPage::layout(const QRect &report, bool shown)
{
    m_report = report;
    m_shown = shown;
    if (!shown || !m_finderOpen)
        m_finder->move(PARKED);
    if (!shown) {
        m_box->move(PARKED);
        m_namePanel->move(PARKED);
        return;
    }
    if (m_finderOpen) {
        m_finder->setGeometry(report);
        m_finder->raise();
    }
    // The input sits above the page's report, level with the other pages'
    // reports; the name panel fits between the input and the report, and
    // CALCULATE ends the date row, so nothing covers the report or the
    // module column even in the narrowest window.
    const QPoint box(report.x() + 10, 10);
    m_box->move(box);
    m_namePanel->move(report.x(), report.y() - m_namePanel->height() - 6);
}
