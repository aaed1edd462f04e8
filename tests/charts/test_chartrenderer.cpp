// Drawing chart pages: each of the eight charts' labels and cells for a
// known person (read back from a recording paint device), text fields and
// free texts, barcode placement, the grid, page backgrounds, frame lines,
// block views, page fitting and thumbnails.
//
// The person is John Adam Smith, born 17 May 1990, forecast 21 June 2024:
// the worked examples of the forecast rules (personal year 3 in 2024,
// month 9 in June, day 3 on the 21st), of the pinnacles (4, 9, 4, 6) and of
// the psychomatrix (1 twice, 2 once, 3 three times, 5 twice, 7 once, 9
// twice) are his.

#include "charts/chartelements.h"
#include "charts/chartrenderer.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "recordingpainter.h"

#include <QPainter>
#include <QtTest>

namespace {

// Frames are placed here, so every recorded position is offset by it.
const QPointF AT(100, 200);
const QColor MASTER_RED(0xD0, 0x50, 0x30);

struct Person
{
    CalcOptions options;
    CNumerology engine;
    CNumerologyPMatrix matrix;
    ChartDataContext data;

    explicit Person(const QString &full = QStringLiteral("John Adam Smith"),
                    const QString &shortName = QStringLiteral("John Smith"),
                    const CalcOptions &calcOptions = CalcOptions())
        : options(calcOptions)
    {
        engine.setCalcOptions(&options);
        PersonRecord record;
        record.fullName = full;
        record.shortName = shortName;
        record.birthDate = QDate(1990, 5, 17);
        record.forecastDate = QDate(2024, 6, 21);
        record.calcOnly = true;
        engine.CalcNumerology(record);
        matrix.CalcPsychomatrix(full, record.birthDate);
        data.person = &engine;
        data.personMatrix = &matrix;
        data.numerologist = QStringLiteral("Anna Weber");
        data.printDate = QDate(2024, 6, 21);
    }
    const NumerologyResult &r() const { return engine.result(); }
};

// Draws content in a frame at AT, unscaled, and returns what was drawn.
Recording drawElement(std::unique_ptr<ChartItem> content, const ChartDataContext &data,
                      const ChartRenderOptions &options = ChartRenderOptions())
{
    auto frame = makeElement(std::move(content), AT);
    RecordingDevice device;
    QPainter painter(&device);
    drawFrameItem(painter, *frame, data, options);
    painter.end();
    return static_cast<const Recording &>(device.engine);
}

Recording drawField(const QString &entry, const ChartDataContext &data)
{
    return drawElement(makeFieldContent(entry), data);
}

// The baseline of a text drawn in a row of 16 units from top lies in it.
bool inRow(const RecordedText &text, double top)
{
    return text.position.y() > top && text.position.y() <= top + 16;
}

double textCentre(const RecordedText &text)
{
    return text.position.x() + QFontMetricsF(text.font).horizontalAdvance(text.text) / 2;
}

// The one recorded text equal to text; fails the test when there is not
// exactly one.
const RecordedText *onlyText(const Recording &engine, const QString &text)
{
    static RecordedText found;
    const QVector<RecordedText> all = engine.textsEqualTo(text);
    if (all.size() != 1) {
        qWarning() << "expected one" << text << "among" << engine.allTexts();
        return nullptr;
    }
    found = all.first();
    return &found;
}

} // namespace

class TestChartRenderer : public QObject
{
    Q_OBJECT

private slots:
    void tableCharts_data();
    void tableCharts();
    void tableWithoutValuesDrawsOnlyBackground();
    void psychomatrixCells();
    void planesCells();
    void calendarCells();
    void nameChartRows();
    void masterNumberRuns_data();
    void masterNumberRuns();
    void nameChartMasterLetters_data();
    void nameChartMasterLetters();
    void textFields_data();
    void textFields();
    void textShrinksToFitItsBox_data();
    void textShrinksToFitItsBox();
    void barcodeAlignment_data();
    void barcodeAlignment();
    void grid_data();
    void grid();
    void backgroundModes_data();
    void backgroundModes();
    void frameLines_data();
    void frameLines();
    void blockViews();
    void fittingAndThumbnail();
};

