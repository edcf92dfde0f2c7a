#include "printing/tabledatasource.h"

#include "data/table.h"

int TableDataSource::rowCount() const
{
    return m_table->rowCount();
}

bool TableDataSource::first()
{
    return m_table->first();
}

bool TableDataSource::next()
{
    return m_table->next();
}

QVariant TableDataSource::value(const QString &field) const
{
    if (!m_table->hasField(field) || m_table->position() < 0)
        return {};
    return m_table->value(field);
}
