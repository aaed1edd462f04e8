// Undo and redo of the designer's edits, the clipboard and the selection
// they act on. Each edit sequence is undone to the start, where the
// document must write the very bytes it wrote before, and redone to the
// end, where it must write the bytes of the edited document again.

#include "designertestutil.h"

#include "charts/chartediting.h"
#include "charts/chartelements.h"
#include "designer/charthistory.h"
#include "designer/creportpe.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <functional>

namespace {

// An editor on a page of three elements (a chart, a text, a barcode) and a
// block, with nothing to undo yet.
struct HistoryFixture
{
    HistoryFixture()
    {
        editor.resize(600, 500);
        ChartDocument &document = editor.document();
        ChartPage *page = document.currentPage;
        page->addItem(makeElement(makeFieldContent(QStringLiteral("Name")), QPointF(20, 30)));
        page->addItem(makeElement(makeFieldContent(QStringLiteral("Text")), QPointF(100, 300)));
        page->addItem(makeElement(makeFieldContent(QStringLiteral("Bar Codes")), QPointF(400, 500)));
        ChartPage *block = document.addBlock(QSizeF(200, 100), QStringLiteral("Footer"));
        block->addItem(makeElement(makeFieldContent(QStringLiteral("Full Name")), QPointF(5, 5)));
        editor.history()->reset();
    }

    QByteArray bytes() { return editor.document().toBytes(); }
    QUndoStack *stack() { return editor.history()->stack(); }

    CReportPE editor;
};

void key(CReportPE &editor, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(&editor, key, modifiers);
}

struct EditSequence
{
    const char *name;
    int steps; // undo steps the sequence leaves
    std::function<void(CReportPE &editor)> edit;
};

// clang-format off
const EditSequence SEQUENCES[] = {
    {"add an element", 1, [](CReportPE &e) {
         e.createElementAt(makeFieldContent(QStringLiteral("Bridges")), QPoint(50, 50)); }},
    {"delete two elements at once", 1, [](CReportPE &e) {
         RecordedQuestions yes(true);
         e.selectIndexes({0, 2});
         e.deleteSelItems(); }},
    {"three nudges make one step", 1, [](CReportPE &e) {
         e.selectIndexes({1});
         key(e, Qt::Key_Right); key(e, Qt::Key_Right); key(e, Qt::Key_Down); }},
    {"nudges of another selection are a step of their own", 2, [](CReportPE &e) {
         e.selectIndexes({1}); key(e, Qt::Key_Right);
         e.selectIndexes({0, 2}); key(e, Qt::Key_Left); }},
    {"bring to front and send to back", 2, [](CReportPE &e) {
         e.selectIndexes({0}); e.moveToFrontSelItems();
         e.selectIndexes({1}); e.moveToBackSelItems(); }},
    {"a property edit", 1, [](CReportPE &e) {
         e.document().currentPage->items.at(1)->content->colour = Qt::darkRed;
         e.recordEdit(QStringLiteral("Properties")); }},
    {"turn and resize", 2, [](CReportPE &e) {
         ChartItem &frame = *e.document().currentPage->items.at(0);
         rotateFrame(frame, 30); e.recordEdit(QStringLiteral("Rotate"));
         setFrameLocalRect(frame, QRectF(0, 0, 300, 80)); e.recordEdit(QStringLiteral("Resize")); }},
    {"copy and paste twice", 2, [](CReportPE &e) {
         e.selectIndexes({0, 1}); key(e, Qt::Key_C, Qt::ControlModifier);
         key(e, Qt::Key_V, Qt::ControlModifier); key(e, Qt::Key_V, Qt::ControlModifier); }},
    {"cut and duplicate", 2, [](CReportPE &e) {
         e.selectIndexes({2}); key(e, Qt::Key_X, Qt::ControlModifier);
         e.selectIndexes({0}); key(e, Qt::Key_D, Qt::ControlModifier); }},
    {"a new page and a block view on it", 2, [](CReportPE &e) {
         ChartDocument &d = e.document();
         d.currentPage = d.addPage(); e.documentReplaced(); e.recordEdit(QStringLiteral("Add Page"));
         e.createElementAt(makeBlockViewContent(*d.blocks.front(), ChartDataContext()), QPoint(10, 10)); }},
    {"align three, then distribute them", 2, [](CReportPE &e) {
         e.selectAll(); e.arrangeAction(QStringLiteral("Align Left"))->trigger();
         e.arrangeAction(QStringLiteral("Distribute Vertically"))->trigger(); }},
    {"one element to the page's centre and middle", 2, [](CReportPE &e) {
         e.selectIndexes({1}); e.arrangeAction(QStringLiteral("Align Center"))->trigger();
         e.arrangeAction(QStringLiteral("Align Middle"))->trigger(); }},
    {"an arrangement that moves nothing is no step", 1, [](CReportPE &e) {
         e.selectIndexes({0, 2}); e.arrangeAction(QStringLiteral("Align Top"))->trigger();
         e.arrangeAction(QStringLiteral("Align Top"))->trigger(); }},
    {"turn two, then reset their rotation", 3, [](CReportPE &e) {
         rotateFrame(*e.document().currentPage->items.at(0), 30); e.recordEdit(QStringLiteral("Rotate"));
         rotateFrame(*e.document().currentPage->items.at(2), -45); e.recordEdit(QStringLiteral("Rotate"));
         e.selectIndexes({0, 2}); e.arrangeAction(QStringLiteral("Reset Rotation"))->trigger(); }},
    {"fit a text and a barcode to their content", 1, [](CReportPE &e) {
         e.selectIndexes({1, 2}); e.arrangeAction(QStringLiteral("Fit to Content"))->trigger(); }},
    {"select all and delete", 1, [](CReportPE &e) {
         RecordedQuestions yes(true);
         key(e, Qt::Key_A, Qt::ControlModifier); key(e, Qt::Key_Delete); }},
};
// clang-format on

} // namespace

