#pragma once

#include "reportband.h"

#include <QList>
#include <QString>
#include <optional>

// The whole layout of one printed form: its bands, its page layer (placed from the paper's
// corner) and whether the report walks the records of its data source itself.
struct ReportLayout
{
    QString name;
    QString caption;
    // True when the form prints its detail and sub-detail bands once per record; otherwise it
    // prints the record the caller positioned the source on.
    bool walksRecords = false;

    std::optional<ReportBand> title;
    std::optional<ReportBand> detail;
    std::optional<ReportBand> subDetail;
    std::optional<ReportBand> summary;
    std::optional<ReportBand> pageFooter;
    QList<ReportElement> pageLayer;

    // Component names of the labels whose captions the caller may set at print time.
    QStringList labelNames() const;
};
