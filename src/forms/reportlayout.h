#pragma once

#include "reportband.h"

#include <QList>
#include <QString>
#include <QStringList>
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

    // Where a shared block's elements stand: elements first to first + count - 1 of the band
    // named (of the page layer when empty).
    struct BlockPlacement
    {
        QString block;
        QString band;
        qsizetype first = 0;
        qsizetype count = 0;
    };
    QList<BlockPlacement> blocks;

    // Component names of the labels whose captions the caller may set at print time.
    QStringList labelNames() const;
};
