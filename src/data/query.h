#pragma once

#include "data/rowrecord.h"

#include <QObject>
#include <QStringList>
#include <QVariant>

#include <memory>

class Database;
class QSqlQuery;

// An SQL query over the attached tables, as the print side uses it: lines of SQL with bound values,
// opened lazily (rows are stepped one at a time, never all loaded), a row count on demand, and
// columns read by name without regard to case. "select *" over several tables names a repeated
// column with the first free suffix "_1", "_2", ...
class Query : public QObject
{
    Q_OBJECT

public:
    explicit Query(Database *database, QObject *parent = nullptr);
    ~Query() override;

    void clear();
    void addLine(const QString &line);
    QString sql() const { return m_lines.join(QLatin1Char('\n')); }
    // Binds a value to a ":name" placeholder of the SQL text.
    void bindValue(const QString &placeholder, const QVariant &value);

    bool open();
    void close();
    bool isOpen() const { return m_open; }

    // Rows of the whole result (counted by the engine, not by reading them).
    int count() const;
    bool first();
    bool next();
    bool atEnd() const { return m_row.isEmpty(); }
    int position() const { return m_pos; }

    QStringList columns() const { return m_columns; }
    // The column of the current row; null when the column does not exist or the result is empty.
    QVariant value(const QString &column) const;
    QString text(const QString &column) const;
    // The current row as a value; empty when the result is empty.
    RowRecord record() const;
    // Opens the query and reads its rows as values, at most `limit` of them (all with -1).
    bool readRows(QList<RowRecord> *rows, int limit = -1);

    QString lastError() const { return m_lastError; }

private:
    bool execute(int offset);
    void release();
    void readRow();
    void takeWindow();
    bool nextRaw(QVariantList *raw);

    Database *m_db;
    QStringList m_lines;
    QVariantMap m_binds;
    std::unique_ptr<QSqlQuery> m_query;
    QStringList m_fieldNames; // as the engine names them
    QStringList m_columns;
    QVariantList m_row;
    int m_pos = -1;
    bool m_open = false;
    mutable int m_count = -1;
    // On a server: the rows of the window read, and the next of them to step on.
    QList<QVariantList> m_window;
    qsizetype m_windowNext = 0;
    static constexpr int ServerWindow = 200;
    QString m_lastError;
};
