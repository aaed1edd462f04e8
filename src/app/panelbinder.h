#pragma once

// The chart panels of the result pages and the binder that fills them from
// the engines' finished results. The panels only show what they are given;
// every number comes from an engine.

#include <QImage>
#include <QObject>

class CCompNumerology;
class CExpandWidget;
class CInfoCalendarWidget;
class CInfoCompMatrWidget;
class CInfoEssenceWidget;
class CInfoExprPlanWidget;
class CInfoMatrWidget;
class CInfoNameWidget;
class CInfoTodayWidget;
class CInfoWidget;
class CNumerology;
class CNumerologyPMatrix;
class CSkinManager;
class CPageAnimator;
class QDate;
class QWidget;
class TextStore;

class CPanelBinder : public QObject
{
    Q_OBJECT
public:
    // Builds every result panel on the parent and registers the sliding ones
    // with the animator.
    CPanelBinder(CSkinManager *skin, const QImage &titleBar, const QImage &wideTitleBar, QWidget *parent,
                CPageAnimator *animator);

    void setTextStore(const TextStore *texts) { m_texts = texts; }

    void showPerson(const CNumerology &person, const CNumerologyPMatrix &matrix);
    void showPet(const CNumerology &pet);
    void showCompatibility(const CCompNumerology &compatibility, const CNumerologyPMatrix &personMatrix,
                           const CNumerologyPMatrix &partnerMatrix);
    void showAdvisor(const CNumerology &advisor, const QString &name, bool chaldean);
    // The shown person's numbers of a day on the today panel, the day's text
    // in the drawer and the calendar from that day; empty while no person is
    // shown.
    void showToday(const QDate &date);
    // The calendar of the shown person from a date; empty while none is shown.
    void showCalendar(const QDate &from);
    // K and V show their master values (11, 22) when master letter values
    // are kept.
    void setMasterLetterDigits(bool on);
    // The name panel shows Western or Chaldean letter values.
    void setWestern(bool western);
    // Every panel empty.
    void clear();

    // Panels the window wires or places itself.
    CInfoWidget *mainFeatures() const { return m_mainFeatures; }
    CInfoWidget *additionalFeatures() const { return m_additionalFeatures; }
    CInfoWidget *lifeCycles() const { return m_lifeCycles; }
    CInfoMatrWidget *matrixPanel() const { return m_matrixPanel; }
    CInfoEssenceWidget *essencePanel() const { return m_essencePanel; }
    CInfoWidget *petNumbers() const { return m_petNumbers; }
    CInfoWidget *advisorNumbers() const { return m_analyzerNumbers; }
    CInfoNameWidget *advisorNamePanel() const { return m_analyzerNamePanel; }
    CInfoTodayWidget *todayPanel() const { return m_todayPanel; }
    CExpandWidget *dayText() const { return m_dayText; }

private:
    CInfoWidget *listPanel(const QString &title, const QStringList &captions);
    void buildNumerologyPanels();
    void buildCompatibilityPanels();
    void buildBottomBand();
    void buildPetAndAdvisorPanels();
    void registerSlidingPanels(CPageAnimator *animator);

    CSkinManager *m_skin;
    QImage m_titleBar;
    QImage m_wideTitleBar;
    QWidget *m_parent;
    const TextStore *m_texts = nullptr;
    int m_birthDigit = 0; // of the person shown; 0 while none is

    CInfoWidget *m_mainFeatures = nullptr;
    CInfoWidget *m_additionalFeatures = nullptr;
    CInfoWidget *m_lifeCycles = nullptr;
    CInfoWidget *m_bridges = nullptr;
    CInfoNameWidget *m_namePanel = nullptr;
    CInfoExprPlanWidget *m_planesPanel = nullptr;
    CInfoMatrWidget *m_matrixPanel = nullptr;
    CInfoCompMatrWidget *m_compMatrixPanel = nullptr;
    CInfoWidget *m_compatibilityPanel = nullptr;
    CInfoWidget *m_familyPanel = nullptr;
    CInfoWidget *m_compDetailsPanel = nullptr;
    CInfoCalendarWidget *m_calendarPanel = nullptr;
    CInfoEssenceWidget *m_essencePanel = nullptr;
    CInfoWidget *m_petNumbers = nullptr;
    CInfoNameWidget *m_petNamePanel = nullptr;
    CInfoWidget *m_analyzerNumbers = nullptr;
    CInfoNameWidget *m_analyzerNamePanel = nullptr;
    CInfoTodayWidget *m_todayPanel = nullptr;
    CExpandWidget *m_dayText = nullptr;
};
