#include "chartdocument.h"

#include <QBuffer>
#include <QDataStream>

QFont defaultItemFont()
{
    // A new item's font is set in points first; the pixel size then replaces
    // the point size, so every item draws at a size in units.
    QFont font(QStringLiteral("Arial"), 10, 50);
    font.setPixelSize(11);
    return font;
}

void ChartItem::setContent(std::unique_ptr<ChartItem> item)
{
    content = std::move(item);
    if (content)
        content->container = this;
}

ChartItem *ChartPage::addItem(std::unique_ptr<ChartItem> frame)
{
    items.push_back(std::move(frame));
    return items.back().get();
}

bool ChartPage::holdsContentKind(std::initializer_list<int> kinds) const
{
    for (const auto &frame : items) {
        if (!frame->content)
            continue;
        for (const int kind : kinds) {
            if (frame->content->type == kind)
                return true;
        }
    }
    return false;
}

ChartDocument::ChartDocument()
{
    newDocument();
}

void ChartDocument::newDocument()
{
    clear();
    pageLists.emplace_back();
    pageLists.front().push_back(std::make_unique<ChartPage>());
    title = QStringLiteral("New report");
    fileName = QStringLiteral("untitled.cvr");
    showGrid = true;
    snapToGrid = true;
    showBoundaries = true;
    gridStepX = 10.0;
    gridStepY = 10.0;
    zoom = 0.75;
    version = WRITTEN_VERSION;
    currentPage = pageLists.front().front().get();
}

void ChartDocument::clear()
{
    currentPage = nullptr;
    pageLists.clear();
    blocks.clear();
}

ChartPage *ChartDocument::addPage()
{
    if (pageLists.empty())
        pageLists.emplace_back();
    ChartPageList &first = pageLists.front();
    auto page = std::make_unique<ChartPage>();
    if (!first.empty())
        page->size = first.front()->size;
    page->name = QStringLiteral("Pages ") + QString::number(first.size() + 1);
    first.push_back(std::move(page));
    return first.back().get();
}

ChartPage *ChartDocument::addBlock(const QSizeF &size, const QString &name)
{
    auto block = std::make_unique<ChartPage>();
    block->size = size;
    block->name = name;
    blocks.push_back(std::move(block));
    return blocks.back().get();
}

QByteArray ChartDocument::toBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    if (write(stream) != 0)
        return QByteArray();
    buffer.close();
    return bytes;
}

ChartPage *ChartDocument::firstPage() const
{
    if (pageLists.empty() || pageLists.front().empty())
        return nullptr;
    return pageLists.front().front().get();
}

std::vector<ChartPage *> ChartDocument::allPages() const
{
    std::vector<ChartPage *> pages;
    for (const ChartPageList &list : pageLists) {
        for (const auto &page : list)
            pages.push_back(page.get());
    }
    return pages;
}

namespace {

// Calls visit(content) for every block view content on every page.
template <typename Visit> void forEachBlockView(const ChartDocument &document, Visit visit)
{
    for (ChartPage *page : document.allPages()) {
        for (const auto &frame : page->items) {
            if (frame->content && frame->content->type == ITEM_BLOCK_VIEW)
                visit(*frame->content);
        }
    }
}

} // namespace

void mapBlockViewsToIndexes(ChartDocument &document)
{
    forEachBlockView(document, [&](ChartItem &view) {
        for (size_t i = 0; i < document.blocks.size(); ++i) {
            if (document.blocks[i].get() == view.block) {
                view.imageNumber = int(i);
                return;
            }
        }
    });
}

void linkBlockViews(ChartDocument &document)
{
    forEachBlockView(document, [&](ChartItem &view) {
        const int index = view.imageNumber;
        if (index < 0 || size_t(index) >= document.blocks.size()) {
            view.block = nullptr;
            return;
        }
        const ChartPage *block = document.blocks[size_t(index)].get();
        view.block = block;
        // Until the block's thumbnail is drawn, the view keeps the one its
        // file carried.
        if (!block->thumbnail.isNull())
            view.image = block->thumbnail;
    });
}
