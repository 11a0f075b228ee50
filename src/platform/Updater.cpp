// SPDX-License-Identifier: MIT
#include "Updater.h"

#ifndef BERTHWISE_WITH_UPDATE_FRAMEWORK

struct Updater::Framework {};

Updater::Updater(QObject* parent)
    : QObject(parent) {}

Updater::~Updater() = default;

void Updater::checkForUpdates() {}

#endif
