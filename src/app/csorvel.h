#pragma once

// The main window, a conductor: it builds the window's parts, wires them and
// forwards every user action to the class that owns the work - the
// calculation driver (engines), the panel binder (chart panels), the report
// views, the page classes, the page animator and the input overlay. Its slots
// carry the program's own names.

#include "app/messageboxreporter.h"
#include "app/windowlayout.h"
#include "files/configfile.h"
#include "files/recentlist.h"
#include "texts/textstore.h"

#include <QImage>
#include <QMainWindow>

class CAdvisorPage;
class CCalculationDriver;
class CChartPage;
class CClientsPage;
class CGlowButton;
class CExpandWidget;
class CImageButton;
class CInfoTodayWidget;
class CInfoWidget;
class CInputOverlay;
class CNumerology;
class CPersonFiles;
class CUpdateCheck;
class CSkinManager;
class CPageAnimator;
class CPanelBinder;
class CPetPage;
class CReportExporter;
class QActionGroup;
class QDateEdit;
class QLabel;
class QMenu;
class QNetworkAccessManager;
class QNetworkReply;
class QPropertyAnimation;
class QPushButton;
class QScrollArea;
class QTimeLine;
class CReportViews;

class CSorvel : public QMainWindow
{
    Q_OBJECT
public:
    explicit CSorvel(QWidget *parent = nullptr);
    ~CSorvel() override;

    // For tests: what the window currently shows.
    int currentPage() const { return m_currentPage; }
    bool inputShown() const { return m_inputShown; }
    bool calculated() const { return m_calculated; }
    QString nameButtonText() const { return m_nameButtonText; }
    bool nameButtonGlows() const;
    const QList<RecentEntry> &recentList() const;
    CInputOverlay *inputOverlay() const { return m_overlay; }
    const CCalculationDriver &driver() const { return *m_driver; }
    const CNumerology *personEngine() const;
    const CNumerology *partnerEngine() const;
    CSkinManager *skinManager() const { return m_skin; }
    QWidget *pageReportView(int page) const;
    const CInfoTodayWidget *todayPanel() const;
    const CExpandWidget *dayTextDrawer() const;
    const CInfoWidget *mainFeaturesPanel() const;
    QDateEdit *forecastDateField() const { return m_forecastDate; }
    QVector<int> personMarks(int row) const;
    const AppConfig &config() const { return m_config; }
    CReportExporter *exporter() const { return m_exporter; }
    const CReportViews *reportViews() const { return m_reports; }
    CClientsPage *clientsPage() const { return m_clientsPage; }
    // Ends every slide at once, leaving each panel where it rests.
    void finishSliding();

signals:
    void updateStyle();

public slots:
    void OnPersButAnim(int val);
    void OnPersButAnimFinish();
    void OnCtrlButNumer();
    void OnCtrlButPMatr();
    void OnCtrlButForecast();
    void OnCtrlButComp();
    void OnCtrlButCel();
    void OnCtrlButPet();
    void OnCtrlButChart();
    void OnCtrlButAnalize();
    void OnCtrlButGuide();
    void OnUpdateListReport();
    void OnFinishedSU();
    void slotGChart(int value);
    void slotResizeChart();
    void OnMenu();
    void OnExportHTML();
    void OnExportPDFAll();
    void replyFinished(QNetworkReply *reply);
    void slotPNC(QDate date);
    void OnEditChart();
    void OnAddChart();
    void OnDeleteChart();
    void OnNameSel();
    void OnNameVWChanged(int row, int idx);
    void OnNamePVWChanged(int row, int idx);
    void OnPreCalcNum();
    void OnPreCalcNumP();
    void OnTextChanged(QString text);
    void OnPTextChanged(QString text);
    void OnParsChanged(int value);
    void OnDateChanged(QDate date);
    void OnResData();
    void OnResDataI();
    bool OnCalcNum(); // false when the typed names were refused
    void OnCalcPetNum();
    void OnSaveFile(bool closeProg = false);
    void OnOpenFile(bool openProg = false);
    void OnRecentClicked();
    void OnClearRecent();
    void OnCalcAnNum();
    void OnSupport();
    void OnHelp();
    void OnAbout();
    void OnSettings();
    void initStyle();
    void OnStyleChange();
    void OnApplyStyle(int a);
    void OnSelReport(int value);
    void MFitemCliked(int idx);
    void AFitemCliked(int idx);
    void LCitemCliked(int idx);
    void PMitemCliked(int idx);
    void OnBgTaskFinished(bool ok);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Construction, in order.
    void buildSkinAndNetwork();
    void loadTitleAndTexts();
    void buildParts();
    void applyStartSettings();
    void sizeToScreen();
    void startSplash();
    // The parts buildParts() makes.
    void buildModuleColumn();
    void buildPages();
    void buildBottomRight();
    void buildInputOverlay();
    void buildClientsPage();
    void buildNameButton();
    void buildMenu();
    void buildSplash();

