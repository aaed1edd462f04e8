// The main window: construction and wiring, pages and layout, the name
// button, the menu, the splash and the deferred start-up. The work behind
// each slot lives in the class that owns it.

#include "csorvel.h"

#include "app/appfolders.h"
#include "app/calculationdriver.h"
#include "app/cdateedit.h"
#include "app/cglowbutton.h"
#include "app/cimagebutton.h"
#include "app/cinputoverlay.h"
#include "app/cskinmanager.h"
#include "app/dialogs/caboutdlg.h"
#include "app/dialogs/cinfodlg.h"
#include "app/dialogs/cmanualview.h"
#include "app/dialogs/csettingsdlg.h"
#include "app/dialogs/explanationdialog.h"
#include "app/reportexporter.h"
#include "app/links.h"
#include "app/myqwebengineview.h"
#include "app/notice.h"
#include "app/openlink.h"
#include "app/pageanimator.h"
#include "app/pages/advisorpage.h"
#include "app/pages/namefinderpanel.h"
#include "app/pages/chartpage.h"
#include "app/pages/clientspage.h"
#include "app/pages/petpage.h"
#include "app/panelbinder.h"
#include "app/personfiles.h"
#include "app/reportviews.h"
#include "app/updatecheck.h"
#include "designer/creportcreator.h"
#include "designer/designerquestion.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "files/datafolder.h"
#include "panels/cexpandwidget.h"
#include "panels/cinfoessencewidget.h"
#include "panels/cinfomatrwidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"
#include "texts/textstore.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimeLine>
#include <QTimer>
#include <QWebEngineSettings>

using namespace WindowLayout;

namespace {

const QString ENTER_YOUR_NAME = QStringLiteral("ENTER YOUR NAME");
const QString APPLY = QStringLiteral("APPLY");

// The nine module buttons, in page order.
struct ModuleButton
{
    const char *caption;
    const char *icon;
    void (CSorvel::*slot)();
};
const ModuleButton MODULE_BUTTONS[PAGE_COUNT] = {
    {"Numerology", "numer-but.png", &CSorvel::OnCtrlButNumer},
    {"Psycho Matrix", "matr-but.png", &CSorvel::OnCtrlButPMatr},
    {"Love\r\nCompatibility", "love-but.png", &CSorvel::OnCtrlButComp},
    {"Celebrities", "cel-but.png", &CSorvel::OnCtrlButCel},
    {"Pet", "pet-but.png", &CSorvel::OnCtrlButPet},
    {"Graphic\r\nChart", "chart-but.png", &CSorvel::OnCtrlButChart},
    {"Name\r\nAdvisor", "an-but.png", &CSorvel::OnCtrlButAnalize},
    {"Forecast", "fore-but.png", &CSorvel::OnCtrlButForecast},
    {"Guide", "guide-but.png", &CSorvel::OnCtrlButGuide},
};

// The image buttons along the bottom right, with their pictures.
struct ImageButtonSpec
{
    ImageButton position;
    const char *picture;
    const char *toolTip;
    void (CSorvel::*slot)();
};
const ImageButtonSpec IMAGE_BUTTONS[] = {
    {SaveButton, "savebut", "Save Report", &CSorvel::OnExportHTML},
    {PrintButton, "printbut", "Print", &CSorvel::OnExportPDFAll},
    {ResetButton, "resbut", "Reset", &CSorvel::OnResData},
    {MenuButton, "menubut", "Menu", &CSorvel::OnMenu},
    {AboutButton, "infobut", "About", &CSorvel::OnAbout},
};

} // namespace

CSorvel::CSorvel(QWidget *parent)
    : QMainWindow(parent)
{
    buildSkinAndNetwork();
    loadTitleAndTexts();
    buildParts();
    applyStartSettings();
    sizeToScreen();
    showPage(NumerologyPage);
    slotPNC(m_forecastDate->date()); // today's numbers
    startSplash();
}

// 1. Skin manager, network and the update check.
void CSorvel::buildSkinAndNetwork()
{
    m_skin = new CSkinManager(imageFolder(), this);
    useSkinnedDesignerQuestions(m_skin); // the chart designer asks in the skin's look
    m_network = new QNetworkAccessManager(this);
    connect(m_network, &QNetworkAccessManager::finished, this, &CSorvel::replyFinished);
    m_updateCheck = new CUpdateCheck(m_network, QUrl(QLatin1String(Links::UPDATE_ENDPOINT)), this);
    connect(m_updateCheck, &CUpdateCheck::updateAvailable, this, [this] {
        const auto answer = QMessageBox::question(
            this, QStringLiteral("Sorvel Numerology Update"),
            QStringLiteral("New version of Sorvel Numerology available for download\r\nWould you like to update?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            openLink(QUrl(QLatin1String(Links::DOWNLOAD_PAGE)));
    });
}

// 2. Title, pictures and texts.
void CSorvel::loadTitleAndTexts()
{
    setWindowTitle(QStringLiteral("Sorvel Numerology 7"));
    setWindowIcon(QIcon(imageFolder() + QStringLiteral("sorvel.png")));
    m_titleBar = QImage(imageFolder() + QStringLiteral("tbar.png"));
    m_wideTitleBar = QImage(imageFolder() + QStringLiteral("tbar2.png"));
    m_textsLoad = TextStore::instance().load();
    // Report styles that reset the font fall back to the web engine's
    // standard or serif face: make both the reports' own sans-serif face.
    QWebEngineSettings *web = QWebEngineSettings::defaultSettings();
    web->setFontFamily(QWebEngineSettings::StandardFont, QStringLiteral("Arial"));
    web->setFontFamily(QWebEngineSettings::SerifFont, QStringLiteral("Arial"));
}

// 3 to 6. Engines, module column, views, panels, pages, controls, export.
void CSorvel::buildParts()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    m_driver = new CCalculationDriver(imageFolder(), this);
    m_personFiles = new CPersonFiles(recentListPath(), this);
    buildModuleColumn();
    m_reports = new CReportViews(central);
    m_frameAnimation = new QPropertyAnimation(m_reports->frame(), "geometry", this);
    m_frameAnimation->setDuration(300);
    connect(m_frameAnimation, &QPropertyAnimation::finished, this, &CSorvel::slotResizeChart);
    m_animator = new CPageAnimator(this);
    m_panels = new CPanelBinder(m_skin, m_titleBar, m_wideTitleBar, central, m_animator);
    buildPages();
    buildBottomRight();
    buildInputOverlay();
    buildClientsPage();
    buildNameButton();
    buildMenu();
    m_exporter = new CReportExporter(this, m_reports, m_skin);
    connect(m_exporter, &CReportExporter::finished, this, &CSorvel::OnBgTaskFinished);
    m_exporter->setChartRenderer([this] { return m_chartPage->exportPicture(); });
    m_exporter->setCoverSource([this] {
        CoverPage cover;
        cover.clientName = m_driver->lastInput().fullName;
        cover.birthDate = m_driver->lastInput().birthDate;
        cover.madeOn = QDate::currentDate();
        cover.numerologist = m_config.numerologist;
        cover.numerologistContact = m_config.numerologistContact;
        cover.logo = QImage::fromData(m_config.logoPng);
        return cover;
    });
}

// 7. Options, dates, guide, empty input.
void CSorvel::applyStartSettings()
{
    applyOptions();
    applyDateFormat();
    const QString manual = imageFolder() + QStringLiteral("manual/index.html");
    if (QFile::exists(manual))
        m_reports->showFile(CReportViews::Guide, manual);
    OnResData();
}

// 8. Size: the usual size where the screen has room for it.
void CSorvel::sizeToScreen()
{
    setMinimumSize(1015, 570);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1100, 700);
    resize(qMin(available.width(), 1100), qMin(available.height(), 700));
}

