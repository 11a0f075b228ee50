// SPDX-License-Identifier: MIT
#include "RunTask.h"
#include "TestHome.h"
#include "dock/Error.h"
#include "dock/ShellService.h"

#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

class ShellServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reportsWhatTheProgramDid_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("newline kept") << u"printf '48\\n'"_s << u"48\n"_s << QString() << 0;
        QTest::newRow("silent failure") << u"exit 1"_s << QString() << QString() << 1;
        QTest::newRow("both streams") << u"printf out; printf err >&2; exit 3"_s << u"out"_s << u"err"_s << 3;
        QTest::newRow("invalid UTF-8 on stdout")
            << u"printf '\\377\\376'; printf 'fine' >&2; exit 2"_s << QString() << u"fine"_s << 2;
        QTest::newRow("non-ASCII text") << u"printf 'Caf\\303\\251'"_s << u"Café"_s << QString() << 0;
    }

    void reportsWhatTheProgramDid() {
        QFETCH(QString, script);
        TestHome home;
        const ShellService shell(home.platform());
        const CommandResult result = runTask(shell.run(u"/bin/sh"_s, {u"-c"_s, script}));
        QTEST(result.output, "output");
        QTEST(result.error, "error");
        QTEST(result.exitCode, "exitCode");
    }

    void argumentsReachTheProgramUninterpreted() {
        TestHome home;
        const ShellService shell(home.platform());
        const QString tricky = u"$HOME 'quoted' \"double\" ; | *"_s;
        const CommandResult result =
            runTask(shell.run(u"/bin/sh"_s, {u"-c"_s, u"printf %s \"$1\""_s, u"sh"_s, tricky}));
        QCOMPARE(result.output, tricky);
    }

    void missingProgramFailsNamingIt() {
        TestHome home;
        const ShellService shell(home.platform());
        try {
            runTask(shell.run(u"/nonexistent/defaults"_s, {u"read"_s}));
            QFAIL("a program that cannot start must fail the call");
        } catch (const Error& error) {
            QVERIFY2(error.description().contains(u"/nonexistent/defaults"_s),
                     qPrintable(error.description()));
        }
    }

    // More than a pipe holds must not stall the child or the caller.
    void largeOutputIsDrained() {
        TestHome home;
        const ShellService shell(home.platform());
        const CommandResult result = runTask(shell.run(
            u"/bin/sh"_s,
            {u"-c"_s,
             u"head -c 300000 /dev/zero | tr '\\0' a; head -c 300000 /dev/zero | tr '\\0' b >&2"_s}));
        QCOMPARE(result.output.size(), 300000);
        QCOMPARE(result.error.size(), 300000);
    }

    // Thirteen overlapping runs, as reading the Dock does; each resumes on the interface thread.
    void concurrentRunsResumeOnTheCallersThread() {
        TestHome home;
        const ShellService shell(home.platform());
        auto one = [](const ShellService& service, int index) -> QCoro::Task<bool> {
            const QStringList arguments{u"-c"_s, u"sleep 0.2; printf %s "_s + QString::number(index)};
            const CommandResult result = co_await service.run(u"/bin/sh"_s, arguments);
            co_return result.output == QString::number(index) && QThread::currentThread() == qApp->thread();
        };
        std::vector<QCoro::Task<bool>> tasks;
        for (int i = 0; i < 13; ++i)
            tasks.push_back(one(shell, i));
        for (auto& task : tasks)
            QVERIFY(runTask(std::move(task)));
    }
};

QTEST_GUILESS_MAIN(ShellServiceTest)
#include "tst_shellservice.moc"
