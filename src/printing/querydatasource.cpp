#include "printing/querydatasource.h"

#include "data/query.h"

int QueryDataSource::rowCount() const
{
    return m_query->count();
}

bool QueryDataSource::first()
{
    return m_query->first();
}

bool QueryDataSource::next()
{
    // Stays on the last row at the end, as the forms expect.
    if (m_query->atEnd())
        return false;
    const int position = m_query->position();
    if (m_query->next())
        return true;
    m_query->first();
    for (int i = 0; i < position; ++i)
        m_query->next();
    return false;
}

QVariant QueryDataSource::value(const QString &field) const
{
    if (m_query->atEnd() || !m_query->columns().contains(field, Qt::CaseInsensitive))
        return {};
    return m_query->value(field);
}
