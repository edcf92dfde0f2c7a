// The worker page over a hundred thousand workers: the list opens, scrolls and jumps to the last row
// without reading every row; showing the page and clicking a cell.

#include "benchtiming.h"
#include "storegenerator.h"

#include "app/mainwindow.h"
#include "data/table.h"
#include "printing/interactiveui.h"
#include "widgets/tablegrid.h"
#include "widgets/uifonts.h"
#include "workers/workerpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace BenchTiming;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installUiFonts();
    const int workers = 100000;
    QTemporaryDir store;
    if (!StoreGenerator::fill(store.path(), 1000, workers))
        return 1;

    InteractiveUi ui;
    MainWindow w(store.path(), ui);
    w.show();
    w.activate();
    QApplication::processEvents();
    WorkerPage *page = w.workerPage();
    TableGrid *grid = page->grid();
    Table *table = w.data()->expatries();

    QList<double> shown, clicks;
    for (int i = 0; i < 10; ++i) {
        shown << timed([&] { w.pages()->setCurrentIndex(2); });
        w.pages()->setCurrentIndex(0);
        QApplication::processEvents();
    }
    w.pages()->setCurrentIndex(2);
    QApplication::processEvents();
    const double open = timed([&] { grid->tableModel()->rowCount(); });
    const double scroll = timed([&] {
        for (int i = 0; i < 50; ++i) {
            grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() + 7);
            QApplication::processEvents();
        }
    });
    const double toEnd = timed([&] {
        table->last();
        grid->scrollToBottom();
    });
    for (int i = 0; i < 10; ++i) {
        const int row = (i * 9973) % workers;
        clicks << timed([&] { emit grid->rowClicked(row); });
    }

    std::printf("rows in the list: %d, pages of %d rows read: %d\n", grid->tableModel()->rowCount(), 128,
        grid->tableModel()->pagesLoaded());
    std::printf("page shown (display refresh): %.2f ms median (target < 20)\n", median(shown));
    std::printf("cell click (move + display refresh): %.2f ms median (target < 20)\n", median(clicks));
    std::printf("list row count: %.2f ms; 50 scroll steps: %.1f ms; jump to the last row: %.2f ms\n", open,
        scroll, toEnd);
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
