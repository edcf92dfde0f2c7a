#include "employer/employerform.h"

#include "data/datamodule.h"
#include "widgets/captionlabel.h"
#include "widgets/fieldedit.h"

#include <QVBoxLayout>

namespace {
using Kind = RowForm::Kind;
constexpr Kind Typed = Kind::Typed;
constexpr Kind Pick = Kind::Pick;
constexpr Kind Date = Kind::Date;
constexpr auto Employer = &DataModule::employeur;
constexpr auto Contact = &DataModule::contact;
constexpr TypingRules::Rules Plain = TypingRules::None;
constexpr TypingRules::Rules Caps = TypingRules::Capitals;
constexpr TypingRules::Rules Names = TypingRules::Capitals | TypingRules::NoApostrophe;
constexpr bool Mandatory = true;
constexpr bool Optional = false;

// The sections down the form, then its rows in the order they are made (and tabbed through).
enum Section { Main, PublicWorks, Correspondent };

// clang-format off
const RowForm::Row Rows[] = {
    // Kind, caption, table, field, mandatory, typing rules, pick list, object name, hidden field's
    // object name, section, grid row, column, span, options.
    { Typed, "NOM OU RAISON SOCIALE DE L'ORGANISME EMPLOYEUR", Employer, "Nom_orga", Mandatory, Names,
        nullptr, "DBEdit1", nullptr, Main, 0, 0, 4, 0 },
    { Typed, "PROJET :", Contact, "Projet", Mandatory, Caps, nullptr, nullptr, nullptr, Main, 1, 0, 4, 0 },
    { Typed, "NOM ET PRÉNOM DU RESPONSABLE :", Employer, "Monsieur", Mandatory, Caps,
        nullptr, nullptr, nullptr, Main, 2, 0, 4, 0 },
    { Typed, "EN QUALITÉ (RESPONSABLE) :", Employer, "Agissant", Mandatory, Caps,
        nullptr, nullptr, nullptr, Main, 3, 0, 4, 0 },
    { Typed, "ADRESSE DE L'ORGANISME EMPLOYEUR EN ALGÉRIE :", Employer, "Adrs_orga", Mandatory, Caps,
        nullptr, nullptr, nullptr, Main, 4, 0, 4, 0 },
    { Typed, "ADRESSE DE L'ORGANISME EMPLOYEUR A L'ÉTRANGER :", Employer, "Adrs_etranger", Optional, Caps,
        nullptr, nullptr, nullptr, Main, 5, 0, 4, 0 },
    { Pick, "NATIONALITÉ DE L'ORGANISME EMPLOYEUR :", Employer, "Nation_orga", Mandatory, Plain,
        "employer/nationalities", "ComboBox14", nullptr, Main, 6, 0, 1, 0 },
    { Typed, "TRAVAILLEURS ÉTRANGERS :", Employer, "Nb_et", Mandatory, Plain,
        nullptr, "DBEdit12", nullptr, Main, 6, 1, 1, RowForm::WholeNumber },
    { Typed, "TRAVAILLEURS ALGÉRIENS :", Employer, "Nb_al", Mandatory, Plain,
        nullptr, "DBEdit13", nullptr, Main, 6, 2, 1, RowForm::WholeNumber },
    { Typed, "TOTAL :", Employer, "Nb_t", Optional, Plain,
        nullptr, nullptr, nullptr, Main, 6, 3, 1, RowForm::KeepDisabled },
    { Typed, "LIEU DE L'EMPLOI (ADRESSE DU PROJET) :", Employer, "Lieu_emploi_orga", Mandatory, Caps,
        nullptr, nullptr, nullptr, Main, 7, 0, 4, 0 },
    { Pick, "BRANCHE D'ACTIVITÉ :", Employer, "Nom_raison_sc_orga", Mandatory, Caps,
        "employer/branches", "ComboBox1", nullptr, Main, 8, 0, 1, 0 },
    { Pick, "STATUT JURIDIQUE :", Employer, "Statut_juridique", Mandatory, Caps,
        "employer/legal-statuses", "ComboBox15", nullptr, Main, 8, 1, 1, RowForm::ClickFocus },
    { Pick, "SECTEUR JURIDIQUE", Contact, "secteur_juridique", Mandatory, Caps,
        "employer/legal-sectors", "ComboBox16", nullptr, Main, 8, 2, 1, 0 },
    { Pick, "DROIT APPLICABLE :", Contact, "droit_applicable", Mandatory, Caps,
        "employer/applicable-laws", "ComboBox17", nullptr, Main, 8, 3, 1, 0 },
    { Date, "DATE D'INSTALLATION :", Contact, "date_installation", Mandatory, Plain,
        nullptr, "DateTimePicker13", nullptr, Main, 9, 0, 1, 0 },
    { Pick, "NATURE D'ACTIVITÉ :", Contact, "activite_principal", Mandatory, Caps,
        "employer/activities", "ComboBox18", nullptr, Main, 9, 1, 3, 0 },
    { Typed, "N° DU REGISTRE DE COMMERCE :", Contact, "Num_registre", Mandatory, Caps,
        nullptr, nullptr, nullptr, Main, 10, 0, 2, 0 },
    { Date, "DÉLIVRÉ LE :", Contact, "date_registre", Mandatory, Plain,
        nullptr, "DateTimePicker14", nullptr, Main, 10, 2, 1, 0 },
    { Typed, "N° D'IMMATRICULATION A LA SÉCURITÉ SOCIALE (CNAS) :", Contact, "Num_SS", Mandatory, Caps,
        nullptr, nullptr, nullptr, Main, 11, 0, 2, 0 },
    { Typed, "N° D'IMMATRICULATION FISCALE :", Contact, "Num_fiscal", Mandatory, Caps,
        nullptr, nullptr, nullptr, Main, 11, 2, 2, 0 },
    { Typed, "TÉL :", Contact, "Tel", Mandatory, Plain, nullptr, nullptr, nullptr, Main, 12, 0, 1, 0 },
    { Typed, "FAX :", Contact, "Fax", Optional, Plain, nullptr, nullptr, nullptr, Main, 12, 1, 1, 0 },
    { Typed, "EMAIL :", Contact, "email", Optional, Plain, nullptr, nullptr, nullptr, Main, 12, 2, 2, 0 },

    { Typed, "NUMÉRO DU MARCHÉ :", Employer, "Marche_contrat_num", Optional, Plain,
        nullptr, nullptr, nullptr, PublicWorks, 0, 0, 1, RowForm::WholeNumber },
    { Pick, "DURÉE DES TRAVAUX :", Contact, "duree_travaux", Optional, Plain,
        "employer/works-durations", "ComboBox19", nullptr, PublicWorks, 0, 1, 1, RowForm::WholeNumber },
    { Date, "DATE DEBUT DES TRAVAUX :", Employer, "Date_marche", Optional, Plain,
        nullptr, "DateTimePicker1", nullptr, PublicWorks, 0, 2, 1, 0 },
    { Date, "DATE FIN DES TRAVAUX :", Employer, "Date_marche_fin", Optional, Plain,
        nullptr, "DateTimePicker2", nullptr, PublicWorks, 0, 3, 1, 0 },
    { Pick, "DEGRÉ D'AVANCEMENT DES TRAVAUX (%)", Contact, "degre", Optional, Plain,
        "employer/works-progress", "ComboBox3", nullptr, PublicWorks, 0, 4, 1, RowForm::WholeNumber },
    { Typed, "MAÏTRE D'OUVRAGE :", Contact, "Maitre_ouvrage", Optional, Caps,
        nullptr, nullptr, nullptr, PublicWorks, 1, 0, 5, 0 },
    { Typed, "ADRESSE DE MAÏTRE D'OUVRAGE :", Contact, "adresse_maitre", Optional, Caps,
        nullptr, nullptr, nullptr, PublicWorks, 2, 0, 5, 0 },

    { Typed, "NOM :", Contact, "Nom_c", Mandatory, Caps, nullptr, nullptr, nullptr, Correspondent, 0, 0, 1, 0 },
    { Typed, "PRÉNOM :", Contact, "Prenom_c", Mandatory, Caps,
        nullptr, nullptr, nullptr, Correspondent, 0, 1, 1, 0 },
    { Date, "DATE DE NAISSANCE :", Contact, "date_nais_c", Mandatory, Plain,
        nullptr, "DateTimePicker15", nullptr, Correspondent, 1, 0, 1, 0 },
    { Typed, "LIEU DE NAISSANCE :", Contact, "Lieu_nais_c", Mandatory, Caps,
        nullptr, nullptr, nullptr, Correspondent, 1, 1, 1, 0 },
    { Typed, "POSTE OCCUPÉ AU SEIN DE L'ORGANISME EMPLOYEUR :", Contact, "Poste", Mandatory, Caps,
        nullptr, nullptr, nullptr, Correspondent, 2, 0, 2, 0 },
};
// clang-format on
} // namespace