// 10. Splash, skin, deferred start-up. The reports stay hidden under the
// splash: the window then paints at once, without waiting for the web
// engine to draw its first page.
void CSorvel::startSplash()
{
    m_reports->frame()->hide();
    buildSplash();
    initStyle();
    startPulse();
    // A timer of its own, named, so that a test can stop it and run the
    // start-up itself when it chooses instead of in the middle of a case.
    auto *startUp = new QTimer(this);
    startUp->setObjectName(QStringLiteral("startUpTimer"));
    startUp->setSingleShot(true);
    connect(startUp, &QTimer::timeout, this, &CSorvel::OnFinishedSU);
    startUp->start(2600);
}

CSorvel::~CSorvel()
{
    OnSaveFile(true);
    saveConfig();
    setDesignerQuestion({});
}

// --- what tests read ----------------------------------------------------------

const QList<RecentEntry> &CSorvel::recentList() const { return m_driver->recentList(); }
const CNumerology *CSorvel::personEngine() const { return &m_driver->person(); }
const CNumerology *CSorvel::partnerEngine() const { return &m_driver->partner(); }
QWidget *CSorvel::pageReportView(int page) const { return m_reports->viewOfPage(page); }
const CInfoTodayWidget *CSorvel::todayPanel() const { return m_panels->todayPanel(); }
const CExpandWidget *CSorvel::dayTextDrawer() const { return m_panels->dayText(); }
const CInfoWidget *CSorvel::mainFeaturesPanel() const { return m_panels->mainFeatures(); }
QVector<int> CSorvel::personMarks(int row) const { return m_overlay->marks(false, row); }

// --- construction -----------------------------------------------------------

void CSorvel::buildModuleColumn()
{
    m_moduleScroll = new QScrollArea(centralWidget());
    m_moduleScroll->setObjectName(QStringLiteral("moduleScroll"));
    m_moduleScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_moduleScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_moduleScroll->setFrameShape(QFrame::NoFrame);
    m_moduleColumn = new QWidget;
    m_moduleColumn->setObjectName(QStringLiteral("moduleColumn"));
    m_moduleColumn->setFixedSize(170, 720);
    m_selectionMark = new QLabel(m_moduleColumn);
    m_selectionMark->setObjectName(QStringLiteral("selectionMark"));
    m_selectionMark->setGeometry(0, 0, 165, 80);
    for (int page = 0; page < PAGE_COUNT; ++page) {
        auto *button = new QPushButton(QString::fromLatin1(MODULE_BUTTONS[page].caption).remove(QLatin1Char('\r')),
                                       m_moduleColumn);
        button->setObjectName(QStringLiteral("moduleButton"));
        button->setGeometry(0, moduleButtonY(page), 165, 80);
        button->setIconSize(QSize(64, 60));
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, MODULE_BUTTONS[page].slot);
        m_moduleButtons[page] = button;
    }
    m_moduleScroll->setWidget(m_moduleColumn);
    m_markAnimation = new QPropertyAnimation(m_selectionMark, "geometry", this);
    m_markAnimation->setDuration(300);
    m_markAnimation->setEasingCurve(QEasingCurve::OutBack);
}

