#include "formlayouts.h"

#include "forms/layoutbuilder.h"

// Fixed-term employment contract, page 2: articles 01 to 08 and the signatures.

namespace {

// clang-format off
// Page layer, paper coordinates.
const LayoutRow pageRows[] = {
    {   13.5,   77.5,   59.8, "text", "ll est convenu ce qui suit :", "16 BU", "" },
    {   25.9,   10.3,   19.8, "text", "Article 01 :", "12 B", "" },
    {   25.9,   31.2,   87.8, "text", "l’employeur engage le travailleur étranger cité ci-dessus", "12", "" },
    {   35.2,   14.3,   22.8, "text", "En qualité de :", "12", "" },
    {   35.2,   40.5,   27.0, "field", "Poste_occupe", "13 B", "" },
    {   41.0,   14.3,   51.1, "text", "Pour une durée déterminée de : ", "12", "" },
    {   40.7,   66.4,   12.2, "field", "Duree", "13 B", "" },
    {   41.0,   81.8,  115.6, "text", "Mois, qui prend effet à compter de la décision d'octroi du titre de travail.", "12", "" },
    {   46.3,   14.3,   46.8, "text", "Motif de la durée du contrat :", "12", "" },
    {   51.3,   14.3,   41.8, "text", "Lieu de travail en Algérie :", "12", "" },
    {   50.5,   57.7,   36.8, "field", "Lieu_emploi_orga", "13 B", "" },
    {   56.4,   14.3,   52.9, "text", "Montant du salaire mensuel brut :", "12", "" },
    {   56.4,   70.4,    9.5, "field", "Brut", "13 B", "" },
    {   61.4,   14.3,   51.3, "text", "Montant du salaire mensuel net :", "12", "" },
    {   61.4,   70.4,    7.1, "field", "Net", "13 B", "" },
    {   66.1,   14.3,   64.0, "text", "Primes et indemnités (nature et montant)", "12", "" },
    {   70.9,   19.3,   92.9, "text", "* Part transférable (pour les entreprises de droit algérien) :", "12", "" },
    {   76.2,   19.3,   63.0, "text", "* Part payable en Dinars Algérien (Id) :", "12", "" },
    {   81.5,   19.3,   74.1, "text", "* Avantage en nature (logement/véhicule….) : ", "12", "" },
    {   81.2,   95.2,   21.2, "field", "I_avantage", "13 B", "" },
    {   90.8,   10.3,   19.8, "text", "Article 02 :", "12 B", "" },
    {   90.8,   30.7,  170.4, "text", "Le travailleur reçoit dans les mêmes conditions que les travailleurs algériens, à travail égal, une rémunération", "12", "" },
    {   96.0,   14.6,  151.9, "text", "égale à celle des travailleurs de même catégorie accomplissant le même travail dans l’entreprise.", "12", "" },
    {  101.1,   14.6,  168.8, "text", "Il reçoit également dans les mêmes conditions que les travailleurs algériens  toutes les primes et indemnités.", "12", "" },
    {  111.4,   10.3,   19.8, "text", "Article 03 :", "12 B", "" },
    {  111.4,   30.7,   25.9, "text", "M-  Mme -Mlle", "12", "" },
    {  111.9,   57.9,   41.8, "field", "Nom", "8", "fixed box, height 5.3, wraps" },
    {  111.9,  100.3,   38.1, "field", "Prenom", "8", "fixed box, height 5.3, wraps" },
    {  111.4,  138.9,   62.2, "text", "bénéficie des avantages sociaux prévus", "12", "" },
    {  116.2,   14.8,   89.4, "text", "par la législation et la réglementation de sécurité sociale :", "12", "" },
    {  121.2,   14.8,  100.0, "text", "Dans le pays d’origine : (référence de la convention ou traité) : ", "12", "" },
    {  125.4,   14.8,   18.8, "text", "En Algérie :", "12", "" },
    {  136.0,   10.3,   19.8, "text", "Article 04 :", "12 B", "" },
    {  136.0,   31.0,  168.8, "text", "Le présent  contrat   et  les  droits  et  obligations  qui  en  découlent sont  soumis  à la  législation  et  à  la ", "12", "" },
    {  141.0,   14.8,  187.3, "text", "réglementation du travail applicable en Algérie ainsi qu’aux accords et conventions collectifs de travail et au règlement ", "12", "" },
    {  146.1,   14.8,   60.1, "text", "intérieur applicables dans l’entreprise.", "12", "" },
    {  155.8,   10.3,   19.8, "text", "Article 05 :", "12 B", "" },
    {  155.8,   31.0,  104.5, "text", "Les frais de voyage depuis le lieu de résidence de M-Mlle - Mme", "12", "" },
    {  156.6,  136.5,   33.1, "field", "Nom", "8", "fixed box, height 5.3, wraps" },
    {  156.6,  170.1,   31.2, "field", "Prenom", "8", "fixed box, height 5.3, wraps" },
    {  160.9,   14.8,  106.1, "text", "à l’étranger jusqu’au lieu d’emploi sont à la charge de l’employeur.", "12", "" },
    {  175.7,   10.3,   19.8, "text", "Article 06 :", "12 B", "" },
    {  175.9,   31.0,  105.8, "text", "A la fin du contrat, pour quelque motif que ce soit, M-Mlle -Mme ", "12", "" },
    {  176.5,  137.3,   32.3, "field", "Nom", "8", "fixed box, height 5.3, wraps" },
    {  176.5,  171.7,   29.6, "field", "Prenom", "8", "fixed box, height 5.3, wraps" },
    {  180.7,   15.3,  147.6, "text", "est rapatrié aux frais de l’employeur depuis le lieu de travail jusqu’à sa résidence à l’étranger.", "12", "" },
    {  195.8,   10.3,   19.8, "text", "Article 07 :", "12 B", "" },
    {  196.3,   30.7,  170.9, "text", "L’employeur est tenu de notifier  à la Direction de l’Emploi de Wilaya  toute modification survenue dans les ", "12", "" },
    {  200.3,   15.3,   42.6, "text", "clauses du présent contrat.", "12", "" },
    {  210.9,   10.3,   19.8, "text", "Article 08 :", "12 B", "" },
    {  210.9,   31.5,   25.9, "text", "M-Mlle - Mme ", "12", "" },
    {  211.4,   58.5,   30.7, "field", "Nom", "8", "fixed box, height 5.3, wraps" },
    {  211.4,   89.2,   31.8, "field", "Prenom", "8", "fixed box, height 5.3, wraps" },
    {  210.9,  122.5,   79.6, "text", "reconnaît avoir reçu un exemplaire de son contrat ", "12", "" },
    {  215.9,   15.3,  120.1, "text", "de travail et à sa demande, une traduction dans une langue comprise par lui.", "12", "" },
    {  226.0,   63.8,   84.1, "text", "Il (Elle) déclare en accepter les clauses et conditions.", "12", "" },
    {  231.2,   36.5,   54.0, "text", "Fait en quatre (4)  exemplaires, à ", "12", "" },
    {  231.2,  140.0,    4.8, "text", "le :", "12", "" },
    {  245.8,   14.6,   42.9, "text", "Signature du travailleur ", "12 B", "" },
    {  245.8,  125.9,   44.5, "text", "Signature du l’employeur", "12 B", "" },
    {  252.1,   83.9,  117.7, "text", "(Cachet, signature et griffe de l’employeur ou de son représentant habilité)", "12", "" },
    {  290.2,  195.3,    5.6, "text", "2/2", "12", "" },
};
// clang-format on

} // namespace

ReportLayout FormLayouts::contrat2(QStringList *problems)
{
    const QString name = QStringLiteral("contrat2");
    return FormLayouts::onePage(name, QStringLiteral("contrat2"), ReportBand { 2.9, {} },
        { LayoutBuilder::elementsOf(pageRows, std::size(pageRows), problems) });
}
