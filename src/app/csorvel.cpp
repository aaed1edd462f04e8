// The main window: construction, pages and their animations, layout, menu,
// splash and the deferred start-up.

#include "csorvel.h"

#include "app/appfolders.h"
#include "app/cinputoverlay.h"
#include "app/cskinmanager.h"
#include "app/myqwebengineview.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
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

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QTimeLine>
#include <QTimer>
#include <QWebEngineSettings>
#include <QWebEngineView>

using namespace WindowLayout;

namespace {

// Style kinds of the skin manager.
const int KIND_WINDOW = 0;
const int KIND_DEFAULT = 1;
const int KIND_MODULE_BUTTON = 2;
const int KIND_NAME_BUTTON = 5;

const QString BLANK_PAGE = QStringLiteral("<html><body><p>&nbsp;</p></body></html>");
const QString ENTER_YOUR_NAME = QStringLiteral("ENTER YOUR NAME");

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

MyQWebEngineView *newReportView(QWidget *parent)
{
    auto *view = new MyQWebEngineView(parent);
    view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    view->setMaximumWidth(1200);
    view->setStyleSheet(QStringLiteral("background: white;"));
    return view;
}

} // namespace

CSorvel::CSorvel(QWidget *parent)
    : QMainWindow(parent)
{
    setMessageReporter(&m_reporter);

    // 1. Skin manager and network.
    m_skin = new CSkinManager(imageFolder(), this);
    m_network = new QNetworkAccessManager(this);
    connect(m_network, &QNetworkAccessManager::finished, this, &CSorvel::replyFinished);

    // 2. Title, pictures and texts.
    setWindowTitle(QStringLiteral("Sorvel Numerology 7"));
    setWindowIcon(QIcon(imageFolder() + QStringLiteral("sorvel.png")));
    m_titleBar = QImage(imageFolder() + QStringLiteral("tbar.png"));
    m_wideTitleBar = QImage(imageFolder() + QStringLiteral("tbar2.png"));
    TextStore::instance().load();
    // Report styles that reset the font fall back to the web engine's
    // standard or serif face: make both the reports' own sans-serif face.
    QWebEngineSettings *web = QWebEngineSettings::defaultSettings();
    web->setFontFamily(QWebEngineSettings::StandardFont, QStringLiteral("Arial"));
    web->setFontFamily(QWebEngineSettings::SerifFont, QStringLiteral("Arial"));

    // 3 to 6. Engines, module column, panels, views, controls.
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    createEngines();
    buildModuleColumn();
    buildReportViews();
    buildPanels();
    buildPageWidgets();
    buildBottomRight();
    buildInputOverlay();
    buildNameButton();
    buildMenu();

    // 7. Dates, guide, empty input.
    applyDateFormat();
    const QString manual = imageFolder() + QStringLiteral("manual/index.html");
    if (QFile::exists(manual))
        m_guideView->load(QUrl::fromLocalFile(manual));
    else
        m_guideView->showHtml(BLANK_PAGE, QUrl(QStringLiteral("file://localhost/")));
    OnResData();

    // 8. Size.
    setMinimumSize(1015, 570);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1100, 700);
    resize(qMin(available.width(), 1100), qMin(available.height(), 700));

    // 9. First page and today's numbers.
    showPage(NumerologyPage);
    slotPNC(m_forecastDate->date());

    // 10. Splash, skin, deferred start-up. The reports stay hidden under the
    // splash: the window then paints at once, without waiting for the web
    // engine to draw its first page.
    m_reportFrame->hide();
    buildSplash();
    initStyle();
    startPulse();
    QTimer::singleShot(2600, this, &CSorvel::OnFinishedSU);
}

CSorvel::~CSorvel()
{
    OnSaveFile(true);
    if (&messageReporter() == &m_reporter)
        setMessageReporter(nullptr);
}

