#include "datafixture.h"
#include "reviewstore.h"
#include "scriptedui.h"

#include "agreements/agreementform.h"
#include "agreements/agreementpage.h"
#include "app/appwindows.h"
#include "app/formholder.h"
#include "app/headerstrip.h"
#include "app/mainwindow.h"
#include "app/qttranslations.h"
#include "data/backupstore.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/filereplace.h"
#include "data/storesetting.h"
#include "data/table.h"
#include "employer/employerform.h"
#include "employer/employerpage.h"
#include "printing/dossierdialog.h"
#include "printing/interactiveui.h"
#include "review/reviewpage.h"
#include "widgets/fieldedit.h"
#include "widgets/notice.h"
#include "widgets/projectlist.h"
#include "widgets/tablegrid.h"
#include "workers/workerform.h"
#include "workers/workerpage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The main window: windows created in order, header, clock and notices, tabs and menus, the page
// buttons after activation, and "Quitter".
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    static bool enabled(QWidget *w, const char *name)
    {
        auto *button = w->findChild<QPushButton *>(QString::fromLatin1(name));
        if (!button)
            qFatal("no button %s", name);
        return button->isEnabled();
    }
    // A menu command chosen as the user does, found by its action's object name.
    static void trigger(MainWindow &w, const char *name)
    {
        auto *action = w.findChild<QAction *>(QString::fromLatin1(name));
        if (!action)
            qFatal("no action %s", name);
        action->trigger();
    }
    // A line of a list clicked with the left or the right mouse button; the right one asks for the
    // list's pop-up menu as the window system does.
    static void clickLine(TableGrid *grid, int row, Qt::MouseButton button)
    {
        const QPoint at = grid->visualRect(grid->model()->index(row, 0)).center();
        QTest::mousePress(grid->viewport(), button, {}, at);
        if (button == Qt::RightButton) {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(grid->viewport(), &menu);
        }
        QTest::mouseRelease(grid->viewport(), button, {}, at);
    }
    // Every text a document draws.
    static QString textsOf(const ReportDocument &document)
    {
        QStringList texts;
        for (int page = 0; page < document.pageCount(); ++page) {
            for (const PageItem &item : document.page(page))
                texts << item.text;
        }
        return texts.join(QLatin1Char('\n'));
    }
    // A store holding employer E and its project PE.
    static void seedEmployerWithProject(const QString &base)
    {
        DataModule seed;
        QVERIFY(Activation::run(seed, base).ok);
        QVERIFY(DataFixture::add(seed.employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("E") } }));
        QVERIFY(DataFixture::add(seed.contact(),
            { { QStringLiteral("nom_orga"), QStringLiteral("E") },
                { QStringLiteral("Projet"), QStringLiteral("PE") } }));
    }
    static QLabel *noticeOf(MainWindow &w, int page)
    {
        return w.pages()->widget(page)->findChild<QLabel *>(
            page == 0 ? QStringLiteral("Label1") : QStringLiteral("Label2"));
    }

private slots:
    void windowsCreatedInOrder();
    void reviewPageOpensWorkersAndEmployers();
    void shellGeometryTabsAndMenus();
    void clockAndNotices();
    void buttonsFollowRowCounts_data();
    void buttonsFollowRowCounts();
    void quitDropsOpenEntry();
    void aboutBoxFromItsMenu();
    void activationErrorIsShown();
    void buttonsHaveAccessibleNames();
    void standardButtonsInFrench();
    void centredAndTitlesReadable();
    void firstNewWorkerOffersProjects();
    void damagedTableAtStartOffersLatestCopy_data();
    void damagedTableAtStartOffersLatestCopy();
    void popupMenuActsOnItsLine_data();
    void popupMenuActsOnItsLine();
    void backupAndRestoreFromTheMenu();
    void storeReplacedUnderTheWindow();
    void sharedStoreFromTheMenu();
};

