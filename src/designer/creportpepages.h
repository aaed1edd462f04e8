#pragma once

// The designer's pages-and-blocks pane (the full designer only): the
// document's printable pages and its reusable blocks, each as a list of
// thumbnails with its three buttons under it. The pane shows; the designer
// (CReportCreator) changes the document when a button is pressed or an
// entry is chosen or dragged, then asks the pane to show it again.

#include <QWidget>

class CIconList;
class ChartDocument;
class QPushButton;
struct ChartPage;

class CReportPEPages : public QWidget
{
    Q_OBJECT
public:
    static constexpr int PANE_WIDTH = 100;

    explicit CReportPEPages(QWidget *parent = nullptr);

    CIconList *pagesList() const { return m_pages; }
    CIconList *blocksList() const { return m_blocks; }
    QPushButton *addPageButton() const { return m_addPage; }
    QPushButton *deletePageButton() const { return m_deletePage; }
    QPushButton *pagePropertiesButton() const { return m_pageProperties; }
    QPushButton *addBlockButton() const { return m_addBlock; }
    QPushButton *deleteBlockButton() const { return m_deleteBlock; }
    QPushButton *blockPropertiesButton() const { return m_blockProperties; }

    // Rebuilds both lists from the document and marks its current page.
    void showDocument(const ChartDocument &document);
    // Shows one entry's thumbnail, name and count again.
    void refreshEntry(const ChartPage *page);

private:
    QPushButton *paneButton(const QString &text);
    void updateButtons();

    CIconList *m_pages;
    CIconList *m_blocks;
    QPushButton *m_addPage;
    QPushButton *m_deletePage;
    QPushButton *m_pageProperties;
    QPushButton *m_addBlock;
    QPushButton *m_deleteBlock;
    QPushButton *m_blockProperties;
};
