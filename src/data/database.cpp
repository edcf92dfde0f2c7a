#include "data/database.h"

#include "data/storelock.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

#include <sqlite3.h>

namespace {
// The main file of the connection: it holds no table, but a transaction over several attached
// files is only atomic when the main database is a real file (the engine keeps its super-journal
// beside it).
const char *SessionFileName = ".velmora-session";
// The server's channel on which each save names the table it changed.
const char *ChannelName = "velmora";

QString quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}
} // namespace

Database::Database(QObject *parent)
    : QObject(parent)
    , m_connectionName(QStringLiteral("velmora-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{ }

Database::~Database()
{
    dropConnections();
}

// The statements let go, then the connection and the server's listening one closed and removed.
void Database::dropConnections()
{
    emit releaseRequested();
    {
        QSqlDatabase db = connection();
        if (db.isValid())
            db.close();
        QSqlDatabase listener = QSqlDatabase::database(listenerName(), false);
        if (listener.isValid())
            listener.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    QSqlDatabase::removeDatabase(listenerName());
}

QString Database::listenerName() const
{
    return m_connectionName + QStringLiteral("-listen");
}

void Database::closeConnection()
{
    if (!m_open)
        return;
    dropConnections();
    m_hold.reset();
    m_open = false;
    m_transactionDepth = 0;
    m_attached.clear();
    m_users.clear();
}

void Database::setDirectory(const QString &directory)
{
    if (directory == m_directory && m_server.isEmpty())
        return;
    closeConnection();
    m_server.clear();
    m_directory = directory;
}

// A connection the server dropped, or whose files were replaced, is closed and opened again, the
// tables still counted as attached (in the directory, each file attached again). False when that
// could not be done whole.
bool Database::reconnect()
{
    const QHash<QString, QString> attached = m_attached;
    const QHash<QString, int> users = m_users;
    closeConnection();
    if (!open())
        return false;
    bool whole = true;
    for (auto it = attached.cbegin(); it != attached.cend(); ++it) {
        if (!isServer() && !attachFile(it.key(), it.value())) {
            whole = false;
            continue;
        }
        m_attached.insert(it.key(), it.value());
        m_users.insert(it.key(), users.value(it.key()));
    }
    if (!isServer()) {
        // Counts read on the old files are not to be kept.
        noteWrite();
        emit reopened();
    }
    return whole;
}

void Database::setServer(const QString &uri)
{
    if (uri == m_server)
        return;
    closeConnection();
    m_server = uri;
}

QString Database::displayAddress(const QString &uri)
{
    QUrl url(uri);
    if (!url.isValid())
        return uri;
    url.setPassword(QString());
    return url.toString();
}

bool Database::openServer()
{
    const QUrl url(m_server);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres"))) {
        m_lastError = QStringLiteral("L'adresse du serveur « %1 » n'est pas valable : elle s'écrit "
                                     "postgresql://utilisateur@machine/base.")
                          .arg(m_server);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
    if (!db.isValid()) {
        m_lastError
            = QStringLiteral("Le pilote PostgreSQL de Qt (paquet libqt6sql6-psql) n'est pas installé.");
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    db.setHostName(url.host());
    if (url.port() > 0)
        db.setPort(url.port());
    db.setUserName(url.userName());
    db.setPassword(url.password());
    db.setDatabaseName(url.path().mid(1));
    // Other libpq settings of the address (sslmode, host=/socket/dir, …) are passed on as given.
    QStringList options { QStringLiteral("connect_timeout=5") };
    const QUrlQuery query(url);
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host"))
            db.setHostName(value);
        else if (key == QLatin1String("port"))
            db.setPort(value.toInt());
        else if (key == QLatin1String("user"))
            db.setUserName(value);
        else if (key == QLatin1String("dbname"))
            db.setDatabaseName(value);
        else
            options << key + QLatin1Char('=') + value;
    }
    db.setConnectOptions(options.join(QLatin1Char(';')));
    if (!db.open()) {
        m_lastError = QStringLiteral("Le serveur de la base partagée « %1 » ne répond pas : %2")
                          .arg(displayAddress(m_server), db.lastError().databaseText().simplified());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    // The server's notices ("already exists, skipping") are no news for the user.
    QSqlQuery(db).exec(QStringLiteral("SET client_min_messages TO warning"));
    {
        QSqlQuery pid(db);
        m_backendPid = pid.exec(QStringLiteral("SELECT pg_backend_pid()")) && pid.next()
            ? pid.value(0).toLongLong()
            : 0;
    }
    // Other copies' saves, for the lists to follow them: heard on a connection of its own that runs
    // no statement, else the driver may read a notice while stepping a query and never tell it.
    QSqlDatabase listener = QSqlDatabase::cloneDatabase(db, listenerName());
    if (listener.open() && listener.driver()->subscribeToNotification(QLatin1String(ChannelName)))
        connect(listener.driver(), &QSqlDriver::notification, this, &Database::notified);
    m_open = true;
    return true;
}

QString Database::findFile(const QString &name) const
{
    const QDir dir(m_directory);
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

bool Database::open()
{
    if (m_open)
        return true;
    if (isServer())
        return openServer();
    if (m_directory.isEmpty() || !QFileInfo(m_directory).isDir()) {
        m_lastError
            = QStringLiteral("Le répertoire de la base de données « %1 » n'existe pas.").arg(m_directory);
        return false;
    }
    // Held before the files are opened: a restore running elsewhere finishes first, one starting
    // later sees this copy and refuses.
    auto hold = std::make_unique<StoreLock>(m_directory);
    if (!hold->holdOpen()) {
        m_lastError = hold->lastError();
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(QDir(m_directory).filePath(QLatin1String(SessionFileName)));
        // Another copy of the program writing to the same files: wait a little for its lock.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            m_lastError
                = describe(db.lastError(), QDir(m_directory).filePath(QLatin1String(SessionFileName)));
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            return false;
        }
    }
    m_hold = std::move(hold);
    m_open = true;
    return true;
}

bool Database::attach(const QString &alias, const QString &path)
{
    if (!open())
        return false;
    const QString key = alias.toLower();
    // The server holds every table: nothing to attach, the users are counted alike.
    if (isServer()) {
        m_attached.insert(key, path);
        ++m_users[key];
        return true;
    }
    if (m_attached.contains(key)) {
        if (QFileInfo(m_attached.value(key)).canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
            ++m_users[key];
            return true;
        }
        detach(alias, true);
    }
    if (!attachFile(alias, path))
        return false;
    m_attached.insert(key, path);
    m_users.insert(key, 1);
    return true;
}

bool Database::attachFile(const QString &alias, const QString &path)
{
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("ATTACH DATABASE ? AS ") + quoted(alias));
    q.addBindValue(path);
    if (!q.exec()) {
        m_lastError = describe(q.lastError(), path);
        return false;
    }
    // Rollback journal rather than write-ahead log: only a rollback journal makes a transaction
    // over several files atomic; synchronous=FULL flushes it to disk before each commit returns.
    QSqlQuery pragma(connection());
    pragma.exec(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(quoted(alias)));
    pragma.exec(QStringLiteral("PRAGMA %1.synchronous=FULL").arg(quoted(alias)));
    return true;
}

QString Database::movedFile() const
{
    const QVariant handle = connection().driver() ? connection().driver()->handle() : QVariant();
    if (isServer() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return {};
    sqlite3 *db = *static_cast<sqlite3 *const *>(handle.data());
    for (auto it = m_attached.cbegin(); it != m_attached.cend(); ++it) {
        int moved = 0;
        if (sqlite3_file_control(db, it.key().toUtf8().constData(), SQLITE_FCNTL_HAS_MOVED, &moved)
                == SQLITE_OK
            && moved)
            return it.value();
    }
    return {};
}

void Database::detach(const QString &alias, bool force)
{
    const QString key = alias.toLower();
    if (!m_attached.contains(key))
        return;
    if (!force && --m_users[key] > 0)
        return;
    emit releaseRequested();
    if (!isServer()) {
        QSqlQuery q(connection());
        q.exec(QStringLiteral("DETACH DATABASE ") + quoted(alias));
    }
    m_attached.remove(key);
    m_users.remove(key);
    emit aliasDetached(alias);
}

QSqlQuery Database::newQuery() const
{
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    return q;
}

bool Database::exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    m_lastError = describe(query.lastError(), QString());
    return false;
}

bool Database::transaction()
{
    if (!open())
        return false;
    if (m_transactionDepth++ > 0)
        return true;
    emit releaseRequested();
    if (!begin()) {
        m_transactionDepth = 0;
        return false;
    }
    m_transactionDepth = 1;
    return true;
}

// Opens the transaction; on the server, a connection the server dropped (restarted, network gone)
// is opened again first.
bool Database::begin()
{
    // Files replaced under the connection would take the save into files no longer in the directory:
    // nothing is written, the files in place are opened, and the clerk saves again.
    const QString moved = movedFile();
    if (!moved.isEmpty()) {
        const bool reopened = reconnect();
        const QString replaced
            = QStringLiteral("Le fichier « %1 » a été remplacé pendant que VELMORA l'avait "
                             "ouvert (une restauration faite ailleurs) : rien n'a été "
                             "enregistré.")
                  .arg(QDir::toNativeSeparators(moved));
        m_lastError = reopened
            ? replaced
                + QStringLiteral(" La base vient d'être rouverte ; vos saisies restent à l'écran : "
                                 "enregistrez de nouveau.")
            : replaced + QStringLiteral(" La base n'a pas pu être rouverte : %1").arg(m_lastError);
        return false;
    }
    const QString statement = isServer() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
    for (int attempt = 0; attempt < 2; ++attempt) {
        {
            QSqlQuery q(connection());
            if (q.exec(statement))
                return true;
            m_lastError = describe(q.lastError(), QString());
        }
        if (!isServer())
            return false;
        reconnect();
        if (!m_open) {
            m_lastError = QStringLiteral("%1\nRien n'a été enregistré. Vos saisies restent à l'écran ; la "
                                         "connexion sera rétablie à la prochaine action.")
                              .arg(m_lastError);
            return false;
        }
    }
    return false;
}

bool Database::commit()
{
    if (m_transactionDepth == 0)
        return false;
    if (--m_transactionDepth > 0)
        return true;
    noteWrite();
    emit releaseRequested();
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("COMMIT"))) {
        m_lastError = describe(q.lastError(), QString());
        QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}

void Database::rollback()
{
    if (m_transactionDepth == 0)
        return;
    m_transactionDepth = 0;
    noteWrite();
    QSqlQuery q(connection());
    q.exec(QStringLiteral("ROLLBACK"));
}

qint64 Database::dataVersion(const QString &alias) const
{
    if (isServer())
        return -1;
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("PRAGMA %1.data_version").arg(quoted(alias))) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

void Database::announceChange(const QString &table)
{
    if (!isServer())
        return;
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("SELECT pg_notify(?, ?)"));
    q.addBindValue(QLatin1String(ChannelName));
    // The saving connection's number: the listening one hears its own copy's saves too.
    q.addBindValue(QStringLiteral("%1 %2").arg(table.toLower()).arg(m_backendPid));
    q.exec();
}

void Database::notified(const QString &name, QSqlDriver::NotificationSource source, const QVariant &payload)
{
    const QStringList parts = payload.toString().split(QLatin1Char(' '));
    if (name != QLatin1String(ChannelName) || source == QSqlDriver::SelfSource || parts.size() != 2
        || parts.at(1).toLongLong() == m_backendPid)
        return;
    emit changedElsewhere(parts.at(0));
}

void Database::releaseStatements()
{
    emit releaseRequested();
}

QString Database::describe(const QSqlError &error, const QString &subject)
{
    const QString native = error.nativeErrorCode();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    const QString where = subject.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(subject);
    // The server's own codes (SQLSTATE): a key taken meanwhile, a connection gone.
    if (native == QLatin1String("23505"))
        return QStringLiteral("Une autre copie de VELMORA vient d'enregistrer la même clé%1 : rien n'a été "
                              "enregistré.")
            .arg(where);
    // Two copies waiting on each other's rows: the server ends one of the two transactions.
    if (native == QLatin1String("40P01") || native == QLatin1String("40001")
        || native == QLatin1String("55P03"))
        return QStringLiteral("La base partagée est occupée par une autre copie de VELMORA%1 : rien n'a été "
                              "enregistré. Réessayez dans un instant.")
            .arg(where);
    if (native.startsWith(QLatin1String("08")) || native.startsWith(QLatin1String("57P"))
        || text.contains(QLatin1String("server closed the connection"))
        || text.contains(QLatin1String("no connection to the server"))
        || text.contains(QLatin1String("connection to server")))
        return QStringLiteral("Le serveur de la base partagée ne répond pas%1 : rien n'a été enregistré. "
                              "Vos saisies restent à l'écran ; la connexion sera rétablie à la prochaine "
                              "action.")
            .arg(where);
    if (native == QLatin1String("5") || native == QLatin1String("6")
        || text.contains(QLatin1String("locked")))
        return QStringLiteral("La base de données est occupée par une autre copie de VELMORA%1. "
                              "Réessayez dans un instant.")
            .arg(where);
    if (native == QLatin1String("26") || native == QLatin1String("11")
        || text.contains(QLatin1String("not a database")) || text.contains(QLatin1String("malformed")))
        return QStringLiteral("Le fichier%1 n'est pas une table valide : il est endommagé ou d'un autre "
                              "format. Il n'a pas été modifié.")
            .arg(where);
    if (native == QLatin1String("14") || text.contains(QLatin1String("unable to open")))
        return QStringLiteral("Impossible d'ouvrir le fichier%1.").arg(where);
    if (native == QLatin1String("8") || text.contains(QLatin1String("readonly")))
        return QStringLiteral("Le fichier%1 est en lecture seule : l'enregistrement est impossible.")
            .arg(where);
    if (native == QLatin1String("13") || text.contains(QLatin1String("full")))
        return QStringLiteral("Le disque est plein%1 : l'enregistrement est impossible.").arg(where);
    return QStringLiteral("Erreur de la base de données%1 : %2").arg(where, text);
}
