// sorvel-cli pdf: the combined PDF of a person's reports, as "Save All
// Reports to PDF" makes it in the window, written without opening a viewer.
//
//   pdf [chart options] [partner options] [--pet-name TEXT --pet-birth DATE]
//       [--person FILE.num | --client ID [--db FILE]] [--template FILE.snc] [--numerologist TEXT]
//       [--numerologist-contact TEXT] [--logo FILE]
//       [--reports LIST] [--texts FILE] --out FILE.pdf

#include "cliutil.h"
#include "combinedreports.h"

#include "commands.h"
#include "engine/analyzerinput.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/namecleaning.h"
#include "export/exportfiles.h"
#include "export/reportassembly.h"
#include "partneroptions.h"
#include "readingutil.h"
#include "templatepicture.h"
#include "charts/charttemplates.h"
#include "files/regularfilereader.h"
#include "reports/yearaheadreport.h"
#include "texts/textstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <initializer_list>
#include <memory>

namespace {

// A logo larger than this is not a logo.
const qint64 MAX_LOGO_BYTES = 8 * 1024 * 1024;

// Longer than any PDF takes; a web engine that never answers ends the run.
// A guard against a web engine that never answers, not a speed limit: on a
// busy machine a long PDF takes minutes. Longer than the printer's own, so
// the printer says why it stopped.
const int PRINT_TIMEOUT_MS = 660000;

} // namespace

bool readReportList(const QString &text, ReportSelection &selection, QString &error)
{
    for (const ReportKind kind : choosableKinds())
        selection[kind] = false;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QString name = item.trimmed();
        ReportKind kind;
        if (!reportKindNamed(name, kind)) {
            error = QLatin1String("--reports: unknown report '") + name + QLatin1String("' (expected ") +
                    reportKindNames().join(QLatin1String(", ")) + QLatin1Char(')');
            return false;
        }
        selection[kind] = true;
    }
    return true;
}

namespace {

bool anyOptionSet(const QCommandLineParser &parser, std::initializer_list<const char *> names,
                  QString *first = nullptr)
{
    for (const char *name : names) {
        if (parser.isSet(QLatin1String(name))) {
            if (first)
                *first = QLatin1String(name);
            return true;
        }
    }
    return false;
}

// Partner and pet of a person file's record; the file replaces their options.
bool takeFilePartnerAndPet(const QCommandLineParser &parser, const PersonInput &file, PdfRequest &request,
                           QString &error)
{
    const PersonInput cleaned = cleanedInput(file);
    request.hasPartner = !cleaned.partnerFullName.isEmpty();
    QString given;
    if (request.hasPartner) {
        if (!readPartnerOptions(parser, request.person, request.partner, error, &file))
            return false;
    } else if (anyOptionSet(parser, {"partner-full", "partner-short", "partner-birth"}, &given)) {
        error = personSourceOption(parser) + QLatin1String(" replaces --") + given;
        return false;
    }
    if (anyOptionSet(parser, {"pet-name", "pet-birth"}, &given)) {
        error = personSourceOption(parser) + QLatin1String(" replaces --") + given;
        return false;
    }
    request.petName = cleaned.petName;
    request.petBirth = cleaned.petBirthDate;
    if (!request.petName.isEmpty() && !request.petBirth.isValid()) {
        error = personSourceOption(parser) + QStringLiteral(": the pet's birth date is not a valid date");
        return false;
    }
    return true;
}

// Partner and pet of their options.
bool readPartnerAndPet(const QCommandLineParser &parser, PdfRequest &request, QString &error)
{
    request.hasPartner = anyOptionSet(parser, {"partner-full", "partner-birth", "partner-short"});
    if (request.hasPartner && !readPartnerOptions(parser, request.person, request.partner, error))
        return false;
    if (!anyOptionSet(parser, {"pet-name", "pet-birth"}))
        return true;
    request.petName = CleanName(parser.value(QStringLiteral("pet-name")));
    if (request.petName.isEmpty()) {
        error = QStringLiteral("--pet-name: a pet needs a name of letters or digits");
        return false;
    }
    return readDateOption(parser, QStringLiteral("pet-birth"), true, request.petBirth, error);
}

// The name advisor's reading of --advisor-name on --advisor-date, or on the
// person's birth date; the name prepared as the advisor page prepares it.
bool readAdvisorOptions(const QCommandLineParser &parser, PdfRequest &request, QString &error)
{
    if (!parser.isSet(QStringLiteral("advisor-name"))) {
        if (parser.isSet(QStringLiteral("advisor-date"))) {
            error = QStringLiteral("--advisor-date needs --advisor-name");
            return false;
        }
        return true;
    }
    CliMessageCapture messages;
    if (!PrepareAnalyzerName(parser.value(QStringLiteral("advisor-name")), request.advisorName)) {
        error = QLatin1String("--advisor-name: ") + messages.lines().join(QLatin1Char(' '));
        return false;
    }
    request.advisorDate = request.person.person.birthDate;
    return !parser.isSet(QStringLiteral("advisor-date")) ||
           readDateOption(parser, QStringLiteral("advisor-date"), true, request.advisorDate, error);
}

bool readPdfRequest(const QCommandLineParser &parser, const PersonInput *file, PdfRequest &request,
                    QString &error)
{
    if (!readChartOptions(parser, request.person, error, file))
        return false;
    if (!(file ? takeFilePartnerAndPet(parser, *file, request, error)
               : readPartnerAndPet(parser, request, error)))
        return false;
    if (parser.isSet(QStringLiteral("reports")) &&
        !readReportList(parser.value(QStringLiteral("reports")), request.selection, error))
        return false;
    if (!readAdvisorOptions(parser, request, error))
        return false;
    if (!readDocumentOptions(parser, request, error))
        return false;
    request.out = parser.value(QStringLiteral("out"));
    if (request.out.isEmpty()) {
        error = QStringLiteral("missing --out");
        return false;
    }
    return true;
}

} // namespace

void addDocumentOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("template"), QString(), QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringLiteral("numerologist"), QString(), QStringLiteral("TEXT")));
    parser.addOption(
        QCommandLineOption(QStringLiteral("numerologist-contact"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("logo"), QString(), QStringLiteral("FILE")));
}

void writeDocumentOptionsUsage(QTextStream &out)
{
    out << "    --template FILE.snc    a chart template: its picture, drawn with the\n"
           "                           person's numbers as the chart page draws it, ends\n"
           "                           the PDF (exit status 2 when it cannot be read);\n"
           "                           --reports naming chart without --template takes\n"
           "                           the first template shipped with the program\n"
           "    --numerologist TEXT    the practitioner: on the cover page, and the name\n"
           "                           the template's \"#numerologist\" field draws\n"
           "    --numerologist-contact TEXT   a contact line under the practitioner's name\n"
           "    --logo FILE            a picture (PNG, JPEG) above the practitioner's name\n";
}

bool readDocumentOptions(const QCommandLineParser &parser, PdfRequest &request, QString &error)
{
    request.templatePath = parser.value(QStringLiteral("template"));
    if (parser.isSet(QStringLiteral("template")) && request.templatePath.isEmpty()) {
        error = QStringLiteral("--template: the template's file name is empty");
        return false;
    }
    // A chart asked for by name is drawn with the first shipped template
    // when none is named; without --reports the chart needs --template.
    if (request.templatePath.isEmpty() && parser.isSet(QStringLiteral("reports")) &&
        request.selection[ChartReport]) {
        request.templatePath = listChartTemplates(shippedTemplateFolder(), false).value(0).path;
        if (request.templatePath.isEmpty()) {
            error = QLatin1String("--reports chart: no chart template is installed in ") + shippedTemplateFolder() +
                    QLatin1String("; name one with --template");
            return false;
        }
    }
    request.numerologist = parser.value(QStringLiteral("numerologist"));
    request.numerologistContact = parser.value(QStringLiteral("numerologist-contact"));
    request.logoPath = parser.value(QStringLiteral("logo"));
    if (parser.isSet(QStringLiteral("logo")) && request.logoPath.isEmpty()) {
        error = QStringLiteral("--logo: the picture's file name is empty");
        return false;
    }
    return true;
}

int coverOf(const PdfRequest &request, CoverPage &cover)
{
    const PersonRecord &person = request.person.person;
    cover.clientName = person.fullName;
    cover.birthDate = person.birthDate;
    cover.madeOn = QDate::currentDate();
    cover.numerologist = request.numerologist;
    cover.numerologistContact = request.numerologistContact;
    if (request.logoPath.isEmpty())
        return EXIT_OK;
    const FileReadResult file = readRegularFile(request.logoPath, MAX_LOGO_BYTES);
    if (file.status == FileReadResult::Ok)
        cover.logo = QImage::fromData(file.bytes);
    if (cover.logo.isNull())
        return usageError(QLatin1String("--logo: ") + request.logoPath +
                          (file.status == FileReadResult::Ok ? QStringLiteral(": not a picture we can read")
                                                             : QLatin1String(": ") + file.reason));
    return EXIT_OK;
}

