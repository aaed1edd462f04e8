#include "calculationdriver.h"

#include "engine/analyzerinput.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/namecheck.h"
#include "engine/namecleaning.h"
#include "reports/yearaheadreport.h"

CCalculationDriver::CCalculationDriver(const QString &imageFolder, QObject *parent)
    : QObject(parent)
    , m_person(new CNumerology(this))
    , m_personMatrix(new CNumerologyPMatrix(this))
    , m_pet(new CNumerology(this))
    , m_partner(new CNumerology(this))
    , m_partnerMatrix(new CNumerologyPMatrix(this))
    , m_compatibility(new CCompNumerology(this))
    , m_analyzer(new CNumerology(this))
    , m_celebrities(new CNumerology(this))
{
    const QString doc = imageFolder + QStringLiteral("doc/");
    for (CReportTools *engine : std::initializer_list<CReportTools *>{
             m_person, m_partner, m_analyzer, m_personMatrix, m_partnerMatrix, m_compatibility})
        engine->setImageFolder(doc);
    m_celebrities->setImageFolder(imageFolder + QStringLiteral("doc2/"));
    for (CNumerology *engine : {m_person, m_partner, m_pet, m_analyzer, m_celebrities})
        engine->setCalcOptions(&m_options);
}

const NumerologyResult &CCalculationDriver::preCalculate(const PersonInput &typed, bool partner)
{
    const PersonInput input = cleanedInput(typed);
    PersonRecord record = partner ? partnerRecord(input) : personRecord(input);
    record.calcOnly = true;
    CNumerology *engine = partner ? m_partner : m_person;
    engine->SetMasterMode(m_masterMode);
    engine->CalcNumerology(record);
    return engine->result();
}

void CCalculationDriver::reset()
{
    for (CNumerology *engine : {m_person, m_partner, m_pet, m_analyzer, m_celebrities})
        engine->ResetResults();
    m_personMatrix->ResetMatrix();
    m_partnerMatrix->ResetMatrix();
    m_compatibility->ResetCompatibility();
    m_yearAhead.clear();
}

QString CCalculationDriver::yearAhead(const PersonInput &input) const
{
    CReportTools doc;
    doc.setImageFolder(m_person->imageFolder());
    BuildYearAheadReport(input.fullName, input.birthDate, input.forecastDate.year(), m_person->textStore(), doc);
    return doc.document();
}

namespace {

// A name typed but cleaned away entirely: say which characters did not count.
QString cleanedAway(const QString &nameOwner, const QString &kind, const QString &typed)
{
    // The characters one by one, so a word of another script reads as the
    // letters that were dropped, and what to do instead.
    QStringList ignored;
    for (const QChar c : ignoredNameCharacters(typed))
        ignored << QString(c);
    return nameFailure(nameOwner, kind, QString(), "")
        + QStringLiteral(" Ignored: %1. Please write the %2 in Latin letters (A to Z).")
              .arg(ignored.join(QStringLiteral(", ")), kind);
}

bool typedSomething(const QString &name) { return !name.trimmed().isEmpty(); }

// Marks that only repeat the engine's own vowel rule were not given by the
// user, so the check's reason does not blame them.
void dropAutomaticMarks(QVector<int> &marks, const QVector<int> &automatic)
{
    if (marks == automatic)
        marks.clear();
}

} // namespace

const char *const CCalculationDriver::BIRTH_DATE_REFUSAL = "The birth date is not a date between 1800 and next year.";
const char *const CCalculationDriver::PARTNER_DATE_REFUSAL =
    "The partner's birth date is not a date between 1800 and next year.";

QString CCalculationDriver::refusalOf(const PersonInput &typed)
{
    ShortNamesCleanedAway shortsDropped;
    const PersonInput input = cleanedInput(typed, &shortsDropped);
    return refusalOf(typed, input, shortsDropped);
}

