#include "data/tablesql.h"

#include "data/fieldvalue.h"

QString TableSql::quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString TableSql::columnType(FieldType type)
{
    return type == FieldType::Integer ? QStringLiteral("INTEGER") : QStringLiteral("TEXT");
}

void TableSql::setTarget(const QString &alias, const QString &table, bool server)
{
    m_alias = alias;
    m_table = server ? table.toLower() : table;
    m_server = server;
}

QString TableSql::table() const
{
    if (m_server)
        return quoted(m_table);
    return quoted(m_alias) + QLatin1Char('.') + quoted(m_table);
}

QString TableSql::column(const QString &name) const
{
    return quoted(m_server ? name.toLower() : name);
}

void TableSql::setFilter(const QString &field, const QVariant &value)
{
    m_filterField = field;
    m_filterValue = value;
}

QVariant TableSql::storageFilterValue() const
{
    const FieldDef *f = m_schema.field(m_filterField);
    if (!f)
        return m_filterValue;
    if (f->type == FieldType::Integer) {
        // A quoted literal compared with a number is the number it spells.
        bool ok = false;
        const int n = m_filterValue.toString().trimmed().toInt(&ok);
        return ok ? QVariant(n) : m_filterValue;
    }
    if (f->type == FieldType::Date) {
        QString error;
        const auto checked = FieldValue::check(*f, m_filterValue, &error);
        return checked.ok ? FieldValue::toStorage(FieldType::Date, checked.value) : m_filterValue;
    }
    return m_filterValue.toString();
}

QVariantList TableSql::filterBinds() const
{
    if (filters())
        return { storageFilterValue() };
    return {};
}

QString TableSql::where() const
{
    if (!filters())
        return {};
    const FieldDef *f = m_schema.field(m_filterField);
    return QStringLiteral(" WHERE %1 = ?").arg(column(f ? f->name : m_filterField));
}

// The view's condition followed by the start of another one.
QString TableSql::whereAnd() const
{
    const QString w = where();
    return w + (w.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND "));
}

QString TableSql::columnList(const QStringList &fields) const
{
    QStringList columns;
    for (const QString &f : fields)
        columns << column(f);
    return columns.join(QStringLiteral(", "));
}

QString TableSql::fieldNames() const
{
    QStringList names;
    for (const FieldDef &f : m_schema.fields)
        names << f.name;
    return columnList(names);
}

QString TableSql::count() const
{
    return QStringLiteral("SELECT count(*) FROM %1%2").arg(table(), where());
}

QString TableSql::anyRow() const
{
    return QStringLiteral("SELECT 1 FROM %1%2 LIMIT 1").arg(table(), where());
}

QString TableSql::rows(const QString &tail) const
{
    QString rest = tail;
    if (rest.startsWith(QLatin1String("AND ")))
        rest = whereAnd() + rest.mid(4);
    else
        rest = where() + QLatin1Char(' ') + rest;
    return QStringLiteral("SELECT %1 FROM %2%3").arg(fieldNames(), table(), rest);
}

QString TableSql::rowAt() const
{
    return rows(QStringLiteral("ORDER BY %1 LIMIT 1 OFFSET ?").arg(column(m_schema.key)));
}

QString TableSql::lastRow() const
{
    return rows(QStringLiteral("ORDER BY %1 DESC LIMIT 1").arg(column(m_schema.key)));
}

QString TableSql::rowWithKey() const
{
    return rows(QStringLiteral("AND %1 = ?").arg(column(m_schema.key)));
}

QString TableSql::keyInView() const
{
    return QStringLiteral("SELECT 1 FROM %1%2%3 = ?").arg(table(), whereAnd(), column(m_schema.key));
}

QString TableSql::keysBefore() const
{
    return QStringLiteral("SELECT count(*) FROM %1%2%3 < ?").arg(table(), whereAnd(), column(m_schema.key));
}

QString TableSql::page(const QStringList &fields, bool fromEnd) const
{
    return QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4%5 LIMIT ? OFFSET ?")
        .arg(columnList(fields), table(), where(), column(m_schema.key),
            fromEnd ? QStringLiteral(" DESC") : QString());
}

QString TableSql::maximum(const QString &name) const
{
    return QStringLiteral("SELECT max(%1) FROM %2").arg(column(name), table());
}

QString TableSql::keyTaken() const
{
    return QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(table(), column(m_schema.key));
}

QString TableSql::storedRow() const
{
    // On the server the row stays locked until the transaction ends: another copy's save of it
    // waits, then finds it changed.
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?%4")
        .arg(fieldNames(), table(), column(m_schema.key),
            m_server ? QStringLiteral(" FOR UPDATE") : QString());
}

QString TableSql::lockForInsert() const
{
    return m_server ? QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE").arg(table()) : QString();
}

QString TableSql::insert() const
{
    QStringList marks;
    for (qsizetype i = 0; i < m_schema.fields.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table(), fieldNames(), marks.join(QStringLiteral(", ")));
}

QString TableSql::update() const
{
    QStringList sets;
    for (const FieldDef &f : m_schema.fields)
        sets << column(f.name) + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
        .arg(table(), sets.join(QStringLiteral(", ")), column(m_schema.key));
}

QString TableSql::removeKey() const
{
    return removeWhere(m_schema.key);
}

QString TableSql::removeWhere(const QString &name) const
{
    return QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table(), column(name));
}
