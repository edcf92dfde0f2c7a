#pragma once

#include "reportdatasource.h"

#include <QList>
#include <QVariantMap>

// A data source over rows held in memory, each a map from column name to value; positioned on
// its first row when it has one.
class MemoryDataSource : public ReportDataSource
{
public:
    MemoryDataSource() = default;
    explicit MemoryDataSource(const QList<QVariantMap> &rows);

    void setRows(const QList<QVariantMap> &rows);
    void appendRow(const QVariantMap &row);
    int currentRow() const { return m_current; }

    int rowCount() const override;
    bool first() override;
    bool next() override;
    QVariant value(const QString &field) const override;

private:
    QList<QVariantMap> m_rows;
    int m_current = -1;
};
