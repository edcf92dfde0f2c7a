#include "widgets/projectlist.h"

#include "data/fieldvalue.h"
#include "data/table.h"

#include <QWheelEvent>

ProjectList::ProjectList(Table *contacts, QWidget *parent)
    : QComboBox(parent)
    , m_contacts(contacts)
{
    setFocusPolicy(Qt::StrongFocus);
    connect(contacts, &Table::viewReset, this, &ProjectList::viewChanged);
    refill();
}

void ProjectList::viewChanged()
{
    if (isVisible())
        refill();
    else
        m_stale = true;
}

void ProjectList::showEvent(QShowEvent *event)
{
    if (m_stale)
        refill();
    QComboBox::showEvent(event);
}

void ProjectList::showPopup()
{
    if (m_stale)
        refill();
    QComboBox::showPopup();
}

void ProjectList::refill()
{
    m_stale = false;
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

void ProjectList::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
