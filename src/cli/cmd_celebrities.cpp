// sorvel-cli celebrities: the celebrities sharing a number with a person,
// and their report.

#include "cliutil.h"
#include "commands.h"
#include "engine/namecleaning.h"
#include "readingutil.h"

namespace {

QJsonArray indexArray(const QList<int> &indexes)
{
    QJsonArray array;
    for (const int i : indexes)
        array.append(i);
    return array;
}

} // namespace

void usageCelebrities(QTextStream &out)
{
    out << "  celebrities --full TEXT --birth YYYY-MM-DD [--chaldean] [--vowels MODE]\n"
           "    Prints the indexes (0 to 199) of the data file's celebrities matched by\n"
           "    Life Path, by day of birth and by Expression, in index order.\n"
           "    --full TEXT            full birth name (required)\n"
           "    --birth YYYY-MM-DD     birth date (required)\n"
           "    --chaldean             use the Chaldean letter table\n"
           "    --vowels english|universal   how Y and W are judged (default english)\n";
    writeReportOptionsUsage(out);
}

int runCelebrities(const QStringList &args)
{
    const QString command = QStringLiteral("celebrities");
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("full"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("birth"), QString(), QStringLiteral("DATE")));
    parser.addOption(QCommandLineOption(QStringLiteral("chaldean")));
    parser.addOption(QCommandLineOption(QStringLiteral("vowels"), QString(), QStringLiteral("MODE")));
    addReportOptions(parser);
    if (!parseArguments(parser, command, args))
        return EXIT_USAGE;

    if (!parser.isSet(QStringLiteral("full")))
        return usageError(QStringLiteral("celebrities: missing --full"));
    QDate birth;
    QString error;
    if (!readDateOption(parser, QStringLiteral("birth"), true, birth, error))
        return usageError(QLatin1String("celebrities: ") + error);
    const QString vowels = parser.value(QStringLiteral("vowels"));
    int vowelMode = 0;
    if (vowels == QLatin1String("universal"))
        vowelMode = 1;
    else if (!vowels.isEmpty() && vowels != QLatin1String("english"))
        return usageError(QLatin1String("celebrities: --vowels: expected english or universal, got ") +
                          vowels);
    if (const int status = loadReportTexts(parser, command))
        return status;

    CNumerology celebrities;
    celebrities.setImageFolder(CReportTools::programImageFolder(QStringLiteral("doc2/")));
    const QString name = CleanName(parser.value(QStringLiteral("full")));
    celebrities.CalcCelebrities(name, birth, parser.isSet(QStringLiteral("chaldean")), vowelMode);
    // A name without letters (nothing left once cleaned, or only zeros) has
    // the Expression 0 of every unfilled record: refused as the other
    // readings refuse it, with the name check's message.
    if (celebrities.result().expression == 0) {
        const QString why = nameFailure(QString(), QStringLiteral("full name"), name, "no letters");
        QTextStream(stderr) << NAME_CHECK_MESSAGE << ' ' << shownText(why) << '\n';
        return EXIT_NAME_CHECK;
    }
    if (const int status = writeReportFile(parser, command, celebrities.document()))
        return status;

    const NumerologyResult &r = celebrities.result();
    const CelebrityMatches &matches = celebrities.celebrityMatches();
    QJsonObject o;
    o[QStringLiteral("lifePath")] = r.lifePath;
    o[QStringLiteral("lifePathText")] = r.lifePathText;
    o[QStringLiteral("expression")] = r.expression;
    o[QStringLiteral("expressionText")] = r.expressionText;
    o[QStringLiteral("byLifePath")] = indexArray(matches.lifePath);
    o[QStringLiteral("byBirthDay")] = indexArray(matches.birthDay);
    o[QStringLiteral("byExpression")] = indexArray(matches.expression);
    return writeJson(o, command);
}
