#pragma once

#include "app/mainwindow.h"
#include "printing/interactiveui.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QList>

#include <algorithm>

// What the benchmarks time with: a median, a step timed with the events it posts, and a start-up.
namespace BenchTiming {

inline double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// Milliseconds of `f`, the events it posted handled.
template<typename F> double timed(F &&f)
{
    QElapsedTimer t;
    t.start();
    f();
    QApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

// From construction of the main window to the window shown with the activation done.
inline double startUp(const QString &store)
{
    return timed([&] {
        InteractiveUi ui;
        MainWindow w(store, ui);
        w.show();
        w.activate();
        QApplication::processEvents();
    });
}

} // namespace BenchTiming
