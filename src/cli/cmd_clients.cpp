// sorvel-cli clients: the client book from a terminal: add, import, list,
// show, note, remove, export and backup, on the window's book or on the one
// --db names.

#include "clients/clientimport.h"
#include "engine/namecleaning.h"
#include "cliutil.h"
#include "commands.h"

#include <QFileInfo>
#include <QJsonDocument>

#include <cstdio>

namespace {

const QString COMMAND = QStringLiteral("clients");

// One action of the command: its name, what it does with the open book and
// the parsed options, and the options it takes beyond --db.
struct ClientsAction
{
    const char *name;
    int (*run)(ClientBook &book, const QCommandLineParser &parser);
    void (*addOptions)(QCommandLineParser &parser);
    int positionalMin;
    int positionalMax; // -1: any number
};

void print(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int failed(const QString &message)
{
    fprintf(stderr, "sorvel-cli: clients: %s\n", qPrintable(message));
    return EXIT_FAILED;
}

bool readId(const QCommandLineParser &parser, qint64 &id)
{
    bool ok = false;
    id = parser.positionalArguments().value(0).toLongLong(&ok);
    if (!ok || id <= 0) {
        usageError(COMMAND + QStringLiteral(": expected a client id, got '%1'").arg(parser.positionalArguments().value(0)));
        return false;
    }
    return true;
}

int writeJsonValue(const QJsonDocument &document)
{
    return writeOutputFile(QStringLiteral("-"), COMMAND, document.toJson(QJsonDocument::Indented));
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QJsonObject summaryJson(const ClientSummary &row)
{
    QJsonObject o;
    o[QStringLiteral("id")] = double(row.id);
    o[QStringLiteral("full")] = row.fullName;
    o[QStringLiteral("short")] = row.shortName;
    o[QStringLiteral("birth")] = dateText(row.birthDate);
    o[QStringLiteral("lifePath")] = row.lifePath;
    o[QStringLiteral("expression")] = row.expression;
    o[QStringLiteral("lastConsultation")] = dateText(row.lastConsultation);
    return o;
}

void addNothing(QCommandLineParser &)
{
}

// --- add ----------------------------------------------------------------------

void addPersonOptions(QCommandLineParser &parser)
{
    const auto value = [&](const char *name, const char *valueName) {
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName)));
    };
    for (const char *name : {"full", "short", "partner-full", "partner-short", "pet-name"})
        value(name, "TEXT");
    for (const char *name : {"birth", "partner-birth", "pet-birth"})
        value(name, "DATE");
    value("gender", "GENDER");
    parser.addOption(QCommandLineOption(QStringLiteral("chaldean")));
}

int runAdd(ClientBook &book, const QCommandLineParser &parser)
{
    PersonInput typed;
    QString error;
    if (!parser.isSet(QStringLiteral("full")))
        return usageError(COMMAND + QStringLiteral(" add: missing --full"));
    typed.fullName = parser.value(QStringLiteral("full"));
    typed.shortName = parser.value(QStringLiteral("short"));
    typed.partnerFullName = parser.value(QStringLiteral("partner-full"));
    typed.partnerShortName = parser.value(QStringLiteral("partner-short"));
    typed.petName = parser.value(QStringLiteral("pet-name"));
    typed.chaldean = parser.isSet(QStringLiteral("chaldean"));
    const QString gender = parser.value(QStringLiteral("gender"));
    if (gender == QLatin1String("male"))
        typed.female = false;
    else if (!gender.isEmpty() && gender != QLatin1String("female"))
        return usageError(COMMAND + QStringLiteral(" add: --gender: expected female or male, got ") + gender);
    if (!readDateOption(parser, QStringLiteral("birth"), true, typed.birthDate, error)
        || !readDateOption(parser, QStringLiteral("partner-birth"), false, typed.partnerBirthDate, error)
        || !readDateOption(parser, QStringLiteral("pet-birth"), false, typed.petBirthDate, error))
        return usageError(COMMAND + QStringLiteral(" add: ") + error);
    // A partner is kept with both names, as the input panel keeps one: a
    // missing everyday name is made from the full name, as for --short.
    if (!typed.partnerFullName.trimmed().isEmpty() && typed.partnerShortName.trimmed().isEmpty())
        typed.partnerShortName = ShortNameFromFull(CleanName(typed.partnerFullName));
    // The marks the input overlay would hold right after typing the names.
    typed = withAutomaticMarks(typed);

    qint64 id = 0;
    QString reason;
    switch (book.addClient(typed, &id, &reason)) {
    case ClientBook::AddResult::Added:
        print(QString::number(id) + QLatin1Char('\n'));
        return EXIT_OK;
    case ClientBook::AddResult::Duplicate:
        return failed(typed.fullName + QStringLiteral(": not added, ") + reason);
    case ClientBook::AddResult::Refused:
        return usageError(COMMAND + QStringLiteral(" add: ") + reason);
    case ClientBook::AddResult::Failed:
        break;
    }
    return failed(book.error().message);
}

