// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestHome.h"
#include "platform/Platform.h"

#include <QProcessEnvironment>
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

    // Nothing the app or its children touch lies outside the home, and the children find the
    // simulator before any system tool of the same name.
    void describesTheSystemInsideTheHome() {
        TestHome home;
        const Platform platform = Platform::current();
        for (const QString& path :
             {platform.applicationSupportFolder, platform.dockPreferencesFile, platform.temporaryFolder})
            QVERIFY2(path.startsWith(home.path() + u'/'), qPrintable(path));
        const QProcessEnvironment children = platform.childEnvironment();
        QCOMPARE(children.value(u"PATH"_s).split(u':').first(), platform.simulatorFolder);
        QCOMPARE(children.value(u"BERTHWISE_SIMULATED_DOCK"_s), platform.simulatedDockFolder);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
