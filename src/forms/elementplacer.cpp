#include "elementplacer.h"

#include "textmeasurer.h"

#include <algorithm>

namespace {

constexpr double tolerance = 1e-6;
// A line of text may run past its design box but not past the right margin: the fonts' true
// widths exceed some of the forms' design boxes by up to a tenth, which would push the ends of
// the longest lines off the paper. Such a line is narrowed just enough to end at the margin.
constexpr double leftLimit = 10.0;
constexpr double rightLimit = 200.0;

double condensing(double width, double anchorX, bool centred)
{
    const double room = centred ? 2.0 * std::min(anchorX - leftLimit, rightLimit - anchorX) : rightLimit - anchorX;
    if (width <= room + tolerance || room <= 0.0)
        return 1.0;
    return room / width;
}

} // namespace

ElementPlacer::ElementPlacer(TextMeasurer &measurer)
    : m_measurer(measurer)
{
}

QStringList ElementPlacer::lines(const ReportElement &element, const QString &text, bool arabic)
{
    if (element.fixedBox)
        return m_measurer.wrap(text, element.font, arabic, element.width);
    return text.split(QLatin1Char('\n'));
}

double ElementPlacer::height(const ReportElement &element, const QString &text)
{
    if (element.isShape())
        return element.height;
    const bool arabic = ElementFont::isArabic(text);
    const double lineHeight = m_measurer.lineHeight(element.font, arabic);
    const double count = double(lines(element, text, arabic).size());
    if (!element.fixedBox)
        return std::max(1.0, count) * lineHeight;
    if (element.growsDownward)
        return std::max(element.height, count * lineHeight);
    return element.height;
}

void ElementPlacer::placeShape(const ReportElement &element, double left, double top, QList<PageItem> *items)
{
    PageItem item;
    item.rect = QRectF(left, top, element.width, element.height);
    item.colour = ReportElement::colour(element.shade);
    switch (element.kind) {
    case ReportElement::Kind::VerticalLine:
        item.type = PageItem::Type::VerticalLine;
        break;
    case ReportElement::Kind::HorizontalLine:
        item.type = PageItem::Type::HorizontalLine;
        break;
    default:
        item.type = PageItem::Type::Box;
        break;
    }
    items->append(item);
}

void ElementPlacer::place(const ReportElement &element, const QString &text, double originLeft, double originTop,
                          QList<PageItem> *items)
{
    const double left = originLeft + element.left;
    const double top = originTop + element.top;
    if (element.isShape()) {
        placeShape(element, left, top, items);
        return;
    }

    const bool arabic = ElementFont::isArabic(text);
    const double lineHeight = m_measurer.lineHeight(element.font, arabic);
    const double ascent = m_measurer.ascent(element.font, arabic);
    QStringList shown = lines(element, text, arabic);
    const double boxHeight = height(element, text);
    if (element.fixedBox) {
        // Only whole lines that fit in the box print.
        while (!shown.isEmpty() && double(shown.size()) * lineHeight > boxHeight + tolerance)
            shown.removeLast();
    }

    double boxLeft = left;
    double boxWidth = element.width;
    if (!element.fixedBox) {
        boxWidth = 0.0;
        const double anchor = element.centred ? left + element.width / 2.0 : left;
        for (const QString &line : std::as_const(shown)) {
            const double width = m_measurer.width(line, element.font, arabic);
            boxWidth = std::max(boxWidth, width * condensing(width, anchor, element.centred));
        }
        if (element.centred)
            boxLeft = left + element.width / 2.0 - boxWidth / 2.0;
    }

    if (!element.transparent && boxWidth > 0.0) {
        PageItem fill;
        fill.type = PageItem::Type::Fill;
        fill.rect = QRectF(boxLeft, top, boxWidth, boxHeight);
        fill.colour = ReportElement::colour(element.shade);
        items->append(fill);
    }

    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QString &line = shown.at(i);
        if (line.isEmpty())
            continue;
        PageItem item;
        item.type = PageItem::Type::Text;
        item.text = line;
        item.font = element.font;
        item.arabic = arabic;
        item.colour = ReportElement::colour(element.ink);
        item.centred = element.centred;
        item.anchorX = element.centred ? left + element.width / 2.0 : left;
        item.baseline = top + double(i) * lineHeight + ascent;
        item.condense = condensing(m_measurer.width(line, element.font, arabic), item.anchorX, item.centred);
        const double lineWidth = m_measurer.width(line, element.font, arabic) * item.condense;
        item.rect = QRectF(element.centred ? item.anchorX - lineWidth / 2.0 : left, top + double(i) * lineHeight,
                           lineWidth, lineHeight);
        items->append(item);
    }
}
