// The designer's dialogs: the size dialog (paper and card), the text style
// dialog and the background dialog, driven through their controls.

#include "charts/chartdocument.h"
#include "designer/ccolordialog.h"
#include "designer/cpapersizedlg.h"
#include "designer/ctextdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QFontDatabase>
#include <QLabel>
#include <QtTest>

class TestDesignerDialogs : public QObject
{
    Q_OBJECT
private slots:
    void paperDefaults();
    void paperPresets_data();
    void paperPresets();
    void customAfterPreset();
    void givenSizeSetsTheOrientation();
    void unitsConvert_data();
    void unitsConvert();
    void orientationSwaps_data();
    void orientationSwaps();
    void okClampsToInches_data();
    void okClampsToInches();
    void cardVariant();
    void textStyle();
    void textStyleKeepsUnknownAlignmentAsLeft();
    void textStyleShowsTheElementsFontAndText_data();
    void textStyleShowsTheElementsFontAndText();
    void backgroundColourFromNumbers_data();
    void backgroundColourFromNumbers();
    void backgroundImageModes_data();
    void backgroundImageModes();
};

void TestDesignerDialogs::paperDefaults()
{
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Paper);
    QCOMPARE(dialog.titleText(), QStringLiteral("Untitled"));
    QCOMPARE(dialog.widthLine()->text(), QStringLiteral("8.50"));
    QCOMPARE(dialog.heightLine()->text(), QStringLiteral("11.00"));
    QCOMPARE(dialog.unitsCombo()->currentText(), QStringLiteral("inches"));
    QCOMPARE(dialog.orientationCombo()->currentText(), QStringLiteral("Vertical"));
    // Custom, a separator, five inch sizes, a separator, four metric sizes.
    QCOMPARE(dialog.paperCombo()->count(), 12);
    QCOMPARE(dialog.paperCombo()->itemText(0), QStringLiteral("Custom"));
    QCOMPARE(dialog.paperCombo()->itemText(2), QStringLiteral("Letter (8.5\" x 11\")"));
    QCOMPARE(dialog.paperCombo()->itemText(11), QStringLiteral("A6 (105mm x 148.5mm)"));
}

void TestDesignerDialogs::givenSizeSetsTheOrientation()
{
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Paper);
    dialog.setSizeValues(3, 2);
    QCOMPARE(dialog.orientationCombo()->currentText(), QStringLiteral("Horizontal"));
    // Only the combo follows: the lines keep the size as given.
    QCOMPARE(dialog.widthLine()->text(), QStringLiteral("3.00"));
    dialog.setSizeValues(2, 3);
    QCOMPARE(dialog.orientationCombo()->currentText(), QStringLiteral("Vertical"));
    QCOMPARE(dialog.heightLine()->text(), QStringLiteral("3.00"));
}

void TestDesignerDialogs::paperPresets_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("orientation");
    QTest::newRow("legal") << "Legal (8.5\" x 14\")"
                           << "8.50"
                           << "14.00"
                           << "inches"
                           << "Vertical";
    QTest::newRow("junior legal lies") << "Junior Legal (8\" x 5\")"
                                       << "8.00"
                                       << "5.00"
                                       << "inches"
                                       << "Horizontal";
    QTest::newRow("ledger lies") << "Ledger (17\" x 11\")"
                                 << "17.00"
                                 << "11.00"
                                 << "inches"
                                 << "Horizontal";
    QTest::newRow("A4 in mm") << "A4 (210mm x 297mm)"
                              << "210.00"
                              << "297.00"
                              << "mm"
                              << "Vertical";
    QTest::newRow("A5 halves") << "A5 (148.5mm x 210mm)"
                               << "148.50"
                               << "210.00"
                               << "mm"
                               << "Vertical";
}

void TestDesignerDialogs::paperPresets()
{
    QFETCH(QString, preset);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, units);
    QFETCH(QString, orientation);
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Paper);
    dialog.paperCombo()->setCurrentText(preset);
    QCOMPARE(dialog.widthLine()->text(), width);
    QCOMPARE(dialog.heightLine()->text(), height);
    QCOMPARE(dialog.unitsCombo()->currentText(), units);
    QCOMPARE(dialog.orientationCombo()->currentText(), orientation);
    QVERIFY(!dialog.widthLine()->isEnabled());
    QVERIFY(!dialog.heightLine()->isEnabled());
}

