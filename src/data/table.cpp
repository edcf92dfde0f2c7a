#include "data/table.h"

#include "data/database.h"
#include "data/fieldvalue.h"

#include <QSqlError>
#include <QSqlQuery>

#include <limits>

Table::Table(Database *database, const TableSchema &schema, QObject *parent)
    : QObject(parent)
    , m_db(database)
    , m_schema(schema)
    , m_file(database, m_schema, this)
    , m_sql(m_schema)
    , m_cursor(database, m_schema, m_sql)
    , m_buffer(database, m_schema, m_sql)
{
    setObjectName(schema.name);
    connect(m_db, &Database::aliasDetached, this, &Table::aliasDetached);
}

// The file went from under an open table (another table on the same file replaced it).
void Table::aliasDetached(const QString &alias)
{
    if (!isOpen() || alias.compare(m_sql.alias(), Qt::CaseInsensitive) != 0)
        return;
    m_sql.clearAlias();
    m_buffer.clear();
    m_cursor.clear();
    setState(State::Inactive);
    emit viewReset();
    emit currentChanged();
}

bool Table::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool Table::requireOpen()
{
    return isOpen() || fail(QStringLiteral("La table %1 n'est pas ouverte.").arg(objectName()));
}

QString Table::noSuchField(const QString &name) const
{
    return QStringLiteral("La table %1 n'a pas de champ « %2 ».").arg(objectName(), name);
}

void Table::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void Table::announceView()
{
    emit viewReset();
    emit currentChanged();
}

void Table::announceScroll()
{
    emit afterScroll();
    emit currentChanged();
}

bool Table::exists() const
{
    return m_file.exists();
}

bool Table::appendField(const FieldDef &field)
{
    return m_file.appendField(field) || fail(m_file.lastError());
}

bool Table::create()
{
    return m_file.create() || fail(m_file.lastError());
}

bool Table::open()
{
    if (isOpen())
        return true;
    const QString path = m_file.path();
    if (!m_file.exists())
        return fail(QStringLiteral("La table %1 est introuvable (fichier « %2 »).").arg(objectName(), path));
    const QString alias = m_schema.name;
    if (!m_db->attach(alias, path))
        return fail(m_db->lastError());
    QString sqlTable;
    const bool read = m_file.readLayout(alias, &sqlTable);
    const QString missing = read ? m_file.missingField() : QString();
    if (!read || !missing.isEmpty()) {
        m_db->detach(alias);
        return fail(read ? QStringLiteral("La table %1 (fichier « %2 ») n'a pas le champ « %3 ».")
                               .arg(objectName(), path, missing)
                         : m_file.lastError());
    }
    m_sql.setTarget(alias, sqlTable, m_db->isServer());
    m_file.addLookupIndexes(alias, sqlTable);
    m_cursor.invalidateCount();
    m_buffer.clear();
    m_state = State::Browse;
    m_cursor.loadAt(0);
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
    m_cursor.clear();
    m_state = State::Inactive;
    const QString alias = m_sql.alias();
    m_sql.clearAlias();
    m_db->detach(alias);
    m_cursor.invalidateCount();
    emit stateChanged();
    announceView();
}

bool Table::refresh()
{
    if (!requireOpen())
        return false;
    emit beforeRefresh();
    if (!completePending())
        return false;
    const QVariant key = m_cursor.currentKey();
    if (key.isValid() && !key.isNull() && m_cursor.positionOfKey(key) >= 0)
        m_cursor.loadKey(key);
    else
        m_cursor.loadNear(m_cursor.position());
    announceView();
    return true;
}

void Table::setFilter(const QString &field, const QVariant &value)
{
    m_sql.setFilter(field, value);
    if (m_sql.isFiltered() && isOpen()) {
        m_sql.setFiltered(false);
        setFiltered(true);
    }
}

bool Table::setFiltered(bool on)
{
    const QString field = m_sql.filterField();
    if (on && !field.isEmpty() && !m_schema.field(field))
        return fail(noSuchField(field));
    if (isOpen() && !completePending())
        return false;
    m_sql.setFiltered(on);
    m_cursor.invalidateCount();
    if (isOpen()) {
        m_cursor.loadAt(0);
        emit viewReset();
        announceScroll();
    }
    return true;
}