int clientDocument(const PdfRequest &request, const ReportSet &reports, bool pdf, QString &html)
{
    CoverPage cover;
    if (const int status = coverOf(request, cover))
        return status;
    html = assembleClientDocument(reports, request.selection, request.person.person.chaldean, cover, pdf);
    return EXIT_OK;
}

const char *const NOTHING_TO_PRINT = "none of the chosen reports was made: there is nothing to print";

int clientPrintJobOf(const PdfRequest &request, const ReportSet &reports, ClientPrintJob &job)
{
    CoverPage cover;
    if (const int status = coverOf(request, cover))
        return status;
    job = clientPrintJob(reports, request.selection, request.person.person.chaldean, &cover);
    return EXIT_OK;
}

int calculateReports(const PdfRequest &request, ReportSet &reports)
{
    const QString doc = CReportTools::programImageFolder();
    const PersonRecord &person = request.person.person;
    CNumerology chart;
    chart.setImageFolder(doc);
    if (const int status = calculateChart(request.person, chart))
        return status;
    reports[NumerologyReport] = chart.document();

    CReportTools yearAhead;
    yearAhead.setImageFolder(doc);
    BuildYearAheadReport(person.fullName, person.birthDate, person.forecastDate.year(), TextStore::instance(),
                         yearAhead);
    reports[YearAheadReport] = yearAhead.document();

    CNumerology celebrities;
    celebrities.setCalcOptions(&request.person.options);
    celebrities.setImageFolder(CReportTools::programImageFolder(QStringLiteral("doc2/")));
    celebrities.CalcCelebrities(person.fullName, person.birthDate, person.chaldean, person.vowelMode);
    reports[CelebritiesReport] = celebrities.document();

    CNumerologyPMatrix square;
    square.setImageFolder(doc);
    square.CalcPsychomatrix(person.fullName, person.birthDate);
    reports[PsychomatrixReport] = square.document();

    if (!request.petName.isEmpty()) {
        CNumerology pet;
        pet.setCalcOptions(&request.person.options);
        CliReporter reporter;
        const ScopedMessageReporter installed(reporter);
        if (!pet.CalcPetNum(request.petName, request.petBirth, person.forecastDate))
            return EXIT_NAME_CHECK;
        reports[PetReport] = pet.document();
    }

    if (!request.advisorName.isEmpty()) {
        CNumerology advisor;
        advisor.setCalcOptions(&request.person.options);
        advisor.setImageFolder(doc);
        advisor.CalcAnNum(request.advisorName, request.advisorDate, person.chaldean);
        reports[AdvisorReport] = advisor.document();
    }

    CNumerology partnerChart;
    CNumerologyPMatrix partnerSquare;
    if (request.hasPartner) {
        if (const int status = calculateChart(request.partner, partnerChart))
            return status;
        partnerSquare.CalcPsychomatrix(request.partner.person.fullName, request.partner.person.birthDate);
        CCompNumerology compatibility;
        compatibility.setImageFolder(doc);
        compatibility.CalcCompatibility(chart.result(), partnerChart.result(), square.values(),
                                        partnerSquare.values(), false);
        reports[CompatibilityReport] = compatibility.document();
    }

    // The chart picture at the export's size, as the chart page makes it
    // for "Save All Reports to PDF"; the assembly places it last.
    if (request.templatePath.isEmpty())
        return EXIT_OK;
    ChartDataContext data;
    data.person = &chart;
    data.personMatrix = &square;
    if (request.hasPartner) {
        data.partner = &partnerChart;
        data.partnerMatrix = &partnerSquare;
    }
    data.numerologist = request.numerologist;
    return drawTemplateFile(QStringLiteral("pdf"), request.templatePath, data, QSize(0, 0), reports.chart);
}

