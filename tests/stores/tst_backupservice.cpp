// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "RunTask.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "common/Error.h"
#include "dock/DockService.h"
#include "stores/BackupService.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

namespace {

QByteArray xmlDock(const QByteArray& entries) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" + entries +
           "</dict></plist>\n";
}

const QByteArray xmlDictionary = xmlDock("<key>tilesize</key><integer>52</integer>");

int sizeIn(const QString& file) {
    return DockService::parseConfiguration(content(file)).dockSize;
}

void setDockSize(const TestHome& home, int size) {
    QCOMPARE(home.dock(u"write"_s, {u"tilesize"_s, u"-int"_s, QString::number(size)}).exitCode, 0);
}

// Forgets the preferences cache, as logging out does, so that the next reads see the files.
void logOut(const Platform& platform) {
    QCOMPARE(QProcess::execute(platform.killallPath, {u"cfprefsd"_s}), 0);
}

} // namespace

class BackupServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The preferences system caches the Dock's domain and writes the file back when it chooses, so a
    // backup is what the Dock shows, even where its file was replaced behind the cache's back.
    void backsUpWhatTheDockShows() {
        TestHome home;
        const Platform platform = home.platform();
        setDockSize(home, 30);
        write(platform.dockPreferencesFile, xmlDictionary);
        QCOMPARE(sizeIn(runTask(BackupService(ShellService(platform)).createBackup())), 30);
    }

    // The restore goes through the preferences system while its cache holds the Dock's domain:
    // `defaults` and the restarted Dock show the backup, and it stays once the cache writes itself back
    // and is dropped. A backup the Dock could not take is refused, by the service or by the system,
    // before anything changes, and the Dock is not restarted.
    void restoreTakesEffectOrChangesNothing_data() {
        columns<QByteArray, int, QString>("backup", "size", "failure");
        QTest::newRow("as backups are made") << QByteArray() << 30 << QString();
        QTest::newRow("XML") << xmlDictionary << 52 << QString();
        const QString notPreferences = u"it is not a Dock preferences file"_s;
        QTest::newRow("text") << QByteArray("tilesize = 52\n") << 64 << notPreferences;
        QTest::newRow("text the system refuses") << xmlDock("<key>caf\xe9</key><string>x</string>") << 64
                                                 << u"Couldn't apply the Dock layout. Cannot import"_s;
    }

    void restoreTakesEffectOrChangesNothing() {
        QFETCH(QByteArray, backup);
        QFETCH(int, size);
        QFETCH(QString, failure);
        TestHome home;
        const Platform platform = home.platform();
        const BackupService service{ShellService(platform)};
        setDockSize(home, 30);
        QString chosen = home.path() + u"/chosen.plist"_s;
        if (backup.isEmpty())
            chosen = runTask(service.createBackup());
        else
            write(chosen, backup);
        setDockSize(home, 64);
        const QByteArray live = content(platform.dockPreferencesFile);
        const int restarts = home.dockRestarts();

        try {
            runTask(service.restoreBackup(chosen));
            QVERIFY2(failure.isEmpty(), "reported success");
        } catch (const Error& error) {
            QVERIFY2(!failure.isEmpty() && error.description().contains(failure),
                     qPrintable(error.description()));
        }
        QCOMPARE(home.dock(u"read"_s, {u"tilesize"_s}).output, QString::number(size));
        QCOMPARE(home.dockRestarts(), restarts + (failure.isEmpty() ? 1 : 0));
        if (failure.isEmpty())
            QCOMPARE(sizeIn(platform.simulatedDockFolder + u"/Dock.running.plist"_s), size);
        else
            QCOMPARE(content(platform.dockPreferencesFile), live);

        QCOMPARE(home.dock(u"write"_s, {u"autohide"_s, u"-bool"_s, u"yes"_s}).exitCode, 0);
        logOut(platform);
        QCOMPARE(home.dock(u"read"_s, {u"tilesize"_s}).output, QString::number(size));
    }
};

QTEST_GUILESS_MAIN(BackupServiceTest)
#include "tst_backupservice.moc"
