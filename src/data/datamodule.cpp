#include "data/datamodule.h"

#include "data/database.h"
#include "data/schemas.h"
#include "data/table.h"

DataModule::DataModule(QObject *parent)
    : QObject(parent)
    , m_db(new Database(this))
    , m_employeur(new Table(m_db, Schemas::employeur(), this))
    , m_contact(new Table(m_db, Schemas::contact(), this))
    , m_accord(new Table(m_db, Schemas::accord(), this))
    , m_expatries(new Table(m_db, Schemas::expatries(), this))
{
    // NOUVEAU proposes the next number; two copies proposing the same one both save.
    m_expatries->setRenumberOnInsert(true);
    m_accord->setRenumberOnInsert(true);
    connect(m_db, &Database::changedElsewhere, this, &DataModule::followChange);
    // Queued: the files are opened again in the middle of a save, which is first to end.
    connect(m_db, &Database::reopened, this, &DataModule::followReopening, Qt::QueuedConnection);
}

void DataModule::followChange(const QString &table)
{
    for (Table *t : { m_employeur, m_contact, m_accord, m_expatries }) {
        if (t->isOpen() && !t->isEditing() && t->schema().name.compare(table, Qt::CaseInsensitive) == 0)
            t->refresh();
    }
}

void DataModule::followReopening()
{
    for (Table *t : { m_employeur, m_contact, m_accord, m_expatries }) {
        if (t->isOpen() && !t->isEditing())
            t->refresh();
    }
}

DataModule::~DataModule() = default;

void DataModule::release()
{
    for (Table *table : { m_contact, m_expatries, m_employeur, m_accord })
        table->close();
    m_db->setDirectory(QString());
}
