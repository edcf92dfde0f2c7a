#pragma once

#include <QString>

class Database;
class DataModule;
class Table;

// The activation sequence: creates the database directory and any missing table, opens the four
// tables, the print queries and the agreement print table. Rebuilds an agreement table that cannot
// be opened, after keeping the old file under a dated name.
class Activation
{
public:
    struct Result
    {
        bool ok = true;
        QString error; // French message when not ok
        QString backupPath; // the kept agreement file when the recovery ran
        QString damagedFile; // the table file the engine's quick check refused
        // The directory holds the older program's tables: nothing was touched; error says how to
        // import them, the window asks ParadoxImport::question().
        bool oldFormat = false;
    };

    // `baseDirectory` stands for the executable's directory; the database directory is inside it.
    // Where the program is given a base directory, a server address ("postgresql://…") may stand
    // instead: the run then opens the server store.
    static QString databaseDirectory(const QString &baseDirectory);
    static bool isServerAddress(const QString &location);
    // The base directory used without --data-dir: the program's folder when it already holds a
    // database directory or can be written to and is not one of the system's program folders
    // (the portable use), otherwise the user's data folder, where the database directory is
    // created on first start.
    static QString defaultBaseDirectory(const QString &programDirectory, const QString &userDataDirectory);
    // With `checkFiles` (at start), each table file first passes the engine's quick check.
    static Result run(DataModule &data, const QString &baseDirectory, bool checkFiles = false);
    // The same on the server store at the address: the tables a first connection finds missing are
    // created under a lock the server holds, so that two copies starting at once make them once.
    static Result runOnServer(DataModule &data, const QString &uri);

private:
    static bool defineAndCreate(Table &table, const QString &fileName);
    static bool createIfMissing(Table &table, const QString &fileName);
    static bool reopen(Table &table, const QString &fileName, bool refresh);
    static bool recoverAgreements(DataModule &data, Result &result);
    static bool checkFiles(const Database &db, Result &result);
};
