// SPDX-License-Identifier: MIT
#include "AppIcon.h"
#include "DockViewModelSingleton.h"
#include "MenuBarCompanion.h"
#include "SingleInstance.h"
#include "platform/LaunchAtLogin.h"
#include "platform/Platform.h"
#include "platform/SimulatedDock.h"
#include "platform/Updater.h"
#include "state/DockViewModel.h"

#include <QApplication>
#include <QMenuBar>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSystemTrayIcon>
#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(BerthwisePlugin)

using namespace Qt::StringLiterals;

namespace {

void bringToFront(QQuickWindow* window) {
    window->show();
    window->raise();
    window->requestActivate();
}

#ifdef Q_OS_MACOS
// The application menu's About item and, right after it, the update check.
QMenuBar* makeApplicationMenu(QQuickWindow* window, Updater& updater) {
    auto* menuBar = new QMenuBar(nullptr);
    QMenu* appMenu = menuBar->addMenu(u"Berthwise"_s);
    QAction* about = appMenu->addAction(u"About Berthwise"_s, window, [window] {
        QMetaObject::invokeMethod(window, "showSection", Q_ARG(QVariant, u"about"_s));
        bringToFront(window);
    });
    about->setMenuRole(QAction::AboutRole);
    QAction* check = appMenu->addAction(u"Check for Updates…"_s, &updater, &Updater::checkForUpdates);
    check->setMenuRole(QAction::ApplicationSpecificRole);
    check->setEnabled(updater.canCheckForUpdates());
    return menuBar;
}
#endif

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Berthwise"_s);
    QApplication::setApplicationVersion(QStringLiteral(BERTHWISE_VERSION));
    QApplication::setWindowIcon(AppIcon::application());

    SingleInstance instance;
    if (instance.notifyRunningInstance())
        return 0;
    instance.listen();

    const Platform platform = Platform::current();
    // Where there is no Dock, its stand-in starts with the app, before the layout is first read.
    SimulatedDock::launch(platform);
    DockViewModel viewModel(platform);
    Updater updater;
    DockViewModelSingleton::setInstance(&viewModel);

    QQmlApplicationEngine engine;
    engine.addImportPath(u"qrc:/qt/qml"_s);
    engine.load(QUrl(u"qrc:/qt/qml/Berthwise/Main.qml"_s));
    auto* window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!window)
        return 1;

    // Without a tray nothing could bring a closed window back, so closing it ends the app.
    const bool hasTray = QSystemTrayIcon::isSystemTrayAvailable();
    QApplication::setQuitOnLastWindowClosed(!hasTray);

    MenuBarCompanion companion(viewModel, updater, LaunchAtLogin());
    QObject::connect(&companion, &MenuBarCompanion::openWindowRequested, window,
                     [window] { bringToFront(window); });
    QObject::connect(&companion, &MenuBarCompanion::quitRequested, &app, &QCoreApplication::quit);
    QObject::connect(&instance, &SingleInstance::activationRequested, window,
                     [window] { bringToFront(window); });
    if (hasTray)
        companion.show();

#ifdef Q_OS_MACOS
    std::unique_ptr<QMenuBar> applicationMenu(makeApplicationMenu(window, updater));
#endif

    return QApplication::exec();
}
