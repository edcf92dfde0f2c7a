#include "data/table.h"

#include "data/database.h"
#include "data/fieldvalue.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace {

QString quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString sqlType(FieldType type)
{
    return type == FieldType::Integer ? QStringLiteral("INTEGER") : QStringLiteral("TEXT");
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    const bool an = a.isNull() || !a.isValid();
    const bool bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn;
    return a == b && a.typeId() == b.typeId();
}

} // namespace

Table::Table(Database *database, const TableSchema &schema, QObject *parent)
    : QObject(parent)
    , m_db(database)
    , m_schema(schema)
    , m_indexField(schema.key)
{
    setObjectName(schema.name);
    m_fileName = schema.name + QStringLiteral(".DB");
    connect(m_db, &Database::aliasDetached, this, [this](const QString &alias) {
        if (isOpen() && alias.compare(m_alias, Qt::CaseInsensitive) == 0) {
            m_alias.clear();
            m_buffer.clear();
            m_modified = false;
            clearCurrent();
            setState(State::Inactive);
            emit viewReset();
            emit currentChanged();
        }
    });
}

bool Table::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

void Table::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

bool Table::exists() const
{
    return !m_db->findFile(m_fileName).isEmpty();
}

bool Table::appendField(const FieldDef &field)
{
    for (const FieldDef &f : m_fieldDefs) {
        if (f.name.compare(field.name, Qt::CaseInsensitive) == 0)
            return fail(QStringLiteral("Le champ « %1 » figure déjà dans la table %2.")
                            .arg(field.name, objectName()));
    }
    m_fieldDefs.append(field);
    return true;
}

QString Table::qualifiedTable() const
{
    return quoted(m_alias) + QLatin1Char('.') + quoted(m_sqlTable);
}

bool Table::create()
{
    if (m_fieldDefs.isEmpty())
        return fail(QStringLiteral("La table %1 n'a aucun champ à créer.").arg(objectName()));
    const QString alias = m_schema.name;
    if (m_db->isAttached(alias))
        m_db->detach(alias, true);
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

    QStringList columns;
    for (const FieldDef &f : m_fieldDefs) {
        QString column = quoted(f.name) + QLatin1Char(' ') + sqlType(f.type);
        if (f.required)
            column += QStringLiteral(" NOT NULL");
        if (!m_indexField.isEmpty() && f.name.compare(m_indexField, Qt::CaseInsensitive) == 0)
            column += QStringLiteral(" PRIMARY KEY");
        columns << column;
    }
    QSqlQuery q = m_db->newQuery();
    const QString target = quoted(alias) + QLatin1Char('.') + quoted(m_schema.name);
    bool ok = q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(target, columns.join(QStringLiteral(", "))));
    QString error;
    if (!ok)
        error = Database::describe(q.lastError(), path);
    for (const QString &indexed : std::as_const(m_schema.indexed)) {
        if (!ok)
            break;
        for (const FieldDef &f : std::as_const(m_fieldDefs)) {
            if (f.name.compare(indexed, Qt::CaseInsensitive) == 0) {
                QSqlQuery iq = m_db->newQuery();
                iq.exec(QStringLiteral("CREATE INDEX %1.%2 ON %3 (%4)")
                            .arg(quoted(alias), quoted(m_schema.name + QStringLiteral("_") + f.name),
                                quoted(m_schema.name), quoted(f.name)));
            }
        }
    }
    m_db->noteWrite();
    m_db->detach(alias, true);
    if (!ok) {
        QFile::remove(path);
        return fail(error);
    }
    return true;
}

bool Table::readLayout(QString *tableName, QList<FieldDef> *columns)
{
    QSqlQuery q = m_db->newQuery();
    if (!q.exec(
            QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'table'").arg(quoted(m_alias))))
        return fail(Database::describe(q.lastError(), filePath()));
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
            QStringLiteral("Le fichier « %1 » ne contient pas la table %2.").arg(filePath(), m_schema.name));
    QSqlQuery info = m_db->newQuery();
    if (!info.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(quoted(m_alias), quoted(*tableName))))
        return fail(Database::describe(info.lastError(), m_fileName));
    columns->clear();
    while (info.next()) {
        FieldDef f;
        f.name = info.value(1).toString();
        const FieldDef *known = m_schema.field(f.name);
        const QString declared = info.value(2).toString().toUpper();
        f.type = known ? known->type
                       : (declared.contains(QLatin1String("INT")) ? FieldType::Integer : FieldType::Text);
        f.size = known ? known->size : 0;
        f.required = info.value(3).toInt() != 0;
        columns->append(f);
    }
    return true;
}

