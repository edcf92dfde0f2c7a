#include "workers/workerform.h"

#include "data/datamodule.h"
#include "data/fieldvalue.h"
#include "data/table.h"
#include "widgets/captionlabel.h"
#include "widgets/datepicker.h"
#include "widgets/fieldedit.h"
#include "widgets/picklist.h"
#include "widgets/projectlist.h"
#include "workers/contractdates.h"

#include <QVBoxLayout>

namespace {
using Kind = RowForm::Kind;
constexpr Kind Typed = Kind::Typed;
constexpr Kind Pick = Kind::Pick;
constexpr Kind Date = Kind::Date;
constexpr Kind Own = Kind::Own;
constexpr auto Workers = &DataModule::expatries;
constexpr TypingRules::Rules Plain = TypingRules::None;
constexpr TypingRules::Rules Caps = TypingRules::Capitals;
constexpr TypingRules::Rules Names = TypingRules::Capitals | TypingRules::NoApostrophe;
constexpr bool Mandatory = true;
constexpr bool Optional = false;
// The pick lists write their text without the blanks at both ends.
constexpr int Trim = RowForm::Trimmed;

// The form's rows in the order they are made (and tabbed through), all in one grid.
// clang-format off
const RowForm::Row Rows[] = {
    // Kind, caption, table, field, mandatory, typing rules, pick list, object name, hidden field's
    // object name, section, grid row, column, span, options.
    { Typed, "NUMÉRO :", Workers, "Num_Ordre", Optional, Plain,
        nullptr, "DBEdit14", nullptr, 0, 0, 0, 1, RowForm::KeepDisabled },
    { Pick, "TYPE DE DEMANDE :", Workers, "Type_demande", Mandatory, Caps,
        "workers/request-types", "ComboBox4", nullptr, 0, 0, 1, 3, Trim | RowForm::ClickFocus },
    { Typed, "NOM :", Workers, "Nom", Mandatory, Names, nullptr, nullptr, nullptr, 0, 1, 0, 4, 0 },
    { Typed, "PRÉNOM :", Workers, "Prenom", Mandatory, Names, nullptr, nullptr, nullptr, 0, 2, 0, 4, 0 },
    { Date, "DATE DE NAISSANCE :", Workers, "Date_nais", Mandatory, Plain,
        nullptr, "DateTimePicker3", nullptr, 0, 3, 0, 1, 0 },
    { Typed, "LIEU DE NAISSANCE :", Workers, "Lieu_nais", Mandatory, Caps,
        nullptr, nullptr, nullptr, 0, 3, 1, 3, 0 },
    { Pick, "GENRE :", Workers, "Sex", Mandatory, Caps, "workers/sexes", "ComboBox5", nullptr, 0, 4, 0, 1, Trim },
    { Pick, "SITUATION FAMILIALE :", Workers, "Situation_familiale", Mandatory, Caps,
        "workers/marital-statuses", "ComboBox6", nullptr, 0, 4, 1, 1, Trim },
    { Typed, "NOM JEUNE FILLE :", Workers, "Nom_jeune_fille", Optional, Names,
        nullptr, nullptr, nullptr, 0, 4, 2, 2, 0 },
    { Pick, "PAYS :", Workers, "Pays", Mandatory, Caps, "workers/countries", "ComboBox7", nullptr, 0, 5, 0, 2, Trim },
    { Pick, "NATIONALITÉ :", Workers, "Nation", Mandatory, Caps,
        "workers/nationalities", "ComboBox8", nullptr, 0, 5, 2, 2, Trim },
    { Pick, "APATRIDE :", Workers, "Apatride", Mandatory, Caps, "workers/yes-no", "ComboBox9", nullptr, 0, 6, 0, 1, Trim },
    { Pick, "RÉFUGIE POLITIQUE :", Workers, "Refugie_politique", Mandatory, Caps,
        "workers/yes-no", "ComboBox10", nullptr, 0, 6, 1, 1, Trim },
    { Typed, "N° DE LA SÉCURITÉ SOCIALE EN ALGÉRIE :", Workers, "Ss_alg", Optional, Caps,
        nullptr, nullptr, nullptr, 0, 6, 2, 1, 0 },
    { Typed, "N° DE LA SÉCURITÉ SOCIALE A L'ÉTRANGER :", Workers, "Ss_etranger", Optional, Caps,
        nullptr, nullptr, nullptr, 0, 6, 3, 1, 0 },
    { Typed, "NOM DU PERE :", Workers, "Nom_pere", Mandatory, Names, nullptr, nullptr, nullptr, 0, 7, 0, 2, 0 },
    { Typed, "NOM DE LA MERE :", Workers, "Nom_mere", Mandatory, Names, nullptr, nullptr, nullptr, 0, 7, 2, 2, 0 },
    { Typed, "DIPLÔME :", Workers, "Diplome", Mandatory, Caps, nullptr, nullptr, nullptr, 0, 8, 0, 4, 0 },
    { Pick, "QUALIFICATION :", Workers, "Qualification", Mandatory, Plain,
        "workers/qualifications", "ComboBox11", nullptr, 0, 9, 0, 2, Trim },
    { Pick, "EXPERIENCE :", Workers, "Exper", Mandatory, Plain,
        "workers/experiences", "ComboBox12", nullptr, 0, 9, 2, 1, Trim | RowForm::WholeNumber },
    { Own, "PROJET :", nullptr, nullptr, Optional, Plain, nullptr, "DBLookupComboBox1", nullptr, 0, 10, 0, 4, 0 },
    { Typed, "POSTE A OCCUPER :", Workers, "Poste_occupe", Mandatory, Names,
        nullptr, nullptr, nullptr, 0, 11, 0, 4, 0 },
    { Pick, "DURÉE DE RECRUTEMENT :", Workers, "Duree", Mandatory, Plain,
        "workers/durations", "ComboBox13", nullptr, 0, 12, 0, 1, Trim | RowForm::WholeNumber },
    { Date, "DU ( PRÉVISIONNELLE) :", Workers, "Date_debut_contrat", Mandatory, Plain,
        nullptr, "DateTimePicker4", nullptr, 0, 12, 1, 1, 0 },
    { Date, "DATE FIN DU CONTRAT :", Workers, "Date_fin_contrat", Optional, Plain,
        nullptr, "DateTimePicker5", nullptr, 0, 12, 2, 1, RowForm::KeepDisabled },
    { Typed, "SALAIRE BRUT (DA):", Workers, "Brut", Mandatory, Caps,
        nullptr, nullptr, nullptr, 0, 13, 0, 1, RowForm::Amount },
    { Typed, "SALAIRE NET (DA):", Workers, "Net", Mandatory, Caps,
        nullptr, nullptr, nullptr, 0, 13, 1, 1, RowForm::Amount },
    { Typed, "AUTRE AVANTAGES :", Workers, "I_avantage", Optional, Caps,
        nullptr, nullptr, nullptr, 0, 14, 0, 4, 0 },
    { Pick, "SÉJOUR :", Workers, "Sejour", Mandatory, Plain, "workers/yes-no", "ComboBox14", nullptr, 0, 15, 0, 1, Trim },
    { Typed, "CARTE RÉSIDENCE N° :", Workers, "Carte_resid_num", Optional, Caps,
        nullptr, nullptr, nullptr, 0, 15, 1, 3, 0 },
    { Date, "DÉLIVRÉ LE :", Workers, "Carte_resid_delivre", Optional, Plain,
        nullptr, "DateTimePicker6", nullptr, 0, 16, 1, 1, 0 },
    { Date, "DU :", Workers, "Carte_resid_du", Optional, Plain, nullptr, "DateTimePicker7", nullptr, 0, 16, 2, 1, 0 },
    { Date, "AU :", Workers, "Carte_resid_au", Optional, Plain, nullptr, "DateTimePicker8", nullptr, 0, 16, 3, 1, 0 },
    { Date, "DATE D'ENTRÉE EN ALGÉRIE :", Workers, "Date_entrer_alg", Optional, Plain,
        nullptr, "DateTimePicker9", nullptr, 0, 17, 0, 1, 0 },
    { Typed, "ADRESSE EN ALGÉRIE :", Workers, "Adrs_alg", Mandatory, Caps,
        nullptr, nullptr, nullptr, 0, 17, 1, 3, 0 },
    { Typed, "PASSEPORT N° :", Workers, "Passeport_num", Mandatory, Caps,
        nullptr, nullptr, nullptr, 0, 18, 0, 1, 0 },
    { Date, "PASSEPORT DÉLIVRÉ LE :", Workers, "Passeport_delivre", Mandatory, Plain,
        nullptr, "DateTimePicker10", "DBEdit51", 0, 18, 1, 1, 0 },
    { Date, "DATE DÉBUT DU PASSEPORT :", Workers, "Passeport_date_debut", Mandatory, Plain,
        nullptr, "DateTimePicker11", nullptr, 0, 18, 2, 1, 0 },
    { Date, "DATE FIN DU PASSEPORT :", Workers, "Passeport_date_fin", Mandatory, Plain,
        nullptr, "DateTimePicker12", nullptr, 0, 18, 3, 1, 0 },
    { Typed, "PASSEPORT DÉLIVRÉ PAR :", Workers, "Passeport_par", Mandatory, Caps,
        nullptr, nullptr, nullptr, 0, 19, 0, 4, 0 },
    { Typed, "EMPLOI PRÉCÉDEMMENT OCCUPÉ :", Workers, "Emploi_precedent", Optional, Caps,
        nullptr, nullptr, nullptr, 0, 20, 0, 4, 0 },
    { Typed, "ADRESSE A L'ÉTRANGER :", Workers, "Adresse_etranger", Mandatory, Caps,
        nullptr, nullptr, nullptr, 0, 21, 0, 4, 0 },
    { Typed, "OBJET DE L'EMPLOI :", Workers, "Emploi_objet", Optional, Caps,
        nullptr, nullptr, nullptr, 0, 22, 0, 4, 0 },
};
// clang-format on
} // namespace

