// SPDX-License-Identifier: MIT
#include "AppIcon.h"
#include "BuildInfo.h"
#include "CommandLine.h"
#include "DockViewModelSingleton.h"
#include "FirstFrame.h"
#include "MenuBarCompanion.h"
#include "SingleInstance.h"
#include "StartupFonts.h"
#include "Translation.h"
#include "platform/LaunchAtLogin.h"
#include "platform/Platform.h"
#include "platform/Updater.h"
#include "state/DockViewModel.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QSystemTrayIcon>
#include <QTranslator>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>
#include <memory>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

Q_IMPORT_QML_PLUGIN(BerthwisePlugin)

using namespace Qt::StringLiterals;

namespace {

// The identity the command line, the window system and the About screen all show.
void describeApplication() {
    QCoreApplication::setApplicationName(u"Berthwise"_s);
    // Window titles name the section; where the window system shows them beside other apps' windows
    // (a taskbar), the product's name follows.
    QGuiApplication::setApplicationDisplayName(u"Berthwise"_s);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(BuildInfo::version) + u" ("_s +
                                            QString::fromUtf8(BuildInfo::buildNumber) + u')');
    QGuiApplication::setDesktopFileName(u"berthwise"_s);
}

// The component's object once the engine has loaded it in the background; none if it failed.
std::unique_ptr<QObject> createWhenLoaded(QQmlComponent& component) {
    if (component.isLoading()) {
        // Only the engine's own messages: a later launch asking for the window is answered once the
        // window exists.
        QEventLoop loading;
        QObject::connect(&component, &QQmlComponent::statusChanged, &loading, &QEventLoop::quit);
        loading.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    }
    return std::unique_ptr<QObject>(component.isReady() ? component.create() : nullptr);
}

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
    QAction* about =
        appMenu->addAction(QCoreApplication::translate("main", "About Berthwise"), window, [window] {
            QMetaObject::invokeMethod(window, "showSection", Q_ARG(QVariant, u"about"_s));
            bringToFront(window);
        });
    about->setMenuRole(QAction::AboutRole);
    QAction* check = appMenu->addAction(QCoreApplication::translate("main", "Check for Updates…"), &updater,
                                        &Updater::checkForUpdates);
    check->setMenuRole(QAction::ApplicationSpecificRole);
    check->setEnabled(updater.canCheckForUpdates());
    return menuBar;
}
#endif

} // namespace

int main(int argc, char* argv[]) {
    describeApplication();
    if (CommandLine::asksForInformation(argc, argv)) {
        const QCoreApplication information(argc, argv);
        return CommandLine::process(information) ? 0 : 1;
    }
#ifdef __GLIBC__
    // Every program run starts on a pool thread, and the allocator would give each thread an arena
    // of its own that keeps what it once held: two arenas cost the window nothing and hold less.
    mallopt(M_ARENA_MAX, 2);
#endif
    QApplication app(argc, argv);
    // Before anything makes a text: the view model's first status and the window's take it from here.
    QTranslator translator;
    if (Translation::load(translator, QLocale().uiLanguages()))
        QCoreApplication::installTranslator(&translator);
    // Only now, once the window system has taken its own options (-platform and the like) out.
    if (!CommandLine::process(app))
        return 1;

    SingleInstance instance;
    if (!instance.claim())
        return 0;

    const Platform platform = Platform::current();
    DockViewModel viewModel(platform, &QDateTime::currentDateTime, nullptr,
                            DockViewModel::DockReading::whenAsked);
    Updater updater;
    DockViewModelSingleton::setInstance(&viewModel);

    // The engine loads the window's types on a thread of its own while this one opens the fonts.
    QQmlApplicationEngine engine;
    engine.addImportPath(u"qrc:/qt/qml"_s);
    QQmlComponent mainComponent(&engine);
    mainComponent.loadUrl(QUrl(u"qrc:/qt/qml/Berthwise/Main.qml"_s), QQmlComponent::Asynchronous);
    StartupFonts::prepare();

    const std::unique_ptr<QObject> root = createWhenLoaded(mainComponent);
    auto* window = qobject_cast<QQuickWindow*>(root.get());
    if (!window) {
        std::fputs(qPrintable(mainComponent.errorString()), stderr);
        return 1;
    }
    QObject::connect(&instance, &SingleInstance::activationRequested, window,
                     [window] { bringToFront(window); });

#ifdef Q_OS_MACOS
    std::unique_ptr<QMenuBar> applicationMenu(makeApplicationMenu(window, updater));
#endif

    std::optional<MenuBarCompanion> companion;
    FirstFrame::then(window, [&] {
        QApplication::setWindowIcon(AppIcon::application());
        viewModel.readDock();
        QMetaObject::invokeMethod(window, "preloadScreens");

        // Without a tray nothing could bring a closed window back, so closing it ends the app.
        const bool hasTray = QSystemTrayIcon::isSystemTrayAvailable();
        QApplication::setQuitOnLastWindowClosed(!hasTray);
        companion.emplace(viewModel, updater, LaunchAtLogin());
        QObject::connect(&*companion, &MenuBarCompanion::openWindowRequested, window,
                         [window] { bringToFront(window); });
        QObject::connect(&*companion, &MenuBarCompanion::quitRequested, &app, &QCoreApplication::quit);
        if (hasTray)
            companion->show();
    });

    return QApplication::exec();
}
