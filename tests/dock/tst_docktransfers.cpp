// SPDX-License-Identifier: MIT
#include "DockTesting.h"
#include "RunTask.h"
#include "TestHome.h"
#include "dock/DockError.h"
#include "dock/DockService.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

// The recording program as `defaults`, except that an export first leaves a file behind, the way a
// tool that fails half-way through would.
Platform recordingPlatformWithFiles(const TestHome& home) {
    Platform platform = home.recordingPlatform();
    platform.defaultsPath = writeExecutable(home.path() + u"/defaults"_s,
                                            "[ \"$1\" = export ] && printf 'exported bytes' > \"$3\"\n"
                                            "exec '" +
                                                QFile::encodeName(platform.defaultsPath) + "' \"$@\"\n");
    return platform;
}

QStringList leftovers(const Platform& platform) {
    return QDir(platform.temporaryFolder)
        .entryList({u"berthwise-*"_s}, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

QRegularExpression temporaryPathPattern(const Platform& platform, const QString& operation) {
    return QRegularExpression(
        u"^%1/berthwise-%2-[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\.plist$"_s.arg(
            QRegularExpression::escape(platform.temporaryFolder), operation));
}

QCoro::Task<> exportAndDiscard(DockService dock) {
    co_await dock.exportDockPreferences();
}

QCoro::Task<> importSomething(const DockService& dock) {
    return dock.importDockPreferences("bplist00 not really");
}

} // namespace

// Moving the whole domain goes through temporary files and two tools; whatever happens, the user gets
// one clear sentence and the temporary folder is left as it was.
class DockTransfersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedTransfersExplainThemselves_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("toolError");
        QTest::addColumn<QString>("description");

        QTest::newRow("export, one line")
            << u"export"_s << QByteArray("Domain com.apple.dock does not exist\n")
            << u"Couldn't read the current Dock layout. Domain com.apple.dock does not exist"_s;
        QTest::newRow("export, silent")
            << u"export"_s << QByteArray() << u"Couldn't read the current Dock layout."_s;
        QTest::newRow("import, silent")
            << u"import"_s << QByteArray() << u"Couldn't apply the Dock layout."_s;
        QTest::newRow("import, blank lines")
            << u"import"_s << QByteArray(" \n\t\n") << u"Couldn't apply the Dock layout."_s;
        QTest::newRow("import, two lines")
            << u"import"_s << QByteArray("  Could not import\nfrom file  \n\n")
            << u"Couldn't apply the Dock layout. Could not import\nfrom file"_s;
    }

    void failedTransfersExplainThemselves() {
        QFETCH(QString, operation);
        QFETCH(QByteArray, toolError);
        TestHome home;
        const auto status = scopedVariable("BERTHWISE_RECORD_EXIT", "1");
        const auto complaint = scopedVariable("BERTHWISE_RECORD_STDERR", toolError);
        const Platform platform = recordingPlatformWithFiles(home);
        const DockService dock{ShellService(platform)};

        const bool exporting = operation == u"export";
        try {
            runTask(exporting ? exportAndDiscard(dock) : importSomething(dock));
            QFAIL("a failing tool must fail the transfer");
        } catch (const DockError& error) {
            QTEST(error.description(), "description");
            QCOMPARE(error.kind(), exporting ? DockError::Kind::exportFailed : DockError::Kind::importFailed);
        }

        // A failed import must not restart the Dock: only the one `defaults` call happened.
        const QList<QStringList> calls = home.recordedCalls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.constFirst().size(), 4);
        QCOMPARE(calls.constFirst().mid(1, 2), QStringList({operation, u"com.apple.dock"_s}));
        QVERIFY2(temporaryPathPattern(platform, operation).match(calls.constFirst().at(3)).hasMatch(),
                 qPrintable(calls.constFirst().at(3)));
        QCOMPARE(leftovers(platform), QStringList());
    }

    // The tool claims success but leaves no file: that is the file system's failure, not the tool's.
    void exportWithoutAFileFailsWithTheFileError() {
        TestHome home;
        const Platform platform = home.recordingPlatform();
        const DockService dock{ShellService(platform)};
        try {
            runTask(dock.exportDockPreferences());
            QFAIL("an export without a file cannot succeed");
        } catch (const DockError& error) {
            QFAIL(qPrintable(u"not the tool's failure: "_s + error.description()));
        } catch (const Error& error) {
            QVERIFY2(error.description().contains(u"berthwise-export-"_s), qPrintable(error.description()));
        }
        QCOMPARE(leftovers(platform), QStringList());
    }

    void importThatCannotWriteItsFileRunsNothing() {
        TestHome home;
        Platform platform = home.recordingPlatform();
        platform.temporaryFolder = home.path() + u"/gone"_s;
        const DockService dock{ShellService(platform)};
        QVERIFY_THROWS_EXCEPTION(Error, runTask(dock.importDockPreferences("bplist00")));
        QVERIFY(home.recordedCalls().isEmpty());
    }

    void launchFailuresPassThroughUnchanged_data() {
        QTest::addColumn<DockOperation>("operation");
        QTest::addColumn<QString>("missingTool");

        QTest::newRow("export") << DockOperation(exportAndDiscard) << u"defaults"_s;
        QTest::newRow("import") << DockOperation(importSomething) << u"defaults"_s;
        QTest::newRow("restart after import") << DockOperation(importSomething) << u"killall"_s;
        QTest::newRow("reset") << DockOperation([](const DockService& dock) { return dock.resetDock(); })
                               << u"shell"_s;
        QTest::newRow("apply") << DockOperation([](const DockService& dock) {
            return dock.applyConfiguration(customisedConfiguration());
        }) << u"shell"_s;
    }

    void launchFailuresPassThroughUnchanged() {
        QFETCH(DockOperation, operation);
        QFETCH(QString, missingTool);
        TestHome home;
        Platform platform = recordingPlatformWithFiles(home);
        const QString missing = home.path() + u"/no-such-"_s + missingTool;
        (missingTool == u"defaults"  ? platform.defaultsPath
         : missingTool == u"killall" ? platform.killallPath
                                     : platform.shellPath) = missing;
        const DockService dock{ShellService(platform)};

        QString expected;
        try {
            runTask(ShellService(platform).run(missing, {}));
        } catch (const Error& error) {
            expected = error.description();
        }
        QVERIFY(!expected.isEmpty());

        try {
            runTask(operation(dock));
            QFAIL("a tool that cannot start must fail the operation");
        } catch (const DockError& error) {
            QFAIL(qPrintable(u"wrapped in a DockError: "_s + error.description()));
        } catch (const Error& error) {
            QCOMPARE(error.description(), expected);
        }
        QCOMPARE(leftovers(platform), QStringList());
    }
};

QTEST_GUILESS_MAIN(DockTransfersTest)
#include "tst_docktransfers.moc"
