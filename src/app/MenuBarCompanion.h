// SPDX-License-Identifier: MIT
#pragma once

#include "platform/LaunchAtLogin.h"

#include <QMenu>
#include <QObject>
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
    // The profiles submenu follows the list row by row, so opening the menu costs nothing however
    // many profiles there are; only a reordered or reloaded list makes it anew.
    void followProfiles();
    void insertProfileItems(int first, int last);
    void removeProfileItems(int first, int last);
    void renameProfileItems(int first, int last);
    void rebuildProfileItems();
    void changeLaunchAtLogin(bool enabled);
    // The item exists for its menu, so a plain click opens it as well as the context click, which
    // the tray answers by itself.
    void openOnClick(QSystemTrayIcon::ActivationReason reason);

    DockViewModel& m_viewModel;
    Updater& m_updater;
    LaunchAtLogin m_launchAtLogin;
    QMenu m_menu;
    QAction* m_noProfilesItem = nullptr;
    QMenu* m_profileMenu = nullptr;
    QAction* m_presetItem = nullptr;
    QAction* m_autoHideItem = nullptr;
    QAction* m_launchAtLoginItem = nullptr;
    QAction* m_checkForUpdatesItem = nullptr;
    // Goes before the menu it shows, which it does not own.
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
};
