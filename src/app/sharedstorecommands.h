#pragma once

#include <QString>

#include <optional>

class DataModule;
class QWidget;
class UiService;

// The window's side of the shared base: "Fichier › Base partagée…" (the choice checked by a first
// connection, then saved), and the backup and restore of the menu when the window works on a server.
namespace SharedStoreCommands {

// Asks which base to open; the server's address, or an empty string for the data directory; nothing
// when the user cancels or the server cannot be reached (said to the user). The choice is saved.
std::optional<QString> choose(QWidget *parent, UiService &ui, const QString &currentServer);
// "Sauvegarder la base…" on the server: the archive at `path`.
void backup(QWidget *parent, UiService &ui, DataModule &data, const QString &path);
// "Restaurer une sauvegarde…" on the server: the archive or daily copy `source`, once confirmed.
void restore(QWidget *parent, UiService &ui, DataModule &data, const QString &source);

} // namespace SharedStoreCommands
