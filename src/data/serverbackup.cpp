#include "data/serverbackup.h"

#include "data/activation.h"
#include "data/backupstore.h"
#include "data/datamodule.h"
#include "data/storecopy.h"

#include <QTemporaryDir>

namespace ServerBackup {

bool writeArchive(DataModule &server, const QString &zipPath, const QDateTime &now, QString *error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        *error = QStringLiteral("La sauvegarde n'a pas pu être faite : aucun dossier temporaire.");
        return false;
    }
    {
        DataModule files;
        const Activation::Result made = Activation::run(files, work.path());
        StoreCopy copy;
        if (!made.ok || !copy.run(server, files)) {
            *error = QStringLiteral("La sauvegarde n'a pas pu être faite : %1")
                         .arg(made.ok ? copy.lastError() : made.error);
            return false;
        }
        files.release();
    }
    BackupStore store(Activation::databaseDirectory(work.path()));
    if (!store.writeArchive(zipPath, now)) {
        *error = store.lastError();
        return false;
    }
    return true;
}

bool restore(const BackupStore &staged, DataModule &server, QString *error)
{
    const QString folder = staged.stagedDirectory();
    if (folder.isEmpty()) {
        *error = QStringLiteral("La sauvegarde n'a pas été vérifiée : rien n'a été restauré.");
        return false;
    }
    DataModule files;
    if (!StoreCopy::openDirectory(files, folder, error))
        return false;
    StoreCopy copy;
    const bool ok = copy.run(files, server, true);
    if (!ok)
        *error = QStringLiteral("La sauvegarde n'a pas été restaurée : %1").arg(copy.lastError());
    files.release();
    return ok;
}

} // namespace ServerBackup
