#pragma once

// The book's list as a table for a view: name, birth date, Life Path,
// Expression, last consultation. Rows are fetched a page at a time as the
// view scrolls (canFetchMore/fetchMore), so a book of any size costs one
// page to show; a new search or sort starts again from the first page.

#include "clients/clientbook.h"

#include <QAbstractTableModel>

class ClientTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int PAGE_ROWS = 200;
    // The client id of a row, from data() of any column.
    static constexpr int ID_ROLE = Qt::UserRole + 1;

    explicit ClientTableModel(ClientBook *book, QObject *parent = nullptr);

    // Filters by the search text (clientsearch.h); the refused words are
    // kept for the page to show.
    void setSearch(const QString &text);
    QStringList searchErrors() const { return m_filter.errors; }
    // Reads the first page again, after the book changed.
    void reload();
    // How the date columns read: the window's own order, month or day first.
    void setDateFormat(const QString &format);

    qint64 clientId(int row) const;
    int rowOfClient(qint64 id) const; // -1 when not fetched

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    ClientBook *m_book;
    ClientFilter m_filter;
    ClientColumn m_sortBy = ClientColumn::Name;
    bool m_descending = false;
    QVector<ClientSummary> m_rows;
    bool m_complete = false;
    QString m_dateFormat = QStringLiteral("MM/dd/yyyy");
    QString m_search;
};
