#pragma once

#include "forms/reportband.h"

#include <QString>
#include <QStringList>

// The employer letterhead that opens most forms: the organisation's name, address, activity
// and project centred on the page, then its telephone, fax and e-mail. Its fonts and field
// boxes come in a few variants, chosen by the form.
class Letterhead
{
public:
    // The letterhead band of a form; problems collects rows that could not be read.
    static ReportBand band(const QString &form, QStringList *problems = nullptr);
    // The forms that carry it.
    static QStringList forms();
};
