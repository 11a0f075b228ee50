// SPDX-License-Identifier: MIT
#include "DockViewModelSingleton.h"

#include <QJSEngine>
#include <QQmlEngine>

namespace {
DockViewModel* currentInstance = nullptr;
}

void DockViewModelSingleton::setInstance(DockViewModel* viewModel) {
    currentInstance = viewModel;
}

DockViewModel* DockViewModelSingleton::instance() {
    return currentInstance;
}

DockViewModel* DockViewModelSingleton::create(QQmlEngine* /*engine*/, QJSEngine* /*scriptEngine*/) {
    Q_ASSERT(currentInstance);
    // The view model outlives every engine and is shared with the menu, so no engine may delete it.
    QJSEngine::setObjectOwnership(currentInstance, QJSEngine::CppOwnership);
    return currentInstance;
}