bool Table::open()
{
    if (isOpen())
        return true;
    const QString file = m_db->findFile(m_fileName);
    const QString path = QDir(m_db->directory()).filePath(file.isEmpty() ? m_fileName : file);
    if (file.isEmpty())
        return fail(QStringLiteral("La table %1 est introuvable (fichier « %2 »).").arg(objectName(), path));
    m_alias = m_schema.name;
    if (!m_db->attach(m_alias, path))
        return fail(m_db->lastError());
    QList<FieldDef> columns;
    if (!readLayout(&m_sqlTable, &columns)) {
        m_db->detach(m_alias);
        m_alias.clear();
        return false;
    }
    m_fieldDefs = columns;
    for (const FieldDef &f : std::as_const(m_schema.fields)) {
        bool found = false;
        for (const FieldDef &c : std::as_const(columns))
            found = found || c.name.compare(f.name, Qt::CaseInsensitive) == 0;
        if (!found) {
            m_db->detach(m_alias);
            m_alias.clear();
            return fail(QStringLiteral("La table %1 (fichier « %2 ») n'a pas le champ « %3 ».")
                            .arg(objectName(), path, f.name));
        }
    }
    // Lookup indexes for the filters; a file another tool made may lack them.
    for (const QString &indexed : std::as_const(m_schema.indexed)) {
        QSqlQuery iq = m_db->newQuery();
        iq.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1.%2 ON %3 (%4)")
                    .arg(quoted(m_alias), quoted(m_schema.name + QStringLiteral("_") + indexed),
                        quoted(m_sqlTable), quoted(indexed)));
    }
    invalidateCount();
    m_buffer.clear();
    m_modified = false;
    m_state = State::Browse;
    loadAt(0);
    emit stateChanged();
    emit viewReset();
    emit afterOpen();
    emit afterScroll();
    emit currentChanged();
    return true;
}

void Table::close()
{
    if (!isOpen())
        return;
    m_buffer.clear();
    m_modified = false;
    clearCurrent();
    m_state = State::Inactive;
    const QString alias = m_alias;
    m_alias.clear();
    m_db->detach(alias);
    invalidateCount();
    emit stateChanged();
    emit viewReset();
    emit currentChanged();
}

bool Table::refresh()
{
    if (!isOpen())
        return fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
    emit beforeRefresh();
    if (!completePending())
        return false;
    const QVariant key = m_current.isEmpty() ? QVariant() : m_current.value(m_schema.indexOf(m_schema.key));
    if (key.isValid() && !key.isNull() && positionOfKey(key) >= 0)
        loadKey(key);
    else
        loadAt(qMin(qMax(m_pos, 0), rowCount() - 1));
    emit viewReset();
    emit currentChanged();
    return true;
}

QVariant Table::storageFilterValue() const
{
    const FieldDef *f = m_schema.field(m_filterField);
    if (!f)
        return m_filterValue;
    if (f->type == FieldType::Integer) {
        // A quoted literal compared with a number is the number it spells.
        bool ok = false;
        const int n = m_filterValue.toString().trimmed().toInt(&ok);
        return ok ? QVariant(n) : m_filterValue;
    }
    if (f->type == FieldType::Date) {
        QString error;
        const auto checked = FieldValue::check(*f, m_filterValue, &error);
        return checked.ok ? FieldValue::toStorage(FieldType::Date, checked.value) : m_filterValue;
    }
    return m_filterValue.toString();
}

QString Table::whereClause(bool withFilter) const
{
    if (withFilter && m_filtered && !m_filterField.isEmpty())
        return QStringLiteral(" WHERE %1 = ?")
            .arg(quoted(m_schema.field(m_filterField) ? m_schema.field(m_filterField)->name : m_filterField));
    return {};
}

QVariantList Table::filterBinds() const
{
    if (m_filtered && !m_filterField.isEmpty())
        return { storageFilterValue() };
    return {};
}