void TestChartRenderer::tableCharts_data()
{
    const Person p;
    const NumerologyResult &r = p.r();
    const auto minor = [](const QString &a, const QString &b) { return a + " (" + b + ")"; };
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("Main Features") << "Main Features"
                                   << QStringList{"Life Path",        "Birthday",        "Expression (M)",
                                                  "Heart Desire (M)", "Personality (M)", "Karmic Debts"}
                                   << QStringList{r.lifePathText,
                                                  r.birthdayText,
                                                  minor(r.expressionText, r.minorExpressionText),
                                                  minor(r.heartsDesireText, r.minorHeartsDesireText),
                                                  minor(r.personalityText, r.minorPersonalityText),
                                                  r.karmicDebtsText};
    QTest::newRow("Additional Features")
        << "Additional Features" << QStringList{"Maturity", "Rational Thought", "Karmic Lessons",
                                                "Balance",  "Hidden Passion",   "Subcons.Confid."}
        << QStringList{r.maturityText, r.rationalThoughtText, r.karmicLessonsText,
                       r.balanceText,  r.hiddenPassionText,   r.subconsciousConfidenceText};
    // Pinnacles and the personal year of 2024 are the rules' worked examples.
    QTest::newRow("Life Cycles") << "Life Cycles" << QStringList{"Age span",      "Challenges", "Pinnacles",
                                                                 "Personal Year", "LP Periods", "LP Age Span"}
                                 << QStringList{r.ageSpansText,        r.challengesText, "4, 9, 4, 6", "3",
                                                r.lifePathPeriodsText, r.periodSpansText};
    QTest::newRow("Bridges") << "Bridges" << QStringList{"Life path - Expr.", "Heart D. - Pers."}
                             << QStringList{r.lifePathExpressionBridgeText,
                                            r.heartsDesirePersonalityBridgeText};
}

// Labels at x = 4, values at x = 104, row i from y = 3 + 16 i; the
// background fills (0, -1, 199, rows x 16 + 6).
void TestChartRenderer::tableCharts()
{
    QFETCH(QString, code);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, values);
    const Person p;
    std::unique_ptr<ChartItem> content = makeFieldContent(code);
    content->background = QColor(1, 2, 3, 200);
    content->colour = QColor(40, 50, 60);
    const Recording drawn = drawElement(std::move(content), p.data);

    QVERIFY(!drawn.fills.isEmpty());
    QCOMPARE(drawn.fills.first().rect, QRectF(AT + QPointF(0, -1), QSizeF(199, labels.size() * 16 + 6)));
    QCOMPARE(drawn.fills.first().colour, QColor(1, 2, 3, 200));
    QCOMPARE(drawn.texts.size(), labels.size() * 2);
    for (int i = 0; i < labels.size(); ++i) {
        const double top = AT.y() + 3 + 16 * i;
        const RecordedText &label = drawn.texts.at(2 * i);
        const RecordedText &value = drawn.texts.at(2 * i + 1);
        QCOMPARE(label.text, labels.at(i));
        QCOMPARE(value.text, values.at(i));
        QCOMPARE(label.position.x(), AT.x() + 4);
        QCOMPARE(value.position.x(), AT.x() + 104);
        QVERIFY2(inRow(label, top) && inRow(value, top), qPrintable(labels.at(i)));
        QCOMPARE(label.colour, QColor(40, 50, 60));
    }
}

void TestChartRenderer::tableWithoutValuesDrawsOnlyBackground()
{
    const Recording drawn = drawField(QStringLiteral("Main Features"), ChartDataContext());
    QVERIFY(drawn.texts.isEmpty());
    QCOMPARE(drawn.fills.size(), 1);
    QCOMPARE(drawn.fills.first().rect, QRectF(AT + QPointF(0, -1), QSizeF(199, 6 * 16 + 6)));
}