// The pet, advisor and chart pages, and the panels' clicks that explain.
void CSorvel::buildPages()
{
    QWidget *central = centralWidget();
    m_petPage = new CPetPage(central);
    connect(m_petPage, &CPetPage::calculateRequested, this, &CSorvel::OnCalcPetNum);
    m_animator->addLeftPanel(m_petPage->box(), {PetPage}, 10);

    m_advisorPage = new CAdvisorPage(central, m_panels->advisorNamePanel());
    connect(m_advisorPage, &CAdvisorPage::calculateRequested, this, &CSorvel::OnCalcAnNum);

    m_chartPage = new CChartPage(m_reports->frame(), m_skin);
    connect(m_chartPage, &CChartPage::templateChosen, this, &CSorvel::slotGChart);
    connect(m_chartPage, &CChartPage::editRequested, this, &CSorvel::OnEditChart);
    connect(m_chartPage, &CChartPage::newRequested, this, &CSorvel::OnAddChart);
    connect(m_chartPage, &CChartPage::deleteRequested, this, &CSorvel::OnDeleteChart);

    connect(m_panels->mainFeatures(), &CInfoWidget::itemCliked, this, &CSorvel::MFitemCliked);
    connect(m_panels->additionalFeatures(), &CInfoWidget::itemCliked, this, &CSorvel::AFitemCliked);
    connect(m_panels->lifeCycles(), &CInfoWidget::itemCliked, this, &CSorvel::LCitemCliked);
    connect(m_panels->matrixPanel(), &CInfoMatrWidget::itemCliked, this, &CSorvel::PMitemCliked);
    connect(this, &CSorvel::updateStyle, m_panels->essencePanel(),
            QOverload<>::of(&CInfoEssenceWidget::updateData));
}

void CSorvel::buildBottomRight()
{
    QWidget *central = centralWidget();
    for (const ImageButtonSpec &spec : IMAGE_BUTTONS) {
        auto *button = new CImageButton(QString::fromLatin1(spec.picture), central);
        button->resize(20, 20);
        button->setToolTip(QString::fromLatin1(spec.toolTip));
        connect(button, &QPushButton::clicked, this, spec.slot);
        m_imageButtons[spec.position] = button;
    }

    m_forecastDate = new CDateEdit(QDate::currentDate(), m_panels->todayPanel());
    m_forecastDate->setDateRange(QDate(1800, 1, 1), QDate(2200, 12, 31));
    m_forecastDate->setObjectName(QStringLiteral("forecastDate"));
    m_forecastDate->setCalendarPopup(true);
    m_forecastDate->setGeometry(30, 70, 135, 28);
    connect(m_forecastDate, &QDateEdit::dateChanged, this, &CSorvel::slotPNC);
    connect(this, &CSorvel::updateStyle, m_panels->dayText(), &CExpandWidget::slotUpdate);
}

// The input overlay and its signals; it waits parked left of the window.
void CSorvel::buildInputOverlay()
{
    m_overlay = new CInputOverlay(m_skin, m_titleBar, centralWidget());
    m_overlayAnimation = new QPropertyAnimation(m_overlay, "pos", this);
    m_overlayAnimation->setDuration(500);
    connect(m_overlay, &CInputOverlay::nameEdited, this, [this](bool partner) {
        if (partner)
            OnPTextChanged(QString());
        else
            OnTextChanged(QString());
    });
    connect(m_overlay, &CInputOverlay::optionsEdited, this, [this] { OnParsChanged(0); });
    connect(m_overlay, &CInputOverlay::letterClicked, this, [this](bool partner, int row, int index) {
        if (partner)
            OnNamePVWChanged(row, index);
        else
            OnNameVWChanged(row, index);
    });
    connect(m_overlay, &CInputOverlay::saveRequested, this, [this] { OnSaveFile(); });
    connect(m_overlay, &CInputOverlay::openRequested, this, [this] { OnOpenFile(); });
    connect(m_overlay, &CInputOverlay::newRequested, this, &CSorvel::OnResDataI);
    connect(m_overlay, &CInputOverlay::recentClicked, this, [this](int index) {
        m_clickedRecent = index;
        OnRecentClicked();
    });
    connect(m_overlay, &CInputOverlay::clearRecentRequested, this, &CSorvel::OnClearRecent);
    // Enter in a name field does what APPLY does.
    connect(m_overlay, &CInputOverlay::applyRequested, this, [this] {
        if (m_inputShown)
            OnNameSel();
    });
    // The recent list is kept on disk whenever it changes.
    connect(m_driver, &CCalculationDriver::recentListChanged, this, [this] {
        m_overlay->setRecentEntries(m_driver->recentList());
        if (!m_splash)
            OnSaveFile(true);
    });
}

// The client book covers the window from the overlay's "Clients"; a client
// opened goes into the input as a person file does.
void CSorvel::buildClientsPage()
{
    m_clientsPage = new CClientsPage(m_skin, centralWidget());
    m_clientsPage->setInputSource([this] { return currentInput(); });
    connect(m_overlay, &CInputOverlay::clientsRequested, m_clientsPage, &CClientsPage::showPage);
    connect(m_clientsPage, &CClientsPage::openClient, this, &CSorvel::openPerson);
}

void CSorvel::buildNameButton()
{
    m_nameButton = new CGlowButton(ENTER_YOUR_NAME, centralWidget());
    m_nameButton->setObjectName(QStringLiteral("nameButton"));
    m_nameButton->resize(200, NAME_BUTTON_HEIGHT);
    m_nameButton->setCursor(Qt::PointingHandCursor);
    // A window of its own: a step of the glow then redraws only the button
    // on screen, not the whole window with its report views.
    m_nameButton->setAttribute(Qt::WA_NativeWindow);
    connect(m_nameButton, &QPushButton::clicked, this, &CSorvel::OnNameSel);
    m_pulse = new QTimeLine(1000, this);
    m_pulse->setFrameRange(0, 20);
    // Every step repaints the button, and the window composites again: the
    // glow moves ten times a second, not twenty-five.
    m_pulse->setUpdateInterval(PULSE_STEP_MS);
    m_pulse->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_pulse, &QTimeLine::frameChanged, this, &CSorvel::OnPersButAnim);
    connect(m_pulse, &QTimeLine::finished, this, &CSorvel::OnPersButAnimFinish);
    m_nameButtonText = ENTER_YOUR_NAME;
}

