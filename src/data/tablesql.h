#pragma once

#include "data/fielddef.h"

#include <QStringList>
#include <QVariant>

// The SQL text of one table's statements: the attached file's table by its qualified name, the
// view's one-field filter as a WHERE clause with its bound value, and the statements the cursor and
// the edit cycle run. Builds text and bound values only; runs nothing.
class TableSql
{
public:
    explicit TableSql(const TableSchema &schema)
        : m_schema(schema)
    { }

    static QString quoted(const QString &identifier);
    static QString columnType(FieldType type);

    // The attached file's alias and the table's name as written in that file; on the server store
    // (`server`), the table of that name alone, its names in lower case.
    void setTarget(const QString &alias, const QString &table, bool server = false);
    bool onServer() const { return m_server; }
    // A column's name as the store's statements write it.
    QString column(const QString &name) const;
    void clearAlias() { m_alias.clear(); }
    QString alias() const { return m_alias; }
    QString table() const;

    // The view's filter: the rows whose field equals the value, while it is on.
    void setFilter(const QString &field, const QVariant &value);
    QString filterField() const { return m_filterField; }
    QVariant filterValue() const { return m_filterValue; }
    void setFiltered(bool on) { m_filtered = on; }
    bool isFiltered() const { return m_filtered; }
    bool filters() const { return m_filtered && !m_filterField.isEmpty(); }
    // The values the view's filter binds, first in every statement over the view.
    QVariantList filterBinds() const;

    QString columnList(const QStringList &fields) const;

    // Over the view.
    QString count() const;
    QString anyRow() const;
    // Every field of the rows of the view, then `tail`: "ORDER BY …", or "AND …" adding a condition.
    QString rows(const QString &tail) const;
    QString rowAt() const;
    QString lastRow() const;
    QString rowWithKey() const;
    QString keyInView() const;
    QString keysBefore() const;
    QString page(const QStringList &fields, bool fromEnd) const;

    // Over the whole table.
    QString maximum(const QString &name) const;
    QString keyTaken() const;
    // Every field of the row with a key, whatever the view.
    QString storedRow() const;
    // What keeps another copy from inserting until the transaction ends; empty when the store's
    // write transaction does that already.
    QString lockForInsert() const;
    QString insert() const;
    QString update() const;
    QString removeKey() const;
    QString removeWhere(const QString &name) const;

private:
    QString where() const;
    QString whereAnd() const;
    QString fieldNames() const;
    QVariant storageFilterValue() const;

    const TableSchema &m_schema;
    QString m_alias;
    QString m_table;
    QString m_filterField;
    QVariant m_filterValue;
    bool m_filtered = false;
    bool m_server = false;
};