QString Table::columnList(const QStringList &fields) const
{
    QStringList columns;
    for (const QString &f : fields)
        columns << quoted(f);
    return columns.join(QStringLiteral(", "));
}

void Table::setFilter(const QString &field, const QVariant &value)
{
    m_filterField = field;
    m_filterValue = value;
    if (m_filtered && isOpen()) {
        m_filtered = false;
        setFiltered(true);
    }
}

bool Table::setFiltered(bool on)
{
    if (on && !m_filterField.isEmpty() && !m_schema.field(m_filterField))
        return fail(QStringLiteral("La table %1 n'a pas de champ « %2 ».").arg(objectName(), m_filterField));
    if (isOpen() && !completePending())
        return false;
    m_filtered = on;
    invalidateCount();
    if (isOpen()) {
        loadAt(0);
        emit viewReset();
        emit afterScroll();
        emit currentChanged();
    }
    return true;
}

bool Table::countHolds() const
{
    return m_count >= 0 && m_countWrites == m_db->writes() && m_countVersion == m_db->dataVersion(m_alias);
}

bool Table::hasRows() const
{
    if (!isOpen())
        return false;
    if (countHolds())
        return m_count > 0;
    QSqlQuery q = m_db->newQuery();
    q.prepare(QStringLiteral("SELECT 1 FROM %1%2 LIMIT 1").arg(qualifiedTable(), whereClause(true)));
    for (const QVariant &v : filterBinds())
        q.addBindValue(v);
    return q.exec() && q.next();
}

QVariant Table::maximum(const QString &field) const
{
    const FieldDef *def = m_schema.field(field);
    if (!isOpen() || !def)
        return {};
    QSqlQuery q = m_db->newQuery();
    if (!q.exec(QStringLiteral("SELECT max(%1) FROM %2").arg(quoted(def->name), qualifiedTable()))
        || !q.next())
        return {};
    return FieldValue::fromStorage(def->type, q.value(0));
}

int Table::rowCount() const
{
    if (!isOpen())
        return 0;
    if (countHolds())
        return m_count;
    m_countWrites = m_db->writes();
    m_countVersion = m_db->dataVersion(m_alias);
    QSqlQuery q = m_db->newQuery();
    q.prepare(QStringLiteral("SELECT count(*) FROM %1%2").arg(qualifiedTable(), whereClause(true)));
    for (const QVariant &v : filterBinds())
        q.addBindValue(v);
    m_count = (q.exec() && q.next()) ? q.value(0).toInt() : 0;
    return m_count;
}

void Table::clearCurrent()
{
    m_current.clear();
    m_pos = -1;
}

void Table::setCurrent(const QVariantList &values)
{
    m_current = values;
}

bool Table::loadAt(int pos)
{
    if (pos < 0) {
        clearCurrent();
        return false;
    }
    return loadWhere(QStringLiteral("ORDER BY %1 LIMIT 1 OFFSET ?").arg(quoted(m_schema.key)), { pos }, pos);
}

