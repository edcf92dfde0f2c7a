#include "review/reviewmodel.h"

#include <QBrush>
#include <QFont>

void ReviewModel::setList(ReviewList list)
{
    beginResetModel();
    m_list = std::move(list);
    endResetModel();
}

int ReviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_list.rows.size());
}

int ReviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_list.header.size());
}

QVariant ReviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.rows.size())
        return {};
    const bool marked = m_list.marked.value(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return m_list.rows.at(index.row()).value(index.column());
    case Qt::ForegroundRole:
        return marked ? QVariant(QBrush(Qt::red)) : QVariant();
    case Qt::FontRole: {
        if (!marked)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default:
        return {};
    }
}

QVariant ReviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_list.header.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
