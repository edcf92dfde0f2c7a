#pragma once

#include "layoutrow.h"
#include "reportelement.h"

#include <QList>
#include <QStringList>
#include <initializer_list>

// Turns layout table rows into elements, shifted by the origin of the block they belong to.
// Rows it cannot read are reported in problems() and left out.
class LayoutBuilder
{
public:
    LayoutBuilder() = default;
    LayoutBuilder(double originTop, double originLeft);

    void add(const LayoutRow &row);
    void add(std::initializer_list<LayoutRow> rows);
    void add(const LayoutRow *rows, qsizetype count);
    void add(const QList<ReportElement> &elements);

    const QList<ReportElement> &elements() const { return m_elements; }
    const QStringList &problems() const { return m_problems; }

    // The elements of a table of rows placed from an origin; rows it cannot read are described in
    // *problems (when given) and left out.
    static QList<ReportElement> elementsOf(const LayoutRow *rows, qsizetype count, QStringList *problems,
        double originTop = 0.0, double originLeft = 0.0);

    // Reads one row; false with a description in *problem, and the column at fault in *column
    // (when given), when it is not valid.
    static bool read(
        const LayoutRow &row, ReportElement *element, QString *problem, LayoutRow::Column *column = nullptr);

private:
    double m_originTop = 0.0;
    double m_originLeft = 0.0;
    QList<ReportElement> m_elements;
    QStringList m_problems;
};