void TestMainWindow::windowsCreatedInOrder()
{
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    AppWindows windows(&w);
    QStringList names;
    for (QObject *o : windows.all())
        names << o->objectName();
    QCOMPARE(names,
        (QStringList { "anx_01", "anx_02_Individuelle", "anx_04", "Anx_07", "apropos", "Dossier", "anx_01_02",
            "Fiche", "demande_apt", "demande_visa", "rapatriement1", "DEMANDE_permis", "contrat1", "contrat2",
            "anx_04_bis", "recrutement", "demande_accord", "demande_accord1", "AP01", "imp_accord" }));
    QCOMPARE(w.objectName(), QStringLiteral("Menu"));
    QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA"));
    QCOMPARE(windows.dialog(QStringLiteral("imp_accord"))->windowTitle(), QStringLiteral("Impression "));
    QCOMPARE(windows.dialog(QStringLiteral("demande_accord"))->windowTitle(),
        QStringLiteral("Dossier de la demande d’accord de principe (1er cas)"));
    QCOMPARE(qobject_cast<FormHolder *>(windows.window(QStringLiteral("AP01")))->caption(),
        QStringLiteral("Formulaire accord de principe N° 01"));
    for (QObject *o : windows.all()) {
        if (auto *dialog = qobject_cast<QDialog *>(o))
            QVERIFY(!dialog->isVisible());
    }
}

void TestMainWindow::shellGeometryTabsAndMenus()
{
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    QCOMPARE(w.centralWidget()->size(), QSize(1070, 641));
    QCOMPARE(w.pages()->geometry(), QRect(0, 86, 1070, 555));
    QStringList tabs;
    for (int i = 0; i < w.pages()->count(); ++i)
        tabs << w.pages()->tabText(i);
    QCOMPARE(tabs, (QStringList { "Organisme", "Accord de principe", "Expatries", "Bilan" }));
    QCOMPARE(w.pages()->currentIndex(), 0);
    QCOMPARE(w.pages()->widget(3), w.reviewPage());
    auto *lists = w.reviewPage()->findChild<QTabWidget *>(QStringLiteral("lists"));
    QCOMPARE(lists->tabText(0), QStringLiteral("Échéances"));
    QCOMPARE(lists->tabText(1), QStringLiteral("Effectifs"));

    QStringList bar;
    for (QAction *a : w.menuBar()->actions())
        bar << (a->isSeparator() ? QStringLiteral("—") : a->text());
    QCOMPARE(bar, (QStringList { "Fichier", "—", "?", "—", "Quitter" }));
    QStringList file;
    for (QAction *a : w.menuBar()->actions().first()->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("—") : a->text());
    QCOMPARE(file,
        (QStringList { "Organisme", "—", "Accord de principe", "—", "Expatries", "—", "Bilans", "—",
            "Sauvegarder la base…", "Restaurer une sauvegarde…", "Importer une ancienne base…", "—",
            "Base partagée…" }));
    QCOMPARE(w.menuBar()->actions().at(2)->menu()->actions().first()->text(), QStringLiteral("Â propos"));

    // The "Fichier" items show their pages; using the visible page's item changes nothing.
    trigger(w, "Expatries1");
    QCOMPARE(w.pages()->currentIndex(), 2);
    trigger(w, "Expatries1");
    QCOMPARE(w.pages()->currentIndex(), 2);
    trigger(w, "Bilans1");
    QCOMPARE(w.pages()->currentIndex(), 3);
    trigger(w, "Accorddeprincipe1");
    QCOMPARE(w.pages()->currentIndex(), 1);
    trigger(w, "Organisme1");
    QCOMPARE(w.pages()->currentIndex(), 0);

    // The worker list's pop-up menu: "Documents" with "Â delivré", the disabled "Reçu" and "Bilan".
    QMenu *documents = w.workerListMenu()->actions().first()->menu();
    QCOMPARE(documents->title(), QStringLiteral("Documents"));
    QCOMPARE(documents->actions().first()->text(), QStringLiteral("Â delivré"));
    QVERIFY(!documents->actions().at(2)->isEnabled());
    // "Bilan" opens the page for the worker's employer; its "Modèle 03" still carries no command.
    QMenu *report = w.workerListMenu()->actions().at(2)->menu();
    QCOMPARE(report->title(), QStringLiteral("Bilan"));
    QVERIFY(report->menuAction()->isEnabled());
    QStringList reportItems;
    for (QAction *a : report->actions())
        reportItems << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (inactif)"));
    QCOMPARE(reportItems, (QStringList { "Échéances et effectifs de l'organisme", "Modèle 03 (inactif)" }));
    QCOMPARE(w.employerListMenu()->actions().first()->text(), QStringLiteral("Fiche d'identification"));
}

