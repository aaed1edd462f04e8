#include "numerologyreport.h"

#include "document/creporttools.h"
#include "document/reporthtml.h"
#include "document/reportsections.h"
#include "engine/cnumerology.h"
#include "engine/readingtext.h"
#include "texts/numberreading.h"
#include "texts/textstore.h"
#include "texts/topics.h"

#include <QStringList>

namespace {

using reporthtml::BR;
using reporthtml::CRLF;
using reporthtml::LINE_END;
const QString ROW_OPEN = QStringLiteral("<tr style=\"font-size: 12px; line-height: 1.2;\" >");
const QString ROW_END = QStringLiteral("</tr>\r\n");
const QString TABLE_END = QStringLiteral("<tr><td comment=\"st_ttd\"><p></p></td></tr></table>\r\n");
const QString NAME_TABLE_END = QStringLiteral("<tr><td comment=\"st_ttd\"><p></p></td></tr></table><p></p>\r\n");

// The "<br />" paragraph that ends the last block of a list.
QString breakIf(bool last)
{
    return last ? BR : QString();
}

QString num(int n)
{
    return QString::number(n);
}

// The character at position i of a row, or nothing past its end.
QString charAt(const QString &row, int i)
{
    return i >= 0 && i < row.size() ? QString(row.at(i)) : QString();
}

QString plainCell(const QString &content)
{
    return QLatin1String("<td comment=\"st_ttd\">") + content + QLatin1String("</td>");
}

QString boldCell(const QString &content)
{
    return QLatin1String("<td comment=\"st_ttd\"><b>") + content + QLatin1String("</b></td>");
}

QString join(const QList<int> &values)
{
    QStringList parts;
    for (const int v : values)
        parts.append(num(v));
    return parts.join(QLatin1String(", "));
}

QList<int> karmicDebts(const NumerologyReportValues &values)
{
    QList<int> debts;
    for (const int d : KARMIC_DEBT_NUMBERS)
        if (values.karmicDebtCounters[d] > 0)
            debts.append(d);
    return debts;
}

// --- name tables -------------------------------------------------------------

struct NameRows
{
    const QString &name;
    const QString &vowelRow;
    const QString &consonantRow;
    const QString &vowelLine;      // closing cell of each row
    const QString &letterLine;
    const QString &consonantLine;
};

// Three rows over a name: its vowel digits, its letters (K and V bold) and
// its consonant digits (K and V bold, showing their master values while
// letters keep them).
QString nameRows(const NameRows &rows, bool reduceMasterLetters)
{
    const int length = rows.name.size();
    QString html;

    html += ROW_OPEN;
    for (int p = 0; p < length; ++p)
        html += plainCell(charAt(rows.vowelRow, p));
    html += plainCell(rows.vowelLine) + ROW_END;

    html += ROW_OPEN;
    for (int p = 0; p < length; ++p) {
        const QChar c = rows.name.at(p);
        html += (c == QLatin1Char('K') || c == QLatin1Char('V')) ? boldCell(c) : plainCell(c);
    }
    html += plainCell(rows.letterLine) + ROW_END;

    html += ROW_OPEN;
    for (int p = 0; p < length; ++p) {
        const QChar c = rows.name.at(p);
        const QString digit = charAt(rows.consonantRow, p);
        if (c == QLatin1Char('K'))
            html += boldCell(reduceMasterLetters ? digit : QStringLiteral("11"));
        else if (c == QLatin1Char('V'))
            html += boldCell(reduceMasterLetters ? digit : QStringLiteral("22"));
        else
            html += plainCell(digit);
    }
    html += plainCell(rows.consonantLine) + ROW_END;
    return html;
}

QString planesTable(const NumerologyResult &r)
{
    // Columns 0..3 of the value grid are the planes, rows 0..2 the kinds;
    // row 3 and column 4 hold the totals.
    static const char *const PLANE_NAMES[4] = {"Mental<br />", "Physical<br />", "Emotional<br />",
                                               "Intuitive<br />"};
    static const char *const KINDS[3] = {"Creative<br />", "Dual<br />", "Grounded<br />"};
    const auto cell = [&r](int row, int column) { return r.planesValues[row * 5 + column]; };

    QString html = QStringLiteral(
        "<div style=\"page-break-inside:avoid; page-break-after:auto\">"
        "<table class=maindoc border=\"0\" comment=\"st_fs\" cellspacing=\"3\">"
        "<tr><td  colspan=\"5\"><b>Planes of expression</b></td></tr>\r\n");
    html += ROW_OPEN + QLatin1String("<td comment=\"st_ttd\" width=\"100\">") + QLatin1String(" ")
        + QLatin1String("</td>");
    for (int plane = 0; plane < 4; ++plane)
        html += QLatin1String("<td comment=\"st_ttd\" width=\"120\" align=\"center\"><b>")
            + QLatin1String(PLANE_NAMES[plane]) + cell(3, plane) + QLatin1String("</b></td>");
    html += ROW_END;
    for (int kind = 0; kind < 3; ++kind) {
        html += ROW_OPEN + QLatin1String("<td comment=\"st_ttd\" align=\"center\"><b>")
            + QLatin1String(KINDS[kind]) + cell(kind, 4) + QLatin1String("</b></td>");
        for (int plane = 0; plane < 4; ++plane)
            html += QLatin1String("<td comment=\"st_ttd\" align=\"center\">") + cell(kind, plane)
                + QLatin1String("</td>");
        html += ROW_END;
    }
    html += QLatin1String("<tr><td comment=\"st_ttd\"><p></p></td></tr></table></div>\r\n");
    return html;
}

// --- calendar, essence and transits ------------------------------------------

QString calendarTable(const CNumerology &chart)
{
    const NumerologyResult &r = chart.result();
    const QDate &forecast = r.forecastDate;
    QString html = QStringLiteral(
        "<table class=maindoc border=\"0\" comment=\"st_fs\" cellspacing=\"3\">"
        "<tr><td colspan=\"13\" align=\"left\"><b>Personal numbers calendar</b></td></tr>\r\n");

    html += ROW_OPEN + QLatin1String("<td comment=\"st_ttd\"  width=\"50\"><b>Years</b></td>");
    for (int y = r.forecastYear; y <= r.forecastYear + 11; ++y)
        html += QLatin1String("<td comment=\"st_ttd\" width=\"50\" align=\"center\">") + num(y)
            + QLatin1String("<br/>(") + num(chart.PersonalYear(y)) + QLatin1String(")</td>");
    html += ROW_END;

    const QString cellOpen = QStringLiteral("<td comment=\"st_ttd\" width=\"60\" align=\"center\">");
    html += ROW_OPEN + QLatin1String("<td comment=\"st_ttd\"><b>Months</b></td>");
    for (int m = 0; m < 12; ++m) {
        const QDate d = forecast.addMonths(m);
        html += cellOpen + MonthAbbreviation(d.month()) + QLatin1String(" (")
            + num(chart.PersonalMonth(d.year(), d.month())) + QLatin1String(")</td>");
    }
    html += ROW_END;

    html += ROW_OPEN + QLatin1String("<td comment=\"st_ttd\"><b>Days</b></td>");
    for (int k = 0; k < 12; ++k) {
        const QDate d = forecast.addDays(k);
        html += cellOpen + num(d.day()) + QLatin1String(" (") + num(chart.PersonalDay(d))
            + QLatin1String(")</td>");
    }
    html += ROW_END;
    html += TABLE_END;
    return html;
}

QString essenceTable(const NumerologyResult &r)
{
    const QString cellOpen = QStringLiteral("<td  comment=\"st_ttd\" width=\"18\" align=\"center\" >");
    const QString cellEnd = QStringLiteral("</td>");
    const int birthYear = r.birthDate.year();
    QString html;
    html.reserve(64 * 1024);
    html += QStringLiteral(
        "<table class=maindoc  border=\"0\" cellspacing=\"3\" comment=\"st_fs\">"
        "<tr><td colspan=\"101\" align=\"left\"><b>Essence and Transits Cycles</b></td></tr>\r\n");

    // Seven rows per group of 25 ages; each row is its label and one cell per age.
    for (int first = 0; first < 100; first += 25) {
        const auto row = [&](const QString &label, const auto &content) {
            html += ROW_OPEN + label;
            for (int age = first; age < first + 25; ++age) {
                html += cellOpen;
                html += content(age);
                html += cellEnd;
            }
            html += ROW_END;
        };
        row(QStringLiteral("<td comment=\"st_ttd\"  width='60'><b>Age</b></td>"),
            [](int age) { return num(age); });
        row(QStringLiteral("<td comment=\"st_ttd\"  width='60'><b>Year</b></td>"),
            [birthYear](int age) { return num((birthYear + age) % 100); });
        row(QStringLiteral("<td comment=\"st_ttd\" width='60'><b>Physical</b></td>"),
            [&r](int age) { return charAt(r.physicalTransits, age); });
        row(QStringLiteral("<td comment=\"st_ttd\" width='60'><b>Mental</b></td>"),
            [&r](int age) { return charAt(r.mentalTransits, age); });
        row(QStringLiteral("<td comment=\"st_ttd\" width='60'><b>Spiritual</b></td>"),
            [&r](int age) { return charAt(r.spiritualTransits, age); });
        row(QStringLiteral("<td comment=\"st_ttd\" width='60'><b>Total</b></td>"),
            [&r](int age) { return num(r.essenceTotals[age]); });
        row(QStringLiteral("<td comment=\"st_ttd\" width='60'><b>Essence</b></td>"),
            [&r](int age) { return num(r.essenceNumbers[age]); });
        html += QLatin1String("<tr><td comment=\"st_ttd\" colspan=\"101\" align=\"left\"><br /></td></tr>\r\n");
    }
    html += TABLE_END;
    return html;
}

// --- number sections ---------------------------------------------------------

// Writes the number sections; one member function per kind of section.
class SectionWriter
{
public:
    SectionWriter(const CNumerology &chart, const TextStore &texts, CReportTools &doc)
        : m_chart(chart)
        , m_r(chart.result())
        , m_v(chart.reportValues())
        , m_texts(texts)
        , m_doc(doc)
        , m_out(doc)
    {
    }

