// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "RunTask.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "common/Error.h"
#include "stores/BackupService.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

namespace {

const QByteArray xmlDictionary = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                                 "<key>tilesize</key><integer>52</integer></dict></plist>\n";

// The smallest binary property list: an empty dictionary, its offset table and its trailer.
const QByteArray binaryDictionary(
    "bplist00\xd0\x08\0\0\0\0\0\0\x01\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x09", 42);

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
    // The time stamp is the local time of day, not UTC; the zone here is well away from UTC. A second
    // backup in the same second takes the same name and replaces the first.
    void namedAfterTheLocalSecondWhichASecondBackupReplaces() {
        TestHome home;
        const BackupService service{ShellService(home.platform())};
        const QString live = home.platform().dockPreferencesFile;
        const QByteArray savedZone = qgetenv("TZ");
        qputenv("TZ", "XST-05:45");
        const auto restoreZone = qScopeGuard([&] { qputenv("TZ", savedZone); });
        const auto nameNow = [] {
            return QLocale::c().toString(QDateTime::currentDateTimeUtc().addSecs(5 * 3600 + 45 * 60),
                                         u"'com.apple.dock.backup.'yyyyMMdd-HHmmss'.plist'"_s);
        };
        const QString earliest = nameNow();
        write(live, "first");
        const QString first = runTask(service.createBackup());
        write(live, "second");
        const QString second = runTask(service.createBackup());
        const QString name = QFileInfo(second).fileName();
        QVERIFY2(earliest <= name && name <= nameNow(), qPrintable(name));
        if (first != second)
            QSKIP("the two backups fell into different seconds");
        QCOMPARE(service.listBackups(), QStringList{second});
        QCOMPARE(content(second), QByteArray("second"));

        service.deleteBackup(second);
        QVERIFY(service.listBackups().isEmpty());
        QVERIFY_THROWS_EXCEPTION(Error, service.deleteBackup(second));
    }

    // Creation order runs against both orders of the names.
    void listsPlistFilesNewestCreatedFirst() {
        TestHome home;
        const BackupService service{ShellService(home.platform())};
        QVERIFY(service.listBackups().isEmpty());
        const QDir folder(home.platform().backupsFolder());
        for (const QString& name : {u"com.apple.dock.backup.20990101-000000.plist"_s, u"b.plist"_s,
                                    u"notes.txt"_s, u"OLD.PLIST"_s, u"x.Plist"_s, u"folder.plist/"_s,
                                    u"com.apple.dock.backup.20000101-000000.plist"_s, u".hidden.plist"_s}) {
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
        QCOMPARE(listed, (QStringList{u"com.apple.dock.backup.20000101-000000.plist"_s, u"b.plist"_s,
                                      u"com.apple.dock.backup.20990101-000000.plist"_s}));
    }

    void restoresOnlyADictionary_data() {
        columns<QByteArray, bool, bool>("backup", "liveFileExists", "restored");
        QTest::newRow("xml over the live file") << xmlDictionary << true << true;
        QTest::newRow("binary where there is no live file") << binaryDictionary << false << true;
        QTest::newRow("text") << QByteArray("tilesize = 52\n") << true << false;
        QTest::newRow("array at the top")
            << QByteArray("<plist version=\"1.0\"><array><true/></array></plist>") << true << false;
        QTest::newRow("truncated binary") << binaryDictionary.left(20) << true << false;
    }

    // killall fails throughout, as it does when no Dock runs; the restore does not depend on it.
    void restoresOnlyADictionary() {
        QFETCH(QByteArray, backup);
        QFETCH(bool, liveFileExists);
        QFETCH(bool, restored);
        TestHome home;
        const BackupService service{ShellService(home.recordingPlatform())};
        const QString live = home.platform().dockPreferencesFile;
        const QByteArray before = liveFileExists ? binaryDictionary : QByteArray();
        if (liveFileExists)
            write(live, before);
        const QString chosen = home.path() + u"/chosen.plist"_s;
        write(chosen, backup);

        qputenv("BERTHWISE_RECORD_EXIT", "1");
        const auto unset = qScopeGuard([] { qunsetenv("BERTHWISE_RECORD_EXIT"); });
        if (restored)
            runTask(service.restoreBackup(chosen));
        else
            QVERIFY_THROWS_EXCEPTION(Error, runTask(service.restoreBackup(chosen)));
        QCOMPARE(content(live), restored ? backup : before);
        QCOMPARE(filesBeside(live), QStringList{QFileInfo(live).fileName()});
        const QList<QStringList> calls = home.recordedCalls();
        QCOMPARE(calls.size(), restored ? 1 : 0);
        QVERIFY(!restored || calls.first().mid(1) == QStringList{u"Dock"_s});
    }
};

QTEST_GUILESS_MAIN(BackupServiceTest)
#include "tst_backupservice.moc"