// A line of the "Bilan" page opened shows its worker or employer; the worker list's "Bilan" item
// narrows the page to the worker's employer.
void TestMainWindow::reviewPageOpensWorkersAndEmployers()
{
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    QVERIFY(w.activate());
    QVERIFY(ReviewStore::fill(*w.data()));
    w.reviewPage()->setToday(ReviewStore::today);
    trigger(w, "Bilans1");
    QTableView *dates = w.reviewPage()->dueDatesView();
    QCOMPARE(dates->model()->rowCount(), 3);
    const auto open = [](QTableView *view, int row) {
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, 0));
        QTest::keyClick(view, Qt::Key_Return);
    };
    open(dates, 2);
    QCOMPARE(w.pages()->currentIndex(), 2);
    QCOMPARE(w.data()->expatries()->value(QStringLiteral("Num_Ordre")).toInt(), 2);
    trigger(w, "Bilans1");
    open(dates, 1);
    QCOMPARE(w.pages()->currentIndex(), 0);
    QCOMPARE(w.data()->employeur()->text(QStringLiteral("Nom_orga")), ReviewStore::alpha);
    QCOMPARE(w.data()->contact()->text(QStringLiteral("Projet")), QStringLiteral("PROJET A"));

    QVERIFY(w.data()->expatries()->locate(5));
    trigger(w, "Bilanorganisme1");
    QCOMPARE(w.pages()->currentIndex(), 3);
    QCOMPARE(w.reviewPage()->employerFilter()->currentText(), ReviewStore::beta);
    QCOMPARE(dates->model()->rowCount(), 0);
    QVERIFY(ui.messages.isEmpty());
}

void TestMainWindow::clockAndNotices()
{
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    QCOMPARE(w.header()->dateLabel()->text(), QStringLiteral("Date"));
    QCOMPARE(w.header()->timeLabel()->text(), QStringLiteral("Heure"));
    const QString start = Notice::initialText();
    QCOMPARE(start.size(), 174);
    QCOMPARE(noticeOf(w, 0)->text(), start);

    // The clock's timer ticks every second; sped up here, each tick is counted after the window's
    // own handling, and the timer stops once the notices went round.
    auto *timer = w.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    int ticks = 0;
    QString date, time;
    QStringList afterOne;
    connect(timer, &QTimer::timeout, &w, [&] {
        if (++ticks == 1) {
            date = w.header()->dateLabel()->text();
            time = w.header()->timeLabel()->text();
            afterOne = { noticeOf(w, 0)->text(), noticeOf(w, 2)->text() };
        }
        if (ticks == 174)
            timer->stop();
    });
    timer->setInterval(0);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 174, 30000);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{2}/\\d{2}/\\d{4}$")).match(date).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{2}:\\d{2}:\\d{2}$")).match(time).hasMatch());
    for (const QString &once : std::as_const(afterOne)) {
        QVERIFY(once.startsWith(QStringLiteral("     (*)")));
        QVERIFY(once.endsWith(QStringLiteral("expatries  ")));
        QCOMPARE(once.size(), 174);
    }
    QCOMPARE(noticeOf(w, 0)->text(), start);
    QCOMPARE(noticeOf(w, 2)->text(), start);
}

void TestMainWindow::buttonsFollowRowCounts_data()
{
    QTest::addColumn<bool>("employers");
    QTest::addColumn<bool>("workers");
    QTest::addColumn<bool>("posts");
    QTest::newRow("first start") << false << false << false;
    QTest::newRow("employers only") << true << false << false;
    QTest::newRow("workers and posts") << false << true << true;
    QTest::newRow("all") << true << true << true;
}

