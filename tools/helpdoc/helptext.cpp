#include "helptext.h"

#include <QRegularExpression>

namespace helpdoc {

namespace {

int indentOf(const QString &line)
{
    int n = 0;
    while (n < line.size() && line.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

// "Commands:" alone, or "Exit status: text": a capitalised word and up to
// two lower-case ones before the colon.
const QRegularExpression HEADING(QStringLiteral("^([A-Z][a-z]+(?: [a-z]+){0,2}):(?: (.*))?$"));

// An option's spec and its text, split at the first run of two spaces.
HelpBlock optionBlock(const QString &stripped)
{
    const int gap = stripped.indexOf(QStringLiteral("  "));
    if (gap < 0)
        return {HelpBlock::Option, QString(), stripped};
    return {HelpBlock::Option, stripped.mid(gap).trimmed(), stripped.left(gap)};
}

void append(QString &text, const QString &more)
{
    text += text.isEmpty() ? more : QLatin1Char(' ') + more;
}

} // namespace

HelpText parseHelp(const QString &text)
{
    HelpText help;
    QStringList lines = text.split(QLatin1Char('\n'));
    int i = 0;
    // 1. The synopsis: "Usage: " and the lines indented under it.
    const QString usage = QStringLiteral("Usage: ");
    if (!lines.isEmpty() && lines.first().startsWith(usage)) {
        help.usage << lines.first().mid(usage.size()).trimmed();
        for (i = 1; i < lines.size() && indentOf(lines.at(i)) == usage.size(); ++i)
            help.usage << lines.at(i).trimmed();
    }

    // 2. The rest, line by line; a blank line ends a paragraph.
    bool paragraphOpen = false;
    for (; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString stripped = line.trimmed();
        if (stripped.isEmpty()) {
            paragraphOpen = false;
            continue;
        }
        const int indent = indentOf(line);
        HelpBlock *last = help.blocks.isEmpty() ? nullptr : &help.blocks.last();
        if (indent == 0) {
            const QRegularExpressionMatch heading = HEADING.match(stripped);
            if (heading.hasMatch() && !paragraphOpen) {
                help.blocks.append({HelpBlock::Heading, heading.captured(1), QString()});
                paragraphOpen = !heading.captured(2).isEmpty();
                if (paragraphOpen)
                    help.blocks.append({HelpBlock::Text, heading.captured(2), QString()});
            } else if (paragraphOpen && last && last->kind == HelpBlock::Text) {
                append(last->text, stripped);
            } else {
                help.blocks.append({HelpBlock::Text, stripped, QString()});
                paragraphOpen = true;
            }
        } else if (indent <= 2) {
            help.blocks.append({HelpBlock::Synopsis, stripped, QString()});
            paragraphOpen = false;
        } else if (indent <= 4 && stripped.startsWith(QLatin1Char('-'))) {
            help.blocks.append(optionBlock(stripped));
            paragraphOpen = true;
        } else if (last && last->kind == HelpBlock::Synopsis && indent > 4) {
            append(last->text, stripped); // a long synopsis goes on under itself
        } else if (paragraphOpen && last && last->kind == HelpBlock::Option && indent > 4) {
            append(last->text, stripped);
        } else if (paragraphOpen && last && last->kind == HelpBlock::Prose) {
            // Deeper lines under prose are a list: each keeps its own line.
            if (indent > 4)
                last->text += QLatin1Char('\n') + stripped;
            else
                append(last->text, stripped);
        } else {
            help.blocks.append({HelpBlock::Prose, stripped, QString()});
            paragraphOpen = true;
        }
    }
    return help;
}

} // namespace helpdoc

// --- the manual page --------------------------------------------------------

namespace helpdoc {

namespace {

// Text as roff reads it: backslashes and hyphens escaped (a "-" would
// become a hyphen, not the minus of an option), and a line that starts with
// a dot or a quote kept from being read as a request.
QString roff(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    out.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + roff(text).replace(QLatin1Char('"'), QStringLiteral("\\(dq")) +
           QLatin1Char('"');
}

} // namespace

QString manPage(const ManPage &page, const HelpText &help)
{
    QString out;
    out += QStringLiteral(".\\\" Generated from `%1 --help` by the build; edit the program's help instead.\n")
               .arg(page.program);
    out += QStringLiteral(".TH %1 1 \"\" %2 \"User Commands\"\n")
               .arg(roff(page.program.toUpper()), quoted(page.version));
    out += QStringLiteral(".SH NAME\n%1 \\- %2\n").arg(roff(page.program), roff(page.summary));
    out += QStringLiteral(".SH SYNOPSIS\n");
    for (int i = 0; i < help.usage.size(); ++i) {
        const QString &line = help.usage.at(i);
        const int space = line.indexOf(QLatin1Char(' '));
        out += QStringLiteral(".B %1\n").arg(roff(space < 0 ? line : line.left(space)));
        if (space >= 0)
            out += roff(line.mid(space + 1)) + QLatin1Char('\n');
        if (i + 1 < help.usage.size())
            out += QStringLiteral(".br\n");
    }
    bool described = false;
    for (const HelpBlock &block : help.blocks) {
        switch (block.kind) {
        case HelpBlock::Heading:
            out += QStringLiteral(".SH %1\n").arg(quoted(block.text.toUpper()));
            described = true; // prose after a heading belongs to it
            break;
        case HelpBlock::Text:
            if (!described) {
                out += QStringLiteral(".SH DESCRIPTION\n");
                described = true;
            }
            out += QStringLiteral(".PP\n") + roff(block.text) + QLatin1Char('\n');
            break;
        case HelpBlock::Synopsis:
            out += QStringLiteral(".PP\n.B %1\n").arg(roff(block.text));
            break;
        case HelpBlock::Prose:
            out += QStringLiteral(".RS 4\n%1\n.RE\n")
                       .arg(roff(block.text).replace(QLatin1Char('\n'), QStringLiteral("\n.br\n")));
            break;
        case HelpBlock::Option:
            out += QStringLiteral(".RS 4\n.TP\n.B %1\n%2\n.RE\n").arg(roff(block.option), roff(block.text));
            break;
        }
    }
    if (!page.seeAlso.isEmpty()) {
        QStringList references;
        for (const QString &other : page.seeAlso)
            references << QStringLiteral(".BR %1 (1)").arg(roff(other));
        out +=
            QStringLiteral(".SH \"SEE ALSO\"\n") + references.join(QStringLiteral(",\n")) + QLatin1Char('\n');
    }
    return out;
}

// --- the bash completion ----------------------------------------------------

namespace {

struct CommandWords
{
    QString name;
    QStringList options;     // every option, in the order the help names them
    QStringList subcommands; // second words: `texts encode`
    QStringList fileOptions; // options whose value is a file
    QStringList folderOptions;
    QStringList valueOptions;                     // other options with a value: nothing to offer
    QVector<QPair<QString, QStringList>> choices; // --vowels: english universal
};

void addUnique(QStringList &list, const QString &word)
{
    if (!word.isEmpty() && !list.contains(word))
        list << word;
}

// The options named by a spec or synopsis fragment, with the value each
// takes: "--vowels english|universal" gives --vowels and its choices.
void readOptions(const QString &text, CommandWords &command)
{
    static const QRegularExpression OPTION(
        QStringLiteral("(--[a-z0-9][a-z0-9-]*)(?:[ =]([^\\s\\[\\]\\-][^\\s\\[\\]]*))?"));
    QRegularExpressionMatchIterator it = OPTION.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString option = match.captured(1);
        const QString value = match.captured(2);
        if (command.options.contains(option))
            continue;
        command.options << option;
        if (value.isEmpty() || (value.at(0).isLower() && !value.contains(QLatin1Char('|'))))
            continue; // a flag (a lower-case word after it is a command's own)
        if (value.contains(QLatin1Char('|')))
            command.choices.append({option, value.split(QLatin1Char('|'))});
        else if (value.contains(QLatin1String("DIR")))
            command.folderOptions << option;
        else if (value.contains(QLatin1String("FILE")) || value.contains(QLatin1Char('.')))
            command.fileOptions << option;
        else
            command.valueOptions << option;
    }
}

QVector<CommandWords> commandsOf(const HelpText &help)
{
    QVector<CommandWords> commands;
    bool inCommands = false;
    static const QRegularExpression WORD(QStringLiteral("^[a-z][a-z0-9-]*$"));
    for (const HelpBlock &block : help.blocks) {
        if (block.kind == HelpBlock::Heading)
            inCommands = block.text == QLatin1String("Commands");
        if (!inCommands)
            continue;
        if (block.kind == HelpBlock::Synopsis) {
            const QStringList words = block.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (commands.isEmpty() || commands.last().name != words.first())
                commands.append(CommandWords{words.first(), {}, {}, {}, {}, {}, {}});
            if (words.size() > 1 && WORD.match(words.at(1)).hasMatch())
                addUnique(commands.last().subcommands, words.at(1));
            readOptions(block.text, commands.last());
        } else if (block.kind == HelpBlock::Option && !commands.isEmpty()) {
            readOptions(block.option, commands.last());
        }
    }
    return commands;
}

QString words(const QStringList &list)
{
    return list.join(QLatin1Char(' '));
}

} // namespace

QString bashCompletion(const QString &program, const HelpText &help)
{
    const QVector<CommandWords> commands = commandsOf(help);
    QString function = QLatin1Char('_') + QString(program).replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names;
    for (const CommandWords &command : commands)
        names << command.name;
    QStringList global;
    for (const QString &line : help.usage) {
        CommandWords top;
        readOptions(line, top);
        for (const QString &option : top.options)
            addUnique(global, option);
    }

    QString out;
    out +=
        QStringLiteral("# bash completion for %1, generated from `%1 --help` by the build.\n\n").arg(program);
    out += function + QStringLiteral("()\n{\n");
    out += QStringLiteral("    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n");
    out += QStringLiteral("    if [[ $COMP_CWORD -eq 1 ]]; then\n"
                          "        COMPREPLY=($(compgen -W \"%1 %2\" -- \"$cur\"))\n"
                          "        return\n"
                          "    fi\n")
               .arg(words(names), words(global));
    out += QStringLiteral("    local options='' subcommands='' files='' folders='' values=''\n");
    out += QStringLiteral("    case ${COMP_WORDS[1]} in\n");
    for (const CommandWords &command : commands) {
        out += QStringLiteral("    %1)\n").arg(command.name);
        out += QStringLiteral("        options='%1 --help'\n").arg(words(command.options));
        if (!command.subcommands.isEmpty())
            out += QStringLiteral("        subcommands='%1'\n").arg(words(command.subcommands));
        if (!command.fileOptions.isEmpty())
            out += QStringLiteral("        files='%1'\n").arg(words(command.fileOptions));
        if (!command.folderOptions.isEmpty())
            out += QStringLiteral("        folders='%1'\n").arg(words(command.folderOptions));
        if (!command.valueOptions.isEmpty())
            out += QStringLiteral("        values='%1'\n").arg(words(command.valueOptions));
        for (const auto &choice : command.choices) {
            out += QStringLiteral("        if [[ $prev == %1 ]]; then\n"
                                  "            COMPREPLY=($(compgen -W '%2' -- \"$cur\"))\n"
                                  "            return\n"
                                  "        fi\n")
                       .arg(choice.first, words(choice.second));
        }
        out += QStringLiteral("        ;;\n");
    }
    out += QStringLiteral("    esac\n");
    out += QStringLiteral("    if [[ \" $files \" == *\" $prev \"* ]]; then\n"
                          "        compopt -o filenames 2>/dev/null\n"
                          "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
                          "    elif [[ \" $folders \" == *\" $prev \"* ]]; then\n"
                          "        compopt -o filenames 2>/dev/null\n"
                          "        COMPREPLY=($(compgen -d -- \"$cur\"))\n"
                          "    elif [[ \" $values \" == *\" $prev \"* ]]; then\n"
                          "        COMPREPLY=()\n"
                          "    elif [[ $cur == -* ]]; then\n"
                          "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
                          "    elif [[ $COMP_CWORD -eq 2 && -n $subcommands ]]; then\n"
                          "        COMPREPLY=($(compgen -W \"$subcommands\" -- \"$cur\"))\n"
                          "    else\n"
                          "        compopt -o filenames 2>/dev/null\n"
                          "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
                          "    fi\n");
    out += QStringLiteral("}\ncomplete -F %1 %2\n").arg(function, program);
    return out;
}

} // namespace helpdoc
