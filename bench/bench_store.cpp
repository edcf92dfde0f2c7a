// Start-up with a large store against an empty one, a filter switch on the workers, peak memory.

#include "benchtiming.h"
#include "storegenerator.h"

#include "app/mainwindow.h"
#include "data/table.h"
#include "printing/interactiveui.h"
#include "widgets/uifonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace BenchTiming;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    installUiFonts();
    const int employers = 1000;
    const int workers = 100000;

    QTemporaryDir emptyStore, largeStore;
    QElapsedTimer gen;
    gen.start();
    if (!StoreGenerator::fill(largeStore.path(), employers, workers)) {
        std::fprintf(stderr, "generator failed\n");
        return 1;
    }
    std::printf(
        "generated %d employers, %d workers in %.0f ms\n", employers, workers, gen.nsecsElapsed() / 1e6);

    startUp(emptyStore.path()); // warm-up: fonts, plugins
    QList<double> empty, large;
    for (int i = 0; i < 5; ++i) {
        empty << startUp(emptyStore.path());
        large << startUp(largeStore.path());
    }
    const double e = median(empty), l = median(large);
    std::printf("start-up, empty store:  %.1f ms (median of 5)\n", e);
    std::printf("start-up, large store:  %.1f ms (median of 5), ratio %.2f (target <= 1.5)\n", l, l / e);

    InteractiveUi ui;
    MainWindow w(largeStore.path(), ui);
    w.activate();
    Table *table = w.data()->expatries();
    QList<double> on, off;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer t;
        t.start();
        table->setFilter(QStringLiteral("Nom_orga"), StoreGenerator::employerName((i * 37) % employers));
        table->setFiltered(true);
        const int rows = table->rowCount();
        on << t.nsecsElapsed() / 1e6;
        if (rows != workers / employers) {
            std::fprintf(stderr, "unexpected row count %d\n", rows);
            return 1;
        }
        t.restart();
        table->setFiltered(false);
        table->rowCount();
        off << t.nsecsElapsed() / 1e6;
    }
    std::printf("filter on (Nom_orga, %d rows) with row count: %.2f ms median (target < 5)\n",
        workers / employers, median(on));
    std::printf("filter off (%d rows) with row count:          %.2f ms median\n", workers, median(off));

    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %.1f MB (target < 150)\n", usage.ru_maxrss / 1024.0);
    return 0;
}
