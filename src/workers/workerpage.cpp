#include "workers/workerpage.h"

#include "data/datamodule.h"
#include "data/table.h"
#include "printing/uiservice.h"
#include "widgets/conflictprompt.h"
#include "widgets/entryform.h"
#include "widgets/fieldedit.h"
#include "widgets/notice.h"
#include "widgets/pagebuttons.h"
#include "widgets/projectlist.h"
#include "widgets/tablegrid.h"
#include "workers/workerform.h"
#include "workers/workerrecords.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>

namespace {
const char *const NoWorkerMessage = "Aucun expatrie enregistrer sur la base de données !";

QList<TableModel::Column> listColumns()
{
    static const char *const columns[][2] = { { "Num_Ordre", "N° Ordre" }, { "Nom", "Nom" },
        { "Prenom", "Prenom" }, { "Date_nais", "Date de naissance" }, { "Lieu_nais", "Lieu de naissance" },
        { "Sex", "Genre" }, { "Situation_familiale", "Situation familiale" },
        { "Nom_jeune_fille", "Nom de jeune fille" }, { "Nom_pere", "Nom du père" },
        { "Nom_mere", "Nom de la mère" }, { "Carte_resid_num", "Carte_resid_num" },
        { "Carte_resid_du", "Carte_resid_du" }, { "Carte_resid_au", "Carte_resid_au" },
        { "Carte_resid_delivre", "Carte_resid_delivre" }, { "Date_entrer_alg", "Date_entrer_alg" },
        { "Nation", "Nationalité" }, { "Adrs_alg", "Adresse en Algérie" }, { "Diplome", "Diplôme" },
        { "Poste_occupe", "Poste à occuper" }, { "Lieu_emploi", "Lieu de l'emploi" },
        { "Brut", "Salaire Brut" }, { "Net", "Salaire Net" }, { "I_avantage", "Autre avantages" },
        { "Demeurant", "Demeurant" }, { "Refugie_politique", "Réfugie politique" },
        { "Apatride", "Apatride" }, { "Passeport_num", "N° Passeport" },
        { "Passeport_delivre", "Date délivrance du passeport" }, { "Passeport_par", "Passeport délivré par" },
        { "Passeport_date_debut", "Date debut du passeport" },
        { "Passeport_date_fin", "Date fin du passeport" }, { "Sejour", "Séjour" },
        { "Emploi_precedent", "Emploi_precedent" }, { "Qualification", "Qualification" },
        { "Emploi_objet", "Emploi_objet" }, { "Duree", "Duree" }, { "Adresse_etranger", "Adresse_etranger" },
        { "Ss_alg", "Ss_alg" }, { "Ss_etranger", "Ss_etranger" }, { "Exper", "Exper" },
        { "Type_demande", "Type_demande" }, { "Date_debut_contrat", "Date_debut_contrat" },
        { "Date_fin_contrat", "Date_fin_contrat" }, { "Pays", "Pays" },
        { "Nature_activite", "Nature_activite" }, { "Tel", "Téléphone" }, { "Fax", "Fax" },
        { "Email", "E-mail" } };
    QList<TableModel::Column> list;
    for (const auto &column : columns)
        list.append({ QString::fromUtf8(column[1]), QString::fromUtf8(column[0]) });
    return list;
}
} // namespace

WorkerPage::WorkerPage(DataModule *data, UiService &ui, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("TabSheet3"));
    m_notice = Notice::createLabel(this, "Label2", 36, 6);

    m_form = new WorkerForm(data, this);
    connect(m_form, &EntryForm::valueRefused, this, &WorkerPage::showRefusal);
    m_form->setGeometry(0, 30, 919, 314);

    m_grid = new TableGrid(data->expatries(), listColumns(), this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setGeometry(0, 350, 1057, 170);
    m_grid->setTextSizes(15, 15);
    connect(m_grid, &TableGrid::rowClicked, this, &WorkerPage::listClicked);

    createButtons();
    PageButtons::addEmblem(this, "Image5", 976, 314);
}

