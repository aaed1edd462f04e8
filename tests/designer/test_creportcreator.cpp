// The designer window: fields dropped on the page, the property table,
// Save and Close, and the designer on its own ("--designer FILE").

#include "designertestutil.h"

#include "charts/chartediting.h"
#include "charts/chartelements.h"
#include "charts/chartrenderer.h"
#include "designer/charthistory.h"
#include "designer/cpropertieswidget.h"
#include "designer/creportcreator.h"
#include "designer/ctextdlg.h"
#include "designer/creportpe.h"
#include "designer/designeralone.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

namespace {

// Drops the fields-list entry on the editor's viewport at pixel, as a drag
// from the list would: the list's own drag data, enter, then drop.
void dropEntry(CReportCreator &creator, const QString &entry, const QPoint &pixel)
{
    QTreeWidget *list = creator.fieldsList();
    QTreeWidgetItem *item = creator.fieldEntry(entry);
    QVERIFY2(item, qPrintable(entry));
    list->setCurrentItem(item);
    std::unique_ptr<QMimeData> data(list->model()->mimeData({list->currentIndex()}));
    QWidget *target = creator.editor()->viewport();
    QDragEnterEvent enter(pixel, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(pixel), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

struct CreatorFixture
{
    CreatorFixture()
        : creator(DesignerMode::Card)
    {
        creator.resize(1000, 640);
        creator.show();
        creator.setSaveFolder(folder.path());
    }
    ChartPage &page() { return *creator.editor()->document().currentPage; }
    ChartItem *lastItem() { return page().items.empty() ? nullptr : page().items.back().get(); }

    QTemporaryDir folder;
    CReportCreator creator;
};

QImage solidImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

} // namespace

class TestCReportCreator : public QObject
{
    Q_OBJECT
private slots:
    void windowFrame();
    void fieldsList_data();
    void fieldsList();
    void droppedEntryCreatesItsElement_data();
    void droppedEntryCreatesItsElement();
    void dropAtTheEdgeEndsInside_data();
    void dropAtTheEdgeEndsInside();
    void foreignDropIsRefused();
    void image_data();
    void image();
    void replacePicture();
    void arrangeMenuActsOnTheSelection();
    void fontDialogPreviewsTheElement();
    void largerFontGrowsTheTextBox();
    void barcodeKindBringsItsSize();
    void propertyTableFollowsSelection();
    void returnInThePropertyTableDoesNotSave();
    void saveNamesTheNextFreeFile();
    void closeAsksOnlyWhenModified_data();
    void closeAsksOnlyWhenModified();
    void openTemplateRunsModallyAndReportsTheSave();
    void designerAloneSavesTheSameDocument();
    void designerAloneRefusesAnUnreadableFile();
    void designerAloneDrawsWithASamplePerson();
};

void TestCReportCreator::windowFrame()
{
    CReportCreatorWin window(nullptr, DesignerMode::Card);
    QCOMPARE(window.windowTitle(), QStringLiteral("Graphics Charts Creator"));
    QCOMPARE(window.minimumSize(), QSize(800, 500));
    QCOMPARE(window.size(), QSize(1000, 640));
    QVERIFY(window.x() >= 0 && window.y() >= 0);
    for (const char *tip : {"100%", "Zoom In", "Zoom Out", "Graphics Charts Properties", "Delete",
                            "Show Grid", "Snap to Grid", "Boundaries", "Bring to Front", "Send to Back"}) {
        QToolButton *button = window.creator()->toolButton(QLatin1String(tip));
        QVERIFY2(button, tip);
        QCOMPARE(button->size(), QSize(35, 26));
    }
    // The toolbar's zoom buttons reach the editor.
    window.creator()->toolButton(QStringLiteral("Zoom In"))->click();
    QVERIFY(qFuzzyCompare(window.creator()->editor()->zoom(), 0.825));
    window.creator()->toolButton(QStringLiteral("100%"))->click();
    QCOMPARE(window.creator()->editor()->zoom(), 0.75);
}

void TestCReportCreator::fieldsList_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("calculated") << "Calculated data"
                                << QStringList{"Name",          "Planes of Expression",
                                               "Psychomatrix",  "Personal numbers calendar",
                                               "Main Features", "Additional Features",
                                               "Life Cycles",   "Bridges"}
                                << QList<int>{1, 1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("variables") << "Variables"
                               << QStringList{"Full Name", "Short Name", "Birthdate", "Print date",
                                              "Numerologist"}
                               << QList<int>{1000, 1001, 1002, 1003, 1004};
    QTest::newRow("objects") << "Objects" << QStringList{"Text", "Image", "Bar Codes"}
                             << QList<int>{2000, 2001, 2002};
}

void TestCReportCreator::fieldsList()
{
    QFETCH(QString, group);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, numbers);
    CReportCreator creator(DesignerMode::Card);
    const QList<QTreeWidgetItem *> tops = creator.fieldsList()->findItems(group, Qt::MatchExactly);
    QCOMPARE(tops.size(), 1);
    QTreeWidgetItem *top = tops.first();
    QCOMPARE(top->childCount(), entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(top->child(i)->text(0), entries.at(i));
        QCOMPARE(top->child(i)->data(0, Qt::UserRole).toInt(), numbers.at(i));
    }
    QVERIFY(creator.fieldsList()->isHeaderHidden());
    QCOMPARE(creator.fieldsList()->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(creator.fieldsList()->dragEnabled());
}

void TestCReportCreator::droppedEntryCreatesItsElement_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSizeF>("size"); // empty: as large as its text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("field");
    QTest::addColumn<bool>("freeText");
    // clang-format off
    QTest::newRow("Name")                  << "Name" << 12 << QSizeF(650, 100) << "Name" << "Name" << false << false;
    QTest::newRow("Psychomatrix")          << "Psychomatrix" << 11 << QSizeF(650, 68) << "Psychomatrix" << "Psychomatrix" << false << false;
    QTest::newRow("Planes of Expression")  << "Planes of Expression" << 11 << QSizeF(650, 68) << "Planes of Expression" << "Planes of Expression" << false << false;
    QTest::newRow("calendar")              << "Personal numbers calendar" << 13 << QSizeF(650, 52) << "Personal numbers calendar" << "Personal numbers calendar" << false << false;
    QTest::newRow("Main Features")         << "Main Features" << 14 << QSizeF(200, 100) << "Main Features" << "Main Features" << false << false;
    QTest::newRow("Additional Features")   << "Additional Features" << 14 << QSizeF(200, 100) << "Additional Features" << "Additional Features" << false << false;
    QTest::newRow("Life Cycles")           << "Life Cycles" << 14 << QSizeF(200, 100) << "Life Cycles" << "Life Cycles" << false << false;
    QTest::newRow("Bridges")               << "Bridges" << 15 << QSizeF(200, 36) << "Bridges" << "Bridges" << false << false;
    QTest::newRow("Full Name")             << "Full Name" << 6 << QSizeF() << "FULL NAME" << "#full_name" << true << false;
    QTest::newRow("Short Name")            << "Short Name" << 6 << QSizeF() << "SHORT NAME" << "#short_name" << true << false;
    QTest::newRow("Birthdate")             << "Birthdate" << 6 << QSizeF() << "BIRTHDATE" << "#birthdate" << true << false;
    QTest::newRow("Print date")            << "Print date" << 6 << QSizeF() << "PRINT DATE" << "#print_date" << true << false;
    QTest::newRow("Numerologist")          << "Numerologist" << 6 << QSizeF() << "NUMEROLOGIST" << "#numerologist" << true << false;
    QTest::newRow("Text")                  << "Text" << 6 << QSizeF() << "Text" << "#text" << false << true;
    QTest::newRow("Bar Codes")             << "Bar Codes" << 10 << QSizeF(120, 120) << "Bar Codes" << "" << false << true;
    // clang-format on
}

void TestCReportCreator::droppedEntryCreatesItsElement()
{
    QFETCH(QString, entry);
    QFETCH(int, kind);
    QFETCH(QSizeF, size);
    QFETCH(QString, text);
    QFETCH(QString, code);
    QFETCH(bool, field);
    QFETCH(bool, freeText);
    CreatorFixture f;
    // Pixel (30, 60) is page point (40, 80) at zoom 0.75.
    dropEntry(f.creator, entry, QPoint(30, 60));
    ChartItem *frame = f.lastItem();
    QVERIFY(frame);
    QCOMPARE(frame->type, int(ITEM_FRAME));
    if (size.isEmpty()) {
        // A text is as large as what it draws (the person's value, else its
        // text) with the drawing's insets: room for it, and not much more.
        QString drawn = fieldText(code, f.creator.editor()->dataContext());
        if (drawn.isEmpty())
            drawn = text;
        const QSizeF needed = QFontMetricsF(frame->content->font).size(0, drawn);
        size = frame->content->size;
        QVERIFY2(size.width() >= needed.width() + 3 && size.width() <= needed.width() + 8 &&
                     size.height() >= needed.height() + 3 && size.height() <= needed.height() + 8,
                 qPrintable(QStringLiteral("%1 x %2 for %3 x %4")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(needed.width())
                                .arg(needed.height())));
    }
    QCOMPARE(frameBounds(*frame), QRectF(QPointF(40, 80), size));
    QCOMPARE(frame->shape.boundingRect(), QRectF(QPointF(0, 0), size));
    const ChartItem &content = *frame->content;
    QCOMPARE(content.type, kind);
    QCOMPARE(content.size, size);
    QCOMPARE(content.text, text);
    QCOMPARE(content.code, code);
    QCOMPARE(content.fieldFlag, field);
    QCOMPARE(content.freeTextFlag, freeText);
    QCOMPARE(content.font.pixelSize(), 11);
    // The new element is selected and marks the chart changed.
    QCOMPARE(f.creator.editor()->selectedItems(), std::vector<ChartItem *>{frame});
    QVERIFY(f.creator.isModified());
}

void TestCReportCreator::dropAtTheEdgeEndsInside_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QPointF>("pagePoint");
    QTest::addColumn<QPointF>("topLeft");
    // A4 page 840 x 1188: pulled to page width - width - 1, height - height - 1.
    QTest::newRow("QR Code at the right edge") << "Bar Codes" << QPointF(836, 400) << QPointF(719, 400);
    QTest::newRow("name chart near the right edge") << "Name" << QPointF(400, 400) << QPointF(189, 400);
}

