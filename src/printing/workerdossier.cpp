#include "printing/workerdossier.h"

#include "data/datamodule.h"
#include "data/query.h"
#include "data/table.h"
#include "forms/formcatalogue.h"
#include "forms/memorydatasource.h"
#include "printing/dossierchecks.h"
#include "printing/dossierdocuments.h"
#include "printing/dossierhost.h"
#include "printing/dossierreview.h"
#include "printing/pdfoutput.h"

#include <QDate>

DossierHost::~DossierHost() = default;

WorkerDossier::WorkerDossier(DataModule &data)
    : m_data(data)
{ }

bool WorkerDossier::countWorkers(QString *error)
{
    // Over the whole worker table, every employer's workers.
    static const char *const counts[][2] = { { "where type_demande<>'APT'", "QRLabel7" },
        { "where expatries.qualification='CADRE' and type_demande<>'APT'", "QRLabel2" },
        { "where qualification='AGENT DE MAITRISE' and type_demande<>'APT'", "QRLabel4" },
        { "where qualification='AGENT D EXECUTION' and type_demande<>'APT'", "QRLabel6" } };
    for (const auto &count : counts) {
        Query q(m_data.database());
        q.addLine(QStringLiteral("select *"));
        q.addLine(QStringLiteral("from expatries"));
        q.addLine(QString::fromLatin1(count[0]));
        if (!q.open()) {
            *error = q.lastError();
            return false;
        }
        m_labels.insert(QString::fromLatin1(count[1]), QString::number(q.count()));
    }
    return true;
}

bool WorkerDossier::readWorker(const QString &number, const QString &employer, QString *error)
{
    // The worker's row joined to its employer and contact rows; the values are bound, never spliced.
    Query print(m_data.database());
    print.addLine(QStringLiteral("select *"));
    print.addLine(QStringLiteral("from employeur, contact, expatries"));
    print.addLine(QStringLiteral("where expatries.Num_ordre=:number and contact.Nom_orga=:employer and "
                                 "Employeur.Nom_orga=:employer"));
    print.bindValue(QStringLiteral(":number"), number);
    print.bindValue(QStringLiteral(":employer"), employer);
    QList<RowRecord> rows;
    if (!print.readRows(&rows, 1)) {
        *error = print.lastError();
        return false;
    }
    m_row = rows.value(0);
    return true;
}

WorkerDossier::Outcome WorkerDossier::PrintWorkerDossier(int blanks, DossierHost &host)
{
    Table *workers = m_data.expatries();
    const QString number = workers->text(QStringLiteral("Num_Ordre"));
    const QString employer = workers->text(QStringLiteral("Nom_orga"));
    const QString surname = workers->text(QStringLiteral("Nom"));
    const QString firstName = workers->text(QStringLiteral("Prenom"));
    const QString shownNationality = workers->text(QStringLiteral("Nation"));
    m_surname = surname;
    m_firstName = firstName;
    m_employer = employer;
    m_type = workers->text(QStringLiteral("Type_demande"));
    m_row = RowRecord();
    m_labels.clear();
    // Without a worker, or a worker tied to no employer, there is nothing to print.
    if (number.isEmpty()) {
        host.message(QStringLiteral("Aucun expatrie enregistrer sur la base de données !"));
        return Outcome::NoWorker;
    }
    if (employer.isEmpty()) {
        host.message(
            QStringLiteral("L'expatrie n° %1 (%2 %3) n'est rattaché à aucun organisme employeur : "
                           "modifiez-le et enregistrez-le avec son projet avant d'imprimer son dossier.")
                .arg(number, surname, firstName));
        return Outcome::NoWorker;
    }

    QString error;
    if (!countWorkers(&error) || !readWorker(number, employer, &error)) {
        host.message(QStringLiteral("Le dossier ne peut pas être préparé : %1").arg(error));
        return Outcome::Failed;
    }
    if (!m_row.isEmpty())
        host.announce(DossierChecks::announcement(surname, firstName));

    DossierChecks::Worker worker { m_row.text(QStringLiteral("type_demande")),
        m_row.text(QStringLiteral("Nation")), m_row.value(QStringLiteral("duree")), surname, firstName,
        shownNationality };
    bool dialog = false;
    for (const DossierChecks::Step &step : DossierChecks::run(worker, blanks)) {
        if (step.dialog) {
            dialog = true;
            host.openDialog(DossierChecks::boxesOf(step.selection));
        } else {
            host.message(step.text);
        }
    }
    return dialog ? Outcome::Dialog : Outcome::Refused;
}

ReportDocument WorkerDossier::document(const QString &form) const
{
    MemoryDataSource source;
    if (!m_row.isEmpty())
        source.appendRow(m_row.toMap());
    ReportDocument laidOut = m_catalogue.print(
        form, &source, form == QLatin1String("anx_01") ? m_labels : QHash<QString, QString>());
    laidOut.setPdfInfo(PdfOutput::info(DossierDocuments::formTitle(form), workerName(), m_employer));
    return laidOut;
}

ReportDocument WorkerDossier::wholeDossier(const QStringList &forms) const
{
    ReportDocument whole;
    for (const QString &form : forms)
        whole.append(document(form));
    whole.setTitle(QStringLiteral("Dossier"));
    whole.setPdfInfo(
        PdfOutput::info(QStringLiteral("Dossier %1").arg(m_type.simplified()), workerName(), m_employer));
    return whole;
}

QStringList WorkerDossier::reviewPoints(const QStringList &forms, const QDate &today) const
{
    return DossierReview::points(m_data, m_row, forms, today);
}

QString WorkerDossier::dossierFileName() const
{
    const QString name = QStringLiteral("%1 — %2 — %3")
                             .arg(workerName(), m_type.simplified(),
                                 QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    return PdfOutput::safeFileName(name) + QStringLiteral(".pdf");
}

QString WorkerDossier::workerName() const
{
    return (m_surname + QLatin1Char(' ') + m_firstName).simplified();
}
