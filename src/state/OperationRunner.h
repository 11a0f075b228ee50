// SPDX-License-Identifier: MIT
#pragma once

#include "TaskKeeper.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>

// Runs the user's operations side by side and reports each outcome in the status line: busy while
// any runs, then the success message, or the failure in red with its text for the alert.
class OperationRunner : public QObject {
    Q_OBJECT

public:
    // Builds the operation a `perform` runs; called once, after the busy state is shown.
    using Action = std::function<QCoro::Task<>()>;

    explicit OperationRunner(QObject* parent = nullptr);

    [[nodiscard]] const QString& statusMessage() const { return m_statusMessage; }
    [[nodiscard]] bool isWorking() const { return m_isWorking; }
    [[nodiscard]] const QString& lastError() const { return m_lastError; }
    void setLastError(const QString& value);

    // Shows the busy state and clears the error at once, runs the action, then reports its outcome:
    // the success message, or the error's description and "Something went wrong.". The busy state
    // ends when the last running operation ends.
    void perform(QString successMessage, Action action);
    // A failure outside any operation, such as a save that did not happen: the status line shows
    // its text, so that it never keeps an earlier success in red.
    void reportFailure(const QString& description);
    // Owns a task that reports nothing until it has ended.
    void keep(QCoro::Task<> task) { m_tasks.keep(std::move(task)); }

    [[nodiscard]] static QString descriptionOf(const std::exception& error);

Q_SIGNALS:
    void statusMessageChanged();
    void isWorkingChanged();
    void lastErrorChanged();

private:
    [[nodiscard]] QCoro::Task<> run(QString successMessage, Action action);
    void setStatusMessage(const QString& value);
    void setIsWorking(bool value);

    QString m_statusMessage;
    bool m_isWorking = false;
    QString m_lastError;
    int m_running = 0;
    TaskKeeper m_tasks;
};
