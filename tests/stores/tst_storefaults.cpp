// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "common/Error.h"
#include "stores/ProfileService.h"

#include <QDirIterator>
#include <QMap>
#include <QScopeGuard>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

namespace {

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

} // namespace

// A save that fails, because a folder stands in the file's place or the disk fills up part-way,
// leaves every file as it was and says what failed.
class StoreFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedSaveLeavesEveryFileAsItWas_data() {
        columns<bool, QString>("diskFills", "reason");
        QTest::newRow("a folder in the file's place") << false << u"a folder in its place"_s;
        QTest::newRow("the disk fills up") << true << QString();
    }

    void failedSaveLeavesEveryFileAsItWas() {
        QFETCH(bool, diskFills);
        QFETCH(QString, reason);
        TestHome home;
        const Platform platform = home.platform();
        const QString file = platform.profilesFile();
        const ProfileService service(DockService(ShellService(platform)),
                                     BackupService(ShellService(platform)), file);
        write(file, data(u"profiles.json"_s));
        QList<DockProfile> profiles = service.loadProfiles();
        // Longer than the file was, shorter than a write buffer: a buffered write would only fail at
        // commit, where the shortfall goes unreported.
        profiles.first().name = QString(2'000, u'x');
        if (!diskFills) {
            QFile::remove(file);
            write(file + u"/kept"_s, "kept");
        }
        const auto before = snapshot(home.path());
        // The file-size limit stands in for a full disk: past it a write comes up short.
        const auto ignoring = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        rlimit full = limit;
        if (diskFills)
            full.rlim_cur = rlim_t(content(file).size());
        ::setrlimit(RLIMIT_FSIZE, &full);
        const auto restore = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, ignoring);
        });

        QString message;
        try {
            service.saveProfiles(profiles);
            QFAIL("reported success");
        } catch (const Error& error) {
            message = error.description();
        }
        QCOMPARE(snapshot(home.path()), before);
        QVERIFY2(message.contains(QDir::toNativeSeparators(file)) &&
                     message.contains(reason, Qt::CaseInsensitive),
                 qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(StoreFaultsTest)
#include "tst_storefaults.moc"
