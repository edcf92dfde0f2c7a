#include "formlayouts.h"

#include "forms/blocks/dewreceptionbox.h"
#include "forms/blocks/stateheader.h"
#include "forms/layoutbuilder.h"

// Annexe 02 (individual): receipt of the preliminary documents of an APT request.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   54.5,  156.6,   30.7, "text", "ANNEXE 02", "16 BU", "" },
    {   85.7,   38.1,  137.1, "text", "REÇU DE VERSEMENT DE PIÈCES PRÉLIMINAIRES", "16 BU", "" },
    {   92.1,   38.9,  137.1, "text", "CONSTITUTIVES DU DOSSIER POUR L'OBTENTION ", "16 BU", "" },
    {   99.2,   34.4,  146.6, "text", "DE L'AUTORISATION PROVISOIRE DE TRAVAIL (A.P.T)", "16 BU", "" },
    {  105.8,   90.8,   31.0, "text", "(Individuelle)", "16 BU", "" },
    {  126.2,   12.7,   21.7, "text", "Je soussigne :", "12", "" },
    {  131.2,   12.7,   43.9, "text", "Certifie avoir reçu, ce jour :", "12", "" },
    {  136.0,   12.7,   42.6, "text", "de l'organisme employeur :", "12", "" },
    {  140.8,   13.0,   15.3, "field", "Nom_orga", "10 B", "" },
    {  146.3,   12.7,   15.3, "text", "Adresse :", "12", "" },
    {  151.1,   13.0,   15.9, "field", "Adrs_orga", "10 B", "" },
    {  156.1,   12.7,   81.5, "text", "un dossier de demande d'APT au bénéfice de :", "12 B", "" },
    {  161.7,   12.7,   38.9, "text", "Monsieur, Mme, Melle :", "12", "" },
    {  161.7,   54.8,    6.9, "field", "Nom", "10 B", "" },
    {  161.7,  113.0,   11.6, "field", "Prenom", "10 B", "" },
    {  166.4,   12.7,   19.3, "text", "Nationalité :", "12", "" },
    {  166.7,   34.7,    9.8, "field", "Nation", "10 B", "" },
    {  171.4,   12.7,   19.6, "text", "Demeurant :", "12", "" },
    {  171.4,   35.2,   26.7, "field", "Adresse_etranger", "10 B", "" },
    {  181.5,   13.0,   63.5, "text", "Comprenant les pièces ci-après (1) :", "12 B", "" },
    {  191.3,   12.7,   84.7, "bullet", "Une demande d'autorisation provisoire de travail.", "12", "" },
    {  196.6,   12.7,  107.7, "bullet", "Une fiche de renseignement pour l'emploi d'un travailleur étranger.", "12", "" },
    {  201.3,   12.7,   57.1, "bullet", "Un engagement de recrutement.", "12", "" },
    {  206.6,   12.7,   42.6, "bullet", "Six (6) photos d'identité.", "12", "" },
    {  211.7,   12.7,   74.3, "bullet", "Une copie du passeport en cours de validité.", "12", "" },
    {  216.7,   12.7,  160.9, "bullet", "Copie des diplômes ou certificats de travail visés par les représentations diplomatiques Algériennes.", "12", "" },
    {  222.0,   12.7,  175.4, "bullet", "Une attestation des services du Ministère de la Jeunesse et des Sports s'il s'agit d'un sportif professionnel ou ", "12", "" },
    {  228.3,   16.1,   16.9, "text", "entraîneur.", "12", "" },
    {  233.4,   12.7,  140.5, "bullet", "Une demande de dérogation d'âge s'il s'agit d'un travailleur étranger de plus de 60 ans.", "12", "" },
    {  238.7,   12.7,  138.9, "bullet", "Un engagement de l'organisme employeur pour le rapatriement du travailleur étranger.", "12", "" },
    {  245.8,   99.7,   11.1, "text", "Fait à :", "12", "" },
    {  245.5,  160.1,    6.3, "text", "Le :", "12", "" },
    {  252.4,  127.8,   34.1, "text", "Signature et cachet", "12 B", "" },
    {  280.7,   13.2,   45.8, "text", "(1) : Rayer la mention inutile.", "12", "grey text" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::anx02Individuelle(QStringList *problems)
{
    const QString name = QStringLiteral("anx_02_Individuelle");
    return FormLayouts::onePage(name, QStringLiteral("Annexe 02 (Individuelle)"), StateHeader::band(problems),
        { StateHeader::pageElements(problems), DewReceptionBox::elements(name, problems),
            LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
