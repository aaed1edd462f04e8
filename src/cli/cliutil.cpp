#include "cliutil.h"

#include "commands.h"
#include "engine/namecleaning.h"
#include "files/checkedfilewriter.h"
#include "files/personfile.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>

namespace {

// Characters a terminal acts on or that turn the text around it: C0 and C1
// controls, DEL, the line and paragraph separators and the bidirectional
// embeddings, overrides and isolates.
bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString shownText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (!needsEscape(code))
            shown += c;
        else if (code < 0x100)
            shown += QStringLiteral("\\x%1").arg(unsigned(code), 2, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\u%1").arg(unsigned(code), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

int usageError(const QString &message)
{
    QTextStream(stderr) << "sorvel-cli: " << shownText(message) << "\n";
    return EXIT_USAGE;
}

bool parseArguments(QCommandLineParser &parser, const QString &command, const QStringList &args)
{
    if (!parser.parse(QStringList{QStringLiteral("sorvel-cli ") + command} + args)) {
        usageError(command + QLatin1String(": ") + parser.errorText());
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        usageError(command + QLatin1String(": unexpected argument '")
                   + parser.positionalArguments().first() + QLatin1Char('\''));
        return false;
    }
    return true;
}

QDate parseIsoDate(const QString &text)
{
    // Anchored at both ends and ASCII digits only: Qt's own ISO reader
    // would let trailing characters (or a final line break) through.
    static const QRegularExpression shape(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})-([0-9]{2})")));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.capturedRef(1).toInt(), match.capturedRef(2).toInt(), match.capturedRef(3).toInt());
}

bool readDateOption(const QCommandLineParser &parser, const QString &name, bool required, QDate &date,
                    QString &error)
{
    const QString option = QLatin1String("--") + name;
    if (!parser.isSet(name)) {
        if (required)
            error = QLatin1String("missing ") + option;
        return !required;
    }
    const QDate parsed = parseIsoDate(parser.value(name));
    if (!parsed.isValid()) {
        error = option + QLatin1String(": not a valid date (YYYY-MM-DD): ") + parser.value(name);
        return false;
    }
    date = parsed;
    return true;
}

bool readBirthDateOption(const QCommandLineParser &parser, const QString &name, bool required, QDate &date,
                         QString &error)
{
    QDate read = date;
    if (!readDateOption(parser, name, required, read, error))
        return false;
    if (parser.isSet(name)) {
        // The window's date fields take the same range.
        const QDate first(1800, 1, 1);
        const QDate last = QDate::currentDate().addYears(1);
        if (read < first || read > last) {
            error = QStringLiteral("--%1: %2 is not a birth date between %3 and %4")
                        .arg(name, parser.value(name), first.toString(Qt::ISODate), last.toString(Qt::ISODate));
            return false;
        }
    }
    date = read;
    return true;
}

int writeJson(const QJsonObject &object, const QString &command)
{
    return writeOutputFile(QStringLiteral("-"), command,
                           QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QJsonArray intArray(const int *values, int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(values[i]);
    return array;
}

QJsonArray stringArray(const QString *values, int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(values[i]);
    return array;
}

CliReporter::~CliReporter()
{
    flush();
}

void CliReporter::critical(const QString &title, const QString &text)
{
    m_reported = true;
    m_pending.append(title.isEmpty() ? text : title + QLatin1String(": ") + text);
}

namespace {
CliMessageCapture *currentCapture = nullptr;
} // namespace

void CliReporter::flush(const QString &detail)
{
    if (m_pending.isEmpty())
        return;
    QTextStream err(stderr);
    for (int i = 0; i < m_pending.size(); ++i) {
        QString line = m_pending.at(i);
        if (i == m_pending.size() - 1 && !detail.isEmpty())
            line += QLatin1Char(' ') + detail;
        if (currentCapture)
            currentCapture->m_lines.append(line);
        else
            err << shownText(line) << '\n';
    }
    m_pending.clear();
}

CliMessageCapture::CliMessageCapture()
    : m_previous(currentCapture)
{
    currentCapture = this;
}

CliMessageCapture::~CliMessageCapture()
{
    currentCapture = m_previous;
}

// --- chart options ---------------------------------------------------------

void addChartOptions(QCommandLineParser &parser)
{
    const auto value = [&](const char *name, const char *valueName) {
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName)));
    };
    const auto flag = [&](const char *name) {
        parser.addOption(QCommandLineOption(QLatin1String(name)));
    };
    value("full", "TEXT");
    value("short", "TEXT");
    value("birth", "DATE");
    value("forecast", "DATE");
    flag("chaldean");
    value("vowels", "MODE");
    value("marks-full", "DIGITS");
    value("marks-short", "DIGITS");
    value("lp-methods", "LIST");
    flag("no-word-reduce");
    flag("keep-master-letters");
    flag("no-missed-transits");
    value("master-mode", "MODE");
}

