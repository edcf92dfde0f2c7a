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
    { "demande_apt", &FormLayouts::demandeApt },
    { "demande_visa", &FormLayouts::demandeVisa },
    { "DEMANDE_permis", &FormLayouts::demandePermis },
    { "anx_01", &FormLayouts::anx01 },
    { "anx_01_02", &FormLayouts::anx0102 },
    { "anx_02_Individuelle", &FormLayouts::anx02Individuelle },
    { "Anx_07", &FormLayouts::anx07 },
    { "anx_04", &FormLayouts::anx04 },
    { "anx_04_bis", &FormLayouts::anx04Bis },
    { "recrutement", &FormLayouts::recrutement },
    { "contrat1", &FormLayouts::contrat1 },
    { "contrat2", &FormLayouts::contrat2 },
    { "rapatriement1", &FormLayouts::rapatriement1 },
    { "Fiche", &FormLayouts::fiche },
    { "AP01", &FormLayouts::ap01 },
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

ReportDocument FormCatalogue::document(
    const QString &name, ReportDataSource *source, const QHash<QString, QString> &labels)
{
    QStringList problems;
    const std::optional<ReportLayout> found = layout(name, &problems);
    for (const QString &problem : std::as_const(problems))
        qWarning("form %s: %s", qPrintable(name), qPrintable(problem));
    if (!found)
        return {};
    return ReportRenderer::render(*found, source, labels);
}
