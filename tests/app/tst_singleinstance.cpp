// SPDX-License-Identifier: MIT
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <QUuid>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int launchesPerRound = 8;
constexpr int rounds = 20;

QString uniqueName() {
    return u"berthwise-test-"_s + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

// One running Berthwise per user, which later launches bring to the front.
class TestSingleInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each round ends by killing its survivor, so every round after the first also starts over a
    // socket left behind by an instance that crashed.
    void simultaneousLaunchesLeaveExactlyOneRunning() {
        const QString name = uniqueName();
        const auto cleanUp = qScopeGuard([&] {
            QFile::remove(QDir::temp().filePath(name));
            QFile::remove(QDir::temp().filePath(name + u".lock"_s));
        });
        for (int round = 0; round < rounds; ++round) {
            std::vector<std::unique_ptr<QProcess>> launches;
            for (int i = 0; i < launchesPerRound; ++i) {
                auto& launch = launches.emplace_back(std::make_unique<QProcess>());
                launch->setProcessChannelMode(QProcess::ForwardedErrorChannel);
                launch->start(QStringLiteral(BERTHWISE_INSTANCE_PROBE), {name});
                QVERIFY(launch->waitForStarted());
            }
            for (auto& launch : launches)
                launch->write("go\n");

            const auto running = [&] {
                std::vector<QProcess*> found;
                for (auto& launch : launches) {
                    if (launch->state() != QProcess::NotRunning)
                        found.push_back(launch.get());
                }
                return found;
            };
            // Two survivors would leave this waiting until it fails.
            QTRY_VERIFY_WITH_TIMEOUT(running().size() <= 1, 20'000);
            QCOMPARE(running().size(), std::size_t(1));
            QProcess* survivor = running().front();
            for (auto& launch : launches) {
                if (launch.get() != survivor) {
                    QCOMPARE(launch->exitCode(), 0);
                    QCOMPARE(launch->readAllStandardOutput(), QByteArray("handed over\n"));
                }
            }
            // Every launch that handed over reached the survivor.
            QByteArray said;
            QTRY_VERIFY_WITH_TIMEOUT((said += survivor->readAllStandardOutput()).count("activated") ==
                                         launchesPerRound - 1,
                                     10'000);
            QVERIFY(said.startsWith("claimed\n"));
            survivor->kill();
            survivor->waitForFinished();
        }
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
