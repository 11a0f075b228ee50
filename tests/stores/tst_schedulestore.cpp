// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "stores/ScheduleStore.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

namespace {

const auto schedulesData = u"schedules.json"_s;

DockSchedule scheduleOn(const QList<Weekday>& days, int hour = 0, int minute = 0) {
    DockSchedule schedule;
    schedule.days = std::set(days.begin(), days.end());
    schedule.hour = hour;
    schedule.minute = minute;
    return schedule;
}

} // namespace

class ScheduleStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void displayTexts_data() {
        using enum Weekday;
        columns<QList<Weekday>, int, QString>("days", "hour", "expected");
        QTest::newRow("midnight hour") << QList{monday} << 0 << u"12:05 AM Monday"_s;
        QTest::newRow("noon") << QList{monday} << 12 << u"12:05 PM Monday"_s;
        QTest::newRow("all") << QList{saturday, sunday, monday, tuesday, wednesday, thursday, friday} << 9
                             << u"9:05 AM Every day"_s;
        QTest::newRow("weekdays") << QList{friday, monday, tuesday, wednesday, thursday} << 9
                                  << u"9:05 AM Weekdays"_s;
        QTest::newRow("four, Sunday first")
            << QList{wednesday, sunday, tuesday, monday} << 9 << u"9:05 AM S M T W"_s;
        QTest::newRow("three, Sunday first")
            << QList{saturday, monday, sunday} << 9 << u"9:05 AM Sunday, Monday, Saturday"_s;
    }

    void displayTexts() {
        QFETCH(QList<Weekday>, days);
        QFETCH(int, hour);
        const DockSchedule schedule = scheduleOn(days, hour, 5);
        QTEST(schedule.timeString() + u' ' + schedule.daysSummary(), "expected");
    }

    void readsAndWritesBackTheFileFormat() {
        TestHome home;
        const ScheduleStore store(home.platform().applicationSupportFolder);
        write(store.schedulesFileURL(), data(schedulesData));

        const QList<DockSchedule> schedules = store.loadSchedules();
        QCOMPARE(schedules.size(), 2);
        QCOMPARE(schedules[0].id, QUuid::fromString(u"5e0c7a1b-2d3f-4a5b-8c9d-0e1f2a3b4c5d"_s));
        QCOMPARE(schedules[0].days, (std::set{Weekday::monday, Weekday::tuesday, Weekday::wednesday,
                                              Weekday::thursday, Weekday::friday}));
        QCOMPARE(schedules[0].lastAppliedDate->toDateTime(),
                 QDateTime::fromString(u"2025-03-14T13:00:00.250Z"_s, Qt::ISODateWithMs));
        QCOMPARE(schedules[1].days, (std::set{Weekday::sunday, Weekday::saturday}));
        QVERIFY(!schedules[1].isEnabled && !schedules[1].lastAppliedDate);

        store.saveSchedules(schedules);
        const QByteArray written = content(store.schedulesFileURL());
        QVERIFY2(!written.contains(' ') && !written.contains('\n'), written.constData());
        // Days as 1 (Sunday) to 7 (Saturday), reference-date seconds, no key for a missing date.
        QCOMPARE(QJsonDocument::fromJson(written), QJsonDocument::fromJson(data(schedulesData)));
    }

    void rejectsTheWholeFileAndKeepsItAside_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("day 0") << data(u"schedules-day0.json"_s);
        QTest::newRow("day 8") << data(u"schedules-day8.json"_s);
        QTest::newRow("no isEnabled") << withFirst(schedulesData, u"isEnabled"_s, QJsonValue::Undefined);
        QTest::newRow("not JSON") << QByteArray("[{\"hour\":");
    }

    void rejectsTheWholeFileAndKeepsItAside() {
        QFETCH(QByteArray, file);
        TestHome home;
        const ScheduleStore store(home.platform().applicationSupportFolder);
        write(store.schedulesFileURL(), file);
        QVERIFY(store.loadSchedules().isEmpty());
        QCOMPARE(content(store.schedulesFileURL()), file);

        const QList schedules{scheduleOn({Weekday::monday}, 7, 15)};
        store.saveSchedules(schedules);
        QCOMPARE(store.loadSchedules(), schedules);
        store.saveSchedules({});
        QCOMPARE(keptAside(store.schedulesFileURL()), file);
    }
};

QTEST_GUILESS_MAIN(ScheduleStoreTest)
#include "tst_schedulestore.moc"
