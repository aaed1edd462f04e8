#include "markdown.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace manualgen {

QString escapeHtml(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            out += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            out += QLatin1String("&gt;");
        else if (c == QLatin1Char('"'))
            out += QLatin1String("&quot;");
        else
            out += c;
    }
    return out;
}

QString headingId(const QString &text)
{
    QString id;
    bool gap = false;
    for (const QChar c : text.toLower()) {
        if (c == QLatin1Char('\'') || c == QChar(0x2019))
            continue; // "Heart's" reads as one word
        if (c.isLetterOrNumber()) {
            if (gap && !id.isEmpty())
                id += QLatin1Char('-');
            id += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return id;
}

namespace {

// sorvel-cli's arguments as a shell would split them: blanks separate,
// double quotes keep blanks inside one argument.
bool splitArguments(const QString &text, QStringList &args)
{
    QString current;
    bool quoted = false;
    bool started = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            started = true;
        } else if (c.isSpace() && !quoted) {
            if (started)
                args << current;
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started)
        args << current;
    return !quoted;
}

// The inline marks of one paragraph, list item or table cell.
class InlineConverter
{
public:
    explicit InlineConverter(bool inExample)
        : m_inExample(inExample)
    {
    }

    QString convert(const QString &text);
    const QStringList &errors() const { return m_errors; }
    int checks() const { return m_checks; }

private:
    // Each reader starts at text[i]; on success it appends to out, moves i
    // past the construct and returns true.
    bool readCode(const QString &text, int &i, QString &out);
    bool readCheck(const QString &text, int &i, QString &out);
    bool readCaption(const QString &text, int &i, QString &out);
    bool readLinkOrImage(const QString &text, int &i, QString &out);
    bool readEmphasis(const QString &text, int &i, QString &out);
    bool readTagOrEntity(const QString &text, int &i, QString &out);

    bool m_inExample;
    int m_checks = 0;
    QStringList m_errors;
};

QString InlineConverter::convert(const QString &text)
{
    QString out;
    int i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size() && text.at(i + 1).isPunct()) {
            out += escapeHtml(text.at(i + 1));
            i += 2;
            continue;
        }
        if (readCode(text, i, out) || readCheck(text, i, out) || readCaption(text, i, out) ||
            readLinkOrImage(text, i, out) || readEmphasis(text, i, out) || readTagOrEntity(text, i, out))
            continue;
        out += escapeHtml(c);
        ++i;
    }
    return out;
}

bool InlineConverter::readCode(const QString &text, int &i, QString &out)
{
    if (text.at(i) != QLatin1Char('`'))
        return false;
    const int end = text.indexOf(QLatin1Char('`'), i + 1);
    if (end < 0)
        return false;
    out += QLatin1String("<code>") + escapeHtml(text.mid(i + 1, end - i - 1)) + QLatin1String("</code>");
    i = end + 1;
    return true;
}

bool InlineConverter::readCheck(const QString &text, int &i, QString &out)
{
    if (!text.midRef(i).startsWith(QLatin1String("{{")))
        return false;
    const int end = text.indexOf(QLatin1String("}}"), i + 2);
    if (end < 0)
        return false;
    const QString inner = text.mid(i + 2, end - i - 2);
    static const QRegularExpression form(QStringLiteral("^([A-Za-z]+(?:\\[\\d+\\])?): (.+)$"));
    const QRegularExpressionMatch match = form.match(inner);
    if (!match.hasMatch())
        m_errors << QStringLiteral("a checked number reads {{key: value}}, not {{%1}}").arg(inner);
    else if (!m_inExample)
        m_errors << QStringLiteral("the checked number {{%1}} stands outside a worked example").arg(inner);
    else
        ++m_checks;
    out += QLatin1String("<span class=\"num\" data-check=\"") + escapeHtml(match.captured(1)) +
           QLatin1String("\">") + escapeHtml(match.captured(2)) + QLatin1String("</span>");
    i = end + 2;
    return true;
}

bool InlineConverter::readCaption(const QString &text, int &i, QString &out)
{
    if (!text.midRef(i).startsWith(QLatin1String("[[")))
        return false;
    const int end = text.indexOf(QLatin1String("]]"), i + 2);
    if (end < 0)
        return false;
    out += QLatin1String("<span class=\"ui\">") + escapeHtml(text.mid(i + 2, end - i - 2)) +
           QLatin1String("</span>");
    i = end + 2;
    return true;
}

