// The celebrities report: the person's numbers, then one block per matching
// celebrity with photograph, name, birth date and remark, in three lists.

#include "document/reporthtml.h"
#include "document/reportsections.h"
#include "engine/cnumerology.h"
#include "engine/numbertext.h"
#include "engine/readingtext.h"
#include "texts/celebritydate.h"
#include "texts/textstore.h"
#include "texts/topics.h"

namespace {

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

using reporthtml::BR;

} // namespace

void CNumerology::buildCelebritiesReport(const TextStore &texts)
{
    beginDocument(QStringLiteral("Sorvel Numerology Celebrities Report"));

    ReportSections out(*this);

    // The person and the Life Path heading, always written, in one block
    // whose last heading stands below its paragraph.
    openBlock(true);
    addHeading(QStringLiteral("Celebrities Report for"));
    addHeading(NameAndDate(m_res.fullName, m_res.birthDate));
    addParagraph(QLatin1String("Date Number ") + m_res.lifePathText + QLatin1String("<br />Name Number ") +
                 m_res.expressionText);
    addHeading(QStringLiteral("Celebrities with same Life Path"));
    closeBlock();

    // One block per match, its photograph beside the name (not beside the
    // list's heading); the Birth day and Expression headings only above a
    // first match.
    const auto listMatches = [&](const QList<int> &matches, const QString &heading, int remarks) {
        bool first = true;
        for (const int i : matches) {
            openBlock(true);
            if (first && !heading.isEmpty())
                addHeading(heading);
            first = false;
            setImageFile(photograph(i));
            addHeading(celebrityLine(texts.celebrity(i)));
            addParagraph(BR + texts.celebrityText(remarks, i));
            closeBlock();
        }
        out.block({BR});
    };
    listMatches(m_celebrityMatches.lifePath, QString(), topics::CELEBRITY_LIFE_PATH_REMARKS);
    listMatches(m_celebrityMatches.birthDay, QStringLiteral("Celebrities with same Birth day"),
                topics::CELEBRITY_BIRTH_DAY_REMARKS);
    listMatches(m_celebrityMatches.expression, QStringLiteral("Celebrities with same Expression number"),
                topics::CELEBRITY_EXPRESSION_REMARKS);
    endDocument();
}