void CSorvel::createEngines()
{
    m_person = new CNumerology(this);
    m_personMatrix = new CNumerologyPMatrix(this);
    m_pet = new CNumerology(this);
    m_partner = new CNumerology(this);
    m_partnerMatrix = new CNumerologyPMatrix(this);
    m_compatibility = new CCompNumerology(this);
    m_analyzer = new CNumerology(this);
    m_celebrities = new CNumerology(this);

    const QString doc = imageFolder() + QStringLiteral("doc/");
    for (CReportTools *engine : std::initializer_list<CReportTools *>{
             m_person, m_partner, m_analyzer, m_personMatrix, m_partnerMatrix, m_compatibility})
        engine->setImageFolder(doc);
    m_celebrities->setImageFolder(imageFolder() + QStringLiteral("doc2/"));
}

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

void CSorvel::buildReportViews()
{
    m_reportFrame = new QWidget(centralWidget());
    m_reportFrame->setObjectName(QStringLiteral("reportFrame"));
    m_numerologyView = newReportView(m_reportFrame);
    m_matrixView = newReportView(m_reportFrame);
    m_compatibilityView = newReportView(m_reportFrame);
    m_celebritiesView = newReportView(m_reportFrame);
    m_petView = newReportView(m_reportFrame);
    m_guideView = newReportView(m_reportFrame);
    m_analyzerView = new QWebEngineView(m_reportFrame);
    m_analyzerView->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    m_analyzerView->setMaximumWidth(1200);
    m_analyzerView->setStyleSheet(QStringLiteral("background: white;"));
    for (QWidget *view : m_reportFrame->findChildren<QWebEngineView *>(QString(), Qt::FindDirectChildrenOnly))
        view->move(1, 1);
    m_frameAnimation = new QPropertyAnimation(m_reportFrame, "geometry", this);
    m_frameAnimation->setDuration(300);
    connect(m_frameAnimation, &QPropertyAnimation::finished, this, &CSorvel::slotResizeChart);
}

QWidget *CSorvel::pageReportView(int page) const
{
    switch (page) {
    case NumerologyPage:
    case ForecastPage:
        return m_numerologyView;
    case PsychomatrixPage:
        return m_matrixView;
    case CompatibilityPage:
        return m_compatibilityView;
    case CelebritiesPage:
        return m_celebritiesView;
    case PetPage:
        return m_petView;
    case AdvisorPage:
        return m_analyzerView;
    case GuidePage:
        return m_guideView;
    default:
        return nullptr;
    }
}

const CInfoWidget *CSorvel::todayPanel() const
{
    return m_todayPanel;
}

const CInfoWidget *CSorvel::mainFeaturesPanel() const
{
    return m_mainFeatures;
}

