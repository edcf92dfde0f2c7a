#include "data/paradoximport.h"

#include "data/activation.h"
#include "data/countedtext.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/fieldvalue.h"
#include "data/paradoxfile.h"
#include "data/paradoxmapping.h"
#include "data/schemas.h"
#include "data/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const char *const TableFiles[] = { "Employeur.DB", "contact.DB", "Accord.DB", "Expatries.DB" };

// The name of the file of `directory` whose name equals `name` without regard to letter case.
QString findFile(const QDir &directory, const QString &name)
{
    if (QFileInfo::exists(directory.filePath(name)))
        return name;
    const QStringList entries = directory.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

// Every file the older program keeps for one of the four tables: the table, its primary index,
// its memos, its validity checks, its secondary indexes, its view settings and its family file.
bool isCompanion(const QString &fileName)
{
    static const QRegularExpression companion(
        QStringLiteral(
            "^(employeur|contact|accord|expatries)\\.(db|px|mb|val|tv|fam|x[0-9a-z]{2}|y[0-9a-z]{2})$"),
        QRegularExpression::CaseInsensitiveOption);
    return companion.match(fileName).hasMatch();
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

// One of the four tables: its file name, its layout, the table object it goes into, and the old file
// found for it (empty when the old base lacks it).
struct ParadoxImport::Source
{
    QString fileName;
    const TableSchema *schema = nullptr;
    Table *table = nullptr;
    QString path;
};

ParadoxImport::ParadoxImport(DataModule &data)
    : m_data(data)
{ }

ParadoxImport::~ParadoxImport() = default;

ParadoxImport::Store ParadoxImport::inspect(const QString &directory, QString *problem)
{
    const QDir dir(directory);
    QString oldFile;
    QString currentFile;
    for (const char *name : TableFiles) {
        const QString file = findFile(dir, QString::fromLatin1(name));
        if (file.isEmpty())
            continue;
        // An empty file is an empty table of the engine.
        if (ParadoxFile::isParadox(dir.filePath(file)))
            oldFile = oldFile.isEmpty() ? file : oldFile;
        else
            currentFile = currentFile.isEmpty() ? file : currentFile;
    }
    if (oldFile.isEmpty())
        return Store::Current;
    if (currentFile.isEmpty())
        return Store::Old;
    if (problem)
        *problem
            = QStringLiteral("Le répertoire « %1 » mêle des tables de l'ancien format (« %2 ») et du format "
                             "actuel (« %3 ») : elles ne peuvent être ni ouvertes ni importées ainsi. Rien "
                             "n'a été modifié. Mettez de côté les fichiers de l'une des deux sortes, puis "
                             "relancez VELMORA.")
                  .arg(shown(directory), oldFile, currentFile);
    return Store::Mixed;
}

QString ParadoxImport::question()
{
    return QStringLiteral("Importer les données de l'ancien format ?");
}

QString ParadoxImport::laterNotice(const QString &databaseDirectory)
{
    return QStringLiteral(
        "Les tables de l'ancien format n'ont pas été importées ; leurs fichiers sont restés "
        "tels quels dans « %1 ». Pour les importer plus tard, relancez VELMORA et répondez "
        "Oui, ou lancez : velmora --data-dir DOSSIER --import-paradox « %1 ».")
        .arg(shown(databaseDirectory));
}

ParadoxImport::Outcome ParadoxImport::refuse(const QString &message)
{
    m_lastError = message;
    return Outcome::Refused;
}

ParadoxImport::Outcome ParadoxImport::failed(const QString &message)
{
    m_lastError = message;
    return Outcome::Failed;
}

QList<ParadoxImport::Source> ParadoxImport::sources() const
{
    Table *const tables[] = { m_data.employeur(), m_data.contact(), m_data.accord(), m_data.expatries() };
    QList<Source> list;
    for (int i = 0; i < 4; ++i)
        list.append({ QString::fromLatin1(TableFiles[i]), &tables[i]->schema(), tables[i], QString() });
    return list;
}

// Finds the old tables of `directory` and opens each once: a file that is not a Paradox table, that
// pxlib cannot read, or that lacks its key column is named before anything is moved or written.
bool ParadoxImport::readable(const QString &directory, QList<Source> *found)
{
    const QDir dir(directory);
    *found = sources();
    for (Source &source : *found) {
        const QString file = findFile(dir, source.fileName);
        if (file.isEmpty())
            continue;
        source.path = dir.filePath(file);
        ParadoxFile old;
        if (!old.open(source.path)) {
            m_lastError = old.lastError() + QStringLiteral(" Rien n'a été importé.");
            return false;
        }
        bool hasKey = false;
        for (const ParadoxFile::Column &column : old.columns())
            hasKey = hasKey || column.name.trimmed().compare(source.schema->key, Qt::CaseInsensitive) == 0;
        if (!hasKey) {
            m_lastError = QStringLiteral("La table « %1 » n'a pas de colonne « %2 », la clé de ses "
                                         "enregistrements. Rien n'a été importé.")
                              .arg(shown(source.path), source.schema->key);
            return false;
        }
    }
    return true;
}

bool ParadoxImport::storeEmpty()
{
    for (const Source &source : sources()) {
        QSqlQuery q = m_data.database()->newQuery();
        if (!q.exec(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(source.table->sqlName()))) {
            m_lastError = Database::describe(q.lastError(), source.fileName);
            return false;
        }
        if (q.next()) {
            m_lastError
                = QStringLiteral("La base contient déjà des enregistrements (table %1) : une ancienne "
                                 "base ne s'importe que dans une base vide. Rien n'a été importé.")
                      .arg(source.schema->name);
            return false;
        }
    }
    return true;
}

// Every old table into its table in one transaction; the counts checked before it commits.
bool ParadoxImport::fill(const QList<Source> &found)
{
    Database &db = *m_data.database();
    m_notes.clear();
    m_counts.clear();
    if (!db.transaction()) {
        m_lastError = db.lastError();
        return false;
    }
    bool ok = true;
    for (const Source &source : found) {
        qint64 written = 0;
        if (source.path.isEmpty()) {
            m_notes << QStringLiteral("%1 ne figure pas dans l'ancienne base : la table reste vide.")
                           .arg(source.fileName);
        } else {
            ParadoxFile old;
            ok = old.open(source.path);
            if (!ok)
                m_lastError = old.lastError();
            ok = ok && copy(source, old, &written);
        }
        m_counts << written;
        if (!ok)
            break;
    }
    ok = ok && countsHold(found, m_counts);
    if (ok && db.commit())
        return true;
    if (ok)
        m_lastError = db.lastError();
    db.rollback();
    m_lastError += QStringLiteral(" Rien n'a été importé.");
    return false;
}

bool ParadoxImport::copy(const Source &source, ParadoxFile &file, qint64 *written)
{
    const TableSchema &schema = *source.schema;
    const ParadoxMapping mapping(schema, file.columns());
    if (!mapping.extraColumns().isEmpty())
        m_notes << QStringLiteral("%1 : colonnes de l'ancienne table non reprises : %2.")
                       .arg(schema.name, mapping.extraColumns().join(QStringLiteral(", ")));
    if (!mapping.missingFields().isEmpty())
        m_notes << QStringLiteral("%1 : colonnes absentes de l'ancienne table, laissées vides : %2.")
                       .arg(schema.name, mapping.missingFields().join(QStringLiteral(", ")));
    Database &db = *m_data.database();
    QSqlQuery insert = db.newQuery();
    if (!insert.prepare(source.table->insertStatement())) {
        m_lastError = Database::describe(insert.lastError(), source.fileName);
        return false;
    }
    const int keyIndex = schema.indexOf(schema.key);
    QSet<QString> keys;
    QVariantList record;
    for (int r = 0; r < file.recordCount(); ++r) {
        if (!file.read(r, &record)) {
            m_lastError = file.lastError();
            return false;
        }
        const QVariantList values = mapping.convert(record, file.unreadable(), r + 1, &m_notes);
        const QVariant key = values.at(keyIndex);
        if (key.isNull()) {
            m_notes << QStringLiteral("%1 : « %2 » est vide ; l'enregistrement est écarté.")
                           .arg(mapping.rowName(values, r + 1), schema.key);
            continue;
        }
        const QString keyText = key.toString();
        if (keys.contains(keyText)) {
            m_notes << QStringLiteral("%1 : la clé figure deux fois ; le premier enregistrement est gardé, "
                                      "l'enregistrement n° %2 est écarté.")
                           .arg(mapping.rowName(values, r + 1))
                           .arg(r + 1);
            continue;
        }
        keys.insert(keyText);
        for (qsizetype i = 0; i < values.size(); ++i)
            insert.bindValue(int(i), FieldValue::toStorage(schema.fields.at(i).type, values.at(i)));
        if (!insert.exec()) {
            m_lastError = Database::describe(insert.lastError(), source.fileName);
            return false;
        }
        ++*written;
    }
    db.noteWrite();
    return true;
}

bool ParadoxImport::countsHold(const QList<Source> &found, const QList<qint64> &written)
{
    for (qsizetype i = 0; i < found.size(); ++i) {
        QSqlQuery q = m_data.database()->newQuery();
        if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(found.at(i).table->sqlName()))
            || !q.next()) {
            m_lastError = Database::describe(q.lastError(), found.at(i).fileName);
            return false;
        }
        const qint64 stored = q.value(0).toLongLong();
        if (stored != written.at(i)) {
            m_lastError = QStringLiteral("La table %1 compte %2 enregistrements au lieu des %3 copiés.")
                              .arg(found.at(i).schema->name)
                              .arg(stored)
                              .arg(written.at(i));
            return false;
        }
    }
    return true;
}

