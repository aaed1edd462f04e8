// The calculation driver and the input overlay's slots: inputs are cleaned,
// every engine runs in a fixed order, the panels and report views are filled.

#include "csorvel.h"

#include "app/appfolders.h"
#include "app/cinputoverlay.h"
#include "app/cskinmanager.h"
#include "app/myqwebengineview.h"
#include "engine/analyzerinput.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/namecleaning.h"
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

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

using namespace WindowLayout;

namespace {

const QString BLANK_PAGE = QStringLiteral("<html><body><p>&nbsp;</p></body></html>");
const QUrl REPORT_BASE_URL(QStringLiteral("file://localhost/"));
const QString ENTER_YOUR_NAME = QStringLiteral("ENTER YOUR NAME");

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

// Explanation pages of the panel rows: row -> guide page and picture.
struct Explanation
{
    int row;
    int page;
    const char *picture;
};
const Explanation MAIN_FEATURES_PAGES[] = {
    {0, 0, "res01.jpg"}, {1, 1, "res02.jpg"}, {2, 2, "res03.jpg"},
    {3, 4, "res04.jpg"}, {4, 6, "res05.jpg"}, {5, 10, "res06.jpg"},
};
const Explanation ADDITIONAL_FEATURES_PAGES[] = {
    {0, 11, "res07.jpg"}, {1, 35, "res08.jpg"}, {2, 7, "res09.jpg"},
    {3, 5, "res10.jpg"},  {4, 12, "res11.jpg"}, {5, 13, "res12.jpg"},
};
const Explanation LIFE_CYCLES_PAGES[] = {
    {0, 15, "res14.jpg"}, {1, 15, "res14.jpg"}, {2, 14, "res13.jpg"}, {3, 8, "res15.jpg"},
};
const Explanation MATRIX_PAGES[] = {
    {1, 18, "res16.jpg"},  {2, 21, "res19.jpg"},  {3, 24, "res22.jpg"},  {4, 27, "res25.jpg"},
    {6, 19, "res17.jpg"},  {7, 22, "res20.jpg"},  {8, 25, "res23.jpg"},  {9, 28, "res26.jpg"},
    {11, 20, "res18.jpg"}, {12, 23, "res21.jpg"}, {13, 26, "res24.jpg"}, {14, 29, "res27.jpg"},
    {15, 34, "res32.jpg"}, {16, 30, "res28.jpg"}, {17, 31, "res29.jpg"}, {18, 32, "res30.jpg"},
    {19, 33, "res31.jpg"},
};

template <size_t N>
const Explanation *findExplanation(const Explanation (&table)[N], int row)
{
    for (const Explanation &entry : table)
        if (entry.row == row)
            return &entry;
    return nullptr;
}

} // namespace

// What one run reads from the input widgets, names cleaned.
struct CSorvel::CleanInput
{
    QString fullName;
    QString shortName;
    QDate birthDate;
    bool female = true;
    QString partnerFullName;
    QString partnerShortName;
    QDate partnerBirthDate;
    QString petName;
    QDate petBirthDate;
    QDate forecastDate;
    bool chaldean = false;
    int vowelMode = 0;
};

CSorvel::CleanInput CSorvel::readInput() const
{
    const CInputOverlay *in = m_overlay;
    CleanInput input;
    input.fullName = CleanName(in->fullName->text());
    input.shortName = CleanName(in->shortName->text());
    if (input.shortName.isEmpty())
        input.shortName = ShortNameFromFull(input.fullName);
    input.birthDate = in->birthDate->date();
    input.female = in->gender->currentIndex() == 0;
    input.partnerFullName = CleanName(in->partnerFullName->text());
    input.partnerShortName = CleanName(in->partnerShortName->text());
    if (input.partnerShortName.isEmpty())
        input.partnerShortName = ShortNameFromFull(input.partnerFullName);
    input.partnerBirthDate = in->partnerBirthDate->date();
    input.petName = CleanName(m_petName->text());
    input.petBirthDate = m_petBirth->date();
    input.forecastDate = m_forecastDate->date();
    input.chaldean = in->chaldean->isChecked();
    const int mode = in->vowelMode->currentIndex();
    input.vowelMode = (mode == 0 || mode == 1) ? mode : 0;
    return input;
}

// --- pre-calculation ------------------------------------------------------------

void CSorvel::OnPreCalcNum() { preCalculate(false); }
void CSorvel::OnPreCalcNumP() { preCalculate(true); }

