#include "chartpage.h"

#include "app/cskinmanager.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

CChartPage::CChartPage(QWidget *reportFrame)
    : QObject(reportFrame)
{
    m_board = new QWidget(reportFrame);
    m_board->setObjectName(QStringLiteral("chartBoard"));
    m_board->setAttribute(Qt::WA_StyledBackground);
    m_board->move(1, 1);
    m_label = new QLabel(QStringLiteral("Chart template:"), reportFrame);
    m_label->resize(125, 20);
    m_chooser = new QComboBox(reportFrame);
    m_chooser->resize(160, 25);
    connect(m_chooser, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CChartPage::templateChosen);

    const char *captions[3] = {"Edit", "New", "Delete"};
    void (CChartPage::*requests[3])() = {&CChartPage::editRequested, &CChartPage::newRequested,
                                       &CChartPage::deleteRequested};
    for (int i = 0; i < 3; ++i) {
        m_buttons[i] = new QPushButton(QString::fromLatin1(captions[i]), reportFrame);
        m_buttons[i]->resize(60, 25);
        connect(m_buttons[i], &QPushButton::clicked, this, requests[i]);
    }
}

void CChartPage::setVisible(bool visible)
{
    m_board->setVisible(visible);
    m_label->setVisible(visible);
    m_chooser->setVisible(visible);
    for (QPushButton *button : m_buttons)
        button->setVisible(visible);
}

void CChartPage::applyStyle(const CSkinManager *skin)
{
    skin->applyStyle(m_chooser, CSkinManager::KIND_DEFAULT);
    for (QPushButton *button : m_buttons)
        skin->applyStyle(button, CSkinManager::KIND_DEFAULT);
}

void CChartPage::layout(const QRect &report, bool current)
{
    m_label->move(250, report.height() - 18);
    m_chooser->move(380, report.height() - 23);
    for (int i = 0; i < 3; ++i)
        m_buttons[i]->move(550 + 65 * i, report.height() - 23);
    if (current)
        m_board->resize(report.width(), report.height() - 35);
}