class TestChartHistory : public QObject
{
    Q_OBJECT
private slots:
    void undoToStartRedoToEnd_data();
    void undoToStartRedoToEnd();
    void undoGivesBackTheSelection();
    void savedStateIsNotModified();
    void clipboardIntoAnotherDocument();
    void clipboardKeepsBlockViewsOnlyWithTheirBlock();
    void foreignClipboardIsIgnored();
    void keyboardCopyPasteDeleteAndUndo();
    void rubberBandAndToggles();
    void movingASelectionIsOneStep();
    void ctrlWheelZoomsAboutThePointer();
};

void TestChartHistory::undoToStartRedoToEnd_data()
{
    QTest::addColumn<int>("sequence");
    for (int i = 0; i < int(std::size(SEQUENCES)); ++i)
        QTest::newRow(SEQUENCES[i].name) << i;
}

void TestChartHistory::undoToStartRedoToEnd()
{
    QFETCH(int, sequence);
    HistoryFixture f;
    f.editor.show();
    const QByteArray start = f.bytes();
    SEQUENCES[sequence].edit(f.editor);
    const QByteArray edited = f.bytes();
    QVERIFY(edited != start);
    QCOMPARE(f.stack()->count(), SEQUENCES[sequence].steps);
    QVERIFY(f.editor.history()->isModified());

    while (f.stack()->canUndo())
        f.stack()->undo();
    QCOMPARE(f.bytes(), start);
    QVERIFY(!f.editor.history()->isModified());
    while (f.stack()->canRedo())
        f.stack()->redo();
    QCOMPARE(f.bytes(), edited);
    QVERIFY(f.editor.history()->isModified());
}

// Undoing a deletion of several elements brings them all back, selected.
void TestChartHistory::undoGivesBackTheSelection()
{
    HistoryFixture f;
    RecordedQuestions yes(true);
    f.editor.selectIndexes({0, 2});
    QVERIFY(f.editor.deleteSelItems());
    QCOMPARE(yes.asked.size(), 1);
    QCOMPARE(f.editor.document().currentPage->items.size(), size_t(1));
    QSignalSpy restored(&f.editor, &CReportPE::documentRestored);
    f.editor.OnUndo();
    QCOMPARE(restored.size(), 1);
    QCOMPARE(f.editor.document().currentPage->items.size(), size_t(3));
    QCOMPARE(f.editor.selectedIndexes(), (std::vector<int>{0, 2}));
    // Redo: they are gone again, nothing selected.
    f.editor.OnRedo();
    QCOMPARE(f.editor.document().currentPage->items.size(), size_t(1));
    QVERIFY(f.editor.selectedItems().empty());
}

// The stack's clean state is the saved one: undoing back to it leaves
// nothing modified, undoing past it modifies again.
void TestChartHistory::savedStateIsNotModified()
{
    HistoryFixture f;
    QSignalSpy modified(f.editor.history(), &ChartHistory::modifiedChanged);
    f.editor.selectIndexes({1});
    f.editor.moveToFrontSelItems();
    f.editor.history()->markSaved();
    QVERIFY(!f.editor.history()->isModified());
    f.editor.moveToBackSelItems();
    QVERIFY(f.editor.history()->isModified());
    f.editor.OnUndo();
    QVERIFY(!f.editor.history()->isModified());
    f.editor.OnUndo();
    QVERIFY(f.editor.history()->isModified());
    QCOMPARE(modified.size(), 5);
    // Opening again forgets every step.
    f.editor.history()->reset();
    QVERIFY(!f.editor.history()->isModified());
    QVERIFY(!f.editor.history()->stack()->canUndo());
}

