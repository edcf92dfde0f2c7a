#include "formlayouts.h"

#include "forms/blocks/letterhead.h"
#include "forms/blocks/processinggrid.h"
#include "forms/layoutbuilder.h"

// Letter requesting the work title named by the request type, with the processing grid.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   54.8,   86.3,   35.5, "text", "A MONSIEUR", "16 BU", "" },
    {   61.1,   46.0,  113.8, "text", "LE DIRECTEUR DE WILAYA  DE L'EMPLOI", "16 BU", "" },
    {   74.6,   10.1,   16.7, "text", "Objet :", "16 BU", "" },
    {   75.7,   29.9,   65.1, "text", "DEMANDE D'OBTENTION D'UN(E)", "12", "" },
    {   75.7,   96.6,   29.1, "field", "Type_demande", "13 B", "" },
    {   91.8,   19.1,  112.2, "text", "J'ai  l'honneur  de  vous  demander  de bien vouloir  faire etablir  un (e)", "12", "" },
    {   91.8,  133.1,   29.1, "field", "Type_demande", "13 B", "" },
    {  101.6,   15.6,   43.1, "text", "au profit de Mme, Mlle, M", "12", "" },
    {  111.4,   15.6,   10.3, "text", "Nom :", "12", "" },
    {  111.4,   40.0,    9.5, "field", "Nom", "13 B", "" },
    {  121.2,   15.6,   14.6, "text", "Prénom :", "12", "" },
    {  121.2,   39.7,   15.9, "field", "Prenom", "13 B", "" },
    {  131.0,   15.3,   23.0, "text", "de nationalité :", "12", "" },
    {  131.0,   39.4,   13.5, "field", "Nation", "13 B", "" },
    {  141.3,   15.3,   52.7, "text", "pour occuper le poste de travail :", "12", "" },
    {  141.3,   69.6,   27.0, "field", "Poste_occupe", "13 B", "" },
    {  151.6,   15.1,   92.9, "text", "en  vertu  de  l'autorisation provisoire de travail (APT), N°", "12", "" },
    {  151.9,  120.9,   57.1, "text", "délivrée par vos services en date du", "12", "" },
    {  161.7,   15.1,  137.6, "text", "Je  me  permet  de  vous  préciser  que  l'interessé  est  entré  en  Algérie,  en  date  du", "12", "" },
    {  161.9,  157.4,   32.5, "field", "Date_entrer_alg", "13 B", "" },
    {  170.7,   15.1,  119.6, "text", "avec un visa de travail dument établi par les services consulaires concernés.", "12", "" },
    {  181.0,   19.6,  108.7, "text", "Veuillez agréer  Monsieur, l'expression de ma parfaite considération.", "12", "" },
    {  191.8,  108.2,   11.1, "text", "Fait à :", "12", "" },
    {  191.8,  160.3,    4.8, "text", "le :", "12", "" },
    {  201.3,  133.9,   31.5, "text", "LE DIRECTEUR", "12 B", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::demandePermis(QStringList *problems)
{
    const QString name = QStringLiteral("DEMANDE_permis");
    return FormLayouts::onePage(name, QStringLiteral("DEMANDE_permis"), Letterhead::band(name, problems),
        { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems),
            ProcessingGrid::elements(name, problems) });
}