void CSorvel::preCalculate(bool partner)
{
    const CleanInput input = readInput();
    CInfoNameWidget *overlayNames = partner ? m_overlay->partnerNamePanel : m_overlay->namePanel;
    m_namePanel->setWestern(!input.chaldean);
    overlayNames->setWestern(!input.chaldean);

    CNumerology *engine = partner ? m_partner : m_person;
    PersonRecord person;
    person.fullName = partner ? input.partnerFullName : input.fullName;
    person.shortName = partner ? input.partnerShortName : input.shortName;
    person.fullMarks = partner ? m_partnerFullMarks : m_fullMarks;
    person.shortMarks = partner ? m_partnerShortMarks : m_shortMarks;
    person.chaldean = input.chaldean;
    person.birthDate = partner ? input.partnerBirthDate : input.birthDate;
    person.forecastDate = input.forecastDate;
    person.vowelMode = input.vowelMode;
    person.calcOnly = true;
    engine->SetMasterMode(m_masterMode);
    engine->CalcNumerology(person);

    const NumerologyResult &r = engine->result();
    CInfoWidget *numbers = partner ? m_overlay->partnerNumbers : m_overlay->numbers;
    numbers->setValues({r.lifePathText, r.karmicDebtsText, withMinor(r.expressionText, r.minorExpressionText),
                        withMinor(r.heartsDesireText, r.minorHeartsDesireText),
                        withMinor(r.personalityText, r.minorPersonalityText), withoutSpaces(r.karmicLessonsText)});
    overlayNames->setTexts({r.fullVowelRow, person.fullName, r.fullConsonantRow, r.shortVowelRow, person.shortName,
                            r.shortConsonantRow});
    overlayNames->setFormulas({r.heartsDesireLine, r.expressionLine, r.personalityLine, r.minorHeartsDesireLine,
                               r.minorExpressionLine, r.minorPersonalityLine});
    numbers->update();
    overlayNames->update();
}

// --- input overlay --------------------------------------------------------------

// Marks follow the engine's own vowel rule again: 1 where the vowel row holds
// a digit, 2 where the consonant row does, 0 elsewhere.
void CSorvel::rebuildMarks(bool partner)
{
    const NumerologyResult &r = (partner ? m_partner : m_person)->result();
    const auto marksOf = [](const QString &vowels, const QString &consonants) {
        QVector<int> marks(vowels.size(), 0);
        for (int i = 0; i < vowels.size(); ++i) {
            if (vowels.at(i) != QLatin1Char(' '))
                marks[i] = 1;
            else if (i < consonants.size() && consonants.at(i) != QLatin1Char(' '))
                marks[i] = 2;
        }
        return marks;
    };
    (partner ? m_partnerFullMarks : m_fullMarks) = marksOf(r.fullVowelRow, r.fullConsonantRow);
    (partner ? m_partnerShortMarks : m_shortMarks) = marksOf(r.shortVowelRow, r.shortConsonantRow);
}

void CSorvel::OnTextChanged(QString)
{
    m_fullMarks.clear();
    m_shortMarks.clear();
    OnPreCalcNum();
    rebuildMarks(false);
}

void CSorvel::OnPTextChanged(QString)
{
    m_partnerFullMarks.clear();
    m_partnerShortMarks.clear();
    OnPreCalcNumP();
    rebuildMarks(true);
}

void CSorvel::OnParsChanged(int)
{
    OnTextChanged(QString());
    OnPTextChanged(QString());
}

void CSorvel::OnDateChanged(QDate)
{
    OnParsChanged(0);
}

namespace {
// A click on a letter swaps vowel and consonant; other characters stay 0.
void toggleMark(QVector<int> &marks, int idx)
{
    if (idx < 0 || idx >= marks.size())
        return;
    if (marks[idx] == 1)
        marks[idx] = 2;
    else if (marks[idx] == 2)
        marks[idx] = 1;
}
} // namespace

void CSorvel::OnNameVWChanged(int row, int idx)
{
    toggleMark(row == 0 ? m_fullMarks : m_shortMarks, idx);
    OnPreCalcNum();
}

void CSorvel::OnNamePVWChanged(int row, int idx)
{
    toggleMark(row == 0 ? m_partnerFullMarks : m_partnerShortMarks, idx);
    OnPreCalcNumP();
}

