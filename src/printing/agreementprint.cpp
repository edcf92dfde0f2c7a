#include "printing/agreementprint.h"

#include "data/table.h"
#include "forms/formcatalogue.h"
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
    TableDataSource source(posts);
    ReportDocument form = FormCatalogue::document(QStringLiteral("AP01"), &source);
    form.setTitle(QStringLiteral("AP01"));
    return form;
}

} // namespace AgreementPrint
