#include "creportcreator.h"

#include "ccolordialog.h"
#include "charthistory.h"
#include "ciconlist.h"
#include "cpapersizedlg.h"
#include "cpropertieswidget.h"
#include "creportpe.h"
#include "creportpepages.h"
#include "designerquestion.h"

#include "charts/chartdocument.h"
#include "charts/chartediting.h"
#include "charts/chartelements.h"
#include "charts/chartpages.h"
#include "charts/chartrenderer.h"
#include "charts/charttemplates.h"
#include "engine/messagereporter.h"
#include "files/checkedfilewriter.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>

namespace {

// One toolbar button: its tooltip, picture (or, without one, a glyph drawn
// as its text) and what it does.
struct ToolButton
{
    const char *toolTip;
    const char *picture;
    const char *glyph;
    void (CReportCreator::*creatorSlot)();
    void (CReportPE::*editorSlot)();
};

// clang-format off
const ToolButton TOOL_BUTTONS[] = {
    {"Undo",                       nullptr,           "\u21B6", nullptr,                     &CReportPE::OnUndo},
    {"Redo",                       nullptr,           "\u21B7", nullptr,                     &CReportPE::OnRedo},
    {"100%",                       "bzoomn.png",      nullptr, nullptr,                     &CReportPE::OnZoomNormal},
    {"Zoom In",                    "bzoomi.png",      nullptr, nullptr,                     &CReportPE::OnZoomIn},
    {"Zoom Out",                   "bzoomo.png",      nullptr, nullptr,                     &CReportPE::OnZoomOut},
    {"Graphics Charts Properties", "bprops.png",      nullptr, &CReportCreator::OnProperties, nullptr},
    {"Delete",                     "bdelete.png",     nullptr, &CReportCreator::OnDelete,   nullptr},
    {"Show Grid",                  "bgrid.png",       nullptr, nullptr,                     &CReportPE::OnGrid},
    {"Snap to Grid",               "bsnap.png",       nullptr, nullptr,                     &CReportPE::OnSnap},
    {"Boundaries",                 "bbound.png",      nullptr, nullptr,                     &CReportPE::OnBoundaries},
    {"Bring to Front",             "bbringfront.png", nullptr, nullptr,                     &CReportPE::moveToFrontSelItems},
    {"Send to Back",               "bbringback.png",  nullptr, nullptr,                     &CReportPE::moveToBackSelItems},
};

// The groups of the fields list with their pictures; the entries come from
// the element table in its order, numbered from the group's first number
// (1: every entry of the group is 1).
struct FieldGroup
{
    ElementGroup group;
    const char *name;
    const char *picture;
    int firstNumber;
};
const FieldGroup FIELD_GROUPS[] = {
    {ElementGroup::Calculated, "Calculated data", "datafield-i.png",      1},
    {ElementGroup::Variables,  "Variables",       "datafieldtitle-i.png", 1000},
    {ElementGroup::Objects,    "Objects",         "thumb.png",            2000},
};
// clang-format on

constexpr int LONGEST_IMAGE_SIDE = 1024;
// Card sizes are shown in units of 1.18 page units.
constexpr double CARD_UNIT = 1.18;
// A new block is a small card until its properties say otherwise (inches).
constexpr double NEW_BLOCK_WIDTH = 3.0;
constexpr double NEW_BLOCK_HEIGHT = 2.0;
// The pane's thumbnail follows edits after this pause (milliseconds).
constexpr int THUMBNAIL_DELAY = 250;
constexpr int MIN_WIDTH = 800;
constexpr int MIN_HEIGHT = 500;

QString programImagesFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/");
}

} // namespace