bool Table::hasRows() const
{
    return isOpen() && m_cursor.hasRows();
}

QVariant Table::maximum(const QString &field) const
{
    return isOpen() ? m_cursor.maximum(field) : QVariant();
}

int Table::rowCount() const
{
    return isOpen() ? m_cursor.rowCount() : 0;
}

bool Table::completePending()
{
    if (!isEditing())
        return true;
    if (m_buffer.isModified())
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
    if (!requireOpen() || !completePending())
        return false;
    const int count = rowCount();
    if (count == 0)
        return false;
    const bool ok = m_cursor.loadLast(count - 1);
    announceScroll();
    return ok;
}

bool Table::next()
{
    if (m_cursor.position() + 1 >= rowCount())
        return completePending() && false;
    return moveTo(m_cursor.position() + 1);
}

bool Table::prior()
{
    if (m_cursor.position() <= 0)
        return completePending() && false;
    return moveTo(m_cursor.position() - 1);
}

bool Table::moveTo(int row)
{
    if (!requireOpen() || !completePending())
        return false;
    if (row < 0 || row >= rowCount())
        return false;
    const bool ok = m_cursor.loadAt(row);
    announceScroll();
    return ok;
}

bool Table::moveTo(int row, const QVariant &key)
{
    if (!requireOpen() || !completePending())
        return false;
    if (!m_cursor.loadKeyAt(key, row))
        return moveTo(row);
    announceScroll();
    return true;
}

bool Table::locate(const QVariant &key)
{
    if (!completePending())
        return false;
    const bool ok = m_cursor.loadKey(key);
    if (ok)
        announceScroll();
    return ok;
}

bool Table::append()
{
    if (!requireOpen() || !completePending())
        return false;
    m_buffer.startInsert();
    setState(State::Insert);
    emit currentChanged();
    return true;
}

bool Table::edit()
{
    if (!requireOpen())
        return false;
    if (isEditing())
        return true;
    if (m_cursor.isEmpty())
        return fail(QStringLiteral("La table %1 n'a aucun enregistrement à modifier.").arg(objectName()));
    m_buffer.startEdit(m_cursor.current());
    setState(State::Edit);
    return true;
}

QString Table::checkValue(const QString &name, const QVariant &value) const
{
    const FieldDef *f = m_schema.field(name);
    if (!f)
        return noSuchField(name);
    QString error;
    FieldValue::check(*f, value, &error);
    return error;
}

bool Table::checkedValues(QVariantList *values, bool keyMayMove)
{
    QString error;
    return m_buffer.check(m_state == State::Insert, objectName(), values, &error, keyMayMove) || fail(error);
}

bool Table::validate()
{
    if (!isEditing())
        return true;
    QVariantList values;
    return checkedValues(&values, m_renumberOnInsert);
}

template<typename Step> bool Table::inTransaction(Step step)
{
    const bool own = !m_db->inTransaction();
    if (own && !m_db->transaction())
        return fail(m_db->lastError());
    if (!step()) {
        if (own)
            m_db->rollback();
        return false;
    }
    return !own || m_db->commit() || fail(m_db->lastError());
}

bool Table::post()
{
    if (!isEditing())
        return true;
    m_conflict = Conflict::None;
    m_changedFields.clear();
    m_renumberedTo = QVariant();
    QVariantList values;
    if (!inTransaction([&] { return writePending(&values); }))
        return false;
    const QVariant key = values.at(m_schema.indexOf(m_schema.key));
    m_buffer.clear();
    m_cursor.invalidateCount();
    const int oldPos = m_cursor.position();
    if (!m_cursor.loadKey(key))
        m_cursor.loadNear(oldPos);
    setState(State::Browse);
    announceView();
    return true;
}

