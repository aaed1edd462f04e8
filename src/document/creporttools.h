#pragma once

// The report document framework shared by every reading.
//
// A report is one HTML string assembled from fixed pieces in document order:
//
//   beginDocument(title)                      head with the shared style block
//   openBlock(true)                           a borderless full-width table
//     setImageFile("res01.jpg")               picture waiting for the next
//     addHeading("Life Path Number 5")          heading or paragraph
//     addParagraph(introduction)              marked with comment="st_fs"
//   closeBlock()
//   openBlock(true)
//     addParagraph(splitParagraphs(text + "<br />", "", ""))
//                                             one-row tables, so page breaks
//                                             fall between paragraphs; the
//                                             split closes the block itself
//   endDocument()
//
// Every piece is written with CR LF line ends; saving, PDF export and the
// page breaks rely on the exact markup.

#include <QObject>
#include <QString>

// The picture-taking overloads need QtGui and are defined in reportpictures.cpp;
// everything else here needs QtCore alone.
class QColor;
class QFont;
class QImage;

// Base of every engine object that writes a reading: it owns one HTML report
// document, rebuilt from scratch by each calculation.
class CReportTools : public QObject
{
    Q_OBJECT
public:
    explicit CReportTools(QObject *parent = nullptr);

    // Folder prefix of file pictures; ends with a path separator.
    void setImageFolder(const QString &path) { m_imageFolder = path; }
    const QString &imageFolder() const { return m_imageFolder; }

    // The program's report picture folder: the application's folder +
    // "/images/" + subFolder ("doc/", or "doc2/" for the celebrities).
    static QString programImageFolder(const QString &subFolder = QStringLiteral("doc/"));

    // The finished (or, during a build, growing) report document.
    const QString &document() const { return m_document; }
    // Position just after the document head, where the report body begins.
    int bodyStart() const { return m_bodyStart; }

    // The short summary a builder puts in its title block.
    const QString &summaryText() const { return m_summaryText; }
    void setSummaryText(const QString &text) { m_summaryText = text; }
    void clearSummaryText() { m_summaryText.clear(); }

    // The picture waiting to be written into the next heading or paragraph.
    const QString &pendingImage() const { return m_pendingImage; }

    // --- document operations, called in document order ---

    // Replaces the document by the head; leaves the pending image alone.
    void beginDocument(const QString &title);
    // Opens a borderless full-width table; clearImage drops the pending image.
    void openBlock(bool clearImage);
    // Closes the block and drops the pending image.
    void closeBlock();
    // The picture fileName from the image folder becomes the pending image.
    void setImageFile(const QString &fileName);
    // A section heading. A non-null image replaces the pending image.
    void addHeading(const QImage &image, const QFont &font, const QColor &colour,
                    const QString &text);
    // The heading every report writes: no image, 12-point font with no
    // family, black.
    void addHeading(const QString &text);
    // A body paragraph; nothing is written when both the text and the
    // pending image are empty. The pending image is dropped either way.
    void addParagraph(const QString &text);
    // The same with a picture: a non-null image that encodes replaces the
    // pending image.
    void addParagraph(const QString &text, const QImage &image);
    void appendHtml(const QString &html) { m_document += html; }
    // Cuts a body text at its paragraph and line breaks into one-row tables;
    // the first segment ends the block the caller opened.
    static QString splitParagraphs(const QString &text, const QString &prefix,
                                   const QString &suffix);
    // Closes the document and turns "font-weight:600" into "font-weight:bold".
    void endDocument();

    // Replaces every before by after in the document from position from on.
    void replaceInDocument(const QString &before, const QString &after, int from = 0);
    // Sets every master number (11, 22 ... 99) of the text from position from
    // on in bold: a pair of equal digits with no digit directly before or
    // after it, so "1/118" and "1990" stay as they are. Tag attributes and
    // character references ("&#33;") are markup, not text, and stay too.
    void emphasizeMasterNumbers(int from = 0);

protected:
    QString m_pendingImage;
    QString m_imageFolder;
    QString m_document;
    QString m_summaryText;
    int m_bodyStart = 0;

private:
    // Writes a heading: the pending image, then text in a font element with
    // the given style, inside underline and italic elements when asked.
    void writeHeading(const QString &fontStyle, bool underline, bool italic, const QString &text);
};
