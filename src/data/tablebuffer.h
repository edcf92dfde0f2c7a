#pragma once

#include "data/fielddef.h"

#include <QVariant>

class Database;
class QSqlQuery;
class TableSql;

// The values of the row being edited or inserted: what was typed, whether it changed, and the row
// as it was read when editing began (its key to find it again, its values to tell whether another
// copy of the program changed it since). Checks the values as a post would (each against its column, the
// required fields, a key another row already holds) and binds them for the write.
class TableBuffer
{
public:
    // Whether two values as the program holds them are the same (blank equals blank only).
    static bool sameValue(const QVariant &a, const QVariant &b);

    TableBuffer(Database *database, const TableSchema &schema, const TableSql &sql);

    // A blank row to insert, or a copy of the current row to edit (its key kept to find it again).
    void startInsert();
    void startEdit(const QVariantList &current);
    void clear();
    // Puts back a buffer saved earlier.
    void restore(const QVariantList &values, const QVariantList &original, bool modified);

    const QVariantList &values() const { return m_values; }
    QVariant editKey() const { return m_editKey; }
    // The row as read when editing began; empty for a new row.
    const QVariantList &original() const { return m_original; }
    bool isModified() const { return m_modified; }

    QVariant raw(int field) const { return m_values.value(field); }
    // The typed value as the column would hold it, else as typed.
    QVariant value(int field) const;
    // Stores a typed value (an empty text is a blank); false when it equals what the field holds.
    bool set(int field, const QVariant &value);

    // The values as they would be stored; false with the message on a refusal. `inserting` checks
    // the key against every row, editing only when the key changed.
    // `keyMayMove`: a new row's key taken is no refusal (the post renumbers it).
    bool check(bool inserting, const QString &tableName, QVariantList *checked, QString *error,
        bool keyMayMove = false) const;
    // Binds the checked values, then (for an update) the key the row had.
    void bind(QSqlQuery &query, const QVariantList &checked, bool updating) const;

private:
    bool keyFree(const QVariantList &checked, bool inserting, const QString &tableName, QString *error) const;

    Database *m_db;
    const TableSchema &m_schema;
    const TableSql &m_sql;
    QVariantList m_values;
    QVariant m_editKey;
    QVariantList m_original;
    bool m_modified = false;
};
