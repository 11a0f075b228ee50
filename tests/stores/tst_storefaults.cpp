// SPDX-License-Identifier: MIT
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "common/Error.h"
#include "stores/ProfileService.h"
#include "stores/ScheduleStore.h"
#include "stores/StoreFile.h"

#include <QDirIterator>
#include <QMap>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

namespace {

enum class Fault { readOnlyFolder, fullDisk, pathIsAFolder };
enum class Operation { saveProfiles, saveSchedules, createBackup, exportProfile };

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

// Takes whatever room is left on the file system holding `folder`.
void fill(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder + u"/filler"_s).constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0);
    const QByteArray block(4096, 'x');
    for (qsizetype size = block.size(); size > 0; size /= 2) {
        while (::write(fd, block.constData(), size_t(size)) == size) {
        }
    }
    ::close(fd);
}

// The four operations that write a store file, inside one home.
struct Stores {
    Platform platform;
    QString exportFile;

    // Where the README says the schedules live.
    [[nodiscard]] QString schedulesFile() const {
        return platform.applicationSupportFolder + u"/schedules.json"_s;
    }

    [[nodiscard]] QString target(Operation operation) const {
        switch (operation) {
        case Operation::saveProfiles:
            return platform.profilesFile();
        case Operation::saveSchedules:
            return schedulesFile();
        case Operation::createBackup:
            return platform.backupsFolder();
        case Operation::exportProfile:
            return exportFile;
        }
        return {};
    }

    // The error's description; empty when the operation reported success.
    [[nodiscard]] QString failureOf(Operation operation) const {
        const ProfileService profiles(DockService(ShellService(platform)),
                                      BackupService(ShellService(platform)), platform.profilesFile());
        DockProfile profile;
        profile.name = u"Desk"_s;
        profile.createdAt = QDateTime::currentDateTimeUtc();
        try {
            switch (operation) {
            case Operation::saveProfiles:
                profiles.saveProfiles(profiles.loadProfiles().mid(1));
                break;
            case Operation::saveSchedules:
                ScheduleStore(platform.applicationSupportFolder).saveSchedules({DockSchedule{}});
                break;
            case Operation::createBackup:
                (void)BackupService(ShellService(platform)).createBackup();
                break;
            case Operation::exportProfile:
                profiles.exportProfile(profile, exportFile);
                break;
            }
        } catch (const Error& error) {
            return error.description();
        }
        return {};
    }
};

} // namespace

// Saving into a folder that refuses the write leaves what was there and says what failed and why.
class StoreFaultsTest : public QObject {
    Q_OBJECT

private:
    bool m_canMount = false;

private Q_SLOTS:
    void initTestCase() {
        // A mount namespace of its own: a file system mounted here is seen by no other process and
        // goes away with this one, whatever way a test ends.
        m_canMount = geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
                     mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }

    void failsAndLeavesEveryFileAsItWas_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("reason");
        const std::pair<Fault, QString> faults[] = {
            {Fault::readOnlyFolder, u"read-only folder"_s},
            {Fault::fullDisk, u"full disk"_s},
            {Fault::pathIsAFolder, u"path is a folder"_s},
        };
        const std::pair<Operation, QString> operations[] = {
            {Operation::saveProfiles, u"saving profiles"_s},
            {Operation::saveSchedules, u"saving schedules"_s},
            {Operation::createBackup, u"creating a backup"_s},
            {Operation::exportProfile, u"exporting a profile"_s},
        };
        for (const auto& [fault, faultName] : faults) {
            const QString reason = fault == Fault::readOnlyFolder
                                       ? u"Read-only file system|Permission denied"_s
                                   : fault == Fault::fullDisk ? u"No space left on device"_s
                                                              : u"a folder in its place"_s;
            for (const auto& [operation, operationName] : operations) {
                QTest::addRow("%s, %s", qPrintable(faultName), qPrintable(operationName))
                    << fault << operation << reason;
            }
        }
    }

    void failsAndLeavesEveryFileAsItWas() {
        QFETCH(Fault, fault);
        QFETCH(Operation, operation);
        QFETCH(QString, reason);
        TestHome home;
        // A small file system of its own over the home folder, so that it can be filled or made
        // read-only; it must be gone before the home folder is removed.
        const bool mounted = m_canMount && mount("tmpfs", QFile::encodeName(home.path()).constData(), "tmpfs",
                                                 0, "size=1m,mode=0700") == 0;
        const auto unmount = qScopeGuard([&] {
            if (mounted)
                umount2(QFile::encodeName(home.path()).constData(), MNT_DETACH);
        });
        if (fault == Fault::fullDisk && !mounted)
            QSKIP("a file system small enough to fill can be mounted only by root");
        if (fault == Fault::readOnlyFolder && !mounted && geteuid() == 0)
            QSKIP("root writes into read-only folders, and this one cannot mount a read-only file system");

        const Stores stores{home.platform(), home.path() + u"/Exports/Desk.berthwise.json"_s};
        const Platform& platform = stores.platform;
        write(platform.profilesFile(), data(u"profiles.json"_s));
        write(stores.schedulesFile(), data(u"schedules.json"_s));
        write(platform.dockPreferencesFile, dockPreferences);
        write(platform.backupsFolder() + u"/com.apple.dock.backup.20250101-090000.plist"_s, dockPreferences);
        write(stores.exportFile, "{\"name\": \"an earlier export\"}");

        const QString target = stores.target(operation);
        std::vector<QString> lockedFolders;
        const auto unlock = qScopeGuard([&] {
            for (const QString& folder : lockedFolders)
                QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        });
        switch (fault) {
        case Fault::readOnlyFolder:
            if (mounted) {
                QCOMPARE(mount(nullptr, QFile::encodeName(home.path()).constData(), nullptr,
                               MS_REMOUNT | MS_RDONLY, nullptr),
                         0);
            } else {
                QDirIterator it(home.path(), QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                QDirIterator::Subdirectories);
                while (it.hasNext())
                    lockedFolders.push_back(it.next());
                lockedFolders.push_back(home.path());
                for (const QString& folder : lockedFolders)
                    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            }
            break;
        case Fault::fullDisk:
            fill(home.path());
            break;
        case Fault::pathIsAFolder:
            if (operation == Operation::createBackup) {
                blockBackupNames(target);
            } else {
                QFile::remove(target);
                write(target + u"/kept"_s, "kept");
            }
            break;
        }
        const auto before = snapshot(home.path());

        const QString message = stores.failureOf(operation);
        QVERIFY2(!message.isEmpty(), "reported success");
        const auto after = snapshot(home.path());
        QCOMPARE(after.keys(), before.keys());
        QVERIFY(after == before);
        QVERIFY2(message.contains(QDir::toNativeSeparators(target)), qPrintable(message));
        QVERIFY2(message.contains(QRegularExpression(reason, QRegularExpression::CaseInsensitiveOption)),
                 qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(StoreFaultsTest)
#include "tst_storefaults.moc"
