#pragma once

#include <QMap>
#include <QString>

class DataModule;

// Moves a store's rows to another store: the four tables of one, activated, copied into the other's
// in one transaction of the destination, the counts checked before it commits. A destination that
// already holds rows is refused unless the copy replaces them (a restore), in the same transaction.
class StoreCopy
{
public:
    bool run(DataModule &from, DataModule &to, bool replace = false);
    // The rows copied, by table name.
    QMap<QString, qint64> counts() const { return m_counts; }
    QString lastError() const { return m_lastError; }
    // Whether the last run was refused because the destination held rows.
    bool refused() const { return m_refused; }

    // Opens the four tables of a folder holding their files (a staged copy), creating nothing.
    static bool openDirectory(DataModule &data, const QString &directory, QString *error);
    // "Employeur 3 lignes, contact 1 ligne, …" for the messages.
    static QString describeCounts(const QMap<QString, qint64> &counts);

private:
    bool fail(const QString &message);

    QMap<QString, qint64> m_counts;
    QString m_lastError;
    bool m_refused = false;
};
