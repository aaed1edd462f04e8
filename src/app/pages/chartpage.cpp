#include "chartpage.h"

#include "app/cskinmanager.h"
#include "app/dialogs/cinfodlg.h"
#include "app/pages/painterboard.h"
#include "charts/chartpicture.h"
#include "charts/charttemplates.h"
#include "engine/messagereporter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>

namespace {

// What the chooser keeps with each template: its path and whose it is.
const int ROLE_PATH = Qt::UserRole;
const int ROLE_USER_OWNED = Qt::UserRole + 1;
// A heading of the list is no template: it has no path and cannot be chosen.
const int ROLE_HEADING = Qt::UserRole + 2;

const QString LABEL_STYLE = QStringLiteral("color: #9cb62d; font: bold 12px;");
const QString ACCENT = QStringLiteral("#9cb62d");
const QString TEXT = QStringLiteral("#eddbb2");
const QString EDGE = QStringLiteral("#5c524c");
// The chooser's list opens wider than the box, so long names show whole,
// with room around each entry.
const int CHOOSER_LIST_WIDTH = 200;
const QString CHOOSER_LIST_STYLE = QStringLiteral("QComboBox QAbstractItemView::item { min-height: 22px; }");
// The headings: small capitals in the accent colour.
const int HEADING_PIXELS = 10;

const QString SHIPPED_HEADING = QStringLiteral("Shipped layouts");
const QString USER_HEADING = QStringLiteral("My layouts");
const QString SHIPPED_TIP = QStringLiteral("Layouts shipped with the program cannot be deleted");

QString folderOrDefault(const QString &folder, QString (*fallback)())
{
    return folder.isEmpty() ? fallback() : folder;
}

} // namespace

CChartPage::CChartPage(QWidget *reportFrame, const CSkinManager *skin, const QString &shippedFolder,
                       const QString &userFolder)
    : QObject(reportFrame)
    , m_skin(skin)
    , m_shippedFolder(folderOrDefault(shippedFolder, &shippedTemplateFolder))
    , m_userFolder(folderOrDefault(userFolder, &userTemplateFolder))
{
    m_ask = [this, reportFrame](const QString &title, const QString &text) {
        return askQuestion(m_skin, title, text, reportFrame);
    };
    m_board = new CPainterBoard(reportFrame);
    m_board->setObjectName(QStringLiteral("chartBoard"));
    m_board->move(1, 1);
    m_board->setRenderer([this](const QSize &size, QString *why) { return chartPicture(size, why); });

    m_label = new QLabel(QStringLiteral("Choose Layout"), reportFrame);
    m_label->setStyleSheet(LABEL_STYLE);
    m_label->resize(125, 15);
    m_chooser = new QComboBox(reportFrame);
    m_chooser->setObjectName(QStringLiteral("chartChooser"));
    m_chooser->resize(150, 25);
    m_chooser->setView(new QListView(m_chooser)); // style sheets reach its items
    m_chooser->view()->setMinimumWidth(CHOOSER_LIST_WIDTH);
    connect(m_chooser, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CChartPage::chooserChanged);

    const char *captions[3] = {"Edit", "New", "Delete"};
    void (CChartPage::*requests[3])() = {&CChartPage::editRequested, &CChartPage::newRequested,
                                         &CChartPage::deleteRequested};
    for (int i = 0; i < 3; ++i) {
        m_buttons[i] = new QPushButton(QString::fromLatin1(captions[i]), reportFrame);
        m_buttons[i]->resize(60, 25);
        connect(m_buttons[i], &QPushButton::clicked, this, requests[i]);
    }
    updateButtons();
}

void CChartPage::setVisible(bool visible)
{
    m_board->setVisible(visible);
    m_label->setVisible(visible);
    m_chooser->setVisible(visible);
    for (QPushButton *button : m_buttons)
        button->setVisible(visible);
}

void CChartPage::applyStyle(const CSkinManager *skin)
{
    m_chooser->setStyleSheet(skin->styleSheetForKind(CSkinManager::KIND_DEFAULT) + CHOOSER_LIST_STYLE);
    for (QPushButton *button : m_buttons)
        skin->applyStyle(button, CSkinManager::KIND_DEFAULT);
    m_label->setStyleSheet(skin->mapStyleSheet(LABEL_STYLE));
    m_board->setColours(skin->mapColor(QColor(ACCENT)), skin->mapColor(QColor(TEXT)),
                        skin->mapColor(QColor(EDGE)));
    colourHeadings();
}

void CChartPage::layout(const QRect &report, bool current)
{
    m_label->move(250, report.height() - 18);
    m_chooser->move(380, report.height() - 23);
    for (int i = 0; i < 3; ++i)
        m_buttons[i]->move(550 + 65 * i, report.height() - 23);
    if (current)
        m_board->resize(report.width(), report.height() - 35);
}

// --- the template list ---------------------------------------------------------

void CChartPage::reloadTemplates(const QString &select)
{
    const QList<ChartTemplateEntry> shipped = listChartTemplates(m_shippedFolder, false);
    const QList<ChartTemplateEntry> own = listChartTemplates(m_userFolder, true);
    {
        const QSignalBlocker quiet(m_chooser);
        m_chooser->clear();
        addGroup(SHIPPED_HEADING, shipped, !own.isEmpty());
        addGroup(USER_HEADING, own, !own.isEmpty());
        colourHeadings();
        int index = indexOfPath(select);
        if (index < 0)
            index = indexOfPath(m_chosenPath);
        m_chooser->setCurrentIndex(index >= 0 ? index : firstTemplateIndex());
    }
    m_chosenPath = currentTemplateFile();
    updateButtons();
    // A template saved again under its own name is new to the board.
    m_board->invalidate();
}