void TestCReportCreator::dropAtTheEdgeEndsInside()
{
    QFETCH(QString, entry);
    QFETCH(QPointF, pagePoint);
    QFETCH(QPointF, topLeft);
    CreatorFixture f;
    CReportPE *editor = f.creator.editor();
    const QPoint pixel = editor->toViewport(pagePoint);
    QVERIFY2(editor->viewport()->rect().contains(pixel), "the drop point is on screen");
    dropEntry(f.creator, entry, pixel);
    ChartItem *frame = f.lastItem();
    QVERIFY(frame);
    const QRectF bounds = frameBounds(*frame);
    QCOMPARE(bounds.left(), topLeft.x());
    QVERIFY(std::abs(bounds.top() - editor->toPage(pixel).y()) < 1e-9);
    QVERIFY(QRectF(QPointF(0, 0), f.page().size).contains(bounds));
}

void TestCReportCreator::foreignDropIsRefused()
{
    CreatorFixture f;
    QMimeData text;
    text.setText(QStringLiteral("Name"));
    QWidget *target = f.creator.editor()->viewport();
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(f.page().items.empty());
    QVERIFY(!f.creator.isModified());
}

void TestCReportCreator::image_data()
{
    QTest::addColumn<QString>("file"); // in the temporary folder; "" for none chosen
    QTest::addColumn<QSize>("pixels"); // the picture written there; empty for none
    QTest::addColumn<QSizeF>("size");  // the element; empty when nothing is added
    QTest::addColumn<QSize>("kept");   // the picture the element keeps
    // A quarter of the A4 page is 210 x 297 units; one factor fits both.
    QTest::newRow("small, wide") << "wide.png" << QSize(100, 50) << QSizeF(210, 105) << QSize(100, 50);
    QTest::newRow("small, tall") << "tall.png" << QSize(50, 100) << QSizeF(148, 297) << QSize(50, 100);
    QTest::newRow("large, scaled to 1024 first")
        << "large.png" << QSize(2048, 512) << QSizeF(210, 52) << QSize(1024, 256);
    QTest::newRow("no file chosen") << "" << QSize() << QSizeF() << QSize();
    QTest::newRow("path too short") << "a.b" << QSize() << QSizeF() << QSize();
    QTest::newRow("not a picture") << "broken.png" << QSize() << QSizeF() << QSize();
}

