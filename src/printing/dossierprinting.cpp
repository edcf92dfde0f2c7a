#include "printing/dossierprinting.h"

#include "data/datamodule.h"
#include "printing/dossierdialog.h"
#include "printing/dossierdocuments.h"
#include "printing/uiservice.h"

#include <QDate>
#include <QWidget>

DossierPrinting::DossierPrinting(DataModule *data, DossierDialog *dialog, UiService &ui, QWidget *parent)
    : QObject(parent)
    , m_dossier(*data)
    , m_dialog(dialog)
    , m_ui(ui)
    , m_parent(parent)
{
    m_dialog->setProducer([this](const QString &form, bool print) { return produce(form, print); });
    m_dialog->setRunStart([this](const QStringList &forms) { m_runForms = forms; });
}

void DossierPrinting::message(const QString &text)
{
    m_ui.message(m_parent, text);
}

void DossierPrinting::openDialog(const QStringList &enabledBoxes)
{
    // What the automatic choice would print is looked over first; "Retour" goes back to the worker.
    const QStringList points
        = m_dossier.reviewPoints(DossierDocuments::formsOf(enabledBoxes), QDate::currentDate());
    if (!points.isEmpty() && !m_ui.reviewPoints(m_parent, points))
        return;
    m_dialog->setEnabledBoxes(enabledBoxes);
    m_ui.execDialog(m_dialog);
}

void DossierPrinting::printFromPage()
{
    run(85);
}

void DossierPrinting::printFromList()
{
    run(75);
}

void DossierPrinting::run(int blanks)
{
    // The dossier reads its own rows: the worker list stays where it is, whatever the run does.
    m_dossier.PrintWorkerDossier(blanks, *this);
}

bool DossierPrinting::produce(const QString &form, bool print)
{
    ReportDocument document = m_dossier.document(form);
    // A form whose layout is not there produces nothing.
    if (document.pageCount() == 0)
        return true;
    document.setTitle(form);
    if (print)
        return m_ui.print(m_dialog, document);
    m_ui.previewInRun(m_dialog, document, previewRun(form));
    return true;
}

PreviewRun DossierPrinting::previewRun(const QString &form) const
{
    const QStringList forms = m_runForms.contains(form) ? m_runForms : QStringList { form };
    return { int(forms.indexOf(form)) + 1, int(forms.size()), DossierDocuments::formTitle(form),
        m_dossier.dossierFileName(), [this, forms] { return m_dossier.wholeDossier(forms); } };
}