// Twenty cells of 125 x 16 at x = 4 + 125 c, y = 3 + 16 r, texts centred.
void TestChartRenderer::psychomatrixCells()
{
    const Person p;
    const Recording drawn = drawField(QStringLiteral("Psychomatrix"), p.data);
    const QString cells[4][5] = {
        {"", "Character 11", "Health -", "Luck 7", "Purposeful - 3"},
        {"", "Energy 2", "Intuition 55", "Duty -", "Family formation - 3"},
        {"", "Interest 333", "Labour -", "Memory 99", "Stability - 5"},
        {"Sexual life - 6", "Self appraisal - 6", "Finance - 2", "Talent - 3", "Spirituality - 6"},
    };
    QCOMPARE(drawn.fills.first().rect, QRectF(AT + QPointF(0, -1), QSizeF(649, 70)));
    QCOMPARE(drawn.texts.size(), 17);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (cells[row][column].isEmpty())
                continue;
            const RecordedText *text = onlyText(drawn, cells[row][column]);
            QVERIFY(text);
            QVERIFY2(inRow(*text, AT.y() + 3 + 16 * row), qPrintable(text->text));
            QVERIFY2(qAbs(textCentre(*text) - (AT.x() + 4 + 125 * column + 62.5)) < 1.0,
                     qPrintable(text->text));
        }
    }
}

// Headers "Mental " ... with the column totals (value grid row 3); rows
// Creative, Dual, Grounded with their totals (column 4) at the left and
// the cells centred in (121 + 130 c, y, 130, 16).
void TestChartRenderer::planesCells()
{
    const Person p;
    const QString *grid = p.r().planesValues;
    const Recording drawn = drawField(QStringLiteral("Planes of Expression"), p.data);
    const char *planes[4] = {"Mental ", "Physical ", "Emotional ", "Intuitive "};
    for (int c = 0; c < 4; ++c) {
        const RecordedText *header = onlyText(drawn, QLatin1String(planes[c]) + grid[15 + c]);
        QVERIFY(header);
        QVERIFY(inRow(*header, AT.y() + 3));
        QVERIFY(qAbs(textCentre(*header) - (AT.x() + 121 + 130 * c + 65)) < 1.0);
    }
    const char *kinds[3] = {"Creative", "Dual", "Grounded"};
    for (int kind = 0; kind < 3; ++kind) {
        const double top = AT.y() + 19 + 16 * kind;
        const RecordedText *caption = onlyText(drawn, QLatin1String(kinds[kind]) + " " + grid[kind * 5 + 4]);
        QVERIFY(caption);
        QCOMPARE(caption->position.x(), AT.x() + 4);
        QVERIFY(inRow(*caption, top));
        for (int c = 0; c < 4; ++c) {
            const QString &cell = grid[kind * 5 + c];
            if (cell.isEmpty())
                continue;
            const RecordedText *text = onlyText(drawn, cell);
            QVERIFY(text);
            QVERIFY(inRow(*text, top));
            QVERIFY2(qAbs(textCentre(*text) - (AT.x() + 121 + 130 * c + 65)) < 1.0, qPrintable(cell));
        }
    }
    // His full name has letters in some cells, so the test saw real values.
    QCOMPARE(grid[5], QStringLiteral("H2J1N1=22, 4"));
}

