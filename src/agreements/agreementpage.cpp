#include "agreements/agreementpage.h"

#include "agreements/agreementcases.h"
#include "agreements/agreementform.h"
#include "agreements/agreementrecords.h"
#include "data/datamodule.h"
#include "data/table.h"
#include "printing/uiservice.h"
#include "widgets/conflictprompt.h"
#include "widgets/entryform.h"
#include "widgets/fieldedit.h"
#include "widgets/pagebuttons.h"
#include "widgets/projectlist.h"
#include "widgets/tablegrid.h"

#include <QHeaderView>

namespace {
const char *const NoPostMessage = "aucun poste de travail enregistrer !";
}

AgreementPage::AgreementPage(DataModule *data, UiService &ui, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("TabSheet2"));
    m_cases = new AgreementCases(this);
    m_cases->setGeometry(0, 0, 1070, 173);
    connect(m_cases, &AgreementCases::checklistRequested, this, &AgreementPage::showChecklist);

    m_form = new AgreementForm(data, this);
    connect(m_form, &EntryForm::valueRefused, this, &AgreementPage::showRefusal);
    m_form->setGeometry(0, 173, 934, 204);
    connect(m_form->projectList(), &QComboBox::activated, this, &AgreementPage::projectChosen);

    // IMPRIMER is wired by the main window, which opens the print window.
    static const PageButtons::Command<AgreementPage> buttons[] = {
        { { "BitBtn6", "NOUVEAU", 936, 180, 119, 25 }, &AgreementPage::m_new, &AgreementPage::newPost },
        { { "BitBtn7", "ENREGISTRER", 936, 212, 119, 25 }, &AgreementPage::m_save, &AgreementPage::savePost },
        { { "BitBtn8", "ANNULER", 936, 244, 119, 25 }, &AgreementPage::m_cancel, &AgreementPage::cancelPost },
        { { "BitBtn9", "MODIFIER", 936, 276, 119, 25 }, &AgreementPage::m_modify,
            &AgreementPage::modifyPost },
        { { "BitBtn10", "SUPRIMER", 936, 308, 119, 25 }, &AgreementPage::m_delete,
            &AgreementPage::deletePost },
        { { "BitBtn16", "IMPRIMER", 936, 340, 119, 25 }, &AgreementPage::m_print, nullptr },
    };
    PageButtons::createCommands(this, buttons);
    for (const auto &command : buttons)
        (this->*command.member)->setFont(QFont(QStringLiteral("Times New Roman"), 10));
    m_save->setEnabled(false);
    m_cancel->setEnabled(false);

    // Every post of every employer, in number order; the titles are the field names.
    m_grid = new TableGrid(data->accord(),
        { { QStringLiteral("Num"), QStringLiteral("Num") },
            { QStringLiteral("Poste"), QStringLiteral("poste") },
            { QStringLiteral("Diplome"), QStringLiteral("Diplome") },
            { QStringLiteral("Experience"), QStringLiteral("experience") },
            { QStringLiteral("Autre_condition"), QStringLiteral("autre_condition") },
            { QStringLiteral("Algériens"), QStringLiteral("Algériens") },
            { QStringLiteral("étrangers"), QStringLiteral("étrangers") } },
        this);
    m_grid->setObjectName(QStringLiteral("DBGrid3"));
    m_grid->setGeometry(1, 379, 1056, 141);
    m_grid->setTextSizes(16, 16);
    m_grid->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background: silver; }"));
    const std::pair<int, int> widths[] = { { 0, 55 }, { 1, 401 }, { 2, 499 }, { 4, 237 } };
    for (const auto &[column, width] : widths)
        m_grid->setColumnWidth(column, width);
    connect(m_grid, &TableGrid::rowClicked, this, &AgreementPage::listClicked);

    // The project lists offer the projects of the employer selected on the employer page, after each
    // opening and each move of the posts. The append, post and cancel of an entry change the current
    // row without scrolling: they count as moves here too.
    connect(data->accord(), &Table::afterOpen, this, &AgreementPage::applyProjectFilter);
    connect(data->accord(), &Table::currentChanged, this, &AgreementPage::applyProjectFilter);
}

void AgreementPage::setChecklists(QDialog *firstCase, QDialog *secondCase)
{
    m_firstChecklist = firstCase;
    m_secondChecklist = secondCase;
}

void AgreementPage::enableByRows()
{
    closeEntry();
    const bool rows = m_data->accord()->hasRows();
    m_modify->setEnabled(rows);
    m_delete->setEnabled(rows);
    m_print->setEnabled(rows);
}

void AgreementPage::openEntry()
{
    m_entryOpen = true;
    m_new->setEnabled(false);
    m_modify->setEnabled(false);
    m_delete->setEnabled(false);
    m_save->setEnabled(true);
    m_cancel->setEnabled(true);
    m_form->enableEntry(true);
}

// Back to browsing; IMPRIMER is left to the caller.
void AgreementPage::closeEntry()
{
    m_entryOpen = false;
    m_form->enableEntry(false);
    m_new->setEnabled(true);
    m_modify->setEnabled(true);
    m_delete->setEnabled(true);
    m_save->setEnabled(false);
    m_cancel->setEnabled(false);
}

