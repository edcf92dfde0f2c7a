#pragma once

#include "reportdocument.h"
#include "reportlayout.h"
#include "textmeasurer.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class ReportDataSource;

// The printed forms by name ("anx_01", "anx_01_02", ...): their layouts, read from the layout
// files, and documents laid out from a data source. A catalogue keeps the layouts it has read
// and the text measurements of its prints, so a caller printing several forms, or the same
// forms again, holds one.
class FormCatalogue
{
public:
    // In the order a dossier prints them.
    static QStringList names();
    // The layout of a form, or nothing for an unknown name. Rows of the layout that could not
    // be read are left out and described in *problems, with their file, line and column.
    static std::optional<ReportLayout> layout(const QString &name, QStringList *problems = nullptr);
    // The document of one form, printed on its own; empty (no page) for an unknown name.
    static ReportDocument document(
        const QString &name, ReportDataSource *source, const QHash<QString, QString> &labels = {});

    // The document of one form, with this catalogue's layouts and measurements.
    ReportDocument print(
        const QString &name, ReportDataSource *source, const QHash<QString, QString> &labels = {});

private:
    QHash<QString, std::optional<ReportLayout>> m_layouts;
    TextMeasurer m_measurer;
};
