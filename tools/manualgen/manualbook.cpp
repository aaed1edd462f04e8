#include "manualbook.h"

#include "markdown.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

namespace manualgen {

static const QString CONTENTS_MARK = QStringLiteral("@contents");
static const QString INDEX_NAME = QStringLiteral("index");
// The start-up guide dialog opens manual/start.html below the manual folder.
static const QString START_NAME = QStringLiteral("start");

QString ManualPage::outputPath() const
{
    if (name == START_NAME)
        return QStringLiteral("manual/start.html");
    return name + QLatin1String(".html");
}

static bool readText(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return file.error() == QFileDevice::NoError;
}

bool ManualBook::load(const QString &sourceFolder)
{
    m_sourceFolder = sourceFolder;
    m_pages.clear();
    m_errors.clear();
    if (!readText(sourceFolder + QLatin1String("/template.html"), m_template))
        m_errors << QStringLiteral("template.html: cannot be read");

    ManualPage index;
    index.name = INDEX_NAME;
    m_pages << index;
    readContents(sourceFolder + QLatin1String("/contents.txt"));
    for (ManualPage &page : m_pages)
        readPage(sourceFolder + QLatin1Char('/') + page.name + QLatin1String(".md"), page);
    if (!m_pages.first().text.contains(CONTENTS_MARK))
        m_errors << QStringLiteral("index.md: no \"%1\" line for the list of pages").arg(CONTENTS_MARK);
    return m_errors.isEmpty();
}

void ManualBook::readContents(const QString &path)
{
    QString text;
    if (!readText(path, text)) {
        m_errors << QStringLiteral("contents.txt: cannot be read");
        return;
    }
    static const QRegularExpression groupForm(QStringLiteral("^\\[(.+)\\]$"));
    static const QRegularExpression nameForm(QStringLiteral("^[a-z0-9-]+$"));
    QString group;
    QSet<QString> names{INDEX_NAME};
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch match = groupForm.match(line);
        if (match.hasMatch()) {
            group = match.captured(1);
        } else if (!nameForm.match(line).hasMatch() || names.contains(line) || group.isEmpty()) {
            m_errors << QStringLiteral("contents.txt:%1: \"%2\" is not a new page name under a [Group]")
                            .arg(i + 1)
                            .arg(line);
        } else {
            ManualPage page;
            page.name = line;
            page.group = group;
            m_pages << page;
            names << line;
        }
    }
    if (!names.contains(START_NAME))
        m_errors
            << QStringLiteral("contents.txt: the start-up guide's page \"%1\" is missing").arg(START_NAME);
}

