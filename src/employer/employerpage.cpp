#include "employer/employerpage.h"

#include "data/datamodule.h"
#include "data/filterguard.h"
#include "data/table.h"
#include "employer/employerform.h"
#include "employer/employerrecords.h"
#include "printing/uiservice.h"
#include "widgets/conflictprompt.h"
#include "widgets/entryform.h"
#include "widgets/fieldedit.h"
#include "widgets/notice.h"
#include "widgets/pagebuttons.h"
#include "widgets/tablegrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>

namespace {
const char *const NameField = "Nom_orga";
}

EmployerPage::EmployerPage(DataModule *data, UiService &ui, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("TabSheet1"));
    m_notice = Notice::createLabel(this, "Label1", 35, 8);

    m_form = new EmployerForm(data, this);
    connect(m_form, &EntryForm::valueRefused, this, &EmployerPage::showRefusal);
    m_form->setGeometry(0, 32, 918, 314);

    m_grid = new TableGrid(data->employeur(),
        { { QStringLiteral("Employeur"), QStringLiteral("Nom_orga") },
            { QStringLiteral("Projet"), QStringLiteral("Projet") },
            { QStringLiteral("Résponsable"), QStringLiteral("Monsieur") },
            { QStringLiteral("Poste du responsable"), QStringLiteral("Agissant") },
            { QStringLiteral("Adresse de l'organisme"), QStringLiteral("Adrs_orga") },
            { QStringLiteral("Adresse à l'étranger"), QStringLiteral("Adrs_etranger") },
            { QStringLiteral("Nationalité"), QStringLiteral("Nation_orga") },
            { QStringLiteral("Lieu de l'emploi"), QStringLiteral("Lieu_emploi_orga") },
            { QStringLiteral("Raison sociale"), QStringLiteral("Nom_raison_sc_orga") },
            { QStringLiteral("Statut juridique"), QStringLiteral("Statut_juridique") },
            { QStringLiteral("N° marché"), QStringLiteral("Marche_contrat_num") },
            { QStringLiteral("Date debut marché"), QStringLiteral("Date_marche") },
            { QStringLiteral("Date fin marché"), QStringLiteral("Date_marche_fin") } },
        this);
    m_grid->setObjectName(QStringLiteral("DBGrid2"));
    m_grid->setGeometry(0, 350, 1055, 173);
    m_grid->setTextSizes(16, 15);
    connect(m_grid, &TableGrid::rowClicked, this, &EmployerPage::listClicked);

    createButtons();
    PageButtons::addEmblem(this, "Image4", 976, 280);

    connect(data->employeur(), &Table::beforeRefresh, this, &EmployerPage::pairContactWithCurrent);
}

void EmployerPage::createButtons()
{
    // IMPRIMER is wired by the main window, which prints the sheet.
    static const PageButtons::Command<EmployerPage> buttons[] = {
        { { "BitBtn1", "NOUVEAU", 933, 34, 121, 25 }, &EmployerPage::m_new, &EmployerPage::newEntry },
        { { "BitBtn2", "ENREGISTRER", 933, 74, 121, 25 }, &EmployerPage::m_save, &EmployerPage::saveEntry },
        { { "BitBtn3", "MODIFIER", 933, 114, 121, 25 }, &EmployerPage::m_modify, &EmployerPage::modifyEntry },
        { { "BitBtn4", "ANNULER", 933, 154, 121, 25 }, &EmployerPage::m_cancel, &EmployerPage::cancelEntry },
        { { "BitBtn5", "IMPRIMER", 933, 194, 121, 25 }, &EmployerPage::m_print, nullptr },
        { { "BitBtn19", "SUPRIMER", 933, 236, 121, 25 }, &EmployerPage::m_delete,
            &EmployerPage::deleteEmployer },
    };
    PageButtons::createCommands(this, buttons);
    m_save->setEnabled(false);
    m_cancel->setEnabled(false);
}

void EmployerPage::setListMenu(QMenu *menu)
{
    m_grid->setPopupMenu(menu);
}

void EmployerPage::enableByRows()
{
    const bool rows = m_data->employeur()->hasRows();
    m_modify->setEnabled(rows);
    m_print->setEnabled(rows);
    m_delete->setEnabled(rows);
}

void EmployerPage::setEntryButtons(bool entryOpen)
{
    m_entryOpen = entryOpen;
    m_new->setEnabled(!entryOpen);
    m_modify->setEnabled(!entryOpen);
    m_print->setEnabled(!entryOpen);
    m_delete->setEnabled(!entryOpen);
    m_save->setEnabled(entryOpen);
    m_cancel->setEnabled(entryOpen);
}

void EmployerPage::newEntry()
{
    // The lists and pickers keep their choices for the new entry, which then holds them too.
    const QHash<QString, QString> kept = m_form->choices();
    m_form->setEntryEnabled(true);
    Table *employers = m_data->employeur();
    Table *contacts = m_data->contact();
    if (!employers->append() || !contacts->append()) {
        const QString error = employers->isEditing() ? contacts->lastError() : employers->lastError();
        employers->cancel();
        contacts->cancel();
        m_form->setEntryEnabled(false);
        m_ui.error(this, error);
        return;
    }
    m_form->carryChoices(kept);
    m_form->nameEdit()->setFocus(Qt::OtherFocusReason);
    setEntryButtons(true);
}

