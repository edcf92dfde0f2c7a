#include "app/mainwindow.h"

#include "agreements/agreementpage.h"
#include "app/appwindows.h"
#include "app/headerstrip.h"
#include "app/sharedstorecommands.h"
#include "data/activation.h"
#include "data/appinfo.h"
#include "data/backupstore.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/fieldvalue.h"
#include "data/paradoximport.h"
#include "data/query.h"
#include "data/table.h"
#include "employer/employerform.h"
#include "employer/employerpage.h"
#include "printing/dossierdialog.h"
#include "printing/dossierprinting.h"
#include "printing/employersheet.h"
#include "printing/uiservice.h"
#include "review/reviewpage.h"
#include "ui_mainwindow.h"
#include "widgets/fieldedit.h"
#include "widgets/notice.h"
#include "workers/workerpage.h"

#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {
// The notes of an import a message box shows; the report file holds them all.
constexpr int ImportNoteLines = 15;
} // namespace

MainWindow::MainWindow(const QString &baseDirectory, UiService &ui, QWidget *parent)
    : QMainWindow(parent)
    , m_layout(std::make_unique<Ui::MainWindow>())
    , m_baseDirectory(baseDirectory)
    , m_directoryBase(baseDirectory)
    , m_ui(ui)
    , m_data(new DataModule(this))
{
    m_layout->setupUi(this);
    setWindowTitle(AppInfo::title());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(1070, 641);
    client->setBackgroundRole(QPalette::Window);
    setCentralWidget(client);

    m_header = new HeaderStrip(client);

    m_pages = new QTabWidget(client);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(0, 86, 1070, 555);
    QFont tabFont(QStringLiteral("Times New Roman"));
    tabFont.setPixelSize(16);
    m_pages->tabBar()->setFont(tabFont);
    m_employerPage = new EmployerPage(m_data, m_ui);
    m_agreementPage = new AgreementPage(m_data, m_ui);
    m_workerPage = new WorkerPage(m_data, m_ui);
    m_pages->addTab(m_employerPage, QStringLiteral("Organisme"));
    m_pages->addTab(m_agreementPage, QStringLiteral("Accord de principe"));
    m_pages->addTab(m_workerPage, QStringLiteral("Expatries"));
    m_reviewPage = new ReviewPage(m_data, m_ui);
    m_pages->addTab(m_reviewPage, QStringLiteral("Bilan"));
    m_pages->setCurrentIndex(0);

    connectMenus();
    buildPopupMenus();
    m_employerPage->setListMenu(m_employerListMenu);
    connect(m_employerPage->printButton(), &QPushButton::clicked, this, &MainWindow::printEmployerSheet);
    connect(
        m_employerListMenu->actions().first(), &QAction::triggered, this, &MainWindow::printEmployerSheet);
    m_workerPage->setListMenu(m_workerListMenu);
    connect(
        m_employerPage, &EmployerPage::entryOpenedForChange, m_workerPage, &WorkerPage::enableProjectList);
    connect(m_workerPage, &WorkerPage::employerPageRequested, this, &MainWindow::showEmployerPage);
    connect(m_agreementPage, &AgreementPage::employerPageRequested, this, &MainWindow::showEmployerPage);
    connect(m_reviewPage, &ReviewPage::workerRequested, this, &MainWindow::showWorker);
    connect(m_reviewPage, &ReviewPage::employerRequested, this, &MainWindow::showEmployer);
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_pages->widget(index) == m_workerPage)
            m_workerPage->pageShown();
        if (m_pages->widget(index) == m_reviewPage)
            m_reviewPage->pageShown();
    });

    // Fixed size; the caption bar keeps only the close and context-help buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowContextHelpButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::tick);
    m_timer->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectMenus()
{
    const std::pair<QAction *, void (MainWindow::*)()> commands[] = {
        { m_layout->Organisme1, &MainWindow::showEmployerPage },
        { m_layout->Accorddeprincipe1, &MainWindow::showAgreementPage },
        { m_layout->Expatries1, &MainWindow::showWorkerPage },
        { m_layout->Bilans1, &MainWindow::showReportPage },
        { m_layout->Sauvegarder1, &MainWindow::saveBackup },
        { m_layout->Restaurer1, &MainWindow::restoreBackup },
        { m_layout->Importer1, &MainWindow::importOldBase },
        { m_layout->BasePartagee1, &MainWindow::chooseSharedStore },
        { m_layout->propos1, &MainWindow::showAboutBox },
        { m_layout->Quitter1, &MainWindow::quit },
    };
    for (const auto &[action, command] : commands)
        connect(action, &QAction::triggered, this, command);
}

