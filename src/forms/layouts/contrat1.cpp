#include "formlayouts.h"

#include "forms/blocks/letterhead.h"
#include "forms/layoutbuilder.h"

// Fixed-term employment contract, page 1: the parties.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   51.3,   10.1,  187.9, "text", "La durée du  contrat de travail ne peut pas être inférieur à trois (3) mois ni supérieure à (24) mois pour l'obtention d'un", "12", "" },
    {   56.4,   14.3,  177.3, "text", "Permis de Travail, et elle ne peut être supérieure à trois (3) mois pour l'obtention d'une Autorisation Temporaire", "12", "" },
    {   61.6,    9.8,  190.0, "text", "de Travail.  dispositions des articles 10 et 08 de la loi n° 81-10 du 11 Juillet 1981 relative aux conditions d’emploi de la", "12", "" },
    {   66.9,   84.7,   37.8, "text", "main d’œuvre étrangère", "12", "" },
    {   74.9,   41.5,  126.7, "text", "CONTRAT DE TRAVAIL A DUREE DETERMINEE", "16 BU", "" },
    {   84.9,   10.3,   10.1, "text", "Entre", "12 B", "" },
    {   92.6,   15.1,   26.2, "text", "1- Employeur :", "12 B", "" },
    {  100.0,   14.6,   47.1, "text", "Dénomination de  l’entreprise", "12", "" },
    {  105.8,   91.5,   20.9, "field", "Nom_orga", "13 B", "centred" },
    {  115.9,   14.6,   15.3, "text", "Adresse :", "12", "" },
    {  120.7,   91.3,   20.9, "field", "Adrs_orga", "13 B", "centred" },
    {  126.2,   14.6,   28.3, "text", "Représentée par :", "12", "" },
    {  126.5,   54.5,   19.3, "field", "Monsieur", "13 B", "" },
    {  136.0,   14.6,   35.7, "text", "agissant en qualité de :", "12", "" },
    {  135.7,   54.2,   16.9, "field", "Agissant", "13 B", "" },
    {  145.8,   14.3,   29.9, "text", "Secteur d’activité :", "12", "" },
    {  145.3,   54.2,   35.7, "field", "activite_principal", "13 B", "" },
    {  156.4,   14.6,   76.2, "text", "Numéro d’inscription au registre de commerce :", "12", "" },
    {  156.6,   93.1,   27.8, "field", "Num_registre", "13 B", "" },
    {  165.9,   14.6,   50.5, "text", "Numéro d’identification fiscale :", "12", "" },
    {  166.2,   93.1,   22.5, "field", "Num_fiscal", "13 B", "" },
    {  175.9,   15.1,   65.6, "text", "Numéro d’affiliation à la sécurité sociale :", "12", "" },
    {  176.5,   93.1,   16.7, "field", "Num_SS", "13 B", "" },
    {  186.0,   15.1,   19.6, "text", "2- Salarié :", "12 B", "" },
    {  196.1,   15.1,   10.3, "text", "Nom :", "12", "" },
    {  195.8,   27.3,    9.5, "field", "Nom", "13 B", "" },
    {  195.8,  110.3,   14.6, "text", "Prénom :", "12", "" },
    {  195.8,  126.5,   15.9, "field", "Prenom", "13 B", "" },
    {  205.6,   15.1,   31.0, "text", "Date de naissance :", "12", "" },
    {  205.6,   48.2,   19.6, "field", "Date_nais", "13 B", "" },
    {  205.6,   79.9,   30.2, "text", "Lieu de naissance :", "12", "" },
    {  205.6,  112.4,   19.6, "field", "Lieu_nais", "13 B", "" },
    {  215.6,   15.1,   19.3, "text", "Nationalité :", "12", "" },
    {  215.6,   36.5,   13.5, "field", "Nation", "13 B", "" },
    {  215.6,  100.3,    9.8, "text", "Pays :", "12", "" },
    {  215.6,  112.4,    9.3, "field", "Pays", "13 B", "" },
    {  225.7,   15.1,   30.7, "text", "Situation  familiale :", "12", "" },
    {  225.7,   47.9,   38.4, "field", "Situation_familiale", "13 B", "" },
    {  236.0,   15.1,   23.5, "text", "Demeurant  à :", "12", "" },
    {  235.5,   47.9,   34.9, "field", "Adresse_etranger", "13 B", "" },
    {  246.1,   15.1,   44.5, "text", "Expérience professionnelle :", "12", "" },
    {  245.5,   61.4,   11.9, "field", "Exper", "13 B", "" },
    {  256.1,   15.1,   41.3, "text", "Diplôme ou titre obtenus :", "12", "" },
    {  256.1,   61.4,   17.2, "field", "Diplome", "13 B", "" },
    {  265.9,   15.1,   42.3, "text", "Date d’entrée  en Algérie :", "12", "" },
    {  265.6,   61.4,   32.5, "field", "Date_entrer_alg", "13 B", "" },
    {  276.2,   15.1,   23.8, "text", "Passeport N° :", "12", "" },
    {  276.0,   40.7,   30.4, "field", "Passeport_num", "13 B", "" },
    {  276.5,   65.6,   17.2, "text", "Délivré le :", "12", "" },
    {  276.0,   84.1,   36.0, "field", "Passeport_delivre", "13 B", "" },
    {  276.5,  112.7,    4.0, "text", "à :", "12", "" },
    {  276.0,  118.3,   28.6, "field", "Passeport_par", "13 B", "" },
    {  290.2,  195.3,    5.6, "text", "1/2", "12", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::contrat1(QStringList *problems)
{
    const QString name = QStringLiteral("contrat1");
    return FormLayouts::onePage(name, QStringLiteral("contrat1"), Letterhead::band(name, problems),
        { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
