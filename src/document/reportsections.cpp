#include "reportsections.h"

#include "creporttools.h"

void ReportSections::section(const QString &picture, const QStringList &headings,
                             const QStringList &paragraphs)
{
    m_doc.openBlock(true);
    if (!picture.isEmpty())
        m_doc.setImageFile(picture);
    for (const QString &heading : headings)
        m_doc.addHeading(heading);
    for (const QString &paragraph : paragraphs)
        m_doc.addParagraph(paragraph);
    m_doc.closeBlock();
}

void ReportSections::block(const QStringList &paragraphs)
{
    m_doc.openBlock(true);
    for (const QString &paragraph : paragraphs)
        m_doc.addParagraph(paragraph);
    m_doc.closeBlock();
}

void ReportSections::splitText(const QString &text)
{
    m_doc.openBlock(true);
    m_doc.addParagraph(CReportTools::splitParagraphs(text, QString(), QString()));
}
