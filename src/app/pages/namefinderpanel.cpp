#include "namefinderpanel.h"

#include "app/cskinmanager.h"
#include "app/pages/pagebox.h"
#include "engine/analyzerinput.h"
#include "files/checkedfilewriter.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>

#include <algorithm>
#include <climits>

namespace {

enum Mode { FromList, Variants, FromFile };

const char *const COLUMN_TITLES[] = {"Name", "Edits", "Expression", "Heart's Desire", "Personality", "Life Path",
                                     "Bridge", "Karmic debt", "Popularity", "Gender"};

QString genderText(char gender)
{
    switch (gender) {
    case 'f':
        return QStringLiteral("female");
    case 'm':
        return QStringLiteral("male");
    case 'u':
        return QStringLiteral("both");
    default:
        return QString();
    }
}

// "8, 11 22" as numbers; false on anything else.
bool readNumbers(const QString &text, QList<int> &numbers)
{
    numbers.clear();
    for (const QString &part : QString(text).replace(QLatin1Char(','), QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 0 || n > 99)
            return false;
        numbers.append(n);
    }
    return true;
}

QLineEdit *numbersField(QWidget *parent, const QString &objectName)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setPlaceholderText(QStringLiteral("any"));
    field->setToolTip(QStringLiteral("Numbers separated by commas, for example 8, 11, 22"));
    return field;
}

QSpinBox *countField(QWidget *parent, int minimum, int maximum, const QString &anyText)
{
    auto *field = new QSpinBox(parent);
    field->setRange(minimum, maximum);
    field->setSpecialValueText(anyText);
    field->setValue(minimum);
    return field;
}

} // namespace

// --- the result table ------------------------------------------------------

void CNameResultModel::setResults(const NameFinder *finder, QVector<NameResult> results)
{
    beginResetModel();
    m_finder = finder;
    m_results = std::move(results);
    endResetModel();
}

int CNameResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_results.size();
}

int CNameResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CNameResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_results.size())
        return QVariant();
    const NameResult &r = m_results.at(index.row());
    if (role == Qt::ToolTipRole && m_finder) {
        const NameLines lines = m_finder->lines(r);
        return QStringLiteral("Expression %1\nHeart's Desire %2\nPersonality %3")
            .arg(lines.expression, lines.heartsDesire, lines.personality);
    }
    // Rows that miss a constraint (ranked lists) are greyed.
    if (role == Qt::ForegroundRole)
        return r.meets ? QVariant() : QVariant(QColor(Qt::gray));
    // The sort role: numbers as numbers; an unknown popularity last; the
    // finder's own order breaks ties through the row number.
    const bool sorting = role == Qt::UserRole;
    if (role != Qt::DisplayRole && !sorting)
        return QVariant();
    switch (index.column()) {
    case Name:
        return r.name;
    case Expression:
        return r.numbers.expression;
    case HeartsDesire:
        return r.numbers.heartsDesire;
    case Personality:
        return r.numbers.personality;
    case LifePath:
        return r.lifePath > 0 ? QVariant(r.lifePath) : QVariant(sorting ? 0 : QVariant(QString()));
    case Bridge:
        return r.bridge >= 0 ? QVariant(r.bridge) : QVariant(sorting ? 99 : QVariant(QString()));
    case KarmicDebt:
        return r.numbers.karmicDebt ? QStringLiteral("yes") : QString();
    case Edit:
        if (sorting)
            return r.edits;
        return r.edits == 0 ? QString() : r.edit;
    case Popularity:
        if (sorting)
            return r.rank > 0 ? r.rank : INT_MAX;
        return r.rank > 0 ? QVariant(r.rank) : QVariant(QString());
    case Gender:
        return genderText(r.gender);
    default:
        return QVariant();
    }
}

QVariant CNameResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < ColumnCount ? QVariant(QLatin1String(COLUMN_TITLES[section])) : QVariant();
}

// --- the panel -------------------------------------------------------------