void writeChartOptionsUsage(QTextStream &out)
{
    out << "    --full TEXT            full birth name (required)\n"
           "    --birth YYYY-MM-DD     birth date (required)\n"
           "    --short TEXT           everyday name; default: first and last word of a\n"
           "                           longer full name, else the full name\n"
           "    --marks-full DIGITS    one digit per character of the cleaned full name:\n"
           "                           0 automatic, 1 always a vowel, 2 always a consonant\n"
           "    --marks-short DIGITS   the same for the short name\n";
    writeCalculationOptionsUsage(out);
}

void writeCalculationOptionsUsage(QTextStream &out)
{
    out << "    --forecast YYYY-MM-DD  date of the forecast numbers (default: today)\n"
           "    --chaldean             use the Chaldean letter table\n"
           "    --vowels english|universal   how Y and W are judged (default english)\n"
           "    --lp-methods LIST      Life Path methods, any of 1,2,3 (default 1)\n"
           "    --no-word-reduce       add the words' sums without reducing each word\n"
           "    --keep-master-letters  K and V keep their values 11 and 22\n"
           "    --no-missed-transits   no substitute for a missing middle or last name\n"
           "    --master-mode 0|1      0 keeps 11, 22, 33; 1 keeps 11 to 99 (default 0)\n";
}

bool readMarks(const QString &text, QVector<int> &marks)
{
    marks.clear();
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('2'))
            return false;
        marks.append(c.unicode() - '0');
    }
    return true;
}

namespace {

// The marks of option name for the cleaned name: digits 0, 1 or 2, one per
// character of the name, or none at all when the option is not given.
bool readMarksOption(const QCommandLineParser &parser, const QString &name, const QString &cleanedName,
                     QVector<int> &marks, QString &error)
{
    marks.clear();
    if (!parser.isSet(name))
        return true;
    const QString option = QLatin1String("--") + name;
    if (!readMarks(parser.value(name), marks)) {
        error = option + QLatin1String(": marks are digits 0, 1 or 2");
        return false;
    }
    if (marks.size() != cleanedName.size()) {
        error = option + QStringLiteral(": expected %1 marks, one per character of \"%2\", got %3")
                             .arg(cleanedName.size())
                             .arg(cleanedName)
                             .arg(marks.size());
        return false;
    }
    return true;
}

bool readLifePathMethods(const QString &text, CalcOptions &options)
{
    options.lifePathMethod1 = options.lifePathMethod2 = options.lifePathMethod3 = false;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QString method = item.trimmed();
        if (method == QLatin1String("1"))
            options.lifePathMethod1 = true;
        else if (method == QLatin1String("2"))
            options.lifePathMethod2 = true;
        else if (method == QLatin1String("3"))
            options.lifePathMethod3 = true;
        else
            return false;
    }
    return true;
}

