#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class DataModule;
class RowRecord;

// The points worth a second look before a worker's dossier goes out, read from the worker's row
// joined to its employer and contact rows, as the dossier preparation read it:
// mandatory values the chosen forms would print blank, values that would not fit their place on
// a form, a contract ending before it starts, a passport ending before the contract or within six
// months, and a post missing from the project's agreement or over its forecast. Nothing is refused:
// the points are said, and the user goes on or goes back.
namespace DossierReview {

// One sentence per point, in French; empty when all is well.
// `data` is read for the project's agreement only.
QStringList points(DataModule &data, const RowRecord &row, const QStringList &forms, const QDate &today);

// The caption a field has on the worker's entry form ("NOM"), or the field's own name.
QString caption(const QString &field);

} // namespace DossierReview