void TestCReportCreator::image()
{
    QFETCH(QString, file);
    QFETCH(QSize, pixels);
    QFETCH(QSizeF, size);
    QFETCH(QSize, kept);
    CreatorFixture f;
    QString path;
    if (file == QLatin1String("a.b")) {
        path = file;
    } else if (!file.isEmpty()) {
        path = f.folder.filePath(file);
        if (pixels.isValid()) {
            QVERIFY(solidImage(pixels.width(), pixels.height()).save(path));
        } else {
            QFile broken(path);
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write("not a picture at all");
        }
    }
    QStringList asked;
    f.creator.setImageChooser([&](QWidget *) {
        asked << path;
        return path;
    });
    dropEntry(f.creator, QStringLiteral("Image"), QPoint(30, 60));
    QCOMPARE(asked.size(), 1);
    ChartItem *frame = f.lastItem();
    if (size.isEmpty()) {
        QVERIFY(!frame);
        return;
    }
    QVERIFY(frame);
    QCOMPARE(frame->content->type, int(ITEM_PICTURE));
    QCOMPARE(frame->content->code, QStringLiteral("#image"));
    QCOMPARE(frame->content->size, size);
    QCOMPARE(frame->content->image.size(), kept);
    QCOMPARE(frameBounds(*frame).topLeft(), QPointF(40, 80));
}

