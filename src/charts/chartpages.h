#pragma once

// Pages and blocks of a chart document as the designer's pages-and-blocks
// pane edits them: deleting, reordering, and keeping the block views on the
// pages in step with the blocks they show. No widgets here; the pane calls
// these and shows the result.

#include "chartdatacontext.h"
#include "chartdocument.h"

// How many block views on the document's pages show block.
int blockViewCount(const ChartDocument &document, const ChartPage *block);

// Draws block's thumbnail again with data and hands it to every view
// showing it, so the pages show the block as it is now.
void refreshBlockViews(ChartDocument &document, ChartPage &block, const ChartDataContext &data);

// Deletes page from the first page list, never its last page: false (and
// nothing changed) when page is not in that list or is its only page. A
// current page that goes is replaced by its neighbour in the list.
bool deletePage(ChartDocument &document, const ChartPage *page);

// Deletes block and every view of it on the pages (a view never outlives
// its block); false when block is not one of the document's blocks. A
// current block that goes is replaced by the first page.
bool deleteBlock(ChartDocument &document, const ChartPage *block);

// Moves the entry at from to the place to (both indexes into list as it is
// before the move; to == size() moves it to the end). Out-of-range indexes
// change nothing; returns whether the list changed.
bool moveListEntry(ChartPageList &list, int from, int to);

// Where page sits: in the first page list, among the blocks, or nowhere.
enum class PagePlace { Page, Block, Elsewhere };
PagePlace placeOf(const ChartDocument &document, const ChartPage *page);