// --- import -------------------------------------------------------------------

int runImport(ClientBook &book, const QCommandLineParser &parser)
{
    ClientImporter importer(book);
    ImportReport report;
    for (const QString &path : parser.positionalArguments())
        importer.importFile(path, report);
    print(QStringLiteral("added %1, skipped %2 already in the book, %3 unusable\n")
              .arg(report.added)
              .arg(report.duplicates)
              .arg(report.unusable));
    for (const ImportProblem &problem : report.problems) {
        QString where = problem.file;
        if (problem.line > 0)
            where += QStringLiteral(":%1").arg(problem.line);
        if (!problem.name.isEmpty())
            where += QStringLiteral(": ") + problem.name;
        fprintf(stderr, "%s: %s: %s\n", qPrintable(where), problem.duplicate ? "skipped" : "unusable",
                qPrintable(problem.reason));
    }
    return report.unusable > 0 ? EXIT_FAILED : EXIT_OK;
}

// --- list ---------------------------------------------------------------------

void addListOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("find"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("life-path"), QString(), QStringLiteral("N")));
    parser.addOption(QCommandLineOption(QStringLiteral("expression"), QString(), QStringLiteral("N")));
    parser.addOption(QCommandLineOption(QStringLiteral("json")));
}

// --find TEXT with --life-path and --expression added as lp:N and ex:N.
bool readFilter(const QCommandLineParser &parser, ClientFilter &filter)
{
    QString text = parser.value(QStringLiteral("find"));
    if (parser.isSet(QStringLiteral("life-path")))
        text += QStringLiteral(" lp:") + parser.value(QStringLiteral("life-path"));
    if (parser.isSet(QStringLiteral("expression")))
        text += QStringLiteral(" ex:") + parser.value(QStringLiteral("expression"));
    filter = parseClientSearch(text);
    if (!filter.errors.isEmpty()) {
        usageError(COMMAND + QStringLiteral(": ") + filter.errors.join(QStringLiteral("; ")));
        return false;
    }
    return true;
}

int runList(ClientBook &book, const QCommandLineParser &parser)
{
    ClientFilter filter;
    if (!readFilter(parser, filter))
        return EXIT_USAGE;
    const QVector<ClientSummary> rows = book.find(filter);
    if (book.error().kind != BookError::None)
        return failed(book.error().message);
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray array;
        for (const ClientSummary &row : rows)
            array.append(summaryJson(row));
        return writeJsonValue(QJsonDocument(array));
    }
    QString text;
    for (const ClientSummary &row : rows) {
        text += QStringLiteral("%1\t%2\t%3\tLP %4\tEX %5\t%6\n")
                    .arg(row.id)
                    .arg(row.fullName, dateText(row.birthDate))
                    .arg(row.lifePath)
                    .arg(row.expression)
                    .arg(dateText(row.lastConsultation));
    }
    print(text);
    return EXIT_OK;
}

// --- show, note, remove ---------------------------------------------------------

void addJsonOption(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("json")));
}

