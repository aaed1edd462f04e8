#pragma once

// The blocks a report builder writes into its document, each one
// borderless table of CReportTools:
//
//   section(picture, headings, paragraphs)   the picture (a file of the
//                                            image folder) beside the first
//                                            heading, then the paragraphs
//   block(paragraphs)                        paragraphs alone
//   splitText(text)                          a long text cut at its breaks
//                                            into one-row tables
//
// Each call opens and closes its own block, so a builder reads as the list
// of its sections.

#include <QString>
#include <QStringList>

class CReportTools;

class ReportSections
{
public:
    explicit ReportSections(CReportTools &doc)
        : m_doc(doc)
    {
    }

    // One block: the picture when one is named, every heading, then every
    // paragraph (an empty paragraph writes nothing; see addParagraph).
    void section(const QString &picture, const QStringList &headings, const QStringList &paragraphs = {});
    void section(const QString &picture, const QString &heading, const QStringList &paragraphs = {})
    {
        section(picture, QStringList{heading}, paragraphs);
    }
    // One block of paragraphs without a heading.
    void block(const QStringList &paragraphs);
    // The text cut into one-row tables at its paragraph and line breaks;
    // the block is opened here and closed by the cut.
    void splitText(const QString &text);

private:
    CReportTools &m_doc;
};