bool ParadoxImport::setAside(const QString &directory, const QDateTime &now)
{
    QDir dir(directory);
    const QString base
        = QStringLiteral("Ancien format %1").arg(now.toString(QStringLiteral("yyyy-MM-dd hh-mm")));
    QString name = base;
    for (int n = 2; dir.exists(name); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    if (!dir.mkdir(name)) {
        m_lastError = QStringLiteral("Impossible de créer le dossier « %1 ». Rien n'a été importé.")
                          .arg(shown(dir.filePath(name)));
        return false;
    }
    m_setAside = dir.filePath(name);
    m_moved.clear();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (!isCompanion(entry))
            continue;
        if (!QFile::rename(dir.filePath(entry), QDir(m_setAside).filePath(entry))) {
            m_lastError = QStringLiteral("Impossible de déplacer « %1 » dans « %2 ». Rien n'a été importé.")
                              .arg(shown(dir.filePath(entry)), shown(m_setAside));
            putBack(directory);
            return false;
        }
        m_moved << entry;
    }
    return true;
}

bool ParadoxImport::putBack(const QString &directory)
{
    const QDir dir(directory);
    bool all = true;
    for (const QString &entry : std::as_const(m_moved))
        all = QFile::rename(QDir(m_setAside).filePath(entry), dir.filePath(entry)) && all;
    m_moved.clear();
    if (!all)
        return false;
    dir.rmdir(m_setAside);
    m_setAside.clear();
    return true;
}

