// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/LaunchAtLogin.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestFiles;

// The XDG autostart entry that starts Berthwise at login.
class TestLaunchAtLogin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // An empty `entry` or `after` stands for no file.
    void turnsToTheWantedStateFromWhatIsThere_data() {
        const QByteArray ours = LaunchAtLogin::entryContents(u"/usr/bin/berthwise"_s);
        columns<QByteArray, bool, bool, QByteArray>("entry", "enabledBefore", "enable", "after");
        // Turning it on when it is on must not replace an entry the user may have edited.
        QTest::newRow("on, edited by the user") << ours + "X-Edited=yes\n"
                                                << true << true << ours + "X-Edited=yes\n";
        QTest::newRow("hidden by the user")
            << QByteArray("[Desktop Entry]\nType=Application\nHidden=true\n") << false << true << ours;
        QTest::newRow("off, turned off") << QByteArray() << false << false << QByteArray();
    }

    void turnsToTheWantedStateFromWhatIsThere() {
        QFETCH(QByteArray, entry);
        QFETCH(bool, enable);
        QFETCH(QByteArray, after);
        TestHome home;
        const LaunchAtLogin launch(home.path() + u"/autostart/berthwise.desktop"_s, u"/usr/bin/berthwise"_s);
        if (!entry.isEmpty())
            write(launch.entryFile(), entry);
        QTEST(launch.isEnabled(), "enabledBefore");
        launch.setEnabled(enable);
        QCOMPARE(launch.isEnabled(), enable);
        QCOMPARE(content(launch.entryFile()), after);
        // Nothing is left behind by the atomic write.
        QCOMPARE(QDir(QFileInfo(launch.entryFile()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 after.isEmpty() ? QStringList() : QStringList{u"berthwise.desktop"_s});
    }

    void execLineQuotesWhatTheFormatReserves() {
        const QByteArray entry = LaunchAtLogin::entryContents(u"/opt/a$b\"c/berthwise"_s);
        QVERIFY2(entry.contains("Exec=\"/opt/a\\$b\\\"c/berthwise\"\n"), entry.constData());
    }
};

QTEST_MAIN(TestLaunchAtLogin)
#include "tst_launchatlogin.moc"
