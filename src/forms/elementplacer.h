#pragma once

#include "pageitem.h"
#include "reportelement.h"

#include <QList>
#include <QRectF>
#include <QString>

class TextMeasurer;

// Lays one element with its text out as page items. Auto-size texts keep their left edge or
// their centre and take the width of their widest line, condensed where the line is wider than
// its room, so that nothing prints over anything: a caption to the width its row gives it, a
// value to the room before the next element on its line, and nothing past the paper's margins.
// Fixed boxes wrap their text and, when allowed, grow downward.
class ElementPlacer
{
public:
    explicit ElementPlacer(TextMeasurer &measurer);

    // How tall the element is with this text, after any growth.
    double height(const ReportElement &element, const QString &text);
    // The box the element would fill with this text before any condensing, from its layout
    // position.
    QRectF naturalBox(const ReportElement &element, const QString &text);
    // Appends the element's items, its layout position shifted by (originLeft, originTop); a
    // left-aligned line should end at roomRight (paper coordinates).
    void place(const ReportElement &element, const QString &text, double originLeft, double originTop,
        double roomRight, QList<PageItem> *items);
    // Appends a shape's items, stretched downward by `growth` millimetres.
    void placeShape(const ReportElement &element, double originLeft, double originTop, double growth,
        QList<PageItem> *items);

private:
    QStringList lines(const ReportElement &element, const QString &text, bool arabic);
    double condensing(const ReportElement &element, double width, double left, double roomRight) const;

    TextMeasurer &m_measurer;
};