    void writeAll();

private:
    // A doubled master number of master mode 1 without an entry of its own
    // reads its reduced digit's entry (numberreading.h).
    QString text(int topic, int number) const { return numberReading(m_texts, topic, number); }

    // Block with the picture, the heading and the introduction, then a
    // split paragraph of the number's text.
    void usual(const char *picture, const QString &heading, int topic, int number);
    // One block: heading, then introduction and text in one paragraph.
    void single(const char *picture, const QString &heading, int topic, int number);
    // The usual first block, then one block per value of the list.
    void listed(const char *picture, const QString &heading, int topic, const QList<int> &list);

    void karmicDebtSections();
    void planesSections();
    void cycleSections();
    void bridgeSections();
    void forecastSections();
    void transitAndEssenceSections(int age);

    const CNumerology &m_chart;
    const NumerologyResult &m_r;
    const NumerologyReportValues &m_v;
    const TextStore &m_texts;
    CReportTools &m_doc;
    ReportSections m_out;
};

void SectionWriter::usual(const char *picture, const QString &heading, int topic, int number)
{
    m_out.section(QLatin1String(picture), heading, {text(topic, 0)});
    m_out.splitText(text(topic, number) + BR);
}

void SectionWriter::single(const char *picture, const QString &heading, int topic, int number)
{
    m_out.section(QLatin1String(picture), heading, {text(topic, 0) + BR + text(topic, number) + BR});
}

void SectionWriter::listed(const char *picture, const QString &heading, int topic,
                           const QList<int> &list)
{
    m_out.section(QLatin1String(picture), heading, {text(topic, 0)});
    for (int i = 0; i < list.size(); ++i)
        m_out.block({text(topic, list.at(i)), breakIf(i == list.size() - 1)});
}

void SectionWriter::karmicDebtSections()
{
    const QList<int> debts = karmicDebts(m_v);
    if (debts.isEmpty())
        return;
    m_out.section(QStringLiteral("res06.jpg"), QStringLiteral("Karmic Debts Numbers"),
                  {text(topics::KARMIC_DEBT, 0)});
    for (const int d : debts)
        m_out.section(QString(), QLatin1String("Karmic Debt Number: ") + num(d),
                      {text(topics::KARMIC_DEBT, d) + BR});
}

void SectionWriter::planesSections()
{
    m_out.section(QStringLiteral("res03.jpg"), QStringLiteral("Planes of Expression"),
                  {text(topics::PLANES, 0) + BR});
    // Mental, Physical, Emotional, Intuitive: plane number index and grid column.
    static const struct {
        const char *heading;
        int topic;
    } PLANE_SECTIONS[4] = {
        {"Planes of Expression Mental Number ", topics::PLANE_MENTAL},
        {"Planes of Expression Physical Number ", topics::PLANE_PHYSICAL},
        {"Planes of Expression Emotional Number ", topics::PLANE_EMOTIONAL},
        {"Planes of Expression Intuitive Number ", topics::PLANE_INTUITIVE},
    };
    for (int plane = 0; plane < 4; ++plane) {
        const int number = m_v.planeNumbers[plane];
        if (number <= 0)
            continue;
        m_out.section(QString(), QLatin1String(PLANE_SECTIONS[plane].heading) + m_r.planesValues[15 + plane],
                      {text(PLANE_SECTIONS[plane].topic, number) + BR});
    }
}

void SectionWriter::cycleSections()
{
    // Pinnacles: two headings in the first block, then one block per cycle.
    m_out.section(QStringLiteral("res13.jpg"),
                  {QLatin1String("Pinnacles Numbers ") + m_r.pinnaclesText,
                   QLatin1String("Age span for life cycles ") + m_r.ageSpansText},
                  {text(topics::PINNACLES, 0)});
    const auto cycle = [this](int k, const QString &interpretation) {
        // The last cycle's paragraph ends with a line break of its own.
        m_out.block({QLatin1String("<b>Life cycle ") + num(k + 1) + QLatin1String(" (") +
                     m_v.lifeCycleSpans[k] + QLatin1String(")</b> ") + interpretation +
                     (k == 3 ? BR : QString())});
    };
    for (int k = 0; k < 4; ++k)
        cycle(k, text(topics::PINNACLES, m_v.pinnacleDigits[k]));

    // Challenges: a challenge of 0 reads entry 1.
    m_out.section(QStringLiteral("res14.jpg"), QLatin1String("Challenges Numbers ") + m_r.challengesText,
                  {text(topics::CHALLENGES, 0) + BR});
    for (int k = 0; k < 4; ++k)
        cycle(k, text(topics::CHALLENGES, m_r.challenges[k] + 1));
}

void SectionWriter::bridgeSections()
{
    // A bridge of 0 reads entry 1; the pair text follows when there is one.
    m_out.section(QString(),
                  QLatin1String("Bridge Life Path - Expression ") + m_r.lifePathExpressionBridgeText,
                  {text(topics::BRIDGE_LIFE_PATH_EXPRESSION, 0)});
    const QString lpExPair = text(topics::PAIR_LIFE_PATH_EXPRESSION, m_v.lifePathExpressionPair);
    m_out.block({text(topics::BRIDGE_LIFE_PATH_EXPRESSION, m_v.lifePathExpressionBridge + 1),
                 lpExPair.isEmpty() ? QString() : BR + lpExPair, BR});

    m_out.section(QString(),
                  QLatin1String("Bridge Heart's Desire - Personality ") +
                      m_r.heartsDesirePersonalityBridgeText,
                  {text(topics::BRIDGE_HEARTS_DESIRE_PERSONALITY, 0)});
    const QString hdPPair = text(topics::PAIR_HEARTS_DESIRE_PERSONALITY, m_v.heartsDesirePersonalityPair);
    m_out.block({text(topics::BRIDGE_HEARTS_DESIRE_PERSONALITY, m_v.heartsDesirePersonalityBridge + 1),
                 hdPPair.isEmpty() ? QString() : BR + hdPPair + BR});
}

void SectionWriter::forecastSections()
{
    const QDate &forecast = m_r.forecastDate;
    const int year = m_r.forecastYear;

    // Personal Year: nine years from the forecast year.
    m_out.section(QStringLiteral("res15.jpg"),
                  QLatin1String("Personal Year Number: ") + num(m_chart.PersonalYear(year)),
                  {text(topics::PERSONAL_YEAR, 0)});
    for (int k = 0; k <= 8; ++k) {
        const int y = year + k;
        const int p = m_chart.PersonalYear(y);
        m_out.block(
            {num(y) + QLatin1String(" (") + num(p) + QLatin1String("). ") + text(topics::PERSONAL_YEAR, p),
             breakIf(k == 8)});
    }

    // Personal Month: twelve months from the forecast date.
    m_out.section(QStringLiteral("res15.jpg"),
                  QLatin1String("Personal Month Number: ") +
                      num(m_chart.PersonalMonth(year, forecast.month())),
                  {text(topics::PERSONAL_MONTH_DAY, 0)});
    for (int m = 0; m <= 11; ++m) {
        const QDate d = forecast.addMonths(m);
        const int p = m_chart.PersonalMonth(d.year(), d.month());
        m_out.block({num(d.month()) + QLatin1Char('/') + num(d.year()) + QLatin1String(" (") + num(p) +
                         QLatin1String("). ") + text(topics::PERSONAL_MONTH_DAY, p),
                     breakIf(m == 11)});
    }

    // Personal Day: nine days from the forecast date, without an introduction.
    m_out.section(QString(), QLatin1String("Personal Day Number: ") + num(m_chart.PersonalDay(forecast)));
    for (int k = 0; k <= 8; ++k) {
        const QDate d = forecast.addDays(k);
        const int p = m_chart.PersonalDay(d);
        m_out.block({num(d.month()) + QLatin1Char('/') + num(d.day()) + QLatin1Char('/') + num(d.year()) +
                         QLatin1String(" (") + num(p) + QLatin1String("). ") +
                         text(topics::PERSONAL_MONTH_DAY, p),
                     breakIf(k == 8)});
    }
}

void SectionWriter::transitAndEssenceSections(int age)
{
    m_out.section(QString(), QLatin1String("Transits for age ") + num(age), {text(topics::TRANSITS, 0)});
    const struct {
        const char *label;
        const QString &letters;
    } LEVELS[3] = {
        {"Physical", m_r.physicalTransits},
        {"Mental", m_r.mentalTransits},
        {"Spiritual", m_r.spiritualTransits},
    };
    for (const auto &level : LEVELS) {
        const QChar letter = age < level.letters.size() ? level.letters.at(age) : QChar();
        const bool lettered = letter >= QLatin1Char('A') && letter <= QLatin1Char('Z');
        m_out.block({QLatin1String(level.label),
                     lettered ? text(topics::TRANSITS, letter.unicode() - 64) : QString()});
    }

    // The essence block alone starts with a paragraph above its heading.
    m_doc.openBlock(true);
    m_doc.addParagraph(BR);
    m_doc.addHeading(QLatin1String("Essence for age ") + num(age) + QLatin1String(": ")
                     + num(m_r.essenceNumbers[age]) + QLatin1Char('/') + num(m_r.essenceTotals[age]));
    m_doc.addParagraph(text(topics::ESSENCE, 0));
    m_doc.closeBlock();
    m_out.block({text(topics::ESSENCE, m_r.essenceNumbers[age])});
}

void SectionWriter::writeAll()
{
    usual("res01.jpg", QLatin1String("Life Path Number ") + m_r.lifePathText, topics::LIFE_PATH,
          m_r.lifePath);
    usual("res02.jpg", QLatin1String("Birthday Number ") + m_r.birthdayText, topics::BIRTHDAY,
          m_r.birthDate.day());
    usual("res03.jpg", QLatin1String("Expression Number ") + m_r.expressionText, topics::EXPRESSION,
          m_r.expression);
    usual(nullptr, QLatin1String("Minor Expression Number ") + m_r.minorExpressionText,
          topics::MINOR_EXPRESSION, m_v.minorExpression);
    usual("res04.jpg", QLatin1String("Heart Desire Number ") + m_r.heartsDesireText, topics::HEARTS_DESIRE,
          m_v.heartsDesire);
    single(nullptr, QLatin1String("Minor Heart Desire Number ") + m_r.minorHeartsDesireText,
           topics::MINOR_HEARTS_DESIRE, m_v.minorHeartsDesire);
    if (m_r.chaldean && m_r.compoundNumber >= 10 && m_r.compoundNumber <= 99)
        single(nullptr, QLatin1String("Compound Number ") + num(m_r.compoundNumber), topics::COMPOUND,
               m_r.compoundNumber);
    single("res05.jpg", QLatin1String("Personality Number ") + m_r.personalityText, topics::PERSONALITY,
           m_v.personality);
    if (m_v.minorPersonality != m_v.personality)
        m_out.section(QString(), QLatin1String("Minor Personality Number ") + m_r.minorPersonalityText,
                      {text(topics::PERSONALITY, m_v.minorPersonality) + BR});
    karmicDebtSections();
    usual("res07.jpg", QLatin1String("Maturity Number ") + m_r.maturityText, topics::MATURITY, m_v.maturity);
    usual("res08.jpg", QLatin1String("Rational Thought Number ") + m_r.rationalThoughtText,
          topics::RATIONAL_THOUGHT, m_v.rationalThought);
    if (!m_v.karmicLessons.isEmpty())
        listed("res09.jpg", QLatin1String("Karmic Lessons Number ") + m_r.karmicLessonsText,
               topics::KARMIC_LESSONS, m_v.karmicLessons);
    single("res10.jpg", QLatin1String("Balance Number ") + m_r.balanceText, topics::BALANCE, m_v.balance);
    if (!m_v.hiddenPassions.isEmpty())
        listed("res11.jpg", QLatin1String("Hidden Passion Number ") + m_r.hiddenPassionText,
               topics::HIDDEN_PASSION, m_v.hiddenPassions);
    single("res12.jpg", QLatin1String("Subconscious Confidence Number ") + m_r.subconsciousConfidenceText,
           topics::SUBCONSCIOUS_CONFIDENCE, m_v.subconsciousConfidence);
    planesSections();
    cycleSections();
    bridgeSections();
    forecastSections();

    // Transits and essence exist for ages 0 to 99 only.
    const int age = CNumerology::AgeAt(m_r.birthDate, m_r.forecastDate);
    if (age >= 0 && age <= 99)
        transitAndEssenceSections(age);
}

} // namespace