// Reads the current row: the view's filter, then `tail` (an extra condition and its order).
bool Table::loadWhere(const QString &tail, const QVariantList &binds, int pos)
{
    QStringList names;
    for (const FieldDef &f : std::as_const(m_schema.fields))
        names << f.name;
    QString where = whereClause(true);
    QString rest = tail;
    if (rest.startsWith(QLatin1String("AND ")))
        rest = (where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + rest.mid(4);
    else
        rest.prepend(QLatin1Char(' '));
    QSqlQuery q = m_db->newQuery();
    q.prepare(QStringLiteral("SELECT %1 FROM %2%3%4").arg(columnList(names), qualifiedTable(), where, rest));
    for (const QVariant &v : filterBinds())
        q.addBindValue(v);
    for (const QVariant &v : binds)
        q.addBindValue(v);
    if (!q.exec() || !q.next()) {
        clearCurrent();
        return false;
    }
    QVariantList values;
    for (int i = 0; i < m_schema.fields.size(); ++i)
        values << FieldValue::fromStorage(m_schema.fields.at(i).type, q.value(i));
    setCurrent(values);
    m_pos = pos;
    return true;
}

int Table::positionOfKey(const QVariant &key) const
{
    const FieldDef *keyDef = m_schema.field(m_schema.key);
    const QVariant stored = FieldValue::toStorage(keyDef->type, key);
    QSqlQuery exists = m_db->newQuery();
    QString where = whereClause(true);
    where += where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
    exists.prepare(
        QStringLiteral("SELECT 1 FROM %1%2%3 = ?").arg(qualifiedTable(), where, quoted(m_schema.key)));
    for (const QVariant &v : filterBinds())
        exists.addBindValue(v);
    exists.addBindValue(stored);
    if (!exists.exec() || !exists.next())
        return -1;
    QSqlQuery q = m_db->newQuery();
    q.prepare(
        QStringLiteral("SELECT count(*) FROM %1%2%3 < ?").arg(qualifiedTable(), where, quoted(m_schema.key)));
    for (const QVariant &v : filterBinds())
        q.addBindValue(v);
    q.addBindValue(stored);
    if (!q.exec() || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool Table::loadKey(const QVariant &key)
{
    const int pos = positionOfKey(key);
    if (pos < 0)
        return false;
    return loadAt(pos);
}

bool Table::completePending()
{
    if (!isEditing())
        return true;
    if (m_modified)
        return post();
    cancel();
    return true;
}

bool Table::first()
{
    return moveTo(0);
}

bool Table::last()
{
    if (!isOpen())
        return fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
    if (!completePending())
        return false;
    const int count = rowCount();
    if (count == 0)
        return false;
    const bool ok
        = loadWhere(QStringLiteral("ORDER BY %1 DESC LIMIT 1").arg(quoted(m_schema.key)), {}, count - 1);
    emit afterScroll();
    emit currentChanged();
    return ok;
}

bool Table::next()
{
    if (m_pos + 1 >= rowCount())
        return completePending() && false;
    return moveTo(m_pos + 1);
}

bool Table::prior()
{
    if (m_pos <= 0)
        return completePending() && false;
    return moveTo(m_pos - 1);
}

bool Table::moveTo(int row)
{
    if (!isOpen())
        return fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
    if (!completePending())
        return false;
    if (row < 0 || row >= rowCount())
        return false;
    const bool ok = loadAt(row);
    emit afterScroll();
    emit currentChanged();
    return ok;
}

bool Table::moveTo(int row, const QVariant &key)
{
    if (!isOpen())
        return fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
    if (!completePending())
        return false;
    const FieldDef *keyDef = m_schema.field(m_schema.key);
    const bool ok = loadWhere(QStringLiteral("AND %1 = ?").arg(quoted(m_schema.key)),
        { FieldValue::toStorage(keyDef->type, key) }, row);
    if (!ok)
        return moveTo(row);
    emit afterScroll();
    emit currentChanged();
    return true;
}

bool Table::locate(const QVariant &key)
{
    if (!completePending())
        return false;
    const bool ok = loadKey(key);
    if (ok) {
        emit afterScroll();
        emit currentChanged();
    }
    return ok;
}

bool Table::append()
{
    if (!isOpen())
        return fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
    if (!completePending())
        return false;
    m_buffer = QVariantList(m_schema.fields.size());
    m_editKey = QVariant();
    m_modified = false;
    setState(State::Insert);
    emit currentChanged();
    return true;
}

bool Table::edit()
{
    if (!isOpen())
        return fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
    if (isEditing())
        return true;
    if (m_current.isEmpty())
        return fail(QStringLiteral("La table %1 n'a aucun enregistrement à modifier.").arg(objectName()));
    m_buffer = m_current;
    m_editKey = m_current.value(m_schema.indexOf(m_schema.key));
    m_modified = false;
    setState(State::Edit);
    return true;
}

QString Table::checkValue(const QString &name, const QVariant &value) const
{
    const FieldDef *f = m_schema.field(name);
    if (!f)
        return QStringLiteral("La table %1 n'a pas de champ « %2 ».").arg(objectName(), name);
    QString error;
    FieldValue::check(*f, value, &error);
    return error;
}

QString Table::filePath() const
{
    const QString file = m_db->findFile(m_fileName);
    return QDir(m_db->directory()).filePath(file.isEmpty() ? m_fileName : file);
}

bool Table::checkedValues(QVariantList *values)
{
    values->clear();
    for (int i = 0; i < m_schema.fields.size(); ++i) {
        const FieldDef &f = m_schema.fields.at(i);
        QString error;
        const auto checked = FieldValue::check(f, m_buffer.value(i), &error);
        if (!checked.ok)
            return fail(error);
        if (f.required && checked.value.isNull())
            return fail(
                QStringLiteral("Le champ « %1 » de la table %2 est obligatoire : il ne peut pas rester vide.")
                    .arg(f.name, objectName()));
        values->append(checked.value);
    }
    const int keyIndex = m_schema.indexOf(m_schema.key);
    const QVariant key = values->at(keyIndex);
    const FieldDef &keyDef = m_schema.fields.at(keyIndex);
    if (m_state == State::Insert || !sameValue(key, m_editKey)) {
        QSqlQuery dup = m_db->newQuery();
        dup.prepare(
            QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(qualifiedTable(), quoted(m_schema.key)));
        dup.addBindValue(FieldValue::toStorage(keyDef.type, key));
        if (dup.exec() && dup.next())
            return fail(QStringLiteral("La table %1 contient déjà un enregistrement « %2 » (champ %3) : "
                                       "deux enregistrements ne peuvent pas porter la même clé.")
                            .arg(objectName(), FieldValue::display(key), keyDef.name));
    }
    return true;
}

bool Table::validate()
{
    if (!isEditing())
        return true;
    QVariantList values;
    return checkedValues(&values);
}

bool Table::post()
{
    if (!isEditing())
        return true;
    m_db->releaseStatements();
    QVariantList values;
    if (!checkedValues(&values))
        return false;
    const int keyIndex = m_schema.indexOf(m_schema.key);
    const QVariant key = values.at(keyIndex);
    const FieldDef &keyDef = m_schema.fields.at(keyIndex);
    QSqlQuery q = m_db->newQuery();
    QStringList names;
    for (const FieldDef &f : std::as_const(m_schema.fields))
        names << f.name;
    if (m_state == State::Insert) {
        QStringList marks;
        for (int i = 0; i < names.size(); ++i)
            marks << QStringLiteral("?");
        q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(qualifiedTable(), columnList(names), marks.join(QStringLiteral(", "))));
    } else {
        QStringList sets;
        for (const QString &n : std::as_const(names))
            sets << quoted(n) + QStringLiteral(" = ?");
        q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                      .arg(qualifiedTable(), sets.join(QStringLiteral(", ")), quoted(m_schema.key)));
    }
    for (int i = 0; i < values.size(); ++i)
        q.addBindValue(FieldValue::toStorage(m_schema.fields.at(i).type, values.at(i)));
    if (m_state == State::Edit)
        q.addBindValue(FieldValue::toStorage(keyDef.type, m_editKey));
    if (!q.exec())
        return fail(Database::describe(q.lastError(), filePath()));
    m_db->noteWrite();
    m_buffer.clear();
    m_modified = false;
    invalidateCount();
    const int oldPos = m_pos;
    if (!loadKey(key))
        loadAt(qMin(qMax(oldPos, 0), rowCount() - 1));
    setState(State::Browse);
    emit viewReset();
    emit currentChanged();
    return true;
}

void Table::cancel()
{
    if (!isEditing())
        return;
    m_buffer.clear();
    m_modified = false;
    setState(State::Browse);
    emit currentChanged();
}

bool Table::remove()
{
    if (!isOpen())
        return fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
    if (m_state == State::Insert) {
        cancel();
        return true;
    }
    if (m_current.isEmpty())
        return fail(QStringLiteral("La table %1 n'a aucun enregistrement à supprimer.").arg(objectName()));
    const int keyIndex = m_schema.indexOf(m_schema.key);
    const QVariant key = m_state == State::Edit ? m_editKey : m_current.value(keyIndex);
    m_db->releaseStatements();
    QSqlQuery q = m_db->newQuery();
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(qualifiedTable(), quoted(m_schema.key)));
    q.addBindValue(FieldValue::toStorage(m_schema.fields.at(keyIndex).type, key));
    if (!q.exec())
        return fail(Database::describe(q.lastError(), filePath()));
    m_db->noteWrite();
    m_buffer.clear();
    m_modified = false;
    setState(State::Browse);
    invalidateCount();
    const int oldPos = m_pos;
    loadAt(qMin(qMax(oldPos, 0), rowCount() - 1));
    emit viewReset();
    emit afterScroll();
    emit currentChanged();
    return true;
}

