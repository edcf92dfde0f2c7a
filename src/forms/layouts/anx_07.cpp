#include "formlayouts.h"

#include "forms/blocks/dewreceptionbox.h"
#include "forms/blocks/letterhead.h"
#include "forms/layoutbuilder.h"

// Annexe 07: request for a change of wilaya or of post.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {  116.2,   86.5,    6.6, "box", "filled white", "", "height 5.0" },
    {  116.2,  118.0,    6.6, "box", "filled white", "", "height 5.0" },
    {  260.4,  106.1,   93.4, "box", "filled white", "", "height 23.5" },
    {  260.4,   10.8,   93.4, "box", "filled white", "", "height 23.5" },
    {   52.9,  156.6,   30.7, "text", "ANNEXE 07", "16 BU", "" },
    {   69.8,   50.5,  120.4, "text", "DEMANDE DE CHANGEMENT DE WILAYA/ POSTE DE TRAVAIL", "12 U", "" },
    {   83.1,   15.6,   30.2, "text", "JE SOUSSIGNE :", "12", "" },
    {   82.8,   46.3,   19.3, "field", "Monsieur", "13 B", "" },
    {   88.6,   15.6,   47.6, "text", "AGISSANT EN QUALITE :", "12", "" },
    {   88.1,   66.1,   16.9, "field", "Agissant", "13 B", "" },
    {   94.5,   15.6,   62.2, "text", "DE L'ORGANISME EMPLOYEUR :", "12", "" },
    {  100.0,   95.8,   20.9, "field", "Nom_orga", "13 B", "centred" },
    {  106.1,   15.6,   20.1, "text", "ADRESSE :", "12", "" },
    {  109.5,   95.8,   20.9, "field", "Adrs_orga", "13 B", "centred" },
    {  116.2,   15.6,   68.8, "text", "SOLLICITE LE CHANGEMENT DE (1)", "12", "" },
    {  116.2,   95.2,   19.3, "text", "- WILAYA", "12 B", "" },
    {  116.2,  126.5,   42.6, "text", "- POSTE DE TRAVAIL", "12 B", "" },
    {  116.2,  170.7,   29.6, "text", "AU PROFIT DE :", "12", "" },
    {  125.4,   15.6,   10.3, "text", "NOM", "12", "" },
    {  124.9,   28.0,    9.5, "field", "Nom", "13 B", "" },
    {  125.4,   99.7,   17.7, "text", "PRENOM", "12", "" },
    {  124.9,  119.6,   15.9, "field", "Prenom", "13 B", "" },
    {  132.0,   15.9,   57.7, "text", "DATE ET LIEU DE NAISSANCE", "12", "" },
    {  131.8,   75.7,   19.6, "field", "Date_nais", "13 B", "" },
    {  131.8,  109.8,   19.6, "field", "Lieu_nais", "13 B", "" },
    {  138.6,   15.9,   27.8, "text", "NATIONALITE", "12", "" },
    {  138.4,   45.0,   13.5, "field", "Nation", "13 B", "" },
    {  144.5,   15.9,   42.9, "text", "ADRESSE EN ALGERIE", "12", "" },
    {  143.9,   59.5,   18.0, "field", "Adrs_alg", "13 B", "" },
    {  150.0,   15.9,   42.1, "text", "TITRE DE TRAVAIL N°", "12", "" },
    {  149.5,   60.1,   23.5, "field", "Num_pt_att", "13 B", "" },
    {  149.8,   84.9,   18.8, "text", "VALABLE", "12", "" },
    {  149.5,  105.3,   12.2, "field", "Duree", "13 B", "" },
    {  149.8,  116.4,   11.9, "text", "MOIS,", "12", "" },
    {  149.8,  128.6,    6.1, "text", "DU", "12", "" },
    {  149.5,  135.5,   39.2, "field", "Date_debut_contrat", "13 B", "" },
    {  150.0,  163.2,    6.1, "text", "AU", "12", "" },
    {  149.5,  170.4,   33.6, "field", "Date_fin_contrat", "13 B", "" },
    {  155.8,   15.9,   71.7, "text", "QUALIFICATION PROFESSIONNELLE", "12", "" },
    {  155.6,   89.2,   26.5, "field", "Qualification", "13 B", "" },
    {  161.4,   15.9,   33.3, "text", "EMPLOI OCCUPE", "12", "" },
    {  161.1,   50.3,   27.0, "field", "Poste_occupe", "13 B", "" },
    {  167.2,   15.9,    9.3, "text", "LIEU", "12", "" },
    {  167.2,   27.8,   25.4, "field", "Lieu_emploi", "13 B", "" },
    {  167.2,  140.2,   16.7, "text", "WILAYA", "12", "" },
    {  173.6,   15.9,   40.7, "text", "EMPLOI SOLICITE (2)", "12", "" },
    {  179.9,   15.9,    9.3, "text", "LIEU", "12", "" },
    {  179.9,  140.2,   16.7, "text", "WILAYA", "12", "" },
    {  186.0,   15.9,   47.4, "text", "MOTIF DE LA DEMANDE", "12", "" },
    {  216.4,  109.8,   10.1, "text", "Fait le", "12", "" },
    {  215.6,  169.3,    3.2, "text", "A", "12", "" },
    {  222.2,  132.3,   40.7, "text", "Cachet, signature et griffe", "12", "" },
    {  227.3,  110.6,   83.6, "text", "Du nouvel employeur ou de son représentant habilité", "12", "" },
    {  247.9,   15.9,   56.9, "text", "(1)  Cocher la case correspondante", "12", "" },
    {  252.7,   15.9,   86.0, "text", "(2)  Ce poste doit être prévu par l'accord de principe.", "12", "" },
    {  261.7,   23.0,   65.1, "text", "Visa du DEW du nouveau lieu de travail.", "12", "" },
    {  261.4,  110.9,   84.4, "text", "S'il s'agit d'un  changement de wilaya, Visa du DEW ", "12", "" },
    {  266.7,  119.9,   57.9, "text", "ayant établi le dernier titre de travail.", "12", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::anx07(QStringList *problems)
{
    const QString name = QStringLiteral("Anx_07");
    return FormLayouts::onePage(name, QStringLiteral("Anx_07"), Letterhead::band(name, problems),
        { DewReceptionBox::elements(name, problems),
            LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
