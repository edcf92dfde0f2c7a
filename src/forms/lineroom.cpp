#include "lineroom.h"

#include "elementplacer.h"

#include <algorithm>

namespace {

// A neighbour counts when it starts this far right of the element's left edge and shares
// more than half of the element's line.
constexpr double minimumGap = 0.5;
constexpr double sharedLine = 0.5;
// Kept free before the neighbour, so that a condensed line never reads as one with it.
constexpr double clearance = 1.0;

double sharedHeight(double top, double bottom, double otherTop, double otherBottom)
{
    return std::min(bottom, otherBottom) - std::max(top, otherTop);
}

} // namespace

QList<double> LineRoom::rightEdges(const QList<ReportElement> &elements, const QStringList &texts,
    double originLeft, double originTop, ElementPlacer &placer)
{
    QList<QRectF> boxes;
    boxes.reserve(elements.size());
    for (qsizetype i = 0; i < elements.size(); ++i)
        boxes.append(placer.naturalBox(elements.at(i), texts.at(i)).translated(originLeft, originTop));

    QList<double> edges(elements.size(), rightMargin);
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const ReportElement &element = elements.at(i);
        if (element.isShape() || element.fixedBox || element.centred || texts.at(i).isEmpty())
            continue;
        const QRectF &box = boxes.at(i);
        const double start = box.left() + minimumGap;
        double edge = rightMargin;
        for (qsizetype j = 0; j < elements.size(); ++j) {
            const ReportElement &other = elements.at(j);
            const QRectF &otherBox = boxes.at(j);
            if (j == i || (!other.isShape() && texts.at(j).isEmpty()))
                continue;
            if (other.kind == ReportElement::Kind::HorizontalLine)
                continue;
            const double shared = sharedHeight(box.top(), box.bottom(), otherBox.top(), otherBox.bottom());
            const double needed = other.isShape() ? sharedLine * box.height()
                                                  : sharedLine * std::min(box.height(), otherBox.height());
            if (shared <= needed)
                continue;
            double otherLeft = otherBox.left();
            if (other.kind == ReportElement::Kind::VerticalLine)
                otherLeft = otherBox.center().x();
            else if (other.kind == ReportElement::Kind::Box && otherLeft <= box.left())
                otherLeft = otherBox.right(); // a frame around the element
            if (otherLeft > start)
                edge = std::min(edge, otherLeft - clearance);
        }
        edges[i] = edge;
    }
    return edges;
}