bool Table::removeWhere(const QString &field, const QVariant &value)
{
    if (!isOpen())
        return fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
    const FieldDef *def = m_schema.field(field);
    if (!def)
        return fail(QStringLiteral("La table %1 n'a pas de champ « %2 ».").arg(objectName(), field));
    m_db->releaseStatements();
    QSqlQuery q = m_db->newQuery();
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(qualifiedTable(), quoted(def->name)));
    QString error;
    const auto checked = FieldValue::check(*def, value, &error);
    q.addBindValue(FieldValue::toStorage(def->type, checked.ok ? checked.value : value));
    if (!q.exec())
        return fail(Database::describe(q.lastError(), filePath()));
    m_db->noteWrite();
    invalidateCount();
    const QVariant key = m_current.isEmpty() ? QVariant() : m_current.value(m_schema.indexOf(m_schema.key));
    if (!key.isValid() || key.isNull() || !loadKey(key))
        loadAt(qMin(qMax(m_pos, 0), rowCount() - 1));
    emit viewReset();
    emit currentChanged();
    return true;
}

Table::Snapshot Table::snapshot() const
{
    return { m_state, m_pos, m_current, m_buffer, m_editKey, m_modified };
}

void Table::restore(const Snapshot &snapshot)
{
    m_pos = snapshot.pos;
    m_current = snapshot.current;
    m_buffer = snapshot.buffer;
    m_editKey = snapshot.editKey;
    m_modified = snapshot.modified;
    invalidateCount();
    setState(snapshot.state);
    emit viewReset();
    emit currentChanged();
}