// One group of templates, under its heading when there are two groups.
void CChartPage::addGroup(const QString &heading, const QList<ChartTemplateEntry> &entries, bool withHeading)
{
    if (entries.isEmpty())
        return;
    auto *model = qobject_cast<QStandardItemModel *>(m_chooser->model());
    if (withHeading) {
        if (m_chooser->count() > 0)
            m_chooser->insertSeparator(m_chooser->count());
        auto *item = new QStandardItem(heading.toUpper());
        item->setFlags(Qt::NoItemFlags);
        item->setData(true, ROLE_HEADING);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(HEADING_PIXELS);
        font.setBold(true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
        item->setData(font, Qt::FontRole);
        model->appendRow(item);
    }
    for (const ChartTemplateEntry &entry : entries) {
        m_chooser->addItem(QIcon(), entry.name, entry.path);
        m_chooser->setItemData(m_chooser->count() - 1, entry.userOwned, ROLE_USER_OWNED);
    }
}

// The headings in the skin's accent colour.
void CChartPage::colourHeadings()
{
    const QColor accent = m_skin ? m_skin->mapColor(QColor(ACCENT)) : QColor(ACCENT);
    for (int i = 0; i < m_chooser->count(); ++i) {
        if (m_chooser->itemData(i, ROLE_HEADING).toBool())
            m_chooser->setItemData(i, QBrush(accent), Qt::ForegroundRole);
    }
}

int CChartPage::firstTemplateIndex() const
{
    for (int i = 0; i < m_chooser->count(); ++i) {
        if (!m_chooser->itemData(i, ROLE_PATH).toString().isEmpty())
            return i;
    }
    return -1;
}

int CChartPage::indexOfPath(const QString &path) const
{
    return path.isEmpty() ? -1 : m_chooser->findData(path, ROLE_PATH);
}

QString CChartPage::currentTemplateFile() const
{
    const int index = m_chooser->currentIndex();
    return index >= 0 && index < m_chooser->count() ? m_chooser->itemData(index, ROLE_PATH).toString()
                                                    : QString();
}

bool CChartPage::currentIsUserTemplate() const
{
    return !currentTemplateFile().isEmpty() &&
           m_chooser->itemData(m_chooser->currentIndex(), ROLE_USER_OWNED).toBool();
}

QString CChartPage::currentTemplateName() const
{
    return currentTemplateFile().isEmpty() ? QString() : m_chooser->currentText();
}

void CChartPage::chooserChanged(int index)
{
    // A heading or separator chosen from the keyboard gives way to the
    // template chosen before.
    if (index >= 0 && m_chooser->itemData(index, ROLE_PATH).toString().isEmpty()) {
        const int previous = indexOfPath(m_chosenPath);
        const QSignalBlocker quiet(m_chooser);
        m_chooser->setCurrentIndex(previous >= 0 ? previous : firstTemplateIndex());
        return;
    }
    m_chosenPath = currentTemplateFile();
    updateButtons();
    m_board->invalidate();
    emit templateChosen(index);
}

void CChartPage::updateButtons()
{
    QPushButton *remove = m_buttons[2];
    remove->setEnabled(currentIsUserTemplate());
    remove->setToolTip(currentTemplateFile().isEmpty() || currentIsUserTemplate() ? QString() : SHIPPED_TIP);
}

bool CChartPage::deleteCurrentTemplate()
{
    if (!currentIsUserTemplate())
        return false;
    const QString path = currentTemplateFile();
    const QString question =
        QStringLiteral("Do you want to remove \"") + currentTemplateName() + QStringLiteral("\"?");
    if (m_ask(QStringLiteral("Question"), question) != 0)
        return false;
    QFile file(path);
    if (!file.remove()) {
        messageReporter().critical(
            QStringLiteral("Error"),
            tr("Cannot remove the layout %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }

    // The neighbour in the list takes the deleted template's place.
    QStringList paths;
    for (int i = 0; i < m_chooser->count(); ++i) {
        const QString listed = m_chooser->itemData(i, ROLE_PATH).toString();
        if (!listed.isEmpty())
            paths.append(listed);
    }
    const int at = paths.indexOf(path);
    const QString neighbour =
        at + 1 < paths.size() ? paths.at(at + 1) : (at > 0 ? paths.at(at - 1) : QString());
    m_chosenPath.clear();
    reloadTemplates(neighbour);
    return true;
}

// --- the picture ------------------------------------------------------------------

void CChartPage::setChartData(const ChartDataContext &data)
{
    m_data = data;
    m_board->invalidate();
}

QImage CChartPage::chartPicture(const QSize &requested, QString *why) const
{
    const QString path = currentTemplateFile();
    QString note;
    QImage picture;
    if (path.isEmpty()) {
        note = tr("No chart layouts found\nLayouts are read from %1 and from %2.")
                   .arg(QDir::toNativeSeparators(m_shippedFolder), QDir::toNativeSeparators(m_userFolder));
    } else if (!m_data.person) {
        note = tr("Nothing to draw yet\nPress ENTER YOUR NAME, type a name and a birth date and press "
                  "APPLY: the chosen layout is then drawn with the person's numbers.");
    } else {
        QString error;
        picture = chartPictureFromFile(path, m_data, requested, &error);
        if (picture.isNull() && !error.isEmpty())
            note = tr("This layout cannot be drawn\n%1: %2").arg(currentTemplateName(), error);
    }
    if (why)
        *why = note;
    return picture;
}
