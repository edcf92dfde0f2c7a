#include "formcatalogue.h"

#include "layoutreader.h"
#include "reportrenderer.h"

namespace {

// In the order a dossier prints them; each has its file <name>.layout.
const char *const formNames[] = {
    "demande_apt",
    "demande_visa",
    "DEMANDE_permis",
    "anx_01",
    "anx_01_02",
    "anx_02_Individuelle",
    "Anx_07",
    "anx_04",
    "anx_04_bis",
    "recrutement",
    "contrat1",
    "contrat2",
    "rapatriement1",
    "Fiche",
    "AP01",
};

} // namespace

QStringList FormCatalogue::names()
{
    QStringList result;
    for (const char *name : formNames)
        result.append(QString::fromLatin1(name));
    return result;
}

std::optional<ReportLayout> FormCatalogue::layout(const QString &name, QStringList *problems)
{
    if (!names().contains(name))
        return std::nullopt;
    LayoutReader reader;
    std::optional<ReportLayout> result = reader.form(name);
    if (problems)
        problems->append(reader.problems());
    return result;
}

ReportDocument FormCatalogue::document(
    const QString &name, ReportDataSource *source, const QHash<QString, QString> &labels)
{
    return FormCatalogue().print(name, source, labels);
}

ReportDocument FormCatalogue::print(
    const QString &name, ReportDataSource *source, const QHash<QString, QString> &labels)
{
    auto found = m_layouts.constFind(name);
    if (found == m_layouts.constEnd()) {
        QStringList problems;
        found = m_layouts.insert(name, layout(name, &problems));
        for (const QString &problem : std::as_const(problems))
            qWarning("form %s: %s", qPrintable(name), qPrintable(problem));
    }
    if (!*found)
        return {};
    return ReportRenderer::render(**found, source, m_measurer, labels);
}
