#pragma once

#include "data/fielddef.h"

#include <QObject>
#include <QVariant>

class Database;

// One table of the database directory as the pages see it: a current row in a view (all rows in
// key order, or those of a one-field filter), navigation, and the browse/edit/insert cycle.
// Problems are reported by return value with a French message in lastError().
class Table : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table(Database *database, const TableSchema &schema, QObject *parent = nullptr);

    const TableSchema &schema() const { return m_schema; }
    Database *database() const { return m_db; }

    // The file name inside the database directory ("Employeur.DB").
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    QString fileName() const { return m_fileName; }
    // Whether the file exists, its name compared without regard to letter case.
    bool exists() const;

    // The layout used by create(): the columns the object holds (after a failed open, those read from
    // the file). appendField() refuses a name already in the list (compared without regard to case).
    QList<FieldDef> fieldDefs() const { return m_fieldDefs; }
    void clearFieldDefs() { m_fieldDefs.clear(); }
    bool appendField(const FieldDef &field);
    void clearIndex() { m_indexField.clear(); }
    void setIndex(const QString &field) { m_indexField = field; }
    // Replaces any file of that name by an empty table of the held layout.
    bool create();

    bool open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    // Completes the pending change, rereads the view and the current row; runs beforeRefresh first.
    bool refresh();

    // The view.
    void setFilter(const QString &field, const QVariant &value);
    QString filterField() const { return m_filterField; }
    QVariant filterValue() const { return m_filterValue; }
    bool setFiltered(bool on);
    bool isFiltered() const { return m_filtered; }
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
    int position() const { return m_pos; }
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

    QString lastError() const { return m_lastError; }

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
    QString qualifiedTable() const;
    QString whereClause(bool withFilter) const;
    QVariantList filterBinds() const;
    QString columnList(const QStringList &fields) const;
    bool loadAt(int pos);
    bool loadWhere(const QString &condition, const QVariantList &binds, int pos);
    bool loadKey(const QVariant &key);
    int positionOfKey(const QVariant &key) const;
    QVariant storageFilterValue() const;
    void setCurrent(const QVariantList &values);
    void clearCurrent();
    void invalidateCount() { m_count = -1; }
    bool countHolds() const;
    bool fail(const QString &message);
    bool checkedValues(QVariantList *values);
    QString filePath() const;
    void setState(State state);
    bool readLayout(QString *tableName, QList<FieldDef> *columns);

    Database *m_db;
    TableSchema m_schema;
    QString m_fileName;
    QList<FieldDef> m_fieldDefs;
    QString m_indexField;

    QString m_alias;
    QString m_sqlTable;

    QString m_filterField;
    QVariant m_filterValue;
    bool m_filtered = false;
    mutable int m_count = -1;
    mutable quint64 m_countWrites = 0;
    mutable qint64 m_countVersion = -1;

    State m_state = State::Inactive;
    int m_pos = -1;
    QVariantList m_current;
    QVariantList m_buffer;
    QVariant m_editKey;
    bool m_modified = false;
    QString m_lastError;
};
