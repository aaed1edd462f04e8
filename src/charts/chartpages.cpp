#include "chartpages.h"

#include "chartediting.h"
#include "chartrenderer.h"

#include <algorithm>

namespace {

// Every frame on every page and block whose content is a view of block.
std::vector<std::pair<ChartPage *, ChartItem *>> viewsOf(const ChartDocument &document,
                                                         const ChartPage *block)
{
    std::vector<ChartPage *> holders = document.allPages();
    for (const auto &other : document.blocks)
        holders.push_back(other.get());
    std::vector<std::pair<ChartPage *, ChartItem *>> views;
    for (ChartPage *holder : holders) {
        for (const auto &frame : holder->items) {
            if (frame->content && frame->content->type == ITEM_BLOCK_VIEW && frame->content->block == block)
                views.emplace_back(holder, frame.get());
        }
    }
    return views;
}

// The index of page in list, or -1.
int indexIn(const ChartPageList &list, const ChartPage *page)
{
    const auto found =
        std::find_if(list.begin(), list.end(), [page](const auto &entry) { return entry.get() == page; });
    return found == list.end() ? -1 : int(found - list.begin());
}

} // namespace

int blockViewCount(const ChartDocument &document, const ChartPage *block)
{
    return int(viewsOf(document, block).size());
}

void refreshBlockViews(ChartDocument &document, ChartPage &block, const ChartDataContext &data)
{
    refreshThumbnail(block, data);
    for (const auto &view : viewsOf(document, &block))
        view.second->content->image = block.thumbnail;
}

bool deletePage(ChartDocument &document, const ChartPage *page)
{
    if (document.pageLists.empty())
        return false;
    ChartPageList &pages = document.pageLists.front();
    const int index = indexIn(pages, page);
    if (index < 0 || pages.size() < 2)
        return false;
    if (document.currentPage == page)
        document.currentPage = pages[size_t(index == 0 ? 1 : index - 1)].get();
    pages.erase(pages.begin() + index);
    return true;
}

bool deleteBlock(ChartDocument &document, const ChartPage *block)
{
    const int index = indexIn(document.blocks, block);
    if (index < 0)
        return false;
    std::vector<std::pair<ChartPage *, ChartItem *>> views = viewsOf(document, block);
    for (const auto &[holder, frame] : views)
        removeItems(*holder, {frame});
    if (document.currentPage == block)
        document.currentPage = document.firstPage();
    document.blocks.erase(document.blocks.begin() + index);
    return true;
}

bool moveListEntry(ChartPageList &list, int from, int to)
{
    const int size = int(list.size());
    if (from < 0 || from >= size || to < 0 || to > size || to == from || to == from + 1)
        return false;
    std::unique_ptr<ChartPage> entry = std::move(list[size_t(from)]);
    list.erase(list.begin() + from);
    list.insert(list.begin() + (to > from ? to - 1 : to), std::move(entry));
    return true;
}

PagePlace placeOf(const ChartDocument &document, const ChartPage *page)
{
    if (!document.pageLists.empty() && indexIn(document.pageLists.front(), page) >= 0)
        return PagePlace::Page;
    if (indexIn(document.blocks, page) >= 0)
        return PagePlace::Block;
    return PagePlace::Elsewhere;
}