// The key is checked free and an edited row unchanged by anyone else in the same transaction as
// the write, so that no other copy of the program writes in between.
bool Table::writePending(QVariantList *values)
{
    QVariantList &checked = *values;
    const QString lock = m_sql.lockForInsert();
    if (m_state == State::Insert && !lock.isEmpty()) {
        QSqlQuery q = m_db->newQuery();
        if (!q.exec(lock))
            return fail(Database::describe(q.lastError(), m_file.path()));
    }
    if (m_state == State::Insert && m_renumberOnInsert)
        renumberIfTaken();
    if (!checkedValues(&checked))
        return false;
    const bool updating = m_state == State::Edit;
    if (updating && !stillAsRead(m_buffer.editKey(), m_buffer.original(), false))
        return false;
    QSqlQuery q = m_db->newQuery();
    q.prepare(updating ? m_sql.update() : m_sql.insert());
    m_buffer.bind(q, checked, updating);
    if (!q.exec())
        return fail(Database::describe(q.lastError(), m_file.path()));
    m_db->noteWrite();
    m_db->announceChange(m_schema.name);
    return true;
}

void Table::renumberIfTaken()
{
    const int keyIndex = m_schema.indexOf(m_schema.key);
    const QVariant number = m_buffer.value(keyIndex);
    if (m_schema.fields.at(keyIndex).type != FieldType::Integer || number.isNull()
        || number.typeId() != QMetaType::Int)
        return;
    QVariantList stored;
    QString error;
    if (m_cursor.readStored(number, &stored, &error) != TableCursor::Stored::Found)
        return;
    const QVariant highest = m_cursor.maximum(m_schema.key);
    if (highest.isNull() || highest.toLongLong() >= std::numeric_limits<qint32>::max())
        return;
    m_renumberedTo = highest.toInt() + 1;
    m_buffer.set(keyIndex, m_renumberedTo);
    emit fieldChanged(m_schema.key);
}

bool Table::stillAsRead(const QVariant &key, const QVariantList &asRead, bool removing)
{
    QVariantList stored;
    QString error;
    const QString which = QStringLiteral("l'enregistrement « %1 » de la table %2")
                              .arg(FieldValue::display(key), objectName());
    switch (m_cursor.readStored(key, &stored, &error)) {
    case TableCursor::Stored::Unreadable:
        return fail(error);
    case TableCursor::Stored::Missing:
        m_conflict = Conflict::Deleted;
        return fail(removing
                ? QStringLiteral("Une autre copie de VELMORA a déjà supprimé %1.").arg(which)
                : QStringLiteral("Une autre copie de VELMORA a supprimé %1 depuis que vous l'avez ouvert : "
                                 "vos modifications n'ont pas été enregistrées.")
                      .arg(which));
    case TableCursor::Stored::Found:
        break;
    }
    QStringList changed;
    QStringList named;
    for (int i = 0; i < m_schema.fields.size(); ++i) {
        if (!TableBuffer::sameValue(stored.value(i), asRead.value(i))) {
            const QString &name = m_schema.fields.at(i).name;
            changed << name;
            named << QStringLiteral("« %1 »").arg(m_captions.value(name.toLower(), name));
        }
    }
    if (changed.isEmpty())
        return true;
    m_conflict = Conflict::Changed;
    m_changedFields = changed;
    return fail(QStringLiteral("Une autre copie de VELMORA a modifié %1 depuis que vous l'avez ouvert "
                               "(%2 : %3). %4")
                    .arg(which, changed.size() == 1 ? QStringLiteral("champ") : QStringLiteral("champs"),
                        named.join(QStringLiteral(", ")),
                        removing ? QStringLiteral("Il n'a pas été supprimé.")
                                 : QStringLiteral("Vos modifications n'ont pas été enregistrées.")));
}

void Table::setFieldCaption(const QString &field, const QString &caption)
{
    m_captions.insert(field.toLower(), caption);
}

bool Table::reload()
{
    if (!requireOpen())
        return false;
    const QVariant key = m_state == State::Edit ? m_buffer.editKey() : m_cursor.currentKey();
    m_buffer.clear();
    m_conflict = Conflict::None;
    m_changedFields.clear();
    setState(State::Browse);
    m_cursor.invalidateCount();
    if (key.isNull() || !key.isValid() || !m_cursor.loadKey(key))
        m_cursor.loadNear(m_cursor.position());
    announceView();
    return true;
}

void Table::cancel()
{
    if (!isEditing())
        return;
    m_buffer.clear();
    setState(State::Browse);
    emit currentChanged();
}

