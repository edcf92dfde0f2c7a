#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The checks of a worker's request type against nationality and contract duration, and what each
// gives: the dossier dialog with one of four selections of documents, or a message for the user.
namespace DossierChecks {

enum class Selection { Apt, Annexe10, Change, Permit };

struct Step
{
    bool dialog = false; // the dialog with `selection`, else the message `text`
    Selection selection = Selection::Apt;
    QString text;
};

struct Worker
{
    QString type; // Type_demande
    QString nationality; // Nation
    QVariant duration; // Duree, months
    QString surname;
    QString firstName;
    QString shownNationality;
};

// What the checks give for a worker, in order. `blanks` opens the error messages (85 from the
// IMPRIMER button, 75 from the list's pop-up item).
QList<Step> run(const Worker &worker, int blanks);

// The announcement shown before the checks.
QString announcement(const QString &surname, const QString &firstName);

// The document boxes a selection enables (object names of the dialog's boxes).
QStringList boxesOf(Selection selection);

const QStringList &visaExemptNationalities();
const QStringList &permitExemptNationalities();

} // namespace DossierChecks
