// SPDX-License-Identifier: MIT
#pragma once

#include <QCoro/QCoroTask>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>

// Long enough for a burst of program runs on a loaded machine, short enough that a task that never
// ends fails its test long before CTest's own time limit.
inline constexpr std::chrono::seconds taskPatience{30};

// Runs a task to its end on a local event loop and rethrows its exception; QCoro::waitFor would
// hang when the task throws. A task that does not end within `patience` fails the test.
template <typename T> T runTask(QCoro::Task<T> task, std::chrono::milliseconds patience = taskPatience) {
    struct State {
        std::optional<std::conditional_t<std::is_void_v<T>, bool, T>> value;
        std::exception_ptr error;
        bool done = false;
        QEventLoop loop;
    };
    // Shared with the driver, which outlives this call when the task is given up on and may still
    // resume later.
    auto state = std::make_shared<State>();
    auto drive = [](QCoro::Task<T> inner, std::shared_ptr<State> s) -> QCoro::Task<> {
        try {
            if constexpr (std::is_void_v<T>) {
                co_await std::move(inner);
                s->value = true;
            } else {
                s->value = co_await std::move(inner);
            }
        } catch (...) {
            s->error = std::current_exception();
        }
        s->done = true;
        s->loop.quit();
    };
    auto driver = drive(std::move(task), state);
    if (!state->done) {
        QTimer::singleShot(patience, &state->loop, [loop = &state->loop] { loop->quit(); });
        state->loop.exec();
    }
    if (!state->done) {
        QTest::qFail("The task did not finish in time", __FILE__, __LINE__);
        throw std::runtime_error("task timed out");
    }
    if (state->error)
        std::rethrow_exception(state->error);
    if constexpr (!std::is_void_v<T>)
        return std::move(*state->value);
}
