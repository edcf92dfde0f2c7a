#include "data/tablefile.h"

#include "data/database.h"
#include "data/tablesql.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QSqlError>
#include <QSqlQuery>

TableFile::TableFile(Database *database, const TableSchema &schema, const QObject *owner)
    : m_db(database)
    , m_schema(schema)
    , m_owner(owner)
    , m_fileName(schema.name + QStringLiteral(".DB"))
    , m_indexField(schema.key)
{ }

bool TableFile::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool TableFile::exists() const
{
    if (m_db->isServer()) {
        if (!m_db->open())
            return false;
        QSqlQuery q = m_db->newQuery();
        q.prepare(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema = "
                                 "current_schema() AND table_name = ?"));
        q.addBindValue(m_schema.name.toLower());
        return q.exec() && q.next();
    }
    return !m_db->findFile(m_fileName).isEmpty();
}

QString TableFile::path() const
{
    if (m_db->isServer())
        return QStringLiteral("table %1 du serveur").arg(m_schema.name.toLower());
    const QString file = m_db->findFile(m_fileName);
    return QDir(m_db->directory()).filePath(file.isEmpty() ? m_fileName : file);
}

bool TableFile::appendField(const FieldDef &field)
{
    for (const FieldDef &f : std::as_const(m_fieldDefs)) {
        if (f.name.compare(field.name, Qt::CaseInsensitive) == 0)
            return fail(QStringLiteral("Le champ « %1 » figure déjà dans la table %2.")
                            .arg(field.name, m_owner->objectName()));
    }
    m_fieldDefs.append(field);
    return true;
}

bool TableFile::create()
{
    if (m_fieldDefs.isEmpty())
        return fail(QStringLiteral("La table %1 n'a aucun champ à créer.").arg(m_owner->objectName()));
    const QString alias = m_schema.name;
    if (m_db->isAttached(alias))
        m_db->detach(alias, true);
    if (m_db->isServer())
        return createOnServer();
    const QDir dir(m_db->directory());
    const QString existing = m_db->findFile(m_fileName);
    if (!existing.isEmpty()) {
        QFile::remove(dir.filePath(existing + QStringLiteral("-journal")));
        if (!QFile::remove(dir.filePath(existing)))
            return fail(
                QStringLiteral("Impossible de remplacer le fichier « %1 ».").arg(dir.filePath(existing)));
    }
    const QString path = dir.filePath(m_fileName);
    if (!m_db->attach(alias, path))
        return fail(m_db->lastError());
    const bool ok = createTable(alias, path);
    m_db->noteWrite();
    m_db->detach(alias, true);
    if (!ok)
        QFile::remove(path);
    return ok;
}

// The server's table replaces any of that name, in one transaction.
bool TableFile::createOnServer()
{
    if (!m_db->transaction())
        return fail(m_db->lastError());
    const QString target = TableSql::quoted(m_schema.name.toLower());
    QSqlQuery drop = m_db->newQuery();
    if (!drop.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(target))) {
        m_db->rollback();
        return fail(Database::describe(drop.lastError(), path()));
    }
    QStringList columns;
    for (const FieldDef &f : std::as_const(m_fieldDefs))
        columns << columnDefinition(f);
    QSqlQuery q = m_db->newQuery();
    if (!q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(target, columns.join(QStringLiteral(", "))))) {
        m_db->rollback();
        return fail(Database::describe(q.lastError(), path()));
    }
    addLookupIndexes(m_schema.name, m_schema.name.toLower());
    m_db->noteWrite();
    return m_db->commit() || fail(m_db->lastError());
}

QString TableFile::columnDefinition(const FieldDef &field) const
{
    const bool server = m_db->isServer();
    // Text compared byte by byte on both stores, so that rows come in the same key order.
    QString column = TableSql::quoted(server ? field.name.toLower() : field.name) + QLatin1Char(' ')
        + TableSql::columnType(field.type)
        + (server && field.type != FieldType::Integer ? QStringLiteral(" COLLATE \"C\"") : QString());
    if (field.required)
        column += QStringLiteral(" NOT NULL");
    if (!m_indexField.isEmpty() && field.name.compare(m_indexField, Qt::CaseInsensitive) == 0)
        column += QStringLiteral(" PRIMARY KEY");
    return column;
}

