// SPDX-License-Identifier: MIT
// Update checks through the update framework's standard controller, started at once.
#include "Updater.h"

#import <Sparkle/Sparkle.h>

struct Updater::Framework {
    SPUStandardUpdaterController* controller = nil;
};

Updater::Updater(QObject* parent)
    : QObject(parent)
    , m_framework(std::make_unique<Framework>()) {
    m_framework->controller = [[SPUStandardUpdaterController alloc] initWithStartingUpdater:YES
                                                                            updaterDelegate:nil
                                                                         userDriverDelegate:nil];
    m_canCheckForUpdates = m_framework->controller.updater.canCheckForUpdates;
}

Updater::~Updater() = default;

void Updater::checkForUpdates() {
    [m_framework->controller checkForUpdates:nil];
}
