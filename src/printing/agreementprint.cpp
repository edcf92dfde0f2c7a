#include "printing/agreementprint.h"

#include "data/query.h"
#include "forms/formcatalogue.h"
#include "forms/memorydatasource.h"
#include "printing/pdfoutput.h"

namespace AgreementPrint {

bool readPosts(Database *database, const QString &project, QList<RowRecord> *posts, QString *error)
{
    Query q(database);
    q.addLine(QStringLiteral("select * from accord"));
    q.addLine(QStringLiteral("where projet=:project"));
    q.addLine(QStringLiteral("order by num"));
    q.bindValue(QStringLiteral(":project"), project);
    if (q.readRows(posts))
        return true;
    *error = q.lastError();
    return false;
}

ReportDocument document(const QList<RowRecord> &posts)
{
    // Every post is the one project's, of one employer.
    const RowRecord first = posts.value(0);
    const QString project = first.text(QStringLiteral("Projet"));
    const QString employer = first.text(QStringLiteral("nom_orga"));
    MemoryDataSource source;
    for (const RowRecord &post : posts)
        source.appendRow(post.toMap());
    ReportDocument form = FormCatalogue::document(QStringLiteral("AP01"), &source);
    form.setPdfInfo(PdfOutput::info(
        QStringLiteral("Formulaire AP n° 01 — projet %1").arg(project.simplified()), employer, employer));
    form.setTitle(QStringLiteral("AP01"));
    return form;
}

} // namespace AgreementPrint