void CSorvel::buildMenu()
{
    m_menu = new QMenu(QStringLiteral("Numerology"), this);
    QMenu *style = m_menu->addMenu(QStringLiteral("Style"));
    m_styleGroup = new QActionGroup(this);
    m_styleGroup->setExclusive(true);
    for (const QString &name : m_skin->skinNames()) {
        QAction *action = style->addAction(name);
        action->setCheckable(true);
        m_styleGroup->addAction(action);
        connect(action, &QAction::triggered, this, &CSorvel::OnStyleChange);
    }
    m_menu->addAction(QStringLiteral("Calculator Settings"), this, &CSorvel::OnSettings);
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("About"), this, &CSorvel::OnAbout);
    m_menu->addAction(QStringLiteral("Help"), this, &CSorvel::OnHelp);
    m_menu->addAction(QStringLiteral("Support"), this, &CSorvel::OnSupport);
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Save All Reports to PDF"), this, &CSorvel::OnExportPDFAll);
    QAction *print = m_menu->addAction(QStringLiteral("Print"), this, &CSorvel::OnExportPDFAll);
    print->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    addAction(print); // the shortcut works while the menu is closed
    m_menu->addAction(QStringLiteral("Save Report"), this, &CSorvel::OnExportHTML);
}

void CSorvel::buildSplash()
{
    m_splash = new QWidget(centralWidget());
    m_splash->setObjectName(QStringLiteral("splash"));
    m_splash->setAttribute(Qt::WA_StyledBackground);
    m_splash->setGeometry(centralWidget()->rect());
    m_splash->setStyleSheet(QStringLiteral("QWidget#splash { background: %1; }")
                                .arg(m_skin->mapColor("#1e1917").name()));
    const QPixmap logo(imageFolder() + QStringLiteral("logoh.png"));
    auto *picture = new QLabel(m_splash);
    picture->setPixmap(logo);
    picture->setGeometry((width() - logo.width()) / 2, 60, logo.width(), logo.height());
    auto *text = new QLabel(QStringLiteral("Loading...\r\n\r\n\r\nThank You for using Sorvel Numerology,\r\n"
                                           "The World's most advanced Numerology application!"),
                            m_splash);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setStyleSheet(QStringLiteral("QLabel { background: none; border: none; color: #eddbb2; font: 24px; }"));
    text->setGeometry(0, picture->geometry().bottom() + 20, width(), 200);
    m_splash->raise();
}

// --- start-up ---------------------------------------------------------------

void CSorvel::OnFinishedSU()
{
    // 1 and 2. The configuration, and the weekly update check.
    m_config = loadConfig(configFilePath(), previousConfigFilePath());
    applyOptions();
    applyDateFormat();
    m_config.lastUpdateCheck = m_updateCheck->checkIfDue(m_config.lastUpdateCheck);

    // 3 to 6. Skin, recent list, the first person.
    const QList<QAction *> skins = m_styleGroup->actions();
    if (m_config.styleIndex >= 0 && m_config.styleIndex < skins.size())
        skins.at(m_config.styleIndex)->setChecked(true);
    OnStyleChange();
    OnOpenFile(true);
    OnCalcNum();
    if (m_nameButtonText != ENTER_YOUR_NAME)
        stopPulse();
    m_nameButton->setText(m_nameButtonText);

    // 7 and 8. Templates, the splash goes.
    OnUpdateListReport();
    m_reports->frame()->show();
    delete m_splash;
    m_splash = nullptr;
    layoutWindow();
    saveConfig();

    // A data file that is there but cannot be trusted is refused, and the
    // user hears why once the window stands; a missing one stays silent.
    if (m_textsLoad.status == TextLoadResult::Refused)
        messageReporter().critical(QStringLiteral("Error"),
                                   QStringLiteral("The interpretation texts (eng.dat) could not be read: ")
                                       + m_textsLoad.reason
                                       + QStringLiteral(". Reports show the numbers without their texts."));

    // 9. The start-up guide.
    if (!m_config.skipGuideDialog) {
        CManualVieW guide(imageFolder() + QStringLiteral("manual/manual/start.html"), m_skin, this);
        guide.exec();
        if (guide.answered() && guide.skipNextTime() != m_config.skipGuideDialog) {
            m_config.skipGuideDialog = guide.skipNextTime();
            saveConfig();
        }
    }
}

// The calculation options of the configuration in force: the engines' and
// what the name panels show for master letters.
void CSorvel::applyOptions()
{
    m_driver->setOptions(m_config.options);
    m_driver->setMasterMode(m_config.masterMode);
    const bool masterLetters = !m_config.options.reduceMasterLetters;
    m_panels->setMasterLetterDigits(masterLetters);
    m_overlay->setMasterLetterDigits(masterLetters);
    m_clientsPage->setCalculation(m_config.options, m_config.masterMode);
    m_advisorPage->finder()->setCalcOptions(m_config.options);
}

// The configuration is kept whenever it changes, so a program that is killed
// loses nothing; a failed write leaves the previous file and is not worth a
// message box of its own.
void CSorvel::saveConfig()
{
    ::saveConfig(configFilePath(), m_config);
}

// --- pages ------------------------------------------------------------------

void CSorvel::OnCtrlButNumer() { showPage(NumerologyPage); }
void CSorvel::OnCtrlButPMatr() { showPage(PsychomatrixPage); }
void CSorvel::OnCtrlButForecast() { showPage(ForecastPage); }
void CSorvel::OnCtrlButComp() { showPage(CompatibilityPage); }
void CSorvel::OnCtrlButCel() { showPage(CelebritiesPage); }
void CSorvel::OnCtrlButPet() { showPage(PetPage); }
void CSorvel::OnCtrlButChart()
{
    // Templates copied into a folder meanwhile show up.
    m_chartPage->reloadTemplates();
    showPage(WindowLayout::ChartPage);
}
void CSorvel::OnCtrlButAnalize() { showPage(AdvisorPage); }
void CSorvel::OnCtrlButGuide() { showPage(GuidePage); }

