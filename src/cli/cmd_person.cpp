// sorvel-cli person: writes a saved person file, the same file the window's
// "Save" writes from the input overlay, for the window's "Open" and for
// chart --person and compat --person.

#include "cliutil.h"
#include "commands.h"
#include "files/personfile.h"

namespace {

// The date fields of the overlay and the pet page start at this day; a file
// saved without touching them carries it.
const QDate UNSET_DATE(2000, 1, 1);

// The person as typed: names as given, dates, gender and Chaldean flag.
bool readTypedPerson(const QCommandLineParser &parser, PersonInput &typed, QString &error)
{
    for (const char *name : {"full", "out"}) {
        if (!parser.isSet(QLatin1String(name))) {
            error = QLatin1String("missing --") + QLatin1String(name);
            return false;
        }
    }
    typed.fullName = parser.value(QStringLiteral("full"));
    typed.shortName = parser.value(QStringLiteral("short"));
    typed.partnerFullName = parser.value(QStringLiteral("partner-full"));
    typed.partnerShortName = parser.value(QStringLiteral("partner-short"));
    typed.petName = parser.value(QStringLiteral("pet-name"));
    typed.partnerBirthDate = typed.petBirthDate = UNSET_DATE;
    typed.forecastDate = QDate::currentDate();
    if (!readDateOption(parser, QStringLiteral("birth"), true, typed.birthDate, error) ||
        !readDateOption(parser, QStringLiteral("partner-birth"), false, typed.partnerBirthDate, error) ||
        !readDateOption(parser, QStringLiteral("pet-birth"), false, typed.petBirthDate, error) ||
        !readDateOption(parser, QStringLiteral("forecast"), false, typed.forecastDate, error))
        return false;

    const QString gender = parser.value(QStringLiteral("gender"));
    if (gender.isEmpty() || gender == QLatin1String("female")) {
        typed.female = true;
    } else if (gender == QLatin1String("male")) {
        typed.female = false;
    } else {
        error = QLatin1String("--gender: expected female or male, got ") + gender;
        return false;
    }
    typed.chaldean = parser.isSet(QStringLiteral("chaldean"));
    return true;
}

// Marks given on the command line replace the engine's own for that name;
// like the overlay's, they have one digit per character of the cleaned name.
bool readGivenMarks(const QCommandLineParser &parser, const char *option, const QString &cleanedName,
                    QVector<int> &marks, QString &error)
{
    const QString name = QLatin1String(option);
    if (!parser.isSet(name))
        return true;
    const QString where = QLatin1String("--") + name + QLatin1String(": ");
    if (!readMarks(parser.value(name), marks)) {
        error = where + QLatin1String("marks are digits 0, 1 or 2");
        return false;
    }
    if (marks.size() != cleanedName.size()) {
        error = where + QStringLiteral("expected %1 digits, one per character of \"%2\", got %3")
                            .arg(cleanedName.size())
                            .arg(cleanedName)
                            .arg(marks.size());
        return false;
    }
    return true;
}

} // namespace

void usagePerson(QTextStream &out)
{
    out << "  person --full TEXT --birth YYYY-MM-DD [options] --out FILE.num\n"
           "    Writes a saved person file, as the window's Save does; chart --person,\n"
           "    compat --person, pdf --person and the window's Open read it.\n"
           "    --full TEXT            full birth name as typed (required)\n"
           "    --birth YYYY-MM-DD     birth date (required)\n"
           "    --short TEXT           everyday name as typed\n"
           "    --gender female|male   default female\n"
           "    --partner-full TEXT, --partner-short TEXT, --partner-birth YYYY-MM-DD\n"
           "                           the partner\n"
           "    --pet-name TEXT, --pet-birth YYYY-MM-DD   the pet\n"
           "    --marks-full DIGITS    one digit per character of the cleaned full name:\n"
           "                           0 automatic, 1 always a vowel, 2 always a consonant\n"
           "                           (default: the engine's own choice, English vowels)\n"
           "    --marks-short DIGITS   the same for the short name\n"
           "    --chaldean             use the Chaldean letter table\n"
           "    --forecast YYYY-MM-DD  the forecast date kept in the file (default: today)\n"
           "    --out FILE.num         the file to write (required; - for stdout)\n"
           "    Dates not given are 2000-01-01, as in the window's empty fields.\n";
}

int runPerson(const QStringList &args)
{
    QCommandLineParser parser;
    const auto value = [&](const char *name, const char *valueName) {
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName)));
    };
    for (const char *name : {"full", "short", "partner-full", "partner-short", "pet-name"})
        value(name, "TEXT");
    for (const char *name : {"birth", "partner-birth", "pet-birth", "forecast"})
        value(name, "DATE");
    value("marks-full", "DIGITS");
    value("marks-short", "DIGITS");
    value("gender", "GENDER");
    value("out", "FILE");
    parser.addOption(QCommandLineOption(QStringLiteral("chaldean")));
    if (!parseArguments(parser, QStringLiteral("person"), args))
        return EXIT_USAGE;

    PersonInput typed;
    QString error;
    if (!readTypedPerson(parser, typed, error))
        return usageError(QLatin1String("person: ") + error);

    // The overlay holds the engine's marks for every typed name; the ones
    // given on the command line take their place.
    typed = withAutomaticMarks(typed);
    const PersonInput cleaned = cleanedInput(typed);
    if (!readGivenMarks(parser, "marks-full", cleaned.fullName, typed.fullMarks, error) ||
        !readGivenMarks(parser, "marks-short", cleaned.shortName, typed.shortMarks, error))
        return usageError(QLatin1String("person: ") + error);

    const QByteArray bytes = formatSavedPerson(typed, typed.forecastDate).toUtf8();
    return writeOutputFile(parser.value(QStringLiteral("out")), QStringLiteral("person"), bytes);
}