EmployerForm::EmployerForm(DataModule *data, QWidget *parent)
    : RowForm(data, parent)
{
    setObjectName(QStringLiteral("ScrollBox1"));
    addSections({ nullptr, "PARTIE RESERVEE AUX ENTREPRISES DE REALISATION DES MARCHEES PUBLICS :",
        "INFORMATION RELATIVE AU CORRESPONDANT DE L’ENTREPRISE AUPRES DES SERVICES DE LA DIRECTION DE "
        "L'EMPLOI :" });
    build(Rows);
    column()->addStretch();

    m_name = typedField(QStringLiteral("Nom_orga"));
    m_foreign = typedField(QStringLiteral("Nb_et"));
    m_algerian = typedField(QStringLiteral("Nb_al"));
    m_total = typedField(QStringLiteral("Nb_t"));
    emphasiseName();

    // The mandatory fields in check order; the last empty one that takes the focus keeps it.
    addMandatory(
        { "Tel", "Projet", "Nom_c", "Prenom_c", "date_nais_c", "Lieu_nais_c", "Poste", "Nom_orga", "Monsieur",
            "Agissant", "Adrs_orga", "Nation_orga", "Lieu_emploi_orga", "Nom_raison_sc_orga",
            "Statut_juridique", "secteur_juridique", "droit_applicable", "date_installation",
            "activite_principal", "Num_registre", "date_registre", "Num_SS", "Num_fiscal", "Nb_et", "Nb_al" },
        { "Lieu_emploi_orga", "Nb_et", "Nb_al" });

    connect(m_foreign, &QLineEdit::textChanged, this, &EmployerForm::computeTotal);
    connect(m_algerian, &QLineEdit::textChanged, this, &EmployerForm::computeTotal);
    setEntryEnabled(false);
}