void TestMainWindow::buttonsFollowRowCounts()
{
    QFETCH(bool, employers);
    QFETCH(bool, workers);
    QFETCH(bool, posts);
    QTemporaryDir base;
    {
        DataModule seed;
        QVERIFY(Activation::run(seed, base.path()).ok);
        if (employers)
            QVERIFY(
                DataFixture::add(seed.employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("E") } }));
        if (workers)
            QVERIFY(DataFixture::add(seed.expatries(), { { QStringLiteral("Num_Ordre"), 1 } }));
        if (posts)
            QVERIFY(DataFixture::add(seed.accord(), { { QStringLiteral("Num"), 1 } }));
    }
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    QVERIFY(w.activate());
    QVERIFY(ui.errors.isEmpty());
    QWidget *employer = w.pages()->widget(0);
    QWidget *agreement = w.pages()->widget(1);
    QWidget *worker = w.pages()->widget(2);
    for (const char *b : { "BitBtn3", "BitBtn5", "BitBtn19" })
        QCOMPARE(enabled(employer, b), employers);
    for (const char *b : { "BitBtn13", "BitBtn15", "BitBtn17", "BitBtn20" })
        QCOMPARE(enabled(worker, b), workers);
    for (const char *b : { "BitBtn9", "BitBtn10", "BitBtn16" })
        QCOMPARE(enabled(agreement, b), posts);
    // NOUVEAU stays as designed, ENREGISTRER and ANNULER stay off.
    QVERIFY(enabled(employer, "BitBtn1"));
    QVERIFY(!enabled(employer, "BitBtn2"));
    QVERIFY(!enabled(employer, "BitBtn4"));
}

void TestMainWindow::quitDropsOpenEntry()
{
    QTemporaryDir base;
    {
        ScriptedUi ui;
        MainWindow w(base.path(), ui);
        QSignalSpy quit(&w, &MainWindow::quitRequested);
        QVERIFY(w.activate());
        Table *employers = w.data()->employeur();
        QVERIFY(employers->append());
        employers->setValue(QStringLiteral("Nom_orga"), QStringLiteral("EN COURS"));
        trigger(w, "Quitter1");
        QCOMPARE(quit.count(), 1);
        QVERIFY(!employers->isOpen());
        QVERIFY(!w.data()->contact()->isOpen());
        QVERIFY(!w.data()->expatries()->isOpen());
    }
    DataModule after;
    QVERIFY(Activation::run(after, base.path()).ok);
    QCOMPARE(after.employeur()->rowCount(), 0);
}

// "?" / "Â propos" opens the about box, once the windows exist.
void TestMainWindow::aboutBoxFromItsMenu()
{
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    QStringList shown;
    ui.onDialog = [&shown](QDialog *dialog) {
        shown << dialog->objectName();
        return 0;
    };
    trigger(w, "propos1");
    QCOMPARE(shown, QStringList());
    AppWindows windows(&w);
    w.attachWindows(&windows);
    trigger(w, "propos1");
    QCOMPARE(shown, QStringList { "apropos" });
}

void TestMainWindow::activationErrorIsShown()
{
    QTemporaryDir base;
    const QString blocker = QDir(base.path()).filePath(QStringLiteral("fichier"));
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    ScriptedUi ui;
    MainWindow w(blocker, ui);
    QVERIFY(!w.activate());
    QCOMPARE(ui.errors.size(), 1);
    QVERIFY(ui.errors.first().contains(QStringLiteral("--data-dir")));
}

void TestMainWindow::buttonsHaveAccessibleNames()
{
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    const auto buttons = w.findChildren<QPushButton *>();
    QVERIFY(buttons.size() >= 19);
    for (QPushButton *b : buttons)
        QCOMPARE(b->accessibleName(), b->text());
}

// Qt's own buttons speak French once its translations are loaded, and each button of a box carries
// its text as its accessible name.
void TestMainWindow::standardButtonsInFrench()
{
    QVERIFY(installQtTranslations(qApp));
    QStringList texts, names;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton *button : box->buttons()) {
            texts << button->text().remove(QLatin1Char('&'));
            names << button->accessibleName();
        }
        box->button(QMessageBox::No)->click();
    });
    InteractiveUi ui;
    QVERIFY(!ui.confirm(nullptr, QStringLiteral("Voulez vous vraiment suprimer cet expatrie ?")));
    texts.sort();
    names.sort();
    QCOMPARE(texts, (QStringList { "Non", "Oui" }));
    QCOMPARE(names, texts);
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annuler"));
}

