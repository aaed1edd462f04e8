// sorvel-cli batch: one file per client of a CSV list, each the JSON of the
// client's chart, or the combined report of the client's readings as HTML
// or PDF, made as `chart` and `pdf` make them for one person. The clients
// come from a CSV list or, with --clients, from the client book.
//
//   batch (CLIENTS.csv | --clients [--find TEXT] [--db FILE]) --out DIR [--format json|html|pdf] [--reports LIST]
//         [--template FILE.snc] [--numerologist TEXT] [--numerologist-contact TEXT] [--logo FILE]
//         [--force] [--texts FILE] [calculation options]
//
// A row that cannot be used (a bad date, a missing column, a name the engine
// rejects, a file already there) is passed over; every such row is listed
// at the end with its line number and reason, and the run exits 1.

#include "chartjson.h"
#include "clients/clientbook.h"
#include "combinedreports.h"
#include "commands.h"
#include "export/htmlpictures.h"
#include "files/checkedfilewriter.h"
#include "files/clientfilenames.h"
#include "files/clientlist.h"
#include "files/regularfilereader.h"
#include "readingutil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>

#include <unistd.h>

#include <cstdio>

namespace {

const QString COMMAND = QStringLiteral("batch");

enum class Format { Json, Html, Pdf };

// Everything a run needs besides the list.
struct BatchSettings
{
    QString listPath;
    bool fromBook = false; // --clients: the clients of the book, not a list
    QString bookPath;      // --db; empty: the window's book
    ClientFilter find;     // --find
    QString folder;
    Format format = Format::Json;
    QString suffix = QStringLiteral("json");
    ReportSelection selection;
    bool force = false;
    bool chaldean = false;
    ChartRequest calculation; // options, forecast date, vowel mode, master mode
    PdfRequest document;      // the template and the practitioner, the same for every client
};

// A row left out, for the list at the end.
struct SkippedRow
{
    int line;
    QString client;
    QString reason;
};

bool readFormat(const QString &text, BatchSettings &settings, QString &error)
{
    if (text.isEmpty() || text == QLatin1String("json"))
        settings.format = Format::Json;
    else if (text == QLatin1String("html"))
        settings.format = Format::Html;
    else if (text == QLatin1String("pdf"))
        settings.format = Format::Pdf;
    else {
        error = QLatin1String("--format: expected json, html or pdf, got ") + text;
        return false;
    }
    settings.suffix = text.isEmpty() ? QStringLiteral("json") : text;
    return true;
}

bool readSettings(const QCommandLineParser &parser, BatchSettings &settings, QString &error)
{
    const QStringList positional = parser.positionalArguments();
    settings.fromBook = parser.isSet(QStringLiteral("clients"));
    const int expected = settings.fromBook ? 0 : 1;
    if (positional.size() != expected) {
        error = positional.size() < expected
                    ? QStringLiteral("missing the client list (CLIENTS.csv) or --clients")
                    : settings.fromBook
                          ? QLatin1String("--clients takes the book's clients in place of the list '") + positional.first() + QLatin1Char('\'')
                          : QLatin1String("unexpected argument '") + positional.at(1) + QLatin1Char('\'');
        return false;
    }
    if (!settings.fromBook) {
        settings.listPath = positional.first();
        for (const char *name : {"find", "db"}) {
            if (parser.isSet(QLatin1String(name))) {
                error = QLatin1String("--") + QLatin1String(name) + QLatin1String(" chooses from the book of --clients");
                return false;
            }
        }
    } else {
        settings.bookPath = parser.value(QStringLiteral("db"));
        settings.find = parseClientSearch(parser.value(QStringLiteral("find")));
        if (!settings.find.errors.isEmpty()) {
            error = QLatin1String("--find: ") + settings.find.errors.join(QStringLiteral("; "));
            return false;
        }
    }
    // The person comes from each row; these options would say otherwise.
    for (const char *name : {"full", "short", "birth", "marks-full", "marks-short"}) {
        if (parser.isSet(QLatin1String(name))) {
            error = QLatin1String("--") + QLatin1String(name) + QLatin1String(" comes from the client list");
            return false;
        }
    }
    settings.folder = parser.value(QStringLiteral("out"));
    if (settings.folder.isEmpty()) {
        error = QStringLiteral("missing --out DIR");
        return false;
    }
    if (!readFormat(parser.value(QStringLiteral("format")), settings, error))
        return false;
    if (parser.isSet(QStringLiteral("reports"))) {
        if (settings.format == Format::Json) {
            error = QStringLiteral("--reports chooses the reports of --format html or pdf");
            return false;
        }
        if (!readReportList(parser.value(QStringLiteral("reports")), settings.selection, error))
            return false;
    }
    settings.document.selection = settings.selection;
    if (!readDocumentOptions(parser, settings.document, error))
        return false;
    if (!settings.document.templatePath.isEmpty() && !QFileInfo(settings.document.templatePath).isFile()) {
        error = QLatin1String("--template: ") + settings.document.templatePath + QLatin1String(": no such file");
        return false;
    }
    settings.force = parser.isSet(QStringLiteral("force"));
    settings.chaldean = parser.isSet(QStringLiteral("chaldean"));
    return readCalculationOptions(parser, settings.calculation, error);
}

// The person's request from a row, with the run's options; a partner when
// the row has one.
PdfRequest requestOf(const ClientRow &row, const BatchSettings &settings)
{
    PersonInput input = row.input;
    // A client of the book keeps the Chaldean setting it was kept with.
    input.chaldean = settings.chaldean || (settings.fromBook && row.input.chaldean);
    input.vowelMode = settings.calculation.person.vowelMode;
    input.forecastDate = settings.calculation.person.forecastDate;
    input = cleanedInput(input);

    PdfRequest request;
    request.person = settings.calculation;
    request.person.person = personRecord(input);
    request.hasPartner = !input.partnerFullName.isEmpty();
    if (request.hasPartner) {
        request.partner = request.person;
        request.partner.nameOwner = QStringLiteral("partner");
        request.partner.person = partnerRecord(input);
    }
    request.petName = input.petName;
    request.petBirth = input.petBirthDate;
    request.selection = settings.selection;
    request.templatePath = settings.document.templatePath;
    request.numerologist = settings.document.numerologist;
    request.numerologistContact = settings.document.numerologistContact;
    request.logoPath = settings.document.logoPath;
    return request;
}

// The chart of the person, and the partner's under "partner".
bool jsonBytes(const PdfRequest &request, QByteArray &bytes)
{
    CNumerology chart;
    if (calculateChart(request.person, chart) != EXIT_OK)
        return false;
    QJsonObject object = chartJson(chart);
    if (request.hasPartner) {
        CNumerology partner;
        if (calculateChart(request.partner, partner) != EXIT_OK)
            return false;
        object[QStringLiteral("partner")] = chartJson(partner);
    }
    bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    return true;
}

bool writeChecked(const QString &path, const QByteArray &bytes, QString &reason)
{
    QString error;
    if (writeFileChecked(path, bytes, &error))
        return true;
    reason = QLatin1String("cannot write ") + path + QLatin1String(": ") + error;
    return false;
}

// Makes one client's file. On failure sets reason and returns false; the
// engine's own messages about rejected names become the reason.
bool writeClient(const ClientRow &row, const BatchSettings &settings, const QString &path, QString &reason)
{
    const PdfRequest request = requestOf(row, settings);
    CliMessageCapture messages;
    const auto rejected = [&] {
        reason = messages.lines().isEmpty() ? QStringLiteral("the names were rejected")
                                            : messages.lines().join(QLatin1Char(' '));
        return false;
    };
    if (settings.format == Format::Json) {
        QByteArray bytes;
        if (!jsonBytes(request, bytes))
            return rejected();
        return writeChecked(path, bytes, reason);
    }
    ReportSet reports;
    if (calculateReports(request, reports) != EXIT_OK)
        return rejected();
    if (settings.format == Format::Html) {
        QString document;
        if (clientDocument(request, reports, false, document) != EXIT_OK) {
            reason = QStringLiteral("the logo cannot be read");
            return false;
        }
        return writeChecked(path, savedReportHtml(document), reason);
    }
    ClientPrintJob job;
    if (clientPrintJobOf(request, reports, job) != EXIT_OK) {
        reason = QStringLiteral("the logo cannot be read");
        return false;
    }
    if (job.parts.isEmpty()) {
        reason = QLatin1String(NOTHING_TO_PRINT);
        return false;
    }
    return printPdf(job.toFile(), path, reason);
}

// Clients per second so far, with one decimal below ten.
QString progressRate(int done, qint64 elapsedMs)
{
    const double rate = done * 1000.0 / double(qMax<qint64>(1, elapsedMs));
    return QString::number(rate, 'f', rate < 10 ? 1 : 0);
}

// How far the run has come: a bar redrawn in place on a terminal (count,
// clients per second, time left), one line per client otherwise (a log, a
// pipe).
class Progress
{
public:
    explicit Progress(int total)
        : m_total(total)
        , m_terminal(isatty(fileno(stderr)) != 0)
    {
        m_clock.start();
    }

