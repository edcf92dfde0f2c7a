#include "data/backupstore.h"

#include "data/filereplace.h"
#include "data/schemas.h"
#include "data/storelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <sqlite3.h>
#include <zip.h>

namespace {

const char *ManifestName = "manifeste.json";
const int KeptDays = 10;
const int KeptMonths = 12;
const int CopyAttempts = 4;

// A connection of its own, let go when it goes out of scope.
class Connection
{
public:
    explicit Connection(const QString &file = QStringLiteral(":memory:"))
        : m_name(QStringLiteral("velmora-copy-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        // Read-write even for a check: a journal left by a save cut short is rolled back, as the
        // program's own connection would, rather than taken for damage.
        db.setConnectOptions(file == QLatin1String(":memory:") ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500")
                                                               : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        m_open = db.open();
    }
    ~Connection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool isOpen() const { return m_open; }
    QSqlQuery query() const { return QSqlQuery(QSqlDatabase::database(m_name, false)); }
    sqlite3 *handle() const
    {
        const QVariant handle = QSqlDatabase::database(m_name, false).driver()->handle();
        return qstrcmp(handle.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3 *const *>(handle.data())
                                                           : nullptr;
    }
    // Runs one statement with its values; the engine's message when it fails.
    QString run(const QString &statement, const QVariantList &values = {}) const
    {
        QSqlQuery q = query();
        q.prepare(statement);
        for (const QVariant &value : values)
            q.addBindValue(value);
        if (q.exec())
            return {};
        const QSqlError error = q.lastError();
        return error.databaseText().isEmpty() ? error.text() : error.databaseText();
    }

private:
    QString m_name;
    bool m_open = false;
};

// The engine's online backup of one attached file into a new file; `code` is the engine's result.
QString backup(sqlite3 *source, const QString &alias, const QString &path, int *code = nullptr)
{
    if (!source)
        return QStringLiteral("pilote SQLite indisponible");
    sqlite3 *target = nullptr;
    int rc = sqlite3_open_v2(
        QFile::encodeName(path).constData(), &target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_backup *copy
        = rc == SQLITE_OK ? sqlite3_backup_init(target, "main", source, alias.toUtf8().constData()) : nullptr;
    if (copy) {
        rc = sqlite3_backup_step(copy, -1);
        sqlite3_backup_finish(copy);
    } else if (rc == SQLITE_OK) {
        rc = sqlite3_errcode(target);
    }
    if (code)
        *code = rc;
    const QString error = rc == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errmsg(target));
    sqlite3_close(target);
    return error.isEmpty() && !copy ? QStringLiteral("copie impossible") : error;
}

QString alias(int index)
{
    return QStringLiteral("t%1").arg(index);
}

const TableSchema *schemaOf(const QString &file)
{
    const QString table = QFileInfo(file).completeBaseName();
    for (const TableSchema *schema : Schemas::all()) {
        if (schema->name.compare(table, Qt::CaseInsensitive) == 0)
            return schema;
    }
    return nullptr;
}

// The daily copies are named for their day, "yyyy-MM-dd", a store set aside for its time as well.
QDate copyDate(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})(-\\d{6})?$"));
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
}

// The engine's integrity check and the table's layout: every column the program knows.
QString checkTable(const QString &path, bool thorough)
{
    if (!QFileInfo(path).isFile())
        return QStringLiteral("fichier absent");
    Connection db(path);
    if (!db.isOpen())
        return QStringLiteral("illisible");
    QSqlQuery q = db.query();
    if (!q.exec(thorough ? QStringLiteral("PRAGMA integrity_check") : QStringLiteral("PRAGMA quick_check")))
        return q.lastError().text();
    QStringList problems;
    while (q.next())
        problems << q.value(0).toString();
    if (problems != QStringList { QStringLiteral("ok") })
        return problems.join(QLatin1String(" ; "));
    const TableSchema *schema = schemaOf(path);
    if (!thorough || !schema)
        return {};
    QSet<QString> columns;
    if (!q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(schema->name)))
        return q.lastError().databaseText();
    while (q.next())
        columns.insert(q.value(1).toString().toLower());
    for (const FieldDef &field : schema->fields) {
        if (!columns.contains(field.name.toLower()))
            return QStringLiteral("la table %1 n'a pas de champ %2").arg(schema->name, field.name);
    }
    return {};
}

} // namespace

