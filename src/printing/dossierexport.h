#pragma once

#include "printing/dossierhost.h"
#include "printing/workerdossier.h"

#include <QString>

class DataModule;
class QTextStream;

// The worker dossier without a window, for batch use: the same preparation and checks, the
// automatic choice of documents, each form written as OUT/<form>.pdf, the messages on standard
// error. Exit status 0 when the dialog would have opened, 2 when a check refused or there is no
// such worker, 1 on any other failure.
class DossierExport : public DossierHost
{
public:
    DossierExport(DataModule &data, const QString &outputDirectory, QTextStream &errors);

    int run(const QString &baseDirectory, int workerNumber);

    void message(const QString &text) override;
    void openDialog(const QStringList &enabledBoxes) override;

private:
    DataModule &m_data;
    WorkerDossier m_dossier;
    QString m_output;
    QTextStream &m_errors;
    bool m_writeFailed = false;
};
