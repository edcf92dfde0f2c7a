#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Who has a database directory open, between the copies of the program. Each copy holds a lock file
// of its own in the directory (".velmora-open-<id>.lock") for as long as it has the store open, and
// takes the directory's own lock (".velmora-store.lock") for the moment it puts it there. A restore
// takes the directory's lock for the whole of its work and goes on only when no other copy holds the
// store, so that no copy saves into files about to be replaced nor opens them meanwhile. QLockFile
// tells the lock of a process that died from a live one: a copy that crashed stands in no one's way.
class StoreLock
{
public:
    explicit StoreLock(const QString &directory);
    ~StoreLock();
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

    // This copy has the store open, until release(). False with a French message when a restore
    // holds the directory past the wait, or when no lock file can be made there.
    bool holdOpen();
    // The store for this copy alone, until release(): false with a French message, and nothing
    // held, when another copy has it open or is restoring it.
    bool takeAll();
    void release();
    bool isHeld() const;
    QString lastError() const { return m_lastError; }

    // How long a copy waits for a restore running elsewhere, and a restore for a copy opening.
    static constexpr int WaitMs = 3000;

private:
    bool takeDirectoryLock();
    // The copies holding the store now, each as "processus N" (with its computer when not this one).
    QStringList liveHolders(QString *error) const;
    bool fail(const QString &message);

    QString m_directory;
    QString m_lastError;
    std::unique_ptr<QLockFile> m_directoryLock;
    std::unique_ptr<QLockFile> m_open;
};