    void clientDone(int done, const QString &file)
    {
        QTextStream err(stderr);
        if (!m_terminal) {
            err << "sorvel-cli: batch: " << done << "/" << m_total << " " << file << "\n";
            return;
        }
        const int width = 30;
        const int filled = m_total > 0 ? width * done / m_total : width;
        const qint64 elapsed = qMax<qint64>(1, m_clock.elapsed());
        const qint64 left = done > 0 ? elapsed * (m_total - done) / done / 1000 : 0;
        err << "\r[" << QString(filled, QLatin1Char('#')) << QString(width - filled, QLatin1Char('.')) << "] "
            << done << "/" << m_total << " clients, " << progressRate(done, elapsed) << " clients/s, "
            << QStringLiteral("%1:%2").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0')) << " left ";
        if (done == m_total)
            err << "\n";
        err.flush();
    }

private:
    int m_total;
    bool m_terminal;
    QElapsedTimer m_clock;
};

void listSkipped(const QVector<SkippedRow> &skipped, int total, bool fromBook)
{
    QTextStream err(stderr);
    err << "sorvel-cli: batch: " << skipped.size() << " of " << total << " clients skipped:\n";
    for (const SkippedRow &row : skipped) {
        err << (fromBook ? "  client " : "  line ") << row.line;
        if (!row.client.isEmpty())
            err << " (" << shownText(row.client) << ")";
        err << ": " << shownText(row.reason) << "\n";
    }
}

// The rows of a client list file; false after a message when the file
// cannot be read.
bool readListRows(const BatchSettings &settings, QVector<ClientRow> &rows)
{
    const FileReadResult file = readRegularFile(settings.listPath, ClientList::MAX_FILE_BYTES);
    if (file.status != FileReadResult::Ok) {
        QTextStream(stderr) << "sorvel-cli: batch: " << shownText(settings.listPath) << ": " << file.reason << "\n";
        return false;
    }
    ClientList list;
    if (!list.open(file.bytes)) {
        QTextStream(stderr) << "sorvel-cli: batch: " << shownText(settings.listPath) << ": " << shownText(list.headerError())
                            << "\n";
        return false;
    }
    ClientRow row;
    while (list.next(row))
        rows.append(row);
    return true;
}

// The clients of the book that --find chooses, in name order; a row's line
// is the client's id. False after a message when the book cannot be read
// or --find chooses nobody.
bool readBookRows(const BatchSettings &settings, QVector<ClientRow> &rows)
{
    const QString path = settings.bookPath.isEmpty() ? clientBookPath() : settings.bookPath;
    QTextStream err(stderr);
    if (!QFileInfo::exists(path)) {
        err << "sorvel-cli: batch: " << shownText(path) << ": there is no client book here\n";
        return false;
    }
    ClientBook book;
    if (!book.open(path)) {
        err << "sorvel-cli: batch: " << shownText(book.error().message) << "\n";
        return false;
    }
    for (const ClientSummary &summary : book.find(settings.find)) {
        ClientRecord record;
        if (!book.client(summary.id, record))
            break;
        ClientRow row;
        row.line = int(summary.id);
        row.input = record.person;
        rows.append(row);
    }
    if (book.error().kind != BookError::None) {
        err << "sorvel-cli: batch: " << shownText(book.error().message) << "\n";
        return false;
    }
    if (rows.isEmpty()) {
        err << "sorvel-cli: batch: " << shownText(path)
            << (settings.find.isEmpty() ? QStringLiteral(": the book holds no client")
                                        : QStringLiteral(": no client matches --find"))
            << "; nothing was written\n";
        return false;
    }
    return true;
}

int runList(const BatchSettings &settings, const QVector<ClientRow> &rows)
{
    const int total = rows.size();
    Progress progress(total);
    ClientFileNames names;
    QVector<SkippedRow> skipped;
    int done = 0;
    const QDir folder(settings.folder);
    for (const ClientRow &row : rows) {
        ++done;
        // A name is taken even for a row left out, so a run again after the
        // list was put right gives every client the same file.
        QString reason = row.error;
        const QString file =
            row.input.fullName.isEmpty() ? QString() : names.take(row.input.fullName, settings.suffix);
        const QString path = folder.filePath(file);
        if (reason.isEmpty() && !settings.force && QFileInfo::exists(path))
            reason = file + QStringLiteral(" is there already (--force replaces it)");
        if (reason.isEmpty())
            writeClient(row, settings, path, reason);
        if (!reason.isEmpty())
            skipped.append({row.line, row.input.fullName, reason});
        progress.clientDone(done, reason.isEmpty() ? file : QStringLiteral("skipped"));
    }
    QTextStream(stdout) << "sorvel-cli: batch: " << (total - skipped.size()) << " of " << total
                        << " clients written to " << QDir::toNativeSeparators(settings.folder) << "\n";
    if (skipped.isEmpty())
        return EXIT_OK;
    listSkipped(skipped, total, settings.fromBook);
    return EXIT_FAILED;
}

} // namespace

