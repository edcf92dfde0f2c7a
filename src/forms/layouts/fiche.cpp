#include "formlayouts.h"

#include "forms/blocks/letterhead.h"
#include "forms/layoutbuilder.h"

// Employer identification sheet: the letterhead once per employer row, the page from the last row.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   50.8,   46.6,  121.7, "text", "FICHE D’IDENTIFICATION DE L’ENTREPRISE", "16 BU", "" },
    {   65.9,   11.6,   79.4, "text", "Nom ou raison sociale de l'organisme employeur :", "12", "" },
    {   71.7,   85.2,   20.9, "field", "Nom_orga", "13 B", "centred" },
    {   75.9,   11.6,   11.9, "text", "Projet :", "12", "" },
    {   81.8,   86.8,   17.5, "field", "Projet_1", "13 B", "centred" },
    {   86.3,   11.6,   29.1, "text", "Secteur juridique :", "12", "" },
    {   86.5,   44.2,   35.2, "field", "secteur_juridique", "13 B", "" },
    {   91.5,   11.6,   30.4, "text", "Branche d'activité :", "12", "" },
    {   91.3,   44.5,   35.7, "field", "activite_principal", "13 B", "" },
    {   96.6,   11.6,   29.4, "text", "Secteur d'activité :", "12", "" },
    {   96.6,   44.2,   42.1, "field", "Nom_raison_sc_orga", "13 B", "" },
    {  101.9,   11.6,   26.2, "text", "Statut juridique :", "12", "" },
    {  101.3,   44.2,   32.5, "field", "Statut_juridique", "13 B", "" },
    {  106.4,   11.6,   27.5, "text", "Droit applicable :", "12", "" },
    {  106.4,   44.2,   33.1, "field", "droit_applicable", "13 B", "" },
    {  106.4,  110.1,   19.3, "text", "Nationalité :", "12", "" },
    {  106.1,  132.6,   24.9, "field", "Nation_orga", "13 B", "" },
    {  111.7,   11.6,   55.8, "text", "Adresse de l'entreprise en Algérie :", "12", "" },
    {  117.2,   12.2,   20.9, "field", "Adrs_orga", "13 B", "" },
    {  121.7,   11.6,   57.1, "text", "Adresse de l'entreprise à l'étranger :", "12", "" },
    {  126.7,   12.2,   28.8, "field", "Adrs_etranger", "13 B", "" },
    {  131.5,   11.6,   70.6, "text", "Date d'installation de l'entreprise en Algérie :", "12", "" },
    {  131.2,   84.1,   33.6, "field", "date_installation", "13 B", "" },
    {  136.3,   11.6,   23.5, "text", "Effectif actuel :", "12", "" },
    {  136.0,   44.2,    9.8, "field", "Nb_t", "13 B", "" },
    {  136.3,   70.4,   23.8, "text", "dont Etranger :", "12", "" },
    {  136.0,  104.0,   11.9, "field", "Nb_et", "13 B", "" },
    {  136.3,  124.4,   15.3, "text", "Algérien :", "12", "" },
    {  136.0,  147.4,   11.9, "field", "Nb_al", "13 B", "" },
    {  141.8,   11.6,   86.3, "text", "Nom et Prénom du responsable légale de l'entreprise :", "12", "" },
    {  141.6,   99.7,   19.3, "field", "Monsieur", "13 B", "" },
    {  146.6,   11.6,   13.5, "text", "Qualité :", "12", "" },
    {  146.8,   26.7,   16.9, "field", "Agissant", "13 B", "" },
    {  151.9,   11.6,   47.4, "text", "N° du registre de commerce :", "12", "" },
    {  151.9,   62.4,   27.8, "field", "Num_registre", "13 B", "" },
    {  151.9,  110.1,   31.2, "text", "date de délivrance :", "12", "" },
    {  151.9,  146.6,   26.7, "field", "date_registre", "13 B", "" },
    {  156.9,   11.6,   81.5, "text", "N° d'immatriculation à la sécurité sociale (CNAS) :", "12", "" },
    {  156.6,   95.2,   16.7, "field", "Num_SS", "13 B", "" },
    {  161.7,   11.6,   45.5, "text", "N° d'immatriculation fiscale :", "12", "" },
    {  161.7,   59.5,   22.5, "field", "Num_fiscal", "13 B", "" },
    {  172.0,   21.7,  165.9, "text", "PARTIE RESERVEE AUX ENTREPRISES DE REALISATION DES MARCHES PUBLICS", "12 BU", "" },
    {  183.4,   11.6,   37.6, "text", "Marché ou contrat N° :", "12", "" },
    {  183.4,   50.5,   42.9, "field", "Marche_contrat_num", "13 B", "" },
    {  183.4,   79.6,    6.9, "text", "Du :", "12", "" },
    {  183.4,   88.4,   26.2, "field", "Date_marche", "13 B", "" },
    {  188.6,   11.6,   33.1, "text", "Maître de l'ouvrage :", "12", "" },
    {  188.6,   46.8,   32.0, "field", "Maitre_ouvrage", "13 B", "" },
    {  193.4,   11.6,   39.2, "text", "Date début des travaux :", "12", "" },
    {  193.4,   52.9,   26.2, "field", "Date_marche", "13 B", "" },
    {  193.4,  103.7,    7.1, "text", "Fin :", "12", "" },
    {  193.4,  113.2,   33.9, "field", "Date_marche_fin", "13 B", "" },
    {  202.1,   35.2,  137.8, "text", "INFORMATION RELATIVE AU CORRESPONDANT DE L'ENTREPRISE", "12 BU", "" },
    {  208.0,   44.5,  114.6, "text", "AUPRES DES SERVICES DE LA DIRECTION DE L'EMPLOI", "12 BU", "" },
    {  217.0,   11.6,   10.3, "text", "Nom :", "12", "" },
    {  216.4,   25.1,   14.0, "field", "Nom_c", "13 B", "" },
    {  221.7,   11.6,   14.6, "text", "Prénom :", "12", "" },
    {  222.0,   28.8,   20.4, "field", "Prenom_c", "13 B", "" },
    {  226.7,   11.6,   41.3, "text", "Date et lieu de naissance :", "12", "" },
    {  226.7,   55.8,   23.3, "field", "date_nais_c", "13 B", "" },
    {  226.7,   82.0,    4.0, "text", "à :", "12", "" },
    {  226.7,   88.9,   24.1, "field", "Lieu_nais_c", "13 B", "" },
    {  231.8,   11.6,   59.0, "text", "Poste occupé au sein de l'entreprise :", "12", "" },
    {  232.0,   72.5,   11.1, "field", "Poste", "13 B", "" },
    {  246.6,  100.0,   11.1, "text", "Fait à :", "12", "" },
    {  246.6,  160.3,    4.8, "text", "le :", "12", "" },
    {  251.6,   67.5,  131.2, "text", "(Cachet, signature et griffe de l'employeur ou de son représentant habilité)", "12 BU", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::fiche(QStringList *problems)
{
    const QString name = QStringLiteral("Fiche");
    ReportLayout layout
        = FormLayouts::onePage(name, QStringLiteral("Fiche"), Letterhead::band(name, problems),
            { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
    // One letterhead per record, the page layer from the last one.
    layout.walksRecords = true;
    return layout;
}
