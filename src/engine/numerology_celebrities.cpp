// The celebrities report: the famous people of the data file who share the
// person's Life Path, day of birth or Expression number.

#include "cnumerology.h"

#include "numbertext.h"
#include "readingtext.h"
#include "texts/textstore.h"

namespace {

// Celebrity records and photographs: indexes 0..199.
const int CELEBRITY_COUNT = 200;

// Remarks per kind of match (the text store's celebrity chapters).
const int LIFE_PATH_REMARKS = 602;
const int BIRTH_DAY_REMARKS = 603;
const int EXPRESSION_REMARKS = 604;

// Parts of the packed birth date: day + 256 x month + 65536 x year.
int packedDay(int packed)
{
    return packed & 0xFF;
}

int packedMonth(int packed)
{
    return (packed >> 8) & 0xFF;
}

int packedYear(int packed)
{
    return packed >> 16;
}

// The photograph of celebrity i: "000.jpg" to "199.jpg".
QString photograph(int index)
{
    return QStringLiteral("%1.jpg").arg(index, 3, 10, QLatin1Char('0'));
}

// The heading of a celebrity: name, then month/day/year without leading zeros.
QString celebrityLine(const CelebrityRecord &celebrity)
{
    const int packed = celebrity.birthDate;
    return celebrity.name + QLatin1String(", ") + numberText(packedMonth(packed)) + QLatin1Char('/') +
           numberText(packedDay(packed)) + QLatin1Char('/') + numberText(packedYear(packed));
}

} // namespace

bool CNumerology::CalcCelebrities(const QString &fullName, const QDate &birthDate, bool chaldean,
                                  int vowelMode)
{
    // The person's chart with the three masters; no name check, no report of
    // its own. Life Path and Expression follow the global options as they do
    // on the person's chart, so the matches agree with the numbers shown there.
    SetMasterMode(0);
    PersonRecord person;
    person.fullName = fullName;
    person.shortName = fullName;
    person.chaldean = chaldean;
    person.birthDate = birthDate;
    person.forecastDate = QDate::currentDate();
    person.vowelMode = vowelMode;
    person.calcOnly = true;
    CalcNumerology(person);

    // Whole numbers are compared: a Life Path 11 matches 11, never 2.
    const TextStore &texts = TextStore::instance();
    m_celebrityMatches = CelebrityMatches();
    for (int i = 0; i < CELEBRITY_COUNT; ++i) {
        const CelebrityRecord celebrity = texts.celebrity(i);
        if (celebrity.lifePath == m_res.lifePath)
            m_celebrityMatches.lifePath.append(i);
        if (celebrity.birthdayNumber > 0 && packedDay(celebrity.birthDate) == birthDate.day())
            m_celebrityMatches.birthDay.append(i);
        if (celebrity.expression == m_res.expression)
            m_celebrityMatches.expression.append(i);
    }

    buildCelebritiesReport(texts);
    return true;
}

void CNumerology::buildCelebritiesReport(const TextStore &texts)
{
    beginDocument(QStringLiteral("Sorvel Numerology Celebrities Report"));

    // The person and the Life Path heading, always written.
    openBlock(true);
    addHeading(QStringLiteral("Celebrities Report for"));
    addHeading(NameAndDate(m_res.fullName, m_res.birthDate));
    addParagraph(QLatin1String("Date Number ") + m_res.lifePathText + QLatin1String("<br />Name Number ") +
                 m_res.expressionText);
    addParagraph(QString());
    addHeading(QStringLiteral("Celebrities with same Life Path"));
    closeBlock();

    // One block per match, its photograph beside the name; the Birth day and
    // Expression headings only above a first match.
    const auto listMatches = [&](const QList<int> &matches, const QString &heading, int remarks) {
        bool first = true;
        for (const int i : matches) {
            openBlock(true);
            if (first && !heading.isEmpty())
                addHeading(heading);
            first = false;
            setImageFile(photograph(i));
            addHeading(celebrityLine(texts.celebrity(i)));
            addParagraph(QLatin1String("<br />") + texts.celebrityText(remarks, i));
            closeBlock();
        }
        openBlock(true);
        addParagraph(QStringLiteral("<br />"));
        closeBlock();
    };
    listMatches(m_celebrityMatches.lifePath, QString(), LIFE_PATH_REMARKS);
    listMatches(m_celebrityMatches.birthDay, QStringLiteral("Celebrities with same Birth day"),
                BIRTH_DAY_REMARKS);
    listMatches(m_celebrityMatches.expression, QStringLiteral("Celebrities with same Expression number"),
                EXPRESSION_REMARKS);
    endDocument();
}
