#include "printing/dossierexport.h"

#include "data/datamodule.h"
#include "data/table.h"
#include "printing/batchexport.h"
#include "printing/dossierdocuments.h"

#include <QDir>
#include <QTextStream>

DossierExport::DossierExport(DataModule &data, const QString &outputDirectory, QTextStream &errors)
    : m_data(data)
    , m_dossier(data)
    , m_output(outputDirectory)
    , m_errors(errors)
{ }

void DossierExport::message(const QString &text)
{
    m_errors << text << Qt::endl;
}

void DossierExport::openDialog(const QStringList &enabledBoxes)
{
    // "Automatique (recommander)": every enabled document, in production order.
    // A form whose layout is missing is named and skipped; a file that cannot be written fails the run.
    const QStringList forms = m_forms.isEmpty() ? DossierDocuments::formsOf(enabledBoxes) : m_forms;
    for (const QString &form : forms) {
        const ReportDocument document = m_dossier.document(form);
        if (BatchExport::write(document, form, m_output, m_errors) != 0 && document.pageCount() > 0)
            m_writeFailed = true;
    }
}

bool DossierExport::chooseForms(const QStringList &forms)
{
    QStringList unknown;
    const QStringList ordered = DossierDocuments::inProductionOrder(forms, &unknown);
    if (!unknown.isEmpty() || ordered.isEmpty()) {
        const QString names
            = unknown.isEmpty() ? QStringLiteral("aucun") : unknown.join(QStringLiteral(", "));
        message(QStringLiteral("velmora: formulaire inconnu pour --forms : %1 ; formulaires valides : %2")
                    .arg(names, DossierDocuments::allForms().join(QStringLiteral(","))));
        return false;
    }
    m_forms = ordered;
    return true;
}

int DossierExport::run(const QString &baseDirectory, int workerNumber)
{
    if (!BatchExport::open(m_data, baseDirectory, m_errors))
        return 1;
    if (!QDir().mkpath(m_output)) {
        message(QStringLiteral("Le dossier de sortie « %1 » ne peut pas être créé.").arg(m_output));
        return 1;
    }
    if (!m_data.expatries()->locate(workerNumber)) {
        message(QStringLiteral("Aucun expatrie ne porte le numéro %1.").arg(workerNumber));
        return 2;
    }
    switch (m_dossier.PrintWorkerDossier(85, *this)) {
    case WorkerDossier::Outcome::Dialog:
        return m_writeFailed ? 1 : 0;
    case WorkerDossier::Outcome::Refused:
    case WorkerDossier::Outcome::NoWorker:
        return 2;
    case WorkerDossier::Outcome::Failed:
        return 1;
    }
    return 1;
}