CReportCreator::CReportCreator(DesignerMode mode, QWidget *parent)
    : QWidget(parent)
    , m_mode(mode)
    , m_imagesFolder(programImagesFolder())
    , m_saveFolder(userTemplateFolder())
{
    m_imageChooser = [](QWidget *owner) {
        return QFileDialog::getOpenFileName(owner, tr("Open Image"), QString(),
                                            tr("Image Files (*.png *.jpg *.jpeg *.gif *.bmp)"));
    };
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_pagesPane = new CReportPEPages;
    m_splitter->addWidget(m_pagesPane);
    m_splitter->addWidget(buildEditorPane());
    m_splitter->addWidget(buildFieldsPane());
    m_splitter->setCollapsible(1, false);
    m_splitter->setCollapsible(2, false);
    // The fields pane starts at its widest in both modes: at its narrowest
    // the property table's values would start out of sight.
    if (m_mode == DesignerMode::Card)
        m_pagesPane->hide(); // it keeps its share; the fields pane takes the rest
    m_splitter->setSizes({200, 700, 300});
    m_editor->setImagesFolder(m_imagesFolder);
    fillFieldsList();

    connect(m_editor, &CReportPE::itemDropped, this, &CReportCreator::OnAddField);
    connect(m_editor, &CReportPE::selectionChanged, this, &CReportCreator::OnPageSelectionChanged);
    connect(m_editor, &CReportPE::documentEdited, this, &CReportCreator::documentEdited);
    connect(m_editor, &CReportPE::documentRestored, this, &CReportCreator::documentRestored);
    connectPagesPane();
    connect(m_properties, &CPropertiesWidget::dataChanged, this, &CReportCreator::OnPropertyChanged);
    connect(m_save, &QPushButton::clicked, this, &CReportCreator::OnOk);
    connect(m_close, &QPushButton::clicked, this, &CReportCreator::OnCancel);
}

// --- panes ---

