#include "creportpepages.h"

#include "ciconlist.h"

#include "charts/chartdocument.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CReportPEPages::CReportPEPages(QWidget *parent)
    : QWidget(parent)
    , m_pages(new CIconList(false))
    , m_blocks(new CIconList(true))
{
    setFixedWidth(PANE_WIDTH);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 2, 0);
    column->setSpacing(3);
    column->addWidget(new QLabel(tr("Pages")));
    column->addWidget(m_pages, 1);
    m_addPage = paneButton(tr("Add Pages"));
    m_deletePage = paneButton(tr("Delete Pages"));
    m_pageProperties = paneButton(tr("Pages Properties"));
    for (QPushButton *button : {m_addPage, m_deletePage, m_pageProperties})
        column->addWidget(button);
    column->addSpacing(8);
    column->addWidget(new QLabel(tr("Blocks")));
    column->addWidget(m_blocks, 1);
    m_addBlock = paneButton(tr("Add Block"));
    m_deleteBlock = paneButton(tr("Delete Block"));
    m_blockProperties = paneButton(tr("Block Properties"));
    for (QPushButton *button : {m_addBlock, m_deleteBlock, m_blockProperties})
        column->addWidget(button);
    // Choosing a page in one list leaves no choice in the other.
    connect(m_pages, &CIconList::pageChosen, m_blocks, [this] {
        m_blocks->setCurrentItem(nullptr);
        updateButtons();
    });
    connect(m_blocks, &CIconList::pageChosen, m_pages, [this] {
        m_pages->setCurrentItem(nullptr);
        updateButtons();
    });
}

QPushButton *CReportPEPages::paneButton(const QString &text)
{
    auto *button = new QPushButton(text);
    button->setAutoDefault(false);
    button->setToolTip(text);
    // The pane is narrow: a smaller caption with little padding fits it.
    QFont font = button->font();
    font.setPixelSize(11);
    button->setFont(font);
    button->setStyleSheet(QStringLiteral("QPushButton { padding: 2px 0px; }"));
    return button;
}

void CReportPEPages::showDocument(const ChartDocument &document)
{
    std::vector<ChartPage *> pages;
    if (!document.pageLists.empty()) {
        for (const auto &page : document.pageLists.front())
            pages.push_back(page.get());
    }
    std::vector<ChartPage *> blocks;
    for (const auto &block : document.blocks)
        blocks.push_back(block.get());
    m_pages->setPages(pages);
    m_blocks->setPages(blocks);
    const QSignalBlocker quietPages(m_pages);
    const QSignalBlocker quietBlocks(m_blocks);
    m_pages->setCurrentItem(m_pages->entryFor(document.currentPage));
    m_blocks->setCurrentItem(m_blocks->entryFor(document.currentPage));
    updateButtons();
}

void CReportPEPages::refreshEntry(const ChartPage *page)
{
    for (CIconList *list : {m_pages, m_blocks}) {
        if (CILItem *entry = list->entryFor(page))
            entry->refresh();
    }
}

void CReportPEPages::updateButtons()
{
    // The first page list is never left empty.
    m_deletePage->setEnabled(m_pages->currentItem() && m_pages->count() > 1);
    m_pageProperties->setEnabled(m_pages->currentItem() != nullptr);
    m_deleteBlock->setEnabled(m_blocks->currentItem() != nullptr);
    m_blockProperties->setEnabled(m_blocks->currentItem() != nullptr);
}
