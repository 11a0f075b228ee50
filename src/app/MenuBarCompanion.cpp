// SPDX-License-Identifier: MIT
#include "MenuBarCompanion.h"

#include "AppIcon.h"
#include "platform/Updater.h"
#include "state/DockViewModel.h"
#include "stores/DockPreset.h"

#include <QAction>
#include <QCursor>

using namespace Qt::StringLiterals;

namespace {

QString idText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces);
}

} // namespace

MenuBarCompanion::MenuBarCompanion(DockViewModel& viewModel, Updater& updater, LaunchAtLogin launchAtLogin,
                                   QObject* parent)
    : QObject(parent)
    , m_viewModel(viewModel)
    , m_updater(updater)
    , m_launchAtLogin(std::move(launchAtLogin)) {
    buildMenu();
    connect(&m_menu, &QMenu::aboutToShow, this, &MenuBarCompanion::rebuildProfileItem);
}

MenuBarCompanion::~MenuBarCompanion() = default;

void MenuBarCompanion::buildMenu() {
    QAction* open = m_menu.addAction(u"Open Berthwise"_s, this, &MenuBarCompanion::openWindowRequested);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_menu.addSeparator();

    auto* presets = new QMenu(u"Apply Preset"_s, &m_menu);
    for (const DockPreset& preset : DockPreset::builtInPresets()) {
        presets->addAction(preset.name, this,
                           [this, id = idText(preset.id)] { m_viewModel.applyPreset(id); });
    }
    m_presetItem = m_menu.addMenu(presets);
    rebuildProfileItem();
    m_menu.addSeparator();

    m_autoHideItem = m_menu.addAction(u"Auto-hide Dock"_s);
    m_autoHideItem->setCheckable(true);
    m_autoHideItem->setChecked(m_viewModel.isAutoHideEnabled());
    // `triggered` comes only from the user, so following the view model here writes nothing.
    connect(&m_viewModel, &DockViewModel::isAutoHideEnabledChanged, m_autoHideItem,
            [this] { m_autoHideItem->setChecked(m_viewModel.isAutoHideEnabled()); });
    connect(m_autoHideItem, &QAction::triggered, this,
            [this](bool checked) { m_viewModel.applyAutoHide(checked); });

    m_menu.addAction(u"Add Spacer"_s, this, [this] { m_viewModel.addSpacer(u"standard"_s, u"apps"_s); });
    m_menu.addAction(u"Backup Dock Now"_s, this, [this] { m_viewModel.createBackup(); });
    m_menu.addSeparator();

    m_launchAtLoginItem = m_menu.addAction(u"Launch at Login"_s);
    m_launchAtLoginItem->setCheckable(true);
    m_launchAtLoginItem->setChecked(m_launchAtLogin.isEnabled());
    connect(m_launchAtLoginItem, &QAction::triggered, this, &MenuBarCompanion::changeLaunchAtLogin);

    m_checkForUpdatesItem = m_menu.addAction(u"Check for Updates…"_s, &m_updater, &Updater::checkForUpdates);
    m_checkForUpdatesItem->setEnabled(m_updater.canCheckForUpdates());
    connect(&m_updater, &Updater::canCheckForUpdatesChanged, m_checkForUpdatesItem,
            [this] { m_checkForUpdatesItem->setEnabled(m_updater.canCheckForUpdates()); });

    QAction* quit = m_menu.addAction(u"Quit Berthwise"_s, this, &MenuBarCompanion::quitRequested);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MenuBarCompanion::rebuildProfileItem() {
    QAction* replacement = nullptr;
    const QList<DockProfile>& profiles = m_viewModel.profiles()->profiles();
    if (profiles.isEmpty()) {
        replacement = new QAction(u"No profiles saved"_s, &m_menu);
        replacement->setEnabled(false);
    } else {
        auto* submenu = new QMenu(u"Apply Profile"_s, &m_menu);
        for (const DockProfile& profile : profiles) {
            submenu->addAction(profile.name, this,
                               [this, id = idText(profile.id)] { m_viewModel.applyProfile(id); });
        }
        replacement = submenu->menuAction();
    }
    m_menu.insertAction(m_presetItem, replacement);
    if (m_profileItem) {
        QAction* old = m_profileItem;
        m_menu.removeAction(old);
        if (QMenu* oldSubmenu = old->menu())
            oldSubmenu->deleteLater();
        else
            old->deleteLater();
    }
    m_profileItem = replacement;
}

void MenuBarCompanion::changeLaunchAtLogin(bool enabled) {
    m_launchAtLogin.setEnabled(enabled);
    m_launchAtLoginItem->setChecked(m_launchAtLogin.isEnabled());
}

void MenuBarCompanion::openOnClick(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger && !m_menu.isVisible())
        m_menu.popup(QCursor::pos());
}

void MenuBarCompanion::show() {
    if (!m_trayIcon) {
        m_trayIcon = std::make_unique<QSystemTrayIcon>(AppIcon::menuBar());
        m_trayIcon->setToolTip(u"Berthwise"_s);
        m_trayIcon->setContextMenu(&m_menu);
#ifndef Q_OS_MACOS
        // A macOS menu bar item opens its menu on any click by itself; elsewhere a plain click
        // only reports an activation.
        connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this, &MenuBarCompanion::openOnClick);
#endif
    }
    m_trayIcon->show();
}