void CSorvel::applyDateFormat()
{
    const QString format = m_dayFirstDates ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy");
    for (QDateEdit *field : {m_overlay->birthDate, m_overlay->partnerBirthDate, m_forecastDate, m_petBirth,
                             m_analyzerDate})
        field->setDisplayFormat(format);
}

void CSorvel::OnResData()
{
    // 1. Input.
    CInputOverlay *in = m_overlay;
    for (QLineEdit *field : {in->fullName, in->shortName, in->partnerFullName, in->partnerShortName})
        field->clear();
    in->birthDate->setDate(QDate(2000, 1, 1));
    in->partnerBirthDate->setDate(QDate(2000, 1, 1));
    in->gender->setCurrentIndex(0);
    in->chaldean->setChecked(false);

    // 2. Panels.
    for (CInfoWidget *panel : {m_mainFeatures, m_additionalFeatures, m_lifeCycles, m_bridges, m_compatibilityPanel,
                               m_familyPanel, m_compDetailsPanel, m_petNumbers, m_analyzerNumbers, in->numbers,
                               in->partnerNumbers})
        panel->clearValues();
    for (CInfoNameWidget *panel : {m_namePanel, m_petNamePanel, m_analyzerNamePanel, in->namePanel,
                                   in->partnerNamePanel})
        panel->clearValues();
    m_planesPanel->clearValues();
    m_essencePanel->clearValues();
    m_calendarPanel->clearValues();
    m_matrixPanel->setValues(QVector<int>(17, 0));
    m_compMatrixPanel->setValues(QVector<int>(17, 0), QVector<int>(17, 0));

    // 3. Engines.
    m_pet->ResetResults();
    m_personMatrix->ResetMatrix();
    m_partnerMatrix->ResetMatrix();
    m_compatibility->ResetCompatibility();
    m_analyzer->ResetResults();

    // 4 to 6. Views, page inputs, name button, today.
    showBlankReports();
    m_petName->clear();
    m_petBirth->setDate(QDate(2000, 1, 1));
    m_analyzerName->clear();
    m_analyzerDate->setDate(QDate(2000, 1, 1));
    setNameButtonText(ENTER_YOUR_NAME);
    m_nameButton->setText(m_nameButtonText);
    m_forecastDate->setDate(QDate::currentDate());
    m_dayText->setText(QString());
    slotPNC(m_forecastDate->date());
    update();
}

void CSorvel::OnResDataI()
{
    OnResData();
    setNameButtonText(QStringLiteral("APPLY"));
    m_nameButton->setText(m_nameButtonText);
}

// --- full calculation -------------------------------------------------------------

void CSorvel::showBlankReports()
{
    for (MyQWebEngineView *view : {m_numerologyView, m_matrixView, m_compatibilityView, m_celebritiesView,
                                   m_petView, m_guideView})
        view->showHtml(BLANK_PAGE, REPORT_BASE_URL);
    m_analyzerView->setHtml(BLANK_PAGE, REPORT_BASE_URL);
}

void CSorvel::loadReport(MyQWebEngineView *view, const QString &html, bool ok)
{
    view->showHtml(ok ? html : BLANK_PAGE, REPORT_BASE_URL);
}