// A page opens with "key: value" lines up to the first blank line.
void ManualBook::readPage(const QString &path, ManualPage &page)
{
    const QString file = QFileInfo(path).fileName();
    QString text;
    if (!readText(path, text)) {
        m_errors << file + QLatin1String(": cannot be read");
        return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    int i = 0;
    for (; i < lines.size() && !lines.at(i).trimmed().isEmpty(); ++i) {
        const QString line = lines.at(i).trimmed();
        const int colon = line.indexOf(QLatin1String(": "));
        const QString key = line.left(colon);
        const QString value = line.mid(colon + 2).trimmed();
        if (colon > 0 && key == QLatin1String("title"))
            page.title = value;
        else if (colon > 0 && key == QLatin1String("summary"))
            page.summary = value;
        else if (colon > 0 && key == QLatin1String("icon"))
            page.icon = value;
        else
            m_errors
                << QStringLiteral("%1:%2: header lines are title:, summary: or icon:").arg(file).arg(i + 1);
    }
    if (page.title.isEmpty() || page.summary.isEmpty())
        m_errors << file + QLatin1String(": the header needs a title: and a summary: line");
    page.textLine = i + 1;
    page.text = lines.mid(i).join(QLatin1Char('\n'));
}

QString ManualBook::headingHtml(const ManualPage &page) const
{
    QString html = QStringLiteral("<header class=\"page-head\">");
    if (!page.icon.isEmpty())
        html += QStringLiteral("<img class=\"page-icon\" src=\"%1\" alt=\"\">").arg(escapeHtml(page.icon));
    html += QStringLiteral("<div><h1>%1</h1><p class=\"lead\">%2</p></div></header>")
                .arg(escapeHtml(page.title), escapeHtml(page.summary));
    return html;
}

// The list of pages on the contents page, one card per page, grouped. It is
// one raw HTML block of the page's Markdown: no blank lines inside.
QString ManualBook::contentsHtml() const
{
    QString html;
    QString group;
    for (int i = 1; i < m_pages.size(); ++i) {
        const ManualPage &page = m_pages.at(i);
        if (page.group != group) {
            if (!group.isEmpty())
                html += QLatin1String("</ul></section>\n");
            group = page.group;
            html += QStringLiteral("<section class=\"toc-group\"><h2 id=\"%1\">%2</h2><ul class=\"toc\">\n")
                        .arg(headingId(group), escapeHtml(group));
        }
        html += QStringLiteral("<li><a href=\"%1\">").arg(page.outputPath());
        if (!page.icon.isEmpty())
            html += QStringLiteral("<img src=\"%1\" alt=\"\">").arg(escapeHtml(page.icon));
        html += QStringLiteral("<span class=\"toc-text\"><span class=\"toc-title\">%1</span>"
                               "<span class=\"toc-summary\">%2</span></span></a></li>\n")
                    .arg(escapeHtml(page.title), escapeHtml(page.summary));
    }
    if (!group.isEmpty())
        html += QLatin1String("</ul></section>\n");
    return html;
}

QString ManualBook::sidebarHtml(int current) const
{
    QString html = QStringLiteral("<a class=\"side-home%1\" href=\"index.html\">Contents</a>\n")
                       .arg(current == 0 ? QStringLiteral(" current") : QString());
    QString group;
    for (int i = 1; i < m_pages.size(); ++i) {
        const ManualPage &page = m_pages.at(i);
        if (page.group != group) {
            if (!group.isEmpty())
                html += QLatin1String("</ul>\n");
            group = page.group;
            html += QStringLiteral("<h2>%1</h2>\n<ul>\n").arg(escapeHtml(group));
        }
        html += QStringLiteral("<li%1><a href=\"%2\">%3</a></li>\n")
                    .arg(i == current ? QStringLiteral(" class=\"current\"") : QString(), page.outputPath(),
                         escapeHtml(page.title));
    }
    if (!group.isEmpty())
        html += QLatin1String("</ul>\n");
    return html;
}

QString ManualBook::pagerHtml(int index) const
{
    QString html;
    if (index > 0) {
        const ManualPage &previous = m_pages.at(index - 1);
        html += QStringLiteral("<a class=\"prev\" rel=\"prev\" href=\"%1\"><span>Previous</span>%2</a>")
                    .arg(previous.outputPath(), escapeHtml(previous.title));
    }
    if (index + 1 < m_pages.size()) {
        const ManualPage &next = m_pages.at(index + 1);
        html += QStringLiteral("<a class=\"next\" rel=\"next\" href=\"%1\"><span>Next</span>%2</a>")
                    .arg(next.outputPath(), escapeHtml(next.title));
    }
    return html;
}

QString ManualBook::renderPage(int index)
{
    const ManualPage &page = m_pages.at(index);
    QString text = page.text;
    if (index == 0)
        text.replace(CONTENTS_MARK, contentsHtml());
    const MarkdownResult body = markdownToHtml(text, page.textLine);
    for (const QString &reason : body.errors)
        m_errors << page.name + QLatin1String(".md: ") + reason;

    // The body goes in last, so nothing it says is taken for a placeholder.
    QString html = m_template;
    html.replace(QLatin1String("{{title}}"), escapeHtml(page.title));
    html.replace(QLatin1String("{{heading}}"), headingHtml(page));
    html.replace(QLatin1String("{{sidebar}}"), sidebarHtml(index));
    html.replace(QLatin1String("{{pager}}"), pagerHtml(index));
    const int bodyAt = html.indexOf(QLatin1String("{{body}}"));
    const QString unfilled = QString(html).remove(QLatin1String("{{body}}"));
    if (bodyAt < 0 || unfilled.contains(QRegularExpression(QStringLiteral("\\{\\{[a-z]+\\}\\}")))) {
        m_errors << QStringLiteral("template.html: {{body}} missing or an unknown placeholder left");
        return QString();
    }
    html.replace(bodyAt, 8, body.html);
    const int depth = page.outputPath().count(QLatin1Char('/'));
    return rebaseAddresses(html, QStringLiteral("../").repeated(depth));
}

static bool writeFile(const QString &path, const QByteArray &bytes, QStringList &errors)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        errors << path + QLatin1String(": cannot be written: ") + file.errorString();
        return false;
    }
    return true;
}

bool ManualBook::write(const QString &outputFolder)
{
    QDir out(outputFolder);
    if (!out.mkpath(QStringLiteral("manual"))) {
        m_errors << outputFolder + QLatin1String(": the folder cannot be made");
        return false;
    }
    QSet<QString> written;
    for (int i = 0; i < m_pages.size(); ++i) {
        const QString html = renderPage(i);
        const QString path = out.filePath(m_pages.at(i).outputPath());
        if (!html.isEmpty() && writeFile(path, html.toUtf8(), m_errors))
            written << QFileInfo(path).absoluteFilePath();
    }
    QString css;
    if (!readText(m_sourceFolder + QLatin1String("/manual.css"), css))
        m_errors << QStringLiteral("manual.css: cannot be read");
    else
        writeFile(out.filePath(QStringLiteral("manual.css")), css.toUtf8(), m_errors);

    // A page renamed or dropped since the last run would stay reachable by
    // its old address and show stale text: remove it.
    for (const QString &folder : {out.path(), out.filePath(QStringLiteral("manual"))}) {
        for (const QFileInfo &info : QDir(folder).entryInfoList({QStringLiteral("*.html")}, QDir::Files)) {
            if (!written.contains(info.absoluteFilePath()))
                QFile::remove(info.absoluteFilePath());
        }
    }
    return m_errors.isEmpty();
}

QString rebaseAddresses(const QString &html, const QString &prefix)
{
    if (prefix.isEmpty())
        return html;
    static const QRegularExpression address(QStringLiteral("(?<![\\w-])(href|src)=\"([^\"]*)\""));
    static const QRegularExpression absolute(QStringLiteral("^(?:[A-Za-z][A-Za-z0-9+.-]*:|#|/)"));
    QString out;
    int last = 0;
    QRegularExpressionMatchIterator it = address.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        out += html.midRef(last, match.capturedStart(2) - last);
        if (!absolute.match(match.captured(2)).hasMatch())
            out += prefix;
        out += match.captured(2);
        last = match.capturedEnd(2);
    }
    out += html.midRef(last);
    return out;
}

} // namespace manualgen