void CSorvel::buildPanels()
{
    QWidget *central = centralWidget();
    const auto listPanel = [&](const QString &title, const QStringList &captions, int height) {
        auto *panel = new CInfoWidget(m_skin, m_titleBar, central);
        panel->resize(200, height);
        panel->setTitle(title);
        panel->setCaptions(captions);
        return panel;
    };

    // Numerology, Celebrities and Forecast: the four lists of the left column.
    m_mainFeatures = listPanel(QStringLiteral("Main Features"),
                               {"Life Path", "Birthday", "Expression (M)", "Heart Desire (M)", "Personality (M)",
                                "Karmic Debts"},
                               135);
    m_mainFeatures->setHoverHighlight(true);
    m_additionalFeatures = listPanel(QStringLiteral("Additional Features"),
                                     {"Maturity", "Rational Thought", "Karmic Lessons", "Balance", "Hidden Passion",
                                      "Subcons.Confid."},
                                     135);
    m_additionalFeatures->setHoverHighlight(true);
    m_lifeCycles = listPanel(QStringLiteral("Life Cycles"),
                             {"Age span", "Challenges", "Pinnacles", "Personal Year", "LP Periods", "LP Age Span"},
                             135);
    m_lifeCycles->setHoverHighlight(true);
    m_lifeCycles->setClickableRows(4);
    m_lifeCycles->setPlainText(true);
    m_bridges = listPanel(QStringLiteral("Bridges"), {"Life path - Expr.", "Heart D. - Pers."}, 100);
    m_bridges->setPlainText(true);
    connect(m_mainFeatures, &CInfoWidget::itemCliked, this, &CSorvel::MFitemCliked);
    connect(m_additionalFeatures, &CInfoWidget::itemCliked, this, &CSorvel::AFitemCliked);
    connect(m_lifeCycles, &CInfoWidget::itemCliked, this, &CSorvel::LCitemCliked);

    // Compatibility lists.
    m_compatibilityPanel = listPanel(QStringLiteral("Compatibility"),
                                     {"Summary", "Life Path", "Birthday", "Family", "Name"}, 120);
    m_familyPanel = listPanel(QStringLiteral("Family stability"),
                              {"Years together", "Home", "Spiritual", "Partner home", "Partner spiritual",
                               "Home stability", "Spiritual stability"},
                              155);
    m_compDetailsPanel = listPanel(QStringLiteral("Compatibility details"), {"Life path", "Birth Day", "Name"}, 100);
    for (CInfoWidget *panel : {m_compatibilityPanel, m_familyPanel, m_compDetailsPanel})
        panel->setPlainText(true);

    // Bottom band.
    m_namePanel = new CInfoNameWidget(m_skin, m_wideTitleBar, central);
    m_namePanel->setTitle(QStringLiteral("Name calculation"));
    m_planesPanel = new CInfoExprPlanWidget(m_skin, m_wideTitleBar, central);
    m_planesPanel->setTitle(QStringLiteral("Planes of Expression"));
    m_matrixPanel = new CInfoMatrWidget(m_skin, m_wideTitleBar, central);
    m_matrixPanel->setHoverEnabled(true);
    m_matrixPanel->setTitle(QStringLiteral("Psycho Matrix"));
    connect(m_matrixPanel, &CInfoMatrWidget::itemCliked, this, &CSorvel::PMitemCliked);
    m_compMatrixPanel = new CInfoCompMatrWidget(m_skin, m_wideTitleBar, central);
    m_compMatrixPanel->setTitle(QStringLiteral("Psycho Matrix"));
    m_calendarPanel = new CInfoCalendarWidget(m_skin, m_wideTitleBar, central);
    m_calendarPanel->setTitle(QStringLiteral("Personal numbers calendar"));
    m_essencePanel = new CInfoEssenceWidget(m_skin, m_wideTitleBar, central);
    m_essencePanel->setTitle(QStringLiteral("Essence and Transit"));
    connect(this, &CSorvel::updateStyle, m_essencePanel, QOverload<>::of(&CInfoEssenceWidget::updateData));

    // Pet page.
    m_petNumbers = listPanel(QStringLiteral("Main Features"), {"Pet Number", "Birthday Code", "Day Code"}, 90);
    m_petNamePanel = new CInfoNameWidget(m_skin, m_wideTitleBar, central);
    m_petNamePanel->setTitle(QStringLiteral("Name calculation"));

    // Name advisor page.
    m_analyzerNumbers = listPanel(QStringLiteral("Main Features"),
                                  {"Date Number", "Name Number", "Heart Desire", "Personality", "Karmic Lessons"},
                                  120);
    m_analyzerNamePanel = new CInfoNameWidget(m_skin, m_wideTitleBar, central);
    m_analyzerNamePanel->setTitle(QStringLiteral("Name calculation"));

    // The panels that slide with the pages.
    const auto left = [this](QWidget *widget, QVector<int> pages, int y) {
        m_sliding.append({widget, pages, y, NamePanel, true});
    };
    const auto bottom = [this](QWidget *widget, int page, BottomPanel which) {
        m_sliding.append({widget, {page}, 0, which, false});
    };
    const QVector<int> numerologyPages = {NumerologyPage, CelebritiesPage, ForecastPage};
    left(m_mainFeatures, numerologyPages, 10);
    left(m_additionalFeatures, numerologyPages, 152);
    left(m_lifeCycles, numerologyPages, 294);
    left(m_bridges, numerologyPages, 437);
    left(m_compatibilityPanel, {CompatibilityPage}, 10);
    left(m_familyPanel, {CompatibilityPage}, 135);
    left(m_compDetailsPanel, {CompatibilityPage}, 292);
    left(m_petNumbers, {PetPage}, 190);
    bottom(m_namePanel, NumerologyPage, NamePanel);
    bottom(m_planesPanel, NumerologyPage, PlanesPanel);
    bottom(m_matrixPanel, PsychomatrixPage, MatrixPanel);
    bottom(m_compMatrixPanel, CompatibilityPage, CompMatrixPanel);
    bottom(m_calendarPanel, ForecastPage, CalendarPanel);
    bottom(m_essencePanel, ForecastPage, EssencePanel);
    bottom(m_petNamePanel, PetPage, PetNamePanel);
}

