#include "formlayouts.h"

#include "forms/blocks/letterhead.h"
#include "forms/blocks/processinggrid.h"
#include "forms/layoutbuilder.h"

// Letter requesting a provisional work authorisation (APT), with the processing grid.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   54.8,   86.3,   35.5, "text", "A MONSIEUR", "16 BU", "" },
    {   61.1,   46.0,  113.8, "text", "LE DIRECTEUR DE WILAYA  DE L'EMPLOI", "16 BU", "" },
    {   74.6,   10.1,   16.7, "text", "Objet :", "16 BU", "" },
    {   75.7,   29.9,  160.6, "text", "DEMANDE DE DELIVRANCE D'UNE AUTORISATION PROVISOIRE DE TRAVAIL (APT)", "12", "" },
    {   86.0,   19.1,  167.2, "text", " J'ai  l'honneur  de  vous  demander  de bien vouloir  faire etablir  une autorisation provisoire de travail au ", "12", "" },
    {   93.9,   16.1,   14.8, "text", "profit de,", "12", "" },
    {  101.6,   15.6,   10.3, "text", "Nom :", "12", "" },
    {  101.6,   40.0,    9.5, "field", "Nom", "13 B", "" },
    {  111.4,   15.6,   14.6, "text", "Prénom :", "12", "" },
    {  111.4,   39.7,   15.9, "field", "Prenom", "13 B", "" },
    {  121.2,   15.3,   23.0, "text", "de nationalité :", "12", "" },
    {  121.2,   39.4,   13.5, "field", "Nation", "13 B", "" },
    {  131.5,   15.3,   52.7, "text", "pour occuper le poste de travail :", "12", "" },
    {  131.5,   69.6,   27.0, "field", "Poste_occupe", "13 B", "" },
    {  141.8,   15.1,   55.8, "text", "prévu par l'accord de principe N° :", "12", "" },
    {  142.1,  110.3,   18.8, "text", "en date du :", "12", "" },
    {  151.9,   19.1,  165.1, "text", "Je  me  permet  de  vous  préciser  que  le candidat a ce poste est titulaire d'un diplôme et / ou certificat ", "12", "" },
    {  160.3,   15.1,   20.9, "text", "de travail de,", "12", "" },
    {  166.2,   99.5,   17.2, "field", "Diplome", "13 B", "centred" },
    {  176.5,   15.1,   64.3, "text", "ayant une experience professionnelle de ", "12", "" },
    {  175.9,   83.6,   11.9, "field", "Exper", "13 B", "" },
    {  176.5,  100.8,    7.7, "text", "Ans.", "12", "" },
    {  186.8,   19.1,  109.8, "text", " Veuillez agréer  Monsieur, l'expression de ma parfaite considération.", "12", "" },
    {  196.6,  108.2,   11.1, "text", "Fait à :", "12", "" },
    {  196.6,  160.3,    4.8, "text", "le :", "12", "" },
    {  206.1,  133.9,   31.5, "text", "LE DIRECTEUR", "12 B", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::demandeApt(QStringList *problems)
{
    const QString name = QStringLiteral("demande_apt");
    return FormLayouts::onePage(name, QStringLiteral("demande_apt"), Letterhead::band(name, problems),
        { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems),
            ProcessingGrid::elements(name, problems) });
}
