// The eight charts a chart page can hold (kinds 11 to 15); the element
// table (chartelements.cpp) picks each one's drawer by the item's code. Each fills its area with the item's background colour
// (whose alpha is the "Opacity") and writes in the item's font and colour,
// on rows 16 units high that start 3 units down.

#include "chartdocument.h"
#include "chartrenderer.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/readingtext.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr double ROW_HEIGHT = 16.0;
constexpr double FIRST_ROW_TOP = 3.0;
constexpr Qt::Alignment LEFT_MIDDLE = Qt::AlignLeft | Qt::AlignVCenter;

// Calculation lines: master numbers (two equal digits standing alone) in
// this colour, everything else in black.
const QColor MASTER_NUMBER_COLOUR(0xD0, 0x50, 0x30);
const QColor CALCULATION_COLOUR(0x00, 0x00, 0x00);

double rowTop(int row)
{
    return FIRST_ROW_TOP + ROW_HEIGHT * row;
}

// The fill under a chart: from one unit above its first row, rows x 16 + 6
// units high.
void fillChart(QPainter &painter, const ChartItem &item, double width, int rows)
{
    painter.fillRect(QRectF(0, -1, width, rows * ROW_HEIGHT + 6), item.background);
}

const NumerologyResult *personResult(const ChartDataContext &data)
{
    return data.person ? &data.person->result() : nullptr;
}

// --- table charts ----------------------------------------------------------

struct TableRow
{
    const char *label;
    QString (*value)(const NumerologyResult &r);
};

QString withMinor(const QString &number, const QString &minor)
{
    return number + QLatin1String(" (") + minor + QLatin1Char(')');
}

// label                    value (texts of the person's result record)
const TableRow MAIN_FEATURES[] = {
    {"Life Path", [](const NumerologyResult &r) { return r.lifePathText; }},
    {"Birthday", [](const NumerologyResult &r) { return r.birthdayText; }},
    {"Expression (M)",
     [](const NumerologyResult &r) { return withMinor(r.expressionText, r.minorExpressionText); }},
    {"Heart Desire (M)",
     [](const NumerologyResult &r) { return withMinor(r.heartsDesireText, r.minorHeartsDesireText); }},
    {"Personality (M)",
     [](const NumerologyResult &r) { return withMinor(r.personalityText, r.minorPersonalityText); }},
    {"Karmic Debts", [](const NumerologyResult &r) { return r.karmicDebtsText; }},
};
const TableRow ADDITIONAL_FEATURES[] = {
    {"Maturity", [](const NumerologyResult &r) { return r.maturityText; }},
    {"Rational Thought", [](const NumerologyResult &r) { return r.rationalThoughtText; }},
    {"Karmic Lessons", [](const NumerologyResult &r) { return r.karmicLessonsText; }},
    {"Balance", [](const NumerologyResult &r) { return r.balanceText; }},
    {"Hidden Passion", [](const NumerologyResult &r) { return r.hiddenPassionText; }},
    {"Subcons.Confid.", [](const NumerologyResult &r) { return r.subconsciousConfidenceText; }},
};
const TableRow BRIDGES[] = {
    {"Life path - Expr.", [](const NumerologyResult &r) { return r.lifePathExpressionBridgeText; }},
    {"Heart D. - Pers.", [](const NumerologyResult &r) { return r.heartsDesirePersonalityBridgeText; }},
};
const TableRow LIFE_CYCLES[] = {
    {"Age span", [](const NumerologyResult &r) { return r.ageSpansText; }},
    {"Challenges", [](const NumerologyResult &r) { return r.challengesText; }},
    {"Pinnacles", [](const NumerologyResult &r) { return r.pinnaclesText; }},
    {"Personal Year", [](const NumerologyResult &r) { return r.personalYearText; }},
    {"LP Periods", [](const NumerologyResult &r) { return r.lifePathPeriodsText; }},
    {"LP Age Span", [](const NumerologyResult &r) { return r.periodSpansText; }},
};

struct TableChart
{
    const char *code;
    const TableRow *rows;
    int count;
};

template <int N> constexpr TableChart table(const char *code, const TableRow (&rows)[N])
{
    return {code, rows, N};
}

const TableChart TABLE_CHARTS[] = {
    table("Main Features", MAIN_FEATURES),
    table("Additional Features", ADDITIONAL_FEATURES),
    table("Life Cycles", LIFE_CYCLES),
    table("Bridges", BRIDGES),
};