// The input boxes of the pet and advisor pages and the chart page's controls.
void CSorvel::buildPageWidgets()
{
    QWidget *central = centralWidget();
    const auto caption = [](const QString &text, QWidget *parent, const QRect &geometry) {
        auto *label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(geometry);
        return label;
    };

    m_petBox = new QWidget(central);
    m_petBox->setObjectName(QStringLiteral("pageBox"));
    m_petBox->setAttribute(Qt::WA_StyledBackground);
    m_petBox->resize(200, 170);
    caption(QStringLiteral("Pet Name"), m_petBox, QRect(0, 0, 200, 25));
    m_petName = new QLineEdit(m_petBox);
    m_petName->setGeometry(20, 25, 160, 25);
    caption(QStringLiteral("Birth Date"), m_petBox, QRect(0, 60, 200, 25));
    m_petBirth = new QDateEdit(QDate(2000, 1, 1), m_petBox);
    m_petBirth->setCalendarPopup(true);
    m_petBirth->setGeometry(20, 85, 160, 25);
    m_petCalculate = new QPushButton(QStringLiteral("CALCULATE"), m_petBox);
    m_petCalculate->setGeometry(20, 130, 160, 25);
    connect(m_petCalculate, &QPushButton::clicked, this, &CSorvel::OnCalcPetNum);
    m_sliding.append({m_petBox, {PetPage}, 10, NamePanel, true});

    m_analyzerBox = new QWidget(central);
    m_analyzerBox->setObjectName(QStringLiteral("pageBox"));
    m_analyzerBox->setAttribute(Qt::WA_StyledBackground);
    m_analyzerBox->resize(450, 170);
    caption(QStringLiteral("Name (a person, a child, a business...)"), m_analyzerBox, QRect(0, 0, 450, 25));
    m_analyzerName = new QLineEdit(m_analyzerBox);
    m_analyzerName->setGeometry(20, 25, 410, 25);
    m_analyzerName->setPlaceholderText(QStringLiteral("Any name"));
    caption(QStringLiteral("Date"), m_analyzerBox, QRect(0, 60, 200, 25));
    m_analyzerDate = new QDateEdit(QDate(2000, 1, 1), m_analyzerBox);
    m_analyzerDate->setCalendarPopup(true);
    m_analyzerDate->setGeometry(20, 85, 160, 25);
    m_analyzerChaldean = new QCheckBox(QStringLiteral("Use Chaldean calculator"), m_analyzerBox);
    m_analyzerChaldean->move(200, 88);
    m_analyzerCalculate = new QPushButton(QStringLiteral("CALCULATE"), central);
    m_analyzerCalculate->resize(160, 25);
    connect(m_analyzerCalculate, &QPushButton::clicked, this, &CSorvel::OnCalcAnNum);
    connect(m_analyzerName, &QLineEdit::returnPressed, this, &CSorvel::OnCalcAnNum);
    m_sliding.append({m_analyzerNumbers, {AdvisorPage}, 8, NamePanel, true});

    // Chart page: the board and the template chooser.
    m_chartBoard = new QWidget(m_reportFrame);
    m_chartBoard->setObjectName(QStringLiteral("chartBoard"));
    m_chartBoard->setAttribute(Qt::WA_StyledBackground);
    m_chartBoard->move(1, 1);
    m_templateLabel = new QLabel(QStringLiteral("Chart template:"), m_reportFrame);
    m_templateLabel->resize(125, 20);
    m_templateChooser = new QComboBox(m_reportFrame);
    m_templateChooser->resize(160, 25);
    connect(m_templateChooser, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CSorvel::slotGChart);
    const char *chartCaptions[3] = {"Edit", "New", "Delete"};
    void (CSorvel::*chartSlots[3])() = {&CSorvel::OnEditChart, &CSorvel::OnAddChart, &CSorvel::OnDeleteChart};
    for (int i = 0; i < 3; ++i) {
        m_chartButtons[i] = new QPushButton(QString::fromLatin1(chartCaptions[i]), m_reportFrame);
        m_chartButtons[i]->resize(60, 25);
        connect(m_chartButtons[i], &QPushButton::clicked, this, chartSlots[i]);
    }
}

