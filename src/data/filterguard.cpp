#include "data/filterguard.h"

#include "data/table.h"

FilterGuard::FilterGuard(Table *table, const QString &field, const QVariant &value)
    : m_table(table)
{
    m_table->setFiltered(false);
    m_table->setFilter(field, value);
    m_active = m_table->setFiltered(true);
}

FilterGuard::~FilterGuard()
{
    lift();
}

void FilterGuard::lift()
{
    if (!m_active)
        return;
    m_active = false;
    m_table->setFiltered(false);
}
