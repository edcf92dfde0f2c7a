#pragma once

#include "forms/reportband.h"

#include <QList>
#include <QStringList>

// The state header that opens the receipts of the annexes: the Republic's name in Arabic and French
// (the first band), then the ministry and the directorate-general in French and Arabic, and the
// wilaya and address lines completed by hand (page layer, paper coordinates).
class StateHeader
{
public:
    static ReportBand band(QStringList *problems = nullptr);
    static QList<ReportElement> pageElements(QStringList *problems = nullptr);
    // The forms that carry it.
    static QStringList forms();
};
