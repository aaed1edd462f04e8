// Reading a template file into a chart document (the layout is in
// templateformat.h). Files of versions 256 to 263 are read; each version
// rule below says from which version a field is in the file.
//
// A document is read whole or not at all: the records go into a fresh
// document, the stream is checked after every record, and only a file
// read to its last page list replaces the current document.

#include "chartdocument.h"
#include "templateformat.h"
#include "templateinput.h"

#include <QDataStream>

#include <cstring>

namespace {

// The smallest records a version 256 file can hold, which cap the counts a
// file may claim: an item with empty texts, null pictures and an empty path.
constexpr qint64 MIN_ITEM_BYTES =
    4 + 2 + 4 + 4 + 72 + 8 + 16 + 4 + 11 + 16 + 4 + 2 + 4 + 32 + 8 + 4 + 8 + 11 + 4 + 4 + 11 + 4;
constexpr qint64 MIN_FRAME_BYTES = MIN_ITEM_BYTES + 1; // and its content byte
constexpr qint64 MIN_PAGE_BYTES = 8 + 8 + 4;           // width, height, item count
constexpr qint64 MIN_PAGE_LIST_BYTES = 4;
// Pages larger than 25 metres are taken as damage.
constexpr double MAX_PAGE_UNITS = 100000.0;

class TemplateReader
{
public:
    TemplateReader(TemplateInput &in, int version)
        : m_in(in)
        , m_version(version)
    {
    }

    bool readBody(ChartDocument &document);

private:
    void readPages(ChartPageList &pages);
    std::unique_ptr<ChartPage> readPage();
    std::unique_ptr<ChartItem> readItem();

    TemplateInput &m_in;
    const int m_version;
};

bool TemplateReader::readBody(ChartDocument &document)
{
    document.title = m_in.readString();
    m_in.readInt();        // always 1
    m_in.readImage(false); // the first page's thumbnail; drawn anew by whoever has the data
    if (m_version > 256) {
        document.showGrid = m_in.readInt() != 0;
        document.snapToGrid = m_in.readInt() != 0;
        if (m_version > 261)
            document.showBoundaries = m_in.readInt() != 0;
        document.gridStepX = m_in.readDouble();
        document.gridStepY = m_in.readDouble();
    }
    if (!m_in.ok())
        return false;
    if (m_version > 257)
        readPages(document.blocks);
    const int lists = m_in.readCount(MIN_PAGE_LIST_BYTES);
    for (int i = 0; i < lists && m_in.ok(); ++i) {
        document.pageLists.emplace_back();
        readPages(document.pageLists.back());
    }
    return m_in.ok();
}

void TemplateReader::readPages(ChartPageList &pages)
{
    const int count = m_in.readCount(MIN_PAGE_BYTES);
    for (int i = 0; i < count && m_in.ok(); ++i) {
        std::unique_ptr<ChartPage> page = readPage();
        if (page)
            pages.push_back(std::move(page));
    }
}

std::unique_ptr<ChartPage> TemplateReader::readPage()
{
    auto page = std::make_unique<ChartPage>();
    const double width = m_in.readDouble();
    const double height = m_in.readDouble();
    if (width < 0.0 || height < 0.0 || width > MAX_PAGE_UNITS || height > MAX_PAGE_UNITS)
        m_in.markDamaged();
    page->size = QSizeF(width, height);
    if (m_version > 257) {
        page->name = m_in.readString();
        page->count = m_in.readInt();
        page->secondInteger = m_in.readInt();
    }
    if (m_version > 258) {
        page->backgroundColour = m_in.readColour();
        page->backgroundMode = m_in.readByte(); // signed: 255 is -1, no background
        page->backgroundImage = m_in.readImage();
    }
    const int frames = m_in.readCount(MIN_FRAME_BYTES);
    for (int i = 0; i < frames && m_in.ok(); ++i) {
        std::unique_ptr<ChartItem> frame = readItem();
        const bool hasContent = m_in.readByte() != 0;
        if (hasContent)
            frame->setContent(readItem());
        if (m_in.ok())
            page->addItem(std::move(frame));
    }
    return m_in.ok() ? std::move(page) : nullptr;
}

std::unique_ptr<ChartItem> TemplateReader::readItem()
{
    auto item = std::make_unique<ChartItem>();
    ChartItem &i = *item;
    i.type = m_in.readInt();
    i.fieldFlag = m_in.readInvertedFlag();
    i.freeTextFlag = m_in.readInvertedFlag();
    i.label = m_in.readString();
    i.code = m_in.readString();
    i.transform = m_in.readTransform();
    i.rotation = m_in.readDouble();
    i.size = m_in.readSize();
    i.shape = m_in.readPath();
    i.colour = m_in.readColour();
    i.secondSize = m_in.readSize();
    i.image = m_in.readImage();
    i.flagA = m_in.readInvertedFlag();
    i.flagB = m_in.readInvertedFlag();
    i.text = m_in.readString();
    i.font = m_in.readFont();
    i.alignment = int(m_in.readInt64()); // stored as 64 bits, held as 32
    i.penStyle = m_in.readInt();
    i.penWidth = m_in.readDouble();
    i.penColour = m_in.readColour();
    i.imageNumber = m_in.readInt();
    i.frame = m_in.readInt();
    i.frameColour = m_in.readColour();
    i.fit = m_in.readInt();
    if (m_version > 257)
        i.order = m_in.readInt();
    if (m_version >= 260)
        i.imageSetNumber = m_in.readInt();
    if (m_version > 260)
        i.barcodeKind = m_in.readInt();
    if (m_version > 262)
        i.background = m_in.readColour();

    // Fonts saved with a point size only get a pixel size from it, which
    // must stay within what a file may hold, or the document could not be
    // written and read again.
    if (i.font.pixelSize() <= 0)
        i.font.setPixelSize(qMax(1, i.font.pointSize() * 12 / 10 + 1));
    if (i.font.pixelSize() > MAX_TEMPLATE_FONT_SIZE)
        m_in.markDamaged();
    return item;
}

bool headerMatches(QDataStream &stream)
{
    quint32 length = 0;
    stream >> length;
    char bytes[TEMPLATE_HEADER_BYTES] = {};
    const int read = stream.readRawData(bytes, TEMPLATE_HEADER_BYTES);
    return stream.status() == QDataStream::Ok && length == quint32(TEMPLATE_HEADER_BYTES) &&
           read == TEMPLATE_HEADER_BYTES && memcmp(bytes, TEMPLATE_HEADER, TEMPLATE_HEADER_BYTES) == 0;
}

} // namespace

int ChartDocument::read(QDataStream &stream)
{
    setTemplateEncoding(stream);
    if (!headerMatches(stream))
        return -1;

    TemplateInput in(stream);
    const int fileVersion = in.readInt();
    if (!in.ok() || fileVersion < OLDEST_VERSION || fileVersion > WRITTEN_VERSION) {
        newDocument();
        return -1;
    }

    ChartDocument parsed;
    parsed.clear();
    parsed.fileName = fileName;
    parsed.version = fileVersion;
    if (!TemplateReader(in, fileVersion).readBody(parsed)) {
        newDocument();
        return -1;
    }
    linkBlockViews(parsed);

    parsed.currentPage = parsed.firstPage();
    if (!parsed.currentPage) {
        parsed.newDocument();
        parsed.version = fileVersion;
    } else if (fileVersion < 258) {
        parsed.currentPage->name = QStringLiteral("Pages");
    }
    parsed.zoom = 0.75;
    *this = std::move(parsed);
    return 0;
}
