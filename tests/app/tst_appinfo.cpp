// SPDX-License-Identifier: MIT
#include "AppInfo.h"

#include <QTest>

using namespace Qt::StringLiterals;

// What the About screen shows for the version entries it finds.
class TestAppInfo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void versionFallsBackForEachEntryOnItsOwn_data() {
        QTest::addColumn<QVariant>("version");
        QTest::addColumn<QVariant>("buildNumber");
        QTest::addColumn<QString>("shown");
        QTest::newRow("both strings") << QVariant(u"2.1"_s) << QVariant(u"37"_s) << u"2.1 (37)"_s;
        QTest::newRow("both missing") << QVariant() << QVariant() << u"1.0 (1)"_s;
        QTest::newRow("build is a number") << QVariant(u"2.1"_s) << QVariant(37) << u"2.1 (1)"_s;
        QTest::newRow("version is a number") << QVariant(2.1) << QVariant(u"37"_s) << u"1.0 (37)"_s;
        QTest::newRow("blank strings") << QVariant(u""_s) << QVariant(u"  "_s) << u"1.0 (1)"_s;
    }

    void versionFallsBackForEachEntryOnItsOwn() {
        QFETCH(QVariant, version);
        QFETCH(QVariant, buildNumber);
        const AppInfo::VersionFacts facts = AppInfo::versionOrDefaults(version, buildNumber);
        QTEST(facts.version + u" ("_s + facts.buildNumber + u')', "shown");
    }
};

QTEST_GUILESS_MAIN(TestAppInfo)
#include "tst_appinfo.moc"
