#include "creporttools.h"

#include "programfolder.h"
#include "reporthtml.h"

namespace {

using reporthtml::CRLF;

// The head every report shares: XHTML 1.0 Transitional with one style block.
const char *const HEAD_LINES[] = {
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">",
    "<html xmlns=\"http://www.w3.org/1999/xhtml\">",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />",
    "<style type=\"text/css\">",
    "body { font-family: Arial, Helvetica, sans-serif; font-size: 16px; line-height: 1.6; color: #111111; }",
    "h2 { font-size: 18px; line-height: 1.4; color: #222222; margin-left: 4px; }",
    "table { page-break-inside:auto }",
    "tr { page-break-inside:avoid; page-break-after:auto }",
    "</style>",
};

const QString BLOCK_OPEN = QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n");
const QString BLOCK_CLOSE = QStringLiteral("</td></tr></table>\r\n");
// A further segment of a split text: a table of its own, without a width.
const QString SEGMENT_OPEN = QStringLiteral("<table class=maindoc border=\"0\"><tr><td>\r\n");
const QString MARKED_P = QStringLiteral("<p comment=\"st_fs\"   ");
const QString MARKED_TD = QStringLiteral("<td comment=\"st_fs\"   ");

// Replaces every occurrence of before in s from position from on, left to
// right and without overlaps, exactly as QString::replace does, but quicker
// for the reports' needles: a short one ("<p", "<td", "11") is found by its
// first character, a long one by the string search.
void replaceAll(QString &s, const QString &before, const QString &after, int from = 0)
{
    const int n = before.size();
    if (n == 0)
        return;
    const bool shortNeedle = n < 8;
    const QChar first = before.at(0);
    const auto next = [&](int pos) { return shortNeedle ? s.indexOf(first, pos) : s.indexOf(before, pos); };
    int at = next(qMax(from, 0));
    QString out;
    int copied = 0;
    while (at >= 0 && at <= s.size() - n) {
        if (!shortNeedle || s.midRef(at, n) == before) {
            if (out.isNull())
                out.reserve(s.size() + 64);
            out.append(s.constData() + copied, at - copied);
            out.append(after);
            at += n;
            copied = at;
        } else {
            ++at;
        }
        at = next(at);
    }
    if (out.isNull())
        return;  // nothing matched
    out.append(s.constData() + copied, s.size() - copied);
    s = out;
}

} // namespace

CReportTools::CReportTools(QObject *parent)
    : QObject(parent)
{
}

QString CReportTools::programImageFolder(const QString &subFolder)
{
    return programDataFolder() + QLatin1String("images/") + subFolder;
}

void CReportTools::beginDocument(const QString &title)
{
    // A rebuilt report is usually as long as the last one: allocate once.
    const int expected = m_document.size();
    m_document.clear();
    m_document.reserve(expected);
    for (const char *line : HEAD_LINES)
        m_document += QLatin1String(line) + CRLF;
    m_document += QLatin1String("<title>") + title + QLatin1String("</title>")
        + QLatin1String("</head><body style=\"background-color:#FFFFFF\">") + CRLF;
    m_bodyStart = m_document.size();
}

void CReportTools::openBlock(bool clearImage)
{
    m_document += BLOCK_OPEN;
    if (clearImage)
        m_pendingImage.clear();
}

void CReportTools::closeBlock()
{
    m_document += BLOCK_CLOSE;
    m_pendingImage.clear();
}

void CReportTools::setImageFile(const QString &fileName)
{
    m_pendingImage = QLatin1String("<img src=\"file:///") + m_imageFolder + fileName
        + QLatin1String("\" style=\"margin-left: 15px;\" align=\"right\" />");
}

void CReportTools::writeHeading(const QString &fontStyle, bool underline, bool italic, const QString &text)
{
    QString m;
    if (underline)
        m += QLatin1String("<u>");
    if (italic)
        m += QLatin1String("<i>");
    m += QLatin1String("<font style=\"") + fontStyle + QLatin1String("\">");
    m += text + QLatin1String("</font>");
    if (italic)
        m += QLatin1String("</i>");
    if (underline)
        m += QLatin1String("</u>");

    m_document += QLatin1String("<h2>") + m_pendingImage + m + QLatin1String("</h2>") + CRLF;
    m_pendingImage.clear();
}

// A 12-point font with no family, in black: the style names no size and no face.
void CReportTools::addHeading(const QString &text)
{
    static const QString BLACK = QStringLiteral(" color:#000000;");
    writeHeading(BLACK, false, false, text);
}

