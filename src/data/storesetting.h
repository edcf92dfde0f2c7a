#pragma once

#include <QString>

// The shared base the program opens when the command line names none: a server address saved in the
// user's settings ("Fichier › Base partagée…"), or none for the data directory. No password is ever
// saved: libpq finds it in ~/.pgpass or PGPASSWORD, as PostgreSQL users expect.
namespace StoreSetting {

QString savedServer();
// Saves the address without any password it holds; an empty one goes back to the data directory.
void saveServer(const QString &uri);

} // namespace StoreSetting
