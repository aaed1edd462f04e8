// sorvel-cli chart-image: a chart template drawn with a person's numbers,
// as the chart page shows it and the export saves it, written as PNG.

#include "cliutil.h"
#include "commands.h"
#include "engine/cnumerologypmatrix.h"
#include "partneroptions.h"
#include "templatepicture.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

// --width and --height, both or neither; neither is the export size.
bool readPictureSize(const QCommandLineParser &parser, QSize &size, QString &error)
{
    const bool width = parser.isSet(QStringLiteral("width"));
    const bool height = parser.isSet(QStringLiteral("height"));
    if (!width && !height) {
        size = QSize(0, 0);
        return true;
    }
    if (width != height) {
        error = QStringLiteral("--width and --height go together");
        return false;
    }
    static const QRegularExpression number(QStringLiteral("^[1-9]\\d{0,4}$"));
    const QString w = parser.value(QStringLiteral("width"));
    const QString h = parser.value(QStringLiteral("height"));
    if (!number.match(w).hasMatch() || !number.match(h).hasMatch()) {
        error = QStringLiteral("--width and --height take whole numbers from 1 to 99999");
        return false;
    }
    size = QSize(w.toInt(), h.toInt());
    return true;
}

int writePicture(const QImage &picture, const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, "PNG")) {
        QTextStream(stderr) << "sorvel-cli: chart-image: " << shownText(path) << ": the picture could not be made\n";
        return EXIT_FAILED;
    }
    return writeOutputFile(path, QStringLiteral("chart-image"), png);
}

} // namespace

void usageChartImage(QTextStream &out)
{
    out << "  chart-image --template FILE --full TEXT --birth YYYY-MM-DD [options]\n"
           "              [--width W --height H] --out FILE.png\n"
           "    Draws the chart template FILE with the person's numbers, as the chart page\n"
           "    does, and writes the picture as PNG. Without --width and --height the\n"
           "    picture has the export's size: the page in units / 1.334, times 4 (an A4\n"
           "    page gives 2516 x 3560 pixels); with them, the largest size that fits.\n";
    writeChartOptionsUsage(out);
    writePartnerOptionsUsage(out);
    out << "    --numerologist TEXT    the name the \"#numerologist\" field draws\n"
           "    Exit status 1 when the template is refused or cannot be read.\n";
}

int runChartImage(const QStringList &args)
{
    const QString command = QStringLiteral("chart-image");
    QCommandLineParser parser;
    addChartOptions(parser);
    addPartnerOptions(parser);
    for (const char *name : {"template", "out", "numerologist", "width", "height"})
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("VALUE")));
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;

    // Options first: nothing is read or calculated for a bad request.
    ChartRequest person;
    ChartRequest partner;
    QSize size;
    QString error;
    const bool withPartner =
        parser.isSet(QStringLiteral("partner-full")) || parser.isSet(QStringLiteral("partner-birth"));
    if (!readChartOptions(parser, person, error) ||
        (withPartner && !readPartnerOptions(parser, person, partner, error)) ||
        !readPictureSize(parser, size, error))
        return usageError(command + QLatin1String(": ") + error);
    for (const char *name : {"template", "out"}) {
        if (parser.value(QLatin1String(name)).isEmpty())
            return usageError(command + QLatin1String(": missing --") + QLatin1String(name));
    }

    // The person's and the partner's numbers, as the window calculates them.
    CNumerology personChart;
    CNumerology partnerChart;
    CNumerologyPMatrix personSquare;
    CNumerologyPMatrix partnerSquare;
    if (const int status = calculateChart(person, personChart))
        return status;
    personSquare.CalcPsychomatrix(person.person.fullName, person.person.birthDate);
    ChartDataContext data;
    data.person = &personChart;
    data.personMatrix = &personSquare;
    data.numerologist = parser.value(QStringLiteral("numerologist"));
    if (withPartner) {
        if (const int status = calculateChart(partner, partnerChart))
            return status;
        partnerSquare.CalcPsychomatrix(partner.person.fullName, partner.person.birthDate);
        data.partner = &partnerChart;
        data.partnerMatrix = &partnerSquare;
    }

    QImage picture;
    if (const int status = drawTemplateFile(command, parser.value(QStringLiteral("template")), data, size, picture))
        return status;
    return writePicture(picture, parser.value(QStringLiteral("out")));
}