void CSorvel::buildBottomRight()
{
    QWidget *central = centralWidget();
    for (const ImageButtonSpec &spec : IMAGE_BUTTONS) {
        auto *button = new QPushButton(central);
        button->resize(20, 20);
        button->setToolTip(QString::fromLatin1(spec.toolTip));
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(imageButtonStyleSheet(QString::fromLatin1(spec.picture)));
        connect(button, &QPushButton::clicked, this, spec.slot);
        m_imageButtons[spec.position] = button;
    }

    m_todayPanel = new CInfoTodayWidget(m_skin, QImage(imageFolder() + QStringLiteral("todaywidg.png")), central);
    m_forecastDate = new QDateEdit(QDate::currentDate(), m_todayPanel);
    m_forecastDate->setCalendarPopup(true);
    m_forecastDate->setGeometry(30, 70, 135, 28);
    connect(m_forecastDate, &QDateEdit::dateChanged, this, &CSorvel::slotPNC);

    m_dayText = new CExpandWidget(m_skin, central, 600, 200);
    connect(m_todayPanel, &CInfoTodayWidget::clicked, m_dayText, &CExpandWidget::slotExpand);
    connect(this, &CSorvel::updateStyle, m_dayText, &CExpandWidget::slotUpdate);
}

// The input overlay and its signals; it waits parked left of the window.
void CSorvel::buildInputOverlay()
{
    m_overlay = new CInputOverlay(m_skin, m_titleBar, centralWidget());
    m_overlayAnimation = new QPropertyAnimation(m_overlay, "pos", this);
    m_overlayAnimation->setDuration(500);
    connect(m_overlay->fullName, &QLineEdit::textChanged, this, &CSorvel::OnTextChanged);
    connect(m_overlay->shortName, &QLineEdit::textChanged, this, &CSorvel::OnTextChanged);
    connect(m_overlay->birthDate, &QDateEdit::dateChanged, this, &CSorvel::OnDateChanged);
    connect(m_overlay->partnerBirthDate, &QDateEdit::dateChanged, this, &CSorvel::OnDateChanged);
    connect(m_overlay->namePanel, &CInfoNameWidget::symbolCliked, this, &CSorvel::OnNameVWChanged);
    connect(m_overlay->chaldean, &QCheckBox::stateChanged, this, &CSorvel::OnParsChanged);
    connect(m_overlay->vowelMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CSorvel::OnParsChanged);
    connect(m_overlay->partnerFullName, &QLineEdit::textChanged, this, &CSorvel::OnPTextChanged);
    connect(m_overlay->partnerShortName, &QLineEdit::textChanged, this, &CSorvel::OnPTextChanged);
    connect(m_overlay->partnerNamePanel, &CInfoNameWidget::symbolCliked, this, &CSorvel::OnNamePVWChanged);
    connect(m_overlay->saveButton, &QPushButton::clicked, this, [this] { OnSaveFile(); });
    connect(m_overlay->openButton, &QPushButton::clicked, this, [this] { OnOpenFile(); });
    connect(m_overlay->resetButton, &QPushButton::clicked, this, &CSorvel::OnResDataI);
}