// Twelve columns from the forecast date, 55 x 16 cells at x = 48 + 50 k.
void TestChartRenderer::calendarCells()
{
    const Person p;
    const Recording drawn = drawField(QStringLiteral("Personal numbers calendar"), p.data);
    const QStringList captions{"Years", "Months", "Days"};
    for (int i = 0; i < 3; ++i) {
        bool found = false;
        for (const RecordedText &text : drawn.texts) {
            if (text.text.trimmed() == captions.at(i)) {
                found = true;
                QCOMPARE(text.position.x(), AT.x() + 4);
                QVERIFY(inRow(text, AT.y() + 3 + 16 * i));
            }
        }
        QVERIFY2(found, qPrintable(captions.at(i)));
    }
    // column k: year, month and day with their personal numbers
    const QString columns[3][3] = {
        {"2024 (3)", "Jun (9)", "21 (3)"}, // the rules' worked examples
        {"2025 (4)", "Jul (1)", "22 (4)"},
        {"2035 (5)", "May (9)", "2 (3)"}, // k = 11: May 2025, 2 July 2024
    };
    const int ks[3] = {0, 1, 11};
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < 3; ++row) {
            const RecordedText *text = onlyText(drawn, columns[c][row]);
            QVERIFY(text);
            QVERIFY(inRow(*text, AT.y() + 3 + 16 * row));
            QVERIFY2(qAbs(textCentre(*text) - (AT.x() + 48 + 50 * ks[c] + 27.5)) < 1.0,
                     qPrintable(text->text));
        }
    }
    QCOMPARE(drawn.texts.size(), 3 + 36);
}

// Letters one per 9 units from x = 4; calculation lines from x = letters x
// 9 + 13, master numbers in #D05030 and the rest in black.
void TestChartRenderer::nameChartRows()
{
    const Person p;
    const NumerologyResult &r = p.r();
    const Recording drawn = drawField(QStringLiteral("Name"), p.data);
    QCOMPARE(drawn.fills.first().rect, QRectF(AT + QPointF(0, -1), QSizeF(649, 6 * 16 + 6)));

    // The name row of each group, letter by letter.
    const QString names[2] = {QStringLiteral("JOHN ADAM SMITH"), QStringLiteral("JOHN SMITH")};
    for (int group = 0; group < 2; ++group) {
        const double top = AT.y() + 3 + 16 * (3 * group + 1);
        QString row;
        for (const RecordedText &text : drawn.texts) {
            if (inRow(text, top) && text.position.x() < AT.x() + 4 + 9 * names[group].size()) {
                const int cell = int((textCentre(text) - AT.x() - 4) / 9);
                row.resize(qMax(row.size(), cell + 1), QLatin1Char(' '));
                row[cell] = text.text.at(0);
            }
        }
        QCOMPARE(row, names[group]);
    }

    // Each row's calculation line, starting after the letters.
    const QString lines[6] = {r.heartsDesireLine,      r.expressionLine,      r.personalityLine,
                              r.minorHeartsDesireLine, r.minorExpressionLine, r.minorPersonalityLine};
    for (int row = 0; row < 6; ++row) {
        const double left = AT.x() + (row < 3 ? 15 : 10) * 9 + 13;
        QString line;
        for (const RecordedText &text : drawn.texts) {
            if (inRow(text, AT.y() + 3 + 16 * row) && text.position.x() >= left - 0.01)
                line += text.text;
        }
        QCOMPARE(line, lines[row]);
    }
    // The short name's Personality ends in the master number 11.
    QCOMPARE(r.minorPersonalityLine, QStringLiteral("=5/14+6/15=11"));
    const QVector<RecordedText> eleven = drawn.textsEqualTo(QStringLiteral("11"));
    QCOMPARE(eleven.size(), 1);
    QCOMPARE(eleven.first().colour, MASTER_RED);
    QCOMPARE(onlyText(drawn, QStringLiteral("=5/14+6/15="))->colour, QColor(Qt::black));
}

using Runs = QVector<QPair<QString, bool>>;