WorkerForm::WorkerForm(DataModule *data, QWidget *parent)
    : RowForm(data, parent)
{
    setObjectName(QStringLiteral("ScrollBox2"));
    addSections({ nullptr });
    build(Rows);
    column()->addStretch();
    m_number = typedField(QStringLiteral("Num_Ordre"));
    m_maidenWidgets = widgetsOf({ "Nom_jeune_fille" });
    m_cardWidgets
        = widgetsOf({ "Carte_resid_num", "Carte_resid_delivre", "Carte_resid_du", "Carte_resid_au" });
    addMandatoryFields();
    connectRules();
    showMaidenName(false);
    showCardGroup(false);
    setEntryEnabled(false, true);
}

RowForm::Built WorkerForm::ownInput(const Row &row)
{
    m_projects = new ProjectList(data()->contact());
    m_projects->setObjectName(QString::fromLatin1(row.name));
    auto *caption = new CaptionLabel(QString::fromUtf8(row.caption), row.mandatory);
    caption->captionFor(m_projects);
    return { caption, m_projects, nullptr };
}

QList<QWidget *> WorkerForm::widgetsOf(std::initializer_list<const char *> fields) const
{
    QList<QWidget *> widgets;
    for (const char *field : fields)
        widgets << caption(QString::fromLatin1(field)) << inputOf(QString::fromLatin1(field));
    return widgets;
}