void CSorvel::buildNameButton()
{
    m_nameButton = new QPushButton(ENTER_YOUR_NAME, centralWidget());
    m_nameButton->setObjectName(QStringLiteral("nameButton"));
    m_nameButton->resize(200, 80);
    m_nameButton->setCursor(Qt::PointingHandCursor);
    connect(m_nameButton, &QPushButton::clicked, this, &CSorvel::OnNameSel);
    m_pulse = new QTimeLine(1000, this);
    m_pulse->setFrameRange(0, 20);
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
    // The configuration, the update check and the recent list join here with
    // their own work; the skin already follows the checked Style entry.
    const QList<QAction *> skins = m_styleGroup->actions();
    if (m_styleIndex >= 0 && m_styleIndex < skins.size())
        skins.at(m_styleIndex)->setChecked(true);
    OnStyleChange();
    OnOpenFile(true);
    OnCalcNum();
    if (m_nameButtonText != ENTER_YOUR_NAME)
        stopPulse();
    m_nameButton->setText(m_nameButtonText);
    OnUpdateListReport();
    m_reportFrame->show();
    delete m_splash;
    m_splash = nullptr;
    layoutWindow();
}

// --- pages ------------------------------------------------------------------

void CSorvel::OnCtrlButNumer() { showPage(NumerologyPage); }
void CSorvel::OnCtrlButPMatr() { showPage(PsychomatrixPage); }
void CSorvel::OnCtrlButForecast() { showPage(ForecastPage); }
void CSorvel::OnCtrlButComp() { showPage(CompatibilityPage); }
void CSorvel::OnCtrlButCel() { showPage(CelebritiesPage); }
void CSorvel::OnCtrlButPet() { showPage(PetPage); }
void CSorvel::OnCtrlButChart() { showPage(ChartPage); }
void CSorvel::OnCtrlButAnalize() { showPage(AdvisorPage); }
void CSorvel::OnCtrlButGuide() { showPage(GuidePage); }

void CSorvel::showPage(int page)
{
    if (m_inputShown)
        return;
    m_currentPage = page;
    stopPageAnimations();
    const QRect report = reportRect(page, size());

    // The page's view (or the chart board) shows; the others hide.
    QWidget *shown = pageReportView(page);
    for (QWidget *view : m_reportFrame->findChildren<QWebEngineView *>(QString(), Qt::FindDirectChildrenOnly)) {
        view->setVisible(view == shown);
        if (view == shown)
            view->resize(report.size());
    }
    const bool chart = page == ChartPage;
    m_chartBoard->setVisible(chart);
    m_templateLabel->setVisible(chart);
    m_templateChooser->setVisible(chart);
    for (QPushButton *button : m_chartButtons)
        button->setVisible(chart);
    if (chart)
        m_chartBoard->resize(report.width(), report.height() - 35);

    slidePanels(true);
    m_markAnimation->stop();
    m_markAnimation->setEndValue(QRect(0, moduleButtonY(page), 165, 80));
    m_markAnimation->start();
    for (int i = 0; i < PAGE_COUNT; ++i)
        m_moduleButtons[i]->setProperty("current", i == page);

    m_frameAnimation->stop();
    m_frameAnimation->setEndValue(reportFrameRect(report));
    m_frameAnimation->start();
    layoutWindow();
}

void CSorvel::stopPageAnimations()
{
    for (QPropertyAnimation *animation : qAsConst(m_pageAnimations))
        animation->stop();
    qDeleteAll(m_pageAnimations);
    m_pageAnimations.clear();
}

