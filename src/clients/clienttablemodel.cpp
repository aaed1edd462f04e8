#include "clienttablemodel.h"

namespace {

// The header texts, in the order of ClientColumn.
const char *const COLUMN_TITLES[] = {"Name", "Birth Date", "Life Path", "Expression", "Last Consultation"};
static_assert(sizeof(COLUMN_TITLES) / sizeof(COLUMN_TITLES[0]) == int(ClientColumn::COUNT), "one per column");

} // namespace

ClientTableModel::ClientTableModel(ClientBook *book, QObject *parent)
    : QAbstractTableModel(parent), m_book(book)
{
    reload();
}

void ClientTableModel::setSearch(const QString &text)
{
    m_search = text;
    m_filter = parseClientSearch(text, m_dateFormat.startsWith(QLatin1String("dd")) ? SlashedDates::DayFirst
                                                                                    : SlashedDates::MonthFirst);
    reload();
}

void ClientTableModel::reload()
{
    beginResetModel();
    m_rows.clear();
    m_complete = false;
    if (m_book && m_book->isOpen()) {
        m_rows = m_book->find(m_filter, m_sortBy, m_descending, 0, PAGE_ROWS);
        m_complete = m_rows.size() < PAGE_ROWS;
    } else {
        m_complete = true;
    }
    endResetModel();
}

qint64 ClientTableModel::clientId(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).id : 0;
}

int ClientTableModel::rowOfClient(qint64 id) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).id == id)
            return row;
    }
    return -1;
}

int ClientTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int ClientTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ClientColumn::COUNT);
}

QVariant ClientTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const ClientSummary &row = m_rows.at(index.row());
    if (role == ID_ROLE)
        return row.id;
    if (role == Qt::TextAlignmentRole && index.column() >= int(ClientColumn::LifePath)
        && index.column() <= int(ClientColumn::Expression))
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    switch (ClientColumn(index.column())) {
    case ClientColumn::Name:
        return row.shortName.isEmpty() || role != Qt::ToolTipRole
            ? row.fullName
            : row.fullName + QStringLiteral(" (") + row.shortName + QLatin1Char(')');
    case ClientColumn::BirthDate:
        return row.birthDate.toString(m_dateFormat);
    case ClientColumn::LifePath:
        return row.lifePath;
    case ClientColumn::Expression:
        return row.expression;
    case ClientColumn::LastConsultation:
        return row.lastConsultation.isValid() ? row.lastConsultation.toString(m_dateFormat) : QString();
    case ClientColumn::COUNT:
        break;
    }
    return QVariant();
}

void ClientTableModel::setDateFormat(const QString &format)
{
    if (format == m_dateFormat)
        return;
    m_dateFormat = format;
    if (!m_search.isEmpty()) {
        setSearch(m_search); // a slashed date in it now reads in the new order
        return;
    }
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows.size() - 1, int(ClientColumn::COUNT) - 1));
}

QVariant ClientTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= int(ClientColumn::COUNT))
        return QVariant();
    return QLatin1String(COLUMN_TITLES[section]);
}

void ClientTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= int(ClientColumn::COUNT))
        return;
    m_sortBy = ClientColumn(column);
    m_descending = order == Qt::DescendingOrder;
    reload();
}

bool ClientTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_complete;
}

void ClientTableModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || m_complete || !m_book)
        return;
    const QVector<ClientSummary> more = m_book->find(m_filter, m_sortBy, m_descending, m_rows.size(), PAGE_ROWS);
    m_complete = more.size() < PAGE_ROWS;
    if (more.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size() + more.size() - 1);
    m_rows += more;
    endInsertRows();
}
