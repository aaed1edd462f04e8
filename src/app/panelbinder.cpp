#include "panelbinder.h"

#include "app/cskinmanager.h"
#include "app/pageanimator.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/personalnumbers.h"
#include "engine/readingtext.h"
#include "panels/cexpandwidget.h"
#include "panels/cinfocalendarwidget.h"
#include "panels/cinfocompmatrwidget.h"
#include "panels/cinfoessencewidget.h"
#include "panels/cinfoexprplanwidget.h"
#include "panels/cinfomatrwidget.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"
#include "texts/textstore.h"
#include "texts/topics.h"

#include <QDate>

using namespace WindowLayout;

namespace {

// The matrix panel shows the psychomatrix values in this order: the square
// column by column, each with its row sum, then the lines.
const int MATRIX_PANEL_ORDER[17] = {1, 4, 7, 13, 2, 5, 8, 14, 3, 6, 9, 15, 10, 11, 12, 16, 17};

QVector<int> matrixPanelValues(const PsychomatrixValues &values)
{
    QVector<int> ordered;
    for (const int index : MATRIX_PANEL_ORDER)
        ordered.append(values.at(size_t(index)));
    return ordered;
}

QString withMinor(const QString &text, const QString &minor)
{
    return text + QLatin1String(" (") + minor + QLatin1Char(')');
}

QString withoutSpaces(QString text)
{
    return text.remove(QLatin1Char(' '));
}

} // namespace

CPanelBinder::CPanelBinder(CSkinManager *skin, const QImage &titleBar, const QImage &wideTitleBar, QWidget *parent,
                         CPageAnimator *animator)
    : QObject(parent)
    , m_skin(skin)
    , m_titleBar(titleBar)
    , m_wideTitleBar(wideTitleBar)
    , m_parent(parent)
    , m_texts(&TextStore::instance())
{
    buildNumerologyPanels();
    buildCompatibilityPanels();
    buildBottomBand();
    buildPetAndAdvisorPanels();
    registerSlidingPanels(animator);

    m_todayPanel = new CInfoTodayWidget(skin, QImage(skin->imageFolder() + QStringLiteral("todaywidg.png")), parent);
    m_dayText = new CExpandWidget(skin, parent, 600, 200);
    connect(m_todayPanel, &CInfoTodayWidget::clicked, m_dayText, &CExpandWidget::slotExpand);
}

CInfoWidget *CPanelBinder::listPanel(const QString &title, const QStringList &captions)
{
    auto *panel = new CInfoWidget(m_skin, m_titleBar, m_parent);
    panel->setTitle(title);
    panel->setCaptions(captions);
    // As tall as the box it draws: no empty rest covers what lies below.
    panel->resize(200, panel->bodyRect(captions.size()).bottom() + 1);
    return panel;
}

// Numerology, Celebrities and Forecast: the four lists of the left column.
void CPanelBinder::buildNumerologyPanels()
{
    m_mainFeatures = listPanel(QStringLiteral("Main Features"),
                               {"Life Path", "Birthday", "Expression (M)", "Heart Desire (M)", "Personality (M)",
                                "Karmic Debts"});
    m_mainFeatures->setHoverHighlight(true);
    m_additionalFeatures = listPanel(QStringLiteral("Additional Features"),
                                     {"Maturity", "Rational Thought", "Karmic Lessons", "Balance", "Hidden Passion",
                                      "Subcons.Confid."});
    m_additionalFeatures->setHoverHighlight(true);
    m_lifeCycles = listPanel(QStringLiteral("Life Cycles"),
                             {"Age span", "Challenges", "Pinnacles", "Personal Year", "LP Periods", "LP Age Span"});
    m_lifeCycles->setHoverHighlight(true);
    m_lifeCycles->setClickableRows(4);
    m_lifeCycles->setPlainText(true);
    m_bridges = listPanel(QStringLiteral("Bridges"), {"Life path - Expr.", "Heart D. - Pers."});
    m_bridges->setPlainText(true);
}

void CPanelBinder::buildCompatibilityPanels()
{
    m_compatibilityPanel = listPanel(QStringLiteral("Compatibility"),
                                     {"Summary", "Life Path", "Birthday", "Family", "Name"});
    m_familyPanel = listPanel(QStringLiteral("Family stability"),
                              {"Years together", "Home", "Spiritual", "Partner home", "Partner spiritual",
                               "Home stability", "Spiritual stability"});
    m_compDetailsPanel = listPanel(QStringLiteral("Compatibility details"), {"Life path", "Birth Day", "Name"});
    for (CInfoWidget *panel : {m_compatibilityPanel, m_familyPanel, m_compDetailsPanel})
        panel->setPlainText(true);
}

