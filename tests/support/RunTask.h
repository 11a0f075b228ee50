// SPDX-License-Identifier: MIT
#pragma once

#include <QCoro/QCoroTask>
#include <QEventLoop>

#include <exception>
#include <optional>
#include <utility>

// Runs a task to its end on a local event loop and rethrows its exception; QCoro::waitFor would
// hang when the task throws.
template <typename T> T runTask(QCoro::Task<T> task) {
    struct State {
        std::optional<std::conditional_t<std::is_void_v<T>, bool, T>> value;
        std::exception_ptr error;
        bool done = false;
        QEventLoop loop;
    } state;
    auto drive = [](QCoro::Task<T> inner, State& s) -> QCoro::Task<> {
        try {
            if constexpr (std::is_void_v<T>) {
                co_await std::move(inner);
                s.value = true;
            } else {
                s.value = co_await std::move(inner);
            }
        } catch (...) {
            s.error = std::current_exception();
        }
        s.done = true;
        s.loop.quit();
    };
    auto driver = drive(std::move(task), state);
    if (!state.done)
        state.loop.exec();
    if (state.error)
        std::rethrow_exception(state.error);
    if constexpr (!std::is_void_v<T>)
        return std::move(*state.value);
}
