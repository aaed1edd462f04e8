// Writes the fuzzers' seed corpora from our own data: person files and
// configurations made by our own writers, runs of lines of the built data
// file, barcode texts and client lists.
//
//   fuzz_makeseeds SEED_FOLDER ENG_DAT
//
// Each fuzzer's seeds go to SEED_FOLDER/<fuzzer name>/.

#include "barcodes/barcode.h"
#include "barcodes/qrencoder.h"
#include "files/configfile.h"
#include "files/personfile.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

const QDate FORECAST(2024, 6, 21);
// Lines of the data file per seed: enough to hold a header and its entry.
const int DATA_LINES_PER_SEED = 24;

bool writeSeed(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz_makeseeds: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

PersonInput john()
{
    PersonInput p;
    p.fullName = QStringLiteral("John Quincy Smith");
    p.shortName = QStringLiteral("John");
    p.birthDate = QDate(1990, 5, 17);
    p.female = false;
    p.partnerFullName = QStringLiteral("Mary Ann Lee");
    p.partnerBirthDate = QDate(1991, 2, 1);
    p.petName = QStringLiteral("Rex");
    p.petBirthDate = QDate(2015, 3, 8);
    p.chaldean = true;
    return withAutomaticMarks(p);
}

PersonInput anna()
{
    PersonInput p;
    p.fullName = QString::fromUtf8("Anna-Zoë Wade, Jr.");
    p.birthDate = QDate(1975, 11, 30);
    p.partnerBirthDate = p.petBirthDate = QDate(2000, 1, 1);
    return withAutomaticMarks(p);
}

bool personSeeds(const QString &folder)
{
    const QString oldFormat = QStringLiteral("17.05.1990,John Smith,John,1,01.02.1991,Mary Lee,Mary,"
                                             "08.03.2015,Rex,21.06.2024");
    RecentEntry cleaned = cleanedInput(john());
    return writeSeed(folder, "saved-person.num", formatSavedPerson(john(), FORECAST).toUtf8()) &&
           writeSeed(folder, "saved-unicode.num", formatSavedPerson(anna(), FORECAST).toUtf8()) &&
           writeSeed(folder, "recent-list.num",
                     formatRecentList({cleaned, cleanedInput(anna()), cleaned}, FORECAST).toUtf8()) &&
           writeSeed(folder, "older-format.num", oldFormat.toUtf8()) &&
           writeSeed(folder, "edited.num",
                     "\xEF\xBB\xBF" + formatSavedPerson(john(), FORECAST).toUtf8() + "\r\n");
}

bool configSeeds(const QString &folder)
{
    AppConfig changed;
    changed.lastUpdateCheck = QDateTime(QDate(2024, 6, 21), QTime(13, 45, 10));
    changed.options.lifePathMethod3 = true;
    changed.options.reduceEachWord = false;
    changed.skipGuideDialog = true;
    changed.styleIndex = 3;
    changed.dayFirstDates = true;
    changed.numerologist = QStringLiteral("Ada Quill");
    const QByteArray whole = writeConfig(changed);
    return writeSeed(folder, "defaults.cfg", writeConfig(AppConfig())) &&
           writeSeed(folder, "changed.cfg", whole) &&
           writeSeed(folder, "without-numerologist.cfg", whole.left(whole.size() - 22)) &&
           writeSeed(folder, "cut.cfg", whole.left(40));
}

// Runs of consecutive lines of the data file, each starting at a header.
bool textStoreSeeds(const QString &folder, const QString &engDat)
{
    QFile file(engDat);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "fuzz_makeseeds: cannot read %s\n", qPrintable(engDat));
        return false;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    int seed = 0;
    for (int start = 0; start < lines.size(); start += DATA_LINES_PER_SEED) {
        QByteArray bytes;
        for (int i = start; i < qMin(start + DATA_LINES_PER_SEED, lines.size()); ++i)
            bytes += lines.at(i) + '\n';
        if (!writeSeed(folder, QStringLiteral("lines-%1.dat").arg(seed++, 4, 10, QLatin1Char('0')), bytes))
            return false;
    }
    return true;
}

// The settings bytes of fuzz_qr, then the text.
QByteArray qrSeed(int level, int version, int mask, bool growth, const QByteArray &text)
{
    QByteArray bytes;
    bytes += char(level);
    bytes += char(version);
    bytes += char(mask + 1);
    bytes += char(growth ? 1 : 0);
    return bytes + text;
}