// A picture element takes another picture at its width, in the new
// picture's proportions, with a frame row of its own; one undo step.
void TestCReportCreator::replacePicture()
{
    CreatorFixture f;
    const QString wide = f.folder.filePath(QStringLiteral("wide.png"));
    const QString tall = f.folder.filePath(QStringLiteral("tall.png"));
    QVERIFY(solidImage(100, 50).save(wide));
    QVERIFY(solidImage(50, 100).save(tall));
    QString next = wide;
    f.creator.setImageChooser([&](QWidget *) { return next; });
    QVERIFY(!f.creator.replacePictureButton()->isVisibleTo(&f.creator));
    dropEntry(f.creator, QStringLiteral("Image"), QPoint(30, 60));
    ChartItem *frame = f.lastItem();
    QVERIFY(frame);
    QCOMPARE(frame->content->size, QSizeF(210, 105));
    QVERIFY(f.creator.replacePictureButton()->isVisibleTo(&f.creator));
    // Its rows: the frame and its colour, then the geometry.
    QCOMPARE(f.creator.propertiesTable()->item(0, 0)->text(), QStringLiteral("Frame"));
    QCOMPARE(f.creator.propertiesTable()->item(1, 0)->text(), QStringLiteral("Frame Color"));
    QUndoStack *stack = f.creator.editor()->history()->stack();
    const int steps = stack->count();
    // The file's bytes less the thumbnail, which follows the edits a moment later.
    const auto bytes = [&f] {
        ChartDocument copy = copyDocument(f.creator.editor()->document());
        copy.firstPage()->thumbnail = QImage();
        return copy.toBytes();
    };
    const QByteArray before = bytes();

    next = tall;
    f.creator.replacePictureButton()->click();
    frame = f.lastItem();
    QCOMPARE(frame->content->image.size(), QSize(50, 100));
    QCOMPARE(frame->content->size, QSizeF(210, 420));
    QCOMPARE(frame->shape.boundingRect().size(), QSizeF(210, 420));
    QCOMPARE(frameBounds(*frame).topLeft(), QPointF(40, 80));
    QCOMPARE(stack->count(), steps + 1);
    stack->undo();
    QCOMPARE(bytes(), before);

    // Nothing chosen: nothing replaced, no step.
    f.creator.editor()->selectIndexes({0});
    next.clear();
    QVERIFY(!f.creator.replacePicture());
    QCOMPARE(stack->count(), steps + 1);
    // Only for a picture: a text selected hides the command.
    dropEntry(f.creator, QStringLiteral("Text"), QPoint(300, 300));
    QVERIFY(!f.creator.replacePictureButton()->isVisibleTo(&f.creator));
    QVERIFY(!f.creator.replacePicture());
}

