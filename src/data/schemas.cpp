#include "data/schemas.h"

#include <QHash>
#include <QRegularExpression>

int TableSchema::indexOf(const QString &name) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const FieldDef *TableSchema::field(const QString &name) const
{
    const int i = indexOf(name);
    return i < 0 ? nullptr : &fields.at(i);
}

namespace {

FieldDef text(const char *name, int size, bool required = false)
{
    return { QString::fromUtf8(name), FieldType::Text, size, required };
}

FieldDef integer(const char *name, bool required = false)
{
    return { QString::fromUtf8(name), FieldType::Integer, 0, required };
}

FieldDef date(const char *name)
{
    return { QString::fromUtf8(name), FieldType::Date, 0, false };
}

} // namespace

namespace Schemas {

const TableSchema &contact()
{
    static const TableSchema schema { QStringLiteral("contact"),
        { text("nom_orga", 100, true), text("Projet", 100), text("Tel", 15), text("Fax", 15),
            text("email", 100), text("Nom_c", 100), text("Prenom_c", 100), date("date_nais_c"),
            text("Lieu_nais_c", 100), text("Poste", 100), text("secteur_juridique", 100),
            text("droit_applicable", 100), date("date_installation"), text("activite_principal", 100),
            text("Num_registre", 100), date("date_registre"), text("Num_SS", 50), text("Num_fiscal", 50),
            text("Maitre_ouvrage", 100), text("adresse_maitre", 100), integer("degre"),
            integer("duree_travaux") },
        QStringLiteral("nom_orga"), {} };
    return schema;
}

const TableSchema &accord()
{
    static const TableSchema schema { QStringLiteral("Accord"),
        { integer("Num", true), text("nom_orga", 100), text("Projet", 100), text("poste", 100),
            text("Diplome", 100), integer("experience"), text("autre_condition", 100), integer("Algériens"),
            integer("étrangers") },
        QStringLiteral("Num"), { { QStringLiteral("nom_orga") }, { QStringLiteral("Projet") } } };
    return schema;
}

const TableSchema &employeur()
{
    static const TableSchema schema { QStringLiteral("Employeur"),
        { text("Nom_orga", 100, true), integer("Num_ordre"), integer("Num_prorogation_e"), text("Projet", 50),
            text("Profil", 150), text("Monsieur", 50), text("Adrs_orga", 100), text("Nation_orga", 50),
            text("Lieu_emploi_orga", 50), text("Nom_raison_sc_orga", 50), text("Statut_juridique", 50),
            integer("Marche_contrat_num"), date("Date_marche"), text("Agissant", 30), text("Accord", 30),
            integer("Nb_et"), integer("Nb_al"), text("Motif_accord", 60), integer("Num_accord"),
            date("Date_marche_fin"), text("Adrs_etranger", 100), integer("Nb_t") },
        QStringLiteral("Nom_orga"), {} };
    return schema;
}

const TableSchema &expatries()
{
    static const TableSchema schema { QStringLiteral("Expatries"),
        { integer("Num_Ordre", true), integer("Num_prorogation_B"), integer("Num_Conjoint"),
            text("Nom_orga", 100), text("Projet", 150), text("Nom", 50), text("Prenom", 50),
            text("Carte_resid_num", 15), text("Carte_resid_du", 15), text("Carte_resid_au", 15),
            text("Carte_resid_delivre", 15), date("Date_nais"), date("Date_entrer_alg"), text("Sex", 15),
            text("Nom_jeune_fille", 50), text("Nation", 50), text("Situation_familiale", 15),
            text("Adrs_alg", 50), text("Diplome", 50), text("Poste_occupe", 100), text("Lieu_emploi", 50),
            text("Brut", 10), text("Net", 10), text("I_avantage", 100), text("Demeurant", 50),
            text("Refugie_politique", 3), text("Apatride", 3), text("Passeport_num", 15),
            date("Passeport_delivre"), text("Passeport_par", 50), date("Passeport_date_debut"),
            date("Passeport_date_fin"), text("Lieu_nais", 50), text("Sejour", 50),
            text("Emploi_precedent", 100), text("Qualification", 100), text("Avis_wilaya", 50),
            text("Decision_wilaya", 100), integer("Etat_i"), integer("Etat_V"), integer("Etat_R"),
            text("Emploi_objet", 100), integer("Duree"), date("Date_enregistrement"), text("Pm_delivre", 15),
            text("Rejet_avis", 100), text("Rejet_decision", 100), text("Adresse_etranger", 100),
            text("Ss_alg", 50), text("Ss_etranger", 50), text("Nom_pere", 100), text("Nom_mere", 100),
            integer("Exper"), text("Traiteur", 100), date("Date_traitement"), text("Heure_traitement", 10),
            text("Type_demande", 100), integer("Num_pt_att"), date("Date_pt_att"), date("Date_du_pt_att"),
            date("Date_au_pt_att"), date("Date_debut_contrat"), date("Date_fin_contrat"),
            integer("Num_apt_etabli"), date("Date_apt_etabli"), integer("Num_pt_etabli"),
            date("Date_pt_etabli"), text("Age_jour", 10), text("Etat_traitement", 5), text("Pays", 50),
            text("Nature_activite", 100), text("Tel", 15), text("Fax", 15), text("Email", 100),
            integer("ArchiveBDD"), text("Motif_restitution", 250), date("Date_restitution") },
        QStringLiteral("Num_Ordre"),
        // The employer's workers by project and post (the head counts read the index alone), and the
        // dates that fall due.
        { { QStringLiteral("Nom_orga"), QStringLiteral("Projet"), QStringLiteral("Poste_occupe") },
            { QStringLiteral("Passeport_date_fin") }, { QStringLiteral("Date_fin_contrat") } } };
    return schema;
}

QList<const TableSchema *> all()
{
    return { &employeur(), &contact(), &accord(), &expatries() };
}

FieldType typeOfColumn(const QString &column)
{
    static const QHash<QString, FieldType> types = [] {
        QHash<QString, FieldType> t;
        for (const TableSchema *schema : all()) {
            for (const FieldDef &f : schema->fields)
                t.insert(f.name.toLower(), f.type);
        }
        return t;
    }();
    auto it = types.constFind(column.toLower());
    if (it != types.constEnd())
        return *it;
    static const QRegularExpression suffix(QStringLiteral("_\\d+$"));
    QString base = column;
    base.remove(suffix);
    return types.value(base.toLower(), FieldType::Text);
}

} // namespace Schemas
