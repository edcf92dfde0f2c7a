#pragma once

#include "forms/reportdatasource.h"

class Query;

// The print query as the forms read it: its rows, its columns by name without regard to case.
class QueryDataSource : public ReportDataSource
{
public:
    explicit QueryDataSource(Query *query)
        : m_query(query)
    { }

    int rowCount() const override;
    bool first() override;
    bool next() override;
    QVariant value(const QString &field) const override;

private:
    Query *m_query;
};
