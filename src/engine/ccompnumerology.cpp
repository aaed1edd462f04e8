// The compatibility of two persons: ratings, stabilities, codes and texts.
// The report is in compatibilityreport.cpp.

#include "ccompnumerology.h"

#include "numbertext.h"
#include "texts/textstore.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Life path relations: for the first person's digit (row), the partner's
// digits in the lists natural, compatible, neutral and challenging. The
// first list whose text holds the partner's digit gives the rating. Row 0
// (no Life Path) lists nothing.
//                                   natural    compatible  neutral  challenging
const char *const LIFE_PATH_LISTS[10][4] = {{"", "", "", ""},                      // 0
                                            {"1, 5, 7", "3, 9", "8", "2, 4, 6"},   // 1
                                            {"2, 4, 8", "3, 6", "9", "1, 5, 7"},   // 2
                                            {"3, 6, 9", "1, 2, 5", "", "4, 7, 8"}, // 3
                                            {"2, 4, 8", "6, 7", "", "1, 3, 5, 9"}, // 4
                                            {"1, 5, 7", "3, 9", "8", "2, 4, 6"},   // 5
                                            {"3, 6, 9", "2, 4, 8", "", "1, 5, 7"}, // 6
                                            {"1, 5, 7", "4", "9", "2, 3, 6, 8"},   // 7
                                            {"2, 4, 8", "6", "1,5", "3, 7, 9"},    // 8
                                            {"3, 6, 9", "1, 5", "2,7", "4, 8"}};   // 9
const int LIST_RATINGS[4] = {90, 75, 50, 35};
const int UNMATCHED_LIFE_PATH_RATING = 50;

// Birthday rating by birthday code 1..9; code 0 cannot arise from real days.
//                               0   1   2   3   4   5   6   7   8   9
const int BIRTHDAY_RATINGS[10] = {-1, 80, 75, 70, 50, 60, 95, 70, 65, 50};

// Name rating at row min(E1, E2), column max(E1, E2) of the two Expression
// digits: the upper triangle of the name number table. Cells below the
// diagonal are never read (-1); row 0 (no Expression) rates 50, the neutral
// value.
//                                 0   1   2   3   4   5   6   7   8   9
const int NAME_RATINGS[10][10] = {{50, 50, 50, 50, 50, 50, 50, 50, 50, 50},  // 0
                                  {-1, 55, 90, 85, 70, 90, 85, 70, 60, 95},  // 1
                                  {-1, -1, 40, 70, 95, 70, 85, 70, 75, 65},  // 2
                                  {-1, -1, -1, 65, 65, 60, 95, 50, 50, 70},  // 3
                                  {-1, -1, -1, -1, 70, 75, 70, 60, 70, 90},  // 4
                                  {-1, -1, -1, -1, -1, 95, 70, 70, 60, 75},  // 5
                                  {-1, -1, -1, -1, -1, -1, 60, 55, 75, 70},  // 6
                                  {-1, -1, -1, -1, -1, -1, -1, 55, 50, 70},  // 7
                                  {-1, -1, -1, -1, -1, -1, -1, -1, 60, 75},  // 8
                                  {-1, -1, -1, -1, -1, -1, -1, -1, -1, 60}}; // 9

// Carnal rating by the distance of the two 3-5-7 sums, each capped at 5.
//                             0    1   2   3   4   5
const int CARNAL_RATINGS[6] = {100, 90, 75, 50, 40, 30};

int C(int n)
{
    return CNumerology::ReduceCompat(n);
}

int pairCode(int a, int b)
{
    return 10 * std::min(a, b) + std::max(a, b);
}

QString percent(int rating)
{
    return numberText(rating) + QLatin1Char('%');
}

QString sumText(int a, int b, int code)
{
    return numberText(a) + QLatin1Char('+') + numberText(b) + QLatin1Char('=') + numberText(code);
}

// A rating table index: digits from ReduceCompat are 0..9.
int digitIndex(int d)
{
    return std::clamp(d, 0, 9);
}

} // namespace

CCompNumerology::CCompNumerology(QObject *parent)
    : CReportTools(parent)
{
}

const TextStore &CCompNumerology::textStore() const
{
    return m_texts ? *m_texts : TextStore::instance();
}

int CCompNumerology::LifePathRating(int digit1, int digit2)
{
    const QString partner = numberText(digit2);
    const char *const *lists = LIFE_PATH_LISTS[digitIndex(digit1)];
    for (int i = 0; i < 4; ++i)
        if (QLatin1String(lists[i]).contains(partner))
            return LIST_RATINGS[i];
    return UNMATCHED_LIFE_PATH_RATING;
}

int CCompNumerology::BirthdayRating(int birthdayCode)
{
    return BIRTHDAY_RATINGS[digitIndex(birthdayCode)];
}

int CCompNumerology::NameRating(int digit1, int digit2)
{
    const int row = digitIndex(std::min(digit1, digit2));
    const int column = digitIndex(std::max(digit1, digit2));
    return NAME_RATINGS[row][column];
}

int CCompNumerology::CarnalRating(int sexualLife1, int sexualLife2)
{
    const int a = std::min(sexualLife1, 5);
    const int b = std::min(sexualLife2, 5);
    return CARNAL_RATINGS[std::min(std::abs(a - b), 5)];
}

int CCompNumerology::FamilyScore(int purposeful1, int purposeful2)
{
    return std::max(0, 20 * (5 - std::abs(2 - std::abs(purposeful1 - purposeful2))));
}