QWidget *CReportCreator::buildEditorPane()
{
    auto *pane = new QWidget;
    pane->setMinimumWidth(300);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    // The tool pictures are light glyphs drawn for a dark strip.
    auto *strip = new QWidget;
    strip->setObjectName(QStringLiteral("designerToolbar"));
    strip->setStyleSheet(QStringLiteral("#designerToolbar { background: #3d3129; border-radius: 3px; }"
                                        "QToolButton { border: none; border-radius: 3px; }"
                                        "QToolButton:hover { background: #65544a; }"
                                        "QToolButton:pressed { background: #2d241f; }"));
    auto *toolbar = new QHBoxLayout(strip);
    toolbar->setContentsMargins(3, 2, 3, 2);
    toolbar->setSpacing(2);
    m_editor = new CReportPE;
    for (const ToolButton &tool : TOOL_BUTTONS) {
        auto *button = new QToolButton;
        button->setFixedSize(35, 26);
        button->setIconSize(QSize(20, 20));
        if (tool.picture) {
            button->setIcon(QIcon(m_imagesFolder + QLatin1String(tool.picture)));
        } else {
            button->setText(QString::fromUtf8(tool.glyph));
            button->setStyleSheet(QStringLiteral("color: #f4ede4; font-size: 17px;"));
        }
        button->setToolTip(tr(tool.toolTip));
        button->setAutoRaise(true);
        if (tool.creatorSlot)
            connect(button, &QToolButton::clicked, this, tool.creatorSlot);
        else
            connect(button, &QToolButton::clicked, m_editor, tool.editorSlot);
        toolbar->addWidget(button);
        m_tools.append(button);
    }
    // Aligning, distributing, the rotation reset and fitting, in one menu.
    auto *arrange = new QToolButton;
    arrange->setFixedSize(35, 26);
    arrange->setText(QString::fromUtf8("\u2630"));
    arrange->setStyleSheet(QStringLiteral("color: #f4ede4; font-size: 17px;"));
    arrange->setToolTip(tr("Arrange"));
    arrange->setAutoRaise(true);
    arrange->setPopupMode(QToolButton::InstantPopup);
    // The menu is the creator's: the strip's light button text is not for it.
    auto *menu = new QMenu(this);
    menu->addActions(m_editor->arrangeActions());
    arrange->setMenu(menu);
    // They act on a selection: without one there is nothing to arrange.
    const auto enableArrange = [this, menu] {
        const bool any = !m_editor->selectedItems().empty();
        for (QAction *action : menu->actions())
            action->setEnabled(any);
    };
    connect(m_editor, &CReportPE::selectionChanged, menu, enableArrange);
    enableArrange();
    toolbar->addWidget(arrange);
    m_tools.append(arrange);
    toolbar->addStretch();
    column->addWidget(strip);
    // Undo and redo are there when there is something to undo or redo.
    QUndoStack *stack = m_editor->history()->stack();
    m_tools.at(0)->setEnabled(stack->canUndo());
    m_tools.at(1)->setEnabled(stack->canRedo());
    connect(stack, &QUndoStack::canUndoChanged, m_tools.at(0), &QToolButton::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, m_tools.at(1), &QToolButton::setEnabled);
    m_editor->resize(550, 500);
    column->addWidget(m_editor, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_save = new QPushButton(tr("Save"));
    m_close = new QPushButton(tr("Close"));
    m_save->setFixedSize(80, 20);
    m_close->setFixedSize(80, 20);
    // In the dialog, Return belongs to the property table's lines, never
    // to a button that saves or closes.
    for (QPushButton *button : {m_save, m_close}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    column->addLayout(buttons);
    return pane;
}

QWidget *CReportCreator::buildFieldsPane()
{
    auto *pane = new QWidget;
    pane->setMinimumWidth(100);
    pane->setMaximumWidth(300);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(tr("Fields:")));
    m_fields = new QTreeWidget;
    m_fields->setHeaderHidden(true);
    m_fields->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fields->setDragEnabled(true);
    m_fields->setDragDropMode(QAbstractItemView::DragOnly);
    m_fields->resize(150, 500);
    column->addWidget(m_fields, 3);
    column->addWidget(new QLabel(tr("Properties")));
    m_properties = new CPropertiesWidget;
    column->addWidget(m_properties, 2);
    // A picture element's own command, there while one is selected.
    m_replacePicture = new QPushButton(tr("Replace Picture..."));
    m_replacePicture->setAutoDefault(false);
    m_replacePicture->hide();
    connect(m_replacePicture, &QPushButton::clicked, this, &CReportCreator::replacePicture);
    column->addWidget(m_replacePicture);
    return pane;
}

void CReportCreator::fillFieldsList()
{
    for (const FieldGroup &group : FIELD_GROUPS) {
        auto *top = new QTreeWidgetItem(m_fields, {tr(group.name)});
        top->setIcon(0, QIcon(m_imagesFolder + QLatin1String(group.picture)));
        top->setFlags(Qt::ItemIsEnabled);
        int i = 0;
        for (const ChartElementKind &kind : chartElementKinds()) {
            if (kind.group != group.group)
                continue;
            auto *entry = new QTreeWidgetItem(top, {QLatin1String(kind.entry)});
            entry->setData(0, Qt::UserRole, group.firstNumber == 1 ? 1 : group.firstNumber + i);
            entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
            ++i;
        }
    }
    m_fields->expandAll();
}

QToolButton *CReportCreator::toolButton(const QString &toolTip) const
{
    for (QToolButton *button : m_tools) {
        if (button->toolTip() == toolTip)
            return button;
    }
    return nullptr;
}

QTreeWidgetItem *CReportCreator::fieldEntry(const QString &text) const
{
    const QList<QTreeWidgetItem *> found = m_fields->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem *item : found) {
        if (item->parent())
            return item;
    }
    return nullptr;
}

void CReportCreator::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    OnUpdateWidgetGeometry();
}

// The page editor has the keyboard when the designer opens, so the
// editing keys work at once.
void CReportCreator::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_editor->setFocus(Qt::OtherFocusReason);
}

void CReportCreator::OnUpdateWidgetGeometry()
{
    m_splitter->setGeometry(5, 10, std::max(0, width() - 10), std::max(0, height() - 20));
}

// --- document ---

void CReportCreator::setDataContext(const ChartDataContext &data)
{
    m_editor->setDataContext(data);
}

