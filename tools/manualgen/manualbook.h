#pragma once

// The manual as a book: the contents list, one page per topic, one template
// and one style sheet, written as the HTML pages the Guide page shows.
//
// Source folder:
//   contents.txt   "[Group]" lines and page names, in reading order
//   index.md       the contents page; a line "@contents" becomes the list of pages
//   NAME.md        a page: "title:", "summary:" and optional "icon:" lines,
//                  a blank line, then the text (markdown.h)
//   template.html  the frame of every page ({{title}}, {{heading}}, {{sidebar}},
//                  {{body}}, {{pager}})
//   manual.css     copied beside index.html
//
// Output folder (the program's images/manual/): index.html and the pages
// beside it, and start.html - the page of the start-up guide dialog - in
// manual/. Every relative address in the sources is written as seen from
// index.html; the pages in manual/ get them rebased.

#include <QList>
#include <QString>
#include <QStringList>

namespace manualgen {

struct ManualPage
{
    QString name; // "life-path": its source is life-path.md
    QString group;
    QString title;
    QString summary;
    QString icon;
    QString text;     // the Markdown after the header lines
    int textLine = 1; // the file line on which text starts

    // Where the page lands inside the output folder.
    QString outputPath() const;
};

class ManualBook
{
public:
    // Reads the contents list, every page and the template. Returns false
    // (with errors()) when anything is missing or malformed.
    bool load(const QString &sourceFolder);

    // Writes every page and the style sheet; removes pages of an earlier run
    // that are no longer in the book.
    bool write(const QString &outputFolder);

    const QStringList &errors() const { return m_errors; }

private:
    void readContents(const QString &path);
    void readPage(const QString &path, ManualPage &page);

    QString renderPage(int index);
    QString contentsHtml() const;
    QString sidebarHtml(int current) const;
    QString pagerHtml(int index) const;
    QString headingHtml(const ManualPage &page) const;

    QString m_sourceFolder;
    QString m_template;
    // The contents page first, then the topic pages in reading order.
    QList<ManualPage> m_pages;
    QStringList m_errors;
};

// Prefixes every relative href and src of html with prefix ("../" for a page
// one folder below index.html); addresses with a scheme, "#" or "/" stay.
QString rebaseAddresses(const QString &html, const QString &prefix);

} // namespace manualgen
