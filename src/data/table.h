#pragma once

#include "data/fielddef.h"
#include "data/tablebuffer.h"
#include "data/tablecursor.h"
#include "data/tablefile.h"
#include "data/tablesql.h"

#include <QHash>
#include <QObject>
#include <QVariant>

class Database;

// One table of the database directory as the pages see it: a current row in a view (all rows in
// key order, or those of a one-field filter), navigation, and the browse/edit/insert cycle.
// Problems are reported by return value with a French message in lastError(). A save or a delete
// first checks that the row is still as it was read: when another copy of the program changed or
// deleted it meanwhile, it is refused (conflict() says which) and what was typed stays. The file and its
// layout, the SQL text, the current row and the edit buffer are each held by a part of their own;
// the table runs the cycle between them and tells its users what changed.
class Table : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table(Database *database, const TableSchema &schema, QObject *parent = nullptr);

    const TableSchema &schema() const { return m_schema; }
    Database *database() const { return m_db; }

    // The file name inside the database directory ("Employeur.DB").
    void setFileName(const QString &fileName) { m_file.setFileName(fileName); }
    QString fileName() const { return m_file.fileName(); }
    // Whether the file exists, its name compared without regard to letter case.
    bool exists() const;

    // The layout used by create(): the columns the object holds (after a failed open, those read from
    // the file). appendField() refuses a name already in the list (compared without regard to case).
    QList<FieldDef> fieldDefs() const { return m_file.fieldDefs(); }
    void clearFieldDefs() { m_file.clearFieldDefs(); }
    bool appendField(const FieldDef &field);
    void clearIndex() { m_file.clearIndex(); }
    void setIndex(const QString &field) { m_file.setIndex(field); }
    // Replaces any file of that name by an empty table of the held layout.
    bool create();

    bool open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    // Completes the pending change, rereads the view and the current row; runs beforeRefresh first.
    bool refresh();

    // The view.
    void setFilter(const QString &field, const QVariant &value);
    QString filterField() const { return m_sql.filterField(); }
    QVariant filterValue() const { return m_sql.filterValue(); }
    bool setFiltered(bool on);
    bool isFiltered() const { return m_sql.isFiltered(); }
    int rowCount() const;
    // Whether the view holds a row, without counting them all.
    bool hasRows() const;
    // The highest value of a field over the whole table, whatever the view; null when it is empty.
    QVariant maximum(const QString &field) const;

    // Navigation: each completes the pending change first (posts it when changed, drops it when not).
    bool first();
    bool last();
    bool next();
    bool prior();
    bool moveTo(int row);
    // Moves to a row whose key the caller already read (a grid's line): no need to count up to it.
    bool moveTo(int row, const QVariant &key);
    int position() const { return m_cursor.position(); }
    // Finds the row with this key in the view and makes it current.
    bool locate(const QVariant &key);

    // The editing cycle.
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    bool append();
    bool edit();
    // Checks the pending row as post() would (blank required field, duplicate key, values that do not
    // fit their columns) without writing it.
    bool validate();
    bool post();
    void cancel();
    bool remove();

    // What the last refused post() or remove() found when the row was no longer as it was read.
    enum class Conflict { None, Changed, Deleted };
    Conflict conflict() const { return m_conflict; }
    // The fields another copy changed (names as in the layout), for Conflict::Changed.
    QStringList changedFields() const { return m_changedFields; }
    // The caption an entry form names a field by ("TÉL"): messages name the field by it.
    void setFieldCaption(const QString &field, const QString &caption);
    // For a table whose integer key the program numbers (NOUVEAU proposes the next number): a new row
    // whose number another copy took meanwhile is saved under the next free one instead of refused.
    void setRenumberOnInsert(bool on) { m_renumberOnInsert = on; }
    // The number the last post saved a new row under when it was not the one the row was given;
    // null otherwise.
    QVariant renumberedTo() const { return m_renumberedTo; }
    // Drops what was typed and reads the row again as the store holds it now (the nearest one
    // when it is gone).
    bool reload();
    // Deletes every row whose field equals the value (in the whole table, not only the view).
    bool removeWhere(const QString &field, const QVariant &value);

    // The editing state, to put back after a transaction that was rolled back.
    struct Snapshot
    {
        State state = State::Inactive;
        int pos = -1;
        QVariantList current;
        QVariantList buffer;
        QVariant editKey;
        bool modified = false;
        QVariantList original;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot &snapshot);
    // Posts when changed, drops when not: what leaving a row does.
    bool completePending();

    // Field access by name, without regard to case. value() is null for blank or unknown fields.
    bool hasField(const QString &name) const { return m_schema.indexOf(name) >= 0; }
    QVariant value(const QString &name) const;
    // The value as shown: dates "dd/mm/yyyy", numbers plain; what was typed while it is being edited.
    QString text(const QString &name) const;
    bool setValue(const QString &name, const QVariant &value);
    // Checks a value against its column without writing it; empty when it fits.
    QString checkValue(const QString &name, const QVariant &value) const;

    // Rows of the view for a grid: `count` rows from `offset`, the given fields, as program values.
    QList<QVariantList> fetchRows(int offset, int count, const QStringList &fields) const;

    // For writing rows in bulk (an import) with one prepared statement: the insert of every field in
    // layout order; the caller binds stored values and runs the transaction. Valid while the table
    // is open.
    QString insertStatement() const { return m_sql.insert(); }

    QString lastError() const { return m_lastError; }

    // The open table's name and a column's as its store's statements write them (for imports and
    // the copies between stores).
    QString sqlName() const { return m_sql.table(); }
    QString sqlColumn(const QString &field) const { return m_sql.column(field); }

signals:
    void beforeRefresh();
    void afterOpen();
    void afterScroll();
    // The current row (or the values of the row being edited) changed.
    void currentChanged();
    void fieldChanged(const QString &field);
    void stateChanged();
    // The rows of the view changed (filter, post, delete, open, close).
    void viewReset();

private:
    void aliasDetached(const QString &alias);
    bool fail(const QString &message);
    // False with the message when the table is not open.
    bool requireOpen();
    QString noSuchField(const QString &name) const;
    void setState(State state);
    // `keyMayMove`: a new row's taken number is left to the post to change (validate()).
    bool checkedValues(QVariantList *values, bool keyMayMove = false);
    // The checks and the statement of a post, inside its transaction.
    bool writePending(QVariantList *values);
    void renumberIfTaken();
    bool removeRow(const QVariant &key, const QVariantList &asRead);
    // False with the message, and the conflict noted, when the row with the key is no longer `asRead`.
    bool stillAsRead(const QVariant &key, const QVariantList &asRead, bool removing);
    // Runs `step` in a transaction of its own unless one is already open (the caller's then
    // decides); false with the message when the step or the commit fails.
    template<typename Step> bool inTransaction(Step step);
    // Tells the users the view and the current row changed.
    void announceView();
    void announceScroll();

    Database *m_db;
    TableSchema m_schema;
    TableFile m_file;
    TableSql m_sql;
    TableCursor m_cursor;
    TableBuffer m_buffer;
    State m_state = State::Inactive;
    Conflict m_conflict = Conflict::None;
    bool m_renumberOnInsert = false;
    QVariant m_renumberedTo;
    QStringList m_changedFields;
    QHash<QString, QString> m_captions; // by field name in lower case
    QString m_lastError;
};
