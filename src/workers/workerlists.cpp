#include "workers/workerlists.h"

namespace WorkerLists {

QStringList requestTypes()
{
    return { QStringLiteral("APT"), QStringLiteral("PERMIS DE TRAVAIL"), QStringLiteral("RENOUVELLEMENT P T"),
        QStringLiteral("ANNEXE 10"), QStringLiteral("RENOUVELLEMENT ANNEXE 10"),
        QStringLiteral("AUTORISATION TEMPORAIRE DE TRAVAIL"), QStringLiteral("RENOUVELLEMENT A T T"),
        QStringLiteral("CHANGEMENT WILAYA (SORTIES)"), QStringLiteral("CHANGEMENT WILAYA (ENTREES)"),
        QStringLiteral("CHANGEMENT EMPLOYEUR"), QStringLiteral("CHANGEMENT POSTE DE TRAVAIL") };
}

QStringList sexes()
{
    return { QStringLiteral("HOMME"), QStringLiteral("FEMME") };
}

QStringList maritalStatuses()
{
    return { QStringLiteral("CELIBATAIRE"), QStringLiteral("MARIE(E)"), QStringLiteral("DIVORCE(E)"),
        QStringLiteral("VEUF(VE)") };
}

QStringList yesNo()
{
    return { QStringLiteral("OUI"), QStringLiteral("NON") };
}

QStringList qualifications()
{
    return { QStringLiteral("CADRE"), QStringLiteral("AGENT DE MAITRISE"),
        QStringLiteral("AGENT D EXECUTION") };
}

QStringList experiences()
{
    QStringList entries;
    for (int n = 0; n <= 50; ++n) {
        if (n != 44)
            entries << QString::number(n);
    }
    entries << QStringLiteral("/ Années");
    return entries;
}

QStringList durations()
{
    QStringList entries;
    for (int n = 1; n <= 24; ++n)
        entries << QString::number(n);
    entries << QStringLiteral("/ Mois");
    return entries;
}

QStringList countries()
{
    static const QStringList entries = { QStringLiteral("AFGHANISTAN"), QStringLiteral("AFRIQUE DU SUD"),
        QStringLiteral("ALBANIE"), QStringLiteral("ALGERIE"), QStringLiteral("ALLEMAGNE"),
        QStringLiteral("ANDORRE"), QStringLiteral("ANGOLA"), QStringLiteral("ANGUILLA"),
        QStringLiteral("ANTARCTIQUE"), QStringLiteral("ANTIGUA-ET-BARBUDA"),
        QStringLiteral("ANTILLES NEERLANDAISES"), QStringLiteral("ARABIE SAOUDITE"),
        QStringLiteral("ARGENTINE"), QStringLiteral("ARMENIE"), QStringLiteral("ARUBA"),
        QStringLiteral("AUSTRALIE"), QStringLiteral("AUTRICHE"), QStringLiteral("AZERBAIDJAN"),
        QStringLiteral("BENIN"), QStringLiteral("BAHAMAS"), QStringLiteral("BAHREIN"),
        QStringLiteral("BANGLADESH"), QStringLiteral("BARBADE"), QStringLiteral("BELAU"),
        QStringLiteral("BELGIQUE"), QStringLiteral("BELIZE"), QStringLiteral("BERMUDES"),
        QStringLiteral("BHOUTAN"), QStringLiteral("BIELORUSSIE"), QStringLiteral("BIRMANIE"),
        QStringLiteral("BOLIVIE"), QStringLiteral("BOSNIE-HERZEGOVINE"), QStringLiteral("BOTSWANA"),
        QStringLiteral("BRESIL"), QStringLiteral("BRUNEI"), QStringLiteral("BULGARIE"),
        QStringLiteral("BURKINA FASO"), QStringLiteral("BURUNDI"), QStringLiteral("COTE D'IVOIRE"),
        QStringLiteral("CAMBODGE"), QStringLiteral("CAMEROUN"), QStringLiteral("CANADA"),
        QStringLiteral("CAP-VERT"), QStringLiteral("CHILI"), QStringLiteral("CHINE"),
        QStringLiteral("CHYPRE"), QStringLiteral("COLOMBIE"), QStringLiteral("COMORES"),
        QStringLiteral("CONGO"), QStringLiteral("COREE DU NORD\t"), QStringLiteral("COREE DU SUD"),
        QStringLiteral("COSTA RICA"), QStringLiteral("CROATIE"), QStringLiteral("CUBA"),
        QStringLiteral("DANEMARK"), QStringLiteral("DJIBOUTI"), QStringLiteral("DOMINIQUE"),
        QStringLiteral("EGYPTE"), QStringLiteral("EMIRATS ARABES UNIS"), QStringLiteral("EQUATEUR"),
        QStringLiteral("ERYTHREE"), QStringLiteral("ESPAGNE"), QStringLiteral("ESTONIE"),
        QStringLiteral("ETATS-UNIS"), QStringLiteral("ETHIOPIE"), QStringLiteral("FINLANDE"),
        QStringLiteral("FRANCE"), QStringLiteral("GEORGIE"), QStringLiteral("GABON"),
        QStringLiteral("GAMBIE"), QStringLiteral("GHANA"), QStringLiteral("GIBRALTAR"),
        QStringLiteral("GRECE"), QStringLiteral("GRENADE"), QStringLiteral("GROENLAND"),
        QStringLiteral("GUADELOUPE"), QStringLiteral("GUAM"), QStringLiteral("GUATEMALA"),
        QStringLiteral("GUINEE"), QStringLiteral("GUINEE EQUATORIALE"), QStringLiteral("GUINEE-BISSAO"),
        QStringLiteral("GUYANA"), QStringLiteral("GUYANE FRANÇAISE"), QStringLiteral("HAITI"),
        QStringLiteral("HONDURAS"), QStringLiteral("HONG KONG"), QStringLiteral("HONGRIE"),
        QStringLiteral("ILE BOUVET"), QStringLiteral("ILE CHRISTMAS"), QStringLiteral("ILE NORFOLK"),
        QStringLiteral("ILES CAYMAN"), QStringLiteral("ILES COOK"), QStringLiteral("ILES FEROE"),
        QStringLiteral("ILES FALKLAND"), QStringLiteral("ILES FIDJI"),
        QStringLiteral("ILES GEORGIE DU SUD ET SANDWICH DU SUD"), QStringLiteral("ILES HEARD ET MCDONALD"),
        QStringLiteral("ILES MARSHALL"), QStringLiteral("ILES PITCAIRN"), QStringLiteral("ILES SALOMON"),
        QStringLiteral("ILES SVALBARD ET JAN MAYEN"), QStringLiteral("ILES TURKS-ET-CAICOS"),
        QStringLiteral("ILES VIERGES AMERICAINES"), QStringLiteral("ILES VIERGES BRITANNIQUES"),
        QStringLiteral("ILES DES COCOS (KEELING)"), QStringLiteral("ILES MINEURES ELOIGNEES DES ETATS-UNIS"),
        QStringLiteral("INDE"), QStringLiteral("INDONESIE"), QStringLiteral("IRAN"), QStringLiteral("IRAQ"),
        QStringLiteral("IRLANDE"), QStringLiteral("ISLANDE"), QStringLiteral("ITALIE"),
        QStringLiteral("JAMAIQUE"), QStringLiteral("JAPON"), QStringLiteral("JORDANIE"),
        QStringLiteral("KAZAKHSTAN"), QStringLiteral("KENYA"), QStringLiteral("KIRGHIZISTAN"),
        QStringLiteral("KIRIBATI"), QStringLiteral("KOWEIT"), QStringLiteral("LAOS"),
        QStringLiteral("LESOTHO"), QStringLiteral("LETTONIE"), QStringLiteral("LIBAN"),
        QStringLiteral("LIBERIA"), QStringLiteral("LIBYE"), QStringLiteral("LIECHTENSTEIN"),
        QStringLiteral("LITUANIE"), QStringLiteral("LUXEMBOURG"), QStringLiteral("MACAO"),
        QStringLiteral("MADAGASCAR"), QStringLiteral("MALAISIE"), QStringLiteral("MALAWI"),
        QStringLiteral("MALDIVES"), QStringLiteral("MALI"), QStringLiteral("MALTE"),
        QStringLiteral("MARIANNES DU NORD"), QStringLiteral("MAROC"), QStringLiteral("MARTINIQUE"),
        QStringLiteral("MAURICE"), QStringLiteral("MAURITANIE"), QStringLiteral("MAYOTTE"),
        QStringLiteral("MEXIQUE"), QStringLiteral("MICRONESIE"), QStringLiteral("MOLDAVIE"),
        QStringLiteral("MONACO"), QStringLiteral("MONGOLIE"), QStringLiteral("MONTSERRAT"),
        QStringLiteral("MOZAMBIQUE"), QStringLiteral("NEPAL"), QStringLiteral("NAMIBIE"),
        QStringLiteral("NAURU"), QStringLiteral("NICARAGUA"), QStringLiteral("NIGER"),
        QStringLiteral("NIGERIA"), QStringLiteral("NIOUE"), QStringLiteral("NORVEGE"),
        QStringLiteral("NOUVELLE-CALEDONIE"), QStringLiteral("NOUVELLE-ZELANDE"), QStringLiteral("OMAN"),
        QStringLiteral("OUGANDA"), QStringLiteral("OUZBEKISTAN"), QStringLiteral("PEROU"),
        QStringLiteral("PAKISTAN"), QStringLiteral("PALESTINE"), QStringLiteral("PANAMA"),
        QStringLiteral("PAPOUASIE-NOUVELLE-GUINÉE"), QStringLiteral("PARAGUAY"), QStringLiteral("PAYS-BAS"),
        QStringLiteral("PHILIPPINES"), QStringLiteral("POLOGNE"), QStringLiteral("POLYNESIE FRANIAISE"),
        QStringLiteral("PORTO RICO"), QStringLiteral("PORTUGAL"), QStringLiteral("QATAR"),
        QStringLiteral("REPUBLIQUE CENTRAFRICAINE"), QStringLiteral("REPUBLIQUE DEMOCRATIQUE DU CONGO"),
        QStringLiteral("REPUBLIQUE DOMINICAINE"), QStringLiteral("REPUBLIQUE TCHEQUE"),
        QStringLiteral("REUNION"), QStringLiteral("ROUMANIE"), QStringLiteral("ROYAUME-UNI"),
        QStringLiteral("RUSSIE"), QStringLiteral("RWANDA"), QStringLiteral("SENEGAL"),
        QStringLiteral("SAHARA OCCIDENTAL"), QStringLiteral("SAINT-CHRISTOPHE-ET-NIEVES"),
        QStringLiteral("SAINT-MARIN"), QStringLiteral("SAINT-PIERRE-ET-MIQUELON"),
        QStringLiteral("SAINT-SIEGE"), QStringLiteral("SAINT-VINCENT-ET-LES-GRENADINES"),
        QStringLiteral("SAINTE-HELENE"), QStringLiteral("SAINTE-LUCIE"), QStringLiteral("SALVADOR"),
        QStringLiteral("SAMOA"), QStringLiteral("SAMOA AMERICAINES"), QStringLiteral("SAO TOME-ET-PRINCIPE"),
        QStringLiteral("SEYCHELLES"), QStringLiteral("SIERRA LEONE"), QStringLiteral("SINGAPOUR"),
        QStringLiteral("SLOVENIE"), QStringLiteral("SLOVAQUIE"), QStringLiteral("SOMALIE"),
        QStringLiteral("SOUDAN (NORD)"), QStringLiteral("SOUDAN (SUD)"), QStringLiteral("SRILANKA"),
        QStringLiteral("SUEDE"), QStringLiteral("SUISSE"), QStringLiteral("SURINAME"),
        QStringLiteral("SWAZILAND"), QStringLiteral("SYRIE"), QStringLiteral("TAIWAN"),
        QStringLiteral("TADJIKISTAN"), QStringLiteral("TANZANIE"), QStringLiteral("TCHAD"),
        QStringLiteral("TERRES AUSTRALES FRANÇAISES"),
        QStringLiteral("TERRITOIRE BRITANNIQUE DE L'OCÉAN INDIEN"), QStringLiteral("THAILANDE"),
        QStringLiteral("TIMOR ORIENTAL"), QStringLiteral("TOGO"), QStringLiteral("TOKELAOU"),
        QStringLiteral("TONGA"), QStringLiteral("TRINITE-ET-TOBAGO"), QStringLiteral("TUNISIE"),
        QStringLiteral("TURKMENISTAN"), QStringLiteral("TURQUIE"), QStringLiteral("TUVALU"),
        QStringLiteral("UKRAINE"), QStringLiteral("URUGUAY"), QStringLiteral("VANUATU"),
        QStringLiteral("VENEZUELA"), QStringLiteral("VIETNAM"), QStringLiteral("WALLIS-ET-FUTUNA"),
        QStringLiteral("YEMEN"), QStringLiteral("YOUGOSLAVIE"), QStringLiteral("ZAMBIE"),
        QStringLiteral("ZIMBABWE") };
    return entries;
}

QStringList nationalities()
{
    static const QStringList entries = { QStringLiteral("AFGHANE"), QStringLiteral("ALBANAISE"),
        QStringLiteral("ALGERIENNE"), QStringLiteral("ALLEMANDE"), QStringLiteral("AMERICAINE"),
        QStringLiteral("ANDORRANE"), QStringLiteral("ANGOLAISE"), QStringLiteral("ANTIGUAISE ET BARBUDIENNE"),
        QStringLiteral("ARGENTINE"), QStringLiteral("ARMENIENNE"), QStringLiteral("AUSTRALIENNE"),
        QStringLiteral("AUTRICHIENNE"), QStringLiteral("AZERBAIDJANAISE"), QStringLiteral("BAHAMIENNE"),
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
        QStringLiteral("GUYANIENNE"), QStringLiteral("HAITIENNE"), QStringLiteral("HELLENIQUE"),
        QStringLiteral("HONDURIENNE"), QStringLiteral("HONGROISE"), QStringLiteral("INDIENNE"),
        QStringLiteral("INDONESIENNE"), QStringLiteral("IRAKIENNE"), QStringLiteral("IRANIENNE"),
        QStringLiteral("IRLANDAISE"), QStringLiteral("ISLANDAISE"), QStringLiteral("ITALIENNE"),
        QStringLiteral("IVOIRIENNE"), QStringLiteral("JAMAICAINE"), QStringLiteral("JAPONAISE"),
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
        QStringLiteral("RUSSE"), QStringLiteral("RWANDAISE"), QStringLiteral("SAHRAOUI"),
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
        QStringLiteral("TCHEQUE"), QStringLiteral("THAILANDAISE"), QStringLiteral("TOGOLAISE"),
        QStringLiteral("TONGUIENNE"), QStringLiteral("TRINIDADIENNE"), QStringLiteral("TUNISIENNE"),
        QStringLiteral("TURKMENE"), QStringLiteral("TURQUE"), QStringLiteral("TUVALUANE"),
        QStringLiteral("UKRAINIENNE"), QStringLiteral("URUGUAYENNE"), QStringLiteral("VANUATUANE"),
        QStringLiteral("VENEZUELIENNE"), QStringLiteral("VIETNAMIENNE"), QStringLiteral("YEMENITE"),
        QStringLiteral("ZAMBIENNE"), QStringLiteral("ZIMBABWEENNE") };
    return entries;
}

} // namespace WorkerLists
