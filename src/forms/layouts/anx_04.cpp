#include "formlayouts.h"

#include "forms/blocks/dewreceptionbox.h"
#include "forms/blocks/stateheader.h"
#include "forms/layoutbuilder.h"

// Annexe 04: receipt of the complementary documents for a work title (worker who entered with a work visa).

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   54.5,  156.6,   30.7, "text", "ANNEXE 04", "16 BU", "" },
    {   85.7,   32.0,  149.8, "text", "REÇU DE VERSEMENT DE PIÈCES COMPLEMENTAIRES", "16 BU", "" },
    {   92.1,   38.9,  137.1, "text", "CONSTITUTIVES DU DOSSIER POUR L'OBTENTION ", "16 BU", "" },
    {   99.2,   70.6,   60.9, "text", "DE TITRE DE TRAVAIL", "16 BU", "" },
    {  126.2,   12.7,   21.7, "text", "Je soussigne :", "12", "" },
    {  131.2,   12.7,   43.9, "text", "Certifie avoir reçu, ce jour :", "12", "" },
    {  136.0,   12.7,   42.6, "text", "de l'organisme employeur :", "12", "" },
    {  140.8,   13.0,   20.9, "field", "Nom_orga", "13 B", "" },
    {  146.3,   12.7,   15.3, "text", "Adresse :", "12", "" },
    {  151.1,   13.0,   20.9, "field", "Adrs_orga", "13 B", "" },
    {  156.1,   12.7,  129.9, "text", "un dossier complémentaire de demande de titre de travail au bénéfice de :", "12 B", "" },
    {  161.7,   12.7,   38.9, "text", "Monsieur, Mme, Melle :", "12", "" },
    {  161.7,   54.8,    9.5, "field", "Nom", "13 B", "" },
    {  161.7,  113.0,   15.9, "field", "Prenom", "13 B", "" },
    {  167.0,   12.7,   31.0, "text", "Date de naissance :", "12", "" },
    {  167.0,   54.8,   19.6, "field", "Date_nais", "13 B", "" },
    {  172.2,   12.7,   30.2, "text", "Lieu de naissance :", "12", "" },
    {  172.2,   54.8,   19.6, "field", "Lieu_nais", "13 B", "" },
    {  177.8,   12.7,   33.3, "text", "Nationalité Actuelle :", "12", "" },
    {  178.1,   54.8,   13.5, "field", "Nation", "13 B", "" },
    {  182.8,   12.7,   33.9, "text", "Nationalité d'origine :", "12", "" },
    {  183.4,   55.0,   13.5, "field", "Nation", "13 B", "" },
    {  207.4,   13.0,   39.7, "text", "Ce dossier comprend :", "12 B", "" },
    {  213.0,   12.7,  192.9, "bullet", "Copie certifiée  par les services de l'état civil de la page du passeport justifiant l'entrée légale en Algérie (visa de travail).", "12", "" },
    {  218.3,   12.7,  195.8, "bullet", "Deux (2) certificats médicaux dont un de médecine générale et l'autre de phtisiologie, délivrés par les structures sanitaires ", "12", "" },
    {  223.0,   12.7,   32.5, "text", "nationales habilitées.", "12", "" },
    {  228.3,   12.7,   63.8, "bullet (2 tabs)", "Contrat de travail à durée déterminée.", "12", "" },
    {  235.7,   99.7,   11.1, "text", "Fait à :", "12", "" },
    {  235.5,  160.1,    6.3, "text", "Le :", "12", "" },
    {  242.4,  120.7,   49.7, "text", "Cachet et griffe et signature", "12 B", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::anx04(QStringList *problems)
{
    const QString name = QStringLiteral("anx_04");
    return FormLayouts::onePage(name, QStringLiteral("anx_04"), StateHeader::band(problems),
        { StateHeader::pageElements(problems), DewReceptionBox::elements(name, problems),
            LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
