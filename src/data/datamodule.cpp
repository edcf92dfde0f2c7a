#include "data/datamodule.h"

#include "data/database.h"
#include "data/query.h"
#include "data/schemas.h"
#include "data/table.h"

DataModule::DataModule(QObject *parent)
    : QObject(parent)
    , m_db(new Database(this))
    , m_employeur(new Table(m_db, Schemas::employeur(), this))
    , m_contact(new Table(m_db, Schemas::contact(), this))
    , m_accord(new Table(m_db, Schemas::accord(), this))
    , m_expatries(new Table(m_db, Schemas::expatries(), this))
    , m_imprim(new Query(m_db, this))
    , m_imprim1(new Query(m_db, this))
    , m_sqlaccord(new Table(m_db, Schemas::accord(), this))
{
    m_imprim->setObjectName(QStringLiteral("Imprim"));
    m_imprim1->setObjectName(QStringLiteral("Imprim1"));
    m_sqlaccord->setObjectName(QStringLiteral("sqlaccord"));
    m_sqlaccord->setFileName(QStringLiteral("accord.DB"));
    // NOUVEAU proposes the next number; two copies proposing the same one both save.
    m_expatries->setRenumberOnInsert(true);
    m_accord->setRenumberOnInsert(true);
    resetPrintQueries();
    connect(m_db, &Database::changedElsewhere, this, &DataModule::followChange);
    // Queued: the files are opened again in the middle of a save, which is first to end.
    connect(m_db, &Database::reopened, this, &DataModule::followReopening, Qt::QueuedConnection);
}

void DataModule::followChange(const QString &table)
{
    for (Table *t : { m_employeur, m_contact, m_accord, m_expatries, m_sqlaccord }) {
        if (t->isOpen() && !t->isEditing() && t->schema().name.compare(table, Qt::CaseInsensitive) == 0)
            t->refresh();
    }
}

void DataModule::followReopening()
{
    for (Table *t : { m_employeur, m_contact, m_accord, m_expatries, m_sqlaccord }) {
        if (t->isOpen() && !t->isEditing())
            t->refresh();
    }
}

DataModule::~DataModule()
{
    // Let go of the statements before the tables detach their files.
    m_imprim->close();
    m_imprim1->close();
}

void DataModule::resetPrintQueries()
{
    m_imprim->clear();
    m_imprim->addLine(QStringLiteral("select *"));
    m_imprim->addLine(QStringLiteral("from employeur,  contact, expatries"));
    m_imprim1->clear();
    m_imprim1->addLine(QStringLiteral("select *"));
    m_imprim1->addLine(QStringLiteral("from employeur, contact, expatries"));
}

void DataModule::release()
{
    for (Table *table : { m_contact, m_expatries, m_employeur, m_accord, m_sqlaccord })
        table->close();
    m_imprim->close();
    m_imprim1->close();
    m_db->setDirectory(QString());
}
