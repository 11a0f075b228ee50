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

QString profilesFixture() {
    return QStringLiteral(BERTHWISE_TEST_DATA) + u"/stores/profiles.json"_s;
}

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

    // Profiles on disk are loaded when the view model starts.
    void start(bool withProfiles) {
        m_home = std::make_unique<TestHome>();
        const Platform platform = m_home->recordingPlatform();
        if (withProfiles) {
            QDir().mkpath(platform.applicationSupportFolder);
            QVERIFY(QFile::copy(profilesFixture(), platform.profilesFile()));
        }
        m_viewModel = std::make_unique<DockViewModel>(platform);
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

    void itemsInOrder_data() {
        QTest::addColumn<bool>("withProfiles");
        QTest::addColumn<QString>("profileItem");
        QTest::newRow("no profiles") << false << u"No profiles saved"_s;
        QTest::newRow("profiles") << true << u"Apply Profile"_s;
    }

    void itemsInOrder() {
        QFETCH(bool, withProfiles);
        QFETCH(QString, profileItem);
        start(withProfiles);
        QMenu& menu = *m_companion->menu();
        open(menu);
        const QStringList expected = {u"Open Berthwise"_s,
                                      u"-"_s,
                                      profileItem,
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

        QAction* profiles = item(menu, profileItem);
        QCOMPARE(profiles->isEnabled(), withProfiles);
        QCOMPARE(profiles->menu() != nullptr, withProfiles);
        QCOMPARE(item(menu, u"Open Berthwise"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(item(menu, u"Quit Berthwise"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QVERIFY(item(menu, u"Auto-hide Dock"_s)->isCheckable());
        QVERIFY(item(menu, u"Launch at Login"_s)->isCheckable());
        // This platform's packages bring updates, so no check can run.
        QVERIFY(!item(menu, u"Check for Updates…"_s)->isEnabled());
    }

    void profilesFollowTheListEachTimeTheMenuOpens() {
        start(false);
        QMenu& menu = *m_companion->menu();
        open(menu);
        QVERIFY(item(menu, u"No profiles saved"_s));

        const Platform platform = m_home->recordingPlatform();
        QDir().mkpath(platform.applicationSupportFolder);
        QVERIFY(QFile::copy(profilesFixture(), platform.profilesFile()));
        m_viewModel->reloadProfiles();
        open(menu);
        QVERIFY(!item(menu, u"No profiles saved"_s));
        QAction* submenu = item(menu, u"Apply Profile"_s);
        QVERIFY(submenu && submenu->menu());
        QStringList expectedNames;
        for (const QVariant& profile : m_viewModel->profileList())
            expectedNames.append(profile.toMap().value(u"name"_s).toString());
        QVERIFY(!expectedNames.isEmpty());
        QCOMPARE(titles(*submenu->menu()), expectedNames);
        // Reopening never stacks a second copy of the item.
        open(menu);
        QCOMPARE(titles(menu).count(u"Apply Profile"_s), 1);
    }

    void choosingAProfileAppliesIt() {
        start(true);
        QMenu& menu = *m_companion->menu();
        open(menu);
        QAction* first = item(menu, u"Apply Profile"_s)->menu()->actions().first();
        first->trigger();
        waitUntilIdle();
        QCOMPARE(m_viewModel->statusMessage(), u"Profile '"_s + first->text() + u"' applied."_s);
    }

    void presetsInCatalogueOrderAndApplied() {
        start(false);
        QMenu& menu = *m_companion->menu();
        QMenu* presets = item(menu, u"Apply Preset"_s)->menu();
        QStringList expected;
        for (const DockPreset& preset : DockPreset::builtInPresets())
            expected.append(preset.name);
        QCOMPARE(titles(*presets), expected);

        QAction* last = presets->actions().last();
        last->trigger();
        waitUntilIdle();
        QCOMPARE(m_viewModel->statusMessage(), u"'"_s + last->text() + u"' applied."_s);
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

    void buttonsStartTheirOperations_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("status");
        QTest::newRow("add spacer") << u"Add Spacer"_s << u"Standard spacer added to Apps Section."_s;
        QTest::newRow("backup") << u"Backup Dock Now"_s << u"Backup created successfully."_s;
    }

    void buttonsStartTheirOperations() {
        QFETCH(QString, title);
        QFETCH(QString, status);
        start(false);
        const QString live = m_viewModel->backupService().shell().platform().dockPreferencesFile;
        QDir().mkpath(QFileInfo(live).absolutePath());
        QFile preferences(live);
        QVERIFY(preferences.open(QIODevice::WriteOnly));
        preferences.write(R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0"><dict/></plist>)");
        preferences.close();

        item(*m_companion->menu(), title)->trigger();
        waitUntilIdle();
        QCOMPARE(m_viewModel->lastError(), QString());
        QCOMPARE(m_viewModel->statusMessage(), status);
    }

    void launchAtLoginToggledTwice() {
        start(false);
        QAction* toggle = item(*m_companion->menu(), u"Launch at Login"_s);
        const QString entry = launchAtLogin().entryFile();
        QVERIFY(!toggle->isChecked());

        toggle->trigger();
        QVERIFY(toggle->isChecked());
        QVERIFY(QFileInfo::exists(entry));
        QFile written(entry);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("Exec=/opt/Berthwise/berthwise\n"));

        toggle->trigger();
        QVERIFY(!toggle->isChecked());
        QVERIFY(!QFileInfo::exists(entry));
    }

    void launchAtLoginShowsTheRealStateWhenTheChangeFails() {
        start(false);
        // A file where the autostart folder should be makes the entry impossible to write.
        const QString entry = launchAtLogin().entryFile();
        QDir().mkpath(QFileInfo(QFileInfo(entry).absolutePath()).absolutePath());
        QFile blocker(QFileInfo(entry).absolutePath());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        QAction* toggle = item(*m_companion->menu(), u"Launch at Login"_s);
        toggle->trigger();
        QVERIFY(!toggle->isChecked());
    }

    void openAndQuitAreHandedToTheApplication() {
        start(false);
        QSignalSpy opened(m_companion.get(), &MenuBarCompanion::openWindowRequested);
        QSignalSpy quit(m_companion.get(), &MenuBarCompanion::quitRequested);
        item(*m_companion->menu(), u"Open Berthwise"_s)->trigger();
        QCOMPARE(opened.count(), 1);
        QCOMPARE(quit.count(), 0);
        item(*m_companion->menu(), u"Quit Berthwise"_s)->trigger();
        QCOMPARE(quit.count(), 1);
    }
};

QTEST_MAIN(TestMenuBarCompanion)
#include "tst_menubarcompanion.moc"
