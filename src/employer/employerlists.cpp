#include "employer/employerlists.h"

namespace EmployerLists {

QStringList nationalities()
{
    static const QStringList entries = { QStringLiteral("AFGHANE"), QStringLiteral("ALBANAISE"),
        QStringLiteral("ALGERIENNE"), QStringLiteral("ALLEMANDE"), QStringLiteral("AMERICAINE"),
        QStringLiteral("ANDORRANE"), QStringLiteral("ANGOLAISE"), QStringLiteral("ANTIGUAISE ET BARBUDIENNE"),
        QStringLiteral("ARGENTINE"), QStringLiteral("ARMENIENNE"), QStringLiteral("AUSTRALIENNE"),
        QStringLiteral("AUTRICHIENNE"), QStringLiteral("AZERBAÏDJANAISE"), QStringLiteral("BAHAMIENNE"),
        QStringLiteral("BAHREINIENNE"), QStringLiteral("BANGLADAISE"), QStringLiteral("BARBADIENNE"),
        QStringLiteral("BELGE"), QStringLiteral("BELIZIENNE"), QStringLiteral("BENINOISE"),
        QStringLiteral("BHOUTANAISE"), QStringLiteral("BIELORUSSE"), QStringLiteral("BIRMANE"),
        QStringLiteral("BISSAO-GUINEENNE"), QStringLiteral("BOLIVIENNE"), QStringLiteral("BOSNIENNE"),
        QStringLiteral("BOTSWANAISE"), QStringLiteral("BRESILIENNE"), QStringLiteral("BRITANNIQUE"),
        QStringLiteral("BRUNEIENNE"), QStringLiteral("BULGARE"), QStringLiteral("BURKINABE"),
        QStringLiteral("BURUNDAISE"), QStringLiteral("CAMBODGIENNE"), QStringLiteral("CAMEROUNAISE"),
        QStringLiteral("CANADIENNE"), QStringLiteral("CAP-VERDIENNE"), QStringLiteral("CENTRAFRICAINE"),
        QStringLiteral("CHILIENNE"), QStringLiteral("CHINOISE"), QStringLiteral("CHINOISE (TAIWAN)"),
        QStringLiteral("CHYPRIOTE"), QStringLiteral("COLOMBIENNE"), QStringLiteral("COMORIENNE"),
        QStringLiteral("CONGOLAISE"), QStringLiteral("COSTARICAINE"), QStringLiteral("CROATE"),
        QStringLiteral("CUBAINE"), QStringLiteral("DANOISE"), QStringLiteral("DJIBOUTIENNE"),
        QStringLiteral("DOMINICAINE"), QStringLiteral("DOMINIQUAISE"), QStringLiteral("EGYPTIENNE"),
        QStringLiteral("EMIRIENNE"), QStringLiteral("EQUATO-GUINEENNE"), QStringLiteral("EQUATORIENNE"),
        QStringLiteral("ERYTHREENNE"), QStringLiteral("ESPAGNOLE"), QStringLiteral("ESTONIENNE"),
        QStringLiteral("EST-TIMORAISE"), QStringLiteral("ETHIOPIENNE"), QStringLiteral("FIDJIENNE"),
        QStringLiteral("FINLANDAISE"), QStringLiteral("FRANCAISE"), QStringLiteral("GABONAISE"),
        QStringLiteral("GAMBIENNE"), QStringLiteral("GEORGIENNE"), QStringLiteral("GHANEENNE"),
        QStringLiteral("GRENADIENNE"), QStringLiteral("GUATEMALTEQUE"), QStringLiteral("GUINEENNE"),
        QStringLiteral("GUYANIENNE"), QStringLiteral("HAÏTIENNE"), QStringLiteral("HELLENIQUE"),
        QStringLiteral("HONDURIENNE"), QStringLiteral("HONGROISE"), QStringLiteral("INDIENNE"),
        QStringLiteral("INDONESIENNE"), QStringLiteral("IRAKIENNE"), QStringLiteral("IRANIENNE"),
        QStringLiteral("IRLANDAISE"), QStringLiteral("ISLANDAISE"), QStringLiteral("ITALIENNE"),
        QStringLiteral("IVOIRIENNE"), QStringLiteral("JAMAÏCAINE"), QStringLiteral("JAPONAISE"),
        QStringLiteral("JORDANIENNE"), QStringLiteral("KAZAKHSTANAISE"), QStringLiteral("KENYANE"),
        QStringLiteral("KIRGHIZE"), QStringLiteral("KIRIBATIENNE"),
        QStringLiteral("KITTITIENNE-ET-NEVICIENNE"), QStringLiteral("KOSSOVIENNE"),
        QStringLiteral("KOWEITIENNE"), QStringLiteral("LAOTIENNE"), QStringLiteral("LESOTHANE"),
        QStringLiteral("LETTONE"), QStringLiteral("LIBANAISE"), QStringLiteral("LIBERIENNE"),
        QStringLiteral("LIBYENNE"), QStringLiteral("LIECHTENSTEINOISE"), QStringLiteral("LITUANIENNE"),
        QStringLiteral("LUXEMBOURGEOISE"), QStringLiteral("MACEDONIENNE"), QStringLiteral("MALAISIENNE"),
        QStringLiteral("MALAWIENNE"), QStringLiteral("MALDIVIENNE"), QStringLiteral("MALGACHE"),
        QStringLiteral("MALIENNE"), QStringLiteral("MALTAISE"), QStringLiteral("MAROCAINE"),
        QStringLiteral("MARSHALLAISE"), QStringLiteral("MAURICIENNE"), QStringLiteral("MAURITANIENNE"),
        QStringLiteral("MEXICAINE"), QStringLiteral("MICRONESIENNE"), QStringLiteral("MOLDAVE"),
        QStringLiteral("MONEGASQUE"), QStringLiteral("MONGOLE"), QStringLiteral("MONTENEGRINE"),
        QStringLiteral("MOZAMBICAINE"), QStringLiteral("NAMIBIENNE"), QStringLiteral("NAURUANE"),
        QStringLiteral("NEERLANDAISE"), QStringLiteral("NEO-ZELANDAISE"), QStringLiteral("NEPALAISE"),
        QStringLiteral("NICARAGUAYENNE"), QStringLiteral("NIGERIANE"), QStringLiteral("NIGERIENNE"),
        QStringLiteral("NORVEGIENNE"), QStringLiteral("OMANAISE"), QStringLiteral("OUGANDAISE"),
        QStringLiteral("OUZBEKE"), QStringLiteral("PAKISTANAISE"), QStringLiteral("PALAU"),
        QStringLiteral("PALESTINIENNE"), QStringLiteral("PANAMEENNE"),
        QStringLiteral("PAPOUANE-NEOGUINEENNE"), QStringLiteral("PARAGUAYENNE"), QStringLiteral("PERUVIENNE"),
        QStringLiteral("PHILIPPINE"), QStringLiteral("POLONAISE"), QStringLiteral("PORTORICAINE"),
        QStringLiteral("PORTUGAISE"), QStringLiteral("QATARIENNE"), QStringLiteral("ROUMAINE"),
        QStringLiteral("RUSSE"), QStringLiteral("RWANDAISE"), QStringLiteral("SAHARA OCCIDENTAL"),
        QStringLiteral("SAINT-LUCIENNE"), QStringLiteral("SAINT-MARINAISE"),
        QStringLiteral("SAINT-VINCENTAISE-ET-GRENADINE"), QStringLiteral("SALOMONAISE"),
        QStringLiteral("SALVADORIENNE"), QStringLiteral("SAMOANE"), QStringLiteral("SANTOMEENNE"),
        QStringLiteral("SAOUDIENNE"), QStringLiteral("SENEGALAISE"), QStringLiteral("SERBE"),
        QStringLiteral("SERBIE ET MONTENEGRO"), QStringLiteral("SEYCHELLOISE"),
        QStringLiteral("SIERRA-LEONAISE"), QStringLiteral("SINGAPOURIENNE"), QStringLiteral("SLOVAQUE"),
        QStringLiteral("SLOVENE"), QStringLiteral("SOMALIENNE"), QStringLiteral("SOUDANAISE (NORD)"),
        QStringLiteral("SOUDANAISE (SUD)"), QStringLiteral("SRI-LANKAISE"), QStringLiteral("SUD-AFRICAINE"),
        QStringLiteral("SUD-COREENNE"), QStringLiteral("SUEDOISE"), QStringLiteral("SUISSE"),
        QStringLiteral("SURINAMAISE"), QStringLiteral("SWAZIE"), QStringLiteral("SYRIENNE"),
        QStringLiteral("TADJIKE"), QStringLiteral("TANZANIENNE"), QStringLiteral("TCHADIENNE"),
        QStringLiteral("TCHEQUE"), QStringLiteral("THAÏLANDAISE"), QStringLiteral("TOGOLAISE"),
        QStringLiteral("TONGUIENNE"), QStringLiteral("TRINIDADIENNE"), QStringLiteral("TUNISIENNE"),
        QStringLiteral("TURKMENE"), QStringLiteral("TURQUE"), QStringLiteral("TUVALUANE"),
        QStringLiteral("UKRAINIENNE"), QStringLiteral("URUGUAYENNE"), QStringLiteral("VANUATUANE"),
        QStringLiteral("VENEZUELIENNE"), QStringLiteral("VIETNAMIENNE"), QStringLiteral("YEMENITE"),
        QStringLiteral("ZAMBIENNE"), QStringLiteral("ZIMBABWEENNE") };
    return entries;
}

QStringList activities()
{
    static const QStringList entries = { QStringLiteral(
                                             "CULTURE ET PRODUCTION ANIMALE ET ACTIVIS DE SERVICES CONNEXES"),
        QStringLiteral("SYLVICULTURE ET EXPLOITATION FORESTIERE"), QStringLiteral("PEHE ET AQUACULTURE"),
        QStringLiteral("EXTRACTION DE PETROLE BRUT ET DE GAZ NATUREL"),
        QStringLiteral("EXTRACTION DE MINERAIS"), QStringLiteral("AUTRES ACTIVITES EXTRACTIVES"),
        QStringLiteral("FABRICATION DE PRODUITS ALIMENTAIRES"), QStringLiteral("FABRICATION DE BOISSONS"),
        QStringLiteral("FABRICATION DE PRODUITS À BASE DE TABAC"), QStringLiteral("FABRICATION DE TEXTILES"),
        QStringLiteral("FABRICATION DE CUIR ET D'ARTICLES DE CUIR"),
        QStringLiteral("PRODUCTION DE BOIS ET D'ARTICLES EN BOIS ET EN LIEGE"),
        QStringLiteral("FABRICATION DE PAPIER ET D'ARTICLES EN PAPIER"), QStringLiteral("IMPRIMERIE"),
        QStringLiteral("ACTIVITES D'EDITION"), QStringLiteral("FABRICATION DE PRODUITS CHIMIQUES"),
        QStringLiteral("FABRICATION DE PREPARATIONS PHARMACEUTIQUES"),
        QStringLiteral("FABRICATION D'ARTICLES EN CAOUTCHOUC ET EN MATIERES PLASTIQUES"),
        QStringLiteral("FABRICATION DE PRODUITS METALLURGIQUES DE BASE"),
        QStringLiteral("FABRICATION D'ARTICLES ELECTRONIQUES"),
        QStringLiteral("FABRICATION DE MATERIELS ELECTRIQUES"),
        QStringLiteral("CONSTRUCTION DE VEHICULES AUTOMOBILES, DE REMORQUES ET SEMI-REMORQUES"),
        QStringLiteral("FABRICATION D'AUTRES MATERIELS DE TRANSPORT"),
        QStringLiteral("AUTRES ACTIVITES DE FABRICATION"),
        QStringLiteral("PRODUCTION ET DISTRIBUTION D'ELECTRICITE, DE GAZ"), QStringLiteral("CONSTRUCTIONS"),
        QStringLiteral("HYDRAULIQUE"), QStringLiteral("TRAVAUX PUBLICS (ASSAINISSEMENT, GENIE CIVIL, ...)"),
        QStringLiteral("AUTRES TRAVAUX"), QStringLiteral("COMMERCE DE GROS ET DE DETAIL"),
        QStringLiteral("TRANSPORTS TERRESTRES"), QStringLiteral("TRANSPORTS MARITIME"),
        QStringLiteral("TRANSPORTS AERIENS"), QStringLiteral("ACTIVITES DE POSTE ET DE COURRIER"),
        QStringLiteral("HOTELLERIE"), QStringLiteral("ACTIVITES DE SERVICES DE RESTAURATION"),
        QStringLiteral("ACTIVITES DE PRODUCTION ET DIFFUSION DE FILMS"), QStringLiteral("TELECOMMUNICATIONS"),
        QStringLiteral("PROGRAMMATION INFORMATIQUE; CONSEILS ET ACTIVITES CONNEXES"),
        QStringLiteral("ACTIVITES DE SERVICES D'INFORMATION"),
        QStringLiteral("ACTIVITES DE SERVICES FINANCIERS"),
        QStringLiteral("ACTIVITES D'ASSURANCES, REASSURANCE"), QStringLiteral("ACTIVITES IMMOBILIERES"),
        QStringLiteral("ACTIVITES JURIDIQUES ET COMPTABLES"), QStringLiteral("ACTIVITES DE CONSEILS"),
        QStringLiteral("ACTIVITES D'ARCHITECTURE ET D'INGENIERIE"),
        QStringLiteral("PUBLICITE ET ETUDES DE MARCHE"), QStringLiteral("ACTIVITES DE SERVICES VETERINAIRES"),
        QStringLiteral("ACTIVITES DE LOCATION"), QStringLiteral("ACTIVITES RELATIVES À L'EMPLOI"),
        QStringLiteral("ACTIVITES DES AGENCES DE VOYAGES"), QStringLiteral("EDUCATION"),
        QStringLiteral("ACTIVITES RELATIVES À LA SANTE"), QStringLiteral("ACTIVITES D'ACTION SOCIALE"),
        QStringLiteral("ACTIVITES CRÉATIVES, ARTS ET SPECTACLES ET AUTRES ACTIVITES CULTURELLES"),
        QStringLiteral("ACTIVITES DES BIBLIOTHEQUES, ARCHIVES"),
        QStringLiteral("ACTIVITES SPORTIVES ET DE LOISIRS"),
        QStringLiteral("ACTIVITES DES ORGANISATIONS ASSOCIATIVES"),
        QStringLiteral("ACTIVITES DE REPARATIONS"),
        QStringLiteral("ACTIVITES DES MENAGES PRIVES EMPLOYANT DU PERSONNEL DOMESTIQUE"),
        QStringLiteral("ACTIVITES DES ORGANISATIONS REGIONALES ET INTERNATIONALES"),
        QStringLiteral("COLLECTE DES DECHETS, ACTIVITES DE TRAITEMENT ET D'EVACUATION"),
        QStringLiteral("AUTRES SERVICES") };
    return entries;
}

QStringList branches()
{
    return { QStringLiteral("AGRICULTURE"), QStringLiteral("INDUSTRIE"), QStringLiteral("B.T.P.H"),
        QStringLiteral("SERVICES") };
}

QStringList legalStatuses()
{
    return { QStringLiteral("EPIC"), QStringLiteral("EURL"), QStringLiteral("SARL"), QStringLiteral("SPA"),
        QStringLiteral("S COMMANDITE SIMPLE"), QStringLiteral("S NOM COLLECTIF"),
        QStringLiteral("PERSONNE PHYSIQUE"), QStringLiteral("S ANONYME") };
}

QStringList legalSectors()
{
    return { QStringLiteral("PUBLIC NATIONAL"), QStringLiteral("PUBLIC ETRANGER"),
        QStringLiteral("PRIVE NATIONAL"), QStringLiteral("PRIVE ETRANGER"), QStringLiteral("MIXTE") };
}

QStringList applicableLaws()
{
    return { QStringLiteral("DROIT ALGERIEN"), QStringLiteral("DROIT ETRANGER") };
}

QStringList worksDurations()
{
    QStringList entries;
    for (int n = 1; n <= 80; ++n)
        entries << QString::number(n);
    return entries;
}

QStringList worksProgress()
{
    QStringList entries;
    for (int n = 0; n <= 100; ++n)
        entries << QString::number(n);
    entries << QStringLiteral(" (%)");
    return entries;
}

} // namespace EmployerLists
