#include "printing/agreementprint.h"

#include "data/table.h"
#include "forms/formcatalogue.h"
#include "printing/pdfoutput.h"
#include "printing/tabledatasource.h"

namespace AgreementPrint {

bool select(Table *posts, const QString &project)
{
    posts->setFiltered(false);
    posts->setFilter(QStringLiteral("projet"), project);
    posts->setFiltered(true);
    posts->open();
    return posts->hasRows();
}

ReportDocument document(Table *posts)
{
    // Every post of the table is the one project's, of one employer.
    const QString project = posts->text(QStringLiteral("Projet"));
    const QString employer = posts->text(QStringLiteral("nom_orga"));
    TableDataSource source(posts);
    ReportDocument form = FormCatalogue::document(QStringLiteral("AP01"), &source);
    form.setPdfInfo(PdfOutput::info(
        QStringLiteral("Formulaire AP n° 01 — projet %1").arg(project.simplified()), employer, employer));
    form.setTitle(QStringLiteral("AP01"));
    return form;
}

} // namespace AgreementPrint
