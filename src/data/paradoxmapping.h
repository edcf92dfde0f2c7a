#pragma once

#include "data/fielddef.h"
#include "data/paradoxfile.h"

#include <QHash>
#include <QStringList>
#include <QVariant>

// How one old table's columns become a layout's fields: matched by name without regard to case, each
// value converted to its field's kind. What cannot be taken as it stands is said in the notes: a
// number with a fraction or out of range (the field left blank), a text longer than its field (kept
// whole), a value of another kind that does not read as the field's, the old columns left out and
// the fields the old table lacks, a value that could not be read (a memo whose memo file is missing or
// damaged).
class ParadoxMapping
{
public:
    ParadoxMapping(const TableSchema &schema, const QList<ParadoxFile::Column> &columns);

    // The old columns no field takes, and the fields no old column fills.
    QStringList extraColumns() const { return m_extra; }
    QStringList missingFields() const { return m_missing; }

    // The record's values in layout order, as the program holds them (null for blank); `recordNumber`
    // (from 1) names it in the notes when it has no key. The old columns in `unreadable` (with why)
    // leave their fields blank, said in the notes.
    QVariantList convert(const QVariantList &record, const QHash<int, QString> &unreadable, int recordNumber,
        QStringList *notes) const;
    // How the notes name a record: by its key, or by its place in the old file when it has none.
    QString rowName(const QVariantList &converted, int recordNumber) const;

private:
    QVariant toInteger(const QVariant &value, const QString &where, QStringList *notes) const;
    QVariant toText(
        const FieldDef &field, const QVariant &value, const QString &where, QStringList *notes) const;
    QVariant toDate(const QVariant &value, const QString &where, QStringList *notes) const;

    const TableSchema &m_schema;
    QList<int> m_source; // for each field, the old column it comes from, or -1
    QList<ParadoxFile::Kind> m_kinds; // the kind of each old column
    QStringList m_extra;
    QStringList m_missing;
};
