#pragma once

#include "pageitem.h"

#include <QList>

class QPainter;

// Draws the items of a laid-out page with a painter whose device's origin is the paper's
// top-left corner, converting millimetres with the device's logical resolution.
class PagePainter
{
public:
    explicit PagePainter(QPainter &painter);

    void draw(const QList<PageItem> &items);

private:
    double x(double millimetres) const { return millimetres * m_scaleX; }
    double y(double millimetres) const { return millimetres * m_scaleY; }
    QRectF toDevice(const QRectF &rect) const;
    void drawText(const PageItem &item);

    QPainter &m_painter;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
};
