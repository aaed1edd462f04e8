#include "cinputoverlay.h"

#include "app/cdateedit.h"
#include "app/datetyping.h"
#include "app/namefield.h"
#include "app/cimagebutton.h"
#include "app/cskinmanager.h"
#include "engine/cnumerology.h"
#include "engine/namecleaning.h"
#include "engine/readingtext.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfowidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QStringList NUMBER_ROWS = {"Life path", "Karmic Debts", "Expression (M)", "Heart Desire (M)",
                                 "Personality (M)", "Karmic Lessons"};
const int NUMBERS_WIDTH = 200; // as the Main Features panel
const QDate EMPTY_DATE(2000, 1, 1);

QString withMinor(const QString &text, const QString &minor)
{
    return text + QLatin1String(" (") + minor + QLatin1Char(')');
}

QString withoutSpaces(QString text)
{
    return text.remove(QLatin1Char(' '));
}
} // namespace

CInputOverlay::CInputOverlay(CSkinManager *skin, const QImage &titleBar, QWidget *parent)
    : QWidget(parent)
    , m_skin(skin)
{
    setObjectName(QStringLiteral("inputOverlay"));
    setAttribute(Qt::WA_StyledBackground);
    m_inner = new QWidget(this);
    m_inner->setObjectName(QStringLiteral("overlayInner"));
    m_inner->setGeometry(0, 0, 1016, 570);

    // Person, with the gender box and the file buttons.
    buildPersonFields(m_person, false, QStringLiteral("Personal (Full Name, Short Name, Birth Date)"),
                      QRect(8, 10, 820, 240), titleBar);
    m_person.numbers->resize(NUMBERS_WIDTH, 135);
    QWidget *box = m_person.box;
    m_gender = new QComboBox(box);
    m_gender->setObjectName(QStringLiteral("gender"));
    m_gender->addItems({QStringLiteral("Female"), QStringLiteral("Male")});
    m_gender->setGeometry(625, 30, 95, 25);

    const auto fileButton = [box](const QString &picture, int x, const QString &toolTip) {
        auto *button = new CImageButton(picture, box);
        button->setGeometry(x, 30, 24, 24);
        button->setToolTip(toolTip);
        return button;
    };
    m_saveButton = fileButton(QStringLiteral("savebbut"), 730, QStringLiteral("Save person"));
    m_openButton = fileButton(QStringLiteral("openbbut"), 761, QStringLiteral("Open person"));
    m_newButton = fileButton(QStringLiteral("newbbut"), 790, QStringLiteral("New person"));
    connect(m_saveButton, &QPushButton::clicked, this, &CInputOverlay::saveRequested);
    connect(m_openButton, &QPushButton::clicked, this, &CInputOverlay::openRequested);
    connect(m_newButton, &QPushButton::clicked, this, &CInputOverlay::newRequested);

    // Letter options.
    m_chaldean = new QCheckBox(QStringLiteral("Use Chaldean calculator"), box);
    m_chaldean->setObjectName(QStringLiteral("chaldean"));
    m_chaldean->move(5, 215);
    m_vowelModeCaption = new QLabel(QStringLiteral("Phonetic:"), box);
    m_vowelModeCaption->setGeometry(205, 211, 60, 22);
    m_vowelMode = new QComboBox(box);
    m_vowelMode->setObjectName(QStringLiteral("vowelMode"));
    m_vowelMode->addItems({QStringLiteral("English"), QStringLiteral("Universal")});
    m_vowelMode->setGeometry(265, 211, 100, 22);
    connect(m_chaldean, &QCheckBox::stateChanged, this, &CInputOverlay::optionsEdited);
    connect(m_vowelMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CInputOverlay::optionsEdited);

    // Partner.
    buildPersonFields(m_partner, true, QStringLiteral("Partner (Full Name, Short Name, Birth Date)"),
                      QRect(8, 260, 820, 210), titleBar);
    m_partner.numbers->resize(NUMBERS_WIDTH, 300); // the box clips it

    buildRecentButtons();
    setRecentEntries({});
}