void EmployerForm::emphasiseName()
{
    caption(QStringLiteral("Nom_orga"))
        ->setText(QStringLiteral("NOM&nbsp;OU&nbsp;RAISON&nbsp;SOCIALE&nbsp;DE&nbsp;L'ORGANISME&nbsp;"
                                 "EMPLOYEUR<span style=\"color:#ff0000; font-weight:bold\">&nbsp;ET&nbsp;LE"
                                 "&nbsp;NOM&nbsp;DU&nbsp;PROJET&nbsp;*&nbsp;:</span>"));
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    m_name->setToolTip(QStringLiteral("Entrez le nom de votre organisme employeur "));
}

// A count being typed that is no whole number leaves the total blank, without a message: the
// count itself is refused when the user leaves it, and at the save.
void EmployerForm::computeTotal()
{
    const QString foreign = m_foreign->text();
    const QString algerian = m_algerian->text();
    QString total;
    if (!NumberCheck::problem(foreign, {}).isEmpty() || !NumberCheck::problem(algerian, {}).isEmpty()) {
        total.clear();
    } else if (!foreign.isEmpty() && !algerian.isEmpty()) {
        total = QString::number(foreign.toLongLong() + algerian.toLongLong());
    } else if (!foreign.isEmpty()) {
        total = foreign;
    } else if (!algerian.isEmpty()) {
        total = algerian;
    } else {
        total = QStringLiteral("0");
    }
    m_total->setText(total);
}
