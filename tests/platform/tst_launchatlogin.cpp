// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/LaunchAtLogin.h"

#include <QScopeGuard>
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

    // The session starts the entry through its PATH: the bare name only where that reaches the
    // running program. Every row has an installed copy in usr/bin, and bin is a link to usr/bin.
    void execLineStartsTheRunningProgram_data() {
        columns<QString, QString, bool>("executable", "path", "byName");
        QTest::newRow("installed") << u"usr/bin/berthwise"_s << u"usr/local/bin:usr/bin"_s << true;
        QTest::newRow("installed, on the PATH through a link") << u"usr/bin/berthwise"_s << u"bin"_s << true;
        QTest::newRow("build folder") << u"build/bin/berthwise"_s << u"usr/bin"_s << false;
    }

    void execLineStartsTheRunningProgram() {
        QFETCH(QString, executable);
        QFETCH(QString, path);
        QFETCH(bool, byName);
        TestHome home;
        const QDir root(home.path());
        for (const QString& program : {u"usr/bin/berthwise"_s, u"build/bin/berthwise"_s})
            writeExecutable(root.filePath(program), {});
        QVERIFY(QFile::link(root.filePath(u"usr/bin"_s), root.filePath(u"bin"_s)));
        QStringList folders;
        for (const QString& folder : path.split(u':'))
            folders.append(root.filePath(folder));
        const QByteArray savedPath = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });
        qputenv("PATH", folders.join(u':').toUtf8());

        const QString program = root.filePath(executable);
        const QByteArray entry = LaunchAtLogin::entryContents(LaunchAtLogin::launchCommand(program));
        const QByteArray expected = "Exec=" + (byName ? QByteArray("berthwise") : program.toUtf8()) + '\n';
        QVERIFY2(entry.contains(expected), entry.constData());
    }

    void execLineQuotesWhatTheFormatReserves() {
        const QByteArray entry = LaunchAtLogin::entryContents(u"/opt/a$b\"c/berthwise"_s);
        QVERIFY2(entry.contains("Exec=\"/opt/a\\$b\\\"c/berthwise\"\n"), entry.constData());
    }
};

QTEST_MAIN(TestLaunchAtLogin)
#include "tst_launchatlogin.moc"