ParadoxImport::Outcome ParadoxImport::importInPlace(const QString &baseDirectory, const QDateTime &now)
{
    const QString dir = Activation::databaseDirectory(baseDirectory);
    QString problem;
    const Store store = inspect(dir, &problem);
    if (store == Store::Mixed)
        return refuse(problem);
    if (store == Store::Current)
        return refuse(QStringLiteral("Le répertoire « %1 » ne contient pas de tables de l'ancien format.")
                          .arg(shown(dir)));
    QList<Source> found;
    if (!readable(dir, &found))
        return refuse(m_lastError);
    m_data.release();
    if (!setAside(dir, now))
        return failed(m_lastError);
    // What the directory holds once the old tables are aside: anything else is the attempt's.
    const QStringList before = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    // The engine's empty tables in place of the old ones, then filled from the set-aside copies.
    const Activation::Result opened = Activation::run(m_data, baseDirectory);
    if (!opened.ok || !readable(m_setAside, &found) || !fill(found)) {
        const QString why = opened.ok ? m_lastError : opened.error + QStringLiteral(" Rien n'a été importé.");
        // Every file the attempt made (the tables, their journals, the connection's file) goes.
        m_data.release();
        const QDir store(dir);
        for (const QString &file : store.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (!before.contains(file))
                QFile::remove(store.filePath(file));
        }
        const QString aside = m_setAside;
        if (!putBack(dir))
            return failed(why
                + QStringLiteral(" Les fichiers de l'ancien format sont gardés dans « %1 ».")
                      .arg(shown(aside)));
        return failed(why + QStringLiteral(" Les fichiers de l'ancien format sont restés en place."));
    }
    writeReport(m_setAside, now);
    return Outcome::Done;
}