QString BuildNumberSummary(const CNumerology &chart)
{
    const NumerologyResult &r = chart.result();
    const NumerologyReportValues &v = chart.reportValues();
    QString s;
    const auto line = [&s](const QString &text) { s += text + LINE_END; };

    line(QLatin1String("Life path number ") + r.lifePathText);
    line(QLatin1String("Birthday ") + r.birthdayText);
    const QList<int> debts = karmicDebts(v);
    if (!debts.isEmpty())
        line(QLatin1String("Karmic Debts ") + join(debts));
    line(QLatin1String("Expression number ") + r.expressionText);
    line(QLatin1String("Minor Expression number ") + r.minorExpressionText);
    line(QLatin1String("Heart Desire number ") + r.heartsDesireText);
    line(QLatin1String("Minor Heart Desire number ") + r.minorHeartsDesireText);
    if (r.chaldean && r.compoundNumber >= 10)
        line(QLatin1String("Compound number ") + num(r.compoundNumber));
    line(QLatin1String("Personality number ") + r.personalityText);
    line(QLatin1String("Minor personality number ") + r.minorPersonalityText);
    line(QLatin1String("Maturity number ") + r.maturityText);
    line(QLatin1String("Rational Thought number ") + r.rationalThoughtText);
    line(QLatin1String("Karmic Lessons numbers ") + r.karmicLessonsText);
    line(QLatin1String("Balance number ") + r.balanceText);
    line(QLatin1String("Hidden Passion number ") + r.hiddenPassionText);
    line(QLatin1String("Subconscious Confidence number ") + r.subconsciousConfidenceText);
    line(QLatin1String("Age span periods for challenges and pinnacles ") + r.ageSpansText);

    line(QLatin1String("Challenge numbers: ")
         + join(QList<int>{r.challenges[0], r.challenges[1], r.challenges[2], r.challenges[3]}));
    QStringList pinnacles;
    for (int i = 0; i < 4; ++i)
        pinnacles.append(v.pinnacles[i] == v.pinnacleDigits[i]
                             ? num(v.pinnacles[i])
                             : num(v.pinnacleDigits[i]) + QLatin1Char('/') + num(v.pinnacles[i]));
    line(QLatin1String("Pinnacle numbers: ") + pinnacles.join(QLatin1String(", ")));

    line(QLatin1String("Life Path periods ") + r.lifePathPeriodsText);
    line(QLatin1String("Time span of Life Path periods ") + r.periodSpansText);
    line(QLatin1String("Life Path - Expression Bridge number ") + r.lifePathExpressionBridgeText);
    line(QLatin1String("Heart's Desire - Personality Bridge number ") + r.heartsDesirePersonalityBridgeText);
    return s;
}