void CSorvel::OnCalcNum()
{
    // 1 and 2. Inputs; without a person there is nothing to show.
    m_calculated = false;
    const CleanInput input = readInput();
    m_namePanel->setWestern(!input.chaldean);
    m_overlay->namePanel->setWestern(!input.chaldean);
    if (input.fullName.isEmpty() || input.shortName.isEmpty()) {
        OnResData();
        showBlankReports();
        return;
    }

    // 3. Fresh engines.
    m_pet->ResetResults();
    m_personMatrix->ResetMatrix();
    m_partnerMatrix->ResetMatrix();
    m_compatibility->ResetCompatibility();
    m_celebrities->ResetResults();
    m_person->SetMasterMode(m_masterMode);
    m_partner->SetMasterMode(m_masterMode);

    // 4 to 7. Person, celebrities, psychomatrix, pet.
    PersonRecord person;
    person.fullName = input.fullName;
    person.shortName = input.shortName;
    person.fullMarks = m_fullMarks;
    person.shortMarks = m_shortMarks;
    person.chaldean = input.chaldean;
    person.birthDate = input.birthDate;
    person.forecastDate = input.forecastDate;
    person.vowelMode = input.vowelMode;
    const bool personOk = m_person->CalcNumerology(person);
    if (personOk)
        m_celebrities->CalcCelebrities(input.fullName, input.birthDate, input.chaldean, input.vowelMode);
    const bool matrixOk = m_personMatrix->CalcPsychomatrix(input.fullName, input.birthDate);
    bool petOk = false;
    if (!input.petName.isEmpty())
        petOk = m_pet->CalcPetNum(input.petName, input.petBirthDate, input.forecastDate);
    else
        m_pet->ResetResults();

    // 8. Partner and compatibility.
    bool compatibilityOk = false;
    if (!input.partnerFullName.isEmpty() && !input.partnerShortName.isEmpty() && matrixOk) {
        PersonRecord partner = person;
        partner.fullName = input.partnerFullName;
        partner.shortName = input.partnerShortName;
        partner.fullMarks = m_partnerFullMarks;
        partner.shortMarks = m_partnerShortMarks;
        partner.birthDate = input.partnerBirthDate;
        const bool partnerOk = m_partner->CalcNumerology(partner);
        const bool partnerMatrixOk = m_partnerMatrix->CalcPsychomatrix(input.partnerFullName, input.partnerBirthDate);
        if (partnerOk && partnerMatrixOk)
            compatibilityOk = m_compatibility->CalcCompatibility(m_person->result(), m_partner->result(),
                                                                 m_personMatrix->values(),
                                                                 m_partnerMatrix->values(), input.female);
        else
            m_compatibility->ResetCompatibility();
    } else {
        m_compatibility->ResetCompatibility();
    }

    // 9. Panels, today, recent list, name button.
    if (personOk && matrixOk) {
        m_calculated = true;
        fillPersonPanels();
        if (petOk)
            fillPetPanels();
        if (compatibilityOk)
            fillCompatibilityPanels();
        slotPNC(m_person->result().forecastDate);

        RecentEntry entry;
        entry.fullName = input.fullName;
        entry.shortName = input.shortName;
        entry.birthDate = input.birthDate;
        entry.female = input.female;
        entry.partnerFullName = input.partnerFullName;
        entry.partnerShortName = input.partnerShortName;
        entry.partnerBirthDate = input.partnerBirthDate;
        entry.petBirthDate = input.petBirthDate;
        entry.petName = input.petName;
        entry.fullMarks = m_fullMarks;
        entry.shortMarks = m_shortMarks;
        entry.partnerFullMarks = m_partnerFullMarks;
        entry.partnerShortMarks = m_partnerShortMarks;
        entry.chaldean = input.chaldean;
        addRecentEntry(m_recent, entry);
        setNameButtonText(input.shortName + QLatin1Char('\n') + input.birthDate.toString(QStringLiteral("MM/dd/yyyy")));
    }

    // 10. Reports.
    loadReport(m_numerologyView, m_person->document(), personOk);
    loadReport(m_matrixView, m_personMatrix->document(), matrixOk);
    loadReport(m_celebritiesView, m_celebrities->document(), personOk);
    loadReport(m_petView, m_pet->document(), petOk);
    loadReport(m_compatibilityView, m_compatibility->document(), compatibilityOk);
    update();
}

void CSorvel::fillPersonPanels()
{
    const NumerologyResult &r = m_person->result();
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
    m_calendarPanel->setBirthDigit(r.birthDayMonthDigit);
    m_calendarPanel->setDate(r.forecastDate);
    m_matrixPanel->setValues(matrixPanelValues(m_personMatrix->values()));
}

void CSorvel::fillPetPanels()
{
    const NumerologyResult &r = m_pet->result();
    m_petNumbers->setValues({r.expressionText, r.birthdayText, r.personalYearText});
    m_petNamePanel->setTexts({r.fullVowelRow, r.fullName, r.fullConsonantRow});
    m_petNamePanel->setFormulas({r.heartsDesireLine, r.expressionLine, r.personalityLine});
}

void CSorvel::fillCompatibilityPanels()
{
    const QString *t = m_compatibility->result().texts;
    m_compatibilityPanel->setValues({t[CT_OVERALL_RATING], t[CT_LIFE_PATH_RATING], t[CT_BIRTHDAY_RATING],
                                     t[CT_FAMILY_RATING], t[CT_NAME_RATING]});
    m_familyPanel->setValues({t[CT_MARRIAGE_TERM], t[CT_HOME_PRODUCT_1], t[CT_SPIRITUAL_PRODUCT_1],
                              t[CT_HOME_PRODUCT_2], t[CT_SPIRITUAL_PRODUCT_2], t[CT_HOME_STABILITY],
                              t[CT_SPIRITUAL_STABILITY]});
    m_compDetailsPanel->setValues({t[CT_LIFE_PATH_SUM], t[CT_BIRTHDAY_SUM], t[CT_NAME_SUM]});
    m_compMatrixPanel->setValues(matrixPanelValues(m_personMatrix->values()),
                                 matrixPanelValues(m_partnerMatrix->values()));
}

