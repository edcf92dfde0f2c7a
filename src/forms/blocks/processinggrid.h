#pragma once

#include "forms/reportelement.h"

#include <QList>
#include <QString>
#include <QStringList>

// The grid at the foot of the request letters in which the wilaya's employment directorate
// records its processing: file number, request type (printed), examiner, initials and opinion.
class ProcessingGrid
{
public:
    // Its elements in paper coordinates for the given form.
    static QList<ReportElement> elements(const QString &form, QStringList *problems = nullptr);
    static QStringList forms();
};