void BuildChartTables(const CNumerology &chart, CReportTools &doc)
{
    const NumerologyResult &r = chart.result();
    const bool reduceMasterLetters = chart.reportValues().reduceMasterLetters;

    // Full name: the table opens twice and closes once, as every report does.
    doc.appendHtml(QStringLiteral("<table class=maindoc border=\"0\" comment=\"st_fs\" cellspacing=\"3\" >"
                                  "<table class=maindoc border=\"0\" cellspacing=\"3\" >"
                                  "<tr><td colspan=\"__fullname__\"><b>Full name</b></td></tr>\r\n"));
    doc.appendHtml(nameRows({r.fullName, r.fullVowelRow, r.fullConsonantRow, r.heartsDesireLine,
                             r.expressionLine, r.personalityLine},
                            reduceMasterLetters));
    doc.appendHtml(NAME_TABLE_END);

    // Short name.
    doc.appendHtml(QStringLiteral("<table class=maindoc border=\"0\" comment=\"st_fs\" cellspacing=\"3\">"
                                  "<tr><td colspan=\"__shortname__\"><b>Short name</b></td></tr>\r\n"));
    doc.appendHtml(nameRows({r.shortName, r.shortVowelRow, r.shortConsonantRow, r.minorHeartsDesireLine,
                             r.minorExpressionLine, r.minorPersonalityLine},
                            reduceMasterLetters));
    doc.appendHtml(NAME_TABLE_END);

    doc.appendHtml(planesTable(r));

    // Master emphasis over everything after the head; the calendar and the
    // essence table come after it and stay plain.
    doc.emphasizeMasterNumbers(doc.bodyStart());
    doc.replaceInDocument(QStringLiteral("__shortname__"), num(r.shortName.size() + 1), doc.bodyStart());
    doc.replaceInDocument(QStringLiteral("__fullname__"), num(r.fullName.size() + 1), doc.bodyStart());

    doc.appendHtml(calendarTable(chart));
    doc.appendHtml(essenceTable(r));
}