bool CReportCreator::openFile(const QString &path)
{
    ChartTemplateRead read = readChartTemplate(path);
    ChartDocument &document = m_editor->document();
    if (read.status != ChartTemplateRead::Ok) {
        messageReporter().critical(tr("Error"), tr("Can't open file %1").arg(path));
        document.newDocument();
    } else {
        document = std::move(read.document);
        if (!document.currentPage)
            document.currentPage = document.firstPage();
    }
    showDocument();
    m_editor->history()->reset();
    return read.status == ChartTemplateRead::Ok;
}

void CReportCreator::startNew()
{
    m_editor->document().newDocument();
    showDocument();
    m_editor->history()->reset();
}

bool CReportCreator::isModified() const
{
    return m_editor->history()->isModified();
}

void CReportCreator::setModified(bool modified)
{
    if (modified)
        markModified(tr("Edit"));
    else
        m_editor->history()->markSaved();
}

void CReportCreator::markModified(const QString &step)
{
    m_editor->recordEdit(step);
}

QString CReportCreator::fileName() const
{
    return m_editor->document().fileName;
}

bool CReportCreator::OnOk()
{
    ChartDocument &document = m_editor->document();
    // The file carries a thumbnail of its first page as it is drawn here.
    if (ChartPage *first = document.firstPage())
        refreshThumbnail(*first, m_editor->dataContext());
    bool saved = false;
    if (!m_saveFile.isEmpty()) {
        const QByteArray bytes = document.toBytes();
        saved = !bytes.isEmpty() && writeFileChecked(m_saveFile, bytes);
        if (saved)
            document.fileName = m_saveFile;
    } else {
        saved = saveChartTemplate(document, m_saveFolder);
    }
    if (!saved) {
        messageReporter().critical(tr("Error"), tr(CANT_SAVE_REPORT));
        return false;
    }
    m_editor->history()->markSaved();
    emit templateSaved(document.fileName);
    return true;
}

void CReportCreator::OnCancel()
{
    if (isModified()) {
        switch (askDesignerChoice(this, tr("Warning"), tr("Save changes?"))) {
        case DesignerAnswer::Yes:
            if (!OnOk())
                return; // the save failed: the user keeps the work in front of him
            break;
        case DesignerAnswer::No:
            break;
        case DesignerAnswer::Cancel:
            return; // back to the work
        }
    }
    emit closeRequested();
}

// --- chart properties and background ---

void CReportCreator::OnProperties()
{
    ChartDocument &document = m_editor->document();
    ChartPage *page = document.currentPage;
    if (!page)
        return;
    const bool card = m_mode == DesignerMode::Card;
    CPaperSizeDlg dialog(card ? CPaperSizeDlg::Variant::Card : CPaperSizeDlg::Variant::Paper, this);
    dialog.setTitleText(document.title);
    if (card) {
        dialog.setSizeValues(std::trunc(page->size.width() / CARD_UNIT),
                             std::trunc(page->size.height() / CARD_UNIT));
        QPushButton *background = dialog.addButton(tr("Set Background"), QRect(10, 130, 120, 20));
        connect(background, &QPushButton::clicked, this, &CReportCreator::slotOnBackground);
    } else {
        dialog.setSizeValues(std::round(page->size.width() / UNITS_PER_INCH * 100) / 100,
                             std::round(page->size.height() / UNITS_PER_INCH * 100) / 100);
    }
    m_pendingMode = -1;
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (m_pendingMode != -1) {
        page->backgroundColour = m_pendingColour;
        page->backgroundImage = m_pendingImage;
        page->backgroundMode = m_pendingMode;
    }
    document.title = dialog.titleText();
    const double factor = card ? CARD_UNIT : UNITS_PER_INCH;
    page->size = dialog.chosenSize() * factor;
    pagesChanged(tr("Chart Properties"));
}

