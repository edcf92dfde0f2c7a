#pragma once

#include "pageitem.h"
#include "reportelement.h"

#include <QList>
#include <QString>

class TextMeasurer;

// Lays one element with its text out as page items: auto-size texts take the width of their
// widest line and keep their left edge or their centre; fixed boxes wrap their text and, when
// allowed, grow downward.
class ElementPlacer
{
public:
    explicit ElementPlacer(TextMeasurer &measurer);

    // How tall the element is with this text, after any growth.
    double height(const ReportElement &element, const QString &text);
    // Appends the element's items, its layout position shifted by (originLeft, originTop).
    void place(const ReportElement &element, const QString &text, double originLeft, double originTop,
               QList<PageItem> *items);

private:
    QStringList lines(const ReportElement &element, const QString &text, bool arabic);
    void placeShape(const ReportElement &element, double left, double top, QList<PageItem> *items);

    TextMeasurer &m_measurer;
};
