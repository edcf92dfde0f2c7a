// The server store beside the directory store: start-up with 100,000 workers and a filter switch
// on the workers, on a PostgreSQL server given by VELMORA_BENCH_SERVER (or VELMORA_TEST_SERVER, as
// scripts/with-postgres sets it): scripts/with-postgres build-rel/bench/bench_server

#include "benchtiming.h"
#include "storegenerator.h"

#include "app/mainwindow.h"
#include "data/activation.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/storecopy.h"
#include "data/table.h"
#include "printing/interactiveui.h"
#include "widgets/uifonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

using namespace BenchTiming;

// Median times of switching the workers' filter on (with the count) and off, 20 times each.
bool filterSwitch(const QString &store, int employers, int workers, double *on, double *off)
{
    InteractiveUi ui;
    MainWindow w(store, ui);
    w.activate();
    Table *table = w.data()->expatries();
    QList<double> onTimes, offTimes;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer t;
        t.start();
        table->setFilter(QStringLiteral("Nom_orga"), StoreGenerator::employerName((i * 37) % employers));
        table->setFiltered(true);
        if (table->rowCount() != workers / employers)
            return false;
        onTimes << t.nsecsElapsed() / 1e6;
        t.restart();
        table->setFiltered(false);
        table->rowCount();
        offTimes << t.nsecsElapsed() / 1e6;
    }
    *on = median(onTimes);
    *off = median(offTimes);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    installUiFonts();
    QString server = qEnvironmentVariable("VELMORA_BENCH_SERVER");
    if (server.isEmpty())
        server = qEnvironmentVariable("VELMORA_TEST_SERVER");
    if (server.isEmpty()) {
        std::fprintf(stderr, "VELMORA_BENCH_SERVER is not set\n");
        return 1;
    }
    const int employers = 1000;
    const int workers = 100000;
    QTemporaryDir directory;
    if (!StoreGenerator::fill(directory.path(), employers, workers)) {
        std::fprintf(stderr, "generator failed\n");
        return 1;
    }
    {
        // The server emptied, then given the same rows.
        Database db;
        db.setServer(server);
        QSqlQuery drop = db.open() ? db.newQuery() : QSqlQuery();
        drop.exec(QStringLiteral("DROP TABLE IF EXISTS employeur, contact, accord, expatries"));
        drop.finish();
        DataModule from, to;
        QElapsedTimer copyTime;
        copyTime.start();
        StoreCopy copy;
        if (!Activation::run(from, directory.path()).ok || !Activation::runOnServer(to, server).ok
            || !copy.run(from, to)) {
            std::fprintf(stderr, "copy to the server failed: %s\n", qPrintable(copy.lastError()));
            return 1;
        }
        std::printf("copied %d employers, %d workers to the server in %.0f ms\n", employers, workers,
            copyTime.nsecsElapsed() / 1e6);
        QSqlQuery analyze = db.newQuery();
        analyze.exec(QStringLiteral("ANALYZE"));
    }

    std::printf("%-34s %12s %12s\n", "", "directory", "server");
    startUp(directory.path()); // warm-up: fonts, plugins
    startUp(server);
    QList<double> dirStart, serverStart;
    for (int i = 0; i < 5; ++i) {
        dirStart << startUp(directory.path());
        serverStart << startUp(server);
    }
    std::printf("%-34s %9.1f ms %9.1f ms   (target < 1000 ms)\n", "start-up, 100,000 workers (median)",
        median(dirStart), median(serverStart));
    double dirOn = 0, dirOff = 0, serverOn = 0, serverOff = 0;
    if (!filterSwitch(directory.path(), employers, workers, &dirOn, &dirOff)
        || !filterSwitch(server, employers, workers, &serverOn, &serverOff)) {
        std::fprintf(stderr, "unexpected row count\n");
        return 1;
    }
    std::printf(
        "%-34s %9.2f ms %9.2f ms   (target < 20 ms)\n", "filter on, 100 rows, with count", dirOn, serverOn);
    std::printf("%-34s %9.2f ms %9.2f ms\n", "filter off, 100,000 rows, with count", dirOff, serverOff);
    return 0;
}
