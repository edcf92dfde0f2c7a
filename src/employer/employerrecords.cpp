#include "employer/employerrecords.h"

#include "data/database.h"
#include "data/datamodule.h"
#include "data/table.h"

bool EmployerRecords::saveEntry()
{
    Table *employers = m_data.employeur();
    Table *contacts = m_data.contact();
    Database *db = m_data.database();
    contacts->setValue(QStringLiteral("nom_orga"), employers->value(QStringLiteral("Nom_orga")));
    // Both rows are checked before either is written: a refused employer row leaves no contact row.
    if (!employers->validate()) {
        m_error = employers->lastError();
        return false;
    }
    if (!contacts->validate()) {
        m_error = contacts->lastError();
        return false;
    }
    const Table::Snapshot employerBefore = employers->snapshot();
    const Table::Snapshot contactBefore = contacts->snapshot();
    if (!db->transaction()) {
        m_error = db->lastError();
        return false;
    }
    if (contacts->post() && employers->post() && db->commit())
        return true;
    m_error = contacts->isEditing() ? contacts->lastError()
        : employers->isEditing()    ? employers->lastError()
                                    : db->lastError();
    m_conflict = contacts->isEditing() ? contacts->conflict()
        : employers->isEditing()       ? employers->conflict()
                                       : Table::Conflict::None;
    db->rollback();
    contacts->restore(contactBefore);
    employers->restore(employerBefore);
    return false;
}

bool EmployerRecords::deleteEntry(const QString &name)
{
    Table *employers = m_data.employeur();
    Database *db = m_data.database();
    const Table::Snapshot employerBefore = employers->snapshot();
    if (!db->transaction()) {
        m_error = db->lastError();
        return false;
    }
    bool ok = employers->remove();
    Table *failed = employers;
    if (ok) {
        ok = m_data.contact()->removeWhere(QStringLiteral("nom_orga"), name);
        failed = m_data.contact();
    }
    if (ok) {
        ok = m_data.accord()->removeWhere(QStringLiteral("nom_orga"), name);
        failed = m_data.accord();
    }
    if (ok && db->commit())
        return true;
    m_error = ok ? db->lastError() : failed->lastError();
    m_conflict = ok ? Table::Conflict::None : failed->conflict();
    db->rollback();
    // A row another copy changed or deleted is shown as it is stored now, not as it was.
    if (m_conflict == Table::Conflict::None)
        employers->restore(employerBefore);
    else
        employers->reload();
    for (Table *t : { m_data.contact(), m_data.accord() })
        t->refresh();
    return false;
}
