#include "formlayouts.h"

#include "forms/blocks/letterhead.h"
#include "forms/layoutbuilder.h"

// Undertaking to repatriate the foreign workers of an APT.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   54.8,   56.9,   95.2, "text", "ENGAGEMENT DE RAPATRIEMENT", "16 BU", "" },
    {   85.5,   14.6,  180.2, "text", "Conformément aux dispositions de l’article 5 bis, alinéa 6 et 7 du Décret Présidentiel n°03-251 du 19 juillet 2003", "12", "" },
    {   96.3,   10.3,   92.3, "text", "relatif à la situation des étrangers en Algérie, je soussigné, ", "12", "" },
    {  106.1,   10.3,   15.3, "text", "Monsieur", "12", "" },
    {  106.1,   29.1,   14.3, "field", "Monsieur", "10 B", "" },
    {  116.2,   10.3,   34.9, "text", "agissant en qualité de ", "12", "" },
    {  115.9,   50.0,   13.2, "field", "Agissant", "10 B", "" },
    {  126.2,   10.3,   18.0, "text", "au sein de :", "12", "" },
    {  126.5,   30.2,   15.3, "field", "Nom_orga", "10 B", "" },
    {  136.3,   15.9,  172.0, "text", "m’engage à prendre en chargé par les soins de l’entreprise,  le rapatriement dans leur pays d’origine,  dès la ", "12", "" },
    {  146.1,   10.8,  183.6, "text", "cessation de la relation de travail, du ou des travailleurs étrangers faisant objet de l’autorisation provisoire de travail ", "12", "" },
    {  156.1,   10.8,   18.8, "text", "sous le N° :", "12", "" },
    {  156.1,   56.1,    6.9, "text", "Du :", "12", "" },
    {  155.8,  100.5,   90.0, "text", "délivrée par les services compétents du Ministère chargé", "12", "" },
    {  165.9,   10.8,   92.9, "text", "de l’Emploi et dont la liste nominative est jointe en annexe.", "12", "" },
    {  175.9,   15.6,  135.7, "text", "En foi de quoi , le présent engagement est fourni pour servir et valoir ce que de droit. ", "12", "" },
    {  195.0,   92.3,   11.1, "text", "Fait à :", "12", "" },
    {  195.0,  151.9,    4.8, "text", "le :", "12", "" },
    {  202.4,   63.0,  132.6, "text", " (Cachet, signature et griffe de l’employeur ou de son représentant habilité)", "12 B", "" },
    {  241.6,   21.2,   74.9, "text", "Visa de la Direction de Wilaya de l’Emploi", "12 B", "" },
    {  248.4,   10.1,  100.8, "text", "(Cachet, signature et griffe du Directeur de l’Emploi de Wilaya)", "12", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::rapatriement1(QStringList *problems)
{
    const QString name = QStringLiteral("rapatriement1");
    return FormLayouts::onePage(name, QStringLiteral("rapatriement1"), Letterhead::band(name, problems),
        { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
