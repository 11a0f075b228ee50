// SPDX-License-Identifier: MIT
// The menu bar item's menu with a thousand saved profiles: how long its items take to make from
// nothing, which is also what a reloaded list costs, and how long the menu and its profile submenu
// take to open. Target: no step over 20 ms. Run with QT_QPA_PLATFORM=offscreen.
#include "MenuBarCompanion.h"
#include "TestHome.h"
#include "platform/LaunchAtLogin.h"
#include "platform/Updater.h"
#include "state/DockViewModel.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int profileCount = 1000;
constexpr int rounds = 15;

double medianMilliseconds(const std::function<void()>& work) {
    QList<double> times;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.append(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// Opens the menu as a click does, lets it lay out and draw, and closes it.
void openAndClose(QMenu& menu) {
    menu.popup(QPoint(10, 10));
    QCoreApplication::processEvents();
    menu.close();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    // The offscreen platform says at every popup that it cannot raise or grab; nobody needs to know.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    TestHome home;
    QList<DockProfile> profiles;
    const QDateTime newest = QDateTime::currentDateTimeUtc();
    for (int number = 0; number < profileCount; ++number)
        profiles.append({{},
                         QUuid::createUuid(),
                         u"Profile %1"_s.arg(number),
                         u"briefcase.fill"_s,
                         newest.addSecs(-number),
                         {}});
    home.store(profiles);

    DockViewModel viewModel(home.recordingPlatform(), &QDateTime::currentDateTime, nullptr,
                            DockViewModel::DockReading::whenAsked);
    Updater updater;
    LaunchAtLogin launchAtLogin(home.path() + u"/autostart.desktop"_s, u"berthwise"_s);
    QElapsedTimer clock;
    clock.start();
    MenuBarCompanion companion(viewModel, updater, launchAtLogin);
    const double build = double(clock.nsecsElapsed()) / 1e6;

    QMenu& menu = *companion.menu();
    QMenu* profileMenu = nullptr;
    for (QAction* action : menu.actions()) {
        if (action->text() == u"Apply Profile"_s)
            profileMenu = action->menu();
    }
    if (!profileMenu || profileMenu->actions().size() != profileCount) {
        std::fprintf(stderr, "the profile submenu does not list the %d profiles\n", profileCount);
        return 1;
    }

    const double openMenu = medianMilliseconds([&] { openAndClose(menu); });
    const double openProfiles = medianMilliseconds([&] { openAndClose(*profileMenu); });

    std::printf("menu bar companion with %d profiles, median of %d, ms\n", profileCount, rounds);
    std::printf("  make every item:          %6.1f\n", build);
    std::printf("  open the menu:            %6.1f\n", openMenu);
    std::printf("  open the profile submenu: %6.1f\n", openProfiles);
    return 0;
}