void CReportCreator::slotOnBackground()
{
    const ChartPage *page = m_editor->document().currentPage;
    CColorDialog dialog(this);
    dialog.setColour(m_pendingMode == -1 && page ? page->backgroundColour : m_pendingColour);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_pendingColour = dialog.colour();
    m_pendingImage = dialog.image();
    m_pendingMode = dialog.mode();
}

// --- elements ---

void CReportCreator::OnDelete()
{
    m_editor->deleteSelItems();
}

void CReportCreator::OnAddField(const QPoint &position)
{
    QTreeWidgetItem *entry = m_fields->currentItem();
    if (!entry || !entry->parent())
        return;
    addField(entry->data(0, Qt::UserRole).toInt(), entry->text(0), position);
}

ChartItem *CReportCreator::addField(int, const QString &entry, const QPoint &position)
{
    const ChartElementKind *kind = elementKindNamed(entry);
    if (kind && (kind->flags & ELEMENT_NEEDS_PICTURE))
        return addImage(position);
    return m_editor->createElementAt(makeNewContent(entry, m_editor->dataContext()), position);
}

QImage CReportCreator::chooseImage()
{
    const QString path = m_imageChooser(this);
    if (path.size() < 5)
        return QImage();
    QImage image(path);
    if (!image.isNull() && std::max(image.width(), image.height()) > LONGEST_IMAGE_SIDE)
        image = image.scaled(LONGEST_IMAGE_SIDE, LONGEST_IMAGE_SIDE, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    return image;
}

ChartItem *CReportCreator::selectedPicture() const
{
    const std::vector<ChartItem *> selected = m_editor->selectedItems();
    if (selected.size() != 1 || !selected.front()->content || selected.front()->content->type != ITEM_PICTURE)
        return nullptr;
    return selected.front();
}

bool CReportCreator::replacePicture()
{
    ChartItem *frame = selectedPicture();
    if (!frame)
        return false;
    const QImage image = chooseImage();
    if (image.isNull())
        return false;
    // The new picture keeps the element's width and brings its own proportions.
    frame->content->image = image;
    const QSizeF size = contentFitSize(*frame->content, m_editor->dataContext());
    setFrameLocalRect(*frame, QRectF(frameLocalRect(*frame).topLeft(), size));
    markModified(tr("Replace Picture"));
    OnPageSelectionChanged();
    return true;
}

ChartItem *CReportCreator::addImage(const QPoint &position)
{
    const ChartPage *page = m_editor->document().currentPage;
    if (!page)
        return nullptr;
    const QImage image = chooseImage();
    if (image.isNull())
        return nullptr;
    // One factor fits the picture into a quarter of the page each way.
    const double factor =
        std::min(page->size.width() / 4 / image.width(), page->size.height() / 4 / image.height());
    const QSizeF size(std::trunc(image.width() * factor), std::trunc(image.height() * factor));
    return m_editor->createElementAt(makePictureContent(image, size), position);
}

void CReportCreator::OnPageSelectionChanged()
{
    m_replacePicture->setVisible(selectedPicture() != nullptr);
    const std::vector<ChartItem *> selected = m_editor->selectedItems();
    ChartPage *page = m_editor->document().currentPage;
    if (selected.size() == 1 && page) {
        m_properties->setRows(propertyRowsFor(*selected.front(), *page) + geometryRowsFor(*selected.front()));
        m_properties->setSampleText(shownText(*selected.front()));
    } else {
        m_properties->setRows({});
    }
}

QString CReportCreator::shownText(const ChartItem &frame) const
{
    if (!frame.content)
        return QString();
    const QString value = fieldText(frame.content->code, m_editor->dataContext());
    return value.isEmpty() ? frame.content->text : value;
}

void CReportCreator::OnPropertyChanged()
{
    const std::vector<ChartItem *> selected = m_editor->selectedItems();
    ChartPage *page = m_editor->document().currentPage;
    if (selected.size() != 1 || !page)
        return;
    const PropertyRows rows = m_properties->rows();
    ChartItem &frame = *selected.front();
    const PropertyRows geometry = geometryRowsFor(frame);
    const QFont font = frame.content ? frame.content->font : QFont();
    const QString text = frame.content ? frame.content->text : QString();
    // The content as it was, for the size its former barcode kind wanted.
    ChartItem former;
    if (frame.content)
        static_cast<ChartItemValues &>(former) = *frame.content;
    applyPropertyRows(frame, *page, rows);
    applyGeometryRows(frame, rows);
    // A barcode at the size its kind wanted (a QR Code's square) takes the
    // size of its new kind (a linear symbol's strip); one sized by hand stays.
    if (frame.content && frame.content->type == ITEM_BARCODE && frame.content->barcodeKind != former.barcodeKind &&
        frameLocalRect(frame).size() == contentFitSize(former, m_editor->dataContext()))
        setFrameLocalRect(frame, QRectF(frameLocalRect(frame).topLeft(),
                                        contentFitSize(*frame.content, m_editor->dataContext())));
    // A text that grew (a larger font, a longer text) makes its box grow
    // with it, so the page shows all of it.
    if (frame.content && frame.content->type == ITEM_TEXT_FIELD &&
        (frame.content->font != font || frame.content->text != text)) {
        const QSizeF wanted = contentFitSize(*frame.content, m_editor->dataContext());
        const QRectF local = frameLocalRect(frame);
        if (wanted.width() > local.width() || wanted.height() > local.height())
            setFrameLocalRect(frame, QRectF(local.topLeft(), local.size().expandedTo(wanted)));
    }
    markModified(tr("Properties"));
    // The geometry rows show where the element went, once the edit that
    // moved it is over (the table is rebuilt, its editors too).
    if (geometryRowsFor(frame) != geometry)
        QTimer::singleShot(0, this, &CReportCreator::OnPageSelectionChanged);
}

// --- pages and blocks ---

void CReportCreator::connectPagesPane()
{
    m_thumbnailTimer = new QTimer(this);
    m_thumbnailTimer->setSingleShot(true);
    m_thumbnailTimer->setInterval(THUMBNAIL_DELAY);
    connect(m_thumbnailTimer, &QTimer::timeout, this, &CReportCreator::refreshCurrentThumbnail);
    connect(m_editor, &CReportPE::pageDropped, this, &CReportCreator::OnBlockItemDropped);
    connect(m_pagesPane->addPageButton(), &QPushButton::clicked, this, &CReportCreator::OnAddPage);
    connect(m_pagesPane->deletePageButton(), &QPushButton::clicked, this, &CReportCreator::OnDelPage);
    connect(m_pagesPane->pagePropertiesButton(), &QPushButton::clicked, this, &CReportCreator::OnPageProp);
    connect(m_pagesPane->addBlockButton(), &QPushButton::clicked, this, &CReportCreator::OnAddBlock);
    connect(m_pagesPane->deleteBlockButton(), &QPushButton::clicked, this, &CReportCreator::OnDelBlock);
    connect(m_pagesPane->blockPropertiesButton(), &QPushButton::clicked, this, &CReportCreator::OnBlockProp);
    for (CIconList *list : {m_pagesPane->pagesList(), m_pagesPane->blocksList()})
        connect(list, &CIconList::pageChosen, this, &CReportCreator::OnPageSelected);
    // The lists are rebuilt after a reordering, so not from inside their own drop.
    connect(m_pagesPane->pagesList(), &CIconList::entryMoved, this, &CReportCreator::OnListDrop,
            Qt::QueuedConnection);
    connect(m_pagesPane->blocksList(), &CIconList::entryMoved, this, &CReportCreator::OnBlockDrop,
            Qt::QueuedConnection);
}

void CReportCreator::refreshThumbnails()
{
    // Blocks first: every view of a block, on a page or in another block,
    // then shows it as it is drawn now, and the pages show those views.
    ChartDocument &document = m_editor->document();
    for (const auto &block : document.blocks)
        refreshBlockViews(document, *block, m_editor->dataContext());
    for (ChartPage *page : document.allPages())
        refreshThumbnail(*page, m_editor->dataContext());
}

void CReportCreator::showDocument()
{
    refreshThumbnails();
    m_editor->documentReplaced();
    m_pagesPane->showDocument(m_editor->document());
}

void CReportCreator::documentRestored()
{
    m_thumbnailTimer->stop();
    refreshThumbnails();
    m_pagesPane->showDocument(m_editor->document());
}

void CReportCreator::pagesChanged(const QString &step)
{
    showDocument();
    markModified(step);
}

void CReportCreator::documentEdited()
{
    m_thumbnailTimer->start();
}

void CReportCreator::refreshCurrentThumbnail()
{
    m_thumbnailTimer->stop();
    ChartDocument &document = m_editor->document();
    ChartPage *page = document.currentPage;
    if (!page)
        return;
    if (placeOf(document, page) == PagePlace::Block)
        refreshBlockViews(document, *page, m_editor->dataContext());
    else
        refreshThumbnail(*page, m_editor->dataContext());
    m_pagesPane->refreshEntry(page);
}

void CReportCreator::showPage(ChartPage *page)
{
    ChartDocument &document = m_editor->document();
    if (!page || page == document.currentPage)
        return;
    if (m_thumbnailTimer->isActive())
        refreshCurrentThumbnail();
    document.currentPage = page;
    // A page shows its block views as the blocks are now.
    refreshThumbnail(*page, m_editor->dataContext());
    m_editor->documentReplaced();
}

void CReportCreator::OnPageSelected(ChartPage *page)
{
    showPage(page);
}

bool CReportCreator::editPageProperties(ChartPage &page, bool withCount, const QString &caption)
{
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Paper, this);
    dialog.setWindowTitle(caption);
    dialog.setTitleText(page.name);
    dialog.setSizeValues(std::round(page.size.width() / UNITS_PER_INCH * 100) / 100,
                         std::round(page.size.height() / UNITS_PER_INCH * 100) / 100);
    if (withCount)
        dialog.showCount(page.count);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    page.name = dialog.titleText();
    page.size = dialog.chosenSize() * UNITS_PER_INCH;
    if (withCount)
        page.count = dialog.chosenCount();
    return true;
}