CNameFinderPanel::CNameFinderPanel(QWidget *parent)
    : QWidget(parent)
    , m_model(this)
{
    setObjectName(QStringLiteral("nameFinder"));
    // A solid background: the section lies over the report's web view.
    setAutoFillBackground(true);
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(12, 8, 12, 8);
    rows->setSpacing(5);
    const auto newRow = [&] {
        auto *row = new QHBoxLayout;
        row->setSpacing(6);
        rows->addLayout(row);
        return row;
    };
    const auto label = [&](QHBoxLayout *row, const QString &text) { row->addWidget(new QLabel(text, this)); };
    const auto fixedWidth = [](QWidget *w, int width) {
        w->setFixedWidth(width);
        return w;
    };

    // The rows fit the narrowest report (600 pixels at the smallest window)
    // with every caption whole.

    // What to search.
    QHBoxLayout *row = newRow();
    label(row, QStringLiteral("Find"));
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("finderMode"));
    m_mode->addItems({QStringLiteral("First names from the list"), QStringLiteral("Spelling variants of a name"),
                      QStringLiteral("Names of a list file")});
    row->addWidget(m_mode);
    m_fixedLabel = new QLabel(this);
    row->addWidget(m_fixedLabel);
    m_fixed = new QLineEdit(this);
    m_fixed->setObjectName(QStringLiteral("finderFixed"));
    row->addWidget(m_fixed, 1);
    m_browse = new QPushButton(QStringLiteral("..."), this);
    m_browse->setToolTip(QStringLiteral("Choose the list file: one name a line, or a CSV file whose first column holds the names"));
    row->addWidget(fixedWidth(m_browse, 40));

    // The wanted numbers.
    row = newRow();
    label(row, QStringLiteral("Expression"));
    m_expression = numbersField(this, QStringLiteral("finderExpression"));
    row->addWidget(fixedWidth(m_expression, 60));
    label(row, QStringLiteral("Heart's Desire"));
    m_heartsDesire = numbersField(this, QStringLiteral("finderHeartsDesire"));
    row->addWidget(fixedWidth(m_heartsDesire, 60));
    label(row, QStringLiteral("Personality"));
    m_personality = numbersField(this, QStringLiteral("finderPersonality"));
    row->addWidget(fixedWidth(m_personality, 60));
    m_noKarmicDebt = new QCheckBox(QStringLiteral("No karmic debt"), this);
    m_noKarmicDebt->setObjectName(QStringLiteral("finderNoKarmicDebt"));
    row->addWidget(m_noKarmicDebt);
    row->addStretch(1);

    // The Life Path, the gender use and the vowel rules.
    row = newRow();
    label(row, QStringLiteral("Bridge to Life Path at most"));
    m_bridge = countField(this, -1, 8, QStringLiteral("any"));
    m_bridge->setObjectName(QStringLiteral("finderBridge"));
    m_bridge->setToolTip(QStringLiteral("Needs the date above as the birth date"));
    row->addWidget(fixedWidth(m_bridge, 70));
    label(row, QStringLiteral("Gender use"));
    m_gender = new QComboBox(this);
    m_gender->setObjectName(QStringLiteral("finderGender"));
    m_gender->addItems({QStringLiteral("any"), QStringLiteral("female"), QStringLiteral("male")});
    row->addWidget(m_gender);
    label(row, QStringLiteral("Y and W"));
    m_vowels = new QComboBox(this);
    m_vowels->addItems({QStringLiteral("English"), QStringLiteral("Universal")});
    row->addWidget(m_vowels);
    row->addStretch(1);

    // The spelling.
    row = newRow();
    label(row, QStringLiteral("Letters to include"));
    m_include = new QLineEdit(this);
    row->addWidget(fixedWidth(m_include, 56));
    label(row, QStringLiteral("to avoid"));
    m_avoid = new QLineEdit(this);
    row->addWidget(fixedWidth(m_avoid, 56));
    label(row, QStringLiteral("Letters from"));
    m_minLength = countField(this, 0, 40, QStringLiteral("any"));
    m_maxLength = countField(this, 0, 40, QStringLiteral("any"));
    row->addWidget(fixedWidth(m_minLength, 64));
    label(row, QStringLiteral("to"));
    row->addWidget(fixedWidth(m_maxLength, 64));
    row->addStretch(1);

    // The actions and what they found.
    row = newRow();
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("finderStatus"));
    m_status->setWordWrap(true);
    row->addWidget(m_status, 1);
    m_find = new QPushButton(QStringLiteral("FIND"), this);
    m_find->setObjectName(QStringLiteral("finderFind"));
    row->addWidget(fixedWidth(m_find, 90));
    m_export = new QPushButton(QStringLiteral("EXPORT CSV"), this);
    row->addWidget(fixedWidth(m_export, 110));
    m_close = new QPushButton(QStringLiteral("CLOSE"), this);
    row->addWidget(fixedWidth(m_close, 90));

    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(&m_model);
    m_sorted->setSortRole(Qt::UserRole);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("finderResults"));
    m_table->setModel(m_sorted);
    // The finder's ranking until a column title is clicked.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    // Uniform rows: thousands of them scroll without measuring each.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->horizontalHeader()->setDefaultSectionSize(72);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(CNameResultModel::Name, 190);
    m_table->setColumnWidth(CNameResultModel::HeartsDesire, 95);
    m_table->setColumnWidth(CNameResultModel::Bridge, 55);
    m_table->setColumnWidth(CNameResultModel::KarmicDebt, 80);
    m_table->setColumnWidth(CNameResultModel::Edit, 150);
    rows->addWidget(m_table, 1);

    connect(m_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CNameFinderPanel::modeChanged);
    connect(m_find, &QPushButton::clicked, this, &CNameFinderPanel::search);
    connect(m_fixed, &QLineEdit::returnPressed, this, &CNameFinderPanel::search);
    connect(m_export, &QPushButton::clicked, this, &CNameFinderPanel::exportResults);
    connect(m_close, &QPushButton::clicked, this, &CNameFinderPanel::closeRequested);
    connect(m_browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Open"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QStringLiteral("Name lists (*.txt *.csv);;All files (*)"));
        if (!path.isEmpty())
            m_fixed->setText(path);
    });
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const QModelIndex row = m_sorted->mapToSource(index);
        if (row.isValid())
            emit nameChosen(m_model.results().at(row.row()).name);
    });
    modeChanged();
}

