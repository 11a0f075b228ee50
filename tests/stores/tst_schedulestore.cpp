// SPDX-License-Identifier: MIT
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "stores/ScheduleStore.h"

#include <QRandomGenerator>
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

// A schedules file as a hand or an older version might leave it: each value usually one a user could
// have (dates a hair before a minute's end included), now and then an odd one or a key missing.
QByteArray generatedSchedulesFile(QRandomGenerator& random) {
    using Values = QByteArrayList;
    const auto pick = [&](const Values& usual, const Values& odd) {
        const Values& from = random.bounded(32) == 0 ? odd : usual;
        return from.at(random.bounded(from.size()));
    };
    const Values ids{"\"5e0c7a1b-2d3f-4a5b-8c9d-0e1f2a3b4c5d\"", "\"A81E4F02-5C3B-4D7A-8E69-1B0C2D3E4F50\""};
    const Values clock{"0", "9", "23", "59", "30.0", "-1", "2147483647"};
    const QList<std::tuple<QByteArray, Values, Values>> fields{
        {"id", ids, {"\"5e0c7a1b\""}},
        {"profileID", ids, {"null"}},
        {"hour", clock, {"2147483648", "9.5"}},
        {"minute", clock, {"\"30\""}},
        {"days", {"[]", "[2,3,4,5,6]", "[1,7]", "[7,1,1]", "[2.0]"}, {"[0]", "[8]", "[2.5]", "2"}},
        {"isEnabled", {"true", "false"}, {"1"}},
        {"lastAppliedDate",
         {"763650000.25", "763650059.9996", "1e-300", "-0", "0.1", "99999999999999.99", "-99999999999999",
          "null"},
         {"1e14", "1e300", "\"763650000\""}},
        {"extra", {"{}"}, {"[]"}}};
    QByteArrayList schedules;
    for (int count = random.bounded(1, 4); count > 0; --count) {
        QByteArrayList members;
        for (const auto& [key, usual, odd] : fields)
            members.append('"' + key + "\":" + pick(usual, odd));
        // The date is optional, so it alone may go missing without failing the file.
        if (random.bounded(4) == 0)
            members.removeAt(random.bounded(members.size()));
        schedules.append('{' + members.join(',') + '}');
    }
    return '[' + schedules.join(',') + ']';
}

} // namespace

class ScheduleStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void timeString_data() {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("expected");
        QTest::newRow("midnight hour") << 0 << 5 << u"12:05 AM"_s;
        QTest::newRow("morning") << 9 << 30 << u"9:30 AM"_s;
        QTest::newRow("noon") << 12 << 0 << u"12:00 PM"_s;
        QTest::newRow("last minute") << 23 << 59 << u"11:59 PM"_s;
    }

    void timeString() {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, expected);
        QCOMPARE(scheduleOn({}, hour, minute).timeString(), expected);
    }

    void daysSummary_data() {
        using enum Weekday;
        QTest::addColumn<QList<Weekday>>("days");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all") << QList{saturday, sunday, monday, tuesday, wednesday, thursday, friday}
                             << u"Every day"_s;
        QTest::newRow("weekdays") << QList{friday, monday, tuesday, wednesday, thursday} << u"Weekdays"_s;
        QTest::newRow("weekends") << QList{saturday, sunday} << u"Weekends"_s;
        QTest::newRow("six days") << QList{monday, tuesday, wednesday, thursday, friday, saturday}
                                  << u"M T W T F S"_s;
        QTest::newRow("weekdays but wednesday") << QList{monday, tuesday, thursday, friday} << u"M T T F"_s;
        QTest::newRow("sunday to wednesday") << QList{wednesday, sunday, tuesday, monday} << u"S M T W"_s;
        QTest::newRow("three") << QList{friday, monday, wednesday} << u"Monday, Wednesday, Friday"_s;
        QTest::newRow("friday and saturday") << QList{saturday, friday} << u"Friday, Saturday"_s;
        QTest::newRow("around the weekend")
            << QList{saturday, monday, sunday} << u"Sunday, Monday, Saturday"_s;
        QTest::newRow("none") << QList<Weekday>{} << QString();
    }

    void daysSummary() {
        QFETCH(QList<Weekday>, days);
        QFETCH(QString, expected);
        QCOMPARE(scheduleOn(days).daysSummary(), expected);
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

    // Rewriting an accepted file gives the same schedules, and keeps each date to its last digit: a
    // date rounded into the next minute would let the runner apply its profile again.
    void everyAcceptedFileIsWrittenBackAsRead() {
        TestHome home;
        const ScheduleStore store(home.platform().applicationSupportFolder);
        QRandomGenerator random(20250317);
        int accepted = 0;
        for (int round = 0; round < 1000; ++round) {
            const QByteArray file = generatedSchedulesFile(random);
            write(store.schedulesFileURL(), file);
            const QList<DockSchedule> schedules = store.loadSchedules();
            if (schedules.isEmpty())
                continue;
            ++accepted;
            store.saveSchedules(schedules);
            const QByteArray written = content(store.schedulesFileURL());
            QCOMPARE(store.loadSchedules(), schedules);
            const QJsonArray before = QJsonDocument::fromJson(file).array();
            const QJsonArray after = QJsonDocument::fromJson(written).array();
            for (qsizetype i = 0; i < before.size(); ++i) {
                const QJsonValue date = before.at(i)[u"lastAppliedDate"_s];
                QVERIFY2(date.isNull() || date == after.at(i)[u"lastAppliedDate"_s], file.constData());
            }
        }
        QVERIFY2(accepted > 100, qPrintable(QString::number(accepted)));
    }

    void rejectsTheWholeFileAndKeepsItAside_data() {
        QTest::addColumn<QByteArray>("file");
        const auto set = [](const QString& key, const QJsonValue& value) {
            return withFirst(schedulesData, key, value);
        };
        QTest::newRow("day 0") << data(u"schedules-day0.json"_s);
        QTest::newRow("day 8") << data(u"schedules-day8.json"_s);
        QTest::newRow("no isEnabled") << set(u"isEnabled"_s, QJsonValue::Undefined);
        QTest::newRow("date as text") << set(u"lastAppliedDate"_s, u"2025-03-14T13:00:00Z"_s);
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
