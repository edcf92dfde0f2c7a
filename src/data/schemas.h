#pragma once

#include "data/fielddef.h"

// The layouts of the four tables of the database directory.
namespace Schemas {
const TableSchema &employeur();
const TableSchema &contact();
const TableSchema &accord();
const TableSchema &expatries();
// The four layouts, in the order employer, contact, agreement, workers.
QList<const TableSchema *> all();
// The kind of a column known to any table (compared without regard to case, ignoring a "_N" suffix);
// text when unknown.
FieldType typeOfColumn(const QString &column);
}
