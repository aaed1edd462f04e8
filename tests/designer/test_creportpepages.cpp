// The full designer's pages-and-blocks pane: pages added, chosen, edited,
// reordered and deleted; blocks made, dropped on pages as block views and
// deleted with their views; the designer on its own opens with the pane.

#include "designertestutil.h"

#include "charts/chartelements.h"
#include "charts/chartpages.h"
#include "designer/ciconlist.h"
#include "designer/cpapersizedlg.h"
#include "designer/creportcreator.h"
#include "designer/creportpe.h"
#include "designer/creportpepages.h"
#include "designer/designeralone.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

struct FullDesigner
{
    FullDesigner()
        : creator(DesignerMode::Pages)
    {
        creator.resize(1000, 640);
        creator.show();
        creator.setSaveFolder(folder.path());
        creator.startNew();
    }
    ChartDocument &document() { return creator.editor()->document(); }
    CReportPEPages &pane() { return *creator.pagesPane(); }
    ChartPageList &pages() { return document().pageLists.front(); }

    QTemporaryDir folder;
    CReportCreator creator;
};

// Edits the next size dialog that opens, then presses its OK.
void answerSizeDialog(const std::function<void(CPaperSizeDlg &)> &edit)
{
    QTimer::singleShot(0, [edit] {
        auto *dialog = qobject_cast<CPaperSizeDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        edit(*dialog);
        dialog->OnOk();
    });
}

// Adds a block named name of width x height inches through its dialog.
ChartPage *addBlock(FullDesigner &designer, const QString &name, double width, double height)
{
    answerSizeDialog([&](CPaperSizeDlg &dialog) {
        dialog.titleLine()->setText(name);
        dialog.widthLine()->setText(QString::number(width));
        dialog.heightLine()->setText(QString::number(height));
    });
    designer.pane().addBlockButton()->click();
    return designer.document().blocks.empty() ? nullptr : designer.document().blocks.back().get();
}

