#pragma once

// The chart designer: CReportCreator (toolbar, page editor, fields list and
// property table) inside the modal window CReportCreatorWin, "Graphics
// Charts Creator".
//
// The main window opens it on a template file or on a new chart, modally,
// and rebuilds its template list afterwards:
//
//     CReportCreatorWin::openTemplate(this, path, data);
//     CReportCreatorWin::newTemplate(this, data);   // the properties dialog first
//
// or, to follow each save as it happens:
//
//     CReportCreatorWin designer(this);
//     designer.creator()->setDataContext(data);
//     designer.creator()->openFile(path);           // or startNew()
//     connect(&designer, &CReportCreatorWin::templateSaved, ...);
//     designer.exec();                              // closed() follows
//
// Saving goes into the user's template folder under the document's title
// (charttemplates.h), or, for a file given with setSaveFile(), back into
// that very file.

#include "charts/chartdatacontext.h"

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QWidget>

#include <functional>

class CPropertiesWidget;
class CReportPE;
class CReportPEPages;
class QPushButton;
class QSplitter;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
struct ChartItem;
struct ChartPage;

// What the designer edits: one card-sized page, as the main window opens
// it, or pages and blocks (the pages-and-blocks pane), as "sorvel
// --designer" opens it.
enum class DesignerMode { Pages, Card };

class CReportCreator : public QWidget
{
    Q_OBJECT
public:
    explicit CReportCreator(DesignerMode mode, QWidget *parent = nullptr);

    CReportPE *editor() const { return m_editor; }
    QTreeWidget *fieldsList() const { return m_fields; }
    CPropertiesWidget *propertiesTable() const { return m_properties; }
    // The pages-and-blocks pane (hidden for a card).
    CReportPEPages *pagesPane() const { return m_pagesPane; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *closeButton() const { return m_close; }
    // The toolbar button with this tooltip ("Zoom In", "Delete", ...), or null.
    QToolButton *toolButton(const QString &toolTip) const;
    DesignerMode mode() const { return m_mode; }

    void setDataContext(const ChartDataContext &data);
    // Reads a template; false (with a message) when it cannot be read.
    bool openFile(const QString &path);
    // A new document of one page.
    void startNew();
    // Saves go to this file instead of the template folder.
    void setSaveFile(const QString &path) { m_saveFile = path; }
    // The folder template saves go to (the user's template folder by default).
    void setSaveFolder(const QString &folder) { m_saveFolder = folder; }
    // The file the last save wrote, or the file the document came from.
    QString fileName() const;

    // Modified: the document differs from its last save (or from how it
    // was opened); undoing back to that state makes it unmodified again.
    bool isModified() const;
    // False: the document as it is counts as saved; true: records a step.
    void setModified(bool modified);

    // Picks the image file for "Image" (a file dialog unless replaced).
    void setImageChooser(const std::function<QString(QWidget *)> &chooser) { m_imageChooser = chooser; }

    // "Replace Picture...": shown while a single picture element is selected.
    QPushButton *replacePictureButton() const { return m_replacePicture; }

    // The fields-list entry with this text, or null.
    QTreeWidgetItem *fieldEntry(const QString &text) const;
    // The frame an entry number creates at a viewport point, or null (what
    // OnAddField does for the selected entry).
    ChartItem *addField(int number, const QString &entry, const QPoint &position);

signals:
    void templateSaved(const QString &file);
    // Close was pressed and the user did not stop it.
    void closeRequested();

public slots:
    bool OnOk();
    // The selected picture element shows another picture (chosen as "Image"
    // chooses one), at its width in the new picture's proportions; one undo
    // step. False when nothing was replaced.
    bool replacePicture();
    void OnCancel();
    void OnProperties();
    void slotOnBackground();
    void OnDelete();
    void OnAddField(const QPoint &position);
    void OnPageSelectionChanged();
    void OnPropertyChanged();
    void OnUpdateWidgetGeometry();

    // The pages-and-blocks pane (pages mode).
    void OnAddPage();
    void OnDelPage();
    void OnPageProp();
    void OnAddBlock();
    void OnDelBlock();
    void OnBlockProp();
    void OnPageSelected(ChartPage *page);
    // An entry of the pages list, or of the blocks list, was dragged to
    // the place before row to.
    void OnListDrop(int from, int to);
    void OnBlockDrop(int from, int to);
    // A thumbnail was dropped on the editor: a block becomes a block view.
    void OnBlockItemDropped(const QPoint &position, const QByteArray &drag);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildEditorPane();
    QWidget *buildFieldsPane();
    void fillFieldsList();
    ChartItem *addImage(const QPoint &position);
    // A picture file the user picks, loaded and scaled to at most
    // LONGEST_IMAGE_SIDE; null when none was picked or it does not load.
    QImage chooseImage();
    // What an element shows: a person's value, or its own text.
    QString shownText(const ChartItem &frame) const;
    // The single selected element when it is a picture, or null.
    ChartItem *selectedPicture() const;
    // Records the change just made as one undo step.
    void markModified(const QString &step);
    void connectPagesPane();
    // After a document was read, started or resized: thumbnails, the
    // editor and the pane all show it afresh.
    void showDocument();
    // Thumbnails of every block (and its views) and page, drawn with the data.
    void refreshThumbnails();
    // An undo or redo replaced the document: thumbnails and the pane follow.
    void documentRestored();
    // A page or block was added, deleted or resized: shown again, and kept.
    void pagesChanged(const QString &step);
    // An entry was moved in a list: the pane shows the new order.
    void listsReordered();
    // After an edit: the current page's thumbnail (and, for a block, its
    // views on the pages) follows a moment later, once per burst of edits.
    void documentEdited();
    void refreshCurrentThumbnail();
    // Shows page in the editor and marks it in the pane.
    void showPage(ChartPage *page);
    // The size dialog for a page or block: name, size in inches and, for a
    // page, its count. False when cancelled.
    bool editPageProperties(ChartPage &page, bool withCount, const QString &caption);

    DesignerMode m_mode;
    QString m_imagesFolder;
    QString m_saveFile;
    QString m_saveFolder;
    // The background the background dialog chose; mode -1: none chosen.
    QColor m_pendingColour{Qt::white};
    QImage m_pendingImage;
    int m_pendingMode = -1;

    QSplitter *m_splitter = nullptr;
    CReportPEPages *m_pagesPane = nullptr;
    QTimer *m_thumbnailTimer = nullptr;
    CReportPE *m_editor = nullptr;
    QTreeWidget *m_fields = nullptr;
    CPropertiesWidget *m_properties = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_replacePicture = nullptr;
    QList<QToolButton *> m_tools;
    std::function<QString(QWidget *)> m_imageChooser;
};

class CReportCreatorWin : public QDialog
{
    Q_OBJECT
public:
    explicit CReportCreatorWin(QWidget *parent = nullptr, DesignerMode mode = DesignerMode::Card);

    CReportCreator *creator() const { return m_creator; }

    // Runs the designer modally on a template file; returns the file the
    // last save wrote (empty when nothing was saved).
    static QString openTemplate(QWidget *parent, const QString &file, const ChartDataContext &data);
    // Runs it on a new chart, opening the chart properties dialog at once.
    static QString newTemplate(QWidget *parent, const ChartDataContext &data);

    // Ask before closing with unsaved changes, as the Close button does.
    void reject() override;

signals:
    void templateSaved(const QString &file);
    void closed();

private:
    void placeOnParent();

    CReportCreator *m_creator;
};