void CReportCreator::OnAddPage()
{
    ChartDocument &document = m_editor->document();
    ChartPage *page = document.addPage();
    document.currentPage = page;
    pagesChanged(tr("Add Page"));
}

void CReportCreator::OnDelPage()
{
    ChartDocument &document = m_editor->document();
    ChartPage *page = m_pagesPane->pagesList()->currentPage();
    if (!page || document.pageLists.empty() || document.pageLists.front().size() < 2)
        return;
    if (!askDesignerQuestion(this, tr("Question"),
                             tr("Are You sure?\r\nDo You want to delete the page \"%1\"?").arg(page->name)))
        return;
    if (deletePage(document, page))
        pagesChanged(tr("Delete Page"));
}

void CReportCreator::OnPageProp()
{
    ChartPage *page = m_pagesPane->pagesList()->currentPage();
    if (!page || !editPageProperties(*page, true, tr("Pages Properties")))
        return;
    pagesChanged(tr("Page Properties"));
}

void CReportCreator::OnAddBlock()
{
    ChartDocument &document = m_editor->document();
    ChartPage proposal;
    proposal.name = tr("Block %1").arg(document.blocks.size() + 1);
    proposal.size = QSizeF(NEW_BLOCK_WIDTH, NEW_BLOCK_HEIGHT) * UNITS_PER_INCH;
    if (!editPageProperties(proposal, false, tr("Add Block")))
        return;
    document.currentPage = document.addBlock(proposal.size, proposal.name);
    pagesChanged(tr("Add Block"));
}

