#pragma once

#include "printing/dossierhost.h"
#include "printing/workerdossier.h"

#include <QDate>
#include <QString>

class DataModule;
class QTextStream;

// The worker dossier without a window, for batch use: the same preparation and checks, the
// automatic choice of documents, each form written as OUT/<form>.pdf (or the whole dossier as one
// PDF), the messages on standard error, each point worth a second look as "à vérifier: …". OUT is
// made only when there is something to write, and a dossier is written whole or not at all. Exit
// status 0 when the dialog would have opened, 2 when a check refused or there is no such worker,
// 1 on any other failure.
class DossierExport : public DossierHost
{
public:
    DossierExport(DataModule &data, const QString &outputDirectory, QTextStream &errors);

    // Exports these forms (named as their files are) instead of the automatic choice, in the
    // dialog's order; the request-type checks still apply. False, said on the error stream with
    // the valid names, when a name is no dossier form.
    bool chooseForms(const QStringList &forms);

    // The whole dossier as one file, OUT/<Nom> <Prénom> — <type de demande> — <yyyy-MM-dd>.pdf,
    // instead of one file per form.
    void setSinglePdf(bool single) { m_singlePdf = single; }

    // Only the checks: the points worth a second look are said, nothing is written, and run()
    // gives 3 when there are some (0 when there are none).
    void setCheckOnly(bool check) { m_checkOnly = check; }
    // The day the checks count from (the clock's by default).
    void setToday(const QDate &today) { m_today = today; }

    int run(const QString &baseDirectory, int workerNumber);

    void message(const QString &text) override;
    void announce(const QString &text) override;
    void openDialog(const QStringList &enabledBoxes) override;

private:
    DataModule &m_data;
    WorkerDossier m_dossier;
    QString m_output;
    QStringList m_forms; // empty: the automatic choice
    QTextStream &m_errors;
    bool m_singlePdf = false;
    bool m_writeFailed = false;
    bool m_checkOnly = false;
    QDate m_today;
    qsizetype m_points = 0;
};
