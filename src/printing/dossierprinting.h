#pragma once

#include "printing/dossierhost.h"
#include "printing/previewrun.h"
#include "printing/workerdossier.h"

#include <QObject>

class DataModule;
class DossierDialog;
class QWidget;
class UiService;

// The worker dossier print as the worker page starts it (IMPRIMER, or "Â delivré" in the list's
// pop-up menu): the preparation talking to the user through message boxes and the dossier dialog,
// whose documents it previews or prints. Each preview knows its place in the run and can write the
// whole run as one PDF.
class DossierPrinting : public QObject, public DossierHost
{
    Q_OBJECT

public:
    DossierPrinting(DataModule *data, DossierDialog *dialog, UiService &ui, QWidget *parent);

    WorkerDossier &dossier() { return m_dossier; }
    void message(const QString &text) override;
    void openDialog(const QStringList &enabledBoxes) override;

public slots:
    // The current worker's dossier from the page's IMPRIMER button.
    void printFromPage();
    // The same from the worker list's pop-up item; its messages open with fewer blanks.
    void printFromList();

private:
    void run(int blanks);
    bool produce(const QString &form, bool print);
    PreviewRun previewRun(const QString &form) const;

    WorkerDossier m_dossier;
    DossierDialog *m_dialog;
    UiService &m_ui;
    QWidget *m_parent;
    QStringList m_runForms; // what the dialog's run under way produces
};