void CInputOverlay::buildPersonFields(PersonFields &fields, bool partner, const QString &caption,
                                      const QRect &geometry, const QImage &titleBar)
{
    const QString prefix = partner ? QStringLiteral("partner") : QString();
    const auto name = [&](const char *base) {
        const QString text = QLatin1String(base);
        return partner ? prefix + text.at(0).toUpper() + text.mid(1) : text;
    };

    fields.box = new QWidget(m_inner);
    fields.box->setObjectName(QStringLiteral("overlayBox"));
    fields.box->setAttribute(Qt::WA_StyledBackground);
    fields.box->setGeometry(geometry);
    auto *label = new QLabel(caption, fields.box);
    label->setObjectName(QStringLiteral("overlayCaption"));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 0, geometry.width(), 25);

    fields.fullName = nameField(fields.box, 5, 250, name("fullName"), QStringLiteral("Full Name"));
    fields.shortName = nameField(fields.box, 270, 215, name("shortName"), QStringLiteral("Short Name"));
    fields.birthDate = dateField(fields.box, name("birthDate"));
    fields.namePanel = new CInfoNameWidget(m_skin, titleBar, fields.box);
    fields.namePanel->setObjectName(name("namePanel"));
    fields.namePanel->move(5, 70);
    fields.namePanel->setClickable(true);
    fields.namePanel->setTitle(QStringLiteral("Name calculation"));
    fields.numbers = new CInfoWidget(m_skin, titleBar, fields.box);
    fields.numbers->setObjectName(name("numbers"));
    fields.numbers->move(610, 70);
    fields.numbers->setTitle(QStringLiteral("Main Features"));
    fields.numbers->setCaptions(NUMBER_ROWS);

    // A changed name makes its marks stale before anyone recalculates.
    const auto edited = [this, partner] {
        PersonFields &f = fieldsOf(partner);
        f.fullMarks.clear();
        f.shortMarks.clear();
        emit nameEdited(partner);
    };
    connect(fields.fullName, &QLineEdit::textChanged, this, edited);
    connect(fields.shortName, &QLineEdit::textChanged, this, edited);
    connect(fields.birthDate, &QDateEdit::dateChanged, this, &CInputOverlay::optionsEdited);
    connect(fields.namePanel, &CInfoNameWidget::symbolCliked, this,
            [this, partner](int row, int index) { emit letterClicked(partner, row, index); });
}

QLineEdit *CInputOverlay::nameField(QWidget *box, int x, int width, const QString &objectName,
                                    const QString &toolTip)
{
    auto *field = new QLineEdit(box);
    field->setObjectName(objectName);
    field->setGeometry(x, 30, width, 25);
    field->setToolTip(toolTip);
    field->setPlaceholderText(toolTip);
    limitNameField(field, m_skin);
    connect(field, &QLineEdit::returnPressed, this, &CInputOverlay::applyRequested);
    return field;
}

CDateEdit *CInputOverlay::dateField(QWidget *box, const QString &objectName)
{
    auto *field = new CDateEdit(EMPTY_DATE, box);
    setBirthDateRange(field);
    field->setObjectName(objectName);
    field->setCalendarPopup(true);
    field->setGeometry(495, 30, 120, 25);
    field->setToolTip(QStringLiteral("Birth Date"));
    return field;
}

void CInputOverlay::buildRecentButtons()
{
    for (int k = 0; k < RECENT_BUTTONS; ++k) {
        auto *button = new QPushButton(m_inner);
        button->setObjectName(QStringLiteral("recentButton"));
        button->setGeometry(835, 10 + 62 * k, 170, 52);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, k] { emit recentClicked(k); });
        m_recentButtons[k] = button;
    }
    m_clearRecent = new QPushButton(QStringLiteral("Clear"), m_inner);
    m_clearRecent->setObjectName(QStringLiteral("clearRecent"));
    m_clearRecent->setGeometry(920, 530, 85, 30);
    connect(m_clearRecent, &QPushButton::clicked, this, &CInputOverlay::clearRecentRequested);
    // The client book opens from here, beside the recent persons.
    m_clientsButton = new QPushButton(QStringLiteral("Clients"), m_inner);
    m_clientsButton->setObjectName(QStringLiteral("clientsButton"));
    m_clientsButton->setGeometry(835, 530, 80, 30);
    connect(m_clientsButton, &QPushButton::clicked, this, &CInputOverlay::clientsRequested);
}

