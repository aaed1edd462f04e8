#include "clientspage.h"

#include "app/cskinmanager.h"
#include "app/dialogs/cinfodlg.h"
#include "clients/clientimport.h"
#include "clients/clienttablemodel.h"

#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The page's own colours, in the brown skin's terms; mapStyleSheet turns
// them into the chosen skin's.
const char PAGE_STYLE[] =
    "QLabel { color: #e0d6c8; }"
    "QLabel#clientsTitle { font-size: 15px; font-weight: bold; }"
    "QLabel#clientsSearchNote { color: #d89a5a; }"
    "QTableView, QListWidget, QPlainTextEdit { background: #2b2320; color: #e0d6c8; border: 1px solid #54443a;"
    " gridline-color: #3a302a; selection-background-color: #54443a; selection-color: #ffffff; }"
    "QHeaderView::section { background: #44372f; color: #e0d6c8; border: 0; border-right: 1px solid #1e1917;"
    " padding: 3px; }";

// The buttons along the bottom, left to right.
struct PageButton
{
    const char *caption;
    const char *objectName;
    void (CClientsPage::*action)();
};

} // namespace

CClientsPage::CClientsPage(const CSkinManager *skin, QWidget *parent)
    : QWidget(parent), m_skin(skin), m_bookPath(clientBookPath()), m_options()
{
    setObjectName(QStringLiteral("clientsPage"));
    m_ask = [this](const QString &title, const QString &text) { return askQuestion(m_skin, title, text, this); };
    m_tell = [this](const QString &title, const QString &text) { QMessageBox::warning(this, title, text); };
    m_inform = [this](const QString &title, const QString &text) { QMessageBox::information(this, title, text); };

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);
    auto *top = new QHBoxLayout;
    m_title = new QLabel(QStringLiteral("Clients"), this);
    m_title->setObjectName(QStringLiteral("clientsTitle"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("clientsSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search: a name, a birth date, a year, lp:7, ex:8"));
    m_search->setClearButtonEnabled(true);
    m_searchNote = new QLabel(this);
    m_searchNote->setObjectName(QStringLiteral("clientsSearchNote"));
    top->addWidget(m_title);
    top->addSpacing(12);
    top->addWidget(m_search, 2);
    top->addWidget(m_searchNote, 1);
    layout->addLayout(top);

    auto *middle = new QHBoxLayout;
    buildTable();
    buildSide();
    middle->addWidget(m_table, 3);
    middle->addWidget(m_side, 2);
    layout->addLayout(middle, 1);
    buildButtons();
    auto *bottom = new QHBoxLayout;
    for (int k = 0; k < m_buttons.size(); ++k) {
        if (k == m_buttons.size() - 1)
            bottom->addStretch(1);
        bottom->addWidget(m_buttons.at(k));
    }
    layout->addLayout(bottom);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_model)
            return;
        m_model->setSearch(text);
        m_searchNote->setText(m_model->searchErrors().join(QStringLiteral("; ")));
        showClient(0);
    });
    if (parent)
        parent->installEventFilter(this);
    hide();
}

CClientsPage::~CClientsPage()
{
    // The model reads through the book: it goes first.
    delete m_model;
    m_model = nullptr;
}

void CClientsPage::buildTable()
{
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("clientsTable"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSortingEnabled(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) { openClientAt(index.row()); });
}

