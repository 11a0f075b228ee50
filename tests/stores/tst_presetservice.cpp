// SPDX-License-Identifier: MIT
#include "RunTask.h"
#include "TestHome.h"
#include "stores/PresetService.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

class PresetServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // No Dock preferences file, so no backup can be taken; the settings are written all the same.
    void appliesWithoutABackup() {
        TestHome home;
        const Platform platform = home.recordingPlatform();
        const PresetService service{DockService(ShellService(platform)),
                                    BackupService(ShellService(platform))};
        runTask(service.applyPreset(DockPreset::builtInPresets().at(2)));
        QVERIFY(QDir(platform.backupsFolder()).isEmpty());
        const QStringList scripts = home.recordedScripts();
        QCOMPARE(scripts.size(), 12);
        const QString all = scripts.join(u'\n');
        for (const QString& line : {u"autohide -bool true"_s, u"autohide-delay -float 0"_s,
                                    u"show-process-indicators -bool false"_s, u"showhidden -bool false"_s,
                                    u"mineffect -string scale"_s, u"orientation -string bottom"_s})
            QVERIFY2(all.contains(line), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(PresetServiceTest)
#include "tst_presetservice.moc"
