// sorvel-cli pdf: the combined PDF of a person's reports, as "Save All
// Reports to PDF" makes it in the window, written without opening a viewer.
//
//   pdf [chart options] [partner options] [--pet-name TEXT --pet-birth DATE]
//       [--reports LIST] [--texts FILE] --out FILE.pdf

#include "combinedreports.h"

#include "app/export/genpdffromhtml.h"
#include "commands.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/namecleaning.h"
#include "export/reportassembly.h"
#include "partneroptions.h"
#include "readingutil.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>

namespace {

// Longer than any PDF takes; a web engine that never answers ends the run.
const int PRINT_TIMEOUT_MS = 120000;

// The names --reports accepts and the flag each one keeps.
struct ReportName
{
    const char *name;
    bool ReportSelection::*flag;
};
const ReportName REPORT_NAMES[] = {
    {"numerology", &ReportSelection::numerology}, {"matrix", &ReportSelection::psychomatrix},
    {"compat", &ReportSelection::compatibility},  {"celebrities", &ReportSelection::celebrities},
    {"chart", &ReportSelection::graphicChart},
};

} // namespace

bool readReportList(const QString &text, ReportSelection &selection, QString &error)
{
    for (const ReportName &entry : REPORT_NAMES)
        selection.*entry.flag = false;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QString name = item.trimmed();
        bool known = false;
        for (const ReportName &entry : REPORT_NAMES) {
            if (name == QLatin1String(entry.name)) {
                selection.*entry.flag = true;
                known = true;
            }
        }
        if (!known) {
            error = QLatin1String("--reports: unknown report '") + name +
                    QLatin1String("' (expected numerology, matrix, compat, celebrities, chart)");
            return false;
        }
    }
    return true;
}

namespace {

bool readPdfRequest(const QCommandLineParser &parser, PdfRequest &request, QString &error)
{
    if (!readChartOptions(parser, request.person, error))
        return false;
    request.hasPartner = parser.isSet(QStringLiteral("partner-full")) ||
                         parser.isSet(QStringLiteral("partner-birth")) ||
                         parser.isSet(QStringLiteral("partner-short"));
    if (request.hasPartner && !readPartnerOptions(parser, request.person, request.partner, error))
        return false;
    if (parser.isSet(QStringLiteral("pet-name")) || parser.isSet(QStringLiteral("pet-birth"))) {
        request.petName = CleanName(parser.value(QStringLiteral("pet-name")));
        if (request.petName.isEmpty()) {
            error = QStringLiteral("--pet-name: a pet needs a name of letters or digits");
            return false;
        }
        if (!readDateOption(parser, QStringLiteral("pet-birth"), true, request.petBirth, error))
            return false;
    }
    if (parser.isSet(QStringLiteral("reports")) &&
        !readReportList(parser.value(QStringLiteral("reports")), request.selection, error))
        return false;
    request.out = parser.value(QStringLiteral("out"));
    if (request.out.isEmpty()) {
        error = QStringLiteral("missing --out");
        return false;
    }
    return true;
}

} // namespace

int calculateReports(const PdfRequest &request, ReportSet &reports)
{
    const QString doc = CReportTools::programImageFolder();
    const PersonRecord &person = request.person.person;
    CNumerology chart;
    chart.setImageFolder(doc);
    if (const int status = calculateChart(request.person, chart))
        return status;
    reports.numerology = chart.document();

    CNumerology celebrities;
    celebrities.setImageFolder(CReportTools::programImageFolder(QStringLiteral("doc2/")));
    celebrities.CalcCelebrities(person.fullName, person.birthDate, person.chaldean, person.vowelMode);
    reports.celebrities = celebrities.document();

    CNumerologyPMatrix square;
    square.setImageFolder(doc);
    square.CalcPsychomatrix(person.fullName, person.birthDate);
    reports.psychomatrix = square.document();

    if (!request.petName.isEmpty()) {
        CNumerology pet;
        CliReporter reporter;
        setMessageReporter(&reporter);
        const bool ok = pet.CalcPetNum(request.petName, request.petBirth, person.forecastDate);
        setMessageReporter(nullptr);
        if (!ok)
            return EXIT_NAME_CHECK;
        reports.pet = pet.document();
    }

    if (request.hasPartner) {
        CNumerology partnerChart;
        if (const int status = calculateChart(request.partner, partnerChart))
            return status;
        CNumerologyPMatrix partnerSquare;
        partnerSquare.CalcPsychomatrix(request.partner.person.fullName, request.partner.person.birthDate);
        CCompNumerology compatibility;
        compatibility.setImageFolder(doc);
        compatibility.CalcCompatibility(chart.result(), partnerChart.result(), square.values(),
                                        partnerSquare.values(), false);
        reports.compatibility = compatibility.document();
    }
    // reports.chart stays null until chart templates render: the chart page's
    // picture joins here, and the assembly places it last.
    return EXIT_OK;
}

bool printPdf(const QString &html, const QString &out, QString &error)
{
    error.clear();
    std::unique_ptr<GenPDFfromHTML> task(GenPDFfromHTML::forDocument(html, out, nullptr, &error));
    if (!task) {
        error = QLatin1String("cannot write the temporary report: ") + error;
        return false;
    }
    task->setOpenWhenDone(false);
    QEventLoop loop;
    bool success = false;
    QObject::connect(task.get(), &GenPDFfromHTML::finished, &loop, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    QTimer::singleShot(PRINT_TIMEOUT_MS, &loop, [&] {
        error = QStringLiteral("the web engine did not finish the PDF in time");
        loop.quit();
    });
    task->run();
    loop.exec();
    if (!success && error.isEmpty())
        error = task->errorString();
    return success;
}

void usagePdf(QTextStream &out)
{
    out << "  pdf --full TEXT --birth YYYY-MM-DD --out FILE.pdf [options]\n"
           "    Writes the combined PDF of the person's reports, as \"Save All Reports to\n"
           "    PDF\" makes it: numerology, psychomatrix, compatibility, celebrities and\n"
           "    pet, each chosen report from a new page.\n";
    writeChartOptionsUsage(out);
    out << "    --partner-full TEXT    a partner's full birth name: adds the compatibility\n"
           "    --partner-short TEXT   the partner's everyday name (derived as for --short)\n"
           "    --partner-birth YYYY-MM-DD   the partner's birth date\n"
           "    --pet-name TEXT        a pet's name: adds the pet report\n"
           "    --pet-birth YYYY-MM-DD the pet's birth date\n"
           "    --reports LIST         reports to include, any of numerology, matrix,\n"
           "                           compat, celebrities, chart (default: all; the chart\n"
           "                           has no picture yet); the pet report is always\n"
           "                           included when there is a pet\n"
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
    addReportOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;

    PdfRequest request;
    QString error;
    if (!readPdfRequest(parser, request, error))
        return usageError(QLatin1String("pdf: ") + error);
    if (const int status = loadReportTexts(parser, command))
        return status;

    ReportSet reports;
    if (const int status = calculateReports(request, reports))
        return status;
    if (!printPdf(assembleAllReports(reports, request.selection), request.out, error)) {
        QTextStream(stderr) << "sorvel-cli: pdf: " << error << "\n";
        return EXIT_FAILED;
    }
    return EXIT_OK;
}
