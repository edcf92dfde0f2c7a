#pragma once

#include "elementplacer.h"
#include "reportdocument.h"
#include "reportlayout.h"
#include "textmeasurer.h"

#include <QHash>
#include <QString>

class ReportDataSource;

// Runs a form layout over its data: prints the bands down the page between the 10 mm margins,
// starts a new page when a band no longer fits above the page footer, and finishes every
// page with its footer and the page layer at fixed paper positions.
class ReportRenderer
{
public:
    static constexpr double margin = 10.0;
    static constexpr double bandWidth = ReportDocument::paperWidth - 2 * margin;

    // `source` may be null (every field prints blank); `labels` gives the captions of print-time
    // labels by component name; texts are measured by `measurer`, which keeps its measurements.
    ReportRenderer(const ReportLayout &layout, ReportDataSource *source, TextMeasurer &measurer,
        const QHash<QString, QString> &labels = {});

    // The number the first page prints (1 unless the document follows other pages of one print).
    void setFirstPageNumber(int number) { m_firstPageNumber = number; }
    ReportDocument run();

    static ReportDocument render(const ReportLayout &layout, ReportDataSource *source, TextMeasurer &measurer,
        const QHash<QString, QString> &labels = {});
    // With a measurer of its own, for a document printed on its own.
    static ReportDocument render(
        const ReportLayout &layout, ReportDataSource *source, const QHash<QString, QString> &labels = {});

private:
    QString text(const ReportElement &element) const;
    double bandHeight(const ReportBand &band);
    void printBand(const ReportBand &band);
    // Places the elements from the origin; a band `growth` millimetres taller than its design
    // height stretches the shapes that reach its bottom.
    void placeElements(const QList<ReportElement> &elements, double originLeft, double originTop,
        double designHeight, double growth, QList<PageItem> *items);
    void finishPage();

    const ReportLayout &m_layout;
    ReportDataSource *m_source;
    QHash<QString, QString> m_labels;
    TextMeasurer &m_measurer;
    ElementPlacer m_placer;
    bool m_haveRecord = false;
    int m_firstPageNumber = 1;
    double m_position = margin;
    QList<PageItem> m_items;
    ReportDocument m_document;
};
