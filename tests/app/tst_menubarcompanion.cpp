// SPDX-License-Identifier: MIT
#include "MenuBarCompanion.h"
#include "TestHome.h"
#include "platform/LaunchAtLogin.h"
#include "platform/Updater.h"
#include "state/DockViewModel.h"
#include "stores/DockPreset.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Item titles top to bottom, separators as "-".
QStringList titles(const QMenu& menu) {
    QStringList result;
    for (const QAction* action : menu.actions())
        result.append(action->isSeparator() ? u"-"_s : action->text());
    return result;
}

QAction* item(const QMenu& menu, const QString& title) {
    for (QAction* action : menu.actions()) {
        if (action->text() == title)
            return action;
    }
    return nullptr;
}

void open(QMenu& menu) {
    Q_EMIT menu.aboutToShow();
}

} // namespace

// The menu bar companion's items, built from a view model on the recording shell.
class TestMenuBarCompanion : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<DockViewModel> m_viewModel;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<MenuBarCompanion> m_companion;

    void storeProfiles() const {
        const Platform platform = m_home->recordingPlatform();
        QDir().mkpath(platform.applicationSupportFolder);
        QVERIFY(QFile::copy(QStringLiteral(BERTHWISE_TEST_DATA) + u"/stores/profiles.json"_s,
                            platform.profilesFile()));
    }

    // Profiles on disk are loaded when the view model starts.
    void start(bool withProfiles) {
        m_home = std::make_unique<TestHome>();
        if (withProfiles)
            storeProfiles();
        m_viewModel = std::make_unique<DockViewModel>(m_home->recordingPlatform());
        // The recording shell prints nothing, so the start-up read ends by landing the defaults'
        // magnified size; waiting for it keeps that read out of what the tests record.
        QVERIFY(QTest::qWaitFor([this] { return m_viewModel->magnificationSize() == 128; }, 60'000));
        m_home->clearRecords();
        m_updater = std::make_unique<Updater>();
        m_companion = std::make_unique<MenuBarCompanion>(*m_viewModel, *m_updater, launchAtLogin());
    }

    [[nodiscard]] LaunchAtLogin launchAtLogin() const {
        return LaunchAtLogin(m_home->path() + u"/.config/autostart/berthwise.desktop"_s,
                             u"/opt/Berthwise/berthwise"_s);
    }

    void waitUntilIdle() const {
        QVERIFY(QTest::qWaitFor([this] { return !m_viewModel->isWorking(); }, 60'000));
    }

private Q_SLOTS:
    void cleanup() {
        if (m_viewModel)
            waitUntilIdle();
        m_companion.reset();
        m_updater.reset();
        m_viewModel.reset();
        m_home.reset();
    }

    void itemsFollowTheViewModelEachTimeTheMenuOpens() {
        start(false);
        QMenu& menu = *m_companion->menu();
        open(menu);
        QStringList expected = {u"Open Berthwise"_s,
                                u"-"_s,
                                u"No profiles saved"_s,
                                u"Apply Preset"_s,
                                u"-"_s,
                                u"Auto-hide Dock"_s,
                                u"Add Spacer"_s,
                                u"Backup Dock Now"_s,
                                u"-"_s,
                                u"Launch at Login"_s,
                                u"Check for Updates…"_s,
                                u"Quit Berthwise"_s};
        QCOMPARE(titles(menu), expected);
        QVERIFY(!item(menu, u"No profiles saved"_s)->isEnabled());
        QCOMPARE(item(menu, u"Open Berthwise"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(item(menu, u"Quit Berthwise"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QVERIFY(item(menu, u"Auto-hide Dock"_s)->isCheckable() &&
                item(menu, u"Launch at Login"_s)->isCheckable());
        // This platform's packages bring updates, so no check can run.
        QVERIFY(!item(menu, u"Check for Updates…"_s)->isEnabled());
        QStringList presets;
        for (const DockPreset& preset : DockPreset::builtInPresets())
            presets.append(preset.name);
        QCOMPARE(titles(*item(menu, u"Apply Preset"_s)->menu()), presets);

        storeProfiles();
        m_viewModel->reloadProfiles();
        open(menu);
        open(menu);
        expected[2] = u"Apply Profile"_s;
        QCOMPARE(titles(menu), expected);
        QCOMPARE(titles(*item(menu, u"Apply Profile"_s)->menu()),
                 QStringList({u"Focus"_s, u"Evening"_s, u"Work"_s}));

        QSignalSpy opened(m_companion.get(), &MenuBarCompanion::openWindowRequested);
        QSignalSpy quit(m_companion.get(), &MenuBarCompanion::quitRequested);
        item(menu, u"Open Berthwise"_s)->trigger();
        QVERIFY(opened.count() == 1 && quit.isEmpty());
        item(menu, u"Quit Berthwise"_s)->trigger();
        QCOMPARE(quit.count(), 1);
    }

    void itemsStartTheirOperations_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("status");
        QTest::newRow("profile") << QStringList{u"Apply Profile"_s, u"Evening"_s}
                                 << u"Profile 'Evening' applied."_s;
        QTest::newRow("preset") << QStringList{u"Apply Preset"_s, u"Developer Mode"_s}
                                << u"'Developer Mode' applied."_s;
        QTest::newRow("add spacer") << QStringList{u"Add Spacer"_s}
                                    << u"Standard spacer added to Apps Section."_s;
        QTest::newRow("backup") << QStringList{u"Backup Dock Now"_s} << u"Backup created successfully."_s;
    }

    void itemsStartTheirOperations() {
        QFETCH(QStringList, path);
        start(true);
        const QString live = m_viewModel->backupService().shell().platform().dockPreferencesFile;
        QDir().mkpath(QFileInfo(live).absolutePath());
        QFile preferences(live);
        QVERIFY(preferences.open(QIODevice::WriteOnly));
        preferences.write(R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0"><dict/></plist>)");
        preferences.close();

        QMenu* menu = m_companion->menu();
        open(*menu);
        for (const QString& title : path.first(path.size() - 1))
            menu = item(*menu, title)->menu();
        item(*menu, path.last())->trigger();
        waitUntilIdle();
        QCOMPARE(m_viewModel->lastError(), QString());
        QTEST(m_viewModel->statusMessage(), "status");
    }

    void autoHideWritesThroughPerformAndFollowsTheViewModel() {
        start(false);
        QAction* autoHide = item(*m_companion->menu(), u"Auto-hide Dock"_s);
        QVERIFY(!autoHide->isChecked());

        autoHide->trigger();
        QVERIFY(m_viewModel->isAutoHideEnabled());
        QVERIFY(m_viewModel->isWorking());
        waitUntilIdle();
        QCOMPARE(m_home->recordedScripts(),
                 QStringList{u"defaults write com.apple.dock autohide -bool true\nkillall Dock"_s});
        QCOMPARE(m_viewModel->statusMessage(), u"Dock updated successfully."_s);

        // A change made in the window shows in the menu and writes nothing more from here.
        m_home->clearRecords();
        m_viewModel->setIsAutoHideEnabled(false);
        QVERIFY(!autoHide->isChecked());
        QVERIFY(!m_viewModel->isWorking());
        QVERIFY(m_home->recordedScripts().isEmpty());
    }

    // The context click is the tray's own business: opening the menu for it too would open it twice.
    void aPlainClickOnTheTrayOpensTheMenu_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("opens");
        QTest::newRow("plain click") << int(QSystemTrayIcon::Trigger) << true;
        QTest::newRow("context click") << int(QSystemTrayIcon::Context) << false;
    }

    void aPlainClickOnTheTrayOpensTheMenu() {
        QFETCH(int, reason);
        start(false);
        m_companion->show();
        Q_EMIT m_companion->trayIcon()->activated(QSystemTrayIcon::ActivationReason(reason));
        QTEST(m_companion->menu()->isVisible(), "opens");
        m_companion->menu()->close();
    }

    void launchAtLoginShowsTheEntrysRealState() {
        start(false);
        QAction* toggle = item(*m_companion->menu(), u"Launch at Login"_s);
        const QString entry = launchAtLogin().entryFile();
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(toggle->isChecked());
        QFile written(entry);
        QVERIFY(written.open(QIODevice::ReadOnly) &&
                written.readAll().contains("Exec=/opt/Berthwise/berthwise\n"));
        toggle->trigger();
        QVERIFY(!toggle->isChecked() && !QFileInfo::exists(entry));

        // A file where the autostart folder should be makes the entry impossible to write.
        const QString folder = QFileInfo(entry).absolutePath();
        QVERIFY(QDir(folder).removeRecursively() && QFile(folder).open(QIODevice::WriteOnly));
        toggle->trigger();
        QVERIFY(!toggle->isChecked());
    }
};

QTEST_MAIN(TestMenuBarCompanion)
#include "tst_menubarcompanion.moc"
