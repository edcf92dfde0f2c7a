#include "pagepainter.h"

#include "textmeasurer.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr double millimetresPerInch = 25.4;

} // namespace

PagePainter::PagePainter(QPainter &painter)
    : m_painter(painter)
{
    if (const QPaintDevice *device = painter.device()) {
        m_scaleX = device->logicalDpiX() / millimetresPerInch;
        m_scaleY = device->logicalDpiY() / millimetresPerInch;
    }
}

QRectF PagePainter::toDevice(const QRectF &rect) const
{
    return QRectF(QPointF(x(rect.left()), y(rect.top())), QPointF(x(rect.right()), y(rect.bottom())));
}

void PagePainter::draw(const QList<PageItem> &items)
{
    m_painter.save();
    // One device pixel, as the forms' outlines were drawn.
    const QPen outline(Qt::black, 0);
    for (const PageItem &item : items) {
        switch (item.type) {
        case PageItem::Type::Fill:
            m_painter.fillRect(toDevice(item.rect), item.colour);
            break;
        case PageItem::Type::Box:
            m_painter.setPen(outline);
            m_painter.setBrush(item.colour);
            m_painter.drawRect(toDevice(item.rect));
            break;
        case PageItem::Type::VerticalLine: {
            m_painter.setPen(outline);
            const double middle = x(item.rect.center().x());
            m_painter.drawLine(QPointF(middle, y(item.rect.top())), QPointF(middle, y(item.rect.bottom())));
            break;
        }
        case PageItem::Type::HorizontalLine: {
            m_painter.setPen(outline);
            const double middle = y(item.rect.center().y());
            m_painter.drawLine(QPointF(x(item.rect.left()), middle), QPointF(x(item.rect.right()), middle));
            break;
        }
        case PageItem::Type::Text:
            drawText(item);
            break;
        }
    }
    m_painter.restore();
}

void PagePainter::drawText(const PageItem &item)
{
    const QFont font = TextMeasurer::font(item.font, item.arabic);
    const QString text = TextMeasurer::drawable(item.text);
    // A centred line's box was measured at layout: it starts where the line starts.
    m_painter.save();
    m_painter.translate(x(item.centred ? item.rect.left() : item.anchorX), y(item.baseline));
    m_painter.scale(m_scaleX * TextMeasurer::millimetresPerPixel * item.condense * item.shrink,
        m_scaleY * TextMeasurer::millimetresPerPixel * item.shrink);
    m_painter.setFont(font);
    m_painter.setPen(item.colour);
    m_painter.drawText(QPointF(0.0, 0.0), text);
    m_painter.restore();
}
