// sorvel-cli names: the name finder. Names from the given-name list before a
// surname, spelling variants of a name, or the names of the user's own list,
// each with the numbers a client wants; and, for the build, the shipped form
// of the given-name list.

#include "cliutil.h"
#include "commands.h"
#include "files/checkedfilewriter.h"
#include "engine/analyzerinput.h"
#include "names/namefinder.h"

#include <QJsonDocument>
#include <QTextStream>

namespace {

void usageConstraints(QTextStream &out)
{
    out << "    constraints (a LIST is numbers joined by commas, 11 and 22 included):\n"
           "    --expression LIST      the Expression must be one of these\n"
           "    --hearts-desire LIST   the Heart's Desire must be one of these\n"
           "    --personality LIST     the Personality must be one of these\n"
           "    --bridge-max N         Life Path-Expression bridge at most N (needs --birth)\n"
           "    --no-karmic-debt       no 13, 14, 16 or 19 in the name's three totals\n"
           "    --include LETTERS      letters the varied part must hold\n"
           "    --avoid LETTERS        letters the varied part must not hold\n"
           "    --min-length N         at least N letters in the varied part\n"
           "    --max-length N         at most N letters in the varied part\n"
           "    --gender female|male|any   gender use of list names (default any)\n"
           "    --birth YYYY-MM-DD     the client's birth date: Life Path and bridge\n"
           "    --limit N              at most N results, best first (default all)\n"
           "    --json                 one JSON array of results instead of a table\n"
           "    --list FILE            a given-name list other than the shipped one\n";
    writeCalculationOptionsUsage(out);
}

// The options every subcommand shares.
void addFinderOptions(QCommandLineParser &parser)
{
    const auto value = [&](const char *name, const char *valueName) {
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName)));
    };
    const auto flag = [&](const char *name) { parser.addOption(QCommandLineOption(QLatin1String(name))); };
    for (const char *name : {"expression", "hearts-desire", "personality"})
        value(name, "LIST");
    for (const char *name : {"bridge-max", "min-length", "max-length", "limit"})
        value(name, "N");
    value("include", "LETTERS");
    value("avoid", "LETTERS");
    value("gender", "GENDER");
    value("birth", "DATE");
    value("list", "FILE");
    flag("no-karmic-debt");
    flag("json");
    // The calculation options of a chart.
    value("forecast", "DATE");
    flag("chaldean");
    value("vowels", "MODE");
    value("lp-methods", "LIST");
    flag("no-word-reduce");
    flag("keep-master-letters");
    flag("no-missed-transits");
    value("master-mode", "MODE");
}

bool readNumberList(const QCommandLineParser &parser, const char *name, QList<int> &numbers, QString &error)
{
    numbers.clear();
    if (!parser.isSet(QLatin1String(name)))
        return true;
    for (const QString &part : parser.value(QLatin1String(name)).split(QLatin1Char(','))) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 0 || n > 99) {
            error = QStringLiteral("--%1: expected numbers 0 to 99 joined by commas").arg(QLatin1String(name));
            return false;
        }
        numbers.append(n);
    }
    return true;
}

bool readCount(const QCommandLineParser &parser, const char *name, int &value, QString &error)
{
    if (!parser.isSet(QLatin1String(name)))
        return true;
    bool ok = false;
    value = parser.value(QLatin1String(name)).toInt(&ok);
    if (!ok || value < 0) {
        error = QStringLiteral("--%1: expected a number from 0").arg(QLatin1String(name));
        return false;
    }
    return true;
}

bool readLetters(const QCommandLineParser &parser, const char *name, QString &letters, QString &error)
{
    letters = parser.value(QLatin1String(name)).toUpper();
    for (const QChar c : letters) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z')) {
            error = QStringLiteral("--%1: expected letters A to Z").arg(QLatin1String(name));
            return false;
        }
    }
    return true;
}

struct FinderRequest
{
    NameSettings settings;
    NameConstraints constraints;
    int limit = -1;
    bool json = false;
};

