// SPDX-License-Identifier: MIT
#include "MenuBarCompanion.h"

#include "AppIcon.h"
#include "platform/Updater.h"
#include "state/DisplayText.h"
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
    followProfiles();
}

MenuBarCompanion::~MenuBarCompanion() = default;

void MenuBarCompanion::buildMenu() {
    QAction* open = m_menu.addAction(tr("Open Berthwise"), this, &MenuBarCompanion::openWindowRequested);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_menu.addSeparator();

    auto* presets = new QMenu(tr("Apply Preset"), &m_menu);
    for (const DockPreset& preset : DockPreset::builtInPresets()) {
        presets->addAction(DisplayText::presetName(preset), this,
                           [this, id = idText(preset.id)] { m_viewModel.applyPreset(id); });
    }
    m_noProfilesItem = new QAction(tr("No profiles saved"), &m_menu);
    m_noProfilesItem->setEnabled(false);
    m_menu.addAction(m_noProfilesItem);
    m_profileMenu = new QMenu(tr("Apply Profile"), &m_menu);
    m_menu.addMenu(m_profileMenu);
    m_presetItem = m_menu.addMenu(presets);
    m_menu.addSeparator();

    m_autoHideItem = m_menu.addAction(tr("Auto-hide Dock"));
    m_autoHideItem->setCheckable(true);
    m_autoHideItem->setChecked(m_viewModel.isAutoHideEnabled());
    // `triggered` comes only from the user, so following the view model here writes nothing.
    connect(&m_viewModel, &DockViewModel::isAutoHideEnabledChanged, m_autoHideItem,
            [this] { m_autoHideItem->setChecked(m_viewModel.isAutoHideEnabled()); });
    connect(m_autoHideItem, &QAction::triggered, this,
            [this](bool checked) { m_viewModel.applyAutoHide(checked); });

    m_menu.addAction(tr("Add Spacer"), this, [this] { m_viewModel.addSpacer(u"standard"_s, u"apps"_s); });
    m_menu.addAction(tr("Backup Dock Now"), this, [this] { m_viewModel.createBackup(); });
    m_menu.addSeparator();

    m_launchAtLoginItem = m_menu.addAction(tr("Launch at Login"));
    m_launchAtLoginItem->setCheckable(true);
    m_launchAtLoginItem->setChecked(m_launchAtLogin.isEnabled());
    connect(m_launchAtLoginItem, &QAction::triggered, this, &MenuBarCompanion::changeLaunchAtLogin);

    m_checkForUpdatesItem = m_menu.addAction(tr("Check for Updates…"), &m_updater, &Updater::checkForUpdates);
    m_checkForUpdatesItem->setEnabled(m_updater.canCheckForUpdates());
    connect(&m_updater, &Updater::canCheckForUpdatesChanged, m_checkForUpdatesItem,
            [this] { m_checkForUpdatesItem->setEnabled(m_updater.canCheckForUpdates()); });

    QAction* quit = m_menu.addAction(tr("Quit Berthwise"), this, &MenuBarCompanion::quitRequested);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MenuBarCompanion::followProfiles() {
    const ProfileListModel* model = m_viewModel.profiles();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { insertProfileItems(first, last); });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { removeProfileItems(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                renameProfileItems(topLeft.row(), bottomRight.row());
            });
    connect(model, &QAbstractItemModel::modelReset, this, &MenuBarCompanion::rebuildProfileItems);
    // One connection for every profile's item, each naming its profile in its data.
    connect(m_profileMenu, &QMenu::triggered, this,
            [this](const QAction* action) { m_viewModel.applyProfile(action->data().toString()); });
    rebuildProfileItems();
}

void MenuBarCompanion::insertProfileItems(int first, int last) {
    const QList<DockProfile>& profiles = m_viewModel.profiles()->profiles();
    const QList<QAction*> items = m_profileMenu->actions();
    QAction* before = first < items.size() ? items.at(first) : nullptr;
    for (int row = first; row <= last; ++row) {
        auto* action = new QAction(profiles.at(row).name, m_profileMenu);
        action->setData(idText(profiles.at(row).id));
        m_profileMenu->insertAction(before, action);
    }
    m_noProfilesItem->setVisible(profiles.isEmpty());
    m_profileMenu->menuAction()->setVisible(!profiles.isEmpty());
}

void MenuBarCompanion::removeProfileItems(int first, int last) {
    const QList<QAction*> items = m_profileMenu->actions();
    for (int row = first; row <= last; ++row)
        delete items.at(row);
    const bool none = m_profileMenu->actions().isEmpty();
    m_noProfilesItem->setVisible(none);
    m_profileMenu->menuAction()->setVisible(!none);
}

void MenuBarCompanion::renameProfileItems(int first, int last) {
    const QList<DockProfile>& profiles = m_viewModel.profiles()->profiles();
    const QList<QAction*> items = m_profileMenu->actions();
    for (int row = first; row <= last; ++row)
        items.at(row)->setText(profiles.at(row).name);
}

void MenuBarCompanion::rebuildProfileItems() {
    qDeleteAll(m_profileMenu->actions());
    insertProfileItems(0, int(m_viewModel.profiles()->profiles().size()) - 1);
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
