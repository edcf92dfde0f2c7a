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
    DataFixture();

    // The directory standing for the executable's; the database directory is inside it.
    QString base() const { return m_dir.path(); }
    QString dbDir() const { return Activation::databaseDirectory(m_dir.path()); }
    DataModule &data() { return m_data; }
    Activation::Result activate() { return Activation::run(m_data, base()); }

    // Appends and posts a row with the given values; fails the test when the post is refused.
    static bool add(Table *table, const QVariantMap &values);
    // Garbage over the second page of a table file: it still opens, its tree no longer holds.
    // False when the file is too small to have one.
    static bool damage(const QString &path);

private:
    QTemporaryDir m_dir;
    DataModule m_data;
};