QPropertyAnimation *CSorvel::animate(QWidget *widget, const QByteArray &property, const QVariant &target,
                                     int duration, const QEasingCurve &curve)
{
    auto *animation = new QPropertyAnimation(widget, property, this);
    animation->setDuration(duration);
    animation->setEasingCurve(curve);
    animation->setEndValue(target);
    animation->start();
    m_pageAnimations.append(animation);
    return animation;
}

// Panels of the current page slide in (left column) or up (bottom band);
// all others leave. Without animation they jump to their places.
void CSorvel::slidePanels(bool animated)
{
    QEasingCurve inCurve(QEasingCurve::OutBack);
    inCurve.setOvershoot(0.5);
    const int bandX = bottomBandX(size());
    for (const SlidingPanel &panel : qAsConst(m_sliding)) {
        const bool here = panel.pages.contains(m_currentPage);
        QPoint target;
        int duration;
        QEasingCurve curve;
        if (panel.leftColumn) {
            target = QPoint(here ? LEFT_COLUMN_X : PARKED_LEFT_X, panel.y);
            duration = here ? 500 : 166;
            curve = here ? inCurve : QEasingCurve(QEasingCurve::InBack);
        } else {
            target = QPoint(bandX, here ? bottomBandShownY(panel.bottom, size())
                                        : bottomBandHiddenY(panel.bottom, size()));
            duration = here ? 700 : 300;
            curve = here ? inCurve : QEasingCurve(QEasingCurve::Linear);
        }
        if (animated && panel.widget->pos() != target)
            animate(panel.widget, "pos", target, duration, curve);
        else
            panel.widget->move(target);
    }
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
    if (m_frameAnimation->state() != QAbstractAnimation::Running)
        m_reportFrame->setGeometry(reportFrameRect(report));
    if (QWidget *view = pageReportView(m_currentPage))
        view->resize(report.size());
    m_nameButton->move(8, h - m_nameButton->height() - 8);
    if (m_overlayAnimation->state() != QAbstractAnimation::Running) {
        m_overlay->setGeometry(m_inputShown ? 0 : -w, 0, w, h);
    } else {
        m_overlay->resize(w, h);
    }

    // Panels stand where their page puts them unless they are on their way.
    bool sliding = false;
    for (QPropertyAnimation *animation : qAsConst(m_pageAnimations))
        sliding = sliding || animation->state() == QAbstractAnimation::Running;
    if (!sliding)
        slidePanels(false);

    // Chart page controls.
    m_templateLabel->move(250, report.height() - 18);
    m_templateChooser->move(380, report.height() - 23);
    for (int i = 0; i < 3; ++i)
        m_chartButtons[i]->move(550 + 65 * i, report.height() - 23);
    if (m_currentPage == ChartPage)
        m_chartBoard->resize(report.width(), report.height() - 35);

    // Advisor page controls.
    if (m_currentPage == AdvisorPage) {
        // The input sits above the page's report, level with the other pages' reports.
        const QPoint box(report.x() + 10, 20);
        m_analyzerBox->move(box);
        m_analyzerNamePanel->move(box + QPoint(0, 180));
        m_analyzerCalculate->move(box + QPoint(480, 130));
    } else {
        m_analyzerBox->move(-1000, -1000);
        m_analyzerNamePanel->move(-1000, -1000);
        m_analyzerCalculate->move(-1000, -1000);
    }

    for (const ImageButtonSpec &spec : IMAGE_BUTTONS)
        m_imageButtons[spec.position]->move(imageButtonPos(spec.position, window));
    m_todayPanel->move(todayPanelPos(window));
    m_dayText->setAnchor(QPoint(w - m_dayText->width() - 177, h - 107));
    if (m_splash)
        m_splash->setGeometry(centralWidget()->rect());
}

// --- name button, overlay ------------------------------------------------------

void CSorvel::startPulse()
{
    m_pulse->stop();
    m_pulse->setDirection(QTimeLine::Forward);
    m_pulse->start();
}

void CSorvel::stopPulse()
{
    m_pulse->stop();
    m_skin->applyStyle(m_nameButton, KIND_NAME_BUTTON);
}