void TestChartRenderer::masterNumberRuns_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Runs>("runs");
    const auto plain = [](const char *text) { return qMakePair(QString::fromLatin1(text), false); };
    const auto master = [](const char *text) { return qMakePair(QString::fromLatin1(text), true); };
    QTest::newRow("at the end") << "=5/14+6/15=11" << Runs{plain("=5/14+6/15="), master("11")};
    QTest::newRow("at the start") << "22/4" << Runs{master("22"), plain("/4")};
    QTest::newRow("between others") << "1/11/2" << Runs{plain("1/"), master("11"), plain("/2")};
    QTest::newRow("two in a row") << "=33=66" << Runs{plain("="), master("33"), plain("="), master("66")};
    QTest::newRow("three equal digits") << "=111" << Runs{plain("=111")};
    QTest::newRow("digit before") << "=511" << Runs{plain("=511")};
    QTest::newRow("unequal digits") << "=12=3" << Runs{plain("=12=3")};
    QTest::newRow("one digit") << "7" << Runs{plain("7")};
    QTest::newRow("empty") << "" << Runs{};
}

void TestChartRenderer::masterNumberRuns()
{
    QFETCH(QString, line);
    QFETCH(Runs, runs);
    QCOMPARE(::masterNumberRuns(line), runs);
}

void TestChartRenderer::nameChartMasterLetters_data()
{
    QTest::addColumn<bool>("reduceMasterLetters");
    QTest::addColumn<QStringList>("kCell"); // the consonant row's texts under K
    QTest::newRow("values reduced: the row's digit") << true << QStringList{"2"};
    QTest::newRow("values kept: 11 stacked") << false << QStringList{"1", "1"};
}

// KEVIN VALE: K (11) and V (22) stand in the consonant row.
void TestChartRenderer::nameChartMasterLetters()
{
    QFETCH(bool, reduceMasterLetters);
    QFETCH(QStringList, kCell);
    CalcOptions options;
    options.reduceMasterLetters = reduceMasterLetters;
    const Person p(QStringLiteral("Kevin Vale"), QStringLiteral("Kevin Vale"), options);
    const Recording drawn = drawField(QStringLiteral("Name"), p.data);
    const double consonantTop = AT.y() + 3 + 16 * 2;
    QStringList under;
    for (const RecordedText &text : drawn.texts) {
        if (text.position.y() > consonantTop && text.position.y() <= consonantTop + 16 &&
            textCentre(text) < AT.x() + 4 + 9)
            under.append(text.text);
    }
    QCOMPARE(under, kCell);
}

void TestChartRenderer::textFields_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("fieldFlag");
    QTest::addColumn<bool>("freeTextFlag");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QPointF>>("corners"); // of each text's rectangle, frame coordinates
    const QPointF value(1, 0);
    const QPointF caption(2, 2);
    QTest::newRow("full name") << "#full_name" << true << false << QStringList{"JOHN ADAM SMITH"}
                               << QList<QPointF>{value};
    QTest::newRow("short name") << "#short_name" << true << false << QStringList{"JOHN SMITH"}
                                << QList<QPointF>{value};
    QTest::newRow("birth date") << "#birthdate" << true << false << QStringList{"May 17 1990"}
                                << QList<QPointF>{value};
    QTest::newRow("print date") << "#print_date" << true << false << QStringList{"Jun 21 2024"}
                                << QList<QPointF>{value};
    QTest::newRow("numerologist") << "#numerologist" << true << false << QStringList{"Anna Weber"}
                                  << QList<QPointF>{value};
    QTest::newRow("other field: its caption")
        << "#page" << true << false << QStringList{"CAPTION"} << QList<QPointF>{caption};
    QTest::newRow("free text") << "#text" << false << true << QStringList{"CAPTION"}
                               << QList<QPointF>{caption};
    QTest::newRow("a field with a free text too")
        << "#short_name" << true << true << QStringList{"JOHN SMITH", "CAPTION"}
        << QList<QPointF>{value, caption};
    QTest::newRow("neither field nor free text")
        << "#page" << false << false << QStringList{} << QList<QPointF>{};
}

