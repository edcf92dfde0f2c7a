#pragma once

#include "forms/reportelement.h"

#include <QList>
#include <QString>
#include <QStringList>

// The box the employment directorate fills in on receipt ("Cadre réservé à la DEW"): a silver
// frame with a grey title bar and blank lines for the reception date and file number, placed
// on the page layer.
class DewReceptionBox
{
public:
    // Its elements at the form's position, in paper coordinates.
    static QList<ReportElement> elements(const QString &form, QStringList *problems = nullptr);
    static QStringList forms();
};