void TestDesignerDialogs::customAfterPreset()
{
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Paper);
    dialog.paperCombo()->setCurrentIndex(2);
    dialog.paperCombo()->setCurrentIndex(0);
    QVERIFY(dialog.widthLine()->isEnabled());
    QVERIFY(dialog.heightLine()->isEnabled());
}

void TestDesignerDialogs::unitsConvert_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("back");
    QTest::newRow("inches to mm and back") << "8.5" << 1 << "215.90"
                                           << "8.50";
    QTest::newRow("one inch") << "1" << 1 << "25.40"
                              << "1.00";
}

void TestDesignerDialogs::unitsConvert()
{
    QFETCH(QString, width);
    QFETCH(int, units);
    QFETCH(QString, converted);
    QFETCH(QString, back);
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Paper);
    dialog.widthLine()->setText(width);
    dialog.unitsCombo()->setCurrentIndex(units);
    QCOMPARE(dialog.widthLine()->text(), converted);
    dialog.unitsCombo()->setCurrentIndex(1 - units);
    QCOMPARE(dialog.widthLine()->text(), back);
}

void TestDesignerDialogs::orientationSwaps_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("newWidth");
    QTest::newRow("tall made horizontal swaps") << "8.5"
                                                << "11" << 1 << "11.00";
    QTest::newRow("wide made vertical swaps") << "11"
                                              << "8.5" << 0 << "8.50";
}

void TestDesignerDialogs::orientationSwaps()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(int, orientation);
    QFETCH(QString, newWidth);
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Paper);
    dialog.orientationCombo()->blockSignals(true);
    dialog.orientationCombo()->setCurrentIndex(1 - orientation);
    dialog.orientationCombo()->blockSignals(false);
    dialog.widthLine()->setText(width);
    dialog.heightLine()->setText(height);
    dialog.orientationCombo()->setCurrentIndex(orientation);
    QCOMPARE(dialog.widthLine()->text(), newWidth);
}

void TestDesignerDialogs::okClampsToInches_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("units");
    QTest::addColumn<QSizeF>("inches");
    QTest::newRow("inches as typed") << "4"
                                     << "6" << 0 << QSizeF(4, 6);
    QTest::newRow("mm converted") << "254"
                                  << "127" << 1 << QSizeF(10, 5);
    QTest::newRow("clamped both ways") << "0"
                                       << "80" << 0 << QSizeF(0.1, 50);
    QTest::newRow("not a number is the smallest") << "wide"
                                                  << "6" << 0 << QSizeF(0.1, 6);
}

void TestDesignerDialogs::okClampsToInches()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(int, units);
    QFETCH(QSizeF, inches);
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Paper);
    dialog.unitsCombo()->setCurrentIndex(units);
    dialog.widthLine()->setText(width);
    dialog.heightLine()->setText(height);
    dialog.OnOk();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(qFuzzyCompare(dialog.chosenSize().width(), inches.width()));
    QVERIFY(qFuzzyCompare(dialog.chosenSize().height(), inches.height()));
}

void TestDesignerDialogs::cardVariant()
{
    CPaperSizeDlg dialog(CPaperSizeDlg::Variant::Card);
    QVERIFY(!dialog.paperCombo());
    QVERIFY(!dialog.orientationCombo());
    QCOMPARE(dialog.widthLine()->text(), QStringLiteral("3"));
    QCOMPARE(dialog.heightLine()->text(), QStringLiteral("2"));
    dialog.setSizeValues(711, 1006);
    dialog.OnOk();
    QCOMPARE(dialog.chosenSize(), QSizeF(711, 1006));
}

void TestDesignerDialogs::textStyle()
{
    CTextDlg dialog;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    dialog.setStyle(font, ALIGN_CENTRE_VALUE, Qt::darkBlue);
    QCOMPARE(dialog.sizeSpin()->value(), 11);
    QCOMPARE(dialog.alignCombo()->currentText(), QStringLiteral("Center"));
    dialog.sizeSpin()->setValue(18);
    dialog.boldCheck()->setChecked(true);
    dialog.italicCheck()->setChecked(true);
    dialog.underlineCheck()->setChecked(true);
    dialog.alignCombo()->setCurrentIndex(2);
    QCOMPARE(dialog.textFont().pixelSize(), 18);
    QVERIFY(dialog.textFont().bold());
    QVERIFY(dialog.textFont().italic());
    QVERIFY(dialog.textFont().underline());
    QCOMPARE(dialog.textAlignment(), int(ALIGN_RIGHT_VALUE));
    QCOMPARE(dialog.textColour(), QColor(Qt::darkBlue));
    dialog.boldCheck()->setChecked(false);
    QVERIFY(!dialog.textFont().bold());
}

