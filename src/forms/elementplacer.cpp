#include "elementplacer.h"

#include "lineroom.h"
#include "textmeasurer.h"

#include <algorithm>

namespace {

constexpr double tolerance = 1e-6;
constexpr double leftLimit = 10.0;
constexpr double rightLimit = LineRoom::rightMargin;

// Captions are the forms' own wording, fitted to the room their row gives them; values are
// whatever the clerk typed.
bool isCaption(const ReportElement &element)
{
    return (element.kind == ReportElement::Kind::Text || element.kind == ReportElement::Kind::Bullet)
        && element.name.isEmpty();
}

} // namespace

ElementPlacer::ElementPlacer(TextMeasurer &measurer)
    : m_measurer(measurer)
{ }

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
    const double lineHeight = m_measurer.lineHeight(element.font);
    const double count = double(lines(element, text, arabic).size());
    if (!element.fixedBox)
        return std::max(1.0, count) * lineHeight;
    if (element.growsDownward)
        return std::max(element.height, count * lineHeight);
    return element.height;
}

QRectF ElementPlacer::naturalBox(const ReportElement &element, const QString &text)
{
    if (element.isShape() || element.fixedBox)
        return QRectF(element.left, element.top, element.width, height(element, text));
    const bool arabic = ElementFont::isArabic(text);
    double width = 0.0;
    for (const QString &line : lines(element, text, arabic))
        width = std::max(width, m_measurer.width(line, element.font, arabic));
    const double left = element.centred ? element.left + element.width / 2.0 - width / 2.0 : element.left;
    return QRectF(left, element.top, width, height(element, text));
}

double ElementPlacer::condensing(
    const ReportElement &element, double width, double left, double roomRight) const
{
    if (width <= tolerance)
        return 1.0;
    const double anchor = element.centred ? left + element.width / 2.0 : left;
    // Nothing passes the paper's margins.
    const double margins
        = element.centred ? 2.0 * std::min(anchor - leftLimit, rightLimit - anchor) : rightLimit - anchor;
    double room = element.centred ? margins : std::min(margins, roomRight - anchor);
    if (isCaption(element) && element.width > 0.0)
        room = std::min(room, element.width);
    return width > room + tolerance && room > 0.0 ? room / width : 1.0;
}

void ElementPlacer::placeShape(
    const ReportElement &element, double originLeft, double originTop, double growth, QList<PageItem> *items)
{
    PageItem item;
    item.rect
        = QRectF(originLeft + element.left, originTop + element.top, element.width, element.height + growth);
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

void ElementPlacer::place(const ReportElement &element, const QString &text, double originLeft,
    double originTop, double roomRight, QList<PageItem> *items)
{
    if (element.isShape()) {
        placeShape(element, originLeft, originTop, 0.0, items);
        return;
    }
    const double left = originLeft + element.left;
    const double top = originTop + element.top;

    const bool arabic = ElementFont::isArabic(text);
    const double lineHeight = m_measurer.lineHeight(element.font);
    const double ascent = m_measurer.ascent(element.font);
    QStringList shown = lines(element, text, arabic);
    const double boxHeight = height(element, text);
    if (element.fixedBox) {
        // Only whole lines that fit in the box print.
        while (!shown.isEmpty() && double(shown.size()) * lineHeight > boxHeight + tolerance)
            shown.removeLast();
    }

    // Each line's width as printed, condensed where it needs to be.
    QList<double> widths;
    QList<double> scales;
    double boxLeft = left;
    double boxWidth = element.width;
    if (!element.fixedBox)
        boxWidth = 0.0;
    for (const QString &line : std::as_const(shown)) {
        const double width = m_measurer.width(line, element.font, arabic);
        const double scale = element.fixedBox ? 1.0 : condensing(element, width, left, roomRight);
        widths.append(width * scale);
        scales.append(scale);
        if (!element.fixedBox)
            boxWidth = std::max(boxWidth, width * scale);
    }
    if (!element.fixedBox && element.centred)
        boxLeft = left + element.width / 2.0 - boxWidth / 2.0;

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
        item.condense = scales.at(i);
        item.shrink = m_measurer.shrink(line, element.font, arabic);
        item.rect = QRectF(element.centred ? item.anchorX - widths.at(i) / 2.0 : left,
            top + double(i) * lineHeight, widths.at(i), lineHeight);
        items->append(item);
    }
}
