#include "data/rowrecord.h"

#include "data/fieldvalue.h"

RowRecord::RowRecord(const QStringList &columns, const QVariantList &values)
    : m_columns(columns)
    , m_values(values)
{ }

QVariant RowRecord::value(const QString &column) const
{
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return m_values.value(i);
    }
    return {};
}

QString RowRecord::text(const QString &column) const
{
    return FieldValue::display(value(column));
}

QVariantMap RowRecord::toMap() const
{
    QVariantMap map;
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        map.insert(m_columns.at(i), m_values.value(i));
    return map;
}
