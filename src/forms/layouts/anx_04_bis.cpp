#include "formlayouts.h"

#include "forms/blocks/dewreceptionbox.h"
#include "forms/blocks/stateheader.h"
#include "forms/layoutbuilder.h"

// Annexe 04 bis: the same receipt for workers not subject to the work visa.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   54.5,  147.6,   39.4, "text", "ANNEXE 04 Bis", "16 BU", "" },
    {   85.7,   32.0,  149.8, "text", "REÇU DE VERSEMENT DE PIÈCES COMPLEMENTAIRES", "16 BU", "" },
    {   92.1,   38.9,  137.1, "text", "CONSTITUTIVES DU DOSSIER POUR L'OBTENTION ", "16 BU", "" },
    {   99.2,   70.6,   60.9, "text", "DE TITRE DE TRAVAIL", "16 BU", "" },
    {  105.6,   52.4,   95.8, "text", "(Pour les travailleurs étrangers non soumis au visa de travail)", "12", "" },
    {  120.7,   12.7,   21.7, "text", "Je soussigne :", "12", "" },
    {  125.7,   12.7,   43.9, "text", "Certifie avoir reçu, ce jour :", "12", "" },
    {  130.4,   12.7,   42.6, "text", "de l'organisme employeur :", "12", "" },
    {  135.2,   13.0,   20.9, "field", "Nom_orga", "13 B", "" },
    {  140.8,   12.7,   15.3, "text", "Adresse :", "12", "" },
    {  145.5,   13.0,   20.9, "field", "Adrs_orga", "13 B", "" },
    {  150.5,   12.7,  129.9, "text", "un dossier complémentaire de demande de titre de travail au bénéfice de :", "12 B", "" },
    {  156.1,   12.7,   38.9, "text", "Monsieur, Mme, Melle :", "12", "" },
    {  156.1,   54.8,    9.5, "field", "Nom", "13 B", "" },
    {  156.1,  113.0,   15.9, "field", "Prenom", "13 B", "" },
    {  161.4,   12.7,   31.0, "text", "Date de naissance :", "12", "" },
    {  161.4,   54.8,   19.6, "field", "Date_nais", "13 B", "" },
    {  166.7,   12.7,   30.2, "text", "Lieu de naissance :", "12", "" },
    {  166.7,   54.8,   19.6, "field", "Lieu_nais", "13 B", "" },
    {  172.2,   12.7,   33.3, "text", "Nationalité Actuelle :", "12", "" },
    {  172.5,   54.8,   13.5, "field", "Nation", "13 B", "" },
    {  177.3,   12.7,   33.9, "text", "Nationalité d'origine :", "12", "" },
    {  177.8,   55.0,   13.5, "field", "Nation", "13 B", "" },
    {  186.5,   13.0,   39.7, "text", "Ce dossier comprend :", "12 B", "" },
    {  191.3,   12.7,  195.8, "bullet", "Deux (2) certificats médicaux dont un de médecine générale et l'autre de phtisiologie, délivrés par les structures sanitaires ", "12", "" },
    {  196.1,   16.1,   32.5, "text", "nationales habilitées.", "12", "" },
    {  201.3,   12.7,   63.8, "bullet (2 tabs)", "Contrat de travail à durée déterminée.", "12", "" },
    {  207.2,   12.7,  109.0, "text", "o Une fiche de renseignement pour l’emploi d’un travailleur étranger.", "12", "" },
    {  211.4,   12.7,   42.6, "text", "o Six (6) photos d'identité.", "12", "" },
    {  215.9,   12.7,   74.3, "text", "o Une copie du passeport en cours de validité.", "12", "" },
    {  221.2,   12.7,  162.2, "text", "o Copie des diplômes ou certificats de travail visés par les représentations  diplomatiques Algériennes.", "12", "" },
    {  226.2,   12.7,  193.7, "text", "o Une attestation des services du Ministère de la Jeunesse et des Sports s’il s’agit d’un sportif professionnel ou entraîneur.", "12", "" },
    {  231.5,   12.7,  142.6, "text", "o Une demande de dérogation d’âge s’il s’agit d’un travailleur étranger de plus de 60 ans.", "12", "" },
    {  236.5,   12.7,  139.7, "text", "o Un engagement de l’organisme employeur pour le rapatriement du travailleur étranger.", "12", "" },
    {  241.6,   12.7,  120.7, "text", "o Un document attestant de la déclaration du travailleur à la sécurité sociale.", "12", "" },
    {  250.8,   99.7,   11.1, "text", "Fait à :", "12", "" },
    {  250.6,  160.1,    6.3, "text", "Le :", "12", "" },
    {  257.4,  120.7,   49.7, "text", "Cachet et griffe et signature", "12 B", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::anx04Bis(QStringList *problems)
{
    const QString name = QStringLiteral("anx_04_bis");
    return FormLayouts::onePage(name, QStringLiteral("anx_04_bis"), StateHeader::band(problems),
        { StateHeader::pageElements(problems), DewReceptionBox::elements(name, problems),
            LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