// Drops entry row of a thumbnail list on the editor's viewport at pixel.
void dropThumbnail(FullDesigner &designer, CIconList *list, int row, const QPoint &pixel)
{
    std::unique_ptr<QMimeData> data(list->model()->mimeData({list->model()->index(row, 0)}));
    QVERIFY(data);
    QWidget *target = designer.creator.editor()->viewport();
    QDragEnterEvent enter(pixel, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(pixel), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Clicks entry row of a thumbnail list, as the user chooses a page.
void clickEntry(CIconList *list, int row)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QVERIFY(!rect.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

QStringList captions(const CIconList *list)
{
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        out << list->item(row)->text();
    return out;
}

} // namespace

class TestCReportPEPages : public QObject
{
    Q_OBJECT
private slots:
    void paneShowsOnlyInTheFullDesigner();
    void pagesAreAddedChosenAndDeleted();
    void pagePropertiesSetNameSizeAndCount();
    void reorderedPagesFollowInTheList();
    void droppedThumbnail_data();
    void droppedThumbnail();
    void blockEditsReachItsViews();
    void deletingABlockAsksAndTakesItsViews();
    void designerAloneIsTheFullDesigner();
};

void TestCReportPEPages::paneShowsOnlyInTheFullDesigner()
{
    CReportCreatorWin full(nullptr, DesignerMode::Pages);
    full.show();
    CReportPEPages *pane = full.creator()->pagesPane();
    QVERIFY(pane->isVisible());
    QCOMPARE(pane->width(), 100);
    const QStringList captions{pane->addPageButton()->text(),        pane->deletePageButton()->text(),
                               pane->pagePropertiesButton()->text(), pane->addBlockButton()->text(),
                               pane->deleteBlockButton()->text(),    pane->blockPropertiesButton()->text()};
    QCOMPARE(captions, QStringList({"Add Pages", "Delete Pages", "Pages Properties", "Add Block",
                                    "Delete Block", "Block Properties"}));
    CReportCreatorWin card(nullptr, DesignerMode::Card);
    card.show();
    QVERIFY(!card.creator()->pagesPane()->isVisible());
}

void TestCReportPEPages::pagesAreAddedChosenAndDeleted()
{
    FullDesigner designer;
    CIconList *list = designer.pane().pagesList();
    QCOMPARE(captions(list), QStringList{QString::fromUtf8("Untitled\n\u221E")});
    QVERIFY(!designer.pane().deletePageButton()->isEnabled()); // never the last page

    designer.pane().addPageButton()->click();
    designer.pane().addPageButton()->click();
    QCOMPARE(int(designer.pages().size()), 3);
    QCOMPARE(list->count(), 3);
    // A new page is the one being edited, the same size as the first.
    QCOMPARE(designer.document().currentPage, designer.pages()[2].get());
    QCOMPARE(designer.document().currentPage->name, QStringLiteral("Pages 3"));
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(designer.creator.isModified());

    list->setCurrentRow(0);
    QCOMPARE(designer.document().currentPage, designer.pages()[0].get());
    QVERIFY(designer.pane().deletePageButton()->isEnabled());

    {
        RecordedQuestions questions(false);
        designer.pane().deletePageButton()->click();
        QCOMPARE(questions.asked.size(), 1);
        QVERIFY2(questions.asked.first().contains("Untitled"), qPrintable(questions.asked.first()));
        QCOMPARE(int(designer.pages().size()), 3);
    }
    RecordedQuestions questions(true);
    designer.pane().deletePageButton()->click();
    QCOMPARE(int(designer.pages().size()), 2);
    QCOMPARE(list->count(), 2);
    QCOMPARE(designer.document().currentPage->name, QStringLiteral("Pages 2"));
    QCOMPARE(list->currentRow(), 0);
}

void TestCReportPEPages::pagePropertiesSetNameSizeAndCount()
{
    FullDesigner designer;
    CIconList *list = designer.pane().pagesList();
    list->setCurrentRow(0);
    int shownCount = -1;
    answerSizeDialog([&](CPaperSizeDlg &dialog) {
        QVERIFY(dialog.countBox()->isVisibleTo(&dialog));
        shownCount = dialog.countBox()->value();
        QCOMPARE(dialog.countBox()->text(), QString::fromUtf8("\u221E"));
        dialog.titleLine()->setText(QStringLiteral("Cover"));
        dialog.paperCombo()->setCurrentText(QStringLiteral("A5 (148.5mm x 210mm)"));
        dialog.countBox()->setValue(3);
    });
    designer.pane().pagePropertiesButton()->click();
    QCOMPARE(shownCount, 0);
    const ChartPage &page = *designer.pages()[0];
    QCOMPARE(page.name, QStringLiteral("Cover"));
    QCOMPARE(page.count, 3);
    // 148.5 x 210 mm in units of a quarter millimetre.
    QVERIFY(qAbs(page.size.width() - 594) < 0.01 && qAbs(page.size.height() - 840) < 0.01);
    QCOMPARE(captions(list), QStringList{"Cover\n3"});
    QVERIFY(designer.creator.isModified());
}

void TestCReportPEPages::reorderedPagesFollowInTheList()
{
    FullDesigner designer;
    designer.pane().addPageButton()->click();
    designer.pane().addPageButton()->click();
    designer.creator.OnListDrop(0, 3);
    QStringList order;
    for (const auto &page : designer.pages())
        order << page->name;
    QCOMPARE(order, QStringList({"Pages 2", "Pages 3", "Untitled"}));
    QCOMPARE(captions(designer.pane().pagesList()),
             QStringList({QString::fromUtf8("Pages 2\n\u221E"), QString::fromUtf8("Pages 3\n\u221E"),
                          QString::fromUtf8("Untitled\n\u221E")}));
}

void TestCReportPEPages::droppedThumbnail_data()
{
    QTest::addColumn<bool>("fromBlocks");
    QTest::addColumn<bool>("ontoBlock");
    QTest::addColumn<bool>("created");

    QTest::newRow("block onto a page") << true << false << true;
    QTest::newRow("page onto a page") << false << false << false;
    QTest::newRow("block onto a block") << true << true << false;
}

void TestCReportPEPages::droppedThumbnail()
{
    QFETCH(bool, fromBlocks);
    QFETCH(bool, ontoBlock);
    QFETCH(bool, created);

    FullDesigner designer;
    ChartPage *block = addBlock(designer, QStringLiteral("Logo"), 2, 1);
    QVERIFY(block);
    QCOMPARE(designer.document().currentPage, block); // a new block is edited at once
    QVERIFY(qAbs(block->size.width() - 203.2) < 0.01);
    ChartPage *target = ontoBlock ? block : designer.pages()[0].get();
    if (!ontoBlock)
        clickEntry(designer.pane().pagesList(), 0);
    QCOMPARE(designer.document().currentPage, target);

    CIconList *source = fromBlocks ? designer.pane().blocksList() : designer.pane().pagesList();
    dropThumbnail(designer, source, 0, QPoint(60, 60));
    QCOMPARE(int(target->items.size()), created ? 1 : 0);
    if (!created)
        return;
    const ChartItem &view = *target->items.front()->content;
    QCOMPARE(view.type, int(ITEM_BLOCK_VIEW));
    QCOMPARE(view.block, block);
    QCOMPARE(view.size, block->size);
    QCOMPARE(view.image, block->thumbnail);
}

void TestCReportPEPages::blockEditsReachItsViews()
{
    FullDesigner designer;
    ChartPage *block = addBlock(designer, QStringLiteral("Badge"), 2, 1);
    designer.pane().pagesList()->setCurrentRow(0);
    dropThumbnail(designer, designer.pane().blocksList(), 0, QPoint(60, 60));
    const ChartItem &view = *designer.pages()[0]->items.front()->content;
    const QImage before = view.image;

    // Edit the block: a text placed on it shows in the view on the page
    // once the thumbnail catches up with the edit.
    designer.pane().blocksList()->setCurrentRow(0);
    QCOMPARE(designer.document().currentPage, block);
    designer.creator.addField(2000, QStringLiteral("Text"), QPoint(20, 20));
    QTRY_VERIFY(view.image != before);
    QCOMPARE(view.image, block->thumbnail);
}

void TestCReportPEPages::deletingABlockAsksAndTakesItsViews()
{
    FullDesigner designer;
    addBlock(designer, QStringLiteral("Seal"), 1, 1);
    designer.pane().pagesList()->setCurrentRow(0);
    dropThumbnail(designer, designer.pane().blocksList(), 0, QPoint(60, 60));
    dropThumbnail(designer, designer.pane().blocksList(), 0, QPoint(200, 200));
    QCOMPARE(int(designer.pages()[0]->items.size()), 2);

    designer.pane().blocksList()->setCurrentRow(0);
    RecordedQuestions questions(true);
    designer.pane().deleteBlockButton()->click();
    QCOMPARE(questions.asked.size(), 1);
    QVERIFY2(questions.asked.first().contains("Seal") && questions.asked.first().contains("2 times"),
             qPrintable(questions.asked.first()));
    QVERIFY(designer.document().blocks.empty());
    QVERIFY(designer.pages()[0]->items.empty());
    QCOMPARE(designer.pane().blocksList()->count(), 0);
    QCOMPARE(designer.document().currentPage, designer.pages()[0].get());
}

void TestCReportPEPages::designerAloneIsTheFullDesigner()
{
    // A document of two pages and a block shown on the second page.
    ChartDocument original;
    original.newDocument();
    original.title = QStringLiteral("Booklet");
    ChartPage *second = original.addPage();
    second->count = 2;
    ChartPage *block = original.addBlock(QSizeF(200, 100), QStringLiteral("Footer"));
    block->addItem(makeElement(makeFieldContent(QStringLiteral("Full Name")), QPointF(5, 5)));
    second->addItem(makeElement(makeBlockViewContent(*block, ChartDataContext()), QPointF(40, 900)));
    const QByteArray bytes = original.toBytes();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("booklet.snc"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }
    std::unique_ptr<CReportCreatorWin> window = makeDesignerAlone(path);
    QVERIFY(window);
    QCOMPARE(window->creator()->mode(), DesignerMode::Pages);
    window->show();
    CReportPEPages *pane = window->creator()->pagesPane();
    QVERIFY(pane->isVisible());
    QCOMPARE(captions(pane->pagesList()), QStringList({QString::fromUtf8("Untitled\n\u221E"), "Pages 2\n2"}));
    QCOMPARE(captions(pane->blocksList()), QStringList{"Footer"});

    // Saved without a change, the file reads back as the same document.
    QVERIFY(window->creator()->OnOk());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ChartDocument reread;
    QDataStream stream(&file);
    QCOMPARE(reread.read(stream), 0);
    QCOMPARE(reread.toBytes(), bytes);
}

QTEST_MAIN(TestCReportPEPages)
#include "test_creportpepages.moc"