void CNameFinderPanel::setAdvisorInput(const QDate &birthDate, bool chaldean)
{
    m_birthDate = birthDate == PAGE_EMPTY_DATE ? QDate() : birthDate;
    m_chaldean = chaldean;
}

void CNameFinderPanel::applyStyle(const CSkinManager *skin)
{
    // The window's own background, painted whole.
    QPalette background = palette();
    background.setColor(QPalette::Window, window()->palette().color(QPalette::Window));
    setPalette(background);
    for (QWidget *w : findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QPushButton *>(w) ||
            qobject_cast<QSpinBox *>(w) || qobject_cast<QTableView *>(w))
            skin->applyStyle(w, CSkinManager::KIND_DEFAULT);
        else if (qobject_cast<QCheckBox *>(w))
            skin->applyStyle(w, CSkinManager::KIND_WINDOW);
        else if (qobject_cast<QLabel *>(w))
            // Captions in the fields' face and size, not the desktop's
            // default font, so the rows measure the same on every desktop.
            w->setStyleSheet(QStringLiteral("QLabel { font: 13px \"Arial\"; }"));
    }
}

void CNameFinderPanel::modeChanged()
{
    const int mode = m_mode->currentIndex();
    static const char *const LABELS[] = {"Middle and last name", "Full name (first word respelled)", "List file"};
    m_fixedLabel->setText(QLatin1String(LABELS[mode]));
    m_fixed->clear();
    m_fixed->setPlaceholderText(mode == FromList ? QStringLiteral("the fixed part, e.g. the surname")
                                : mode == Variants ? QStringLiteral("the name to respell")
                                                   : QStringLiteral("business names, one a line, or a CSV file"));
    m_browse->setVisible(mode == FromFile);
    m_gender->setEnabled(mode != FromFile);
}