void WorkerPage::createButtons()
{
    // IMPRIMER asks for the dossier; the main window prints it.
    static const PageButtons::Command<WorkerPage> buttons[] = {
        { { "BitBtn11", "NOUVEAU", 933, 34, 121, 25 }, &WorkerPage::m_new, &WorkerPage::newWorker },
        { { "BitBtn12", "ENREGISTRER", 933, 74, 121, 25 }, &WorkerPage::m_save, &WorkerPage::saveWorker },
        { { "BitBtn13", "MODIFIER", 933, 114, 121, 25 }, &WorkerPage::m_modify, &WorkerPage::modifyWorker },
        { { "BitBtn14", "ANNULER", 933, 154, 121, 25 }, &WorkerPage::m_cancel, &WorkerPage::cancelWorker },
        { { "BitBtn15", "SUPRIMER", 933, 194, 121, 25 }, &WorkerPage::m_delete, &WorkerPage::deleteWorker },
        { { "BitBtn20", "IMPRIMER", 933, 234, 121, 25 }, &WorkerPage::m_print, nullptr },
        { { "BitBtn17", "ACTUALISER", 933, 274, 121, 25 }, &WorkerPage::m_refresh,
            &WorkerPage::showAllWorkers },
    };
    PageButtons::createCommands(this, buttons);
    connect(m_print, &QPushButton::clicked, this, &WorkerPage::dossierRequested);
    m_save->setEnabled(false);
    m_cancel->setEnabled(false);
}

void WorkerPage::setListMenu(QMenu *menu)
{
    m_grid->setPopupMenu(menu);
}

void WorkerPage::enableByRows()
{
    const bool rows = m_data->expatries()->hasRows();
    for (QPushButton *button : { m_modify, m_delete, m_refresh, m_print })
        button->setEnabled(rows);
}

void WorkerPage::enableProjectList()
{
    m_form->projectList()->setEnabled(true);
}

void WorkerPage::setButtons(const ButtonStates &states)
{
    const std::pair<QPushButton *, int> all[] = { { m_new, states.newWorker }, { m_save, states.save },
        { m_modify, states.modify }, { m_cancel, states.cancel }, { m_delete, states.remove },
        { m_refresh, states.refresh }, { m_print, states.print } };
    for (const auto &[button, state] : all) {
        if (state >= 0)
            button->setEnabled(state == 1);
    }
}

void WorkerPage::noWorker()
{
    m_ui.message(this, QString::fromUtf8(NoWorkerMessage));
}

void WorkerPage::newWorker()
{
    if (!m_data->employeur()->hasRows()) {
        m_ui.message(
            this, QStringLiteral("Vous devez remplir la session employeur avant d'ajouter les expatries "));
        emit employerPageRequested();
        return;
    }
    m_form->scrollToTop();
    m_form->hideMaidenName();
    m_form->setEntryEnabled(true, true);
    Table *workers = m_data->expatries();
    const int number = WorkerRecords(*m_data).nextOrderNumber();
    if (!workers->append()) {
        m_form->setEntryEnabled(false, false);
        m_ui.error(this, workers->lastError());
        return;
    }
    m_form->numberEdit()->setText(QString::number(number));
    m_entryOpen = true;
    setButtons({ 0, 1, 0, 1, 0, 0, 0 });
}

void WorkerPage::modifyWorker()
{
    Table *workers = m_data->expatries();
    if (!workers->hasRows()) {
        noWorker();
        setButtons({ 1, 0, 0, 0, 0, 0, 0 });
        return;
    }
    if (!workers->edit()) {
        m_ui.error(this, workers->lastError());
        return;
    }
    m_entryOpen = true;
    setButtons({ 0, 1, 0, 1, 0, 0, -1 });
    m_form->setEntryEnabled(true, true);
    m_form->applyRulesFromRow();
}

