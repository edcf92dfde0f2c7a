// The "Bilan" page over a hundred thousand workers: shown (every table read again, both lists
// made), the horizon changed, an employer chosen in the filter.

#include "storegenerator.h"

#include "app/mainwindow.h"
#include "data/database.h"
#include "data/duedates.h"
#include "data/headcounts.h"
#include "printing/interactiveui.h"
#include "review/reviewpage.h"
#include "widgets/uifonts.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSqlError>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

template<typename F> double timed(F &&f)
{
    QElapsedTimer t;
    t.start();
    f();
    QApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

// Dates spread over two years around the day the page counts from, and three posts per project,
// one of which every worker holds. Written straight to the files, as the generator does.
bool addDatesAndAgreements(const QString &base, int employers)
{
    const QDir dir(Activation::databaseDirectory(base));
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("review"));
        db.setDatabaseName(dir.filePath(QStringLiteral("Expatries.DB")));
        ok = db.open()
            && QSqlQuery(db).exec(QStringLiteral(
                "UPDATE Expatries SET Passeport_date_fin = date('2025-06-01', '+' || (Num_Ordre % 731) || ' "
                "days'), "
                "Date_fin_contrat = date('2025-09-01', '+' || ((Num_Ordre * 7) % 731) || ' days')"));
        db.close();
        db.setDatabaseName(dir.filePath(QStringLiteral("Accord.DB")));
        ok = ok && db.open() && db.transaction();
        QSqlQuery q(db);
        ok = ok
            && q.prepare(QStringLiteral("INSERT INTO Accord (Num, nom_orga, Projet, poste, \"Algériens\", "
                                        "\"étrangers\") VALUES (?, ?, ?, ?, 5, 60)"));
        const QStringList posts { QStringLiteral("Ingenieur"), QStringLiteral("SOUDEUR"),
            QStringLiteral("CHEF") };
        for (int e = 0; ok && e < employers; ++e) {
            for (int p = 0; ok && p < posts.size(); ++p) {
                q.addBindValue(e * 3 + p + 1);
                q.addBindValue(StoreGenerator::employerName(e));
                q.addBindValue(QStringLiteral("PROJET %1").arg(e));
                q.addBindValue(posts.at(p));
                ok = q.exec();
            }
        }
        ok = ok && db.commit();
        if (!ok)
            std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("review"));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installUiFonts();
    const int employers = 1000;
    const int workers = 100000;
    QTemporaryDir store;
    if (!StoreGenerator::fill(store.path(), employers, workers)
        || !addDatesAndAgreements(store.path(), employers))
        return 1;

    InteractiveUi ui;
    MainWindow w(store.path(), ui);
    w.show();
    w.activate();
    QApplication::processEvents();
    ReviewPage *page = w.reviewPage();
    page->setToday(QDate(2026, 6, 1));

    // The first showing reads every table; showing it again with the tables unchanged keeps the
    // lists; after a save the tables are read again.
    const double first = timed([&] { w.pages()->setCurrentIndex(3); });
    w.pages()->setCurrentIndex(0);
    QApplication::processEvents();
    QList<double> shown, afterWrite;
    for (int i = 0; i < 10; ++i) {
        shown << timed([&] { w.pages()->setCurrentIndex(3); });
        w.pages()->setCurrentIndex(0);
        QApplication::processEvents();
    }
    for (int i = 0; i < 5; ++i) {
        w.data()->database()->noteWrite();
        afterWrite << timed([&] { w.pages()->setCurrentIndex(3); });
        w.pages()->setCurrentIndex(0);
        QApplication::processEvents();
    }
    w.pages()->setCurrentIndex(3);
    QApplication::processEvents();
    const int dates = page->dueDatesView()->model()->rowCount();
    const int posts = page->postsView()->model()->rowCount();
    const double horizon = timed([&] { page->horizonChoice()->setCurrentIndex(3); });
    const double filter = timed([&] { page->employerFilter()->setCurrentIndex(500); });

    QList<DueDate> due;
    HeadCountSheet sheet;
    QString error;
    const double readDates
        = timed([&] { DueDates::read(*w.data()->database(), QDate(2026, 6, 1), 90, &due, &error); });
    const double readCounts = timed([&] { HeadCounts::read(*w.data()->database(), &sheet, &error); });
    std::printf("Bilan page over %d workers, %d employers\n", workers, employers);
    std::printf("  due dates read: %.1f ms; head counts read: %.1f ms\n", readDates, readCounts);
    std::printf("  page shown the first time (every table read, lists made): %.1f ms\n", first);
    std::printf(
        "  page shown again, tables unchanged: median %.1f ms of 10 (goal < 100 ms)\n", median(shown));
    std::printf(
        "  page shown after a save (every table read again): median %.1f ms of 5\n", median(afterWrite));
    std::printf("    %d due dates over 90 days, %d posts\n", dates, posts);
    std::printf("  horizon set to 180 days: %.1f ms\n", horizon);
    std::printf("  one employer chosen: %.1f ms\n", filter);
    return 0;
}
