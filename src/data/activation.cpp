#include "data/activation.h"

#include "data/appinfo.h"
#include "data/backupstore.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/paradoximport.h"
#include "data/table.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryFile>

QString Activation::databaseDirectory(const QString &baseDirectory)
{
    return QDir(baseDirectory).filePath(AppInfo::databaseDirName());
}

bool Activation::isServerAddress(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://"))
        || location.startsWith(QLatin1String("postgres://"));
}

QString Activation::defaultBaseDirectory(const QString &programDirectory, const QString &userDataDirectory)
{
    if (QFileInfo(databaseDirectory(programDirectory)).isDir())
        return programDirectory;
    // The system's program folders are writable by the administrator alone, and never hold data.
    static const QStringList systemFolders { QStringLiteral("/bin"), QStringLiteral("/sbin"),
        QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin"), QStringLiteral("/usr/games"),
        QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/local/sbin"),
        QStringLiteral("/usr/local/games") };
    if (systemFolders.contains(QDir::cleanPath(programDirectory)))
        return userDataDirectory;
    // Whether a file can be made there, rather than the permission bits, which say nothing of a
    // read-only mount or an access control list.
    QTemporaryFile probe(QDir(programDirectory).filePath(QStringLiteral(".velmora-probe-XXXXXX")));
    return probe.open() ? programDirectory : userDataDirectory;
}

bool Activation::defineAndCreate(Table &table, const QString &fileName)
{
    table.close();
    table.setFileName(fileName);
    table.clearFieldDefs();
    for (const FieldDef &f : table.schema().fields)
        table.appendField(f);
    table.clearIndex();
    table.setIndex(table.schema().key);
    return table.create();
}

bool Activation::createIfMissing(Table &table, const QString &fileName)
{
    table.close();
    table.setFileName(fileName);
    if (table.exists())
        return true;
    return defineAndCreate(table, fileName);
}

bool Activation::reopen(Table &table, const QString &fileName, bool refresh)
{
    table.close();
    table.setFileName(fileName);
    if (!table.open())
        return false;
    return !refresh || table.refresh();
}

Activation::Result Activation::run(DataModule &data, const QString &baseDirectory, bool checkFiles)
{
    if (isServerAddress(baseDirectory))
        return runOnServer(data, baseDirectory);
    Result result;
    const auto failed = [&result](const QString &message) {
        result.ok = false;
        result.error = message;
        return result;
    };
    const QString dir = databaseDirectory(baseDirectory);
    Database &db = *data.database();

    // The directory: created on first start. A place we cannot create or write to is named at once,
    // with the way around it.
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        return failed(QStringLiteral("Impossible de créer le répertoire de la base de données « %1 ».\n"
                                     "Lancez VELMORA avec l'option --data-dir DOSSIER pour placer la base "
                                     "dans un dossier où vous pouvez écrire.")
                          .arg(QDir::toNativeSeparators(dir)));
    {
        QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".velmora-probe-XXXXXX")));
        if (!probe.open())
            return failed(
                QStringLiteral("Le répertoire de la base de données « %1 » n'est pas accessible en "
                               "écriture.\nLancez VELMORA avec l'option --data-dir DOSSIER pour placer "
                               "la base dans un dossier où vous pouvez écrire.")
                    .arg(QDir::toNativeSeparators(dir)));
    }
    // The older program's tables are left untouched until the user says whether to import them.
    QString mix;
    switch (ParadoxImport::inspect(dir, &mix)) {
    case ParadoxImport::Store::Old:
        result.oldFormat = true;
        return failed(ParadoxImport::laterNotice(dir));
    case ParadoxImport::Store::Mixed:
        return failed(mix);
    case ParadoxImport::Store::Current:
        break;
    }
    db.setDirectory(dir);
    // The store held from here on: a restore by another copy waits for this one to close it.
    if (!db.open())
        return failed(db.lastError());
    if (checkFiles && !Activation::checkFiles(db, result))
        return result;

    struct Step
    {
        Table *table;
        const char *file;
    };
    // contact, the agreements, the workers, the employers: each created when its file is missing
    // (names compared without regard to case), then opened.
    const Step steps[] = { { data.contact(), "contact.DB" }, { data.accord(), "Accord.DB" },
        { data.expatries(), "Expatries.DB" }, { data.employeur(), "Employeur.DB" } };
    for (const Step &step : steps) {
        Table &table = *step.table;
        const QString file = QString::fromLatin1(step.file);
        if (!createIfMissing(table, file))
            return failed(table.lastError());
        if (&table == data.accord()) {
            // Only the agreement table is guarded: when it cannot be opened it is rebuilt, silently.
            if (!reopen(table, file, true) && !recoverAgreements(data, result))
                return result;
            continue;
        }
        if (!reopen(table, file, true))
            return failed(table.lastError());
    }

    return result;
}