bool readFinderOptions(const QCommandLineParser &parser, FinderRequest &request, QString &error)
{
    NameConstraints &c = request.constraints;
    if (!readNumberList(parser, "expression", c.expression, error) ||
        !readNumberList(parser, "hearts-desire", c.heartsDesire, error) ||
        !readNumberList(parser, "personality", c.personality, error) ||
        !readCount(parser, "bridge-max", c.maxBridge, error) || !readCount(parser, "min-length", c.minLength, error) ||
        !readCount(parser, "max-length", c.maxLength, error) || !readCount(parser, "limit", request.limit, error) ||
        !readLetters(parser, "include", c.includeLetters, error) ||
        !readLetters(parser, "avoid", c.avoidLetters, error))
        return false;
    c.noKarmicDebt = parser.isSet(QStringLiteral("no-karmic-debt"));
    const QString gender = parser.value(QStringLiteral("gender"));
    if (gender.isEmpty() || gender == QLatin1String("any")) {
        c.gender = NameGender::Any;
    } else if (gender == QLatin1String("female")) {
        c.gender = NameGender::Female;
    } else if (gender == QLatin1String("male")) {
        c.gender = NameGender::Male;
    } else {
        error = QLatin1String("--gender: expected female, male or any, got ") + gender;
        return false;
    }

    ChartRequest chart;
    if (!readCalculationOptions(parser, chart, error))
        return false;
    NameSettings &s = request.settings;
    s.chaldean = parser.isSet(QStringLiteral("chaldean"));
    s.vowelMode = chart.person.vowelMode;
    s.masterMode = chart.masterMode;
    s.options = chart.options;
    if (!readDateOption(parser, QStringLiteral("birth"), false, s.birthDate, error))
        return false;
    if (c.maxBridge >= 0 && !s.birthDate.isValid()) {
        error = QStringLiteral("--bridge-max needs --birth");
        return false;
    }
    request.json = parser.isSet(QStringLiteral("json"));
    return true;
}

// A name given on the command line, as the advisor prepares one, upper case.
QString preparedName(const QString &text)
{
    return AnalyzerName(text).toUpper();
}

bool loadGivenNames(const QCommandLineParser &parser, QVector<GivenName> &names)
{
    const QString path =
        parser.isSet(QStringLiteral("list")) ? parser.value(QStringLiteral("list")) : givenNamesPath();
    QString error;
    if (LoadGivenNames(path, names, error))
        return true;
    usageError(QStringLiteral("names: %1: %2").arg(path, error));
    return false;
}

int writeResults(const NameFinder &finder, QVector<NameResult> results, const FinderRequest &request)
{
    if (request.limit >= 0 && results.size() > request.limit)
        results.resize(request.limit);
    const QString command = QStringLiteral("names");
    if (request.json) {
        QJsonArray array;
        for (const NameResult &r : results) {
            const NameLines lines = finder.lines(r);
            QJsonObject o;
            o[QStringLiteral("name")] = r.name;
            o[QStringLiteral("expression")] = r.numbers.expression;
            o[QStringLiteral("heartsDesire")] = r.numbers.heartsDesire;
            o[QStringLiteral("personality")] = r.numbers.personality;
            if (r.lifePath > 0) {
                o[QStringLiteral("lifePath")] = r.lifePath;
                o[QStringLiteral("bridge")] = r.bridge;
            }
            o[QStringLiteral("expressionLine")] = lines.expression;
            o[QStringLiteral("heartsDesireLine")] = lines.heartsDesire;
            o[QStringLiteral("personalityLine")] = lines.personality;
            o[QStringLiteral("karmicDebt")] = r.numbers.karmicDebt;
            o[QStringLiteral("edits")] = r.edits;
            if (!r.edit.isEmpty())
                o[QStringLiteral("edit")] = r.edit;
            if (r.rank > 0) {
                o[QStringLiteral("rank")] = r.rank;
                o[QStringLiteral("gender")] = QString(QLatin1Char(r.gender));
            }
            if (r.line > 0)
                o[QStringLiteral("line")] = r.line;
            o[QStringLiteral("meets")] = r.meets;
            array.append(o);
        }
        return writeOutputFile(QStringLiteral("-"), command, QJsonDocument(array).toJson(QJsonDocument::Indented));
    }
    QString text;
    QTextStream out(&text);
    for (const NameResult &r : results) {
        const NameLines lines = finder.lines(r);
        out << r.name << "  Expression " << r.numbers.expression << " (" << lines.expression << ")"
            << "  Heart's Desire " << r.numbers.heartsDesire << " (" << lines.heartsDesire << ")"
            << "  Personality " << r.numbers.personality << " (" << lines.personality << ")";
        if (r.lifePath > 0)
            out << "  Life Path " << r.lifePath << "  bridge " << r.bridge;
        if (r.numbers.karmicDebt)
            out << "  karmic debt";
        if (!r.edit.isEmpty())
            out << "  [" << r.edit << "]";
        if (!r.meets)
            out << "  (misses a constraint)";
        out << '\n';
    }
    out.flush();
    return writeOutputFile(QStringLiteral("-"), command, text.toUtf8());
}