bool CNameFinderPanel::readForm(NameSettings &settings, NameConstraints &constraints, QString &error) const
{
    if (!readNumbers(m_expression->text(), constraints.expression) ||
        !readNumbers(m_heartsDesire->text(), constraints.heartsDesire) ||
        !readNumbers(m_personality->text(), constraints.personality)) {
        error = QStringLiteral("The wanted numbers are numbers from 1 to 99, separated by commas.");
        return false;
    }
    for (QLineEdit *letters : {m_include, m_avoid}) {
        for (const QChar c : letters->text().toUpper()) {
            if (c < QLatin1Char('A') || c > QLatin1Char('Z')) {
                error = QStringLiteral("Letters to include or avoid are the letters A to Z.");
                return false;
            }
        }
    }
    constraints.includeLetters = m_include->text().toUpper();
    constraints.avoidLetters = m_avoid->text().toUpper();
    constraints.maxBridge = m_bridge->value();
    constraints.minLength = m_minLength->value();
    constraints.maxLength = m_maxLength->value();
    constraints.noKarmicDebt = m_noKarmicDebt->isChecked();
    constraints.gender = NameGender(m_gender->currentIndex());
    settings.chaldean = m_chaldean;
    settings.vowelMode = m_vowels->currentIndex();
    settings.options = m_options;
    settings.birthDate = m_birthDate;
    if (constraints.maxBridge >= 0 && !settings.birthDate.isValid()) {
        error = QStringLiteral("The bridge to the Life Path needs a birth date: enter it as the date above.");
        return false;
    }
    return true;
}

bool CNameFinderPanel::loadGivenNames(QString &error)
{
    if (!m_givenNames.isEmpty())
        return true;
    const QString path = givenNamesPath();
    if (LoadGivenNames(path, m_givenNames, error))
        return true;
    error = QStringLiteral("The list of given names cannot be read: %1: %2").arg(path, error);
    return false;
}

bool CNameFinderPanel::search()
{
    NameSettings settings;
    NameConstraints constraints;
    QString error;
    const int mode = m_mode->currentIndex();
    const QString fixed = mode == FromFile ? m_fixed->text().trimmed() : AnalyzerName(m_fixed->text()).toUpper();
    bool ok = readForm(settings, constraints, error) && loadGivenNames(error);
    if (ok && fixed.isEmpty() && mode != FromList) {
        error = mode == Variants ? QStringLiteral("Enter the name to respell.") : QStringLiteral("Choose a list file.");
        ok = false;
    }
    // A list file is one name a line; a CSV file's first column holds the names.
    const int column = fixed.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? 0 : -1;
    NameListRead list;
    if (ok && mode == FromFile && !LoadNameList(fixed, column, QString(), list, error)) {
        error = QStringLiteral("%1: %2").arg(fixed, error);
        ok = false;
    }
    if (!ok) {
        QMessageBox::critical(this, QStringLiteral("Error"), error, QMessageBox::Ok);
        return false;
    }

    QElapsedTimer timer;
    timer.start();
    auto finder = std::make_unique<NameFinder>(settings, constraints);
    finder->setGivenNames(&m_givenNames);
    QVector<NameResult> results;
    if (mode == FromList)
        results = finder->findInList(m_givenNames, fixed);
    else if (mode == Variants)
        results = finder->findVariants(fixed, 0);
    else
        results = finder->rankList(list.entries, true);
    const qint64 elapsed = timer.elapsed();
    const int met = int(std::count_if(results.cbegin(), results.cend(), [](const NameResult &r) { return r.meets; }));

    m_model.setResults(finder.get(), std::move(results));
    m_finder = std::move(finder);
    m_table->setColumnHidden(CNameResultModel::Edit, mode != Variants);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_sorted->sort(-1);
    m_table->scrollToTop();
    QString status = QStringLiteral("%1 names meet the constraints (%2 ms)").arg(met).arg(elapsed);
    if (mode == FromFile && m_model.results().size() > met)
        status += QStringLiteral("; the %1 that miss follow them").arg(m_model.results().size() - met);
    if (settings.birthDate.isValid())
        status += QStringLiteral(". Life Path %1 from the date above").arg(m_finder->lifePath());
    m_status->setText(status + QStringLiteral(". Double-click a name to analyse it."));
    return true;
}

void CNameFinderPanel::exportResults()
{
    if (!m_finder || m_model.results().isEmpty()) {
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Find names before exporting them."),
                              QMessageBox::Ok);
        return;
    }
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/names.csv"),
        QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeFileChecked(path, m_finder->csv(m_model.results()), &error))
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("%1: %2").arg(path, error),
                              QMessageBox::Ok);
}
