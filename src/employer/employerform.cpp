#include "employer/employerform.h"

#include "widgets/captionlabel.h"
#include "data/datamodule.h"
#include "widgets/datepicker.h"
#include "widgets/fieldedit.h"
#include "widgets/picklist.h"
#include "data/table.h"
#include "employer/employerlists.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {
constexpr int Caps = TypingRules::Capitals;
} // namespace

EmployerForm::EmployerForm(DataModule *data, QWidget *parent)
    : EntryForm(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("ScrollBox1"));
    auto *main = new QGridLayout;
    main->setHorizontalSpacing(10);
    main->setVerticalSpacing(4);
    column()->addLayout(main);
    int row = 0;

    // Row 1: the key, naming both the organisation and the project.
    Built name = typed(QStringLiteral("NOM OU RAISON SOCIALE DE L'ORGANISME EMPLOYEUR"),
        QStringLiteral("Nom_orga"), false, true, Caps | TypingRules::NoApostrophe);
    name.caption->setText(
        QStringLiteral("NOM&nbsp;OU&nbsp;RAISON&nbsp;SOCIALE&nbsp;DE&nbsp;L'ORGANISME&nbsp;"
                       "EMPLOYEUR<span style=\"color:#ff0000; font-weight:bold\">&nbsp;ET&nbsp;LE"
                       "&nbsp;NOM&nbsp;DU&nbsp;PROJET&nbsp;*&nbsp;:</span>"));
    m_name = name.typed;
    m_name->setObjectName(QStringLiteral("DBEdit1"));
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    m_name->setToolTip(QStringLiteral("Entrez le nom de votre organisme employeur "));
    place(main, row++, 0, name, 4);
    place(main, row++, 0, typed(QStringLiteral("PROJET :"), QStringLiteral("Projet"), true, true, Caps), 4);
    place(main, row++, 0,
        typed(
            QStringLiteral("NOM ET PRÉNOM DU RESPONSABLE :"), QStringLiteral("Monsieur"), false, true, Caps),
        4);
    place(main, row++, 0,
        typed(QStringLiteral("EN QUALITÉ (RESPONSABLE) :"), QStringLiteral("Agissant"), false, true, Caps),
        4);
    place(main, row++, 0,
        typed(QStringLiteral("ADRESSE DE L'ORGANISME EMPLOYEUR EN ALGÉRIE :"), QStringLiteral("Adrs_orga"),
            false, true, Caps),
        4);
    place(main, row++, 0,
        typed(QStringLiteral("ADRESSE DE L'ORGANISME EMPLOYEUR A L'ÉTRANGER :"),
            QStringLiteral("Adrs_etranger"), false, false, Caps),
        4);

    // Row 7: nationality and the head counts with their total.
    place(main, row, 0,
        pick(QStringLiteral("NATIONALITÉ DE L'ORGANISME EMPLOYEUR :"), QStringLiteral("Nation_orga"), false,
            true, EmployerLists::nationalities(), TypingRules::None, "ComboBox14"));
    Built foreign
        = typed(QStringLiteral("TRAVAILLEURS ÉTRANGERS :"), QStringLiteral("Nb_et"), false, true, 0);
    Built algerian
        = typed(QStringLiteral("TRAVAILLEURS ALGÉRIENS :"), QStringLiteral("Nb_al"), false, true, 0);
    Built total = typed(QStringLiteral("TOTAL :"), QStringLiteral("Nb_t"), false, false, 0);
    m_foreign = foreign.typed;
    m_algerian = algerian.typed;
    m_total = total.typed;
    m_foreign->setObjectName(QStringLiteral("DBEdit12"));
    m_algerian->setObjectName(QStringLiteral("DBEdit13"));
    keepDisabled(m_total);
    place(main, row, 1, foreign);
    place(main, row, 2, algerian);
    place(main, row++, 3, total);
    place(main, row++, 0,
        typed(QStringLiteral("LIEU DE L'EMPLOI (ADRESSE DU PROJET) :"), QStringLiteral("Lieu_emploi_orga"),
            false, true, Caps),
        4);

    // Row 9: the four legal pick lists.
    Built branch = pick(QStringLiteral("BRANCHE D'ACTIVITÉ :"), QStringLiteral("Nom_raison_sc_orga"), false,
        true, EmployerLists::branches(), Caps, "ComboBox1");
    place(main, row, 0, branch);
    Built status = pick(QStringLiteral("STATUT JURIDIQUE :"), QStringLiteral("Statut_juridique"), false, true,
        EmployerLists::legalStatuses(), Caps, "ComboBox15");
    status.input->setFocusPolicy(Qt::ClickFocus);
    place(main, row, 1, status);
    place(main, row, 2,
        pick(QStringLiteral("SECTEUR JURIDIQUE"), QStringLiteral("secteur_juridique"), true, true,
            EmployerLists::legalSectors(), Caps, "ComboBox16"));
    place(main, row++, 3,
        pick(QStringLiteral("DROIT APPLICABLE :"), QStringLiteral("droit_applicable"), true, true,
            EmployerLists::applicableLaws(), Caps, "ComboBox17"));

    place(main, row, 0,
        date(QStringLiteral("DATE D'INSTALLATION :"), QStringLiteral("date_installation"), true, true,
            "DateTimePicker13"));
    place(main, row++, 1,
        pick(QStringLiteral("NATURE D'ACTIVITÉ :"), QStringLiteral("activite_principal"), true, true,
            EmployerLists::activities(), Caps, "ComboBox18"),
        3);
    place(main, row, 0,
        typed(
            QStringLiteral("N° DU REGISTRE DE COMMERCE :"), QStringLiteral("Num_registre"), true, true, Caps),
        2);
    place(main, row++, 2,
        date(
            QStringLiteral("DÉLIVRÉ LE :"), QStringLiteral("date_registre"), true, true, "DateTimePicker14"));
    place(main, row, 0,
        typed(QStringLiteral("N° D'IMMATRICULATION A LA SÉCURITÉ SOCIALE (CNAS) :"), QStringLiteral("Num_SS"),
            true, true, Caps),
        2);
    place(main, row++, 2,
        typed(
            QStringLiteral("N° D'IMMATRICULATION FISCALE :"), QStringLiteral("Num_fiscal"), true, true, Caps),
        2);
    place(main, row, 0, typed(QStringLiteral("TÉL :"), QStringLiteral("Tel"), true, true, 0));
    place(main, row, 1, typed(QStringLiteral("FAX :"), QStringLiteral("Fax"), true, false, 0));
    place(main, row++, 2, typed(QStringLiteral("EMAIL :"), QStringLiteral("email"), true, false, 0), 2);

    // Public works.
    auto *works = new QGroupBox(
        QStringLiteral("PARTIE RESERVEE AUX ENTREPRISES DE REALISATION DES MARCHEES PUBLICS :"));
    auto *worksGrid = new QGridLayout(works);
    place(worksGrid, 0, 0,
        typed(QStringLiteral("NUMÉRO DU MARCHÉ :"), QStringLiteral("Marche_contrat_num"), false, false, 0));
    place(worksGrid, 0, 1,
        pick(QStringLiteral("DURÉE DES TRAVAUX :"), QStringLiteral("duree_travaux"), true, false,
            EmployerLists::worksDurations(), TypingRules::None, "ComboBox19"));
    place(worksGrid, 0, 2,
        date(QStringLiteral("DATE DEBUT DES TRAVAUX :"), QStringLiteral("Date_marche"), false, false,
            "DateTimePicker1"));
    place(worksGrid, 0, 3,
        date(QStringLiteral("DATE FIN DES TRAVAUX :"), QStringLiteral("Date_marche_fin"), false, false,
            "DateTimePicker2"));
    place(worksGrid, 0, 4,
        pick(QStringLiteral("DEGRÉ D'AVANCEMENT DES TRAVAUX (%)"), QStringLiteral("degre"), true, false,
            EmployerLists::worksProgress(), TypingRules::None, "ComboBox3"));
    place(worksGrid, 1, 0,
        typed(QStringLiteral("MAÏTRE D'OUVRAGE :"), QStringLiteral("Maitre_ouvrage"), true, false, Caps), 5);
    place(worksGrid, 2, 0,
        typed(QStringLiteral("ADRESSE DE MAÏTRE D'OUVRAGE :"), QStringLiteral("adresse_maitre"), true, false,
            Caps),
        5);
    column()->addWidget(works);

    // The employer's correspondent with the employment services.
    auto *correspondent
        = new QGroupBox(QStringLiteral("INFORMATION RELATIVE AU CORRESPONDANT DE L’ENTREPRISE AUPRES "
                                       "DES SERVICES DE LA DIRECTION DE L'EMPLOI :"));
    auto *correspondentGrid = new QGridLayout(correspondent);
    place(correspondentGrid, 0, 0, typed(QStringLiteral("NOM :"), QStringLiteral("Nom_c"), true, true, Caps));
    place(correspondentGrid, 0, 1,
        typed(QStringLiteral("PRÉNOM :"), QStringLiteral("Prenom_c"), true, true, Caps));
    place(correspondentGrid, 1, 0,
        date(QStringLiteral("DATE DE NAISSANCE :"), QStringLiteral("date_nais_c"), true, true,
            "DateTimePicker15"));
    place(correspondentGrid, 1, 1,
        typed(QStringLiteral("LIEU DE NAISSANCE :"), QStringLiteral("Lieu_nais_c"), true, true, Caps));
    place(correspondentGrid, 2, 0,
        typed(QStringLiteral("POSTE OCCUPÉ AU SEIN DE L'ORGANISME EMPLOYEUR :"), QStringLiteral("Poste"),
            true, true, Caps),
        2);
    column()->addWidget(correspondent);
    column()->addStretch();

    // The mandatory fields in check order; the last empty one that takes the focus keeps it.
    addMandatory(
        { "Tel", "Projet", "Nom_c", "Prenom_c", "date_nais_c", "Lieu_nais_c", "Poste", "Nom_orga", "Monsieur",
            "Agissant", "Adrs_orga", "Nation_orga", "Lieu_emploi_orga", "Nom_raison_sc_orga",
            "Statut_juridique", "secteur_juridique", "droit_applicable", "date_installation",
            "activite_principal", "Num_registre", "date_registre", "Num_SS", "Num_fiscal", "Nb_et", "Nb_al" },
        { "Lieu_emploi_orga", "Nb_et", "Nb_al" });

    addNumberCheck(m_foreign, QStringLiteral("TRAVAILLEURS ÉTRANGERS"));
    addNumberCheck(m_algerian, QStringLiteral("TRAVAILLEURS ALGÉRIENS"));
    addNumberCheck(typedField(QStringLiteral("Marche_contrat_num")), QStringLiteral("NUMÉRO DU MARCHÉ"));
    addNumberCheck(pickList(QStringLiteral("duree_travaux")), QStringLiteral("DURÉE DES TRAVAUX"));
    addNumberCheck(pickList(QStringLiteral("degre")), QStringLiteral("DEGRÉ D'AVANCEMENT DES TRAVAUX (%)"));

    connect(m_foreign, &QLineEdit::textChanged, this, &EmployerForm::computeTotal);
    connect(m_algerian, &QLineEdit::textChanged, this, &EmployerForm::computeTotal);
    setEntryEnabled(false);
}

Table *EmployerForm::tableFor(bool contact) const
{
    return contact ? m_data->contact() : m_data->employeur();
}

EmployerForm::Built EmployerForm::typed(
    const QString &caption, const QString &field, bool contact, bool mandatory, int rules)
{
    return EntryForm::typed(tableFor(contact), caption, field, mandatory, TypingRules::Rules(rules));
}

EmployerForm::Built EmployerForm::pick(const QString &caption, const QString &field, bool contact,
    bool mandatory, const QStringList &entries, int rules, const char *name)
{
    return EntryForm::pick(
        tableFor(contact), caption, field, mandatory, entries, TypingRules::Rules(rules), name);
}

EmployerForm::Built EmployerForm::date(
    const QString &caption, const QString &field, bool contact, bool mandatory, const char *name)
{
    return EntryForm::date(tableFor(contact), caption, field, mandatory, name);
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