// Pasted into another document the elements are the same records, moved
// by one offset so they do not hide the originals.
void TestChartHistory::clipboardIntoAnotherDocument()
{
    HistoryFixture source;
    source.editor.selectIndexes({0, 1});
    source.editor.copySelection();
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasFormat(QLatin1String(CReportPE::ELEMENTS_MIME)));

    CReportPE target;
    target.paste();
    const ChartPage &page = *target.document().currentPage;
    QCOMPARE(page.items.size(), size_t(2));
    QCOMPARE(target.selectedIndexes(), (std::vector<int>{0, 1}));
    QCOMPARE(target.history()->stack()->count(), 1);
    const auto &originals = source.editor.document().currentPage->items;
    for (size_t i = 0; i < 2; ++i) {
        const ChartItem &pasted = *page.items[i];
        const ChartItem &original = *originals[i];
        QCOMPARE(pasted.content->code, original.content->code);
        QCOMPARE(pasted.content->text, original.content->text);
        QCOMPARE(pasted.content->size, original.content->size);
        QCOMPARE(frameBounds(pasted).topLeft(), frameBounds(original).topLeft() + QPointF(10, 10));
    }
    // A second paste of the same records goes one offset further.
    target.paste();
    QCOMPARE(frameBounds(*target.document().currentPage->items[2]).topLeft(),
             frameBounds(*originals[0]).topLeft() + QPointF(20, 20));
}

// A block view goes along only into a document with a block of its name.
void TestChartHistory::clipboardKeepsBlockViewsOnlyWithTheirBlock()
{
    HistoryFixture f;
    ChartDocument &document = f.editor.document();
    ChartPage &block = *document.blocks.front();
    document.currentPage->addItem(makeElement(makeBlockViewContent(block, ChartDataContext()), QPointF(300, 300)));
    const QByteArray records =
        elementsToBytes({document.currentPage->items.back().get(), document.currentPage->items.front().get()});
    std::vector<std::unique_ptr<ChartItem>> here = elementsFromBytes(records, document.blocks);
    QCOMPARE(here.size(), size_t(2));
    QCOMPARE(here[0]->content->block, &block);
    ChartDocument other;
    QCOMPARE(elementsFromBytes(records, other.blocks).size(), size_t(1));
    QVERIFY(elementsFromBytes(QByteArray("not records"), document.blocks).empty());
}

void TestChartHistory::foreignClipboardIsIgnored()
{
    HistoryFixture f;
    QApplication::clipboard()->setText(QStringLiteral("plain text"));
    f.editor.paste();
    QCOMPARE(f.editor.document().currentPage->items.size(), size_t(3));
    QVERIFY(!f.editor.history()->stack()->canUndo());
}

