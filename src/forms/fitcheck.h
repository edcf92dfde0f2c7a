#pragma once

#include "reportlayout.h"

#include <QList>
#include <QString>

class ReportDataSource;
class TextMeasurer;

// Finds the data fields of a form whose values would not fit their place when printed from the
// source's current record: a fixed box that would lose lines, or a value the engine would have to
// squeeze to less than `minimumScale` of its width to stop it short of its neighbour or the margin.
class FitCheck
{
public:
    static constexpr double minimumScale = 0.8;

    struct Misfit
    {
        QString field; // the column, as the layout names it
        QString text; // the value as it would print
        bool cut = false; // lines lost in a fixed box, else squeezed
        double scale = 1.0; // how much of its width a squeezed value keeps
    };

    static QList<Misfit> misfits(
        const ReportLayout &layout, ReportDataSource *source, TextMeasurer &measurer);
};