bool InlineConverter::readLinkOrImage(const QString &text, int &i, QString &out)
{
    const bool image = text.midRef(i).startsWith(QLatin1String("!["));
    if (!image && text.at(i) != QLatin1Char('['))
        return false;
    const int open = image ? i + 1 : i;
    // The label ends at the first "]", which must be followed by the "(url)".
    const int close = text.indexOf(QLatin1Char(']'), open);
    if (close < 0 || !text.midRef(close).startsWith(QLatin1String("](")))
        return false;
    const int end = text.indexOf(QLatin1Char(')'), close + 2);
    if (end < 0)
        return false;
    const QString label = text.mid(open + 1, close - open - 1);
    const QString url = text.mid(close + 2, end - close - 2).trimmed();
    if (image)
        out += QLatin1String("<img src=\"") + escapeHtml(url) + QLatin1String("\" alt=\"") +
               escapeHtml(label) + QLatin1String("\">");
    else
        out += QLatin1String("<a href=\"") + escapeHtml(url) + QLatin1String("\">") + convert(label) +
               QLatin1String("</a>");
    i = end + 1;
    return true;
}

bool InlineConverter::readEmphasis(const QString &text, int &i, QString &out)
{
    if (text.at(i) != QLatin1Char('*'))
        return false;
    const bool strong = text.midRef(i).startsWith(QLatin1String("**"));
    const QString mark = strong ? QStringLiteral("**") : QStringLiteral("*");
    const int start = i + mark.size();
    // "2 * 3" is arithmetic, not emphasis: the mark must touch its words.
    if (start >= text.size() || text.at(start).isSpace())
        return false;
    const int end = text.indexOf(mark, start);
    if (end <= start || text.at(end - 1).isSpace())
        return false;
    const QLatin1String tag = strong ? QLatin1String("strong") : QLatin1String("em");
    out += QLatin1Char('<') + tag + QLatin1Char('>') + convert(text.mid(start, end - start)) +
           QLatin1String("</") + tag + QLatin1Char('>');
    i = end + mark.size();
    return true;
}

bool InlineConverter::readTagOrEntity(const QString &text, int &i, QString &out)
{
    // Anchored at i by the match option (a "^" would anchor at the text's start).
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][^<>]*>"));
    static const QRegularExpression entity(QStringLiteral("&(?:[A-Za-z]+|#[0-9]+|#x[0-9A-Fa-f]+);"));
    const QChar c = text.at(i);
    if (c != QLatin1Char('<') && c != QLatin1Char('&'))
        return false;
    const QRegularExpressionMatch match =
        (c == QLatin1Char('<') ? tag : entity)
            .match(text, i, QRegularExpression::NormalMatch, QRegularExpression::AnchoredMatchOption);
    if (!match.hasMatch())
        return false;
    out += match.captured(0);
    i += match.capturedLength(0);
    return true;
}