// The person's own options: --full, --birth, --short, --chaldean and the
// marks.
bool readPersonOptions(const QCommandLineParser &parser, PersonRecord &person, QString &error)
{
    if (!parser.isSet(QStringLiteral("full"))) {
        error = QStringLiteral("missing --full");
        return false;
    }
    if (!readBirthDateOption(parser, QStringLiteral("birth"), true, person.birthDate, error))
        return false;
    person.fullName = CleanName(parser.value(QStringLiteral("full")));
    person.shortName = CleanName(parser.value(QStringLiteral("short")));
    if (person.shortName.isEmpty())
        person.shortName = ShortNameFromFull(person.fullName);
    person.chaldean = parser.isSet(QStringLiteral("chaldean"));
    return readMarksOption(parser, QStringLiteral("marks-full"), person.fullName, person.fullMarks, error)
        && readMarksOption(parser, QStringLiteral("marks-short"), person.shortName, person.shortMarks, error);
}

// The same from a person file's record; giving both is a mistake.
bool takeFilePerson(const QCommandLineParser &parser, const PersonInput &file, PersonRecord &person,
                    QString &error)
{
    for (const char *name : {"full", "short", "birth", "marks-full", "marks-short", "chaldean"}) {
        if (parser.isSet(QLatin1String(name))) {
            error = personSourceOption(parser) + QLatin1String(" replaces --") + QLatin1String(name);
            return false;
        }
    }
    if (!file.birthDate.isValid()) {
        error = personSourceOption(parser) + QStringLiteral(": the birth date is not a valid date");
        return false;
    }
    person = personRecord(cleanedInput(file));
    return true;
}

} // namespace

bool readChartOptions(const QCommandLineParser &parser, ChartRequest &request, QString &error,
                      const PersonInput *fromFile)
{
    PersonRecord &person = request.person;
    if (!(fromFile ? takeFilePerson(parser, *fromFile, person, error)
                   : readPersonOptions(parser, person, error)))
        return false;
    return readCalculationOptions(parser, request, error);
}

bool readCalculationOptions(const QCommandLineParser &parser, ChartRequest &request, QString &error)
{
    PersonRecord &person = request.person;
    person.forecastDate = QDate::currentDate();
    if (!readDateOption(parser, QStringLiteral("forecast"), false, person.forecastDate, error))
        return false;

    const QString vowels = parser.value(QStringLiteral("vowels"));
    if (vowels.isEmpty() || vowels == QLatin1String("english")) {
        person.vowelMode = 0;
    } else if (vowels == QLatin1String("universal")) {
        person.vowelMode = 1;
    } else {
        error = QLatin1String("--vowels: expected english or universal, got ") + vowels;
        return false;
    }

    CalcOptions &options = request.options;
    options = CalcOptions();
    if (parser.isSet(QStringLiteral("lp-methods"))
        && !readLifePathMethods(parser.value(QStringLiteral("lp-methods")), options)) {
        error = QStringLiteral("--lp-methods: expected a comma list of 1, 2 and 3");
        return false;
    }
    options.reduceEachWord = !parser.isSet(QStringLiteral("no-word-reduce"));
    options.reduceMasterLetters = !parser.isSet(QStringLiteral("keep-master-letters"));
    options.noSubstituteTransits = parser.isSet(QStringLiteral("no-missed-transits"));

    const QString mode = parser.value(QStringLiteral("master-mode"));
    if (mode.isEmpty() || mode == QLatin1String("0")) {
        request.masterMode = 0;
    } else if (mode == QLatin1String("1")) {
        request.masterMode = 1;
    } else {
        error = QLatin1String("--master-mode: expected 0 or 1, got ") + mode;
        return false;
    }
    return true;
}

int calculateChart(const ChartRequest &request, CNumerology &engine)
{
    engine.setCalcOptions(&request.options);
    engine.SetMasterMode(request.masterMode);
    CliReporter reporter;
    bool ok = false;
    {
        const ScopedMessageReporter installed(reporter);
        ok = engine.CalcNumerology(request.person);
    }
    // The engine's message stays as the window shows it; the command line
    // adds which name failed and why.
    reporter.flush(ok ? QString() : nameCheckFailure(request.person, engine, request.nameOwner));
    return ok ? EXIT_OK : EXIT_NAME_CHECK;
}

