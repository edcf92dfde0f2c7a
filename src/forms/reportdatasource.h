#pragma once

#include <QString>
#include <QVariant>

// The records a form prints from. A form either reads the record its caller positioned the
// source on, or walks all records with first()/next().
class ReportDataSource
{
public:
    virtual ~ReportDataSource();

    virtual int rowCount() const = 0;
    // Moves to the first record; false when there is none.
    virtual bool first() = 0;
    // Moves to the following record; false, staying on the last one, when there is none.
    virtual bool next() = 0;
    // The value of a column of the current record, the name matched without regard to case;
    // an invalid QVariant when there is no such column or no current record.
    virtual QVariant value(const QString &field) const = 0;
};
