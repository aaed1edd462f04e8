// The compatibility report: a summary table of both persons and their
// ratings, then one chapter per relation with the numbers behind its rating
// and the texts of topics 401..406.

#include "document/reporthtml.h"
#include "document/reportsections.h"
#include "engine/ccompnumerology.h"
#include "engine/numbertext.h"
#include "engine/readingtext.h"
#include "texts/textstore.h"
#include "texts/topics.h"

namespace {

using reporthtml::CRLF;
using reporthtml::LINE_END;
const QString NUMBERS_END = QStringLiteral("<br /><br />\r\n\r\n");
const QString TRAIT_END = QStringLiteral("<br/><br/><br/><br/><br/>\r\n");

// Rows and cells of the summary table.
const QString TABLE_OPEN = QStringLiteral(
    "<table class=maindoc width=\"500\" style=\"border-style: solid; color:#000000; border: 0px; "
    "border-collapse:collapse;\">\r\n");
const QString TITLE_ROW = QStringLiteral("<tr class=\"tab2\" style = \"border-bottom: 2px solid #117711\">");
const QString RATING_ROW =
    QStringLiteral("<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\">");
const QString CELL_TITLE =
    QStringLiteral("<td style=\"padding: 5px 20px 5px 20px; font: large bold; color:#6f2a0b;\">");
const QString CELL_LABEL = QStringLiteral("<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">");
const QString CELL_SECTION = QStringLiteral(
    "<td colspan=\"2\" style=\"padding: 15px 20px 5px 20px; font-weight: bold; color: #117711;\" "
    "comment=\"lc_fs\">");
const QString OVERALL_CELL = QStringLiteral("</td><td style=\"color:#6f2a0b; font: large bold;\">");
const QString LIFE_PATH_SEPARATOR = QStringLiteral("</td><td  comment=\"lc_fs\" >");
const QString SEPARATOR = QStringLiteral("</td><td comment=\"lc_fs\" >");
const QString ROW_END = QStringLiteral("</td></tr>");

QString sectionRow(const QString &title)
{
    return TITLE_ROW + CELL_SECTION + title + ROW_END;
}

QString ratingRow(const QString &label, const QString &separator, const QString &value)
{
    return RATING_ROW + CELL_LABEL + label + separator + value + ROW_END;
}

} // namespace

QString CCompNumerology::SummaryTable(const NumerologyResult &person, const NumerologyResult &partner) const
{
    const QString *t = m_res.texts;
    QString table = TABLE_OPEN;
    table += TITLE_ROW + CELL_TITLE + NameAndDate(person.fullName, person.birthDate) +
             QLatin1String("<br />and<br />") + NameAndDate(partner.fullName, partner.birthDate) +
             OVERALL_CELL + t[CT_OVERALL_RATING] + ROW_END;
    table += sectionRow(QStringLiteral("Core numbers Compatibility"));
    table += ratingRow(QStringLiteral("Life path"), LIFE_PATH_SEPARATOR, t[CT_LIFE_PATH_RATING]);
    table += ratingRow(QStringLiteral("Birthday"), SEPARATOR, t[CT_BIRTHDAY_RATING]);
    table += ratingRow(QStringLiteral("Name"), SEPARATOR, t[CT_NAME_RATING]);
    table += sectionRow(QStringLiteral("Psycho-matrix Compatibility"));
    // This row's opener ends in a blank.
    table += RATING_ROW + QLatin1Char(' ') + CELL_LABEL + QLatin1String("Marriage stability term") +
             SEPARATOR + t[CT_MARRIAGE_TERM] + QLatin1String(" years") + ROW_END;
    table += ratingRow(QStringLiteral("Family"), SEPARATOR, t[CT_FAMILY_RATING]);
    table += ratingRow(QStringLiteral("Carnal interests"), SEPARATOR, t[CT_CARNAL_RATING]);
    return table + QLatin1String("</table>") + CRLF;
}

void CCompNumerology::BuildReport(const NumerologyResult &person, const NumerologyResult &partner,
                                  const PsychomatrixValues &p1, const PsychomatrixValues &p2,
                                  const TextStore &texts)
{
    const CompatibilityResult &r = m_res;
    const QString *t = r.texts;

    // Title, summary table and introduction.
    beginDocument(QStringLiteral("Numerology Compatibility Report"));
    ReportSections out(*this);
    out.section(QString(), QStringLiteral("Numerology Compatibility Report"), {QString()});
    appendHtml(SummaryTable(person, partner));
    out.block({QString()});
    out.block({texts.text(topics::COMPAT_GENERAL, 0)});

    // Life Path.
    out.section(QStringLiteral("res35.jpg"), QStringLiteral("Life Path Compatibility"),
                {QLatin1String("Life path compatibility = ") + t[CT_LIFE_PATH_RATING] + LINE_END +
                     QLatin1String("Life path - ") + person.lifePathText + QLatin1String(" / ") +
                     partner.lifePathText + LINE_END + QLatin1String("Life path compatibility code - ") +
                     numberText(r.lifePathCode) + NUMBERS_END,
                 texts.text(topics::COMPAT_LIFE_PATH_PAIR, r.lifePathPairCode)});

    // Birthday.
    out.section(QStringLiteral("res37.jpg"), QStringLiteral("Birthday Compatibility"),
                {QLatin1String("Birthday compatibility = ") + t[CT_BIRTHDAY_RATING] + LINE_END +
                     QLatin1String("Birthday - ") + person.birthdayText + QLatin1String(" / ") +
                     partner.birthdayText + LINE_END + QLatin1String("Birthday code - ") +
                     numberText(r.birthdayCode) + NUMBERS_END,
                 texts.text(topics::COMPAT_BIRTHDAY_CODE, r.birthdayCode),
                 texts.text(topics::COMPAT_GENERAL, r.birthdayPairCode)});

    // Name.
    out.section(QStringLiteral("res34.jpg"), QStringLiteral("Name Compatibility"),
                {QLatin1String("Name compatibility = ") + t[CT_NAME_RATING] + LINE_END +
                     QLatin1String("Name numbers (expression) - ") + person.expressionText +
                     QLatin1String(" / ") + partner.expressionText + LINE_END +
                     QLatin1String("Name compatibility code - ") + t[CT_NAME_SUM] + NUMBERS_END,
                 texts.text(topics::COMPAT_NAME_PAIR, r.namePairCode)});

    // The two squares side by side.
    QString comparison;
    for (const PsychomatrixChapter &chapter : PSYCHOMATRIX_CHAPTERS)
        comparison += QLatin1String(chapter.label) + numberText(p1[size_t(chapter.valueIndex)]) +
                      QLatin1String(" / ") + numberText(p2[size_t(chapter.valueIndex)]) +
                      QLatin1String("<br/>\r\n");
    out.section(QString(), QStringLiteral("Psycho-matrix"), {comparison});

    // Family.
    out.section(QStringLiteral("res36.jpg"), QStringLiteral("Family"),
                {QLatin1String("Family Compatibility = ") + t[CT_FAMILY_RATING] + LINE_END +
                     QLatin1String("Home stability ") + t[CT_HOME_STABILITY] + LINE_END +
                     QLatin1String("Spiritual stability ") + t[CT_SPIRITUAL_STABILITY] +
                     QLatin1String("<br />\r\n\r\n") + QLatin1String("Marriage stability term ") +
                     t[CT_MARRIAGE_TERM] + QLatin1String("<br /><br />\r\n"),
                 texts.text(topics::COMPAT_GENERAL, 1)});

    // Character: an introduction, then the text of the code.
    out.section(QStringLiteral("res38.jpg"), QStringLiteral("Character"),
                {QLatin1String("Character Compatibility (1) - ") + numberText(p1[1]) + QLatin1String(" / ") +
                     numberText(p2[1]) + TRAIT_END,
                 texts.text(topics::COMPAT_CHARACTER, 0),
                 texts.text(topics::COMPAT_CHARACTER, r.characterCode)});

    // Energy: the text of the code alone.
    out.section(QStringLiteral("res17.jpg"), QStringLiteral("Energy"),
                {QLatin1String("Energy Compatibility (2) - ") + numberText(p1[2]) + QLatin1String(" / ") +
                     numberText(p2[2]) + TRAIT_END,
                 texts.text(topics::COMPAT_ENERGY, r.energyCode)});

    // Carnal interests.
    out.section(QStringLiteral("res33.jpg"), QStringLiteral("Carnal Interests"),
                {QLatin1String("Compatibility = ") + t[CT_CARNAL_RATING] + LINE_END +
                     QLatin1String("Values (3-5-7) - ") + numberText(p1[PM_SEXUAL_LIFE]) +
                     QLatin1String(" / ") + numberText(p2[PM_SEXUAL_LIFE]) +
                     QLatin1String("<br /><br /><br /><br />\r\n"),
                 texts.text(topics::COMPAT_GENERAL, 2)});

    // Closing chapter, under an empty heading.
    out.section(QString(), QString(), {texts.text(topics::COMPAT_GENERAL, 3)});
    endDocument();
}