void CClientsPage::buildSide()
{
    m_side = new QWidget(this);
    auto *side = new QVBoxLayout(m_side);
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(4);
    m_clientLabel = new QLabel(m_side);
    m_clientLabel->setObjectName(QStringLiteral("clientLabel"));
    m_clientLabel->setWordWrap(true);
    m_clientLabel->setMinimumHeight(34);
    side->addWidget(m_clientLabel);

    side->addWidget(new QLabel(QStringLiteral("Notes"), m_side));
    m_notes = new QListWidget(m_side);
    m_notes->setObjectName(QStringLiteral("clientNotes"));
    m_notes->setWordWrap(true);
    side->addWidget(m_notes, 2);
    auto *noteRow = new QHBoxLayout;
    m_noteText = new QPlainTextEdit(m_side);
    m_noteText->setObjectName(QStringLiteral("clientNoteText"));
    m_noteText->setPlaceholderText(QStringLiteral("A new note"));
    m_noteText->setMaximumHeight(48);
    m_addNote = new QPushButton(QStringLiteral("Add Note"), m_side);
    noteRow->addWidget(m_noteText, 1);
    noteRow->addWidget(m_addNote);
    side->addLayout(noteRow);
    connect(m_addNote, &QPushButton::clicked, this, [this] {
        addNote(m_noteText->toPlainText());
        m_noteText->clear();
    });

    side->addWidget(new QLabel(QStringLiteral("Consultations"), m_side));
    m_consultations = new QListWidget(m_side);
    m_consultations->setObjectName(QStringLiteral("clientConsultations"));
    m_consultations->setWordWrap(true);
    side->addWidget(m_consultations, 2);
    auto *consultationRow = new QHBoxLayout;
    m_held = new QDateEdit(QDate::currentDate(), m_side);
    m_held->setDisplayFormat(m_dateFormat);
    m_held->setCalendarPopup(true);
    m_topic = new QLineEdit(m_side);
    m_topic->setPlaceholderText(QStringLiteral("Topic"));
    m_consultationNotes = new QLineEdit(m_side);
    m_consultationNotes->setPlaceholderText(QStringLiteral("What was said, reports handed over"));
    m_addConsultation = new QPushButton(QStringLiteral("Add"), m_side);
    consultationRow->addWidget(m_held);
    consultationRow->addWidget(m_topic, 1);
    side->addLayout(consultationRow);
    auto *consultationNotesRow = new QHBoxLayout;
    consultationNotesRow->addWidget(m_consultationNotes, 1);
    consultationNotesRow->addWidget(m_addConsultation);
    side->addLayout(consultationNotesRow);
    connect(m_addConsultation, &QPushButton::clicked, this, [this] {
        addConsultation(m_held->date(), m_topic->text(), m_consultationNotes->text());
        m_topic->clear();
        m_consultationNotes->clear();
    });
    m_fields = {m_search, m_noteText, m_held, m_topic, m_consultationNotes, m_addNote, m_addConsultation};
    m_side->setEnabled(false);
}

void CClientsPage::buildButtons()
{
    static const PageButton BUTTONS[] = {
        {"Add current person", "clientsAdd", &CClientsPage::addCurrentPerson},
        {"Open", "clientsOpen", nullptr},
        {"Delete", "clientsDelete", &CClientsPage::deleteCurrentClient},
        {"Import...", "clientsImport", &CClientsPage::importFiles},
        {"Export...", "clientsExport", nullptr},
        {"Close", "clientsClose", nullptr},
    };
    for (const PageButton &spec : BUTTONS) {
        auto *button = new QPushButton(QLatin1String(spec.caption), this);
        button->setObjectName(QLatin1String(spec.objectName));
        button->setMinimumWidth(90);
        if (spec.action)
            connect(button, &QPushButton::clicked, this, spec.action);
        m_buttons << button;
    }
    connect(m_buttons.at(1), &QPushButton::clicked, this, [this] {
        const QModelIndex index = m_table->currentIndex();
        if (index.isValid())
            openClientAt(index.row());
    });
    connect(m_buttons.last(), &QPushButton::clicked, this, &QWidget::hide);
    // Export offers the two forms a book leaves in.
    auto *exportMenu = new QMenu(this);
    exportMenu->setObjectName(QStringLiteral("clientsExportMenu"));
    exportMenu->addAction(QStringLiteral("Client list (CSV)..."), this, &CClientsPage::exportCsv);
    exportMenu->addAction(QStringLiteral("Person files (.num), one per client..."), this,
                          &CClientsPage::exportPersonFiles);
    m_buttons.at(4)->setMenu(exportMenu);
}

void CClientsPage::applyStyle()
{
    setStyleSheet(m_skin->mapStyleSheet(QLatin1String(PAGE_STYLE)));
    m_background = m_skin->mapColor("#1e1917");
    update();
    for (QWidget *field : qAsConst(m_fields))
        m_skin->applyStyle(field, CSkinManager::KIND_DEFAULT);
    for (QPushButton *button : qAsConst(m_buttons))
        m_skin->applyStyle(button, CSkinManager::KIND_DEFAULT);
}

void CClientsPage::setDateFormat(const QString &format)
{
    m_dateFormat = format;
    m_held->setDisplayFormat(format);
    if (!m_model)
        return;
    m_model->setDateFormat(format);
    if (m_table->currentIndex().isValid())
        showClient(m_model->clientId(m_table->currentIndex().row()));
}

void CClientsPage::setCalculation(const CalcOptions &options, int masterMode)
{
    m_options = options;
    m_masterMode = masterMode;
    if (m_book && m_book->isOpen()) {
        if (!m_book->setCalculation(options, masterMode))
            tellBookError();
        if (m_model)
            m_model->reload();
    }
}

void CClientsPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background.isValid() ? m_background : QColor(0x1e, 0x19, 0x17));
}

bool CClientsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

// --- the book -------------------------------------------------------------------

bool CClientsPage::ensureOpen()
{
    if (m_book && m_book->isOpen())
        return true;
    if (!m_book)
        m_book = std::make_unique<ClientBook>();
    m_book->setCalculation(m_options, m_masterMode);
    if (!m_book->open(m_bookPath)) {
        tellBookError();
        return false;
    }
    delete m_model;
    m_model = new ClientTableModel(m_book.get(), this);
    m_model->setDateFormat(m_dateFormat);
    m_model->setSearch(m_search->text());
    m_table->setModel(m_model);
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    // Wide enough for the headings in bold, as the chosen column shows them.
    m_table->setColumnWidth(0, 200);
    m_table->setColumnWidth(1, 90);
    m_table->setColumnWidth(2, 80);
    m_table->setColumnWidth(3, 95);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showClient(m_model->clientId(current.row())); });
    showClient(0);
    return true;
}

void CClientsPage::tellBookError()
{
    if (m_book)
        m_tell(QStringLiteral("Clients"), m_book->error().message);
}

void CClientsPage::showPage()
{
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    show();
    raise();
    ensureOpen();
    m_search->setFocus();
}

// --- clients --------------------------------------------------------------------

qint64 CClientsPage::currentClient() const
{
    return m_model ? m_model->clientId(m_table->currentIndex().row()) : 0;
}

void CClientsPage::selectClient(qint64 id)
{
    if (!m_model)
        return;
    int row = m_model->rowOfClient(id);
    while (row < 0 && m_model->canFetchMore(QModelIndex())) {
        m_model->fetchMore(QModelIndex());
        row = m_model->rowOfClient(id);
    }
    if (row >= 0)
        m_table->setCurrentIndex(m_model->index(row, 0));
    showClient(row >= 0 ? id : 0);
}

void CClientsPage::openClientAt(int row)
{
    ClientRecord record;
    if (!m_model || !m_book->client(m_model->clientId(row), record))
        return;
    emit openClient(record.person);
    hide();
}

void CClientsPage::addCurrentPerson()
{
    if (!ensureOpen() || !m_input)
        return;
    PersonInput person = m_input();
    person.forecastDate = QDate();
    qint64 id = 0;
    QString reason;
    switch (m_book->addClient(person, &id, &reason)) {
    case ClientBook::AddResult::Added:
        break;
    case ClientBook::AddResult::Duplicate:
        m_tell(QStringLiteral("Clients"), person.fullName + QStringLiteral(": ") + reason);
        break;
    case ClientBook::AddResult::Refused:
        m_tell(QStringLiteral("Clients"), QStringLiteral("This person cannot be added: ") + reason);
        return;
    case ClientBook::AddResult::Failed:
        tellBookError();
        return;
    }
    m_model->reload();
    selectClient(id);
}

void CClientsPage::deleteCurrentClient()
{
    const qint64 id = currentClient();
    ClientRecord record;
    if (id == 0 || !m_book->client(id, record))
        return;
    const QString text = QStringLiteral("Delete %1 (%2) with all notes and consultations?")
                             .arg(record.person.fullName, record.person.birthDate.toString(m_dateFormat));
    if (m_ask(QStringLiteral("Question"), text) != 0)
        return;
    if (!m_book->removeClient(id)) {
        tellBookError();
        return;
    }
    m_model->reload();
    showClient(0);
}

// --- notes and consultations ---------------------------------------------------------

void CClientsPage::showClient(qint64 id)
{
    m_notes->clear();
    m_consultations->clear();
    ClientRecord record;
    const bool found = id != 0 && m_book && m_book->client(id, record);
    m_side->setEnabled(found);
    if (!found) {
        m_clientLabel->setText(QStringLiteral("Choose a client to see the notes and consultations."));
        return;
    }
    const PersonInput &p = record.person;
    m_clientLabel->setText(QStringLiteral("%1, born %2\nLife Path %3, Expression %4")
                               .arg(p.fullName, p.birthDate.toString(m_dateFormat))
                               .arg(record.lifePath)
                               .arg(record.expression));
    for (const ClientNote &note : m_book->notes(id))
        m_notes->addItem(note.written.toLocalTime().toString(m_dateFormat + QStringLiteral(" hh:mm")) + QStringLiteral("  ")
                         + note.text);
    for (const Consultation &c : m_book->consultations(id)) {
        QStringList parts{c.held.toString(m_dateFormat)};
        for (const QString &part : {c.topic, c.notes}) {
            if (!part.isEmpty())
                parts << part;
        }
        QString line = parts.join(QStringLiteral("  "));
        for (const HandedReport &r : c.reports)
            line += QStringLiteral("\n  handed over: %1 (%2)").arg(r.kind, r.fileName);
        m_consultations->addItem(line);
    }
}

