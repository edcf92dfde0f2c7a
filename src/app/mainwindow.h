#pragma once

#include <QMainWindow>

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
class WorkerPage;

// The main window `Menu`: header with live date and time, the four pages, the menus, the clock,
// and the activation sequence that opens the tables whenever the window is activated.
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
    HeaderStrip *header() const { return m_header; }
    QMenu *employerListMenu() const { return m_employerListMenu; }
    QMenu *workerListMenu() const { return m_workerListMenu; }
    int activationCount() const { return m_activations; }
    // Connects the commands that open the other windows, once they exist.
    void attachWindows(AppWindows *windows);
    DossierPrinting *dossierPrinting() const { return m_dossierPrinting; }

public slots:
    // The activation sequence, then the page buttons by row counts. False when it stopped on an error.
    bool FormActivate();
    void Timer1Timer();
    void Organisme1Click();
    void Accorddeprincipe1Click();
    void Expatries1Click();
    void Bilans1Click();
    void propos1Click();
    void Quitter1Click();
    // The employer identification sheet (IMPRIMER of the employer page, or the list's pop-up item).
    void BitBtn5Click();
    void Fichedidentification1Click();

signals:
    void quitRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void printEmployerSheet();
    void buildMenus();
    void buildPopupMenus();
    QWidget *buildBilanPage();
    void centreOnScreen();

    QString m_baseDirectory;
    UiService &m_ui;
    DataModule *m_data;
    HeaderStrip *m_header;
    QTabWidget *m_pages;
    EmployerPage *m_employerPage;
    AgreementPage *m_agreementPage;
    WorkerPage *m_workerPage;
    QTimer *m_timer;
    QMenu *m_employerListMenu = nullptr;
    QMenu *m_workerListMenu = nullptr;
    DossierPrinting *m_dossierPrinting = nullptr;
    QDialog *m_about = nullptr;
    int m_activations = 0;
    bool m_shownOnce = false;
};