void CReportTools::addParagraph(const QString &text)
{
    if (!m_pendingImage.isEmpty() || !text.isEmpty()) {
        static const QString P = QStringLiteral("<p");
        static const QString TD = QStringLiteral("<td");
        QString marked = text;
        replaceAll(marked, P, MARKED_P);
        replaceAll(marked, TD, MARKED_TD);
        m_document += MARKED_P;
        m_document += QLatin1Char('>');
        m_document += m_pendingImage;
        m_document += marked;
        m_document += QLatin1String("</p>\r\n");
    }
    m_pendingImage.clear();
}

QString CReportTools::splitParagraphs(const QString &text, const QString &prefix,
                                      const QString &suffix)
{
    if (text.isEmpty())
        return QString();

    // Paragraph ends and every spelling of a line break become one separator.
    static const QString P_OPEN = QStringLiteral("<p>");
    static const QString P_CLOSE = QStringLiteral("</p>");
    static const QString BR = QStringLiteral("<br>");
    static const QString BR_SLASH = QStringLiteral("<br/>");
    static const QString BR_SPACE_SLASH = QStringLiteral("<br />");
    QString normal = text;
    replaceAll(normal, P_OPEN, QString());
    replaceAll(normal, P_CLOSE, BR);
    replaceAll(normal, BR_SLASH, BR);
    replaceAll(normal, BR_SPACE_SLASH, BR);
    const QStringList segments = normal.split(BR);

    // A span open at the end of a segment is closed there and opened again
    // at the start of the next, so every table stays well formed.
    QString result;
    QString reopen;
    for (int i = 0; i < segments.size(); ++i) {
        const QString &segment = segments.at(i);
        const int g = segment.lastIndexOf(QLatin1String("<span"));
        const int h = segment.lastIndexOf(QLatin1String("</span>"));
        const int k = segment.indexOf(QLatin1String("</span>"));
        const bool close = g > h || (!reopen.isEmpty() && k == -1);
        if (i == 0)
            result += prefix;
        else
            result += SEGMENT_OPEN + prefix + reopen;
        result += segment;
        if (close)
            result += QLatin1String("</span>");
        result += suffix + BLOCK_CLOSE;
        if (g > h) {
            // The opening tag up to its ">" (the rest of the segment when the
            // tag is cut off).
            const int end = segment.indexOf(QLatin1Char('>'), g);
            reopen = end < 0 ? segment.mid(g) : segment.mid(g, end - g + 1);
        }
        // A span that closes in this segment, even at its very start, ends
        // the carried styling.
        if (h >= 0 && h > g)
            reopen.clear();
    }
    return result;
}

void CReportTools::endDocument()
{
    static const QString WEIGHT_600 = QStringLiteral("font-weight:600");
    static const QString WEIGHT_BOLD = QStringLiteral("font-weight:bold");
    m_document += QLatin1String("</body></html>\r\n");
    m_pendingImage.clear();
    replaceAll(m_document, WEIGHT_600, WEIGHT_BOLD);
}

void CReportTools::replaceInDocument(const QString &before, const QString &after, int from)
{
    replaceAll(m_document, before, after, from);
}

void CReportTools::emphasizeMasterNumbers(int from)
{
    static const QString BOLD = QStringLiteral("<b>");
    static const QString BOLD_END = QStringLiteral("</b>");
    const QString &s = m_document;
    QString out;
    int copied = 0;
    bool inTag = false;
    for (int at = qMax(from, 0); at < s.size(); ++at) {
        const QChar c = s.at(at);
        if (inTag) {
            inTag = c != QLatin1Char('>');
            continue;
        }
        if (c == QLatin1Char('<')) {
            inTag = true;
            continue;
        }
        if (!c.isDigit())
            continue;
        int end = at;
        while (end < s.size() && s.at(end).isDigit())
            ++end;
        const bool reference = at > 0 && s.at(at - 1) == QLatin1Char('#');
        if (end - at == 2 && s.at(at) == s.at(at + 1) && s.at(at) != QLatin1Char('0') && !reference) {
            if (out.isNull())
                out.reserve(s.size() + 256);
            out.append(s.constData() + copied, at - copied);
            out += BOLD;
            out.append(s.constData() + at, 2);
            out += BOLD_END;
            copied = end;
        }
        at = end - 1;
    }
    if (out.isNull())
        return;
    out.append(s.constData() + copied, s.size() - copied);
    m_document = out;
}
