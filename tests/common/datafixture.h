#pragma once

#include "data/activation.h"
#include "data/datamodule.h"

#include <QTemporaryDir>
#include <QVariantMap>

class Table;

// A fresh data directory with the four tables created and opened, for tests of the data layer and
// the pages.
class DataFixture
{
public:
    // On the directory store, or on the server store at that address (its four tables emptied).
    explicit DataFixture(const QString &server = QString());

    // The test server's address (VELMORA_TEST_SERVER, set by scripts/with-postgres); empty without one.
    static QString testServer();
    // A test run on both stores: initTestCase_data() adds the rows "directory" and "server";
    // storeOfRow() is the row's server address (empty: the directory store), and
    // serverRowWithoutServer() tells init() to skip the server's row when no test server runs.
    static void addStoreRows();
    static QString storeOfRow();
    static bool serverRowWithoutServer();
    // Stops (false) or starts (true) the test server again; false when that cannot be done.
    static bool switchServer(bool on);

    // The directory standing for the executable's; the database directory is inside it.
    QString base() const { return m_dir.path(); }
    QString dbDir() const { return Activation::databaseDirectory(m_dir.path()); }
    DataModule &data() { return m_data; }
    Activation::Result activate();
    // Another copy of the program on the same store.
    Activation::Result activateCopy(DataModule &copy) const;

    // Appends and posts a row with the given values; fails the test when the post is refused.
    static bool add(Table *table, const QVariantMap &values);
    // Garbage over the second page of a table file: it still opens, its tree no longer holds.
    // False when the file is too small to have one.
    static bool damage(const QString &path);

private:
    QTemporaryDir m_dir;
    QString m_server;
    DataModule m_data;
};
