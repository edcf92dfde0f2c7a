#pragma once

#include <QString>
#include <QVariant>

// How a data field prints a column value: dates as dd/MM/yyyy, numbers in plain decimal form,
// texts as stored (a memo's lines on lines of their own), nothing for a blank value.
class FieldText
{
public:
    static QString display(const QVariant &value);
};
