// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "state/ProfileListModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

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

} // namespace

class ListModelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowANewListById_data() {
        columns<QStringList, QStringList, QStringList>("before", "after", "steps");
        const QStringList ab{u"a:A"_s, u"b:B"_s};
        const QStringList abc{u"a:A"_s, u"b:B"_s, u"c:C"_s};
        QTest::newRow("renamed") << ab << QStringList{u"a:A"_s, u"b:Bee"_s} << QStringList{u"change 1"_s};
        QTest::newRow("reloaded in another order")
            << ab << QStringList{u"b:B"_s, u"a:A"_s} << QStringList{u"reset"_s};
        QTest::newRow("deleted, captured and renamed at once")
            << abc << QStringList{u"d:D"_s, u"a:Ay"_s, u"c:C"_s}
            << QStringList{u"remove 1"_s, u"insert 0"_s, u"change 1"_s};
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
};

QTEST_GUILESS_MAIN(ListModelsTest)
#include "tst_listmodels.moc"
