#include "data/tablemodel.h"

#include "data/fieldvalue.h"
#include "data/table.h"

TableModel::TableModel(Table *table, const QList<Column> &columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_columns(columns)
{
    for (const Column &c : columns)
        m_fields << c.field;
    // The key rides along, after the shown columns.
    m_fields << table->schema().key;
    connect(m_table, &Table::viewReset, this, &TableModel::reset);
    m_rows = m_table->rowCount();
}

void TableModel::reset()
{
    beginResetModel();
    m_pages.clear();
    m_pageOrder.clear();
    m_rows = m_table->rowCount();
    endResetModel();
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

const QList<QVariantList> &TableModel::page(int pageIndex) const
{
    auto it = m_pages.find(pageIndex);
    if (it != m_pages.end())
        return *it;
    if (m_pageOrder.size() >= MaxPages)
        m_pages.remove(m_pageOrder.takeFirst());
    m_pageOrder << pageIndex;
    return *m_pages.insert(pageIndex, m_table->fetchRows(pageIndex * PageSize, PageSize, m_fields));
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_rows)
        return {};
    const auto &rows = page(index.row() / PageSize);
    const int offset = index.row() % PageSize;
    if (offset >= rows.size())
        return {};
    return FieldValue::display(rows.at(offset).value(index.column()));
}

QVariant TableModel::keyAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const auto &rows = page(row / PageSize);
    const int offset = row % PageSize;
    return offset < rows.size() ? rows.at(offset).value(m_fields.size() - 1) : QVariant();
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < m_columns.size())
        return m_columns.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}