void CSorvel::OnPersButAnim(int val)
{
    const QColor base = m_skin->mapColor("#44372f");
    QColor glow = base.toHsv();
    glow.setHsv(glow.hue(), glow.saturation(), qMin(255, glow.value() + val), glow.alpha());
    QString sheet = m_skin->styleSheetForKind(KIND_NAME_BUTTON);
    sheet.replace(base.name(), glow.name(), Qt::CaseInsensitive);
    m_nameButton->setStyleSheet(sheet);
}

void CSorvel::OnPersButAnimFinish()
{
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
        setNameButtonText(QStringLiteral("APPLY"));
    } else {
        m_overlayAnimation->setEasingCurve(QEasingCurve::OutExpo);
        m_overlayAnimation->setEndValue(QPoint(-w, 0));
        OnCalcNum();
        if (m_overlay->fullName->text().isEmpty()) {
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
        m_skin->applyStyle(m_moduleButtons[page], KIND_MODULE_BUTTON);
    }
    m_skin->applyStyle(this, KIND_WINDOW);
    for (QWidget *field : std::initializer_list<QWidget *>{m_petName, m_petBirth, m_analyzerName, m_analyzerDate,
                                                           m_forecastDate, m_templateChooser})
        m_skin->applyStyle(field, KIND_DEFAULT);
    for (QWidget *button : std::initializer_list<QWidget *>{m_petCalculate, m_analyzerCalculate, m_chartButtons[0],
                                                            m_chartButtons[1], m_chartButtons[2]})
        m_skin->applyStyle(button, KIND_DEFAULT);
    m_skin->applyStyle(m_analyzerChaldean, KIND_WINDOW);
    if (m_pulse->state() != QTimeLine::Running)
        m_skin->applyStyle(m_nameButton, KIND_NAME_BUTTON);
    m_overlay->applyStyle();
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
    m_styleIndex = checked;
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

// --- features that arrive with their own work ------------------------------------

namespace {
void notYetAvailable(QWidget *parent, const QString &feature)
{
    QMessageBox::information(parent, QStringLiteral("Sorvel Numerology"),
                             feature + QStringLiteral(" is not yet available in this version."));
}
} // namespace

void CSorvel::OnUpdateListReport() {}
void CSorvel::slotGChart(int value)
{
    if (m_templateChooser->count() > 0 && value < m_templateChooser->count())
        layoutWindow();
}
void CSorvel::slotResizeChart() {}
void CSorvel::OnExportHTML() { notYetAvailable(this, QStringLiteral("Saving reports")); }
void CSorvel::OnExportPDFAll() { notYetAvailable(this, QStringLiteral("PDF export and printing")); }
void CSorvel::replyFinished(QNetworkReply *reply) { reply->deleteLater(); }
void CSorvel::OnEditChart() { notYetAvailable(this, QStringLiteral("The chart designer")); }
void CSorvel::OnAddChart() { notYetAvailable(this, QStringLiteral("The chart designer")); }
void CSorvel::OnDeleteChart() { notYetAvailable(this, QStringLiteral("The chart designer")); }
void CSorvel::OnSaveFile(bool closeProg)
{
    if (!closeProg)
        notYetAvailable(this, QStringLiteral("Saving persons"));
}
void CSorvel::OnOpenFile(bool openProg)
{
    if (!openProg)
        notYetAvailable(this, QStringLiteral("Opening persons"));
}
void CSorvel::OnRecentClicked() {}
void CSorvel::OnClearRecent() { m_recent.clear(); }
void CSorvel::OnSupport() { notYetAvailable(this, QStringLiteral("Support mail")); }
void CSorvel::OnHelp() { notYetAvailable(this, QStringLiteral("Online help")); }
void CSorvel::OnAbout() { notYetAvailable(this, QStringLiteral("The About dialog")); }
void CSorvel::OnSettings() { notYetAvailable(this, QStringLiteral("Calculator settings")); }
void CSorvel::OnBgTaskFinished(bool) {}
