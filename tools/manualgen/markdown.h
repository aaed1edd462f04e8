#pragma once

// The manual's pages are written in a small Markdown: the part of the usual
// syntax the pages need, plus a few marks of our own.
//
// Blocks (one construct per group of lines, groups separated by blank lines):
//   ## Heading {#id}        h2/h3 with an id (given, or made from the text)
//   - item / 1. item        lists; a line indented by two blanks continues the item
//   | a | b |               tables; the second line is the |---|:---:| rule
//   <tag ...>               raw HTML, passed on unchanged up to the next blank line
//   :::example ARGS         a worked example; ARGS are sorvel-cli's arguments
//   :::note / :::tip        a side remark
//   :::                     ends the example or remark
//
// Inline:
//   **strong**, *emphasis*, `code`, [text](url), ![alt](url), <tag>, &entity;
//   [[Caption]]             a caption of the window (button, panel, menu entry)
//   {{key: value}}          a number of a worked example: "value" is shown and
//                           key names the sorvel-cli JSON field that must
//                           hold it ("lifePathText", "values[3]")

#include <QString>
#include <QStringList>

namespace manualgen {

struct MarkdownResult
{
    QString html;
    // "line N: reason" for every construct that could not be read.
    QStringList errors;
};

// firstLine is the number of text's first line in its file, for the errors.
MarkdownResult markdownToHtml(const QString &text, int firstLine = 1);

// The id a heading gets when it names none: lower case, words joined by "-".
QString headingId(const QString &text);

// Text made safe for an HTML element or a double-quoted attribute.
QString escapeHtml(const QString &text);

} // namespace manualgen
