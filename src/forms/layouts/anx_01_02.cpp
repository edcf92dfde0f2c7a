#include "formlayouts.h"

#include "forms/layoutbuilder.h"

// Annexe 01, page 2: the worker's side and the employer's certification.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    // Top    Left   Width   Kind     Content                                                                                                                          Font    Notes
    {  16.1,  28.0, 157.2, "text",  "DECLARE VOULOIR EMPLOYER  LE TRAVAILLEUR ETRANGER",                                                                               "14 B", "" },
    {  31.0,  15.1,  10.3, "text",  "Nom :",                                                                                                                           "12",   "" },
    {  31.0,  28.0,   6.9, "field", "Nom",                                                                                                                             "10 B", "" },
    {  31.0, 119.9,  26.2, "text",  "Nom jeune fille :",                                                                                                               "12",   "" },
    {  31.0, 148.4,  24.3, "field", "Nom_jeune_fille",                                                                                                                 "10 B", "" },
    {  36.0,  15.1,  14.6, "text",  "Prénom :",                                                                                                                        "12",   "" },
    {  36.2,  32.0,  11.6, "field", "Prenom",                                                                                                                          "10 B", "" },
    {  41.3,  15.1,  31.0, "text",  "Date de naissance :",                                                                                                             "12",   "" },
    {  41.8,  48.4,  14.8, "field", "Date_nais",                                                                                                                       "10 B", "" },
    {  46.6,  15.1,  30.2, "text",  "Lieu de naissance :",                                                                                                             "12",   "" },
    {  46.8,  47.1,  14.8, "field", "Lieu_nais",                                                                                                                       "10 B", "" },
    {  51.3,  15.1,   9.8, "text",  "Pays :",                                                                                                                          "12",   "" },
    {  51.9,  28.0,   7.1, "field", "Pays",                                                                                                                            "10 B", "" },
    {  56.6,  15.1,  32.3, "text",  "Nationalité actuelle :",                                                                                                          "12",   "" },
    {  56.9,  49.5,   9.8, "field", "Nation",                                                                                                                          "10 B", "" },
    {  61.1,  15.1,  33.9, "text",  "Nationalité d'origine :",                                                                                                         "12",   "" },
    {  61.6,  51.1,   9.8, "field", "Nation",                                                                                                                          "10 B", "" },
    {  66.4,  15.1,  10.1, "text",  "Sexe :",                                                                                                                          "12",   "" },
    {  66.7,  27.5,   5.6, "field", "Sex",                                                                                                                             "10 B", "" },
    {  71.4,  15.1,  15.6, "text",  "Etat civil :",                                                                                                                    "12",   "" },
    {  71.4,  32.5,  28.0, "field", "Situation_familiale",                                                                                                             "10 B", "" },
    {  76.2,  15.1,  35.2, "text",  "Filiation : Fils (lle) de :",                                                                                                     "12",   "" },
    {  76.2,  52.7,  15.1, "field", "Nom_pere",                                                                                                                        "10 B", "" },
    {  76.5, 120.9,   5.0, "text",  "et :",                                                                                                                            "12",   "" },
    {  76.5, 127.0,  16.1, "field", "Nom_mere",                                                                                                                        "10 B", "" },
    {  82.3,  15.1,  45.8, "text",  "Titre de travail antérieur N° :",                                                                                                 "12",   "" },
    {  82.8,  63.5,  17.2, "field", "Num_pt_att",                                                                                                                      "10 B", "" },
    {  82.3, 100.3,  19.3, "text",  "Valable du :",                                                                                                                    "12",   "" },
    {  82.5, 122.0,  22.2, "field", "Date_du_pt_att",                                                                                                                  "10 B", "" },
    {  82.3, 150.0,   6.9, "text",  "Au :",                                                                                                                            "12",   "" },
    {  82.5, 160.1,  22.2, "field", "Date_au_pt_att",                                                                                                                  "10 B", "" },
    {  87.3,  15.1,  30.7, "text",  "Fonction occupée :",                                                                                                              "12",   "" },
    {  87.6,  48.4,  19.8, "field", "Poste_occupe",                                                                                                                    "10 B", "" },
    {  92.3,  15.1,  28.6, "text",  "Réfugié politique :",                                                                                                             "12",   "" },
    {  92.6,  45.0,  25.9, "field", "Refugie_politique",                                                                                                               "10 B", "" },
    {  92.3,  79.9,  16.1, "text",  "Apatride :",                                                                                                                      "12",   "" },
    {  92.6,  97.9,  12.7, "field", "Apatride",                                                                                                                        "10 B", "" },
    {  97.4,  15.1,  41.8, "text",  "Date d'entrée  en Algérie :",                                                                                                     "12",   "" },
    {  97.6,  58.5,  24.3, "field", "Date_entrer_alg",                                                                                                                 "10 B", "" },
    { 102.4,  15.1,  23.8, "text",  "Passeport N° :",                                                                                                                  "12",   "" },
    { 102.7,  40.5,  22.8, "field", "Passeport_num",                                                                                                                   "10 B", "" },
    { 102.4,  85.7,  17.2, "text",  "Délivré le :",                                                                                                                    "12",   "" },
    { 102.4, 105.3,  26.2, "field", "Passeport_delivre",                                                                                                               "10 B", "" },
    { 102.4, 142.1,  16.1, "text",  "Expire le :",                                                                                                                     "12",   "" },
    { 102.4, 160.3,  28.0, "field", "Passeport_date_fin",                                                                                                              "10 B", "" },
    { 107.4,  15.1,  36.0, "text",  "Passeport délivré par :",                                                                                                         "12",   "" },
    { 108.0,  52.1,  21.2, "field", "Passeport_par",                                                                                                                   "10 B", "" },
    { 112.4,  15.1,  82.5, "text",  "Lieu de débarquement ou de passage à la frontière :",                                                                             "12",   "" },
    { 117.5,  15.1,  34.7, "text",  "Adresse du domicile :",                                                                                                           "12",   "" },
    { 122.2,  15.3,  26.7, "field", "Adresse_etranger",                                                                                                                "10 B", "" },
    { 127.0,  15.1,  54.2, "text",  "Séjour (s) antérieur(s) en Algérie :",                                                                                            "12",   "" },
    { 131.8,  15.3,  10.1, "field", "Sejour",                                                                                                                          "10 B", "" },
    { 136.5,  15.1,  32.5, "text",  "Adresse en Algérie :",                                                                                                            "12",   "" },
    { 141.8,  15.1,  13.8, "field", "Adrs_alg",                                                                                                                        "10 B", "" },
    { 146.6,  15.1,  45.2, "text",  "Langues étrangères parlées :",                                                                                                    "12",   "" },
    { 152.4,  15.1,  27.0, "text",  "Qualifications :",                                                                                                                "12 B", "" },
    { 158.0,  15.1,  30.4, "text",  "Titres et diplômes :",                                                                                                            "12",   "" },
    { 158.2,  47.1,  12.2, "field", "Diplome",                                                                                                                         "10 B", "" },
    { 162.7,  15.1,  46.6, "text",  "Qualification professionnelle :",                                                                                                 "12",   "" },
    { 163.0,  63.8,  19.3, "field", "Qualification",                                                                                                                   "10 B", "" },
    { 168.3,  15.1,  24.6, "text",  "Lieu de travail :",                                                                                                               "12",   "" },
    { 168.5,  41.8,  26.7, "field", "Lieu_emploi_orga",                                                                                                                "10 B", "" },
    { 173.8,  15.1,  56.1, "text",  "Expérience professionnelle : (*)",                                                                                                "12 B", "" },
    { 178.9,  15.1,  14.0, "text",  "Années :",                                                                                                                        "12",   "" },
    { 179.1,  32.0,   8.5, "field", "Exper",                                                                                                                           "10 B", "" },
    { 184.2,  15.1,  37.0, "text",  "Organisme employeur :",                                                                                                           "12",   "" },
    { 188.6,  15.3,  15.3, "field", "Nom_orga",                                                                                                                        "10 B", "" },
    { 194.5,  15.1,  33.6, "text",  "Nature des activités :",                                                                                                          "12",   "" },
    { 200.6,  15.3,  22.5, "field", "Nature_activite",                                                                                                                 "10 B", "" },
    { 207.7,  15.1,  28.8, "text",  "Postes occupées :",                                                                                                               "12",   "" },
    { 208.2,  46.6,  25.9, "field", "Emploi_precedent",                                                                                                                "10 B", "" },
    { 212.7,  15.1,  71.4, "text",  "Renseignements concernant le conjoint :",                                                                                         "12 B", "" },
    { 218.3,  15.1,  10.3, "text",  "Nom :",                                                                                                                           "12",   "" },
    { 218.5,  90.5,  14.6, "text",  "Prénom :",                                                                                                                        "12",   "" },
    { 224.4,  15.1,  31.0, "text",  "Date de naissance :",                                                                                                             "12",   "" },
    { 224.6,  90.5,  18.8, "text",  "Profession :",                                                                                                                    "12",   "" },
    { 234.4,  46.8, 107.2, "text",  "Je certifie que les données indiquées ci-dessus sont exactes. ",                                                                  "12 B", "" },
    { 241.8,  66.7,  11.9, "text",  "Fait le :",                                                                                                                       "12",   "" },
    { 242.4, 119.9,   4.0, "text",  "à :",                                                                                                                             "12",   "" },
    { 247.7,  40.2, 117.2, "text",  "(Cachet, signature et griffe de l'employeur ou de son représentant habilité)",                                                    "12",   "" },
    { 267.8,   9.8,  21.2, "text",  "Remarque :",                                                                                                                      "12 B", "" },
    { 268.3,  32.8, 160.3, "text",  "Vous êtes invité à  joindre en annexe les explications, les réponses qui ne pourraient  éventuellement  ",                        "12",   "" },
    { 274.4,  33.1, 105.0, "text",  "prendre place dans les différentes rubriques du présent formulaire.",                                                             "12",   "" },
    { 279.4,  10.3, 184.9, "text",  "(*) s'il s'agit du travailleur étranger qui détient un niveau de qualification professionnelle inférieur à celui de technicien,", "12",   "" },
    { 283.9,  22.0, 172.2, "text",  "joindre les certificats  de travail  prouvant l'expérience professionnelle acquise hors Algérie, dans la spécialité",             "12",   "" },
    { 288.1,  22.0,  55.8, "text",  "demandée d'au moins dix (10) ans.",                                                                                               "12",   "" },};
// clang-format on

constexpr double emptyBandHeight = 2.1;

} // namespace

ReportLayout FormLayouts::anx0102(QStringList *problems)
{
    const QString name = QStringLiteral("anx_01_02");
    return FormLayouts::onePage(name, QStringLiteral("Annexe 02/02"), ReportBand { emptyBandHeight, {} },
        { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