BackupStore::BackupStore(const QString &databaseDirectory)
    : m_directory(databaseDirectory)
{ }

BackupStore::~BackupStore() = default;

QStringList BackupStore::tableFiles()
{
    return { QStringLiteral("Employeur.DB"), QStringLiteral("contact.DB"), QStringLiteral("Accord.DB"),
        QStringLiteral("Expatries.DB") };
}

QString BackupStore::folder() const
{
    return QDir(m_directory).filePath(QStringLiteral("Sauvegardes"));
}

bool BackupStore::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

QString BackupStore::existingFile(const QString &name) const
{
    const QDir dir(m_directory);
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

QString BackupStore::quickCheck(const QString &path)
{
    return checkTable(path, false);
}

bool BackupStore::copyTo(const QString &target)
{
    StoreLock hold(m_directory);
    if (!hold.holdOpen())
        return fail(hold.lastError());
    return copyWhole(target);
}

bool BackupStore::copyWhole(const QString &target)
{
    if (QFileInfo::exists(target) || !QDir().mkpath(target))
        return fail(
            QStringLiteral("Impossible de créer le dossier « %1 ».").arg(QDir::toNativeSeparators(target)));
    // A save of another copy of the program may be waiting for the files while this one waits for
    // it: whoever gives up first lets the other through, and the copy is tried again.
    for (int attempt = 0; attempt < CopyAttempts; ++attempt) {
        if (copyOnce(target))
            return true;
        for (const QString &file : QDir(target).entryList(QDir::Files))
            QFile::remove(QDir(target).filePath(file));
    }
    QDir(target).removeRecursively();
    return false;
}

bool BackupStore::copyOnce(const QString &target)
{
    // One read transaction over the four files: no save commits until every file is copied, so
    // the copy holds each save whole or not at all. The engine's online backup reads the files
    // through that transaction.
    Connection reader;
    const QStringList files = tableFiles();
    QList<int> present;
    for (int i = 0; i < files.size(); ++i) {
        const QString source = existingFile(files.at(i));
        if (source.isEmpty())
            return fail(QStringLiteral("%1 : fichier absent de la base").arg(files.at(i)));
        const QString error = reader.run(QStringLiteral("ATTACH DATABASE ? AS %1").arg(alias(i)), { source });
        if (!error.isEmpty())
            return fail(QStringLiteral("%1 : %2").arg(files.at(i), error));
        present << i;
    }
    // The message names the one file that failed.
    QString error = reader.run(QStringLiteral("BEGIN"));
    for (int i : present) {
        if (error.isEmpty())
            error = reader.run(QStringLiteral("SELECT count(*) FROM %1.sqlite_schema").arg(alias(i)));
        if (!error.isEmpty()) {
            error = QStringLiteral("%1 : %2").arg(files.at(i), error);
            break;
        }
    }
    for (int i : present) {
        if (!error.isEmpty())
            break;
        error = backup(reader.handle(), alias(i), QDir(target).filePath(files.at(i)));
        if (!error.isEmpty())
            error = QStringLiteral("%1 : %2").arg(files.at(i), error);
    }
    reader.run(QStringLiteral("COMMIT"));
    return error.isEmpty() || fail(error);
}

bool BackupStore::dailyCopy(const QDate &today)
{
    const QString target = QDir(folder()).filePath(today.toString(Qt::ISODate));
    if (QFileInfo::exists(target)) {
        rotate(today);
        return true;
    }
    // Written beside, then renamed: a daily copy is whole or absent.
    const QString partial
        = QDir(folder()).filePath(QStringLiteral(".en-cours-") + today.toString(Qt::ISODate));
    QDir(partial).removeRecursively();
    if (!copyTo(partial) || !QDir().rename(partial, target)) {
        QDir(partial).removeRecursively();
        return fail(QStringLiteral("La sauvegarde du jour n'a pas pu être faite : %1")
                        .arg(m_lastError.isEmpty() ? QDir::toNativeSeparators(target) : m_lastError));
    }
    rotate(today);
    return true;
}

QStringList BackupStore::dailyCopies() const
{
    QStringList copies;
    const QDir dir(folder());
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (copyDate(name).isValid())
            copies << dir.filePath(name);
    }
    return copies;
}

