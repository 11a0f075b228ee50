// SPDX-License-Identifier: MIT
#include "SimulatedDock.h"

#include "DockLaunch.h"

#include <QFile>

bool SimulatedDock::launch(const Platform& platform) {
    if (platform.simulatedDockFolder.isEmpty())
        return true;
    const DomainStore store(SimulatorFolder(QFile::encodeName(platform.simulatedDockFolder).toStdString()));
    std::string error;
    return DockLaunch::launch(store, error);
}
