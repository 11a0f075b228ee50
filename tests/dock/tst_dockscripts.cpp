// SPDX-License-Identifier: MIT
#include "DockTesting.h"
#include "RunTask.h"
#include "TestHome.h"
#include "dock/DockService.h"

#include <QTest>

namespace {

QString lines(std::initializer_list<QString> list) {
    return QStringList(list).join(u'\n');
}

QString write(const QString& line) {
    return lines({line, u"killall Dock"_s});
}

const QStringList customisedScripts{
    write(u"defaults write com.apple.dock tilesize -int 36"_s),
    write(u"defaults write com.apple.dock magnification -bool true"_s),
    write(u"defaults write com.apple.dock largesize -int 96"_s),
    write(u"defaults write com.apple.dock autohide -bool true"_s),
    lines({u"defaults write com.apple.dock autohide-delay -float 0"_s,
           u"defaults write com.apple.dock autohide-time-modifier -float 0.2"_s, u"killall Dock"_s}),
    write(u"defaults write com.apple.dock show-recents -bool false"_s),
    write(u"defaults write com.apple.dock minimize-to-application -bool true"_s),
    write(u"defaults write com.apple.dock showhidden -bool true"_s),
    write(u"defaults write com.apple.dock static-only -bool true"_s),
    write(u"defaults write com.apple.dock show-process-indicators -bool false"_s),
    write(u"defaults write com.apple.dock orientation -string left"_s),
    write(u"defaults write com.apple.dock mineffect -string scale"_s),
};

} // namespace

// Every change reaches the Dock as a script for the shell; these are compared character for
// character, since a stray space or quote changes what `defaults` stores.
class DockScriptsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void composesExactScripts_data() {
        QTest::addColumn<DockOperation>("operation");
        QTest::addColumn<QStringList>("scripts");

        QTest::newRow("boolean off") << DockOperation([](const DockService& dock) {
            return dock.writeBool(DockPreferenceKey::showRecents, false);
        }) << QStringList{write(u"defaults write com.apple.dock show-recents -bool false"_s)};
        QTest::newRow("text") << DockOperation([](const DockService& dock) {
            return dock.writeString(DockPreferenceKey::orientation, rawValue(DockPosition::left));
        }) << QStringList{write(u"defaults write com.apple.dock orientation -string left"_s)};
        QTest::newRow("integer") << DockOperation([](const DockService& dock) {
            return dock.writeInt(DockPreferenceKey::tileSize, 48);
        }) << QStringList{write(u"defaults write com.apple.dock tilesize -int 48"_s)};
        QTest::newRow("integer beyond 32 bits") << DockOperation([](const DockService& dock) {
            return dock.writeInt(DockPreferenceKey::tileSize, 4'294'967'296);
        }) << QStringList{write(u"defaults write com.apple.dock tilesize -int 4294967296"_s)};

        QTest::newRow("fast auto-hide on")
            << DockOperation([](const DockService& dock) { return dock.setFastAutoHide(true); })
            << QStringList{lines({u"defaults write com.apple.dock autohide-delay -float 0"_s,
                                  u"defaults write com.apple.dock autohide-time-modifier -float 0.2"_s,
                                  u"killall Dock"_s})};
        QTest::newRow("fast auto-hide off")
            << DockOperation([](const DockService& dock) { return dock.setFastAutoHide(false); })
            << QStringList{lines({u"defaults delete com.apple.dock autohide-delay || true"_s,
                                  u"defaults delete com.apple.dock autohide-time-modifier || true"_s,
                                  u"killall Dock"_s})};

        QTest::newRow("spacer, apps")
            << DockOperation([](const DockService& dock) {
                   return dock.addSpacer(DockSpacerType::standard, DockSection::apps);
               })
            << QStringList{write(
                   u"defaults write com.apple.dock persistent-apps -array-add '{\"tile-type\"=\"spacer-tile\";}'"_s)};
        QTest::newRow("small spacer, apps")
            << DockOperation([](const DockService& dock) {
                   return dock.addSpacer(DockSpacerType::small, DockSection::apps);
               })
            << QStringList{write(u"defaults write com.apple.dock persistent-apps -array-add "
                                 "'{\"tile-type\"=\"small-spacer-tile\";}'"_s)};
        QTest::newRow("spacer, others")
            << DockOperation([](const DockService& dock) {
                   return dock.addSpacer(DockSpacerType::standard, DockSection::others);
               })
            << QStringList{write(
                   u"defaults write com.apple.dock persistent-others -array-add '{\"tile-type\"=\"spacer-tile\";}'"_s)};
        QTest::newRow("small spacer, others")
            << DockOperation([](const DockService& dock) {
                   return dock.addSpacer(DockSpacerType::small, DockSection::others);
               })
            << QStringList{write(u"defaults write com.apple.dock persistent-others -array-add "
                                 "'{\"tile-type\"=\"small-spacer-tile\";}'"_s)};

        const auto recents = [](int listType) {
            return QStringList{lines({
                u"defaults write com.apple.dock persistent-others -array-add '{"_s,
                u"  \"tile-data\" = {"_s,
                u"    \"list-type\" = %1;"_s.arg(listType),
                u"  };"_s,
                u"  \"tile-type\" = \"recents-tile\";"_s,
                u"}';"_s,
                u"killall Dock"_s,
            })};
        };
        QTest::newRow("recent applications") << DockOperation([](const DockService& dock) {
            return dock.addRecentStack(RecentStackType::applications);
        }) << recents(1);
        QTest::newRow("recent documents") << DockOperation([](const DockService& dock) {
            return dock.addRecentStack(RecentStackType::documents);
        }) << recents(2);
        QTest::newRow("recent servers") << DockOperation([](const DockService& dock) {
            return dock.addRecentStack(RecentStackType::servers);
        }) << recents(4);

        QTest::newRow("reset") << DockOperation([](const DockService& dock) { return dock.resetDock(); })
                               << QStringList{write(u"defaults delete com.apple.dock || true"_s)};

        QTest::newRow("whole configuration") << DockOperation([](const DockService& dock) {
            return dock.applyConfiguration(customisedConfiguration());
        }) << customisedScripts;
    }

    void composesExactScripts() {
        QFETCH(DockOperation, operation);
        QFETCH(QStringList, scripts);
        TestHome home;
        // A script that fails, as `defaults delete` of a missing key does, must not fail the operation.
        const auto status = scopedVariable("BERTHWISE_RECORD_EXIT", "1");
        const auto complaint =
            scopedVariable("BERTHWISE_RECORD_STDERR", "Domain (com.apple.dock) not found.\n");
        const DockService dock{ShellService(home.recordingPlatform())};

        runTask(operation(dock));

        QCOMPARE(home.recordedScripts(), scripts);
        QCOMPARE(home.recordedCalls().size(), scripts.size());
    }
};

QTEST_GUILESS_MAIN(DockScriptsTest)
#include "tst_dockscripts.moc"