void CSorvel::showPage(int page)
{
    if (m_inputShown)
        return;
    m_currentPage = page;
    m_animator->stop();
    const QRect report = reportRect(page, size());

    // The page's view (or the chart board) shows; the others hide.
    m_reports->showPage(page, report.size());
    m_chartPage->setVisible(page == WindowLayout::ChartPage);
    m_chartPage->layout(report, page == WindowLayout::ChartPage);

    m_animator->slideTo(page, size(), true);
    m_markAnimation->stop();
    const int buttonHeight = moduleButtonHeight(size());
    m_markAnimation->setEndValue(QRect(0, moduleButtonY(page, buttonHeight), 165, buttonHeight));
    m_markAnimation->start();
    for (int i = 0; i < PAGE_COUNT; ++i) {
        m_moduleButtons[i]->setProperty("current", i == page);
        m_moduleButtons[i]->style()->unpolish(m_moduleButtons[i]); // the sheet reads the property again
        m_moduleButtons[i]->style()->polish(m_moduleButtons[i]);
    }

    m_frameAnimation->stop();
    m_frameAnimation->setEndValue(reportFrameRect(report));
    m_frameAnimation->start();
    layoutWindow();
}

void CSorvel::finishSliding()
{
    m_animator->stop();
    m_frameAnimation->stop();
    layoutWindow();
}

void CSorvel::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layoutWindow();
}

void CSorvel::layoutWindow()
{
    const QSize window = size();
    const int w = window.width();
    const int h = window.height();
    const QRect report = reportRect(m_currentPage, window);

    m_moduleScroll->setGeometry(moduleColumnRect(window));
    placeModuleButtons(moduleButtonHeight(window));
    if (m_frameAnimation->state() != QAbstractAnimation::Running)
        m_reports->frame()->setGeometry(reportFrameRect(report));
    m_reports->resizeShown(m_currentPage, report.size());
    m_nameButton->move(NAME_BUTTON_MARGIN, h - NAME_BUTTON_HEIGHT - NAME_BUTTON_MARGIN);
    if (m_overlayAnimation->state() != QAbstractAnimation::Running)
        m_overlay->setGeometry(m_inputShown ? 0 : -w, 0, w, h);
    else
        m_overlay->resize(w, h);

    // Panels stand where their page puts them unless they are on their way.
    if (!m_animator->isSliding())
        m_animator->slideTo(m_currentPage, window, false);
    m_chartPage->layout(report, m_currentPage == WindowLayout::ChartPage);
    m_advisorPage->layout(report, m_currentPage == AdvisorPage);

    for (const ImageButtonSpec &spec : IMAGE_BUTTONS)
        m_imageButtons[spec.position]->move(imageButtonPos(spec.position, window));
    m_panels->todayPanel()->move(todayPanelPos(window));
    CExpandWidget *dayText = m_panels->dayText();
    dayText->setAnchor(QPoint(w - dayText->width() - 177, h - 107));
    if (m_splash)
        m_splash->setGeometry(centralWidget()->rect());
}

// The column shrinks its buttons to show all nine where it can.
void CSorvel::placeModuleButtons(int buttonHeight)
{
    m_moduleColumn->setFixedSize(170, PAGE_COUNT * buttonHeight);
    for (int page = 0; page < PAGE_COUNT; ++page) {
        m_moduleButtons[page]->setGeometry(0, moduleButtonY(page, buttonHeight), 165, buttonHeight);
        m_moduleButtons[page]->setIconSize(moduleIconSize(buttonHeight));
    }
    const QRect mark(0, moduleButtonY(m_currentPage, buttonHeight), 165, buttonHeight);
    if (m_markAnimation->state() == QAbstractAnimation::Running)
        m_markAnimation->setEndValue(mark);
    else
        m_selectionMark->setGeometry(mark);
}

// --- name button, overlay ------------------------------------------------------

bool CSorvel::nameButtonGlows() const
{
    return m_pulse->state() == QTimeLine::Running;
}

void CSorvel::startPulse()
{
    m_pulseHalves = 0;
    m_pulse->stop();
    m_pulse->setDirection(QTimeLine::Forward);
    m_pulse->start();
}

void CSorvel::stopPulse()
{
    m_pulse->stop();
    m_nameButton->setGlowLevel(0.0);
}

void CSorvel::OnPersButAnim(int val)
{
    m_nameButton->setGlowLevel(qreal(val) / m_pulse->endFrame());
}

void CSorvel::OnPersButAnimFinish()
{
    // The glow calls for attention for a while, then the button rests in
    // its plain colours, so a window left alone uses no processor time.
    if (++m_pulseHalves >= PULSE_HALVES) {
        stopPulse();
        return;
    }
    m_pulse->toggleDirection();
    m_pulse->start();
}

void CSorvel::setNameButtonText(const QString &text)
{
    m_nameButtonText = text;
}

void CSorvel::OnNameSel()
{
    stopPulse();
    m_inputShown = !m_inputShown;
    m_overlayAnimation->stop();
    const int w = width();
    if (m_inputShown) {
        m_overlay->raise();
        if (m_splash)
            m_splash->raise();
        m_overlayAnimation->setEasingCurve(QEasingCurve::InOutExpo);
        m_overlayAnimation->setEndValue(QPoint(0, 0));
        setNameButtonText(APPLY);
        m_overlay->focusFullName();
    } else {
        // A refused name keeps the input open for correction.
        if (!OnCalcNum()) {
            m_inputShown = true;
            m_overlay->focusFullName();
            return;
        }
        m_overlayAnimation->setEasingCurve(QEasingCurve::OutExpo);
        m_overlayAnimation->setEndValue(QPoint(-w, 0));
        if (!m_overlay->hasFullName()) {
            setNameButtonText(ENTER_YOUR_NAME);
            startPulse();
        }
    }
    m_nameButton->raise();
    slotPNC(m_forecastDate->date());

    // Wait for the slide; the window stays responsive meanwhile.
    QEventLoop loop;
    connect(m_overlayAnimation, &QPropertyAnimation::finished, &loop, &QEventLoop::quit);
    m_overlayAnimation->start();
    if (m_overlayAnimation->state() == QAbstractAnimation::Running)
        loop.exec();
    m_nameButton->setText(m_nameButtonText);
    layoutWindow();
}