int runFind(const QCommandLineParser &parser, const FinderRequest &request)
{
    if (!parser.isSet(QStringLiteral("surname")))
        return usageError(QStringLiteral("names find: missing --surname"));
    const QString fixed = preparedName(parser.value(QStringLiteral("middle")) + QLatin1Char(' ') +
                                       parser.value(QStringLiteral("surname")));
    QVector<GivenName> names;
    if (!loadGivenNames(parser, names))
        return EXIT_FAILED;
    NameFinder finder(request.settings, request.constraints);
    return writeResults(finder, finder.findInList(names, fixed), request);
}

int runVariants(const QCommandLineParser &parser, const FinderRequest &request)
{
    const QString full = preparedName(parser.value(QStringLiteral("full")));
    if (full.isEmpty())
        return usageError(QStringLiteral("names variants: missing --full"));
    int vary = 1;
    QString error;
    if (!readCount(parser, "vary", vary, error))
        return usageError(QLatin1String("names variants: ") + error);
    if (vary < 1 || vary > full.count(QLatin1Char(' ')) + 1)
        return usageError(QStringLiteral("names variants: --vary: the name has no word %1").arg(vary));
    QVector<GivenName> names;
    if (!loadGivenNames(parser, names))
        return EXIT_FAILED;
    NameFinder finder(request.settings, request.constraints);
    finder.setGivenNames(&names);
    return writeResults(finder, finder.findVariants(full, vary - 1), request);
}

int runRank(const QCommandLineParser &parser, const FinderRequest &request, const QString &path)
{
    // --column: a number from 1, or a column title in the first line.
    int column = -1;
    QString header;
    const QString columnText = parser.value(QStringLiteral("column"));
    if (!columnText.isEmpty()) {
        bool ok = false;
        const int number = columnText.toInt(&ok);
        if (ok && number < 1)
            return usageError(QStringLiteral("names rank: --column: columns count from 1"));
        if (ok)
            column = number - 1;
        else
            header = columnText;
    }
    NameListRead list;
    QString error;
    if (!LoadNameList(path, column, header, list, error))
        return usageError(QStringLiteral("names rank: %1: %2").arg(path, error));
    for (const int line : list.skipped)
        QTextStream(stderr) << "sorvel-cli: names rank: " << path << ": line " << line << " gives no name\n";
    QVector<GivenName> names;
    if (parser.isSet(QStringLiteral("list")) && !loadGivenNames(parser, names))
        return EXIT_FAILED;
    NameFinder finder(request.settings, request.constraints);
    finder.setGivenNames(&names);
    return writeResults(finder, finder.rankList(list.entries, parser.isSet(QStringLiteral("all"))), request);
}