void usageBatch(QTextStream &out)
{
    out << "  batch CLIENTS.csv --out DIR [--format json|html|pdf] [options]\n"
           "  batch --clients [--find TEXT] [--db FILE] --out DIR [options]\n"
           "    Writes one file per client of a CSV list into DIR, named from the\n"
           "    client's full name. The list is UTF-8 with a header naming its columns:\n"
           "    full name and birth date (required), short name, partner full name,\n"
           "    partner short name, partner birth date, pet name, pet birth date; dates\n"
           "    are YYYY-MM-DD. Rows that cannot be used are listed at the end with\n"
           "    their line numbers and reasons, and the exit status is then 1.\n"
           "    With --clients the clients come from the client book instead, those\n"
           "    --find chooses or all of them; skipped ones are listed by client id.\n";
    writeCalculationOptionsUsage(out);
    out << "    --clients              the clients of the client book in place of a list\n"
           "    --find TEXT            with --clients: only those the search TEXT finds, as\n"
           "                           in `clients list --find` (name parts, a date, lp:N)\n"
           "    --db FILE              with --clients: the client book (default: the\n"
           "                           window's, clients.sqlite in the program's data folder)\n"
           "    --out DIR              the folder of the files (created when missing)\n"
           "    --format FORMAT        json: every number of the chart, with the\n"
           "                           partner's chart under \"partner\" (default);\n"
           "                           html or pdf: the combined report of the readings,\n"
           "                           as \"Save All Reports to PDF\" makes it\n"
           "    --reports LIST         html and pdf: reports to include, any of numerology,\n"
           "                           year-ahead, matrix, compat, celebrities, chart\n"
           "                           (default: all, the chart with --template)\n"
           "    --force                replace files that are there already (default:\n"
           "                           leave them and list the client as skipped)\n"
           "    --texts FILE           interpretation data file (default: eng.dat in the\n"
           "                           program's data folder)\n"
           "    html and pdf, as for pdf:\n";
    writeDocumentOptionsUsage(out);
}

