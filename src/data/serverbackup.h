#pragma once

#include <QDateTime>
#include <QString>

class BackupStore;
class DataModule;

// The archives of the server store, in the very format of the directory store's: the server's rows
// are read into table files of the same layouts, which are then zipped with their manifest, so that
// an archive taken from either store restores onto either. The daily copies are the directory
// store's alone: the server's own backups are its administrator's.
namespace ServerBackup {

// Writes the archive of the four tables of `server` (activated on the server store) at `zipPath`.
bool writeArchive(DataModule &server, const QString &zipPath, const QDateTime &now, QString *error);
// Puts the rows of a copy `staged` and checked by BackupStore in place of the server's, in one
// transaction.
bool restore(const BackupStore &staged, DataModule &server, QString *error);

} // namespace ServerBackup
