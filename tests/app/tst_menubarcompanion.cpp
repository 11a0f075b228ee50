// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "MenuBarCompanion.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/LaunchAtLogin.h"
#include "platform/Updater.h"
#include "state/DockViewModel.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The shown items' titles top to bottom, separators as "-".
QStringList titles(const QMenu& menu) {
    QStringList result;
    for (const QAction* action : menu.actions()) {
        if (action->isVisible())
            result.append(action->isSeparator() ? u"-"_s : action->text());
    }
    return result;
}

QAction* item(const QMenu& menu, const QString& title) {
    for (QAction* action : menu.actions()) {
        if (action->text() == title)
            return action;
    }
    return nullptr;
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
        TestFiles::write(
            m_home->platform().profilesFile(),
            TestFiles::content(QStringLiteral(BERTHWISE_TEST_DATA) + u"/stores/profiles.json"_s));
    }

    // The Dock is never read, so the records hold only what the tests do.
    void start() {
        m_home = std::make_unique<TestHome>();
        m_viewModel =
            std::make_unique<DockViewModel>(m_home->recordingPlatform(), &QDateTime::currentDateTime, nullptr,
                                            DockViewModel::DockReading::whenAsked);
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
        start();
        QMenu& menu = *m_companion->menu();
        Q_EMIT menu.aboutToShow();
        QStringList expected = titles(menu);
        QVERIFY(!item(menu, u"No profiles saved"_s)->isEnabled());
        // This platform's packages bring updates, so no check can run.
        QVERIFY(!item(menu, u"Check for Updates…"_s)->isEnabled());

        storeProfiles();
        m_viewModel->reloadProfiles();
        QTRY_COMPARE(m_viewModel->profiles()->rowCount(), 3);
        Q_EMIT menu.aboutToShow();
        Q_EMIT menu.aboutToShow();
        expected.replace(expected.indexOf(u"No profiles saved"_s), u"Apply Profile"_s);
        QCOMPARE(titles(menu), expected);
        QMenu& profileMenu = *item(menu, u"Apply Profile"_s)->menu();
        QCOMPARE(titles(profileMenu), QStringList({u"Focus"_s, u"Evening"_s, u"Work"_s}));
        // Edits made in the window show at once, each in its own item.
        const QList<DockProfile> profiles = m_viewModel->profiles()->profiles();
        m_viewModel->renameProfile(profiles.at(1).id.toString(QUuid::WithoutBraces), u"Night"_s);
        m_viewModel->deleteProfile(profiles.at(0).id.toString(QUuid::WithoutBraces));
        waitUntilIdle();
        QVERIFY(QTest::qWaitFor([this] { return m_viewModel->profiles()->count() == 2; }));
        QCOMPARE(titles(profileMenu), QStringList({u"Night"_s, u"Work"_s}));
        profileMenu.actions().constFirst()->trigger();
        waitUntilIdle();
        QCOMPARE(m_viewModel->statusMessage(), u"Profile 'Night' applied."_s);

        QSignalSpy opened(m_companion.get(), &MenuBarCompanion::openWindowRequested);
        QSignalSpy quit(m_companion.get(), &MenuBarCompanion::quitRequested);
        item(menu, u"Open Berthwise"_s)->trigger();
        QVERIFY(opened.count() == 1 && quit.isEmpty());
        item(menu, u"Quit Berthwise"_s)->trigger();
        QCOMPARE(quit.count(), 1);
    }

    // The item writes through the view model; a change made in the window only shows in it.
    void autoHideItemWritesOnceAndFollowsTheWindow() {
        start();
        QAction* autoHide = item(*m_companion->menu(), u"Auto-hide Dock"_s);
        autoHide->trigger();
        waitUntilIdle();
        m_viewModel->setIsAutoHideEnabled(false);
        QVERIFY(!autoHide->isChecked() && !m_viewModel->isWorking());
        QCOMPARE(m_home->recordedScripts(),
                 QStringList{u"defaults write com.apple.dock autohide -bool true\nkillall Dock"_s});
    }
};

QTEST_MAIN(TestMenuBarCompanion)
#include "tst_menubarcompanion.moc"