// Ctrl+A, Ctrl+C, Ctrl+V doubles the page; Ctrl+A, Delete empties it;
// Ctrl+Z puts it back; Ctrl+Shift+Z and Ctrl+Y redo.
void TestChartHistory::keyboardCopyPasteDeleteAndUndo()
{
    HistoryFixture f;
    f.editor.show();
    const QByteArray start = f.bytes();
    key(f.editor, Qt::Key_A, Qt::ControlModifier);
    key(f.editor, Qt::Key_C, Qt::ControlModifier);
    key(f.editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.editor.document().currentPage->items.size(), size_t(6));
    RecordedQuestions yes(true);
    key(f.editor, Qt::Key_A, Qt::ControlModifier);
    key(f.editor, Qt::Key_Delete);
    QCOMPARE(yes.asked.size(), 1);
    QVERIFY(f.editor.document().currentPage->items.empty());
    key(f.editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.editor.document().currentPage->items.size(), size_t(6));
    key(f.editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.bytes(), start);
    key(f.editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.editor.document().currentPage->items.size(), size_t(6));
    key(f.editor, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(f.editor.document().currentPage->items.empty());
}

// Shift-click and Ctrl-click toggle; a band over empty page selects what
// it touches.
void TestChartHistory::rubberBandAndToggles()
{
    HistoryFixture f;
    f.editor.show();
    QWidget *viewport = f.editor.viewport();
    const auto at = [&](const QPointF &page) { return f.editor.toViewport(page); };
    sendMouse(viewport, QEvent::MouseButtonPress, at(QPointF(30, 40)), Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, at(QPointF(30, 40)), Qt::NoButton);
    QCOMPARE(f.editor.selectedIndexes(), std::vector<int>{0});
    sendMouse(viewport, QEvent::MouseButtonPress, at(QPointF(110, 310)), Qt::LeftButton, Qt::ShiftModifier);
    sendMouse(viewport, QEvent::MouseButtonRelease, at(QPointF(110, 310)), Qt::NoButton, Qt::ShiftModifier);
    QCOMPARE(f.editor.selectedIndexes(), (std::vector<int>{0, 1}));
    sendMouse(viewport, QEvent::MouseButtonPress, at(QPointF(30, 40)), Qt::LeftButton, Qt::ControlModifier);
    sendMouse(viewport, QEvent::MouseButtonRelease, at(QPointF(30, 40)), Qt::NoButton, Qt::ControlModifier);
    QCOMPARE(f.editor.selectedIndexes(), std::vector<int>{1});
    // A band from empty page over the text and the barcode.
    dragMouse(viewport, at(QPointF(90, 280)), at(QPointF(420, 510)));
    QCOMPARE(f.editor.selectedIndexes(), (std::vector<int>{1, 2}));
    // Nothing moved, nothing recorded.
    QVERIFY(!f.editor.history()->stack()->canUndo());
}

// Dragging one of several selected elements moves them all: one step.
void TestChartHistory::movingASelectionIsOneStep()
{
    HistoryFixture f;
    f.editor.document().snapToGrid = false;
    f.editor.show();
    const auto &items = f.editor.document().currentPage->items;
    const QPointF before1 = frameBounds(*items[1]).topLeft();
    const QPointF before2 = frameBounds(*items[2]).topLeft();
    f.editor.selectIndexes({1, 2});
    const QPoint from = f.editor.toViewport(QPointF(110, 310));
    dragMouse(f.editor.viewport(), from, from + QPoint(30, 15)); // 40 x 20 units at 0.75
    for (const QPointF moved : {frameBounds(*items[1]).topLeft() - before1, frameBounds(*items[2]).topLeft() - before2})
        QVERIFY2(std::abs(moved.x() - 40) < 1.5 && std::abs(moved.y() - 20) < 1.5,
                 qPrintable(QStringLiteral("%1, %2").arg(moved.x()).arg(moved.y())));
    QCOMPARE(f.editor.selectedIndexes(), (std::vector<int>{1, 2}));
    QCOMPARE(f.editor.history()->stack()->count(), 1);
    f.editor.OnUndo();
    const auto &restored = f.editor.document().currentPage->items;
    QCOMPARE(frameBounds(*restored[1]).topLeft(), before1);
    QCOMPARE(frameBounds(*restored[2]).topLeft(), before2);
    // A click on one of the group that moves nothing picks it alone, and
    // is no step.
    f.editor.selectIndexes({1, 2});
    const QPoint click = f.editor.toViewport(QPointF(110, 310));
    sendMouse(f.editor.viewport(), QEvent::MouseButtonPress, click, Qt::LeftButton);
    QCOMPARE(f.editor.selectedIndexes(), (std::vector<int>{1, 2}));
    sendMouse(f.editor.viewport(), QEvent::MouseButtonRelease, click, Qt::NoButton);
    QCOMPARE(f.editor.selectedIndexes(), std::vector<int>{1});
    QCOMPARE(f.editor.history()->stack()->index(), 0);
}

// The page point under the pointer stays under it while Ctrl+wheel zooms.
void TestChartHistory::ctrlWheelZoomsAboutThePointer()
{
    HistoryFixture f;
    f.editor.show();
    const QPoint pointer(300, 250);
    const QPointF under = f.editor.toPage(pointer);
    QWheelEvent wheel(QPointF(pointer), QPointF(f.editor.viewport()->mapToGlobal(pointer)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.editor.viewport(), &wheel);
    QVERIFY(qFuzzyCompare(f.editor.zoom(), 0.75 * CReportPE::ZOOM_STEP));
    const QPointF after = f.editor.toPage(pointer);
    QVERIFY2(std::abs(after.x() - under.x()) < 2 && std::abs(after.y() - under.y()) < 2,
             qPrintable(QStringLiteral("%1, %2").arg(after.x()).arg(after.y())));
}

QTEST_MAIN(TestChartHistory)
#include "test_charthistory.moc"