void CClientsPage::addNote(const QString &text)
{
    const qint64 id = currentClient();
    if (id == 0 || text.trimmed().isEmpty())
        return;
    if (m_book->addNote(id, text.trimmed()) <= 0)
        tellBookError();
    showClient(id);
}

void CClientsPage::addConsultation(const QDate &held, const QString &topic, const QString &notes)
{
    const qint64 id = currentClient();
    if (id == 0 || (topic.trimmed().isEmpty() && notes.trimmed().isEmpty()))
        return;
    if (m_book->addConsultation(id, {0, held, topic.trimmed(), notes.trimmed(), {}}) <= 0)
        tellBookError();
    // The list shows the last consultation.
    m_model->reload();
    selectClient(id);
}

// --- import and export ----------------------------------------------------------

void CClientsPage::importFiles()
{
    if (!ensureOpen())
        return;
    const QStringList files = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Import Clients"), QString(),
        QStringLiteral("Person files and client lists (*.num *.csv);;All files (*)"));
    if (files.isEmpty())
        return;
    ClientImporter importer(*m_book);
    ImportReport report;
    for (const QString &file : files)
        importer.importFile(file, report);
    m_model->reload();
    QString text = QStringLiteral("Added %1, skipped %2 already in the book, %3 unusable.")
                       .arg(report.added)
                       .arg(report.duplicates)
                       .arg(report.unusable);
    const int shown = 12;
    for (int k = 0; k < report.problems.size() && k < shown; ++k) {
        const ImportProblem &problem = report.problems.at(k);
        text += QStringLiteral("\n%1%2: %3")
                    .arg(problem.file, problem.line > 0 ? QStringLiteral(":%1").arg(problem.line) : QString(),
                         problem.reason);
    }
    if (report.problems.size() > shown)
        text += QStringLiteral("\n... and %1 more").arg(report.problems.size() - shown);
    m_tell(QStringLiteral("Import Clients"), text);
}

QVector<qint64> CClientsPage::exportedClients() const
{
    QVector<qint64> ids;
    if (!m_book || !m_book->isOpen())
        return ids;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        ids << m_model->clientId(index.row());
    std::sort(ids.begin(), ids.end());
    if (ids.isEmpty()) {
        for (const ClientSummary &row : m_book->find(ClientFilter()))
            ids << row.id;
        std::sort(ids.begin(), ids.end());
    }
    return ids;
}

bool CClientsPage::exportCsvTo(const QString &path)
{
    const QVector<qint64> ids = exportedClients();
    if (ids.isEmpty())
        return false;
    QString error;
    if (!::exportCsv(*m_book, path, ids, &error)) {
        m_tell(QStringLiteral("Export Clients"), path + QStringLiteral(": ") + error);
        return false;
    }
    return true;
}

bool CClientsPage::exportPersonFilesTo(const QString &folder)
{
    const QVector<qint64> ids = exportedClients();
    if (ids.isEmpty())
        return false;
    QStringList written;
    QString error;
    const bool done = ::exportPersonFiles(*m_book, folder, ids, &written, &error);
    QString text = (written.size() == 1 ? QStringLiteral("1 person file written to %1.")
                                        : QStringLiteral("%1 person files written to %2.").arg(written.size()))
                       .arg(QDir::toNativeSeparators(folder));
    if (!done) {
        m_tell(QStringLiteral("Export Clients"), text + QStringLiteral("\nStopped at %1").arg(error));
        return false;
    }
    m_inform(QStringLiteral("Export Clients"), text);
    return true;
}

void CClientsPage::exportCsv()
{
    if (!ensureOpen())
        return;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Clients"),
                                                      QStringLiteral("clients.csv"),
                                                      QStringLiteral("Client lists (*.csv)"));
    if (!path.isEmpty())
        exportCsvTo(path);
}

void CClientsPage::exportPersonFiles()
{
    if (!ensureOpen())
        return;
    // Files already in the folder are kept; new ones take a counter.
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Export Clients as Person Files"), QDir::homePath());
    if (!folder.isEmpty())
        exportPersonFilesTo(folder);
}