void TestMainWindow::centredAndTitlesReadable()
{
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect screen = w.screen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    // Within a pixel: centring an even size on an odd centre rounds either way.
    QVERIFY(qAbs(frame.left() - qMax(screen.left(), screen.center().x() - frame.width() / 2)) <= 1);
    QVERIFY(qAbs(frame.top() - qMax(screen.top(), screen.center().y() - frame.height() / 2)) <= 1);
    // Every list title fits its column.
    for (TableGrid *grid : w.findChildren<TableGrid *>()) {
        QHeaderView *titles = grid->horizontalHeader();
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            QVERIFY2(titles->sectionSize(column) >= titles->sectionSizeHint(column),
                qPrintable(grid->model()->headerData(column, Qt::Horizontal).toString()));
    }
}

// Straight after start, the first NOUVEAU of the worker page offers the projects to type into.
void TestMainWindow::firstNewWorkerOffersProjects()
{
    QTemporaryDir base;
    seedEmployerWithProject(base.path());
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY(w.data()->expatries()->isOpen());
    w.pages()->setCurrentIndex(2);
    QWidget *worker = w.pages()->widget(2);
    worker->findChild<QPushButton *>(QStringLiteral("BitBtn11"))->click();
    auto *projects = worker->findChild<ProjectList *>(QStringLiteral("DBLookupComboBox1"));
    QVERIFY(projects->isEnabled());
    QTest::keyClicks(projects, QStringLiteral("PE"));
    QCOMPARE(projects->currentText(), QStringLiteral("PE"));
    QVERIFY(ui.messages.isEmpty() && ui.errors.isEmpty());
}

void TestMainWindow::damagedTableAtStartOffersLatestCopy_data()
{
    QTest::addColumn<bool>("copyKept");
    QTest::addColumn<bool>("answer");
    QTest::newRow("copy restored") << true << true;
    QTest::newRow("restore declined") << true << false;
    QTest::newRow("no copy to offer") << false << false;
}

void TestMainWindow::damagedTableAtStartOffersLatestCopy()
{
    QFETCH(bool, copyKept);
    QFETCH(bool, answer);
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    {
        DataModule seed;
        QVERIFY(Activation::run(seed, base.path()).ok);
        for (int n = 1; n <= 300; ++n)
            QVERIFY(DataFixture::add(seed.expatries(), { { QStringLiteral("Num_Ordre"), n } }));
    }
    if (copyKept)
        QVERIFY(BackupStore(dir).dailyCopy(QDate::currentDate().addDays(-1)));
    const QString workers = QDir(dir).filePath(QStringLiteral("Expatries.DB"));
    QVERIFY(DataFixture::damage(workers));
    QFile file(workers);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray damaged = file.readAll();
    file.close();

    ScriptedUi ui;
    ui.answers << answer;
    MainWindow w(base.path(), ui);
    QCOMPARE(w.activate(), copyKept && answer);
    QCOMPARE(ui.confirmations.size(), copyKept ? 1 : 0);
    if (copyKept) {
        QVERIFY2(ui.confirmations.first().contains(QStringLiteral("Expatries.DB")),
            qPrintable(ui.confirmations.first()));
        QVERIFY(ui.confirmations.first().contains(QStringLiteral("Expatries 300 lignes")));
    }
    if (!answer) {
        QCOMPARE(ui.errors.size(), 1);
        QVERIFY(ui.errors.first().contains(QStringLiteral("Expatries.DB")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), damaged);
        return;
    }
    QVERIFY(ui.errors.isEmpty());
    QCOMPARE(w.data()->expatries()->rowCount(), 300);
    QVERIFY(BackupStore::quickCheck(workers).isEmpty());
}

void TestMainWindow::popupMenuActsOnItsLine_data()
{
    QTest::addColumn<bool>("workers");
    QTest::addColumn<bool>("entryOpen");
    QTest::newRow("employers: identification sheet") << false << false;
    QTest::newRow("workers: dossier") << true << false;
    QTest::newRow("employers: entry open") << false << true;
    QTest::newRow("workers: entry open") << true << true;
}

