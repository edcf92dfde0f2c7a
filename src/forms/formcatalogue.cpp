#include "formcatalogue.h"

#include "layouts/formlayouts.h"
#include "reportrenderer.h"

#include <QDebug>

namespace {

struct Entry
{
    const char *name;
    ReportLayout (*build)(QStringList *problems);
};

// In the order a dossier prints them.
const Entry entries[] = {
    { "anx_01", &FormLayouts::anx01 },
    { "anx_01_02", &FormLayouts::anx0102 },
};

} // namespace

QStringList FormCatalogue::names()
{
    QStringList result;
    for (const Entry &entry : entries)
        result.append(QString::fromLatin1(entry.name));
    return result;
}

std::optional<ReportLayout> FormCatalogue::layout(const QString &name, QStringList *problems)
{
    for (const Entry &entry : entries) {
        if (name != QLatin1String(entry.name))
            continue;
        QStringList found;
        ReportLayout result = entry.build(&found);
        if (problems)
            problems->append(found);
        return result;
    }
    return std::nullopt;
}

ReportDocument FormCatalogue::document(const QString &name, ReportDataSource *source,
                                       const QHash<QString, QString> &labels)
{
    QStringList problems;
    const std::optional<ReportLayout> found = layout(name, &problems);
    for (const QString &problem : std::as_const(problems))
        qWarning("form %s: %s", qPrintable(name), qPrintable(problem));
    if (!found)
        return {};
    return ReportRenderer::render(*found, source, labels);
}