// --- menu, skins --------------------------------------------------------------

void CSorvel::OnMenu()
{
    m_menu->popup(m_imageButtons[MenuButton]->mapToGlobal(QPoint(0, 20)));
}

void CSorvel::initStyle()
{
    for (int page = 0; page < PAGE_COUNT; ++page) {
        m_moduleButtons[page]->setIcon(QIcon(m_skin->modulePicture(QString::fromLatin1(MODULE_BUTTONS[page].icon))));
        m_skin->applyStyle(m_moduleButtons[page], CSkinManager::KIND_MODULE_BUTTON);
    }
    m_skin->applyStyle(this, CSkinManager::KIND_WINDOW);
    for (CImageButton *button : m_imageButtons)
        button->applySkin(m_skin);
    m_skin->applyStyle(m_forecastDate, CSkinManager::KIND_DEFAULT);
    // The forecast switch's chosen side stands out in every skin.
    for (QPushButton *button : m_reports->forecastSwitch()->findChildren<QPushButton *>()) {
        m_skin->applyStyle(button, CSkinManager::KIND_DEFAULT);
        button->setStyleSheet(button->styleSheet() +
                              QStringLiteral("QPushButton:checked { font-weight: bold; text-decoration: underline; }"));
    }
    m_petPage->applyStyle(m_skin);
    m_advisorPage->applyStyle(m_skin);
    m_chartPage->applyStyle(m_skin);
    m_skin->applyStyle(m_reports->guideBack(), CSkinManager::KIND_DEFAULT);
    m_skin->applyStyle(m_nameButton, CSkinManager::KIND_NAME_BUTTON);
    // The glow rises from the skin's button colour by twenty steps of brightness.
    const QColor rest = m_skin->mapColor("#44372f");
    QColor brightest = rest.toHsv();
    brightest.setHsv(brightest.hue(), brightest.saturation(),
                     qMin(255, brightest.value() + m_pulse->endFrame()));
    m_nameButton->setGlowColours(rest, brightest);
    m_overlay->applyStyle();
    m_clientsPage->applyStyle();
    m_selectionMark->setStyleSheet(m_skin->mapStyleSheet(
        QStringLiteral("QLabel { background: #54443a; border-left: 4px solid #9cb62d; }")));
    if (m_splash)
        m_splash->setStyleSheet(QStringLiteral("QWidget#splash { background: %1; }")
                                    .arg(m_skin->mapColor("#1e1917").name()));
}

void CSorvel::OnStyleChange()
{
    const QList<QAction *> skins = m_styleGroup->actions();
    const int checked = skins.indexOf(m_styleGroup->checkedAction());
    m_skin->selectSkin(checked);
    initStyle();
    emit updateStyle();
    update();
    if (m_config.styleIndex != checked) {
        m_config.styleIndex = checked;
        saveConfig();
    }
}

void CSorvel::OnApplyStyle(int a)
{
    const QList<QAction *> skins = m_styleGroup->actions();
    if (a >= 0 && a < skins.size())
        skins.at(a)->setChecked(true);
    m_skin->selectSkin(a);
    initStyle();
    emit updateStyle();
    update();
}

// --- input ----------------------------------------------------------------------

// The whole input: the overlay's person and partner, the pet page's pet and
// the forecast date.
PersonInput CSorvel::currentInput() const
{
    PersonInput input = m_overlay->input();
    input.petName = m_petPage->name();
    input.petBirthDate = m_petPage->birthDate();
    input.forecastDate = m_forecastDate->date();
    return input;
}

void CSorvel::OnPreCalcNum() { preCalculate(false); }
void CSorvel::OnPreCalcNumP() { preCalculate(true); }

void CSorvel::preCalculate(bool partner)
{
    const PersonInput input = cleanedInput(currentInput());
    // While a birth date is being typed (or refused) the preview waits.
    if (!(partner ? input.partnerBirthDate : input.birthDate).isValid())
        return;
    m_panels->setWestern(!input.chaldean);
    const NumerologyResult &result = m_driver->preCalculate(input, partner);
    // No name, or one of no Latin letters: the numbers would be nobody's.
    if ((partner ? input.partnerFullName : input.fullName).isEmpty()) {
        m_overlay->clearPreview(partner);
        return;
    }
    m_overlay->showPreview(partner, result, partner ? input.partnerFullName : input.fullName,
                           partner ? input.partnerShortName : input.shortName);
}

// Marks follow the engine's own vowel rule again.
void CSorvel::rebuildMarks(bool partner)
{
    const NumerologyResult &r = partner ? m_driver->partner().result() : m_driver->person().result();
    m_overlay->setMarks(partner, marksFromDigitRows(r.fullVowelRow, r.fullConsonantRow),
                        marksFromDigitRows(r.shortVowelRow, r.shortConsonantRow));
}

void CSorvel::OnTextChanged(QString)
{
    m_overlay->setMarks(false, {}, {});
    OnPreCalcNum();
    rebuildMarks(false);
}

