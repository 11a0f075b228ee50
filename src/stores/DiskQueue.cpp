// SPDX-License-Identifier: MIT
#include "DiskQueue.h"

#include <QThreadPool>

QThreadPool& DiskQueue::pool() {
    // Never destroyed, like the process pool: whoever leaves work queued drains it before the end.
    static QThreadPool* pool = [] {
        auto* created = new QThreadPool;
        created->setMaxThreadCount(1);
        return created;
    }();
    return *pool;
}

void DiskQueue::drain() {
    pool().waitForDone();
}
