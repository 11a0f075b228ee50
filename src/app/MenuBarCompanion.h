// SPDX-License-Identifier: MIT
#pragma once

#include "platform/LaunchAtLogin.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class DockViewModel;
class QAction;
class Updater;

// The menu bar item's pull-down menu: the commonest operations without the main window.
class MenuBarCompanion : public QObject {
    Q_OBJECT

public:
    MenuBarCompanion(DockViewModel& viewModel, Updater& updater, LaunchAtLogin launchAtLogin,
                     QObject* parent = nullptr);
    ~MenuBarCompanion() override;

    // Puts the item into the menu bar or system tray.
    void show();

    [[nodiscard]] QMenu* menu() { return &m_menu; }
    // None until the item is shown.
    [[nodiscard]] QSystemTrayIcon* trayIcon() const { return m_trayIcon.get(); }

Q_SIGNALS:
    void openWindowRequested();
    void quitRequested();

private:
    void buildMenu();
    // The profiles change while the menu is closed, so their item is made anew each time it opens.
    void rebuildProfileItem();
    void changeLaunchAtLogin(bool enabled);
    // The item exists for its menu, so a plain click opens it as well as the context click, which
    // the tray answers by itself.
    void openOnClick(QSystemTrayIcon::ActivationReason reason);

    DockViewModel& m_viewModel;
    Updater& m_updater;
    LaunchAtLogin m_launchAtLogin;
    QMenu m_menu;
    QPointer<QAction> m_profileItem;
    QAction* m_presetItem = nullptr;
    QAction* m_autoHideItem = nullptr;
    QAction* m_launchAtLoginItem = nullptr;
    QAction* m_checkForUpdatesItem = nullptr;
    // Goes before the menu it shows, which it does not own.
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
};
