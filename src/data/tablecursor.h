#pragma once

#include "data/fielddef.h"

#include <QList>
#include <QVariant>

class Database;
class TableSql;

// The current row of a table's view, by position in key order: reads the row at a position, the
// last one or the one with a key, finds a key's position, counts the view (the count is kept while
// neither this connection nor another one wrote the file) and reads rows for a grid.
class TableCursor
{
public:
    TableCursor(Database *database, const TableSchema &schema, const TableSql &sql);

    int position() const { return m_pos; }
    const QVariantList &current() const { return m_current; }
    bool isEmpty() const { return m_current.isEmpty(); }
    // The key of the current row; null without one.
    QVariant currentKey() const;
    void clear();
    // Puts back a row read earlier, at its position.
    void set(int pos, const QVariantList &values);

    // Each reads the row and makes it current; false, without a current row, when there is none.
    bool loadAt(int pos);
    bool loadLast(int pos);
    bool loadKeyAt(const QVariant &key, int pos);
    bool loadKey(const QVariant &key);
    // The row nearest to where the cursor was: pos kept within the view.
    void loadNear(int pos);
    // The row with the key as the table holds it now, whatever the view.
    enum class Stored { Found, Missing, Unreadable };
    // Unreadable gives the engine's message in *error.
    Stored readStored(const QVariant &key, QVariantList *row, QString *error) const;
    // Whether the key is in the view; its position there, -1 when it is not.
    int positionOfKey(const QVariant &key) const;

    int rowCount() const;
    bool hasRows() const;
    void invalidateCount() { m_count = -1; }

    QVariant maximum(const QString &field) const;
    QList<QVariantList> fetchRows(int offset, int count, const QStringList &fields) const;

private:
    bool load(const QString &statement, const QVariantList &binds, int pos);
    bool countHolds() const;

    Database *m_db;
    const TableSchema &m_schema;
    const TableSql &m_sql;
    int m_pos = -1;
    QVariantList m_current;
    mutable int m_count = -1;
    mutable quint64 m_countWrites = 0;
    mutable qint64 m_countVersion = -1;
};