void WorkerForm::addMandatoryFields()
{
    addMandatory({ "Type_demande", "Nom", "Prenom", "Date_nais", "Lieu_nais", "Sex", "Situation_familiale",
        "Pays", "Nation", "Apatride", "Refugie_politique", "Nom_pere", "Nom_mere", "Diplome", "Qualification",
        "Exper", "Poste_occupe", "Duree", "Date_debut_contrat", "Date_fin_contrat", "Sejour", "Adrs_alg",
        "Adresse_etranger", "Brut", "Net", "Passeport_num", "Passeport_delivre", "Passeport_par",
        "Passeport_date_debut", "Passeport_date_fin" });
    // The end date is computed, never picked: an empty one sends the user to the start date.
    MandatoryCheck check;
    for (MandatoryCheck::Item item : mandatory().items()) {
        if (item.typed == typedField(QStringLiteral("Date_fin_contrat")))
            item.focus = datePicker(QStringLiteral("Date_debut_contrat"));
        check.add(item);
    }
    mandatory() = check;
}

void WorkerForm::connectRules()
{
    const auto maidenRule = [this] {
        applyMaidenRule(pickList(QStringLiteral("Sex"))->currentText(),
            pickList(QStringLiteral("Situation_familiale"))->currentText());
    };
    connect(pickList(QStringLiteral("Sex")), &PickList::written, this, maidenRule);
    connect(pickList(QStringLiteral("Situation_familiale")), &PickList::written, this, maidenRule);
    connect(pickList(QStringLiteral("Sejour")), &PickList::written, this,
        [this] { applyCardRule(pickList(QStringLiteral("Sejour"))->currentText()); });
    connect(pickList(QStringLiteral("Duree")), &PickList::written, this, &WorkerForm::computeEndDate);
    connect(datePicker(QStringLiteral("Date_debut_contrat")), &DatePicker::written, this,
        &WorkerForm::computeEndDate);
}

