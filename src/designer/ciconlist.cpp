#include "ciconlist.h"

#include "charts/chartdocument.h"

#include <QDataStream>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The thumbnail on a square of the list's size, with a hairline edge, so
// pages of every shape line up.
QIcon thumbnailIcon(const QImage &thumbnail)
{
    const int side = CIconList::ICON_PIXELS;
    QPixmap square(side, side);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    if (!thumbnail.isNull()) {
        const QSize fitted = thumbnail.size().scaled(side - 2, side - 2, Qt::KeepAspectRatio);
        const QRect target(QPoint((side - fitted.width()) / 2, (side - fitted.height()) / 2), fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, thumbnail);
        painter.setPen(QColor(0, 0, 0, 90));
        painter.drawRect(target.adjusted(0, 0, -1, -1));
    }
    return QIcon(square);
}

} // namespace

QByteArray PageDrag::encoded() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << block << qint32(row);
    return bytes;
}

PageDrag PageDrag::decode(const QMimeData *data)
{
    if (!data || !data->hasFormat(QLatin1String(MIME_TYPE)))
        return PageDrag();
    return fromBytes(data->data(QLatin1String(MIME_TYPE)));
}

PageDrag PageDrag::fromBytes(const QByteArray &bytes)
{
    PageDrag drag;
    QDataStream stream(bytes);
    qint32 row = -1;
    stream >> drag.block >> row;
    drag.row = stream.status() == QDataStream::Ok ? row : -1;
    return drag;
}

CILItem::CILItem(ChartPage *page, QListWidget *list)
    : QListWidgetItem(list)
    , m_page(page)
{
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    refresh();
}

void CILItem::refresh()
{
    setIcon(thumbnailIcon(m_page->thumbnail));
    // Pages show their count under the name; blocks have none to show.
    const auto *list = static_cast<const CIconList *>(listWidget());
    if (list && list->holdsBlocks()) {
        setText(m_page->name);
    } else {
        const QString count = m_page->count == 0 ? QStringLiteral("\u221E") : QString::number(m_page->count);
        setText(m_page->name + QLatin1Char('\n') + count);
    }
    setToolTip(m_page->name);
}

CIconList::CIconList(bool blocks, QWidget *parent)
    : QListWidget(parent)
    , m_blocks(blocks)
{
    setViewMode(QListView::IconMode);
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setIconSize(QSize(ICON_PIXELS, ICON_PIXELS));
    setGridSize(QSize(ICON_PIXELS + 16, ICON_PIXELS + 38));
    setWordWrap(true);
    setTextElideMode(Qt::ElideRight);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    connect(this, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *current) {
        if (auto *chosen = static_cast<CILItem *>(current); chosen && !m_mouseChoice)
            emit pageChosen(chosen->page());
    });
}

void CIconList::setPages(const std::vector<ChartPage *> &pages)
{
    const QSignalBlocker quiet(this);
    clear();
    for (ChartPage *page : pages)
        new CILItem(page, this);
}

CILItem *CIconList::entry(int row) const
{
    return static_cast<CILItem *>(item(row));
}

CILItem *CIconList::entryFor(const ChartPage *page) const
{
    for (int row = 0; row < count(); ++row) {
        if (entry(row)->page() == page)
            return entry(row);
    }
    return nullptr;
}

ChartPage *CIconList::currentPage() const
{
    const auto *current = static_cast<CILItem *>(currentItem());
    return current ? current->page() : nullptr;
}

QStringList CIconList::mimeTypes() const
{
    return {QLatin1String(PageDrag::MIME_TYPE)};
}

QMimeData *CIconList::mimeData(const QList<QListWidgetItem *> items) const
{
    if (items.isEmpty())
        return nullptr;
    auto *data = new QMimeData;
    data->setData(QLatin1String(PageDrag::MIME_TYPE), PageDrag{m_blocks, row(items.first())}.encoded());
    return data;
}

void CIconList::mousePressEvent(QMouseEvent *event)
{
    m_rowBeforePress = currentRow();
    m_mouseChoice = true;
    QListWidget::mousePressEvent(event);
}

void CIconList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (!m_mouseChoice)
        return;
    m_mouseChoice = false;
    if (currentItem() && currentRow() != m_rowBeforePress)
        emit pageChosen(currentPage());
}

void CIconList::startDrag(Qt::DropActions)
{
    // Dragging a thumbnail onto the page does not choose it: the editor
    // keeps its page, and the list its former choice.
    m_mouseChoice = false;
    m_movedByDrop = false;
    // Our own drag: a drop that reports a move must not make the list
    // delete the entry, the document reorders itself and rebuilds the list.
    QListWidgetItem *dragged = currentItem();
    if (!dragged)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData({dragged}));
    drag->setPixmap(dragged->icon().pixmap(ICON_PIXELS / 2));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    if (!m_movedByDrop) {
        const QSignalBlocker quiet(this);
        setCurrentRow(m_rowBeforePress < count() ? m_rowBeforePress : -1);
    }
}

bool CIconList::isOwnDrag(const QDropEvent *event) const
{
    const PageDrag drag = PageDrag::decode(event->mimeData());
    return event->source() == this && drag.row >= 0 && drag.block == m_blocks;
}

void CIconList::dragEnterEvent(QDragEnterEvent *event)
{
    if (isOwnDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CIconList::dragMoveEvent(QDragMoveEvent *event)
{
    if (isOwnDrag(event)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

int CIconList::dropRow(const QPoint &position) const
{
    const QModelIndex under = indexAt(position);
    if (!under.isValid())
        return count();
    const QRect rect = visualRect(under);
    return position.y() > rect.center().y() ? under.row() + 1 : under.row();
}

void CIconList::dropEvent(QDropEvent *event)
{
    if (!isOwnDrag(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    m_movedByDrop = true;
    emit entryMoved(PageDrag::decode(event->mimeData()).row, dropRow(event->pos()));
}