    // Pages and layout.
    void showPage(int page);
    void layoutWindow();
    void placeModuleButtons(int buttonHeight);

    // Calculation.
    PersonInput currentInput() const;
    void preCalculate(bool partner);
    void rebuildMarks(bool partner);
    void showExplanation(int guidePage, const QString &picture);
    void applyDateFormat();
    void putIntoInput(const PersonInput &person);
    void openPerson(const PersonInput &person);
    void saveConfig();
    void applyOptions();

    // The name button.
    void setNameButtonText(const QString &text);
    void startPulse();
    void stopPulse();

    // The window's parts.
    CMessageBoxReporter m_reporter{this};
    // The window's message boxes report the core's failures while it lives.
    ScopedMessageReporter m_reporterInstalled{m_reporter};
    CSkinManager *m_skin = nullptr;
    QNetworkAccessManager *m_network = nullptr;
    CCalculationDriver *m_driver = nullptr;
    CPageAnimator *m_animator = nullptr;
    CReportViews *m_reports = nullptr;
    CPanelBinder *m_panels = nullptr;
    CPetPage *m_petPage = nullptr;
    CAdvisorPage *m_advisorPage = nullptr;
    CChartPage *m_chartPage = nullptr;
    CClientsPage *m_clientsPage = nullptr;
    CInputOverlay *m_overlay = nullptr;
    CPersonFiles *m_personFiles = nullptr;
    CUpdateCheck *m_updateCheck = nullptr;
    CReportExporter *m_exporter = nullptr;

    // Pictures.
    QImage m_titleBar;     // list panels
    QImage m_wideTitleBar; // wide panels

    // Module column.
    QScrollArea *m_moduleScroll = nullptr;
    QWidget *m_moduleColumn = nullptr;
    QLabel *m_selectionMark = nullptr;
    QPushButton *m_moduleButtons[WindowLayout::PAGE_COUNT] = {};
    QPropertyAnimation *m_markAnimation = nullptr;
    QPropertyAnimation *m_frameAnimation = nullptr;

    // Bottom right.
    QDateEdit *m_forecastDate = nullptr;
    CImageButton *m_imageButtons[5] = {};
    CGlowButton *m_nameButton = nullptr;
    QTimeLine *m_pulse = nullptr;
    static const int PULSE_STEP_MS = 100;
    static const int PULSE_HALVES = 30; // one second each: half a minute of glow
    int m_pulseHalves = 0;
    QMenu *m_menu = nullptr;
    QActionGroup *m_styleGroup = nullptr;
    QWidget *m_splash = nullptr;
    QPropertyAnimation *m_overlayAnimation = nullptr;

    // Settings and state.
    AppConfig m_config;
    TextLoadResult m_textsLoad;
    bool m_recentClickFirst = false;
    int m_clickedRecent = -1;
    int m_currentPage = 0;
    bool m_inputShown = false;
    bool m_calculated = false;
    QString m_nameButtonText;
};