QString CCalculationDriver::refusalOf(const PersonInput &typed, const PersonInput &input,
                                      const ShortNamesCleanedAway &shortsDropped)
{
    const QString partner = QStringLiteral("partner");
    const QString full = QStringLiteral("full name");
    const QString shortName = QStringLiteral("short name");
    if (input.fullName.isEmpty())
        return typedSomething(typed.fullName) ? cleanedAway(QString(), full, typed.fullName) : QString();
    if (shortsDropped.person)
        return cleanedAway(QString(), shortName, typed.shortName);
    if (typedSomething(typed.partnerFullName) && input.partnerFullName.isEmpty())
        return cleanedAway(partner, full, typed.partnerFullName);
    if (shortsDropped.partner)
        return cleanedAway(partner, shortName, typed.partnerShortName);
    if (typedSomething(typed.petName) && input.petName.isEmpty())
        return cleanedAway(QString(), QStringLiteral("pet name"), typed.petName);
    if (!input.birthDate.isValid())
        return QLatin1String(BIRTH_DATE_REFUSAL);
    if (input.hasPartner() && !input.partnerBirthDate.isValid())
        return QLatin1String(PARTNER_DATE_REFUSAL);
    const PersonInput automatic = withAutomaticMarks(typed, input);
    PersonRecord person = personRecord(input);
    dropAutomaticMarks(person.fullMarks, automatic.fullMarks);
    dropAutomaticMarks(person.shortMarks, automatic.shortMarks);
    const QString personProblem = nameCheckFailure(person, QString());
    if (!personProblem.isEmpty() || !input.hasPartner())
        return personProblem;
    PersonRecord partnerPerson = partnerRecord(input);
    dropAutomaticMarks(partnerPerson.fullMarks, automatic.partnerFullMarks);
    dropAutomaticMarks(partnerPerson.shortMarks, automatic.partnerShortMarks);
    return nameCheckFailure(partnerPerson, partner);
}

ChartDataContext CCalculationDriver::chartData(const Outcome &outcome) const
{
    ChartDataContext data;
    if (!outcome.calculated())
        return data;
    data.person = m_person;
    data.personMatrix = m_personMatrix;
    if (outcome.compatibility) {
        data.partner = m_partner;
        data.partnerMatrix = m_partnerMatrix;
    }
    return data;
}

CCalculationDriver::Outcome CCalculationDriver::calculate(const PersonInput &typed)
{
    // The names are cleaned once; the check and the engines read the result.
    Outcome outcome;
    ShortNamesCleanedAway shortsDropped;
    const PersonInput input = cleanedInput(typed, &shortsDropped);
    outcome.refusal = refusalOf(typed, input, shortsDropped);
    outcome.nameless = input.fullName.isEmpty();
    if (!outcome.refusal.isEmpty() || input.fullName.isEmpty() || input.shortName.isEmpty())
        return outcome;

    // Fresh engines.
    m_pet->ResetResults();
    m_personMatrix->ResetMatrix();
    m_partnerMatrix->ResetMatrix();
    m_compatibility->ResetCompatibility();
    m_celebrities->ResetResults();
    m_person->SetMasterMode(m_masterMode);
    m_partner->SetMasterMode(m_masterMode);

    // Person, celebrities, psychomatrix, pet.
    outcome.person = m_person->CalcNumerology(personRecord(input));
    if (outcome.person)
        m_celebrities->CalcCelebrities(input.fullName, input.birthDate, input.chaldean, input.vowelMode);
    m_yearAhead = outcome.person ? yearAhead(input) : QString();
    outcome.matrix = m_personMatrix->CalcPsychomatrix(input.fullName, input.birthDate);
    if (!input.petName.isEmpty())
        outcome.pet = m_pet->CalcPetNum(input.petName, input.petBirthDate, input.forecastDate);
    else
        m_pet->ResetResults();

    // Partner and compatibility.
    if (input.hasPartner() && outcome.matrix)
        outcome.compatibility = calculatePartner(input);
    else
        m_compatibility->ResetCompatibility();

    if (outcome.calculated()) {
        m_lastInput = input;
        addRecentEntry(m_recent, input);
        emit recentListChanged();
    }
    return outcome;
}

bool CCalculationDriver::calculatePartner(const PersonInput &input)
{
    const bool partnerOk = m_partner->CalcNumerology(partnerRecord(input));
    const bool matrixOk = m_partnerMatrix->CalcPsychomatrix(input.partnerFullName, input.partnerBirthDate);
    if (!partnerOk || !matrixOk) {
        m_compatibility->ResetCompatibility();
        return false;
    }
    return m_compatibility->CalcCompatibility(m_person->result(), m_partner->result(), m_personMatrix->values(),
                                              m_partnerMatrix->values(), input.female);
}

bool CCalculationDriver::calculatePet(const QString &typedName, const QDate &birth, const QDate &forecast)
{
    const QString name = CleanName(typedName);
    if (name.isEmpty()) {
        m_pet->ResetResults();
        return false;
    }
    return m_pet->CalcPetNum(name, birth, forecast);
}

bool CCalculationDriver::calculateAdvisor(const QString &typedName, const QDate &date, bool chaldean)
{
    if (!PrepareAnalyzerName(typedName, m_advisorName))
        return false;
    m_analyzer->ResetResults();
    m_analyzer->CalcAnNum(m_advisorName, date, chaldean);
    return true;
}

void CCalculationDriver::setRecentList(const QList<RecentEntry> &list)
{
    m_recent = list.mid(0, MAX_RECENT_ENTRIES);
    emit recentListChanged();
}

void CCalculationDriver::clearRecentList()
{
    m_recent.clear();
    emit recentListChanged();
}
