#pragma once

#include <QWidget>

class DataModule;
class UiService;
class EmployerForm;
class QLabel;
class QMenu;
class QPushButton;
class TableGrid;

// The "Organisme" page: the employer entry form, the list of entries and the command buttons that
// create, check, save, modify, cancel and delete an entry.
class EmployerPage : public QWidget
{
    Q_OBJECT

public:
    EmployerPage(DataModule *data, UiService &ui, QWidget *parent = nullptr);

    QLabel *notice() const { return m_notice; }
    EmployerForm *form() const { return m_form; }
    TableGrid *grid() const { return m_grid; }
    bool isEntryOpen() const { return m_entryOpen; }
    QPushButton *printButton() const { return m_print; }
    // The pop-up menu of the list.
    void setListMenu(QMenu *menu);
    // MODIFIER, IMPRIMER and SUPRIMER follow whether the employer view holds rows.
    void enableByRows();
    // Makes the employer named the current one, as a click on its line does. False, moving
    // nothing, while an entry is open or when there is no such employer.
    bool showEmployer(const QString &name);

signals:
    // MODIFIER opened an entry: the worker page's project list is enabled too.
    void entryOpenedForChange();

private:
    void createButtons();
    void newEntry(); // NOUVEAU
    void saveEntry(); // ENREGISTRER
    void modifyEntry(); // MODIFIER
    void cancelEntry(); // ANNULER
    void deleteEmployer(); // SUPRIMER
    // The clicked entry becomes the current one: its contact row with it.
    void showClickedEntry();
    // Before the employer view is read again: the contact view follows its first entry.
    void pairContactWithCurrent();
    // A value the form refused when the user left its input.
    void showRefusal(QWidget *input, const QString &message);
    void pairContactWith(const QString &name);
    void setEntryButtons(bool entryOpen);
    void listClicked(int row);

    DataModule *m_data;
    UiService &m_ui;
    QLabel *m_notice;
    EmployerForm *m_form;
    TableGrid *m_grid;
    QPushButton *m_new;
    QPushButton *m_save;
    QPushButton *m_modify;
    QPushButton *m_cancel;
    QPushButton *m_print;
    QPushButton *m_delete;
    bool m_entryOpen = false;
};
