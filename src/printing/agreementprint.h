#pragma once

#include "data/rowrecord.h"
#include "forms/reportdocument.h"

#include <QList>
#include <QString>

class Database;

// Form AP n°1 of one project: the project's posts of the agreement table, read once in `Num`
// order as values, laid out on the form.
namespace AgreementPrint {

inline QString noPostMessage()
{
    return QStringLiteral("Aucun poste de travail enregistrer !");
}

// Reads the project's posts (the value bound, never spliced); false, with the reason, when they
// cannot be read. No post is no error: the list is empty.
bool readPosts(Database *database, const QString &project, QList<RowRecord> *posts, QString *error);
ReportDocument document(const QList<RowRecord> &posts);

} // namespace AgreementPrint
