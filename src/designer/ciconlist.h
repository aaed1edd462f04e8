#pragma once

// The thumbnail lists of the designer's pages-and-blocks pane: one entry
// (CILItem) per page or block, its picture the page's thumbnail and its
// caption the name over the count (the infinity sign for 0).
//
// An entry can be dragged onto the page editor (a block placed on a page
// becomes a block view there) or within its own list to reorder the list;
// the list itself never removes an entry for a drag, the document decides.

#include <QListWidget>

class QMimeData;
struct ChartPage;

// What a drag from a thumbnail list carries: which list, which entry.
struct PageDrag
{
    static constexpr char MIME_TYPE[] = "application/x-sorvel-chart-page";

    bool block = false;
    int row = -1;

    QByteArray encoded() const;
    // The drag in data, or a row of -1 when data carries none.
    static PageDrag decode(const QMimeData *data);
    // The drag in the bytes encoded() wrote; a row of -1 for other bytes.
    static PageDrag fromBytes(const QByteArray &bytes);
};

class CILItem : public QListWidgetItem
{
public:
    CILItem(ChartPage *page, QListWidget *list);

    ChartPage *page() const { return m_page; }
    // Takes the page's thumbnail, name and count again.
    void refresh();

private:
    ChartPage *m_page;
};

class CIconList : public QListWidget
{
    Q_OBJECT
public:
    static constexpr int ICON_PIXELS = 64;

    CIconList(bool blocks, QWidget *parent = nullptr);

    bool holdsBlocks() const { return m_blocks; }
    // One entry per page of pages, in order.
    void setPages(const std::vector<ChartPage *> &pages);
    CILItem *entry(int row) const;
    CILItem *entryFor(const ChartPage *page) const;
    // The page of the current entry, or null.
    ChartPage *currentPage() const;

signals:
    // An entry was dragged within the list from row from to the place
    // before row to (to == count(): the end).
    void entryMoved(int from, int to);
    // The user chose an entry: by keyboard at once, by mouse when the
    // button is released without dragging the entry away.
    void pageChosen(ChartPage *page);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> items) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool isOwnDrag(const QDropEvent *event) const;
    int dropRow(const QPoint &position) const;

    bool m_blocks;
    bool m_mouseChoice = false; // a press may still turn into a drag
    int m_rowBeforePress = -1;
    bool m_movedByDrop = false;
};