void CReportCreator::OnDelBlock()
{
    ChartDocument &document = m_editor->document();
    ChartPage *block = m_pagesPane->blocksList()->currentPage();
    if (!block)
        return;
    QString question = tr("Are You sure?\r\nDo You want to delete the block \"%1\"?").arg(block->name);
    if (const int views = blockViewCount(document, block))
        question +=
            (views == 1
                 ? tr("\r\nIt is shown once on the pages; that view is deleted with it.")
                 : tr("\r\nIt is shown %1 times on the pages; those views are deleted with it.").arg(views));
    if (!askDesignerQuestion(this, tr("Question"), question))
        return;
    if (deleteBlock(document, block))
        pagesChanged(tr("Delete Block"));
}

void CReportCreator::OnBlockProp()
{
    ChartPage *block = m_pagesPane->blocksList()->currentPage();
    if (!block || !editPageProperties(*block, false, tr("Block Properties")))
        return;
    pagesChanged(tr("Block Properties"));
}

void CReportCreator::OnListDrop(int from, int to)
{
    ChartDocument &document = m_editor->document();
    if (!document.pageLists.empty() && moveListEntry(document.pageLists.front(), from, to))
        listsReordered();
}

void CReportCreator::OnBlockDrop(int from, int to)
{
    if (moveListEntry(m_editor->document().blocks, from, to))
        listsReordered();
}