// The build's step: the source list checked and written in its shipped form.
int runCompile(const QStringList &args)
{
    if (args.size() != 2)
        return usageError(QStringLiteral("names compile: expected SOURCE and TARGET"));
    QVector<GivenName> names;
    QString error;
    if (!LoadGivenNames(args.at(0), names, error)) {
        QTextStream(stderr) << "sorvel-cli: names compile: " << args.at(0) << ": " << error << '\n';
        return EXIT_FAILED;
    }
    return writeOutputFile(args.at(1), QStringLiteral("names compile"), WriteGivenNames(names));
}

} // namespace

void usageNames(QTextStream &out)
{
    out << "  names find --surname TEXT [--middle TEXT] [constraints]\n"
           "    First names of the given-name list that give the wanted numbers\n"
           "    before the surname (and middle name), most given first. Without\n"
           "    --limit every name of the list that meets the constraints.\n"
           "  names variants --full TEXT [--vary N] [constraints]\n"
           "    The name and its spellings at most two edits away (doubled or\n"
           "    dropped letters, an added H or E, I/Y, U/W and C/K, an added or\n"
           "    dropped middle initial) that meet the constraints, fewest edits\n"
           "    first. --vary N: the word to respell, from 1 (default 1).\n"
           "  names rank FILE [--column N|TITLE] [--all] [constraints]\n"
           "    The names of FILE, one a line or one CSV column (by number from 1,\n"
           "    or by its title in the first line), that meet the constraints, in\n"
           "    the file's order; --all lists those that miss a constraint after.\n"
           "  names compile SOURCE TARGET\n"
           "    Checks a given-name list (name,gender,rank) and writes the form\n"
           "    the program ships.\n";
    usageConstraints(out);
}

int runNames(const QStringList &args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("names: expected find, variants, rank or compile"));
    const QString mode = args.first();
    if (mode == QLatin1String("compile"))
        return runCompile(args.mid(1));
    if (mode != QLatin1String("find") && mode != QLatin1String("variants") && mode != QLatin1String("rank"))
        return usageError(QLatin1String("names: unknown mode '") + mode + QLatin1Char('\''));

    QCommandLineParser parser;
    addFinderOptions(parser);
    if (mode == QLatin1String("find")) {
        parser.addOption(QCommandLineOption(QStringLiteral("surname"), QString(), QStringLiteral("TEXT")));
        parser.addOption(QCommandLineOption(QStringLiteral("middle"), QString(), QStringLiteral("TEXT")));
    } else if (mode == QLatin1String("variants")) {
        parser.addOption(QCommandLineOption(QStringLiteral("full"), QString(), QStringLiteral("TEXT")));
        parser.addOption(QCommandLineOption(QStringLiteral("vary"), QString(), QStringLiteral("N")));
    } else {
        parser.addOption(QCommandLineOption(QStringLiteral("column"), QString(), QStringLiteral("N")));
        parser.addOption(QCommandLineOption(QStringLiteral("all")));
    }
    const QString command = QLatin1String("names ") + mode;
    if (!parser.parse(QStringList{QStringLiteral("sorvel-cli ") + command} + args.mid(1)))
        return usageError(command + QLatin1String(": ") + parser.errorText());
    const QStringList positional = parser.positionalArguments();
    const int wanted = mode == QLatin1String("rank") ? 1 : 0;
    if (positional.size() != wanted) {
        return usageError(positional.size() > wanted
                              ? command + QLatin1String(": unexpected argument '") + positional.at(wanted) +
                                    QLatin1Char('\'')
                              : command + QLatin1String(": missing FILE"));
    }
    FinderRequest request;
    QString error;
    if (!readFinderOptions(parser, request, error))
        return usageError(command + QLatin1String(": ") + error);
    if (mode == QLatin1String("find"))
        return runFind(parser, request);
    if (mode == QLatin1String("variants"))
        return runVariants(parser, request);
    return runRank(parser, request, positional.first());
}
