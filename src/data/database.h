#pragma once

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>

#include <memory>

class QSqlError;
class QSqlQuery;
class StoreLock;

// The one connection of the program, to one of two stores. The directory store: SQLite, each table
// file of the database directory attached under its table's name, so that queries over several
// tables run as written ("select * from employeur, contact, expatries"); files are found without
// regard to letter case. The server store: one PostgreSQL database holding the four tables under
// their names in lower case, reached by a libpq address ("postgresql://user@host/db"; the password
// comes from ~/.pgpass or PGPASSWORD, never from us). Both run the transactions that span tables.
// While the directory store is open the connection holds it against a restore by another copy of
// the program (StoreLock); files replaced under it all the same (by a program that does not ask)
// are noticed before the next save, which is refused while the files are opened again.
class Database : public QObject
{
    Q_OBJECT

public:
    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    // Sets the database directory (without trailing separator); the connection opens on first use.
    void setDirectory(const QString &directory);
    QString directory() const { return m_directory; }
    // Sets the server store's address instead (an empty one goes back to the directory); the
    // connection opens on first use.
    void setServer(const QString &uri);
    QString server() const { return m_server; }
    bool isServer() const { return !m_server.isEmpty(); }
    // The address as shown: without any password it holds.
    static QString displayAddress(const QString &uri);

    // The name of the file in the directory whose name equals `name` without regard to letter case,
    // or an empty string when there is none.
    QString findFile(const QString &name) const;

    // Attaches the file (a path inside the directory) under the alias; reattaching the same file is
    // a no-op. False with a French message in lastError() on failure.
    bool attach(const QString &alias, const QString &path);
    // Each attach() is matched by a detach(); the file is let go when the last user detaches,
    // or at once when forced (before the file is replaced).
    void detach(const QString &alias, bool force = false);
    bool isAttached(const QString &alias) const { return m_attached.contains(alias.toLower()); }

    // Runs one statement; false with a French message in lastError() on failure.
    bool exec(QSqlQuery &query);
    QSqlQuery newQuery() const;

    // A transaction over every attached file: both writes land, or neither.
    bool transaction();
    bool commit();
    void rollback();
    bool inTransaction() const { return m_transactionDepth > 0; }

    // Asks every open query to let go of its statement, so that writes commit at once.
    void releaseStatements();

    // Counts the writes made through this connection, and reads the engine's version of an attached
    // file (it changes when another connection writes it): together they tell whether a count read
    // earlier still holds.
    void noteWrite() { ++m_writes; }
    quint64 writes() const { return m_writes; }
    qint64 dataVersion(const QString &alias) const;
    // Whether a count read earlier can be kept while writes() and dataVersion() hold: on the server
    // another clerk's write is not seen that way, so counts are read again.
    bool countsCanBeKept() const { return !isServer(); }

    QString lastError() const { return m_lastError; }

    // A French message for an engine failure, naming the file or table it concerns.
    static QString describe(const QSqlError &error, const QString &subject);

    bool isOpen() const { return m_open; }
    // Opens the connection in the directory (done by the first attach as well), holding the store
    // until the connection closes.
    bool open();
    QSqlDatabase connection() const { return QSqlDatabase::database(m_connectionName, false); }

    // On the server: tells the other copies of the program that a table's rows changed (when the
    // transaction commits); nothing on the directory store.
    void announceChange(const QString &table);

signals:
    void releaseRequested();
    // Another copy of the program changed the rows of a table (its name in lower case): server only.
    void changedElsewhere(const QString &table);
    void aliasDetached(const QString &alias);
    // The connection was closed and opened again with the same files attached: what was read from
    // it before may have changed.
    void reopened();

private:
    bool openServer();
    bool attachFile(const QString &alias, const QString &path);
    // The first attached file that is no longer at its place in the directory (renamed over or
    // deleted since it was attached); empty when there is none.
    QString movedFile() const;
    QString listenerName() const;
    void dropConnections();
    bool reconnect();
    bool begin();
    void notified(const QString &name, QSqlDriver::NotificationSource source, const QVariant &payload);
    void closeConnection();
    QString m_connectionName;
    QString m_directory;
    QString m_server;
    QHash<QString, QString> m_attached; // alias (lower case) -> path
    QHash<QString, int> m_users; // alias (lower case) -> attach count
    QString m_lastError;
    bool m_open = false;
    int m_transactionDepth = 0;
    quint64 m_writes = 0;
    qint64 m_backendPid = 0;
    std::unique_ptr<StoreLock> m_hold; // the directory store, while the connection is open
};
