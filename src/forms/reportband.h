#pragma once

#include "reportelement.h"

#include <QList>

// A horizontal strip of a form, printed at the current vertical position across the 190 mm
// between the margins; its elements are placed from its top-left corner.
struct ReportBand
{
    double height = 0.0;
    QList<ReportElement> elements;

    bool operator==(const ReportBand &other) const = default;
};