// The toolbar's "Arrange" menu is there for a selection, and a dropped
// element leaves the keyboard with the page, so Ctrl+A selects its elements.
void TestCReportCreator::arrangeMenuActsOnTheSelection()
{
    CreatorFixture f;
    QToolButton *arrange = f.creator.toolButton(QStringLiteral("Arrange"));
    QVERIFY(arrange && arrange->menu());
    QAction *left = arrange->menu()->actions().value(0);
    QVERIFY(left);
    QCOMPARE(left->text(), QStringLiteral("Align Left"));
    QVERIFY(!left->isEnabled());
    f.creator.fieldsList()->setFocus();
    dropEntry(f.creator, QStringLiteral("Text"), QPoint(30, 60));
    dropEntry(f.creator, QStringLiteral("Bar Codes"), QPoint(120, 200));
    QVERIFY(left->isEnabled());
    QCOMPARE(f.creator.window()->focusWidget(), static_cast<QWidget *>(f.creator.editor()));
    QTest::keyClick(f.creator.editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.creator.editor()->selectedItems().size(), size_t(2));
    left->trigger();
    QCOMPARE(frameBounds(*f.page().items.at(1)).left(), frameBounds(*f.page().items.at(0)).left());
    f.creator.editor()->selectItem(nullptr);
    QVERIFY(!left->isEnabled());
}

// The text style dialog opened from the "Font" row previews what the
// element shows: the person's value of a field, a free text's own text.
void TestCReportCreator::fontDialogPreviewsTheElement()
{
    const DesignerSample sample;
    CreatorFixture f;
    f.creator.setDataContext(sample.data());
    QStringList previews;
    for (const char *entry : {"Full Name", "Text"}) {
        dropEntry(f.creator, QLatin1String(entry), QPoint(30, 60));
        QTimer::singleShot(0, [&previews] {
            auto *dialog = qobject_cast<CTextDlg *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            previews << dialog->preview()->text() + QLatin1Char('|') + dialog->familyCombo()->currentText();
            dialog->reject();
        });
        qobject_cast<QPushButton *>(f.creator.propertiesTable()->editor(QStringLiteral("Font")))->click();
    }
    QCOMPARE(previews, (QStringList{"ALEX MORGAN REED|Arial", "Text|Arial"}));
}

// Raising a text's font in the property table grows its box to hold the text.
void TestCReportCreator::largerFontGrowsTheTextBox()
{
    CreatorFixture f;
    dropEntry(f.creator, QStringLiteral("Text"), QPoint(30, 60));
    ChartItem *frame = f.lastItem();
    const QSizeF small = frame->content->size;
    QFont font = frame->content->font;
    font.setPixelSize(44);
    f.creator.propertiesTable()->rowItem(QStringLiteral("Font"))->setValue(font);
    frame = f.lastItem();
    QCOMPARE(frame->content->font.pixelSize(), 44);
    const QSizeF needed = QFontMetricsF(font).size(0, QStringLiteral("Text"));
    QVERIFY(frame->content->size.width() >= needed.width() + 3);
    QVERIFY(frame->content->size.height() >= needed.height() + 3);
    QVERIFY(frame->content->size.height() > small.height());
    QCOMPARE(frame->shape.boundingRect().size(), frame->content->size);
    QCOMPARE(frameBounds(*frame).topLeft(), QPointF(40, 80));
    // A smaller font leaves the box as it is (once the table shows the
    // grown size, as it does before the user's next edit).
    QCoreApplication::processEvents();
    const QSizeF grown = frame->content->size;
    font.setPixelSize(9);
    f.creator.propertiesTable()->rowItem(QStringLiteral("Font"))->setValue(font);
    QCOMPARE(f.lastItem()->content->size, grown);
}

