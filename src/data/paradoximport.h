#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class DataModule;
class ParadoxFile;
class Table;
struct TableSchema;

// Takes in the four tables of the older program, Paradox files read by ParadoxFile: columns matched
// by name (ParadoxMapping), every row written through the table engine in one transaction, the
// counts checked before it commits, and a report of the counts and of every value that needed
// attention. Either the four tables are filled, or none is and the old files are where they were.
class ParadoxImport
{
public:
    enum class Outcome { Done, Refused, Failed };
    // What a database directory holds: the engine's tables (or none), the older program's, or both.
    enum class Store { Current, Old, Mixed };

    explicit ParadoxImport(DataModule &data);
    ~ParadoxImport();

    // Which tables `directory` holds; for a mix, `problem` says so, naming a file of each kind.
    static Store inspect(const QString &directory, QString *problem = nullptr);
    static QString question();
    // What the program says when the old tables are left alone: how to import them later.
    static QString laterNotice(const QString &databaseDirectory);

    // The old tables of the database directory (under `baseDirectory`) set aside in
    // "Ancien format <yyyy-MM-dd hh-mm>" inside it, then the tables created and filled from them.
    // A file that cannot be read moves nothing; a failure later puts everything back.
    Outcome importInPlace(const QString &baseDirectory, const QDateTime &now);
    // The old tables of `oldDirectory` (left where they are) into the open store, refused unless the
    // store is empty.
    Outcome importFrom(const QString &oldDirectory, const QDateTime &now);

    QString lastError() const { return m_lastError; }
    // "N employeurs, N projets, N postes, N expatriés importés".
    QString summary() const;
    QStringList notes() const { return m_notes; }
    // The summary, then the notes; at most `noteLines` of them, and where the rest are.
    QString reportText(int noteLines = -1) const;
    QString reportPath() const { return m_reportPath; }
    QString setAsidePath() const { return m_setAside; }

private:
    struct Source;
    Outcome refuse(const QString &message);
    Outcome failed(const QString &message);
    QList<Source> sources() const;
    bool readable(const QString &directory, QList<Source> *found);
    bool storeEmpty();
    bool fill(const QList<Source> &found);
    bool copy(const Source &source, ParadoxFile &file, qint64 *written);
    bool countsHold(const QList<Source> &found, const QList<qint64> &written);
    bool setAside(const QString &directory, const QDateTime &now);
    // False when a file could not go back; it stays in the set-aside folder.
    bool putBack(const QString &directory);
    void writeReport(const QString &folder, const QDateTime &now);

    DataModule &m_data;
    QString m_lastError;
    QStringList m_notes;
    QList<qint64> m_counts;
    QString m_setAside;
    QStringList m_moved; // names of the files set aside
    QString m_reportPath;
};