// The printer beside this program (the build tree), or in the package's
// helper folder.
static QString pdfPrinterPath()
{
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString &candidate :
         {folder + QStringLiteral("/sorvel-pdf-printer"),
          folder + QStringLiteral("/../libexec/sorvel-numerology/sorvel-pdf-printer")}) {
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

bool printPdf(const QString &html, const QString &out, QString &error)
{
    error.clear();
    const QString printer = pdfPrinterPath();
    if (printer.isEmpty()) {
        error = QStringLiteral("the PDF printer (sorvel-pdf-printer) is not installed beside sorvel-cli");
        return false;
    }
    const QString htmlPath = writeTemporaryReport(html, &error);
    if (htmlPath.isEmpty()) {
        error = QLatin1String("cannot write the temporary report: ") + error;
        return false;
    }
    // The printer removes the report once loaded; a printer that never got
    // that far leaves it to us.
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(printer, {QStringLiteral("--own-report"), htmlPath, out});
    const bool finished = process.waitForFinished(PRINT_TIMEOUT_MS);
    QFile::remove(htmlPath);
    if (!finished) {
        process.kill();
        process.waitForFinished();
        error = QStringLiteral("the web engine did not finish the PDF in time");
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        // The printer's own reason, without the notes the libraries left
        // on its standard error.
        const QString said = QString::fromLocal8Bit(process.readAllStandardError());
        const QLatin1String mark("sorvel-pdf-printer: ");
        QStringList reasons;
        for (const QString &line : said.split(QLatin1Char('\n')))
            if (line.startsWith(mark))
                reasons.append(line.mid(mark.size()).trimmed());
        error = reasons.isEmpty() ? said.trimmed() : reasons.join(QLatin1String("; "));
        if (error.isEmpty())
            error = QStringLiteral("the PDF printer stopped: ") + process.errorString();
        return false;
    }
    return true;
}

void usagePdf(QTextStream &out)
{
    out << "  pdf --full TEXT --birth YYYY-MM-DD --out FILE.pdf [options]\n"
           "    Writes the combined PDF of the person's reports, as \"Save All Reports to\n"
           "    PDF\" makes it: a cover page, a contents page with the page each part\n"
           "    starts on, then numerology, year ahead, psychomatrix, compatibility,\n"
           "    celebrities, pet and name advisor, each chosen report from a new page,\n"
           "    and the chart picture last. Every page but the cover has a footer\n"
           "    with the client's name and \"page N of M\"; the PDF's title is\n"
           "    \"Numerology reading for NAME\", its author the practitioner.\n"
           "  pdf --person FILE.num --out FILE.pdf [options]\n"
           "  pdf --client ID [--db FILE] --out FILE.pdf [options]\n";
    writeChartOptionsUsage(out);
    out << "    --partner-full TEXT    a partner's full birth name: adds the compatibility\n"
           "    --partner-short TEXT   the partner's everyday name (derived as for --short)\n"
           "    --partner-birth YYYY-MM-DD   the partner's birth date\n"
           "    --pet-name TEXT        a pet's name: adds the pet report\n"
           "    --pet-birth YYYY-MM-DD the pet's birth date\n"
           "    --advisor-name TEXT    a name for the name advisor: adds its report\n"
           "    --advisor-date YYYY-MM-DD   the advisor's date (default: --birth)\n"
           "    --person FILE.num      person, partner and pet of a saved person file in\n"
           "                           place of their names, birth dates, marks and\n"
           "                           --chaldean\n";
    writeDocumentOptionsUsage(out);
    out << "    --reports LIST         reports to include, any of numerology, year-ahead,\n"
           "                           matrix, compat, celebrities, chart (default: all but\n"
           "                           the chart, which comes with --template); the pet\n"
           "                           report is always included when there is a pet\n"
           "    --texts FILE           interpretation data file (default: eng.dat in the\n"
           "                           program's data folder)\n"
           "    --out FILE             the PDF to write (required)\n";
}

int runPdf(const QStringList &args)
{
    const QString command = QStringLiteral("pdf");
    QCommandLineParser parser;
    addChartOptions(parser);
    addPartnerOptions(parser);
    parser.addOption(QCommandLineOption(QStringLiteral("pet-name"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("pet-birth"), QString(), QStringLiteral("DATE")));
    parser.addOption(QCommandLineOption(QStringLiteral("reports"), QString(), QStringLiteral("LIST")));
    parser.addOption(QCommandLineOption(QStringLiteral("advisor-name"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("advisor-date"), QString(), QStringLiteral("DATE")));
    addDocumentOptions(parser);
    addPersonFileOption(parser);
    addReportOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;

    PersonInput filePerson;
    bool fromFile = false;
    if (const int status = readPersonFileOption(parser, command, filePerson, fromFile))
        return status;
    PdfRequest request;
    QString error;
    if (!readPdfRequest(parser, fromFile ? &filePerson : nullptr, request, error))
        return usageError(QLatin1String("pdf: ") + error);
    if (const int status = loadReportTexts(parser, command))
        return status;

    ReportSet reports;
    if (const int status = calculateReports(request, reports))
        return status;
    ClientPrintJob job;
    if (const int status = clientPrintJobOf(request, reports, job))
        return status;
    if (job.parts.isEmpty())
        error = QLatin1String(NOTHING_TO_PRINT);
    if (!error.isEmpty() || !printPdf(job.toFile(), request.out, error)) {
        QTextStream(stderr) << "sorvel-cli: pdf: " << shownText(error) << "\n";
        return EXIT_FAILED;
    }
    return EXIT_OK;
}