void CSorvel::OnSelReport(int)
{
    OnCalcNum();
}

// --- today panel --------------------------------------------------------------------

void CSorvel::slotPNC(QDate date)
{
    if (m_calendarPanel->birthDigit() <= 0)
        return;
    const QDate birth = m_overlay->birthDate->date();
    const auto R = &CNumerology::ReducePlain;
    const int b = R(R(birth.month()) + R(birth.day()));
    const int year = R(b + R(date.year()));
    const int month = R(b + R(date.year()) + R(date.month()));
    const int day = R(b + R(date.year()) + R(date.month()) + R(date.day()));
    static const char *const MONTHS[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    m_todayPanel->setValues({QStringLiteral("%1 (%2)").arg(date.year()).arg(year),
                             QStringLiteral("%1 (%2)").arg(QLatin1String(MONTHS[date.month() - 1])).arg(month),
                             QString::number(day)});
    m_dayText->setText(TextStore::instance().text(107, day));
    m_calendarPanel->setDate(date);
    m_todayPanel->update();
    m_calendarPanel->update();
}

// --- pet and advisor -----------------------------------------------------------------

void CSorvel::OnCalcPetNum()
{
    const QString name = CleanName(m_petName->text());
    if (name.isEmpty()) {
        m_pet->ResetResults();
    } else if (m_pet->CalcPetNum(name, m_petBirth->date(), m_forecastDate->date())) {
        fillPetPanels();
    }
    m_petView->showHtml(m_pet->document(), REPORT_BASE_URL);
    update();
}

void CSorvel::OnCalcAnNum()
{
    QString name;
    if (!PrepareAnalyzerName(m_analyzerName->text(), name))
        return;
    m_analyzer->ResetResults();
    m_analyzer->CalcAnNum(name, m_analyzerDate->date(), m_analyzerChaldean->isChecked());
    const NumerologyResult &r = m_analyzer->result();
    m_analyzerNumbers->setValues({r.lifePathText, r.expressionText, r.heartsDesireText, r.personalityText,
                                  r.karmicLessonsText});
    m_analyzerNamePanel->setWestern(!m_analyzerChaldean->isChecked());
    m_analyzerNamePanel->setTexts({r.fullVowelRow, name, r.fullConsonantRow});
    m_analyzerNamePanel->setFormulas({r.heartsDesireLine, r.expressionLine, r.personalityLine});
    m_analyzerView->setHtml(m_analyzer->document(), REPORT_BASE_URL);
    update();
}

// --- explanation pages -------------------------------------------------------------

void CSorvel::showExplanation(int topic, const QString &picture)
{
    const QString page = TextStore::instance().guidePage(topic, imageFolder() + QStringLiteral("doc/") + picture);
    if (page.isEmpty())
        return;
    auto *dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Sorvel Numerology"));
    dialog->setMinimumSize(600, 300);
    dialog->setMaximumSize(1280, 800);
    dialog->resize(600, 500);
    auto *layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new QWebEngineView(dialog);
    view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    view->setHtml(page, REPORT_BASE_URL);
    layout->addWidget(view);
    dialog->exec();
}

template <size_t N>
static void explain(CSorvel *window, const Explanation (&table)[N], int row,
                    void (CSorvel::*show)(int, const QString &))
{
    if (const Explanation *entry = findExplanation(table, row))
        (window->*show)(entry->page, QString::fromLatin1(entry->picture));
}

void CSorvel::MFitemCliked(int idx) { explain(this, MAIN_FEATURES_PAGES, idx, &CSorvel::showExplanation); }
void CSorvel::AFitemCliked(int idx) { explain(this, ADDITIONAL_FEATURES_PAGES, idx, &CSorvel::showExplanation); }
void CSorvel::LCitemCliked(int idx) { explain(this, LIFE_CYCLES_PAGES, idx, &CSorvel::showExplanation); }
void CSorvel::PMitemCliked(int idx) { explain(this, MATRIX_PAGES, idx, &CSorvel::showExplanation); }
