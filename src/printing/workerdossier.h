#pragma once

#include "data/rowrecord.h"
#include "forms/formcatalogue.h"
#include "forms/reportdocument.h"

#include <QDate>
#include <QHash>
#include <QString>

class DataModule;
class DossierHost;

// Prepares the print of the current worker's dossier: counts the foreign workers for Annexe 01,
// reads the worker's row joined to its employer and contact rows once, as a value, announces the
// print, checks the request type and opens the dossier dialog with the documents of that type.
// The forms, the checks and the fit measures all read that value. Never writes to a table, never
// moves or narrows one.
class WorkerDossier
{
public:
    enum class Outcome {
        Dialog, // the dialog opened at least once
        Refused, // only messages: a check refused, or the type has no dossier
        NoWorker, // no worker, or a worker without employer: nothing to print
        Failed // a query could not be run
    };

    explicit WorkerDossier(DataModule &data);

    // `blanks` opens the error messages: 85 from the IMPRIMER button, 75 from the list's pop-up item.
    Outcome PrintWorkerDossier(int blanks, DossierHost &host);

    // The captions of Annexe 01's print-time labels, set by the last run.
    QHash<QString, QString> labels() const { return m_labels; }
    // A form of the dossier laid out from the last run's row, its PDF titled with the form's French
    // title and the worker's name.
    ReportDocument document(const QString &form) const;
    // These forms one after the other in one document (forms without a layout left out).
    ReportDocument wholeDossier(const QStringList &forms) const;
    // What is worth a second look before these forms go out, from the last run's worker, as of
    // `today`; empty when all is well.
    QStringList reviewPoints(const QStringList &forms, const QDate &today) const;
    // "<Nom> <Prénom> — <type de demande> — <yyyy-MM-dd>.pdf" for the last run's worker, today.
    QString dossierFileName() const;
    // The last run's worker joined to its employer and contact rows; empty when none was read.
    const RowRecord &row() const { return m_row; }

private:
    bool countWorkers(QString *error);
    bool readWorker(const QString &number, const QString &employer, QString *error);

    QString workerName() const;

    DataModule &m_data;
    QHash<QString, QString> m_labels;
    RowRecord m_row;
    // The last run's worker, as the worker table showed it.
    QString m_surname;
    QString m_firstName;
    QString m_employer;
    QString m_type;
    // The forms of a dossier share their layouts and measurements from one print to the next.
    mutable FormCatalogue m_catalogue;
};