ParadoxImport::Outcome ParadoxImport::importFrom(const QString &oldDirectory, const QDateTime &now)
{
    const QFileInfo old(oldDirectory);
    if (!old.isDir())
        return refuse(QStringLiteral("Le dossier « %1 » n'existe pas.").arg(shown(oldDirectory)));
    const bool server = m_data.database()->isServer();
    const QString storeDir = m_data.database()->directory();
    if ((storeDir.isEmpty() && !server) || !m_data.employeur()->isOpen())
        return failed(QStringLiteral("La base n'est pas ouverte : rien n'a été importé."));
    if (!server && old.canonicalFilePath() == QFileInfo(storeDir).canonicalFilePath())
        return refuse(
            QStringLiteral("Le dossier « %1 » est celui de la base elle-même.").arg(shown(oldDirectory)));
    QString problem;
    const Store store = inspect(oldDirectory, &problem);
    if (store == Store::Mixed)
        return refuse(problem);
    if (store == Store::Current)
        return refuse(
            QStringLiteral("Le dossier « %1 » ne contient aucune table de l'ancien format (Employeur.DB, "
                           "contact.DB, Accord.DB, Expatries.DB).")
                .arg(shown(oldDirectory)));
    QList<Source> found;
    if (!readable(oldDirectory, &found) || !storeEmpty())
        return refuse(m_lastError);
    if (!fill(found))
        return failed(m_lastError);
    // A server has no folder of its own: the report goes beside the old tables it speaks of.
    writeReport(server ? old.absoluteFilePath() : storeDir, now);
    return Outcome::Done;
}

QString ParadoxImport::summary() const
{
    const auto count = [this](int i) { return m_counts.value(i); };
    return QStringLiteral("%1, %2, %3, %4 importés")
        .arg(CountedText::counted(count(0), QStringLiteral("employeur"), QStringLiteral("employeurs")),
            CountedText::counted(count(1), QStringLiteral("projet"), QStringLiteral("projets")),
            CountedText::counted(count(2), QStringLiteral("poste"), QStringLiteral("postes")),
            CountedText::counted(count(3), QStringLiteral("expatrié"), QStringLiteral("expatriés")));
}

QString ParadoxImport::reportText(int noteLines) const
{
    QString text = summary() + QLatin1Char('.');
    if (m_notes.isEmpty())
        return text;
    text += QStringLiteral("\n\nÀ vérifier (%1) :").arg(m_notes.size());
    const qsizetype shownLines = noteLines < 0 ? m_notes.size() : qMin<qsizetype>(noteLines, m_notes.size());
    for (qsizetype i = 0; i < shownLines; ++i)
        text += QLatin1Char('\n') + m_notes.at(i);
    if (shownLines < m_notes.size())
        text += QStringLiteral("\n… et %1 autres, dans « %2 ».")
                    .arg(m_notes.size() - shownLines)
                    .arg(shown(m_reportPath));
    return text;
}

void ParadoxImport::writeReport(const QString &folder, const QDateTime &now)
{
    const QString name = QStringLiteral("Rapport d'importation %1.txt")
                             .arg(now.toString(QStringLiteral("yyyy-MM-dd hh-mm")));
    QSaveFile file(QDir(folder).filePath(name));
    m_reportPath = file.fileName();
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Text)
        && file.write(reportText().toUtf8() + '\n') >= 0 && file.commit();
    if (!ok)
        m_reportPath.clear();
}