// A new QR Code is a square of 30 mm; made a linear symbol it becomes a
// strip of 50 x 20 mm, and back; a size set by hand stays.
void TestCReportCreator::barcodeKindBringsItsSize()
{
    CreatorFixture f;
    dropEntry(f.creator, QStringLiteral("Bar Codes"), QPoint(30, 60));
    const auto chooseKind = [&f](int kind) {
        auto *combo = qobject_cast<QComboBox *>(f.creator.propertiesTable()->editor(QStringLiteral("Bar code")));
        QVERIFY(combo);
        combo->setCurrentIndex(kind);
        QCoreApplication::processEvents(); // the table shows the new size
    };
    QCOMPARE(f.lastItem()->content->size, QSizeF(120, 120));
    chooseKind(2); // Code 128
    QCOMPARE(f.lastItem()->content->barcodeKind, 2);
    QCOMPARE(f.lastItem()->content->size, QSizeF(200, 80));
    QCOMPARE(f.lastItem()->shape.boundingRect().size(), QSizeF(200, 80));
    chooseKind(3); // Code 39: linear as well, the same strip
    QCOMPARE(f.lastItem()->content->size, QSizeF(200, 80));
    chooseKind(0);
    QCOMPARE(f.lastItem()->content->size, QSizeF(120, 120));
    setFrameLocalRect(*f.lastItem(), QRectF(0, 0, 160, 160));
    f.creator.OnPageSelectionChanged();
    chooseKind(5); // EAN 13
    QCOMPARE(f.lastItem()->content->size, QSizeF(160, 160));
}

void TestCReportCreator::propertyTableFollowsSelection()
{
    CreatorFixture f;
    dropEntry(f.creator, QStringLiteral("Text"), QPoint(30, 60));
    ChartItem *text = f.lastItem();
    CPropertiesWidget *table = f.creator.propertiesTable();
    // The free text's five rows, then the geometry every element has.
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Text"));
    QCOMPARE(table->item(5, 0)->text(), QStringLiteral("X (mm)"));
    // Editing the line writes the element's text.
    f.creator.setModified(false);
    auto *line = qobject_cast<QLineEdit *>(table->editor(QStringLiteral("Text")));
    QVERIFY(line);
    line->setText(QStringLiteral("My chart"));
    emit line->editingFinished();
    QCOMPARE(text->content->text, QStringLiteral("My chart"));
    QVERIFY(f.creator.isModified());
    // A click on empty paper clears the selection and the table.
    QTest::mouseClick(f.creator.editor()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 450));
    QCOMPARE(table->rowCount(), 0);
}

void TestCReportCreator::returnInThePropertyTableDoesNotSave()
{
    QTemporaryDir folder;
    CReportCreatorWin window(nullptr, DesignerMode::Card);
    window.creator()->setSaveFolder(folder.path());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    dropEntry(*window.creator(), QStringLiteral("Text"), QPoint(30, 60));
    auto *line =
        qobject_cast<QLineEdit *>(window.creator()->propertiesTable()->editor(QStringLiteral("Text")));
    QVERIFY(line);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("Typed"));
    QSignalSpy saved(&window, &CReportCreatorWin::templateSaved);
    QTest::keyClick(line, Qt::Key_Return);
    QVERIFY(saved.isEmpty());
    QVERIFY(window.isVisible());
    QCOMPARE(window.creator()->editor()->document().currentPage->items.back()->content->text,
             QStringLiteral("Typed"));
    QVERIFY(window.creator()->isModified());
    QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

void TestCReportCreator::saveNamesTheNextFreeFile()
{
    CreatorFixture f;
    for (const char *name : {"Chart.snc", "Chart0.snc"}) {
        QFile taken(f.folder.filePath(QLatin1String(name)));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("earlier chart");
    }
    f.creator.editor()->document().title = QStringLiteral("Chart");
    dropEntry(f.creator, QStringLiteral("Name"), QPoint(30, 60));
    QSignalSpy saved(&f.creator, &CReportCreator::templateSaved);
    f.creator.saveButton()->click();
    const QString expected = QDir(f.folder.path()).filePath(QStringLiteral("Chart1.snc"));
    QCOMPARE(saved.size(), 1);
    QCOMPARE(QFileInfo(saved.first().first().toString()).absoluteFilePath(), expected);
    QVERIFY(!f.creator.isModified());
    // The new file holds the chart; the earlier ones are untouched.
    QFile file(expected);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDataStream stream(&file);
    ChartDocument read;
    QCOMPARE(read.read(stream), 0);
    QCOMPARE(read.firstPage()->items.back()->content->code, QStringLiteral("Name"));
    for (const char *name : {"Chart.snc", "Chart0.snc"}) {
        QFile taken(f.folder.filePath(QLatin1String(name)));
        QVERIFY(taken.open(QIODevice::ReadOnly));
        QCOMPARE(taken.readAll(), QByteArray("earlier chart"));
    }
    QVERIFY(!QFile::exists(expected + QStringLiteral(".000")));
}

