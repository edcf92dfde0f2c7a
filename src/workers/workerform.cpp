#include "workers/workerform.h"

#include "widgets/captionlabel.h"
#include "data/datamodule.h"
#include "widgets/datepicker.h"
#include "widgets/fieldedit.h"
#include "widgets/picklist.h"
#include "widgets/projectlist.h"
#include "data/fieldvalue.h"
#include "data/table.h"
#include "workers/contractdates.h"
#include "workers/workerlists.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr TypingRules::Rules Caps = TypingRules::Capitals;
constexpr TypingRules::Rules Names = TypingRules::Capitals | TypingRules::NoApostrophe;

const char *const PickFields[] = { "Type_demande", "Sex", "Situation_familiale", "Pays", "Nation", "Apatride",
    "Refugie_politique", "Qualification", "Exper", "Duree", "Sejour" };
} // namespace

WorkerForm::WorkerForm(DataModule *data, QWidget *parent)
    : EntryForm(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("ScrollBox2"));
    buildRows();
    addMandatory({ "Type_demande", "Nom", "Prenom", "Date_nais", "Lieu_nais", "Sex", "Situation_familiale",
        "Pays", "Nation", "Apatride", "Refugie_politique", "Nom_pere", "Nom_mere", "Diplome", "Qualification",
        "Exper", "Poste_occupe", "Duree", "Date_debut_contrat", "Date_fin_contrat", "Sejour", "Adrs_alg",
        "Adresse_etranger", "Brut", "Net", "Passeport_num", "Passeport_delivre", "Passeport_par",
        "Passeport_date_debut", "Passeport_date_fin" });
    // The end date is computed, never picked: an empty one sends the user to the start date.
    {
        auto items = mandatory().items();
        MandatoryCheck check;
        for (MandatoryCheck::Item item : items) {
            if (item.typed == typedField(QStringLiteral("Date_fin_contrat")))
                item.focus = datePicker(QStringLiteral("Date_debut_contrat"));
            check.add(item);
        }
        mandatory() = check;
    }
    for (const char *field : PickFields)
        pickList(QString::fromLatin1(field))->setTrimmed(true);
    addNumberCheck(pickList(QStringLiteral("Exper")), QStringLiteral("EXPERIENCE"));
    addNumberCheck(pickList(QStringLiteral("Duree")), QStringLiteral("DURÉE DE RECRUTEMENT"));
    addNumberCheck(
        typedField(QStringLiteral("Brut")), QStringLiteral("SALAIRE BRUT (DA)"), NumberCheck::Amount);
    addNumberCheck(
        typedField(QStringLiteral("Net")), QStringLiteral("SALAIRE NET (DA)"), NumberCheck::Amount);

    connect(pickList(QStringLiteral("Sex")), &PickList::written, this, [this] {
        applyMaidenRule(pickList(QStringLiteral("Sex"))->currentText(),
            pickList(QStringLiteral("Situation_familiale"))->currentText());
    });
    connect(pickList(QStringLiteral("Situation_familiale")), &PickList::written, this, [this] {
        applyMaidenRule(pickList(QStringLiteral("Sex"))->currentText(),
            pickList(QStringLiteral("Situation_familiale"))->currentText());
    });
    connect(pickList(QStringLiteral("Sejour")), &PickList::written, this,
        [this] { applyCardRule(pickList(QStringLiteral("Sejour"))->currentText()); });
    connect(pickList(QStringLiteral("Duree")), &PickList::written, this, &WorkerForm::computeEndDate);
    connect(datePicker(QStringLiteral("Date_debut_contrat")), &DatePicker::written, this,
        &WorkerForm::computeEndDate);

    showMaidenName(false);
    showCardGroup(false);
    setEntryEnabled(false, true);
}