const TableChart *findTable(const QString &code)
{
    for (const TableChart &chart : TABLE_CHARTS) {
        if (code == QLatin1String(chart.code))
            return &chart;
    }
    return nullptr;
}

constexpr double TABLE_WIDTH = 199.0;

// The table is drawn only when there are as many values as labels.
void tableChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data)
{
    const QStringList labels = chartTableLabels(item.code);
    const QStringList values = chartTableValues(item.code, personResult(data));
    fillChart(painter, item, TABLE_WIDTH, labels.size());
    if (values.size() != labels.size())
        return;
    for (int i = 0; i < labels.size(); ++i) {
        // A long calculation line shrinks to its cell rather than be cut.
        drawWholeText(painter, QRectF(4, rowTop(i), 96, ROW_HEIGHT), LEFT_MIDDLE, labels.at(i));
        drawWholeText(painter, QRectF(104, rowTop(i), 92, ROW_HEIGHT), LEFT_MIDDLE, values.at(i));
    }
}

// --- name chart --------------------------------------------------------------

constexpr double NAME_CHART_WIDTH = 649.0;
constexpr double LETTER_WIDTH = 9.0;
constexpr double LETTER_LEFT = 4.0;
constexpr double CALCULATION_GAP = 13.0; // calculation lines start at letters x 9 + 13

// One group of the name chart: digit rows around the name, each with its
// calculation line.
struct NameGroup
{
    QString vowels;
    QString name;
    QString consonants;
    QString vowelLine;     // Heart's Desire
    QString nameLine;      // Expression
    QString consonantLine; // Personality
};

void drawCalculationLine(QPainter &painter, double left, double top, const QString &line)
{
    const QFontMetricsF metrics(painter.font());
    double x = left;
    for (const auto &run : masterNumberRuns(line)) {
        const double width = metrics.horizontalAdvance(run.first);
        painter.setPen(run.second ? MASTER_NUMBER_COLOUR : CALCULATION_COLOUR);
        painter.drawText(QRectF(x, top, width + 1, ROW_HEIGHT), LEFT_MIDDLE | Qt::TextDontClip, run.first);
        x += width;
    }
}

// K (11) and V (22) keep their master values in the digit rows when the
// letter values are not reduced: the two digits stacked in the cell.
void drawStackedMaster(QPainter &painter, const QRectF &cell, QChar digit)
{
    painter.save();
    QFont small = painter.font();
    small.setPixelSize(qMax(1, int(small.pixelSize() * 0.7)));
    painter.setFont(small);
    const QRectF upper(cell.left(), cell.top(), cell.width(), cell.height() / 2);
    painter.drawText(upper, Qt::AlignCenter | Qt::TextDontClip, QString(digit));
    painter.drawText(upper.translated(0, cell.height() / 2), Qt::AlignCenter | Qt::TextDontClip,
                     QString(digit));
    painter.restore();
}

// One character per cell; in a digit row K and V may show their master values.
void drawNameRow(QPainter &painter, const QString &row, const QString &name, double top, bool masterDigits)
{
    for (int j = 0; j < row.size(); ++j) {
        const QRectF cell(LETTER_LEFT + LETTER_WIDTH * j, top, LETTER_WIDTH, ROW_HEIGHT);
        const QChar letter = j < name.size() ? name.at(j) : QChar();
        const bool master = letter == QLatin1Char('K') || letter == QLatin1Char('V');
        if (masterDigits && master && row.at(j) != QLatin1Char(' ')) {
            drawStackedMaster(painter, cell,
                              letter == QLatin1Char('K') ? QLatin1Char('1') : QLatin1Char('2'));
            continue;
        }
        painter.drawText(cell, Qt::AlignCenter | Qt::TextDontClip, QString(row.at(j)));
    }
}

void drawNameGroup(QPainter &painter, const ChartItem &item, const NameGroup &group, int firstRow,
                   bool masterLetters)
{
    const QString *rows[3] = {&group.vowels, &group.name, &group.consonants};
    const QString *lines[3] = {&group.vowelLine, &group.nameLine, &group.consonantLine};
    const double lineLeft = group.name.size() * LETTER_WIDTH + CALCULATION_GAP;
    for (int i = 0; i < 3; ++i) {
        const double top = rowTop(firstRow + i);
        painter.setPen(QPen(item.colour, 1, Qt::SolidLine));
        drawNameRow(painter, *rows[i], group.name, top, masterLetters && i != 1);
        drawCalculationLine(painter, lineLeft, top, *lines[i]);
    }
}

void nameChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data)
{
    fillChart(painter, item, NAME_CHART_WIDTH, 6);
    const NumerologyResult *r = personResult(data);
    if (!r)
        return;
    // K and V as 11 and 22 when the calculation kept master letters.
    const bool masterLetters = !r->chaldean && !data.person->reportValues().reduceMasterLetters;
    const NameGroup full{r->fullVowelRow,     r->fullName.toUpper(), r->fullConsonantRow,
                         r->heartsDesireLine, r->expressionLine,     r->personalityLine};
    const NameGroup brief{r->shortVowelRow,         r->shortName.toUpper(), r->shortConsonantRow,
                          r->minorHeartsDesireLine, r->minorExpressionLine, r->minorPersonalityLine};
    drawNameGroup(painter, item, full, 0, masterLetters);
    drawNameGroup(painter, item, brief, 3, masterLetters);
    painter.setPen(QPen(item.colour, 1, Qt::SolidLine));
    const double separator = rowTop(3);
    painter.drawLine(QPointF(2, separator), QPointF(NAME_CHART_WIDTH - 2, separator));
}

// --- psychomatrix and planes -------------------------------------------------

constexpr double GRID_CHART_WIDTH = 649.0;
constexpr int GRID_CHART_ROWS = 4;

// A digit cell: the caption and the digit as often as it occurs, "-" for none.
QString digitCell(const char *caption, const CNumerologyPMatrix &matrix, int digit)
{
    const int count = matrix.value(digit);
    const QString digits =
        count > 0 ? QString(count, QChar(QLatin1Char(char('0' + digit)))) : QStringLiteral("-");
    return QLatin1String(caption) + digits;
}

QString totalCell(const char *caption, const CNumerologyPMatrix &matrix, int line)
{
    return QLatin1String(caption) + QString::number(matrix.value(line));
}

void psychomatrixChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data)
{
    fillChart(painter, item, GRID_CHART_WIDTH, GRID_CHART_ROWS);
    if (!data.personMatrix)
        return;
    const CNumerologyPMatrix &m = *data.personMatrix;
    // Four rows of five cells, read row by row: the square's rows of 1-4-7,
    // 2-5-8 and 3-6-9 with their totals, then the column and diagonal totals.
    const QString cells[GRID_CHART_ROWS][5] = {
        {QString(), digitCell("Character ", m, 1), digitCell("Health ", m, 4), digitCell("Luck ", m, 7),
         totalCell("Purposeful - ", m, PM_PURPOSEFUL)},
        {QString(), digitCell("Energy ", m, 2), digitCell("Intuition ", m, 5), digitCell("Duty ", m, 8),
         totalCell("Family formation - ", m, PM_FAMILY)},
        {QString(), digitCell("Interest ", m, 3), digitCell("Labour ", m, 6), digitCell("Memory ", m, 9),
         totalCell("Stability - ", m, PM_STABILITY)},
        {totalCell("Sexual life - ", m, PM_SEXUAL_LIFE), totalCell("Self appraisal - ", m, PM_SELF_APPRAISAL),
         totalCell("Finance - ", m, PM_FINANCE), totalCell("Talent - ", m, PM_TALENT),
         totalCell("Spirituality - ", m, PM_SPIRITUALITY)},
    };
    for (int row = 0; row < GRID_CHART_ROWS; ++row) {
        for (int column = 0; column < 5; ++column)
            painter.drawText(QRectF(4 + 125 * column, rowTop(row), 125, ROW_HEIGHT), Qt::AlignCenter,
                             cells[row][column]);
    }
}

void planesChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data)
{
    fillChart(painter, item, GRID_CHART_WIDTH, GRID_CHART_ROWS);
    const NumerologyResult *r = personResult(data);
    if (!r)
        return;
    static const char *const PLANES[4] = {"Mental ", "Physical ", "Emotional ", "Intuitive "};
    static const char *const KINDS[3] = {"Creative", "Dual", "Grounded"};
    // The value grid: cell (row, column) at row * 5 + column; row 3 holds
    // the column totals, column 4 the row totals.
    const auto cell = [&](int row, int column) { return r->planesValues[row * 5 + column]; };
    for (int c = 0; c < 4; ++c)
        painter.drawText(QRectF(121 + 130 * c, rowTop(0), 130, ROW_HEIGHT), Qt::AlignCenter,
                         QLatin1String(PLANES[c]) + cell(3, c));
    for (int kind = 0; kind < 3; ++kind) {
        const double top = rowTop(kind + 1);
        for (int c = 0; c < 4; ++c)
            painter.drawText(QRectF(121 + 130 * c, top, 130, ROW_HEIGHT), Qt::AlignCenter, cell(kind, c));
        painter.drawText(QRectF(4, top, 113, ROW_HEIGHT), LEFT_MIDDLE,
                         QLatin1String(KINDS[kind]) + QLatin1Char(' ') + cell(kind, 4));
    }
}

