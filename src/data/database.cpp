#include "data/database.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {
// The main file of the connection: it holds no table, but a transaction over several attached
// files is only atomic when the main database is a real file (the engine keeps its super-journal
// beside it).
const char *SessionFileName = ".velmora-session";

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
    emit releaseRequested();
    {
        QSqlDatabase db = connection();
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Database::setDirectory(const QString &directory)
{
    if (directory == m_directory)
        return;
    if (m_open) {
        emit releaseRequested();
        {
            QSqlDatabase db = connection();
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
        m_open = false;
        m_attached.clear();
        m_users.clear();
    }
    m_directory = directory;
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
    if (m_directory.isEmpty() || !QFileInfo(m_directory).isDir()) {
        m_lastError
            = QStringLiteral("Le répertoire de la base de données « %1 » n'existe pas.").arg(m_directory);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(QDir(m_directory).filePath(QLatin1String(SessionFileName)));
    // Another copy of the program writing to the same files: wait a little for its lock.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        m_lastError = describe(db.lastError(), QDir(m_directory).filePath(QLatin1String(SessionFileName)));
        QSqlDatabase::removeDatabase(m_connectionName);
        return false;
    }
    m_open = true;
    return true;
}

bool Database::attach(const QString &alias, const QString &path)
{
    if (!open())
        return false;
    const QString key = alias.toLower();
    if (m_attached.contains(key)) {
        if (QFileInfo(m_attached.value(key)).canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
            ++m_users[key];
            return true;
        }
        detach(alias, true);
    }
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
    m_attached.insert(key, path);
    m_users.insert(key, 1);
    return true;
}

void Database::detach(const QString &alias, bool force)
{
    const QString key = alias.toLower();
    if (!m_attached.contains(key))
        return;
    if (!force && --m_users[key] > 0)
        return;
    emit releaseRequested();
    QSqlQuery q(connection());
    q.exec(QStringLiteral("DETACH DATABASE ") + quoted(alias));
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
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        m_transactionDepth = 0;
        m_lastError = describe(q.lastError(), QString());
        return false;
    }
    return true;
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
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("PRAGMA %1.data_version").arg(quoted(alias))) || !q.next())
        return -1;
    return q.value(0).toLongLong();
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