int runBatch(const QStringList &args)
{
    QCommandLineParser parser;
    addChartOptions(parser);
    addReportOptions(parser);
    parser.addOption(QCommandLineOption(QStringLiteral("format"), QString(), QStringLiteral("FORMAT")));
    parser.addOption(QCommandLineOption(QStringLiteral("reports"), QString(), QStringLiteral("LIST")));
    parser.addOption(QCommandLineOption(QStringLiteral("force")));
    parser.addOption(QCommandLineOption(QStringLiteral("clients")));
    parser.addOption(QCommandLineOption(QStringLiteral("find"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("FILE")));
    addDocumentOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("sorvel-cli batch")} + args))
        return usageError(COMMAND + QLatin1String(": ") + parser.errorText());
    BatchSettings settings;
    QString error;
    if (!readSettings(parser, settings, error))
        return usageError(COMMAND + QLatin1String(": ") + error);

    QVector<ClientRow> rows;
    if (!(settings.fromBook ? readBookRows(settings, rows) : readListRows(settings, rows)))
        return EXIT_FAILED;
    if (!QDir().mkpath(settings.folder) || !QFileInfo(settings.folder).isDir()) {
        QTextStream(stderr) << "sorvel-cli: batch: " << shownText(settings.folder) << ": cannot make the folder\n";
        return EXIT_FAILED;
    }
    if (settings.format != Format::Json) {
        if (const int status = loadReportTexts(parser, COMMAND))
            return status;
    }
    return runList(settings, rows);
}