// --- personal numbers calendar -----------------------------------------------

constexpr int CALENDAR_COLUMNS = 12;

void calendarChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data)
{
    fillChart(painter, item, GRID_CHART_WIDTH, 3);
    static const char *const CAPTIONS[3] = {"Years ", "Months", "Days"};
    for (int i = 0; i < 3; ++i)
        painter.drawText(QRectF(4, rowTop(i), 45, ROW_HEIGHT), LEFT_MIDDLE, QLatin1String(CAPTIONS[i]));
    if (!data.person || data.person->result().birthDayMonthDigit <= 0)
        return;
    const CNumerology &person = *data.person;
    const QDate forecast = person.result().forecastDate;
    const QDate start = forecast.isValid() ? forecast : QDate::currentDate();
    const auto withNumber = [](const QString &text, int number) -> QString {
        return text + QLatin1String(" (") + QString::number(number) + QLatin1Char(')');
    };
    for (int k = 0; k < CALENDAR_COLUMNS; ++k) {
        const double left = 48 + 50 * k;
        const int year = start.year() + k;
        const QDate month = start.addMonths(k);
        const QDate day = start.addDays(k);
        const QString texts[3] = {
            withNumber(QString::number(year), person.PersonalYear(year)),
            withNumber(MonthAbbreviation(month.month()), person.PersonalMonth(month.year(), month.month())),
            withNumber(QString::number(day.day()), person.PersonalDay(day)),
        };
        for (int row = 0; row < 3; ++row)
            painter.drawText(QRectF(left, rowTop(row), 55, ROW_HEIGHT), Qt::AlignCenter, texts[row]);
    }
}

// --- the drawers of the element table -----------------------------------------

// Every chart writes in the item's font and colour, antialiased.
void prepareChartPainter(QPainter &painter, const ChartItem &item)
{
    QFont font = item.font;
    font.setStyleStrategy(QFont::PreferAntialias);
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(item.colour, 1, Qt::SolidLine));
}

} // namespace

QVector<QPair<QString, bool>> masterNumberRuns(const QString &text)
{
    const auto digitAt = [&](int i) { return i >= 0 && i < text.size() && text.at(i).isDigit(); };
    QVector<QPair<QString, bool>> runs;
    QString plain;
    for (int i = 0; i < text.size(); ++i) {
        const bool master = digitAt(i) && digitAt(i + 1) && text.at(i) == text.at(i + 1) && !digitAt(i - 1) &&
                            !digitAt(i + 2);
        if (!master) {
            plain += text.at(i);
            continue;
        }
        if (!plain.isEmpty())
            runs.append({plain, false});
        plain.clear();
        runs.append({text.mid(i, 2), true});
        ++i;
    }
    if (!plain.isEmpty())
        runs.append({plain, false});
    return runs;
}

QStringList chartTableLabels(const QString &code)
{
    QStringList labels;
    if (const TableChart *chart = findTable(code)) {
        for (int i = 0; i < chart->count; ++i)
            labels.append(QLatin1String(chart->rows[i].label));
    }
    return labels;
}

QStringList chartTableValues(const QString &code, const NumerologyResult *result)
{
    QStringList values;
    const TableChart *chart = findTable(code);
    if (!chart || !result)
        return values;
    for (int i = 0; i < chart->count; ++i)
        values.append(chart->rows[i].value(*result));
    return values;
}

void drawNameChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data, const ChartRenderOptions &)
{
    prepareChartPainter(painter, item);
    nameChart(painter, item, data);
}

void drawPsychomatrixChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data, const ChartRenderOptions &)
{
    prepareChartPainter(painter, item);
    psychomatrixChart(painter, item, data);
}

void drawPlanesChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data, const ChartRenderOptions &)
{
    prepareChartPainter(painter, item);
    planesChart(painter, item, data);
}

void drawCalendarChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data, const ChartRenderOptions &)
{
    prepareChartPainter(painter, item);
    calendarChart(painter, item, data);
}

void drawTableChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data, const ChartRenderOptions &)
{
    prepareChartPainter(painter, item);
    tableChart(painter, item, data);
}
