#include "reportrenderer.h"

#include "fieldtext.h"
#include "lineroom.h"
#include "reportdatasource.h"

#include <algorithm>

namespace {

constexpr double tolerance = 1e-6;
// A shape whose bottom lies within this distance of its band's bottom belongs to the band's frame.
constexpr double frameReach = 0.5;

} // namespace

ReportRenderer::ReportRenderer(const ReportLayout &layout, ReportDataSource *source, TextMeasurer &measurer,
    const QHash<QString, QString> &labels)
    : m_layout(layout)
    , m_source(source)
    , m_labels(labels)
    , m_measurer(measurer)
    , m_placer(m_measurer)
{ }

ReportDocument ReportRenderer::render(const ReportLayout &layout, ReportDataSource *source,
    TextMeasurer &measurer, const QHash<QString, QString> &labels)
{
    return ReportRenderer(layout, source, measurer, labels).run();
}

ReportDocument ReportRenderer::render(
    const ReportLayout &layout, ReportDataSource *source, const QHash<QString, QString> &labels)
{
    TextMeasurer measurer;
    return render(layout, source, measurer, labels);
}

QString ReportRenderer::text(const ReportElement &element) const
{
    switch (element.kind) {
    case ReportElement::Kind::Field:
        if (!m_haveRecord || !m_source)
            return {};
        return FieldText::display(m_source->value(element.content));
    case ReportElement::Kind::PageNumber:
        return QString::number(m_document.pageCount() + m_firstPageNumber);
    case ReportElement::Kind::Text:
    case ReportElement::Kind::Bullet: {
        const auto label = element.name.isEmpty() ? m_labels.constEnd() : m_labels.constFind(element.name);
        return label != m_labels.constEnd() ? *label : element.caption();
    }
    default:
        return {};
    }
}

double ReportRenderer::bandHeight(const ReportBand &band)
{
    double height = band.height;
    for (const ReportElement &element : band.elements) {
        if (element.growsDownward && element.fixedBox)
            height = std::max(height, band.height + m_placer.height(element, text(element)) - element.height);
    }
    return height;
}

void ReportRenderer::placeElements(const QList<ReportElement> &elements, double originLeft, double originTop,
    double designHeight, double growth, QList<PageItem> *items)
{
    QStringList texts;
    texts.reserve(elements.size());
    for (const ReportElement &element : elements)
        texts.append(element.isShape() ? QString() : text(element));
    const QList<double> edges = LineRoom::rightEdges(elements, texts, originLeft, originTop, m_placer);

    // A band that grows with its texts takes down with it the frames and column lines that
    // reach its bottom.
    for (const ReportElement &element : elements) {
        if (!element.isShape())
            continue;
        const bool reachesBottom = element.top + element.height >= designHeight - frameReach;
        m_placer.placeShape(element, originLeft, originTop, reachesBottom ? growth : 0.0, items);
    }
    // Backgrounds of texts come after the shapes but before any text, so that a blank
    // background never wipes out the end of a neighbouring line that runs into it.
    QList<PageItem> placed;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (!elements.at(i).isShape())
            m_placer.place(elements.at(i), texts.at(i), originLeft, originTop, edges.at(i), &placed);
    }
    for (const PageItem &item : std::as_const(placed)) {
        if (item.type != PageItem::Type::Text)
            items->append(item);
    }
    for (const PageItem &item : std::as_const(placed)) {
        if (item.type == PageItem::Type::Text)
            items->append(item);
    }
}

void ReportRenderer::printBand(const ReportBand &band)
{
    const double footer = m_layout.pageFooter ? m_layout.pageFooter->height : 0.0;
    const double bottom = ReportDocument::paperHeight - margin - footer;
    const double height = bandHeight(band);
    const bool fitsHere = m_position + height <= bottom + tolerance;
    const bool fitsEmptyPage = margin + height <= bottom + tolerance;
    if (!fitsHere && fitsEmptyPage && m_position > margin + tolerance) {
        finishPage();
        m_position = margin;
    }
    PageItem area;
    area.type = PageItem::Type::Fill;
    area.rect = QRectF(margin, m_position, bandWidth, height);
    area.colour = Qt::white;
    m_items.append(area);
    placeElements(band.elements, margin, m_position, band.height, height - band.height, &m_items);
    m_position += height;
}

void ReportRenderer::finishPage()
{
    if (m_layout.pageFooter) {
        // The footer goes under the bands, so that the frame of the last row above it stays
        // closed.
        const ReportBand &footer = *m_layout.pageFooter;
        const double top = ReportDocument::paperHeight - margin - footer.height;
        QList<PageItem> below;
        PageItem area;
        area.type = PageItem::Type::Fill;
        area.rect = QRectF(margin, top, bandWidth, footer.height);
        area.colour = Qt::white;
        below.append(area);
        placeElements(footer.elements, margin, top, footer.height, 0.0, &below);
        m_items = below + m_items;
    }
    placeElements(m_layout.pageLayer, 0.0, 0.0, ReportDocument::paperHeight, 0.0, &m_items);
    m_document.appendPage(m_items);
    m_items.clear();
}

ReportDocument ReportRenderer::run()
{
    m_document = ReportDocument();
    m_document.setTitle(m_layout.caption);
    m_items.clear();
    m_position = margin;

    const bool walking = m_layout.walksRecords && m_source;
    m_haveRecord = walking ? m_source->first() : (m_source && m_source->rowCount() > 0);
    if (m_layout.title)
        printBand(*m_layout.title);
    if (walking && m_haveRecord) {
        do {
            if (m_layout.detail)
                printBand(*m_layout.detail);
            if (m_layout.subDetail)
                printBand(*m_layout.subDetail);
        } while (m_source->next());
    } else if (m_layout.subDetail) {
        // Without records the sub-detail band still prints once, its fields blank.
        printBand(*m_layout.subDetail);
    }
    if (m_layout.summary)
        printBand(*m_layout.summary);
    finishPage();
    return m_document;
}
