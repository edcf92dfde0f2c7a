#include "app/projectlist.h"

#include "data/fieldvalue.h"
#include "data/table.h"

ProjectList::ProjectList(Table *contacts, QWidget *parent)
    : QComboBox(parent)
    , m_contacts(contacts)
{
    connect(contacts, &Table::viewReset, this, &ProjectList::refill);
    refill();
}

void ProjectList::refill()
{
    const QString chosen = currentText();
    QStringList projects;
    for (const QVariantList &row :
        m_contacts->fetchRows(0, m_contacts->rowCount(), { QStringLiteral("Projet") }))
        projects << FieldValue::display(row.value(0));
    const QSignalBlocker block(this);
    clear();
    addItems(projects);
    setCurrentIndex(projects.indexOf(chosen));
}
