#include "formlayouts.h"

#include "forms/blocks/letterhead.h"
#include "forms/layoutbuilder.h"

// Letter requesting work visas for the workers of a project.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   54.8,   33.9,  142.9, "text", "MONSIEUR LE DIRECTEUR GÉNÉRAL DES AFFAIRES", "16 BU", "" },
    {   61.1,   61.4,   83.3, "text", "JURIDIQUES ET CONSULAIRES", "16 BU", "" },
    {   74.6,   10.1,   16.7, "text", "Objet :", "16 BU", "" },
    {   75.7,   29.9,   62.4, "text", "DEMANDE DE VISA DE TRAVAIL", "12", "" },
    {   80.7,   10.1,   11.9, "text", "Réf :", "16 BU", "" },
    {   82.3,   29.9,  161.7, "text", "DÉCRET PRÉSIDENTIEL N° 03-251 DU 19 JUILLET 2003 RELATIF Ä LA SITUATION DES", "12", "" },
    {   86.8,   29.9,   49.7, "text", "ÉTRANGERS EN ALGÉRIE.", "12", "" },
    {   91.5,   10.1,   11.4, "text", "P.J :", "16 BU", "" },
    {   93.1,   29.9,   84.9, "text", "- AUTORISATION PROVISOIRE DE TRAVAIL.", "12", "" },
    {   98.4,   29.9,  129.6, "text", "- ETAT NOMINATIF DES TRAVAILLEURS ÉTRANGERS CONCERNÉS.", "12", "" },
    {  103.5,   29.9,   70.9, "text", "- ENGAGEMENT DE RAPATRIEMENT.", "12", "" },
    {  108.2,   29.9,   99.0, "text", "- COPIE(S) DES ENGAGEMENTS DE RECRUTEMENT.", "12", "" },
    {  125.7,   19.1,  110.1, "text", "Dans le cadre de l’autorisation provisoire de travail sous le numéro  : ", "12", "" },
    {  125.7,  150.0,    6.9, "text", "Du :", "12", "" },
    {  135.7,   14.6,  110.3, "text", "délivrée par les services compétents du Ministère chargé de l’Emploi.", "12", "" },
    {  146.6,   27.0,  161.7, "text", "Nous avons l’honneur de soumettre à votre attention la présente demande par laquelle nous sollicitons", "12", "" },
    {  156.1,   15.1,  173.6, "text", "de votre bienveillance l’octroi de visa de travail au profit de(s) travailleur(s) salarié(s) dont la liste est jointe en", "12", "" },
    {  165.9,   15.3,  160.9, "text", "annexe,  appelé(s) à intervenir dans le domaine de leur(s) compétence(s) respective(s) dans le cadre :", "12", "" },
    {  174.9,   95.2,   12.4, "field", "projet_1", "10 B", "centred" },
    {  186.0,   27.8,  143.9, "text", " A cet effet, nous vous saurions gré de bien vouloir faire instruire vos services consulaires à", "12", "" },
    {  195.3,   96.0,    9.3, "field", "Pays", "13 B", "centred" },
    {  205.6,   14.8,  161.1, "text", "à l’effet de faire délivrer au(x) travailleur(s) concerné(s) un (des) visa (s) travail pour leur introduction ", "12", "" },
    {  215.4,   15.3,   17.5, "text", "en Algérie.", "12", "" },
    {  225.4,   27.3,  157.4, "text", " Veuillez agréer, Monsieur le Directeur Général, l’expression de nos salutations les plus distinguées.", "12", "" },
    {  234.2,  105.0,   11.1, "text", "Fait à :", "12", "" },
    {  234.2,  160.3,    4.8, "text", "le :", "12", "" },
    {  241.6,   63.0,  132.6, "text", " (Cachet, signature et griffe de l’employeur ou de son représentant habilité)", "12 B", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::demandeVisa(QStringList *problems)
{
    const QString name = QStringLiteral("demande_visa");
    return FormLayouts::onePage(name, QStringLiteral("demande_visa"), Letterhead::band(name, problems),
        { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
