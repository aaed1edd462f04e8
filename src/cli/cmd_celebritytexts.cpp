// sorvel-cli celebrity-texts: turns the hand-written celebrity list into the
// celebrity entries of the interpretation data file.
//
//   celebrity-texts IN OUT
//
// IN holds one block per person (see data/celebrities/README.md):
//
//   name: Albert Einstein
//   note: physicist
//   born: 14.3.1879
//   lifepath: remark for a shared Life Path
//   birthday: remark for a shared day of birth
//   expression: remark for a shared Expression number
//
// The numbers are never written by hand: each person's Life Path, birthday
// number (the reduced day of birth) and Expression are computed here by the
// engine, with the default options and the Western letter table. OUT is a
// text source for "texts encode": person i (0..199) becomes the record entry
// #601NN / #611NN (NN = i, or i - 100 from index 100 on) with its six field
// lines, and the remark entries #602NN..#604NN / #612NN..#614NN.

#include "commands.h"
#include "cliutil.h"
#include "engine/cnumerology.h"
#include "engine/namecleaning.h"
#include "texts/topics.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

namespace {

const int MAX_CELEBRITIES = 200;

// The keys of a block, in the order the record fields and remarks follow.
const char *const KEYS[] = {"name", "note", "born", "lifepath", "birthday", "expression"};

struct Celebrity
{
    int line = 0;  // first line of the block, for messages
    QString name;
    QString note;
    QDate born;
    QString lifePathRemark;
    QString birthdayRemark;
    QString expressionRemark;
};

struct CelebrityNumbers
{
    int lifePath = 0;
    int birthdayNumber = 0;
    int expression = 0;
};

int failure(const QString &message)
{
    QTextStream(stderr) << "sorvel-cli: celebrity-texts: " << shownText(message) << "\n";
    return EXIT_FAILED;
}

// "D.M.YYYY" (leading zeros allowed) as a real Gregorian date; null otherwise.
QDate parseBirthDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

// The line is printable ASCII (a tab counts as a space).
bool isPlainAscii(const QByteArray &line)
{
    for (const char c : line)
        if ((c < 0x20 || c > 0x7E) && c != '\t')
            return false;
    return true;
}

class SourceReader
{
public:
    explicit SourceReader(const QString &path) : m_path(path) {}

    // Reads every block; on the first fault sets error to "FILE:LINE: reason".
    bool read(QList<Celebrity> &people, QString &error)
    {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly)) {
            error = m_path + QLatin1String(": cannot read: ") + file.errorString();
            return false;
        }
        QByteArray bytes = file.readAll();
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        QList<QByteArray> lines = bytes.split('\n');
        lines.append(QByteArray()); // a final blank line closes the last block

        m_fields.clear();
        for (int i = 0; i < lines.size(); ++i) {
            QByteArray raw = lines.at(i);
            if (raw.endsWith('\r'))
                raw.chop(1);
            const int lineNumber = i + 1;
            const QByteArray trimmed = raw.trimmed();
            if (trimmed.isEmpty()) {
                if (!m_fields.isEmpty() && !closeBlock(people, error))
                    return false;
                continue;
            }
            if (trimmed.startsWith('#'))
                continue;
            if (!isPlainAscii(raw))
                return fail(lineNumber, QStringLiteral("only printable ASCII characters are allowed"), error);
            if (!addField(QString::fromLatin1(trimmed), lineNumber, error))
                return false;
        }
        return true;
    }

private:
    bool fail(int line, const QString &reason, QString &error) const
    {
        error = m_path + QLatin1Char(':') + QString::number(line) + QLatin1String(": ") + reason;
        return false;
    }

    bool addField(const QString &text, int line, QString &error)
    {
        const int colon = text.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            return fail(line, QStringLiteral("expected \"key: value\""), error);
        const QString key = text.left(colon).trimmed();
        const QString value = text.mid(colon + 1).trimmed();
        if (!isKnownKey(key))
            return fail(line, QStringLiteral("unknown key \"%1\"").arg(key), error);
        if (m_fields.contains(key))
            return fail(line, QStringLiteral("\"%1\" given twice in one block").arg(key), error);
        if (value.isEmpty())
            return fail(line, QStringLiteral("\"%1\" is empty").arg(key), error);
        if (value.startsWith(QLatin1Char('#')))
            return fail(line, QStringLiteral("a value must not start with \"#\""), error);
        if (m_fields.isEmpty())
            m_blockLine = line;
        m_fields.insert(key, qMakePair(value, line));
        return true;
    }

    static bool isKnownKey(const QString &key)
    {
        for (const char *known : KEYS)
            if (key == QLatin1String(known))
                return true;
        return false;
    }

    bool closeBlock(QList<Celebrity> &people, QString &error)
    {
        for (const char *key : KEYS)
            if (!m_fields.contains(QLatin1String(key)))
                return fail(m_blockLine, QStringLiteral("block has no \"%1\" line").arg(QLatin1String(key)), error);
        if (people.size() == MAX_CELEBRITIES)
            return fail(m_blockLine, QStringLiteral("more than %1 celebrities").arg(MAX_CELEBRITIES), error);

        Celebrity person;
        person.line = m_blockLine;
        person.name = m_fields.value(QStringLiteral("name")).first;
        person.note = m_fields.value(QStringLiteral("note")).first;
        person.lifePathRemark = m_fields.value(QStringLiteral("lifepath")).first;
        person.birthdayRemark = m_fields.value(QStringLiteral("birthday")).first;
        person.expressionRemark = m_fields.value(QStringLiteral("expression")).first;
        const QPair<QString, int> born = m_fields.value(QStringLiteral("born"));
        person.born = parseBirthDate(born.first);
        if (!person.born.isValid())
            return fail(born.second, QStringLiteral("\"%1\" is not a date written as day.month.year").arg(born.first), error);
        if (CleanName(person.name).isEmpty())
            return fail(m_fields.value(QStringLiteral("name")).second,
                        QStringLiteral("the name has no letters to compute an Expression from"), error);
        people.append(person);
        m_fields.clear();
        return true;
    }

    QString m_path;
    QMap<QString, QPair<QString, int>> m_fields;  // key -> value, line
    int m_blockLine = 0;
};

