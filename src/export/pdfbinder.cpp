#include "pdfbinder.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <list>
#include <memory>

namespace {

// The footer's line sits this far above the page's lower edge, inside the
// printed pages' 0.7 inch bottom margin; its text is set this large.
const qreal FOOTER_BASELINE_PT = 0.38 * 72;
const qreal FOOTER_SIDE_PT = 0.6 * 72;
const qreal FOOTER_FONT_PT = 8.5;
const QColor FOOTER_COLOUR(0x55, 0x55, 0x55);

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

std::string utf8(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

// A QPDF reading a copy of bytes; the copy lives as long as the QPDF needs it.
struct LoadedPdf
{
    std::string bytes;
    QPDF pdf;
};

void load(LoadedPdf &loaded, const QByteArray &bytes, const char *description)
{
    loaded.bytes.assign(bytes.constData(), size_t(bytes.size()));
    loaded.pdf.setSuppressWarnings(true);
    loaded.pdf.processMemoryFile(description, loaded.bytes.data(), loaded.bytes.size());
}

// Whether a page's content shows anything: text, a picture or a drawn form.
// A page the printer left over after a report's last line holds no more
// than its white background.
class InkFinder : public QPDFObjectHandle::ParserCallbacks
{
public:
    using QPDFObjectHandle::ParserCallbacks::handleObject;
    bool ink = false;

    void handleObject(QPDFObjectHandle object) override
    {
        if (object.isInlineImage()) {
            ink = true;
        } else if (object.isOperator()) {
            const std::string op = object.getOperatorValue();
            if (op == "Tj" || op == "TJ" || op == "'" || op == "\"" || op == "Do")
                ink = true;
        }
        if (ink)
            terminateParsing();
    }
    void handleEOF() override {}
};

bool isBlank(QPDFPageObjectHelper &page)
{
    InkFinder finder;
    page.parseContents(&finder);
    return !finder.ink;
}

// The pages of a printed piece that show something; a piece that shows
// nothing at all keeps its first page, so every part has a page to start on.
std::vector<QPDFPageObjectHelper> shownPages(QPDF &pdf)
{
    std::vector<QPDFPageObjectHelper> shown;
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    for (QPDFPageObjectHelper &page : pages)
        if (!isBlank(page))
            shown.push_back(page);
    if (shown.empty() && !pages.empty())
        shown.push_back(pages.front());
    return shown;
}

// The footer pages: one page of the given size for each page of the
// document, blank on the unnumbered pages.
QByteArray footerPages(const QSizeF &pagePt, int pages, int unnumbered, const QString &clientName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72); // one unit a point
    writer.setPageLayout(QPageLayout(QPageSize(pagePt, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(FOOTER_FONT_PT);
    painter.setFont(font);
    painter.setPen(FOOTER_COLOUR);
    const qreal baseline = pagePt.height() - FOOTER_BASELINE_PT;
    const QRectF line(FOOTER_SIDE_PT, baseline - FOOTER_FONT_PT * 1.5, pagePt.width() - 2 * FOOTER_SIDE_PT,
                      FOOTER_FONT_PT * 2);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            writer.newPage();
        if (page <= unnumbered)
            continue;
        painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, clientName);
        painter.drawText(line, Qt::AlignRight | Qt::AlignBottom, footerPageText(page, pages));
    }
    painter.end();
    return bytes;
}

} // namespace

QString footerPageText(int page, int pages)
{
    return QStringLiteral("page %1 of %2").arg(page).arg(pages);
}

int pdfPageCount(const QByteArray &pdf, QString *error)
{
    try {
        LoadedPdf loaded;
        load(loaded, pdf, "printed piece");
        return int(shownPages(loaded.pdf).size());
    } catch (const std::exception &e) {
        setError(error, QString::fromUtf8(e.what()));
        return -1;
    }
}

QByteArray bindPdf(const PdfBinding &binding, QString *error)
{
    try {
        QPDF bound;
        bound.emptyPDF();
        bound.setSuppressWarnings(true);
        QPDFPageDocumentHelper boundPages(bound);
        // The pieces stay open until the bound file is written: their pages
        // are copied from them as it is.
        std::list<LoadedPdf> pieces;
        for (const QByteArray &bytes : binding.pieces) {
            pieces.emplace_back();
            load(pieces.back(), bytes, "printed piece");
            for (QPDFPageObjectHelper &page : shownPages(pieces.back().pdf))
                boundPages.addPage(page, false);
        }
        std::vector<QPDFPageObjectHelper> pages = boundPages.getAllPages();
        if (pages.empty()) {
            setError(error, QStringLiteral("the printed document has no pages"));
            return QByteArray();
        }

        LoadedPdf footer;
        if (!binding.clientName.isEmpty()) {
            const QPDFObjectHandle::Rectangle box = pages.front().getMediaBox().getArrayAsRectangle();
            const QSizeF size(box.urx - box.llx, box.ury - box.lly);
            load(footer, footerPages(size, int(pages.size()), binding.unnumberedPages, binding.clientName),
                 "footer");
            std::vector<QPDFPageObjectHelper> footerPagesList = QPDFPageDocumentHelper(footer.pdf).getAllPages();
            for (size_t i = size_t(qMax(0, binding.unnumberedPages)); i < pages.size() && i < footerPagesList.size();
                 ++i) {
                QPDFPageObjectHelper &page = pages[i];
                QPDFObjectHandle form = bound.copyForeignObject(footerPagesList[i].getFormXObjectForPage());
                QPDFObjectHandle resources = page.getAttribute("/Resources", true);
                if (!resources.isDictionary()) {
                    resources = QPDFObjectHandle::newDictionary();
                    page.getObjectHandle().replaceKey("/Resources", resources);
                }
                if (!resources.getKey("/XObject").isDictionary())
                    resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
                int suffix = 0;
                const std::string name = resources.getUniqueResourceName("/Footer", suffix);
                resources.getKey("/XObject").replaceKey(name, form);
                const std::string place =
                    page.placeFormXObject(form, name, page.getMediaBox().getArrayAsRectangle(), true, true, false);
                // The page's own drawing in a saved state, so the footer is
                // placed in the page's untouched coordinates.
                page.addPageContents(QPDFObjectHandle::newStream(&bound, "q\n"), true);
                page.addPageContents(QPDFObjectHandle::newStream(&bound, "\nQ\n" + place), false);
            }
        }

        if (!binding.properties.title.isEmpty()) {
            QPDFObjectHandle info = bound.makeIndirectObject(QPDFObjectHandle::newDictionary());
            info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(utf8(binding.properties.title)));
            if (!binding.properties.author.isEmpty())
                info.replaceKey("/Author", QPDFObjectHandle::newUnicodeString(utf8(binding.properties.author)));
            info.replaceKey("/Creator", QPDFObjectHandle::newUnicodeString(utf8(binding.properties.creator)));
            bound.getTrailer().replaceKey("/Info", info);
        }

        QPDFWriter writer(bound);
        writer.setOutputMemory();
        writer.setDeterministicID(true);
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(out->getBuffer()), int(out->getSize()));
    } catch (const std::exception &e) {
        setError(error, QStringLiteral("the printed pages cannot be bound: ") + QString::fromUtf8(e.what()));
        return QByteArray();
    }
}