void BackupStore::rotate(const QDate &today)
{
    const QStringList copies = dailyCopies();
    QSet<QString> kept;
    QSet<QString> monthsSeen;
    // Newest first: the last ten, and the newest copy of each month of the past year.
    for (qsizetype i = copies.size() - 1; i >= 0; --i) {
        const QString name = QFileInfo(copies.at(i)).fileName();
        const QDate date = copyDate(name);
        if (copies.size() - i <= KeptDays)
            kept.insert(name);
        const QString month = date.toString(QStringLiteral("yyyy-MM"));
        if (date > today.addMonths(-KeptMonths) && !monthsSeen.contains(month)) {
            monthsSeen.insert(month);
            kept.insert(name);
        }
    }
    for (const QString &copy : copies) {
        if (!kept.contains(QFileInfo(copy).fileName()))
            QDir(copy).removeRecursively();
    }
}

QString BackupStore::latestGoodCopy() const
{
    const QStringList copies = dailyCopies();
    for (qsizetype i = copies.size() - 1; i >= 0; --i) {
        bool good = true;
        for (const QString &file : tableFiles())
            good = good && checkTable(QDir(copies.at(i)).filePath(file), true).isEmpty();
        if (good)
            return copies.at(i);
    }
    return {};
}

bool BackupStore::countRows(const QString &dir, Summary &summary)
{
    summary.counts.clear();
    for (const QString &file : tableFiles()) {
        const TableSchema *schema = schemaOf(file);
        Connection db(QDir(dir).filePath(file));
        QSqlQuery q = db.query();
        if (!db.isOpen() || !q.exec(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(schema->name))
            || !q.next())
            return fail(QStringLiteral("%1 : %2").arg(file, q.lastError().text()));
        summary.counts.insert(schema->name, q.value(0).toLongLong());
    }
    return true;
}

bool BackupStore::writeArchive(const QString &zipPath, const QDateTime &now)
{
    QTemporaryDir work(QDir(m_directory).filePath(QStringLiteral(".velmora-archive-XXXXXX")));
    const QString copy = QDir(work.path()).filePath(QStringLiteral("copie"));
    Summary summary;
    if (!work.isValid() || !copyTo(copy) || !countRows(copy, summary))
        return fail(QStringLiteral("La sauvegarde n'a pas pu être faite : %1").arg(m_lastError));
    QJsonObject counts;
    for (auto it = summary.counts.cbegin(); it != summary.counts.cend(); ++it)
        counts.insert(it.key(), it.value());
    const QByteArray manifest = QJsonDocument(
        QJsonObject { { QStringLiteral("programme"), QStringLiteral("VELMORA") },
            { QStringLiteral("version"), QStringLiteral(VELMORA_VERSION) },
            { QStringLiteral("date"), now.toString(Qt::ISODate) },
            { QStringLiteral("lignes"),
                counts } }).toJson();
    int status = 0;
    // libzip writes a temporary file beside the archive and renames it on closing: whole or nothing.
    zip_t *archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &status);
    if (!archive)
        return fail(QStringLiteral("Impossible d'écrire « %1 ».").arg(QDir::toNativeSeparators(zipPath)));
    bool ok = true;
    for (const QString &file : tableFiles()) {
        zip_source_t *source
            = zip_source_file(archive, QFile::encodeName(QDir(copy).filePath(file)).constData(), 0, -1);
        ok = ok && source && zip_file_add(archive, file.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) >= 0;
        if (!ok && source)
            zip_source_free(source);
    }
    zip_source_t *source
        = zip_source_buffer(archive, manifest.constData(), static_cast<zip_uint64_t>(manifest.size()), 0);
    ok = ok && source && zip_file_add(archive, ManifestName, source, ZIP_FL_ENC_UTF_8) >= 0;
    if (!ok) {
        zip_discard(archive);
        return fail(QStringLiteral("Impossible d'écrire « %1 ».").arg(QDir::toNativeSeparators(zipPath)));
    }
    if (zip_close(archive) < 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        return fail(
            QStringLiteral("Impossible d'écrire « %1 » : %2").arg(QDir::toNativeSeparators(zipPath), reason));
    }
    return true;
}

