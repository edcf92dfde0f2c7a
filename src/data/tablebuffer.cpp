#include "data/tablebuffer.h"

#include "data/database.h"
#include "data/fieldvalue.h"
#include "data/tablesql.h"

#include <QSqlQuery>

bool TableBuffer::sameValue(const QVariant &a, const QVariant &b)
{
    const bool an = a.isNull() || !a.isValid();
    const bool bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn;
    return a == b && a.typeId() == b.typeId();
}

TableBuffer::TableBuffer(Database *database, const TableSchema &schema, const TableSql &sql)
    : m_db(database)
    , m_schema(schema)
    , m_sql(sql)
{ }

void TableBuffer::startInsert()
{
    m_values = QVariantList(m_schema.fields.size());
    m_editKey = QVariant();
    m_original.clear();
    m_modified = false;
}

void TableBuffer::startEdit(const QVariantList &current)
{
    m_values = current;
    m_editKey = current.value(m_schema.indexOf(m_schema.key));
    m_original = current;
    m_modified = false;
}

void TableBuffer::clear()
{
    m_values.clear();
    m_modified = false;
}

void TableBuffer::restore(const QVariantList &values, const QVariantList &original, bool modified)
{
    m_values = values;
    m_original = original;
    m_editKey = original.value(m_schema.indexOf(m_schema.key));
    m_modified = modified;
}

QVariant TableBuffer::value(int field) const
{
    const QVariant typed = m_values.value(field);
    QString error;
    const auto checked = FieldValue::check(m_schema.fields.at(field), typed, &error);
    return checked.ok ? checked.value : typed;
}

bool TableBuffer::set(int field, const QVariant &value)
{
    QVariant v = value;
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        v = QVariant();
    if (sameValue(m_values.value(field), v))
        return false;
    m_values[field] = v;
    m_modified = true;
    return true;
}

bool TableBuffer::check(
    bool inserting, const QString &tableName, QVariantList *checked, QString *error, bool keyMayMove) const
{
    checked->clear();
    for (int i = 0; i < m_schema.fields.size(); ++i) {
        const FieldDef &f = m_schema.fields.at(i);
        const auto c = FieldValue::check(f, m_values.value(i), error);
        if (!c.ok)
            return false;
        if (f.required && c.value.isNull()) {
            *error = QStringLiteral(
                "Le champ « %1 » de la table %2 est obligatoire : il ne peut pas rester vide.")
                         .arg(f.name, tableName);
            return false;
        }
        checked->append(c.value);
    }
    return (inserting && keyMayMove) || keyFree(*checked, inserting, tableName, error);
}

// False when another row holds the key the checked values give the row.
bool TableBuffer::keyFree(
    const QVariantList &checked, bool inserting, const QString &tableName, QString *error) const
{
    const int keyIndex = m_schema.indexOf(m_schema.key);
    const QVariant key = checked.at(keyIndex);
    const FieldDef &keyDef = m_schema.fields.at(keyIndex);
    if (!inserting && sameValue(key, m_editKey))
        return true;
    QSqlQuery dup = m_db->newQuery();
    dup.prepare(m_sql.keyTaken());
    dup.addBindValue(FieldValue::toStorage(keyDef.type, key));
    if (!dup.exec() || !dup.next())
        return true;
    *error = QStringLiteral("La table %1 contient déjà un enregistrement « %2 » (champ %3) : "
                            "deux enregistrements ne peuvent pas porter la même clé.")
                 .arg(tableName, FieldValue::display(key), keyDef.name);
    return false;
}

void TableBuffer::bind(QSqlQuery &query, const QVariantList &checked, bool updating) const
{
    for (int i = 0; i < checked.size(); ++i)
        query.addBindValue(FieldValue::toStorage(m_schema.fields.at(i).type, checked.at(i)));
    if (updating)
        query.addBindValue(
            FieldValue::toStorage(m_schema.fields.at(m_schema.indexOf(m_schema.key)).type, m_editKey));
}
