// SPDX-License-Identifier: MIT
#include "ShellService.h"

#include "common/Error.h"

#include <QCoreApplication>
#include <QCoro/QCoroFuture>
#include <QProcess>
#include <QStringDecoder>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    CommandResult result;
    std::optional<QString> launchFailure;
};

// Programs mostly wait, so the pool is far larger than the core count: reading the Dock alone starts
// thirteen at once, and several operations may overlap.
QThreadPool& processPool() {
    static QThreadPool* pool = [] {
        auto* created = new QThreadPool;
        created->setMaxThreadCount(64);
        created->setExpiryTimeout(10'000);
        return created;
    }();
    return *pool;
}

QString decodedOrEmpty(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString() : text;
}

// Runs on a worker thread; QProcess's blocking waits read both pipes as data arrives, so a chatty
// program can never stall on a full pipe.
Outcome runBlocking(const QString& executablePath, const QStringList& arguments,
                    const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
#ifdef Q_OS_UNIX
    // A burst of programs (reading the Dock starts thirteen) would otherwise compete with the
    // interface thread for the processor; a lower priority keeps the window responsive while they run.
    process.setChildProcessModifier([] { ::setpriority(PRIO_PROCESS, 0, 10); });
#endif
    process.start(executablePath, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        return {{},
                QCoreApplication::translate("ShellService", "Couldn't start %1: %2")
                    .arg(executablePath, process.errorString())};
    process.waitForFinished(-1);
    Outcome outcome;
    outcome.result.output = decodedOrEmpty(process.readAllStandardOutput());
    outcome.result.error = decodedOrEmpty(process.readAllStandardError());
    outcome.result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return outcome;
}

} // namespace

ShellService::ShellService(Platform platform)
    : m_platform(std::move(platform)) {}

QCoro::Task<CommandResult> ShellService::run(QString executablePath, QStringList arguments) const {
    QFuture<Outcome> future = QtConcurrent::run(&processPool(), &runBlocking, executablePath, arguments,
                                                m_platform.childEnvironment());
    Outcome outcome = co_await future;
    if (outcome.launchFailure)
        throw Error(*outcome.launchFailure);
    co_return outcome.result;
}