// The blocks of one page, in order.
class BlockConverter
{
public:
    BlockConverter(const QString &text, int firstLine)
        : m_lines(text.split(QLatin1Char('\n')))
        , m_firstLine(firstLine)
    {
        for (QString &line : m_lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
    }

    MarkdownResult run();

private:
    bool atEnd() const { return m_pos >= m_lines.size(); }
    const QString &line() const { return m_lines.at(m_pos); }
    bool startsOtherBlock(const QString &line) const;
    void error(int index, const QString &reason);
    QString inlineHtml(const QString &text, int index);

    void fence();
    void heading();
    void list();
    void table();
    void rawHtml();
    void paragraph();

    QStringList m_lines;
    int m_firstLine;
    int m_pos = 0;
    QString m_html;
    QStringList m_errors;
    QStringList m_ids;
    // The open :::example, :::note or :::tip, if any.
    QString m_fenceKind;
    int m_fenceLine = -1;
    int m_exampleChecks = 0;
};

const QRegularExpression &listItemForm()
{
    static const QRegularExpression form(QStringLiteral("^(- |\\d+\\. )(.*)$"));
    return form;
}

const QRegularExpression &headingForm()
{
    static const QRegularExpression form(QStringLiteral("^(#{2,3}) +(.+?)(?: +\\{#([a-z0-9-]+)\\})?$"));
    return form;
}

MarkdownResult BlockConverter::run()
{
    while (!atEnd()) {
        if (line().trimmed().isEmpty())
            ++m_pos;
        else if (line().startsWith(QLatin1String(":::")))
            fence();
        else if (line().startsWith(QLatin1Char('#')))
            heading();
        else if (listItemForm().match(line()).hasMatch())
            list();
        else if (line().startsWith(QLatin1Char('|')))
            table();
        else if (line().startsWith(QLatin1Char('<')))
            rawHtml();
        else
            paragraph();
    }
    if (!m_fenceKind.isEmpty())
        error(m_fenceLine, QStringLiteral(":::%1 is never closed").arg(m_fenceKind));
    return {m_html, m_errors};
}

bool BlockConverter::startsOtherBlock(const QString &line) const
{
    return line.startsWith(QLatin1String(":::")) || line.startsWith(QLatin1Char('#')) ||
           line.startsWith(QLatin1Char('|')) || listItemForm().match(line).hasMatch();
}

void BlockConverter::error(int index, const QString &reason)
{
    m_errors << QStringLiteral("line %1: %2").arg(m_firstLine + index).arg(reason);
}

QString BlockConverter::inlineHtml(const QString &text, int index)
{
    InlineConverter converter(m_fenceKind == QLatin1String("example"));
    const QString html = converter.convert(text);
    m_exampleChecks += converter.checks();
    for (const QString &reason : converter.errors())
        error(index, reason);
    return html;
}

void BlockConverter::fence()
{
    static const QRegularExpression form(QStringLiteral("^:::(\\w*) *(.*)$"));
    const QRegularExpressionMatch match = form.match(line());
    const QString kind = match.captured(1);
    const int index = m_pos++;
    if (kind.isEmpty()) {
        if (m_fenceKind.isEmpty()) {
            error(index, QStringLiteral("::: closes nothing"));
            return;
        }
        if (m_fenceKind == QLatin1String("example") && m_exampleChecks == 0)
            error(m_fenceLine, QStringLiteral("a worked example without a checked number"));
        m_html += QLatin1String("</aside>\n");
        m_fenceKind.clear();
        return;
    }
    if (!m_fenceKind.isEmpty()) {
        error(index, QStringLiteral(":::%1 inside :::%2").arg(kind, m_fenceKind));
        return;
    }
    m_fenceKind = kind;
    m_fenceLine = index;
    m_exampleChecks = 0;
    if (kind == QLatin1String("example")) {
        QStringList args;
        if (!splitArguments(match.captured(2), args) || args.isEmpty())
            error(index, QStringLiteral("a worked example names the sorvel-cli arguments that check it"));
        // Single quotes around the attribute: the JSON inside is full of double quotes.
        const QString json =
            QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(args)).toJson(QJsonDocument::Compact));
        QString attribute = json.toHtmlEscaped();
        attribute.replace(QLatin1Char('\''), QLatin1String("&#39;"));
        m_html += QLatin1String("<aside class=\"example\" data-cli='") + attribute +
                  QLatin1String("'>\n<p class=\"example-label\">Worked example</p>\n");
    } else if (kind == QLatin1String("note") || kind == QLatin1String("tip")) {
        m_html += QLatin1String("<aside class=\"") + kind + QLatin1String("\">\n");
    } else {
        error(index, QStringLiteral("unknown block :::%1").arg(kind));
        m_fenceKind = QStringLiteral("note");
        m_html += QLatin1String("<aside>\n");
    }
}

void BlockConverter::heading()
{
    const QRegularExpressionMatch match = headingForm().match(line());
    const int index = m_pos++;
    if (!match.hasMatch()) {
        error(index, QStringLiteral("headings are ## or ### and some text (the page title is the h1)"));
        return;
    }
    const QString level = QString::number(match.captured(1).size());
    QString id = match.captured(3);
    if (id.isEmpty())
        id = headingId(match.captured(2));
    if (m_ids.contains(id))
        error(index, QStringLiteral("a second heading with the id \"%1\"").arg(id));
    m_ids << id;
    m_html += QLatin1String("<h") + level + QLatin1String(" id=\"") + id + QLatin1String("\">") +
              inlineHtml(match.captured(2), index) + QLatin1String("</h") + level + QLatin1String(">\n");
}

