#include "workers/workerform.h"

#include "app/captionlabel.h"
#include "app/datamodule.h"
#include "app/datepicker.h"
#include "app/fieldedit.h"
#include "app/picklist.h"
#include "app/projectlist.h"
#include "data/fieldvalue.h"
#include "data/table.h"
#include "workers/contractdates.h"
#include "workers/workerlists.h"

#include "app/projectlist.h"
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr TypingRules::Rules Caps = TypingRules::Capitals;
constexpr TypingRules::Rules Names = TypingRules::Capitals | TypingRules::NoApostrophe;
const QDate ResetDate(1900, 1, 1);

const char *const PickFields[] = { "Type_demande", "Sex", "Situation_familiale", "Pays", "Nation", "Apatride",
    "Refugie_politique", "Qualification", "Exper", "Duree", "Sejour" };
const char *const DateFields[] = { "Date_nais", "Date_debut_contrat", "Date_fin_contrat",
    "Carte_resid_delivre", "Carte_resid_du", "Carte_resid_au", "Date_entrer_alg", "Passeport_delivre",
    "Passeport_date_debut", "Passeport_date_fin" };
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
        date(workers, QStringLiteral("DATE DE NAISSANCE :"), QStringLiteral("Date_nais"), true, ResetDate,
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
            ResetDate, "DateTimePicker4"));
    Built end = date(workers, QStringLiteral("DATE FIN DU CONTRAT :"), QStringLiteral("Date_fin_contrat"),
        false, ResetDate, "DateTimePicker5");
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
        false, ResetDate, "DateTimePicker6");
    Built cardFrom = date(workers, QStringLiteral("DU :"), QStringLiteral("Carte_resid_du"), false, ResetDate,
        "DateTimePicker7");
    Built cardTo = date(workers, QStringLiteral("AU :"), QStringLiteral("Carte_resid_au"), false, ResetDate,
        "DateTimePicker8");
    m_cardWidgets = { cardNumber.caption, cardNumber.input, cardIssued.caption, cardIssued.input,
        cardFrom.caption, cardFrom.input, cardTo.caption, cardTo.input };
    place(grid, row++, 1, cardNumber, 3);
    place(grid, row, 1, cardIssued);
    place(grid, row, 2, cardFrom);
    place(grid, row++, 3, cardTo);
    place(grid, row, 0,
        date(workers, QStringLiteral("DATE D'ENTRÉE EN ALGÉRIE :"), QStringLiteral("Date_entrer_alg"), false,
            ResetDate, "DateTimePicker9"));
    place(grid, row++, 1,
        typed(workers, QStringLiteral("ADRESSE EN ALGÉRIE :"), QStringLiteral("Adrs_alg"), true, Caps), 3);
    place(grid, row, 0,
        typed(workers, QStringLiteral("PASSEPORT N° :"), QStringLiteral("Passeport_num"), true, Caps));
    Built issued = date(workers, QStringLiteral("PASSEPORT DÉLIVRÉ LE :"),
        QStringLiteral("Passeport_delivre"), true, ResetDate, "DateTimePicker10");
    issued.typed->setObjectName(QStringLiteral("DBEdit51"));
    place(grid, row, 1, issued);
    place(grid, row, 2,
        date(workers, QStringLiteral("DATE DÉBUT DU PASSEPORT :"), QStringLiteral("Passeport_date_debut"),
            true, ResetDate, "DateTimePicker11"));
    place(grid, row++, 3,
        date(workers, QStringLiteral("DATE FIN DU PASSEPORT :"), QStringLiteral("Passeport_date_fin"), true,
            ResetDate, "DateTimePicker12"));
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
    const bool shown = stay == QLatin1String("OUI");
    showCardGroup(shown);
    if (!shown)
        return;
    // The card dates are text columns holding "dd/mm/yyyy"; a blank or unreadable one leaves its picker.
    for (const char *field : { "Carte_resid_delivre", "Carte_resid_du", "Carte_resid_au" }) {
        const QDate date = FieldValue::parseDate(m_data->expatries()->text(QString::fromLatin1(field)));
        if (date.isValid())
            datePicker(QString::fromLatin1(field))->showDate(date);
    }
}

void WorkerForm::applyRulesFromRow()
{
    Table *workers = m_data->expatries();
    applyMaidenRule(
        workers->text(QStringLiteral("Sex")), workers->text(QStringLiteral("Situation_familiale")));
    applyCardRule(workers->text(QStringLiteral("Sejour")));
}

void WorkerForm::computeEndDate()
{
    const QString duration = m_data->expatries()->text(QStringLiteral("Duree"));
    bool ok = false;
    const int months = duration.trimmed().toInt(&ok);
    if (!ok) {
        emit endDateFailed(
            QStringLiteral("La durée de recrutement « %1 » n'est pas un nombre entier de mois : la date "
                           "de fin du contrat n'a pas été calculée.")
                .arg(duration));
        return;
    }
    const QDate end
        = ContractDates::endDate(datePicker(QStringLiteral("Date_debut_contrat"))->date(), months);
    DatePicker *endPicker = datePicker(QStringLiteral("Date_fin_contrat"));
    endPicker->showDate(end);
    typedField(QStringLiteral("Date_fin_contrat"))->setText(FieldValue::formatDate(end));
}

void WorkerForm::loadPickLists(bool withPassportIssue)
{
    Table *workers = m_data->expatries();
    for (const char *field : PickFields)
        pickList(QString::fromLatin1(field))->showText(workers->text(QString::fromLatin1(field)));
    // A blank or unreadable date leaves its picker showing what it showed.
    for (const char *field : DateFields) {
        const QString f = QString::fromLatin1(field);
        if (f.startsWith(QLatin1String("Carte_resid")))
            continue;
        if (!withPassportIssue && f == QLatin1String("Passeport_delivre"))
            continue;
        const QVariant value = workers->value(f);
        if (value.typeId() == QMetaType::QDate && value.toDate().isValid())
            datePicker(f)->showDate(value.toDate());
    }
}

void WorkerForm::resetPickLists(bool pickers)
{
    for (const char *field : PickFields)
        pickList(QString::fromLatin1(field))->showText(QStringLiteral("..."));
    if (!pickers)
        return;
    for (const char *field : DateFields)
        datePicker(QString::fromLatin1(field))->showDate(ResetDate);
}
