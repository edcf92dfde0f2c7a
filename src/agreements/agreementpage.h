#pragma once

#include <QWidget>

class AgreementCases;
class AgreementForm;
class DataModule;
class UiService;
class QDialog;
class QPushButton;
class TableGrid;

// The "Accord de principe" page: the posts of each project with their forecast head counts, entered
// one per agreement row, listed in a grid, and the checklists of an agreement request.
class AgreementPage : public QWidget
{
    Q_OBJECT

public:
    AgreementPage(DataModule *data, UiService &ui, QWidget *parent = nullptr);

    AgreementCases *cases() const { return m_cases; }
    AgreementForm *form() const { return m_form; }
    TableGrid *grid() const { return m_grid; }
    bool isEntryOpen() const { return m_entryOpen; }
    // The two checklist dialogs the dossier button opens: case 1 and case 2.
    void setChecklists(QDialog *firstCase, QDialog *secondCase);
    // The state after the tables were (re)opened: no entry open, NOUVEAU on, ENREGISTRER and ANNULER
    // off, MODIFIER, SUPRIMER and IMPRIMER on exactly when the agreement view holds rows.
    void enableByRows();

signals:
    // NOUVEAU without any employer: the employer page is brought to the front.
    void employerPageRequested();

private:
    void newPost(); // NOUVEAU
    void savePost(); // ENREGISTRER
    void cancelPost(); // ANNULER
    void modifyPost(); // MODIFIER
    void deletePost(); // SUPRIMER
    void showChecklist(bool firstCase);
    // A value the form refused when the user left its input.
    void showRefusal(QWidget *input, const QString &message);
    void applyProjectFilter();
    void projectChosen(int index);
    void listClicked(int row);
    void openEntry();
    void closeEntry();
    void dropProjectList();

    DataModule *m_data;
    UiService &m_ui;
    AgreementCases *m_cases;
    AgreementForm *m_form;
    TableGrid *m_grid;
    QPushButton *m_new;
    QPushButton *m_save;
    QPushButton *m_cancel;
    QPushButton *m_modify;
    QPushButton *m_delete;
    QPushButton *m_print;
    QDialog *m_firstChecklist = nullptr;
    QDialog *m_secondChecklist = nullptr;
    bool m_entryOpen = false;
};