void EmployerPage::saveEntry()
{
    QString refused;
    if (QWidget *input = m_form->firstRefusedValue(&refused)) {
        m_ui.message(this, refused);
        input->setFocus(Qt::OtherFocusReason);
        m_form->ensureWidgetVisible(input);
        return;
    }
    if (!m_form->checkMandatory()) {
        m_ui.message(this,
            QStringLiteral(
                "Ces informations sont obligatoires, Merci de remplir tous les informations nécessaires !"));
        return;
    }
    m_form->mandatory().clearMarks();
    FieldEdit *name = m_form->nameEdit();
    name->setText(name->text().trimmed());

    EmployerRecords records(*m_data);
    if (!records.saveEntry()) {
        if (ConflictPrompt::refused(m_ui, this, records.lastError(), records.conflict(), true)) {
            cancelEntry();
            m_data->employeur()->reload();
            m_data->contact()->reload();
        }
        return;
    }
    m_ui.message(this, QStringLiteral("Tous les informations sont enregistrer avec succes !"));
    m_data->expatries()->setFiltered(false);
    m_data->accord()->setFiltered(false);
    m_form->setEntryEnabled(false);
    setEntryButtons(false);
    // After the inputs are disabled: the focus leaving them would scroll the form down again.
    m_form->scrollToTop();
    m_data->employeur()->setFiltered(false);
    m_data->contact()->setFiltered(false);
}

void EmployerPage::modifyEntry()
{
    Table *employers = m_data->employeur();
    Table *workers = m_data->expatries();
    const QString name = m_form->nameEdit()->text();
    if (employers->hasRows() && workers->hasRows()) {
        workers->setFilter(QStringLiteral("Nom_orga"), name);
        workers->setFiltered(true);
        const int count = workers->rowCount();
        if (count >= 1)
            m_ui.message(this,
                QStringLiteral("existe ") + QString::number(count)
                    + QStringLiteral(" expatrie(s) enregistrer sous l'employeur et "
                                     "le projet ")
                    + name + QStringLiteral(" "));
    }
    m_form->setEntryEnabled(true);
    emit entryOpenedForChange();
    if (!employers->edit() || !m_data->contact()->edit()) {
        const QString error
            = employers->isEditing() ? m_data->contact()->lastError() : employers->lastError();
        employers->cancel();
        m_form->setEntryEnabled(false);
        m_ui.error(this, error);
        return;
    }
    m_form->nameEdit()->setFocus(Qt::OtherFocusReason);
    setEntryButtons(true);
}

void EmployerPage::cancelEntry()
{
    m_form->mandatory().clearMarks();
    m_form->setEntryEnabled(false);
    m_data->contact()->cancel();
    m_data->employeur()->cancel();
    setEntryButtons(false);
    enableByRows();
}

void EmployerPage::deleteEmployer()
{
    Table *employers = m_data->employeur();
    // Nothing to delete: the click is ignored.
    if (!employers->hasRows())
        return;
    const QString name = employers->text(QString::fromLatin1(NameField));
    // The views are narrowed to the entry for the time of the question and the delete only.
    FilterGuard employerView(employers, QStringLiteral("nom_orga"), name);
    FilterGuard postView(m_data->accord(), QStringLiteral("nom_orga"), name);
    const bool yes = m_ui.confirm(this,
        QStringLiteral("Voulez vous vraiment suprimer cet enregistrement :( ") + name
            + QStringLiteral(") !"));
    if (!yes)
        return;
    FilterGuard workerView(m_data->expatries(), QStringLiteral("Nom_orga"), name);
    if (m_data->expatries()->hasRows()) {
        m_ui.message(this,
            QStringLiteral("Vous ne pouvez pas suprimer un organisme employeur que vous avez lui affecté des "
                           "expatries !"));
        return;
    }
    EmployerRecords records(*m_data);
    if (!records.deleteEntry(name)
        && ConflictPrompt::refused(m_ui, this, records.lastError(), records.conflict(), false))
        m_data->employeur()->reload();
}

void EmployerPage::listClicked(int row)
{
    // While an entry is open the list stays where it is: moving would store the entry unchecked.
    if (m_entryOpen) {
        m_grid->followTable();
        return;
    }
    m_grid->moveTableTo(row);
    showClickedEntry();
}

bool EmployerPage::showEmployer(const QString &name)
{
    if (m_entryOpen)
        return false;
    Table *employers = m_data->employeur();
    if (!employers->locate(name)) {
        if (!employers->isFiltered())
            return false;
        employers->setFiltered(false);
        if (!employers->locate(name))
            return false;
    }
    pairContactWith(name);
    return true;
}

void EmployerPage::showClickedEntry()
{
    if (!m_data->employeur()->hasRows()) {
        m_ui.message(this, QStringLiteral("vous devez saisir un organisme employeur !"));
        return;
    }
    pairContactWith(m_form->nameEdit()->text());
}

void EmployerPage::pairContactWithCurrent()
{
    Table *employers = m_data->employeur();
    if (!employers->hasRows())
        return;
    pairContactWith(employers->text(QString::fromLatin1(NameField)));
}

void EmployerPage::pairContactWith(const QString &name)
{
    Table *contacts = m_data->contact();
    contacts->setFiltered(false);
    contacts->setFilter(QStringLiteral("nom_orga"), name);
    contacts->setFiltered(true);
}

void EmployerPage::showRefusal(QWidget *input, const QString &message)
{
    m_ui.message(input, message);
}
