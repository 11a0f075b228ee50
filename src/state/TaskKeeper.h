// SPDX-License-Identifier: MIT
#pragma once

#include <QCoro/QCoroTask>

#include <vector>

// Owns the tasks its holder started until they have run to their end, so that no task runs unowned.
class TaskKeeper {
public:
    TaskKeeper() = default;
    TaskKeeper(const TaskKeeper&) = delete;
    TaskKeeper& operator=(const TaskKeeper&) = delete;

    // Also lets go of the tasks that have ended since the last call.
    void keep(QCoro::Task<> task);

private:
    std::vector<QCoro::Task<>> m_tasks;
};
