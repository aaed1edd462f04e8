#pragma once

// Love compatibility of two calculated persons.
//
//   both charts (Life Path, birth day, Expression)
//     -> life path, birthday and name ratings from their single digits
//   both psychomatrices
//     -> family score, home and spiritual products and stabilities,
//        marriage stability term, family and carnal ratings,
//        character and energy codes
//     -> overall rating, the 16 texts, the report
//
// Every rating table is symmetric in its two digits, so swapping person and
// partner changes no rating, only the order inside the sum texts.

#include "cnumerology.h"
#include "cnumerologypmatrix.h"

#include <QString>

class TextStore;

// The 16 texts of a compatibility, in this order.
enum CompatibilityText {
    CT_HOME_PRODUCT_1,
    CT_HOME_PRODUCT_2,
    CT_SPIRITUAL_PRODUCT_1,
    CT_SPIRITUAL_PRODUCT_2,
    CT_HOME_STABILITY,
    CT_SPIRITUAL_STABILITY,
    CT_MARRIAGE_TERM,
    CT_LIFE_PATH_SUM,    // "5+11=7"
    CT_LIFE_PATH_RATING, // "35%"
    CT_BIRTHDAY_SUM,     // "17+29=1"
    CT_BIRTHDAY_RATING,
    CT_FAMILY_RATING,
    CT_CARNAL_RATING,
    CT_NAME_SUM, // "8+5=4"
    CT_NAME_RATING,
    CT_OVERALL_RATING,
    CT_COUNT
};

struct CompatibilityResult
{
    int lifePathRating = 0;     // percent
    int lifePathDigits[2] = {}; // single digits of the two Life Paths
    int lifePathCode = 0;
    int birthdayRating = 0;
    int birthdayCode = 0;
    int familyScore = 0;
    int homeProducts[2] = {};      // 3-6-9 x 2-5-8 x 3-5-7 of each square
    int spiritualProducts[2] = {}; // 1-4-7 x 1-2-3 x 1-5-9 of each square
    int homeStability = 0;
    int spiritualStability = 0;
    int marriageStabilityTerm = 0; // years
    int nameCode = 0;
    int nameRating = 0;
    int familyRating = 0;
    int carnalRating = 0;
    int overallRating = 0;
    int characterCode = 0; // 11..77 from the counts of 1
    int energyCode = 0;    // 11..77 from the counts of 2
    QString texts[CT_COUNT];

    // Read by the report: 10 x the smaller + the larger of two digits.
    int lifePathPairCode = 0;
    int birthdayPairCode = 0;
    int namePairCode = 0;
};

class CCompNumerology : public CReportTools
{
    Q_OBJECT
public:
    explicit CCompNumerology(QObject *parent = nullptr);

    // Resets, compares the two charts and squares and builds the report from
    // its text store. female is kept for the caller; the comparison does not
    // use it. Always true.
    bool CalcCompatibility(const NumerologyResult &person, const NumerologyResult &partner,
                           const PsychomatrixValues &personSquare, const PsychomatrixValues &partnerSquare,
                           bool female);
    // Zeroes the result and clears the report document.
    void ResetCompatibility();

    // The interpretation texts the report reads (not owned); nullptr, the
    // default, means TextStore::instance().
    void setTextStore(const TextStore *texts) { m_texts = texts; }
    const TextStore &textStore() const;

    const CompatibilityResult &result() const { return m_res; }
    bool female() const { return m_female; }

    // The comparison alone, without the report.
    static CompatibilityResult Compare(const NumerologyResult &person, const NumerologyResult &partner,
                                       const PsychomatrixValues &personSquare,
                                       const PsychomatrixValues &partnerSquare);

    // Writes the report of the current result: summary table, then one
    // chapter per relation. Defined, with SummaryTable, in
    // reports/compatibilityreport.cpp.
    void BuildReport(const NumerologyResult &person, const NumerologyResult &partner,
                     const PsychomatrixValues &personSquare, const PsychomatrixValues &partnerSquare,
                     const TextStore &texts);
    // The summary table at the top of the report.
    QString SummaryTable(const NumerologyResult &person, const NumerologyResult &partner) const;

    // The single rules, each also used on its own.
    static int LifePathRating(int digit1, int digit2);
    static int BirthdayRating(int birthdayCode);
    static int NameRating(int digit1, int digit2);
    static int CarnalRating(int sexualLife1, int sexualLife2);
    static int FamilyScore(int purposeful1, int purposeful2);
    static int FamilyRating(int marriageStabilityTerm);
    static int TraitCode(int count1, int count2);

private:
    CompatibilityResult m_res;
    bool m_female = false;
    const TextStore *m_texts = nullptr;
};
