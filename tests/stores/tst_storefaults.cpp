// SPDX-License-Identifier: MIT
#include "RunTask.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "common/Error.h"
#include "stores/ProfileService.h"
#include "stores/StoreFile.h"

#include <QDirIterator>
#include <QMap>
#include <QScopeGuard>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

namespace {

const QByteArray dockPreferences = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                                   "<key>tilesize</key><integer>48</integer></dict></plist>\n";

// Everything below `root`: each file's content, and a mark for each folder.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries[path.mid(root.size())] = it.fileInfo().isDir() ? QByteArray("<folder>") : content(path);
    }
    return entries;
}

// Backups are named after the second they are taken in; a folder under every name the next
// moments could give stands in the way of the one that is taken.
void blockBackupNames(const QString& backupsFolder) {
    const QDateTime now = QDateTime::currentDateTime();
    for (int second = -1; second <= 30; ++second) {
        QDir(backupsFolder)
            .mkpath(u"com.apple.dock.backup."_s + StoreFile::timestamp(now.addSecs(second)) +
                    u".plist/kept"_s);
    }
}

ProfileService profilesIn(const Platform& platform) {
    return {DockService(ShellService(platform)), BackupService(ShellService(platform)),
            platform.profilesFile()};
}

// Every store file is written by the same code; a list store and a backup, which first has the
// Dock's preferences exported into a temporary file, reach it by the two different ways.
struct Operation {
    const char* name;
    QString (*target)(const Platform&);
    void (*run)(const Platform&);
};
const Operation operations[] = {
    {"saving profiles", [](const Platform& p) { return p.profilesFile(); },
     [](const Platform& p) { profilesIn(p).saveProfiles(profilesIn(p).loadProfiles().mid(1)); }},
    {"creating a backup", [](const Platform& p) { return p.backupsFolder(); },
     [](const Platform& p) { (void)runTask(BackupService(ShellService(p)).createBackup()); }}};

} // namespace

// Saving where a folder stands in the way of the file, or onto a disk that fills up, leaves what was
// there and says what failed.
class StoreFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failsAndLeavesEveryFileAsItWas_data() {
        QTest::addColumn<int>("operation");
        for (int operation = 0; operation < int(std::size(operations)); ++operation)
            QTest::newRow(operations[operation].name) << operation;
    }

    void failsAndLeavesEveryFileAsItWas() {
        QFETCH(int, operation);
        TestHome home;
        const Platform platform = home.platform();
        write(platform.profilesFile(), data(u"profiles.json"_s));
        write(platform.dockPreferencesFile, dockPreferences);
        write(platform.backupsFolder() + u"/com.apple.dock.backup.20250101-090000.plist"_s, dockPreferences);
        // The Dock runs, and the preferences system holds its domain, as on any Mac in use.
        QCOMPARE(home.dock(u"read"_s).exitCode, 0);

        const QString target = operations[operation].target(platform);
        if (target == platform.backupsFolder()) {
            blockBackupNames(target);
        } else {
            QFile::remove(target);
            write(target + u"/kept"_s, "kept");
        }
        const auto before = snapshot(home.path());

        QString message;
        try {
            operations[operation].run(platform);
            QFAIL("reported success");
        } catch (const Error& error) {
            message = error.description();
        }
        QCOMPARE(snapshot(home.path()), before);
        QVERIFY2(message.contains(QDir::toNativeSeparators(target)), qPrintable(message));
        QVERIFY2(message.contains(u"a folder in its place"_s, Qt::CaseInsensitive), qPrintable(message));
    }

    // The file-size limit stands in for a full disk: past it a write comes up short, as it would there.
    void aSaveCutShortLeavesTheFileAsItWas() {
        TestHome home;
        const Platform platform = home.platform();
        write(platform.profilesFile(), data(u"profiles.json"_s));
        QList<DockProfile> profiles = profilesIn(platform).loadProfiles();
        // Longer than the file was, shorter than a write buffer: a buffered write would only fail at
        // commit, where the shortfall goes unreported.
        profiles.first().name = QString(2'000, u'x');
        const auto before = snapshot(home.path());
        const auto ignoring = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{.rlim_cur = rlim_t(content(platform.profilesFile()).size()),
                          .rlim_max = limit.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &full);
        const auto restore = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, ignoring);
        });
        QVERIFY_THROWS_EXCEPTION(Error, profilesIn(platform).saveProfiles(profiles));
        QCOMPARE(snapshot(home.path()), before);
    }
};

QTEST_GUILESS_MAIN(StoreFaultsTest)
#include "tst_storefaults.moc"