// Left and top aligned (alignment 1), so each text starts at its
// rectangle's corner.
void TestChartRenderer::textFields()
{
    QFETCH(QString, code);
    QFETCH(bool, fieldFlag);
    QFETCH(bool, freeTextFlag);
    QFETCH(QStringList, texts);
    QFETCH(QList<QPointF>, corners);
    const Person p;
    auto content = makeFieldContent(QStringLiteral("Text"));
    content->code = code;
    content->fieldFlag = fieldFlag;
    content->freeTextFlag = freeTextFlag;
    content->text = QStringLiteral("CAPTION");
    content->colour = QColor(10, 90, 20);
    const Recording drawn = drawElement(std::move(content), p.data);
    QCOMPARE(drawn.allTexts(), texts);
    for (int i = 0; i < texts.size(); ++i) {
        const RecordedText &text = drawn.texts.at(i);
        QCOMPARE(text.position.x(), AT.x() + corners.at(i).x());
        QVERIFY(text.position.y() > AT.y() + corners.at(i).y());
        QVERIFY(text.position.y() < AT.y() + corners.at(i).y() + 16);
        QCOMPARE(text.colour, QColor(10, 90, 20));
    }
}

void TestChartRenderer::textShrinksToFitItsBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels"); // the font's pixel size
    QTest::addColumn<QSizeF>("box");
    QTest::addColumn<bool>("shrinks");
    QTest::newRow("fits as it is") << "Text" << 11 << QSizeF(120, 25) << false;
    QTest::newRow("a large font in a small box") << "A large heading" << 40 << QSizeF(120, 25) << true;
    QTest::newRow("a word wider than its box") << "Numerologically" << 11 << QSizeF(40, 25) << true;
    QTest::newRow("several lines, too tall") << "one two three four five six" << 11 << QSizeF(60, 20) << true;
}

void TestChartRenderer::textShrinksToFitItsBox()
{
    QFETCH(QString, text);
    QFETCH(int, pixels);
    QFETCH(QSizeF, box);
    QFETCH(bool, shrinks);
    auto content = makeFieldContent(QStringLiteral("Text"));
    content->text = text;
    content->font.setPixelSize(pixels);
    content->size = box;
    const Recording drawn = drawElement(std::move(content), ChartDataContext());
    // Every word is drawn, whole, inside the box (the text's own rectangle
    // starts 2 units in; a baseline lies above the box's bottom).
    QCOMPARE(drawn.allTexts().join(QLatin1Char(' ')).simplified(), text);
    for (const RecordedText &run : drawn.texts) {
        const QFontMetricsF metrics(run.font);
        QVERIFY2(metrics.horizontalAdvance(run.text.trimmed()) <= box.width() - 2,
                 qPrintable(run.text + QStringLiteral(" at %1 px").arg(run.font.pixelSize())));
        QVERIFY(run.position.y() - metrics.ascent() >= AT.y() - 0.5);
        QVERIFY(run.position.y() + metrics.descent() <= AT.y() + box.height() + 0.5);
        QCOMPARE(run.font.pixelSize() < pixels, shrinks);
    }
}

void TestChartRenderer::barcodeAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("left"); // negative: nothing drawn
    // A QR symbol is square: in 120 x 25 units it is drawn 25 x 25.
    QTest::newRow("1 left") << 1 << 0.0;
    QTest::newRow("4 centred") << 4 << 47.5;
    QTest::newRow("2 right") << 2 << 95.0;
    QTest::newRow("8 nothing") << 8 << -1.0;
    QTest::newRow("0 nothing") << 0 << -1.0;
    QTest::newRow("132 (centred and vertically centred) nothing") << 132 << -1.0;
}

void TestChartRenderer::barcodeAlignment()
{
    QFETCH(int, alignment);
    QFETCH(double, left);
    auto content = makeFieldContent(QStringLiteral("Bar Codes"));
    content->text = QStringLiteral("HELLO WORLD");
    content->barcodeKind = 0;
    content->alignment = alignment;
    const Recording drawn = drawElement(std::move(content), ChartDataContext());
    if (left < 0) {
        QVERIFY(drawn.images.isEmpty());
        return;
    }
    QCOMPARE(drawn.images.size(), 1);
    QCOMPARE(drawn.images.first().target, QRectF(AT + QPointF(left, 0), QSizeF(25, 25)));
}