void TestDesignerDialogs::textStyleKeepsUnknownAlignmentAsLeft()
{
    CTextDlg dialog;
    dialog.setStyle(QFont(), int(Qt::AlignJustify), Qt::black);
    QCOMPARE(dialog.alignCombo()->currentIndex(), 0);
    QCOMPARE(dialog.textAlignment(), int(ALIGN_LEFT_VALUE));
}

void TestDesignerDialogs::textStyleShowsTheElementsFontAndText_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("preview");
    const QString installed = QFontDatabase().families().value(0);
    QVERIFY(!installed.isEmpty());
    QTest::newRow("an installed family") << installed << "ALEX MORGAN REED"
                                         << "ALEX MORGAN REED";
    // New elements name Arial, which this computer may lack and draw with
    // another family: the dialog still names Arial, as the element does.
    QTest::newRow("a family drawn with another") << "Arial"
                                                 << "Today's text"
                                                 << "Today's text";
    QTest::newRow("a family nowhere at all") << "Nonexistent Sans 7"
                                             << "x"
                                             << "x";
    QTest::newRow("no text shows a sample") << installed << ""
                                            << "Sorvel 123";
}

void TestDesignerDialogs::textStyleShowsTheElementsFontAndText()
{
    QFETCH(QString, family);
    QFETCH(QString, text);
    QFETCH(QString, preview);
    CTextDlg dialog;
    QFont font(family);
    font.setPixelSize(15);
    dialog.setSampleText(text);
    dialog.setStyle(font, ALIGN_LEFT_VALUE, Qt::black);
    QCOMPARE(dialog.familyCombo()->currentText(), family);
    QCOMPARE(dialog.textFont().family(), family);
    QCOMPARE(dialog.preview()->text(), preview);
    QCOMPARE(dialog.preview()->font().family(), family);
    // A change of size keeps the family.
    dialog.sizeSpin()->setValue(20);
    QCOMPARE(dialog.textFont().family(), family);
    QCOMPARE(dialog.familyCombo()->currentText(), family);
}

void TestDesignerDialogs::backgroundColourFromNumbers_data()
{
    QTest::addColumn<QString>("spin");
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("expected");
    // From white: red 0 leaves cyan; value 0 leaves black.
    QTest::newRow("red") << "Red:" << 0 << QColor(0, 255, 255);
    QTest::newRow("blue") << "Blue:" << 128 << QColor(255, 255, 128);
    QTest::newRow("value") << "Val:" << 0 << QColor(0, 0, 0);
}

void TestDesignerDialogs::backgroundColourFromNumbers()
{
    QFETCH(QString, spin);
    QFETCH(int, value);
    QFETCH(QColor, expected);
    CColorDialog dialog;
    dialog.setColour(Qt::white);
    QSpinBox *box = dialog.spin(spin);
    QVERIFY(box);
    box->setValue(value);
    QCOMPARE(dialog.colour().rgb(), expected.rgb());
    QCOMPARE(dialog.mode(), int(BACKGROUND_COLOUR));
    // The other numbers follow.
    QCOMPARE(dialog.spin(QStringLiteral("Green:"))->value(), expected.green());
}

void TestDesignerDialogs::backgroundImageModes_data()
{
    QTest::addColumn<bool>("fit");
    QTest::addColumn<int>("mode");
    QTest::newRow("natural size") << false << int(BACKGROUND_IMAGE);
    QTest::newRow("fitted") << true << int(BACKGROUND_STRETCHED);
}

void TestDesignerDialogs::backgroundImageModes()
{
    QFETCH(bool, fit);
    QFETCH(int, mode);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("paper.png"));
    QImage paper(30, 20, QImage::Format_RGB32);
    paper.fill(Qt::yellow);
    QVERIFY(paper.save(path));
    CColorDialog dialog;
    dialog.setImageChooser([&](QWidget *) { return path; });
    dialog.OnOpenImage();
    QVERIFY(dialog.addImageCheck()->isChecked());
    dialog.fitSizeCheck()->setChecked(fit);
    QCOMPARE(dialog.image().size(), QSize(30, 20));
    QCOMPARE(dialog.mode(), mode);
    // Without "Add Image" the picture is not used.
    dialog.addImageCheck()->setChecked(false);
    QCOMPARE(dialog.mode(), int(BACKGROUND_COLOUR));
}

QTEST_MAIN(TestDesignerDialogs)
#include "test_designerdialogs.moc"