void CPanelBinder::buildBottomBand()
{
    m_namePanel = new CInfoNameWidget(m_skin, m_wideTitleBar, m_parent);
    m_namePanel->setTitle(QStringLiteral("Name calculation"));
    m_planesPanel = new CInfoExprPlanWidget(m_skin, m_wideTitleBar, m_parent);
    m_planesPanel->setTitle(QStringLiteral("Planes of Expression"));
    m_matrixPanel = new CInfoMatrWidget(m_skin, m_wideTitleBar, m_parent);
    m_matrixPanel->setHoverEnabled(true);
    m_matrixPanel->setTitle(QStringLiteral("Psycho Matrix"));
    m_compMatrixPanel = new CInfoCompMatrWidget(m_skin, m_wideTitleBar, m_parent);
    m_compMatrixPanel->setTitle(QStringLiteral("Psycho Matrix"));
    m_calendarPanel = new CInfoCalendarWidget(m_skin, m_wideTitleBar, m_parent);
    m_calendarPanel->setTitle(QStringLiteral("Personal numbers calendar"));
    m_essencePanel = new CInfoEssenceWidget(m_skin, m_wideTitleBar, m_parent);
    m_essencePanel->setTitle(QStringLiteral("Essence and Transit"));
}

void CPanelBinder::buildPetAndAdvisorPanels()
{
    m_petNumbers = listPanel(QStringLiteral("Main Features"), {"Pet Number", "Birthday Code", "Day Code"});
    m_petNamePanel = new CInfoNameWidget(m_skin, m_wideTitleBar, m_parent);
    m_petNamePanel->setTitle(QStringLiteral("Name calculation"));
    m_analyzerNumbers = listPanel(QStringLiteral("Main Features"),
                                  {"Date Number", "Name Number", "Heart Desire", "Personality", "Karmic Lessons"});
    m_analyzerNamePanel = new CInfoNameWidget(m_skin, m_wideTitleBar, m_parent);
    m_analyzerNamePanel->setTitle(QStringLiteral("Name calculation"));
}

void CPanelBinder::registerSlidingPanels(CPageAnimator *animator)
{
    const QVector<int> numerologyPages = {NumerologyPage, CelebritiesPage, ForecastPage};
    animator->addLeftPanel(m_mainFeatures, numerologyPages, 10);
    animator->addLeftPanel(m_additionalFeatures, numerologyPages, 152);
    animator->addLeftPanel(m_lifeCycles, numerologyPages, 294);
    animator->addLeftPanel(m_bridges, numerologyPages, 437);
    animator->addLeftPanel(m_compatibilityPanel, {CompatibilityPage}, 10);
    animator->addLeftPanel(m_familyPanel, {CompatibilityPage}, 135);
    animator->addLeftPanel(m_compDetailsPanel, {CompatibilityPage}, 292);
    animator->addLeftPanel(m_petNumbers, {PetPage}, 190);
    animator->addLeftPanel(m_analyzerNumbers, {AdvisorPage}, 8);
    animator->addBottomPanel(m_namePanel, NumerologyPage, NamePanel);
    animator->addBottomPanel(m_planesPanel, NumerologyPage, PlanesPanel);
    animator->addBottomPanel(m_matrixPanel, PsychomatrixPage, MatrixPanel);
    animator->addBottomPanel(m_compMatrixPanel, CompatibilityPage, CompMatrixPanel);
    animator->addBottomPanel(m_calendarPanel, ForecastPage, CalendarPanel);
    animator->addBottomPanel(m_essencePanel, ForecastPage, EssencePanel);
    animator->addBottomPanel(m_petNamePanel, PetPage, PetNamePanel);
}

void CPanelBinder::showPerson(const CNumerology &person, const CNumerologyPMatrix &matrix)
{
    const NumerologyResult &r = person.result();
    m_mainFeatures->setValues({r.lifePathText, r.birthdayText, withMinor(r.expressionText, r.minorExpressionText),
                               withMinor(r.heartsDesireText, r.minorHeartsDesireText),
                               withMinor(r.personalityText, r.minorPersonalityText), r.karmicDebtsText});
    m_additionalFeatures->setValues({r.maturityText, r.rationalThoughtText, withoutSpaces(r.karmicLessonsText),
                                     r.balanceText, r.hiddenPassionText, r.subconsciousConfidenceText});
    m_lifeCycles->setValues({r.ageSpansText, r.challengesText, r.pinnaclesText, r.personalYearText,
                             r.lifePathPeriodsText, r.periodSpansText});
    m_bridges->setValues({r.lifePathExpressionBridgeText, r.heartsDesirePersonalityBridgeText});
    m_namePanel->setTexts({r.fullVowelRow, r.fullName, r.fullConsonantRow, r.shortVowelRow, r.shortName,
                           r.shortConsonantRow});
    m_namePanel->setFormulas({r.heartsDesireLine, r.expressionLine, r.personalityLine, r.minorHeartsDesireLine,
                              r.minorExpressionLine, r.minorPersonalityLine});
    m_planesPanel->setValues(QStringList(std::begin(r.planesValues), std::end(r.planesValues)));
    m_essencePanel->setTransits({r.physicalTransits, r.mentalTransits, r.spiritualTransits});
    m_essencePanel->setEssence(QVector<int>(std::begin(r.essenceNumbers), std::end(r.essenceNumbers)),
                               QVector<int>(std::begin(r.essenceTotals), std::end(r.essenceTotals)),
                               r.birthDate.year());
    m_birthDigit = r.birthDayMonthDigit;
    showCalendar(r.forecastDate);
    m_matrixPanel->setValues(matrixPanelValues(matrix.values()));
}