void TestChartRenderer::grid_data()
{
    QTest::addColumn<double>("stepX");
    QTest::addColumn<double>("stepY");
    QTest::addColumn<int>("lines");
    // On a page of 100 x 100 units: lines at step, 2 x step, ... below 100.
    QTest::newRow("steps of 1: no grid") << 1.0 << 1.0 << 0;
    QTest::newRow("steps of 10") << 10.0 << 10.0 << 18;
    QTest::newRow("one step of 1: no grid") << 10.0 << 1.0 << 0;
    QTest::newRow("no steps") << 0.0 << 0.0 << 0;
    QTest::newRow("steps of 1.5 and 50") << 1.5 << 50.0 << 66 + 1;
}

void TestChartRenderer::grid()
{
    QFETCH(double, stepX);
    QFETCH(double, stepY);
    QFETCH(int, lines);
    ChartPage page;
    page.size = QSizeF(100, 100);
    ChartRenderOptions options;
    options.gridStepX = stepX;
    options.gridStepY = stepY;
    RecordingDevice device;
    QPainter painter(&device);
    drawChartPage(painter, page, ChartDataContext(), options);
    painter.end();
    int grey = 0;
    for (const RecordedLine &line : device.engine.lines)
        grey += line.colour == QColor(222, 222, 222) ? 1 : 0;
    QCOMPARE(grey, lines);
    QCOMPARE(device.engine.lines.size(), lines);
}

void TestChartRenderer::backgroundModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("withImage");
    QTest::addColumn<QString>("expected"); // "none", "colour", "natural", "stretched"
    QTest::newRow("-1 with an image: none") << -1 << true << "none";
    QTest::newRow("0: colour") << 0 << true << "colour";
    QTest::newRow("1: natural size") << 1 << true << "natural";
    QTest::newRow("2: stretched") << 2 << true << "stretched";
    QTest::newRow("5: colour") << 5 << true << "colour";
    QTest::newRow("1 without an image: colour") << 1 << false << "colour";
}

void TestChartRenderer::backgroundModes()
{
    QFETCH(int, mode);
    QFETCH(bool, withImage);
    QFETCH(QString, expected);
    ChartPage page;
    page.size = QSizeF(300, 200);
    page.backgroundMode = mode;
    page.backgroundColour = QColor(9, 8, 7);
    if (withImage) {
        page.backgroundImage = QImage(30, 20, QImage::Format_ARGB32);
        page.backgroundImage.fill(Qt::red);
    }
    RecordingDevice device;
    QPainter painter(&device);
    drawChartPage(painter, page, ChartDataContext(), ChartRenderOptions());
    painter.end();
    const Recording &drawn = device.engine;
    if (expected == QLatin1String("none")) {
        QVERIFY(drawn.fills.isEmpty() && drawn.images.isEmpty());
    } else if (expected == QLatin1String("colour")) {
        QCOMPARE(drawn.fills.size(), 1);
        QCOMPARE(drawn.fills.first().rect, QRectF(0, 0, 300, 200));
        QCOMPARE(drawn.fills.first().colour, QColor(9, 8, 7));
        QVERIFY(drawn.images.isEmpty());
    } else {
        QCOMPARE(drawn.images.size(), 1);
        QCOMPARE(drawn.images.first().target,
                 expected == QLatin1String("natural") ? QRectF(0, 0, 30, 20) : QRectF(0, 0, 300, 200));
        QVERIFY(drawn.fills.isEmpty());
    }
}

void TestChartRenderer::frameLines_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("boundaries");
    QTest::addColumn<bool>("directBlocks");
    QTest::addColumn<QColor>("stroke"); // invalid: none
    const QColor frameColour(200, 0, 100);
    const QColor outline = ChartRenderOptions().outlineColour;
    QTest::newRow("frame line") << 1 << false << false << frameColour;
    QTest::newRow("frame line over the outline") << 1 << true << false << frameColour;
    QTest::newRow("outline") << 0 << true << false << outline;
    QTest::newRow("no outline when blocks are drawn") << 0 << true << true << QColor();
    QTest::newRow("nothing") << 0 << false << false << QColor();
}

