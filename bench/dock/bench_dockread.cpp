// SPDX-License-Identifier: MIT
// How long reading the whole Dock takes next to a single `defaults read` and next to thirteen reads
// made one after another. Reading all keys at once should cost at most twice a single read.
#include "BenchDock.h"
#include "RunTask.h"
#include "TestHome.h"
#include "dock/DockService.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int rounds = 25;

double milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

QList<double> measure(const std::function<void()>& work) {
    QList<double> times;
    for (int i = 0; i < rounds; ++i)
        times.append(milliseconds(work));
    return times;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TestHome home;
    const DockService dock{ShellService(home.platform())};
    runTask(dock.applyConfiguration(usedDock()));
    // The first runs pay for loading libraries and growing the thread pool.
    runTask(dock.readConfiguration());

    const QList<double> single = measure([&dock] { runTask(dock.readValue(QStringLiteral("tilesize"))); });
    const QList<double> sequential = measure([&dock] {
        for (const QString& key : DockSetting::allKeys())
            runTask(dock.readValue(key));
    });
    const QList<double> whole = measure([&dock] { runTask(dock.readConfiguration()); });

    const double one = median(single);
    const double all = median(whole);
    std::printf("median of %d rounds\n", rounds);
    std::printf("one defaults read:          %8.2f ms\n", one);
    std::printf("thirteen sequential reads:  %8.2f ms\n", median(sequential));
    std::printf("readConfiguration:          %8.2f ms\n", all);
    std::printf("readConfiguration / one read: %.2fx (target <= 2x)\n", all / one);
    std::printf("sequential / readConfiguration: %.2fx\n", median(sequential) / all);
    return 0;
}
