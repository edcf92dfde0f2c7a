#include "formlayouts.h"

#include "forms/blocks/letterhead.h"
#include "forms/layoutbuilder.h"

// Undertaking to recruit a foreign worker.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   54.2,   54.2,   93.4, "text", "ENGAGEMENT DE RECRUTEMENT", "16 BU", "" },
    {   61.9,   60.9,   83.1, "text", "DE TRAVAILLEUR ETRANGER ", "16 BU", "" },
    {   69.3,   60.9,   83.3, "text", "À fournir a l’appui d’une demande de délivrance de ", "12", "" },
    {   74.9,   49.7,  107.4, "text", "l’autorisation provisoire de travail pour l’obtention de visa de travail", "12", "" },
    {   96.3,   12.7,   21.7, "text", "Je soussigne :", "12", "" },
    {   96.8,   36.8,   14.3, "field", "Monsieur", "10 B", "" },
    {  101.3,   12.7,   37.8, "text", "Agissant en qualité  de :", "12", "" },
    {  101.3,   54.0,   13.2, "field", "Agissant", "10 B", "" },
    {  106.1,   12.7,   56.9, "text", "Au nom de l’organisme employeur :", "12", "" },
    {  110.9,   13.0,   15.3, "field", "Nom_orga", "10 B", "" },
    {  116.4,   12.7,   74.6, "text", "Nature de l’activité de l’organisme employeur :", "12", "" },
    {  121.2,   13.0,   22.5, "field", "Nature_activite", "10 B", "" },
    {  135.2,   74.3,   50.0, "text", "M’engage à recruter ", "16 BU", "" },
    {  155.0,   12.7,   38.9, "text", "Monsieur, Mme, Melle :", "12", "" },
    {  155.0,   54.8,    6.9, "field", "Nom", "10 B", "" },
    {  155.0,  113.0,   11.6, "field", "Prenom", "10 B", "" },
    {  160.3,   12.7,   31.0, "text", "Date de naissance :", "12", "" },
    {  160.3,   54.8,   14.8, "field", "Date_nais", "10 B", "" },
    {  165.6,   12.7,   30.2, "text", "Lieu de naissance :", "12", "" },
    {  165.6,   54.8,   14.8, "field", "Lieu_nais", "10 B", "" },
    {  171.2,   12.7,   34.4, "text", "Adresse à l’étranger :", "12", "" },
    {  171.4,   54.8,   26.7, "field", "Adresse_etranger", "10 B", "" },
    {  176.2,   12.7,   32.5, "text", "Adresse en Algérie :", "12", "" },
    {  176.7,   55.0,   13.8, "field", "Adrs_alg", "10 B", "" },
    {  181.8,   12.7,   31.5, "text", "Pour une durée de :", "12", "" },
    {  182.0,   46.0,    9.3, "field", "Duree", "10 B", "" },
    {  182.0,   58.2,   56.4, "text", "Mois, à compter du (Prévisionnel) :", "12", "" },
    {  182.0,  116.4,   28.6, "field", "Date_debut_contrat", "10 B", "" },
    {  186.8,   13.0,   22.8, "text", "En qualité de :", "12", "" },
    {  186.5,   54.8,   19.8, "field", "Poste_occupe", "10 B", "" },
    {  191.6,   12.7,   34.7, "text", "Salaire mensuel Brut :", "12", "" },
    {  191.6,   51.1,    7.1, "field", "Brut", "10 B", "" },
    {  191.6,   79.9,   28.0, "text", "DA, Salaire Net :", "12", "" },
    {  191.6,  112.4,    5.3, "field", "Net", "10 B", "" },
    {  191.6,  139.7,    7.1, "text", "DA.", "12", "" },
    {  196.3,   12.7,   64.0, "text", "Primes et indemnités (nature et montant)", "12", "" },
    {  201.1,   12.7,   85.5, "text", "Avantages en nature (logement, Véhicule ou /et autre)", "12", "" },
    {  201.1,  102.4,   15.6, "field", "I_avantage", "10 B", "" },
    {  206.4,   12.7,   55.8, "text", "Affiliation à la sécurité sociale :", "12 B", "" },
    {  211.9,   12.7,  104.5, "text", " -Dans le pays d’origine  (indiquez la référence de la convention) :", "12", "" },
    {  216.7,   12.7,   21.4, "text", " -En Algérie :", "12", "" },
    {  226.5,   99.7,   11.1, "text", "Fait à :", "12", "" },
    {  226.2,  160.1,    6.3, "text", "Le :", "12", "" },
    {  233.1,   69.8,  131.5, "text", "(Cachet, signature et griffe de l’employeur ou de son représentant habilité)", "12 B", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::recrutement(QStringList *problems)
{
    const QString name = QStringLiteral("recrutement");
    return FormLayouts::onePage(name, QStringLiteral("recrutement"), Letterhead::band(name, problems),
        { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
