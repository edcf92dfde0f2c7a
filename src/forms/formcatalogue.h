#pragma once

#include "reportdocument.h"
#include "reportlayout.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class ReportDataSource;

// The printed forms by name ("anx_01", "anx_01_02", ...): their layouts, and documents laid
// out from a data source.
class FormCatalogue
{
public:
    static QStringList names();
    // The layout of a form, or nothing for an unknown name. Rows of the layout that could not
    // be read are left out and described in *problems.
    static std::optional<ReportLayout> layout(const QString &name, QStringList *problems = nullptr);
    // The document of one form; empty (no page) for an unknown name.
    static ReportDocument document(
        const QString &name, ReportDataSource *source, const QHash<QString, QString> &labels = {});
};