Activation::Result Activation::runOnServer(DataModule &data, const QString &uri)
{
    Result result;
    Database &db = *data.database();
    db.setServer(uri);
    if (!db.open()) {
        result.ok = false;
        result.error = db.lastError();
        return result;
    }
    // One key for the lock of the four tables' creation ("VELM").
    QSqlQuery lock = db.newQuery();
    lock.exec(QStringLiteral("SELECT pg_advisory_lock(1447382093)"));
    lock.finish();
    for (Table *table : { data.contact(), data.accord(), data.expatries(), data.employeur() }) {
        if (!createIfMissing(*table, table->fileName()) || !reopen(*table, table->fileName(), true)) {
            result.ok = false;
            result.error = table->lastError();
            break;
        }
    }
    QSqlQuery unlock = db.newQuery();
    unlock.exec(QStringLiteral("SELECT pg_advisory_unlock(1447382093)"));
    unlock.finish();
    return result;
}

bool Activation::checkFiles(const Database &db, Result &result)
{
    // The agreement table keeps its own guard: a file that cannot be opened is kept and rebuilt.
    for (const char *name : { "contact.DB", "Expatries.DB", "Employeur.DB" }) {
        const QString file = db.findFile(QString::fromLatin1(name));
        if (file.isEmpty())
            continue;
        const QString path = QDir(db.directory()).filePath(file);
        const QString problem = BackupStore::quickCheck(path);
        // Another copy of the program holding its lock is no damage.
        if (problem.isEmpty() || problem.contains(QLatin1String("locked")))
            continue;
        result.ok = false;
        result.damagedFile = path;
        result.error = QStringLiteral("Le fichier « %1 » est endommagé (%2). Il n'a pas été modifié.")
                           .arg(QDir::toNativeSeparators(path), problem);
        return false;
    }
    return true;
}

bool Activation::recoverAgreements(DataModule &data, Result &result)
{
    Table &accord = *data.accord();
    accord.close();
    accord.setFileName(QStringLiteral("Accord.DB"));
    Database &db = *data.database();
    const QDir dir(db.directory());

    // Keep the file that could not be opened: nothing the user typed is thrown away.
    const QString existing = db.findFile(accord.fileName());
    if (!existing.isEmpty()) {
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString backup = dir.filePath(QStringLiteral("%1.%2.bak").arg(existing, stamp));
        for (int n = 2; QFileInfo::exists(backup); ++n)
            backup = dir.filePath(QStringLiteral("%1.%2-%3.bak").arg(existing, stamp).arg(n));
        if (!QFile::rename(dir.filePath(existing), backup)) {
            result.ok = false;
            result.error = QStringLiteral("La table des accords (fichier « %1 ») ne peut pas être ouverte et "
                                          "ne peut pas être mise de côté : elle n'a pas été remplacée.\n%2")
                               .arg(QDir::toNativeSeparators(dir.filePath(existing)), accord.lastError());
            return false;
        }
        result.backupPath = backup;
    }

    // The layout the table object holds is completed with whatever agreement field it lacks.
    const FieldDef &num = accord.schema().fields.first();
    if (accord.appendField(num)) {
        accord.clearIndex();
        accord.setIndex(num.name);
        accord.create();
    }
    static const char *const others[] = { "nom_orga", "Projet", "Poste", "Diplome", "Experience",
        "Autre_condition", "Algériens", "étrangers" };
    for (const char *name : others) {
        FieldDef f = *accord.schema().field(QString::fromUtf8(name));
        f.name = QString::fromUtf8(name);
        if (accord.appendField(f))
            accord.create();
    }
    if (!accord.create() || !accord.open()) {
        result.ok = false;
        result.error = accord.lastError();
        return false;
    }
    return true;
}
