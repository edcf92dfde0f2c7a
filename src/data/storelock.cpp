#include "data/storelock.h"

#include <QDir>
#include <QLockFile>
#include <QSysInfo>
#include <QUuid>

namespace {
const char *DirectoryLockName = ".velmora-store.lock";
const char *OpenLockPrefix = ".velmora-open-";
const char *OpenLockSuffix = ".lock";

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A lock kept as long as the store is: never taken for stale by its age, only when its process
// is gone.
std::unique_ptr<QLockFile> lockFile(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}
} // namespace

StoreLock::StoreLock(const QString &directory)
    : m_directory(directory)
{ }

StoreLock::~StoreLock()
{
    release();
}

bool StoreLock::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool StoreLock::isHeld() const
{
    return m_open || m_directoryLock;
}

void StoreLock::release()
{
    m_open.reset();
    m_directoryLock.reset();
}

bool StoreLock::takeDirectoryLock()
{
    m_directoryLock = lockFile(QDir(m_directory).filePath(QLatin1String(DirectoryLockName)));
    if (m_directoryLock->tryLock(WaitMs))
        return true;
    const bool busy = m_directoryLock->error() == QLockFile::LockFailedError;
    m_directoryLock.reset();
    return fail(busy
            ? QStringLiteral("La base « %1 » est en cours de restauration dans un autre exemplaire du "
                             "programme : réessayez dans un instant.")
                  .arg(shown(m_directory))
            : QStringLiteral("Impossible de créer le fichier de verrou « %1 » : le répertoire de la "
                             "base n'est pas accessible en écriture.")
                  .arg(shown(QDir(m_directory).filePath(QLatin1String(DirectoryLockName)))));
}

bool StoreLock::holdOpen()
{
    release();
    if (!takeDirectoryLock())
        return false;
    const QString name = QLatin1String(OpenLockPrefix) + QUuid::createUuid().toString(QUuid::WithoutBraces)
        + QLatin1String(OpenLockSuffix);
    m_open = lockFile(QDir(m_directory).filePath(name));
    const bool held = m_open->tryLock(0);
    // Once this copy's own lock is there, a restore sees it: the directory's lock is let go.
    m_directoryLock.reset();
    if (held)
        return true;
    m_open.reset();
    return fail(QStringLiteral("Impossible de créer le fichier de verrou « %1 » : le répertoire de la base "
                               "n'est pas accessible en écriture.")
                    .arg(shown(QDir(m_directory).filePath(name))));
}

bool StoreLock::takeAll()
{
    release();
    if (!takeDirectoryLock())
        return false;
    QString error;
    const QStringList holders = liveHolders(&error);
    if (error.isEmpty() && holders.isEmpty())
        return true;
    m_directoryLock.reset();
    return fail(error.isEmpty() ? QStringLiteral("La base « %1 » est ouverte dans un autre exemplaire du "
                                                 "programme (%2) : fermez-le avant de restaurer.")
                                      .arg(shown(m_directory), holders.join(QLatin1String(", ")))
                                : error);
}

QStringList StoreLock::liveHolders(QString *error) const
{
    QStringList holders;
    const QDir dir(m_directory);
    const QStringList locks
        = dir.entryList({ QLatin1String(OpenLockPrefix) + QLatin1Char('*') + QLatin1String(OpenLockSuffix) },
            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : locks) {
        const std::unique_ptr<QLockFile> probe = lockFile(dir.filePath(name));
        // Taken: its copy is gone (QLockFile removed what it left), or it let go meanwhile.
        if (probe->tryLock(0)) {
            probe->unlock();
            continue;
        }
        if (probe->error() != QLockFile::LockFailedError) {
            *error = QStringLiteral("Le fichier de verrou « %1 » ne peut pas être examiné : rien n'est fait "
                                    "tant qu'on ne sait pas si un autre exemplaire du programme a la base "
                                    "ouverte.")
                         .arg(shown(dir.filePath(name)));
            return {};
        }
        qint64 pid = 0;
        QString host;
        QString application;
        probe->getLockInfo(&pid, &host, &application);
        holders << (host.isEmpty() || host == QSysInfo::machineHostName()
                ? QStringLiteral("processus %1").arg(pid)
                : QStringLiteral("processus %1 sur le poste %2").arg(pid).arg(host));
    }
    // A copy holding the store twice (a backup while it has it open) is named once.
    holders.removeDuplicates();
    return holders;
}
