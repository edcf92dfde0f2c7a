#include "printing/dossierexport.h"

#include "data/datamodule.h"
#include "data/table.h"
#include "printing/batchexport.h"
#include "printing/dossierdocuments.h"

#include <QTextStream>

DossierExport::DossierExport(DataModule &data, const QString &outputDirectory, QTextStream &errors)
    : m_data(data)
    , m_dossier(data)
    , m_output(outputDirectory)
    , m_errors(errors)
{ }

void DossierExport::message(const QString &text)
{
    BatchExport::say(m_errors, text);
}

void DossierExport::announce(const QString &)
{
    // The window's notice that the print begins is no message for a terminal.
}

void DossierExport::openDialog(const QStringList &enabledBoxes)
{
    // "Automatique (recommander)": every enabled document, in production order.
    // A form whose layout is missing is named and skipped; a file that cannot be written fails the run.
    const QStringList forms = m_forms.isEmpty() ? DossierDocuments::formsOf(enabledBoxes) : m_forms;
    // Nothing is held back for these points: they are said, and the dossier is written all the same.
    const QStringList points
        = m_dossier.reviewPoints(forms, m_today.isValid() ? m_today : QDate::currentDate());
    for (const QString &point : points)
        BatchExport::say(m_errors, QStringLiteral("à vérifier: ") + point);
    m_points += points.size();
    if (m_checkOnly)
        return;
    QList<ReportDocument> documents;
    QStringList names;
    for (const QString &form : forms) {
        ReportDocument document = m_dossier.document(form);
        if (document.pageCount() == 0) {
            message(BatchExport::missingForm(form));
            continue;
        }
        documents << document;
        names << form + QStringLiteral(".pdf");
    }
    if (m_singlePdf && !documents.isEmpty()) {
        documents = { m_dossier.wholeDossier(forms) };
        names = QStringList { m_dossier.dossierFileName() };
    }
    QList<BatchExport::OutputFile> files;
    for (qsizetype i = 0; i < documents.size(); ++i)
        files.append({ names.at(i), &documents.at(i) });
    if (!files.isEmpty() && !BatchExport::writeAll(files, m_output, m_errors))
        m_writeFailed = true;
}

bool DossierExport::chooseForms(const QStringList &forms)
{
    QStringList unknown;
    const QStringList ordered = DossierDocuments::inProductionOrder(forms, &unknown);
    if (!unknown.isEmpty() || ordered.isEmpty()) {
        const QString names
            = unknown.isEmpty() ? QStringLiteral("aucun") : unknown.join(QStringLiteral(", "));
        message(QStringLiteral("formulaire inconnu pour --forms : %1 ; formulaires valides : %2")
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
    if (!m_data.expatries()->locate(workerNumber)) {
        message(QStringLiteral("aucun expatrié n° %1").arg(workerNumber));
        return 2;
    }
    switch (m_dossier.PrintWorkerDossier(85, *this)) {
    case WorkerDossier::Outcome::Dialog:
        if (m_checkOnly)
            return m_points > 0 ? 3 : 0;
        return m_writeFailed ? 1 : 0;
    case WorkerDossier::Outcome::Refused:
    case WorkerDossier::Outcome::NoWorker:
        return 2;
    case WorkerDossier::Outcome::Failed:
        return 1;
    }
    return 1;
}
