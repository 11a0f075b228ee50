// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestHome.h"
#include "platform/Platform.h"

#include <QTest>

using namespace Qt::StringLiterals;

class PlatformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void overridesOnlyWhenAbsolute_data() {
        columns<QByteArray, bool>("value", "honoured");
        QTest::newRow("absolute") << QByteArray("/opt/tools/zsh") << true;
        QTest::newRow("relative") << QByteArray("tools/zsh") << false;
        QTest::newRow("empty") << QByteArray("") << false;
    }

    void overridesOnlyWhenAbsolute() {
        QFETCH(QByteArray, value);
        QFETCH(bool, honoured);
        TestHome home;
        const Platform standard = Platform::current();
        const char* const variables[] = {"BERTHWISE_SHELL", "BERTHWISE_DEFAULTS", "BERTHWISE_KILLALL"};
        for (const char* variable : variables)
            qputenv(variable, value);
        const Platform platform = Platform::current();
        for (const char* variable : variables)
            qunsetenv(variable);
        const QString expected = QString::fromUtf8(value);
        QCOMPARE(platform.shellPath, honoured ? expected : standard.shellPath);
        QCOMPARE(platform.defaultsPath, honoured ? expected : standard.defaultsPath);
        QCOMPARE(platform.killallPath, honoured ? expected : standard.killallPath);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