bool BackupStore::extractArchive(const QString &zipPath, const QString &target)
{
    int status = 0;
    zip_t *archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &status);
    if (!archive)
        return fail(QStringLiteral("« %1 » n'est pas une archive zip lisible.")
                        .arg(QDir::toNativeSeparators(zipPath)));
    QStringList names = tableFiles();
    names << QLatin1String(ManifestName);
    bool ok = true;
    for (const QString &name : names) {
        zip_file_t *entry = zip_fopen(archive, name.toUtf8().constData(), ZIP_FL_NOCASE);
        if (!entry) {
            ok = name == QLatin1String(ManifestName)
                ? ok
                : fail(QStringLiteral("L'archive ne contient pas %1.").arg(name));
            continue;
        }
        QFile out(QDir(target).filePath(name));
        ok = ok && out.open(QIODevice::WriteOnly);
        char buffer[65536];
        zip_int64_t read = 0;
        while (ok && (read = zip_fread(entry, buffer, sizeof buffer)) > 0)
            ok = out.write(buffer, read) == read;
        ok = ok && read == 0;
        zip_fclose(entry);
        if (!ok && m_lastError.isEmpty())
            fail(QStringLiteral("L'archive est illisible (%1).").arg(name));
    }
    zip_discard(archive);
    return ok;
}