void CPanelBinder::showPet(const CNumerology &pet)
{
    const NumerologyResult &r = pet.result();
    m_petNumbers->setValues({r.expressionText, r.birthdayText, r.personalYearText});
    m_petNamePanel->setTexts({r.fullVowelRow, r.fullName, r.fullConsonantRow});
    m_petNamePanel->setFormulas({r.heartsDesireLine, r.expressionLine, r.personalityLine});
}

void CPanelBinder::showCompatibility(const CCompNumerology &compatibility, const CNumerologyPMatrix &personMatrix,
                                    const CNumerologyPMatrix &partnerMatrix)
{
    const QString *t = compatibility.result().texts;
    m_compatibilityPanel->setValues({t[CT_OVERALL_RATING], t[CT_LIFE_PATH_RATING], t[CT_BIRTHDAY_RATING],
                                     t[CT_FAMILY_RATING], t[CT_NAME_RATING]});
    m_familyPanel->setValues({t[CT_MARRIAGE_TERM], t[CT_HOME_PRODUCT_1], t[CT_SPIRITUAL_PRODUCT_1],
                              t[CT_HOME_PRODUCT_2], t[CT_SPIRITUAL_PRODUCT_2], t[CT_HOME_STABILITY],
                              t[CT_SPIRITUAL_STABILITY]});
    m_compDetailsPanel->setValues({t[CT_LIFE_PATH_SUM], t[CT_BIRTHDAY_SUM], t[CT_NAME_SUM]});
    m_compMatrixPanel->setValues(matrixPanelValues(personMatrix.values()), matrixPanelValues(partnerMatrix.values()));
}

void CPanelBinder::showAdvisor(const CNumerology &advisor, const QString &name, bool chaldean)
{
    const NumerologyResult &r = advisor.result();
    m_analyzerNumbers->setValues({r.lifePathText, r.expressionText, r.heartsDesireText, r.personalityText,
                                  r.karmicLessonsText});
    m_analyzerNamePanel->setWestern(!chaldean);
    m_analyzerNamePanel->setTexts({r.fullVowelRow, name, r.fullConsonantRow});
    m_analyzerNamePanel->setFormulas({r.heartsDesireLine, r.expressionLine, r.personalityLine});
}

void CPanelBinder::showCalendar(const QDate &from)
{
    if (m_birthDigit <= 0) {
        m_calendarPanel->clearValues();
        return;
    }
    const PersonalNumbers::Calendar cells =
        PersonalNumbers(m_birthDigit).calendar(from, CInfoCalendarWidget::COLUMNS);
    m_calendarPanel->setCells(cells.years, cells.months, cells.days);
}

void CPanelBinder::showToday(const QDate &date)
{
    m_todayPanel->setTitle(date == QDate::currentDate()
                               ? QStringLiteral("Today")
                               : MonthAbbreviation(date.month()) + QLatin1Char(' ') + QString::number(date.day())
                                     + QLatin1String(", ") + QString::number(date.year()));
    showCalendar(date);
    if (m_birthDigit <= 0) {
        m_todayPanel->clearValues();
        m_dayText->setText(QStringLiteral(
            "The reading of the day appears here once a person has been calculated: press "
            "<b>ENTER YOUR NAME</b> at the lower left, type a name and a birth date, then <b>APPLY</b>."));
        return;
    }
    const PersonalNumbers numbers(m_birthDigit);
    m_todayPanel->setValues({numbers.yearText(date.year()), numbers.monthText(date),
                             QString::number(numbers.day(date))});
    m_dayText->setText(m_texts->text(topics::PERSONAL_MONTH_DAY, numbers.day(date)));
}

void CPanelBinder::setMasterLetterDigits(bool on)
{
    for (CInfoNameWidget *panel : {m_namePanel, m_petNamePanel, m_analyzerNamePanel})
        panel->setMasterLetterDigits(on);
}

void CPanelBinder::setWestern(bool western)
{
    m_namePanel->setWestern(western);
}

void CPanelBinder::clear()
{
    for (CInfoWidget *panel : {m_mainFeatures, m_additionalFeatures, m_lifeCycles, m_bridges, m_compatibilityPanel,
                               m_familyPanel, m_compDetailsPanel, m_petNumbers, m_analyzerNumbers})
        panel->clearValues();
    for (CInfoNameWidget *panel : {m_namePanel, m_petNamePanel, m_analyzerNamePanel})
        panel->clearValues();
    m_planesPanel->clearValues();
    m_essencePanel->clearValues();
    m_calendarPanel->clearValues();
    m_matrixPanel->setValues(QVector<int>(17, 0));
    m_compMatrixPanel->setValues(QVector<int>(17, 0), QVector<int>(17, 0));
    m_birthDigit = 0;
}
