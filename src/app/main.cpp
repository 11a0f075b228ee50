// SPDX-License-Identifier: MIT
#include "AppIcon.h"
#include "BuildInfo.h"
#include "DockViewModelSingleton.h"
#include "MenuBarCompanion.h"
#include "SingleInstance.h"
#include "platform/LaunchAtLogin.h"
#include "platform/Platform.h"
#include "platform/SimulatedDock.h"
#include "platform/Updater.h"
#include "state/DockViewModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtQml/QQmlExtensionPlugin>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

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

// --help and --version, and nothing else: the app has no command line of its own.
void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(u"Customize your macOS Dock visually, safely, and instantly."_s);
    parser.addHelpOption();
    parser.addVersionOption();
}

// Whether the arguments ask for the help or the version. Those need no display, so they are
// answered before the window system is reached: from a terminal without one, they would fail.
bool asksForInformation(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.parse(arguments);
    return parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s) || parser.isSet(u"version"_s);
}

// Prints the help or the version and exits, or reports anything it does not know and returns false.
bool processCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    if (parser.positionalArguments().isEmpty())
        return true;
    const QString message = u"Unexpected argument '%1'.\n\n"_s.arg(parser.positionalArguments().first());
    std::fputs(qPrintable(message + parser.helpText()), stderr);
    return false;
}

// A window that is never exposed (opened on a desktop nobody is looking at) draws no frame; what waits
// for its first frame starts after this at the latest.
constexpr std::chrono::milliseconds firstFrameWait{1000};

// Runs `work` once the window has drawn its first frame, so that nothing that frame does not show
// delays it.
void afterFirstFrame(QQuickWindow* window, std::function<void()> work) {
    auto pending = std::make_shared<std::function<void()>>(std::move(work));
    const auto runOnce = [pending] {
        if (*pending)
            std::exchange(*pending, nullptr)();
    };
    QObject::connect(window, &QQuickWindow::frameSwapped, window, runOnce,
                     Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    QTimer::singleShot(firstFrameWait, window, runOnce);
}

// The symbol font's package installs it as TrueType and as two compressed web fonts, and the system
// may pick a compressed one, whose unpacking costs several milliseconds. Registered by the application,
// the TrueType file is the one drawn, provided the system's fonts are known by then: they would
// replace an application font of the same name registered before them.
void preferUncompressedSymbolFont() {
    const QString file =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               u"fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf"_s);
    if (!file.isEmpty() && QFontDatabase::hasFamily(u"Material Icons"_s))
        QFontDatabase::addApplicationFont(file);
}

// Opens the fonts the first screen draws with, so that the time it takes overlaps the engine's
// loading instead of following it: the system's fonts are listed once and each font file opened once,
// whatever the sizes the screens ask for later.
void prepareFonts() {
    preferUncompressedSymbolFont();
    QFont bold = QGuiApplication::font();
    bold.setBold(true);
    for (const QFont& font : {QGuiApplication::font(), bold, QFont(u"Material Icons"_s)})
        (void)QFontMetricsF(font).height();
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
    describeApplication();
    if (asksForInformation(argc, argv)) {
        const QCoreApplication information(argc, argv);
        return processCommandLine(information) ? 0 : 1;
    }
    QApplication app(argc, argv);
    // Only now, once the window system has taken its own options (-platform and the like) out.
    if (!processCommandLine(app))
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
    prepareFonts();

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
    afterFirstFrame(window, [&] {
        QApplication::setWindowIcon(AppIcon::application());
        // Where there is no Dock, its stand-in starts with the app, before the layout is first read.
        SimulatedDock::launch(platform);
        viewModel.readDock();

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