void AgreementPage::dropProjectList()
{
    ProjectList *projects = m_form->projectList();
    projects->setFocus(Qt::OtherFocusReason);
    projects->showPopup();
}

void AgreementPage::newPost()
{
    if (!m_data->employeur()->hasRows()) {
        m_ui.message(this,
            QStringLiteral("Vous devez remplir la session employeur avant d'ajouter les postes de travail "));
        emit employerPageRequested();
        return;
    }
    Table *posts = m_data->accord();
    AgreementRecords records(*m_data);
    int number = 0;
    if (!records.nextNumber(&number)) {
        m_ui.error(this, records.lastError());
        return;
    }
    posts->setFiltered(false);
    posts->last();
    // An employer entry being typed on the employer page keeps its contact row as it is.
    if (!m_data->contact()->isEditing())
        m_data->contact()->setFiltered(false);
    if (!posts->append() || !posts->setValue(QStringLiteral("Num"), number)) {
        posts->cancel();
        m_ui.error(this, posts->lastError());
        return;
    }
    openEntry();
    dropProjectList();
}

void AgreementPage::savePost()
{
    Table *posts = m_data->accord();
    // The entry was dropped under the page (the tables were reopened): nothing is left to save.
    if (!posts->isEditing()) {
        enableByRows();
        return;
    }
    const QString project = m_form->projectList()->currentText();
    if (project.isEmpty()) {
        m_ui.message(this, QStringLiteral("Vous devez selectionnez un projet svp ..."));
        dropProjectList();
        return;
    }
    if (m_form->postEdit()->text().trimmed().isEmpty()) {
        m_ui.message(this, QStringLiteral("Vous devez identifier le poste de travail !"));
        return;
    }
    QString problem;
    if (QWidget *bad = m_form->firstRefusedValue(&problem)) {
        m_ui.message(this, problem);
        bad->setFocus(Qt::OtherFocusReason);
        return;
    }
    AgreementRecords records(*m_data);
    if (!records.save(project)) {
        if (ConflictPrompt::refused(m_ui, this, records.lastError(), posts->conflict(), true)) {
            cancelPost();
            posts->reload();
        }
        return;
    }
    if (!posts->renumberedTo().isNull())
        m_ui.message(this, ConflictPrompt::renumbered(QStringLiteral("ce poste"), posts->renumberedTo()));
    closeEntry();
    m_form->scrollToTop();
    m_print->setEnabled(true);
}

void AgreementPage::cancelPost()
{
    // NOUVEAU, MODIFIER and SUPRIMER come back even on an empty table: each says there is nothing.
    m_data->accord()->cancel();
    closeEntry();
    m_form->scrollToTop();
}

void AgreementPage::modifyPost()
{
    Table *posts = m_data->accord();
    if (!posts->hasRows()) {
        m_ui.message(this, QString::fromUtf8(NoPostMessage));
        return;
    }
    if (!posts->edit()) {
        m_ui.error(this, posts->lastError());
        return;
    }
    openEntry();
}

void AgreementPage::deletePost()
{
    Table *posts = m_data->accord();
    if (!posts->hasRows()) {
        m_ui.message(this, QString::fromUtf8(NoPostMessage));
        return;
    }
    const QVariant number = posts->value(QStringLiteral("Num"));
    posts->setFilter(QStringLiteral("num"), number);
    posts->setFiltered(true);
    const bool yes = m_ui.confirm(this,
        QStringLiteral("Voulez vous vraiment suprimer cet enregistrement (N°: ") + number.toString()
            + QStringLiteral(") !"));
    if (yes && !posts->remove()
        && ConflictPrompt::refused(m_ui, this, posts->lastError(), posts->conflict(), false))
        posts->reload();
    posts->setFiltered(false);
    if (!posts->hasRows()) {
        m_modify->setEnabled(false);
        m_delete->setEnabled(false);
        m_print->setEnabled(false);
    }
}

void AgreementPage::showChecklist(bool firstCase)
{
    if (QDialog *checklist = firstCase ? m_firstChecklist : m_secondChecklist)
        m_ui.execDialog(checklist);
}

// The contact table narrowed to the employer row current on the employer page. Left alone while
// the employer page has an entry open: switching its view would store that entry half typed.
void AgreementPage::applyProjectFilter()
{
    Table *employers = m_data->employeur();
    Table *contacts = m_data->contact();
    if (!employers->isOpen() || !employers->hasRows() || contacts->isEditing())
        return;
    contacts->setFiltered(false);
    contacts->setFilter(QStringLiteral("nom_orga"), employers->value(QStringLiteral("Nom_orga")));
    contacts->setFiltered(true);
}

// Choosing a project makes the first contact row carrying it the current one.
void AgreementPage::projectChosen(int index)
{
    Table *contacts = m_data->contact();
    ProjectList *projects = m_form->projectList();
    const int first = projects->findText(projects->itemText(index));
    if (first >= 0 && !contacts->isEditing())
        contacts->moveTo(first);
}

void AgreementPage::listClicked(int row)
{
    // While a post is being entered the list stays where it is: moving would store it unchecked.
    if (m_entryOpen) {
        m_grid->followTable();
        return;
    }
    m_grid->moveTableTo(row);
}

void AgreementPage::showRefusal(QWidget *input, const QString &message)
{
    m_ui.message(input, message);
}
