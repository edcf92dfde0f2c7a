#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The documents of a worker's dossier in the order they are produced: the dialog's box, its
// caption, and the forms it produces.
namespace DossierDocuments {

struct Document
{
    QString box;
    QString caption;
    QStringList forms;
};

const QList<Document> &all();
// The forms of the given boxes, in production order.
QStringList formsOf(const QStringList &boxes);
// Every form a dossier can hold, in production order.
QStringList allForms();
// A form's French title: its document's caption, with "(1/2)", "(2/2)" when the document has two forms.
QString formTitle(const QString &form);
// The given forms in production order; names that are no dossier form go to *unknown.
QStringList inProductionOrder(const QStringList &forms, QStringList *unknown);

} // namespace DossierDocuments
