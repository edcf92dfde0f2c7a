#include "formlayouts.h"

#include "forms/blocks/dewreceptionbox.h"
#include "forms/blocks/letterhead.h"
#include "forms/layoutbuilder.h"

// Annexe 01, page 1: information sheet for the employment of a foreign worker, employer's
// side. The four "..." labels receive the head counts at print time.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    // Top    Left   Width   Kind     Content                                                                                        Font    Notes
    {  58.2, 156.9,  29.9, "box",   "filled white",                                                                                "",     "height 29.9" },
    {  50.8, 156.6,  30.7, "text",  "ANNEXE 01",                                                                                   "16 BU", "" },
    {  66.4, 166.7,  10.6, "text",  "Photo",                                                                                       "12 I", "" },
    {  90.5,  47.9, 122.5, "text",  "FICHE DE RENSEIGNEMENT POUR L'EMPLOI",                                                        "16 BU", "" },
    {  96.8,  61.4,  87.6, "text",  "D'UN TRAVAILLEUR ETRANGER",                                                                   "16 BU", "" },
    { 104.8,  37.0, 143.1, "text",  "A fournir a l'appui d'une demande de délivrance ou de renouvellement des titres de travail ", "12",   "" },
    { 109.5,  40.0, 137.3, "text",  "(Les rubriques sont à compléter obligatoirement, le cas échéant par mention \" Néant \")",    "12",   "" },
    { 116.2,  12.7,  26.5, "text",  "Employeur :",                                                                                 "14 B", "" },
    { 125.7,  12.7,  27.8, "text",  "Nom et Prénom :",                                                                             "12",   "" },
    { 125.7,  41.5,  14.3, "field", "Monsieur",                                                                                    "10 B", "" },
    { 131.0,  12.7, 107.4, "text",  "Agissant pour le compte de l'organisme employeur ci-après désigné",                           "12",   "" },
    { 136.3,  13.2,  15.3, "field", "Nom_orga",                                                                                    "10 B", "" },
    { 142.1,  12.7,  26.2, "text",  "Statut juridique :",                                                                          "12",   "" },
    { 142.1,  40.5,  24.1, "field", "Statut_juridique",                                                                            "10 B", "" },
    { 146.3,  12.7,  27.5, "text",  "Forme juridique :",                                                                           "12",   "" },
    { 146.6,  40.5,  24.1, "field", "Statut_juridique",                                                                            "10 B", "" },
    { 150.8,  12.7,  32.5, "text",  "Adresse en Algérie :",                                                                        "12",   "" },
    { 150.8,  46.0,  15.9, "field", "Adrs_orga",                                                                                   "10 B", "" },
    { 155.8,  12.7,   7.1, "text",  "Tél :",                                                                                       "12",   "" },
    { 156.1,  21.2,   5.0, "field", "Tel",                                                                                         "10 B", "" },
    { 155.8,  61.9,   8.2, "text",  "Fax :",                                                                                       "12",   "" },
    { 156.1,  71.7,   5.3, "field", "Fax",                                                                                         "10 B", "" },
    { 155.8, 110.6,  12.4, "text",  "E-mail :",                                                                                    "12",   "" },
    { 156.1, 124.4,   8.5, "field", "Email",                                                                                       "10 B", "" },
    { 161.7,  12.7,  33.6, "text",  "Nature des activités :",                                                                      "12",   "" },
    { 161.7,  47.4,  22.5, "field", "Nature_activite",                                                                             "10 B", "" },
    { 166.4,  12.7,  28.8, "text",  "Nature du projet :",                                                                          "12",   "" },
    { 171.4,  12.7,  37.6, "text",  "Marché ou contrat N° :",                                                                      "12",   "" },
    { 171.7,  51.3,  31.8, "field", "Marche_contrat_num",                                                                          "10 B", "" },
    { 171.4, 110.6,  19.3, "text",  "En date du :",                                                                                "12",   "" },
    { 172.0, 131.8,  19.6, "field", "Date_marche",                                                                                 "10 B", "" },
    { 176.2,  12.7,  33.1, "text",  "Maitre de l'ouvrage :",                                                                       "12",   "" },
    { 176.7,  47.1,  23.3, "field", "Maitre_ouvrage",                                                                              "10 B", "" },
    { 181.0,  12.7,  43.1, "text",  "Durée prévue des travaux :",                                                                  "12",   "" },
    { 181.8,  56.6,  20.9, "field", "duree_travaux",                                                                               "10 B", "" },
    { 181.0,  70.4,  30.2, "text",  "Mois, Date début :",                                                                          "12",   "" },
    { 181.2, 101.1,  19.6, "field", "Date_marche",                                                                                 "10 B", "" },
    { 181.0, 140.0,  14.6, "text",  "Date fin :",                                                                                  "12",   "" },
    { 182.0, 156.1,  25.4, "field", "Date_marche_fin",                                                                             "10 B", "" },
    { 186.0,  12.7,  31.2, "text",  "Etat d'avancement :",                                                                         "12",   "" },
    { 186.5,  45.2,   8.5, "field", "degre",                                                                                       "10 B", "" },
    { 186.0,  57.9,   4.5, "text",  "%",                                                                                           "12 B", "" },
    { 191.3,  12.7,  80.2, "text",  "N° d'immatriculation sécurité sociale (employeur) :",                                         "12",   "" },
    { 192.6,  95.5,  13.2, "field", "Num_SS",                                                                                      "10 B", "" },
    { 196.3,  12.7,  41.5, "text",  "N° d'identification fiscale :",                                                               "12",   "" },
    { 197.4,  55.6,  16.9, "field", "Num_fiscal",                                                                                  "10 B", "" },
    { 201.9,  12.7,  73.8, "text",  "Ressources humaines actuelles de l'entreprise :",                                             "12",   "" },
    { 206.4,  12.7,  31.8, "text",  "L'entreprise occupe",                                                                         "12",   "" },
    { 206.1,  54.5,   7.1, "field", "Nb_t",                                                                                        "10 B", "" },
    { 206.4,  79.6,  25.9, "text",  "Personnes, dont",                                                                             "12",   "" },
    { 206.4, 111.4,   2.6, "text",  "...",                                                                                         "10 B", "label QRLabel7" },
    { 206.4, 135.2,  22.5, "text",  "étrangers, soit",                                                                             "12",   "" },
    { 206.4, 165.6,   2.6, "text",  "...",                                                                                         "10 B", "label QRLabel2" },
    { 206.4, 185.2,  11.9, "text",  "Cadres",                                                                                      "12",   "" },
    { 211.7,  18.0,   2.6, "text",  "...",                                                                                         "10 B", "label QRLabel6" },
    { 212.2,  39.2,  16.9, "text",  "exécutions",                                                                                  "12",   "" },
    { 211.9,  62.7,   2.6, "text",  "...",                                                                                         "10 B", "label QRLabel4" },
    { 212.2,  85.5,  15.1, "text",  "maîtrises.",                                                                                  "12",   "" },
    { 216.7,  12.7,  24.6, "text",  "Par nationalité :",                                                                           "12",   "" },
    { 227.0,  12.7,  44.2, "text",  "Poste de travail à pourvoir :",                                                               "12",   "" },
    { 232.0,  12.7,  19.8, "field", "Poste_occupe",                                                                                "10 B", "" },
    { 236.8,  12.7,  59.0, "text",  "Description  exacte de la fonction",                                                          "12 B", "" },
    { 236.8,  72.2, 113.2, "text",  "(énumération des taches habituelles, exceptionnelles, complémentaires, ",                     "12",   "" },
    { 241.6,  12.7,  82.0, "text",  "niveaux de responsabilité et de l'autorité à assurer) :",                                     "12",   "" },
    { 261.9,  13.0, 118.8, "text",  "Motifs justifiant le recours au recrutement d'un travailleur étranger",                       "12 B", "" },};
// clang-format on

} // namespace

ReportLayout FormLayouts::anx01(QStringList *problems)
{
    const QString name = QStringLiteral("anx_01");
    return FormLayouts::onePage(name, QStringLiteral("Annexe 01/02"), Letterhead::band(name, problems),
        { DewReceptionBox::elements(name, problems),
            LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
