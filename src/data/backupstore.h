#pragma once

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The copies of the database directory's four tables: the daily copies kept in "Sauvegardes"
// with their rotation, the `.zip` archives taken to another place, and the way back from either.
// Every copy is taken by the engine's online backup inside one read transaction over the four
// files, so that a save touching two files is in the copy whole or not at all.
class BackupStore
{
public:
    // What a copy holds: its date and the rows of each table.
    struct Summary
    {
        QDateTime taken;
        QString version; // the program's that wrote an archive; empty for a daily copy
        QMap<QString, qint64> counts; // table name -> rows
    };

    explicit BackupStore(const QString &databaseDirectory);
    ~BackupStore();

    // The four table files, as the program names them.
    static QStringList tableFiles();
    // The folder of the daily copies inside the database directory.
    QString folder() const;
    QString lastError() const { return m_lastError; }

    // Today's copy, unless there is one, then the rotation. False with a one-line message on failure.
    bool dailyCopy(const QDate &today);
    // Keeps the last 10 daily copies and the latest of each month of the past year.
    void rotate(const QDate &today);
    // The daily copies, oldest first (full paths).
    QStringList dailyCopies() const;
    // The newest daily copy whose four files pass the checks; empty when there is none.
    QString latestGoodCopy() const;

    // A consistent copy of the four tables into `target` (created; must not exist), the store held
    // meanwhile against a restore.
    bool copyTo(const QString &target);
    // One archive of the four tables and a manifest at `zipPath`.
    bool writeArchive(const QString &zipPath, const QDateTime &now);

    // Reads a daily copy (its folder or a file in it) or an archive into a staging folder and
    // checks it; nothing of the store is touched. summary() then describes it.
    bool stage(const QString &source);
    Summary summary() const { return m_summary; }
    // The folder holding the staged and checked table files; empty before a stage() that succeeded.
    QString stagedDirectory() const;
    // Sets the current store aside as a daily copy of its own, then puts the staged files in its
    // place, holding the store for itself all along. The program's connection must have let go of
    // the files; while another copy has them open it refuses and touches nothing (refused()).
    bool replaceStore(const QDateTime &now);
    // The last replaceStore() was refused before anything was touched (another copy has the store).
    bool refused() const { return m_refused; }
    QString setAsidePath() const { return m_setAside; }
    // What the user is to know of the set-aside copy: a table file the engine could not read is
    // in it as it was, without its journal. Empty when every file was copied by the engine.
    QString setAsideNote() const;

    // "Sauvegarde du 10/12/2026 à 12:00 : Employeur 3 lignes, contact 1 ligne, …" for a confirmation.
    static QString describe(const Summary &summary);
    // Empty when the file passes the engine's quick check, else what is wrong.
    static QString quickCheck(const QString &path);

private:
    QString existingFile(const QString &name) const;
    bool copyWhole(const QString &target);
    bool copyOnce(const QString &target);
    // The store as it is into `target`, while this copy holds it alone.
    bool setAside(const QString &target);
    // The set-aside files back in place of those already replaced; false when one could not be.
    bool putBack(const QStringList &files);
    bool extractArchive(const QString &zipPath, const QString &target);
    bool checkStaged();
    bool countRows(const QString &dir, Summary &summary);
    bool fail(const QString &message);

    QString m_directory;
    QString m_lastError;
    std::unique_ptr<QTemporaryDir> m_staging;
    bool m_staged = false; // staged and checked: the only state replaceStore() accepts
    Summary m_summary;
    QString m_setAside;
    QStringList m_keptAsIs; // table files set aside as they were, the engine unable to read them
    bool m_refused = false;
};