int CCompNumerology::FamilyRating(int marriageStabilityTerm)
{
    return std::min(100, marriageStabilityTerm * 111 / 35);
}

// The two-digit code of two counts: smaller count + 1, then larger count
// + 1, each count capped at 6 (11 to 77).
int CCompNumerology::TraitCode(int count1, int count2)
{
    const int a = std::min(count1, 6);
    const int b = std::min(count2, 6);
    return 10 * std::min(a, b) + std::max(a, b) + 11;
}

CompatibilityResult CCompNumerology::Compare(const NumerologyResult &person, const NumerologyResult &partner,
                                             const PsychomatrixValues &p1, const PsychomatrixValues &p2)
{
    CompatibilityResult r;

    // Life path.
    const int l1 = C(person.lifePath);
    const int l2 = C(partner.lifePath);
    r.lifePathDigits[0] = l1;
    r.lifePathDigits[1] = l2;
    r.lifePathCode = C(l1 + l2);
    r.lifePathRating = LifePathRating(l1, l2);
    r.lifePathPairCode = pairCode(l1, l2);

    // Birthday.
    const int day1 = person.birthDate.day();
    const int day2 = partner.birthDate.day();
    const int b1 = C(day1);
    const int b2 = C(day2);
    r.birthdayCode = C(b1 + b2);
    r.birthdayRating = BirthdayRating(r.birthdayCode);
    r.birthdayPairCode = pairCode(b1, b2);

    // The squares: home is stability x family formation x sexual life,
    // spirit is purposefulness x self appraisal x spirituality.
    r.familyScore = FamilyScore(p1[PM_PURPOSEFUL], p2[PM_PURPOSEFUL]);
    const PsychomatrixValues *squares[2] = {&p1, &p2};
    for (int i = 0; i < 2; ++i) {
        const PsychomatrixValues &p = *squares[i];
        r.homeProducts[i] = p[PM_STABILITY] * p[PM_FAMILY] * p[PM_SEXUAL_LIFE];
        r.spiritualProducts[i] = p[PM_PURPOSEFUL] * p[PM_SELF_APPRAISAL] * p[PM_SPIRITUALITY];
    }
    r.homeStability = (r.homeProducts[0] * r.homeProducts[1] + 180) / 365;
    r.spiritualStability = (r.spiritualProducts[0] * r.spiritualProducts[1] + 180) / 365;
    r.marriageStabilityTerm =
        r.homeStability == r.spiritualStability ? r.homeStability : r.homeStability + r.spiritualStability;
    r.familyRating = FamilyRating(r.marriageStabilityTerm);
    r.carnalRating = CarnalRating(p1[PM_SEXUAL_LIFE], p2[PM_SEXUAL_LIFE]);
    r.characterCode = TraitCode(p1[1], p2[1]);
    r.energyCode = TraitCode(p1[2], p2[2]);

    // Name.
    const int e1 = C(person.expression);
    const int e2 = C(partner.expression);
    r.nameCode = C(e1 + e2);
    r.nameRating = NameRating(e1, e2);
    r.namePairCode = pairCode(e1, e2);

    r.overallRating =
        (2 * r.lifePathRating + 2 * r.familyRating + r.carnalRating + r.birthdayRating + r.nameRating) / 7;

    // The texts, in their fixed order.
    QString *t = r.texts;
    t[CT_HOME_PRODUCT_1] = numberText(r.homeProducts[0]);
    t[CT_HOME_PRODUCT_2] = numberText(r.homeProducts[1]);
    t[CT_SPIRITUAL_PRODUCT_1] = numberText(r.spiritualProducts[0]);
    t[CT_SPIRITUAL_PRODUCT_2] = numberText(r.spiritualProducts[1]);
    t[CT_HOME_STABILITY] = numberText(r.homeStability);
    t[CT_SPIRITUAL_STABILITY] = numberText(r.spiritualStability);
    t[CT_MARRIAGE_TERM] = numberText(r.marriageStabilityTerm);
    t[CT_LIFE_PATH_SUM] = sumText(person.lifePath, partner.lifePath, r.lifePathCode);
    t[CT_LIFE_PATH_RATING] = percent(r.lifePathRating);
    t[CT_BIRTHDAY_SUM] = sumText(day1, day2, r.birthdayCode);
    t[CT_BIRTHDAY_RATING] = percent(r.birthdayRating);
    t[CT_FAMILY_RATING] = percent(r.familyRating);
    t[CT_CARNAL_RATING] = percent(r.carnalRating);
    t[CT_NAME_SUM] = sumText(person.expression, partner.expression, r.nameCode);
    t[CT_NAME_RATING] = percent(r.nameRating);
    t[CT_OVERALL_RATING] = percent(r.overallRating);
    return r;
}

void CCompNumerology::ResetCompatibility()
{
    m_res = CompatibilityResult();
    m_female = false;
    m_document.clear();
}

bool CCompNumerology::CalcCompatibility(const NumerologyResult &person, const NumerologyResult &partner,
                                        const PsychomatrixValues &personSquare,
                                        const PsychomatrixValues &partnerSquare, bool female)
{
    ResetCompatibility();
    m_female = female;
    m_res = Compare(person, partner, personSquare, partnerSquare);
    BuildReport(person, partner, personSquare, partnerSquare, textStore());
    return true;
}
