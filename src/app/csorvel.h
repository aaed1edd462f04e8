#pragma once

// The main window. It owns every engine object, chart panel and report view
// and receives every user action; its slots dispatch to the work of the
// classes that own it (engines, panels, overlay). The calculation driver's
// slots live in csorvel_driver.cpp, the input overlay's in csorvel_input.cpp.

#include "app/messageboxreporter.h"
#include "files/recentlist.h"
#include "app/windowlayout.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QVector>

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
class CInputOverlay;
class CNumerology;
class CNumerologyPMatrix;
class CSkinManager;
class MyQWebEngineView;
class QAbstractAnimation;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QNetworkAccessManager;
class QNetworkReply;
class QParallelAnimationGroup;
class QPropertyAnimation;
class QPushButton;
class QScrollArea;
class QTimeLine;
class QWebEngineView;

class CSorvel : public QMainWindow
{
    Q_OBJECT
public:
    explicit CSorvel(QWidget *parent = nullptr);
    ~CSorvel() override;

    // For tests and the driver: what the window currently shows.
    int currentPage() const { return m_currentPage; }
    bool inputShown() const { return m_inputShown; }
    bool calculated() const { return m_calculated; }
    QString nameButtonText() const { return m_nameButtonText; }
    const QList<RecentEntry> &recentList() const { return m_recent; }
    CInputOverlay *inputOverlay() const { return m_overlay; }
    const CNumerology *personEngine() const { return m_person; }
    const CNumerology *partnerEngine() const { return m_partner; }
    CSkinManager *skinManager() const { return m_skin; }
    QWidget *pageReportView(int page) const;
    const CInfoWidget *todayPanel() const;
    const CInfoWidget *mainFeaturesPanel() const;
    QDateEdit *forecastDateField() const { return m_forecastDate; }
    QVector<int> personMarks(int row) const { return row == 0 ? m_fullMarks : m_shortMarks; }

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
    void OnCalcNum();
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
    void createEngines();
    void buildModuleColumn();
    void buildPanels();
    void buildReportViews();
    void buildPageWidgets();
    void buildBottomRight();
    void buildInputOverlay();
    void buildNameButton();
    void buildMenu();
    void buildSplash();

    // Pages and layout.
    void showPage(int page);
    void layoutWindow();
    void slidePanels(bool animate);
    QPropertyAnimation *animate(QWidget *widget, const QByteArray &property, const QVariant &target,
                                int duration, const QEasingCurve &curve);
    void stopPageAnimations();

    // Driver helpers (csorvel_driver.cpp).
    struct CleanInput;
    CleanInput readInput() const;
    void fillPersonPanels();
    void fillCompatibilityPanels();
    void fillPetPanels();
    void preCalculate(bool partner);
    void showExplanation(int topic, const QString &picture);
    void showBlankReports();
    void loadReport(MyQWebEngineView *view, const QString &html, bool ok);
    void rebuildMarks(bool partner);
    void setNameButtonText(const QString &text);
    void applyDateFormat();
    void startPulse();
    void stopPulse();

    // Engines and the box that tells their failures.
    CMessageBoxReporter m_reporter{this};
    CSkinManager *m_skin = nullptr;
    QNetworkAccessManager *m_network = nullptr;
    CNumerology *m_person = nullptr;
    CNumerologyPMatrix *m_personMatrix = nullptr;
    CNumerology *m_pet = nullptr;
    CNumerology *m_partner = nullptr;
    CNumerologyPMatrix *m_partnerMatrix = nullptr;
    CCompNumerology *m_compatibility = nullptr;
    CNumerology *m_analyzer = nullptr;
    CNumerology *m_celebrities = nullptr;

    // Pictures.
    QImage m_titleBar;     // list panels
    QImage m_wideTitleBar; // wide panels

    // Module column.
    QScrollArea *m_moduleScroll = nullptr;
    QWidget *m_moduleColumn = nullptr;
    QLabel *m_selectionMark = nullptr;
    QPushButton *m_moduleButtons[WindowLayout::PAGE_COUNT] = {};
    QPropertyAnimation *m_markAnimation = nullptr;

    // Panels of the pages.
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

    // Page inputs.
    QWidget *m_petBox = nullptr;
    QLineEdit *m_petName = nullptr;
    QDateEdit *m_petBirth = nullptr;
    QPushButton *m_petCalculate = nullptr;
    QWidget *m_analyzerBox = nullptr;
    QLineEdit *m_analyzerName = nullptr;
    QDateEdit *m_analyzerDate = nullptr;
    QCheckBox *m_analyzerChaldean = nullptr;
    QPushButton *m_analyzerCalculate = nullptr;
    QDateEdit *m_forecastDate = nullptr;

    // Chart page.
    QWidget *m_chartBoard = nullptr;
    QLabel *m_templateLabel = nullptr;
    QComboBox *m_templateChooser = nullptr;
    QPushButton *m_chartButtons[3] = {};

    // Report views.
    QWidget *m_reportFrame = nullptr;
    MyQWebEngineView *m_numerologyView = nullptr;
    MyQWebEngineView *m_matrixView = nullptr;
    MyQWebEngineView *m_compatibilityView = nullptr;
    MyQWebEngineView *m_celebritiesView = nullptr;
    MyQWebEngineView *m_petView = nullptr;
    MyQWebEngineView *m_guideView = nullptr;
    QWebEngineView *m_analyzerView = nullptr;
    QPropertyAnimation *m_frameAnimation = nullptr;

    // Bottom right.
    QPushButton *m_imageButtons[5] = {};
    QPushButton *m_nameButton = nullptr;
    QTimeLine *m_pulse = nullptr;
    QMenu *m_menu = nullptr;
    QActionGroup *m_styleGroup = nullptr;
    QWidget *m_splash = nullptr;
    CInputOverlay *m_overlay = nullptr;
    QPropertyAnimation *m_overlayAnimation = nullptr;

    // Panels that slide with the pages: widget, the pages it belongs to and
    // its resting y.
    struct SlidingPanel
    {
        QWidget *widget;
        QVector<int> pages;
        int y;                                  // left column
        WindowLayout::BottomPanel bottom;       // bottom band
        bool leftColumn;
    };
    QList<SlidingPanel> m_sliding;
    QList<QPropertyAnimation *> m_pageAnimations;

    // Settings and state.
    bool m_skipGuideDialog = false;
    int m_styleIndex = 0;
    bool m_dayFirstDates = false;
    int m_masterMode = 0;
    int m_currentPage = 0;
    bool m_inputShown = false;
    bool m_calculated = false;
    QString m_nameButtonText;
    QVector<int> m_fullMarks;
    QVector<int> m_shortMarks;
    QVector<int> m_partnerFullMarks;
    QVector<int> m_partnerShortMarks;
    QList<RecentEntry> m_recent;
};
