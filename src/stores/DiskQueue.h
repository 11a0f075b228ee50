// SPDX-License-Identifier: MIT
#pragma once

#include <QCoro/QCoroFuture>
#include <QCoro/QCoroTask>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

class QThreadPool;

// The thread that waits on the disk: a file that must be safe on disk before it counts as written (a
// backup, a restored preferences file, the profiles and the schedules) can wait tens of milliseconds
// for the flush, a wait the interface thread must not share. Work runs one piece at a time, in the
// order it was given, so that a later save of a file always lands after an earlier one.
class DiskQueue {
public:
    // Runs `work` on the queue's thread, then hands its result to the awaiting coroutine, or rethrows
    // its exception there, on the thread that awaits.
    template <typename Work> [[nodiscard]] static QCoro::Task<std::invoke_result_t<Work>> run(Work work);

    // Returns once everything given so far has run, so that the next reader of a file, such as the
    // next start, finds it written.
    static void drain();

private:
    template <typename Result> struct Outcome {
        std::optional<std::conditional_t<std::is_void_v<Result>, bool, Result>> value;
        std::exception_ptr error;
    };

    static QThreadPool& pool();
};

template <typename Work> QCoro::Task<std::invoke_result_t<Work>> DiskQueue::run(Work work) {
    using Result = std::invoke_result_t<Work>;
    // Only exceptions derived from QException cross a QFuture intact; the pointer carries any. The
    // future is named because g++ 12 destroys a capturing lambda twice inside a co_await expression.
    QFuture<Outcome<Result>> done = QtConcurrent::run(&pool(), [work = std::move(work)]() mutable {
        Outcome<Result> result;
        try {
            if constexpr (std::is_void_v<Result>) {
                work();
                result.value = true;
            } else {
                result.value = work();
            }
        } catch (...) {
            result.error = std::current_exception();
        }
        return result;
    });
    Outcome<Result> outcome = co_await done;
    if (outcome.error)
        std::rethrow_exception(outcome.error);
    if constexpr (!std::is_void_v<Result>)
        co_return std::move(*outcome.value);
}