// A right-click on a line other than the current one makes it the current row before the menu
// opens, so the sheet or the dossier is that line's; while an entry is open the list stays where it
// is and no menu opens.
void TestMainWindow::popupMenuActsOnItsLine()
{
    QFETCH(bool, workers);
    QFETCH(bool, entryOpen);
    QTemporaryDir base;
    {
        DataModule data;
        QVERIFY(Activation::run(data, base.path()).ok);
        for (const QString name : { "ALPHA", "BETA", "GAMMA" }) {
            QVERIFY(DataFixture::add(data.employeur(),
                { { QStringLiteral("Nom_orga"), QStringLiteral("SARL ") + name },
                    { QStringLiteral("Adrs_orga"), QStringLiteral("RUE ") + name } }));
            QVERIFY(DataFixture::add(data.contact(),
                { { QStringLiteral("nom_orga"), QStringLiteral("SARL ") + name },
                    { QStringLiteral("Projet"), QStringLiteral("PROJET ") + name } }));
        }
        for (int number = 1; number <= 3; ++number)
            QVERIFY(DataFixture::add(data.expatries(),
                { { QStringLiteral("Num_Ordre"), number },
                    { QStringLiteral("Nom_orga"), QStringLiteral("SARL ALPHA") },
                    { QStringLiteral("Projet"), QStringLiteral("PROJET ALPHA") },
                    { QStringLiteral("Type_demande"), QStringLiteral("APT") },
                    { QStringLiteral("Nom"), QStringLiteral("NOMW%1").arg(number) },
                    { QStringLiteral("Prenom"), QStringLiteral("PRENOMW%1").arg(number) } }));
    }
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    AppWindows windows(&w);
    w.attachWindows(&windows);
    w.show();
    QVERIFY(w.activate());
    TableGrid *grid = workers ? w.workerPage()->grid() : w.employerPage()->grid();
    QMenu *menu = workers ? w.workerListMenu() : w.employerListMenu();
    Table *table = workers ? w.data()->expatries() : w.data()->employeur();
    if (workers)
        trigger(w, "Expatries1");
    const auto shown = [&] {
        return workers ? w.workerPage()->form()->typedField(QStringLiteral("Nom"))->text()
                       : w.employerPage()->form()->nameEdit()->text();
    };
    clickLine(grid, 0, Qt::LeftButton);
    QCOMPARE(table->position(), 0);
    const QString first = shown();
    QCOMPARE(first, QLatin1String(workers ? "NOMW1" : "SARL ALPHA"));
    if (entryOpen) {
        QTest::mouseClick(
            w.findChild<QPushButton *>(QLatin1String(workers ? "BitBtn13" : "BitBtn3")), Qt::LeftButton);
        QVERIFY(table->isEditing());
    }
    clickLine(grid, 2, Qt::RightButton);
    if (entryOpen) {
        QVERIFY(!menu->isVisible());
        QCOMPARE(table->position(), 0);
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(shown(), first);
        return;
    }
    QVERIFY(menu->isVisible());
    QCOMPARE(table->position(), 2);
    QCOMPARE(grid->currentIndex().row(), 2);
    const QString third = shown();
    QCOMPARE(third, QLatin1String(workers ? "NOMW3" : "SARL GAMMA"));
    QStringList printed;
    ui.onPreview = [&](ReportDocument &document) { printed << textsOf(document); };
    ui.onDialog = [&](QDialog *dialog) {
        auto *dossier = qobject_cast<DossierDialog *>(dialog);
        if (!dossier)
            return 0;
        dossier->show();
        dossier->automatic()->click();
        dossier->preview()->click();
        dossier->runButton()->click();
        dossier->closeButton()->click();
        return 0;
    };
    trigger(w, workers ? "delivr1" : "Fichedidentification1");
    menu->hide();
    QVERIFY2(!printed.isEmpty(), qPrintable(ui.messages.join(QLatin1Char('\n'))));
    for (const QString &texts : std::as_const(printed)) {
        QVERIFY2(!texts.contains(first), qPrintable(texts));
    }
    QVERIFY(printed.join(QLatin1Char('\n')).contains(third));
}