void WorkerForm::buildRows()
{
    Table *workers = m_data->expatries();
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    column()->addLayout(grid);
    int row = 0;

    Built number
        = typed(workers, QStringLiteral("NUMÉRO :"), QStringLiteral("Num_Ordre"), false, TypingRules::None);
    m_number = number.typed;
    m_number->setObjectName(QStringLiteral("DBEdit14"));
    keepDisabled(m_number);
    place(grid, row, 0, number);
    Built request = pick(workers, QStringLiteral("TYPE DE DEMANDE :"), QStringLiteral("Type_demande"), true,
        WorkerLists::requestTypes(), Caps, "ComboBox4");
    request.input->setFocusPolicy(Qt::ClickFocus);
    place(grid, row++, 1, request, 3);
    place(grid, row++, 0, typed(workers, QStringLiteral("NOM :"), QStringLiteral("Nom"), true, Names), 4);
    place(
        grid, row++, 0, typed(workers, QStringLiteral("PRÉNOM :"), QStringLiteral("Prenom"), true, Names), 4);
    place(grid, row, 0,
        date(workers, QStringLiteral("DATE DE NAISSANCE :"), QStringLiteral("Date_nais"), true,
            "DateTimePicker3"));
    place(grid, row++, 1,
        typed(workers, QStringLiteral("LIEU DE NAISSANCE :"), QStringLiteral("Lieu_nais"), true, Caps), 3);
    place(grid, row, 0,
        pick(workers, QStringLiteral("GENRE :"), QStringLiteral("Sex"), true, WorkerLists::sexes(), Caps,
            "ComboBox5"));
    place(grid, row, 1,
        pick(workers, QStringLiteral("SITUATION FAMILIALE :"), QStringLiteral("Situation_familiale"), true,
            WorkerLists::maritalStatuses(), Caps, "ComboBox6"));
    Built maiden = typed(
        workers, QStringLiteral("NOM JEUNE FILLE :"), QStringLiteral("Nom_jeune_fille"), false, Names);
    m_maidenWidgets = { maiden.caption, maiden.input };
    place(grid, row++, 2, maiden, 2);
    place(grid, row, 0,
        pick(workers, QStringLiteral("PAYS :"), QStringLiteral("Pays"), true, WorkerLists::countries(), Caps,
            "ComboBox7"),
        2);
    place(grid, row++, 2,
        pick(workers, QStringLiteral("NATIONALITÉ :"), QStringLiteral("Nation"), true,
            WorkerLists::nationalities(), Caps, "ComboBox8"),
        2);
    place(grid, row, 0,
        pick(workers, QStringLiteral("APATRIDE :"), QStringLiteral("Apatride"), true, WorkerLists::yesNo(),
            Caps, "ComboBox9"));
    place(grid, row, 1,
        pick(workers, QStringLiteral("RÉFUGIE POLITIQUE :"), QStringLiteral("Refugie_politique"), true,
            WorkerLists::yesNo(), Caps, "ComboBox10"));
    place(grid, row, 2,
        typed(workers, QStringLiteral("N° DE LA SÉCURITÉ SOCIALE EN ALGÉRIE :"), QStringLiteral("Ss_alg"),
            false, Caps));
    place(grid, row++, 3,
        typed(workers, QStringLiteral("N° DE LA SÉCURITÉ SOCIALE A L'ÉTRANGER :"),
            QStringLiteral("Ss_etranger"), false, Caps));
    place(grid, row, 0,
        typed(workers, QStringLiteral("NOM DU PERE :"), QStringLiteral("Nom_pere"), true, Names), 2);
    place(grid, row++, 2,
        typed(workers, QStringLiteral("NOM DE LA MERE :"), QStringLiteral("Nom_mere"), true, Names), 2);
    place(grid, row++, 0, typed(workers, QStringLiteral("DIPLÔME :"), QStringLiteral("Diplome"), true, Caps),
        4);
    place(grid, row, 0,
        pick(workers, QStringLiteral("QUALIFICATION :"), QStringLiteral("Qualification"), true,
            WorkerLists::qualifications(), TypingRules::None, "ComboBox11"),
        2);
    place(grid, row++, 2,
        pick(workers, QStringLiteral("EXPERIENCE :"), QStringLiteral("Exper"), true,
            WorkerLists::experiences(), TypingRules::None, "ComboBox12"));

    m_projects = new ProjectList(m_data->contact());
    m_projects->setObjectName(QStringLiteral("DBLookupComboBox1"));
    auto *projectCaption = new CaptionLabel(QStringLiteral("PROJET :"), false);
    projectCaption->captionFor(m_projects);
    place(grid, row++, 0, { projectCaption, m_projects, nullptr }, 4);

    place(grid, row++, 0,
        typed(workers, QStringLiteral("POSTE A OCCUPER :"), QStringLiteral("Poste_occupe"), true, Names), 4);
    place(grid, row, 0,
        pick(workers, QStringLiteral("DURÉE DE RECRUTEMENT :"), QStringLiteral("Duree"), true,
            WorkerLists::durations(), TypingRules::None, "ComboBox13"));
    place(grid, row, 1,
        date(workers, QStringLiteral("DU ( PRÉVISIONNELLE) :"), QStringLiteral("Date_debut_contrat"), true,
            "DateTimePicker4"));
    Built end = date(workers, QStringLiteral("DATE FIN DU CONTRAT :"), QStringLiteral("Date_fin_contrat"),
        false, "DateTimePicker5");
    keepDisabled(end.input);
    place(grid, row++, 2, end);
    place(grid, row, 0,
        typed(workers, QStringLiteral("SALAIRE BRUT (DA):"), QStringLiteral("Brut"), true, Caps));
    place(grid, row++, 1,
        typed(workers, QStringLiteral("SALAIRE NET (DA):"), QStringLiteral("Net"), true, Caps));
    place(grid, row++, 0,
        typed(workers, QStringLiteral("AUTRE AVANTAGES :"), QStringLiteral("I_avantage"), false, Caps), 4);

    place(grid, row, 0,
        pick(workers, QStringLiteral("SÉJOUR :"), QStringLiteral("Sejour"), true, WorkerLists::yesNo(),
            TypingRules::None, "ComboBox14"));
    Built cardNumber = typed(
        workers, QStringLiteral("CARTE RÉSIDENCE N° :"), QStringLiteral("Carte_resid_num"), false, Caps);
    Built cardIssued = date(workers, QStringLiteral("DÉLIVRÉ LE :"), QStringLiteral("Carte_resid_delivre"),
        false, "DateTimePicker6");
    Built cardFrom
        = date(workers, QStringLiteral("DU :"), QStringLiteral("Carte_resid_du"), false, "DateTimePicker7");
    Built cardTo
        = date(workers, QStringLiteral("AU :"), QStringLiteral("Carte_resid_au"), false, "DateTimePicker8");
    m_cardWidgets = { cardNumber.caption, cardNumber.input, cardIssued.caption, cardIssued.input,
        cardFrom.caption, cardFrom.input, cardTo.caption, cardTo.input };
    place(grid, row++, 1, cardNumber, 3);
    place(grid, row, 1, cardIssued);
    place(grid, row, 2, cardFrom);
    place(grid, row++, 3, cardTo);
    place(grid, row, 0,
        date(workers, QStringLiteral("DATE D'ENTRÉE EN ALGÉRIE :"), QStringLiteral("Date_entrer_alg"), false,
            "DateTimePicker9"));
    place(grid, row++, 1,
        typed(workers, QStringLiteral("ADRESSE EN ALGÉRIE :"), QStringLiteral("Adrs_alg"), true, Caps), 3);
    place(grid, row, 0,
        typed(workers, QStringLiteral("PASSEPORT N° :"), QStringLiteral("Passeport_num"), true, Caps));
    Built issued = date(workers, QStringLiteral("PASSEPORT DÉLIVRÉ LE :"),
        QStringLiteral("Passeport_delivre"), true, "DateTimePicker10");
    issued.typed->setObjectName(QStringLiteral("DBEdit51"));
    place(grid, row, 1, issued);
    place(grid, row, 2,
        date(workers, QStringLiteral("DATE DÉBUT DU PASSEPORT :"), QStringLiteral("Passeport_date_debut"),
            true, "DateTimePicker11"));
    place(grid, row++, 3,
        date(workers, QStringLiteral("DATE FIN DU PASSEPORT :"), QStringLiteral("Passeport_date_fin"), true,
            "DateTimePicker12"));
    place(grid, row++, 0,
        typed(
            workers, QStringLiteral("PASSEPORT DÉLIVRÉ PAR :"), QStringLiteral("Passeport_par"), true, Caps),
        4);
    place(grid, row++, 0,
        typed(workers, QStringLiteral("EMPLOI PRÉCÉDEMMENT OCCUPÉ :"), QStringLiteral("Emploi_precedent"),
            false, Caps),
        4);
    place(grid, row++, 0,
        typed(workers, QStringLiteral("ADRESSE A L'ÉTRANGER :"), QStringLiteral("Adresse_etranger"), true,
            Caps),
        4);
    place(grid, row++, 0,
        typed(workers, QStringLiteral("OBJET DE L'EMPLOI :"), QStringLiteral("Emploi_objet"), false, Caps),
        4);
    column()->addStretch();
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
    Table *workers = m_data->expatries();
    applyMaidenRule(
        workers->text(QStringLiteral("Sex")), workers->text(QStringLiteral("Situation_familiale")));
    applyCardRule(workers->text(QStringLiteral("Sejour")));
}

// Runs after the start date or the duration was written. A duration that is no whole number of
// months, or a start date not yet given, leaves the end date as it is without a message while the
// user is typing: the duration is refused when the user leaves it, and the save names what is missing.
void WorkerForm::computeEndDate()
{
    const QString duration = m_data->expatries()->text(QStringLiteral("Duree"));
    DatePicker *startPicker = datePicker(QStringLiteral("Date_debut_contrat"));
    if (duration.trimmed().isEmpty() || !NumberCheck::problem(duration, {}).isEmpty()
        || startPicker->isBlank())
        return;
    const QDate end = ContractDates::endDate(startPicker->date(), duration.trimmed().toInt());
    typedField(QStringLiteral("Date_fin_contrat"))->setText(FieldValue::formatDate(end));
}
