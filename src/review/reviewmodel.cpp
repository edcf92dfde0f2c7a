#include "review/reviewmodel.h"

#include <QBrush>
#include <QFont>

void ReviewModel::setLines(const QStringList &header, int count, Line line, Marked marked, Fetch fetch)
{
    beginResetModel();
    m_header = header;
    m_count = count;
    m_line = std::move(line);
    m_marked = std::move(marked);
    m_fetch = std::move(fetch);
    m_more = bool(m_fetch);
    m_cachedRow = -1;
    endResetModel();
}

bool ReviewModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more;
}

void ReviewModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const int added = m_fetch();
    if (added <= 0) {
        m_more = false;
        return;
    }
    beginInsertRows({}, m_count, m_count + added - 1);
    m_count += added;
    endInsertRows();
}

int ReviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int ReviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_header.size());
}

QVariant ReviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_count)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (m_cachedRow != index.row()) {
            m_cached = m_line(index.row());
            m_cachedRow = index.row();
        }
        return m_cached.value(index.column());
    case Qt::ForegroundRole:
        return m_marked(index.row()) ? QVariant(QBrush(Qt::red)) : QVariant();
    case Qt::FontRole: {
        if (!m_marked(index.row()))
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
        return m_header.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
