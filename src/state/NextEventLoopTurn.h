// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaObject>
#include <QObject>

#include <coroutine>

// Awaiting it resumes the coroutine from the event loop, after everything already queued there; a
// coroutine whose context object is destroyed first is never resumed.
struct NextEventLoopTurn {
    QObject* context;

    [[nodiscard]] bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> coroutine) const {
        QMetaObject::invokeMethod(
            context, [coroutine] { coroutine.resume(); }, Qt::QueuedConnection);
    }
    void await_resume() const noexcept {}
};