void TestCReportCreator::closeAsksOnlyWhenModified_data()
{
    QTest::addColumn<bool>("modify");
    QTest::addColumn<int>("answer"); // DesignerAnswer
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<bool>("closes");
    const int yes = int(DesignerAnswer::Yes), no = int(DesignerAnswer::No),
              cancel = int(DesignerAnswer::Cancel);
    QTest::newRow("unchanged closes at once") << false << yes << false << false << true;
    QTest::newRow("changed, yes saves") << true << yes << true << true << true;
    QTest::newRow("changed, no discards") << true << no << true << false << true;
    QTest::newRow("changed, cancel stays open") << true << cancel << true << false << false;
}

void TestCReportCreator::closeAsksOnlyWhenModified()
{
    QFETCH(bool, modify);
    QFETCH(int, answer);
    QFETCH(bool, asks);
    QFETCH(bool, saves);
    QFETCH(bool, closes);
    QTemporaryDir folder;
    CReportCreatorWin window(nullptr, DesignerMode::Card);
    window.creator()->setSaveFolder(folder.path());
    window.show();
    if (modify)
        dropEntry(*window.creator(), QStringLiteral("Bridges"), QPoint(30, 60));
    RecordedQuestions questions{DesignerAnswer(answer)};
    QSignalSpy closed(&window, &CReportCreatorWin::closed);
    QSignalSpy saved(&window, &CReportCreatorWin::templateSaved);
    window.creator()->closeButton()->click();
    QCOMPARE(questions.asked, asks ? QStringList{QStringLiteral("Warning|Save changes?")} : QStringList());
    // Closing offers "Cancel" as well.
    QCOMPARE(questions.offeredCancel, asks ? QList<bool>{true} : QList<bool>());
    QCOMPARE(closed.size(), closes ? 1 : 0);
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(window.creator()->isModified(), modify && !saves);
    QCOMPARE(saved.isEmpty(), !saves);
    // A new chart is saved under its title, "New report".
    QCOMPARE(QFile::exists(folder.filePath(QStringLiteral("New report.snc"))), saves);
}

