#pragma once

#include "forms/reportdatasource.h"

class Table;

// A table's current view as a form reads it: its rows in key order, fields by name.
class TableDataSource : public ReportDataSource
{
public:
    explicit TableDataSource(Table *table)
        : m_table(table)
    { }

    int rowCount() const override;
    bool first() override;
    bool next() override;
    QVariant value(const QString &field) const override;

private:
    Table *m_table;
};