QVariant Table::value(const QString &name) const
{
    const int i = m_schema.indexOf(name);
    if (i < 0)
        return {};
    if (isEditing()) {
        const QVariant raw = m_buffer.value(i);
        QString error;
        const auto checked = FieldValue::check(m_schema.fields.at(i), raw, &error);
        return checked.ok ? checked.value : raw;
    }
    return m_current.value(i);
}

QString Table::text(const QString &name) const
{
    const int i = m_schema.indexOf(name);
    if (i < 0)
        return {};
    const QVariant v = isEditing() ? m_buffer.value(i) : m_current.value(i);
    return FieldValue::display(v);
}

bool Table::setValue(const QString &name, const QVariant &value)
{
    const int i = m_schema.indexOf(name);
    if (i < 0)
        return fail(QStringLiteral("La table %1 n'a pas de champ « %2 ».").arg(objectName(), name));
    if (!isEditing())
        return fail(QStringLiteral("La table %1 n'est pas en cours de modification.").arg(objectName()));
    QVariant v = value;
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        v = QVariant();
    if (sameValue(m_buffer.value(i), v))
        return true;
    m_buffer[i] = v;
    m_modified = true;
    emit fieldChanged(m_schema.fields.at(i).name);
    return true;
}

QList<QVariantList> Table::fetchRows(int offset, int count, const QStringList &fields) const
{
    QList<QVariantList> rows;
    if (!isOpen() || count <= 0)
        return rows;
    QList<FieldType> types;
    QStringList names;
    for (const QString &f : fields) {
        const FieldDef *def = m_schema.field(f);
        types << (def ? def->type : FieldType::Text);
        names << (def ? def->name : f);
    }
    // Rows in the second half of the view are read from the end, so that no read steps over more
    // than half of the view.
    const int total = rowCount();
    const bool fromEnd = offset > total / 2;
    const int end = qMin(offset + count, total);
    QSqlQuery q = m_db->newQuery();
    q.prepare(QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4%5 LIMIT ? OFFSET ?")
                  .arg(columnList(names), qualifiedTable(), whereClause(true), quoted(m_schema.key),
                      fromEnd ? QStringLiteral(" DESC") : QString()));
    for (const QVariant &v : filterBinds())
        q.addBindValue(v);
    q.addBindValue(fromEnd ? qMax(end - offset, 0) : count);
    q.addBindValue(fromEnd ? total - end : offset);
    if (!q.exec())
        return rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < names.size(); ++i)
            row << FieldValue::fromStorage(types.at(i), q.value(i));
        rows << row;
    }
    if (fromEnd)
        std::reverse(rows.begin(), rows.end());
    return rows;
}