// --- files -----------------------------------------------------------------

int writeOutputFile(const QString &path, const QString &command, const QByteArray &bytes)
{
    QString reason;
    if (writeFileChecked(path, bytes, &reason))
        return EXIT_OK;
    const QString where = path == QLatin1String("-") ? QStringLiteral("standard output") : path;
    QTextStream(stderr) << "sorvel-cli: " << command << ": " << shownText(where) << ": cannot write: " << reason
                        << "\n";
    return EXIT_FAILED;
}

namespace {

ClientPersonReader g_clientReader = nullptr;

} // namespace

void setClientPersonReader(ClientPersonReader reader)
{
    g_clientReader = reader;
}

void addPersonFileOption(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("person"), QString(), QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringLiteral("client"), QString(), QStringLiteral("ID")));
    parser.addOption(QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")));
}

void writePersonFileOptionUsage(QTextStream &out, const char *replaces)
{
    out << "    --person FILE.num      " << replaces << " of a saved person file\n"
           "                           in place of their names, birth dates, marks\n"
           "                           and --chaldean\n"
           "    --client ID            the same of client ID of the client book\n"
           "    --db FILE              the client book (default: the window's,\n"
           "                           clients.sqlite in the program's data folder)\n";
}

QString personSourceOption(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("client")) ? QStringLiteral("--client") : QStringLiteral("--person");
}

// The person of --client ID, from the book the drawing program reads.
static int readClientOption(const QCommandLineParser &parser, const QString &command, PersonInput &person)
{
    const QString given = parser.value(QStringLiteral("client"));
    const QString where = command + QLatin1String(": --client ") + given + QLatin1String(": ");
    if (parser.isSet(QStringLiteral("person")))
        return usageError(command + QLatin1String(": --person and --client both name the person; give one"));
    bool ok = false;
    const qint64 id = given.toLongLong(&ok);
    if (!ok || id <= 0)
        return usageError(where + QLatin1String("expected a client id (a number from `clients list`)"));
    if (!g_clientReader) {
        usageError(where + QLatin1String("the client book is read by sorvel-cli-draw; run sorvel-cli"));
        return EXIT_FAILED;
    }
    QString error;
    if (!g_clientReader(parser.value(QStringLiteral("db")), id, person, error)) {
        usageError(where + error);
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

int readPersonFileOption(const QCommandLineParser &parser, const QString &command, PersonInput &person,
                         bool &fromFile)
{
    if (parser.isSet(QStringLiteral("db")) && !parser.isSet(QStringLiteral("client")))
        return usageError(command + QLatin1String(": --db names the book of --client; --client is missing"));
    fromFile = parser.isSet(QStringLiteral("person")) || parser.isSet(QStringLiteral("client"));
    if (!fromFile)
        return EXIT_OK;
    if (parser.isSet(QStringLiteral("client")))
        return readClientOption(parser, command, person);
    const QString path = parser.value(QStringLiteral("person"));
    const PersonFileContent file = readPersonFile(path, PersonFileKind::SavedPerson);
    const QString where = command + QLatin1String(": --person ") + path + QLatin1String(": ");
    // A file that cannot be used is a failure (1), as every file a command
    // reads; bad usage (2) is the command line's own form.
    if (file.status == PersonFileStatus::CannotOpen) {
        usageError(where + QLatin1String("cannot open: ") + file.reason);
        return EXIT_FAILED;
    }
    if (file.status == PersonFileStatus::WrongFormat) {
        usageError(where + QLatin1String(WRONG_FILE_FORMAT_MESSAGE) + QLatin1String(" (") + file.reason
                   + QLatin1Char(')'));
        return EXIT_FAILED;
    }
    person = file.persons.first();
    return EXIT_OK;
}