QString CInputOverlay::recentButtonText(const RecentEntry &entry)
{
    QString text = entry.fullName + QLatin1String("\r\n") + MonthAbbreviation(entry.birthDate.month())
        + QLatin1Char(' ') + QString::number(entry.birthDate.day()) + QLatin1String(", ")
        + QString::number(entry.birthDate.year());
    if (!entry.partnerFullName.isEmpty())
        text += QLatin1String("\r\n") + entry.partnerFullName;
    return text;
}

void CInputOverlay::setRecentEntries(const QList<RecentEntry> &entries)
{
    for (int k = 0; k < RECENT_BUTTONS; ++k) {
        m_recentButtons[k]->setVisible(k < entries.size());
        // The whole text is the tool tip; the caption is fitted to it.
        const QString text = k < entries.size() ? recentButtonText(entries.at(k)) : QString();
        m_recentButtons[k]->setToolTip(text.split(QStringLiteral("\r\n")).join(QLatin1Char('\n')));
    }
    fitRecentTexts();
}

void CInputOverlay::fitRecentTexts()
{
    // A long line ends in dots inside the button, measured in the font and
    // padding the skin's sheet gives it (bold, twelve pixels and a frame on
    // either side), so nothing is cut at the edges.
    for (QPushButton *button : m_recentButtons) {
        button->ensurePolished();
        const QFontMetrics metrics(button->font());
        QStringList lines = button->toolTip().split(QLatin1Char('\n'));
        for (QString &line : lines)
            line = metrics.elidedText(line, Qt::ElideRight, button->width() - RECENT_TEXT_MARGIN);
        button->setText(lines.join(QStringLiteral("\r\n")));
    }
}

QString CInputOverlay::impossibleDate(bool partner) const
{
    const CDateEdit *field = fieldsOf(partner).birthDate;
    const TypedDate typed = readTypedDate(field->text(), field->displayFormat().startsWith(QLatin1Char('d')),
                                          field->minimumDate(), field->maximumDate());
    if (typed.problem != TypedDate::NoSuchDay && typed.problem != TypedDate::NoSuchMonth)
        return QString();
    return (partner ? QStringLiteral("The partner's birth date ") : QStringLiteral("The birth date ")) + field->text()
        + QStringLiteral(" does not exist: ") + typedDateProblem(typed, field->minimumDate(), field->maximumDate());
}

PersonInput CInputOverlay::input() const
{
    PersonInput input;
    input.fullName = m_person.fullName->text();
    input.shortName = m_person.shortName->text();
    input.birthDate = m_person.birthDate->typedDate();
    input.female = m_gender->currentIndex() == 0;
    input.partnerFullName = m_partner.fullName->text();
    input.partnerShortName = m_partner.shortName->text();
    input.partnerBirthDate = m_partner.birthDate->typedDate();
    input.fullMarks = m_person.fullMarks;
    input.shortMarks = m_person.shortMarks;
    input.partnerFullMarks = m_partner.fullMarks;
    input.partnerShortMarks = m_partner.shortMarks;
    input.chaldean = m_chaldean->isChecked();
    input.vowelMode = m_vowelMode->currentIndex();
    return input;
}

void CInputOverlay::setInput(const PersonInput &input)
{
    m_person.birthDate->setDate(input.birthDate);
    m_person.fullName->setText(input.fullName);
    m_person.shortName->setText(input.shortName);
    m_gender->setCurrentIndex(input.female ? 0 : 1);
    m_partner.birthDate->setDate(input.partnerBirthDate);
    m_partner.fullName->setText(input.partnerFullName);
    m_partner.shortName->setText(input.partnerShortName);
    m_chaldean->setChecked(input.chaldean);
    if (!input.fullMarks.isEmpty() || !input.shortMarks.isEmpty())
        setMarks(false, input.fullMarks, input.shortMarks);
    if (!input.partnerFullMarks.isEmpty() || !input.partnerShortMarks.isEmpty())
        setMarks(true, input.partnerFullMarks, input.partnerShortMarks);
}

void CInputOverlay::clear()
{
    for (const PersonFields *fields : {&m_person, &m_partner}) {
        fields->fullName->clear();
        fields->shortName->clear();
        fields->birthDate->setDate(EMPTY_DATE);
    }
    m_gender->setCurrentIndex(0);
    m_chaldean->setChecked(false);
    clearPreview();
}

bool CInputOverlay::hasFullName() const
{
    return !m_person.fullName->text().isEmpty();
}