void WorkerPage::saveWorker()
{
    Table *contacts = m_data->contact();
    // A value its field cannot take is named before anything else: it would otherwise be stored
    // as another value, or refused as missing.
    QString refused;
    if (QWidget *input = m_form->firstRefusedValue(&refused)) {
        m_ui.message(this, refused);
        input->setFocus(Qt::OtherFocusReason);
        m_form->ensureWidgetVisible(input);
        return;
    }
    const bool filled = m_form->checkMandatory();
    if (filled) {
        m_form->mandatory().clearMarks();
        WorkerRecords records(*m_data);
        if (!records.attachAndSave(m_form->projectList()->currentText())) {
            // The row stays open with everything typed, unless the user drops it for the row
            // another copy stored; nothing else of the save runs.
            if (ConflictPrompt::refused(
                    m_ui, this, records.lastError(), m_data->expatries()->conflict(), true)) {
                cancelWorker();
                m_data->expatries()->reload();
            }
            return;
        }
        const QVariant renumbered = m_data->expatries()->renumberedTo();
        if (!renumbered.isNull())
            m_ui.message(this, ConflictPrompt::renumbered(QStringLiteral("cet expatrié"), renumbered));
        m_form->hideCardGroup();
        m_entryOpen = false;
        setButtons({ 1, 0, 1, 0, 1, 1, 1 });
        m_ui.message(
            this, QStringLiteral("Tous les informations de cet expatrie sont enregistrer avec succes !"));
        m_form->setEntryEnabled(false, false);
        // After the inputs are disabled: the focus leaving them would scroll the form down again.
        m_form->scrollToTop();
    } else {
        m_ui.message(this,
            QStringLiteral(
                "Ces informations sont obligatoires, Merci de remplir tous les informations nécessaires !"));
    }
    contacts->setFiltered(false);
}

void WorkerPage::cancelWorker()
{
    Table *workers = m_data->expatries();
    const bool wasNew = workers->state() == Table::State::Insert;
    workers->cancel();
    if (wasNew)
        workers->last();
    m_data->employeur()->setFiltered(false);
    m_data->contact()->setFiltered(false);
    m_form->applyRulesFromRow();
    m_entryOpen = false;
    setButtons({ 1, 0, 1, 0, 1, 1, 1 });
    m_form->setEntryEnabled(false, false);
    m_form->scrollToTop();
    m_form->mandatory().clearMarks();
}

void WorkerPage::deleteWorker()
{
    setButtons({ 0, 0, 0, 0, 0, 0, -1 });
    Table *workers = m_data->expatries();
    if (!workers->hasRows()) {
        noWorker();
        setButtons({ 1, -1, -1, -1, -1, -1, -1 });
        return;
    }
    if (m_ui.confirm(this,
            QStringLiteral("Voulez vous vraiment suprimer cet expatrie de votre base "
                           "de données !"))
        && !workers->remove()
        && ConflictPrompt::refused(m_ui, this, workers->lastError(), workers->conflict(), false))
        workers->reload();
    setButtons({ 1, 0, 1, 0, 1, 1, -1 });
}

void WorkerPage::showAllWorkers()
{
    Table *workers = m_data->expatries();
    if (workers->hasRows()) {
        workers->setFiltered(false);
        return;
    }
    noWorker();
    setButtons({ 1, 0, 0, 0, 0, 0, -1 });
}

void WorkerPage::listClicked(int row)
{
    // While a worker is being entered the list stays where it is: moving would store it unchecked.
    if (m_entryOpen) {
        m_grid->followTable();
        return;
    }
    m_grid->moveTableTo(row);
    displayRefresh();
}

void WorkerPage::pageShown()
{
    displayRefresh();
}

bool WorkerPage::showWorker(int number)
{
    if (m_entryOpen)
        return false;
    Table *workers = m_data->expatries();
    if (!workers->locate(number)) {
        if (!workers->isFiltered())
            return false;
        workers->setFiltered(false);
        if (!workers->locate(number))
            return false;
    }
    displayRefresh();
    return true;
}

void WorkerPage::displayRefresh()
{
    if (!m_data->expatries()->hasRows())
        return;
    m_form->applyRulesFromRow();
}

void WorkerPage::showRefusal(QWidget *input, const QString &message)
{
    m_ui.message(input, message);
}
