#pragma once

#include "data/fielddef.h"

#include <QDate>
#include <QVariant>

// Conversions of a field's value between what the user types ("dd/mm/yyyy" dates, digits),
// what the program holds (QDate, qint32, QString, or null) and what the store keeps
// (INTEGER, TEXT, ISO "yyyy-MM-dd").
namespace FieldValue {

// The one date form of the program.
inline constexpr const char *DateFormat = "dd/MM/yyyy";

// A date typed as "dd/mm/yyyy" (one-digit day and month allowed); invalid when it is no calendar date.
QDate parseDate(const QString &text);
QString formatDate(const QDate &date);

// A value read from the store, as the program holds it. Values another tool wrote in an unexpected
// form (a date as "dd/mm/yyyy", digits in text) are read leniently.
QVariant fromStorage(FieldType type, const QVariant &stored);

// A value the program or the user gave, checked against the column: null for blank, the converted
// value when it fits, else an invalid result with a French message naming the field in *error.
struct Checked
{
    bool ok = true;
    QVariant value; // null QVariant for blank
};
Checked check(const FieldDef &field, const QVariant &value, QString *error);

// The value in the form the store keeps (ISO text for dates); expects a checked value.
QVariant toStorage(FieldType type, const QVariant &value);

// The value as shown and printed: dates "dd/mm/yyyy", numbers plain, blank for null.
QString display(const QVariant &value);

} // namespace FieldValue