int runShow(ClientBook &book, const QCommandLineParser &parser)
{
    qint64 id = 0;
    if (!readId(parser, id))
        return EXIT_USAGE;
    ClientRecord record;
    if (!book.client(id, record))
        return failed(book.error().kind != BookError::None ? book.error().message
                                                           : QStringLiteral("no client %1 in %2").arg(id).arg(book.path()));
    const PersonInput &p = record.person;
    QJsonObject o;
    o[QStringLiteral("id")] = double(id);
    o[QStringLiteral("full")] = p.fullName;
    o[QStringLiteral("short")] = p.shortName;
    o[QStringLiteral("birth")] = dateText(p.birthDate);
    o[QStringLiteral("gender")] = p.female ? QStringLiteral("female") : QStringLiteral("male");
    o[QStringLiteral("chaldean")] = p.chaldean;
    o[QStringLiteral("partnerFull")] = p.partnerFullName;
    o[QStringLiteral("partnerShort")] = p.partnerShortName;
    o[QStringLiteral("partnerBirth")] = dateText(p.partnerBirthDate);
    o[QStringLiteral("petName")] = p.petName;
    o[QStringLiteral("petBirth")] = dateText(p.petBirthDate);
    o[QStringLiteral("lifePath")] = record.lifePath;
    o[QStringLiteral("expression")] = record.expression;
    o[QStringLiteral("created")] = record.created.toString(Qt::ISODate);
    o[QStringLiteral("changed")] = record.changed.toString(Qt::ISODate);
    QJsonArray notes;
    for (const ClientNote &note : book.notes(id))
        notes.append(QJsonObject{{QStringLiteral("id"), double(note.id)},
                                 {QStringLiteral("written"), note.written.toString(Qt::ISODate)},
                                 {QStringLiteral("text"), note.text}});
    o[QStringLiteral("notes")] = notes;
    QJsonArray consultations;
    for (const Consultation &c : book.consultations(id)) {
        QJsonArray reports;
        for (const HandedReport &r : c.reports)
            reports.append(QJsonObject{{QStringLiteral("kind"), r.kind}, {QStringLiteral("file"), r.fileName}});
        consultations.append(QJsonObject{{QStringLiteral("id"), double(c.id)},
                                         {QStringLiteral("held"), dateText(c.held)},
                                         {QStringLiteral("topic"), c.topic},
                                         {QStringLiteral("notes"), c.notes},
                                         {QStringLiteral("reports"), reports}});
    }
    o[QStringLiteral("consultations")] = consultations;
    if (parser.isSet(QStringLiteral("json")))
        return writeJsonValue(QJsonDocument(o));

    QString text = QStringLiteral("%1 %2 (%3), born %4, Life Path %5, Expression %6\n")
                       .arg(id)
                       .arg(p.fullName, p.shortName.isEmpty() ? QStringLiteral("-") : p.shortName, dateText(p.birthDate))
                       .arg(record.lifePath)
                       .arg(record.expression);
    if (p.hasPartner())
        text += QStringLiteral("partner: %1, born %2\n").arg(p.partnerFullName, dateText(p.partnerBirthDate));
    if (!p.petName.isEmpty())
        text += QStringLiteral("pet: %1, born %2\n").arg(p.petName, dateText(p.petBirthDate));
    for (const ClientNote &note : book.notes(id))
        text += QStringLiteral("note %1: %2\n").arg(note.written.toString(Qt::ISODate), note.text);
    for (const Consultation &c : book.consultations(id))
        text += QStringLiteral("consultation %1: %2 %3\n").arg(dateText(c.held), c.topic, c.notes);
    print(text);
    return EXIT_OK;
}

int runNote(ClientBook &book, const QCommandLineParser &parser)
{
    qint64 id = 0;
    if (!readId(parser, id))
        return EXIT_USAGE;
    ClientRecord record;
    if (!book.client(id, record))
        return failed(QStringLiteral("no client %1 in %2").arg(id).arg(book.path()));
    const QString text = parser.positionalArguments().mid(1).join(QLatin1Char(' '));
    if (book.addNote(id, text) <= 0)
        return failed(book.error().message);
    return EXIT_OK;
}

int runRemove(ClientBook &book, const QCommandLineParser &parser)
{
    qint64 id = 0;
    if (!readId(parser, id))
        return EXIT_USAGE;
    if (!book.removeClient(id))
        return failed(book.error().kind != BookError::None ? book.error().message
                                                           : QStringLiteral("no client %1 in %2").arg(id).arg(book.path()));
    return EXIT_OK;
}

// --- export and backup -------------------------------------------------------------

void addExportOptions(QCommandLineParser &parser)
{
    addListOptions(parser);
    parser.addOption(QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE")));
}

int runExport(ClientBook &book, const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("out")))
        return usageError(COMMAND + QStringLiteral(" export: missing --out"));
    ClientFilter filter;
    if (!readFilter(parser, filter))
        return EXIT_USAGE;
    QVector<qint64> ids;
    for (const ClientSummary &row : book.find(filter))
        ids << row.id;
    if (ids.isEmpty() && !filter.isEmpty())
        return failed(QStringLiteral("no client matches; nothing was written"));
    const QString out = parser.value(QStringLiteral("out"));
    return writeOutputFile(out, COMMAND, clientsCsv(bookPersons(book, ids)));
}

void addOutOption(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE")));
}

int runBackup(ClientBook &book, const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("out")))
        return usageError(COMMAND + QStringLiteral(" backup: missing --out"));
    if (!book.backup(parser.value(QStringLiteral("out"))))
        return failed(book.error().message);
    return EXIT_OK;
}