void WorkerForm::setEntryEnabled(bool enabled, bool includingProjects)
{
    EntryForm::setEntryEnabled(enabled);
    if (includingProjects)
        m_projects->setEnabled(enabled);
}

void WorkerForm::showMaidenName(bool shown)
{
    m_maidenShown = shown;
    for (QWidget *w : std::as_const(m_maidenWidgets))
        w->setVisible(shown);
}

void WorkerForm::showCardGroup(bool shown)
{
    m_cardShown = shown;
    for (QWidget *w : std::as_const(m_cardWidgets))
        w->setVisible(shown);
}

void WorkerForm::applyMaidenRule(const QString &sex, const QString &status)
{
    static const QStringList married { QStringLiteral("MARIE(E)"), QStringLiteral("DIVORCE(E)"),
        QStringLiteral("VEUF(VE)") };
    showMaidenName(sex == QLatin1String("FEMME") && married.contains(status));
}

void WorkerForm::applyCardRule(const QString &stay)
{
    showCardGroup(stay == QLatin1String("OUI"));
}

void WorkerForm::applyRulesFromRow()
{
    Table *workers = data()->expatries();
    applyMaidenRule(
        workers->text(QStringLiteral("Sex")), workers->text(QStringLiteral("Situation_familiale")));
    applyCardRule(workers->text(QStringLiteral("Sejour")));
}

// Runs after the start date or the duration was written. A duration that is no whole number of
// months, or a start date not yet given, leaves the end date as it is without a message while the
// user is typing: the duration is refused when the user leaves it, and the save names what is missing.
void WorkerForm::computeEndDate()
{
    const QString duration = data()->expatries()->text(QStringLiteral("Duree"));
    DatePicker *startPicker = datePicker(QStringLiteral("Date_debut_contrat"));
    if (duration.trimmed().isEmpty() || !NumberCheck::problem(duration, {}).isEmpty()
        || startPicker->isBlank())
        return;
    const QDate end = ContractDates::endDate(startPicker->date(), duration.trimmed().toInt());
    typedField(QStringLiteral("Date_fin_contrat"))->setText(FieldValue::formatDate(end));
}
