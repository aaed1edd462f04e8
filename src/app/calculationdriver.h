#pragma once

// The calculation driver: owns the engines of the window and runs them in a
// fixed order for one person input. It knows no widgets, so its work can be
// tested without a window; the window shows what the engines hold afterwards.
//
//   person input --clean--> person chart --> celebrities --> psychomatrix
//                                         --> pet --> partner chart, partner
//                                             psychomatrix --> compatibility

#include "charts/chartdatacontext.h"
#include "engine/cnumerology.h"
#include "files/personinput.h"
#include "files/recentlist.h"

#include <QObject>

class CCompNumerology;
class CNumerologyPMatrix;

class CCalculationDriver : public QObject
{
    Q_OBJECT
public:
    // What one full calculation achieved.
    struct Outcome
    {
        bool person = false;
        bool matrix = false;
        bool pet = false;
        bool compatibility = false;
        // Why the input was refused before anything was calculated, for the
        // user; every engine then still holds what it held before.
        QString refusal;
        // Nothing typed that cleans to a full name: nothing to calculate.
        bool nameless = false;
        // Person and psychomatrix made: the panels and the recent list follow.
        bool calculated() const { return person && matrix; }
    };

    // imageFolder ends with "/": report pictures are in its "doc/" and
    // "doc2/" folders.
    explicit CCalculationDriver(const QString &imageFolder, QObject *parent = nullptr);

    // The six calculation options every engine of the driver calculates with.
    void setOptions(const CalcOptions &options) { m_options = options; }
    const CalcOptions &options() const { return m_options; }
    int masterMode() const { return m_masterMode; }
    void setMasterMode(int mode) { m_masterMode = mode; }

    // The calculate-only run behind the overlay's live panels: the person's
    // or the partner's chart without name check, message or report.
    const NumerologyResult &preCalculate(const PersonInput &typed, bool partner);

    // The full calculation of a typed input. An input without a person
    // (nothing typed) calculates nothing. A typed name that cleans to
    // nothing or fails the name check (person, partner or pet) is refused
    // with the reason and changes nothing.
    Outcome calculate(const PersonInput &typed);
    // Why a typed input would be refused, or empty when it can be calculated.
    static QString refusalOf(const PersonInput &typed);
    // The refusals of a birth date that is not a date in the range; the
    // window may say more precisely what is wrong with the date typed.
    static const char *const BIRTH_DATE_REFUSAL;
    static const char *const PARTNER_DATE_REFUSAL;
    // The pet page and the name advisor on their own.
    bool calculatePet(const QString &typedName, const QDate &birth, const QDate &forecast);
    // False when the name leaves nothing to calculate (the engine says so).
    bool calculateAdvisor(const QString &typedName, const QDate &date, bool chaldean);
    // The name the advisor calculated, as the engine prepared it.
    QString advisorName() const { return m_advisorName; }

    // Every engine back to its empty state.
    void reset();

    // What the chart page draws after a calculation with this outcome: the
    // person's engines when the person was calculated, the partner's when
    // the compatibility was too; nothing else.
    ChartDataContext chartData(const Outcome &outcome) const;

    // The input of the last successful calculation, names cleaned.
    const PersonInput &lastInput() const { return m_lastInput; }

    const CNumerology &person() const { return *m_person; }
    const CNumerology &partner() const { return *m_partner; }
    const CNumerology &pet() const { return *m_pet; }
    const CNumerology &celebrities() const { return *m_celebrities; }
    const CNumerology &advisor() const { return *m_analyzer; }
    const CNumerologyPMatrix &personMatrix() const { return *m_personMatrix; }
    const CNumerologyPMatrix &partnerMatrix() const { return *m_partnerMatrix; }
    const CCompNumerology &compatibility() const { return *m_compatibility; }
    // The year-ahead reading of the person for the forecast date's year;
    // empty while no person is calculated.
    const QString &yearAheadDocument() const { return m_yearAhead; }

    // The recent list: every successful calculation puts its input first.
    const QList<RecentEntry> &recentList() const { return m_recent; }
    void setRecentList(const QList<RecentEntry> &list);
    void clearRecentList();

signals:
    void recentListChanged();

private:
    // refusalOf for the typed input, its cleaned form and the short names
    // that cleaning dropped.
    static QString refusalOf(const PersonInput &typed, const PersonInput &input,
                             const ShortNamesCleanedAway &shortsDropped);
    bool calculatePartner(const PersonInput &input);
    QString yearAhead(const PersonInput &input) const;

    CalcOptions m_options;
    int m_masterMode = 0;
    CNumerology *m_person = nullptr;
    CNumerologyPMatrix *m_personMatrix = nullptr;
    CNumerology *m_pet = nullptr;
    CNumerology *m_partner = nullptr;
    CNumerologyPMatrix *m_partnerMatrix = nullptr;
    CCompNumerology *m_compatibility = nullptr;
    CNumerology *m_analyzer = nullptr;
    CNumerology *m_celebrities = nullptr;
    QString m_yearAhead;
    PersonInput m_lastInput;
    QString m_advisorName;
    QList<RecentEntry> m_recent;
};
