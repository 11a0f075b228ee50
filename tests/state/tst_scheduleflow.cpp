// SPDX-License-Identifier: MIT
#include "TestHome.h"
#include "state/DockViewModel.h"

#include <QProcess>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int patience = 60'000;
// Monday 17 March 2025.
const QDate monday(2025, 3, 17);

} // namespace

// A schedule saved from the editor, carried out by the runner against the simulated Dock.
class ScheduleFlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    QString defaults(const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(m_home->platform().childEnvironment());
        process.start(m_home->platform().defaultsPath, arguments);
        if (!process.waitForFinished(patience) || process.exitCode() != 0)
            return {};
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    void setTileSize(int size) const {
        QVERIFY(defaults({u"write"_s, u"com.apple.dock"_s, u"tilesize"_s, u"-int"_s, QString::number(size)})
                    .isEmpty());
    }

    [[nodiscard]] QString tileSize() const {
        return defaults({u"read"_s, u"com.apple.dock"_s, u"tilesize"_s});
    }

    [[nodiscard]] static bool finished(const DockViewModel& model) {
        return QTest::qWaitFor([&] { return !model.isWorking(); }, patience);
    }

private Q_SLOTS:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    // Saved for the minute the clock shows, it switches the Dock once, in one relaunch, and not again
    // in that minute: not on the next tick, nor after its switch went off and on again.
    void savedForThisMinuteAppliesOnce() {
        setTileSize(30);
        QDateTime now(monday, QTime(9, 0, 10));
        DockViewModel model(m_home->platform(), [&now] { return now; });
        // The start-up read shows the missing magnified size as its default, 128, not the initial 96.
        QVERIFY(QTest::qWaitFor([&] { return model.magnificationSize() != 96; }, patience));
        model.captureProfile(u"Evening"_s, u"moon.fill"_s);
        QVERIFY(finished(model));
        QCOMPARE(model.profiles()->count(), 1);
        const QString profileId = model.profiles()->get(0).value(u"profileId"_s).toString();
        setTileSize(64);

        model.addSchedule(profileId, 9, 0, {2}, true);
        const QString scheduleId = model.schedules()->get(0).value(u"scheduleId"_s).toString();
        const int restarts = m_home->dockRestarts();
        model.checkSchedules();
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), u"Schedule applied 'Evening'."_s);
        QCOMPARE(tileSize(), u"30"_s);
        QCOMPARE(m_home->dockRestarts(), restarts + 1);

        setTileSize(64);
        now = now.addSecs(30);
        model.checkSchedules();
        model.setScheduleEnabled(scheduleId, false);
        model.setScheduleEnabled(scheduleId, true);
        now = now.addSecs(15);
        model.checkSchedules();
        QVERIFY(!model.isWorking());
        QCOMPARE(tileSize(), u"64"_s);
        QCOMPARE(m_home->dockRestarts(), restarts + 1);
    }
};

QTEST_GUILESS_MAIN(ScheduleFlowTest)
#include "tst_scheduleflow.moc"
