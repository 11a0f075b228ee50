// SPDX-License-Identifier: MIT
#include "FirstFrame.h"

#include <QQuickWindow>
#include <QTimer>

#include <chrono>
#include <memory>
#include <utility>

namespace {
constexpr std::chrono::milliseconds firstFrameWait{1000};
}

void FirstFrame::then(QQuickWindow* window, std::function<void()> work) {
    auto pending = std::make_shared<std::function<void()>>(std::move(work));
    const auto runOnce = [pending] {
        if (*pending)
            std::exchange(*pending, nullptr)();
    };
    QObject::connect(window, &QQuickWindow::frameSwapped, window, runOnce,
                     Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    QTimer::singleShot(firstFrameWait, window, runOnce);
}