void BuildNumerologyReport(const CNumerology &chart, const TextStore &texts, CReportTools &doc)
{
    const NumerologyResult &r = chart.result();
    doc.beginDocument(r.chaldean ? QStringLiteral("Sorvel Chaldean Numerology Report")
                                 : QStringLiteral("Sorvel Numerology Report"));

    // Title block.
    const QString summary = BuildNumberSummary(chart);
    doc.setSummaryText(summary);
    ReportSections out(doc);
    out.section(QString(),
                {r.chaldean ? QStringLiteral("Chaldean Numerology Chart for")
                            : QStringLiteral("Numerology Chart for"),
                 r.fullName + QLatin1String(" (") + r.shortName + QLatin1String("), ") +
                     MonthAbbreviation(r.birthDate.month()) + QLatin1Char(' ') + num(r.birthDate.day()) +
                     QLatin1Char(' ') + num(r.birthDate.year())},
                {summary});

    BuildChartTables(chart, doc);

    // The general note under the tables.
    out.section(QStringLiteral("res39.jpg"), QStringList(), {texts.text(topics::GENERAL_NOTES, 0) + BR + BR});

    SectionWriter(chart, texts, doc).writeAll();
    doc.endDocument();
}

// The last stage of CNumerology::CalcNumerology, defined beside the builder
// it calls so that the engine includes no report header.
void CNumerology::buildReport()
{
    BuildNumerologyReport(*this, textStore(), *this);
}
