#pragma once

// The help text our programs print for --help, read back into its parts so
// the build can make the manual page and the shell completion from it: the
// help is written once, in the program, and everything else follows it.
//
// The layout the programs keep:
//
//   Usage: PROGRAM ...                      synopsis (more lines indented
//          PROGRAM ...                      to the program's name)
//   Prose at the margin.                    description paragraphs
//   Commands:                               a heading: words and a colon
//   Exit status: 0 success, ...             a heading with its text
//     command ARGS [OPTIONS]                a command's synopsis (2 spaces,
//            [MORE]                          deeper lines continue it)
//       Prose under the command.            (4 spaces; lines deeper
//         0  a list under the prose          under it keep their breaks)
//       --option VALUE   what it does       an option (4 spaces, a "-"),
//                        continued          its text continued deeper

#include <QString>
#include <QStringList>
#include <QVector>

namespace helpdoc {

struct HelpBlock
{
    enum Kind { Heading, Text, Synopsis, Prose, Option };
    Kind kind;
    QString text;   // heading title, paragraph, synopsis line, or an option's text
    QString option; // Option: "--out FILE", "--help, -h"
};

struct HelpText
{
    QStringList usage; // the synopsis lines after "Usage: ", program name first
    QVector<HelpBlock> blocks;
};

HelpText parseHelp(const QString &text);

// The manual page (man(7) macros) of a program from its help text.
struct ManPage
{
    QString program;     // "sorvel-cli"
    QString summary;     // the NAME line's text after the dash
    QString version;     // "Sorvel Numerology 7.8.0", the page's footer
    QStringList seeAlso; // other pages, section 1
};
QString manPage(const ManPage &page, const HelpText &help);

// A bash completion script for a program whose help lists its commands
// under "Commands:": commands, each command's options and second words
// (`texts encode`), files after options whose value is a FILE, folders
// after a DIR, and the listed choices of a value such as english|universal.
QString bashCompletion(const QString &program, const HelpText &help);

} // namespace helpdoc