void CSorvel::OnPTextChanged(QString)
{
    m_overlay->setMarks(true, {}, {});
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

void CSorvel::OnNameVWChanged(int row, int idx)
{
    m_overlay->toggleMark(false, row, idx);
    OnPreCalcNum();
}

void CSorvel::OnNamePVWChanged(int row, int idx)
{
    m_overlay->toggleMark(true, row, idx);
    OnPreCalcNumP();
}

void CSorvel::applyDateFormat()
{
    const QString format = m_config.dayFirstDates ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy");
    m_overlay->setDateFormat(format);
    m_petPage->setDateFormat(format);
    m_advisorPage->setDateFormat(format);
    m_clientsPage->setDateFormat(format);
    m_forecastDate->setDisplayFormat(format);
}

void CSorvel::OnResData()
{
    m_overlay->clear();
    m_panels->clear();
    m_driver->reset();
    m_reports->showBlank();
    m_petPage->clear();
    m_advisorPage->clear();
    m_chartPage->setChartData(ChartDataContext());
    setNameButtonText(ENTER_YOUR_NAME);
    m_nameButton->setText(m_nameButtonText);
    m_forecastDate->setDate(QDate::currentDate());
    slotPNC(m_forecastDate->date());
    update();
}

void CSorvel::OnResDataI()
{
    OnResData();
    setNameButtonText(APPLY);
    m_nameButton->setText(m_nameButtonText);
}

// --- calculation ------------------------------------------------------------------

bool CSorvel::OnCalcNum()
{
    const PersonInput typed = currentInput();
    const CCalculationDriver::Outcome outcome = m_driver->calculate(typed);
    // A refused name changes nothing: the fields keep what was typed and
    // every page keeps the person it showed.
    if (!outcome.refusal.isEmpty()) {
        // A day or month that does not exist is named as such.
        QString impossible;
        if (outcome.refusal == QLatin1String(CCalculationDriver::BIRTH_DATE_REFUSAL))
            impossible = m_overlay->impossibleDate(false);
        else if (outcome.refusal == QLatin1String(CCalculationDriver::PARTNER_DATE_REFUSAL))
            impossible = m_overlay->impossibleDate(true);
        messageReporter().critical(QString(), impossible.isEmpty() ? outcome.refusal : impossible);
        return false;
    }
    // Without a person there is nothing to show.
    m_calculated = false;
    m_panels->setWestern(!typed.chaldean);
    if (!outcome.person && !outcome.matrix && outcome.nameless) {
        OnResData();
        return true;
    }

    // Panels, today and the name button follow a calculated person.
    if (outcome.calculated()) {
        m_calculated = true;
        m_panels->showPerson(m_driver->person(), m_driver->personMatrix());
        if (outcome.pet)
            m_panels->showPet(m_driver->pet());
        if (outcome.compatibility)
            m_panels->showCompatibility(m_driver->compatibility(), m_driver->personMatrix(),
                                        m_driver->partnerMatrix());
        slotPNC(m_driver->person().result().forecastDate);
        const PersonInput &input = m_driver->lastInput();
        setNameButtonText(input.shortName + QLatin1Char('\n') + input.birthDate.toString(QStringLiteral("MM/dd/yyyy")));
    }

    // Reports.
    m_reports->show(CReportViews::Numerology, m_driver->person().document(), outcome.person);
    m_reports->show(CReportViews::YearAhead, m_driver->yearAheadDocument(), outcome.person);
    m_reports->show(CReportViews::Psychomatrix, m_driver->personMatrix().document(), outcome.matrix);
    m_reports->show(CReportViews::Celebrities, m_driver->celebrities().document(), outcome.person);
    m_reports->show(CReportViews::Pet, m_driver->pet().document(), outcome.pet);
    m_reports->show(CReportViews::Compatibility, m_driver->compatibility().document(), outcome.compatibility);

    // The chart page draws the person (and partner) when it is next shown.
    ChartDataContext chart = m_driver->chartData(outcome);
    chart.numerologist = m_config.numerologist;
    m_chartPage->setChartData(chart);
    update();
    return true;
}

void CSorvel::OnSelReport(int)
{
    OnCalcNum();
}

void CSorvel::slotPNC(QDate date)
{
    m_panels->showToday(date);
}

void CSorvel::OnCalcPetNum()
{
    // Nothing to calculate: say what is missing rather than nothing.
    if (m_petPage->name().trimmed().isEmpty()) {
        messageReporter().critical(QString(), QStringLiteral("Type the pet's name first."));
        return;
    }
    if (m_driver->calculatePet(m_petPage->name(), m_petPage->birthDate(), m_forecastDate->date()))
        m_panels->showPet(m_driver->pet());
    m_reports->show(CReportViews::Pet, m_driver->pet().document());
    update();
}

void CSorvel::OnCalcAnNum()
{
    if (!m_driver->calculateAdvisor(m_advisorPage->name(), m_advisorPage->date(), m_advisorPage->chaldean()))
        return;
    m_panels->showAdvisor(m_driver->advisor(), m_driver->advisorName(), m_advisorPage->chaldean());
    m_reports->show(CReportViews::Advisor, m_driver->advisor().document());
    update();
}

// --- explanation pages -------------------------------------------------------------

void CSorvel::showExplanation(int guidePage, const QString &picture)
{
    const QString page =
        TextStore::instance().guidePage(guidePage, imageFolder() + QStringLiteral("doc/") + picture);
    if (page.isEmpty())
        return;
    ExplanationDialog dialog(page, TextStore::instance().guideTitle(guidePage), this);
    dialog.exec();
}

namespace {
void explain(CSorvel *window, ExplainedPanel panel, int row, void (CSorvel::*show)(int, const QString &))
{
    int guidePage = 0;
    QString picture;
    if (explanationOf(panel, row, guidePage, picture))
        (window->*show)(guidePage, picture);
}
} // namespace

void CSorvel::MFitemCliked(int idx) { explain(this, ExplainedPanel::MainFeatures, idx, &CSorvel::showExplanation); }
void CSorvel::AFitemCliked(int idx) { explain(this, ExplainedPanel::AdditionalFeatures, idx, &CSorvel::showExplanation); }
void CSorvel::LCitemCliked(int idx) { explain(this, ExplainedPanel::LifeCycles, idx, &CSorvel::showExplanation); }
void CSorvel::PMitemCliked(int idx) { explain(this, ExplainedPanel::Psychomatrix, idx, &CSorvel::showExplanation); }

// --- the chart page ---------------------------------------------------------------

void CSorvel::OnUpdateListReport()
{
    m_chartPage->reloadTemplates();
}
void CSorvel::slotGChart(int value)
{
    if (m_chartPage->chooser()->count() > 0 && value < m_chartPage->chooser()->count())
        layoutWindow();
}
// The board follows the report area; its own resize draws it afresh.
void CSorvel::slotResizeChart()
{
    m_chartPage->layout(reportRect(m_currentPage, size()), m_currentPage == WindowLayout::ChartPage);
}
void CSorvel::OnExportHTML() { m_exporter->saveReport(m_currentPage); }
void CSorvel::OnExportPDFAll() { m_exporter->saveAllReports(currentInput().chaldean); }
// The designer saves a shipped template as a new template of the user's own;
// the chooser then shows what was saved.
void CSorvel::OnEditChart()
{
    const QString file = m_chartPage->currentTemplateFile();
    if (file.isEmpty())
        return;
    const QString saved = CReportCreatorWin::openTemplate(this, file, m_chartPage->chartData());
    m_chartPage->reloadTemplates(saved.isEmpty() ? file : saved);
    layoutWindow();
}

void CSorvel::OnAddChart()
{
    const QString saved = CReportCreatorWin::newTemplate(this, m_chartPage->chartData());
    m_chartPage->reloadTemplates(saved.isEmpty() ? m_chartPage->currentTemplateFile() : saved);
    layoutWindow();
}
void CSorvel::OnDeleteChart()
{
    if (m_chartPage->deleteCurrentTemplate())
        layoutWindow();
}
// --- person files, recent list ---------------------------------------------------

void CSorvel::OnSaveFile(bool closeProg)
{
    if (closeProg)
        m_personFiles->writeRecentList(m_driver->recentList(), m_forecastDate->date());
    else if (const QString saved = m_personFiles->saveAs(currentInput(), m_forecastDate->date()); !saved.isEmpty())
        showNotice(this, m_skin, QStringLiteral("Saved to ") + QDir::toNativeSeparators(saved));
}

void CSorvel::OnOpenFile(bool openProg)
{
    if (openProg) {
        // The recent list at start-up; anything amiss is silent.
        const PersonFileContent content = m_personFiles->readRecentList();
        if (content.status != PersonFileStatus::Ok || content.persons.isEmpty())
            return;
        OnResData();
        m_forecastDate->setDate(QDate::currentDate());
        if (content.fieldCount == OLD_PERSON_FILE_FIELDS) {
            putIntoInput(content.persons.first());
            return;
        }
        m_driver->setRecentList(content.persons);
        m_recentClickFirst = true;
        OnRecentClicked();
        return;
    }

    // A file the user chose. A refused file leaves the input as it was.
    PersonInput person;
    int fieldCount = 0;
    if (!m_personFiles->open(person, fieldCount))
        return;
    openPerson(person);
}

// A saved person, from a file or the client book, replaces the input; both
// hold the pet, so what was saved comes back whole.
void CSorvel::openPerson(const PersonInput &person)
{
    OnResDataI();
    m_forecastDate->setDate(QDate::currentDate());
    putIntoInput(person);
    m_petPage->setPet(person.petName, person.petBirthDate);
}

// A person into the input: the names rebuild their marks, then the person's
// own marks win; both pre-calculations follow.
void CSorvel::putIntoInput(const PersonInput &person)
{
    m_overlay->setInput(person);
    OnPreCalcNum();
    OnPreCalcNumP();
}

void CSorvel::OnRecentClicked()
{
    const int index = m_recentClickFirst ? 0 : m_clickedRecent;
    m_recentClickFirst = false;
    const QList<RecentEntry> &recent = m_driver->recentList();
    if (index >= 0 && index < recent.size())
        putIntoInput(recent.at(index));
}

void CSorvel::OnClearRecent()
{
    m_driver->clearRecentList();
}

// --- settings, help, about ------------------------------------------------------

void CSorvel::OnSettings()
{
    CSettingsDlg dialog(this);
    dialog.setOptions(m_driver->options());
    dialog.setDayFirstDates(m_config.dayFirstDates);
    dialog.setMasterMode(m_driver->masterMode());
    dialog.setNumerologist(m_config.numerologist);
    dialog.setNumerologistContact(m_config.numerologistContact);
    dialog.setLogoPng(m_config.logoPng);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_config.options = dialog.options();
    m_config.dayFirstDates = dialog.dayFirstDates();
    m_config.numerologist = dialog.numerologist();
    m_config.numerologistContact = dialog.numerologistContact();
    m_config.logoPng = dialog.logoPng();
    m_config.masterMode = 0;
    applyOptions();
    saveConfig();
    applyDateFormat();
    OnCalcNum();
}

void CSorvel::OnSupport()
{
    openLink(QUrl(QStringLiteral("mailto:") + QLatin1String(Links::SUPPORT_ADDRESS)
                                   + QStringLiteral("?Subject=Support request for") + QStringLiteral(" Sorvel Numerology")
                                   + QStringLiteral(" for ") + QLatin1String(Links::PLATFORM_NAME)));
}

void CSorvel::OnHelp()
{
    // The manual ships with the program: the Guide page shows it; the web
    // page only stands in when it is missing.
    if (QFile::exists(imageFolder() + QStringLiteral("manual/index.html")))
        showPage(GuidePage);
    else
        openLink(QUrl(QLatin1String(Links::HELP_PAGE)));
}

void CSorvel::OnAbout()
{
    CAboutDlg dialog(m_skin, QImage(imageFolder() + QStringLiteral("logo.png")), this);
    if (dialog.exec() == QDialog::Accepted)
        openLink(QUrl(QLatin1String(Links::PRODUCT_PAGE)));
}

void CSorvel::replyFinished(QNetworkReply *reply)
{
    m_updateCheck->handleReply(reply);
}

void CSorvel::OnBgTaskFinished(bool) {}
