#include "app/sharedstore.h"

#include "app/commandline.h"
#include "data/activation.h"
#include "data/backupstore.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/serverbackup.h"
#include "data/storecopy.h"
#include "data/storesetting.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

int say(QTextStream &errors, const QString &text, int status)
{
    errors << QStringLiteral("velmora: %1").arg(text) << Qt::endl;
    return status;
}

} // namespace

namespace SharedStore {

QString location(const CommandLine &line, const QString &baseDirectory)
{
    if (!line.server().isEmpty())
        return line.server();
    if (line.dataDirectory().isEmpty()) {
        const QString saved = StoreSetting::savedServer();
        if (!saved.isEmpty())
            return saved;
    }
    return baseDirectory;
}

int runCopy(const CommandLine &line, const QString &baseDirectory, QTextStream &errors)
{
    const bool toServer = line.action() == CommandLine::Action::CopyToServer;
    if (toServer && !QFileInfo(Activation::databaseDirectory(baseDirectory)).isDir())
        return say(errors, QStringLiteral("aucune base de données dans « %1 »").arg(baseDirectory), 2);
    DataModule directory;
    DataModule server;
    const Activation::Result dirOpened = Activation::run(directory, baseDirectory);
    if (!dirOpened.ok)
        return say(errors, dirOpened.error, 1);
    const Activation::Result serverOpened = Activation::runOnServer(server, line.subject());
    if (!serverOpened.ok)
        return say(errors, serverOpened.error, 1);
    StoreCopy copy;
    if (!copy.run(toServer ? directory : server, toServer ? server : directory)) {
        return say(errors, copy.lastError(), copy.refused() ? 2 : 1);
    }
    return say(errors,
        QStringLiteral("copie terminée vers %1 : %2")
            .arg(toServer ? Database::displayAddress(line.subject())
                          : QDir::toNativeSeparators(Activation::databaseDirectory(baseDirectory)),
                StoreCopy::describeCounts(copy.counts())),
        0);
}

int runArchive(const CommandLine &line, const QString &server, QTextStream &errors)
{
    DataModule data;
    const Activation::Result opened = Activation::runOnServer(data, server);
    if (!opened.ok)
        return say(errors, opened.error, 1);
    const QString archive = QFileInfo(line.subject()).absoluteFilePath();
    QString error;
    if (line.action() == CommandLine::Action::Backup)
        return ServerBackup::writeArchive(data, archive, QDateTime::currentDateTime(), &error)
            ? 0
            : say(errors, error, 1);
    BackupStore staged(QDir::tempPath());
    if (!staged.stage(archive))
        return say(errors, staged.lastError(), 2);
    if (!ServerBackup::restore(staged, data, &error))
        return say(errors, error, 1);
    return say(errors,
        QStringLiteral("%1 restaurée sur le serveur").arg(BackupStore::describe(staged.summary()).chopped(1)),
        0);
}

} // namespace SharedStore
