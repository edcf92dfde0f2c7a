#include "employer/employerpage.h"

#include "data/datamodule.h"
#include "data/table.h"
#include "employer/employerform.h"
#include "employer/employerrecords.h"
#include "printing/uiservice.h"
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

    const auto buttons = PageButtons::create(this,
        { { "BitBtn1", "NOUVEAU", 933, 34, 121, 25 }, { "BitBtn2", "ENREGISTRER", 933, 74, 121, 25 },
            { "BitBtn3", "MODIFIER", 933, 114, 121, 25 }, { "BitBtn4", "ANNULER", 933, 154, 121, 25 },
            { "BitBtn5", "IMPRIMER", 933, 194, 121, 25 }, { "BitBtn19", "SUPRIMER", 933, 236, 121, 25 } });
    m_new = buttons.at(0);
    m_save = buttons.at(1);
    m_modify = buttons.at(2);
    m_cancel = buttons.at(3);
    m_print = buttons.at(4);
    m_delete = buttons.at(5);
    m_save->setEnabled(false);
    m_cancel->setEnabled(false);
    connect(m_new, &QPushButton::clicked, this, &EmployerPage::BitBtn1Click);
    connect(m_save, &QPushButton::clicked, this, &EmployerPage::BitBtn2Click);
    connect(m_modify, &QPushButton::clicked, this, &EmployerPage::BitBtn3Click);
    connect(m_cancel, &QPushButton::clicked, this, &EmployerPage::BitBtn4Click);
    connect(m_delete, &QPushButton::clicked, this, &EmployerPage::BitBtn19Click);

    PageButtons::addEmblem(this, "Image4", 976, 280);

    connect(data->employeur(), &Table::beforeRefresh, this, &EmployerPage::EmployeurBeforeRefresh);
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

void EmployerPage::BitBtn1Click()
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

void EmployerPage::BitBtn2Click()
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
        m_ui.error(this, records.lastError());
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

void EmployerPage::BitBtn3Click()
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

void EmployerPage::BitBtn4Click()
{
    m_form->mandatory().clearMarks();
    m_form->setEntryEnabled(false);
    m_data->contact()->cancel();
    m_data->employeur()->cancel();
    setEntryButtons(false);
    enableByRows();
}

void EmployerPage::BitBtn19Click()
{
    Table *employers = m_data->employeur();
    Table *posts = m_data->accord();
    Table *workers = m_data->expatries();
    // Nothing to delete: the click is ignored.
    if (!employers->hasRows())
        return;
    const QString name = employers->text(QString::fromLatin1(NameField));
    employers->setFilter(QStringLiteral("nom_orga"), name);
    employers->setFiltered(true);
    posts->setFilter(QStringLiteral("nom_orga"), name);
    posts->setFiltered(true);
    const bool yes = m_ui.confirm(this,
        QStringLiteral("Voulez vous vraiment suprimer cet enregistrement :( ") + name
            + QStringLiteral(") !"));
    if (!yes) {
        employers->setFiltered(false);
        posts->setFiltered(false);
        return;
    }
    workers->setFilter(QStringLiteral("Nom_orga"), name);
    workers->setFiltered(true);
    if (!workers->hasRows()) {
        EmployerRecords records(*m_data);
        if (!records.deleteEntry(name))
            m_ui.error(this, records.lastError());
    } else {
        m_ui.message(this,
            QStringLiteral("Vous ne pouvez pas suprimer un organisme employeur que vous avez lui affecté des "
                           "expatries !"));
    }
    employers->setFiltered(false);
    posts->setFiltered(false);
    workers->setFiltered(false);
}

void EmployerPage::listClicked(int row)
{
    // While an entry is open the list stays where it is: moving would store the entry unchecked.
    if (m_entryOpen) {
        m_grid->followTable();
        return;
    }
    m_grid->moveTableTo(row);
    DBGrid2CellClick();
}

void EmployerPage::DBGrid2CellClick()
{
    if (!m_data->employeur()->hasRows()) {
        m_ui.message(this, QStringLiteral("vous devez saisir un organisme employeur !"));
        return;
    }
    pairContactWith(m_form->nameEdit()->text());
}

void EmployerPage::EmployeurBeforeRefresh()
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