const ClientsAction ACTIONS[] = {
    {"add", runAdd, addPersonOptions, 0, 0},
    {"import", runImport, addNothing, 1, -1},
    {"list", runList, addListOptions, 0, 0},
    {"show", runShow, addJsonOption, 1, 1},
    {"note", runNote, addNothing, 2, -1},
    {"remove", runRemove, addNothing, 1, 1},
    {"export", runExport, addExportOptions, 0, 0},
    {"backup", runBackup, addOutOption, 0, 0},
};

} // namespace

bool readBookClient(const QString &dbPath, qint64 id, PersonInput &person, QString &error)
{
    // Reading a client never makes a book.
    const QString path = dbPath.isEmpty() ? clientBookPath() : dbPath;
    if (!QFileInfo::exists(path)) {
        error = path + QStringLiteral(": there is no client book here");
        return false;
    }
    ClientBook book;
    if (!book.open(path)) {
        error = book.error().message;
        return false;
    }
    ClientRecord record;
    if (!book.client(id, record)) {
        error = book.error().kind != BookError::None ? book.error().message
                                                     : QStringLiteral("no client %1 in %2").arg(id).arg(book.path());
        return false;
    }
    person = record.person;
    return true;
}

void usageClients(QTextStream &out)
{
    out << "  clients ACTION [--db FILE] ...\n"
           "    The client book: every client kept with notes and consultations, in the\n"
           "    window's database (clients.sqlite in the program's data folder) or in\n"
           "    --db FILE. A book that is locked by another program, read-only, damaged or\n"
           "    not a database is left as it is; the message names the file and why.\n"
           "    clients add --full TEXT --birth YYYY-MM-DD [--short TEXT] [--gender female|male]\n"
           "        [--partner-full TEXT --partner-short TEXT --partner-birth YYYY-MM-DD]\n"
           "        [--pet-name TEXT --pet-birth YYYY-MM-DD] [--chaldean]\n"
           "                           adds the person, prints the new client's id; a client\n"
           "                           with the same cleaned full name and birth date is not\n"
           "                           added twice (exit 1)\n"
           "    clients import FILE... person files (.num, the recent list too) and CSV client\n"
           "                           lists (.csv, as batch reads them); prints the counts,\n"
           "                           lists skipped and unusable lines, exit 1 if any line\n"
           "                           was unusable; each file is added whole or not at all\n"
           "    clients list [--find TEXT] [--life-path N] [--expression N] [--json]\n"
           "                           TEXT as the window's search: name parts, a date,\n"
           "                           a year, lp:N, ex:N\n"
           "    clients show ID [--json]   the client with notes and consultations\n"
           "    clients note ID TEXT   adds a dated note\n"
           "    clients remove ID      removes the client, its notes and consultations\n"
           "    clients export --out FILE.csv [--find TEXT ...]   the book as a client list\n"
           "    clients backup --out FILE  a copy of the whole book; FILE must not exist\n"
           "    chart, compat and pdf take a client with --client ID [--db FILE]; batch\n"
           "    takes the book's clients with --clients [--find TEXT] [--db FILE].\n";
}

int runClients(const QStringList &args)
{
    const QString name = args.value(0);
    const ClientsAction *action = nullptr;
    for (const ClientsAction &candidate : ACTIONS) {
        if (name == QLatin1String(candidate.name))
            action = &candidate;
    }
    if (!action)
        return usageError(name.isEmpty() ? COMMAND + QStringLiteral(": missing the action (add, import, list, show, "
                                                                    "note, remove, export, backup)")
                                         : COMMAND + QStringLiteral(": unknown action '") + name + QLatin1Char('\''));

    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")));
    action->addOptions(parser);
    const QString command = COMMAND + QLatin1Char(' ') + name;
    if (!parser.parse(QStringList{QStringLiteral("sorvel-cli ") + command} + args.mid(1)))
        return usageError(command + QStringLiteral(": ") + parser.errorText());
    const int given = parser.positionalArguments().size();
    if (given < action->positionalMin || (action->positionalMax >= 0 && given > action->positionalMax))
        return usageError(given < action->positionalMin
                              ? command + QStringLiteral(": missing arguments")
                              : command + QStringLiteral(": unexpected argument '")
                                    + parser.positionalArguments().value(action->positionalMax) + QLatin1Char('\''));

    ClientBook book;
    const QString path = parser.isSet(QStringLiteral("db")) ? parser.value(QStringLiteral("db")) : clientBookPath();
    if (!book.open(path))
        return failed(book.error().message);
    return action->run(book, parser);
}
