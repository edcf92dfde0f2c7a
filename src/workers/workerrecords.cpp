#include "workers/workerrecords.h"

#include "data/datamodule.h"
#include "data/filterguard.h"
#include "data/table.h"

int WorkerRecords::nextOrderNumber() const
{
    const QVariant highest = m_data.expatries()->maximum(QStringLiteral("Num_Ordre"));
    return highest.isNull() ? 1 : highest.toInt() + 1;
}

bool WorkerRecords::attachAndSave(const QString &chosenProject)
{
    Table *workers = m_data.expatries();
    Table *contacts = m_data.contact();
    Table *employers = m_data.employeur();

    // What the row holds is checked first, so that a refusal leaves the other tables as they were.
    if (!workers->validate()) {
        m_error = workers->lastError();
        return false;
    }

    // The project row: the chosen project, whatever its employer, else the current employer's.
    FilterGuard projectView(contacts,
        chosenProject.isEmpty() ? QStringLiteral("nom_orga") : QStringLiteral("projet"),
        chosenProject.isEmpty() ? employers->value(QStringLiteral("Nom_orga")) : QVariant(chosenProject));
    if (!contacts->hasRows()) {
        m_error = chosenProject.isEmpty()
            ? QStringLiteral(
                "L'organisme employeur sélectionné n'a aucun projet enregistré : choisissez un projet "
                "dans la liste « PROJET : ». L'expatrie n'a pas été enregistré.")
            : QStringLiteral(
                "Le projet « %1 » n'existe plus : choisissez un autre projet dans la liste « PROJET : ». "
                "L'expatrie n'a pas été enregistré.")
                  .arg(chosenProject);
        return false;
    }

    // The employer row of that project.
    const QVariant owner = contacts->value(QStringLiteral("nom_orga"));
    FilterGuard employerView(employers, QStringLiteral("Nom_orga"), owner);
    if (!employers->hasRows()) {
        m_error = QStringLiteral(
            "Le projet « %1 » n'a pas d'organisme employeur enregistré (« %2 ») : un expatrie ne "
            "peut pas être enregistré sans son employeur.")
                      .arg(contacts->text(QStringLiteral("Projet")), owner.toString());
        return false;
    }
    // Both rows found: the two views stay narrowed to them, whatever the post gives.
    projectView.keep();
    employerView.keep();

    workers->setValue(QStringLiteral("Tel"), contacts->value(QStringLiteral("Tel")));
    workers->setValue(QStringLiteral("Fax"), contacts->value(QStringLiteral("Fax")));
    workers->setValue(QStringLiteral("Email"), contacts->value(QStringLiteral("email")));
    workers->setValue(QStringLiteral("Nom_orga"), employers->value(QStringLiteral("Nom_orga")));
    workers->setValue(
        QStringLiteral("Nature_activite"), contacts->value(QStringLiteral("activite_principal")));
    workers->setValue(QStringLiteral("Projet"), contacts->value(QStringLiteral("Projet")));
    workers->setValue(QStringLiteral("Lieu_emploi"), employers->value(QStringLiteral("Lieu_emploi_orga")));
    if (!workers->post()) {
        m_error = workers->lastError();
        return false;
    }
    return true;
}
