#pragma once

#include "reportelement.h"

#include <QList>
#include <QStringList>

class ElementPlacer;

// Where each element of one band, or of the page layer, must end so as not to run into its
// neighbour: a millimetre before the nearest element to its right on the same line (a text with
// something to print, a shape, or the far side of a frame around it), else the right margin.
class LineRoom
{
public:
    static constexpr double rightMargin = 200.0;

    // One right edge per element in paper coordinates, the elements placed from the origin;
    // `texts` holds what each element prints.
    static QList<double> rightEdges(const QList<ReportElement> &elements, const QStringList &texts,
        double originLeft, double originTop, ElementPlacer &placer);
};