void MainWindow::buildPopupMenus()
{
    m_employerListMenu = new QMenu(this);
    m_employerListMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_employerListMenu->addAction(QStringLiteral("Fiche d'identification"))
        ->setObjectName(QStringLiteral("Fichedidentification1"));

    m_workerListMenu = new QMenu(this);
    m_workerListMenu->setObjectName(QStringLiteral("PopupMenu2"));
    QMenu *documents = m_workerListMenu->addMenu(QStringLiteral("Documents"));
    documents->setObjectName(QStringLiteral("Documents1"));
    documents->addAction(QStringLiteral("Â delivré"))->setObjectName(QStringLiteral("delivr1"));
    documents->addSeparator();
    QMenu *receipts = documents->addMenu(QStringLiteral("Reçu"));
    receipts->setObjectName(QStringLiteral("Reu1"));
    receipts->menuAction()->setEnabled(false);
    receipts->addAction(QStringLiteral("APT"));
    receipts->addSeparator();
    receipts->addAction(QStringLiteral("Titre de travail"));
    receipts->addSeparator();
    receipts->addAction(QStringLiteral("Renouvellement titre de travail"));
    m_workerListMenu->addSeparator();
    QMenu *report = m_workerListMenu->addMenu(QStringLiteral("Bilan"));
    report->setObjectName(QStringLiteral("Bilan1"));
    QAction *workerReview = report->addAction(QStringLiteral("Échéances et effectifs de l'organisme"));
    workerReview->setObjectName(QStringLiteral("Bilanorganisme1"));
    connect(workerReview, &QAction::triggered, this, &MainWindow::showWorkerEmployerReview);
    // "Modèle 03" carries no command.
    report->addAction(QStringLiteral("Modèle 03"))->setEnabled(false);
}

void MainWindow::attachWindows(AppWindows *windows)
{
    auto *dossier = qobject_cast<DossierDialog *>(windows->dialog(QStringLiteral("Dossier")));
    m_dossierPrinting = new DossierPrinting(m_data, dossier, m_ui, this);
    connect(m_workerPage, &WorkerPage::dossierRequested, m_dossierPrinting, &DossierPrinting::printFromPage);
    QAction *delivered = m_workerListMenu->findChild<QAction *>(QStringLiteral("delivr1"));
    connect(delivered, &QAction::triggered, m_dossierPrinting, &DossierPrinting::printFromList);
    m_about = windows->dialog(QStringLiteral("apropos"));
    m_agreementPage->setChecklists(windows->dialog(QStringLiteral("demande_accord")),
        windows->dialog(QStringLiteral("demande_accord1")));
    QDialog *agreementPrint = windows->dialog(QStringLiteral("imp_accord"));
    if (auto *print = m_agreementPage->findChild<QPushButton *>(QStringLiteral("BitBtn16")))
        connect(
            print, &QPushButton::clicked, this, [this, agreementPrint] { m_ui.execDialog(agreementPrint); });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        centreOnScreen();
        QTimer::singleShot(0, this, &MainWindow::activate);
    }
}

// Centred on the screen; a screen smaller than the window keeps its caption bar in view.
void MainWindow::centreOnScreen()
{
    const QScreen *shown = screen();
    if (!shown)
        return;
    const QRect available = shown->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(available.center());
    move(qMax(frame.left(), available.left()), qMax(frame.top(), available.top()));
}

bool MainWindow::activate()
{
    const bool atStart = ++m_activations == 1;
    const Activation::Result result = Activation::run(*m_data, m_baseDirectory, atStart);
    if (!result.ok) {
        if (result.oldFormat) {
            // The imported tables are still the start's: its checks and its daily copy follow.
            m_activations = 0;
            return offerImport() && activate();
        }
        if (!result.damagedFile.isEmpty() && offerRestore(result.error))
            return activate();
        m_ui.error(this, result.error);
        return false;
    }
    if (atStart)
        takeDailyCopy();
    m_employerPage->enableByRows();
    m_workerPage->enableByRows();
    m_agreementPage->enableByRows();
    return true;
}

