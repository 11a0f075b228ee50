// SPDX-License-Identifier: MIT
#include "OperationRunner.h"

#include "NextEventLoopTurn.h"
#include "common/Error.h"

using namespace Qt::StringLiterals;

OperationRunner::OperationRunner(QObject* parent)
    : QObject(parent)
    , m_statusMessage(tr("Ready")) {}

QString OperationRunner::descriptionOf(const std::exception& error) {
    if (const auto* described = dynamic_cast<const Error*>(&error))
        return described->description();
    return QString::fromUtf8(error.what());
}

void OperationRunner::setLastError(const QString& value) {
    if (m_lastError == value)
        return;
    m_lastError = value;
    Q_EMIT lastErrorChanged();
}

void OperationRunner::setStatusMessage(const QString& value) {
    if (m_statusMessage == value)
        return;
    m_statusMessage = value;
    Q_EMIT statusMessageChanged();
}

void OperationRunner::setIsWorking(bool value) {
    if (m_isWorking == value)
        return;
    m_isWorking = value;
    Q_EMIT isWorkingChanged();
}

void OperationRunner::perform(QString successMessage, Action action) {
    ++m_running;
    setIsWorking(true);
    setLastError(QString());
    m_tasks.keep(run(std::move(successMessage), std::move(action)));
}

void OperationRunner::reportFailure(const QString& description) {
    // The message first, so that whatever the alert wakes sees the status line already in step.
    setStatusMessage(description);
    setLastError(description);
}

QCoro::Task<> OperationRunner::run(QString successMessage, Action action) {
    // The busy state reaches the screen before any of the operation's own work, even work that
    // never suspends.
    co_await NextEventLoopTurn{this};
    try {
        co_await action();
        setStatusMessage(successMessage);
    } catch (const std::exception& error) {
        setLastError(descriptionOf(error));
        setStatusMessage(tr("Something went wrong."));
    }
    // Operations run side by side; the busy state lasts until the last of them has ended.
    if (--m_running == 0)
        setIsWorking(false);
}
