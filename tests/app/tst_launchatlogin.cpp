// SPDX-License-Identifier: MIT
#include "TestHome.h"
#include "platform/LaunchAtLogin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

// The XDG autostart entry that starts Berthwise at login.
class TestLaunchAtLogin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entryLivesInTheUsersAutostartFolder() {
        TestHome home;
        QCOMPARE(LaunchAtLogin::defaultEntryFile(), home.path() + u"/.config/autostart/berthwise.desktop"_s);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(LaunchAtLogin::defaultEntryFile(),
                 QDir::homePath() + u"/.config/autostart/berthwise.desktop"_s);
    }

    void stateIsReadFromTheEntry_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("ours") << LaunchAtLogin::entryContents(u"/usr/bin/berthwise"_s) << true;
        QTest::newRow("hidden by the user")
            << QByteArray("[Desktop Entry]\nType=Application\nHidden=true\n") << false;
        QTest::newRow("switched off in the session settings")
            << QByteArray("[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n") << false;
    }

    void stateIsReadFromTheEntry() {
        QFETCH(QByteArray, entry);
        QFETCH(bool, enabled);
        TestHome home;
        const LaunchAtLogin launch(home.path() + u"/autostart/berthwise.desktop"_s, u"/usr/bin/berthwise"_s);
        QVERIFY(!launch.isEnabled());
        write(launch.entryFile(), entry);
        QCOMPARE(launch.isEnabled(), enabled);
    }

    // Turning it on when it is on must not replace an entry the user may have edited.
    void noChangeWhenAlreadyInTheWantedState() {
        TestHome home;
        const LaunchAtLogin launch(home.path() + u"/autostart/berthwise.desktop"_s, u"/usr/bin/berthwise"_s);
        launch.setEnabled(false);
        QVERIFY(!QFileInfo::exists(launch.entryFile()));

        const QByteArray edited = LaunchAtLogin::entryContents(u"/usr/bin/berthwise"_s) + "X-Edited=yes\n";
        write(launch.entryFile(), edited);
        launch.setEnabled(true);
        QCOMPARE(contents(launch.entryFile()), edited);
    }

    void disabledEntryIsReplacedWhenTurnedOn() {
        TestHome home;
        const LaunchAtLogin launch(home.path() + u"/autostart/berthwise.desktop"_s, u"/usr/bin/berthwise"_s);
        write(launch.entryFile(), "[Desktop Entry]\nHidden=true\n");
        launch.setEnabled(true);
        QVERIFY(launch.isEnabled());
        QCOMPARE(contents(launch.entryFile()), LaunchAtLogin::entryContents(u"/usr/bin/berthwise"_s));
        // Nothing is left behind by the atomic write.
        QCOMPARE(QDir(QFileInfo(launch.entryFile()).absolutePath()).entryList(QDir::Files),
                 QStringList{u"berthwise.desktop"_s});
    }

    void execLineQuotesWhatTheFormatReserves_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QByteArray>("execLine");
        QTest::newRow("plain") << u"/usr/bin/berthwise"_s << QByteArray("Exec=/usr/bin/berthwise\n");
        QTest::newRow("space") << u"/opt/My Apps/berthwise"_s
                               << QByteArray("Exec=\"/opt/My Apps/berthwise\"\n");
        QTest::newRow("dollar and quote")
            << u"/opt/a$b\"c/berthwise"_s << QByteArray("Exec=\"/opt/a\\$b\\\"c/berthwise\"\n");
        QTest::newRow("percent") << u"/opt/100%/berthwise"_s << QByteArray("Exec=/opt/100%%/berthwise\n");
    }

    void execLineQuotesWhatTheFormatReserves() {
        QFETCH(QString, executable);
        QFETCH(QByteArray, execLine);
        QVERIFY2(LaunchAtLogin::entryContents(executable).contains(execLine),
                 LaunchAtLogin::entryContents(executable).constData());
    }
};

QTEST_MAIN(TestLaunchAtLogin)
#include "tst_launchatlogin.moc"
