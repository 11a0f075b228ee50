// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "RunTask.h"
#include "TestHome.h"
#include "dock/ShellService.h"

#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

class ShellServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reportsWhatTheProgramDid_data() {
        columns<QStringList, QString, QString, int>("arguments", "output", "error", "exitCode");
        QTest::newRow("both streams, newline kept")
            << QStringList{u"-c"_s, u"printf 'out\\n'; printf err >&2; exit 3"_s} << u"out\n"_s << u"err"_s
            << 3;
        QTest::newRow("invalid UTF-8 on stdout only")
            << QStringList{u"-c"_s, u"printf '\\377\\376'; printf 'Caf\\303\\251' >&2"_s} << QString()
            << u"Café"_s << 0;
        // More than a pipe holds must stall neither the program nor the caller.
        QTest::newRow("large output on both streams")
            << QStringList{u"-c"_s,
                           u"head -c 300000 /dev/zero | tr '\\0' a; head -c 300000 /dev/zero | tr '\\0' b >&2"_s}
            << QString(300'000, u'a') << QString(300'000, u'b') << 0;
        const QString tricky = u"$HOME 'quoted' \"double\" ; | *"_s;
        QTest::newRow("no shell between caller and program")
            << QStringList{u"-c"_s, u"printf %s \"$1\""_s, u"sh"_s, tricky} << tricky << QString() << 0;
    }

    void reportsWhatTheProgramDid() {
        QFETCH(QStringList, arguments);
        TestHome home;
        const CommandResult result = runTask(ShellService(home.platform()).run(u"/bin/sh"_s, arguments));
        QTEST(result.output, "output");
        QTEST(result.error, "error");
        QTEST(result.exitCode, "exitCode");
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