void TestMainWindow::backupAndRestoreFromTheMenu()
{
    QTemporaryDir base;
    QTemporaryDir usb;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    QVERIFY(w.activate());
    QVERIFY(
        DataFixture::add(w.data()->employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("GARDÉ") } }));
    ui.saveName = QDir(usb.path()).filePath(QStringLiteral("clé"));
    trigger(w, "Sauvegarder1");
    QVERIFY2(ui.errors.isEmpty(), qPrintable(ui.errors.join(QLatin1Char('\n'))));
    QVERIFY(QFileInfo::exists(ui.saveName + QStringLiteral(".zip")));

    // The wrong "Oui": the employer is gone; the archive brings it back once confirmed.
    QVERIFY(w.data()->employeur()->first() && w.data()->employeur()->remove());
    ui.openName = ui.saveName + QStringLiteral(".zip");

    // While another copy has the store open the restore is refused; the window goes on with the
    // store as it was.
    {
        DataModule other;
        QVERIFY(Activation::run(other, base.path()).ok);
        ui.answers << true;
        trigger(w, "Restaurer1");
        QCOMPARE(ui.errors,
            QStringList {
                QStringLiteral("La base « %1 » est ouverte dans un autre exemplaire du programme "
                               "(processus %2) : fermez-le avant de restaurer. Rien n'a été remplacé.")
                    .arg(QDir::toNativeSeparators(Activation::databaseDirectory(base.path())))
                    .arg(QCoreApplication::applicationPid()) });
        QVERIFY(w.data()->employeur()->isOpen());
        QCOMPARE(w.data()->employeur()->rowCount(), 0);
        QVERIFY(DataFixture::add(
            w.data()->employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("ENTRE-TEMPS") } }));
        ui.errors.clear();
        ui.confirmations.clear();
    }

    // The window's own hold is let go for its restore.
    ui.answers << true;
    trigger(w, "Restaurer1");
    QCOMPARE(ui.confirmations.size(), 1);
    QVERIFY2(ui.confirmations.first().contains(QStringLiteral("Employeur 1 ligne")),
        qPrintable(ui.confirmations.first()));
    QVERIFY(ui.errors.isEmpty());
    QCOMPARE(w.data()->employeur()->rowCount(), 1);
    QCOMPARE(w.data()->employeur()->value(QStringLiteral("Nom_orga")).toString(), QStringLiteral("GARDÉ"));
}

// The files replaced under an open window by a program that does not ask first (an older copy's
// restore): the next save says so and writes nothing, the window opens the files in place, and the
// entry saved again lands in them.
void TestMainWindow::storeReplacedUnderTheWindow()
{
    QTemporaryDir base;
    QTemporaryDir earlier;
    const QString dir = Activation::databaseDirectory(base.path());
    seedEmployerWithProject(base.path());
    const QString copy = QDir(earlier.path()).filePath(QStringLiteral("copie"));
    QVERIFY(BackupStore(dir).copyTo(copy));
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    QVERIFY(w.activate());
    QVERIFY(DataFixture::add(w.data()->accord(),
        { { QStringLiteral("Num"), 1 }, { QStringLiteral("nom_orga"), QStringLiteral("E") },
            { QStringLiteral("Projet"), QStringLiteral("PE") },
            { QStringLiteral("poste"), QStringLiteral("AVANT") } }));
    for (const QString &file : BackupStore::tableFiles()) {
        QString why;
        QVERIFY2(
            FileReplace::replace(QDir(copy).filePath(file), QDir(dir).filePath(file), &why), qPrintable(why));
    }

    w.pages()->setCurrentIndex(1);
    QWidget *page = w.agreementPage();
    const auto click = [page](const char *name) {
        auto *button = page->findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(button && button->isEnabled(), name);
        button->click();
    };
    click("BitBtn6"); // NOUVEAU
    ProjectList *projects = w.agreementPage()->form()->projectList();
    projects->hidePopup();
    projects->refill();
    const int index = projects->findText(QStringLiteral("PE"));
    QVERIFY(index >= 0);
    projects->setCurrentIndex(index);
    emit projects->activated(index);
    QTest::keyClicks(w.agreementPage()->form()->postEdit(), QStringLiteral("MACON"));
    click("BitBtn7"); // ENREGISTRER
    QCOMPARE(ui.errors.size(), 1);
    const QString said = ui.errors.first();
    QVERIFY2(said.startsWith(QStringLiteral("Le fichier « %1").arg(QDir::toNativeSeparators(dir)))
            && said.contains(
                QStringLiteral(" a été remplacé pendant que VELMORA l'avait ouvert (une restauration "
                               "faite ailleurs) : rien n'a été enregistré. La base vient d'être "
                               "rouverte ; vos saisies restent à l'écran : enregistrez de nouveau.")),
        qPrintable(said));
    QVERIFY(w.data()->accord()->isEditing());

    click("BitBtn7"); // ENREGISTRER again
    QCOMPARE(ui.errors.size(), 1);
    QVERIFY(!w.data()->accord()->isEditing());
    // The files in place hold the new post, and not the one saved into those they replaced.
    DataModule check;
    QVERIFY(Activation::run(check, base.path()).ok);
    QCOMPARE(check.accord()->rowCount(), 1);
    QCOMPARE(check.accord()->value(QStringLiteral("poste")).toString(), QStringLiteral("MACON"));
}

