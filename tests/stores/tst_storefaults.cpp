// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "RunTask.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "common/Error.h"
#include "stores/ProfileService.h"
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
        columns<Fault, int, QString>("fault", "operation", "reason");
        const std::tuple<Fault, const char*, QString> faults[] = {
            {Fault::readOnlyFolder, "read-only folder", u"Read-only file system|Permission denied"_s},
            {Fault::fullDisk, "full disk", u"No space left on device"_s},
            {Fault::pathIsAFolder, "path is a folder", u"a folder in its place"_s},
        };
        for (const auto& [fault, faultName, reason] : faults) {
            for (int operation = 0; operation < int(std::size(operations)); ++operation)
                QTest::addRow("%s, %s", faultName, operations[operation].name)
                    << fault << operation << reason;
        }
    }

    void failsAndLeavesEveryFileAsItWas() {
        QFETCH(Fault, fault);
        QFETCH(int, operation);
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

        const Platform platform = home.platform();
        write(platform.profilesFile(), data(u"profiles.json"_s));
        write(platform.dockPreferencesFile, dockPreferences);
        write(platform.backupsFolder() + u"/com.apple.dock.backup.20250101-090000.plist"_s, dockPreferences);
        // The Dock runs, and the preferences system holds its domain, as on any Mac in use.
        QCOMPARE(home.dock(u"read"_s).exitCode, 0);

        const QString target = operations[operation].target(platform);
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
            if (target == platform.backupsFolder()) {
                blockBackupNames(target);
            } else {
                QFile::remove(target);
                write(target + u"/kept"_s, "kept");
            }
            break;
        }
        const auto before = snapshot(home.path());

        QString message;
        try {
            operations[operation].run(platform);
            QFAIL("reported success");
        } catch (const Error& error) {
            message = error.description();
        }
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