QString MainWindow::databaseDirectory() const
{
    return Activation::databaseDirectory(m_baseDirectory);
}

bool MainWindow::onServer() const
{
    return Activation::isServerAddress(m_baseDirectory);
}

void MainWindow::chooseSharedStore()
{
    const auto chosen = SharedStoreCommands::choose(this, m_ui, onServer() ? m_baseDirectory : QString());
    if (!chosen)
        return;
    // Entries being typed are dropped with the tables, as when quitting.
    m_data->release();
    m_baseDirectory = chosen->isEmpty() ? m_directoryBase : *chosen;
    if (activate())
        m_ui.message(this,
            onServer() ? QStringLiteral("VELMORA travaille maintenant sur la base partagée « %1 ».")
                             .arg(Database::displayAddress(m_baseDirectory))
                       : QStringLiteral("VELMORA travaille maintenant sur la base de ce poste."));
}

void MainWindow::takeDailyCopy()
{
    // The daily copies are the data directory's; a shared base is saved by its administrator.
    if (onServer())
        return;
    BackupStore store(databaseDirectory());
    if (!store.dailyCopy(QDate::currentDate()))
        m_ui.message(this, store.lastError());
}

void MainWindow::saveBackup()
{
    const QString suggested
        = QStringLiteral("VELMORA-%1.zip").arg(QDate::currentDate().toString(Qt::ISODate));
    QString path = m_ui.saveFileName(
        this, QStringLiteral("Sauvegarder la base"), suggested, QStringLiteral("Archives zip (*.zip)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        path += QLatin1String(".zip");
    if (onServer())
        return SharedStoreCommands::backup(this, m_ui, *m_data, path);
    BackupStore store(databaseDirectory());
    if (store.writeArchive(path, QDateTime::currentDateTime()))
        m_ui.message(
            this, QStringLiteral("La base est sauvegardée dans « %1 ».").arg(QDir::toNativeSeparators(path)));
    else
        m_ui.error(this, store.lastError());
}

void MainWindow::restoreBackup()
{
    const QString source = m_ui.openFileName(this, QStringLiteral("Restaurer une sauvegarde"),
        onServer() ? QDir::homePath() : BackupStore(databaseDirectory()).folder(),
        QStringLiteral("Sauvegardes (*.zip *.DB *.db)"));
    if (onServer()) {
        if (!source.isEmpty())
            SharedStoreCommands::restore(this, m_ui, *m_data, source);
        return;
    }
    // Restored or not, the tables let go are opened again.
    if (!source.isEmpty() && restoreFrom(source, QString()) != Restore::Untouched)
        activate();
}

bool MainWindow::offerImport()
{
    if (!m_ui.confirm(this, ParadoxImport::question())) {
        m_ui.message(this, ParadoxImport::laterNotice(databaseDirectory()));
        emit quitRequested();
        return false;
    }
    ParadoxImport import(*m_data);
    if (import.importInPlace(m_baseDirectory, QDateTime::currentDateTime()) != ParadoxImport::Outcome::Done) {
        m_ui.error(this, import.lastError());
        emit quitRequested();
        return false;
    }
    m_ui.message(this, import.reportText(ImportNoteLines));
    return true;
}

void MainWindow::importOldBase()
{
    const QString folder
        = m_ui.directoryName(this, QStringLiteral("Importer une ancienne base"), QDir::homePath());
    if (folder.isEmpty())
        return;
    ParadoxImport import(*m_data);
    if (import.importFrom(folder, QDateTime::currentDateTime()) != ParadoxImport::Outcome::Done) {
        m_ui.error(this, import.lastError());
        return;
    }
    m_ui.message(this, import.reportText(ImportNoteLines));
    activate();
}

bool MainWindow::offerRestore(const QString &damage)
{
    const QString latest = BackupStore(databaseDirectory()).latestGoodCopy();
    if (latest.isEmpty())
        return false;
    return restoreFrom(latest, damage + QStringLiteral("\n\nLa dernière copie saine peut être restaurée.\n"))
        == Restore::Restored;
}

MainWindow::Restore MainWindow::restoreFrom(const QString &source, const QString &preamble)
{
    BackupStore store(databaseDirectory());
    if (!store.stage(source)) {
        m_ui.error(this, store.lastError());
        return Restore::Untouched;
    }
    if (!m_ui.confirm(this,
            preamble + BackupStore::describe(store.summary())
                + QStringLiteral("\nLa base actuelle sera d'abord mise de côté dans « Sauvegardes ». "
                                 "Restaurer cette sauvegarde ?")))
        return Restore::Untouched;
    // This window lets go of the store; another copy holding it makes the restore refuse.
    m_data->release();
    if (!store.replaceStore(QDateTime::currentDateTime())) {
        m_ui.error(this, store.lastError());
        return Restore::Failed;
    }
    const QString note = store.setAsideNote();
    m_ui.message(this,
        QStringLiteral("La sauvegarde est restaurée ; la base d'avant est gardée dans « %1 ».")
                .arg(QDir::toNativeSeparators(store.setAsidePath()))
            + (note.isEmpty() ? QString() : QLatin1Char('\n') + note));
    return Restore::Restored;
}

void MainWindow::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_header->dateLabel()->setText(FieldValue::formatDate(now.date()));
    m_header->timeLabel()->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
    for (QLabel *notice : { m_employerPage->notice(), m_workerPage->notice() })
        notice->setText(Notice::rotated(notice->text()));
}

void MainWindow::showEmployerPage()
{
    m_pages->setCurrentIndex(0);
}

void MainWindow::showAgreementPage()
{
    m_pages->setCurrentIndex(1);
}

void MainWindow::showWorkerPage()
{
    m_pages->setCurrentIndex(2);
}

void MainWindow::showReportPage()
{
    m_pages->setCurrentIndex(3);
}

void MainWindow::showWorker(int number)
{
    showWorkerPage();
    if (!m_workerPage->showWorker(number))
        m_ui.message(this,
            QStringLiteral("L'expatrié n° %1 ne peut pas être affiché : %2")
                .arg(number)
                .arg(m_workerPage->isEntryOpen()
                        ? QStringLiteral("une saisie est en cours sur la page « Expatries ».")
                        : QStringLiteral("il n'est plus dans la base.")));
}

void MainWindow::showEmployer(const QString &name)
{
    showEmployerPage();
    if (!m_employerPage->showEmployer(name))
        m_ui.message(this,
            QStringLiteral("L'organisme « %1 » ne peut pas être affiché : %2")
                .arg(name,
                    m_employerPage->isEntryOpen()
                        ? QStringLiteral("une saisie est en cours sur la page « Organisme ».")
                        : QStringLiteral("il n'est plus dans la base.")));
}

void MainWindow::showWorkerEmployerReview()
{
    m_reviewPage->narrowTo(m_data->expatries()->text(QStringLiteral("Nom_orga")));
    if (m_pages->currentWidget() == m_reviewPage)
        m_reviewPage->pageShown();
    else
        showReportPage();
}

void MainWindow::showAboutBox()
{
    if (m_about)
        m_ui.execDialog(m_about);
}

void MainWindow::printEmployerSheet()
{
    EmployerSheet sheet(*m_data);
    if (!sheet.prepare(m_employerPage->form()->nameEdit()->text())) {
        m_ui.message(this, sheet.lastError());
        return;
    }
    ReportDocument document = sheet.document();
    if (document.pageCount() == 0) {
        m_ui.error(this, QStringLiteral("Le formulaire « Fiche » n'est pas disponible."));
        return;
    }
    m_ui.preview(this, document);
    // This preview is the one window whose closing hands the focus back to the main window:
    // the activation runs again (an entry in progress is dropped, the lists return to their first row).
    activate();
}

void MainWindow::quit()
{
    // Unsaved rows on any page are dropped with the tables.
    m_data->contact()->close();
    m_data->expatries()->close();
    m_data->employeur()->close();
    emit quitRequested();
}
