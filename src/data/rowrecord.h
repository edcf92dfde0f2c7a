#pragma once

#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// One row read from a query, kept as a value: its columns in the query's order, named as the query
// names them ("Projet_1" for the second "Projet"), read by name without regard to case. Whoever
// holds it reads the row as it was read, whatever the tables do afterwards.
class RowRecord
{
public:
    RowRecord() = default;
    RowRecord(const QStringList &columns, const QVariantList &values);

    bool isEmpty() const { return m_columns.isEmpty(); }
    QStringList columns() const { return m_columns; }
    // The column's value; null when there is no such column.
    QVariant value(const QString &column) const;
    // The value as the forms and the pages show it (dates as dd/mm/yyyy).
    QString text(const QString &column) const;
    // The row as a map from column name to value, for the report engine's memory source.
    QVariantMap toMap() const;

private:
    QStringList m_columns;
    QVariantList m_values;
};