void TestMainWindow::sharedStoreFromTheMenu()
{
    const QString server = DataFixture::testServer();
    if (server.isEmpty())
        QSKIP("VELMORA_TEST_SERVER is not set: run the tests through scripts/with-postgres.");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    DataFixture emptied(server);
    QTemporaryDir base;
    ScriptedUi ui;
    MainWindow w(base.path(), ui);
    QVERIFY(w.activate());
    QString typed;
    // The clerk picks the server, types an address and presses OK.
    ui.onDialog = [&typed](QDialog *dialog) {
        dialog
            ->findChild<QAbstractButton *>(
                typed.isEmpty() ? QStringLiteral("surCePoste") : QStringLiteral("surServeur"))
            ->click();
        auto *address = dialog->findChild<QLineEdit *>(QStringLiteral("adresse"));
        address->clear();
        QTest::keyClicks(address, typed);
        return int(QDialog::Accepted);
    };
    typed = QStringLiteral("http://ailleurs/base");
    trigger(w, "BasePartagee1");
    QCOMPARE(ui.errors.size(), 1);
    QVERIFY2(ui.errors.first().contains(QStringLiteral("n'est pas celle d'un serveur PostgreSQL")),
        qPrintable(ui.errors.first()));
    QVERIFY(!w.data()->database()->isServer());

    typed = server;
    trigger(w, "BasePartagee1");
    QCOMPARE(ui.errors.size(), 1);
    QVERIFY(w.data()->database()->isServer());
    QCOMPARE(ui.messages.last(),
        QStringLiteral("VELMORA travaille maintenant sur la base partagée « %1 ».").arg(server));
    QCOMPARE(StoreSetting::savedServer(), server);
    QVERIFY(DataFixture::add(
        w.data()->employeur(), { { QStringLiteral("Nom_orga"), QStringLiteral("PARTAGÉ") } }));

    // The shared base is saved in the same archive as a directory's.
    ui.saveName = QDir(base.path()).filePath(QStringLiteral("partage.zip"));
    trigger(w, "Sauvegarder1");
    QVERIFY2(ui.errors.size() == 1, qPrintable(ui.errors.join(QLatin1Char('\n'))));
    BackupStore check(QDir::tempPath());
    QVERIFY(check.stage(ui.saveName));
    QCOMPARE(check.summary().counts.value(QStringLiteral("Employeur")), 1);

    // Back to this computer's base: its own rows, the setting cleared.
    typed.clear();
    trigger(w, "BasePartagee1");
    QVERIFY(!w.data()->database()->isServer());
    QCOMPARE(w.data()->employeur()->rowCount(), 0);
    QCOMPARE(StoreSetting::savedServer(), QString());
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