bool Table::remove()
{
    if (!requireOpen())
        return false;
    if (m_state == State::Insert) {
        cancel();
        return true;
    }
    if (m_cursor.isEmpty())
        return fail(QStringLiteral("La table %1 n'a aucun enregistrement à supprimer.").arg(objectName()));
    const QVariant key = m_state == State::Edit ? m_buffer.editKey() : m_cursor.currentKey();
    const QVariantList asRead = m_state == State::Edit ? m_buffer.original() : m_cursor.current();
    m_conflict = Conflict::None;
    m_changedFields.clear();
    if (!inTransaction([&] { return removeRow(key, asRead); })) {
        // A row already gone leaves the view: what the user sees is what the store holds.
        if (m_conflict == Conflict::Deleted && m_state == State::Browse) {
            const QString message = m_lastError;
            m_cursor.invalidateCount();
            m_cursor.loadNear(m_cursor.position());
            announceView();
            m_conflict = Conflict::Deleted;
            m_lastError = message;
        }
        return false;
    }
    m_buffer.clear();
    setState(State::Browse);
    m_cursor.invalidateCount();
    m_cursor.loadNear(m_cursor.position());
    emit viewReset();
    announceScroll();
    return true;
}

bool Table::removeRow(const QVariant &key, const QVariantList &asRead)
{
    if (!stillAsRead(key, asRead, true))
        return false;
    const int keyIndex = m_schema.indexOf(m_schema.key);
    QSqlQuery q = m_db->newQuery();
    q.prepare(m_sql.removeKey());
    q.addBindValue(FieldValue::toStorage(m_schema.fields.at(keyIndex).type, key));
    if (!q.exec())
        return fail(Database::describe(q.lastError(), m_file.path()));
    m_db->noteWrite();
    m_db->announceChange(m_schema.name);
    return true;
}

bool Table::removeWhere(const QString &field, const QVariant &value)
{
    if (!requireOpen())
        return false;
    const FieldDef *def = m_schema.field(field);
    if (!def)
        return fail(noSuchField(field));
    m_db->releaseStatements();
    QSqlQuery q = m_db->newQuery();
    q.prepare(m_sql.removeWhere(def->name));
    QString error;
    const auto checked = FieldValue::check(*def, value, &error);
    q.addBindValue(FieldValue::toStorage(def->type, checked.ok ? checked.value : value));
    if (!q.exec())
        return fail(Database::describe(q.lastError(), m_file.path()));
    m_db->noteWrite();
    m_db->announceChange(m_schema.name);
    m_cursor.invalidateCount();
    const QVariant key = m_cursor.currentKey();
    if (!key.isValid() || key.isNull() || !m_cursor.loadKey(key))
        m_cursor.loadNear(m_cursor.position());
    announceView();
    return true;
}

Table::Snapshot Table::snapshot() const
{
    return { m_state, m_cursor.position(), m_cursor.current(), m_buffer.values(), m_buffer.editKey(),
        m_buffer.isModified(), m_buffer.original() };
}

void Table::restore(const Snapshot &snapshot)
{
    m_cursor.set(snapshot.pos, snapshot.current);
    m_buffer.restore(snapshot.buffer, snapshot.original, snapshot.modified);
    m_cursor.invalidateCount();
    setState(snapshot.state);
    announceView();
}

QVariant Table::value(const QString &name) const
{
    const int i = m_schema.indexOf(name);
    if (i < 0)
        return {};
    return isEditing() ? m_buffer.value(i) : m_cursor.current().value(i);
}

QString Table::text(const QString &name) const
{
    const int i = m_schema.indexOf(name);
    if (i < 0)
        return {};
    return FieldValue::display(isEditing() ? m_buffer.raw(i) : m_cursor.current().value(i));
}

bool Table::setValue(const QString &name, const QVariant &value)
{
    const int i = m_schema.indexOf(name);
    if (i < 0)
        return fail(noSuchField(name));
    if (!isEditing())
        return fail(QStringLiteral("La table %1 n'est pas en cours de modification.").arg(objectName()));
    if (m_buffer.set(i, value))
        emit fieldChanged(m_schema.fields.at(i).name);
    return true;
}

QList<QVariantList> Table::fetchRows(int offset, int count, const QStringList &fields) const
{
    if (!isOpen())
        return {};
    return m_cursor.fetchRows(offset, count, fields);
}
