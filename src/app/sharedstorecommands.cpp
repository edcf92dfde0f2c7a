#include "app/sharedstorecommands.h"

#include "app/sharedstoredialog.h"
#include "data/activation.h"
#include "data/backupstore.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/serverbackup.h"
#include "data/storesetting.h"
#include "printing/uiservice.h"

#include <QDateTime>
#include <QDir>

namespace SharedStoreCommands {

std::optional<QString> choose(QWidget *parent, UiService &ui, const QString &currentServer)
{
    SharedStoreDialog dialog(parent);
    dialog.setServer(currentServer);
    if (ui.execDialog(&dialog) != QDialog::Accepted)
        return std::nullopt;
    const QString server = dialog.server();
    if (!server.isEmpty() && !Activation::isServerAddress(server)) {
        ui.error(parent,
            QStringLiteral("L'adresse « %1 » n'est pas celle d'un serveur PostgreSQL : elle s'écrit "
                           "postgresql://utilisateur@machine/base. La base n'a pas été changée.")
                .arg(server));
        return std::nullopt;
    }
    if (!server.isEmpty()) {
        DataModule probe;
        const Activation::Result reached = Activation::runOnServer(probe, server);
        if (!reached.ok) {
            ui.error(parent, reached.error + QStringLiteral("\nLa base n'a pas été changée."));
            return std::nullopt;
        }
    }
    StoreSetting::saveServer(server);
    return server;
}

void backup(QWidget *parent, UiService &ui, DataModule &data, const QString &path)
{
    QString error;
    if (ServerBackup::writeArchive(data, path, QDateTime::currentDateTime(), &error))
        ui.message(parent,
            QStringLiteral("La base partagée est sauvegardée dans « %1 ».")
                .arg(QDir::toNativeSeparators(path)));
    else
        ui.error(parent, error);
}

void restore(QWidget *parent, UiService &ui, DataModule &data, const QString &source)
{
    BackupStore staged(QDir::tempPath());
    if (!staged.stage(source)) {
        ui.error(parent, staged.lastError());
        return;
    }
    if (!ui.confirm(parent,
            BackupStore::describe(staged.summary())
                + QStringLiteral("\nLes enregistrements de la base partagée seront remplacés, pour tous les "
                                 "postes. Restaurer cette sauvegarde ?")))
        return;
    QString error;
    if (ServerBackup::restore(staged, data, &error))
        ui.message(parent, QStringLiteral("La sauvegarde est restaurée sur la base partagée."));
    else
        ui.error(parent, error);
}

} // namespace SharedStoreCommands