void CReportCreator::listsReordered()
{
    m_pagesPane->showDocument(m_editor->document());
    markModified(tr("Reorder"));
}

void CReportCreator::OnBlockItemDropped(const QPoint &position, const QByteArray &drag)
{
    const PageDrag dropped = PageDrag::fromBytes(drag);
    ChartDocument &document = m_editor->document();
    // Only a block, onto a page (never onto a block), inside the editor.
    if (!dropped.block || dropped.row < 0 || size_t(dropped.row) >= document.blocks.size())
        return;
    if (placeOf(document, document.currentPage) != PagePlace::Page ||
        !m_editor->viewport()->rect().contains(position))
        return;
    ChartPage &block = *document.blocks[size_t(dropped.row)];
    m_editor->createElementAt(makeBlockViewContent(block, m_editor->dataContext()), position);
}

// --- the window ---

CReportCreatorWin::CReportCreatorWin(QWidget *parent, DesignerMode mode)
    : QDialog(parent)
    , m_creator(new CReportCreator(mode, this))
{
    setWindowTitle(tr("Graphics Charts Creator"));
    setMinimumSize(MIN_WIDTH, MIN_HEIGHT);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_creator);
    resize(1000, 640);
    placeOnParent();
    connect(m_creator, &CReportCreator::templateSaved, this, &CReportCreatorWin::templateSaved);
    connect(m_creator, &CReportCreator::closeRequested, this, [this] {
        QDialog::reject();
        emit closed();
    });
    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, m_creator, &CReportCreator::OnOk);
    auto *close = new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_W), this);
    connect(close, &QShortcut::activated, m_creator, &CReportCreator::OnCancel);
}

static QString runDesigner(QWidget *parent, const ChartDataContext &data, const QString &file)
{
    CReportCreatorWin window(parent, DesignerMode::Card);
    CReportCreator *creator = window.creator();
    creator->setDataContext(data);
    if (file.isEmpty()) {
        creator->startNew();
        // The properties come first, over the open designer.
        QTimer::singleShot(0, creator, &CReportCreator::OnProperties);
    } else if (!creator->openFile(file)) {
        return QString();
    }
    QString saved;
    QObject::connect(&window, &CReportCreatorWin::templateSaved,
                     [&saved](const QString &path) { saved = path; });
    window.exec();
    return saved;
}

QString CReportCreatorWin::openTemplate(QWidget *parent, const QString &file, const ChartDataContext &data)
{
    return runDesigner(parent, data, file);
}

QString CReportCreatorWin::newTemplate(QWidget *parent, const ChartDataContext &data)
{
    return runDesigner(parent, data, QString());
}

void CReportCreatorWin::reject()
{
    m_creator->OnCancel();
}

void CReportCreatorWin::placeOnParent()
{
    QRect area;
    if (parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    const QPoint corner = area.center() - QPoint(width() / 2, height() / 2);
    move(std::max(0, corner.x()), std::max(0, corner.y()));
}
