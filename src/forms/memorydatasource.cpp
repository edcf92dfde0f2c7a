#include "memorydatasource.h"

MemoryDataSource::MemoryDataSource(const QList<QVariantMap> &rows)
{
    setRows(rows);
}

void MemoryDataSource::setRows(const QList<QVariantMap> &rows)
{
    m_rows = rows;
    m_current = m_rows.isEmpty() ? -1 : 0;
}

void MemoryDataSource::appendRow(const QVariantMap &row)
{
    m_rows.append(row);
    if (m_current < 0)
        m_current = 0;
}

int MemoryDataSource::rowCount() const
{
    return int(m_rows.size());
}

bool MemoryDataSource::first()
{
    m_current = m_rows.isEmpty() ? -1 : 0;
    return m_current >= 0;
}

bool MemoryDataSource::next()
{
    if (m_current < 0 || m_current + 1 >= m_rows.size())
        return false;
    ++m_current;
    return true;
}

QVariant MemoryDataSource::value(const QString &field) const
{
    if (m_current < 0)
        return {};
    const QVariantMap &row = m_rows.at(m_current);
    const auto exact = row.constFind(field);
    if (exact != row.constEnd())
        return exact.value();
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}