bool barcodeSeeds(const QString &qrFolder, const QString &linearFolder)
{
    const QByteArray texts[] = {"SORVEL-58880-0", "0123456789012",
                                "HELLO WORLD",    "A1234B",
                                "4006381333931",  QString::fromUtf8("Zoë Ångström 123").toUtf8()};
    int seed = 0;
    for (const QByteArray &text : texts) {
        const int level = seed % 4; // L, M, Q, H in turn
        if (!writeSeed(qrFolder, QStringLiteral("text-%1").arg(seed++), qrSeed(level, 0, -1, true, text)))
            return false;
    }
    if (!writeSeed(qrFolder, "version-7-mask-3", qrSeed(QR_LEVEL_M, 7, 3, false, "SORVEL NUMEROLOGY")))
        return false;
    for (int kind = BARCODE_CODABAR; kind < BARCODE_KIND_COUNT; ++kind) {
        for (const QByteArray &text : texts) {
            QByteArray pattern;
            if (!EncodeBarcode(kind, text, pattern))
                continue;
            const QString name = QStringLiteral("kind-%1-%2").arg(kind).arg(seed++);
            if (!writeSeed(linearFolder, name, char(kind - BARCODE_CODABAR) + text))
                return false;
        }
    }
    return true;
}

// Client lists for batch work: the shapes a spreadsheet saves, and the
// mistakes the reader must name.
bool clientListSeeds(const QString &folder)
{
    const QByteArray full = "full name,short name,birth date,partner full name,partner short name,"
                            "partner birth date,pet name,pet birth date\r\n";
    return writeSeed(folder, "minimal.csv", "full name,birth date\nJohn Smith,1990-05-17\n") &&
           writeSeed(
               folder, "every-column.csv",
               "\xEF\xBB\xBF" + full +
                   "\"Smith, John Adam\",John,1990-05-17,Mary Ann Lee,Mary,1991-02-01,Rex,2015-03-08\r\n"
                   "\"Ann \"\"Annie\"\" Lee\",,1975-11-30,,,,,\r\n\r\n") &&
           writeSeed(folder, "mistakes.csv",
                     "Birth_Date,FULL-NAME\n17.05.1990,John\n1990-02-30,Ann\n,\n1990-05-17\n"
                     "\"two\nlines\",x\n\"open,1990-01-01\n");
}

// The first byte chooses how the finder reads the list (fuzz_namelist.cpp).
bool nameListSeeds(const QString &folder)
{
    return writeSeed(folder, "plain.txt", QByteArray(1, char(0)) + "Sunrise Bakery\nFlour & Stone\n\n12345\nCaf\xC3\xA9 Nova\n") &&
           writeSeed(folder, "column.csv", QByteArray(1, char(2)) + "id,name\n1,\"Nova, Ltd\"\n2,Zen\n3,\n") &&
           writeSeed(folder, "title.csv", QByteArray(1, char(3)) + "city,Name\nOslo,Orbit\n\"open,x\n") &&
           writeSeed(folder, "given.csv", QByteArray(1, char(0)) + "# name,gender,rank\nMichael,m,1\nJessica,f,2\nJordan,u,3\n");
}

// The client book's import: the first byte chooses how the rest is read
// ('c' a client list, 's' a saved person, 'r' the recent list), so every
// seed of those readers is a seed here with its letter in front.
bool clientImportSeeds(const QString &folder, const QString &clientLists, const QString &personFiles)
{
    const auto copyAll = [&folder](const QString &from, char kind) {
        for (const QString &name : QDir(from).entryList(QDir::Files)) {
            QFile file(from + QLatin1Char('/') + name);
            if (!file.open(QIODevice::ReadOnly) || !writeSeed(folder, QLatin1Char(kind) + name, kind + file.readAll()))
                return false;
        }
        return true;
    };
    return copyAll(clientLists, 'c') && copyAll(personFiles, 's') && copyAll(personFiles, 'r');
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_makeseeds SEED_FOLDER ENG_DAT\n");
        return 2;
    }
    const QString root = QFile::decodeName(argv[1]);
    const auto folder = [&root](const char *fuzzer) {
        const QString path = root + QLatin1Char('/') + QLatin1String(fuzzer);
        QDir().mkpath(path);
        return path;
    };
    const bool ok = personSeeds(folder("fuzz_personfile")) && configSeeds(folder("fuzz_config")) &&
                    textStoreSeeds(folder("fuzz_textstore"), QFile::decodeName(argv[2])) &&
                    barcodeSeeds(folder("fuzz_qr"), folder("fuzz_linear")) &&
                    clientListSeeds(folder("fuzz_clientlist")) && nameListSeeds(folder("fuzz_namelist")) &&
                    clientImportSeeds(folder("fuzz_clientimport"), folder("fuzz_clientlist"), folder("fuzz_personfile"));
    return ok ? 0 : 1;
}