void TestChartRenderer::frameLines()
{
    QFETCH(int, frame);
    QFETCH(bool, boundaries);
    QFETCH(bool, directBlocks);
    QFETCH(QColor, stroke);
    auto content = makeFieldContent(QStringLiteral("Text"));
    content->text.clear();
    content->frame = frame;
    content->frameColour = QColor(200, 0, 100);
    ChartRenderOptions options;
    options.boundaries = boundaries;
    options.directBlocks = directBlocks;
    const Recording drawn = drawElement(std::move(content), ChartDataContext(), options);
    if (!stroke.isValid()) {
        QVERIFY(drawn.strokes.isEmpty());
        return;
    }
    QCOMPARE(drawn.strokes.size(), 1);
    QCOMPARE(drawn.strokes.first().colour, stroke);
    QCOMPARE(drawn.strokes.first().bounds, QRectF(AT, QSizeF(120, 25)));
}

// A block view draws its block's thumbnail, or with the direct block flag
// the block page itself, fitted into the view.
void TestChartRenderer::blockViews()
{
    ChartDocument document;
    ChartPage *block = document.addBlock(QSizeF(240, 50), QStringLiteral("Block"));
    block->addItem(makeElement(makeFieldContent(QStringLiteral("Text")), QPointF(0, 0)))->content->text =
        QStringLiteral("INSIDE");

    ChartRenderOptions thumbnails;
    const Recording shown =
        drawElement(makeBlockViewContent(*block, ChartDataContext()), ChartDataContext(), thumbnails);
    QCOMPARE(shown.images.size(), 1);
    QCOMPARE(shown.images.first().target, QRectF(AT, QSizeF(240, 50)));
    QCOMPARE(shown.images.first().size, QSize(256, 256));
    QVERIFY(shown.texts.isEmpty());

    ChartRenderOptions direct;
    direct.directBlocks = true;
    const Recording drawn = drawElement(makeBlockViewContent(*block, ChartDataContext()), ChartDataContext(), direct);
    QVERIFY(drawn.images.isEmpty());
    QCOMPARE(drawn.allTexts(), QStringList{"INSIDE"});
    QCOMPARE(drawn.texts.first().position.x(), AT.x() + 2);
}

// Fitting scales by the smaller ratio and centres; the thumbnail is the
// page fitted into 256 x 256 on white.
void TestChartRenderer::fittingAndThumbnail()
{
    ChartPage page;
    page.size = QSizeF(840, 1188);
    page.backgroundMode = BACKGROUND_COLOUR;
    page.backgroundColour = QColor(0, 0, 255);
    page.addItem(makeElement(makeFieldContent(QStringLiteral("Text")), QPointF(0, 0)))->content->text =
        QStringLiteral("CORNER");

    RecordingDevice device;
    QPainter painter(&device);
    drawPageFitted(painter, page, QRectF(0, 0, 256, 256), ChartDataContext(), ChartRenderOptions());
    painter.end();
    const double scale = 256.0 / 1188;
    const double left = (256 - 840 * scale) / 2;
    QCOMPARE(device.engine.fills.first().rect, QRectF(left, 0, 840 * scale, 256));
    QVERIFY(qAbs(device.engine.texts.first().position.x() - (left + 2 * scale)) < 1e-6);

    const QImage thumbnail = renderThumbnail(page, ChartDataContext());
    QCOMPARE(thumbnail.size(), QSize(256, 256));
    QCOMPARE(thumbnail.pixelColor(5, 128), QColor(Qt::white));
    QCOMPARE(thumbnail.pixelColor(128, 128), QColor(0, 0, 255));
}

QTEST_MAIN(TestChartRenderer)
#include "test_chartrenderer.moc"