bool BackupStore::stage(const QString &source)
{
    m_lastError.clear();
    m_summary = Summary();
    m_staged = false;
    if (!QDir().mkpath(folder()))
        return fail(
            QStringLiteral("Impossible de créer le dossier « %1 ».").arg(QDir::toNativeSeparators(folder())));
    m_staging
        = std::make_unique<QTemporaryDir>(QDir(folder()).filePath(QStringLiteral(".restauration-XXXXXX")));
    if (!m_staging->isValid())
        return fail(QStringLiteral("Impossible de préparer la restauration dans « %1 ».")
                        .arg(QDir::toNativeSeparators(folder())));
    const QFileInfo info(source);
    if (!info.exists())
        return fail(QStringLiteral("« %1 » n'existe pas.").arg(QDir::toNativeSeparators(source)));
    if (info.isFile() && info.suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0) {
        if (!extractArchive(source, m_staging->path()))
            return false;
    } else {
        const QDir copy(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
        // The store's own files are in use: they are no copy to go back to.
        if (copy.canonicalPath() == QDir(m_directory).canonicalPath())
            return fail(QStringLiteral("« %1 » est la base elle-même : choisissez une sauvegarde.")
                            .arg(QDir::toNativeSeparators(copy.path())));
        m_summary.taken = QDateTime(copyDate(copy.dirName()).startOfDay());
        for (const QString &file : tableFiles()) {
            if (!QFile::copy(copy.filePath(file), QDir(m_staging->path()).filePath(file)))
                return fail(QStringLiteral("La copie « %1 » ne contient pas %2.")
                                .arg(QDir::toNativeSeparators(copy.path()), file));
        }
    }
    m_staged = checkStaged() && countRows(m_staging->path(), m_summary);
    return m_staged;
}

QString BackupStore::stagedDirectory() const
{
    return m_staged && m_staging ? m_staging->path() : QString();
}

bool BackupStore::checkStaged()
{
    QFile manifest(QDir(m_staging->path()).filePath(QLatin1String(ManifestName)));
    if (manifest.open(QIODevice::ReadOnly)) {
        const QJsonObject object = QJsonDocument::fromJson(manifest.readAll()).object();
        m_summary.taken = QDateTime::fromString(object.value(QStringLiteral("date")).toString(), Qt::ISODate);
        m_summary.version = object.value(QStringLiteral("version")).toString();
    }
    for (const QString &file : tableFiles()) {
        const QString problem = checkTable(QDir(m_staging->path()).filePath(file), true);
        if (!problem.isEmpty())
            return fail(QStringLiteral("La sauvegarde est endommagée (%1 : %2) : rien n'a été remplacé.")
                            .arg(file, problem));
    }
    return true;
}

bool BackupStore::replaceStore(const QDateTime &now)
{
    m_refused = false;
    m_keptAsIs.clear();
    if (!m_staged)
        return fail(QStringLiteral("Aucune sauvegarde n'est prête à être restaurée."));
    // The store for this copy alone from the set-aside to the last file in place: no other copy
    // saves into files about to go, nor opens them before the restored ones are there.
    StoreLock lock(m_directory);
    if (!lock.takeAll()) {
        m_refused = true;
        return fail(lock.lastError() + QStringLiteral(" Rien n'a été remplacé."));
    }
    m_setAside = QDir(folder()).filePath(now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    if (!setAside(m_setAside))
        return fail(
            QStringLiteral("La base actuelle n'a pas pu être mise de côté (%1) : rien n'a été remplacé.")
                .arg(m_lastError));
    QStringList replaced;
    for (const QString &file : tableFiles()) {
        const QString current = existingFile(file);
        const QString target = current.isEmpty() ? QDir(m_directory).filePath(file) : current;
        // A journal left beside the old file would be played back into the restored one.
        const QString journal = target + QStringLiteral("-journal");
        QString why = QStringLiteral("son journal ne peut pas être supprimé");
        if ((!QFileInfo::exists(journal) || QFile::remove(journal))
            && FileReplace::replace(QDir(m_staging->path()).filePath(file), target, &why)) {
            replaced << file;
            continue;
        }
        return fail(putBack(replaced)
                ? QStringLiteral("%1 n'a pas pu être remis en place (%2) : la base est restée telle qu'elle "
                                 "était.")
                      .arg(file, why)
                : QStringLiteral("%1 n'a pas pu être remis en place (%2) ; la base d'avant est dans « %3 ».")
                      .arg(file, why, QDir::toNativeSeparators(m_setAside)));
    }
    m_staged = false;
    return true;
}

bool BackupStore::setAside(const QString &target)
{
    // Never over an earlier copy.
    if (QFileInfo::exists(target))
        return fail(
            QStringLiteral("Impossible de créer le dossier « %1 ».").arg(QDir::toNativeSeparators(target)));
    // The engine's copy of the four files: a journal left by a save cut short is rolled back as
    // they are read, never copied beside them.
    if (copyWhole(target))
        return true;
    // No other copy has the files open: they are read one by one, and one the engine cannot read at
    // all is kept as it is. Its journal stays behind: beside a file in a folder of copies it would
    // be no use, and beside the restored file it would damage it.
    if (!QDir().mkpath(target))
        return false;
    for (const QString &file : tableFiles()) {
        const QString current = existingFile(file);
        if (current.isEmpty())
            continue;
        const QString copy = QDir(target).filePath(file);
        int code = SQLITE_OK;
        QString error;
        {
            Connection reader(current);
            error = reader.isOpen() ? backup(reader.handle(), QStringLiteral("main"), copy, &code)
                                    : QStringLiteral("illisible");
        }
        if (error.isEmpty())
            continue;
        QFile::remove(copy);
        if ((code == SQLITE_NOTADB || code == SQLITE_CORRUPT) && QFile::copy(current, copy)) {
            m_keptAsIs << file;
            continue;
        }
        QDir(target).removeRecursively();
        m_keptAsIs.clear();
        return fail(QStringLiteral("%1 : %2").arg(file, error));
    }
    return true;
}

bool BackupStore::putBack(const QStringList &files)
{
    bool whole = true;
    for (const QString &file : files) {
        const QString current = existingFile(file);
        const QString target = current.isEmpty() ? QDir(m_directory).filePath(file) : current;
        const QString returning = QDir(m_directory).filePath(QStringLiteral(".retour-") + file);
        QString why;
        QFile::remove(returning);
        whole = QFile::copy(QDir(m_setAside).filePath(file), returning)
            && FileReplace::replace(returning, target, &why) && whole;
        QFile::remove(returning);
    }
    return whole;
}

QString BackupStore::setAsideNote() const
{
    QStringList notes;
    for (const QString &file : m_keptAsIs)
        notes << QStringLiteral("%1 était illisible : il est gardé tel quel dans « %2 », sans son journal.")
                     .arg(file, QDir::toNativeSeparators(m_setAside));
    return notes.join(QLatin1Char('\n'));
}

QString BackupStore::describe(const Summary &summary)
{
    QString when = QStringLiteral("de date inconnue");
    if (summary.taken.isValid())
        when = summary.taken.time() == QTime(0, 0)
            ? QStringLiteral("du %1").arg(summary.taken.toString(QStringLiteral("dd/MM/yyyy")))
            : QStringLiteral("du %1").arg(summary.taken.toString(QStringLiteral("dd/MM/yyyy 'à' HH:mm")));
    QStringList counts;
    for (const TableSchema *schema : Schemas::all()) {
        const qint64 rows = summary.counts.value(schema->name);
        counts << QStringLiteral("%1 %2 %3")
                      .arg(schema->name)
                      .arg(rows)
                      .arg(QLatin1String(rows > 1 ? "lignes" : "ligne"));
    }
    return QStringLiteral("Sauvegarde %1 : %2.").arg(when, counts.join(QLatin1String(", ")));
}
