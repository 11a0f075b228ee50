// SPDX-License-Identifier: MIT
#include "SingleInstance.h"

#include <QSignalSpy>
#include <QTest>
#include <QUuid>

using namespace Qt::StringLiterals;

// One running Berthwise per user, which later launches bring to the front.
class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    static QString uniqueName() { return u"berthwise-test-"_s + QUuid::createUuid().toString(QUuid::Id128); }

private Q_SLOTS:
    void secondLaunchActivatesTheFirst() {
        const QString name = uniqueName();
        SingleInstance first(name);
        QVERIFY(!first.notifyRunningInstance());
        QVERIFY(first.listen());
        QSignalSpy activated(&first, &SingleInstance::activationRequested);

        SingleInstance second(name);
        QVERIFY(second.notifyRunningInstance());
        QVERIFY(activated.wait(10'000));
        QCOMPARE(activated.count(), 1);
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