// The person's numbers as the engine computes them: default options, master
// mode 0, Western letters, calculate-only.
CelebrityNumbers computeNumbers(const Celebrity &person)
{
    CNumerology engine;
    engine.SetMasterMode(0);
    PersonRecord record;
    record.fullName = CleanName(person.name);
    record.shortName = ShortNameFromFull(record.fullName);
    record.birthDate = person.born;
    record.forecastDate = person.born;
    record.calcOnly = true;
    engine.CalcNumerology(record);

    CelebrityNumbers numbers;
    numbers.lifePath = engine.result().lifePath;
    numbers.birthdayNumber = engine.reportValues().birthDayReduced;
    numbers.expression = engine.result().expression;
    return numbers;
}

QString header(int code, int number)
{
    return QStringLiteral("#%1%2").arg(code).arg(number, 2, 10, QLatin1Char('0'));
}

// The text-source lines of person `index`.
QStringList entryLines(int index, const Celebrity &person, const CelebrityNumbers &numbers)
{
    const int offset = index < 100 ? 0 : topics::CELEBRITY_SECOND_HUNDRED;
    const int number = index % 100;
    QStringList lines;
    lines << header(topics::CELEBRITY_RECORDS + offset, number)
          << QString::number(numbers.lifePath)
          << QString::number(numbers.birthdayNumber)
          << QString::number(numbers.expression)
          << person.name
          << person.note
          << QStringLiteral("%1.%2.%3").arg(person.born.day()).arg(person.born.month()).arg(person.born.year())
          << QString();
    const struct {
        int chapter;
        const QString &remark;
    } REMARKS[3] = {
        {topics::CELEBRITY_LIFE_PATH_REMARKS, person.lifePathRemark},
        {topics::CELEBRITY_BIRTH_DAY_REMARKS, person.birthdayRemark},
        {topics::CELEBRITY_EXPRESSION_REMARKS, person.expressionRemark},
    };
    for (const auto &remarks : REMARKS)
        lines << header(remarks.chapter + offset, number) << remarks.remark << QString();
    return lines;
}

int convert(const QString &input, const QString &output)
{
    QList<Celebrity> people;
    QString error;
    if (!SourceReader(input).read(people, error))
        return failure(error);

    QStringList lines;
    for (int i = 0; i < people.size(); ++i) {
        const CelebrityNumbers numbers = computeNumbers(people.at(i));
        // A real date and a name with letters always give positive numbers;
        // anything else would be stored as "no number" by the reader.
        if (numbers.lifePath <= 0 || numbers.birthdayNumber <= 0 || numbers.expression <= 0)
            return failure(input + QLatin1Char(':') + QString::number(people.at(i).line)
                           + QLatin1String(": the engine gave no number for this person"));
        lines << entryLines(i, people.at(i), numbers);
    }

    const QByteArray data = lines.join(QLatin1Char('\n')).toLatin1();
    return writeOutputFile(output, QStringLiteral("celebrity-texts"), data);
}

} // namespace

void usageCelebrityTexts(QTextStream &out)
{
    out << "  celebrity-texts IN OUT\n"
           "    Reads the celebrity list IN (blocks of name:, note:, born: D.M.YYYY,\n"
           "    lifepath:, birthday:, expression: lines; at most 200), computes each\n"
           "    person's Life Path, birthday number and Expression, and writes the\n"
           "    celebrity entries (601-604, 611-614) as a text source OUT for\n"
           "    \"texts encode\".\n";
}

int runCelebrityTexts(const QStringList &args)
{
    for (const QString &arg : args)
        if (arg.startsWith(QLatin1String("--")))
            return usageError(QLatin1String("celebrity-texts: unknown option ") + arg);
    if (args.size() != 2)
        return usageError(QStringLiteral("celebrity-texts: expected IN OUT"));
    return convert(args.at(0), args.at(1));
}
