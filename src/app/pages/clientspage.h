#pragma once

// The client book's page: it opens over the input overlay ("Clients" there)
// and covers the window's central area until closed. A search line that
// filters as one types (clientsearch.h), the table of clients fetched a
// page at a time, and beside it the chosen client's notes and
// consultations. A double-click (or "Open") hands the client to the window,
// which puts it into the input; "Add current person" takes the input in.
//
// The book is opened the first time the page is shown, so a window that
// never shows it never touches the database.

#include "clients/clientbook.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <memory>

class CSkinManager;
class ClientTableModel;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableView;

class CClientsPage : public QWidget
{
    Q_OBJECT
public:
    // Returns 0 for "Yes", as askQuestion does.
    using Ask = std::function<int(const QString &title, const QString &text)>;
    // Shows a message the user must read (a failed book, an import's lines).
    using Tell = std::function<void(const QString &title, const QString &text)>;

    CClientsPage(const CSkinManager *skin, QWidget *parent);
    ~CClientsPage() override;

    // The book's file; the default is clientBookPath(). Takes effect when
    // the book is next opened.
    void setBookPath(const QString &path) { m_bookPath = path; }
    // The window's whole input, for "Add current person".
    void setInputSource(std::function<PersonInput()> source) { m_input = std::move(source); }
    // Replaces the skinned question and message boxes (tests).
    void setAsk(Ask ask) { m_ask = std::move(ask); }
    // (Both the warnings and the plain news, such as an export's count.)
    void setTell(Tell tell)
    {
        m_tell = tell;
        m_inform = std::move(tell);
    }
    // The options the cached Life Path and Expression follow.
    void setCalculation(const CalcOptions &options, int masterMode);
    // Dates read as in the rest of the window: MM/dd/yyyy or dd/MM/yyyy.
    void setDateFormat(const QString &format);

    // Opens the book when needed and covers the parent.
    void showPage();
    void applyStyle();

    // For tests and the window.
    ClientBook *book() const { return m_book.get(); }
    ClientTableModel *model() const { return m_model; }
    QLineEdit *searchField() const { return m_search; }
    QTableView *table() const { return m_table; }
    qint64 currentClient() const;
    void selectClient(qint64 id);
    void openClientAt(int row);
    void addCurrentPerson();
    void deleteCurrentClient();
    void addNote(const QString &text);
    void addConsultation(const QDate &held, const QString &topic, const QString &notes);
    // The clients chosen in the table, or the whole book when none is
    // chosen, in id order; empty when the book is not open.
    QVector<qint64> exportedClients() const;
    // Export of those clients, as the Export menu's entries do once the file
    // or folder is chosen; a failure is told. False when nothing was written.
    bool exportCsvTo(const QString &path);
    bool exportPersonFilesTo(const QString &folder);

signals:
    // The client to put into the input, as typed.
    void openClient(const PersonInput &person);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The page hides the window under it in the skin's own background.
    void paintEvent(QPaintEvent *event) override;

private:
    bool ensureOpen();
    void buildTable();
    void buildSide();
    void buildButtons();
    void showClient(qint64 id);
    void importFiles();
    void exportCsv();
    void exportPersonFiles();
    void tellBookError();

    const CSkinManager *m_skin;
    QString m_bookPath;
    QString m_dateFormat = QStringLiteral("MM/dd/yyyy");
    std::unique_ptr<ClientBook> m_book;
    CalcOptions m_options;
    int m_masterMode = 0;
    std::function<PersonInput()> m_input;
    Ask m_ask;
    Tell m_tell;
    Tell m_inform;

    ClientTableModel *m_model = nullptr;
    QLabel *m_title = nullptr;
    QLineEdit *m_search = nullptr;
    QLabel *m_searchNote = nullptr;
    QTableView *m_table = nullptr;
    QWidget *m_side = nullptr;
    QLabel *m_clientLabel = nullptr;
    QListWidget *m_notes = nullptr;
    QPlainTextEdit *m_noteText = nullptr;
    QPushButton *m_addNote = nullptr;
    QListWidget *m_consultations = nullptr;
    QDateEdit *m_held = nullptr;
    QLineEdit *m_topic = nullptr;
    QLineEdit *m_consultationNotes = nullptr;
    QPushButton *m_addConsultation = nullptr;
    QList<QPushButton *> m_buttons;
    QList<QWidget *> m_fields;
    QColor m_background;
};
