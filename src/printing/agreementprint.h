#pragma once

#include "forms/reportdocument.h"

#include <QString>

class Table;

// Form AP n°1 of one project: the agreement print table narrowed to the project's posts, in `Num`
// order, laid out on the form.
namespace AgreementPrint {

inline QString noPostMessage()
{
    return QStringLiteral("Aucun poste de travail enregistrer !");
}

// Narrows the table to the project (the value bound, never spliced) and opens it; false when the
// project has no post.
bool select(Table *posts, const QString &project);
ReportDocument document(Table *posts);

} // namespace AgreementPrint
