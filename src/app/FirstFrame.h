// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QQuickWindow;

// What the first frame does not show waits until it is drawn, so as not to delay it.
class FirstFrame {
public:
    // Runs `work` once, after the window's first frame, or after a second at the latest: a window
    // that is never exposed (opened on a desktop nobody is looking at) draws no frame.
    static void then(QQuickWindow* window, std::function<void()> work);
};