void TestCReportCreator::openTemplateRunsModallyAndReportsTheSave()
{
    // A template in a folder of its own; the save goes to the user's folder,
    // here a second temporary one.
    QTemporaryDir shipped;
    QTemporaryDir user;
    ChartDocument original;
    original.newDocument();
    original.title = QStringLiteral("Shipped");
    original.currentPage->addItem(makeElement(makeFieldContent(QStringLiteral("Bridges")), QPointF(5, 5)));
    const QString path = shipped.filePath(QStringLiteral("Shipped.snc"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(original.toBytes());
    file.close();

    ChartDataContext data;
    data.numerologist = QStringLiteral("Ann Reader");
    QString seenNumerologist;
    int seenItems = -1;
    // While the designer runs: look at it, change it, save into the user's folder, close.
    QTimer::singleShot(0, this, [&] {
        auto *window = qobject_cast<CReportCreatorWin *>(QApplication::activeModalWidget());
        QVERIFY(window);
        CReportCreator *creator = window->creator();
        seenNumerologist = creator->editor()->dataContext().numerologist;
        seenItems = int(creator->editor()->document().currentPage->items.size());
        creator->setSaveFolder(user.path());
        dropEntry(*creator, QStringLiteral("Numerologist"), QPoint(30, 60));
        creator->saveButton()->click();
        creator->closeButton()->click();
    });
    const QString saved = CReportCreatorWin::openTemplate(nullptr, path, data);
    QCOMPARE(seenNumerologist, QStringLiteral("Ann Reader"));
    QCOMPARE(seenItems, 1);
    // Saved as the shipped one's copy, so the chart list tells them apart.
    QCOMPARE(saved, QDir(user.path()).filePath(QStringLiteral("Shipped (copy).snc")));
    // The shipped file stays as it was.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), original.toBytes());
}

void TestCReportCreator::designerAloneSavesTheSameDocument()
{
    // A chart with a bit of everything the file carries: page settings,
    // turned and resized elements of several kinds, a picture.
    ChartDocument original;
    original.newDocument();
    original.title = QStringLiteral("Desk card");
    original.gridStepX = 12.5;
    original.showGrid = false;
    ChartPage &page = *original.currentPage;
    page.size = QSizeF(600, 400);
    page.backgroundColour = QColor(250, 240, 220);
    page.backgroundMode = BACKGROUND_COLOUR;
    ChartItem *name = page.addItem(makeElement(makeFieldContent(QStringLiteral("Name")), QPointF(10, 20)));
    rotateFrame(*name, 30);
    ChartItem *code =
        page.addItem(makeElement(makeFieldContent(QStringLiteral("Bar Codes")), QPointF(300, 200)));
    code->content->barcodeKind = 2;
    code->content->text = QStringLiteral("SORVEL-7");
    ChartItem *text = page.addItem(makeElement(makeFieldContent(QStringLiteral("Text")), QPointF(50, 300)));
    setFrameLocalRect(*text, QRectF(0, 0, 200, 40));
    text->content->colour = QColor(Qt::darkRed);
    page.addItem(makeElement(makePictureContent(solidImage(8, 4), QSizeF(80, 40)), QPointF(400, 20)));
    // The file carries the first page's thumbnail, as the designer draws it.
    refreshThumbnail(page, ChartDataContext());
    const QByteArray bytes = original.toBytes();
    QVERIFY(!bytes.isEmpty());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("card.snc"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }
    QCOMPARE(designerArgument({"sorvel", "--designer", path}), path);
    std::unique_ptr<CReportCreatorWin> window = makeDesignerAlone(path);
    QVERIFY(window);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy saved(window.get(), &CReportCreatorWin::templateSaved);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().first().toString(), path);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    // No second file beside it: the save went back into the given file.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("card.snc")});
    // Ctrl+W closes without asking: nothing changed.
    RecordedQuestions questions(true);
    QSignalSpy closed(window.get(), &CReportCreatorWin::closed);
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(closed.size(), 1);
    QVERIFY(questions.asked.isEmpty());
}

void TestCReportCreator::designerAloneRefusesAnUnreadableFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("damaged.snc"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a chart template");
    }
    QVERIFY(!makeDesignerAlone(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("not a chart template"));
    // Arguments without the option leave the designer out; without a file it starts a new chart.
    QVERIFY(designerArgument({"sorvel"}).isNull());
    QVERIFY(designerArgument({"sorvel", "--designer"}).isEmpty());
    QVERIFY(!designerArgument({"sorvel", "--designer"}).isNull());
}

void TestCReportCreator::designerAloneDrawsWithASamplePerson()
{
    const DesignerSample sample;
    std::unique_ptr<CReportCreatorWin> window = makeDesignerAlone(QString(), sample.data());
    QVERIFY(window);
    const ChartDataContext &data = window->creator()->editor()->dataContext();
    // Name fields draw the name in capitals.
    QCOMPARE(fieldText(QStringLiteral("#full_name"), data), QStringLiteral("ALEX MORGAN REED"));
    QCOMPARE(fieldText(QStringLiteral("#birthdate"), data), chartDateText(QDate(1984, 11, 23)));
    QVERIFY(data.personMatrix);
    // The sample's numbers reach the charts: a value for every row of a table.
    const QString table = QStringLiteral("Main Features");
    QCOMPARE(chartTableValues(table, &data.person->result()).size(), chartTableLabels(table).size());
}

QTEST_MAIN(TestCReportCreator)
#include "test_creportcreator.moc"