// The table and its lookup indexes in the file attached under the alias.
bool TableFile::createTable(const QString &alias, const QString &path)
{
    QStringList columns;
    for (const FieldDef &f : std::as_const(m_fieldDefs))
        columns << columnDefinition(f);
    QSqlQuery q = m_db->newQuery();
    const QString target = TableSql::quoted(alias) + QLatin1Char('.') + TableSql::quoted(m_schema.name);
    if (!q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(target, columns.join(QStringLiteral(", ")))))
        return fail(Database::describe(q.lastError(), path));
    addLookupIndexes(alias, m_schema.name);
    return true;
}

bool TableFile::readLayout(const QString &alias, QString *tableName)
{
    return findTableName(alias, tableName) && readColumns(alias, *tableName);
}

// The name the file gives the table, which may differ from the schema's in letter case.
bool TableFile::findTableName(const QString &alias, QString *tableName)
{
    if (m_db->isServer()) {
        *tableName = m_schema.name.toLower();
        return exists()
            || fail(QStringLiteral("Le serveur ne contient pas la table %1.").arg(m_schema.name.toLower()));
    }
    QSqlQuery q = m_db->newQuery();
    if (!q.exec(QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'table'")
                    .arg(TableSql::quoted(alias))))
        return fail(Database::describe(q.lastError(), path()));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    q.finish();
    tableName->clear();
    for (const QString &name : std::as_const(names)) {
        if (name.compare(m_schema.name, Qt::CaseInsensitive) == 0)
            *tableName = name;
    }
    if (tableName->isEmpty())
        return fail(
            QStringLiteral("Le fichier « %1 » ne contient pas la table %2.").arg(path(), m_schema.name));
    return true;
}

bool TableFile::readColumns(const QString &alias, const QString &tableName)
{
    QSqlQuery info = m_db->newQuery();
    // Both give a row per column: its name (1), declared type (2) and whether it refuses blanks (3).
    if (m_db->isServer()) {
        info.prepare(QStringLiteral("SELECT ordinal_position, column_name, upper(data_type), "
                                    "CASE WHEN is_nullable = 'NO' THEN 1 ELSE 0 END FROM "
                                    "information_schema.columns WHERE table_schema = current_schema() AND "
                                    "table_name = ? ORDER BY ordinal_position"));
        info.addBindValue(tableName);
    } else {
        info.prepare(QStringLiteral("PRAGMA %1.table_info(%2)")
                         .arg(TableSql::quoted(alias), TableSql::quoted(tableName)));
    }
    if (!info.exec())
        return fail(Database::describe(info.lastError(), path()));
    QList<FieldDef> columns;
    while (info.next()) {
        FieldDef f;
        f.name = info.value(1).toString();
        const FieldDef *known = m_schema.field(f.name);
        const QString declared = info.value(2).toString().toUpper();
        f.type = known ? known->type
                       : (declared.contains(QLatin1String("INT")) ? FieldType::Integer : FieldType::Text);
        f.size = known ? known->size : 0;
        f.required = info.value(3).toInt() != 0;
        columns.append(f);
    }
    m_fieldDefs = columns;
    return true;
}

QString TableFile::missingField() const
{
    for (const FieldDef &f : std::as_const(m_schema.fields)) {
        bool found = false;
        for (const FieldDef &c : std::as_const(m_fieldDefs))
            found = found || c.name.compare(f.name, Qt::CaseInsensitive) == 0;
        if (!found)
            return f.name;
    }
    return {};
}

void TableFile::addLookupIndexes(const QString &alias, const QString &tableName) const
{
    const bool server = m_db->isServer();
    for (const QStringList &columns : std::as_const(m_schema.indexed)) {
        QStringList quoted;
        for (const QString &column : columns)
            quoted << TableSql::quoted(server ? column.toLower() : column);
        QString name = m_schema.name + QLatin1Char('_') + columns.join(QLatin1Char('_'));
        // On the server the index is named in the server's schema; on SQLite in the table's file.
        name = server ? TableSql::quoted(name.toLower())
                      : TableSql::quoted(alias) + QLatin1Char('.') + TableSql::quoted(name);
        QSqlQuery iq = m_db->newQuery();
        iq.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                    .arg(name, TableSql::quoted(tableName), quoted.join(QStringLiteral(", "))));
    }
}
