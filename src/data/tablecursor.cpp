#include "data/tablecursor.h"

#include "data/database.h"
#include "data/fieldvalue.h"
#include "data/tablesql.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

TableCursor::TableCursor(Database *database, const TableSchema &schema, const TableSql &sql)
    : m_db(database)
    , m_schema(schema)
    , m_sql(sql)
{ }

QVariant TableCursor::currentKey() const
{
    return m_current.isEmpty() ? QVariant() : m_current.value(m_schema.indexOf(m_schema.key));
}

void TableCursor::clear()
{
    m_current.clear();
    m_pos = -1;
}

void TableCursor::set(int pos, const QVariantList &values)
{
    m_pos = pos;
    m_current = values;
}

bool TableCursor::loadAt(int pos)
{
    if (pos < 0) {
        clear();
        return false;
    }
    return load(m_sql.rowAt(), { pos }, pos);
}

bool TableCursor::loadLast(int pos)
{
    return load(m_sql.lastRow(), {}, pos);
}

bool TableCursor::loadKeyAt(const QVariant &key, int pos)
{
    const FieldDef *keyDef = m_schema.field(m_schema.key);
    return load(m_sql.rowWithKey(), { FieldValue::toStorage(keyDef->type, key) }, pos);
}

bool TableCursor::loadKey(const QVariant &key)
{
    const int pos = positionOfKey(key);
    if (pos < 0)
        return false;
    return loadAt(pos);
}

void TableCursor::loadNear(int pos)
{
    loadAt(qMin(qMax(pos, 0), rowCount() - 1));
}

// Reads the current row with the statement: the view's filter values, then `binds`.
bool TableCursor::load(const QString &statement, const QVariantList &binds, int pos)
{
    QSqlQuery q = m_db->newQuery();
    q.prepare(statement);
    for (const QVariant &v : m_sql.filterBinds())
        q.addBindValue(v);
    for (const QVariant &v : binds)
        q.addBindValue(v);
    if (!q.exec() || !q.next()) {
        clear();
        return false;
    }
    QVariantList values;
    for (int i = 0; i < m_schema.fields.size(); ++i)
        values << FieldValue::fromStorage(m_schema.fields.at(i).type, q.value(i));
    set(pos, values);
    return true;
}

TableCursor::Stored TableCursor::readStored(const QVariant &key, QVariantList *row, QString *error) const
{
    const FieldDef *keyDef = m_schema.field(m_schema.key);
    QSqlQuery q = m_db->newQuery();
    q.prepare(m_sql.storedRow());
    q.addBindValue(FieldValue::toStorage(keyDef->type, key));
    if (!q.exec()) {
        *error = Database::describe(q.lastError(), QString());
        return Stored::Unreadable;
    }
    if (!q.next())
        return Stored::Missing;
    row->clear();
    for (int i = 0; i < m_schema.fields.size(); ++i)
        row->append(FieldValue::fromStorage(m_schema.fields.at(i).type, q.value(i)));
    return Stored::Found;
}

int TableCursor::positionOfKey(const QVariant &key) const
{
    const FieldDef *keyDef = m_schema.field(m_schema.key);
    const QVariant stored = FieldValue::toStorage(keyDef->type, key);
    QSqlQuery exists = m_db->newQuery();
    exists.prepare(m_sql.keyInView());
    for (const QVariant &v : m_sql.filterBinds())
        exists.addBindValue(v);
    exists.addBindValue(stored);
    if (!exists.exec() || !exists.next())
        return -1;
    QSqlQuery q = m_db->newQuery();
    q.prepare(m_sql.keysBefore());
    for (const QVariant &v : m_sql.filterBinds())
        q.addBindValue(v);
    q.addBindValue(stored);
    if (!q.exec() || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool TableCursor::countHolds() const
{
    return m_db->countsCanBeKept() && m_count >= 0 && m_countWrites == m_db->writes()
        && m_countVersion == m_db->dataVersion(m_sql.alias());
}

int TableCursor::rowCount() const
{
    if (countHolds())
        return m_count;
    m_countWrites = m_db->writes();
    m_countVersion = m_db->dataVersion(m_sql.alias());
    QSqlQuery q = m_db->newQuery();
    q.prepare(m_sql.count());
    for (const QVariant &v : m_sql.filterBinds())
        q.addBindValue(v);
    m_count = (q.exec() && q.next()) ? q.value(0).toInt() : 0;
    return m_count;
}

bool TableCursor::hasRows() const
{
    if (countHolds())
        return m_count > 0;
    QSqlQuery q = m_db->newQuery();
    q.prepare(m_sql.anyRow());
    for (const QVariant &v : m_sql.filterBinds())
        q.addBindValue(v);
    return q.exec() && q.next();
}

QVariant TableCursor::maximum(const QString &field) const
{
    const FieldDef *def = m_schema.field(field);
    if (!def)
        return {};
    QSqlQuery q = m_db->newQuery();
    if (!q.exec(m_sql.maximum(def->name)) || !q.next())
        return {};
    return FieldValue::fromStorage(def->type, q.value(0));
}

QList<QVariantList> TableCursor::fetchRows(int offset, int count, const QStringList &fields) const
{
    QList<QVariantList> rows;
    if (count <= 0)
        return rows;
    QList<FieldType> types;
    QStringList names;
    for (const QString &f : fields) {
        const FieldDef *def = m_schema.field(f);
        types << (def ? def->type : FieldType::Text);
        names << (def ? def->name : f);
    }
    // Rows in the second half of the view are read from the end, so that no read steps over more
    // than half of the view.
    const int total = rowCount();
    const bool fromEnd = offset > total / 2;
    const int end = qMin(offset + count, total);
    QSqlQuery q = m_db->newQuery();
    q.prepare(m_sql.page(names, fromEnd));
    for (const QVariant &v : m_sql.filterBinds())
        q.addBindValue(v);
    q.addBindValue(fromEnd ? qMax(end - offset, 0) : count);
    q.addBindValue(fromEnd ? total - end : offset);
    if (!q.exec())
        return rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < names.size(); ++i)
            row << FieldValue::fromStorage(types.at(i), q.value(i));
        rows << row;
    }
    if (fromEnd)
        std::reverse(rows.begin(), rows.end());
    return rows;
}
