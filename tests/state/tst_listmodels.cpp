// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestHome.h"
#include "state/BackupListModel.h"
#include "state/DisplayText.h"
#include "state/DockViewModel.h"
#include "state/PresetListModel.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// "a:Alpha" is the profile named Alpha whose id follows from the letter a.
QList<DockProfile> profilesFrom(const QStringList& entries) {
    QList<DockProfile> profiles;
    for (const QString& entry : entries) {
        DockProfile profile;
        profile.id = QUuid::createUuidV5(QUuid(), entry.section(u':', 0, 0));
        profile.name = entry.section(u':', 1);
        profiles.append(profile);
    }
    return profiles;
}

QStringList column(const QAbstractListModel& model, const QString& role) {
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values.append(qobject_cast<const RecordListModel*>(&model)->get(row).value(role).toString());
    return values;
}

QQuickItem* delegateAt(QQuickItem* view, int row) {
    QQuickItem* item = nullptr;
    QMetaObject::invokeMethod(view, "forceLayout");
    QMetaObject::invokeMethod(view, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, item), Q_ARG(int, row));
    return item;
}

} // namespace

class ListModelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void rowsFollowANewListById_data() {
        columns<QStringList, QStringList, QStringList>("before", "after", "steps");
        const QStringList ab{u"a:A"_s, u"b:B"_s};
        const QStringList abc{u"a:A"_s, u"b:B"_s, u"c:C"_s};
        QTest::newRow("unchanged") << ab << ab << QStringList{};
        QTest::newRow("captured in front")
            << ab << QStringList{u"c:C"_s, u"a:A"_s, u"b:B"_s} << QStringList{u"insert 0"_s};
        QTest::newRow("deleted") << abc << QStringList{u"a:A"_s, u"c:C"_s} << QStringList{u"remove 1"_s};
        QTest::newRow("renamed") << ab << QStringList{u"a:A"_s, u"b:Bee"_s} << QStringList{u"change 1"_s};
        QTest::newRow("reloaded in another order")
            << ab << QStringList{u"b:B"_s, u"a:A"_s} << QStringList{u"reset"_s};
        QTest::newRow("deleted, captured and renamed at once")
            << abc << QStringList{u"d:D"_s, u"a:Ay"_s, u"c:C"_s}
            << QStringList{u"remove 1"_s, u"insert 0"_s, u"change 1"_s};
        QTest::newRow("an id twice") << ab << QStringList{u"a:A"_s, u"a:A2"_s} << QStringList{u"reset"_s};
        QTest::newRow("first load, in one step") << QStringList{} << abc << QStringList{u"insert 0-2"_s};
        QTest::newRow("neighbours come and go together")
            << QStringList{u"a:A"_s, u"b:B"_s, u"c:C"_s, u"d:D"_s, u"e:E"_s}
            << QStringList{u"x:X"_s, u"y:Y"_s, u"a:A"_s, u"e:E"_s, u"z:Z"_s}
            << QStringList{u"remove 1-3"_s, u"insert 0-1"_s, u"insert 4"_s};
    }

    // Only the rows that changed are touched, so the delegates of the others live on.
    void rowsFollowANewListById() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        ProfileListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setProfiles(profilesFrom(before));
        QStringList steps;
        connect(&model, &QAbstractItemModel::rowsInserted, this,
                [&](const QModelIndex&, int first, int last) {
                    steps.append(first == last ? u"insert %1"_s.arg(first)
                                               : u"insert %1-%2"_s.arg(first).arg(last));
                });
        connect(&model, &QAbstractItemModel::rowsRemoved, this, [&](const QModelIndex&, int first, int last) {
            steps.append(first == last ? u"remove %1"_s.arg(first) : u"remove %1-%2"_s.arg(first).arg(last));
        });
        connect(&model, &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& first) { steps.append(u"change %1"_s.arg(first.row())); });
        connect(&model, &QAbstractItemModel::modelReset, this, [&] { steps.append(u"reset"_s); });

        model.setProfiles(profilesFrom(after));
        QTEST(steps, "steps");
        QStringList names;
        for (const DockProfile& profile : profilesFrom(after))
            names.append(profile.name);
        QCOMPARE(column(model, u"name"_s), names);
    }

    void rolesCarryTheTextsTheScreensShow() {
        // Clean Minimal, Developer Mode, Presentation Mode, Full Power.
        PresetListModel presets;
        QCOMPARE(column(presets, u"accent"_s),
                 (QStringList{u"blue"_s, u"green"_s, u"purple"_s, u"orange"_s}));
        QCOMPARE(presets.get(0).value(u"badges"_s).toStringList(),
                 (QStringList{u"Size 42px"_s, u"Bottom"_s}));
        QCOMPARE(presets.get(1).value(u"badges"_s).toStringList(),
                 (QStringList{u"Size 38px"_s, u"Left"_s, u"Auto-hide"_s}));

        ProfileListModel profiles;
        QList<DockProfile> list = profilesFrom({u"a:Desk"_s});
        list[0].createdAt = QDateTime(QDate(2025, 3, 14), QTime(23, 30), Qt::UTC);
        profiles.setProfiles(list);
        QCOMPARE(profiles.get(0).value(u"capturedText"_s), u"Captured Mar 14, 2025"_s);

        BackupListModel backups;
        backups.setPaths({u"/b/com.apple.dock.backup.20250314-093005.plist"_s, u"/b/my backup.plist"_s,
                          u"/b/com.apple.dock.backup.2025xx14-093005.plist"_s});
        QCOMPARE(column(backups, u"displayName"_s),
                 (QStringList{u"Mar 14, 2025 at 09:30:05"_s, u"my backup"_s,
                              u"com.apple.dock.backup.2025xx14-093005"_s}));
        QCOMPARE(backups.get(1).value(u"fileName"_s), u"my backup.plist"_s);
        QCOMPARE(DisplayText::mediumDate(QDate(2025, 3, 14), QLocale(QLocale::French, QLocale::France)),
                 u"14 mars 2025"_s);
    }

    // Through the view model and a real list view: the switch, the runner's mark and the deletion of
    // the schedule's profile all update the card that is already there.
    void aScheduleCardOutlivesChangesToItsSchedule() {
        TestHome home;
        DockProfile profile = profilesFrom({u"e:Evening"_s}).first();
        profile.icon = u"moon.fill"_s;
        profile.createdAt = QDateTime::currentDateTimeUtc();
        DockSchedule schedule;
        schedule.profileID = profile.id;
        schedule.hour = 9;
        schedule.days = {Weekday::monday};
        home.store({profile}, {schedule});
        const QDateTime mondayAtNine(QDate(2025, 3, 17), QTime(9, 0, 10));
        auto model = std::make_unique<DockViewModel>(home.recordingPlatform(), [=] { return mondayAtNine; });
        const auto idle = [&] { return QTest::qWaitFor([&] { return !model->isWorking(); }, 60'000); };
        QVERIFY(QTest::qWaitFor([&] { return model->magnificationSize() == 128; }, 60'000));
        QAbstractItemModelTester tester(model->schedules(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick
            ListView {
                width: 300; height: 300
                delegate: Item {
                    required property bool isEnabled
                    required property string profileName
                    required property string profileIcon
                    width: 300; height: 40
                }
            })",
                          {});
        std::unique_ptr<QObject> view(
            component.createWithInitialProperties({{u"model"_s, QVariant::fromValue(model->schedules())}}));
        QVERIFY2(view, qPrintable(component.errorString()));
        const QPointer<QQuickItem> card = delegateAt(qobject_cast<QQuickItem*>(view.get()), 0);
        QVERIFY(card && card->property("profileName") == u"Evening"_s);

        const QString id = schedule.id.toString(QUuid::WithoutBraces);
        model->setScheduleEnabled(id, false);
        QVERIFY(card && !card->property("isEnabled").toBool());
        model->setScheduleEnabled(id, true);
        model->checkSchedules();
        QVERIFY(idle());
        QVERIFY(model->schedules()->schedules().first().lastAppliedDate);
        model->deleteProfile(profile.id.toString());
        QVERIFY(idle());
        QVERIFY(card && card == delegateAt(qobject_cast<QQuickItem*>(view.get()), 0));
        QCOMPARE(card->property("profileName"), u"Deleted Profile"_s);
        QCOMPARE(card->property("profileIcon"), u"square.stack.3d.up.fill"_s);
        QCOMPARE(model->lastError(), QString());
    }
};

QTEST_MAIN(ListModelsTest)
#include "tst_listmodels.moc"
