// SPDX-License-Identifier: MIT
#include "RunTask.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "dock/Error.h"
#include "stores/BackupService.h"

#include <QLocale>
#include <QTest>
#include <QThread>

#include <plist/plist.h>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

namespace {

const QByteArray xmlDictionary = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                                 "<key>tilesize</key><integer>52</integer></dict></plist>\n";

QByteArray binaryDictionary() {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "orientation", plist_new_string("left"));
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    QByteArray data(bytes, qsizetype(length));
    free(bytes);
    plist_free(root);
    return data;
}

// The live file and anything named after it, such as a forgotten scratch copy.
QStringList filesBeside(const QString& live) {
    const QFileInfo info(live);
    return info.absoluteDir().entryList({info.fileName() + u'*', u'.' + info.fileName() + u'*'},
                                        QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class BackupServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The time stamp is the local time of day, not UTC; the zone here is well away from UTC.
    void namesTheBackupAfterTheLocalTime() {
        TestHome home;
        const BackupService service{ShellService(home.platform())};
        write(service.shell().platform().dockPreferencesFile, xmlDictionary);
        const QByteArray savedZone = qgetenv("TZ");
        qputenv("TZ", "XST-05:45");
        const int offset = 5 * 3600 + 45 * 60;
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(offset);
        const QString backup = service.createBackup();
        const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(offset);
        qputenv("TZ", savedZone);

        const QString format = u"'com.apple.dock.backup.'yyyyMMdd-HHmmss'.plist'"_s;
        const QString name = QFileInfo(backup).fileName();
        QVERIFY2(name == QLocale::c().toString(before, format) ||
                     name == QLocale::c().toString(after, format),
                 qPrintable(name));
        QCOMPARE(content(backup), xmlDictionary);
    }

    void aSecondBackupInTheSameSecondReplacesTheFirst() {
        TestHome home;
        const BackupService service{ShellService(home.platform())};
        const QString live = service.shell().platform().dockPreferencesFile;
        // The two backups must fall within one second; on a slow moment, try again.
        for (int attempt = 0; attempt < 20; ++attempt) {
            write(live, "first");
            const QString first = service.createBackup();
            write(live, "second");
            const QString second = service.createBackup();
            if (first == second) {
                QCOMPARE(service.listBackups(), QStringList{second});
                QCOMPARE(content(second), QByteArray("second"));
                return;
            }
            service.deleteBackup(first);
            service.deleteBackup(second);
        }
        QSKIP("never managed two backups within one second");
    }

    void listsPlistFilesNewestCreatedFirst_data() {
        QTest::addColumn<QStringList>("created");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no folder") << QStringList{} << QStringList{};
        QTest::newRow("no plist files") << QStringList{u"notes.txt"_s, u".hidden.plist"_s, u"OLD.PLIST"_s,
                                                       u"x.Plist"_s, u"folder.plist/"_s}
                                        << QStringList{};
        // Creation order runs against both orders of the names.
        QTest::newRow("by creation") << QStringList{u"com.apple.dock.backup.20990101-000000.plist"_s,
                                                    u"b.plist"_s, u"notes.txt"_s,
                                                    u"com.apple.dock.backup.20000101-000000.plist"_s,
                                                    u".hidden.plist"_s}
                                     << QStringList{u"com.apple.dock.backup.20000101-000000.plist"_s,
                                                    u"b.plist"_s,
                                                    u"com.apple.dock.backup.20990101-000000.plist"_s};
    }

    void listsPlistFilesNewestCreatedFirst() {
        QFETCH(QStringList, created);
        QFETCH(QStringList, expected);
        TestHome home;
        const BackupService service{ShellService(home.platform())};
        const QDir folder(service.shell().platform().backupsFolder());
        for (const QString& name : created) {
            if (name.endsWith(u'/'))
                folder.mkpath(name);
            else
                write(folder.filePath(name), xmlDictionary);
            // Creation times are kept to the millisecond; make sure they differ.
            QThread::msleep(15);
        }
        QStringList listed;
        for (const QString& path : service.listBackups())
            listed.append(path.startsWith(folder.absolutePath() + u'/') ? QFileInfo(path).fileName() : path);
        QCOMPARE(listed, expected);
    }

    void refusedRestoreLeavesTheLiveFileAlone_data() {
        QTest::addColumn<QByteArray>("backup");
        QTest::newRow("text") << QByteArray("tilesize = 52\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("array at the top")
            << QByteArray("<plist version=\"1.0\"><array><true/></array></plist>");
        QTest::newRow("truncated binary") << binaryDictionary().left(20);
    }

    void refusedRestoreLeavesTheLiveFileAlone() {
        QFETCH(QByteArray, backup);
        TestHome home;
        const BackupService service{ShellService(home.recordingPlatform())};
        const QString live = service.shell().platform().dockPreferencesFile;
        write(live, binaryDictionary());
        write(home.path() + u"/chosen.plist"_s, backup);

        QVERIFY_THROWS_EXCEPTION(Error, runTask(service.restoreBackup(home.path() + u"/chosen.plist"_s)));
        QCOMPARE(content(live), binaryDictionary());
        QCOMPARE(filesBeside(live), QStringList{QFileInfo(live).fileName()});
        QVERIFY(home.recordedCalls().isEmpty());
    }

    // killall fails throughout, as it does when no Dock runs.
    void restoresAndRestartsTheDock_data() {
        QTest::addColumn<QByteArray>("backup");
        QTest::addColumn<bool>("liveFileExists");
        QTest::newRow("xml over the live file") << xmlDictionary << true;
        QTest::newRow("binary where there is no live file") << binaryDictionary() << false;
    }

    void restoresAndRestartsTheDock() {
        QFETCH(QByteArray, backup);
        QFETCH(bool, liveFileExists);
        TestHome home;
        const BackupService service{ShellService(home.recordingPlatform())};
        const QString live = service.shell().platform().dockPreferencesFile;
        if (liveFileExists)
            write(live, "<plist version=\"1.0\"><dict/></plist>");
        write(home.path() + u"/chosen.plist"_s, backup);

        qputenv("BERTHWISE_RECORD_EXIT", "1");
        runTask(service.restoreBackup(home.path() + u"/chosen.plist"_s));
        qunsetenv("BERTHWISE_RECORD_EXIT");
        QCOMPARE(content(live), backup);
        QCOMPARE(filesBeside(live), QStringList{QFileInfo(live).fileName()});
        QCOMPARE(home.recordedCalls().size(), 1);
        QCOMPARE(home.recordedCalls().first().mid(1), QStringList{u"Dock"_s});
    }

    void deletingAMissingBackupThrows() {
        TestHome home;
        const BackupService service{ShellService(home.platform())};
        write(service.shell().platform().dockPreferencesFile, xmlDictionary);
        const QString backup = service.createBackup();
        service.deleteBackup(backup);
        QVERIFY(service.listBackups().isEmpty());
        QVERIFY_THROWS_EXCEPTION(Error, service.deleteBackup(backup));
    }
};

QTEST_GUILESS_MAIN(BackupServiceTest)
#include "tst_backupservice.moc"