void CInputOverlay::focusFullName()
{
    m_person.fullName->setFocus(Qt::OtherFocusReason);
    m_person.fullName->selectAll();
}

void CInputOverlay::setDateFormat(const QString &format)
{
    m_person.birthDate->setDisplayFormat(format);
    m_partner.birthDate->setDisplayFormat(format);
}

void CInputOverlay::setMasterLetterDigits(bool on)
{
    m_person.namePanel->setMasterLetterDigits(on);
    m_partner.namePanel->setMasterLetterDigits(on);
}

QVector<int> CInputOverlay::marks(bool partner, int row) const
{
    const PersonFields &fields = fieldsOf(partner);
    return row == 0 ? fields.fullMarks : fields.shortMarks;
}

void CInputOverlay::setMarks(bool partner, const QVector<int> &fullMarks, const QVector<int> &shortMarks)
{
    PersonFields &fields = fieldsOf(partner);
    fields.fullMarks = fullMarks;
    fields.shortMarks = shortMarks;
}

void CInputOverlay::toggleMark(bool partner, int row, int index)
{
    PersonFields &fields = fieldsOf(partner);
    ::toggleMark(row == 0 ? fields.fullMarks : fields.shortMarks, index);
}

void CInputOverlay::showPreview(bool partner, const NumerologyResult &r, const QString &fullName,
                                const QString &shortName)
{
    const PersonFields &fields = fieldsOf(partner);
    fields.numbers->setValues({r.lifePathText, r.karmicDebtsText, withMinor(r.expressionText, r.minorExpressionText),
                               withMinor(r.heartsDesireText, r.minorHeartsDesireText),
                               withMinor(r.personalityText, r.minorPersonalityText),
                               withoutSpaces(r.karmicLessonsText)});
    fields.namePanel->setWestern(!m_chaldean->isChecked());
    fields.namePanel->setTexts({r.fullVowelRow, fullName, r.fullConsonantRow, r.shortVowelRow, shortName,
                                r.shortConsonantRow});
    fields.namePanel->setFormulas({r.heartsDesireLine, r.expressionLine, r.personalityLine, r.minorHeartsDesireLine,
                                   r.minorExpressionLine, r.minorPersonalityLine});
}

void CInputOverlay::clearPreview()
{
    clearPreview(false);
    clearPreview(true);
}

void CInputOverlay::clearPreview(bool partner)
{
    const PersonFields &fields = fieldsOf(partner);
    fields.numbers->clearValues();
    fields.namePanel->clearValues();
}

void CInputOverlay::applyStyle()
{
    // The overlay covers the whole window in the window's own colour. The
    // colour is mapped on its own: tinting the whole rule would read the
    // selector's "#inputOverlay" as a colour and rewrite it.
    setStyleSheet(QStringLiteral("QWidget#inputOverlay { background: %1; }").arg(m_skin->mapColor("#1e1917").name()));
    for (CImageButton *button : {m_saveButton, m_openButton, m_newButton})
        button->applySkin(m_skin);
    for (QWidget *field : std::initializer_list<QWidget *>{
             m_person.fullName, m_person.shortName, m_person.birthDate, m_gender, m_vowelMode, m_partner.fullName,
             m_partner.shortName, m_partner.birthDate})
        m_skin->applyStyle(field, CSkinManager::KIND_DEFAULT);
    for (QPushButton *button : m_recentButtons)
        m_skin->applyStyle(button, CSkinManager::KIND_DEFAULT);
    fitRecentTexts(); // the sheet brings the buttons' font and padding
    m_skin->applyStyle(m_clearRecent, CSkinManager::KIND_DEFAULT);
    m_skin->applyStyle(m_clientsButton, CSkinManager::KIND_DEFAULT);
    m_skin->applyStyle(m_person.box, CSkinManager::KIND_OVERLAY_BOX);
    m_skin->applyStyle(m_partner.box, CSkinManager::KIND_OVERLAY_BOX);
    m_skin->applyStyle(m_inner, CSkinManager::KIND_OVERLAY_INNER);
    m_skin->applyStyle(m_vowelModeCaption, CSkinManager::KIND_PHONETIC);
    m_skin->applyStyle(m_chaldean, CSkinManager::KIND_CHECK_BOX);
}
