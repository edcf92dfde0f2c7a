#pragma once

#include <QMainWindow>

#include <memory>

class AgreementPage;
class AppWindows;
class DossierPrinting;
class DataModule;
class UiService;
class EmployerPage;
class HeaderStrip;
class QDialog;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;
class ReviewPage;
class WorkerPage;

namespace Ui {
class MainWindow;
}

// The main window `Menu`: header with live date and time, the four pages, the menus, the clock,
// and the activation sequence that opens the tables whenever the window is activated. The menu bar
// is laid out in mainwindow.ui; its actions keep their object names (Organisme1, …, Quitter1).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `baseDirectory` stands for the executable's directory: the database directory lives inside it.
    MainWindow(const QString &baseDirectory, UiService &ui, QWidget *parent = nullptr);
    ~MainWindow() override;

    DataModule *data() const { return m_data; }
    UiService &ui() const { return m_ui; }
    QTabWidget *pages() const { return m_pages; }
    EmployerPage *employerPage() const { return m_employerPage; }
    AgreementPage *agreementPage() const { return m_agreementPage; }
    WorkerPage *workerPage() const { return m_workerPage; }
    ReviewPage *reviewPage() const { return m_reviewPage; }
    HeaderStrip *header() const { return m_header; }
    QMenu *employerListMenu() const { return m_employerListMenu; }
    QMenu *workerListMenu() const { return m_workerListMenu; }
    int activationCount() const { return m_activations; }
    // Connects the commands that open the other windows, once they exist.
    void attachWindows(AppWindows *windows);
    DossierPrinting *dossierPrinting() const { return m_dossierPrinting; }

    // The activation sequence, then the page buttons by row counts. False when it stopped on an error.
    bool activate();
    // The data directory's base when the window was opened on a server ("Base partagée…" goes back
    // to it); by default the base directory given.
    void setDirectoryBase(const QString &baseDirectory) { m_directoryBase = baseDirectory; }

signals:
    void quitRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // One second of the clock: date, time, and the notices moved on by one character.
    void tick();
    void showEmployerPage();
    void showAgreementPage();
    void showWorkerPage();
    void showReportPage();
    // A line of the "Bilan" page opened: that worker, or that employer, on its page.
    void showWorker(int number);
    void showEmployer(const QString &name);
    // The worker list's "Bilan" item: the page narrowed to the current worker's employer.
    void showWorkerEmployerReview();
    void showAboutBox();
    // Drops what is being typed on any page with the tables, then asks the program to end.
    void quit();
    // The employer identification sheet (IMPRIMER of the employer page, or the list's pop-up item).
    void printEmployerSheet();
    // The archive of the four tables at a place the user chooses.
    void saveBackup();
    // A daily copy or an archive chosen by the user, in place of the store once confirmed.
    void restoreBackup();
    // What came of a restore: nothing touched (refused before, or declined), the tables let go but
    // the store left as it was, or the store replaced.
    enum class Restore { Untouched, Failed, Restored };
    // Checks `source`, shows its date and counts after `preamble`, and puts it in place on Yes.
    Restore restoreFrom(const QString &source, const QString &preamble);
    // The older program's tables found at start: asked whether to import them; true once imported.
    bool offerImport();
    // The old tables of a folder the user chooses, into the empty store.
    void importOldBase();
    // A damaged table at start: the latest good daily copy is offered. True once it is restored.
    bool offerRestore(const QString &damage);
    void takeDailyCopy();
    // "Fichier › Base partagée…": the window opens the base chosen.
    void chooseSharedStore();
    bool onServer() const;
    QString databaseDirectory() const;
    void connectMenus();
    void buildPopupMenus();
    void centreOnScreen();

    std::unique_ptr<Ui::MainWindow> m_layout;
    QString m_baseDirectory;
    QString m_directoryBase;
    UiService &m_ui;
    DataModule *m_data;
    HeaderStrip *m_header;
    QTabWidget *m_pages;
    EmployerPage *m_employerPage;
    AgreementPage *m_agreementPage;
    WorkerPage *m_workerPage;
    ReviewPage *m_reviewPage;
    QTimer *m_timer;
    QMenu *m_employerListMenu = nullptr;
    QMenu *m_workerListMenu = nullptr;
    DossierPrinting *m_dossierPrinting = nullptr;
    QDialog *m_about = nullptr;
    int m_activations = 0;
    bool m_shownOnce = false;
};
