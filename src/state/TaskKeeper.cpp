// SPDX-License-Identifier: MIT
#include "TaskKeeper.h"

#include <algorithm>

void TaskKeeper::keep(QCoro::Task<> task) {
    std::erase_if(m_tasks, [](const QCoro::Task<>& kept) { return kept.isReady(); });
    if (!task.isReady())
        m_tasks.push_back(std::move(task));
}
