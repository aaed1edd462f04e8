#include "cinputoverlay.h"

#include "app/appfolders.h"
#include "app/cskinmanager.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfowidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Style kinds of the skin manager.
const int KIND_CHECK_BOX = 0;
const int KIND_DEFAULT = 1;
const int KIND_OVERLAY_BOX = 7;
const int KIND_OVERLAY_INNER = 8;
const int KIND_PHONETIC = 9;

const QStringList NUMBER_ROWS = {"Life path", "Karmic Debts", "Expression (M)", "Heart Desire (M)",
                                 "Personality (M)", "Karmic Lessons"};
const int NUMBERS_WIDTH = 200; // as the Main Features panel
} // namespace

CInputOverlay::CInputOverlay(CSkinManager *skin, const QImage &titleBar, QWidget *parent)
    : QWidget(parent)
    , m_skin(skin)
{
    setObjectName(QStringLiteral("inputOverlay"));
    setAttribute(Qt::WA_StyledBackground);
    inner = new QWidget(this);
    inner->setObjectName(QStringLiteral("overlayInner"));
    inner->setGeometry(0, 0, 1016, 570);

    // Person.
    personBox = buildBox(QStringLiteral("Personal (Full Name, Short Name, Birth Date)"), QRect(8, 10, 820, 240));
    fullName = nameField(personBox, 5, 250, QStringLiteral("Full Name"));
    shortName = nameField(personBox, 270, 215, QStringLiteral("Short Name"));
    birthDate = dateField(personBox);
    gender = new QComboBox(personBox);
    gender->addItems({QStringLiteral("Female"), QStringLiteral("Male")});
    gender->setGeometry(625, 30, 95, 25);

    const auto fileButton = [this](const QString &picture, int x, const QString &toolTip) {
        auto *button = new QPushButton(personBox);
        button->setObjectName(picture);
        button->setGeometry(x, 30, 24, 24);
        button->setToolTip(toolTip);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    saveButton = fileButton(QStringLiteral("savebbut"), 730, QStringLiteral("Save person"));
    openButton = fileButton(QStringLiteral("openbbut"), 761, QStringLiteral("Open person"));
    resetButton = fileButton(QStringLiteral("newbbut"), 790, QStringLiteral("New person"));

    namePanel = new CInfoNameWidget(skin, titleBar, personBox);
    namePanel->move(5, 70);
    namePanel->setClickable(true);
    namePanel->setTitle(QStringLiteral("Name calculation"));
    numbers = new CInfoWidget(skin, titleBar, personBox);
    numbers->setGeometry(610, 70, NUMBERS_WIDTH, 135);
    numbers->setTitle(QStringLiteral("Main Features"));
    numbers->setCaptions(NUMBER_ROWS);

    chaldean = new QCheckBox(QStringLiteral("Use Chaldean calculator"), personBox);
    chaldean->move(5, 215);
    vowelModeCaption = new QLabel(QStringLiteral("Phonetic:"), personBox);
    vowelModeCaption->setGeometry(205, 211, 60, 22);
    vowelMode = new QComboBox(personBox);
    vowelMode->addItems({QStringLiteral("English"), QStringLiteral("Universal")});
    vowelMode->setGeometry(265, 211, 100, 22);

    // Partner.
    partnerBox = buildBox(QStringLiteral("Partner (Full Name, Short Name, Birth Date)"), QRect(8, 260, 820, 210));
    partnerFullName = nameField(partnerBox, 5, 250, QStringLiteral("Full Name"));
    partnerShortName = nameField(partnerBox, 270, 215, QStringLiteral("Short Name"));
    partnerBirthDate = dateField(partnerBox);
    partnerNamePanel = new CInfoNameWidget(skin, titleBar, partnerBox);
    partnerNamePanel->move(5, 70);
    partnerNamePanel->setClickable(true);
    partnerNamePanel->setTitle(QStringLiteral("Name calculation"));
    partnerNumbers = new CInfoWidget(skin, titleBar, partnerBox);
    partnerNumbers->setGeometry(610, 70, NUMBERS_WIDTH, 300); // the box clips it
    partnerNumbers->setTitle(QStringLiteral("Main Features"));
    partnerNumbers->setCaptions(NUMBER_ROWS);
}

QWidget *CInputOverlay::buildBox(const QString &caption, const QRect &geometry)
{
    auto *box = new QWidget(inner);
    box->setObjectName(QStringLiteral("overlayBox"));
    box->setAttribute(Qt::WA_StyledBackground);
    box->setGeometry(geometry);
    auto *label = new QLabel(caption, box);
    label->setObjectName(QStringLiteral("overlayCaption"));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 0, geometry.width(), 25);
    return box;
}

QLineEdit *CInputOverlay::nameField(QWidget *box, int x, int width, const QString &toolTip)
{
    auto *field = new QLineEdit(box);
    field->setGeometry(x, 30, width, 25);
    field->setToolTip(toolTip);
    field->setPlaceholderText(toolTip);
    return field;
}

QDateEdit *CInputOverlay::dateField(QWidget *box)
{
    auto *field = new QDateEdit(QDate(2000, 1, 1), box);
    field->setCalendarPopup(true);
    field->setGeometry(495, 30, 120, 25);
    field->setToolTip(QStringLiteral("Birth Date"));
    return field;
}

void CInputOverlay::applyStyle()
{
    // The overlay covers the whole window in the window's own colour.
    setStyleSheet(m_skin->mapStyleSheet(QStringLiteral("QWidget#inputOverlay { background: #1e1917; }")));
    for (QPushButton *button : {saveButton, openButton, resetButton})
        button->setStyleSheet(imageButtonStyleSheet(button->objectName()));
    for (QWidget *field : {static_cast<QWidget *>(fullName), static_cast<QWidget *>(shortName),
                           static_cast<QWidget *>(birthDate), static_cast<QWidget *>(gender),
                           static_cast<QWidget *>(vowelMode), static_cast<QWidget *>(partnerFullName),
                           static_cast<QWidget *>(partnerShortName), static_cast<QWidget *>(partnerBirthDate)})
        m_skin->applyStyle(field, KIND_DEFAULT);
    m_skin->applyStyle(personBox, KIND_OVERLAY_BOX);
    m_skin->applyStyle(partnerBox, KIND_OVERLAY_BOX);
    m_skin->applyStyle(inner, KIND_OVERLAY_INNER);
    m_skin->applyStyle(vowelModeCaption, KIND_PHONETIC);
    m_skin->applyStyle(chaldean, KIND_CHECK_BOX);
}
