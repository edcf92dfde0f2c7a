#pragma once

#include <QWidget>

class DataModule;
class UiService;
class QLabel;
class QMenu;
class QPushButton;
class TableGrid;
class WorkerForm;

// The "Expatries" page: the worker entry form, the list of workers and the buttons that create,
// check, save, modify, cancel and delete a worker and lift the list's restriction.
class WorkerPage : public QWidget
{
    Q_OBJECT

public:
    WorkerPage(DataModule *data, UiService &ui, QWidget *parent = nullptr);

    QLabel *notice() const { return m_notice; }
    WorkerForm *form() const { return m_form; }
    TableGrid *grid() const { return m_grid; }
    bool isEntryOpen() const { return m_entryOpen; }
    void setListMenu(QMenu *menu);
    // MODIFIER, SUPRIMER, ACTUALISER and IMPRIMER follow whether the worker view holds rows.
    void enableByRows();
    // The page became the visible one: the form's pick lists follow the current worker.
    void pageShown();
    // The employer page opened an entry for change: the project list follows.
    void enableProjectList();
    // Makes worker `number` the current one, the whole list shown if need be. False, moving
    // nothing, while an entry is open or when there is no such worker.
    bool showWorker(int number);

signals:
    // NOUVEAU without any employer: the employer page is brought to the front.
    void employerPageRequested();
    // IMPRIMER or the list's "Â delivré": print the current worker's dossier.
    void dossierRequested();

private:
    void createButtons();
    void newWorker(); // NOUVEAU
    void saveWorker(); // ENREGISTRER
    void modifyWorker(); // MODIFIER
    void cancelWorker(); // ANNULER
    void deleteWorker(); // SUPRIMER
    void showAllWorkers(); // ACTUALISER
    // A value the form refused when the user left its input.
    void showRefusal(QWidget *input, const QString &message);
    struct ButtonStates
    {
        int newWorker, save, modify, cancel, remove, refresh, print; // 1 on, 0 off, -1 unchanged
    };
    void setButtons(const ButtonStates &states);
    void displayRefresh();
    void listClicked(int row);
    void noWorker();

    DataModule *m_data;
    UiService &m_ui;
    QLabel *m_notice;
    WorkerForm *m_form;
    TableGrid *m_grid;
    QPushButton *m_new;
    QPushButton *m_save;
    QPushButton *m_modify;
    QPushButton *m_cancel;
    QPushButton *m_delete;
    QPushButton *m_print;
    QPushButton *m_refresh;
    bool m_entryOpen = false;
};
