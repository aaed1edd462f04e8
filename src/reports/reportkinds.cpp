#include "reportkinds.h"

namespace {

// clang-format off
constexpr ReportKindInfo REPORT_KINDS[REPORT_KIND_COUNT] = {
    {NumerologyReport,    "numerology",  "Western Numerology", "Chaldean Numerology", "numerology",    true},
    {YearAheadReport,     "year-ahead",  "Year Ahead",         nullptr,               "year-ahead",    true},
    {PsychomatrixReport,  "matrix",      "Psychomatrix",       nullptr,               "psychomatrix",  true},
    {CompatibilityReport, "compat",      "Compatibility",      nullptr,               "compatibility", true},
    {CelebritiesReport,   "celebrities", "Celebrities",        nullptr,               "celebrities",   true},
    {PetReport,           "",            "Pet Numerology",     nullptr,               "pet",           false},
    {AdvisorReport,       "",            "Name Advisor",       nullptr,               "name-advisor",  true},
    {ChartReport,         "chart",       "Graphic Chart",      nullptr,               "chart",         false},
};
// clang-format on

constexpr bool rowsInKindOrder()
{
    for (int i = 0; i < REPORT_KIND_COUNT; ++i)
        if (REPORT_KINDS[i].kind != i)
            return false;
    return true;
}
static_assert(rowsInKindOrder(), "REPORT_KINDS has one row per kind, in the enumeration's order");

} // namespace

const ReportKindInfo &reportKind(ReportKind kind)
{
    return REPORT_KINDS[kind];
}

bool isChoosable(ReportKind kind)
{
    return *REPORT_KINDS[kind].name != '\0';
}

QString reportTitle(ReportKind kind, bool chaldean)
{
    const ReportKindInfo &info = REPORT_KINDS[kind];
    return QLatin1String(chaldean && info.chaldeanTitle ? info.chaldeanTitle : info.title);
}

QList<ReportKind> choosableKinds()
{
    QList<ReportKind> kinds;
    for (const ReportKindInfo &info : REPORT_KINDS)
        if (isChoosable(info.kind))
            kinds << info.kind;
    return kinds;
}

bool reportKindNamed(const QString &name, ReportKind &kind)
{
    for (const ReportKind candidate : choosableKinds()) {
        if (name == QLatin1String(REPORT_KINDS[candidate].name)) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

QStringList reportKindNames()
{
    QStringList names;
    for (const ReportKind kind : choosableKinds())
        names << QLatin1String(REPORT_KINDS[kind].name);
    return names;
}