void BlockConverter::list()
{
    const bool ordered = !line().startsWith(QLatin1Char('-'));
    const QLatin1String tag = ordered ? QLatin1String("ol") : QLatin1String("ul");
    m_html += QLatin1Char('<') + tag + QLatin1String(">\n");
    while (!atEnd()) {
        const QRegularExpressionMatch match = listItemForm().match(line());
        if (!match.hasMatch() || match.captured(1).startsWith(QLatin1Char('-')) == ordered)
            break;
        const int index = m_pos++;
        QString item = match.captured(2);
        while (!atEnd() && line().startsWith(QLatin1String("  ")) && !line().trimmed().isEmpty())
            item += QLatin1Char(' ') + m_lines.at(m_pos++).trimmed();
        m_html += QLatin1String("<li>") + inlineHtml(item, index) + QLatin1String("</li>\n");
    }
    m_html += QLatin1String("</") + tag + QLatin1String(">\n");
}

// The cells of one table line; "\|" stands for a bar inside a cell.
QStringList tableCells(QString line)
{
    line = line.trimmed();
    line.replace(QLatin1String("\\|"), QChar(0xE000));
    if (line.startsWith(QLatin1Char('|')))
        line.remove(0, 1);
    if (line.endsWith(QLatin1Char('|')))
        line.chop(1);
    QStringList cells = line.split(QLatin1Char('|'));
    for (QString &cell : cells)
        cell = cell.trimmed().replace(QChar(0xE000), QLatin1Char('|'));
    return cells;
}

void BlockConverter::table()
{
    static const QRegularExpression ruleCell(QStringLiteral("^:?-+:?$"));
    const int first = m_pos;
    QList<QStringList> rows;
    while (!atEnd() && line().startsWith(QLatin1Char('|')))
        rows << tableCells(m_lines.at(m_pos++));
    QStringList aligns;
    bool ruled = rows.size() >= 2;
    for (const QString &cell : ruled ? rows.at(1) : QStringList()) {
        ruled = ruled && ruleCell.match(cell).hasMatch();
        const bool left = cell.startsWith(QLatin1Char(':'));
        const bool right = cell.endsWith(QLatin1Char(':'));
        aligns << (left && right ? QStringLiteral(" class=\"c\"")
                   : right       ? QStringLiteral(" class=\"r\"")
                                 : QString());
    }
    if (!ruled) {
        error(first, QStringLiteral("a table's second line is its |---| rule"));
        return;
    }
    m_html += QLatin1String("<div class=\"table\"><table>\n");
    for (int r = 0; r < rows.size(); ++r) {
        if (r == 1)
            continue;
        if (rows.at(r).size() != aligns.size())
            error(first + r,
                  QStringLiteral("%1 cells where the rule has %2").arg(rows.at(r).size()).arg(aligns.size()));
        const QLatin1String cellTag = r == 0 ? QLatin1String("th") : QLatin1String("td");
        m_html += QLatin1String("<tr>");
        for (int c = 0; c < rows.at(r).size(); ++c) {
            m_html += QLatin1Char('<') + cellTag + aligns.value(c) + QLatin1Char('>') +
                      inlineHtml(rows.at(r).at(c), first + r) + QLatin1String("</") + cellTag +
                      QLatin1Char('>');
        }
        m_html += QLatin1String("</tr>\n");
    }
    m_html += QLatin1String("</table></div>\n");
}

void BlockConverter::rawHtml()
{
    // Raw HTML may carry checked numbers too (a name written as the name
    // panel shows it); they follow the same rule as {{key: value}}.
    static const QLatin1String check("data-check=\"");
    while (!atEnd() && !line().trimmed().isEmpty()) {
        const int checks = line().count(check);
        if (checks > 0 && m_fenceKind != QLatin1String("example"))
            error(m_pos, QStringLiteral("a checked number stands outside a worked example"));
        m_exampleChecks += checks;
        m_html += m_lines.at(m_pos++) + QLatin1Char('\n');
    }
}

void BlockConverter::paragraph()
{
    const int first = m_pos;
    QStringList text;
    text << m_lines.at(m_pos++).trimmed();
    while (!atEnd() && !line().trimmed().isEmpty() && !startsOtherBlock(line()))
        text << m_lines.at(m_pos++).trimmed();
    m_html += QLatin1String("<p>") + inlineHtml(text.join(QLatin1Char(' ')), first) + QLatin1String("</p>\n");
}

} // namespace

MarkdownResult markdownToHtml(const QString &text, int firstLine)
{
    return BlockConverter(text, firstLine).run();
}

} // namespace manualgen
